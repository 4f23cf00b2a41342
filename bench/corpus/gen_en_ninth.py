"""Ninth English first pages: an extended abstract whose authors and affiliations run on in one
paragraph under the title, and a commentary whose text comes first and whose authors sign it at the
foot, each with an affiliation. Subjects: shale gas, coral reefs, soybeans, jujube orchards,
lepidolite lithium and coal-mining subsidence."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

DOMAINS = [(['Shale Gas Flowback', 'Produced Water Reuse'], ['the Fuling Field', 'Hilly Gas Basins']),
           (['Coral Reef Restoration', 'Seagrass Recovery'], ['Sanya Bay', 'the Paracel Reefs']),
           (['Soybean Protein Extraction', 'Potato Starch Quality'], ['the Songnen Plain', 'Cold-Region Farms']),
           (['Jujube Orchard Irrigation', 'Camel Milk Markets'], ['the Kashgar Oasis', 'Desert-Edge Villages']),
           (['Lepidolite Lithium Recovery', 'Selenium-Rich Rice'], ['Western Jiangxi', 'Mica Mining Districts']),
           (['Mining Subsidence Wetlands', 'Coal Gangue Revegetation'], ['the Huaibei Coalfield', 'Sunken Farmland'])]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
FRAMES = ['Rethinking {s} in {c}', '{s} at a Crossroads: Notes from {c}', 'What {c} Teaches Us about {s}',
          '{s} and {t}: A Field Agenda for {c}']
BODY = ('We report early results from a two-season field campaign and compare them with published baselines. '
        'The differences are modest but consistent, and we outline the next steps. ')
DEPTS = ['Department of Environmental Engineering', 'School of Marine Science', 'College of Food Science',
         'Institute of Arid Agriculture', 'School of Materials', 'Department of Geography']


def _topic(rng):
    subjects, contexts = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    kws = [w.lower() for w in sorted(subjects, key=lambda w: w not in title)] + [rng.choice(contexts).replace('the ', '')]
    return title, kws


def extended_abstract(rng):
    """An extended abstract: meeting line, title, then one run-in paragraph "A (Dept, Univ), B (...)"
    with the names in bold, then "Extended Abstract", the text and keywords."""
    year = rng.randint(2012, 2026)
    title, kws = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 4))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=2.5)
    page.para('%s %d \u2014 Extended Abstracts' % (rng.choice(['Asia-Pacific Field Science Forum',
                                                              'International Resource Workshop',
                                                              'Symposium on Rural Environments']), year),
              size=9, italic=True, align='l', rule='bottom', after=20)
    page.para((title, {'size': rng.choice([15, 16]), 'bold': True}), align='l', after=8)
    runs = []
    for i, p in enumerate(people):
        u = rng.choice(vocab.EN_UNIVS)
        runs += [(p, {'bold': True}), ' (%s, %s)' % (rng.choice(DEPTS), u[0])]
        if i < len(people) - 1:
            runs.append(rng.choice([', ', '; ']) if i < len(people) - 2 else rng.choice([', and ', '; ']))
    runs.append('.')
    page.para(runs, size=10, align='j', after=14)
    page.para(('Extended Abstract', {'bold': True, 'smallcaps': rng.random() < 0.5}), size=11, after=4)
    page.para(BODY * 5, size=10, align='j', after=8)
    page.para([('Keywords: ', {'italic': True}), ', '.join(kws)], size=10)
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


def commentary_signed(rng):
    """A commentary page: section and date, the title, a standfirst, the text, and then the authors
    signing at the foot, one per line, each with an affiliation in italics; no keywords."""
    year = rng.randint(2010, 2026)
    title, _ = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 3))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=2.4)
    page.para('%s\t\t\t\t%d %s %d' % (rng.choice(['COMMENTARY', 'PERSPECTIVE', 'CORRESPONDENCE']), rng.randint(1, 28),
                                      rng.choice(MONTHS), year), size=9, bold=True, rule='bottom', after=22)
    page.para((title, {'size': rng.choice([20, 22]), 'bold': True}), align='l', after=8)
    page.para(('Field evidence points to a slower and more uneven picture than the models suggest.',
               {'italic': True}), size=12, after=16)
    page.para(BODY * 6, align='j', line=1.2, after=18)
    for p in people:
        u = rng.choice(vocab.EN_UNIVS)
        page.para([(p, {'bold': True}), rng.choice([', ', '\u2002']), ('%s, %s, %s' % (rng.choice(DEPTS), u[0], u[2]),
                                                                       {'italic': True})], size=9.5, after=2)
    page.para('e-mail: %s.%s@example.org' % (people[0].split()[0][0].lower(), people[0].split()[-1].lower()), size=9)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, (), 'en', None, meta=meta)


TEMPLATES = {'gen-en-extabstract-runin': extended_abstract, 'gen-en-commentary-signed': commentary_signed}
