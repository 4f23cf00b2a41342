"""Eleventh English first pages: a policy brief of a research centre, its series and number in a
band, the title, a "By …" byline or an "About the authors" box at the foot, and a shaded column of
key messages beside the text; and a short paper describing a research software package, whose
title names the package, whose authors carry numbered affiliations (and a mark for the
corresponding one), and whose side column lists the DOI, the links, the handling editor and the
reviewers (who are not authors) and the dates. Subjects: marine ranching, emissions trading and
green bonds, deaf education, rapeseed and crop-spraying drones, highway tunnels, and learning
Chinese as a second language."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

DOMAINS = [(['Marine Ranching', 'Artificial Reefs'], ['the Leizhou Peninsula', 'the Beibu Gulf']),
           (['Emissions Trading', 'Green Bonds'], ['Pilot Carbon Markets', 'the Greater Bay Area']),
           (['Deaf Education', 'Sign Language Interpreting'], ['Inclusive Classrooms', 'Special Schools']),
           (['Rapeseed Production', 'Crop-Spraying Drones'], ['the Dongting Lake Plain', 'Family-Run Rapeseed Farms']),
           (['Highway Tunnels', 'Slope Stability'], ['Upland Expressway Corridors', 'the Xuefeng Mountains']),
           (['Chinese as a Second Language', 'Character Learning'], ['Central Asian Classrooms', 'Confucius Institutes'])]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
FRAMES = ['Getting {s} Right in {c}', 'What {c} Can Learn from {s}', 'Scaling Up {s}: Options for {c}',
          'Closing the Gaps in {s}', 'Making {s} and {t} Work Together']
TOOL_FRAMES = ['{n}: A Python package for {task}', '{n}: An R package for {task}', '{n}: Fast {task} in Julia',
               '{n}: Open-source software for {task}', '{n}: A toolkit for {task}']
TASKS = [['simulating colonisation of artificial reefs', 'tracking released juveniles on marine ranches'],
         ['backtesting emissions trading rules', 'screening green bond disclosures'],
         ['annotating sign language video corpora', 'scoring speech perception tests for deaf children'],
         ['planning spray routes of crop-spraying drones', 'estimating rapeseed yield from drone imagery'],
         ['analysing slope stability along upland expressways', 'processing tunnel convergence measurements'],
         ['segmenting learner Chinese texts', 'grading character handwriting of second-language learners']]
TOOL_NAMES = ['reefkit', 'ranchsim', 'allowance', 'greenscreen', 'signcorpus', 'audiotest', 'dronepath', 'canolamap',
              'slopewise', 'tunnelconv', 'hanseg', 'strokegrade']
CENTRES = ['Centre for Coastal Futures', 'Institute for Climate Finance', 'Inclusive Learning Lab',
           'Rural Innovation Policy Unit', 'Transport Infrastructure Observatory', 'Language Policy Forum']
BODY = ('Evidence from recent field work and administrative records points to practical steps that can be '
        'taken within current budgets, and to the trade-offs each of them involves. ')
HANDLES = ['@mkaplan', '@j-osei', '@lindqvist', '@tpereira', '@hkimura', '@rbose', '@amalik', '@s-novak']


def policy_brief(rng):
    """A policy brief: a shaded band with the centre, the series and its number and date; the title;
    "By A and B" under it, or an "About the authors" box at the foot; key messages in a shaded column
    beside the text."""
    year, month = rng.randint(2012, 2026), rng.randint(1, 12)
    i = rng.randrange(len(DOMAINS))
    subjects, contexts = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts))
    people = distinct(rng, en_person, rng.randint(1, 3))
    page = Page(latin=rng.choice(LATIN_FONTS), size=rng.choice([10, 10.5, 11]), margins=rng.choice([1.8, 2.0, 2.5]))
    series = rng.choice(['POLICY BRIEF', 'Policy Brief', 'POLICY PAPER', 'Briefing Note'])
    band = [(CENTRES[i], {'bold': True, 'size': 11}), '\n',
            ('%s No. %d  |  %s %d' % (series, rng.randint(1, 60), MONTHS[month - 1], year), {'size': 9})]
    page.table([[band]], widths_cm=[17.0], align=rng.choice(['l', 'r']), shade=(0,),
               fill=rng.choice(['DDEBF7', 'E2EFDA', 'D9D9D9', 'FFF2CC']))
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': True}), align='l', before=18, after=8)
    names = people[0] if len(people) == 1 else ', '.join(people[:-1]) + ' and ' + people[-1]
    byline = rng.random() < 0.6
    if byline:
        page.para(('By ' + names if rng.random() < 0.7 else names, {'italic': rng.random() < 0.5}), size=12, after=14,
                  rule='bottom' if rng.random() < 0.5 else None)
    points = ['%s needs a clear owner and a stable budget.' % s, 'Local pilots in %s show what works.' % rng.choice(contexts),
              'Data sharing between agencies is the first step.', 'Costs fall once %s is planned with %s.' % (s.lower(), t.lower())]
    side = [('KEY MESSAGES' if rng.random() < 0.5 else 'Key messages', {'bold': True, 'size': 11})]
    for p in rng.sample(points, 3):
        side += ['\n', ('\u2022 ' + p, {'size': 9.5})]
    main = [('Summary', {'bold': True, 'size': 12}), '\n', (BODY * 3, {'size': 10}), '\n',
            ('Recommendations', {'bold': True, 'size': 12}), '\n', (BODY * 2, {'size': 10})]
    left = rng.random() < 0.5
    page.table([[side, main] if left else [main, side]], widths_cm=[5.5, 11.5] if left else [11.5, 5.5],
               align='l', shade=(0,) if left else (1,), fill=rng.choice(['EDEDED', 'DEEAF6', 'FBE5D6']))
    if not byline:
        about = ['About the authors\n'] + ['%s is %s at the %s, %s. ' % (
            p, rng.choice(['a Research Fellow', 'Director', 'a Senior Researcher', 'an Associate Professor']),
            CENTRES[i] if k == 0 else rng.choice(vocab.EN_UNIVS)[0], rng.choice(vocab.EN_UNIVS)[1])
            for k, p in enumerate(people)]
        page.para('', after=6)
        page.table([[[(about[0], {'bold': True, 'size': 10})] + [(a, {'size': 9}) for a in about[1:]]]],
                   widths_cm=[17.0], grid=True, align='l')
    page.para('The views expressed in this brief are those of the authors.', size=8, italic=True, before=6)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, (), 'en', None, meta=meta)


def software_paper(rng):
    """A short paper on a research software package: journal name, the title "name: what it does",
    the authors with numbered affiliations and a mark for the corresponding one, the affiliations,
    then a side column (DOI, Software: Review, Repository, Archive; Editor; Reviewers; Submitted,
    Published; License) beside Summary and Statement of need."""
    year, month, day = rng.randint(2016, 2026), rng.randint(1, 12), rng.randint(1, 28)
    i = rng.randrange(len(DOMAINS))
    r = rng.randrange(2)
    name, task = TOOL_NAMES[2 * i + r], TASKS[i][r]
    title = rng.choice(TOOL_FRAMES).format(n=name, task=task)
    people = distinct(rng, en_person, rng.randint(1, 6))
    editor = en_person(rng)
    while editor in people:
        editor = en_person(rng)
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, min(3, len(people))))
    marks = [[1]] + [[rng.randint(1, len(univs))] for _ in people[1:]]
    for k in range(2, len(univs) + 1):  # every affiliation is someone's
        if not any(k in m for m in marks):
            marks[k - 1] = [k]
    star = rng.randrange(len(people))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.0]))
    journal = rng.choice(['Journal of Open Source Software', 'Research Software Notes', 'Open Research Tools'])
    page.para((journal, {'size': 10, 'bold': rng.random() < 0.5}), align='l', after=14,
              rule='bottom' if rng.random() < 0.6 else None)
    page.para((title, {'size': rng.choice([16, 17, 18]), 'bold': True}), align='l', after=8)
    byline = []
    for k, p in enumerate(people):
        mark = ', '.join(str(m) for m in marks[k]) + ('\u00b6' if k == star else '')
        byline += [p, (mark, {'sup': True, 'size': 7})]
        if k < len(people) - 1:
            byline.append(', ' if k < len(people) - 2 else (', and ' if len(people) > 2 else ' and '))
    page.para(byline, size=10.5, after=6)
    for k, u in enumerate(univs):
        page.para([('%d' % (k + 1), {'sup': True, 'size': 6}), ' %s, %s, %s' % (u[0], u[1], u[2])], size=8.5, after=0)
    page.para('\u00b6 Corresponding author', size=8.5, after=12)
    doi = '10.%d/%s.%05d' % (rng.choice([21105, 5334, 46298]), rng.choice(['joss', 'rsn', 'ort']), rng.randint(1, 9999))
    published = '%d %s %d' % (day, MONTHS[month - 1], year)
    side = [('DOI: %s' % doi, {'size': 7.5}), '\n', ('Software', {'size': 7.5, 'bold': True}), '\n',
            ('\u2022 Review \u2197\n\u2022 Repository \u2197\n\u2022 Archive \u2197', {'size': 7.5}), '\n',
            ('Editor: %s \u2197' % editor, {'size': 7.5}), '\n', ('Reviewers:', {'size': 7.5})]
    for h in rng.sample(HANDLES, 2):
        side += ['\n', ('\u2022 %s' % h, {'size': 7.5})]
    side += ['\n', ('Submitted: %d %s %d' % (rng.randint(1, 28), MONTHS[(month + 8) % 12], year - (month <= 4)),
                    {'size': 7.5}), '\n', ('Published: %s' % published, {'size': 7.5}), '\n',
             ('License', {'size': 7.5, 'bold': True}), '\n',
             ('Authors of papers retain copyright and release the work under a Creative Commons Attribution 4.0 '
              'International License (CC BY 4.0).', {'size': 7})]
    body = [('Summary', {'bold': True, 'size': 13}), '\n',
            ('%s is a package for %s. ' % (name, task) + 'It reads common input formats, runs the analysis in '
             'a few documented steps and writes tables and figures that can go straight into a report. ' * 2,
             {'size': 10}), '\n', ('Statement of need', {'bold': True, 'size': 13}), '\n',
            ('Researchers have so far relied on scripts written for single projects. ' * 3, {'size': 10})]
    page.table([[side, body]], widths_cm=[4.2, 12.8], align='l')
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, (), 'en', doi, meta=meta, editor=editor)


TEMPLATES = {'gen-en-policybrief-keymessages': policy_brief, 'gen-en-software-sidebar': software_paper}
