"""More English first pages, unlike the first set: a journal banner in capitals over a
research-article page with names separated by bars, a left-aligned workshop paper with one author
a line and e-mail under each, a British thesis title page, and a society newsletter article with
the byline after the title. Subjects come from other fields than the first set."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta

FORMS = ['{A} Responses of {O} to {D}', 'Long-Term Trends in {O} under {D}', 'How {D} Shapes {O}: Evidence from {P}',
         '{O} and {D} in {P}', 'Rethinking {O} after {D}', 'Measuring {O} in {P}: A Mixed-Methods Study']
ADJ = ['Divergent', 'Nonlinear', 'Delayed', 'Seasonal', 'Heterogeneous', 'Contrasting']
OBJECTS = ['Pollinator Communities', 'Household Savings', 'Reading Comprehension', 'Hospital Readmissions',
           'Coastal Wetlands', 'Migrant Labour', 'Soil Carbon Stocks', 'Civic Participation', 'Bird Migration']
DRIVERS = ['Drought', 'Minimum Wage Reform', 'Remote Teaching', 'Warming Winters', 'Urban Expansion',
           'Pension Reform', 'Invasive Species', 'Tariff Shocks']
PLACES = ['Northern Europe', 'Rural Kenya', 'the Andes', 'Coastal Bangladesh', 'Post-War Britain', 'the Great Plains']
UNIVS = [('University of Edinburgh', 'Edinburgh', 'UK'), ('University of Toronto', 'Toronto', 'Canada'),
         ('Uppsala University', 'Uppsala', 'Sweden'), ('University of Cape Town', 'Cape Town', 'South Africa'),
         ('Australian National University', 'Canberra', 'Australia'), ('University of Leeds', 'Leeds', 'UK')]
DEPTS = ['School of Biological Sciences', 'Department of Economics', 'Institute of Education',
         'Department of Geography', 'School of Public Health', 'Department of History']
JOURNALS = ['JOURNAL OF APPLIED ECOLOGY', 'ECONOMIC POLICY REVIEW', 'LEARNING AND INSTRUCTION',
            'GLOBAL CHANGE BIOLOGY', 'HEALTH SERVICES RESEARCH', 'SOCIAL HISTORY QUARTERLY']
KWS = ['climate', 'panel data', 'field survey', 'meta-analysis', 'policy evaluation', 'biodiversity', 'inequality',
       'longitudinal study', 'qualitative interviews']
BODY = ('We combine long-term monitoring with a natural experiment to estimate the effect and its variation. '
        'The estimates are robust to alternative specifications and suggest clear implications for policy.')


def _title(rng):
    return rng.choice(FORMS).format(A=rng.choice(ADJ), O=rng.choice(OBJECTS), D=rng.choice(DRIVERS),
                                    P=rng.choice(PLACES))


def _setup(rng, lo=1, hi=5):
    year = rng.randint(2000, 2025)
    title = _title(rng)
    names = distinct(rng, en_person, rng.randint(lo, hi))
    kws = rng.sample(KWS, rng.randint(3, 5))
    page = Page(latin=rng.choice(LATIN_FONTS), size=rng.choice([9.5, 10, 11]), margins=rng.choice([1.8, 2.2, 2.5]))
    return page, year, title, names, kws


def _affil(rng):
    u = rng.choice(UNIVS)
    return '%s, %s, %s, %s' % (rng.choice(DEPTS), u[0], u[1], u[2])


def banner_article(rng):
    """An all-capitals journal banner, the article type, the title, names separated by bars with
    numbered marks, affiliations, a correspondence line and a boxed summary."""
    page, year, title, names, kws = _setup(rng)
    page.para((rng.choice(JOURNALS), {'bold': True, 'size': rng.choice([14, 16])}), align=rng.choice('lc'), after=2)
    page.para('Received: %d %s %d  |  Accepted: %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year - 1,
                                                              rng.randint(1, 28), rng.choice(MONTHS), year),
              size=8, rule='bottom', after=10)
    page.para((rng.choice(['RESEARCH ARTICLE', 'ORIGINAL RESEARCH', 'Research Paper']), {'bold': True}), size=9, after=8)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True}), align='l', after=10)
    n_aff = min(len(names), rng.randint(1, 3))
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        if n_aff > 1:
            runs.append((str(1 + i % n_aff), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append('  |  ')
    page.para(runs, size=11, after=6)
    for i in range(n_aff):
        page.para([(str(i + 1) if n_aff > 1 else '', {'sup': True, 'size': 6}), _affil(rng)], size=8, after=0)
    page.para('Correspondence: %s, %s@example.ac.uk' % (names[0], names[0].split()[-1].lower().replace("'", '')),
              size=8, before=4, after=8)
    page.table([[[('Abstract', {'bold': True}), (' ' + BODY, {})]], [[('KEYWORDS', {'bold': True}),
                                                                   (' ' + ', '.join(kws), {})]]],
               grid=True, size=9, align='l')
    page.para(BODY * 3, align='j', before=10)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def workshop_stacked(rng):
    """Left-aligned workshop paper: a workshop line, the title, one author a line with the e-mail below it."""
    page, year, title, names, kws = _setup(rng, 1, 4)
    page.para('%s Workshop on %s, %s %d' % (rng.choice(['2nd', '3rd', '5th', '7th', '10th']), rng.choice(OBJECTS),
                                             rng.choice(PLACES), year), size=8.5, italic=True, after=20)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='l', after=14)
    for n in names:
        page.para((n, {'bold': rng.random() < 0.5}), size=11, after=0)
        u = rng.choice(UNIVS)
        page.para('%s, %s' % (u[0], u[2]), size=9, after=0, italic=True)
        page.para('%s.%s@example.org' % (n.split()[0].lower().rstrip('.'), n.split()[-1].lower().replace("'", '')),
                  size=8.5, after=6, font='DejaVu Sans Mono')
    page.para([('Abstract. ', {'bold': True}), BODY], size=9.5, align='j', before=10)
    page.para([('Keywords: ', {'italic': True}), ' · '.join(kws)], size=9, after=8)
    page.para(BODY * 2, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def thesis_uk(rng):
    """A British thesis title page: the university in capitals at the top, the title, the author,
    "Thesis submitted for the degree of", the department and the year."""
    page, year, title, names, kws = _setup(rng, 1, 1)
    u = rng.choice(UNIVS)
    page.para((u[0].upper(), {'size': 16, 'bold': True}), align='c', before=10, after=50)
    page.para((title, {'size': rng.choice([20, 24])}), align='c', after=40)
    page.para((names[0], {'size': 14}), align='c', after=40)
    page.para('Thesis submitted for the degree of %s' % rng.choice(['Doctor of Philosophy', 'Master of Philosophy',
                                                                   'Doctor of Medicine']), align='c', size=12)
    page.para(rng.choice(DEPTS), align='c', size=12)
    page.para('%s %d' % (rng.choice(MONTHS), year), align='c', size=12, before=30)
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'en', None, meta=meta)


def newsletter_byline(rng):
    """A society newsletter article: issue banner, the title, then "By A and B" after it, then the text."""
    page, year, title, names, kws = _setup(rng, 1, 3)
    page.para(('THE %s NEWSLETTER' % rng.choice(['ECOLOGY', 'HISTORY', 'ECONOMICS', 'EDUCATION']), {'bold': True}),
              align='c', size=12, after=0)
    page.para('Issue %d · %s %d' % (rng.randint(10, 120), rng.choice(MONTHS), year), align='c', size=9,
              rule='bottom', after=16)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='l', after=8)
    if len(names) == 1:
        byline = names[0]
    else:
        byline = ', '.join(names[:-1]) + ' and ' + names[-1]
    page.para(('By ' + byline, {'italic': True}), size=11, after=12)
    page.para(BODY * 4, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, [], 'en', None, meta=meta)


TEMPLATES = {
    'gen-en-banner-article': banner_article,
    'gen-en-workshop-stacked': workshop_stacked,
    'gen-en-thesis-uk': thesis_uk,
    'gen-en-newsletter-byline': newsletter_byline,
}
