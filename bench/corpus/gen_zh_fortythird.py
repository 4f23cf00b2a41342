"""A forty-third set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, management, education and arts of schools of
their own."""
from docx.shared import RGBColor

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('玉溪师范学院', 'Yuxi Normal University', '玉溪', '653100', '云南'),
           ('曲靖师范学院', 'Qujing Normal University', '曲靖', '655011', '云南'),
           ('丽江文化旅游学院', 'Lijiang Culture and Tourism College', '丽江', '674199', '云南')]
DOMAINS = [dict(subjects={'花腰傣服饰': ['刺绣纹样传习', '服饰手艺人生计'], '通海秀山庙会': ['庙会香客组织', '庙会摊贩经营'],
                          '抚仙湖渔村': ['渔村生计转型', '湖岸土地纠纷']},
                contexts=['新平县', '通海县', '澄江市'], units=['文学院', '经济与管理学院', '美术学院'],
                majors=['民族学', '农业经济管理', '美术学'], center='滇中民族文化研究中心'),
           dict(subjects={'会泽铜商会馆': ['会馆碑刻整理', '会馆修缮产权'], '罗平蜂蜜': ['蜂农合作经营', '地理标志维权'],
                          '陆良爨碑书法': ['碑帖临习教学', '书法研学课程']},
                contexts=['会泽县', '罗平县', '陆良县'], units=['人文学院', '法学院', '教师教育学院'],
                majors=['中国古代史', '民商法学', '课程与教学论'], center='滇东北区域社会研究院'),
           dict(subjects={'东巴纸': ['造纸作坊传承', '东巴纸文创开发'], '白沙细乐': ['细乐乐谱整理', '细乐演出市场'],
                          '束河古镇客栈': ['客栈租约治理', '客栈从业者流动']},
                contexts=['玉龙纳西族自治县', '宁蒗彝族自治县', '永胜县'], units=['文化艺术学院', '旅游管理学院', '商学院'],
                majors=['艺术学理论', '旅游管理', '工商管理'], center='滇西北文化旅游研究所')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的考察', '{s}{a}的历史与现状', '{s}与{a}：来自{c}的证据', '{c}{s}{a}的实践逻辑']
BODY = '本文依据田野访谈、地方文献与统计资料，考察研究对象的来龙去脉与当下处境，讨论其中的经济、社会、法律与文化因素，并就传承、治理与发展提出建议。'
FOREIGN = ['艾伦·霍华斯', '克莱尔·温斯洛', '托马斯·拜尔', '苏珊娜·莱特纳', '马蒂亚斯·克鲁格', '伊莎贝尔·莫罗',
           '奥利弗·布伦特', '汉娜·费舍尔', '卢卡斯·贝内特', '艾米莉·道森', '让-吕克·贝尔唐', '安娜·西尔维斯特里']
COUNTRY = {'艾伦·霍华斯': '英', '克莱尔·温斯洛': '美', '托马斯·拜尔': '德', '苏珊娜·莱特纳': '奥', '马蒂亚斯·克鲁格': '德',
           '伊莎贝尔·莫罗': '法', '奥利弗·布伦特': '英', '汉娜·费舍尔': '德', '卢卡斯·贝内特': '美', '艾米莉·道森': '澳',
           '让-吕克·贝尔唐': '法', '安娜·西尔维斯特里': '意'}
WHITE = RGBColor(0xFF, 0xFF, 0xFF)


def _topic(rng, forms=FORMS, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def _head_row(page, rng, left, right, size=9, widths=(9.0, 7.0), **kw):
    """A borderless two-cell head row (left and right flush) over a rule."""
    t = sized_table(page, [[left, right]], list(widths), size=size, align=['l', 'r'], **kw)
    page.para('', rule='bottom', after=rng.choice([12, 16, 22]))
    return t


def _abstract(page, rng, kws, labels=('摘\u3000要：', '关键词：')):
    page.para([(labels[0], {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j', after=3)
    page.para([(labels[1], {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['；', '；', '\u3000']).join(kws)],
              size=9.5, after=12)


def translated_article(rng):
    """A museum and heritage journal's translated article: the journal, the issue and the 译文
    column over a rule, the title, the foreign authors with their countries in 〔〕 followed by 著,
    then the translator (and on some pages a reviser) with 译 / 校, who are not authors; 摘要 and
    关键词; the text; at the foot the translator's note and the original's source."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的物质文化：{a}的人类学观察', '{s}与{a}：一个外部视角', '重访{c}：{s}的{a}'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = rng.sample(FOREIGN, rng.randint(1, 3))
    translator = _people(rng, 1)[0]
    reviser = _people(rng, 1, [translator])[0] if rng.random() < 0.4 else None
    _head_row(page, rng, '%s\u2002%d年第%d期' % (rng.choice(['博物馆与遗产研究', '民族艺术评论', '文化遗产译丛']), year,
                                                rng.randint(1, 6)),
              (rng.choice(['·译文·', '海外视野', '译\u3000介']), {'bold': True, 'cjk': rng.choice(HEI)}))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    sep = rng.choice(['\u3000', '、'])
    names = sep.join('〔%s〕%s' % (COUNTRY[a], a) for a in authors)
    credit = rng.choice(['\u3000著\u3000\u3000%s\u3000译', '／著\u3000%s／译']) % translator
    if reviser:
        credit += '\u3000%s\u3000校' % reviser
    page.para(names + credit, size=11.5, align='c', cjk=rng.choice(KAI), after=14)
    _abstract(page, rng, t['kws'], rng.choice([('摘\u3000要：', '关键词：'), ('［摘要］', '［关键词］')]))
    page.para(('一、引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5, after=18)
    page.para('译者简介：%s，%s%s%s。' % (translator, s[0], rng.choice(t['d']['units']), rng.choice(['讲师', '副教授', '博士研究生'])),
              size=8.5, rule='top', after=1)
    page.para('原文载于%s，%d年第%d卷，中译本经作者授权发表。' % (rng.choice(['《亚洲民族志》', '《物质文化学刊》', '《遗产研究季刊》']),
                                                     year - rng.randint(1, 3), rng.randint(8, 40)), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def labelrow_master(rng):
    """A master's cover in economics and management: the school and the degree kind centred, the
    title, and the particulars in a framed table whose first row holds the labels (研究生 / 指导教师
    / 学科专业 / 研究方向 / 完成时间) and whose second row holds the values, the supervisor's rank
    under the name in the same cell."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}的经济分析', '{s}{a}的绩效与对策'])
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    if rng.random() < 0.5:
        page.para('学校代码：%d\u3000\u3000学号：%d%06d' % (rng.randint(10600, 11399), year - 3, rng.randint(1, 999999)),
                  size=9, align='r', after=30)
    else:
        page.para('', after=40)
    page.para((s[0], {'size': rng.choice([26, 28, 30]), 'cjk': rng.choice(KAI)}), align='c', after=6)
    page.para((rng.choice(['硕士学位论文', '专业学位硕士论文', '硕士研究生学位论文']), {'size': 20, 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=rng.choice([90, 110, 130]))
    page.para((t['title'], {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c',
              after=rng.choice([110, 130, 150]))
    labels = ['研究生', '指导教师', '学科专业', '研究方向', '完成时间']
    values = [student, sup + rng.choice(['\n教授', '\n副教授', '']), t['major'], t['a'], _when(rng, year, rng.choice([4, 5, 6]))]
    if rng.random() < 0.4:
        del labels[3], values[3]
    widths = [2.8, 2.8, 3.6, 3.4, 3.4][:len(labels)]
    sized_table(page, [[(x, {'bold': True, 'cjk': rng.choice(HEI)}) for x in labels], values], widths,
                size=rng.choice([10.5, 11]), grid=rng.random() < 0.8)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def meetingcell_conf(rng):
    """A communication and culture forum's paper whose head is a two-cell table: the meeting (its
    number, name, year and place, and the paper number) shaded in the narrow left cell, the title,
    the authors and their units in the right cell; 摘要, 关键词 and the text below."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的媒介再现与{a}', '短视频中的{s}：{a}的传播分析', '{c}{s}{a}的公共传播'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    left = '第%d届\n%s\n%d·%s\n论文编号：%s%03d' % (rng.randint(3, 19), rng.choice(['西南传播学论坛', '边疆文化传播研讨会', '民族地区媒介与社会年会']),
                                                 year, rng.choice(['玉溪', '曲靖', '丽江']), rng.choice(['', 'P', 'C']), rng.randint(1, 260))
    units = sorted({rng.choice(t['d']['units']) for _ in authors})
    size = rng.choice([15, 16, 18])
    while len(t['title']) * size > 320:  # the title keeps to one line of the cell
        size -= 1
    right = [(t['title'] + '\n', {'size': size, 'bold': True, 'cjk': rng.choice(HEI)}),
             (rng.choice(['\u3000', '，', '、']).join(authors) + '\n', {'size': 11.5, 'cjk': rng.choice(KAI + SONG)}),
             ('（%s%s，%s %s）' % (s[0], '、'.join(units), s[2], s[3]), {'size': 9})]
    sized_table(page, [[(left, {'size': 9, 'bold': rng.random() < 0.5}), right]], [3.8, 12.2], align=['c', rng.choice(['l', 'c'])],
                shade=(0,), fill=rng.choice(['D9D9D9', 'DDE6F0', 'EDE3D2']), grid=rng.random() < 0.5)
    page.para('', after=12)
    _abstract(page, rng, t['kws'], rng.choice([('摘\u3000要：', '关键词：'), ('【摘要】', '【关键词】')]))
    page.para(('1\u2002问题的提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def lesson_study(rng):
    """A teaching journal's lesson study: the journal, the issue and the column over a rule, the
    title, "评析：" naming the authors, a framed grid of the lesson (课题 / 执教 / 学校 / 年级),
    whose teacher is not an author, the 【教学背景】 and 【教学过程】 parts, and the authors' unit in
    brackets at the end of the page."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}进课堂：{a}课例评析', '{s}{a}主题课例研究', '指向{a}的{s}课例'], among=[0, 1])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 2))
    teacher = _people(rng, 1, authors)[0]
    _head_row(page, rng, '%s\u2002%d年第%d期' % (rng.choice(['云岭教研', '中小学课例研究', '乡土课程与教学']), year, rng.randint(1, 24)),
              ('栏目：课例研究', {'bold': True, 'cjk': rng.choice(HEI)}))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para('%s%s' % (rng.choice(['评析：', '评析\u3000', '课例评析：']), rng.choice(['\u3000', '、']).join(authors)), size=12,
              align='c', cjk=rng.choice(KAI), after=12)
    rows = [['课\u3000题', '走进%s' % t['s'], '执\u3000教', teacher],
            ['学\u3000校', '%s%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['第一中学', '实验小学', '民族中学']), ''),
             '年\u3000级', rng.choice(['四年级', '七年级', '八年级', '高一'])]]
    sized_table(page, rows, [2.0, 6.5, 2.0, 5.5], size=10, grid=True, align=['c', 'l', 'c', 'l'],
                shade=(0, 2) if rng.random() < 0.6 else ())
    page.para('', after=8)
    for head, n in (('【教学背景】', 2), ('【教学过程】', 4)):
        page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
        page.para(BODY * n, align='j', indent=21, line=1.3, size=10.5, after=6)
    page.para('（作者单位：%s%s）' % (s[0], rng.choice(t['d']['units'])), size=9.5, align='r')
    return _finish(page, rng, t['title'], authors, year)


def exhibition_review(rng):
    """An art magazine's exhibition review: the magazine and the issue with the 展评 column over a
    rule, the title, "撰文" naming the authors, a shaded grid of the exhibition (展览名称, 策展人,
    展期, 地点), whose curator is not an author, and the review's text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['看见{s}：{a}的展陈叙事', '{s}展中的{a}', '从{c}到展厅：{s}与{a}'], among=[0, 2])
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 2))
    curator = _people(rng, 1, authors)[0]
    _head_row(page, rng, '%s\u2002%d.%02d' % (rng.choice(['滇池美术', '边地艺术评论', '美术观察·西南']), year, rng.randint(1, 12)),
              (rng.choice(['展\u3000评', '展览评论', 'REVIEW\u2002展评']), {'bold': True, 'cjk': rng.choice(HEI)}))
    page.para((t['title'], {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['l', 'c']), after=8)
    page.para('%s%s' % (rng.choice(['撰文：', '撰文\u3000', '文　']), rng.choice(['\u3000', '、']).join(authors)), size=11.5,
              align=rng.choice(['l', 'r']), cjk=rng.choice(KAI), after=14)
    m = rng.randint(1, 10)
    rows = [['展览名称', '“%s”%s' % (t['s'], rng.choice(['特展', '主题展', '文献展']))], ['策\u2002展\u2002人', curator],
            ['展\u3000\u3000期', '%d年%d月%d日—%d月%d日' % (year, m, rng.randint(1, 28), m + 2, rng.randint(1, 28))],
            ['地\u3000\u3000点', '%s%s' % (rng.choice(['玉溪市博物馆', '曲靖市美术馆', '丽江市博物院']), rng.choice(['一号展厅', '临展厅', '']))]]
    sized_table(page, rows, [3.0, 10.0], size=9.5, align=['l', 'l'], shade=(0, 1), fill=rng.choice(['EFEFEF', 'F2EBDD']),
                grid=rng.random() < 0.3)
    page.para('', after=10)
    page.para(BODY * 4, align='j', indent=21, line=1.4, size=10.5, after=6)
    page.para(BODY * 3, align='j', indent=21, line=1.4, size=10.5)
    return _finish(page, rng, t['title'], authors, year)


def fieldwork_cover(rng):
    """An ethnology or sociology fieldwork report's cover: the school and the course or programme,
    "田野调查报告", the title, then left-aligned particulars (调查人, with one to three names,
    调查地点, 调查时间, 指导教师 with rank, 所在学院), and the date at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}调查', '{s}{a}的田野观察', '{c}{s}的{a}：一项田野调查'])
    s = t['school']
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    sup = _people(rng, 1, authors)[0]
    page.para((s[0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI)}), align='c', before=30, after=4)
    page.para('%s\u2002%d年%s' % (rng.choice(['民族学专业', '社会学专业', '社会工作专业']), year, rng.choice(['暑期田野实习', '专业实习', '社会调查课程'])),
              size=12, align='c', after=24)
    page.para((rng.choice(['田野调查报告', '田 野 调 查 报 告', '社会调查报告']), {'size': rng.choice([26, 30]), 'bold': True,
                                                                   'cjk': rng.choice(HEI + SONG)}), align='c', after=60)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=80)
    m = rng.randint(6, 8)
    fields = [('调\u2002查\u2002人', '、'.join(authors)), ('调查地点', '%s%s' % (s[4], t['d']['contexts'][t['i'] % 3])),
              ('调查时间', '%d年%d月—%d月' % (year, m, m + 1)),
              ('指导教师', sup + rng.choice(['\u2002教授', '\u2002副教授', '（讲师）', ''])), ('所在学院', rng.choice(t['d']['units']))]
    for lab, val in fields:
        page.para([(lab + '：', {'bold': True}), val], size=rng.choice([12, 13]), after=6, indent=rng.choice([90, 110]))
    page.para('', after=40)
    page.para(_when(rng, year, rng.choice([9, 10, 11])), size=12, align='c')
    return _finish(page, rng, t['title'], authors, year, supervisor=sup)


TEMPLATES = {'gen-zh-museologyjournal-translatedarticle-zhuyiline-translatorfoot': translated_article,
             'gen-zh-econmaster-labelrowtable-valuesbelow-rankundername': labelrow_master,
             'gen-zh-mediaforum-meetingcellleft-titlecellright': meetingcell_conf,
             'gen-zh-teachingjournal-lessonstudy-pingxibyline-zhijiaogrid': lesson_study,
             'gen-zh-artcriticism-exhibitionreview-exhibitiongrid-curatornotauthor': exhibition_review,
             'gen-zh-ethnologyfieldwork-reportcover-diaochafields': fieldwork_cover}
