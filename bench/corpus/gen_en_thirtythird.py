"""Thirty-third English first pages, of kinds the earlier sets lack, in humanities, arts and economics
subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Shui Script Manuscripts', 'Hongshan Jade Carving', 'Chahar Folk Songs', 'Zhuang Tianqin Lutes',
            'Huashan Rock Art', 'Border Market Trade', 'Mongolian Steppe Pastoral Loans', 'Bouyei Handwoven Cloth']
DISS_FRAMES = ['Writing the Margins: {S} and the Making of a Frontier', '{S} and Local Memory in the Twentieth Century',
               'Ritual, Text and Authority: {S}', 'Objects of Empire: {S} in Modern China']
JMP_FRAMES = ['Credit, Kinship and {S}', 'The Price of Heritage: Evidence from {S}',
              'Who Gains from {S}? Evidence from County Panel Data', 'Informal Contracts in {S}']
MFA_FRAMES = ['Threads of Return: A Studio Inquiry into {S}', 'Listening to {S}: A Studio Study in Sound',
              'Surface and Memory: Drawing after {S}']
DEPTS = ['History', 'East Asian Languages and Civilizations', 'Anthropology', 'Art History']


def candidacy_titlepage(rng):
    """A humanities dissertation's title page in the old style, every line centred and in capitals:
    the university, the title, "A DISSERTATION SUBMITTED TO THE FACULTY OF THE DIVISION OF THE
    HUMANITIES IN CANDIDACY FOR THE DEGREE OF DOCTOR OF PHILOSOPHY", the department, "BY", the
    candidate, and the place with the month and year. No adviser is printed."""
    year = rng.randint(1998, 2026)
    title = rng.choice(DISS_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    univ = rng.choice(vocab.EN_UNIVS)
    caps = rng.random() < 0.6

    def up(x, **style):
        return (x, dict(style, smallcaps=caps))
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Linux Libertine O', 'DejaVu Serif']), size=12,
                margins=3.0)
    page.para(up(univ[0]), size=12, align='c', after=60)
    page.para(up(title, size=rng.choice([14, 16]), bold=rng.random() < 0.5), align='c', after=60)
    page.para(up('A dissertation submitted to the faculty of the Division of the Humanities in candidacy for the '
                 'degree of Doctor of Philosophy'), size=11, align='c', line=1.5, after=30)
    page.para(up('Department of %s' % rng.choice(DEPTS)), size=11, align='c', after=40)
    page.para(up('by'), size=11, align='c', after=6)
    page.para(up(author), size=12, align='c', after=60)
    page.para(up(univ[1]), size=11, align='c', after=2)
    page.para(up('%s %d' % (rng.choice(['June', 'August', 'December', 'March']), year)), size=11, align='c')
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta)


def jobmarket_paper(rng):
    """An economics job market paper's first page: "JOB MARKET PAPER" in a framed cell at the top
    right, a link to the latest version, the title, the one author with a starred note, the date, an
    abstract, JEL codes and keywords, and the text."""
    year = rng.randint(2010, 2026)
    title = rng.choice(JMP_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    univ = rng.choice(vocab.EN_UNIVS)
    kws = [rng.choice(['rural credit', 'cultural heritage', 'border trade', 'informal institutions']),
           rng.choice(['China', 'ethnic minorities', 'market access'])]
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Carlito']), size=11,
                margins=2.5)
    page.table([['', ([('Job Market Paper', {'bold': True})] if rng.random() < 0.5
                      else [('JOB MARKET PAPER', {'bold': True})])]], widths_cm=[11.0, 5.0], size=10,
               align=['l', 'c'], grid=False)
    page.para('Click here for the latest version', size=9, italic=True, align='r', after=30)
    page.para((title, {'size': rng.choice([16, 17, 18]), 'bold': True}), align='c', after=12)
    page.para([author, ('*', {'sup': True})], size=12, align='c', after=4)
    page.para('%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year), size=11, align='c', after=20)
    page.para(('Abstract', {'bold': True}), size=11, align='c', after=4)
    page.para('This paper studies how households respond when a local institution changes the terms on which they '
              'trade and borrow. Using new survey and administrative data, I document large effects on income and '
              'participation and show that they are concentrated among the poorest households. ' * 2,
              size=10.5, align='j', indent=24, after=8)
    page.para([('JEL Codes: ', {'bold': True}), rng.choice(['O17, Z10, R11', 'D14, O12', 'F14, O53'])], size=10,
              after=2)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, after=20)
    page.para('', rule='bottom', after=2)
    page.para([('*', {'sup': True}), '%s, Department of Economics. E-mail: %s@econ.example.edu. I thank my '
                                     'committee for guidance.' % (univ[0], author.split()[-1].lower())], size=8.5)
    meta = set_meta(page, rng, title, [author], kws)
    return page, record(title, [author], year, kws, 'en', None, meta=meta)


def exegesis_cover(rng):
    """A practice-led master's exegesis title page: the title over a rule, "An exegesis submitted in
    partial fulfilment of the requirements for the degree of Master of Fine Arts", the candidate, the
    school, then "Principal supervisor:" (the supervisor) and "Associate supervisor:" (neither author
    nor supervisor) left, and the year."""
    year = rng.randint(2008, 2026)
    title = rng.choice(MFA_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    sup, assoc = _names(rng, 2, [author])
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Sans', 'Carlito', 'DejaVu Sans', 'Liberation Serif']), size=11,
                margins=2.5)
    page.para('', after=50)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True}), align=rng.choice(['l', 'c']), rule='bottom',
              after=30)
    page.para('An exegesis submitted in partial fulfilment of the requirements for the degree of %s' %
              rng.choice(['Master of Fine Arts', 'Master of Arts (Creative Practice)', 'Master of Fine Art']),
              size=11, italic=rng.random() < 0.5, after=30)
    page.para((author, {'bold': True}), size=14, after=4)
    page.para('School of %s, %s' % (rng.choice(['Art', 'Art and Design', 'Creative Arts', 'Music']), univ[0]), size=11,
              after=40)
    page.para([('Principal supervisor: ', {'bold': True}), rng.choice(['Dr ', 'Professor ', '']) + sup], size=11, after=2)
    page.para([('Associate supervisor: ', {'bold': True}), rng.choice(['Dr ', '']) + assoc], size=11, after=40)
    page.para(str(year) if rng.random() < 0.5 else '%s %d' % (rng.choice(MONTHS), year), size=11)
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


TEMPLATES = {'gen-en-humanitiesphd-candidacy-capstitlepage': candidacy_titlepage,
             'gen-en-econ-jobmarketpaper-latestversion': jobmarket_paper,
             'gen-en-mfa-exegesis-principalassociate': exegesis_cover}
