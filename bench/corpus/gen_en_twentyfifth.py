"""Twenty-fifth English first pages: a submitted manuscript with numbered lines, an engineering
congress paper under its paper number, and a thesis abstract page naming the major professor, in
subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
from zhkit import sized_table
import vocab

# titles carry no hyphens: a word broken at its hyphen at the end of a line loses it in the text layer
MS_SUBJECTS = ['Ionic Rare Earth Leaching', 'Tungsten Tailings Revegetation', 'Soda Saline Soil Amendments',
               'Cold Region Rice Chilling Injury', 'Smelter Slag Weathering']
CONF_SUBJECTS = ['Copper Smelter Dust', 'Tungsten Tailings Slurry', 'Rare Earth Extraction Column',
                 'Grain Dryer Exhaust', 'Rice Transplanter Gearbox']
THESIS_SUBJECTS = ['Low Orbit Satellite Routing', 'Vehicular Network Privacy', 'Calf Diarrhea Probiotics',
                   'Soda Saline Soil Amendments', 'Cold Region Rice Chilling Injury']
SUBJECTS = sorted(set(MS_SUBJECTS + CONF_SUBJECTS + THESIS_SUBJECTS))
MS_FRAMES = ['{S} under Changing Rainfall', 'Controls on {S}: Evidence from Field Plots',
             'Modeling {S} at the Basin Scale', 'Seasonal Patterns of {S}', 'A Reassessment of {S}']
CONF_FRAMES = ['Heat Transfer Analysis of {S} Equipment', 'Design and Testing of a Rig for {S}',
               'Numerical Study of Flow in {S} Systems', 'Reliability of Pumps Used in {S}',
               'Vibration Measurements on {S} Machinery', 'Wear of Components in {S} Handling']
THESIS_FRAMES = ['A Study of {S}', 'Toward Better {S}', 'An Assessment of {S}', '{S}: Experiments and Observations',
                 'New Methods for {S}']
JOURNALS = ['Water Resources Research', 'Journal of Geophysical Research: Biogeosciences', 'Earth and Space Science',
            'Global Biogeochemical Cycles']
CONGRESSES = [('International Mechanical Engineering Congress and Exposition', 'IMECE'),
              ('Heat Transfer Summer Conference', 'HT'), ('Fluids Engineering Division Summer Meeting', 'FEDSM'),
              ('Power Conference', 'POWER')]
DEPTS = ['Civil and Environmental Engineering', 'Plants, Soils, and Climate', 'Animal, Dairy, and Veterinary Sciences',
         'Electrical and Computer Engineering', 'Biological Engineering']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def manuscript_lines(rng):
    """A manuscript as submitted to a geoscience journal: "manuscript submitted to" the journal at the
    head, then every line numbered in the margin: the title, the authors with affiliation numbers, the
    affiliations, the corresponding author, the key points and the start of the abstract."""
    year = rng.randint(2012, 2026)
    title = rng.choice(MS_FRAMES).format(S=rng.choice(MS_SUBJECTS))
    n = rng.randint(1, 5)
    authors = _names(rng, n)
    univs = rng.sample(vocab.EN_UNIVS, 2)
    marks = ['1' if k == 0 or rng.random() < 0.6 else '2' for k in range(n)]
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea', 'Linux Libertine O']), size=11,
                margins=2.2)
    page.para(('manuscript submitted to %s' % rng.choice(JOURNALS), {'italic': True}), size=9, align='c', after=12)
    byline = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        byline += [a + '\u2009', (m, {'sup': True})]
        if k < n - 1:
            byline.append(', ')
    lines = [[(title, {'bold': True, 'size': rng.choice([14, 16])})], [''], byline, [''],
             [('1', {'sup': True}), '%s, %s, %s' % univs[0]], [('2', {'sup': True}), '%s, %s, %s' % univs[1]], [''],
             ['Corresponding author: %s (%s@example.edu)' % (authors[0], authors[0].split()[-1].lower())], [''],
             [('Key Points:', {'bold': True})]]
    for p in ['%s responds strongly to seasonal wetting and drying' % title.split(':')[0],
              'Field data from %d sites constrain the model' % rng.randint(3, 30),
              'Results point to simple changes in practice']:
        lines.append(['\u2022\u2003' + p])
    lines += [[''], [('Abstract', {'bold': True})],
              ['We combine field measurements with a simple model to explain what controls the observed patterns.'],
              ['The data were gathered over %d years and the model reproduces most of their variance.'
               % rng.randint(2, 9)]]
    first = rng.choice([1, 1, 1, 5, 12])
    sized_table(page, [[(str(first + k), {'size': 8}), row] for k, row in enumerate(lines)], [1.0, 15.5],
               align=['r', 'l'], size=11)
    page.para('', after=6)
    page.para('Submitted %s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year), size=9, italic=True, align='r')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def congress_paper(rng):
    """An engineering congress paper: the proceedings' name, place and dates right-aligned in italics
    with the paper number in bold, the title, then each author (in small capitals on most) over his department and
    university, centred, and the abstract."""
    year = rng.randint(2005, 2026)
    title = rng.choice(CONF_FRAMES).format(S=rng.choice(CONF_SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    conf, short = rng.choice(CONGRESSES)
    page = Page(latin=rng.choice(['Liberation Serif', 'Liberation Sans', 'DejaVu Serif']), size=10, margins=2.0)
    page.para(('Proceedings of the ASME %d %s\n%s%d\n%s %d\u2013%d, %d, %s' % (
        year, conf, short, year, rng.choice(MONTHS), rng.randint(1, 20), rng.randint(21, 28), year,
        rng.choice(['Salt Lake City, UT, USA', 'Pittsburgh, PA, USA', 'Columbus, OH, USA', 'Virtual, Online'])),
               {'italic': True, 'bold': rng.random() < 0.5}), size=10, align='r', after=4)
    page.para(('%s%d\u2011%05d' % (short, year, rng.randint(1000, 99999)), {'bold': True, 'size': 12}), align='r',
              rule=rng.choice([None, 'bottom']), after=24)
    page.para((title, {'bold': True, 'size': rng.choice([13, 14]), 'smallcaps': rng.random() < 0.5}),
              align='c', after=16)
    for a in authors:
        u = rng.choice(vocab.EN_UNIVS)
        page.para((a, {'bold': True, 'smallcaps': rng.random() < 0.7}), size=10, align='c', after=0)
        dept = rng.choice(['Mechanical Engineering', 'Energy and Power Engineering', 'Mining Engineering'])
        page.para('Department of %s\n%s\n%s, %s' % (dept, u[0], u[1], u[2]),
                  size=9.5, align='c', after=10)
    page.para('', after=8)
    page.para(('ABSTRACT', {'bold': True}), size=10, align='c', after=4)
    page.para('This paper reports measurements and simulations of the equipment under steady and transient loads. '
              'The results agree within the stated uncertainty and suggest simple changes in design. ' * 2,
              size=10, align='j', after=6)
    page.para(('NOMENCLATURE', {'bold': True}), size=10, after=2)
    page.para('h\u2003heat transfer coefficient\nQ\u2003flow rate\nRe\u2003Reynolds number', size=9.5)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def thesis_abstract(rng):
    """A thesis abstract page in the style of many American graduate schools: ABSTRACT, the title, "by"
    the candidate, the university and year, the major professor and the department, then the abstract
    double-spaced and a roman page number."""
    year = rng.randint(2000, 2026)
    title = rng.choice(THESIS_FRAMES).format(S=rng.choice(THESIS_SUBJECTS))
    student, prof = _names(rng, 2)
    univ = rng.choice(vocab.EN_UNIVS)[0]
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea']), size=12, margins=2.5)
    page.para(('ABSTRACT', {'bold': rng.random() < 0.5}), size=12, align='c', after=18)
    page.para((title, {'bold': rng.random() < 0.4}), size=12, align='c', after=12)
    page.para('by', size=12, align='c', after=6)
    page.para(student + rng.choice(['', ', Master of Science', ', Doctor of Philosophy']), size=12, align='c', after=6)
    page.para('%s, %d' % (univ, year), size=12, align='c', after=18)
    page.para([rng.choice(['Major Professor: ', 'Major Professor: Dr. ', 'Major Professor: Prof. ']), prof], size=12,
              align='l', after=0)
    page.para('Department: %s' % rng.choice(DEPTS), size=12, align='l', after=18)
    page.para('This work examines the question through field trials and laboratory tests carried out over several '
              'seasons, and compares the outcomes with those reported elsewhere. ' * 3, size=12, align='j', indent=36,
              line=2.0, after=24)
    page.para('(%d pages)' % rng.randint(60, 240), size=12, align='r', after=30)
    page.para(rng.choice(['iii', 'ii', 'iv']), size=11, align='c')
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=prof)


TEMPLATES = {'gen-en-manuscript-linenumbered': manuscript_lines, 'gen-en-asme-papernumber': congress_paper,
             'gen-en-thesis-abstractmajorprof': thesis_abstract}
