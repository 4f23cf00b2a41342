#!/usr/bin/python3
"""Trains the line classifier of the PDF reader and measures the reader with it.

    bench/pdf_train.py --corpus CORPUS/truth.json --reader build-test/paper_pdf_reader \
        --model src/pdf/reader/pdf_line_model.ubj [--heldout] [--scorer pdf-score.py]

1. The reader (`--features`) gives every line of each first page with its layout features.
2. Each line of the training part is labelled by matching it to the truth: title, author,
   affiliation, keywords, date, furniture or other.
3. Gradient-boosted trees (XGBoost, fixed seed, one thread: the same data gives the same model)
   learn the labels of the training and development parts; the model is written in XGBoost's
   binary format.
4. The reader reads the development part (learnt from), the hand-labelled part (never learnt from;
   and with --heldout the blind held-out part, heldout4) with the new model; the scorer gives the
   figures, overall, per language and per family. The parts come from bench/corpus/split.tsv.

Truth: a list of records as the scorer reads them (path, title, authors, first_author, year,
keywords, lang) plus split ("train", "dev", "heldout", "hand") and family; paths are relative to the
truth file's folder. --hand TSV:ROOT adds the hand-labelled lists of bench/ (path, title, authors).
"""
import argparse
import collections
import json
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

import numpy as np
import xgboost as xgb

KINDS = ['other', 'title', 'author', 'affiliation', 'keywords', 'date', 'furniture']
SEED = 19

CJK = '\u2e80-\u2fdf\u3000-\u303f\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\uff00-\uffef'
LABEL = re.compile(r'^\s*(?:(?:中\s*文\s*|论\s*文\s*|课\s*题\s*|英\s*文\s*)?(?:题\s*目|名\s*称)|title|'
                   r'作\s*者(?:\s*姓\s*名)?|(?:学\s*生|研\s*究\s*生|申\s*请\s*人|硕\s*士\s*生|博\s*士\s*生)(?:\s*姓\s*名)?|'
                   r'姓\s*名|authors?|by)\s*[:：]?\s*', re.I)
KEYWORDS = re.compile(r'^\s*(关\s*键\s*[词字]|key\s*words?|index\s+terms)', re.I)
AFFILIATION = re.compile(r'universit|institut|department|dept\b|laborator|school|college|cent(er|re)\b|faculty|'
                         r'academy|hospital|@|大学|学院|研究所|研究院|实验室|公司|中心|学校|邮编|\d{6}', re.I)
FURNITURE = re.compile(r'中图分类号|文献标识码|文章编号|doi|arxiv|vol\.|volume|第\s*\d+\s*[卷期]|issn|journal|'
                       r'proceedings|https?:|www\.|received|accepted|manuscript|preprint|copyright|©|^\d+$', re.I)
SECTION = re.compile(r'^\s*(abstract|a b s t r a c t|摘\s*要|introduction|1\s+introduction|引言|contents|目\s*录)', re.I)
DATE = re.compile(r'(19|20)\d\d\s*年|[〇零一二三四五六七八九]{4}\s*年|(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*'
                  r'\.?\s+(\d{1,2},?\s+)?(19|20)\d\d|(19|20)\d\d[-/.]\d{1,2}', re.I)


def squeeze(s):
    """Letters and digits only, lower case: how a line is matched to the truth."""
    s = unicodedata.normalize('NFKC', s or '')
    return ''.join(c for c in s.casefold() if c.isalnum())


def read_truth(args):
    records = []
    parts = read_split_file(args.split_file) if args.split_file else {}
    for corpus in args.corpus or []:
        root = os.path.dirname(os.path.abspath(corpus))
        with open(corpus, encoding='utf-8') as f:
            for t in json.load(f):
                t = dict(t)
                t['file'] = os.path.join(root, t['path'])
                if t.get('split') != 'hand' and t.get('family') in parts:
                    t['split'] = parts[t['family']]
                records.append(t)
    for listing in args.hand or []:
        tsv, root = listing.split(':', 1)
        split = 'hand'
        if '=' in tsv:  # SPLIT=TSV:ROOT puts the list into another part
            split, tsv = tsv.split('=', 1)
        with open(tsv, encoding='utf-8') as f:
            for line in f:
                if not line.strip() or line.startswith('#'):
                    continue
                cols = line.rstrip('\n').split('\t')
                authors = cols[2].split('; ') if len(cols) > 2 and cols[2] else []
                lang = 'zh' if re.search('[\u4e00-\u9fff]', cols[1]) else 'en'
                records.append({'path': cols[0], 'file': os.path.join(root, cols[0]), 'title': cols[1],
                                'authors': authors, 'first_author': authors[0] if authors else None,
                                'year': None, 'keywords': [], 'lang': lang, 'split': split,
                                'family': 'hand-' + os.path.basename(tsv).split('.')[0], 'alt': {'year': [None]}})
    hand_paths = {r['file'] for r in records if r['family'].startswith('hand-')}
    # a file listed twice (the corpus and a hand list) counts once, as hand-labelled
    return [r for r in records if r['family'].startswith('hand-') or r['file'] not in hand_paths]


def read_split_file(path):
    """{family: part} from the corpus's split file: it, not the part a corpus was built with, decides."""
    parts = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            cols = line.rstrip('\n').split('\t')
            if not line.startswith('#') and len(cols) > 1:
                parts[cols[0]] = cols[1]
    return parts


def run_reader(reader, files, extra):
    """One reader process for all files: one JSON answer per path, in order."""
    p = subprocess.run([reader] + extra, input=''.join(f + '\n' for f in files), capture_output=True,
                       text=True, encoding='utf-8', timeout=3600)
    # one answer a line: split at newlines only (a metadata text may hold U+2028 or U+0085, which
    # str.splitlines() takes for line ends and JSON leaves unescaped)
    out = [json.loads(line) for line in p.stdout.split('\n') if line.strip()]
    if len(out) != len(files):
        sys.exit('reader answered %d of %d files (exit %d): %s' % (len(out), len(files), p.returncode, p.stderr[-500:]))
    return out


def label_lines(page, truth):
    """The kind of each line of one page, or None when the title is not found on it."""
    lines = page.get('lines', [])
    n = len(lines)
    kinds = [0] * n
    texts = [squeeze(LABEL.sub('', l['text'], count=1)) for l in lines]
    raw = [l['text'] for l in lines]
    want = squeeze(truth['title'])
    found = None
    for i in range(n):
        acc = ''
        for j in range(i, min(n, i + 8)):
            if not texts[j]:
                break
            acc += texts[j]
            if acc == want:
                found = (i, j)
                break
            if not want.startswith(acc):
                break
        if found:
            break
    if not found or not want:
        return None
    for i in range(found[0], found[1] + 1):
        kinds[i] = 1
    names = [squeeze(a) for a in truth.get('authors') or [] if squeeze(a)]
    header_end = n
    for i in range(found[1] + 1, n):
        if SECTION.match(raw[i]):
            header_end = i
            break
    for i in range(n):
        if kinds[i]:
            continue
        t = texts[i]
        # a line of names, or one that starts with a name (its mail or affiliation after it)
        bare = squeeze(re.sub(r'\S+@\S+|\([^)]*\)|（[^）]*）', '', LABEL.sub('', raw[i], count=1)))
        covered = sum(len(a) for a in names if a and a in bare)
        # a Chinese name of two or three characters is as sure a start as a longer Latin one
        starts = any(bare.startswith(a) for a in names if len(a) >= 4 or (len(a) >= 2 and is_cjk_name(a)))
        if bare and names and (covered >= 0.45 * len(bare) or starts) and i < header_end + 2:
            kinds[i] = 2
        elif KEYWORDS.match(raw[i]):
            kinds[i] = 4
        elif i < found[0] and FURNITURE.search(raw[i]):
            kinds[i] = 6
        elif i < found[0] and page['lines'][i]['f'][FEATURE['top']] < 0.12:
            kinds[i] = 6
        elif found[1] < i < header_end and AFFILIATION.search(raw[i]):
            kinds[i] = 3
        elif DATE.search(raw[i]) and len(raw[i]) < 60:
            kinds[i] = 5
        elif FURNITURE.search(raw[i]) and (page['lines'][i]['f'][FEATURE['top']] < 0.12 or
                                            page['lines'][i]['f'][FEATURE['top']] > 0.9):
            kinds[i] = 6
    return kinds


def is_cjk_name(name):
    return all('\u3400' <= ch <= '\u9fff' or ch in '·•' for ch in name)


FEATURE = {}
FAMILY_MIN = 5


def matrix(pages, labels):
    xs, ys, ws = [], [], []
    for page, kinds in zip(pages, labels):
        if kinds is None:
            continue
        for line, k in zip(page['lines'], kinds):
            xs.append(line['f'])
            ys.append(k)
            ws.append(3.0 if k in (1, 2) else 1.0)
    return np.array(xs, dtype=np.float32), np.array(ys), np.array(ws, dtype=np.float32)


def predictions(records, answers):
    out = []
    for t, a in zip(records, answers):
        out.append({'path': t['path'], 'title': a.get('title', ''), 'authors': a.get('authors', []),
                    'keywords': a.get('keywords', []), 'year': a.get('date', ''), 'error': a.get('error', ''),
                    'remark': a.get('remark', ''), 'warnings': a.get('warnings', [])})
    return out


def score(scorer, records, preds, quiet=True):
    """The scorer's totals for these records: {field: (hits, n)}."""
    with tempfile.TemporaryDirectory() as d:
        tf, pf = os.path.join(d, 'truth.json'), os.path.join(d, 'pred.json')
        with open(tf, 'w', encoding='utf-8') as f:
            json.dump([{k: v for k, v in r.items() if k != 'file'} for r in records], f, ensure_ascii=False)
        with open(pf, 'w', encoding='utf-8') as f:
            json.dump(preds, f, ensure_ascii=False)
        p = subprocess.run([sys.executable, scorer, pf, '--truth', tf] + (['--quiet'] if quiet else []),
                           capture_output=True, text=True)
    res = {}
    for line in p.stdout.splitlines():
        m = re.match(r'(title|first_author|authors_exact|year)\s+[\d.]+%\s+\((\d+)/(\d+)\)', line)
        if m:
            res[m.group(1)] = (int(m.group(2)), int(m.group(3)))
        m = re.match(r'(authors_f1|keywords_f1)\s+([\d.]+)', line)
        if m:
            res[m.group(1)] = float(m.group(2))
    return res, p.stdout


def pct(h):
    return '%d/%d = %.1f%%' % (h[0], h[1], 100.0 * h[0] / h[1]) if h[1] else '-'


def report(scorer, name, records, preds, out):
    groups = [('all', records), ('zh', [r for r in records if r['lang'] == 'zh']),
              ('en', [r for r in records if r['lang'] == 'en'])]
    fams = collections.OrderedDict()
    for r in sorted(records, key=lambda r: r.get('family', '')):
        fams.setdefault(r.get('family', '?'), []).append(r)
    small = [r for f, rs in fams.items() if len(rs) < FAMILY_MIN for r in rs]
    groups += [('family ' + f, rs) for f, rs in fams.items() if len(rs) >= FAMILY_MIN]
    if small:
        groups.append(('%d smaller families (under %d files each), pooled' %
                       (sum(1 for rs in fams.values() if len(rs) < FAMILY_MIN), FAMILY_MIN), small))
    by_path = {p['path']: p for p in preds}
    for label, rs in groups:
        if not rs:
            continue
        res, _ = score(scorer, rs, [by_path[r['path']] for r in rs])
        out.write('| %s | %s | %d | %s | %s | %s | %.3f | %s |\n' % (
            name, label, len(rs), pct(res['title']), pct(res['first_author']), pct(res['authors_exact']),
            res['keywords_f1'], pct(res['year'])))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--corpus', action='append', help='truth.json of a labelled corpus (may be repeated)')
    ap.add_argument('--split-file', default=os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus',
                                                         'split.tsv'),
                    help='family<TAB>part lines that override the parts the corpus was built with')
    ap.add_argument('--hand', action='append', help='TSV:ROOT, a hand-labelled list of bench/')
    ap.add_argument('--reader', required=True)
    ap.add_argument('--model', required=True, help='model file to write')
    ap.add_argument('--scorer', default='/work/shared/pdf-score.py')
    ap.add_argument('--work', default='build-test/pdf_train')
    ap.add_argument('--train', default='train,dev,heldout3',
                    help='comma-separated splits to train on (dev too: the old held-out parts, scored once, are in '
                         'it; and heldout3, scored once and burned)')
    ap.add_argument('--eval', default='dev,hand', help='comma-separated splits to score')
    ap.add_argument('--heldout', nargs='?', const='heldout4', default=None, metavar='PART',
                    help='score the blind held-out part (default heldout4; heldout, heldout2 and heldout3 are '
                         'burned) as well: once, at the end')
    ap.add_argument('--rounds', type=int, default=300)
    ap.add_argument('--depth', type=int, default=6)
    ap.add_argument('--no-train', action='store_true', help='score with the model as it is')
    a = ap.parse_args()

    os.makedirs(a.work, exist_ok=True)
    names = json.loads(subprocess.run([a.reader, '--feature-names'], capture_output=True, text=True).stdout)
    FEATURE.update({n: i for i, n in enumerate(names)})
    records = read_truth(a)
    records = [r for r in records if os.path.isfile(r['file'])]
    train_splits = a.train.split(',')
    eval_splits = a.eval.split(',') + ([a.heldout] if a.heldout else [])
    print('files: %s' % dict(collections.Counter(r['split'] for r in records)), flush=True)

    if not a.no_train:
        train = [r for r in records if r['split'] in train_splits]
        pages = run_reader(a.reader, [r['file'] for r in train], ['--features'])
        labels = [label_lines(p, t) for p, t in zip(pages, train)]
        used = sum(l is not None for l in labels)
        print('training pages: %d of %d have their title found on the page' % (used, len(train)), flush=True)
        x, y, w = matrix(pages, labels)
        print('lines: %d  by kind: %s' % (len(y), dict(zip(KINDS, np.bincount(y, minlength=len(KINDS))))), flush=True)
        model = xgb.XGBClassifier(objective='multi:softprob', n_estimators=a.rounds, max_depth=a.depth,
                                  learning_rate=0.1, subsample=0.8, colsample_bytree=0.8, min_child_weight=2,
                                  tree_method='hist', random_state=SEED, n_jobs=1)
        # every kind present, even in a small training set
        missing = [k for k in range(len(KINDS)) if k not in set(y.tolist())]
        if missing:
            x = np.vstack([x] + [x[:1]] * len(missing))
            y = np.concatenate([y, np.array(missing)])
            w = np.concatenate([w, np.full(len(missing), 1e-3, dtype=np.float32)])
        model.fit(x, y, sample_weight=w)
        model.get_booster().save_model(a.model)
        print('model: %s, %d bytes' % (a.model, os.path.getsize(a.model)), flush=True)

    out = sys.stdout
    out.write('\n| part | set | files | exact titles | exact first authors | exact author lists | keywords F1 | year |\n'
              '|---|---|---:|---:|---:|---:|---:|---:|\n')
    for split in eval_splits:
        rs = [r for r in records if r['split'] == split]
        if not rs:
            continue
        answers = run_reader(a.reader, [r['file'] for r in rs], ['--model', a.model])
        preds = predictions(rs, answers)
        with open(os.path.join(a.work, 'predictions-%s.json' % split), 'w', encoding='utf-8') as f:
            json.dump(preds, f, ensure_ascii=False, indent=1)
        with open(os.path.join(a.work, 'truth-%s.json' % split), 'w', encoding='utf-8') as f:
            json.dump([{k: v for k, v in r.items() if k != 'file'} for r in rs], f, ensure_ascii=False, indent=1)
        report(a.scorer, split, rs, preds, out)
        # every family, however small, for the record
        with open(os.path.join(a.work, 'families-%s.md' % split), 'w', encoding='utf-8') as f:
            fams = collections.defaultdict(list)
            for r in rs:
                fams[r.get('family', '?')].append(r)
            by_path = {p['path']: p for p in preds}
            for fam, frs in sorted(fams.items()):
                res, _ = score(a.scorer, frs, [by_path[r['path']] for r in frs])
                f.write('| %s | %d | %s | %s |\n' % (fam, len(frs), pct(res['title']), pct(res['first_author'])))
    out.flush()
    return 0


if __name__ == '__main__':
    sys.exit(main())
