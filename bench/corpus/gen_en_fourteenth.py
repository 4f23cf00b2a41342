"""Fourteenth English first pages: a law review article (the volume line, the title, the authors
with "*" and "**" leading to notes on their posts at the foot, an abstract in a narrow block and a
table of contents); and the title slide of a talk on a wide page (the group's line, the title, the
speakers and their affiliations, the meeting, place and date). Subjects: water rights, data
protection, platform work, heritage law; ceramic glazes, calibration, squid fisheries, grasslands."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

LAW_SUBJECTS = ['Groundwater Rights', 'Cross-Border Data Transfers', 'Platform Work', 'Underwater Cultural Heritage',
                'Fisheries Access Agreements', 'Pastoral Land Tenure', 'Seed Patents', 'Algorithmic Credit Scoring']
LAW_FRAMES = ['{S} and the Limits of Administrative Discretion', 'Rethinking {S}: Courts, Agencies, and Markets',
              'The Quiet Transformation of {S}', 'Who Governs {S}?', '{S} After the Reform Decade',
              'Contracting Around {S}']
LAW_REVIEWS = ['Lakeshore Law Review', 'Journal of Comparative Regulation', 'Northern Law Quarterly',
               'Review of Environmental and Resource Law']
LAW_PARTS = ['INTRODUCTION', 'I. THE DOCTRINAL BACKGROUND', 'II. THE EMPIRICAL RECORD', 'III. A FRAMEWORK FOR REFORM',
             'IV. OBJECTIONS', 'CONCLUSION']
TALKS = ['Glaze chemistry of blue-and-white porcelain', 'On-site calibration of smart electricity meters',
         'Forecasting squid fishing grounds from satellite data', 'Grazing pressure and grassland recovery',
         'Cold-chain losses in frozen seafood', 'Drought tolerance of alfalfa cultivars',
         'Uncertainty budgets for ultrasonic flow meters', 'Kiln atmosphere and the colour of celadon']
TALK_FRAMES = ['{T}: first results', '{T}', '{T} — lessons from three field seasons', 'Towards {t}',
               'What drives {t}?']
MEETINGS = ['European Geosciences Union General Assembly', 'International Conference on Measurement Science',
            'Annual Meeting of the Fisheries Society', 'International Grassland Congress', 'Ceramics Expo Forum']
BODY = 'This Article examines how the rules developed, what they achieve in practice, and how they could be improved. '


def law_review(rng):
    """A law review article: volume line, title (caps on some), authors with "*"/"**", a narrow
    abstract, a table of contents, and the authors' posts in the notes at the foot."""
    year = rng.randint(2009, 2026)
    title = rng.choice(LAW_FRAMES).format(S=rng.choice(LAW_SUBJECTS))
    people = distinct(rng, en_person, rng.randint(1, 3))
    univs = rng.sample(vocab.EN_UNIVS, len(people))
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.5, 3.0, 3.5]))
    review = rng.choice(LAW_REVIEWS)
    vol, first = rng.randint(12, 98), rng.randint(101, 1400)
    page.para(rng.choice(['%s\t[Vol. %d:%d, %d]' % (review.upper(), vol, first, year), '%d %s %d (%d)' % (
        vol, review, first, year), 'VOLUME %d\t%d\tNUMBER %d' % (vol, year, rng.randint(1, 6))]),
        size=8.5, align=rng.choice(['l', 'c']), rule='bottom' if rng.random() < 0.5 else None, after=24)
    if rng.random() < 0.5:
        page.para(('ARTICLE' if rng.random() < 0.6 else 'ESSAY', {'size': 9, 'bold': True}), align='c', after=12)
    caps = rng.random() < 0.4
    page.para((title, {'size': rng.choice([15, 16, 18]), 'bold': not caps, 'smallcaps': caps}), align='c', after=14)
    star = rng.choice(['*', '*', '\u2020'])
    stars = [star * (k + 1) for k in range(len(people))]
    runs = []
    for k, person in enumerate(people):
        runs += [(person, {'smallcaps': caps}), (stars[k], {'sup': True, 'size': 8})]
        if k < len(people) - 1:
            runs.append(rng.choice([' & ', ' and ', ', ']) if k == len(people) - 2 else ', ')
    page.para(runs, size=12, align='c', after=18)
    page.para((BODY * 4, {'italic': rng.random() < 0.5}), size=10, align='j', indent=0, after=16)
    page.para(('TABLE OF CONTENTS', {'bold': True, 'size': 9}), align='c', after=6)
    page_no = first + 1
    for part in LAW_PARTS[:rng.randint(4, 6)]:
        page.para('%s\t%d' % (part, page_no), size=9, after=0)
        page_no += rng.randint(4, 20)
    for k, person in enumerate(people):
        u = univs[k]
        page.para('%s %s, %s.%s' % (stars[k], rng.choice(['Professor of Law', 'Associate Professor of Law',
                                                          'Visiting Fellow', 'J.D. Candidate']), u[0],
                                     rng.choice(['', ' I thank the editors for their careful work.'])),
                  size=8, before=10 if k == 0 else 0, after=0)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, [], 'en', None, meta=meta)


def talk_slide(rng):
    """The title slide of a talk on a wide page: the group's or meeting's line at the top, the title,
    the speakers (the presenter underlined or marked on some) and affiliations, the meeting, the
    place and the date."""
    year = rng.randint(2012, 2026)
    t = rng.choice(TALKS)
    title = rng.choice(TALK_FRAMES).format(T=t, t=t[0].lower() + t[1:])
    people = distinct(rng, en_person, rng.randint(1, 4))
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, min(2, len(people))))
    page = Page(latin=rng.choice(LATIN_FONTS), size=14, margins=rng.choice([1.2, 1.5]))
    sec = page.doc.sections[0]
    from docx.shared import Cm
    sec.page_width, sec.page_height = Cm(rng.choice([25.4, 33.867])), Cm(rng.choice([14.29, 19.05]))
    meeting = rng.choice(MEETINGS)
    top = rng.choice(['%s %d' % (meeting, year), univs[0][0], '%s · %s' % (univs[0][0], rng.choice(
        ['Department of Marine Science', 'School of Materials', 'Metrology Group', 'Grassland Ecology Lab']))])
    page.para((top, {'size': 11}), align=rng.choice(['l', 'r']), after=rng.choice([30, 50]),
              rule='bottom' if rng.random() < 0.5 else None)
    page.para((title, {'size': rng.choice([28, 32, 36]), 'bold': rng.random() < 0.7}), align=rng.choice(['c', 'l']),
              after=24)
    presenter = rng.randrange(len(people))
    marks = [1] + [rng.randint(1, len(univs)) for _ in people[1:]] if len(univs) > 1 else [0] * len(people)
    runs = []
    for k, person in enumerate(people):
        runs.append((person, {'u': k == presenter and rng.random() < 0.5, 'size': 18}))
        if marks[k]:
            runs.append((str(marks[k]), {'sup': True, 'size': 11}))
        if k < len(people) - 1:
            runs.append((rng.choice([', ', ' · ', ', ']) if k < len(people) - 2 else rng.choice([' and ', ', ']),
                         {'size': 18}))
    page.para(runs, align='c', after=6)
    for k, u in enumerate(univs):
        page.para(('%s%s, %s' % ('%d ' % (k + 1) if marks[0] else '', u[0], u[2]), {'size': 12}), align='c', after=0)
    day, month = rng.randint(1, 28), MONTHS[rng.randrange(12)]
    place = rng.choice(['Vienna', 'Lisbon', 'Kyoto', 'Cape Town'])
    page.para(rng.choice(['%s, %s, %d %s %d' % (meeting, place, day, month, year), '%s %d, %d' % (month, day, year)]),
              size=12, align='c', before=30)
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-lawreview-starnotes': law_review, 'gen-en-talk-titleslide': talk_slide}
