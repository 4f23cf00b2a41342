"""Thirty-ninth English first pages, of kinds the earlier sets lack, in education policy and business
subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Shaoyang Indigo Dye Workshops', 'Tantou Woodblock Print Makers', 'Langshan Scenic Area',
            'Hongjiang Merchant Guildhalls', 'Tongdao Dong Song Festivals', 'Rucheng Rural Boarding Schools',
            'Guiyang Xiangkun Opera Troupes', 'Jiahe Bridal Lament Singers']
POLICY_FRAMES = ['Keeping Teachers in Rural Schools: Evidence from {S}', 'Funding, Staffing and Learning in {S}',
                 'Heritage Education and Local Livelihoods: {S}', 'Who Pays for Culture? Public Support for {S}']
BUSINESS_FRAMES = ['Family Firms and Brand Renewal: The Case of {S}', 'Pricing, Visitors and Revenue Sharing at {S}',
                   'Digital Marketing Strategies for {S}', 'Succession and Governance in {S}']
INSTITUTES = ['Institute for Rural Education Policy', 'Centre for Cultural Economy and Policy',
              'Hunan Policy Research Forum']


def cited_as(name):
    """A name as a reference list gives it: "Smith, J. Q."."""
    parts = name.split()
    return '%s, %s' % (parts[-1], ' '.join(p[0] + '.' for p in parts[:-1]))


def citation_report(rng):
    """An education or culture policy institute's research report cover: the series number on the
    left and the institute on the right of the head, the title large flush left, the authors one a
    line with their post after a comma, a shaded box with the suggested citation (surnames and
    initials), a note about the report, and the month and year at the foot."""
    year = rng.randint(2010, 2026)
    title = rng.choice(POLICY_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    institute = rng.choice(INSTITUTES)
    number = 'RR-%d-%02d' % (year, rng.randint(1, 40))
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=11, margins=2.5)
    page.table([[('Research Report %s' % number, {'bold': True}), institute]], widths_cm=[8.0, 8.0], size=9.5,
               align=['l', 'r'])
    page.para('', rule='bottom', after=70)
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': True}), align='l', after=24)
    for a in authors:
        page.para([(a, {'bold': True}), ', ' + rng.choice(['Senior Researcher', 'Research Fellow', 'Policy Analyst',
                                                           'Visiting Scholar'])], size=12, align='l', after=2)
    page.para('', after=60)
    names = [cited_as(a) for a in authors]
    joined = names[0] if len(names) == 1 else ', '.join(names[:-1]) + ', & ' + names[-1]
    page.table([[[('Suggested citation: ', {'bold': True}),
                  '%s (%d). %s. %s %s. %s.' % (joined, year, title, 'Research Report', number, institute)]]],
               widths_cm=[16.0], size=9.5, align='l', shade=(0,), fill=rng.choice(['EDEDED', 'E8F0F8']))
    page.para('', after=10)
    page.para('This report is part of a series on schools, culture and local development in central China. The '
              'views expressed are those of the authors.', size=9.5, after=60)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=10, align=rng.choice(['l', 'r']))
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def dba_titlepage(rng):
    """A business administration thesis title page: the university and the school, the title, the
    degree statement, then two columns side by side: "Submitted by" with the candidate and a
    student number on the left, "Supervised by" with the principal supervisor (and on some an
    industry co-supervisor, who is no supervisor of record) on the right; the month and year last."""
    year = rng.randint(2009, 2026)
    title = rng.choice(BUSINESS_FRAMES).format(S=rng.choice(SUBJECTS))
    author, sup, co = _names(rng, 3)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Linux Libertine O', 'Carlito']), size=12, margins=2.8)
    page.para((univ[0], {'bold': True}), size=16, align='c', after=2)
    page.para(rng.choice(['Business School', 'School of Management', 'Graduate School of Business']), size=13,
              align='c', after=70)
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.7}), align='c', after=30)
    degree = rng.choice(['Doctor of Business Administration', 'Master of Business Administration',
                         'Master of Public Administration'])
    page.para('A thesis submitted in partial fulfilment of the requirements for the degree of %s' % degree,
              size=12, align='c', after=100)
    prefix = rng.choice(['Professor ', 'Dr ', 'Dr. ', ''])
    right = [('Supervised by', {'bold': True}), '\n%s%s' % (prefix, sup), '\n(Principal Supervisor)']
    if rng.random() < 0.3:
        right += ['\n%s' % co, '\n(Industry Co-supervisor)']
    left = [('Submitted by', {'bold': True}), '\n' + author, '\nStudent No. %d' % rng.randint(10000000, 99999999)]
    page.table([[left, right]], widths_cm=[8.0, 8.0], size=12, align=rng.choice([['l', 'r'], ['l', 'l'], ['c', 'c']]))
    page.para('', after=80)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=12, align='c')
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


TEMPLATES = {'gen-en-educationpolicy-researchreport-suggestedcitationbox-authorpostlines': citation_report,
             'gen-en-businessadmin-thesistitlepage-submittedsupervisedcolumns': dba_titlepage}
