"""Twenty-ninth English first pages: a health-sciences preprint under its server line and a
not-peer-reviewed notice, a journal article with an article-info panel beside the abstract, and a
transport institute's research report naming who prepared and who approved it, in subjects of
their own."""
from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
from zhkit import sized_table
import vocab

# titles carry no hyphens: a word broken at its hyphen at the end of a line loses it in the text layer
PRE_SUBJECTS = ['Dengue Vector Surveillance', 'Scrub Typhus Diagnosis', 'Ginsenoside Conversion Kinetics']
ART_SUBJECTS = ['Laver Raft Culture', 'Brine Shrimp Cyst Hatching', 'Schisandra Lignan Extraction',
                'Asarum Oil Quality']
REP_SUBJECTS = ['Railway Sand Drift Control', 'Catenary Icing Forecasts', 'Roadbed Frost Heave']
SUBJECTS = sorted(set(PRE_SUBJECTS + ART_SUBJECTS + REP_SUBJECTS))
PRE_FRAMES = ['{S} in a Tropical Island Province: A Retrospective Cohort', 'Trends in {S} from 2015 to 2023',
              'Field Evaluation of {S}', '{S}: A Prospective Multicentre Study']
ART_FRAMES = ['Optimizing {S} by Response Surface Methodology', 'Seasonal Variation in {S}',
              'Effects of Temperature on {S}', 'A Comparative Study of {S} Methods']
REP_FRAMES = ['{S} on Desert Railway Lines', 'Field Trials of {S} Measures', 'Guidance on {S} for Line Managers',
              '{S}: Final Report']
PRE_MARKS = ['a', 'b', 'c']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def _byline(authors, marks, star_last=False):
    runs = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        runs += [a + '\u2009', (m + ('*' if star_last and k == len(authors) - 1 else ''), {'sup': True})]
        if k < len(authors) - 1:
            runs.append(', ')
    return runs


def preprint_notice(rng):
    """A health-sciences preprint: the server's line with the doi and posting date at the very top,
    the title, the authors with letter marks, the lettered affiliations, the corresponding author, a
    structured abstract, and at the foot a framed notice that the work is not peer reviewed."""
    year = rng.randint(2019, 2026)
    title = rng.choice(PRE_FRAMES).format(S=rng.choice(PRE_SUBJECTS))
    n = rng.randint(2, 5)
    authors = _names(rng, n)
    marks = [rng.choice(PRE_MARKS[:2]) if k else 'a' for k in range(n)]
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=10.5,
                margins=2.2)
    page.para('medRxiv preprint doi: https://doi.org/10.1101/%d.%02d.%02d.%08d; this version posted %s %d, %d. '
              'The copyright holder for this preprint is the author/funder.' % (
                  year, rng.randint(1, 12), rng.randint(1, 28), rng.randint(10000000, 29999999),
                  rng.choice(MONTHS), rng.randint(1, 28), year), size=7, align='c', after=24)
    page.para((title, {'bold': True, 'size': rng.choice([15, 16, 18])}), align=rng.choice(['l', 'c']), after=12)
    page.para(_byline(authors, marks), size=11, align=rng.choice(['l', 'c']), after=6)
    page.para([('a', {'sup': True}), '%s, %s, %s' % univs[0]], size=9, after=0)
    page.para([('b', {'sup': True}), '%s, %s, %s' % univs[1]], size=9, after=6)
    page.para('Corresponding author: %s, %s@example.org' % (authors[rng.choice([0, -1])],
                                                          authors[0].split()[-1].lower()), size=9, after=14)
    for h, v in [('Background', 'The burden and the course of the condition in the region are poorly described.'),
                 ('Methods', 'We analysed routine records and laboratory results from %d sites.' % rng.randint(3, 40)),
                 ('Findings', 'Rates varied by season and by district; most cases were mild.'),
                 ('Interpretation', 'Simple measures could reduce the burden.')]:
        page.para([(h + ': ', {'bold': True}), v], size=10, align='j', after=3)
    page.para('', after=30)
    sized_table(page, [[('NOTE: This preprint reports new research that has not been certified by peer review and '
                         'should not be used to guide clinical practice.', {'size': 8, 'bold': True})]], [16.5],
                grid=True, align='c')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def articleinfo_panel(rng):
    """A journal article in a publisher's house style: a framed head with "Contents lists available",
    the journal's name and its homepage, the title, the authors with letter marks and a star, the
    affiliations, then two panels side by side: ARTICLE INFO (history and keywords one a line) and
    ABSTRACT."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(ART_SUBJECTS)
    title = rng.choice(ART_FRAMES).format(S=subject)
    n = rng.randint(1, 5)
    authors = _names(rng, n)
    marks = [rng.choice(['a', 'b']) if k else 'a' for k in range(n)]
    journal = rng.choice(['Aquaculture Reports', 'Journal of Applied Phycology Research', 'Industrial Crops Review',
                          'Phytochemistry Letters Online'])
    kws = [subject] + rng.sample(['Extraction', 'Yield', 'Water temperature', 'Quality control', 'Field trial',
                                  'Chromatography'], rng.randint(2, 4))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Linux Libertine O']), size=10,
                margins=1.8)
    sized_table(page, [[('PUBLISHER', {'size': 8, 'bold': True}),
                        [('Contents lists available at ScienceDirect\n', {'size': 8}),
                         (journal + '\n', {'size': 15, 'bold': rng.random() < 0.5}),
                         ('journal homepage: www.example.com/locate/%s' % journal.split()[0].lower(), {'size': 8})],
                        ('%s %d (%d) %d' % (journal.split()[0], rng.randint(5, 600), year, rng.randint(100, 99999)),
                         {'size': 8})]], [2.5, 11.0, 3.9], grid=rng.random() < 0.6, align=['c', 'c', 'c'],
                shade=(1,) if rng.random() < 0.5 else (), fill='EEEEEE')
    page.para('', after=14)
    page.para((title, {'size': rng.choice([16, 17, 18])}), align='l', after=10)
    page.para(_byline(authors, marks, star_last=rng.random() < 0.7), size=11, align='l', after=6)
    page.para([('a', {'sup': True}), ' %s, %s, %s' % univs[0]], size=8, italic=True, after=0)
    page.para([('b', {'sup': True}), ' %s, %s, %s' % univs[1]], size=8, italic=True, after=14)
    info = [('A R T I C L E   I N F O\n\n', {'size': 8, 'bold': True}),
            ('Article history:\nReceived %d %s %d\nAccepted %d %s %d\n\n' % (
                rng.randint(1, 28), rng.choice(MONTHS), year - 1, rng.randint(1, 28), rng.choice(MONTHS), year),
             {'size': 8}),
            ('Keywords:\n', {'size': 8, 'bold': True}), ('\n'.join(kws), {'size': 8})]
    abstract = [('A B S T R A C T\n\n', {'size': 8, 'bold': True}),
                ('This study compares treatments under controlled conditions and in the field. The optimum '
                 'conditions were identified and confirmed in a second season. ' * 3, {'size': 9})]
    sized_table(page, [[info, abstract]], [4.6, 12.8], align=['l', 'l'])
    page.para('', after=8)
    page.para(('1. Introduction', {'bold': True}), size=10, after=3)
    page.para('The method is widely used but its controls are poorly understood. ' * 4, size=10, align='j')
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


def report_prepared(rng):
    """A transport research institute's report cover: the report number and date right, the title,
    "Prepared by" with the authors one a line and their institute, "Approved by" a director (not an
    author), a distribution statement and the sponsor at the foot."""
    year = rng.randint(2004, 2026)
    title = rng.choice(REP_FRAMES).format(S=rng.choice(REP_SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    approver = _names(rng, 1)[0]
    while approver in authors:
        approver = _names(rng, 1)[0]
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Liberation Serif', 'Carlito', 'DejaVu Sans']), size=11,
                margins=2.5)
    page.para('Report No. %s\u2011%d\u2011%02d\n%s %d' % (rng.choice(['RRI', 'TRC', 'RTI']), year,
                                                           rng.randint(1, 40), rng.choice(MONTHS), year),
              size=10, align='r', after=60)
    page.para((title, {'bold': True, 'size': rng.choice([20, 22, 24])}), align=rng.choice(['l', 'c']), after=50,
              rule=rng.choice([None, 'bottom']))
    page.para(('Prepared by', {'italic': True}), size=11, align='l', after=4)
    for a in authors:
        page.para((a, {'bold': rng.random() < 0.6}), size=12, align='l', after=0)
    page.para('Rail Transportation Research Center, %s' % univ[0], size=10, align='l', after=24)
    page.para([('Approved by: ', {'italic': True}), '%s, Director' % approver], size=11, align='l', after=50)
    page.para('Distribution Statement: No restrictions. This document is available to the public.', size=9,
              align='l', rule='top', after=2)
    page.para('Sponsored by the %s' % rng.choice(['Federal Railroad Administration', 'State Department of '
                                                   'Transportation', 'National Rail Infrastructure Fund']),
              size=9, align='l')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-healthpreprint-notpeerreviewed-footbox': preprint_notice,
             'gen-en-publisherstyle-articleinfo-panel': articleinfo_panel,
             'gen-en-railinstitute-report-preparedapproved': report_prepared}
