"""Pages made by a word processor: documents written from the templates, converted by LibreOffice.

Every template is seeded from the corpus seed and its own name, so a rebuild writes the same
documents. All documents of a template are converted by one soffice call (with a private
profile), and a page is kept only when its labels are printed on page 1 of the result.
"""
import os
import random
import shutil
import subprocess
import sys

import firstpage
import gen_en
import gen_en_extra
import gen_en_fresh
import gen_en_more
import gen_zh
import gen_zh_extra
import gen_zh_fresh
import gen_zh_fifth
import gen_zh_sixth
import gen_en_fifth
import gen_en_sixth
import gen_zh_seventh
import gen_en_seventh
import gen_zh_eighth
import gen_en_eighth
import gen_zh_ninth
import gen_en_ninth
import gen_zh_tenth
import gen_en_tenth
import gen_zh_eleventh
import gen_en_eleventh
import gen_zh_twelfth
import gen_en_twelfth
import gen_zh_thirteenth
import gen_en_thirteenth
import gen_zh_fourteenth
import gen_en_fourteenth
import gen_zh_fifteenth
import gen_en_fifteenth
import gen_zh_sixteenth
import gen_en_sixteenth
import gen_zh_seventeenth
import gen_en_seventeenth
import gen_zh_eighteenth
import gen_en_eighteenth
import gen_zh_nineteenth
import gen_en_nineteenth
import gen_zh_twentieth
import gen_en_twentieth
import gen_zh_twentyfirst
import gen_en_twentyfirst
import gen_zh_twentysecond
import gen_en_twentysecond
import gen_zh_twentythird
import gen_en_twentythird
import gen_zh_twentyfourth
import gen_en_twentyfourth
import gen_zh_twentyfifth
import gen_en_twentyfifth
import gen_zh_twentysixth
import gen_en_twentysixth
import gen_zh_twentyseventh
import gen_en_twentyseventh
import gen_zh_twentyeighth
import gen_en_twentyeighth
import gen_zh_twentyninth
import gen_en_twentyninth
import gen_zh_thirtieth
import gen_en_thirtieth
import gen_zh_thirtyfirst
import gen_en_thirtyfirst
import gen_zh_thirtysecond
import gen_en_thirtysecond
import gen_zh_thirtythird
import gen_en_thirtythird
import gen_zh_thirtyfourth
import gen_en_thirtyfourth
import gen_zh_thirtyfifth
import gen_en_thirtyfifth
import gen_zh_thirtysixth
import gen_en_thirtysixth
import gen_zh_thirtyseventh
import gen_en_thirtyseventh
import gen_zh_thirtyeighth
import gen_en_thirtyeighth
import gen_zh_thirtyninth
import gen_en_thirtyninth
import gen_zh_fortieth
import gen_en_fortieth
import gen_zh_fortyfirst
import gen_en_fortyfirst
import gen_zh_fortysecond
import gen_en_fortysecond
import gen_zh_fortythird
import gen_en_fortythird
import gen_zh_fortyfourth
import gen_en_fortyfourth
import gen_zh_fortyfifth
import gen_en_fortyfifth
import gen_zh_fortysixth
import gen_en_fortysixth
import gen_zh_fortyseventh
import gen_en_fortyseventh
import gen_zh_fortyeighth
import gen_en_fortyeighth
import gen_zh_fortyninth
import gen_en_fortyninth
import gen_zh_fiftieth
import gen_en_fiftieth
import gen_zh_fiftyfirst
import gen_en_fiftyfirst
import gen_zh_fiftysecond
import gen_en_fiftysecond
import gen_zh_fiftythird
import gen_en_fiftythird
import gen_zh_fiftyfourth
import gen_en_fiftyfourth
import gen_zh_fiftyfifth
import gen_en_fiftyfifth
import gen_zh_fiftysixth
import gen_en_fiftysixth
import gen_zh_fiftyseventh
import gen_en_fiftyseventh
import gen_zh_more

TEMPLATES = dict(gen_zh.TEMPLATES)
TEMPLATES.update(gen_en.TEMPLATES)
TEMPLATES.update(gen_zh_extra.TEMPLATES)
TEMPLATES.update(gen_en_extra.TEMPLATES)
TEMPLATES.update(gen_zh_more.TEMPLATES)
TEMPLATES.update(gen_en_more.TEMPLATES)
TEMPLATES.update(gen_zh_fresh.TEMPLATES)
TEMPLATES.update(gen_en_fresh.TEMPLATES)
TEMPLATES.update(gen_zh_fifth.TEMPLATES)
TEMPLATES.update(gen_en_fifth.TEMPLATES)
TEMPLATES.update(gen_zh_sixth.TEMPLATES)
TEMPLATES.update(gen_en_sixth.TEMPLATES)
TEMPLATES.update(gen_zh_seventh.TEMPLATES)
TEMPLATES.update(gen_en_seventh.TEMPLATES)
TEMPLATES.update(gen_zh_eighth.TEMPLATES)
TEMPLATES.update(gen_en_eighth.TEMPLATES)
TEMPLATES.update(gen_zh_ninth.TEMPLATES)
TEMPLATES.update(gen_en_ninth.TEMPLATES)
TEMPLATES.update(gen_zh_tenth.TEMPLATES)
TEMPLATES.update(gen_en_tenth.TEMPLATES)
TEMPLATES.update(gen_zh_eleventh.TEMPLATES)
TEMPLATES.update(gen_en_eleventh.TEMPLATES)
TEMPLATES.update(gen_zh_twelfth.TEMPLATES)
TEMPLATES.update(gen_en_twelfth.TEMPLATES)
TEMPLATES.update(gen_zh_thirteenth.TEMPLATES)
TEMPLATES.update(gen_en_thirteenth.TEMPLATES)
TEMPLATES.update(gen_zh_fourteenth.TEMPLATES)
TEMPLATES.update(gen_en_fourteenth.TEMPLATES)
TEMPLATES.update(gen_zh_fifteenth.TEMPLATES)
TEMPLATES.update(gen_en_fifteenth.TEMPLATES)
TEMPLATES.update(gen_zh_sixteenth.TEMPLATES)
TEMPLATES.update(gen_en_sixteenth.TEMPLATES)
TEMPLATES.update(gen_zh_seventeenth.TEMPLATES)
TEMPLATES.update(gen_en_seventeenth.TEMPLATES)
TEMPLATES.update(gen_zh_eighteenth.TEMPLATES)
TEMPLATES.update(gen_en_eighteenth.TEMPLATES)
TEMPLATES.update(gen_zh_nineteenth.TEMPLATES)
TEMPLATES.update(gen_en_nineteenth.TEMPLATES)
TEMPLATES.update(gen_zh_twentieth.TEMPLATES)
TEMPLATES.update(gen_en_twentieth.TEMPLATES)
TEMPLATES.update(gen_zh_twentyfirst.TEMPLATES)
TEMPLATES.update(gen_en_twentyfirst.TEMPLATES)
TEMPLATES.update(gen_zh_twentysecond.TEMPLATES)
TEMPLATES.update(gen_en_twentysecond.TEMPLATES)
TEMPLATES.update(gen_zh_twentythird.TEMPLATES)
TEMPLATES.update(gen_en_twentythird.TEMPLATES)
TEMPLATES.update(gen_zh_twentyfourth.TEMPLATES)
TEMPLATES.update(gen_en_twentyfourth.TEMPLATES)
TEMPLATES.update(gen_zh_twentyfifth.TEMPLATES)
TEMPLATES.update(gen_en_twentyfifth.TEMPLATES)
TEMPLATES.update(gen_zh_twentysixth.TEMPLATES)
TEMPLATES.update(gen_en_twentysixth.TEMPLATES)
TEMPLATES.update(gen_zh_twentyseventh.TEMPLATES)
TEMPLATES.update(gen_en_twentyseventh.TEMPLATES)
TEMPLATES.update(gen_zh_twentyeighth.TEMPLATES)
TEMPLATES.update(gen_en_twentyeighth.TEMPLATES)
TEMPLATES.update(gen_zh_twentyninth.TEMPLATES)
TEMPLATES.update(gen_en_twentyninth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtieth.TEMPLATES)
TEMPLATES.update(gen_en_thirtieth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyfirst.TEMPLATES)
TEMPLATES.update(gen_en_thirtyfirst.TEMPLATES)
TEMPLATES.update(gen_zh_thirtysecond.TEMPLATES)
TEMPLATES.update(gen_en_thirtysecond.TEMPLATES)
TEMPLATES.update(gen_zh_thirtythird.TEMPLATES)
TEMPLATES.update(gen_en_thirtythird.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyfourth.TEMPLATES)
TEMPLATES.update(gen_en_thirtyfourth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyfifth.TEMPLATES)
TEMPLATES.update(gen_en_thirtyfifth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtysixth.TEMPLATES)
TEMPLATES.update(gen_en_thirtysixth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyseventh.TEMPLATES)
TEMPLATES.update(gen_en_thirtyseventh.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyeighth.TEMPLATES)
TEMPLATES.update(gen_en_thirtyeighth.TEMPLATES)
TEMPLATES.update(gen_zh_thirtyninth.TEMPLATES)
TEMPLATES.update(gen_en_thirtyninth.TEMPLATES)
TEMPLATES.update(gen_zh_fortieth.TEMPLATES)
TEMPLATES.update(gen_en_fortieth.TEMPLATES)
TEMPLATES.update(gen_zh_fortyfirst.TEMPLATES)
TEMPLATES.update(gen_en_fortyfirst.TEMPLATES)
TEMPLATES.update(gen_zh_fortysecond.TEMPLATES)
TEMPLATES.update(gen_en_fortysecond.TEMPLATES)
TEMPLATES.update(gen_zh_fortythird.TEMPLATES)
TEMPLATES.update(gen_en_fortythird.TEMPLATES)
TEMPLATES.update(gen_zh_fortyfourth.TEMPLATES)
TEMPLATES.update(gen_en_fortyfourth.TEMPLATES)
TEMPLATES.update(gen_zh_fortyfifth.TEMPLATES)
TEMPLATES.update(gen_en_fortyfifth.TEMPLATES)
TEMPLATES.update(gen_zh_fortysixth.TEMPLATES)
TEMPLATES.update(gen_en_fortysixth.TEMPLATES)
TEMPLATES.update(gen_zh_fortyseventh.TEMPLATES)
TEMPLATES.update(gen_en_fortyseventh.TEMPLATES)
TEMPLATES.update(gen_zh_fortyeighth.TEMPLATES)
TEMPLATES.update(gen_en_fortyeighth.TEMPLATES)
TEMPLATES.update(gen_zh_fortyninth.TEMPLATES)
TEMPLATES.update(gen_en_fortyninth.TEMPLATES)
TEMPLATES.update(gen_zh_fiftieth.TEMPLATES)
TEMPLATES.update(gen_en_fiftieth.TEMPLATES)
TEMPLATES.update(gen_zh_fiftyfirst.TEMPLATES)
TEMPLATES.update(gen_en_fiftyfirst.TEMPLATES)
TEMPLATES.update(gen_zh_fiftysecond.TEMPLATES)
TEMPLATES.update(gen_en_fiftysecond.TEMPLATES)
TEMPLATES.update(gen_zh_fiftythird.TEMPLATES)
TEMPLATES.update(gen_en_fiftythird.TEMPLATES)
TEMPLATES.update(gen_zh_fiftyfourth.TEMPLATES)
TEMPLATES.update(gen_en_fiftyfourth.TEMPLATES)
TEMPLATES.update(gen_zh_fiftyfifth.TEMPLATES)
TEMPLATES.update(gen_en_fiftyfifth.TEMPLATES)
TEMPLATES.update(gen_zh_fiftysixth.TEMPLATES)
TEMPLATES.update(gen_en_fiftysixth.TEMPLATES)
TEMPLATES.update(gen_zh_fiftyseventh.TEMPLATES)
TEMPLATES.update(gen_en_fiftyseventh.TEMPLATES)
SEED = 20260
PER_TEMPLATE = {'zh': 36, 'en': 32}
# the later templates write fewer pages each: more layouts rather than more pages of one layout
PER_EXTRA_TEMPLATE = {'zh': 36, 'en': 18}
EXTRA = set(gen_zh_extra.TEMPLATES) | set(gen_en_extra.TEMPLATES) | set(gen_zh_more.TEMPLATES) | set(gen_en_more.TEMPLATES) \
    | set(gen_zh_fresh.TEMPLATES) | set(gen_en_fresh.TEMPLATES) | set(gen_zh_fifth.TEMPLATES) \
    | set(gen_en_fifth.TEMPLATES) | set(gen_zh_sixth.TEMPLATES) | set(gen_en_sixth.TEMPLATES) \
    | set(gen_zh_seventh.TEMPLATES) | set(gen_en_seventh.TEMPLATES) | set(gen_zh_eighth.TEMPLATES) \
    | set(gen_en_eighth.TEMPLATES) | set(gen_zh_ninth.TEMPLATES) | set(gen_en_ninth.TEMPLATES) \
    | set(gen_zh_tenth.TEMPLATES) | set(gen_en_tenth.TEMPLATES) | set(gen_zh_eleventh.TEMPLATES) \
    | set(gen_en_eleventh.TEMPLATES) | set(gen_zh_twelfth.TEMPLATES) | set(gen_en_twelfth.TEMPLATES) \
    | set(gen_zh_thirteenth.TEMPLATES) | set(gen_en_thirteenth.TEMPLATES) | set(gen_zh_fourteenth.TEMPLATES) \
    | set(gen_en_fourteenth.TEMPLATES) | set(gen_zh_fifteenth.TEMPLATES) | set(gen_en_fifteenth.TEMPLATES) \
    | set(gen_zh_sixteenth.TEMPLATES) | set(gen_en_sixteenth.TEMPLATES) \
    | set(gen_zh_seventeenth.TEMPLATES) | set(gen_en_seventeenth.TEMPLATES) \
    | set(gen_zh_eighteenth.TEMPLATES) | set(gen_en_eighteenth.TEMPLATES) \
    | set(gen_zh_nineteenth.TEMPLATES) | set(gen_en_nineteenth.TEMPLATES) \
    | set(gen_zh_twentieth.TEMPLATES) | set(gen_en_twentieth.TEMPLATES) \
    | set(gen_zh_twentyfirst.TEMPLATES) | set(gen_en_twentyfirst.TEMPLATES) \
    | set(gen_zh_twentysecond.TEMPLATES) | set(gen_en_twentysecond.TEMPLATES) \
    | set(gen_zh_twentythird.TEMPLATES) | set(gen_en_twentythird.TEMPLATES) \
    | set(gen_zh_twentyfourth.TEMPLATES) | set(gen_en_twentyfourth.TEMPLATES) \
    | set(gen_zh_twentyfifth.TEMPLATES) | set(gen_en_twentyfifth.TEMPLATES) \
    | set(gen_zh_twentysixth.TEMPLATES) | set(gen_en_twentysixth.TEMPLATES) \
    | set(gen_zh_twentyseventh.TEMPLATES) | set(gen_en_twentyseventh.TEMPLATES) \
    | set(gen_zh_twentyeighth.TEMPLATES) | set(gen_en_twentyeighth.TEMPLATES) \
    | set(gen_zh_twentyninth.TEMPLATES) | set(gen_en_twentyninth.TEMPLATES) \
    | set(gen_zh_thirtieth.TEMPLATES) | set(gen_en_thirtieth.TEMPLATES) \
    | set(gen_zh_thirtyfirst.TEMPLATES) | set(gen_en_thirtyfirst.TEMPLATES) \
    | set(gen_zh_thirtysecond.TEMPLATES) | set(gen_en_thirtysecond.TEMPLATES) \
    | set(gen_zh_thirtythird.TEMPLATES) | set(gen_en_thirtythird.TEMPLATES) \
    | set(gen_zh_thirtyfourth.TEMPLATES) | set(gen_en_thirtyfourth.TEMPLATES) \
    | set(gen_zh_thirtyfifth.TEMPLATES) | set(gen_en_thirtyfifth.TEMPLATES) \
    | set(gen_zh_thirtysixth.TEMPLATES) | set(gen_en_thirtysixth.TEMPLATES) \
    | set(gen_zh_thirtyseventh.TEMPLATES) | set(gen_en_thirtyseventh.TEMPLATES) \
    | set(gen_zh_thirtyeighth.TEMPLATES) | set(gen_en_thirtyeighth.TEMPLATES) \
    | set(gen_zh_thirtyninth.TEMPLATES) | set(gen_en_thirtyninth.TEMPLATES) \
    | set(gen_zh_fortieth.TEMPLATES) | set(gen_en_fortieth.TEMPLATES) \
    | set(gen_zh_fortyfirst.TEMPLATES) | set(gen_en_fortyfirst.TEMPLATES) \
    | set(gen_zh_fortysecond.TEMPLATES) | set(gen_en_fortysecond.TEMPLATES) \
    | set(gen_zh_fortythird.TEMPLATES) | set(gen_en_fortythird.TEMPLATES) \
    | set(gen_zh_fortyfourth.TEMPLATES) | set(gen_en_fortyfourth.TEMPLATES) \
    | set(gen_zh_fortyfifth.TEMPLATES) | set(gen_en_fortyfifth.TEMPLATES) \
    | set(gen_zh_fortysixth.TEMPLATES) | set(gen_en_fortysixth.TEMPLATES) \
    | set(gen_zh_fortyseventh.TEMPLATES) | set(gen_en_fortyseventh.TEMPLATES) \
    | set(gen_zh_fortyeighth.TEMPLATES) | set(gen_en_fortyeighth.TEMPLATES) \
    | set(gen_zh_fortyninth.TEMPLATES) | set(gen_en_fortyninth.TEMPLATES) \
    | set(gen_zh_fiftieth.TEMPLATES) | set(gen_en_fiftieth.TEMPLATES) \
    | set(gen_zh_fiftyfirst.TEMPLATES) | set(gen_en_fiftyfirst.TEMPLATES) \
    | set(gen_zh_fiftysecond.TEMPLATES) | set(gen_en_fiftysecond.TEMPLATES) \
    | set(gen_zh_fiftythird.TEMPLATES) | set(gen_en_fiftythird.TEMPLATES) \
    | set(gen_zh_fiftyfourth.TEMPLATES) | set(gen_en_fiftyfourth.TEMPLATES) \
    | set(gen_zh_fiftyfifth.TEMPLATES) | set(gen_en_fiftyfifth.TEMPLATES) \
    | set(gen_zh_fiftysixth.TEMPLATES) | set(gen_en_fiftysixth.TEMPLATES) \
    | set(gen_zh_fiftyseventh.TEMPLATES) | set(gen_en_fiftyseventh.TEMPLATES)


def pages_of(fam, counts=None):
    lang = 'zh' if fam.startswith('gen-zh') else 'en'
    default = (PER_EXTRA_TEMPLATE if fam in EXTRA else PER_TEMPLATE)[lang]
    return (counts or {}).get(fam, default)


def write_docs(stage, counts=None, families=None):
    """Write the .docx files into stage; returns {family: [(stem, record), ...]}."""
    made = {}
    os.makedirs(stage, exist_ok=True)
    for fam in sorted(TEMPLATES):
        if families is not None and fam not in families:
            continue
        n = pages_of(fam, counts)
        made[fam] = []
        for i in range(n):
            rng = random.Random('%d/%s/%d' % (SEED, fam, i))
            page, rec = TEMPLATES[fam](rng)
            stem = '%s-%03d' % (fam[4:], i)
            page.save(os.path.join(stage, stem + '.docx'))
            made[fam].append((stem, rec))
    return made


def convert(directory, profile, chunk=80, timeout=1200):
    """Convert every .docx in directory to PDF: one soffice run per chunk of files (its start-up is
    the slow part); files a run left unconverted (it can stop early) are tried once more."""
    env = dict(os.environ, HOME=profile)
    for attempt in range(2):
        docs = sorted(f for f in os.listdir(directory)
                      if f.endswith('.docx') and not os.path.exists(os.path.join(directory, f[:-5] + '.pdf')))
        for i in range(0, len(docs), chunk):
            try:
                subprocess.run(['soffice', '-env:UserInstallation=file://%s' % os.path.join(profile, 'lo'),
                                '--headless', '--norestore', '--convert-to', 'pdf', '--outdir', directory]
                               + docs[i:i + chunk], cwd=directory, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=timeout)
            except subprocess.TimeoutExpired:
                pass


def verify(pdf, rec):
    """Why the printed page does not carry the record's labels, or None when it does.

    Names are checked loosely: a Chinese name printed with a blank between its characters
    can come out of the text layer in pieces, so each of its characters must be there.
    """
    page = firstpage.Page(firstpage.page_text(pdf))
    if not page.text:
        return 'no text'
    if not page.has(rec['title']) and not all(w in page.tight for w in rec['title'].lower().split()):
        return 'title not printed'
    for a in rec['authors']:
        if not page.has_name(a) and not (firstpage.is_cjk(a) and all(ch in page.tight for ch in a)):
            return 'author %s not printed' % a
    return None


def build(outdir, log=sys.stderr, counts=None, families=None):
    """Records for the generated pages under outdir/<family>/ (rel paths <family>/<name>.pdf);
    `families` limits them to those templates."""
    stage = os.path.join(outdir, '.stage')
    made = write_docs(stage, counts, families)
    profile = os.path.join(outdir, '.soffice')
    os.makedirs(profile, exist_ok=True)
    convert(stage, profile)
    records = []
    for fam, items in made.items():
        d = os.path.join(outdir, fam)
        os.makedirs(d, exist_ok=True)
        kept = 0
        for stem, rec in items:
            src = os.path.join(stage, stem + '.pdf')
            why = verify(src, rec) if os.path.exists(src) else 'not converted'
            if why:
                print('drop gen %s/%s: %s' % (fam, stem, why), file=log)
                continue
            os.rename(src, os.path.join(d, stem + '.pdf'))
            rec.update({'rel': '%s/%s.pdf' % (fam, stem), 'family': fam, 'source': 'generated'})
            records.append(rec)
            kept += 1
        print('gen %s: %d of %d kept' % (fam, kept, len(items)), file=log)
    shutil.rmtree(stage, ignore_errors=True)
    shutil.rmtree(profile, ignore_errors=True)
    return records
