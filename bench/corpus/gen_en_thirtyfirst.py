"""Thirty-first English first pages, of kinds the earlier sets lack, in humanities, education and economics
subjects of their own."""
from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Tea Horse Road Caravans', 'Lahu Reed Pipe Dance', 'She Ethnic Ribbon Weaving', 'Huangxian Shadow Puppets',
            'Loess Cave Dwellings', 'Xingguo Mountain Songs', 'Gannan Tea Picking Opera', 'Covered Timber Arch Bridges']
ESSAY_FRAMES = ['Roads, Songs and Empires: Recent Work on {S}', 'Rethinking {S}', 'What We Know about {S}',
                'New Histories of {S}']
REPORT_FRAMES = ['{S} in Rural Schools: A Baseline Study', 'Sustaining {S}: Community Needs and Options',
                 'Livelihoods and {S}: Final Report of a County Survey', 'Teaching {S}: An Evaluation of a Pilot Programme']
FUNDERS = ['the Provincial Department of Culture and Tourism', 'the Asia Heritage Foundation',
           'the County Education Bureau', 'the Rural Revitalization Office']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def _joined(names):
    return ', '.join(names[:-1]) + ' and ' + names[-1] if len(names) > 1 else names[0]


def review_essay(rng):
    """The first page of a review essay: REVIEW ESSAY over a rule, the books under review as a framed
    list (author, title in italics, place, publisher, year, pages), then the essay's own title and its
    reviewers, and the text in one column."""
    year = rng.randint(2004, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(ESSAY_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 2))
    booked = _names(rng, 5)
    booked = [b for b in booked if b not in authors][:rng.randint(2, 3)]
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Linux Libertine O', 'DejaVu Serif']), size=10.5,
                margins=2.5)
    page.para('%s \u2022 Vol. %d \u2022 %d' % (rng.choice(['Journal of Asian Folklore', 'Frontier History Review',
                                                          'Modern Chinese Culture']), rng.randint(5, 70), year),
              size=8.5, align='r', after=2)
    page.para((rng.choice(['REVIEW ESSAY', 'Review Essay', 'REVIEW ARTICLE']), {'bold': True}), size=11,
              align=rng.choice(['l', 'c']), rule='bottom', after=10)
    rows = []
    for b in booked:
        rows.append([[b + '. ', ('%s %s.' % (rng.choice(['Voices along', 'Memory and', 'Craft and Place in']), subject),
                                 {'italic': True}), ' %s: %s, %d. %d pp.' % (
            rng.choice(['Honolulu', 'Leiden', 'Hong Kong', 'Seattle']), rng.choice(['University Press', 'Brill',
                                                                                   'Academic Books']),
            year - rng.randint(1, 3), rng.randint(180, 420))]])
    page.table(rows, widths_cm=[15.0], size=9.5, grid=rng.random() < 0.6, align='l')
    page.para('', after=18)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': rng.random() < 0.6}), align='c', after=8)
    page.para((_joined(authors), {'smallcaps': rng.random() < 0.5}), size=12, align='c', after=2)
    univs = rng.sample(vocab.EN_UNIVS, len(authors))
    page.para('; '.join(u[0] for u in univs), size=9.5, italic=True, align='c', after=16)
    page.para('Few subjects have drawn as many new books in so short a time. The works under review come from '
              'history, anthropology and musicology, and read together they change how we see the field. ' * 5,
              size=10.5, align='j', indent=18, line=1.2)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def prepared_report(rng):
    """A research report's cover: the report's kind and number, the title, a "Prepared for" block naming
    the funder and a "Prepared by" block naming the authors with their posts, the month and year, and a
    note on the report's status at the foot."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(REPORT_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=11,
                margins=2.5)
    page.para('%s \u2003 No. %d\u2011%02d' % (rng.choice(['RESEARCH REPORT', 'Research Report', 'FINAL REPORT']),
                                            year, rng.randint(1, 40)), size=10, align='r', after=60)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True}), align=rng.choice(['l', 'c']), after=50)
    page.para(('Prepared for', {'bold': True}), size=11, after=2)
    page.para(rng.choice(FUNDERS)[4:].capitalize() if rng.random() < 0.5 else rng.choice(FUNDERS)[4:], size=11, after=20)
    page.para(('Prepared by', {'bold': True}), size=11, after=2)
    if rng.random() < 0.5:
        for a in authors:
            page.para([(a, {'bold': True}), ', %s' % rng.choice(['Principal Investigator', 'Research Fellow',
                                                                  'Lecturer', 'Research Assistant'])], size=11, after=1)
    else:
        page.table([[a, rng.choice(['Lead author', 'Research Fellow', 'Field coordinator'])] for a in authors],
                   widths_cm=[6.0, 6.0], size=11, align=['l', 'l'])
    page.para(univ[0], size=11, italic=True, before=4, after=40)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=12, after=60)
    page.para('', rule='bottom', after=2)
    page.para('This report was produced under contract. The findings are those of the authors and do not represent '
              'the policy of the commissioning body.', size=8.5)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-humanities-reviewessay-booklisthead': review_essay,
             'gen-en-commissioned-report-preparedforby': prepared_report}
