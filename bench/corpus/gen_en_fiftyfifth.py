"""Fifty-fifth English first pages, of kinds the earlier sets lack, in regional finance, public
policy and rural economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Bengbu Glass Makers', 'Huaiyuan Pomegranate Growers', 'Huai River Flood Storage Villages', 'Baotou Rare Earth Firms',
            'Xilingol Herder Households', 'Ulanqab Potato Traders', 'Linxia Cattle Dealers', 'Longnan Village Web Shops']
WP_FRAMES = ['Credit Constraints and Investment among {S}', 'Tax Incentives and Local Employment: Evidence from {S}',
             'Who Bears the Risk? Insurance Take-up among {S}', 'Land Leases, Contracts and Income of {S}']
PAE_FRAMES = ['Paying for Flood Storage: Compensation Options for {S}', 'Bringing Public Services to {S}',
              'A Fair Deal for {S}: Options for the County Government', 'Reducing Regulatory Burden on {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
SCHOOLS = ['Anhui University of Finance and Economics', 'Inner Mongolia University of Finance and Economics',
           'Lanzhou University of Finance and Economics']
CLIENTS = ['Huaiyuan County Finance Bureau', 'Baotou Municipal Development and Reform Commission',
           'Linxia Prefecture Poverty Alleviation Office', 'Anhui Provincial Water Resources Department']


def management_working_paper(rng):
    """A business school's working paper: one ruled row with the paper number left and the school
    right, the title, the authors one to a line each followed by a dash and the affiliation, the
    date of the draft, the abstract, JEL classification and keywords, and a footnote on the
    corresponding author under a rule."""
    year = rng.randint(2010, 2026)
    title = rng.choice(WP_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = rng.sample(['rural finance', 'credit rationing', 'tax incentives', 'land tenure', 'crop insurance', 'Inner Mongolia',
                      'Anhui', 'Gansu'], rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([2.2, 2.5]))
    t = page.table([[('Working Paper No. %d-%02d' % (year, rng.randint(1, 40)), {'bold': True}), rng.choice(SCHOOLS) + ' Business School']],
                   widths_cm=[6.0, 10.0], size=9)
    t.autofit = False
    page.para('', rule='bottom', after=rng.choice([24, 36]))
    page.para((title, {'size': rng.choice([17, 18, 20]), 'bold': True}), align=rng.choice(['l', 'c']), after=18)
    for a in authors:
        page.para([(a, {'bold': True}), ' \u2014 %s, %s' % (rng.choice(['Department of Finance', 'School of Economics',
                                                                         'School of Public Administration']), rng.choice(SCHOOLS))],
                  size=10.5, align='l', after=2)
    page.para(('This draft: %s %d' % (rng.choice(['January', 'April', 'September', 'November']), year), {'italic': True}),
              size=9.5, align='l', before=10, after=16)
    page.para([('Abstract. ', {'bold': True}), 'We use a household survey and county fiscal records to study how access to credit '
               'and public support shapes investment and income. ' * 2], size=9.5, align='j', after=6)
    page.para([('JEL Classification: ', {'bold': True}), ', '.join(rng.sample(['G21', 'H25', 'O16', 'Q12', 'Q15', 'R51'], 3))], size=9.5,
              after=3)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9.5, after=18)
    page.para('The county economy grew fast in the last decade, but credit and public support reached households unevenly. ' * 3,
              size=10.5, align='j', indent=18, after=14)
    page.para('* Corresponding author: %s, %s. We thank seminar participants for comments.' % (authors[0], rng.choice(SCHOOLS)),
              size=8, rule='top', after=0)
    return _finish(page, rng, title, authors, year, kws)


def policy_analysis_exercise(rng):
    """A public policy master's capstone title page: the kicker "Policy Analysis Exercise", the
    title, "Prepared for:" the client, then "Author(s):", "Faculty Advisor:" and "Seminar Leader:"
    lines, the degree statement and the date, and a boxed statement that the views are the author's.
    The advisor is the supervisor; the seminar leader is neither author nor supervisor."""
    year = rng.randint(2011, 2026)
    title = rng.choice(PAE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 2))
    advisor, leader = _names(rng, 2, authors)
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    page.para(('POLICY ANALYSIS EXERCISE' if rng.random() < 0.5 else 'Policy Analysis Exercise', {'bold': True}), size=11,
              align='c', after=rng.choice([50, 70]))
    page.para((title, {'size': rng.choice([20, 22]), 'bold': True}), align='c', after=30)
    page.para([('Prepared for: ', {'italic': True}), rng.choice(CLIENTS)], size=11.5, align='c', after=rng.choice([40, 60]))
    page.para([('Author%s: ' % ('s' if len(authors) > 1 else ''), {'bold': True}), ' and '.join(authors)], size=11.5, align='l', after=4)
    page.para([('Faculty Advisor: ', {'bold': True}), advisor], size=11.5, align='l', after=4)
    page.para([('Seminar Leader: ', {'bold': True}), leader], size=11.5, align='l', after=24)
    page.para('Submitted in partial fulfillment of the requirements for the degree of Master in Public Policy, School of Public '
              'Administration, %s' % rng.choice(SCHOOLS), size=10, align='l', after=6)
    page.para('%s %d' % (rng.choice(['March', 'April', 'May']), year), size=11, align='l', after=40)
    t = page.table([['This exercise reflects the views of the author%s and should not be viewed as representing the views of the client '
                     'or the school.' % ('s' if len(authors) > 1 else '')]], widths_cm=[14.0], size=8.5, grid=True)
    t.autofit = False
    page, rec = _finish(page, rng, title, authors, year)
    rec['supervisor'] = advisor
    return page, rec


TEMPLATES = {'gen-en-businessschool-workingpaper-numberschoolrow-authordashaffiliationlines-jelline': management_working_paper,
             'gen-en-publicpolicy-policyanalysisexercise-preparedforclient-advisorleaderlines': policy_analysis_exercise}
