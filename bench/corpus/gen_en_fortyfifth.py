"""Forty-fifth English first pages, of kinds the earlier sets lack, in folk arts, local history and
rural economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Huayin Laoqiang Troupes', 'Heyang String Puppeteers', 'Pucheng Fireworks Workshops',
            'Northern Shaanxi Storytellers', 'Suide Stone Lion Carvers', 'Mizhi Cave Dwelling Hosts',
            'Fengxiang Clay Figure Makers', 'Qianyang Embroidery Cooperatives']
CHAPTER_FRAMES = ['Masters and Apprentices: {S} in the Reform Era', 'Craft, Kinship and the Market: {S}',
                  'What the Elders Remember: {S} since 1949', 'Performing Locality: {S} and Their Audiences']
TRANSLATED_FRAMES = ['Household Income and Heritage Work among {S}', 'Property, Contract and Custom: The Case of {S}',
                     'Schooling the Next Generation of {S}', 'Local Government and the Revival of {S}']
HONOREES = ['Margaret Ellery', 'Hugo Van der Berg', 'Ruth Akinola', 'Stanley Pardoe']
SURNAMES = ['Wang', 'Li', 'Zhang', 'Liu', 'Chen', 'Yang', 'Zhao', 'Huang', 'Zhou', 'Wu', 'Xu', 'Sun', 'Ma', 'Zhu', 'Guo', 'Luo']
GIVEN = ['Jianguo', 'Xiaoling', 'Haiyan', 'Wenjie', 'Yuming', 'Lihua', 'Zhiqiang', 'Chunmei', 'Dongsheng', 'Ruoxi', 'Kaiwen',
         'Yafei', 'Shuang', 'Peng', 'Hui', 'Jing']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']


def _pinyin(rng, n):
    """n distinct Chinese names in pinyin, surname first."""
    out = []
    while len(out) < n:
        p = '%s %s' % (rng.choice(SURNAMES), rng.choice(GIVEN))
        if p not in out:
            out.append(p)
    return out


def festschrift_chapter(rng):
    """A chapter of a volume in honour of a scholar: the volume's running head (its title naming the
    honoree, and its editors, neither of whom is an author) over a rule, a large chapter number, the
    title, the authors in small capitals with their institutions in a line below, and the text with a
    footnote of acknowledgements."""
    year = rng.randint(2008, 2026)
    title = rng.choice(CHAPTER_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    editors = _names(rng, rng.randint(1, 2), authors)
    honoree = rng.choice(HONOREES)
    page = Page(latin=rng.choice(FONTS), size=11, margins=rng.choice([2.5, 3.0]))
    page.para([(rng.choice(['Essays in Honour of ', 'Festschrift for ', 'Studies Presented to ']) + honoree, {'italic': True}),
               ', ed. %s (%d)' % (' and '.join(editors), year)], size=9, align=rng.choice(['l', 'c']), rule='bottom',
              after=rng.choice([40, 56]))
    page.para((rng.choice(['%d', 'Chapter %d', 'CHAPTER %d']) % rng.randint(2, 14), {'size': rng.choice([20, 26]), 'bold': True}),
              align=rng.choice(['l', 'r']), after=12)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': rng.random() < 0.6}), align='l', after=12)
    page.para((' and '.join([', '.join(authors[:-1]), authors[-1]]) if len(authors) > 1 else authors[0],
               {'smallcaps': rng.random() < 0.5}), size=12, after=2)
    page.para(', '.join(sorted({rng.choice(['Weinan Normal University', 'Yulin University', 'Wexcombe College',
                                            'University of Tarlington']) for _ in authors})), size=10, italic=True, after=28)
    page.para('When %s began fieldwork in the villages of the Wei River valley, few scholars thought the crafts and '
              'performances there worth a monograph. ' % honoree.split()[-1]
              + 'This chapter returns to the questions raised in that work and follows them into the present. ' * 3,
              size=11, align='j', line=1.2, after=8)
    page.para('We thank the performers and craftspeople who spoke with us, and the editors for comments on an earlier draft.',
              size=8.5, rule='top')
    return _finish(page, rng, title, authors, year)


def translated_article(rng):
    """A journal of Chinese scholarship in translation: the journal, volume and year with
    "TRANSLATION" over a rule, a shaded box "Originally published as:" giving the Chinese original,
    the title, the Chinese authors in pinyin, "Translated by" the translator (not an author), the
    abstract, the keywords, and the opening section."""
    year = rng.randint(2010, 2026)
    title = rng.choice(TRANSLATED_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _pinyin(rng, rng.randint(1, 3))
    translator = _names(rng, 1)[0]
    kws = rng.sample(['folk arts', 'intangible heritage', 'rural economy', 'customary law', 'Shaanxi', 'apprenticeship',
                      'cultural policy'], rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    page.table([['%s, Vol. %d (%d)' % (rng.choice(['Chinese Humanities in Translation', 'Contemporary Chinese Social Thought',
                                                   'Rural China Studies in English']), rng.randint(3, 40), year),
                 ('TRANSLATION', {'bold': True})]], widths_cm=[12.0, 4.0], size=9.5, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([14, 20]))
    page.table([[[('Originally published as: ', {'bold': True}), '%s, \u201c%s\u201d [in Chinese], %s, %d, no. %d.' % (
        authors[0], rng.choice(['一项田野研究', '基于陕西的调查', '历史与现状']),
        rng.choice(['Shaanxi Social Sciences', 'Journal of Northwest Folklore']), year - rng.randint(1, 4), rng.randint(1, 6))]]],
               widths_cm=[15.5], size=9, align='l', shade=(0,), fill=rng.choice(['EEEEEE', 'F1ECE2']), grid=rng.random() < 0.4)
    page.para('', after=16)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align=rng.choice(['c', 'l']), after=10)
    page.para(', '.join(authors), size=12, align='c' if rng.random() < 0.5 else 'l', after=3)
    page.para('%s %s' % (rng.choice(['Translated by', 'Translated from the Chinese by', 'Translation:']), translator),
              size=10, italic=True, align='c', after=14)
    page.para([('Abstract: ', {'bold': True}), 'Drawing on interviews, village records and household accounts, this article '
               'describes how a local tradition is organised, paid for and passed on, and what recent policy has changed.'],
              size=10, align='j', after=4)
    page.para([('Keywords: ', {'bold': True}), '; '.join(kws)], size=10, after=14)
    page.para(('1. Introduction', {'bold': True}), size=11.5, after=4)
    page.para('The translation follows the original closely; notes added by the translator are marked as such. ' +
              'The article asks who does the work, who is paid for it and who decides how it changes. ' * 3, size=11, align='j')
    return _finish(page, rng, title, authors, year, kws)


TEMPLATES = {'gen-en-festschriftchapter-honoreerunninghead-chapternumber': festschrift_chapter,
             'gen-en-translationjournal-originallypublishedbox-translatedbyline': translated_article}
