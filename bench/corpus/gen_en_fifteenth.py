"""Fifteenth English first pages: an industry white paper (the company's line, the title, a
version and date, the authors with their roles, an executive summary); and the cover of a student
capstone project report (programme, "Capstone Project Report", the title, the team members, the
faculty advisor, the sponsor and the date). Subjects: dwellings, mushrooms, terraces, ballast water."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

WP_SUBJECTS = ['Ballast Water Treatment', 'Timber-Frame Heritage Retrofit', 'Mushroom Substrate Recycling',
               'Terrace Irrigation Sensing', 'Port Oil-Spill Response', 'Sea-Ice Monitoring from Small Satellites']
WP_FRAMES = ['{S}: A Practical Guide for Operators', '{S} at Scale', 'The Business Case for {S}',
             '{S} — Market Outlook {Y}', 'Lessons Learned in {S}']
COMPANIES = ['Northwind Marine Systems', 'Greyhaven Engineering Ltd.', 'Fieldline Analytics', 'Tidewater Consulting Group']
ROLES = ['Principal Engineer', 'Chief Technology Officer', 'Senior Analyst', 'Product Manager', 'Research Lead']
CAP_TOPICS = ['A Low-Cost Sensor Network for Rice Terrace Water Levels', 'Automated Grading of Wood-Ear Mushrooms',
              'A Digital Twin of a Historic Courtyard House', 'Predicting Ballast Water Discharge Compliance',
              'A Mobile App for Reporting Coastal Oil Sheens', 'Drone Mapping of Terrace Wall Damage']
PROGRAMS = ['Department of Mechanical Engineering', 'School of Computing', 'Department of Civil and Environmental Engineering',
            'Department of Industrial and Systems Engineering']
BODY = 'This paper sets out the problem, the options available today, and what we recommend to those planning a project. '


def white_paper(rng):
    """A white paper: the company's line (with a rule on some), WHITE PAPER tag, title, version and
    date, the authors with their roles (a line each or in one line), an executive summary."""
    year = rng.randint(2012, 2026)
    title = rng.choice(WP_FRAMES).format(S=rng.choice(WP_SUBJECTS), Y=year)
    people = distinct(rng, en_person, rng.randint(1, 4))
    company = rng.choice(COMPANIES)
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    page.para((company, {'size': 10, 'bold': True}), align=rng.choice(['l', 'r']),
              rule='bottom' if rng.random() < 0.6 else None, after=rng.choice([40, 70]))
    if rng.random() < 0.7:
        page.para((rng.choice(['WHITE PAPER', 'White Paper', 'TECHNICAL WHITE PAPER']), {'size': 11, 'bold': True}),
                  after=10)
    page.para((title, {'size': rng.choice([24, 28]), 'bold': rng.random() < 0.6}), align='l', after=12)
    day, month = rng.randint(1, 28), MONTHS[rng.randrange(12)]
    page.para('%s · %s %d, %d' % (rng.choice(['Version 1.0', 'Version 2.1', 'Rev. B']), month, day, year)
              if rng.random() < 0.5 else '%s %d' % (month, year), size=10, after=18)
    if rng.random() < 0.5:
        page.para(('Authors', {'bold': True}), size=10, after=2)
        for p in people:
            page.para([(p, {'bold': True}), (', %s' % rng.choice(ROLES), {})], size=10, after=0)
    else:
        page.para([('By ', {}), (', '.join(people[:-1]) + (' and ' if len(people) > 1 else '') + people[-1],
                                 {'bold': True})], size=10.5, after=0)
    page.para(('Executive Summary', {'bold': True, 'size': 13}), before=24, after=6)
    page.para(BODY * 4, size=10.5, align='j')
    page.para('© %d %s. All rights reserved.' % (year, company), size=8, before=30)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, [], 'en', None, meta=meta)


def capstone_cover(rng):
    """The cover of a capstone project report: university and programme, "Capstone Project Report"
    or "Senior Design Final Report", the title, the team members (one a line or in a table), the
    faculty advisor, the sponsor on some, the term and year."""
    year = rng.randint(2012, 2026)
    title = rng.choice(CAP_TOPICS) + rng.choice(['', '', ': Design, Prototype and Field Test', ' for a Regional Partner',
                                                 ': From Requirements to a Working Prototype'])
    team = distinct(rng, en_person, rng.randint(2, 5))
    advisor = distinct(rng, en_person, len(team) + 1)[-1]
    while advisor in team:
        advisor = en_person(rng)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    page.para((univ[0], {'size': 16, 'bold': True}), align='c', before=20, after=2)
    page.para(rng.choice(PROGRAMS), size=12, align='c', after=40)
    page.para((rng.choice(['Capstone Project Report', 'Senior Design Final Report', 'Final Report — Capstone Design']),
               {'size': 14, 'italic': rng.random() < 0.5}), align='c', after=20)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True}), align='c', after=40)
    if rng.random() < 0.5:
        page.para(('Team Members', {'bold': True}), align='c', after=4)
        for p in team:
            page.para(p, align='c', after=0)
    else:
        page.table([['Team member', 'Role']] + [[p, r] for p, r in zip(team, rng.sample(
            ['Project Lead', 'Hardware', 'Software', 'Data Analysis', 'Testing'], len(team)))],
            widths_cm=[6, 5], size=11, grid=True, bold_first=True)
    page.para([('Faculty Advisor: ', {'bold': True}), 'Dr. %s' % advisor if rng.random() < 0.6 else advisor],
              align='c', before=24, after=4)
    if rng.random() < 0.5:
        page.para('Sponsor: %s' % rng.choice(COMPANIES), align='c', after=4)
    page.para('%s %d' % (rng.choice(['Spring', 'Fall', 'May', 'December']), year), align='c', before=30)
    meta = set_meta(page, rng, title, team)
    return page, record(title, team, year, [], 'en', None, meta=meta, supervisor=advisor)


TEMPLATES = {'gen-en-whitepaper-version': white_paper, 'gen-en-capstone-teamcover': capstone_cover}
