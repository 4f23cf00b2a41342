#!/usr/bin/env python3
"""Build the labelled PDF corpus into OUTDIR.

Usage: build.py OUTDIR [--parts hand,tex,rnw,gen] [--per-template N] [--write-split] [--marker NAME]
                [--templates FAM,...] [--tex-packages PKG,...] [--new-part PART] [--only-part PART]
                [--r-packages PKG,...] [--new-shares PART=SHARE,...]

The corpus is built in a fresh folder beside OUTDIR and then put in its place by renames, so a
reader of OUTDIR never sees half a corpus. OUTDIR then holds
  truth.json      one record per PDF (path relative to OUTDIR, title, authors, first_author,
                  year, keywords, lang, family, split, source, doi, arxiv, optional alt ...)
  SUMMARY.txt     counts per split, language, source and family
  hand/ tex/      links to the PDFs TeX Live's documentation packages install
  rnw/            links to the vignette PDFs of R packages
  gen/            the PDFs written by the page generator
  build.log       what was dropped and why
"""
import argparse
import json
import os
import re
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import firstpage  # noqa: E402
import rnw_part  # noqa: E402
import splits  # noqa: E402
import summary  # noqa: E402
import tex_part  # noqa: E402

HAND_LISTS = [os.path.join(HERE, '..', 'pdf_truth.tsv'), os.path.join(HERE, '..', 'pdf_heldout.tsv')]
FIELDS = ('path', 'title', 'authors', 'first_author', 'year', 'keywords', 'lang', 'family', 'split', 'source',
          'doi', 'arxiv')


def read_hand(lists=HAND_LISTS, root=tex_part.DOC_ROOT):
    """The hand-labelled files: path<TAB>title<TAB>authors separated by "; "."""
    recs = []
    for fn in lists:
        with open(fn, encoding='utf-8') as f:
            for line in f:
                if line.startswith('#') or not line.strip():
                    continue
                cols = line.rstrip('\n').split('\t')
                rel, title = cols[0], cols[1]
                authors = [a.strip() for a in cols[2].split(';') if a.strip()] if len(cols) > 2 else []
                pdf = os.path.join(root, rel)
                rec = {'rel': rel, 'abs': pdf, 'title': title, 'authors': authors,
                       'first_author': authors[0] if authors else None, 'year': None, 'keywords': [],
                       'lang': tex_part.lang_of(title), 'family': tex_part.family_of(rel), 'source': 'hand',
                       'doi': None, 'arxiv': None, 'hand_list': os.path.basename(fn)}
                if os.path.exists(pdf):
                    page = firstpage.Page(firstpage.page_text(pdf))
                    rec['doi'], rec['arxiv'] = firstpage.doi_of(page.raw), firstpage.arxiv_of(page.raw)
                    years = page.years()
                    if years:
                        rec['alt'] = {'year': years + [None]}
                recs.append(rec)
    return recs


def link(dst_root, sub, rec):
    path = os.path.join(sub, rec['rel'])
    dst = os.path.join(dst_root, path)
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    if not os.path.lexists(dst):
        os.symlink(rec['abs'], dst)
    return path


GROUP_SOURCE = {'generated': 'gen', 'rnw': 'rnw'}


def group_of(rec, lang=None):
    return '%s-%s' % (GROUP_SOURCE.get(rec['source'], 'tex'), lang or rec['lang'])


def assign_splits(records, write_split, log, new_part=None, split_file=splits.SPLIT_FILE, new_shares=None):
    """The split of every record from split.tsv; new families are placed by the rule, or all put
    into `new_part` when one is given (a part made of sources never seen before), or shared out
    among the parts of `new_shares` ({part: share}) in a seeded shuffle of their names."""
    fams = {}
    langs = {}
    for r in records:
        if r['source'] == 'hand':
            continue
        langs.setdefault(r['family'], []).append(r['lang'])
    for r in records:
        if r['source'] == 'hand':
            continue
        fam = r['family']
        g = group_of(r, max(sorted(set(langs[fam])), key=langs[fam].count))
        fams[fam] = (g, fams.get(fam, (g, 0))[1] + 1)
    known = splits.load(split_file)
    # families whose files were labelled by hand and used for tuning stay in training
    forced = {r['family']: 'train' for r in records if r['source'] == 'hand'}
    if new_shares:
        forced.update(splits.share_out({f: fams[f][1] for f in fams if f not in known and f not in forced},
                                       new_shares))
    if new_part:
        forced.update({f: new_part for f in fams if f not in known and f not in forced})
    parts = splits.assign(fams, fixed=known, forced=forced)
    new = sorted(f for f in fams if f not in known)
    if new:
        print('families not in split.tsv (placed by the rule): %d' % len(new), file=log)
        if write_split:
            splits.write(parts, fams, split_file)
    for r in records:
        r['split'] = 'hand' if r['source'] == 'hand' else parts[r['family']]


def finish(rec, path):
    out = {'path': path}
    for k in FIELDS[1:]:
        out[k] = rec.get(k)
    for k in ('alt', 'supervisor', 'title_en', 'meta', 'hand_list'):
        if rec.get(k) is not None:
            out[k] = rec[k]
    return out


def swap_in(tmp, outdir):
    """Put the new folder at outdir; the previous corpus stays as outdir.prev until the next build."""
    prev = outdir.rstrip('/') + '.prev'
    if os.path.exists(outdir):
        if os.path.exists(prev):
            shutil.rmtree(prev)
        os.rename(outdir, prev)
    os.rename(tmp, outdir)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('outdir')
    ap.add_argument('--parts', default='hand,tex,gen')
    ap.add_argument('--per-template', type=int, default=0, help='pages per generator template (0: default)')
    ap.add_argument('--write-split', action='store_true', help='add new families to split.tsv')
    ap.add_argument('--marker', default='READY', help='file written into OUTDIR when complete')
    ap.add_argument('--templates', help='only these generated families (comma-separated)')
    ap.add_argument('--tex-packages', help='only the documents these Debian packages install (comma-separated)')
    ap.add_argument('--new-part', help='put families split.tsv does not know into this part')
    ap.add_argument('--only-part', help='keep only the files of this part')
    ap.add_argument('--new-shares', help='share families split.tsv does not know out among parts, e.g. '
                    'heldout4=0.6,dev=0.4 (seeded shuffle of the family names, filled by files)')
    ap.add_argument('--r-packages', help='only the vignettes of these R packages (comma-separated)')
    a = ap.parse_args(argv)
    parts = set(a.parts.split(','))
    t0 = time.time()
    outdir = os.path.abspath(a.outdir)
    tmp = '%s.new-%d' % (outdir.rstrip('/'), os.getpid())
    os.makedirs(tmp)
    log = open(os.path.join(tmp, 'build.log'), 'w', encoding='utf-8')
    records = []
    hand = read_hand() if 'hand' in parts else []
    for r in hand:
        r['path'] = link(tmp, 'hand', r)
    records += hand
    if 'tex' in parts:
        hand_rels = {r['rel'] for r in read_hand()} if not hand else {r['rel'] for r in hand}
        only = tex_part.package_files(a.tex_packages.split(',')) if a.tex_packages else None
        for r in tex_part.build(exclude=hand_rels, log=log, only=only):
            r['path'] = link(tmp, 'tex', r)
            records.append(r)
        print('tex done at %.0f s' % (time.time() - t0), file=log, flush=True)
    if 'rnw' in parts:
        only = set(a.r_packages.split(',')) if a.r_packages else None
        for r in rnw_part.build(log=log, packages=only):
            r['path'] = link(tmp, 'rnw', r)
            records.append(r)
        print('rnw done at %.0f s' % (time.time() - t0), file=log, flush=True)
    if 'gen' in parts:
        import gen_pages
        counts = None
        if a.per_template:
            counts = {f: a.per_template for f in gen_pages.TEMPLATES}
        fams = set(a.templates.split(',')) if a.templates else None
        for r in gen_pages.build(os.path.join(tmp, 'gen'), log=log, counts=counts, families=fams):
            r['path'] = 'gen/' + r['rel']
            records.append(r)
        print('gen done at %.0f s' % (time.time() - t0), file=log, flush=True)
    shares = None
    if a.new_shares:
        shares = {p: float(v) for p, v in (kv.split('=') for kv in a.new_shares.split(','))}
    assign_splits(records, a.write_split, log, a.new_part, new_shares=shares)
    if a.only_part:
        records = [r for r in records if r['split'] == a.only_part]
    truth = sorted((finish(r, r['path']) for r in records), key=lambda t: t['path'])
    with open(os.path.join(tmp, 'truth.json'), 'w', encoding='utf-8') as f:
        json.dump(truth, f, ensure_ascii=False, indent=1)
    text = summary.render(truth, families=True)
    with open(os.path.join(tmp, 'SUMMARY.txt'), 'w', encoding='utf-8') as f:
        f.write(text + '\n')
    took = time.time() - t0
    print('built in %.0f s' % took, file=log)
    log.close()
    with open(os.path.join(tmp, a.marker), 'w') as f:
        f.write('%d files, built in %.0f s\n' % (len(truth), took))
    swap_in(tmp, outdir)
    print(text.split('per family')[0])
    print('built in %.0f s -> %s' % (took, outdir))
    return 0


if __name__ == '__main__':
    sys.exit(main())
