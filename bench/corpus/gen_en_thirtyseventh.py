"""Thirty-seventh English first pages, of kinds the earlier sets lack, in law, history and economics
subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Taonan Errenzhuan Troupes', 'Zhenlai Winter Fishing Crews', 'Tongyu Grassland Herders',
            'Weining Cuotaiji Masks', 'Zhijin Sand Pottery', 'Wusa Post Road Villages']
LAW_FRAMES = ['Custom, Contract and the Courts: {S}', 'Who Owns the Catch? Property Rules among {S}',
              'Informal Order and State Law: The Case of {S}']
HIST_FRAMES = ['Roads, Relay Stations and Markets: A History of {S}', 'Performing the Past: {S} since 1949',
               'Making a Local Tradition: {S}']
ECON_FRAMES = ['Cooperatives and Credit among {S}', 'Online Markets and Rural Crafts: Evidence from {S}',
               'Seasonal Labour and Household Income: {S}']
REVIEWS = ['Northern Frontier Law Review', 'Journal of Customary and Comparative Law', 'Borderlands Legal Studies']
MEETINGS = ['Annual Conference of the Society for Rural Economy', 'Asian Meeting on Development and Crafts',
            'Workshop on Household Economics in Transition']


def lawreview_starnotes(rng):
    """A law review article's first page: volume, issue and page range in small capitals centred
    over a double rule, the title, the authors in small capitals each with its own run of stars, and
    at the foot the starred notes saying who each author is; no abstract."""
    year = rng.randint(2005, 2026)
    title = rng.choice(LAW_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 2))
    page = Page(latin=rng.choice(['Liberation Serif', 'Linux Libertine O', 'Caladea']), size=11, margins=2.8)
    first = rng.randint(1, 900)
    page.para(('%s \u00b7 Volume %d, Number %d (%d) \u00b7 pp. %d\u2013%d' % (
        rng.choice(REVIEWS), rng.randint(3, 60), rng.randint(1, 4), year, first, first + rng.randint(20, 60)),
        {'smallcaps': True}), size=9, align='c', rule='bottom', after=40)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.5}), align='c', after=14)
    runs = []
    for k, a in enumerate(authors):
        runs += [(a, {'smallcaps': True}), ('*' * (k + 1), {'sup': True})]
        if k < len(authors) - 1:
            runs.append(' & ')
    page.para(runs, size=12, align='c', after=30)
    page.para('Introduction', size=12, align='c', after=6)
    page.para('Local rules about land, water and the fruits of common work are older than the codes that now govern '
              'them. This article asks how courts meet such rules and what becomes of them there. ' * 4,
              size=11, align='j', line=1.4, after=40)
    for k, a in enumerate(authors):
        univ = rng.choice(vocab.EN_UNIVS)
        page.para([('*' * (k + 1), {'sup': True}), ' %s of Law, %s. ' % (
            rng.choice(['Professor', 'Associate Professor', 'Lecturer']), univ[0]),
            'The author thanks the participants of a faculty workshop for comments.' if k == 0 else ''],
            size=8.5, after=2, rule='top' if k == 0 else None)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def ma_copyright_titlepage(rng):
    """A history MA thesis title page: the title high up, "by" and the
    author, the degree statement, the department and university, the supervisor's line, and at the
    foot a copyright line with the author's name and the year."""
    year = rng.randint(2008, 2026)
    title = rng.choice(HIST_FRAMES).format(S=rng.choice(SUBJECTS))
    author, sup = _names(rng, 2)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea']), size=12, margins=3.0)
    page.para('', after=60)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='c', after=30)
    page.para('by', size=12, align='c', after=6, italic=True)
    page.para(author, size=14, align='c', after=50)
    page.para('A thesis submitted in partial fulfilment of the requirements for the degree of', size=12, align='c',
              after=4)
    page.para(rng.choice(['Master of Arts in History', 'Master of Arts (History)', 'MA in Modern Chinese History']),
              size=12, align='c', after=30)
    page.para(rng.choice(['Department of History', 'School of Historical Studies']), size=12, align='c', after=2)
    page.para(univ[0], size=12, align='c', after=30)
    page.para('%s: %s' % (rng.choice(['Supervisor', 'Thesis Supervisor']), sup), size=12, align='c', after=120)
    page.para('\u00a9 %s %d' % (author, year), size=11, align=rng.choice(['c', 'r']))
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


def meeting_authorgrid(rng):
    """An economics meeting's extended abstract: the meeting, the city and the dates on the left and
    "Extended Abstract" on the right of a shaded band, the title, a two-column grid of author cells
    (name in bold over affiliation and e-mail) read row by row, JEL codes and keywords, then text."""
    year = rng.randint(2012, 2026)
    title = rng.choice(ECON_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = [rng.choice(['cooperatives', 'rural credit', 'crafts', 'e-commerce']),
           rng.choice(['China', 'household income', 'seasonal labour'])]
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans']), size=10.5, margins=2.4)
    page.table([['%s, %s, %d\u2013%d %s %d' % (rng.choice(MEETINGS), rng.choice(['Kunming', 'Harbin', 'Lisbon', 'Leeds']),
                                                rng.randint(1, 10), rng.randint(11, 28), rng.choice(MONTHS), year),
                 ('Extended Abstract', {'bold': True})]], widths_cm=[12.0, 4.0], size=8.5, align=['l', 'r'],
               shade=(0, 1), fill=rng.choice(['E6E6E6', 'DDE8F0']))
    page.para('', after=24)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=16)
    cells = []
    for a in authors:
        univ = rng.choice(vocab.EN_UNIVS)
        cells.append([(a, {'bold': True}), '\n%s\n%s@%s' % (univ[0], a.split()[-1].lower(),
                                                             rng.choice(['econ.example.edu', 'uni.example.org']))])
    if len(cells) % 2:
        cells.append('')
    page.table([cells[k:k + 2] for k in range(0, len(cells), 2)], widths_cm=[8.0, 8.0], size=9.5, align='c')
    page.para('', after=14)
    page.para([('JEL: ', {'bold': True}), ', '.join(rng.sample(['O13', 'Q12', 'J43', 'R20', 'Z13'], 3))], size=9.5,
              after=2)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9.5, after=14)
    page.para('We use a household survey and administrative records to describe how families combine farm, craft and '
              'wage work, and how new markets change the return to each. ' * 4, size=10.5, align='j', line=1.3)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-customarylawreview-smallcapsbyline-starrednotes': lawreview_starnotes,
             'gen-en-historyma-titlepage-copyrightfoot': ma_copyright_titlepage,
             'gen-en-ruraleconmeeting-extabstract-twocolumnauthorgrid': meeting_authorgrid}
