"""Eighteenth English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

SUBJECTS = ['Hakka Earthen Enclosures', 'Pomelo Orchard Soil Acidification', 'Karst Stone Forest Landscapes',
            'Job\'s Tears Grain Quality', 'Black Soil Plough Layers', 'Lavender Essential Oil Yields',
            'Wild Apple Forests of the Tianshan', 'Ili Horse Breeding']
COURSES = [('GEOG 642', 'Karst Geomorphology'), ('ENVS 518', 'Soil Degradation and Conservation'),
           ('ANTH 705', 'Heritage and Landscape'), ('BIOL 633', 'Conservation of Crop Wild Relatives'),
           ('AGRO 552', 'Specialty Crops and Rural Livelihoods')]
LECTURE_FRAMES = ['Field Methods for {S}', 'Modelling {S}', 'Remote Sensing of {S}', 'Case Study: {S}',
                  'Sampling Designs for {S}', 'Drivers of {S}']
PROSPECTUS_FRAMES = ['{S} under Changing Water Regimes', 'Local Knowledge and {S}',
                     'A Multi-Scale Analysis of {S}', 'Governing {S}: Institutions and Outcomes',
                     'Toward a Process Model of {S}']
# English originals a Chinese student translates (their titles are printed beside the translation's)
COVER_TITLES = ['Soil acidification in intensively managed citrus orchards', 'Vernacular earthen architecture and heritage tourism',
                'Rocky desertification and vegetation recovery in karst uplands', 'Tillage effects on the structure of Mollisols',
                'Essential oil composition of Lavandula angustifolia grown under irrigation',
                'Conservation genetics of wild Malus sieversii populations']
JOURNALS = ['Geoderma', 'Soil and Tillage Research', 'Heritage Science', 'Catena', 'Industrial Crops and Products',
            'Tree Genetics and Genomes']
BODY = 'These notes set out the questions, the methods used to study them and what has been found so far. '


def person(rng):
    return en_person(rng)


def scribe_notes(rng):
    """A course's lecture notes taken by scribes: a boxed head with the course and term, the
    lecture's title, its number, the lecturer and the scribes, a disclaimer, the first section."""
    year = rng.randint(2006, 2026)
    code, course = rng.choice(COURSES)
    title = rng.choice(LECTURE_FRAMES).format(S=rng.choice(SUBJECTS))
    lecturer = en_person(rng)
    scribes = [p for p in distinct(rng, en_person, rng.randint(2, 4)) if p != lecturer][:3]
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    term = '%s %d' % (rng.choice(['Spring', 'Fall', 'Winter']), year)
    lecno = rng.randint(2, 24)
    rows = [['%s: %s' % (code, course), term],
            [(title, {'size': rng.choice([15, 16, 18]), 'bold': True}), ''],
            ['Lecture %d' % lecno if rng.random() < 0.5 else 'Lecture %d, %s %d' % (lecno, rng.choice(MONTHS), rng.randint(1, 28)), ''],
            ['Lecturer: %s' % lecturer, 'Scribe%s: %s' % ('s' if len(scribes) > 1 else '', ', '.join(scribes))]]
    page.table(rows, widths_cm=[11.5, 5.0], size=10.5, grid=rng.random() < 0.6, align=['l', 'r'])
    page.para('', after=8)
    page.para((rng.choice(['Disclaimer: These notes have not been subjected to the usual scrutiny reserved for formal '
                           'publications. They may be distributed outside this class only with the permission of the '
                           'Instructor.', 'Note: scribe notes are lightly edited and may contain errors.']),
               {'italic': True}), size=9.5, align='j', after=12)
    page.para(('%d.1 Introduction' % lecno, {'bold': True}), size=12, after=4)
    page.para(BODY * 6, size=10.5, align='j')
    meta = set_meta(page, rng, title, scribes)
    return page, record(title, scribes, year, [], 'en', None, meta=meta, supervisor=lecturer)


def prospectus(rng):
    """A doctoral student's dissertation prospectus: the kind, the title, the student, the program,
    the committee with its chair, and the date of the proposal defence."""
    year = rng.randint(2008, 2026)
    title = rng.choice(PROSPECTUS_FRAMES).format(S=rng.choice(SUBJECTS))
    student, chair, m1, m2 = distinct(rng, en_person, 4)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    page.para((rng.choice(['DISSERTATION PROSPECTUS', 'Dissertation Proposal', 'A Dissertation Prospectus']),
               {'size': 13, 'bold': True, 'smallcaps': rng.random() < 0.3}), align='c', before=30, after=30)
    words = title.split(' ')
    if len(words) > 5 and rng.random() < 0.4:
        k = len(words) // 2
        page.para([(' '.join(words[:k]), {'size': 18, 'bold': True, 'break': True}), (' '.join(words[k:]), {'size': 18, 'bold': True})],
                  align='c', after=24)
    else:
        page.para((title, {'size': rng.choice([17, 18, 20]), 'bold': True}), align='c', after=24)
    page.para(rng.choice(['Submitted by', 'Presented by', 'Proposed by']), align='c', size=11, after=4)
    page.para((student, {'size': 14}), align='c', after=24)
    page.para('Doctoral Program in %s\n%s' % (rng.choice(['Geography', 'Environmental Science', 'Anthropology', 'Ecology']),
                                             univ[0]), align='c', size=11, after=30)
    if rng.random() < 0.5:
        page.para(('Dissertation Committee', {'bold': True}), align='c', size=11, after=4)
        for who, role in [(chair, 'Chair'), (m1, ''), (m2, '')]:
            page.para(who + (', %s' % role if role else ''), align='c', size=11, after=1)
    else:
        page.table([['Committee Chair:', chair], ['Committee Members:', '%s\n%s' % (m1, m2)]], widths_cm=[5.0, 7.0],
                   size=11, align=['r', 'l'])
    page.para('Proposal defense: %s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year), align='c', size=11, before=36)
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=chair)


TEMPLATES = {'gen-en-lecture-scribenotes': scribe_notes, 'gen-en-dissertation-prospectus': prospectus}
