#!/usr/bin/python3
"""Lists the PDF reader's misses by part, family and kind, from the files pdf_train.py leaves in its
work folder (predictions-PART.json, truth-PART.json):

    bench/pdf_misses.py build-test/pdf_train [--part dev] [--field title|first_author] [--show N]

Kinds of title miss: empty, a part of the title (a line dropped), the title and more (a line added),
another line. Kinds of first-author miss: empty, another author of the list (the first one missed),
an organisation or place, a label or degree word, pinyin for a Chinese name, the whole list run
together, another text.
"""
import argparse
import collections
import json
import os
import re
import runpy
import types


def load_scorer(path='/work/shared/pdf-score.py'):
    """The scorer as a module, for its normalisation of titles and names."""
    return types.SimpleNamespace(**runpy.run_path(path))


score = load_scorer()

ORG = re.compile(r'universit|institut|department|dept\b|laborator|school|college|cent(er|re)\b|faculty|academy|'
                 r'hospital|inc\b|ltd|gmbh|corporation|company|group|team|project|society|foundation|'
                 r'大学|学院|研究所|研究院|实验室|公司|中心|学校|省|市|县', re.I)
LABEL = re.compile(r'姓名|学号|导师|单位|专业|学院|学位|论文|作者|研究生|申请|指导|^(by|author|name|supervisor|'
                   r'advisor|student|degree|master|doctor|bachelor|phd)\b', re.I)
PINYIN = re.compile(r'^[A-Za-z][a-z]+(\s+[A-Z][a-z]+)+$|^[A-Z]+\s+[A-Z][a-z]+$')


def title_kind(pred, truth):
    p, t = score.norm(pred), score.norm(truth)
    if not p:
        return 'empty'
    if p in t:
        return 'part of the title'
    if t in p:
        return 'title and more'
    return 'another line'


def author_kind(pred, rec):
    p = score.norm_name(pred)
    authors = [score.norm_name(a) for a in rec.get('authors') or []]
    if not p:
        return 'empty'
    if rec.get('first_author') is None:
        return 'names where none are'
    if p in authors:
        return 'another author of the list'
    if len(authors) > 1 and authors[0] in p and authors[1] in p:
        return 'names run together'
    if authors and authors[0] in p:
        return 'the name and more'
    if LABEL.search(pred):
        return 'label or degree'
    if ORG.search(pred):
        return 'organisation or place'
    if rec.get('lang') == 'zh' and PINYIN.match(pred.strip()):
        return 'pinyin'
    if p and authors and p in authors[0]:
        return 'part of the name'
    return 'another text'


def ok(field, pred, rec):
    if field == 'title':
        want = [rec['title']] + (rec.get('alt') or {}).get('title', [])
        return score.norm(pred['title']) in {score.norm(w) for w in want}
    first = pred['authors'][0] if pred['authors'] else ''
    want = [rec.get('first_author') or ''] + [w or '' for w in (rec.get('alt') or {}).get('first_author', [])]
    return score.norm_name(first) in {score.norm_name(w) for w in want}


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('work')
    ap.add_argument('--part', action='append')
    ap.add_argument('--field', default='first_author', choices=['title', 'first_author'])
    ap.add_argument('--show', type=int, default=3, help='examples per family and kind')
    a = ap.parse_args()
    parts = a.part or sorted(f[len('truth-'):-5] for f in os.listdir(a.work) if f.startswith('truth-'))
    for part in parts:
        with open(os.path.join(a.work, 'truth-%s.json' % part), encoding='utf-8') as f:
            truth = json.load(f)
        with open(os.path.join(a.work, 'predictions-%s.json' % part), encoding='utf-8') as f:
            preds = {p['path']: p for p in json.load(f)}
        kinds = collections.Counter()
        byfam = collections.defaultdict(list)
        for r in truth:
            p = preds[r['path']]
            if ok(a.field, p, r):
                continue
            if a.field == 'title':
                k, got, want = title_kind(p['title'], r['title']), p['title'], r['title']
            else:
                got = p['authors'][0] if p['authors'] else ''
                k, want = author_kind(got, r), r.get('first_author')
            kinds[k] += 1
            byfam[r.get('family', '?')].append((k, got, want, r['path'], p['authors'], r.get('authors')))
        print('## %s: %d misses of %d (%s)' % (part, sum(kinds.values()), len(truth), a.field))
        for k, n in kinds.most_common():
            print('  %4d  %s' % (n, k))
        for fam, ms in sorted(byfam.items(), key=lambda kv: -len(kv[1])):
            print('### %s (%d)' % (fam, len(ms)))
            shown = collections.Counter()
            for k, got, want, path, pa, ta in ms:
                if shown[k] < a.show:
                    shown[k] += 1
                    print('  [%s] got %r want %r  (%s)' % (k, got, want, path))
                    if a.field != 'title':
                        print('        got %s\n        want %s' % (pa, ta))
    return 0


if __name__ == '__main__':
    main()
