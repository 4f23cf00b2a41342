"""Labelled records for the typeset documents TeX Live's documentation packages ship.

A PDF is taken when a source of the same name lies beside it (name.tex, name.tex.gz,
name.ltx); its labels come from that source and are kept only when printed on page 1.
"""
import os
import re
import subprocess
import sys

import firstpage
import texlabels

DOC_ROOT = '/usr/share/doc/texlive-doc'
SOURCE_EXT = ('.tex', '.tex.gz', '.ltx', '.ltx.gz')
PER_FAMILY = 12          # no package's many small samples may crowd out the others
SKIP_TOP = ('latex-dev',)  # pre-release copies of documents found under latex/


def family_of(rel):
    """The package a documentation file belongs to: latex/acmart/x.pdf -> acmart."""
    parts = rel.split('/')
    return parts[1] if len(parts) > 2 else parts[0]


def lang_of(title):
    return 'zh' if texlabels.CJK_RE.search(title or '') else 'en'


def find_pairs(root=DOC_ROOT):
    """(pdf, source) pairs under root, sorted by path."""
    pairs = []
    for d, dirs, files in os.walk(root):
        dirs.sort()
        rel_d = os.path.relpath(d, root)
        if rel_d.split('/')[0] in SKIP_TOP:
            dirs[:] = []
            continue
        names = set(files)
        for f in sorted(files):
            if not f.endswith('.pdf'):
                continue
            stem = f[:-4]
            for ext in SOURCE_EXT:
                if stem + ext in names:
                    pairs.append((os.path.join(d, f), os.path.join(d, stem + ext)))
                    break
    return pairs


def label_one(pdf, src, page=None, extract=texlabels.extract_fields, in_order=False):
    """The verified record of one pair, or (None, reason); `extract` reads the source's fields;
    with in_order the authors must be printed in the order the source gives them."""
    try:
        fields = extract(texlabels.load_source(src))
    except (OSError, EOFError, RecursionError) as e:
        return None, 'source unreadable: %s' % e
    if not fields['title']:
        return None, 'no title in source'
    if page is None:
        page = firstpage.Page(firstpage.page_text(pdf))
    if not page.text:
        return None, 'no text on page 1'
    titles = [t for t in fields['title'] if len(t) >= 4 and page.has_lines(t)]
    if not titles:
        return None, 'title not on page 1: %r' % fields['title'][0][:60]
    # a Chinese title comes before an English one of the same document
    titles.sort(key=lambda t: 0 if texlabels.CJK_RE.search(t) else 1)
    title = titles[0]
    if re.search(r'[\u3040-\u30ff\uac00-\ud7af]', title):
        return None, 'Japanese or Korean title'
    authors = None
    for names in fields['authors']:
        if names and len(set(names)) == len(names) and \
                all(texlabels.plausible_name(n) and page.has_name(n) for n in names):
            authors = names
            break
    if authors is None:
        return None, 'authors not on page 1: %r' % (fields['authors'][:1],)
    if in_order and not page.in_order(authors):
        return None, 'authors printed in another order: %r' % (authors,)
    rec = {'title': title, 'authors': authors, 'first_author': authors[0], 'lang': lang_of(title)}
    keywords = []
    for kws in fields['keywords']:
        if kws and all(page.has(k) for k in kws):
            keywords = kws
            break
    rec['keywords'] = keywords
    year = None
    for d in fields['date']:
        m = re.search(r'(?<!\d)(19[5-9]\d|20[0-3]\d)(?!\d)', d)
        if m and m.group(1) in page.raw:
            year = int(m.group(1))
            break
    rec['year'] = year
    alt_years = [y for y in page.years() if y != year]
    if alt_years:
        rec['alt'] = {'year': alt_years + ([None] if year is None else [])}
    rec['doi'] = firstpage.doi_of(page.raw)
    rec['arxiv'] = firstpage.arxiv_of(page.raw)
    extra = {}
    if rec['lang'] == 'zh':
        for t in fields['title_en']:
            if page.has(t):
                extra['title_en'] = t
                break
        for s in fields['supervisor']:
            if page.has_name(s) or page.has(s):
                extra['supervisor'] = s
                break
    rec.update(extra)
    return rec, 'ok'


def package_files(packages, root=DOC_ROOT):
    """The files (relative to root) that the given Debian packages install there."""
    out = subprocess.run(['dpkg', '-L'] + list(packages), capture_output=True, text=True).stdout
    prefix = root.rstrip('/') + '/'
    return {p[len(prefix):] for p in out.splitlines() if p.startswith(prefix)}


def label_many(items, source, log=None, extract=texlabels.extract_fields, in_order=False):
    """Verified records of (pdf, source file, rel, family) items, at most PER_FAMILY of a family;
    returns (records, number dropped)."""
    per_family = {}
    records = []
    dropped = 0
    for pdf, src, rel, fam in items:
        if per_family.get(fam, 0) >= PER_FAMILY:
            continue
        rec, why = label_one(pdf, src, extract=extract, in_order=in_order)
        if rec is None:
            dropped += 1
            if log:
                print('drop %s: %s' % (rel, why), file=log)
            continue
        per_family[fam] = per_family.get(fam, 0) + 1
        rec.update({'rel': rel, 'abs': pdf, 'family': fam, 'source': source})
        records.append(rec)
    return records, dropped


def build(root=DOC_ROOT, exclude=(), log=None, only=None):
    """Records for every verified pair: path is relative to root (tex/<rel> in the corpus).
    `only`, when given, is the set of relative paths to consider."""
    exclude = set(exclude)
    items = []
    for pdf, src in find_pairs(root):
        rel = os.path.relpath(pdf, root)
        if rel not in exclude and (only is None or rel in only):
            items.append((pdf, src, rel, family_of(rel)))
    records, dropped = label_many(items, 'tex', log)
    if log:
        print('tex: %d kept, %d dropped' % (len(records), dropped), file=log)
    return records

if __name__ == '__main__':
    import json
    recs = build(sys.argv[1] if len(sys.argv) > 1 else DOC_ROOT, log=sys.stderr)
    json.dump(recs, sys.stdout, ensure_ascii=False, indent=1)
