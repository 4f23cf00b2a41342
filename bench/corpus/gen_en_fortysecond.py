"""Forty-second English first pages, of kinds the earlier sets lack, in medicine, computing and
environment subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Sanjiang Plain Wetlands', 'Fuyuan Kaluga Sturgeon Hatcheries', 'Jingpo Lake Cyanobacterial Blooms',
            'Suifenhe Border Port Screening', 'Amur River Ice Jams', 'Cold-Region Solar Greenhouses',
            'Albic Soil Drainage Trials', 'Hailin Mushroom Farm Workers']
LETTER_FRAMES = ['Microcystin Exposure Among Residents Near {S}', 'Respiratory Symptoms in {S}',
                 'Zoonotic Pathogen Carriage at {S}', 'Cold Injury Admissions Linked to {S}']
SRC_FRAMES = ['Learning to Forecast {S} from Sparse Sensors', 'Edge Inference for Monitoring {S}',
              'A Graph Neural Network for {S}', 'Detecting Change in {S} with Weak Labels']
MS_FRAMES = ['Nitrogen Retention and Greenhouse Gas Fluxes in {S}', 'Seasonal Water Quality Dynamics of {S}',
             'Heavy Metal Accumulation in Soils of {S}', 'Microbial Community Shifts Across {S}']
DEGREES = ['MD', 'PhD', 'MD, PhD', 'MPH', 'DVM', 'MSc', 'BSc']


def research_letter(rng):
    """A medical journal's research letter: the journal and the article type over a rule, the title,
    no byline; the text under run-in heads, then the authors after the text, each with degrees,
    parted by semicolons, and the article information (accepted, published, affiliations,
    corresponding author)."""
    year = rng.randint(2012, 2026)
    # the letter's large title runs wide: a hyphenated subject would be broken at its hyphen
    title = rng.choice(LETTER_FRAMES).format(S=rng.choice([s for s in SUBJECTS if '-' not in s]))
    authors = _names(rng, rng.randint(1, 5))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Liberation Sans', 'Carlito']), size=10, margins=2.2)
    page.table([[(rng.choice(['Northern Public Health Letters', 'Journal of Cold-Region Medicine', 'Frontier Clinical Reports']),
                  {'bold': True}), 'Research Letter']], widths_cm=[12.0, 4.5], size=9.5, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((title, {'size': rng.choice([17, 19, 21]), 'bold': True}), align='l', after=14)
    for head in ('Methods', 'Results', 'Discussion'):
        page.para([(head + ' ', {'bold': True}),
                   'We analysed records from surveillance sites and clinics over several seasons, compared rates '
                   'between exposed and unexposed groups, and adjusted for age, sex and occupation.'], align='j', after=6)
    page.para('; '.join('%s, %s' % (a, rng.choice(DEGREES)) for a in authors), bold=True, size=10, after=10)
    info = [('Accepted for Publication: ', '%s %d, %d.' % (rng.choice(MONTHS), rng.randint(1, 28), year)),
            ('Published Online: ', '%s %d, %d.' % (rng.choice(MONTHS), rng.randint(1, 28), year)),
            ('Author Affiliations: ', '; '.join('Department of %s, %s, %s' % (rng.choice(['Epidemiology', 'Medicine',
                                                                                           'Environmental Health']), u[0], u[1])
                                                for u in univs) + '.'),
            ('Corresponding Author: ', '%s, %s (%s@example.org).' % (authors[-1], univs[0][0],
                                                                     authors[-1].split()[-1].lower()))]
    page.para(('Article Information', {'bold': True}), size=9, rule='top', after=2)
    for lab, val in info:
        page.para([(lab, {'bold': True}), val], size=8.5, after=1)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def src_abstract(rng):
    """A student research competition's extended abstract in computing: the competition and the
    meeting over a rule, the title, the student authors with their department and e-mail, then
    their advisor on a line of his own ("Advisor: Dr X"), and the abstract and the first section in
    two columns."""
    year = rng.randint(2014, 2026)
    title = rng.choice(SRC_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 2))
    sup = _names(rng, 1, authors)[0]
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Liberation Serif', 'DejaVu Sans']), size=10,
                margins=2.0)
    page.para('Student Research Competition \u2014 %s %d' % (rng.choice(['Symposium on Sensing Systems',
                                                                         'Conference on Environmental Computing',
                                                                         'Workshop on Embedded Learning']), year),
              size=9, italic=True, align='c', rule='bottom', after=18)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=10)
    for a in authors:
        page.para((a, {'size': 12}), align='c', after=0)
    page.para('Department of Computer Science, %s' % univ[0], size=10, align='c', after=0)
    page.para(', '.join(a.split()[-1].lower() + '@example.edu' for a in authors), size=9.5, align='c', after=6)
    page.para('%s: %s%s' % (rng.choice(['Advisor', 'Research Advisor', 'Supervised by']),
                            rng.choice(['Dr ', 'Dr. ', 'Prof. ', '']), sup), size=10, italic=True, align='c', after=14)
    page.columns(2)
    page.para(('ABSTRACT', {'bold': True}), size=10, after=2)
    page.para('We present a method that learns from a few sensors and satellite images, runs on a low-power '
              'device and reports its uncertainty. On two seasons of field data it reduces the error of the '
              'baseline while using a fraction of its energy.', align='j', after=8)
    page.para(('1 PROBLEM AND MOTIVATION', {'bold': True}), size=10, after=2)
    page.para('Monitoring in remote cold regions is limited by power, bandwidth and the cost of labelling. '
              'Existing models assume dense observations that such sites rarely have. ' * 3, align='j', after=8)
    page.para(('2 BACKGROUND AND RELATED WORK', {'bold': True}), size=10, after=2)
    page.para('Earlier work on sparse sensing and on compressed neural networks suggests that both problems '
              'can be treated together when the model is trained with the deployment in mind. ' * 3, align='j')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta, supervisor=sup)


def manuscript_titlepage(rng):
    """A submitted manuscript's title page in environment science: the article type, the title, the
    authors with affiliation numbers, the numbered affiliations, then label lines: running title,
    corresponding author, keywords, word counts, figures and tables, and the date of the revision."""
    year = rng.randint(2011, 2026)
    title = rng.choice(MS_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, 2))
    kws = rng.sample(['wetland', 'nitrogen', 'water quality', 'cold region', 'soil', 'microbial ecology',
                      'remote sensing', 'greenhouse gases'], rng.randint(3, 5))
    page = Page(latin=rng.choice(['Liberation Serif', 'Liberation Sans', 'Caladea']), size=12,
                margins=2.5)
    page.para(rng.choice(['Original Research Article', 'Research Paper', 'Full-length article']), size=11,
              italic=True, after=12)
    page.para((title, {'size': rng.choice([14, 16]), 'bold': True}), align=rng.choice(['c', 'l']), after=12, line=1.5)
    runs = []
    for k, a in enumerate(authors):
        # the comma comes before the mark, and the corresponding author's star before the number
        last = k == len(authors) - 1
        runs.append(a + ('' if last else ','))
        runs.append(('%s%d' % ('*' if last else '', 1 if k == 0 else rng.randint(1, len(univs))), {'sup': True}))
        if not last:
            runs.append(' ')
    page.para(runs, align='c', after=10, line=1.5)
    for k, u in enumerate(univs):
        page.para([('%d' % (k + 1), {'sup': True}), 'Department of Environmental Science, %s, %s, %s' % (u[0], u[1], u[2])],
                  size=11, align='l', after=2)
    page.para('', after=10)
    lines = [('Running title: ', title.split(' in ')[0].split(' of ')[0][:50]),
             ('Corresponding author: ', '%s, %s. E-mail: %s@example.org' % (authors[-1], univs[0][0],
                                                                               authors[-1].split()[-1].lower())),
             ('Keywords: ', '; '.join(kws)),
             ('Word count: ', 'abstract %d; main text %d' % (rng.randint(180, 300), rng.randint(4000, 8000))),
             ('Figures and tables: ', '%d figures; %d tables' % (rng.randint(2, 8), rng.randint(1, 5))),
             (rng.choice(['Revised manuscript submitted: ', 'Date of submission: ']),
              '%d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year))]
    for lab, val in lines:
        page.para([(lab, {'bold': True}), val], size=11, after=6, line=1.5)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-coldregionmed-researchletter-authorsaftertext-articleinfo': research_letter,
             'gen-en-envcomputing-srcabstract-advisorline-twocolumn': src_abstract,
             'gen-en-wetlandscience-manuscripttitlepage-runningtitle-wordcounts': manuscript_titlepage}
