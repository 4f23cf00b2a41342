"""Labelled records for the vignettes of R packages: typeset papers (many of them in the Journal of
Statistical Software's layout) that Debian's r-cran-* and r-bioc-* packages install as PDF beside
their Sweave or knitr source (<lib>/<package>/doc/name.pdf + name.Rnw/.Rtex/.tex).

Labels come from the source (rnwlabels) and are kept only when printed on page 1, as for the
TeX documentation (tex_part.label_one). Each package is a family, named r-<package>.
"""
import os
import sys

import rnwlabels
import tex_part

R_LIBS = ('/usr/lib/R/site-library', '/usr/lib/R/library')
SOURCE_EXT = ('.Rnw', '.rnw', '.Rtex', '.Snw', '.tex')


def family_of(rel):
    """site-library/zoo/doc/zoo.pdf -> r-zoo."""
    return 'r-' + rel.split('/')[1]


def find_pairs(libs=R_LIBS):
    """(pdf, source, rel) for every vignette PDF with its source beside it; rel is
    <library folder name>/<package>/doc/<name>.pdf."""
    out = []
    for lib in libs:
        if not os.path.isdir(lib):
            continue
        for pkg in sorted(os.listdir(lib)):
            d = os.path.join(lib, pkg, 'doc')
            if not os.path.isdir(d):
                continue
            names = set(os.listdir(d))
            for f in sorted(names):
                if not f.endswith('.pdf'):
                    continue
                stem = f[:-4]
                for ext in SOURCE_EXT:
                    if stem + ext in names:
                        out.append((os.path.join(d, f), os.path.join(d, stem + ext),
                                    '%s/%s/doc/%s' % (os.path.basename(lib), pkg, f)))
                        break
    return out


def build(libs=R_LIBS, log=None, packages=None):
    """Verified records (rel as in find_pairs, stored under rnw/<rel> in the corpus); `packages`,
    when given, limits them to those R packages."""
    items = [(pdf, src, rel, family_of(rel)) for pdf, src, rel in find_pairs(libs)
             if packages is None or rel.split('/')[1] in packages]
    records, dropped = tex_part.label_many(items, 'rnw', log, extract=rnwlabels.extract_fields, in_order=True)
    if log:
        print('rnw: %d kept, %d dropped, %d packages' % (len(records), dropped, len({r['family'] for r in records})),
              file=log)
    return records


if __name__ == '__main__':
    import json
    recs = build(log=sys.stderr)
    json.dump(recs, sys.stdout, ensure_ascii=False, indent=1)
