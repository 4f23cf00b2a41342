"""Forty-first English first pages, of kinds the earlier sets lack, in law and business subjects of
their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Taierzhuang Canal Town', 'Grand Canal Boatmen Work Songs', 'Shanting Rural Guesthouses',
            'Mount Tai Porters', 'Dongyue Temple Fair Traders', 'Dezhou Braised Chicken Makers',
            'Laoling Jujube Growers', 'Yucheng Flood-Myth Storytellers']
LAW_FRAMES = ['Protecting Geographical Indications: The Case of {S}', 'Intangible Heritage and Intellectual Property: {S}',
              'Collective Trademarks and Rural Producers: {S}', 'Land Use Rights and Heritage Tourism at {S}']
CASE_FRAMES = ['{S}: Scaling a Heritage Brand', '{S}: Choosing an Online Channel', '{S}: A Succession Dilemma',
               '{S}: Pricing a Cultural Experience']
CENTRES = ['Northbridge Case Centre', 'Harbourside School of Business Case Collection', 'Lakeshore Management Cases']


def joined(names):
    """"A", "A and B", "A, B and C"."""
    return names[0] if len(names) == 1 else ', '.join(names[:-1]) + ' and ' + names[-1]


def llm_dissertation(rng):
    """A taught LLM dissertation cover: the university and the law school, the title, the degree
    statement, a framed particulars table (candidate, candidate number, programme, supervisor,
    word count, date of submission), the academic year, and the candidate's declaration."""
    year = rng.randint(2010, 2026)
    title = rng.choice(LAW_FRAMES).format(S=rng.choice(SUBJECTS))
    author, sup = _names(rng, 2)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Carlito', 'DejaVu Serif']), size=11.5, margins=2.6)
    page.para((univ[0], {'bold': True}), size=15, align='c', after=2)
    page.para(rng.choice(['School of Law', 'Faculty of Laws', 'Law School']), size=12, align='c', after=50)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='c', after=24)
    programme = rng.choice(['LLM in Intellectual Property Law', 'LLM in International Business Law',
                            'LLM in Cultural Heritage Law'])
    page.para('Dissertation submitted in part fulfilment of the degree of %s' % programme, size=11.5, align='c',
              italic=rng.random() < 0.5, after=36)
    rows = [['Candidate', author], ['Candidate number', '%s%05d' % (rng.choice(['', 'C', 'LL']), rng.randint(1, 99999))],
            ['Programme', programme],
            ['Supervisor', rng.choice(['Professor ', 'Dr ', '']) + sup],
            ['Word count', '{:,}'.format(rng.randint(9000, 15999))],
            ['Date of submission', '%d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS[6:10]), year)]]
    page.table(rows, widths_cm=[5.0, 9.0], size=11, grid=rng.random() < 0.7, align=['l', 'l'], bold_first=True,
               shade=(0,) if rng.random() < 0.4 else (), fill='EEEEEE')
    page.para('', after=16)
    page.para('Academic year %d\u2013%02d' % (year - 1, year % 100), size=11, align='c', after=30)
    page.para(('Declaration', {'bold': True}), size=10.5, after=2)
    page.para('I declare that this dissertation is my own work, that it has not been submitted for any other degree, '
              'and that all sources are acknowledged.', size=10, align='j', after=4)
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


def teaching_case(rng):
    """A business school teaching case's first page: the case centre on the left and the product
    number on the right over a rule, the title, the authors named only in the statement "A and B
    wrote this case solely to provide material for class discussion", the copyright line, then the
    case opening on its protagonist, who is no author."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(CASE_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 3))
    hero = _names(rng, 1, authors)[0]
    centre = rng.choice(CENTRES)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=11, margins=2.5)
    page.table([[(centre, {'bold': True}), '%dB%02dM%03d' % (rng.randint(1, 9), year % 100, rng.randint(1, 400))]],
               widths_cm=[11.0, 5.0], size=10, align=['l', 'r'])
    page.para('', rule='bottom', after=30)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True}), align=rng.choice(['l', 'c']), after=20)
    page.para('%s wrote this case solely to provide material for class discussion. The %s not intend to illustrate '
              'either effective or ineffective handling of a managerial situation. The %s may have disguised certain '
              'names and other identifying information to protect confidentiality.'
              % (joined(authors), 'author does' if len(authors) == 1 else 'authors do',
                 'author' if len(authors) == 1 else 'authors'), size=9, italic=True, align='j', after=4)
    page.para('Copyright \u00a9 %d, %s. Version: %d-%02d-%02d' % (year, centre, year, rng.randint(1, 12), rng.randint(1, 28)),
              size=9, italic=True, after=24)
    page.para('In %s %d, %s, the general manager of a family business serving %s, had to decide before the '
              'next season how the firm would grow without losing the trust of its oldest customers.'
              % (rng.choice(MONTHS), year, hero, subject), size=11, align='j', after=8)
    page.para('The decision came at a time when visitors, buyers and local officials all expected more from the '
              'business, and when its founders were stepping back from daily work.', size=11, align='j')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-heritagelaw-llmdissertation-particularstable-wordcount': llm_dissertation,
             'gen-en-managementcase-productnumber-wrotethiscasestatement': teaching_case}
