"""A sixth set of Chinese first pages, in layouts the earlier sets lack: a 硕士学位论文 cover with
学校代码 and 学号 at the top corners and its fields in a borderless table whose labels are stretched
with full-width blanks (作　　者, 导　　师, 学科专业, 研究方向); a journal page whose authors carry
superscript letters and a star, their units listed as "a." "b." under one school; a 综述 page with the
byline "甲，乙*" and the unit in brackets under it, both in 楷体, and a 引用格式 line that repeats the
title; an 本科毕业设计说明书 cover with the title on two underlined lines; a page whose authors and
units alternate (a name, then its unit); a 博士后研究工作报告 cover (博士后姓名, 合作导师, 流动站); a
技术报告 cover whose 编写 / 审核 / 批准 rows name writers and reviewers, and the cover sheet a journal
database puts before a paper published online first (题目 / 作者 / 网络首发日期 / 引用格式, a DOI).
Subjects: meteorology, sericulture, apiculture, ceramics, translation studies, forensic science and
permafrost."""
from genbase import ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person
from gen_zh_more import _page

SCHOOLS = [('南京信息工程大学', 'Nanjing University of Information Science and Technology', '南京', '210044', '10300'),
           ('西南大学', 'Southwest University', '重庆', '400715', '10635'),
           ('福建农林大学', 'Fujian Agriculture and Forestry University', '福州', '350002', '10389'),
           ('景德镇陶瓷大学', 'Jingdezhen Ceramic University', '景德镇', '333403', '10408'),
           ('北京外国语大学', 'Beijing Foreign Studies University', '北京', '100089', '10030'),
           ('中国刑事警察学院', 'Criminal Investigation Police University of China', '沈阳', '110854', '10175'),
           ('成都信息工程大学', 'Chengdu University of Information Technology', '成都', '610225', '10621'),
           ('广西大学', 'Guangxi University', '南宁', '530004', '10593'),
           ('新疆大学', 'Xinjiang University', '乌鲁木齐', '830046', '10755'),
           ('上海外国语大学', 'Shanghai International Studies University', '上海', '200083', '10271')]
# one field each: subjects, angles and settings that go together in a title, and the schools
# (indices into SCHOOLS), units, majors, research directions, journal (index), laboratory,
# postdoctoral station, class prefix and English titles that go with them
DOMAINS = [(['强对流天气', '沙尘天气', '雷电活动'], ['形成机制', '预报技巧', '年际变化', '风险区划'],
            ['长江中下游', '多普勒雷达观测', '青藏高原'],
            dict(schools=[0, 6], units=['大气科学学院', '大气物理学院'], majors=['气象学', '大气物理学与大气环境'],
                 directions=['短时临近预报', '雷电物理'], journal=[0, 7], lab='气象灾害预报预警与评估协同创新中心',
                 station='大气科学', klass='大气', en=['Triggering of Severe Convective Storms',
                                                  'Lightning Activity over Coastal Cities'])),
           (['家蚕微孢子虫', '柞蚕丝', '桑树种质'], ['种群遗传结构', '抗病育种', '化学组成', '识别方法'], ['秋蚕期', '西南蚕区'],
            dict(schools=[1, 7], units=['蚕桑纺织与生物质科学学院', '动物科学技术学院'], majors=['特种经济动物饲养', '蚕学'],
                 directions=['家蚕遗传育种', '桑树栽培'], journal=[1], lab='家蚕基因组生物学国家重点实验室',
                 station='畜牧学', klass='蚕学', en=['Microsporidian Infection in Silkworm Rearing',
                                                  'Germplasm of Mulberry in Southwest China'])),
           (['中华蜜蜂', '蜂王浆', '蜂群越冬'], ['种群遗传结构', '化学组成', '识别方法'], ['闽北山区', '高寒山地'],
            dict(schools=[2, 8], units=['蜂学与生物医药学院', '生命科学与技术学院'], majors=['蜂学', '特种经济动物饲养'],
                 directions=['蜜蜂保护生物学', '蜂产品加工'], journal=[2], lab='蜂疗研究所', station='畜牧学', klass='蜂学',
                 en=['Colony Decline of the Eastern Honeybee', 'Composition of Royal Jelly'])),
           (['青花瓷釉', '窑变釉'], ['呈色机理', '烧成制度', '化学组成'], ['柴窑复烧', '御窑遗址出土瓷片'],
            dict(schools=[3], units=['材料科学与工程学院', '陶瓷美术学院'], majors=['材料学', '设计学'],
                 directions=['陶瓷釉料', '古陶瓷科技考古'], journal=[3], lab='国家日用及建筑陶瓷工程技术研究中心',
                 station='材料科学与工程', klass='陶瓷', en=['Colour Formation in Blue-and-White Glazes',
                                                        'Flambe Glazes Fired in Wood Kilns'])),
           (['典籍英译', '字幕翻译'], ['译介策略', '读者接受'], ['对外传播', '海外汉学'],
            dict(schools=[4, 9], units=['高级翻译学院', '英语学院'], majors=['翻译学', '英语笔译'],
                 directions=['典籍翻译', '视听翻译'], journal=[4], lab='中国外语与教育研究中心', station='外国语言文学',
                 klass='翻译', en=['Rendering Classical Texts into English', 'Subtitling Chinese Films for Overseas Audiences'])),
           (['潜在指纹', '赤足足迹', '枪弹痕迹'], ['显现效果', '识别方法'], ['现场勘查', '疑难案件'],
            dict(schools=[5], units=['刑事科学技术学院', '痕迹检验技术系'], majors=['刑事科学技术'],
                 directions=['痕迹物证检验', '手印显现'], journal=[5], lab='痕迹检验鉴定技术重点实验室', station='公安学',
                 klass='刑技', en=['Developing Latent Fingerprints on Rough Surfaces', 'Identifying Barefoot Impressions'])),
           (['多年冻土', '冰川物质平衡'], ['退化特征', '年际变化', '形成机制'], ['青藏高原', '祁连山区'],
            dict(schools=[8, 6], units=['地理与遥感科学学院', '资源与环境科学学院'], majors=['自然地理学'],
                 directions=['冻土水热过程', '冰川变化'], journal=[6], lab='冻土工程国家重点实验室', station='地理学',
                 klass='地理', en=['Thermal Regime of Mountain Permafrost', 'Mass Balance of Glaciers in the Qilian Mountains']))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
UNITS = sorted({u for d in DOMAINS for u in d[3]['units']})
MAJORS = sorted({u for d in DOMAINS for u in d[3]['majors']})
FORMS = ['{c}{s}的{a}', '{s}{a}初探：以{c}为中心', '{s}的{a}及其对{t}的启示', '{c}视角下{s}与{t}的{a}',
         '{s}{a}再认识', '论{c}中的{s}{a}']
JOURNALS = ['气象学报', '蚕业科学', '中国蜂业', '中国陶瓷', '中国翻译', '刑事技术', '冰川冻土', '大气科学学报']
JOURNALS_EN = ['Acta Meteorologica Sinica', 'Acta Sericologica Sinica', 'Apiculture of China', 'China Ceramics',
               'Chinese Translators Journal', 'Forensic Science and Technology', 'Journal of Glaciology and Geocryology',
               'Transactions of Atmospheric Sciences']
DOI_STEMS = ['10.11676/qxxb', '10.13441/j.cnki.cykx', '10.3969/j.issn.0412-4367', '10.16521/j.cnki.issn.1001-9642',
             '10.3969/j.issn.1000-873X.zgfy', '10.16467/j.1008-3650', '10.7522/j.issn.1000-0240', '10.13878/j.cnki.dqkxxb']
CLC = ['P458', 'S884', 'S89', 'TQ174', 'H315.9', 'D918.9', 'P642.14', 'P427']
BODY = ('本文依据多年观测与采样资料，结合文献考订和对比试验，系统梳理了研究对象的基本特点，'
        '讨论了主要影响因素与作用方式，并就今后的工作提出了具体建议。')
CITY_EN = {'南京': 'Nanjing', '重庆': 'Chongqing', '福州': 'Fuzhou', '景德镇': 'Jingdezhen', '北京': 'Beijing',
           '沈阳': 'Shenyang', '成都': 'Chengdu', '南宁': 'Nanning', '乌鲁木齐': 'Urumqi', '上海': 'Shanghai'}
UNITS_EN = {'大气': ['School of Atmospheric Sciences', 'School of Atmospheric Physics'],
            '蚕学': ['College of Sericulture, Textile and Biomass Sciences', 'College of Animal Science and Technology'],
            '蜂学': ['College of Bee Science', 'College of Life Science and Technology'],
            '陶瓷': ['School of Materials Science and Engineering', 'School of Ceramic Art'],
            '翻译': ['Graduate School of Translation and Interpretation', 'School of English'],
            '刑技': ['School of Forensic Science and Technology', 'Department of Trace Examination'],
            '地理': ['College of Geography and Remote Sensing Sciences', 'College of Resources and Environment']}
MONTHS_EN = ['Jan.', 'Feb.', 'Mar.', 'Apr.', 'May', 'Jun.', 'Jul.', 'Aug.', 'Sep.', 'Oct.', 'Nov.', 'Dec.']
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
ZH_NUMS = '一二三四五六七八九十'


def _topic(rng):
    """A title and what goes with its field: school, unit, major, direction, journal, laboratory."""
    subjects, angles, contexts, f = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    schools = [SCHOOLS[i] for i in f['schools']]
    return dict(title=title, school=rng.choice(schools), schools=schools, units=f['units'],
                unit=rng.choice(f['units']), major=rng.choice(f['majors']), direction=rng.choice(f['directions']),
                journal=rng.choice(f['journal']), lab=f['lab'], station=f['station'], klass=f['klass'],
                en=rng.choice(f['en']))


def _keywords(rng, title):
    """The terms of the title, then others of its field."""
    field = next(d for d in DOMAINS if any(w in title for w in d[0]))
    return title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, field[0] + field[1])


def _front(rng, margins, first_year, fewest):
    """A journal page and its front matter: year, topic, people (fewest to fewest + 2), names, keywords."""
    page = _page(rng, size=10.5, margins=rng.choice(margins))
    year = rng.randint(first_year, 2026)
    topic = _topic(rng)
    people = distinct(rng, zh_person, rng.randint(fewest, fewest + 2))
    return page, year, topic, people, [p[0] for p in people], _keywords(rng, topic['title'])


def _halves(title, rng):
    k = len(title) // 2 + rng.randint(-2, 2)
    return title[:k], title[k:]


def _when(rng):
    year, month = rng.randint(2010, 2026), rng.choice([4, 5, 6, 10, 12])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)


def _stretch(label, width=4):
    """A label spread to the width of four characters with full-width blanks (作　　者, 导　　师);
    a label of three, which cannot be spread evenly, gets a plain blank in each gap (研 究 生)."""
    if len(label) >= width:
        return label
    gaps = len(label) - 1
    fill = width - len(label)
    if fill % gaps:
        return ' '.join(label)
    return ('\u3000' * (fill // gaps)).join(label)


def _codes(rng, year):
    return ('%04d-%04d(%d)%02d-%04d-%02d' % (rng.randint(1000, 9999), rng.randint(1000, 9999), year,
                                             rng.randint(1, 12), rng.randint(1, 400), rng.randint(5, 12)))


def thesis_code_corner(rng):
    """学校代码 at the top left and 学号 (or 分类号/密级) at the top right of a borderless table, the
    kind, the title in 小二号 bold 宋体 (over two lines when long, the English title under it on
    some), then a borderless table of stretched labels and values, and the school and date."""
    page = _page(rng)
    year, when = _when(rng)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    sid = '%d%s%04d' % (year - 3, rng.choice(['0108', '2201', '1307', '']), rng.randint(1, 9999))
    c = rng.choice(['：', '：', ' '])
    right = [('学' + '\u3000' * 2 + '号' if rng.random() < 0.5 else '学号') + c + sid]
    if rng.random() < 0.4:
        right.insert(0, '密级' + c + rng.choice(['公开', '内部']))
    left = ['学校代码' + c + school[4]]
    if rng.random() < 0.4:
        left.append('分类号' + c + CLC[topic['journal']])
    rows = [[left[i] if i < len(left) else '', right[i] if i < len(right) else ''] for i in range(max(len(left), len(right)))]
    page.table(rows, widths_cm=[8, 8], size=10.5, align=['l', 'r'])
    page.para((school[0], {'size': rng.choice([22, 26]), 'cjk': rng.choice(KAI + SONG)}), align='c', before=40,
              after=10)
    page.para((rng.choice(['硕士学位论文', '硕 士 学 位 论 文', '全日制硕士学位论文']), {'size': rng.choice([26, 28]),
                                                                     'bold': True}), align='c', after=50)
    tfont = {'size': 18, 'bold': True, 'cjk': rng.choice(SONG)}
    extra = {}
    if len(title) > 14 and rng.random() < 0.7:
        a, b = _halves(title, rng)
        page.para([(a, dict(tfont, **{'break': True})), (b, tfont)], align='c', after=8, line=1.4)
    else:
        page.para((title, tfont), align='c', after=8)
    if rng.random() < 0.45:
        extra['title_en'] = topic['en']
        page.para((extra['title_en'], {'size': 14, 'bold': rng.random() < 0.5}), align='c', after=8)
    page.para('', after=rng.choice([40, 60]))
    c2 = rng.choice(['：', '', ' '])
    fields = [('作者' if rng.random() < 0.6 else '研究生', author),
              ('导师' if rng.random() < 0.5 else '指导教师', sup + rng.choice(['', '　教授', '　副教授', ' 研究员'])),
              ('学科专业', topic['major']), ('研究方向', topic['direction'])]
    if rng.random() < 0.5:
        fields.append(('培养单位', topic['unit']))
    fields.append(('完成日期' if rng.random() < 0.5 else '答辩日期', when))
    page.table([[_stretch(lab) + c2, val] for lab, val in fields], widths_cm=[3.4, 7.0],
               size=rng.choice([14, 15]), align=['r' if rng.random() < 0.5 else 'l', 'l'])
    if rng.random() < 0.5:
        page.para('%s%s' % (school[0], rng.choice(['研究生院', ''])), align='c', size=14, before=40)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, **extra)


def journal_letter_units(rng):
    """A journal head, the title in 小二号 bold 宋体, authors with superscript letters (a, b) and a
    star on the corresponding one, the units as "（学校 a. 学院；b. 实验室，城市 邮编）", then
    摘　要 / 关键词 / 中图分类号, the English block, and a 通信作者 note at the foot."""
    page, year, topic, people, names, kws = _front(rng, [1.8, 2.2], 2011, 2)
    title, school, j = topic['title'], topic['school'], topic['journal']
    vol, no, month = rng.randint(20, 60), rng.randint(1, 6), rng.randint(1, 12)
    page.para('第%d卷　第%d期\t\t%s\t\tVol.%d No.%d' % (vol, no, JOURNALS[j], vol, no), size=8.5, align='c',
              rule='bottom', after=2)
    page.para('%d年%d月\t\t%s\t\t%s %d' % (year, month, JOURNALS_EN[j], MONTHS_EN[month - 1], year), size=8,
              align='c', after=18)
    page.para((title, {'size': 18, 'bold': True, 'cjk': rng.choice(SONG)}), align='c', after=10)
    corr = rng.randrange(len(names))
    letters = ['a', 'b', 'a,b', 'b,c', 'c']
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append((letters[i % 3] + ('*' if i == corr else ''), {'sup': True, 'size': 7.5}))
        if i < len(names) - 1:
            runs.append(rng.choice(['，', '，', '　']))
    page.para(runs, align='c', size=rng.choice([12, 13]), cjk=rng.choice(KAI + ['Noto Sans CJK SC']), after=4)
    s = school
    units = list(topic['units']) + [topic['lab']]  # in the order of the English line
    page.para('（%s a. %s；b. %s；c. %s，%s %s）' % (s[0], units[0], units[1], units[2], s[2], s[3]),
              align='c', size=9, after=12)
    page.para([('摘　要：', {'bold': True}), BODY], size=9, align='j', indent=0)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '; ', '　']).join(kws)], size=9, after=2)
    page.para('中图分类号：%s　　　文献标识码：A　　　文章编号：%s' % (CLC[j], _codes(rng, year)), size=9, after=12)
    et = topic['en']
    page.para((et, {'bold': True}), align='c', size=13, after=4)
    page.para(', '.join(p[1] for p in people), align='c', size=10, after=2)
    page.para('(a. %s; b. %s; c. %s, %s, %s %s, China)' % (
        UNITS_EN[topic['klass']][0], UNITS_EN[topic['klass']][1], 'Key Laboratory', s[1], CITY_EN[s[2]], s[3]),
              align='c', size=8.5, after=10)
    page.para(BODY * 2, indent=21, align='j', after=10)
    page.para('收稿日期：%d-%02d-%02d；修回日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28), year - 1,
                                                        rng.randint(1, 12), rng.randint(1, 28)),
              size=7.5, rule='top', after=0)
    page.para('*通信作者：%s（%d—），%s，%s，主要从事%s研究。' % (
        names[corr], rng.randint(1960, 1990), rng.choice(['男', '女']), rng.choice(['教授', '副教授', '研究员', '博士']),
        topic['direction']), size=7.5, after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta, title_en=et)


def review_kai_byline(rng):
    """A 综述 page: a boxed column label at the top left, the title, the byline "甲，乙*" in 楷体 and
    the unit in round brackets under it in smaller 楷体, a 引用格式 line that repeats the title and
    names, then 摘要 and 关键词 in a ruled block."""
    page = _page(rng, size=10.5, margins=2.2)
    year = rng.randint(2014, 2026)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    names = [p[0] for p in distinct(rng, zh_person, rng.randint(1, 3))]
    kws = _keywords(rng, title)
    j = topic['journal']
    page.para('%s　%d年第%d期' % (JOURNALS[j], year, rng.randint(1, 12)), size=8.5, align='r', after=6)
    page.table([[(rng.choice(['综　述', '专题综述', '研究进展', '综述与评论']), {'bold': True, 'size': 11})]],
               widths_cm=[3.0], grid=True, align='c')
    page.para('', after=8)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': rng.random() < 0.6,
                       'cjk': rng.choice(['Noto Sans CJK SC', 'WenQuanYi Zen Hei'] + SONG)}),
              align=rng.choice('cl'), after=10)
    kai = rng.choice(KAI)
    corr = len(names) - 1 if rng.random() < 0.7 else 0
    sep = rng.choice(['，', '　'])
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        if i == corr:
            runs.append(('*', {'sup': rng.random() < 0.5}))
        if i < len(names) - 1:
            runs.append(sep)
    align = rng.choice('cl')
    page.para(runs, align=align, size=12, cjk=kai, after=2)
    s = school
    province = {'南京': '江苏 ', '福州': '福建 ', '景德镇': '江西 ', '沈阳': '辽宁 ', '成都': '四川 ', '南宁': '广西 ',
                '乌鲁木齐': '新疆 '}.get(s[2], '')
    page.para('（%s %s，%s%s %s）' % (s[0], topic['unit'], province, s[2], s[3]), align=align, size=9, cjk=kai,
              after=10)
    page.para([('引用格式：', {'bold': True}), '%s. %s[J]. %s，%d，%d(%d)：%d-%d.' % (
        '，'.join(names), title, JOURNALS[j], year, rng.randint(20, 50), rng.randint(1, 12), rng.randint(1, 90),
        rng.randint(91, 120))], size=8, after=8)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j', rule='top')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=10, rule='bottom')
    page.para('%s　引言' % ZH_NUMS[0] if rng.random() < 0.5 else '0　引言', size=12, bold=True, after=4)
    page.para(BODY * 2, indent=21, align='j', after=10)
    page.para('收稿日期：%d-%02d-%02d　　*通信作者' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=7.5,
              rule='top')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def design_underlined(rng):
    """An 本科毕业设计说明书 cover: the school (and its English name), the kind and its English
    words, "题目" with the title on two underlined lines padded with blanks, then left-aligned
    fields (学院, 专业, 班级, 学号, 学生姓名, 指导教师) whose values are underlined, and the date."""
    page = _page(rng)
    year, when = _when(rng)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para((school[0], {'size': rng.choice([28, 32]), 'bold': True, 'cjk': rng.choice(KAI)}), align='c',
              before=20, after=0)
    if rng.random() < 0.5:
        page.para((school[1].upper(), {'size': 10}), align='c', after=6)
    page.para((rng.choice(['本科毕业设计说明书', '毕业设计（论文）说明书', '本科毕业设计（说明书）']),
               {'size': rng.choice([24, 26]), 'bold': True}), align='c', after=0)
    if rng.random() < 0.5:
        page.para(('Undergraduate Design Report', {'size': 12}), align='c', after=0)
    page.para('', after=rng.choice([60, 80]))
    a, b = _halves(title, rng)
    w = max(len(a), len(b)) + 2
    lab = rng.choice(['题　目', '题目', '设计题目'])
    c = rng.choice(['：', ''])
    ind = rng.choice([30, 50])
    pad = lambda s: '\u3000' * ((w - len(s)) // 2) + s + '\u3000' * (w - len(s) - (w - len(s)) // 2)
    page.para([(lab + c, {'bold': True}), (pad(a), {'u': True})], size=16, indent=ind, after=6)
    page.para([('\u3000' * len(lab + c), {}), (pad(b), {'u': True})], size=16, indent=ind, after=40)
    sid = '%d%07d' % (year - 4, rng.randint(1, 9999999))
    klass = '%s%d%s' % (topic['klass'], (year - 4) % 100,
                        rng.choice(['01班', '02班', '-1班', '（2）班']))
    fields = [('学　　院', topic['unit']), ('专　　业', topic['major']), ('班　　级', klass),
              ('学　　号', sid), ('学生姓名', author), ('指导教师', sup)]
    if rng.random() < 0.5:
        fields[-1] = ('指导教师', sup + '　' + rng.choice(['教授', '讲师', '副教授', '高级实验师']))
    size = rng.choice([14, 15])
    for lab, val in fields:
        page.para([lab + c, (pad(val) if len(val) < w else val, {'u': True})], size=size, indent=ind, after=8)
    page.para(when, align='c', size=14, before=50)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def journal_interleaved(rng):
    """Title at the left under a rule, then for each author the name on a line of its own and the
    unit with city and postcode on the next; 内容摘要 / 关键词 and a 作者简介 note under a rule."""
    page, year, topic, people, names, kws = _front(rng, [2.0, 2.5], 2009, 1)
    title, school, j = topic['title'], topic['school'], topic['journal']
    page.para('%s\u3000\u3000%d年第%d期（总第%d期）' % (JOURNALS[j], year, rng.randint(1, 6), rng.randint(100, 400)),
              size=9, align='l', after=0, rule='bottom')
    page.para('', after=14)
    align = rng.choice('lc')
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align=align, after=12)
    marks = rng.random() < 0.4
    for i, (n, py) in enumerate(people):
        s = school if i == 0 else rng.choice(topic['schools'] + [school])
        page.para([(n, {'bold': rng.random() < 0.5})] + ([('%d' % (i + 1), {'sup': True, 'size': 7})] if marks else []),
                  align=align, size=12, cjk=rng.choice(KAI), after=0)
        page.para('%s%s%s，%s %s' % ('%d. ' % (i + 1) if marks else '', s[0], rng.choice(topic['units'] + [topic['lab']]), s[2], s[3]),
                  align=align, size=9, after=6)
    page.para('', after=6)
    page.para([(rng.choice(['内容摘要：', '［内容摘要］', '摘　要：']), {'bold': True}), BODY], size=9.5, align='j')
    page.para([(rng.choice(['关键词：', '［关键词］']), {'bold': True}), '　'.join(kws)], size=9.5, after=12)
    page.para(BODY * 3, indent=21, align='j', after=12)
    page.para('作者简介：%s，%s，%s。' % (names[0], rng.choice(['博士', '硕士研究生', '副教授', '高级工程师']),
                                   '研究方向为' + topic['direction']), size=7.5, rule='top', after=0)
    page.para('基金项目：%s（%d%s%03d）' % (rng.choice(['国家自然科学基金', '国家社会科学基金', '中央高校基本科研业务费专项资金']),
                                   year - 2, rng.choice(['BYY', 'ZD', '']), rng.randint(1, 999)), size=7.5)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def postdoc_report(rng):
    """A 博士后研究工作报告 cover: 编号 at the top right, the kind, the title (the English one on
    some), then centred rows 博士后姓名 / 合作导师 / 流动站（工作站）名称 / 专业 / 研究工作起止时间."""
    page = _page(rng)
    year = rng.randint(2012, 2026)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para('编号：%s%d%03d' % (school[4], year - 2, rng.randint(1, 999)), align='r', size=10.5, after=0)
    if rng.random() < 0.5:
        page.para('密级：公开', align='r', size=10.5, after=0)
    page.para((school[0], {'size': 22, 'cjk': rng.choice(KAI)}), align='c', before=40, after=6)
    page.para((rng.choice(['博士后研究工作报告', '博 士 后 研 究 工 作 报 告', '博士后出站报告']),
               {'size': rng.choice([26, 28]), 'bold': True}), align='c', after=60)
    extra = {}
    page.para((title, {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(SONG + ['Noto Sans CJK SC'])}),
              align='c', line=1.3, after=10)
    if rng.random() < 0.4:
        extra['title_en'] = topic['en']
        page.para((extra['title_en'], {'size': 13, 'italic': True}), align='c', after=6)
    page.para('', after=rng.choice([50, 70]))
    c = rng.choice(['：', '　', ': '])
    start = year - rng.choice([2, 3])
    rows = [('博士后姓名', author), ('合作导师', sup), ('流动站（工作站）名称', school[0] + topic['station'] + '博士后科研流动站'),
            ('专业', topic['major']), ('研究工作起始时间', '%d年%d月' % (start, rng.randint(1, 12))),
            ('研究工作期满时间', '%d年%d月' % (year, rng.randint(1, 12)))]
    if rng.random() < 0.5:
        page.table([[lab + c, (val, {'u': rng.random() < 0.5})] for lab, val in rows], widths_cm=[5.5, 8.0],
                   size=14, align=['r', 'l'])
    else:
        for lab, val in rows:
            page.para('%s%s%s' % (lab, c, val), align='c', size=14, after=6)
    page.para('%s　%d年%d月' % (school[0], year, rng.randint(1, 12)), align='c', size=14, before=40)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, **extra)


def techreport_signoff(rng):
    """A 技术报告 cover: the unit's name and the report number, the kind, the title, then a ruled
    table of 编写 (the writers) / 审核 / 批准 with dates, and the unit and date at the foot."""
    page = _page(rng)
    year, when = _when(rng)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    people = [p[0] for p in distinct(rng, zh_person, rng.randint(3, 5))]
    writers, checker, approver = people[:-2], people[-2], people[-1]
    lab = topic['lab']
    page.table([[school[0] + lab if rng.random() < 0.5 else lab,
                 '报告编号：%s-%d-%03d' % (rng.choice(['TR', 'JSBG', 'QX']), year, rng.randint(1, 300))]],
               widths_cm=[10, 6], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=60)
    page.para((rng.choice(['技术报告', '科 研 技 术 报 告', '项目技术报告']), {'size': 26, 'bold': True}), align='c',
              after=40)
    page.para((title, {'size': rng.choice([20, 22]), 'bold': True}), align='c', line=1.3, after=rng.choice([60, 80]))
    joiner = rng.choice(['、', '　', '，'])
    days = sorted('%d.%02d.%02d' % (year, rng.randint(1, 12), rng.randint(1, 28)) for _ in range(3))
    rows = [[rng.choice(['编　写', '编写人', '编　制']), joiner.join(writers), '日期', days[0]],
            [rng.choice(['审　核', '校　核']), checker, '日期', days[1]],
            [rng.choice(['批　准', '审　定']), approver, '日期', days[2]]]
    if len(writers) > 1 or rng.random() < 0.4:  # no room for the dates beside a list of writers
        rows = [r[:2] for r in rows]
    page.table(rows, widths_cm=[2.5, 6.5, 1.8, 3.0][:len(rows[0])], size=14, grid=rng.random() < 0.6, align='c')
    page.para(school[0] if rng.random() < 0.5 else school[0] + lab, align='c', size=14, before=70, after=4)
    page.para(when, align='c', size=14)
    meta = set_meta(page, rng, title, writers)
    return page, record(title, writers, year, (), 'zh', None, meta=meta)


def online_first_cover(rng):
    """The cover sheet a journal database puts before a paper published online ahead of its
    issue: the service's name, "网络首发论文" large, then label rows 题目 / 作者 / 网络首发日期 /
    引用格式 (the citation repeats title and names), the DOI on a line of its own, and a boxed notice in small type."""
    page, year, topic, people, names, kws = _front(rng, [2.2, 2.5], 2016, 1)
    title, j = topic['title'], topic['journal']
    page.para((rng.choice(['中国学术期刊（网络版）', '学术期刊在线出版平台', '期刊数字出版系统']), {'size': 10}),
              align=rng.choice('lr'), after=0, rule='bottom')
    page.para((rng.choice(['网络首发论文', '网络首发', '优先出版论文']), {'size': rng.choice([24, 28]), 'bold': True}),
              align='c', before=30, after=30)
    doi = '%s.%d.%02d.%03d' % (DOI_STEMS[j], year, rng.randint(1, 12), rng.randint(1, 300))
    month, day = rng.randint(1, 12), rng.randint(1, 28)
    c = rng.choice(['：', ':', '　'])
    joiner = rng.choice(['，', '、', ' '])
    cite = '%s. %s[J/OL]. %s. https://doi.org/%s' % (joiner.join(names), title, JOURNALS[j], doi)
    rows = [('题目', title), ('作者', joiner.join(names)), ('收稿日期', '%d-%02d-%02d' % (year - 1, rng.randint(1, 12),
                                                                                    rng.randint(1, 28))),
            ('网络首发日期', '%d-%02d-%02d' % (year, month, day)), ('引用格式', cite)]
    if rng.random() < 0.5:
        page.table([[(lab + c, {'bold': True}), val] for lab, val in rows], widths_cm=[3.0, 12.5], size=11,
                   align=['r', 'l'])
    else:
        for lab, val in rows:
            page.para([(lab + c, {'bold': True}), val], size=11, after=6, align='l')
    # the DOI on a line of its own as well: the citation's link may break inside it
    page.para([('DOI' + c, {'bold': True}), doi], size=11, before=6, after=40, align=rng.choice('lc'))
    notice = ('网络首发：在编辑部工作流程中，稿件从录用到出版要经历录用定稿、排版定稿、整期汇编定稿等阶段。'
              '录用定稿指内容已经确定，且通过同行评议、主编终审同意刊用的稿件。'
              '已网络首发的论文视为正式出版，其内容不得修改，仅可作排版和编辑规范方面的修改。')
    page.table([[(notice, {'size': 8.5})]], widths_cm=[15.5], grid=True, align='l')
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'zh', doi, meta=meta)


TEMPLATES = {
    'gen-zh-thesis-codecorner': thesis_code_corner,
    'gen-zh-journal-letterunits': journal_letter_units,
    'gen-zh-review-kaibyline': review_kai_byline,
    'gen-zh-design-underlined': design_underlined,
    'gen-zh-journal-interleaved': journal_interleaved,
    'gen-zh-postdoc-report': postdoc_report,
    'gen-zh-techreport-signoff': techreport_signoff,
    'gen-zh-online-firstcover': online_first_cover,
}
