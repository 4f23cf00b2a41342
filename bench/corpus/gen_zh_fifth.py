"""A fifth set of Chinese first pages, written for the blind part heldout5, in layouts the earlier
sets lack: a 学报 page whose title stands in 黑体 over two lines and whose authors, parted by
full-width blanks, carry circled-number marks (①②) resolved in a 〔〕 bracket; a cover whose fields
("题　　目：") have underlined blanks on a two-column grid (学院/专业, 学生姓名/学号, 指导教师/职称); a
专业学位 thesis cover with a 分类号/密级/UDC/编号 block at the top right and the title in a box; a
conference paper with Chinese and English titles and an e-mail footnote; a 开题报告 cover; and a
journal page whose author line "甲，乙，丙" is followed by "（1.单位，城市 邮编；2.单位，城市 邮编）".
Subjects: civil aviation, restoration of old books, salt-lake chemistry, urban rail transit,
aquaculture, stomatology and opera studies."""
from genbase import distinct, record, set_meta, title_keywords, zh_date, zh_person
from gen_zh_more import _page

SCHOOLS = [('中国民航大学', 'Civil Aviation University of China', '天津', '300300'),
           ('青海大学', 'Qinghai University', '西宁', '810016'),
           ('北京交通大学', 'Beijing Jiaotong University', '北京', '100044'),
           ('浙江海洋大学', 'Zhejiang Ocean University', '舟山', '316022'),
           ('宁波大学', 'Ningbo University', '宁波', '315211'),
           ('中国戏曲学院', 'National Academy of Chinese Theatre Arts', '北京', '100073'),
           ('大连海洋大学', 'Dalian Ocean University', '大连', '116023'),
           ('西南交通大学', 'Southwest Jiaotong University', '成都', '611756'),
           ('中国民用航空飞行学院', 'Civil Aviation Flight University of China', '广汉', '618307'),
           ('天津师范大学', 'Tianjin Normal University', '天津', '300387')]
UNITS = ['空中交通管理学院', '盐湖化工学院', '交通运输学院', '水产与生命学院', '华西口腔医学院', '戏曲文学系',
         '古籍保护研究院', '机务工程学院', '轨道交通运营管理系', '表演系']
MAJORS = ['交通运输规划与管理', '化学工艺', '水产养殖', '口腔临床医学', '戏剧戏曲学', '文献学', '载运工具运用工程']
TITLES = ['教授', '副教授', '研究员', '高级工程师', '讲师', '主任医师']
SUBJECTS = ['终端区航班排序', '卤水提锂', '地铁客流', '对虾育苗', '种植体周围炎', '昆曲身段', '古籍纸张脱酸',
            '跑道侵入', '钾肥结晶', '列车运行图', '大黄鱼养殖', '正畸支抗', '京剧唱腔', '雕版印刷品',
            '机坪运行', '镁资源综合利用']
ANGLES = ['冲突预警', '流程再造', '时空分布特征', '病害防控', '预后效果比较', '传承路径', '老化机理',
          '隐患排查', '动力学模型', '鲁棒编排', '生长性能', '生物力学分析', '程式化特征', '修复技法']
CONTEXTS = ['繁忙机场', '察尔汗盐湖', '超大城市', '工厂化循环水', '临床队列', '非遗保护', '馆藏文献', '冬季运营期']
FORMS = ['{c}下{s}的{a}研究', '{s}{a}的实证分析——以{c}为例', '{c}条件下{s}与{t}的{a}',
         '关于{s}{a}的若干问题', '{s}{a}：基于{c}的考察', '{c}背景下{s}{a}方法探讨']
JOURNALS = ['中国民航大学学报', '盐湖研究', '交通运输系统工程与信息', '水产学报', '华西口腔医学杂志', '戏曲艺术',
            '图书馆杂志', '铁道学报']
CLC = ['V355', 'TQ131', 'U293', 'S968', 'R783', 'J821', 'G253', 'U292']
CIRCLED = '①②③④'
BODY = ('文章梳理了相关领域的已有成果，结合现场数据与案例资料，从多个侧面分析了问题的成因与表现，'
        '提出了改进思路和可操作的措施，并对今后的工作方向作了展望。')
EN_TITLES = ['Arrival Sequencing in Busy Terminal Areas', 'Lithium Extraction from Salt-Lake Brine',
             'Passenger Flow on Metro Networks', 'Hatchery Practice for Penaeid Shrimp',
             'Peri-Implantitis in a Clinical Cohort', 'Movement Conventions of Kunqu Opera',
             'Deacidification of Paper in Old Books', 'Runway Incursion Risk at Airports']


def _title(rng):
    s, t = rng.sample(SUBJECTS, 2)
    return rng.choice(FORMS).format(s=s, t=t, a=rng.choice(ANGLES), c=rng.choice(CONTEXTS))


def _keywords(rng, title):
    return title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, SUBJECTS)


def _halves(title):
    k = (len(title) + 1) // 2
    return [title[:k], title[k:]]


def _names(rng, lo, hi):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(lo, hi))]


def _when(rng):
    year, month = rng.randint(2009, 2026), rng.choice([3, 4, 5, 9, 11])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d年%02d月' % (year, month)


def _front(rng, size, first_year):
    """A journal-like page and its front matter: year, title, two to four people, names, keywords."""
    page = _page(rng, size=size, margins=2.0)
    year = rng.randint(first_year, 2026)
    title = _title(rng)
    people = distinct(rng, zh_person, rng.randint(2, 4))
    return page, year, title, people, [p[0] for p in people], _keywords(rng, title)


def journal_circled(rng):
    """A 学报 head with a rule, the title in 黑体 over two lines, authors parted by full-width blanks
    and marked ①②, their units in a 〔〕 bracket, then 摘　要 / 关键词 and a one-column body."""
    page = _page(rng, size=10.5, margins=rng.choice([2.0, 2.4]))
    year = rng.randint(2009, 2026)
    title = _title(rng)
    names = _names(rng, 2, 4)
    kws = _keywords(rng, title)
    j = rng.randrange(len(JOURNALS))
    page.para('%s　　%d年　第%d期' % (JOURNALS[j], year, rng.randint(1, 6)), size=9, align=rng.choice('lc'),
              rule='bottom', after=16)
    hei = {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.5, 'cjk': rng.choice(
        ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei'])}
    a, b = _halves(title)
    page.para([(a, dict(hei, **{'break': True})), (b, hei)], align='c', after=10)
    schools = rng.sample(SCHOOLS, 2)
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append((CIRCLED[i % 2], {'sup': rng.random() < 0.5, 'size': 8}))
        if i < len(names) - 1:
            runs.append(rng.choice(['　', '　　']))
    page.para(runs, align='c', size=rng.choice([12, 13]), cjk='AR PL KaitiM GB', after=4)
    page.para('〔%s%s%s，%s %s；%s%s%s，%s %s〕' % (
        CIRCLED[0], schools[0][0], rng.choice(UNITS), schools[0][2], schools[0][3],
        CIRCLED[1], schools[1][0], rng.choice(UNITS), schools[1][2], schools[1][3]), align='c', size=9, after=10)
    page.para([('〔摘　要〕', {'bold': True}), BODY], size=9, align='j', indent=18)
    page.para([('〔关键词〕', {'bold': True}), '　'.join(kws)], size=9, after=2)
    page.para('〔中图分类号〕%s　〔文献标识码〕A　〔文章编号〕%04d-%04d（%d）%02d-%04d-%02d' % (
        CLC[j], rng.randint(1000, 9999), rng.randint(1000, 9999), year, rng.randint(1, 6),
        rng.randint(1, 300), rng.randint(4, 9)), size=8.5, after=12)
    page.para(BODY * 3, indent=21, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def cover_grid_fields(rng):
    """School and kind, then "题　　目：" with the title on underlined blanks (over two rows when
    long), then a four-column borderless grid: 学院/专业, 学生姓名/学号, 指导教师/职称."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para((school[0], {'size': rng.choice([26, 30]), 'cjk': 'AR PL KaitiM GB'}), align='c', before=20, after=8)
    page.para((rng.choice(['本科毕业设计（论文）', '学士学位论文', '毕业论文']), {'size': 24, 'bold': True}),
              align='c', after=rng.choice([60, 80]))
    pad = '\u3000' * rng.randint(0, 2)
    lab = rng.choice(['题　　目：', '题　目：', '论文题目：'])
    if len(title) > 15:
        a, b = _halves(title)
        page.para([lab, (pad + a + pad, {'u': True})], align='c', size=16, after=6)
        page.para([('\u3000' * (len(lab) - 1) + ' ', {}), (pad + b + pad, {'u': True})], align='c', size=16,
                  after=30)
    else:
        page.para([lab, (pad + title + pad, {'u': True})], align='c', size=16, after=30)
    c = rng.choice(['：', ':', ''])
    sid = '%d%06d' % (year - 4, rng.randint(1, 999999))
    rows = [['学　　院' + c, (rng.choice(UNITS), {'u': True}), '专　　业' + c, (rng.choice(MAJORS), {'u': True})],
            ['学生姓名' + c, (author, {'u': True}), '学　　号' + c, (sid, {'u': True})],
            ['指导教师' + c, (sup, {'u': True}), '职　　称' + c, (rng.choice(TITLES), {'u': True})]]
    page.table(rows, widths_cm=[2.6, 4.4, 2.6, 4.4], size=rng.choice([12, 14]), align=['r', 'c', 'r', 'c'],
               grid=rng.random() < 0.3)
    page.para(when, align='c', size=14, before=60)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def cover_class_box(rng):
    """A 专业学位 thesis cover: 分类号/密级/UDC/编号 right-aligned at the top, the kind, the title in a
    one-cell framed box (an English title in it on some), then centred "label  value" lines."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    j = rng.randrange(len(CLC))
    for lab, val in [('分类号', CLC[j]), ('密　级', rng.choice(['公开', '内部', '秘密★5年'])),
                     ('U D C', '%d.%d' % (rng.randint(300, 699), rng.randint(1, 99))),
                     ('编　号', '%s%d%04d' % (rng.choice(['1', '2']), year, rng.randint(1, 9999)))]:
        page.para('%s：%s' % (lab, val) if rng.random() < 0.6 else '%s  %s' % (lab, val), align='r', size=10.5,
                  after=0)
    page.para((school[0], {'size': 26, 'bold': True}), align='c', before=30, after=10)
    page.para((rng.choice(['硕士专业学位论文', '专业学位硕士学位论文', '工程硕士专业学位论文']), {'size': 22}), align='c',
              after=40)
    extra = {}
    cell = [(title, {'size': rng.choice([18, 20]), 'bold': True})]
    if rng.random() < 0.4:
        extra['title_en'] = rng.choice(EN_TITLES)
        cell.append(('\n' + extra['title_en'], {'size': 12}))
    page.table([[cell]], widths_cm=[14], grid=True, align='c')
    page.para('', after=40)
    sep = rng.choice(['　　', '：', '  ：  '])
    for lab, val in [('申请人姓名', author), ('指导教师', sup + rng.choice(['', '　' + rng.choice(TITLES)])),
                     ('专业学位类别', rng.choice(['工程硕士', '口腔医学硕士', '农业硕士', '艺术硕士'])),
                     ('领域（方向）', rng.choice(MAJORS)), ('论文提交日期', when)]:
        page.para([(lab, {'bold': rng.random() < 0.3}), sep + val], align='c', size=14, after=6)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, **extra)


def conference_email(rng):
    """A conference paper: meeting name at the top, Chinese title, authors marked with a digit and
    "*", units, then the English title and the names in pinyin; an e-mail footnote under a rule."""
    page, year, title, people, names, kws = _front(rng, 10.5, 2012)
    page.para('第%s届全国%s学术会议论文集　%d' % ('一二三四五六七八九十'[rng.randrange(10)],
                                          rng.choice(['空中交通管理', '盐湖科学', '城市轨道交通', '水产科技', '戏曲理论']), year),
              size=8, align='r', after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=8)
    corr = rng.randrange(len(names))
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append(('%d%s' % (1 + i % 2, ',*' if i == corr else ''), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(rng.choice(['，', '　', ', ']))
    page.para(runs, align='c', size=12, after=4)
    s1, s2 = rng.sample(SCHOOLS, 2)
    page.para('1. %s%s，%s %s' % (s1[0], rng.choice(UNITS), s1[2], s1[3]), align='c', size=9, after=0)
    page.para('2. %s%s，%s %s' % (s2[0], rng.choice(UNITS), s2[2], s2[3]), align='c', size=9, after=8)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '，'.join(kws)], size=9, after=10)
    page.para((rng.choice(EN_TITLES), {'bold': True}), align='c', size=13, after=4)
    page.para(', '.join(p[1] for p in people), align='c', size=10, after=8)
    page.para(BODY * 2, indent=21, align='j', after=10)
    user = people[corr][1].split()[0].lower() + str(rng.randint(1, 99))
    page.para('*通信作者：%s，E-mail：%s@%s' % (names[corr], user, rng.choice(['163.com', 'qq.com', 'cauc.edu.cn',
                                                                         'nbu.edu.cn'])),
              size=7.5, rule='top', after=0)
    page.para('基金项目：%s（%d%04d）' % (rng.choice(['国家重点研发计划', '青海省科技计划', '民航安全能力建设资金项目']),
                                  year - 1, rng.randint(1, 9999)), size=7.5)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def proposal_cover(rng):
    """A 开题报告 cover: school, "研究生学位论文开题报告" in large type, then left-aligned rows
    "课题名称 / 研 究 生 / 学    号 / 指导教师 / 学科专业 / 开题日期" with a rule under each value."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para(school[0] + rng.choice(['', '研究生院']), align='c', size=20, before=20, after=8)
    page.para((rng.choice(['研究生学位论文开题报告', '硕士学位论文开题报告', '博士学位论文开题报告书']),
               {'size': rng.choice([24, 26]), 'bold': True}), align='c', after=rng.choice([70, 90]))
    c = rng.choice(['：', ':', '　'])
    size = rng.choice([14, 15])
    for lab, val in [(rng.choice(['课题名称', '论文题目', '拟定题目']), title),
                     (rng.choice(['研 究 生', '研究生姓名', '报 告 人']), author),
                     ('学　　号', '%d%05d' % (year - 1, rng.randint(1, 99999))), ('指导教师', sup),
                     (rng.choice(['学科专业', '专业领域']), rng.choice(MAJORS)), ('开题日期', when)]:
        page.para([lab + c, (val, {'u': rng.random() < 0.5})], align='l', size=size, after=4,
                  rule='bottom' if rng.random() < 0.5 else None, indent=rng.choice([40, 60]))
    page.para(rng.choice(['研究生院制', '%s研究生院　制表' % school[0], '']), align='c', size=12, before=60)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def journal_numbered_units(rng):
    """A journal page in two columns below the front matter: title, "甲，乙，丙" with no marks or with
    superscript digits, "（1.单位，城市 邮编；2.单位，城市 邮编）", 摘要 and 关键词, then the English
    title and abstract and a 收稿日期 footnote."""
    page, year, title, people, names, kws = _front(rng, 10, 2008)
    page.para('%s　第%d卷第%d期　%d年%d月' % (rng.choice(JOURNALS), rng.randint(10, 50), rng.randint(1, 12), year,
                                       rng.randint(1, 12)), size=8, align='c', after=0)
    page.para('', rule='bottom', after=14)
    page.para((title, {'size': rng.choice([17, 19]), 'bold': rng.random() < 0.7}), align='c', after=8)
    marks = rng.random() < 0.5
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        if marks:
            runs.append(('%d' % (1 + min(i, 1)), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append('，')
    page.para(runs, align='c', size=12, cjk='AR PL UKai CN', after=4)
    s1, s2 = rng.sample(SCHOOLS, 2)
    page.para('（1.%s%s，%s %s；2.%s%s，%s %s）' % (s1[0], rng.choice(UNITS), s1[2], s1[3], s2[0],
                                                rng.choice(UNITS), s2[2], s2[3]), align='c', size=9, after=10)
    page.para([('摘　要：', {'bold': True}), BODY], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=6)
    et = rng.choice(EN_TITLES)
    page.para((et, {'bold': True}), align='c', size=12, after=2)
    page.para(', '.join(p[1] for p in people), align='c', size=9.5, after=10)
    page.columns(2)
    page.para(BODY * 3, indent=20, align='j', after=10)
    page.para('收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=7.5,
              rule='top', after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta, title_en=et)


TEMPLATES = {
    'gen-zh-journal-circledmarks': journal_circled,
    'gen-zh-cover-gridfields': cover_grid_fields,
    'gen-zh-cover-classbox': cover_class_box,
    'gen-zh-conference-emailnote': conference_email,
    'gen-zh-proposal-opening': proposal_cover,
    'gen-zh-journal-numberedunits': journal_numbered_units,
}
