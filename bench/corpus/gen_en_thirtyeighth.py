"""Thirty-eighth English first pages, of kinds the earlier sets lack, in environmental science,
engineering, computing and public health subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names

SUBJECTS = ['Songhua Lake Mercury Cycling', 'Liaohe Estuary Salt Marsh Carbon', 'Yingkou Magnesite Dust Dispersion',
            'Bayuquan Port Breakwater Scour', 'Heilonggang Aquifer Subsidence', 'Nandagang Wetland Reed Evapotranspiration',
            'Luanhe Headwater Nitrate Exposure', 'Bashang Herder Brucellosis', 'Jilin Rime Fog Microphysics']
LAB_FRAMES = ['Observations of {S}', 'A Coupled Model of {S}', 'Isotopic Constraints on {S}',
              'Uncertainty in Remote Sensing of {S}', 'Field Campaign Report on {S}']
PROJECT_FRAMES = ['An IoT Based Monitoring System for {S}', 'Machine Learning Prediction of {S}',
                  'Design of a Drone Platform for Surveying {S}', 'A Mobile Application for Tracking {S}']
HEALTH_FRAMES = ['Household Risk Factors for {S}', 'A Cohort Study of {S}', 'Seasonal Patterns of {S}',
                 'Community Screening for {S}']
LABS = [('Prairie Ridge National Laboratory', 'PRNL'), ('Cedar Basin National Laboratory', 'CBNL'),
        ('Northern Plains National Laboratory', 'NPNL')]
COLLEGES = [('Godavari Valley College of Engineering', 'Rajahmundry'), ('Malabar Institute of Technology', 'Kannur'),
            ('Deccan Plateau Engineering College', 'Bidar')]
BRANCHES = ['COMPUTER SCIENCE AND ENGINEERING', 'ELECTRONICS AND COMMUNICATION ENGINEERING', 'CIVIL ENGINEERING',
            'ELECTRICAL AND ELECTRONICS ENGINEERING']
JOURNALS = ['Environ Health Perspect', 'J Water Health', 'Occup Environ Med', 'Int J Hyg Environ Health']


def lab_release_cover(rng):
    """The cover sheet a national laboratory puts on a paper cleared for release: the release number
    bold at the top right, the release statement, then a borderless grid of labels and values (Title,
    Author(s) one a line, Intended for naming the journal or meeting, Issued with the date), and the
    laboratory's fine print at the foot; the venue is no author."""
    year = rng.randint(2008, 2026)
    title = rng.choice(LAB_FRAMES).format(S=rng.choice(SUBJECTS[:6] + SUBJECTS[8:]))
    authors = _names(rng, rng.randint(1, 5))
    lab, abbr = rng.choice(LABS)
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Liberation Serif']), size=11, margins=2.3)
    page.para(('%s-UR-%02d-%05d' % (abbr, year % 100, rng.randint(20000, 29999)), {'bold': True}), size=14, align='r', after=6)
    page.para(rng.choice(['Approved for public release; distribution is unlimited.',
                          'Approved for public release. Distribution unlimited.']), size=10, italic=True, align='r', after=60)
    venue = rng.choice(['Journal of Geophysical Research: Atmospheres', 'Water Resources Research', 'Estuarine, Coastal and Shelf Science',
                        'AGU Fall Meeting, San Francisco, CA, December %d' % year])
    rows = [[('Title:', {'bold': True}), (title, {'bold': True, 'size': 14})],
            [('Author(s):', {'bold': True}), '\n'.join(authors)],
            [('Intended for:', {'bold': True}), venue]]
    rows.append([('Issued:', {'bold': True}), '%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28))
                 if rng.random() < 0.5 else '%s %d' % (rng.choice(MONTHS), year)])
    page.table(rows, widths_cm=[3.4, 12.6], size=11, align=['l', 'l'])
    page.para('', after=rng.choice([180, 220]))
    page.para('%s, an affirmative action/equal opportunity employer, is operated for the Department of Energy under '
              'contract DE-AC%02d-%02dNA%05d. By approving this article, the publisher recognizes that the Government '
              'retains a nonexclusive, royalty-free license to publish or reproduce the published form of this '
              'contribution, or to allow others to do so.' % (lab, rng.randint(10, 99), rng.randint(10, 99), rng.randint(10000, 99999)),
              size=7, align='j', rule='bottom' if rng.random() < 0.5 else None)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def project_report_guidecolumn(rng):
    """An Indian engineering college's B.Tech project report cover: "A Project Report on", the
    title, the degree statement with the degree and the branch in capitals, then a borderless row
    whose left cell is "Submitted by" with each student and his roll number and whose right cell is
    "Under the guidance of" with the guide; the department, the college and the year at the foot."""
    year = rng.randint(2010, 2026)
    title = rng.choice(PROJECT_FRAMES).format(S=rng.choice(SUBJECTS))
    students = _names(rng, rng.randint(1, 4))
    guide = _names(rng, 1, students)[0]
    college, town = rng.choice(COLLEGES)
    branch = rng.choice(BRANCHES)
    code = rng.choice(['A05', 'A04', 'A01', 'A02'])
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Liberation Sans']), size=12, margins=2.5)
    page.para(rng.choice(['A Project Report on', 'A Major Project Report on', 'A Project Report']), size=13, italic=True,
              align='c', after=10)
    page.para((title, {'bold': True}), size=rng.choice([16, 18]), align='c', after=16)
    page.para('Submitted in partial fulfillment of the requirements for the award of the degree of', size=11, align='c', after=6)
    page.para(('BACHELOR OF TECHNOLOGY', {'bold': True}), size=13, align='c', after=4)
    page.para('in', size=11, align='c', after=4)
    page.para((branch, {'bold': True}), size=12, align='c', after=24)
    left = [('Submitted by\n', {'bold': True, 'u': True})] + [
        '%s (%02d%s1%s%02d)\n' % (s, (year - 4) % 100, rng.choice(['B', 'H', 'K']), code, rng.randint(1, 70)) for s in students]
    right = [('Under the guidance of\n', {'bold': True, 'u': True}), rng.choice(['Dr. ', 'Mr. ', 'Mrs. ', '']) + guide + '\n',
             rng.choice(['Associate Professor', 'Assistant Professor', 'Professor and Head'])]
    page.table([[left, right]], widths_cm=[8.0, 8.0], size=11, align=['l', 'r'])
    page.para('', after=rng.choice([60, 90]))
    page.para(('DEPARTMENT OF ' + branch, {'bold': True}), size=11, align='c', after=4)
    page.para((college.upper(), {'bold': True}), size=13, align='c', after=2)
    page.para('(Affiliated to State Technological University)', size=9, align='c', after=2)
    page.para(town.upper(), size=11, align='c', after=4)
    page.para(rng.choice(['%s %d' % (rng.choice(MONTHS[3:6]).upper(), year), '%d\u2013%d' % (year - 1, year)]), size=12,
              bold=True, align='c')
    meta = set_meta(page, rng, title, students, [])
    return page, record(title, students, year, [], 'en', None, meta=meta, supervisor=guide)


def public_access_manuscript(rng):
    """An author manuscript as a public archive serves it: a small head naming the funder's public
    access, "Author manuscript", the journal with the date the copy became free (a year after print)
    and the citation of the published form, over a rule; then the title flush left, the authors with
    their degrees (the affiliation number after the degree) and numbered affiliations, the affiliations, a structured Abstract and Keywords."""
    year = rng.randint(2012, 2025)
    title = rng.choice(HEALTH_FRAMES).format(S=rng.choice(SUBJECTS[6:8] + SUBJECTS[:1]))
    authors = _names(rng, rng.randint(1, 5))
    kws = [rng.choice(['nitrate', 'brucellosis', 'mercury']), rng.choice(['drinking water', 'herders', 'fish intake']),
           rng.choice(['northern China', 'rural health', 'exposure assessment'])]
    journal = rng.choice(JOURNALS)
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito']), size=10, margins=2.2)
    page.para(rng.choice(['HHS Public Access', 'Public Access Author Manuscript']), size=13, bold=True, after=2)
    page.para(('Author manuscript', {'italic': True}), size=9, after=2)
    page.para('%s. Author manuscript; available in PMC %d %s %02d.' % (journal, year + 1, rng.choice(MONTHS)[:3], rng.randint(1, 28)),
              size=8.5, after=2)
    page.para('Published in final edited form as:', size=8.5, after=1)
    page.para('%s. %d %s ; %d(%d): %d\u2013%d. doi:10.%d/%s%d' % (journal, year, rng.choice(MONTHS)[:3], rng.randint(10, 130),
                                                              rng.randint(1, 12), rng.randint(100, 900), rng.randint(901, 999),
                                                              rng.randint(1000, 9999), rng.choice(['ehp.', 'wh.', 'oem.']),
                                                              rng.randint(1000, 9999)),
              size=8.5, rule='bottom', after=18)
    page.para((title, {'bold': True}), size=rng.choice([16, 17, 18]), align='l', after=10)
    two = len(authors) > 1 and rng.random() < 0.6
    line = []
    for k, a in enumerate(authors):
        deg = rng.choice([', MD', ', PhD', ', MPH', ', MS', ', MD, PhD', ', DrPH'])
        line += [(('' if k == 0 else ', ') + a + deg, {}), ('1' if k % 2 == 0 or not two else '2', {'sup': True})]
    page.para(line, size=11, align='l', after=8)
    for k in range(2 if two else 1):
        page.para([(str(k + 1), {'sup': True}), rng.choice(['Department of Environmental Health', 'School of Public Health',
                                                           'Department of Epidemiology']) + ', ' +
                   rng.choice(['Lakeshore University', 'Great Valley University', 'Eastern Shore University'])],
                  size=9, align='l', after=1)
    page.para(('Abstract', {'bold': True}), size=12, before=12, after=4)
    for label in ('Background', 'Methods', 'Results', 'Conclusions'):
        page.para([(label + ': ', {'bold': True}), 'We describe exposure, outcome and the factors tied to both in a rural '
                   'population followed over several seasons. '], size=9.5, align='j', after=3)
    page.para(('Keywords', {'bold': True}), size=10, before=6, after=2)
    page.para('; '.join(kws), size=9.5, after=4)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-atmoswaterlab-releasecoversheet-intendedforgrid': lab_release_cover,
             'gen-en-iotengproject-btechcover-guidecolumn-rollnumbers': project_report_guidecolumn,
             'gen-en-envhealth-authormanuscript-publicaccesshead': public_access_manuscript}
