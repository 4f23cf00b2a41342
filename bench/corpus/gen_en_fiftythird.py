"""Fifty-third English first pages, of kinds the earlier sets lack, in musicology, epigraphy,
philosophy and art history subjects of their own."""
from docx.shared import Cm
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Yinxu Oracle Bone Diviners', 'Tangyin Yue Fei Temple Steles', 'Shaoxing Lianhualuo Ballads',
            'Lanting Calligraphy Rubbings', 'Shengzhou Yue Opera Actresses', 'Quanzhou Nanyin Ensembles',
            'Kaiyuan Temple Stone Reliefs', 'Huian Stonemason Songs']
CONF_FRAMES = ['Listening to {S}: Modal Practice and Memory', 'Notation, Performance and Revival among {S}',
               'Sound Archives and the Study of {S}', 'Text, Tune and Ritual in {S}']
CHAPTER_FRAMES = ['The Ethics of Inscription: Reading {S}', 'Authority and Authenticity in {S}',
                  'What the Stone Remembers: {S} and the Philosophy of Memory', 'Image, Word and Belief in {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
PLACES = ['Anyang Normal University', 'Shaoxing University', 'Quanzhou Normal University', 'Quanzhou Nanyin Research Institute']
MARKS = ['\u2020', '\u2021', '\u00a7', '\u00b6']
THINKERS = ['Confucius', 'Zhuangzi', 'Walter Benjamin', 'Maurice Halbwachs', 'Paul Ricoeur']


def musicology_conf_paper(rng):
    """A musicology conference paper: "Paper ID" and the session in a left cell and the conference on
    the right, the title, the authors on ONE line separated by middle dots with a dagger mark after
    each, the affiliations one to a line under their marks, "Keywords" BEFORE the abstract, and the
    text in two columns."""
    year = rng.randint(2010, 2026)
    title = rng.choice(CONF_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    places = [rng.choice(PLACES) for _ in authors]
    page = Page(latin=rng.choice(FONTS), size=10, margins=rng.choice([2.0, 2.2]))
    t = page.table([['Paper ID %d \u00b7 Session %d%s' % (rng.randint(100, 999), rng.randint(1, 8), rng.choice('ABC')),
                     'Proceedings of the %s Conference on Chinese Music, %d' % (rng.choice(['Ninth', 'Tenth', 'Twelfth']), year)]],
                   widths_cm=[6.0, 11.0], size=8.5, align=['l', 'r'])
    t.autofit = False
    page.para('', rule='bottom', after=18)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=10)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (MARKS[k], {'sup': True})] + ([' \u00b7 '] if k < len(authors) - 1 else [])
    page.para(runs, size=11.5, align='c', after=6)
    for k, p in enumerate(places):
        page.para([(MARKS[k], {'sup': True}), p], size=8.5, italic=True, align='c', after=0)
    kws = rng.sample(['Nanyin', 'gongche notation', 'oral tradition', 'ethnomusicology', 'ritual music', 'sound archive',
                      'revival'], rng.randint(3, 5))
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=9, align='l', before=14, after=6)
    page.para([('Abstract. ', {'bold': True}), 'This paper listens closely to a living repertoire and its written sources, and '
               'asks how performers, teachers and archives keep a tradition audible. ' * 2], size=9, align='j', after=12)
    page.columns(2)
    page.para('Ensembles meet in the evening in a temple courtyard, and the oldest players tune first. ' * 5, size=9.5,
              align='j', indent=14, after=6)
    return _finish(page, rng, title, authors, year, kws)


def philosophy_book_chapter(rng):
    """A chapter of an edited philosophy or art history volume: one row with a large chapter numeral in
    the left cell and the title in the right, the author in italics under it, an epigraph quoting a
    thinker (no author), the text, and a starred foot note with the author's post, the book and its
    editors (no authors) and the year."""
    year = rng.randint(2008, 2026)
    title = rng.choice(CHAPTER_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 2))
    editors = _names(rng, rng.randint(1, 2), authors)
    page = Page(latin=rng.choice(FONTS), size=11, margins=rng.choice([2.5, 3.0]))
    t = page.table([[(str(rng.randint(2, 14)), {'size': rng.choice([40, 48]), 'bold': True}),
                     (title, {'size': rng.choice([18, 20]), 'bold': rng.random() < 0.6})]],
                   widths_cm=[2.5, 12.5], align=['c', 'l'])
    t.autofit = False
    for col, w in zip(t.columns, (2.5, 12.5)):
        col.width = Cm(w)
    page.para('', after=6)
    page.para((' and '.join(authors), {'italic': True}), size=12.5, align=rng.choice(['l', 'r']), after=24)
    page.para(('\u201cWhat is remembered is what is written again.\u201d', {'italic': True}), size=10, align='r', after=0)
    page.para('\u2014 ' + rng.choice(THINKERS), size=10, align='r', after=20)
    page.para('Stones, rubbings and songs carry words across centuries, but they also change what those words can mean. '
              * 5, align='j', indent=18, after=14)
    page.para('* %s. From %s, edited by %s (%s, %d).' % (
        '; '.join('%s is %s at %s' % (a, rng.choice(['Professor of Philosophy', 'Lecturer in Art History', 'Research Fellow']),
                                     rng.choice(PLACES)) for a in authors),
        rng.choice(['Inscribed Worlds', 'Memory in Stone and Sound', 'Philosophies of the Local']),
        ' and '.join(editors), rng.choice(['Leiden', 'Singapore', 'Hong Kong']), year), size=8.5, rule='top', after=0)
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-musicologyconf-paperidcell-middotbyline-keywordsbeforeabstract': musicology_conf_paper,
             'gen-en-philosophychapter-numeralcellbesidetitle-epigraph-starredfootnote': philosophy_book_chapter}
