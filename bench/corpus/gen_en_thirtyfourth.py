"""Thirty-fourth English first pages, of kinds the earlier sets lack, in engineering, medicine, farming,
computing and environmental subjects of their own."""
import unicodedata

from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Vanadium Titanomagnetite Tailings', 'Tartary Buckwheat Lodging', 'Sunflower Broomrape',
            'Qionghai Lake Phytoplankton', 'Yangtze Sturgeon Hatcheries', 'Baijiu Pit Mud Microbiota',
            'Snakebite Antivenom Delivery', 'Township Clinic Hypertension Registers', 'Brucellosis in Herders',
            'Maternal Anaemia Screening', 'Dental Fluorosis in Schoolchildren']
ENG = [SUBJECTS[0], SUBJECTS[3], SUBJECTS[4], SUBJECTS[5]]
MED = SUBJECTS[6:]
MSC_FRAMES = ['Modelling {S} under Changing Load', 'A Sensor Network for {S}', 'Design and Testing of a Monitor for {S}',
              'Data Driven Control of {S}', 'Field Measurements and Numerical Modelling of {S}',
              'Performance of a Low Cost Treatment Train for {S}']
MED_FRAMES = ['Outcomes of {S} in Rural Southwest China', 'Effect of a Nurse Led Programme on {S}',
              'Trends in {S} among Adults in Mountain Counties', 'Costs and Benefits of {S} in Township Hospitals',
              'A Cluster Randomized Trial of {S}', 'Prevalence of {S} in Three Prefectures']
ML_FRAMES = ['Learning to Forecast {S} from Sparse Sensors', 'Graph Neural Surrogates for {S}',
             'Uncertainty Aware Segmentation of {S} Imagery']
DEGREES = ['MD', 'PhD', 'MPH', 'MD, PhD', 'MSc', 'BSN']


def _mailbox(name):
    """The part before the @ of a person's address: the surname in plain lower-case letters."""
    plain = unicodedata.normalize('NFKD', name.split()[-1]).encode('ascii', 'ignore').decode()
    return ''.join(c for c in plain.lower() if c.isalpha()) or 'author'


def msc_committee(rng):
    """An engineering master's thesis title page: the title large, a subtitle, "by", the candidate,
    "to obtain the degree of Master of Science ... to be defended publicly on <date>", then a borderless
    block of Student number, Project duration and Thesis committee, the committee one member a line
    with their university and a role; the member marked supervisor is the supervisor, the chair and
    the others are neither."""
    year = rng.randint(2009, 2026)
    title = rng.choice(MSC_FRAMES).format(S=rng.choice(ENG))
    author = _names(rng, 1)[0]
    chair, sup, daily, ext = _names(rng, 4, [author])
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Linux Libertine O']), size=11,
                margins=2.5)
    align = rng.choice(['l', 'c'])
    page.para('', after=40)
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': True}), align=align, after=8)
    page.para((rng.choice(['A field and laboratory study', 'Towards practical deployment', 'An experimental study']),
               {'italic': True}), size=14, align=align, after=40)
    page.para('by', size=12, align=align, after=6)
    page.para((author, {'bold': True}), size=16, align=align, after=30)
    month = rng.randint(1, 12)
    page.para('to obtain the degree of Master of Science in %s at the %s, to be defended publicly on %s %s %d, %d.'
              % (rng.choice(['Civil Engineering', 'Environmental Engineering', 'Mechanical Engineering', 'Applied Earth Sciences']),
                 univ[0], rng.choice(['Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday']), MONTHS[month - 1],
                 rng.randint(1, 28), year), size=11, align=align, after=40)
    rows = [['Student number:', str(rng.randint(4000000, 5999999))],
            ['Project duration:', '%s %d \u2013 %s %d' % (MONTHS[(month + 2) % 12][:3], year - 1, MONTHS[month - 1][:3], year)],
            ['Thesis committee:', 'Prof. dr. %s, %s, chair' % (chair, univ[0])],
            ['', '%s %s, %s, supervisor' % (rng.choice(['Dr.', 'Prof. dr.', 'Dr. ir.']), sup, univ[0])]]
    if rng.random() < 0.6:
        rows.append(['', 'Ir. %s, %s, daily supervisor' % (daily, rng.choice(['Deltares', 'Arcadis', 'Witteveen+Bos']))])
    rows.append(['', 'Dr. %s, %s' % (ext, rng.choice(vocab.EN_UNIVS)[0])])
    page.table(rows, widths_cm=[4.0, 12.0], size=10, align=['l', 'l'])
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


def medjournal_keypointsbox(rng):
    """A medical journal's original investigation: the section name in capitals over a thin rule, the
    title, the authors one paragraph with their degrees after commas and semicolons between them, then
    a framed side box "Key Points" with Question, Findings and Meaning beside the structured abstract
    (IMPORTANCE, OBJECTIVE, DESIGN, ...)."""
    year = rng.randint(2012, 2026)
    title = rng.choice(MED_FRAMES).format(S=rng.choice(MED))
    authors = _names(rng, rng.randint(1, 5))
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans']), size=10, margins=2.0)
    page.para('%s \u2003|\u2003 %s' % (rng.choice(['Original Investigation', 'ORIGINAL INVESTIGATION']),
                                      rng.choice(['Global Health', 'Public Health', 'Emergency Medicine', 'Cardiology'])),
              size=9, bold=True, rule='bottom', after=12)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True}), align='l', after=8)
    page.para('; '.join('%s, %s' % (a, rng.choice(DEGREES)) for a in authors), size=10.5, align='l', after=16)
    box = [('Key Points', {'bold': True, 'size': 10}),
           ('\nQuestion ', {'bold': True}), 'Did the outcome improve in the counties studied?',
           ('\nFindings ', {'bold': True}), 'In this cohort of %d adults, the rate improved by %d%%.' % (
               rng.randint(300, 9000), rng.randint(5, 40)),
           ('\nMeaning ', {'bold': True}), 'Simple changes in rural services may be worth scaling up.']
    abstract = [('IMPORTANCE ', {'bold': True}), 'Rural services in mountain counties are thinly staffed. ',
                ('OBJECTIVE ', {'bold': True}), 'To assess outcomes after a change in practice. ',
                ('DESIGN, SETTING, AND PARTICIPANTS ', {'bold': True}),
                'This cohort study used county registers from %d to %d. ' % (year - 6, year - 2),
                ('RESULTS ', {'bold': True}), 'Outcomes improved in every county. ' * 3,
                ('CONCLUSIONS AND RELEVANCE ', {'bold': True}), 'The findings support wider use.']
    cells = [[box, abstract]] if rng.random() < 0.5 else [[abstract, box]]
    grid_col = 0 if cells[0][0] is box else 1
    page.table(cells, widths_cm=[5.5, 11.5] if grid_col == 0 else [11.5, 5.5], size=9, align=['l', 'l'],
               shade=(grid_col,), fill=rng.choice(['F2F2F2', 'DEEAF6', 'FBE5D6']))
    page.para('', after=8)
    page.para('Author Affiliations: %s.' % '; '.join(u[0] for u in rng.sample(vocab.EN_UNIVS, 2)), size=8, after=2)
    page.para('Corresponding Author: %s, %s (%s@example.org).' % (authors[0], rng.choice(DEGREES),
                                                                 _mailbox(authors[0])), size=8, after=2)
    page.para('Published online %s %d, %d.' % (rng.choice(MONTHS), rng.randint(1, 28), year), size=8)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def mlproceedings_nameemailrows(rng):
    """A machine learning workshop paper in a proceedings series style: the running head (series,
    volume, pages, year) over the title, the authors each on a row of a borderless table, name in
    capitals left and e-mail right with the affiliation under it, an "Editors:" line naming the
    volume's editors (no authors), the indented Abstract and Keywords."""
    year = rng.randint(2016, 2026)
    title = rng.choice(ML_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    editors = _names(rng, 2, authors)
    kws = [rng.choice(['spatiotemporal forecasting', 'graph neural networks', 'semantic segmentation']),
           rng.choice(['environmental monitoring', 'agriculture', 'public health']),
           rng.choice(['uncertainty', 'sparse sensing', 'transfer learning'])]
    page = Page(latin=rng.choice(['Liberation Serif', 'Linux Libertine O', 'DejaVu Serif']), size=10.5, margins=2.5)
    page.table([['Proceedings of Machine Learning Research vol %d:1\u2013%d, %d' % (rng.randint(100, 260), rng.randint(10, 20), year),
                 rng.choice(['Workshop on Climate Informatics', 'Machine Learning for Agriculture Workshop',
                             'Workshop on Health Data'])]], widths_cm=[10.0, 6.0], size=8, align=['l', 'r'])
    page.para('', after=14)
    page.para((title, {'size': rng.choice([15, 16, 17]), 'bold': True}), align='l', after=14)
    rows = []
    for a in authors:
        u = rng.choice(vocab.EN_UNIVS)
        rows.append([[(a, {'bold': True, 'smallcaps': rng.random() < 0.5})],
                     [(_mailbox(a) + '@' + rng.choice(['cs', 'eng', 'env']) + '.example.edu', {})]])
        rows.append([[(u[0] + ', ' + u[2], {'italic': True})], ''])
    page.table(rows, widths_cm=[10.0, 6.0], size=9.5, align=['l', 'r'])
    page.para('', after=4)
    page.para('Editors: %s and %s' % tuple(editors), size=9.5, align='l', after=16)
    page.para(('Abstract', {'bold': True}), size=11, align='c', after=4)
    page.para('We study a forecasting problem in which only a few sensors report at any time. Our model combines a '
              'learned prior with a physical constraint and is tested on three years of field data. ' * 2,
              size=9.5, align='j', indent=30, after=6)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=9.5, indent=30, after=12)
    page.para(('1. Introduction', {'bold': True}), size=11, after=4)
    page.para('Field monitoring produces data that are sparse, noisy and irregular. ' * 4, size=10.5, align='j')
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-civileng-mscthesis-defendedpublicly-committeeblock': msc_committee,
             'gen-en-ruralmedjournal-keypointsquestionbox-degreesemicolons': medjournal_keypointsbox,
             'gen-en-envml-proceedings-nameemailrows-editorsline': mlproceedings_nameemailrows}
