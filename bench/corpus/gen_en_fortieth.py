"""Fortieth English first pages, of kinds the earlier sets lack, in farming, food, water and
environmental engineering subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Linzhou Red Flag Canal Farms', 'Anyang Steel Sintering Plants', 'Xihua Daylily Farms',
            'Shaying River Sluices', 'Zhumadian Sesame Fields', 'Suya Lake Reservoir', 'Yanling Wintersweet Nurseries',
            'Yuzhou Rehmannia Plots', 'Xuchang Wig Factory Effluents']
THESIS_FRAMES = ['Life Cycle Assessment of {S}', 'Energy Use and Emissions of {S}', 'A Water Balance Model for {S}',
                 'Sensor Networks for Monitoring {S}']
MEETING_FRAMES = ['Nitrogen Retention and Greenhouse Gas Fluxes in {S}', 'Satellite Detection of Change in {S}',
                  'Sediment Phosphorus Release Beneath {S}', 'Soil Salinity Dynamics Under {S}']
REPORT_FRAMES = ['Techno-Economic Analysis of Biogas Recovery from {S}', 'Field Performance of Solar Drying for {S}',
                 'Grid Integration of Pumped Irrigation at {S}', 'Heat Recovery Options for {S}']
PROGRAMMES = ['Sustainable Energy Systems', 'Infrastructure and Environmental Engineering', 'Biotechnology',
              'Food Engineering', 'Complex Adaptive Systems']
DEPARTMENTS = ['Department of Space, Earth and Environment', 'Department of Architecture and Civil Engineering',
               'Department of Life Sciences', 'Department of Electrical Engineering']
LABS = [('Midwest Renewable Energy Laboratory', 'MREL/TP'), ('Great Plains Agricultural Engineering Center', 'GPAEC-TR'),
        ('Northern Water and Energy Institute', 'NWEI/TR')]


def _affils(rng, n):
    """Affiliation numbers for n authors, 1 and 2 both used when there are two affiliations."""
    if n < 2 or rng.random() < 0.35:
        return [1] * n
    marks = [1] + [rng.choice([1, 2]) for _ in range(n - 1)]
    if 2 not in marks:
        marks[-1] = 2
    return marks


def examiner_thesis(rng):
    """A Scandinavian-style master's thesis cover in engineering: the title large and flush left at
    the top, a subtitle line, "Master's thesis in <programme>", the author's name; the supervisor
    and the examiner on run-in lines ("Supervisor:", "Examiner:"), each with a department; the
    department, the university and "City, Country YYYY" at the foot. The examiner is no supervisor."""
    year = rng.randint(2010, 2026)
    title = rng.choice(THESIS_FRAMES).format(S=rng.choice(SUBJECTS))
    author, sup, examiner = _names(rng, 3)
    univ = rng.choice(vocab.EN_UNIVS)
    dept = rng.choice(DEPARTMENTS)
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito', 'Liberation Serif']), size=11,
                margins=rng.choice([2.2, 2.5]))
    page.para('', after=rng.choice([20, 40]))
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': rng.random() < 0.6}), align='l', line=1.1, after=8)
    page.para(rng.choice(['A case study in central China', 'Methods, data and scenarios', 'A modelling study']),
              size=14, italic=rng.random() < 0.5, align='l', after=24)
    page.para("Master's thesis in %s" % rng.choice(PROGRAMMES), size=12, align='l', after=20)
    page.para((author, {'size': 15, 'bold': True}), align='l', after=70)
    page.para([('Supervisor: ', {'bold': True}), '%s, %s' % (sup, dept)], size=10.5, align='l', after=2)
    page.para([('Examiner: ', {'bold': True}), '%s, %s' % (examiner, rng.choice(DEPARTMENTS))], size=10.5, align='l',
              after=rng.choice([120, 150]))
    page.para(dept, size=10.5, align='l', rule='top', after=1)
    page.para((univ[0], {'bold': True}), size=11, align='l', after=1)
    page.para('%s, %s %d' % (univ[1], univ[2], year), size=10.5, align='l')
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


def session_abstract(rng):
    """A geoscience or agronomy meeting's abstract page: a framed strip with the abstract number
    and the session code and name; the title; the authors with their affiliation numbers in
    parentheses after each name ("A (1), B (2)"); the affiliations one a line as "(1) ..."; the
    abstract text without a heading; "Keywords:" at the end."""
    year = rng.randint(2012, 2026)
    title = rng.choice(MEETING_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    marks = _affils(rng, len(authors))
    kws = rng.sample(['wetlands', 'nitrogen', 'remote sensing', 'salinity', 'reservoirs', 'phosphorus', 'eutrophication',
                      'agricultural soils', 'greenhouse gases'], rng.randint(3, 5))
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans']), size=11, margins=2.5)
    code = '%s%d%s-%02d' % (rng.choice(['H', 'B', 'GC', 'EP']), rng.randint(11, 54), rng.choice('ABCD'), rng.randint(1, 30))
    page.table([['Abstract %s' % code, 'Session: %s' % rng.choice(['Wetland Biogeochemistry', 'Agricultural Water Management',
                                                                    'Reservoir Water Quality', 'Land Degradation and Restoration'])]],
               widths_cm=[5.0, 11.0], size=9, grid=True, align=['l', 'l'], shade=(0,), fill=rng.choice(['DDDDDD', 'E2EFDA']))
    page.para('%s Annual Meeting, %s %d' % (rng.choice(['Geoscience Union', 'Soil and Water Society', 'Agronomy Congress']),
                                           rng.choice(MONTHS), year), size=9, italic=True, align='l', before=4, after=18)
    page.para((title, {'size': rng.choice([14, 15, 16]), 'bold': True}), align=rng.choice(['l', 'c']), after=8)
    numbered = 2 in marks or rng.random() < 0.5
    page.para(', '.join('%s (%d)' % (a, m) if numbered else a for a, m in zip(authors, marks)),
              size=11, align=rng.choice(['l', 'c']), after=4)
    univs = rng.sample(vocab.EN_UNIVS, 2)
    for k in range(max(marks)):
        page.para('%s%s, %s, %s, %s' % ('(%d) ' % (k + 1) if numbered else '', rng.choice(DEPARTMENTS), univs[k][0],
                                        univs[k][1], univs[k][2]), size=9, italic=True, align=rng.choice(['l', 'c']), after=1)
    page.para('', after=10)
    body = ('We combined field campaigns with laboratory incubations and a process model to quantify how management '
            'and hydrology control the fluxes observed at the study sites. ')
    page.para(body * 6, size=10.5, align='j', line=1.2, after=10)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, align='l')
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


def lab_report(rng):
    """A national laboratory's technical report cover: the laboratory's name bold over a thick rule;
    the title large; the authors on one line with superscript affiliation numbers (a thin space before each number);
    the numbered affiliations; and at the foot a two-cell block: on the left "Technical Report",
    the report number and the month and year, on the right the availability and contract note."""
    year = rng.randint(2008, 2026)
    title = rng.choice(REPORT_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    marks = _affils(rng, len(authors))
    lab, series = rng.choice(LABS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans']), size=11, margins=2.3)
    page.para((lab, {'bold': True}), size=13, align='l', rule='bottom', after=60)
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': rng.random() < 0.7}), align='l', line=1.1, after=20)
    runs = []
    for k, a in enumerate(authors):
        sep = '' if k == 0 else (' and ' if k == len(authors) - 1 and len(authors) == 2 else
                                 (', and ' if k == len(authors) - 1 else ', '))
        runs += [sep + a + '\u2009', (str(marks[k]), {'sup': True})]
    page.para(runs, size=13, align='l', after=8)
    places = [lab, rng.choice(vocab.EN_UNIVS)[0]]
    for k in range(max(marks)):
        page.para([(str(k + 1), {'sup': True}), ' ' + places[k]], size=10, align='l', after=1)
    page.para('', after=rng.choice([160, 190]))
    number = '%s-%d-%05d' % (series, rng.randint(5000, 7999), rng.randint(1, 99999))
    left = [('Technical Report', {'bold': True}), '\n' + number, '\n%s %d' % (rng.choice(MONTHS), year)]
    right = ['This report is available at no cost from the %s at www.%s.example.org/publications.' % (
        lab, series.split('/')[0].split('-')[0].lower()), '\nContract No. %s-%d' % (rng.choice(['DE-AC36', 'AG-59', 'EP-C']),
                                                                                    rng.randint(10000, 99999))]
    page.table([[left, right]], widths_cm=[6.0, 10.5], size=9, align=['l', 'l'], grid=rng.random() < 0.5)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-energysystems-mscthesis-supervisorexaminerlines-placeyearfoot': examiner_thesis,
             'gen-en-wetlandsoils-meetingabstract-sessioncodestrip-parennumberedaffils': session_abstract,
             'gen-en-bioenergylab-technicalreport-reportnumberfootblock-supnumberedaffils': lab_report}
