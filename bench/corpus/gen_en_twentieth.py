"""Twentieth English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

SUBJECTS = ['Danxia Sandstone Weathering', 'Wuyi Rock Oolong Roasting', 'Jian Ware Glaze Chemistry',
            'Wintering Black Necked Cranes', 'Wild Gastrodia Cultivation', 'Yuncheng Salt Lake Brines',
            'Puju Opera Troupes', 'Yugur Folk Songs']
ARTICLE_FRAMES = ['{S}: Evidence from Field Surveys', 'Rethinking {S}', 'Long Records of {S}',
                  'What Drives {S}? A Regional Analysis', '{S} and Their Keepers']
ESSAY_FRAMES = ['{S} as a Case of Cultural Survival', 'Why {S} Matter', 'Reading the Landscape through {S}',
                'The Politics of {S}', '{S} in a Warming World']
JOURNALS = ['Journal of Mountain Landscapes', 'Asian Heritage Review', 'Regional Environmental Studies',
            'Journal of Agrarian Change in Asia', 'Ethnomusicology Forum East']
REPOS = ['Research Repository', 'Open Research Online', 'Institutional Repository', 'Scholarly Commons']
COURSES = ['ENVS 310: Landscapes of Asia', 'ANTH 245: Music and Society', 'GEOG 228: Arid Lands',
           'HIST 372: Heritage and Memory', 'ENGL 102: Academic Writing']
BODY = 'This paper sets the question in its place, describes the material it draws on and argues for a reading of it. '


def repository_coversheet(rng):
    """The cover sheet a university repository puts before an author's accepted manuscript: the
    repository's name over a rule, a note on the version, the title and authors as labelled lines,
    the citation to use, and the terms of reuse."""
    year = rng.randint(2010, 2026)
    title = rng.choice(ARTICLE_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = distinct(rng, en_person, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)
    journal = rng.choice(JOURNALS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=rng.choice([2.0, 2.5]))
    page.para(('%s %s' % (univ[0], rng.choice(REPOS)), {'bold': True, 'size': rng.choice([14, 16])}),
              align=rng.choice(['l', 'c']), rule='bottom', after=16)
    page.para(rng.choice(['This is the author accepted manuscript (AAM) of a paper published in %s.',
                          'This is a post-peer-review, pre-copyedit version of an article published in %s.',
                          'The version of record of this article is available from %s.']) % journal,
              size=10, italic=True, after=14)
    label = rng.choice([('Title', 'Author(s)'), ('Title', 'Authors'), ('Article title', 'Creators')])
    names = rng.choice([', ', '; ']).join(authors)
    if rng.random() < 0.5:
        page.table([[label[0], (title, {'bold': True})], [label[1], names], ['Year', str(year)],
                    ['Journal', journal]], widths_cm=[3.4, 12.6], size=10.5, grid=rng.random() < 0.5,
                   align=['l', 'l'], bold_first=True)
    else:
        for k, v in [(label[0], (title, {'bold': True})), (label[1], names), ('Publication date', '%s %d' % (
                rng.choice(MONTHS), year))]:
            page.para([('%s: ' % k, {'bold': True}), v], size=10.5, after=4)
    page.para('', after=8)
    page.para(('Please cite this version as:' if rng.random() < 0.5 else 'Citation for published version:',
               {'bold': True}), size=10.5, after=2)
    page.para('%s (%d). %s. %s, %d(%d), %d\u2013%d.' % (', '.join(authors), year, title, journal, rng.randint(5, 60),
                                                        rng.randint(1, 6), rng.randint(1, 200), rng.randint(201, 400)),
              size=10.5, after=14)
    page.para(('Copyright and reuse', {'bold': True}), size=10.5, after=2)
    page.para('Content in this repository is made available for personal research and study. Copyright remains '
              'with the authors. For the full terms of reuse, see the repository policy.', size=9.5, align='j', after=10)
    page.para('Downloaded from %s on %s %d, %d' % (univ[0], rng.choice(MONTHS), rng.randint(1, 28), year + rng.randint(0, 3)),
              size=8.5, italic=True)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def mla_heading(rng):
    """A student paper in the humanities style: the writer, the instructor, the course and the date
    flush left at the top, the title centred in plain type, then the text double spaced."""
    year = rng.randint(2008, 2026)
    title = rng.choice(ESSAY_FRAMES).format(S=rng.choice(SUBJECTS))
    student, prof = distinct(rng, en_person, 2)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif']), size=12, margins=2.54)
    page.table([['', '%s %d' % (student.split()[-1], 1)]], widths_cm=[12.0, 4.0], size=12, align=['l', 'r'])
    date = rng.choice(['%d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year),
                       '%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year)])
    for line in [student, '%s %s' % (rng.choice(['Professor', 'Professor', 'Prof.']), prof),
                 rng.choice(COURSES), date]:
        page.para(line, size=12, after=0, line=2.0)
    page.para(title, size=12, align='c', after=0, line=2.0)
    for _ in range(3):
        page.para(BODY * 3, size=12, indent=36, after=0, line=2.0)
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=prof)


TEMPLATES = {'gen-en-repository-coversheet': repository_coversheet, 'gen-en-mla-heading': mla_heading}
