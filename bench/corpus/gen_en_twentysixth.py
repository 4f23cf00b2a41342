"""Twenty-sixth English first pages, of kinds the earlier sets lack, in humanities and economics subjects
of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Miao Flying Songs', 'Teochew Wood Carving', 'Overseas Remittance Letters', 'Errentai Folk Opera',
            'Tujia Baishou Dance', 'Village Customary Pacts', 'Frontier Pass Poetry', 'Old Town Heritage Tourism']
FRAMES = ['Voices and Villages: {S} Reconsidered', 'Reading {S} as Social History', '{S} and the Making of Memory',
          'Between Stage and Ritual: {S}', 'Whose Heritage? {S} in Question']
ECON_FRAMES = ['The Local Economics of {S}', 'Household Income and {S}: Evidence from Rural China',
               'Who Gains from {S}? Evidence from County Data', 'Prices, Markets and {S}']
INSTITUTES = ['Institute for Rural Economic Studies', 'Centre for Development and Heritage Economics',
              'Research Institute of Regional Markets', 'Lingnan Forum for Applied Economics']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def _joined(names):
    return ', '.join(names[:-1]) + ' and ' + names[-1] if len(names) > 1 else names[0]


def humanities_article(rng):
    """A humanities journal's first page with the authors above the title: a kicker and the citation
    line, the authors in small capitals centred, the title, the abstract and keywords run in, the text
    in two columns, and a note on the authors at the foot."""
    year = rng.randint(2005, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 3))
    kws = [subject.lower()] + rng.sample(['ethnography', 'oral history', 'intangible heritage', 'southern China',
                                          'performance', 'archives'], rng.randint(2, 3))
    univs = rng.sample(vocab.EN_UNIVS, len(authors))
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Linux Libertine O']), size=10,
                margins=rng.choice([2.0, 2.5]))
    journal = rng.choice(['Journal of Chinese Folk Cultures', 'Asian Ethnology Review', 'Modern China Arts Quarterly',
                          'Studies in Regional History'])
    page.table([[rng.choice(['ARTICLE', 'RESEARCH ARTICLE', 'ORIGINAL ARTICLE']),
                 '%s, vol. %d, no. %d (%d), pp. %d\u2013%d' % (journal, rng.randint(3, 60), rng.randint(1, 4), year,
                                                               rng.randint(1, 200), rng.randint(201, 400))]],
               widths_cm=[4.5, 12.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=24)
    page.para((_joined(authors), {'smallcaps': True, 'size': rng.choice([11, 12])}), align='c', after=10)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': rng.random() < 0.5, 'italic': rng.random() < 0.3}),
              align='c', after=18)
    page.para([('Abstract', {'bold': True}), rng.choice(['. ', ': ', '\u2002']),
               'This article follows %s through archives, interviews and performances, and asks how local '
               'communities have kept, changed and argued over it in the last century. ' % subject.lower() * 2],
              size=9.5, align='j', after=6)
    page.para([('Keywords', {'bold': True}), rng.choice([': ', '\u2002']), rng.choice(['; ', ', ', ' \u2022 ']).join(kws)],
              size=9.5, after=14)
    page.columns(2)
    page.para(('Introduction', {'bold': True}), size=10.5, after=4)
    page.para('The text of the article begins here and runs over two columns, with its notes gathered at the end. '
              * 5, size=10, align='j', after=8)
    page.columns(1)
    page.para('', rule='bottom', after=2)
    page.para(' '.join('%s is %s at %s.' % (a, rng.choice(['Associate Professor of History', 'Lecturer in Anthropology',
                                                         'a doctoral candidate in Musicology']), u[0])
                       for a, u in zip(authors, univs)), size=8, italic=True)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


def discussion_paper(rng):
    """The cover of an economics discussion paper: the institute and the series over a rule, the
    paper's number, the title, each author with an affiliation under the name, the month, a framed
    notice, and the keywords and JEL codes."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(ECON_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 4))
    kws = [subject.lower()] + rng.sample(['rural income', 'cultural economy', 'tourism', 'remittances',
                                          'county economy', 'China'], 2)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=10.5,
                margins=2.2)
    inst = rng.choice(INSTITUTES)
    page.para((inst, {'bold': True, 'size': 13}), align=rng.choice(['l', 'c']), after=2)
    page.para((rng.choice(['DISCUSSION PAPER SERIES', 'Discussion Paper Series']), {'size': rng.choice([18, 22])}),
              align=rng.choice(['l', 'c']), rule='bottom', after=4)
    page.para('DP No. %d' % rng.randint(100, 19999), size=11, bold=True, align='r', after=50)
    page.para((title, {'bold': True, 'size': rng.choice([20, 22, 24])}), align='c', after=30)
    univs = rng.sample(vocab.EN_UNIVS, len(authors))
    if rng.random() < 0.5:
        for a, u in zip(authors, univs):
            page.para((a, {'bold': True, 'size': 12}), align='c', after=0)
            page.para((u[0], {'italic': True, 'size': 10}), align='c', after=8)
    else:
        page.table([[(a, {'bold': True}), (u[0], {'italic': True})] for a, u in zip(authors, univs)],
                   widths_cm=[6.5, 8.5], size=11, align=['r', 'l'])
    page.para('', after=20)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=12, align='c', after=30)
    page.table([['Any opinions expressed in this paper are those of the author(s) and not those of the %s. Discussion '
                 'papers often represent preliminary work and are circulated to encourage discussion; citation of '
                 'such a paper should account for its provisional character.' % inst]],
               widths_cm=[16.0], size=8.5, grid=True, align='l')
    page.para('', after=10)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, after=3)
    page.para([('JEL Classification: ', {'bold': True}), rng.choice(['O15, Z11', 'R11, J61', 'Z32, O18', 'F24, O12'])],
              size=10)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-humanities-authorsabove': humanities_article, 'gen-en-econ-discussionpaper-cover': discussion_paper}
