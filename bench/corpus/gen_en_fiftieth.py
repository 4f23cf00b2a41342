"""Fiftieth English first pages, of kinds the earlier sets lack, in medicine, chemistry and crop
science subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Fuyang River Nutrient Loads', 'Handan Steel Slag Pavements', 'Shexian Walnut Orchards', 'Enshi Yulu Tea Gardens',
            'Lichuan Water Shield Paddies', 'Hefeng Landslide Slopes', 'Rongxian Green Pepper Farms', 'Fuxi River Sediments']
MED_FRAMES = ['Respiratory Health of Workers near {S}: A Cohort Study', 'Pesticide Exposure and Liver Function around {S}',
              'Heat Stress among Labourers of {S}: A Prospective Study']
CHEM_FRAMES = ['Biochar from {S} Residues Removes Nitrate from Water', 'Rapid Sensing of Heavy Metals around {S}',
               'A Cheap Phosphate Sorbent Tested on {S}']
CROP_FRAMES = ['Yield Gaps and Nutrient Budgets of {S}', 'Irrigation Scheduling Trials for {S}', 'Soil Carbon under {S}: Five Seasons of Trials']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
UNITS = ['School of Water Conservancy, Hebei University of Engineering', 'School of Medicine, Hubei Minzu University',
         'School of Chemical Engineering, Sichuan University of Science and Engineering', 'Enshi Centre for Disease Control', 'Zigong Academy of Agricultural Sciences']


def med_summary(rng):
    """A medical journal article: "Articles" over a rule, the title, the byline with a star on the
    corresponding author, a shaded Summary panel with Background, Methods, Findings, Interpretation
    and Funding run in, then one row: the affiliations and "Correspondence to" in a narrow left
    column, the Introduction on the right."""
    year = rng.randint(2010, 2026)
    title = rng.choice(MED_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    corr = rng.randrange(len(authors))
    page = Page(latin=rng.choice(FONTS), size=10, margins=rng.choice([1.8, 2.0]))
    page.para(('Articles', {'bold': True, 'size': 11}), rule='bottom', after=14)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True}), after=8)
    page.para(', '.join(a + ('*' if k == corr and len(authors) > 1 else '') for k, a in enumerate(authors)), size=11, after=12)
    panel = [('Summary\n', {'bold': True, 'size': 11})]
    for label in ('Background', 'Methods', 'Findings', 'Interpretation', 'Funding'):
        panel += [(label + ' ', {'bold': True}), 'We followed workers and residents for several seasons and compared them '
                  'with a matched group from a nearby county. \n']
    page.table([[panel]], widths_cm=[17.0], size=9, align='l', shade=(0,), fill=rng.choice(['E2EFD9', 'DEEAF6', 'FCE4D6']))
    page.para('', after=8)
    side = 'Published online %s %d, %d\n\n' % (rng.choice(['April', 'August', 'November']), rng.randint(1, 28), year)
    side += '\n'.join(rng.sample(UNITS, 2)) + '\nCorrespondence to: %s, %s' % (authors[corr], rng.choice(UNITS))
    main = [('Introduction\n', {'bold': True}), 'Outdoor work in the region is heavy and poorly studied. ' * 6]
    t = page.table([[(side, {'size': 8}), main]], widths_cm=[4.5, 12.5], size=10, align=['l', 'j'])
    t.autofit = False
    return _finish(page, rng, title, authors, year)


def chem_communication(rng):
    """A chemistry journal's communication: a band "COMMUNICATION" beside the journal's name, the
    title, the authors with letters and a star, one row with the received and accepted dates and DOI
    in a narrow left cell and the abstract on the right, a framed graphical abstract, then the
    lettered affiliations."""
    year = rng.randint(2010, 2026)
    title = rng.choice(CHEM_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    letters = [rng.choice('ab') if len(authors) > 1 else 'a' for _ in authors]
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.0)
    page.table([[('COMMUNICATION', {'bold': True}), (rng.choice(['Green Chemistry Letters', 'Journal of Applied Sorbents',
                                                                 'Environmental Chemistry Communications']), {'italic': True})]],
               widths_cm=[5.0, 12.0], size=10, align=['l', 'r'], shade=(0,), fill=rng.choice(['B4C6E7', 'C6E0B4', 'D9D9D9']))
    page.para('', after=10)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), after=8)
    by = []
    for k, (a, l) in enumerate(zip(authors, letters)):
        by += [a + ' ', (l + ('*' if k == len(authors) - 1 else ''), {'sup': True})]
        by.append(' and ' if k == len(authors) - 2 else ', ')
    page.para(by[:-1], size=11, after=12)
    dates = 'Received %d %s %d,\nAccepted %d %s %d\n\nDOI: 10.%d/c%dcc%05d' % (
        rng.randint(1, 28), rng.choice(['Jan', 'Mar', 'May']), year, rng.randint(1, 28), rng.choice(['Jul', 'Sep', 'Nov']), year,
        rng.randint(1000, 9999), year % 100, rng.randint(0, 99999))
    abstract = 'A low cost material made from local farm residues takes up the pollutant quickly and can be used again. ' * 3
    t = page.table([[(dates, {'size': 8}), (abstract, {'size': 10, 'bold': True})]], widths_cm=[4.0, 13.0], align=['l', 'j'])
    t.autofit = False
    page.para('', after=6)
    page.table([['\n\n[Graphical abstract]\n\n']], widths_cm=[17.0], size=9, align='c', grid=True)
    page.para('', after=6)
    for l, u in zip('ab', rng.sample(UNITS, 2 if 'b' in letters else 1)):
        page.para([(l, {'sup': True}), u + ', China. E-mail: %s@%s' % (authors[-1].split()[-1].lower(), 'chem-lab.cn')], size=8, after=0)
    return _finish(page, rng, title, authors, year)


def crop_report(rng):
    """A crop and soil research report title page: "Report No. YYYY/NN" at the top right, the
    academy's name, the title, then the authors grouped under their units (the unit in italics,
    then its people one to a line), the month and year, and "Prepared for" the funder."""
    year = rng.randint(2009, 2026)
    title = rng.choice(CROP_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    cut = rng.randint(1, len(authors)) if len(authors) > 1 else 1
    groups = [authors[:cut], authors[cut:]] if cut < len(authors) else [authors]
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    page.para('Report No. %d/%02d' % (year, rng.randint(1, 40)), size=10, align='r', after=rng.choice([30, 44]))
    page.para((rng.choice(['Fuxi Valley Crops Programme', 'Taihang Piedmont Agronomy Station', 'Wuling Hills Soil Network']),
               {'bold': True}), size=13, align='c', after=rng.choice([40, 60]))
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True}), align='c', after=rng.choice([30, 40]))
    for g, u in zip(groups, rng.sample(UNITS, len(groups))):
        page.para((u, {'italic': True}), size=10, align='c', after=2)
        for a in g:
            page.para((a, {'bold': True}), size=12, align='c', after=0)
        page.para('', after=10)
    page.para('%s %d' % (rng.choice(['March', 'June', 'October', 'December']), year), size=11, align='c', after=30)
    page.para('Prepared for: %s' % rng.choice(['Provincial Department of Agriculture', 'County Water Resources Bureau',
                                               'Rural Revitalisation Fund']), size=10, align='c', italic=True)
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-medjournal-summarypanel-affilcolumnbesideintro': med_summary,
             'gen-en-chemcommunication-receivedcellbesideabstract-graphicframe': chem_communication,
             'gen-en-cropreport-reportnumbertop-authorsgroupedbyunit': crop_report}
