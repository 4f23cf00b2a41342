"""Tenth English first pages: a conference poster on a wide sheet, its title, authors with numbered
marks and affiliations in a shaded band over two to four columns of sections; and the report
documentation form many government-funded technical reports open with, whose numbered boxes hold the
report date, the title (4. TITLE AND SUBTITLE), the authors (6. AUTHOR(S)), the performing
organisation, the abstract and the subject terms. Subjects: traditional villages, winter tourism,
engineered bamboo, saline soils, hydrogen storage and care for the elderly."""
from docx.shared import Cm

from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

DOMAINS = [(['Timber Heritage Buildings', 'Traditional Village Conservation'], ['the Western Hills of Beijing', 'Mountain Hamlets']),
           (['Winter Sports Tourism', 'Ski Resort Demand'], ['Cold-Climate Cities', 'Northern River Towns']),
           (['Engineered Bamboo', 'Bamboo Fiber Composites'], ['the Anji Bamboo Region', 'Subtropical Plantations']),
           (['Saline Soil Reclamation', 'Halophyte Cultivation'], ['the Yellow River Delta', 'Coastal Lowlands']),
           (['Hydrogen Storage', 'Water Electrolysis'], ['Zhangjiakou', 'Renewable Energy Hubs']),
           (['Home-Based Elderly Care', 'Smart Aging Services'], ['the Jiaodong Peninsula', 'Aging Neighborhoods'])]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
FRAMES = ['{s} in {c}: Results of a Pilot Study', 'Mapping {s} across {c}', 'Can {s} Support {t}? A Case from {c}',
          'Assessment of {s} for {c}', 'Integrating {s} and {t}: Final Report']
BODY = ('This study combines field measurements with a survey of local stakeholders to estimate current conditions '
        'and test a set of practical interventions. ')
DEPTS = ['Department of Architecture', 'School of Tourism Management', 'College of Materials Engineering',
         'Institute of Soil Science', 'School of Energy and Power Engineering', 'Department of Social Work']
MEETINGS = ['International Conference on Sustainable Built Environments', 'Annual Meeting of the Soil Science Society',
            'Asia Hydrogen Energy Forum', 'World Congress on Active Ageing', 'Symposium on Winter Tourism Research']


def _topic(rng):
    subjects, contexts = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    kws = [w.lower() for w in sorted(subjects, key=lambda w: w not in title)] + [rng.choice(contexts).replace('the ', '')]
    return title, kws


def poster_sections(rng):
    """A poster on an A3 sheet across: a shaded band with the title, the authors with numbered marks
    (a star for the corresponding one), the numbered affiliations and the meeting; then two to four
    columns of sections."""
    year = rng.randint(2012, 2026)
    title, _ = _topic(rng)
    people = distinct(rng, en_person, rng.randint(2, 6))
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, min(3, len(people))))
    page = Page(latin=rng.choice(LATIN_FONTS), size=15, margins=1.5)
    sec = page.doc.sections[0]
    sec.page_width, sec.page_height = Cm(42.0), Cm(29.7)
    marks = [1] + [rng.randint(1, len(univs)) for _ in people[1:]]
    star = rng.randrange(len(people))
    byline = []
    for i, p in enumerate(people):
        byline += [p, ('%d%s' % (marks[i], '*' if i == star else ''), {'sup': True, 'size': 14})]
        if i < len(people) - 1:
            byline.append(', ')
    affil = '   '.join('%d %s, %s, %s' % (k + 1, rng.choice(DEPTS), u[0], u[2]) for k, u in enumerate(univs))
    band = [(title, {'size': rng.choice([36, 40, 44]), 'bold': True}), '\n'] + [(r, {'size': 22}) if isinstance(r, str)
                                                                               else (r[0], dict(r[1], size=14))
                                                                               for r in byline]
    band += ['\n', (affil, {'size': 15}), '\n',
             ('%s %d, %s' % (rng.choice(MEETINGS), year, rng.choice(['Vienna', 'Kyoto', 'Toronto', 'Lisbon', 'Seoul'])),
              {'size': 13, 'italic': True})]
    if rng.random() < 0.6:
        page.table([[band]], widths_cm=[39.0], align=rng.choice(['c', 'l']), shade=(0,),
                   fill=rng.choice(['DEEAF6', 'E2EFDA', 'FFF2CC', 'EDEDED']))
    else:
        page.para(band[0], align='c', after=6)
        page.para([(r, {'size': 22}) if isinstance(r, str) else (r[0], dict(r[1], size=14)) for r in byline],
                  align='c', after=4)
        page.para(affil, size=15, align='c', after=2)
        page.para((band[-1][0], {'italic': True}), size=13, align='c', rule='bottom', after=10)
    page.para('*Corresponding author: %s@example.edu' % people[star].split()[-1].lower(), size=12, align='r')
    page.columns(rng.choice([2, 3, 3, 4]), space_cm=1.2)
    for head in rng.choice([['Introduction', 'Methods', 'Results', 'Conclusions', 'References'],
                            ['Background', 'Objectives', 'Study Area and Data', 'Findings', 'Take-Home Messages'],
                            ['Motivation', 'Approach', 'Key Results', 'Next Steps', 'Acknowledgements']]):
        page.para((head, {'bold': True, 'size': 20}), before=10, after=4, rule='bottom' if rng.random() < 0.5 else None)
        page.para(BODY * 2, size=15, align='j', after=6)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, (), 'en', None, meta=meta)


AGENCIES = ['Office of Naval Research', 'Army Research Office', 'Department of Energy, Office of Science',
            'National Institute of Standards and Technology', 'Air Force Office of Scientific Research']


def docpage_form(rng):
    """A report documentation form: its name and approval number, a short burden notice, then ruled
    boxes: 1 report date, 2 type, 3 dates covered, 4 title, 5a-5d numbers, 6 authors, 7 performing
    organisation, 8 report number, 9 sponsor, 12 distribution, 13 notes, 14 abstract, 15 subject
    terms, 16-19 classification, pages and the responsible person."""
    year, month, day = rng.randint(2005, 2026), rng.randint(1, 12), rng.randint(1, 28)
    title, kws = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 5))
    u = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS[:4]), size=8, margins=1.5)
    page.table([[('REPORT DOCUMENTATION PAGE', {'size': 13, 'bold': True}), 'Form Approved\nOMB No. 0704-0188']],
               widths_cm=[13.0, 5.0], size=8, align=['c', 'r'])
    page.para('The public reporting burden for this collection of information is estimated to average 1 hour per '
              'response, including the time for reviewing instructions, searching existing data sources, and '
              'completing and reviewing the collection of information.', size=6, align='j', after=2)
    sep = rng.choice([', ', '; ', ', '])
    names = sep.join(people) if len(people) < 3 or rng.random() < 0.5 else \
        sep.join(people[:-1]) + (', and ' if sep == ', ' else '; ') + people[-1]
    upper = rng.random() < 0.3
    shown = title.upper() if upper else title
    grid = [['1. REPORT DATE (DD-MM-YYYY)\n%02d-%02d-%d' % (day, month, year),
             '2. REPORT TYPE\n%s' % rng.choice(['Final Technical Report', 'Interim Report', 'Final']),
             '3. DATES COVERED (From - To)\n%s %d - %s %d' % (rng.choice(MONTHS)[:3], year - 2,
                                                              rng.choice(MONTHS)[:3], year)],
            ['4. TITLE AND SUBTITLE', '5a. CONTRACT NUMBER\n%s-%02d-C-%04d' % (rng.choice(['N00014', 'W911NF', 'FA9550']),
                                                                         year % 100 - 2, rng.randint(1, 9999)), ''],
            ['', '5b. GRANT NUMBER', '5c. PROGRAM ELEMENT NUMBER\n%dE' % rng.randint(60000, 69999)],
            ['6. AUTHOR(S)', '5d. PROJECT NUMBER', '5e. TASK NUMBER'],
            ['7. PERFORMING ORGANIZATION NAME(S) AND ADDRESS(ES)\n%s\n%s\n%s, %s' % (rng.choice(DEPTS), u[0], u[1], u[2]),
             '8. PERFORMING ORGANIZATION REPORT NUMBER\n%s-TR-%d-%02d' % (rng.choice(['BCE', 'HRL', 'ESL']), year,
                                                                         rng.randint(1, 40)), ''],
            ['9. SPONSORING/MONITORING AGENCY NAME(S) AND ADDRESS(ES)\n%s' % rng.choice(AGENCIES),
             "10. SPONSOR/MONITOR'S ACRONYM(S)", "11. SPONSOR/MONITOR'S REPORT NUMBER(S)"]]
    grid[1][0] = ['4. TITLE AND SUBTITLE\n', (shown, {'size': 10, 'bold': rng.random() < 0.5})]
    grid[3][0] = ['6. AUTHOR(S)\n', (names, {'size': 9})]
    page.table(grid, widths_cm=[9.0, 4.5, 4.5], size=8, grid=True, align='l')
    page.para('', after=0)
    page.table([['12. DISTRIBUTION/AVAILABILITY STATEMENT\nApproved for public release; distribution is unlimited.'],
                ['13. SUPPLEMENTARY NOTES'],
                ['14. ABSTRACT\n' + BODY * 5],
                ['15. SUBJECT TERMS\n' + rng.choice([', ', '; ']).join(kws)]], widths_cm=[18.0], size=8, grid=True,
               align='l')
    page.para('', after=0)
    page.table([['16. SECURITY CLASSIFICATION OF:\na. REPORT U   b. ABSTRACT U   c. THIS PAGE U',
                 '17. LIMITATION OF ABSTRACT\nUU', '18. NUMBER OF PAGES\n%d' % rng.randint(18, 160)],
                ['19a. NAME OF RESPONSIBLE PERSON\n%s' % people[0], '19b. TELEPHONE NUMBER (Include area code)',
                 '(%03d) %03d-%04d' % (rng.randint(200, 999), rng.randint(200, 999), rng.randint(0, 9999))]],
               widths_cm=[9.0, 4.5, 4.5], size=8, grid=True, align='l')
    page.para('Standard Form 298 (Rev. 8/98)\nPrescribed by ANSI Std. Z39.18', size=7, align='r', before=4)
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-poster-sections': poster_sections, 'gen-en-docpage-form': docpage_form}
