"""Fifty-first English first pages, of kinds the earlier sets lack, in folk arts, heritage law and
regional economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Hengshui Inner Painting Artists', 'Wuqiang New Year Print Makers', 'Xing Kiln Porcelain Potters',
            'Neiqiu Paper God Printers', 'Weixian Luantan Opera Troupes', 'Duan Inkstone Carvers', 'Guangning Bamboo Weavers',
            'Deqing Longmu Temple Fair Keepers']
ESSAY_FRAMES = ['Craft, Memory and the Market: Notes on {S}', 'The Afterlife of a Tradition among {S}',
                'Seeing Through Glass and Paper: {S} Today', 'Ritual, Workshop and Stage: Reading {S}']
LAW_FRAMES = ['Who Owns a Pattern? Intellectual Property and {S}', 'Geographical Indications and the Livelihoods of {S}',
              'Regulating Heritage Markets: The Case of {S}', 'Customary Rules and Contract among {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
JOURNALS = ['Journal of Hebei Folk Arts', 'Lingnan Review of Material Culture', 'North China Heritage Quarterly']
SCHOOLS = ['Hengshui University School of Law', 'Xingtai University Faculty of Law and Economics',
           'Zhaoqing University School of Law and Politics']


def humanities_essay(rng):
    """A humanities journal's essay: the journal line, a letterspaced kicker ("ESSAY", "FIELD NOTES"),
    then the byline in capitals BEFORE the title, the title and an italic subtitle line, the
    abstract indented, the text, and the authors' notes in italics at the foot."""
    year = rng.randint(2009, 2026)
    title = rng.choice(ESSAY_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([2.2, 2.5]))
    page.para('%s \u00b7 Vol. %d, No. %d (%d)' % (rng.choice(JOURNALS), rng.randint(3, 30), rng.randint(1, 4), year), size=8.5,
              align='r', after=20)
    page.para(' '.join(rng.choice(['ESSAY', 'FIELD NOTES', 'ARTS AND SOCIETY'])), size=9, bold=True, align='l', after=12)
    page.para(' AND '.join([', '.join(authors[:-1]), authors[-1]] if len(authors) > 1 else authors).upper(), size=10.5,
              align='l', after=8)
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': rng.random() < 0.5}), align='l', after=6)
    page.para(rng.choice(['Workshops, families and buyers in a county town', 'On apprenticeship and the uses of the past']),
              size=12, italic=True, align='l', after=18, rule='bottom')
    page.para('This essay follows a local craft through the workshops, fairs and offices where it is made, sold and protected, '
              'and asks what its makers gain and lose when it becomes heritage. ' * 2, size=9.5, italic=True, align='j', after=14)
    page.para('The county town wakes early on fair days. Stalls go up along the river, and the makers bring their wares in '
              'baskets and vans. ' * 4, size=10.5, align='j', indent=18, after=14)
    page.para('; '.join('%s teaches %s at %s' % (a, rng.choice(['art history', 'folklore', 'anthropology']),
                                                 rng.choice(['Hengshui University', 'Xingtai University', 'Zhaoqing University']))
                        for a in authors) + '.', size=8.5, italic=True, rule='top', after=0)
    return _finish(page, rng, title, authors, year)


def law_research_paper(rng):
    """A law school's research paper series cover: the school and the series name centred, a framed
    cell "Research Paper No. YYYY-NN", the title, the authors one to a line in small capitals each
    with the date under the last, and a boxed note that the paper may be downloaded without charge."""
    year = rng.randint(2010, 2026)
    title = rng.choice(LAW_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    kws = rng.sample(['cultural heritage', 'intellectual property', 'geographical indications', 'customary law', 'rural markets',
                      'Hebei', 'Guangdong'], rng.randint(3, 4))
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    page.para((rng.choice(SCHOOLS), {'size': 14, 'bold': True}), align='c', after=4)
    page.para(rng.choice(['Legal Studies Research Paper Series', 'Law and Economics Research Paper Series']), size=12, italic=True,
              align='c', after=16)
    t = page.table([[('Research Paper No. %d-%02d' % (year, rng.randint(1, 40)), {'bold': True})]], widths_cm=[8.0], size=12,
                   grid=True)
    t.autofit = False
    page.para('', after=rng.choice([40, 60]))
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='c', after=30)
    for a in authors:
        page.para((a, {'smallcaps': True}), size=13, align='c', after=4)
    page.para('%s %d' % (rng.choice(['March', 'June', 'October']), year), size=11, align='c', before=14, after=40)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=10, align='c', after=40)
    t = page.table([['This paper can be downloaded without charge from the school\'s research paper repository and the '
                     'Social Science Research Network.']], widths_cm=[14.0], size=9, grid=True)
    t.autofit = False
    return _finish(page, rng, title, authors, year, kws)


TEMPLATES = {'gen-en-humanitiesjournal-essay-kicker-capsbylinebeforetitle-italicnotesfoot': humanities_essay,
             'gen-en-lawschool-researchpaperseries-numberframe-smallcapsauthorlines-downloadbox': law_research_paper}
