"""Which part (train, dev, heldout) each family belongs to.

Whole families go to one part. The assignment is kept in split.tsv beside this file; it was
written once, before any reader was tuned, and a rebuild reads it back. A family the file does
not know yet is placed by the same rule and reported, so that it can be added.
"""
import hashlib
import os
import random

PARTS = ('train', 'dev', 'heldout')
SHARE = {'train': 0.60, 'dev': 0.15, 'heldout': 0.25}
SPLIT_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'split.tsv')


def load_rows(path=SPLIT_FILE):
    """{family: (part, group, files)} as written in the split file."""
    rows = {}
    if not os.path.exists(path):
        return rows
    with open(path, encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            cols = line.rstrip('\n').split('\t') + ['?', '0']
            rows[cols[0]] = (cols[1], cols[2], int(cols[3]) if cols[3].isdigit() else 0)
    return rows


def load(path=SPLIT_FILE):
    return {fam: row[0] for fam, row in load_rows(path).items()}


def _order(fam):
    return hashlib.md5(fam.encode('utf-8')).hexdigest()


def assign(families, fixed=None, forced=None):
    """Parts for families given as {family: (group, files)}.

    Within each group (e.g. generated Chinese, typeset English) families are taken in a fixed
    pseudo-random order and each goes to the part furthest below its share of files.
    `fixed` holds assignments already made; `forced` families go to the part given.
    """
    fixed = dict(fixed or {})
    forced = forced or {}
    out = {}
    filled = {}
    for fam, (group, n) in families.items():
        part = fixed.get(fam) or forced.get(fam)
        if part:
            out[fam] = part
            g = filled.setdefault(group, dict.fromkeys(PARTS, 0))
            g[part] = g.get(part, 0) + n
    for fam in sorted(families, key=_order):
        if fam in out:
            continue
        group, n = families[fam]
        g = filled.setdefault(group, dict.fromkeys(PARTS, 0))
        part = min(PARTS, key=lambda p: (g[p] / SHARE[p], PARTS.index(p)))
        out[fam] = part
        g[part] += n
    return out


def write(parts, families, path=SPLIT_FILE):
    """Write the assignment; families of the file that this build did not see are kept as they were."""
    old = load_rows(path)
    parts = dict(parts)
    families = dict(families)
    for fam, (part, group, n) in old.items():
        parts.setdefault(fam, part)
        families.setdefault(fam, (group, n))
    with open(path, 'w', encoding='utf-8') as f:
        f.write('# family<TAB>part<TAB>group<TAB>files when assigned\n')
        f.write('# Whole families go to one part; fixed before any tuning. Do not edit to move a family.\n')
        for fam in sorted(parts, key=lambda x: (families.get(x, ('~', 0))[0], parts[x], x)):
            group, n = families.get(fam, ('?', 0))
            f.write('%s\t%s\t%s\t%d\n' % (fam, parts[fam], group, n))


SHARE_SEED = 20261208


def share_out(families, shares, seed=SHARE_SEED):
    """Parts for new families given as {family: files}: the names, sorted, are shuffled with a fixed
    seed and each family in turn goes to the part furthest below its share of files."""
    order = sorted(families)
    random.Random(seed).shuffle(order)
    filled = dict.fromkeys(shares, 0)
    out = {}
    for fam in order:
        part = min(shares, key=lambda p: (filled[p] / shares[p], p))
        out[fam] = part
        filled[part] += families[fam]
    return out
