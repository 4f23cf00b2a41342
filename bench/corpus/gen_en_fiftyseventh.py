"""Fifty-seventh English first pages, of kinds the earlier sets lack, in arts education, heritage,
labour and rural economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Huzhou Brush Makers', 'Linhai Old Town Residents', 'Xianju Village Collectives', 'Taizhou Family Firms',
            'Xianyang Opera Troupes', 'Sanyuan Tea Merchants', 'Nanxun Silk Merchant Families', 'Changxing Tea Schools']
ARTICLE_FRAMES = ['Teaching Craft in School: Lessons from {S}', 'Apprenticeship and Identity among {S}',
                  'Heritage, Memory and Learning in {S}', 'Performing the Past: Arts Education and {S}']
REPORT_FRAMES = ['Work, Pay and Skills among {S}', 'Land, Income and Welfare of {S}',
                 'Social Protection and {S}: A Field Survey', 'Succession and Employment in {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
SCHOOLS = ['Huzhou University', 'Taizhou University', 'Xizang Minzu University']
JOURNALS = ['Journal of Arts and Heritage Education', 'Craft, Culture and Learning', 'Studies in Community Arts Education']


def arts_education_article(rng):
    """An arts education journal article: a ruled head row with the journal and volume left and the
    DOI right, the title, a byline of names separated by vertical bars, each with a superscript
    symbol (*, dagger, double dagger, section), the affiliations keyed by them, ABSTRACT and
    KEYWORDS (bullet separated) headings in small capitals, an ARTICLE HISTORY line, and the text
    in two columns."""
    year = rng.randint(2010, 2026)
    title = rng.choice(ARTICLE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = rng.sample(['arts education', 'intangible heritage', 'apprenticeship', 'craft learning', 'Zhejiang', 'Shaanxi',
                      'museum education', 'teacher identity'], rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10, margins=rng.choice([2.0, 2.4]))
    t = page.table([['%s, %d, Vol. %d, No. %d' % (rng.choice(JOURNALS), year, year - rng.choice([1995, 2004]), rng.randint(1, 4)),
                     'https://doi.org/10.%d/%05d' % (rng.randint(1000, 9999), rng.randint(0, 99999))]], widths_cm=[11.0, 6.0], size=8)
    t.autofit = False
    page.para('', rule='bottom', after=rng.choice([18, 26]))
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.6}), align='l', after=12)
    marks = '*\u2020\u2021\u00a7'
    sep = rng.choice([' | ', '  |  '])
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (marks[k], {'sup': True}), sep]
    page.para(runs[:-1], size=11.5, align='l', after=6)
    for k in range(len(authors)):
        page.para([(marks[k], {'sup': True}),
                   '%s, %s, China' % (rng.choice(['School of Arts', 'School of Teacher Education', 'School of Humanities']),
                                      rng.choice(SCHOOLS))], size=8.5, align='l', after=0, italic=True)
    page.para('', after=12)
    page.para(('Abstract', {'smallcaps': True, 'bold': True}), size=10, after=2, rule='bottom')
    page.para('Drawing on classroom observation and interviews with masters and teachers, this article asks how a local craft '
              'is taught when it moves from the workshop to the school. ' * 2, size=9.5, align='j', after=8)
    page.para(('Keywords', {'smallcaps': True, 'bold': True}), size=10, after=2, rule='bottom')
    page.para(' \u2022 '.join(kws), size=9.5, after=8)
    page.para([('Article history ', {'smallcaps': True, 'bold': True}),
               'Received %d %s %d; Accepted %d %s %d' % (rng.randint(1, 28), rng.choice(['March', 'June', 'October']), year - 1,
                                                         rng.randint(1, 28), rng.choice(['January', 'April', 'May']), year)],
              size=8.5, after=14)
    page.columns(2)
    page.para('Crafts that were once learned at the bench are now taught in classrooms, clubs and museums. ' * 4, size=10,
              align='j', indent=14, after=6)
    return _finish(page, rng, title, authors, year, kws)


def social_policy_report(rng):
    """A social policy research unit's report cover: a shaded band with the report series and
    number, the title, a framed summary, and only then, low on the page, an "Authors" heading over a
    table of two columns (name, affiliation), one line with the commissioning office and the month
    of publication, and a note on citing under a rule."""
    year = rng.randint(2011, 2026)
    title = rng.choice(REPORT_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    t = page.table([[('RESEARCH REPORT %d/%02d' % (year, rng.randint(1, 24)), {'bold': True}),
                      rng.choice(['Rural Labour Research Unit', 'Centre for Social Policy Studies', 'Heritage and Livelihoods Programme'])]],
                   widths_cm=[7.0, 9.0], size=10, shade=(0, 1), fill=rng.choice(['D9D9D9', 'DDEBF7', 'E2EFDA']))
    t.autofit = False
    page.para('', after=rng.choice([50, 70]))
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': True}), align=rng.choice(['l', 'c']), after=rng.choice([30, 40]))
    t = page.table([[[('Summary\n', {'bold': True}), 'This report draws on a household and workplace survey to describe earnings, '
                      'working conditions and access to social insurance, and sets out options for the local government.']]],
                   widths_cm=[16.0], size=10, align='l', grid=True)
    t.autofit = False
    page.para('', after=rng.choice([60, 90]))
    page.para(('Authors', {'bold': True}), size=12, align='l', rule='bottom', after=4)
    rows = [[a, '%s, %s' % (rng.choice(['Department of Economics', 'School of Law', 'School of Sociology']), rng.choice(SCHOOLS))]
            for a in authors]
    t = page.table(rows, widths_cm=[5.0, 11.0], size=10.5, align='l', grid=rng.random() < 0.5)
    t.autofit = False
    office = rng.choice(['Taizhou Municipal Human Resources Bureau', 'Zhejiang Provincial Federation of Trade Unions',
                         'Huzhou Bureau of Culture and Tourism'])
    page.para([('Commissioned by ', {'italic': True}), office, ' \u00b7 ', ('Published ', {'italic': True}),
               '%s %d' % (rng.choice(['February', 'July', 'December']), year)], size=10, before=14, after=30)
    page.para('Please cite this report as given on the unit\u2019s website. The views are those of the authors.', size=8.5,
              rule='top', after=0)
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-artseducationjournal-doiheadright-pipebyline-smallcapsheadings-articlehistory': arts_education_article,
             'gen-en-socialpolicyunit-researchreport-seriesband-summaryframe-authorsaffiliationtablelow': social_policy_report}
