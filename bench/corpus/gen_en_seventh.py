"""Seventh English first pages: a transactions page whose authors are printed in capitals, each with
the affiliation on the same line, with a reference format that repeats the names and a note of the
authors' addresses at the foot; and a preprint submitted for double-blind
review whose title is set in small capitals, left-aligned, with "Anonymous authors" and "Paper under
double-blind review" under it and no name printed. Subjects: river sediment, steppe, rubber,
oasis irrigation, loess tunnels, emigrant letters and earthquake precursors."""
from docxkit import Page
from genbase import LATIN_FONTS, distinct, en_person, record, set_meta
import vocab

# one field each: subjects and settings that go together, and the departments of the field
DOMAINS = [(['Suspended Sediment', 'Levee Seepage'], ['the Lower Yellow River', 'Reservoir Flushing'],
            ['Department of Hydraulic Engineering', 'River Mechanics Laboratory']),
           (['Steppe Degradation', 'Grazing Exclosures'], ['Inner Mongolia', 'Semi-Arid Rangelands'],
            ['Department of Grassland Science', 'Rangeland Ecology Group']),
           (['Latex Yield', 'Tapping Panel Dryness'], ['Smallholder Plantations', 'Hainan Island'],
            ['Tropical Crops Institute', 'Department of Plant Pathology']),
           (['Mulched Drip Irrigation', 'Soil Salinization'], ['Oasis Farmland', 'the Tarim Basin'],
            ['Department of Agricultural Water Engineering', 'Arid Land Research Centre']),
           (['Loess Tunnels', 'Pavement Rutting'], ['Mountain Expressways', 'Collapsible Ground'],
            ['School of Highway Engineering', 'Tunnelling Research Group']),
           (['Remittance Letters', 'Emigrant Villages'], ['Coastal Guangdong', 'Southeast Asian Ports'],
            ['Department of Archival Studies', 'Centre for Diaspora History']),
           (['Radon Anomalies', 'Fault Creep'], ['North China', 'the Sichuan-Yunnan Block'],
            ['Department of Earthquake Science', 'Seismic Monitoring Laboratory'])]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
FRAMES = ['Tracking {s} across {c}', '{s} versus {t}: Field Evidence from {c}', 'What Drives {s} in {c}?',
          'Revisiting {s} with Long Records from {c}']
BODY = ('Long series of field records are assembled and examined for consistent patterns. '
        'Simple explanations are tested against them, and the practical lessons are drawn out. ')
HOSTS = ['hydro.example.edu', 'steppe.example.org', 'rubber.example.ac.cn', 'arid.example.edu', 'tunnel.example.org',
         'archive.example.edu', 'quake.example.ac.cn']


def _topic(rng):
    subjects, contexts, depts = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    kws = [w.lower() for w in sorted(subjects, key=lambda w: w not in title)] + [rng.choice(contexts).replace('the ', '')]
    return title, kws, depts


def _mail(name, rng):
    last = name.split(' ')[-1].lower()
    return '%s.%s@%s' % (name[0].lower(), last, rng.choice(HOSTS))


def acm_caps(rng):
    """A journal page in the style of the ACM transactions: title left-aligned, each author in
    capitals with the affiliation on the same line ("JANE DOE, University, Country"), abstract, CCS
    Concepts, "Additional Key Words and Phrases", a reference format that repeats names and title,
    and the authors' addresses in a note at the foot."""
    year = rng.randint(2012, 2026)
    title, kws, depts = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 4))
    page = Page(latin=rng.choice(LATIN_FONTS), size=9.5, margins=2.2)
    page.para((title, {'size': rng.choice([14, 16]), 'bold': True}), align='l', after=8)
    places = [rng.choice(vocab.EN_UNIVS) for _ in people]
    for p, u in zip(people, places):
        page.para([(p.upper(), {'size': 9.5}), (', %s, %s' % (u[0], u[2]), {'size': 9.5})], align='l', after=0)
    page.para('', after=6)
    page.para(BODY * 2, size=9, align='j')
    page.para('CCS Concepts: \u2022 Applied computing \u2192 Earth and atmospheric sciences.', size=8.5, after=2)
    page.para([('Additional Key Words and Phrases: ', {'bold': True}), ', '.join(kws)], size=8.5, after=4)
    names = ', '.join(people[:-1]) + (' and ' if len(people) > 1 else '') + people[-1]
    page.para([('ACM Reference Format:', {'bold': True})], size=8.5, after=0)
    page.para('%s. %d. %s. ACM Trans. Spatial Syst. %d, %d, Article %d (%s %d), 18 pages.' % (
        names, year, title, rng.randint(3, 12), rng.randint(1, 4), rng.randint(1, 60),
        rng.choice(['March', 'June', 'September', 'December']), year), size=8.5, after=12)
    page.para(('1\u2003INTRODUCTION', {'bold': True}), size=9.5, after=2)
    page.para(BODY * 3, align='j')
    page.para("Authors' addresses: " + '; '.join('%s, %s, %s, %s' % (p, rng.choice(depts), u[0], _mail(p, rng))
                                                 for p, u in zip(people, places)), size=7, rule='top', before=12)
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


def anonymous_smallcaps(rng):
    """A double-blind submission: the title in small capitals on the left between two rules, then
    "Anonymous authors" and "Paper under double-blind review" on the left; no name is printed."""
    year = rng.randint(2016, 2026)
    title, kws, depts = _topic(rng)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=2.6)
    page.para('Under submission to %s %d' % (rng.choice(['FieldSci', 'GeoWorkshop', 'AgriML', 'HistData']), year),
              size=8.5, align='r', after=30)
    page.para((title, {'size': rng.choice([15, 17]), 'smallcaps': True, 'bold': rng.random() < 0.5}), align='l',
              rule='both', before=4, after=14)
    page.para(('Anonymous authors', {'bold': True}), align='l', size=10, after=0)
    page.para(('Paper under double-blind review', {}), align='l', size=10, after=22)
    page.para(('Abstract', {'bold': True, 'smallcaps': True}), align='c', size=11, after=4)
    page.para(BODY * 3, size=9.5, align='j')
    printed = rng.random() < 0.6
    if printed:
        page.para([('Keywords: ', {'italic': True}), '; '.join(kws)], size=9.5, after=10)
    page.para(('1\u2003Introduction', {'bold': True, 'smallcaps': True}), size=11, before=10, after=4)
    page.para(BODY * 3, align='j')
    leaked = distinct(rng, en_person, 2) if rng.random() < 0.5 else []
    mode = set_meta(page, rng, title, leaked, kws)
    if mode == 'right' and leaked:
        mode = 'author-leaked'  # names a blind page does not print
    return page, record(title, [], year, kws if printed else [], 'en', None, meta=mode)


TEMPLATES = {'gen-en-acm-caps': acm_caps, 'gen-en-anonymous-smallcaps': anonymous_smallcaps}
