"""Fifty-second English first pages, of kinds the earlier sets lack, in fisheries, limnology,
forestry, geology, soil and tea and nut growing subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Chagan Lake Winter Fishery', 'Shulan Black Soil Maize Fields', 'Shuangyang Sika Deer Farms',
            'Danjiangkou Reservoir Phytoplankton', 'Funiu Mountain Oak Stands', 'Dushan Jade Deposits', 'Lincang Macadamia Orchards',
            'Fengqing Ancient Tea Trees']
OCEAN_FRAMES = ['Seasonal Plankton Dynamics in {S}', 'Stable Isotopes Trace Carbon Flow through {S}',
                'Dissolved Oxygen Regimes and Fish Habitat in {S}', 'Ice Cover Shapes Nutrient Cycling in {S}']
ASTRO_FRAMES = ['Night Sky Brightness and Its Effect on Insects of {S}', 'Cosmogenic Nuclide Dating of Surfaces near {S}',
                'Satellite Thermal Imaging of {S}', 'Solar Radiation Budgets over {S}']
THESIS_FRAMES = ['Nutrition, Growth and Welfare in {S}', 'Soil Microbial Communities of {S}',
                 'Genetic Diversity and Conservation of {S}', 'Nitrogen Cycling and Yield in {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
UNITS = ['College of Animal Science and Technology, Jilin Agricultural Science and Technology University, Jilin 132101, China',
         'School of Life Sciences and Agricultural Engineering, Nanyang Normal University, Nanyang 473061, China',
         'College of Agriculture and Life Sciences, Dianxi Science and Technology Normal University, Lincang 677000, China',
         'Jilin Provincial Fisheries Research Station, Songyuan, China']


def _initials(name):
    parts = name.split()
    return '%s %s' % (parts[-1], ''.join(p[0] for p in parts[:-1]))


def cite_band_article(rng):
    """A limnology journal's research article: a shaded band at the top with "Cite this article:"
    (surnames and initials, year, title, journal), the kind, the title, an italic byline "by A, B and C",
    the affiliations, a framed Highlights box, then the abstract and keywords."""
    year = rng.randint(2010, 2026)
    title = rng.choice(OCEAN_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = rng.sample(['phytoplankton', 'ice cover', 'stable isotopes', 'reservoir', 'fish habitat', 'nutrients', 'hypoxia'], rng.randint(3, 5))
    journal = rng.choice(['Inland Waters and Fisheries', 'Journal of Cold Lake Science', 'Reservoir Ecology Letters'])
    page = Page(latin=rng.choice(FONTS), size=10, margins=rng.choice([2.0, 2.3]))
    cite = 'Cite this article: %s (%d) %s. %s %d:%d\u2013%d' % (', '.join(_initials(a) for a in authors), year, title, journal,
                                                               rng.randint(5, 40), rng.randint(1, 200), rng.randint(201, 400))
    page.table([[cite]], widths_cm=[17.0], size=8, align='l', shade=(0,), fill=rng.choice(['DEEAF6', 'E7E6E6', 'E2EFD9']))
    page.para(rng.choice(['RESEARCH ARTICLE', 'Original Research', 'ARTICLE']), size=9, bold=True, before=16, after=8)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), after=8)
    page.para('by ' + (' and '.join([', '.join(authors[:-1]), authors[-1]]) if len(authors) > 1 else authors[0]), size=11.5,
              italic=True, after=6)
    page.para('; '.join(rng.sample(UNITS, 2)), size=8, after=12)
    page.table([[[('Highlights\n', {'bold': True})] + ['\u2022 %s\n' % h for h in rng.sample(
        ['Ice cover delays the spring bloom.', 'Diatoms dominate under the ice.', 'Oxygen falls near the bottom in late winter.',
         'Fish shelter near inflows.'], 3)]]], widths_cm=[17.0], size=9, align='l', grid=True)
    page.para([('Abstract ', {'bold': True}), 'We sampled the water column monthly for three years and related the '
               'community to temperature, light and nutrients. ' * 3], size=9.5, align='j', before=10, after=4)
    page.para([('Keywords ', {'bold': True}), ' \u00b7 '.join(kws)], size=9, after=10)
    return _finish(page, rng, title, authors, year, kws)


def ampersand_proceedings(rng):
    """A workshop's proceedings paper: the proceedings line in italics, the title centred in bold, the
    byline with superscript numbers and "&" before the last name, the affiliations numbered in italics,
    run-in "Abstract." and "Keywords.", and a copyright line at the foot."""
    year = rng.randint(2009, 2026)
    title = rng.choice(ASTRO_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    nums = [rng.randint(1, 2) for _ in authors]
    nums[0] = 1
    kws = rng.sample(['light pollution', 'remote sensing', 'radiation budget', 'surface dating', 'field photometry', 'insects'], rng.randint(3, 4))
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.5)
    page.para('Proceedings of the %s Workshop on Small Telescopes and Field Photometry, %d' % (rng.choice(['Fourth', 'Sixth', 'Ninth']), year),
              size=8.5, italic=True, align='l', rule='bottom', after=24)
    page.para((title, {'size': rng.choice([15, 16, 17]), 'bold': True}), align='c', after=10)
    runs = []
    for k, (a, n) in enumerate(zip(authors, nums)):
        runs += [(' & ' if k == len(authors) - 1 else ', ') if k else '', a + ' ', (str(n), {'sup': True})]
    page.para(runs, size=11, align='c', after=6)
    for n in sorted(set(nums)):
        page.para([(str(n), {'sup': True}), UNITS[n if n < 2 else 2]], size=8.5, italic=True, align='c', after=0)
    page.para([('Abstract. ', {'bold': True}), 'We describe low cost measurements made over several seasons and compare '
               'them with satellite products. ' * 3], size=9.5, align='j', before=16, after=6)
    page.para([('Keywords. ', {'bold': True}), ', '.join(kws)], size=9, after=12)
    page.para('The field sites lie in rural counties with little artificial light. ' * 5, size=10, align='j', after=12)
    page.para('\u00a9 %d Asian Workshop on Small Telescopes' % year, size=8, align='c', rule='top', after=0)
    return _finish(page, rng, title, authors, year, kws)


def prior_degrees_thesis(rng):
    """A doctoral thesis title page: the title, "by", the candidate with the earlier degrees on the
    line under the name, the fulfilment statement, a framed crest, the school and the month and year,
    and at the foot the principal supervisor and a co-supervisor (no authors)."""
    year = rng.randint(2010, 2026)
    title = rng.choice(THESIS_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    principal, co = _names(rng, 2, [author])
    page = Page(latin=rng.choice(FONTS), size=12, margins=2.5)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': rng.random() < 0.6}), align='c', before=30, after=24)
    page.para('by', size=12, italic=True, align='c', after=12)
    page.para((author, {'size': 16, 'bold': True}), align='c', after=2)
    page.para(rng.choice(['BSc (Agriculture), MSc', 'BSc, MSc (Animal Science)', 'BAgrSc (Hons), MPhil']), size=11, align='c', after=30)
    page.para('A thesis submitted in fulfilment of the requirements for the degree of %s' % rng.choice(
        ['Doctor of Philosophy', 'Doctor of Philosophy in Agricultural Science']), size=12, align='c', after=24)
    t = page.table([['[University crest]']], widths_cm=[4.0], size=9, grid=True)
    t.autofit = False
    page.para(rng.choice(UNITS[:3]).rsplit(',', 2)[0], size=12, align='c', before=24, after=6)
    page.para('%s %d' % (rng.choice(['February', 'July', 'December']), year), size=12, align='c', after=50)
    page.para('Principal supervisor: %s %s' % (rng.choice(['Professor', 'Associate Professor', 'Dr']), principal), size=10, align='l', after=2)
    page.para('Co-supervisor: %s %s' % (rng.choice(['Dr', 'Professor']), co), size=10, align='l', after=0)
    page, rec = _finish(page, rng, title, [author], year)
    rec['supervisor'] = principal
    return page, rec


TEMPLATES = {'gen-en-limnologyjournal-citethisbandtop-italicbybyline-highlightsframe': cite_band_article,
             'gen-en-fieldphotometry-proceedings-ampersandbyline-italicnumberedaffils-copyrightfoot': ampersand_proceedings,
             'gen-en-agriphd-titlepage-priordegreesundername-crestframe-supervisorsfoot': prior_degrees_thesis}
