"""Nineteenth English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

SUBJECTS = ['Mango Anthracnose', 'Arabica Coffee under Shade Trees', 'Montane Forests of the Gaoligong Range',
            'Huizhou Vernacular Houses', 'Fireworks Manufacturing Safety', 'Alpine Meadow Trampling',
            'Geothermal Spring Tourism', 'Zhuang Antiphonal Singing']
SYNONYMS = dict(zip(SUBJECTS, ['Anthracnose fruit rot; Blossom blight', 'Shade coffee; Coffee agroforestry',
                                'Cloud forest; Montane evergreen broadleaf forest', 'Huizhou dwellings; Folk houses',
                                'Pyrotechnics industry; Firecracker production', 'Recreational trampling; Visitor impact',
                                'Hot spring tourism; Balneology', 'Antiphony; Folk song duets']))
GRANT_FRAMES = ['Collaborative Research: {S} in a Changing Climate', 'Mechanisms and Management of {S}',
                'Building Community Capacity for {S}', 'An Integrated Assessment of {S}',
                'Decadal Monitoring of {S}']
ENTRY_FRAMES = ['{S}', '{S}, Ecology of', '{S} and Rural Livelihoods', 'Conservation of {S}']
PROGRAMS = ['Dynamics of Coupled Natural and Human Systems', 'Ecosystem Studies', 'Cultural Anthropology',
            'Geography and Spatial Sciences', 'Sustainable Agricultural Systems']
WORKS = ['Encyclopedia of Mountain Ecosystems', 'Encyclopedia of Tropical Agriculture', 'Handbook of Intangible Heritage',
         'Encyclopedia of Tourism and Landscape']
BODY = 'The entry sets out the scope of the topic, the main lines of work on it and the questions that remain open. '


def grant_cover(rng):
    """The cover page of a research grant proposal: a grid with the program, the project's title,
    the principal investigator, the co-investigators, the institution, the amount and the period."""
    year = rng.randint(2008, 2026)
    title = rng.choice(GRANT_FRAMES).format(S=rng.choice(SUBJECTS))
    people = distinct(rng, en_person, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    page.para((rng.choice(['PROPOSAL COVER PAGE', 'Cover Sheet for Proposal to the Research Foundation',
                           'RESEARCH PROPOSAL: COVER SHEET']), {'bold': True, 'size': 14}), align='c', after=4)
    page.para('Proposal No. %s%02d-%05d' % (rng.choice(['RF', 'P', 'G']), year % 100, rng.randint(0, 99999)), size=9.5,
              align='c', after=16)
    co = people[1:]
    rows = [['Program', rng.choice(PROGRAMS)], ['Project Title', (title, {'bold': True})],
            ['Principal Investigator', '%s, %s' % (people[0], univ[0])],
            ['Co-Principal Investigator%s' % ('s' if len(co) > 1 else ''), '\n'.join(co) if co else 'None'],
            ['Submitting Institution', univ[0]],
            ['Amount Requested', '$%s' % format(rng.randint(80, 900) * 1000, ',')],
            ['Proposed Period', '%s 1, %d to %s 31, %d' % (rng.choice(['July', 'January']), year + 1,
                                                          rng.choice(['May', 'December']), year + rng.randint(3, 5))],
            ['Date Submitted', '%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year)]]
    page.table(rows, widths_cm=[5.0, 11.0], size=10.5, grid=True, align=['l', 'l'], shade=(0,) if rng.random() < 0.5 else (),
               bold_first=rng.random() < 0.5)
    page.para('', after=10)
    page.para(('Project Summary', {'bold': True}), size=12, after=4)
    page.para('Overview. ' + BODY * 5, size=10.5, align='j')
    meta = set_meta(page, rng, title, people)
    return page, record(title, people, year, [], 'en', None, meta=meta)


def encyclopedia_entry(rng):
    """An entry of a reference work: the work's name as a running head, the entry's title, its
    authors with numbered affiliations, then Synonyms and Definition."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(ENTRY_FRAMES).format(S=subject)
    authors = distinct(rng, en_person, rng.randint(1, 3))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=rng.choice([2.0, 2.5]))
    page.table([[(rng.choice(WORKS), {'italic': True}), str(rng.randint(1, 1400))]], widths_cm=[13.0, 3.0], size=9,
               align=['l', 'r'])
    page.para('', rule='bottom', after=18)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='l', after=8)
    two = len(authors) > 1 and rng.random() < 0.6
    # affiliations marked with symbols (a digit run into a name would not read as the name)
    marks = [('*' if k == 0 or rng.random() < 0.5 else '\u2020') if two else '' for k in range(len(authors))]
    if two and '\u2020' not in marks:
        marks[-1] = '\u2020'
    runs = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        sep = '' if k == 0 else (' and ' if k == len(authors) - 1 else ', ')
        runs += [sep, (a, {'size': 11}), (m, {'sup': True})]
    page.para(runs, after=4)
    affs = univs if two else univs[:1]
    for k, u in enumerate(affs):
        page.para([('*\u2020'[k] if two else '', {'sup': True}),
                   '%s, %s' % (rng.choice(['Department of Geography', 'School of Environment', 'Department of Anthropology',
                                           'Institute of Botany']), u[0])], size=9, italic=True, after=1)
    page.para(rng.choice(['Published online: %s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year),
                          '\u00a9 The Author(s) %d' % year]), size=8.5, before=6, after=14)
    page.para(('Synonyms', {'bold': True}), size=11.5, after=2)
    page.para(SYNONYMS[subject], size=10, italic=True, after=10)
    page.para(('Definition', {'bold': True}), size=11.5, after=2)
    page.para(BODY * 2, size=10, align='j', after=10)
    page.para(('Introduction', {'bold': True}), size=11.5, after=2)
    page.para(BODY * 5, size=10, align='j')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-grant-coverpage': grant_cover, 'gen-en-encyclopedia-entry': encyclopedia_entry}
