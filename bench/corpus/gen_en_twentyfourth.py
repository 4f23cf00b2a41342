"""Twenty-fourth English first pages: a farm research station's bulletin cover and a clinical journal's
article with its abstract in a labelled grid, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
import vocab

# titles carry no hyphens: a word broken at its hyphen at the end of a line loses it in the text layer
SUBJECTS = ['Cemented Paste Backfill', 'Karst Aquifer Nitrate', 'Manganese Residue Bricks', 'Peanut Aflatoxin Screening',
            'Pond Culture of Sea Cucumbers', 'Eucommia Leaf Extracts', 'Distillers\u2019 Grain Feeds',
            'Mine Gas Drainage Boreholes']
BULLETIN_FRAMES = ['{S}: Results of Four Field Seasons', 'Managing {S} on Small Farms',
                   'Yield and Cost Trials with {S}', '{S}: A Guide for Growers and Advisers',
                   'Field Demonstrations of {S}', '{S} and Water Quality']
CLINICAL_SUBJECTS = ['Pulmonary Rehabilitation after COPD Exacerbations', 'Inhaled Therapy Adherence in Rural Clinics',
                     'Chlorogenic Acid Intake and Blood Pressure', 'Occupational Dust and Lung Function in Miners',
                     'Home Oxygen Use among Older Smokers', 'Breathing Training by Nurses after Discharge']
CLINICAL_FRAMES = ['{S}: A Randomized Controlled Trial', '{S}: A Retrospective Cohort Study',
                   'Effect of {S} on Outcomes at One Year', '{S}: A Multicentre Survey']
STATIONS = ['Upland Crops Research Station', 'Coastal Plain Agricultural Experiment Station',
            'Northern Prairie Research and Extension Center', 'Delta Soil and Water Station']
POSTS = ['Professor, Department of Soil Science', 'Extension Agronomist', 'Research Associate, Plant Pathology',
         'Associate Professor, Horticulture', 'Superintendent of the Station']
JOURNALS = ['Respiratory Care Research', 'Journal of Rural Clinical Medicine', 'Chest and Airway Medicine',
            'Clinical Pulmonology Reports']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def station_bulletin(rng):
    """The cover of an agricultural experiment station's research bulletin: the station in capitals,
    the series line with the bulletin number, the title in a shaded band, each author on his own line
    with his post in italics below, and the university and month at the foot."""
    year = rng.randint(1998, 2026)
    title = rng.choice(BULLETIN_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)[0]
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    page.para((rng.choice(STATIONS).upper(), {'bold': True, 'size': rng.choice([14, 16])}), align='c', after=4)
    page.para('%s No. %d\u2003\u2003%s %d' % (rng.choice(['Research Bulletin', 'Station Research Bulletin']),
                                           rng.randint(100, 1400), rng.choice(MONTHS), year),
              size=10.5, align='c', rule=rng.choice(['bottom', 'both']), after=60)
    page.table([[(title, {'bold': True, 'size': rng.choice([20, 22, 24])})]], widths_cm=[16.0], align='c',
               shade=(0,), fill=rng.choice(['D9E2D0', 'E0E0E0', 'DCE6F0']))
    page.para('', after=40)
    for a in authors:
        page.para((a, {'bold': rng.random() < 0.7, 'smallcaps': rng.random() < 0.3}), size=13, align='c', after=0)
        page.para(rng.choice(POSTS), size=10.5, italic=True, align='c', after=10)
    page.para('', after=60)
    page.para('%s\nCollege of Agriculture and Life Sciences' % univ, size=11, align='c', rule='top', after=2)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def clinical_abstractgrid(rng):
    """A clinical journal's original article: the journal and volume over a rule, ORIGINAL RESEARCH,
    the title, authors with superscript daggers and the affiliations they mark, the abstract as a grid
    whose left cells are its heads, the keywords and the received and accepted dates."""
    year = rng.randint(2009, 2026)
    title = rng.choice(CLINICAL_FRAMES).format(S=rng.choice(CLINICAL_SUBJECTS))
    n = rng.randint(2, 5)
    authors = _names(rng, n)
    univs = rng.sample(vocab.EN_UNIVS, 2)
    marks = ['\u2020' if k == 0 or rng.random() < 0.5 else '\u2021' for k in range(n)]
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=2.0)
    page.table([['%s %d;%d(%d):%d\u2013%d' % (rng.choice(JOURNALS), year, year - 1990, rng.randint(1, 12),
                                              rng.randint(100, 900), rng.randint(901, 999)),
                 'doi:10.%d/crr.%d.%04d' % (rng.randint(1000, 9999), year, rng.randint(1, 9999))]],
               widths_cm=[10.0, 7.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=10)
    page.para((rng.choice(['ORIGINAL RESEARCH', 'Original Article', 'CLINICAL INVESTIGATION']),
               {'bold': True, 'size': 9.5}), after=8)
    page.para((title, {'bold': True, 'size': rng.choice([16, 18])}), align='l', after=8)
    runs = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        runs += [a, (m + (',*' if k == n - 1 else ''), {'sup': True})]
        if k < n - 1:
            runs.append(', ')
    page.para(runs, size=11, after=4)
    page.para('\u2020 %s, Department of Respiratory Medicine\n\u2021 %s, School of Public Health' % (univs[0][0], univs[1][0]),
              size=8.5, italic=True, after=10)
    heads = ['Background', 'Methods', 'Results', 'Conclusions']
    texts = ['Little is known about this question in rural settings.',
             'Patients were enrolled at three hospitals and followed for twelve months.',
             'The primary outcome improved in the intervention group compared with usual care.',
             'The approach is feasible and may be offered in primary care.']
    page.table([[(h, {'bold': True}), x] for h, x in zip(heads, texts)], widths_cm=[3.0, 14.0], size=9.5,
               grid=rng.random() < 0.5, align=['l', 'l'], shade=(0,) if rng.random() < 0.6 else (), fill='E8EEF4')
    kws = rng.sample(['COPD', 'rehabilitation', 'primary care', 'cohort', 'lung function', 'adherence'], 3)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9.5, before=6, after=6)
    page.para('Received %d %s %d; accepted %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year - 1,
                                                       rng.randint(1, 28), rng.choice(MONTHS), year),
              size=8.5, italic=True, after=8)
    page.para('*Corresponding author: %s' % authors[-1], size=8.5, after=8)
    page.columns(2)
    page.para(('Introduction', {'bold': True}), size=10, after=3)
    page.para('Chronic airway disease places a heavy burden on patients and on rural health services. ' * 5,
              size=10, align='j')
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-station-bulletincover': station_bulletin, 'gen-en-clinical-abstractgrid': clinical_abstractgrid}
