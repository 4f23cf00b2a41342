"""Twenty-seventh English first pages, of kinds the earlier sets lack, in humanities and education subjects
of their own."""
from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Mazu Temple Networks', 'Puxian Opera Troupes', 'Shangdang Bangzi Opera', 'Lu Silk Weaving',
            'Hakka Walled Villages', 'Yi Zuojiao Dance', 'Mulan River Water Control', 'Yi Script Manuscripts']
FRAMES = ['Performing Locality: {S} after Reform', 'Memory, Place and {S}', 'The Afterlives of {S}',
          '{S} and the Uses of the Past', 'Listening to {S}: A Fieldwork Essay']
EDU_FRAMES = ['Teaching {S} in Rural Middle Schools: A Dissertation in Practice',
              'Bringing {S} into the Classroom: Teacher Learning in a Professional Community',
              'Culturally Sustaining Pedagogy and {S}', 'Curriculum Leadership for {S} Education']
MEETINGS = ['Annual Meeting of the Association for Asian Folklore', 'Conference on Chinese Performing Arts',
            'Biennial Meeting of the Society for Regional Ethnomusicology', 'Workshop on Local History in South China']
CITIES = ['Honolulu', 'Leiden', 'Vancouver', 'Melbourne', 'Edinburgh', 'Kyoto']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def conference_paper(rng):
    """A humanities paper as given at a meeting: an italic line naming the meeting and asking that the
    draft not be cited, the title, each author with a university and an address, then the text beginning
    without an abstract."""
    year = rng.randint(2006, 2026)
    title = rng.choice(FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    univs = rng.sample(vocab.EN_UNIVS, len(authors))
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Linux Libertine O']), size=12,
                margins=2.5)
    page.para('Paper presented at the %s, %s, %s %d\u2013%d, %d. %s' % (
        rng.choice(MEETINGS), rng.choice(CITIES), rng.choice(MONTHS), rng.randint(1, 20), rng.randint(21, 28), year,
        rng.choice(['Draft: please do not cite without permission.', 'Work in progress; comments welcome.',
                    'Please do not circulate.'])), size=9.5, italic=True, align=rng.choice(['l', 'r']), after=30)
    page.para((title, {'bold': rng.random() < 0.7, 'size': rng.choice([15, 16, 18])}), align='c', after=18)
    if rng.random() < 0.5:
        for a, u in zip(authors, univs):
            page.para(a, size=12, align='c', after=0)
            page.para(('%s, %s' % (u[0], u[2]), {'size': 10, 'italic': True}), align='c', after=8)
    else:
        page.table([[a for a in authors], [(u[0], {'italic': True, 'size': 9.5}) for u in univs]],
                   widths_cm=[16.0 / len(authors)] * len(authors), size=12, align='c')
    page.para('', after=18)
    page.para('The paper begins with a scene from the field and turns to the archive only later; it keeps its notes '
              'short and its quotations in the words of those who spoke them. ' * 4, size=12, align='j', line=2.0,
              indent=36)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def edd_titlepage(rng):
    """The title page of a Doctor of Education dissertation in practice: the title in capitals, by and
    the author, the statement of the degree, the committee with its chair at the foot on the left, and
    the month and year."""
    year = rng.randint(2010, 2026)
    title = rng.choice(EDU_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    chair, *members = _names(rng, rng.randint(3, 4))
    while author in [chair] + members:
        chair, *members = _names(rng, rng.randint(3, 4))
    univ = rng.choice(vocab.EN_UNIVS)[0]
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Liberation Sans', 'Carlito']), size=12,
                margins=rng.choice([2.5, 3.0]))
    head = page.para((title, {'bold': rng.random() < 0.5, 'size': 14}), align='c', after=30)
    head.runs[0].font.all_caps = rng.random() < 0.6
    page.para('by', size=12, align='c', after=6)
    page.para(author, size=13, align='c', after=36)
    page.para('A Dissertation in Practice Submitted to the Faculty of the %s\nin Partial Fulfillment of the '
              'Requirements for the Degree of\nDoctor of Education\nin %s' % (
                  rng.choice(['College of Education', 'School of Education and Human Development',
                              'Graduate School of Education']),
                  rng.choice(['Educational Leadership', 'Curriculum and Instruction', 'Teacher Education'])),
              size=12, align='c', after=30)
    page.para(univ, size=12, align='c', after=40)
    page.para(('Dissertation Committee:', {'bold': True}), size=11, after=4)
    page.para('%s, %s' % (chair, rng.choice(['Chair', 'Chairperson', 'Committee Chair'])), size=11, after=2)
    for m in members:
        page.para('%s, Member' % m, size=11, after=2)
    page.para('', after=20)
    page.para('%s %d' % (rng.choice(['May', 'August', 'December']), year), size=12, align='c')
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=chair)


TEMPLATES = {'gen-en-humanities-conferencedraft-italichead': conference_paper,
             'gen-en-edd-practice-committeefoot': edd_titlepage}
