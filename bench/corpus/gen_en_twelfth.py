"""Twelfth English first pages: a clinical case report whose byline gives each author with degrees
("Ana Ruiz, MD, PhD"), the departments numbered under it, a "CASE REPORT" tag and a box of key
points or a short unstructured abstract; and a data descriptor whose head gives the journal, the
article type and the dates in a side column, whose authors carry numbered affiliations, and whose
first page holds a "Data at a glance" table of the data set (subject, data type, how acquired,
location, repository). Subjects: herbal medicine
quality, echinococcosis, forest fires, shale oil wells, Mongolian long song recordings, and goji and wine growing."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

MED = [(['Hepatic Cystic Echinococcosis', 'Laparoscopic Cyst Removal'], ['a Pastoral Herder', 'a Young Shepherd']),
       (['Herbal Decoction Toxicity', 'Aconite Poisoning'], ['an Elderly Patient', 'a Traditional Medicine User'])]
CASE_FRAMES = ['{s} in {c}: A Case Report', '{s} Presenting After {t}: A Case Report',
               'An Unusual Course of {s} in {c}', '{s} Mimicking {t}: Report of a Case']
DATA = [('forest fire occurrence', 'Yunnan pine stands'), ('shale oil well logs', 'the northern Songliao Basin'),
        ('Mongolian long song recordings', 'the Xilingol grasslands'), ('goji berry quality', 'Ningxia orchards'),
        ('wine grape phenology', 'the eastern foothills of the Helan Mountains'),
        ('herbal slice fingerprints', 'Chinese medicine markets')]
DATA_FRAMES = ['A dataset of {d} across {p}', 'Multi-year records of {d} in {p}', '{D} in {p}: an open dataset',
               'A harmonised inventory of {d} for {p}']
DEGREES = ['MD', 'MD, PhD', 'MBBS', 'PhD', 'MSc', 'RN', 'DO', 'MD, MPH']
DEPTS = ['Department of Hepatobiliary Surgery', 'Department of Radiology', 'Department of Pathology',
         'Department of Emergency Medicine', 'Department of Clinical Pharmacy']
BODY = ('The findings are described together with the steps taken and the follow-up, and compared with '
        'earlier reports of the same kind. ')


def case_report(rng):
    """A case report: journal line and "CASE REPORT" tag, the title, authors with their degrees and
    numbered departments, a corresponding author line, then key points in a box or an abstract."""
    year = rng.randint(2012, 2026)
    subjects, contexts = rng.choice(MED)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(CASE_FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    people = distinct(rng, en_person, rng.randint(2, 6))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.0, 2.4]))
    journal = rng.choice(['Clinical Case Reports in Surgery', 'Journal of Medical Case Notes',
                          'Case Reports in Hepatology'])
    page.para('%s %d; %d(%d): e%05d' % (journal, year, rng.randint(3, 20), rng.randint(1, 12), rng.randint(1, 99999)),
              size=8, align=rng.choice(['l', 'r']), rule='bottom' if rng.random() < 0.6 else None, after=10)
    page.para(('CASE REPORT' if rng.random() < 0.6 else 'Case Report', {'bold': True, 'size': 9}), after=8)
    page.para((title, {'size': rng.choice([16, 18, 20]), 'bold': True}), align=rng.choice(['l', 'c']), after=8)
    depts = rng.sample(DEPTS, rng.randint(1, min(3, len(people))))
    univ = rng.choice(vocab.EN_UNIVS)
    runs = []
    for k, p in enumerate(people):
        mark = str(1 if k == 0 else rng.randint(1, len(depts)))
        runs += ['%s, %s' % (p, rng.choice(DEGREES)), (mark, {'sup': True, 'size': 7})]
        if k < len(people) - 1:
            runs.append('; ' if rng.random() < 0.3 else ', ')
    page.para(runs, size=10.5, align='l', after=6)
    for k, d in enumerate(depts):
        page.para([('%d' % (k + 1), {'sup': True, 'size': 6}),
                   ' %s, %s Hospital, %s, %s' % (d, univ[0], univ[1], univ[2])],
                  size=8, after=0)
    page.para('Correspondence: %s, %s. Email: %s@hospital.org' % (people[0], depts[0], people[0].split()[-1].lower()),
              size=8, before=4, after=10)
    if rng.random() < 0.5:
        points = [('Key Clinical Message', {'bold': True, 'size': 10}), '\n', (BODY * 2, {'size': 9})]
        page.table([[points]], widths_cm=[16.5], grid=True, align='l', shade=(0,),
                   fill=rng.choice(['EDEDED', 'DEEAF6']))
    else:
        page.para([('Abstract ', {'bold': True}), BODY * 3], size=9.5, align='j')
    page.para('', after=4)
    page.para([('Introduction', {'bold': True}), '\n', BODY * 4], size=10, align='j')
    kws = []
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


def data_descriptor(rng):
    """A data descriptor: journal and "DATA DESCRIPTOR" over a rule, the title, authors with numbered
    affiliations, the affiliations, a side column with Received / Accepted / Published and the DOI
    beside the abstract, then a "Data at a glance" table."""
    year, month = rng.randint(2015, 2026), rng.randint(1, 12)
    d, p = rng.choice(DATA)
    title = rng.choice(DATA_FRAMES).format(d=d, D=d[0].upper() + d[1:], p=p)
    people = distinct(rng, en_person, rng.randint(2, 7))
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, min(3, len(people))))
    marks = [1] + [rng.randint(1, len(univs)) for _ in people[1:]]
    for k in range(2, len(univs) + 1):
        if k not in marks:
            marks[k - 1] = k
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.0]))
    journal = rng.choice(['Earth Data Records', 'Data in Applied Sciences', 'Open Data Letters'])
    page.para([(journal, {'bold': True, 'size': 11}), '\t\t\t\t', ('DATA DESCRIPTOR' if rng.random() < 0.5 else
                                                                  'Data Descriptor', {'size': 9})],
              rule='bottom', after=14)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.7}), align='l', after=8)
    runs = []
    for k, person in enumerate(people):
        runs += [person, ('%d%s' % (marks[k], '*' if k == 0 else ''), {'sup': True, 'size': 7})]
        if k < len(people) - 1:
            runs.append(', ' if k < len(people) - 2 else ' & ')
    page.para(runs, size=11, after=6)
    for k, u in enumerate(univs):
        page.para([('%d' % (k + 1), {'sup': True, 'size': 6}), ' %s, %s, %s' % u], size=8, after=0)
    page.para('*Corresponding author', size=8, after=10)
    doi = '10.%d/s%05d-%03d' % (rng.choice([4200, 3390, 5194]), rng.randint(10000, 99999), rng.randint(1, 999))
    side = [('Received: %d %s %d' % (rng.randint(1, 28), MONTHS[(month + 6) % 12], year - (month <= 6)), {'size': 7.5}),
            '\n', ('Accepted: %d %s %d' % (rng.randint(1, 28), MONTHS[(month + 10) % 12], year - (month <= 2)),
                   {'size': 7.5}), '\n', ('Published: %d %s %d' % (rng.randint(1, 28), MONTHS[month - 1], year),
                                          {'size': 7.5}), '\n', ('https://doi.org/%s' % doi, {'size': 7.5})]
    body = [('Abstract', {'bold': True, 'size': 11}), '\n', ('We describe %s. ' % (title[0].lower() + title[1:]) +
                                                            BODY * 2, {'size': 9.5})]
    page.table([[side, body]] if rng.random() < 0.5 else [[body, side]], widths_cm=[4.0, 13.0], align='l')
    page.para(('Data at a glance' if rng.random() < 0.5 else 'Dataset summary', {'bold': True}), size=10, before=8)
    page.table([['Subject', d.capitalize()],
                ['Type of data', rng.choice(['Tables, maps', 'Spreadsheets', 'Images, CSV'])],
                ['How acquired', rng.choice(['Field survey', 'Remote sensing and field plots', 'Laboratory analysis'])],
                ['Location', p], ['Repository', rng.choice(['Zenodo', 'Figshare', 'Science Data Bank'])]],
               widths_cm=[4.0, 13.0], size=8.5, grid=True, align='l', bold_first=True)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, (), 'en', doi, meta=meta)


TEMPLATES = {'gen-en-casereport-degrees': case_report, 'gen-en-datadescriptor-glance': data_descriptor}
