"""English first pages: journals, conferences, preprints, theses, reports. One function per template."""
import vocab
from docxkit import Page
from genbase import (LATIN_FONTS, MONTHS, distinct, en_keywords, en_person, en_title, record, set_meta,
                     title_runs)

MARKS = {'num': lambda i: str(i + 1), 'alpha': lambda i: 'abcdefgh'[i], 'sym': lambda i: '*†‡§¶'[i % 5]}


def _setup(rng, lo=1, hi=6):
    year = rng.randint(1998, 2024)
    title = en_title(rng)
    names = distinct(rng, en_person, rng.randint(lo, hi))
    kws = en_keywords(rng, title)
    page = Page(latin=rng.choice(LATIN_FONTS), size=rng.choice([9, 9.5, 10, 10.5, 11]),
                margins=rng.choice([1.8, 2.0, 2.5]))
    return page, year, title, names, kws


def _affils(rng, n):
    out = []
    for _ in range(n):
        if rng.random() < 0.15:
            c = rng.choice(vocab.EN_COMPANIES)
            out.append('%s, %s, %s' % c)
        else:
            u = rng.choice(vocab.EN_UNIVS)
            out.append('%s, %s, %s, %s' % (rng.choice(vocab.EN_DEPTS), u[0], u[1], u[2]))
    return out


def _author_line(page, rng, names, n_aff, size, align='c', style=None):
    """Names with superscript affiliation marks, joined by commas and a final "and"."""
    style = style or rng.choice(list(MARKS))
    runs = []
    for i, n in enumerate(names):
        runs.append((n, {'size': size}))
        if n_aff > 1 or rng.random() < 0.3:
            mk = ','.join(MARKS[style](k) for k in sorted({rng.randrange(n_aff), 0 if i == 0 else rng.randrange(n_aff)}))
            if i == 0 and rng.random() < 0.3:
                mk += ',*' if style != 'sym' else ''
            runs.append((mk, {'size': size * 0.7, 'sup': True}))
        if i < len(names) - 2:
            runs.append((', ', {'size': size}))
        elif i == len(names) - 2:
            runs.append((rng.choice([', and ', ' and ', ', ']), {'size': size}))
    page.para(runs, align=align, after=6)
    return style


def _affil_lines(page, rng, affils, style, size):
    for i, a in enumerate(affils):
        mark = MARKS[style](i) if len(affils) > 1 else ''
        page.para([(mark, {'sup': True, 'size': size * 0.7}), (a, {'italic': rng.random() < 0.5})], align='c',
                  size=size, after=1)


def _abstract(page, rng, kws, size, label=None, kwlabel=None):
    label = label or rng.choice(['Abstract', 'ABSTRACT', 'Abstract.', 'Summary'])
    page.para([(label + rng.choice([' ', '—', ': ', '\n']), {'bold': True}), vocab.BODY_EN], size=size, align='j',
              before=8, after=4)
    kwlabel = kwlabel or rng.choice(['Keywords: ', 'Key words: ', 'Index Terms—', 'KEYWORDS ', 'Keywords. '])
    sep = rng.choice(['; ', ', ', ' · '])
    page.para([(kwlabel, {'bold': True, 'italic': 'Index' in kwlabel}), sep.join(kws)], size=size, after=8)


def _doi(rng, year):
    return '10.%d/%s.%d.%06d' % (rng.choice([1016, 1007, 1109, 1145, 3390, 1093, 1038]),
                                 rng.choice(['j.patrec', 'j.apenergy', 's10994', 'TSP', 'rs', 'bioinformatics']),
                                 year, rng.randint(1, 999999))


def _body(page, rng, n=3):
    page.para((rng.choice(['1. Introduction', '1 INTRODUCTION', 'I. INTRODUCTION', '1 Introduction']), {'bold': True}),
              size=11, before=8)
    page.para(vocab.BODY_EN * n, align='j', indent=12)


def journal_one_column(rng):
    """Running head with journal, volume, year and pages; marks and affiliations; DOI line."""
    page, year, title, names, kws = _setup(rng)
    journal = rng.choice(vocab.EN_JOURNALS)
    vol, no = rng.randint(1, 400), rng.randint(1, 12)
    head = rng.choice(['%s, Volume %d (%d), No. %d, pp. %d–%d', '%s %d (%d) %d:%d–%d', '%s · Vol. %d · %d · No. %d · %d–%d'])
    page.para(head % (journal, vol, year, no, rng.randint(1, 900), rng.randint(901, 1800)), size=8.5, align=rng.choice('lr'),
              rule='bottom', after=12, italic=rng.random() < 0.5)
    if rng.random() < 0.6:
        page.para((rng.choice(['Research Article', 'ORIGINAL ARTICLE', 'Full Length Article', 'Regular Paper']),
                   {'bold': True}), size=9, after=6)
    page.para(title_runs(title, rng, False, rng.choice([16, 18, 20, 22]), bold=rng.random() < 0.8),
              align=rng.choice('cl'), after=10)
    n_aff = min(len(names), rng.randint(1, 3))
    style = _author_line(page, rng, names, n_aff, rng.choice([11, 12]), align='c')
    _affil_lines(page, rng, _affils(rng, n_aff), style, 8.5)
    page.para('* Corresponding author. E-mail: %s@example.org' % names[0].split()[-1].lower().replace("'", ''), size=8)
    _abstract(page, rng, kws, 9)
    doi = _doi(rng, year)
    page.para(rng.choice(['https://doi.org/%s', 'DOI: %s', 'doi:%s']) % doi, size=8)
    _body(page, rng)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', doi, meta=meta)


def journal_two_column(rng):
    """Short head, title and authors across the page, then abstract and text in two columns."""
    page, year, title, names, kws = _setup(rng)
    page.para('%s  |  %s %d' % (rng.choice(vocab.EN_JOURNALS), rng.choice(MONTHS), year), size=8, rule='bottom', after=14)
    page.para(title_runs(title, rng, False, rng.choice([18, 20, 24]), bold=rng.random() < 0.6), align='l', after=10)
    n_aff = min(len(names), rng.randint(1, 4))
    style = _author_line(page, rng, names, n_aff, 11, align='l')
    for i, a in enumerate(_affils(rng, n_aff)):
        page.para([(MARKS[style](i) if n_aff > 1 else '', {'sup': True}), a], size=8, after=0)
    page.columns(2, 0.6)
    _abstract(page, rng, kws, 9)
    _body(page, rng, 5)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def conference_grid(rng):
    """Proceedings head and an author grid: one cell per author with department, school and e-mail."""
    page, year, title, names, kws = _setup(rng, 2, 6)
    page.para('%s, %d' % (rng.choice(vocab.EN_CONFS), year), size=8, align='c', italic=True, after=14)
    page.para(title_runs(title, rng, False, rng.choice([16, 18, 20]), bold=True), align='c', after=14)
    per_row = rng.choice([2, 3, 3, 4])
    cells = []
    for n in names:
        u = rng.choice(vocab.EN_UNIVS)
        cell = [(n + '\n', {'bold': rng.random() < 0.5, 'size': 11})]
        cell.append(('%s\n%s\n%s, %s\n' % (rng.choice(vocab.EN_DEPTS), u[0], u[1], u[2]), {'size': 9}))
        cell.append(('%s@%s' % (n.split()[-1].lower().replace("'", ''), rng.choice(['cs.example.edu', 'uni.example.org'])),
                     {'size': 8.5, 'font': 'DejaVu Sans Mono'}))
        cells.append(cell)
    rows = [cells[i:i + per_row] for i in range(0, len(cells), per_row)]
    rows[-1] += [''] * (per_row - len(rows[-1]))
    page.table(rows, size=9)
    page.columns(2, 0.6)
    _abstract(page, rng, kws, 9, kwlabel=rng.choice(['Index Terms—', 'Keywords: ', 'CCS Concepts: ']))
    _body(page, rng, 4)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def preprint(rng):
    """Preprint furniture ("Preprint. Under review.", "Manuscript submitted to ...") and an arXiv line."""
    page, year, title, names, kws = _setup(rng)
    yy = year % 100 if year >= 2008 else 8
    year = max(year, 2008)
    arx = '%02d%02d.%05d' % (yy, rng.randint(1, 12), rng.randint(1, 29999))
    page.para('arXiv:%sv%d  [%s]  %d %s %d' % (arx, rng.randint(1, 4), rng.choice(['cs.LG', 'stat.ML', 'physics.comp-ph',
                                                                                     'q-bio.QM', 'cs.CV']),
                                                 rng.randint(1, 28), rng.choice(MONTHS)[:3], year), size=9, after=6)
    page.para(rng.choice(['Preprint. Under review.', 'Manuscript submitted to %s' % rng.choice(vocab.EN_JOURNALS),
                          'Preprint submitted to %s' % rng.choice(vocab.EN_JOURNALS), 'DRAFT — do not distribute',
                          'Working paper']), size=9, italic=True, after=18)
    page.para(title_runs(title, rng, False, rng.choice([17, 19, 22]), bold=True, two=rng.random() < 0.6),
              align='c', after=12)
    n_aff = min(len(names), rng.randint(1, 3))
    style = _author_line(page, rng, names, n_aff, 11)
    _affil_lines(page, rng, _affils(rng, n_aff), style, 9)
    page.para('%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year), align='c', size=10, before=6)
    _abstract(page, rng, kws, 9.5)
    _body(page, rng, 2)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, arx, meta=meta)


def thesis_cover(rng):
    """An English thesis title page: title, "by" and the author, degree statement, school and year."""
    page, year, title, names, kws = _setup(rng, 1, 1)
    page.para(title_runs(title, rng, False, rng.choice([20, 22, 24]), bold=True), align='c', before=60, after=40)
    by = rng.random() < 0.6
    if by:
        page.para('by', align='c', size=12, after=6)
    page.para((names[0], {'size': 16}), align='c', after=40)
    kind = rng.choice(['Doctor of Philosophy', 'Master of Science', 'Master of Engineering', 'Doctor of Engineering'])
    page.para('A %s submitted in partial fulfilment of the requirements for the degree of' %
              rng.choice(['thesis', 'dissertation']), align='c', size=12)
    page.para((kind, {'bold': True}), align='c', size=13, after=30)
    page.para(rng.choice(vocab.EN_DEPTS), align='c', size=12)
    page.para(rng.choice(vocab.EN_UNIV_THESIS), align='c', size=12, after=20)
    page.para('%s %d' % (rng.choice(MONTHS), year), align='c', size=12)
    sup = en_person(rng)
    page.para('Supervisor: %s' % sup, align='c', size=11, before=30)
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'en', None, meta=meta, supervisor=sup)


def double_blind(rng):
    """A submission under double-blind review: no names printed, often a name in the metadata."""
    page, year, title, names, kws = _setup(rng)
    page.para(rng.choice(['Under review as a conference paper at %s %d' % (rng.choice(['ICLR', 'NeurIPS', 'AAAI', 'KDD']), year),
                          'Anonymous submission to %s' % rng.choice(vocab.EN_CONFS),
                          'Paper under double-blind review']), size=9, align='l', rule='bottom', after=16)
    page.para(title_runs(title, rng, False, rng.choice([16, 18]), bold=True), align='c', after=10)
    page.para(rng.choice(['Anonymous Author(s)', 'Anonymous Authors', 'Anonymous', 'Author names withheld']), align='c',
              size=11)
    page.para(rng.choice(['Affiliation', 'Address', 'Anonymous Institution']), align='c', size=9, after=10,
              italic=True)
    _abstract(page, rng, kws, 9.5)
    _body(page, rng, 3)
    page.meta(title if rng.random() < 0.5 else '', names[0] if rng.random() < 0.7 else '', '')
    return page, record(title, [], year, kws, 'en', None, meta='author-leaked')


def tech_report(rng):
    """A report cover: institution, report number, title, authors, date."""
    page, year, title, names, kws = _setup(rng, 1, 4)
    u = rng.choice(vocab.EN_UNIVS)
    page.para((u[0].upper(), {'bold': True}), align='l', size=12)
    page.para(rng.choice(vocab.EN_DEPTS), align='l', size=10, rule='bottom', after=30)
    page.para('Technical Report %s-%d-%02d' % (rng.choice(['TR', 'CS-TR', 'UCAM-CL-TR', 'MSR-TR']), year,
                                               rng.randint(1, 40)), size=10, after=30)
    page.para(title_runs(title, rng, False, rng.choice([20, 24]), bold=rng.random() < 0.5), align='l', after=20)
    for n in names:
        page.para(n, size=12, after=2)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=11, before=20)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, before=30)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def book_chapter(rng):
    """A chapter in an edited book: book line as running head, chapter number, title, authors, abstract."""
    page, year, title, names, kws = _setup(rng, 1, 4)
    page.para('In: %s (eds.) Handbook of %s, pp. %d–%d. %s, %d' % (en_person(rng), rng.choice(vocab.EN_OBJECTS),
                                                               rng.randint(1, 300), rng.randint(301, 600),
                                                               rng.choice(['Springer', 'Elsevier', 'CRC Press', 'Wiley']),
                                                               year), size=8.5, italic=True, rule='bottom', after=30)
    page.para(('Chapter %d' % rng.randint(1, 25), {'size': 14}), align=rng.choice('lr'), after=10)
    page.para(title_runs(title, rng, False, rng.choice([20, 22, 24]), bold=True), align='l', after=16)
    for n in names:
        page.para(n, size=11, after=1, italic=rng.random() < 0.3)
    _abstract(page, rng, kws, 9.5, label=rng.choice(['Abstract', 'Summary']))
    _body(page, rng, 2)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


TEMPLATES = {
    'gen-en-journal-onecol': journal_one_column,
    'gen-en-journal-twocol': journal_two_column,
    'gen-en-conference-grid': conference_grid,
    'gen-en-preprint': preprint,
    'gen-en-thesis-cover': thesis_cover,
    'gen-en-double-blind': double_blind,
    'gen-en-tech-report': tech_report,
    'gen-en-book-chapter': book_chapter,
}
