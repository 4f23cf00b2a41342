"""A fifth English first page, for the blind part heldout5: a journal page in the style of many
publishers' LaTeX classes set by a word processor: "Received: … / Accepted: …" over the title, the
authors on one line parted by middle dots with superscript digits, the affiliations and an e-mail as
footnotes under a short rule at the foot of the column. Subjects: aviation, brine chemistry, rail,
aquaculture, dentistry and opera."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta

SUBJECTS = ['Holding Patterns', 'Brine Evaporation', 'Tram Headways', 'Oyster Spat', 'Enamel Erosion',
            'Aria Phrasing', 'Taxiway Congestion', 'Potash Flotation', 'Salmon Lice', 'Denture Retention']
FRAMES = ['{s} and {t} Revisited', 'What Drives {s}? Evidence from {c}', 'Modelling {s} for {c}',
          '{s} at {c}: A Two-Year Record', 'Reducing {s} with Simple Rules']
CONTEXTS = ['Regional Airports', 'Inland Salt Flats', 'Light-Rail Corridors', 'Estuarine Farms', 'Dental Clinics',
            'Provincial Theatres']
ORGS = ['Department of Air Transport', 'Salt Lake Chemistry Laboratory', 'Institute of Rail Operations',
        'Aquaculture Research Centre', 'School of Dentistry', 'Conservatory of Music']
TOWNS = ['Cranfield', 'Antofagasta', 'Karlsruhe', 'Bergen', 'Dunedin', 'Salzburg']
BODY = ('Records from several seasons were compiled and checked against field notes. A simple model '
        'reproduces the main pattern, and its limits are discussed with an eye to routine use.')


def _title(rng):
    s, t = rng.sample(SUBJECTS, 2)
    return rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(CONTEXTS))


def dotted_byline(rng):
    year = rng.randint(2006, 2026)
    title = _title(rng)
    names = distinct(rng, en_person, rng.randint(2, 5))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([2.0, 2.5]))
    kind = rng.choice(['ORIGINAL PAPER', 'Research Article', 'SHORT COMMUNICATION', ''])
    if kind:
        page.para(kind, size=8, after=6)
    page.para('Received: %d %s %d / Accepted: %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year - 1,
                                                           rng.randint(1, 28), rng.choice(MONTHS), year),
              size=8, after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': rng.random() < 0.6}), align='l', after=10)
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append(('%d' % (1 + i % 3), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(rng.choice([' \u00b7 ', ' \u2022 ']))
    page.para(runs, align='l', size=11, after=14)
    kws = rng.sample(SUBJECTS, 3)
    page.para([('Abstract ', {'bold': True}), BODY], size=9, align='j')
    page.para([('Keywords ', {'bold': True}), ' \u00b7 '.join(kws)], size=9, after=12)
    page.para(BODY * 2, align='j', after=12)
    page.para('', rule='top', after=0)
    for k in range(min(3, len(names))):
        page.para('%d %s, %s' % (k + 1, rng.choice(ORGS), rng.choice(TOWNS)), size=7.5, after=0)
    who = names[0].split()[-1].lower()
    page.para('\u2709 %s, e-mail: %s@%s' % (names[0], who, rng.choice(['uni.example.org', 'mail.example.net'])),
              size=7.5, after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-dotted-byline': dotted_byline}
