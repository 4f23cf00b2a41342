"""A fourth set of English first pages: a letters journal led by a DOI and a bar-parted head, the title
over up to three lines, authors marked with superscript letters and digits, and footnotes for the
dates and funding. Subjects: archaeology, textiles, mining, tea and veterinary science."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta

SUBJECTS = ['Bronze Patina', 'Linen Weaving', 'Longwall Subsidence', 'Oolong Oxidation', 'Equine Lameness',
            'Mural Pigments', 'Wool Felting', 'Pillar Stability', 'Bovine Mastitis', 'Glaze Crazing']
FRAMES = ['{s} Under {c}: Field Observations', 'Tracing {s} Through {c}', 'A Note on {s} and {t}',
          'Early Signs of {s} in {c}', '{s} Versus {t}: Lessons from {c}']
CONTEXTS = ['Museum Storage', 'Smallholder Farms', 'Deep Collieries', 'Highland Estates', 'Coastal Sites',
            'Village Workshops']
ORGS = ['Institute of Archaeology', 'School of Textiles', 'Department of Mining Engineering', 'Tea Research Station',
        'College of Veterinary Medicine', 'Conservation Laboratory']
TOWNS = ['Leicester', 'Bradford', 'Ballarat', 'Darjeeling', 'Guelph', 'Uppsala']
JOURNALS = ['Heritage Science Letters', 'Textile Research Notes', 'Mining Technology Letters', 'Veterinary Record Notes']
BODY = ('Samples from several sites were examined with standard methods, and the results are compared with '
        'published reports. The pattern is consistent and suggests simple checks for routine practice.')


def _title(rng):
    s, t = rng.sample(SUBJECTS, 2)
    return rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(CONTEXTS))


def _lines(title, n):
    words = title.split(' ')
    k = max(1, (len(words) + n - 1) // n)
    return [' '.join(words[i:i + k]) for i in range(0, len(words), k)]


def letters_doi_head(rng):
    year = rng.randint(2005, 2026)
    title = _title(rng)
    names = distinct(rng, en_person, rng.randint(2, 5))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.2]))
    doi = '10.%d/%s.%d.%04d' % (rng.randint(1000, 9999), rng.choice(['hsl', 'trn', 'mtl', 'vrn']), year,
                                rng.randint(1, 9999))
    bar = rng.choice([' | ', ' \u2502 ', ' \u00b7 '])
    page.para(bar.join([rng.choice(JOURNALS), 'Vol. %d' % rng.randint(1, 60), str(year)]), size=8, after=0)
    page.para('https://doi.org/%s' % doi if rng.random() < 0.5 else 'DOI: %s' % doi, size=8, rule='bottom', after=14)
    size = rng.choice([16, 18, 20])
    pieces = _lines(title, rng.choice([1, 2, 3]))
    page.para([(p, {'size': size, 'bold': True, 'break': k < len(pieces) - 1}) for k, p in enumerate(pieces)],
              align=rng.choice('lc'), after=10)
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append(('%s%d' % ('ab'[i % 2], 1 + i % 3) + ('*' if i == 0 else ''), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(', ' if i < len(names) - 2 else rng.choice([' and ', ', ']))
    page.para(runs, align=rng.choice('lc'), size=11, after=6)
    for k in range(min(3, len(names))):
        page.para([('%s%d' % ('ab'[k % 2], k + 1), {'sup': True, 'size': 6}),
                   '%s, %s' % (rng.choice(ORGS), rng.choice(TOWNS))], size=8.5, italic=True, after=0)
    page.para('', after=8)
    page.para([('Abstract', {'bold': True}), bar + BODY], size=9, align='j', after=10)
    page.para(BODY * 3, align='j', after=10)
    page.para('Received %d %s %d; accepted %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year - 1,
                                                      rng.randint(1, 28), rng.choice(MONTHS), year),
              size=7.5, rule='top', after=0)
    page.para('Funding: %s grant %s/%d' % (rng.choice(['Leverhulme Trust', 'Wellcome Trust', 'national research council']),
                                          rng.choice(['RF', 'EP', 'BB']), rng.randint(1000, 9999)), size=7.5, after=0)
    page.para('* Corresponding author.', size=7.5)
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'en', doi, meta=meta)


TEMPLATES = {
    'gen-en-letters-doihead': letters_doi_head,
}
