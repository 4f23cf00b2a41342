"""Thirty-fifth English first pages, of kinds the earlier sets lack, in economics, art history and
anthropology subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Longquan Celadon Kilns', 'Qingtian Stone Carvers', 'Shaxian Snack Franchises', 'Zhuji Lane Lineages',
            'Songyang Village Revival', 'Longchang Ramie Cloth', 'Sichuan Opera Troupes', 'Ruyuan Yao Embroidery']
WP_FRAMES = ['Franchise Contracts and Migrant Entrepreneurs: Evidence from {S}',
             'Remittances, Reputation and {S}', 'Export Quality and Informal Credit: {S}']
ESSAY_FRAMES = ['Fire and Glaze: {S} in the Museum Age', 'The Carver\'s Hand: {S} Reconsidered',
                'Thread, Cloth and Gift: Looking at {S}', 'A Stage of Their Own: {S} in Pictures']
PRE_FRAMES = ['Lineage, Ritual and Return: {S}', 'Making Heritage Work: An Ethnography of {S}',
              'Kin Networks and Village Futures among {S}']
INSTITUTES = ['Institute for Development and Trade Research', 'Centre for Regional Economic Studies',
              'Research Department, Pacific Rim Monetary Institute']
GALLERIES = ['Harbourside Museum of Asian Art', 'Fenwick Gallery', 'Municipal Museum of Ceramics']


def _and(names):
    return names[0] if len(names) == 1 else ', '.join(names[:-1]) + ' and ' + names[-1]


def staff_workingpaper(rng):
    """An economic research institute's staff working paper cover: "Staff Working Paper No. N" and
    the institute at the top left, a thick rule, the title, the authors joined by "and", the month and
    year, and at the foot a framed note that staff working papers are research in progress whose
    opinions are the authors' own."""
    year = rng.randint(2009, 2026)
    title = rng.choice(WP_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans']), size=11, margins=2.5)
    page.para(('Staff Working Paper No. %d' % rng.randint(100, 1200), {'bold': True, 'size': 13}), after=2)
    page.para(rng.choice(INSTITUTES), size=10, after=4, rule='bottom')
    page.para('', after=70)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': rng.random() < 0.6}), align='l', after=24)
    page.para(_and(authors), size=13, after=6)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=11, after=200)
    page.table([['Staff working papers describe research in progress by the author(s) and are published to elicit '
                 'comments and to further debate. Any opinions are those of the author(s) and do not necessarily '
                 'reflect those of the Institute or its board.']], widths_cm=[16.0], size=8.5, grid=True, align='l')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def catalogue_essay(rng):
    """An exhibition catalogue essay's first page: the exhibition, the gallery and its dates in small
    capitals over a rule, the essay's title in italics, "by" and the author, a framed plate with its
    caption naming a maker (no author) and the text below."""
    year = rng.randint(2000, 2026)
    subj = rng.choice(SUBJECTS)
    title = rng.choice(ESSAY_FRAMES).format(S=subj)
    author = _names(rng, 1)[0]
    maker = _names(rng, 1, [author])[0]
    page = Page(latin=rng.choice(['Linux Libertine O', 'Caladea', 'Liberation Serif']), size=11, margins=2.8)
    page.para(('%s \u2022 %s \u2022 %d %s\u2013%d %s %d' % (
        rng.choice(['Earth and Hand', 'Made in the Hills', 'Living Crafts']), rng.choice(GALLERIES), rng.randint(1, 28),
        rng.choice(MONTHS[:5]), rng.randint(1, 28), rng.choice(MONTHS[6:]), year), {'smallcaps': True}), size=9,
        align=rng.choice(['l', 'c']), rule='bottom', after=40)
    page.para((title, {'size': rng.choice([22, 24, 26]), 'italic': True}), align='l', after=10)
    page.para([('by ', {'italic': True}), author], size=12, align='l', after=24)
    page.table([['\n\n[plate]\n\n'], [('Fig. 1  %s, %s, %d. Private collection.' %
                                       (maker, rng.choice(['vase', 'panel', 'robe', 'seal']), rng.randint(1930, 2010)),
                                       {'italic': True, 'size': 8.5})]], widths_cm=[12.0], grid=True, align='c')
    page.para('', after=16)
    page.para('The objects gathered here were made for use before they were made for display. This essay follows '
              'them from workshop to museum and asks what the passage has added and what it has taken away. ' * 3,
              size=10.5, align='j', line=1.3)
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta)


def preprint_orcid(rng):
    """An anthropology preprint's first page: a grey line "Preprint \u00b7 version N \u00b7 posted
    D Month YYYY" with "Not peer reviewed" at its end, the title, every author on a line of their own
    with the affiliation after a dash and the ORCID identifier under it, a corresponding-author mark,
    an abstract and keywords."""
    year = rng.randint(2016, 2026)
    title = rng.choice(PRE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = [rng.choice(['heritage', 'kinship', 'rural revitalisation', 'craft']),
           rng.choice(['South China', 'ethnography', 'return migration'])]
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea', 'Carlito']), size=11, margins=2.5)
    page.table([['Preprint \u00b7 version %d \u00b7 posted %d %s %d' % (rng.randint(1, 4), rng.randint(1, 28),
                                                                       rng.choice(MONTHS), year),
                 ('Not peer reviewed', {'italic': True})]], widths_cm=[11.0, 5.0], size=8.5, align=['l', 'r'],
               shade=(0, 1), fill='EEEEEE')
    page.para('', after=20)
    page.para((title, {'size': rng.choice([17, 18, 20]), 'bold': True}), align='l', after=14)
    corr = rng.randrange(len(authors))
    for k, a in enumerate(authors):
        univ = rng.choice(vocab.EN_UNIVS)
        page.para([(a, {'bold': True}), ('*', {'sup': True}) if k == corr else '', ' \u2014 %s' % univ[0]], size=11,
                  after=0)
        page.para('ORCID %04d-%04d-%04d-%04d' % (0, rng.randint(1000, 9999), rng.randint(1000, 9999),
                                                 rng.randint(1000, 9999)), size=8.5, after=4)
    page.para('', after=10)
    page.para(('Abstract', {'bold': True}), size=11, after=3)
    page.para('Drawing on fieldwork in towns and villages, this article describes how people remake old ties and '
              'practices under new pressures, and what they hope to keep. ' * 3, size=10.5, align='j', after=6)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=10, after=20)
    page.para([('*', {'sup': True}), 'Corresponding author.'], size=8.5, rule=None)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-econinstitute-staffworkingpaper-researchinprogressbox': staff_workingpaper,
             'gen-en-arthistory-exhibitioncatalogue-essay-platecaption': catalogue_essay,
             'gen-en-anthropology-preprint-versionband-orcidlines': preprint_orcid}
