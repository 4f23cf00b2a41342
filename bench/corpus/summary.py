#!/usr/bin/env python3
"""Counts of a labelled corpus: per split, per language, per source and per family.

Usage: summary.py OUTDIR/truth.json [--families]
"""
import collections
import json
import sys


def counts(truth):
    c = {k: collections.Counter() for k in ('split', 'lang', 'source', 'split_lang', 'family')}
    fam_info = {}
    for t in truth:
        c['split'][t['split']] += 1
        c['lang'][t['lang']] += 1
        c['source'][t['source']] += 1
        c['split_lang'][(t['split'], t['lang'])] += 1
        c['family'][t['family']] += 1
        fam_info[t['family']] = (t['split'], t['source'])
    return c, fam_info


def render(truth, families=False):
    c, fam_info = counts(truth)
    out = ['files: %d' % len(truth)]
    out.append('per language: ' + ', '.join('%s %d' % kv for kv in sorted(c['lang'].items())))
    out.append('per source:   ' + ', '.join('%s %d' % kv for kv in sorted(c['source'].items())))
    out.append('per split (files / families):')
    known = ('train', 'dev', 'heldout', 'heldout2', 'hand')
    for part in [p for p in known if p in c['split']] + sorted(p for p in c['split'] if p not in known):
        n_fam = sum(1 for f, (s, _) in fam_info.items() if s == part)
        langs = ', '.join('%s %d' % (lg, c['split_lang'][(part, lg)]) for lg in ('en', 'zh'))
        out.append('  %-8s %5d / %4d   (%s)' % (part, c['split'][part], n_fam, langs))
    if families:
        out.append('per family (files, split, source):')
        for fam, n in sorted(c['family'].items(), key=lambda kv: (-kv[1], kv[0])):
            out.append('  %-36s %4d  %-8s %s' % (fam, n, fam_info[fam][0], fam_info[fam][1]))
    return '\n'.join(out)


def main(argv):
    if not argv or argv[0] in ('-h', '--help'):
        print(__doc__)
        return 2
    with open(argv[0], encoding='utf-8') as f:
        truth = json.load(f)
    print(render(truth, '--families' in argv))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
