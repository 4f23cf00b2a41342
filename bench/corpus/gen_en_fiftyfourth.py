"""Fifty-fourth English first pages, of kinds the earlier sets lack, in tunnel, power, mining and
public health subjects of their own."""
from docx.shared import Cm
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Hanjiang Cascade Hydropower Units', 'Qinba Mountain Highway Tunnels', 'Hanzhong Distribution Feeders',
            'Jiaozuo Coal Seam Gas Drainage', 'Jiaozuo Mining Subsidence Basins', 'Underground Mine Sensor Networks',
            'Wuhu Community Hypertension Clinics', 'Wannan Heart Failure Home Care']
THESIS_FRAMES = ['Self-Management Support and Readmission in {S}', 'Health Literacy and Follow-up Attendance in {S}',
                 'Occupational Exposure and Lung Function around {S}']
ROAD_FRAMES = ['Monitoring and Maintenance Guidelines for {S}', 'Lining Cracks and Water Ingress in {S}: Field Study',
               'Ventilation Energy Use of {S}: Final Report', 'Pavement Damage over {S}']
POWER_FRAMES = ['Fault Location for {S} Using Sparse Measurements', 'Vibration Diagnosis of {S} with Deep Features',
                'Secure Data Routing for {S} under Link Failures']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
MONTHS = ['January', 'March', 'April', 'June', 'August', 'October', 'November']
TITLES = ['Dr', 'Prof.', 'Associate Professor']


def mphil_thesis(rng):
    """A research master's or doctoral thesis title page: a framed crest cell, the title, "by" and
    the candidate, the degree statement, "Primary supervisor:" and "Co-supervisor:" lines (the
    primary supervisor is the supervisor), the school and the month and year."""
    year = rng.randint(2010, 2026)
    frame = rng.choice(THESIS_FRAMES)
    title = frame.format(S=rng.choice(SUBJECTS[3:5] if 'Occupational' in frame else SUBJECTS[6:]))
    author, primary, co = _names(rng, 3)
    page = Page(latin=rng.choice(FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    t = page.table([[('[University crest]', {'size': 9, 'italic': True})]], widths_cm=[3.5], size=9, grid=True)
    t.autofit = False
    t.columns[0].width = Cm(3.5)
    page.para('', after=rng.choice([30, 44]))
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': rng.random() < 0.7}), align='c', after=24)
    page.para('by', size=12, italic=True, align='c', after=8)
    page.para((author, {'size': 16}), align='c', after=30)
    degree, school = rng.choice([('Master of Philosophy (Public Health)', 'School of Public Health, Wannan Medical College'),
                                 ('Doctor of Philosophy (Nursing)', 'School of Nursing, Wannan Medical College'),
                                 ('Master of Philosophy (Occupational Health)', 'School of Safety Science, Henan Polytechnic University')])
    page.para('A thesis submitted in fulfilment of the requirements for the degree of %s' % degree, size=11, align='c', after=30)
    page.para('Primary supervisor: %s %s' % (rng.choice(TITLES), primary), size=11, align='c', after=2)
    page.para('Co-supervisor: %s %s' % (rng.choice(TITLES), co), size=11, align='c', after=36)
    page.para(school, size=12, align='c', after=4)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=12, align='c')
    page, rec = _finish(page, rng, title, [author], year)
    rec['supervisor'] = primary
    return page, rec


def report_documentation_page(rng):
    """A highway research report's documentation page: "Technical Report Documentation Page" and a
    framed grid of numbered boxes (1. Report No. … 22. Price) with the title in box 4, the authors
    in box 7, the abstract in 16 and the key words in 17, and the form's name at the foot."""
    year = rng.randint(2009, 2026)
    frame = rng.choice(ROAD_FRAMES)
    title = frame.format(S=rng.choice(SUBJECTS[1:2] + SUBJECTS[4:5] if frame.startswith(('Pavement', 'Monitoring')) else SUBJECTS[1:2]))
    authors = _names(rng, rng.randint(1, 4))
    kws = rng.sample(['tunnel lining', 'ventilation', 'field monitoring', 'maintenance', 'subsidence', 'Shaanxi', 'Henan'],
                     rng.randint(3, 5))
    who = ', '.join(authors[:-1]) + ' and ' + authors[-1] if len(authors) > 1 else authors[0]
    page = Page(latin=rng.choice(FONTS), size=9, margins=1.8)
    page.para(('Technical Report Documentation Page', {'bold': True, 'size': 11}), align=rng.choice(['r', 'c']), after=4)

    def box(n, label, value=''):
        return [('%d. %s' % (n, label), {'size': 7.5}), ('\n' + value if value else '', {'size': 10})]

    number = '%s-%d-%02d' % (rng.choice(['SXJT', 'HNJT', 'QBTR']), year, rng.randint(1, 40))
    rows = [([box(1, 'Report No.', number), box(2, 'Government Accession No.'), box(3, "Recipient's Catalog No.")], [5.8, 5.8, 5.8]),
            ([box(4, 'Title and Subtitle', title), box(5, 'Report Date', '%s %d' % (rng.choice(MONTHS), year))], [11.6, 5.8]),
            ([box(7, 'Author(s)', who), box(8, 'Performing Organization Report No.')], [11.6, 5.8]),
            ([box(9, 'Performing Organization Name and Address', rng.choice(
                ['School of Civil Engineering and Architecture, Shaanxi University of Technology, Hanzhong 723001',
                 'School of Energy Science, Henan Polytechnic University, Jiaozuo 454000'])),
              box(11, 'Contract or Grant No.', '%d-KY-%03d' % (year - 2, rng.randint(1, 500)))], [11.6, 5.8]),
            ([box(12, 'Sponsoring Agency Name and Address', rng.choice(['Shaanxi Provincial Department of Transport',
                                                                        'Henan Provincial Department of Emergency Management'])),
              box(13, 'Type of Report and Period Covered', 'Final Report, %d-%d' % (year - 2, year))], [11.6, 5.8]),
            ([box(16, 'Abstract', 'This report describes field measurements, laboratory tests and numerical analyses carried out '
                                  'over two years, and gives recommendations for design, monitoring and maintenance. ' * 3)], [17.4]),
            ([box(17, 'Key Words', ', '.join(kws)), box(18, 'Distribution Statement', 'No restrictions.')], [8.7, 8.7]),
            ([box(19, 'Security Classif. (of this report)', 'Unclassified'), box(20, 'Security Classif. (of this page)', 'Unclassified'),
              box(21, 'No. of Pages', str(rng.randint(40, 220))), box(22, 'Price')], [5.2, 5.2, 3.5, 3.5])]
    for cells, widths in rows:
        t = page.table([cells], widths_cm=widths, grid=True, align='l')
        t.autofit = False
    page.para('Form %s (8-72)\u2003Reproduction of completed page authorized' % rng.choice(['DOT F 1700.7', 'TRD 1700']),
              size=7.5, italic=True, before=4, after=0)
    return _finish(page, rng, title, authors, year, kws)


def transactions_article(rng):
    """A transactions-style journal article: the title centred, the byline with ", Member, IEEE" or
    ", Senior Member, IEEE" after some names, then two columns: "Abstract—" and "Index Terms—" run
    in and bold, the first section, and the "Manuscript received" note with each author's
    affiliation under a short rule."""
    year = rng.randint(2010, 2026)
    title = rng.choice(POWER_FRAMES).format(S=rng.choice([SUBJECTS[0], SUBJECTS[2], SUBJECTS[5]]))
    authors = _names(rng, rng.randint(1, 5))
    grades = [rng.choice(['', '', ', Member, IEEE', ', Senior Member, IEEE', ', Student Member, IEEE']) for _ in authors]
    kws = rng.sample(['fault location', 'condition monitoring', 'deep learning', 'wireless sensor networks', 'routing',
                      'distribution networks', 'hydropower'], rng.randint(3, 5))
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea']), size=10, margins=1.9)
    page.para('%s, VOL. %d, NO. %d, %s %d' % (rng.choice(['TRANSACTIONS ON POWER AND ENERGY SYSTEMS', 'TRANSACTIONS ON MINE NETWORKS',
                                                           'JOURNAL OF INDUSTRIAL SENSING']), rng.randint(10, 60), rng.randint(1, 12),
                                               rng.choice(MONTHS).upper(), year), size=7.5, align='l', after=16)
    page.para((title, {'size': rng.choice([22, 24])}), align='c', after=10)
    named = [a + g for a, g in zip(authors, grades)]
    page.para(', '.join(named[:-1]) + (', and ' if len(named) > 2 else ' and ') + named[-1] if len(named) > 1 else named[0],
              size=11, align='c', after=14)
    page.columns(2)
    page.para([('Abstract\u2014', {'bold': True, 'italic': True}),
               ('This paper proposes a method that uses sparse field measurements and a learned model to locate faults and '
                'anomalies quickly; tests on a real system show that it is accurate and robust. ' * 2, {'bold': True})],
              size=9, align='j', after=6)
    page.para([('Index Terms\u2014', {'bold': True, 'italic': True}), (', '.join(kws) + '.', {'bold': True})], size=9, align='j', after=10)
    page.para('I. INTRODUCTION', size=10, align='c', after=4)
    page.para('Reliable operation of such systems depends on early detection of faults. ' * 5, size=10, align='j', indent=12, after=10)
    page.para('Manuscript received %s %d, %d; revised %s %d, %d. ' % (rng.choice(MONTHS), rng.randint(1, 28), year - 1, rng.choice(MONTHS),
                                                                   rng.randint(1, 28), year)
              + ' '.join('%s is with %s (e-mail: %s@%s).' % (a, rng.choice(['the School of Electrical Engineering, Shaanxi University of '
                                                                          'Technology, Hanzhong 723001, China',
                                                                          'the School of Computer Science, Henan Polytechnic '
                                                                          'University, Jiaozuo 454000, China']),
                                                           a.split()[-1].lower(), rng.choice(['snut.edu.cn', 'hpu.edu.cn']))
                         for a in authors), size=8, align='j', rule='top', after=0)
    return _finish(page, rng, title, authors, year, kws)


TEMPLATES = {'gen-en-healthmphil-thesistitlepage-crestframe-primarycosupervisorlines': mphil_thesis,
             'gen-en-highwayresearch-reportdocumentationpage-numberedboxgrid': report_documentation_page,
             'gen-en-powertransactions-gradedbyline-dashabstract-manuscriptreceivedfoot': transactions_article}
