"""Forty-eighth English first pages, of kinds the earlier sets lack, in wetland, orchard, rare-earth,
engine-blade and parasitic-disease subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Poyang Lake Wetlands', 'Nanfeng Tangerine Orchards', 'Wannian Paddy Soils', 'Xunwu Rare Earth Tailings',
            'Yujiang Schistosomiasis Villages', 'Ganjiang Uranium Tailings', 'Aeroengine Turbine Blades',
            'Zhangshu Herb Farms']
NOTE_FRAMES = ['Seepage Through Embankments over {S}', 'Eddy Current Inspection Limits for {S}',
               'Settlement of Light Structures Founded on {S}']
DATA_FRAMES = ['Dataset of Soil and Water Measurements from {S}', 'Drone Multispectral Imagery of {S}',
               'A Field Survey Dataset on {S}']
APP_FRAMES = ['A Toolkit for Mapping {S} from Satellite Time Series', 'An Open Pipeline for Genotyping Pathogens in {S}',
              'A Web Server for Risk Scoring in {S}']
UNIVS = ['East China University of Technology', 'Jiangxi Agricultural University', 'Nanchang Hangkong University',
         'Gannan Medical University', 'Kelbridge Polytechnic Institute']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
MONTHS = ['January', 'March', 'May', 'June', 'September', 'November']


def _joined(names, rng):
    return names[0] if len(names) == 1 else ', '.join(names[:-1]) + rng.choice([' and ', ', and ']) + names[-1]


def technical_note(rng):
    """A civil-engineering journal's Technical Note: "TECHNICAL NOTE" flush right over a thin rule, the
    title flush right, the authors flush right with their society grades after the names
    ("A, M.ASCE; B, Ph.D., P.E."), the abstract in a narrow indented block, and at the page's foot,
    over a short rule, numbered footnotes giving each author's post and e-mail."""
    year = rng.randint(2010, 2026)
    title = rng.choice(NOTE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    grades = [rng.choice([', M.ASCE', ', S.M.ASCE', ', Ph.D., P.E.', ', F.ASCE', '']) for _ in authors]
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=2.5)
    page.para(('TECHNICAL NOTE' if rng.random() < 0.6 else 'Technical Note', {'bold': True}), size=10, align='r',
              rule='bottom', after=16)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='r', after=10)
    page.para(sum([[a + g, (' %d' % (i + 1), {'sup': True})] + (['; '] if i < len(authors) - 1 else [])
                     for i, (a, g) in enumerate(zip(authors, grades))], []), size=11, align='r', after=16)
    page.para([('Abstract: ', {'bold': True}), 'This note reports field and laboratory measurements and a simple design '
               'check that practising engineers can apply without specialised software.'], size=9.5, align='j', indent=28, after=6)
    page.para([('DOI: ', {'bold': True}), '10.%d/(ASCE)GT.%d-%04d.%07d' % (rng.randint(1000, 9999), rng.randint(1943, 1950),
                                                                          year, rng.randint(1, 9999999))], size=8.5, indent=28, after=14)
    page.para('Introduction', size=11, bold=True, after=4)
    page.para('Measurements of this kind remain scarce, and the simple methods in use were calibrated elsewhere. ' * 4,
              size=10.5, align='j', after=18)
    for i, a in enumerate(authors):
        page.para([('%d' % (i + 1), {'sup': True}), '%s, %s, %s. Email: %s@%s.edu.cn' % (
            rng.choice(['Associate Professor', 'Professor', 'Graduate Student', 'Lecturer']),
            rng.choice(['School of Civil Engineering', 'Key Laboratory of Nondestructive Testing', 'School of Hydraulic Engineering']),
            rng.choice(UNIVS), a.split()[-1].lower(), rng.choice(['ecut', 'nchu', 'jxau']))], size=8, rule='top' if i == 0 else None,
                  after=1)
    return _finish(page, rng, title, authors, year)


def data_article(rng):
    """A data article: the journal line and "Data Article" over the title, the authors with numbered
    affiliations, "Specifications Table" as a two-column grid (Subject, Specific subject area, Type of
    data, How data were acquired, Data source location, Data accessibility), and "Value of the Data"
    as bullets; the keywords line sits under the affiliations."""
    year = rng.randint(2016, 2026)
    title = rng.choice(DATA_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    kws = rng.sample(['wetland', 'remote sensing', 'soil cadmium', 'orchard', 'field survey', 'Jiangxi', 'water level'],
                     rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.0)
    page.table([['%s %d, %d' % (rng.choice(['Field Data Reports', 'Data Notes in Earth and Life Science']), year,
                                 rng.randint(100, 999)), ('Data Article', {'bold': True})]], widths_cm=[12.0, 5.0], size=9,
               align=['l', 'r'])
    page.para('', rule='bottom', after=12)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='l', after=8)
    letters = [rng.randint(1, 2) if len(authors) > 1 else 1 for _ in authors]
    runs = []
    for i, (a, k) in enumerate(zip(authors, letters)):
        runs += [a, (' %d' % k, {'sup': True})] + ([', '] if i < len(authors) - 1 else [])
    page.para(runs, size=11, after=4)
    for k in sorted(set(letters)):
        page.para([('%d ' % k, {'sup': True}), rng.choice(UNIVS) + ', Jiangxi, China'], size=8.5, italic=True, after=1)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9, after=10)
    page.para(('Specifications Table', {'bold': True}), size=11, after=4)
    rows = [['Subject', rng.choice(['Environmental Science', 'Agronomy and Crop Science', 'Earth-Surface Processes'])],
            ['Specific subject area', 'Long-term monitoring of soils, water and vegetation'],
            ['Type of data', rng.choice(['Tables, figures', 'Raw images, tables', 'Spreadsheets'])],
            ['How data were acquired', 'Field sampling and laboratory analysis'],
            ['Data source location', '%s, Jiangxi Province, China' % rng.choice(['Duchang', 'Nanfeng', 'Wannian', 'Xunwu'])],
            ['Data accessibility', 'Repository: https://data.%s.example/%d' % (rng.choice(['ecut', 'jxau']), rng.randint(1000, 9999))]]
    page.table(rows, widths_cm=[5.0, 12.0], size=9, align=['l', 'l'], grid=True, bold_first=False)
    page.para('', after=6)
    page.para(('Value of the Data', {'bold': True}), size=11, after=3)
    for line in ['These data fill a gap in long-term records for the region.', 'Managers can use them to set thresholds.',
                 'Other researchers can reuse them to test models.']:
        page.para('\u2022 ' + line, size=10, indent=14, after=1)
    return _finish(page, rng, title, authors, year, kws)


def application_note(rng):
    """A computational biology and earth-science journal's Application Note: a small category tag
    ("Applications note" and the field) top left, the title, the authors with raised numbers, the
    affiliations, the line "Associate Editor: X" (no author), then an abstract in labelled run-in parts
    "Summary:", "Availability and implementation:", "Contact:"."""
    year = rng.randint(2012, 2026)
    title = rng.choice(APP_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    editor = _names(rng, 1, authors)[0]
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.2)
    page.para([(rng.choice(['Applications note', 'APPLICATION NOTE', 'Application Note']), {'bold': True}),
               '    ' + rng.choice(['Genome analysis', 'Geoinformatics', 'Data and text mining'])], size=9, align='l',
              rule='bottom', after=14)
    page.para((title, {'size': rng.choice([17, 19]), 'bold': True}), align=rng.choice(['l', 'c']), after=8)
    runs = []
    for i, a in enumerate(authors):
        runs += [a, (' %d' % (1 + (i % 2)), {'sup': True})]
        if i < len(authors) - 1:
            runs.append(', ' if i < len(authors) - 2 else ' and ')
    page.para(runs, size=11.5, align=rng.choice(['l', 'c']), after=4)
    for k in range(min(2, len(authors))):
        page.para([('%d' % (k + 1), {'sup': True}), rng.choice(UNIVS)], size=8.5, italic=True, after=1)
    page.para('', after=4)
    page.para(('Associate Editor: ' if rng.random() < 0.6 else 'Associate editor: ') + editor, size=9, italic=True,
              align=rng.choice(['l', 'c']), after=4)
    page.para('Received on %s %d, %d; accepted on %s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year - 1,
                                                              rng.choice(MONTHS), rng.randint(1, 28), year), size=8.5, after=12)
    page.para(('ABSTRACT', {'bold': True}), size=10, after=3)
    page.para([('Summary: ', {'bold': True}), 'We present software that turns raw observations into maps and tables that '
               'field teams can check.'], size=9.5, align='j', after=2)
    page.para([('Availability and implementation: ', {'bold': True}), 'The source code is freely available at '
               'https://git.%s.example/%s under an MIT licence.' % (rng.choice(['ecut', 'gmu']), title.split()[-1].lower())],
              size=9.5, align='j', after=2)
    page.para([('Contact: ', {'bold': True}), '%s@%s.edu.cn' % (authors[-1].split()[-1].lower(), rng.choice(['ecut', 'gmu']))],
              size=9.5, after=12)
    page.para(('1 INTRODUCTION', {'bold': True}), size=10.5, after=4)
    page.para('Earlier tools require manual steps that are hard to repeat across seasons and sites. ' * 3, size=10, align='j')
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-civiljournal-technicalnote-flushright-gradesafternames-footnoteaffils': technical_note,
             'gen-en-dataarticle-specificationstable-valueofdatabullets': data_article,
             'gen-en-appnote-categorytag-associateeditorline-labelledabstract': application_note}
