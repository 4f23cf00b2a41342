"""A third set of Chinese first pages: covers with the student and tutor on one line, covers with
the title in a framed box, journal pages whose authors carry superscript digits over a list of
units, pages with "作者：" written inline, and journal pages that print the English title and
abstract before the Chinese ones. Subjects: law, sport science, marine science, forestry, music,
journalism and chemical engineering."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('中国海洋大学', 'Ocean University of China', '青岛', '266100'),
           ('北京体育大学', 'Beijing Sport University', '北京', '100084'),
           ('中国政法大学', 'China University of Political Science and Law', '北京', '102249'),
           ('东北林业大学', 'Northeast Forestry University', '哈尔滨', '150040'),
           ('上海音乐学院', 'Shanghai Conservatory of Music', '上海', '200031'),
           ('中国传媒大学', 'Communication University of China', '北京', '100024'),
           ('华东理工大学', 'East China University of Science and Technology', '上海', '200237'),
           ('西南政法大学', 'Southwest University of Political Science and Law', '重庆', '401120'),
           ('南京林业大学', 'Nanjing Forestry University', '南京', '210037'),
           ('上海海洋大学', 'Shanghai Ocean University', '上海', '201306')]
UNITS = ['法学院', '体育教育训练学院', '海洋生命学院', '林学院', '音乐学系', '新闻传播学院', '化工学院',
         '民商法学院', '运动人体科学学院', '水产学院']
MAJORS = ['民商法学', '体育教育训练学', '海洋生物学', '森林培育', '音乐学', '新闻学', '化学工程', '刑法学',
          '运动人体科学', '水产养殖']
TOPICS = ['个人信息保护', '青少年体质', '近海浮游植物', '人工林碳汇', '民族器乐', '短视频传播', '催化裂化',
          '电子证据', '耐力训练', '海水养殖病害', '天然次生林', '地方戏曲', '舆论引导', '膜分离过程',
          '合同解除', '运动损伤']
ANGLES = ['法律规制', '干预效果', '群落结构', '生长动态', '传承现状', '传播机制', '工艺优化', '司法认定',
          '生理适应', '防控对策', '更新格局', '审美特征']
SETTINGS = ['民法典', '中小学', '胶州湾', '大兴安岭', '江南地区', '融媒体时代', '中试装置', '刑事诉讼',
            '高原环境', '黄海海域']
FORMS = ['{s}背景下{t}的{a}研究', '{t}{a}探究——基于{s}的考察', '{s}{t}的{a}', '{t}的{a}与{u}',
         '关于{s}{t}{a}的若干思考', '{t}与{u}的{a}比较']
JOURNALS = ['法学研究', '体育科学', '海洋与湖沼', '林业科学', '中国音乐学', '新闻与传播研究', '化工学报', '政法论坛']
CLC = ['D923', 'G808', 'Q178', 'S718', 'J607', 'G206', 'TQ021', 'D915']
BODY = ('本文在梳理相关文献与实践材料的基础上，结合实地调查与案例分析，对所论问题的成因、表现与对策进行了讨论。'
        '研究表明，制度安排与实施环境共同决定了实际效果，文末提出了若干改进建议。')
EN_TITLES = ['On the {x} in Contemporary China', 'An Empirical Study of {x}', '{x}: Evidence and Reflections',
             'Rethinking the {x}']
EN_X = ['Regulation of Personal Data', 'Physical Fitness of Adolescents', 'Coastal Phytoplankton Assemblages',
        'Carbon Sinks of Plantations', 'Inheritance of Folk Instrumental Music', 'Spread of Short Videos']
BODY_EN = ('Drawing on field investigation and case analysis, this paper discusses the causes, forms and remedies '
           'of the problem and proposes several improvements.')


def _title(rng):
    t, u = rng.sample(TOPICS, 2)
    return rng.choice(FORMS).format(t=t, u=u, a=rng.choice(ANGLES), s=rng.choice(SETTINGS))


def _keywords(rng, title):
    return title_keywords(rng, title, TOPICS + ANGLES + SETTINGS, TOPICS)


def _page(rng, size=12, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _when(rng):
    year, month = rng.randint(2007, 2025), rng.choice([4, 5, 6, 12])
    text = zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)
    return year, text


def cover_pair_line(rng):
    """School and kind on top, the title large without a label, then 申请人 and 指导教师 on one line,
    the major and unit on another."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para((school[0], {'size': 26, 'bold': True}), align='c', before=30, after=6)
    page.para((rng.choice(['硕士研究生学位论文', '博士研究生学位论文', '本科生毕业论文']), {'size': 18}), align='c', after=60)
    page.para((title, {'size': rng.choice([20, 22]), 'bold': True}), align='c', after=60, line=1.3)
    a_lab = rng.choice(['申请人', '作者', '研究生', '学生'])
    s_lab = rng.choice(['指导教师', '导师', '指导老师'])
    c = rng.choice(['：', ':', ' '])
    page.para('%s%s%s%s%s%s%s' % (a_lab, c, author, rng.choice(['　　　', '    ', '\t']), s_lab, c,
                                 sup + rng.choice(['', ' 教授', ' 副教授'])), align='c', size=14, after=10)
    page.para('%s%s%s　　%s%s%s' % (rng.choice(['专业', '学科']), c, rng.choice(MAJORS), rng.choice(['学院', '院系']), c,
                                   rng.choice(UNITS)), align='c', size=14, after=80)
    page.para(when, align='c', size=14)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def cover_framed_title(rng):
    """The title inside a framed one-cell box with a small label cell over it; the people listed
    below with stretched labels and a colon."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para('分类号：%s　　　　　　　　密级：公开' % rng.choice(CLC), size=10, after=30)
    page.para((school[0] + rng.choice(['', '研究生院']), {'size': 22, 'bold': True}), align='c', after=4)
    page.para((rng.choice(['学位论文', '专业硕士学位论文', '博士论文']), {'size': 28, 'bold': True}), align='c', after=40)
    rows = []
    if rng.random() < 0.5:
        rows.append([(rng.choice(['论文题目', '题　目']), {'size': 10})])
    rows.append([(title, {'size': rng.choice([18, 20]), 'bold': True})])
    page.table(rows, widths_cm=[14], grid=True, align='c')
    page.para('', after=40)
    for lab, val in [(rng.choice(['作　者　姓　名', '论文作者', '撰 写 人']), author),
                     (rng.choice(['指　导　教　师', '指导老师']), sup),
                     (rng.choice(['学　科　专　业', '专业名称']), rng.choice(MAJORS)),
                     (rng.choice(['所　在　学　院', '培养单位']), rng.choice(UNITS))]:
        page.para([(lab + '：', {'bold': True}), val], align='c', size=14, after=10)
    page.para(when, align='c', size=14, before=40)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def journal_sup_units(rng):
    """Authors with superscript digits (and a star on the corresponding one), then each unit on its
    own line led by the same superscript digit, then the abstract."""
    page = _page(rng, size=10, margins=2.0)
    year = rng.randint(2009, 2025)
    title = _title(rng)
    names = [p[0] for p in distinct(rng, zh_person, rng.randint(2, 5))]
    kws = _keywords(rng, title)
    page.para('%s　%d，%d(%d)：%d-%d' % (rng.choice(JOURNALS), year, rng.randint(10, 60), rng.randint(1, 12),
                                      rng.randint(1, 300), rng.randint(301, 600)), size=8, rule='bottom', after=16)
    page.para((title, {'size': rng.choice([17, 19]), 'bold': True}), align='c', after=8)
    n_units = min(len(names), rng.randint(2, 3))
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        mark = str(1 + i % n_units) + ('*' if i == len(names) - 1 and rng.random() < 0.5 else '')
        runs.append((mark, {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(rng.choice(['　', '，', '  ']))
    page.para(runs, align='c', size=12, after=4)
    for i in range(n_units):
        s = rng.choice(SCHOOLS)
        page.para([(str(i + 1), {'sup': True, 'size': 6}), '%s%s，%s　%s' % (s[0], rng.choice(UNITS), s[2], s[3])],
                  align='c', size=8.5, after=0)
    page.para([('摘　要：', {'bold': True}), BODY], size=9, align='j', before=10)
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=8)
    page.para(BODY * 3, indent=20, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def journal_inline_author(rng):
    """Title, then "作者：" with the names inline and "单位：" on the next line, a column label on top."""
    page = _page(rng, size=10.5, margins=2.4)
    year = rng.randint(2009, 2025)
    title = _title(rng)
    names = [p[0] for p in distinct(rng, zh_person, rng.randint(1, 3))]
    kws = _keywords(rng, title)
    page.para((rng.choice(['【学术探讨】', '◆ 实践研究', '本期关注', '研究论文']), {'bold': True}), size=10, after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align=rng.choice('lc'), after=8)
    sep = rng.choice(['，', '、', '　'])
    page.para('%s%s' % (rng.choice(['作者：', '作　者：', '文/', '■ ']), sep.join(names)), align=rng.choice('lc'),
              size=11, after=2)
    s = rng.choice(SCHOOLS)
    opening, closing = rng.choice([('单位：', ''), ('（', '）'), ('', '')])
    page.para(opening + s[0] + rng.choice(UNITS) + closing, align='c', size=9, after=10)
    page.para([('【摘要】', {'bold': True}), BODY], size=9, align='j')
    page.para([('【关键词】', {'bold': True}), '　'.join(kws)], size=9, after=8)
    page.para(BODY * 3, indent=21, align='j')
    page.para('%s %d年第%d期' % (rng.choice(JOURNALS), year, rng.randint(1, 12)), size=8, rule='top', before=10)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def journal_english_first(rng):
    """The English title, pinyin names, Abstract and Key words come first; the Chinese title,
    names, units and 摘要 follow."""
    page = _page(rng, size=10, margins=2.0)
    year = rng.randint(2009, 2025)
    title = _title(rng)
    people = distinct(rng, zh_person, rng.randint(1, 4))
    names = [p[0] for p in people]
    kws = _keywords(rng, title)
    et = rng.choice(EN_TITLES).format(x=rng.choice(EN_X))
    page.para('%s, %d, Vol. %d, No. %d' % (rng.choice(['Acta Oceanologica', 'Journal of Sport Science',
                                                     'Legal Studies', 'Forest Research']), year,
                                          rng.randint(5, 40), rng.randint(1, 12)), size=8, rule='bottom', after=12)
    page.para((et, {'size': 15, 'bold': True}), align='c', after=6)
    page.para(', '.join(p[1] for p in people), align='c', size=10, after=4)
    page.para([('Abstract: ', {'bold': True}), BODY_EN], size=8.5, align='j', after=2)
    page.para([('Key words: ', {'bold': True}), 'field study; policy; evaluation'], size=8.5, after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=6)
    page.para(rng.choice(['，', '　', ' ']).join(names), align='c', size=11, after=2)
    s = rng.choice(SCHOOLS)
    page.para('（%s%s，%s　%s）' % (s[0], rng.choice(UNITS), s[2], s[3]), align='c', size=8.5, after=8)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=8)
    page.para(BODY * 2, indent=20, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta, title_en=et)


TEMPLATES = {
    'gen-zh-cover-pairline': cover_pair_line,
    'gen-zh-cover-framedtitle': cover_framed_title,
    'gen-zh-journal-supunits': journal_sup_units,
    'gen-zh-journal-inlineauthor': journal_inline_author,
    'gen-zh-journal-abstractfirst': journal_english_first,
}
