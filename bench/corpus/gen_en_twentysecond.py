"""Twenty-second English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Chrysanthemum Flower Drying', 'Buddha Statue Sandstone Weathering', 'Bamboo Paper Pulping',
            'Native Pig Breed Conservation', 'Dough Figurine Craft Lineages', 'Suona Band Repertoires',
            'Herbal Market Price Swings', 'Peony Root Harvests']
FRAMES = ['{S}: Evidence from Two Counties', 'Rethinking {S}', 'A Note on {S}', '{S} Revisited',
          'Measuring {S} in the Field']
JOURNALS = ['Journal of Rural Studies', 'Heritage Science', 'Economic Botany', 'Asian Music',
            'Studies in Conservation', 'Journal of Ethnopharmacology', 'Agricultural History']


def _names(rng, n):
    """n distinct names whose letters survive a change of case (small capitals print the capitals:
    a dotless i comes back as a plain I)."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def ill_coversheet(rng):
    """The cover sheet a library's interlibrary loan office puts before a scanned article: the
    office, the transaction number, a list of Journal Title, Article Title, Article Author, Volume,
    Issue, Month/Year and Pages, then the copyright warning."""
    year = rng.randint(2005, 2026)
    title = rng.choice(FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=rng.choice([1.8, 2.2, 2.5]))
    page.para(('%s Libraries' % univ[0], {'bold': True, 'size': 14}), align='l', after=0)
    page.para(rng.choice(['Interlibrary Loan & Document Delivery', 'Interlibrary Loan Services',
                          'Resource Sharing / Document Delivery']), size=11, align='l', rule='bottom', after=10)
    page.para(('ILL Number: %d\u2003\u2003TN: %d' % (rng.randint(100000000, 299999999), rng.randint(100000, 999999)),
               {'bold': True, 'size': 12}), align='l', after=10)
    sep = rng.choice(['; ', ', ', ' ; '])
    rows = [['Journal Title:', rng.choice(JOURNALS)], ['Article Title:', title],
            ['Article Author:', sep.join(authors)], ['Volume:', str(rng.randint(3, 80))], ['Issue:', str(rng.randint(1, 12))],
            ['Month/Year:', '%s %d' % (rng.choice(MONTHS)[:3], year)], ['Pages:', '%d-%d' % (
                rng.randint(1, 300), rng.randint(301, 400))],
            ['Patron:', en_person(rng)], ['Lending Library:', rng.choice(['OCLC: %s' % rng.choice(['ZCU', 'TXA', 'UUM',
                                                                                            'NYP']), 'Rapid ILL'])]]
    page.table(rows, widths_cm=[3.8, 13.0], size=10.5, grid=rng.random() < 0.4, align=['r', 'l'],
               bold_first=rng.random() < 0.7)
    page.para('', after=16)
    page.para(('NOTICE: This material may be protected by copyright law (Title 17 U.S. Code).', {'bold': True}),
              size=9.5, align='c', after=4)
    page.para('The copy is supplied for private study, scholarship or research. Any other use may be an infringement.',
              size=9, align='c', italic=True, after=20)
    page.para('Delivered %d/%d/%d' % (rng.randint(1, 12), rng.randint(1, 28), rng.randint(year, 2026)), size=8.5,
              align='r')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def letter_signedend(rng):
    """A letter to a journal's editor: the section and journal line, the letter's title, "To the
    Editor:" and its text, then the writers' names with their places at the foot, and references."""
    year = rng.randint(2008, 2026)
    title = rng.choice(FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.2]))
    page.table([[rng.choice(['CORRESPONDENCE', 'Letters to the Editor', 'LETTER']),
                 '%s %d; %d:%d' % (rng.choice(JOURNALS), year, rng.randint(3, 80), rng.randint(1, 900))]],
               widths_cm=[7.0, 10.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((title, {'bold': True, 'size': rng.choice([14, 15, 16])}), align='l', after=10)
    page.para(rng.choice(['To the Editor:', 'Sir,', 'Dear Editor,']), size=10, italic=True, after=4)
    page.para('We read with interest the recent article on this topic. Its data are valuable, but two points in the '
              'method deserve a closer look, and we offer them here in the hope of a reply. ' * 3, size=10, align='j',
              after=6)
    page.para('First, the sampling period was short. Second, the comparison group was drawn from a different region. '
              * 2, size=10, align='j', after=12)
    for k, a in enumerate(authors):
        u = univs[min(k, 1)]
        page.para([(a, {'bold': rng.random() < 0.4, 'smallcaps': rng.random() < 0.3}),
                   ('\n%s, %s' % (u[0], u[1]), {'italic': True, 'size': 9})], size=10, align='l', after=4)
    page.para('', rule='bottom', after=4)
    page.para('1. %s. %s. %s %d;%d:%d-%d.' % (en_person(rng), 'Earlier findings', rng.choice(JOURNALS), year - 1,
                                               rng.randint(3, 80), rng.randint(1, 100), rng.randint(101, 200)), size=8)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-ill-coversheet': ill_coversheet, 'gen-en-letter-signedend': letter_signedend}
