"""Eighth English first pages: a working paper whose authors carry footnote marks and whose
affiliations and e-mail addresses stand only in the notes at the foot, with "This version:", JEL codes
and keywords; and a journal page whose byline and affiliations are right-aligned under a
left-aligned title, with a received/accepted line. Subjects: offshore wind, Miao embroidery, yak
herding, medicinal herbs, container ports and tea gardens."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

DOMAINS = [(['Offshore Wind Curtailment', 'Turbine Foundation Scour'], ['the East China Sea Coast', 'Estuarine Waters'],
            ['Department of Power Systems', 'Wind Energy Group'], 'Q42'),
           (['Miao Embroidery', 'Batik Workshops'], ['Guizhou Villages', 'Ethnic Tourism Markets'],
            ['Department of Anthropology', 'Craft Heritage Lab'], 'Z13'),
           (['Yak Herding', 'Highland Barley Yields'], ['the Changtang Rangelands', 'Alpine Pastures'],
            ['Department of Animal Science', 'Plateau Ecology Unit'], 'Q12'),
           (['Notoginseng Replant Failure', 'Herbal Medicine Supply'], ['Yunnan Uplands', 'Smallholder Herb Farms'],
            ['School of Pharmacy', 'Medicinal Plant Centre'], 'I11'),
           (['Container Terminal Congestion', 'Ship Emission Controls'], ['Bohai Rim Ports', 'Feeder Shipping Routes'],
            ['Department of Maritime Economics', 'Port Logistics Lab'], 'R41'),
           (['Tea Garden Acidification', 'Green Tea Processing'], ['the Dabie Mountains', 'Hillside Smallholdings'],
            ['Department of Tea Science', 'Soil Fertility Group'], 'Q15')]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
FRAMES = ['{s} and {t}: Lessons from {c}', 'The Economics of {s} in {c}', 'Who Bears the Cost of {s}? Evidence from {c}',
          'Measuring {s} across {c}']
BODY = ('We assemble new records and set them beside official statistics. The patterns are stable across '
        'samples, and we discuss what they imply for practice and for policy. ')
HOSTS = ['wind.example.edu', 'craft.example.org', 'plateau.example.ac.cn', 'herb.example.edu', 'port.example.org',
         'tea.example.ac.cn']
MARKS = ['*', '\u2020', '\u2021', '\u00a7']


def _topic(rng):
    subjects, contexts, depts, jel = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    kws = [w.lower() for w in sorted(subjects, key=lambda w: w not in title)] + [rng.choice(contexts).replace('the ', '')]
    return title, kws, depts, jel


def _mail(name, rng):
    return '%s.%s@%s' % (name[0].lower(), name.split(' ')[-1].lower(), rng.choice(HOSTS))


def working_paper(rng):
    """A working paper: series and number, the title centred, the names with footnote marks, "This
    version:", abstract, JEL codes and keywords; affiliations and e-mails only in the foot notes."""
    year = rng.randint(2012, 2026)
    title, kws, depts, jel = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 4))
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=2.6)
    page.para('%s Working Paper Series' % rng.choice(['Development Policy', 'Applied Economics', 'Resource Economics',
                                                      'Regional Studies']), size=9, align='l', after=0)
    page.para('No. %02d-%03d' % (year % 100, rng.randint(1, 120)), size=9, align='l', rule='bottom', after=40)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': rng.random() < 0.6}), align='c', after=16)
    runs = []
    for i, p in enumerate(people):
        runs += [p, (MARKS[i], {'sup': True, 'size': 8})]
        if i < len(people) - 1:
            runs.append(rng.choice(['\u2003', ', ']) if i < len(people) - 2 or len(people) == 2 else ', ')
        if i == len(people) - 2 and rng.random() < 0.4:
            runs[-1] = ' and '
    page.para(runs, align='c', size=12, after=8)
    page.para('This version: %s %d' % (rng.choice(MONTHS), year), align='c', size=10, after=20)
    page.para(('Abstract', {'bold': True}), align='c', size=11, after=4)
    page.para(BODY * 3, size=10, align='j', after=8)
    page.para([('JEL Classification: ', {'bold': True}), '%s, %s%d' % (jel, rng.choice(['O13', 'D24', 'L91']),
                                                                      rng.randint(0, 9))], size=10, after=2)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, after=40)
    univs = [rng.choice(vocab.EN_UNIVS) for _ in people]
    for i, (p, u) in enumerate(zip(people, univs)):
        page.para('%s %s, %s. Email: %s' % (MARKS[i], rng.choice(depts), u[0], _mail(p, rng)), size=8,
                  rule='top' if i == 0 else None, after=0)
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


def journal_right_byline(rng):
    """A journal page: title left-aligned, the names right-aligned under it with the affiliations
    right-aligned in italics, then "Received ...; accepted ...", abstract, keywords and the body."""
    year = rng.randint(2010, 2026)
    title, kws, depts, _ = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 3))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=2.3)
    page.para('%s, Vol. %d, No. %d (%d)' % (rng.choice(['Journal of Field Studies', 'Asian Resource Review',
                                                        'Coastal and Upland Research']),
                                          rng.randint(5, 60), rng.randint(1, 6), year), size=8.5, rule='bottom', after=28)
    page.para((title, {'size': rng.choice([17, 19]), 'bold': True}), align='l', after=12)
    page.para(', '.join(people[:-1]) + (' and ' if len(people) > 1 else '') + people[-1], size=11.5, align='r', after=2)
    u = rng.choice(vocab.EN_UNIVS)
    page.para(('%s, %s, %s' % (rng.choice(depts), u[0], u[2]), {'italic': True}), size=9, align='r', after=2)
    page.para('Received %d %s %d; accepted %d %s %d' % (rng.randint(1, 28), rng.choice(['January', 'April', 'July']),
                                                       year - 1, rng.randint(1, 28),
                                                       rng.choice(['February', 'May', 'September']), year),
              size=8, align='r', after=18)
    page.para([('Abstract. ', {'bold': True}), BODY * 2], size=9.5, align='j', after=4)
    page.para([('Keywords: ', {'italic': True}), '; '.join(kws)], size=9.5, after=14)
    page.para(('1. Introduction', {'bold': True}), size=11, after=4)
    page.para(BODY * 3, align='j')
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-workingpaper-footaffil': working_paper, 'gen-en-journal-rightbyline': journal_right_byline}
