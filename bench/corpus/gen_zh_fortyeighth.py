"""A forty-eighth set of Chinese first pages of papers and reports, in house styles the earlier sets
lack, in the natural sciences, engineering, medicine, farming, computing and environment of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_topic)

SCHOOLS = [('东华理工大学', 'East China University of Technology', '南昌', '330013', '江西'),
           ('江西农业大学', 'Jiangxi Agricultural University', '南昌', '330045', '江西'),
           ('南昌航空大学', 'Nanchang Hangkong University', '南昌', '330063', '江西'),
           ('赣南医科大学', 'Gannan Medical University', '赣州', '341000', '江西')]
DOMAINS = [dict(subjects={'铀尾矿库': ['尾矿坝渗流监测', '氡析出率测定'], '鄱阳湖湿地': ['洲滩植被遥感反演', '枯水期水位预测'],
                          '地浸采铀': ['溶浸液配方优化', '地下水铀污染修复']},
                contexts=['都昌县', '乐安县', '南城县'], units=['核科学与工程学院', '水资源与环境工程学院', '测绘与空间信息工程学院'],
                majors=['核技术及应用', '环境工程', '测绘科学与技术']),
           dict(subjects={'南丰蜜橘': ['黄龙病综合防控', '果实套袋技术'], '万年贡米': ['稻田镉污染阻控', '双季稻机插秧'],
                          '樟树枳壳': ['枳壳规范化种植', '药材连作障碍']},
                contexts=['南丰县', '万年县', '樟树市'], units=['农学院', '林学院', '国土资源与环境学院'],
                majors=['果树学', '作物栽培学与耕作学', '中药学']),
           dict(subjects={'航空发动机叶片': ['涡流无损检测', '叶片裂纹图像识别'], '稀土永磁电机': ['退磁故障诊断', '电机温升仿真'],
                          '钛合金构件': ['激光增材制造工艺', '焊接残余应力测试']},
                contexts=['青云谱区', '新建区', '进贤县'], units=['测试与光电工程学院', '信息工程学院', '材料科学与工程学院'],
                majors=['仪器科学与技术', '电气工程', '材料加工工程']),
           dict(subjects={'晚期血吸虫病': ['肝纤维化无创评估', '患者生存质量随访'], '钨矿工人职业健康': ['噪声性听力损失筛查', '血铅水平监测'],
                          '寻乌稀土矿区': ['土壤重金属健康风险', '儿童尿稀土元素水平']},
                contexts=['寻乌县', '信丰县', '余江区'], units=['公共卫生与健康管理学院', '第一临床医学院', '护理学院'],
                majors=['流行病与卫生统计学', '内科学', '护理学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文结合现场调查、实验测定与模型计算，讨论了该问题的主要影响因素及其变化规律，并提出了可供工程与管理部门参考的具体措施。'
NURSE_RANKS = ['护师', '主管护师', '副主任护师', '主任护师', '护士长']


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _title(page, rng, title, sizes=(18, 20), align='c'):
    page.para((title, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=8)


def _units(page, rng, t, authors, align='c'):
    units = sorted({rng.choice(t['d']['units']) for _ in authors})
    page.para('（%s%s，江西%s\u2002%s）' % (t['school'][0], '；'.join(units), t['school'][2], t['school'][3]), size=9, align=align, after=10)


def _abstract(page, rng, kws, sep='；'):
    page.para([_bold('摘\u3000要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), sep.join(kws)], size=9.5, after=10)


def codes_beside_title(rng):
    """An engineering 学报 article whose head is one row of two cells: the title flush left in the wide
    cell, and in a narrow framed cell on the right the stacked codes "中图分类号：", "文献标志码：" and
    "文章编号：" (the year inside). The byline, the units, 摘要 and 关键词 follow under a rule."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}研究', '基于{a}的{s}评价', '{c}{s}{a}试验'], among=rng.choice([[0], [2]]))
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s\u2002第%d卷\u2002第%d期\u2002%d年%d月' % (rng.choice(['赣鄱工程学报', '核地质与环境', '航空检测技术']), year - 1980,
                                                       rng.randint(1, 6), year, rng.randint(1, 12)), size=9, align='r', after=12)
    size = 18 if len(t['title']) <= 12 else 15
    codes = '中图分类号：%s\n文献标志码：A\n文章编号：%04d-%04d(%d)%02d-%04d-%02d' % (
        rng.choice(['TL75', 'X523', 'TG115', 'TM351', 'P237']), rng.randint(1000, 9999), rng.randint(1000, 9999), year,
        rng.randint(1, 6), rng.randint(1, 300), rng.randint(5, 9))
    sized_table(page, [[(t['title'], {'size': size, 'bold': True, 'cjk': rng.choice(HEI)}), codes]], [11.0, 5.0], size=8,
                align=['l', 'l'], grid=False, shade=(1,) if rng.random() < 0.5 else (), fill=rng.choice(['EEEEEE', 'E6EEF6']))
    page.para('', rule='bottom', after=8)
    page.para(rng.choice(['\u3000', '，']).join(authors), size=12, align='l', cjk=rng.choice(KAI), after=2)
    _units(page, rng, t, authors, align='l')
    _abstract(page, rng, t['kws'])
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def nursing_article(rng):
    """A nursing journal's practice article: the column word in 【】 on the left of the head line, the
    title, then a byline giving each author's nursing rank in parentheses after the name
    ("A（主管护师）　B（护师）"), the hospital unit, 摘要 and 关键词, the text under numbered heads."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}患者{a}的护理实践', '{c}{s}{a}护理干预效果观察', '{a}在{s}护理中的应用'], among=[3])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    head = '【%s】' % rng.choice(['护理实践', '临床护理', '社区护理'])
    sized_table(page, [[head, '%s\u2002%d年第%d期' % (rng.choice(['赣南护理杂志', '护理与健康']), year, rng.randint(1, 24))]],
                [8.0, 8.0], size=9.5, align=['l', 'r'])
    page.para('', rule='bottom', after=10)
    _title(page, rng, t['title'])
    sep = rng.choice(['\u3000', '，', '\u3000\u3000'])
    page.para(sep.join('%s（%s）' % (a, rng.choice(NURSE_RANKS)) for a in authors), size=11, align='c', cjk=rng.choice(KAI), after=2)
    page.para('（%s第一附属医院%s，江西%s\u2002%s）' % (t['school'][0], rng.choice(['感染科', '消化内科', '护理部', '耳鼻喉科']),
                                             t['school'][2], t['school'][3]), size=9, align='c', after=10)
    _abstract(page, rng, t['kws'], rng.choice(['；', '\u3000']))
    page.para(_bold('1\u2002资料与方法', rng), size=11, after=3)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def cover_story(rng):
    """A science journal's cover article: "·封面文章·" (or 本期封面论文) as a tag, the title, the byline,
    the units, and before the abstract a framed "封面说明" box telling what the cover picture shows and
    "图片提供：X" / "摄影：X", a photographer who is no author; then 摘要, 关键词 and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的长期观测', '{c}{s}的{a}', '{a}：以{c}{s}为例'], among=rng.choice([[0], [1]]))
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 5))
    shooter = _people(rng, 1, authors)[0]
    page.para('%s\u2002%d，%d（%d）' % (rng.choice(['湖泊与湿地科学', '江南农业科学', '红壤与生态']), year, rng.randint(10, 50),
                                     rng.randint(1, 12)), size=9, align=rng.choice(['l', 'c']), after=8)
    page.para(_bold(rng.choice(['·封面文章·', '·本期封面论文·', '【封面文章】']), rng), size=11, align='c', after=8)
    _title(page, rng, t['title'], (18, 20, 22))
    page.para(rng.choice(['\u3000', '，']).join(authors), size=11.5, align='c', cjk=rng.choice(KAI), after=2)
    _units(page, rng, t, authors)
    box = '封面说明：本期封面为%s%s的实地照片，展示了%s的现场情况。%s%s' % (
        rng.choice(t['d']['contexts']), t['s'], t['a'], rng.choice(['图片提供：', '摄影：', '封面摄影：']), shooter)
    sized_table(page, [[box]], [15.0], size=9, align=['l'], grid=True, shade=(0,) if rng.random() < 0.5 else (),
                fill=rng.choice(['F2F2F2', 'EAF2E6']))
    page.para('', after=8)
    _abstract(page, rng, t['kws'])
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def recommended_student(rng):
    """A 学报 column for young scholars ("青年学者园地" / "研究生论坛" in a shaded band): the title, one
    or two students' names, the unit, 摘要 and 关键词, and after them a ruled box "导师推荐语：…" signed
    "推荐人：B　教授" — the supervisor, who is no author; then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{c}{s}{a}初步研究', '{s}{a}效果评价', '{a}对{s}的影响'], among=rng.choice([[1], [2]]))
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 2))
    tutor = _people(rng, 1, authors)[0]
    sized_table(page, [['%s\u3000%s' % (rng.choice(['青年学者园地', '研究生论坛', '新苗园地']), rng.choice(['江西农业学报', '航空科学与工程']))]],
                [16.0], size=10, align=[rng.choice(['l', 'c'])], shade=(0,), fill=rng.choice(['D9D9D9', 'DCE6D2']))
    page.para('', after=14)
    _title(page, rng, t['title'])
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI), after=2)
    _units(page, rng, t, authors)
    _abstract(page, rng, t['kws'])
    rank = rng.choice(['教授', '研究员', '副教授'])
    sign = '推荐人：%s\u3000%s' % (tutor, rank) if rng.random() < 0.6 else '推荐导师：%s（%s）' % (tutor, rank)
    sized_table(page, [[[_bold('导师推荐语：', rng), '该文选题来自生产实际，试验设计合理，数据可靠，结论对%s有参考价值。' % t['s']]], [sign]],
                [15.0], size=9.5, align=['l'], grid=rng.random() < 0.5)
    page.para('', after=6)
    zh_body(page, BODY, 2)
    page.para('收稿日期：%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28)), size=8.5, rule='top', after=2)
    return _finish(page, rng, t['title'], authors, year, t['kws'], supervisor=tutor)


def white_paper(rng):
    """A computing or engineering white paper's cover page: the issuing body and "（YYYY年）" over the
    large title ending in 白皮书, "指导单位：" (a government office), "编写单位：" (the school), and a
    grid "编写组" (组长 first, then members two or three a row) whose names are the authors; the date
    at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}技术白皮书', '{c}{s}发展白皮书', '{a}技术应用白皮书'], among=rng.choice([[0], [2]]))
    year = rng.randint(2015, 2026)
    authors = _people(rng, rng.randint(2, 6))
    page.para('%s%s' % (t['school'][0], rng.choice(['发布', '编制'])), size=12, align='c', cjk=rng.choice(KAI), after=50)
    _title(page, rng, t['title'], (24, 26))
    page.para('（%d年）' % year if rng.random() < 0.5 else '（%d版）' % year, size=14, align='c', after=50)
    page.para('指导单位：江西省%s' % rng.choice(['工业和信息化厅', '科学技术厅', '生态环境厅']), size=12, align='c', after=4)
    page.para('编写单位：%s%s' % (t['school'][0], rng.choice(t['d']['units'])), size=12, align='c', after=24)
    page.para(_bold(rng.choice(['编写组', '编写组成员', '编\u2002写\u2002组']), rng), size=13, align='c', after=6)
    per = rng.choice([2, 3])
    rows = [['组\u3000长：', authors[0]] + [''] * (per - 1)]
    rest = authors[1:]
    for i in range(0, len(rest), per):
        chunk = rest[i:i + per]
        rows.append(['成\u3000员：' if i == 0 else ''] + chunk + [''] * (per - len(chunk)))
    sized_table(page, rows, [3.0] + [3.0] * per, size=12, align=['r'] + ['l'] * per)
    page.para('', after=60)
    page.para(zh_date(year, rng.randint(1, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(1, 12)), size=13,
              align='c')
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-engxuebao-titlecellleft-framedcodescellright': codes_beside_title,
             'gen-zh-nursingjournal-bracketcolumnhead-ranksinparensafternames': nursing_article,
             'gen-zh-wetlandjournal-coverstorytag-fengmianshuomingbox': cover_story,
             'gen-zh-agriaeroxuebao-youngscholarband-tuijianyubox': recommended_student,
             'gen-zh-computingwhitepaper-bianxiezugrid-zhidaodanwei': white_paper}
