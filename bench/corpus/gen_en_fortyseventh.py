"""Forty-seventh English first pages, of kinds the earlier sets lack, in folk arts, trade history
and regional economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Pingyao Lacquerware Workshops', 'Qixian Merchant Houses', 'Zuoquan Folk Singers', 'Xiaoyi Bowl Opera Troupes',
            'Linxian Umbrella Yangge Dancers', 'Qikou Riverside Traders', 'Guangling Papercut Artists', 'Hengshan Taoist Musicians']
NOTE_FRAMES = ['Credit, Kinship and Risk among {S}', 'Household Earnings and Cultural Tourism: Evidence from {S}',
               'Public Support for {S}: Costs, Benefits and Design', 'Skills, Wages and Succession among {S}']
OCCASIONAL_FRAMES = ['Account Books and Oral Memory: Writing the History of {S}', 'Ritual, Market and Village: {S} since 1900',
                     'Archives of the Everyday: Sources on {S}', 'Between Guild and State: {S} in Modern Shanxi']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
INSTITUTES = ['Institute for Regional History', 'Centre for Shanxi Studies', 'Research Institute for Folk Cultures']


def _joined(names):
    return ' and '.join([', '.join(names[:-1]), names[-1]]) if len(names) > 1 else names[0]


def staff_note(rng):
    """A regional development fund's staff discussion note: the fund's name and "STAFF DISCUSSION NOTE"
    over a thick rule, the note number and month, the title, "Prepared by" the authors, then
    "Authorized for distribution by" a department director (not an author), a framed disclaimer, the
    JEL codes and keywords, and a summary."""
    year = rng.randint(2009, 2026)
    title = rng.choice(NOTE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    director = _names(rng, 1, authors)[0]
    kws = rng.sample(['cultural economy', 'household income', 'rural credit', 'heritage policy', 'Shanxi', 'small enterprises',
                      'tourism'], rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([2.2, 2.5]))
    page.table([[(rng.choice(['North China Development Fund', 'Fund for Regional Development', 'Yellow River Development Fund']),
                  {'bold': True}), ('STAFF DISCUSSION NOTE', {'bold': True})]], widths_cm=[9.5, 6.5], size=10, align=['l', 'r'])
    p = page.para('', after=6)
    page.rule(p, 'bottom', size=24)
    page.para('SDN/%02d/%02d\u2003\u2003%s %d' % (year % 100, rng.randint(1, 20), rng.choice(['March', 'June', 'October']), year),
              size=9.5, after=20)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='l', after=12)
    page.para([(rng.choice(['Prepared by ', 'Prepared by: ']), {'italic': True}), _joined(authors)], size=11, after=3)
    page.para([(rng.choice(['Authorized for distribution by ', 'Authorized for distribution by: ']), {'italic': True}), director],
              size=10, after=16)
    page.table([['DISCLAIMER: Staff Discussion Notes present the views of the authors and do not necessarily represent the views '
                 'of the Fund, its Executive Board or its management.']], widths_cm=[15.5], size=8.5, align='l', grid=True)
    page.para('', after=10)
    page.para([('JEL Classification Numbers: ', {'bold': True}), ', '.join(rng.sample(['Z11', 'O18', 'R11', 'G21', 'J24'], 3))],
              size=9.5, after=2)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9.5, after=12)
    page.para(('Executive Summary', {'bold': True}), size=11, after=4)
    page.para('This note looks at how craft and performance businesses in rural Shanxi earn, borrow and plan for the next '
              'generation, and what public support could do. ' * 3, size=10.5, align='j', line=1.15)
    return _finish(page, rng, title, authors, year, kws)


def occasional_paper(rng):
    """A history institute's occasional paper cover: a shaded left column with the series name and
    "No. N" stacked, the institute at the top of the right side, the title, "by" the authors, the
    series editor (not an author) in a small line, and the place and year at the foot."""
    year = rng.randint(2008, 2026)
    title = rng.choice(OCCASIONAL_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    editor = _names(rng, 1, authors)[0]
    series = rng.choice(['OCCASIONAL PAPERS', 'OCCASIONAL PAPER SERIES', 'OCCASIONAL PAPER'])
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.2)
    left = (('%s\n\n%s %d' % (series, rng.choice(['No.', 'Number']), rng.randint(3, 64))) + '\n' * 24, {'bold': True, 'size': 11})
    right = [(rng.choice(INSTITUTES) + '\n' + '\n' * 6, {'size': 10, 'italic': True}),
             (title + '\n\n', {'size': rng.choice([20, 22]), 'bold': True}),
             (rng.choice(['by ', 'By ', '']) + _joined(authors) + '\n' + '\n' * 8, {'size': 13}),
             ('%s %s\n\n' % (rng.choice(['Series editor:', 'Series Editor:', 'Edited for the series by']), editor), {'size': 9}),
             ('%s\u2002%d' % (rng.choice(['Taiyuan', 'Jinzhong', 'Datong']), year), {'size': 10})]
    t = page.table([[left, right]], widths_cm=[4.0, 12.0], align=['c', 'l'], shade=(0,), fill=rng.choice(['D9D9D9', 'DDEBF7', 'FBE5D6']))
    t.autofit = False
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-devfund-staffnote-preparedby-authorizedforby': staff_note,
             'gen-en-historyinstitute-occasionalpaper-seriescolumn-serieseditorline': occasional_paper}
