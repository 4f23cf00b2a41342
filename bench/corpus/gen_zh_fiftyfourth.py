"""A fifty-fourth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in civil, mining, electrical and environmental engineering, computing, nursing,
public health and pharmacy of schools of their own."""
from docx.enum.section import WD_ORIENT
from docx.shared import Cm
from genbase import zh_person
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('陕西理工大学', 'Shaanxi University of Technology', '汉中', '723001', '陕西'),
           ('河南理工大学', 'Henan Polytechnic University', '焦作', '454000', '河南'),
           ('皖南医学院', 'Wannan Medical College', '芜湖', '241002', '安徽')]
DOMAINS = [dict(subjects={'汉江梯级水电站': ['机组振动监测', '库区泥沙淤积'], '秦巴山区公路隧道': ['隧道围岩变形', '隧道通风节能'],
                          '汉中配电网': ['配电网故障定位', '分布式光伏接入']},
                contexts=['汉台区', '勉县', '城固县'], units=['土木工程与建筑学院', '机械工程学院', '电气工程学院'],
                majors=['土木工程', '机械工程', '电气工程']),
           dict(subjects={'焦作煤矿瓦斯': ['瓦斯抽采钻孔', '煤与瓦斯突出预警'], '矿区地面沉降': ['沉降雷达干涉监测', '采空区充填治理'],
                          '矿井通信网络': ['井下无线传感网', '矿井网络入侵检测']},
                contexts=['中站区', '修武县', '博爱县'], units=['安全科学与工程学院', '测绘与国土信息工程学院', '计算机科学与技术学院'],
                majors=['安全工程', '测绘工程', '软件工程']),
           dict(subjects={'老年慢性心力衰竭': ['居家延续护理', '利尿剂服药依从'], '社区高血压人群': ['基层随访管理', '限盐健康教育'],
                          '皖南中药饮片': ['饮片含量测定', '饮片炮制工艺']},
                contexts=['镜湖区', '弋江区', '南陵县'], units=['护理学院', '公共卫生学院', '药学院'],
                majors=['护理', '公共卫生', '药学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文以现场监测、试验数据与工程资料为据，分析该问题的成因与影响因素，建立相应的计算与评价方法，并结合实例验证其有效性，为工程实践与临床管理提供参考。'
RANKS = ['教授', '副教授', '研究员', '主任医师']
MONTHS = ['January', 'March', 'April', 'May', 'June', 'September', 'November', 'December']


def _topic(rng, forms, among):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _body(page, n, size=10.5):
    page.para(BODY * n, align='j', indent=21, line=1.25, size=size, after=6)


def _unit(t, rng, unit=None):
    s = t['school']
    return '%s%s，%s\u2002%s\u2002%s' % (s[0], unit or rng.choice(t['d']['units']), s[4], s[2], s[3])


def _byline(authors, marks, rng):
    """The names, each followed by its superscript mark (a unit number, a triangle) and separated by
    a comma or a full-width blank."""
    sep = rng.choice(['，', '\u3000'])
    runs = []
    for a, m in zip(authors, marks):
        runs += [a] + ([(m, {'sup': True})] if m else []) + [sep]
    return runs[:-1]


def _unit_numbers(rng, n):
    """Each author's unit number: the first author's is 1, and one or more of the others' is 2 (no
    numbers for one author)."""
    if n == 1:
        return ['']
    nums = [1] + [rng.choice([1, 2]) for _ in range(n - 1)]
    if 2 not in nums:
        nums[-1] = 2
    return [str(k) for k in nums]


def _units(nums, units, sep='；'):
    """The units the numbers name, numbered "1. " when there are two."""
    if nums == ['']:
        return units[0]
    return sep.join('%s. %s' % (n, units[int(n) - 1]) for n in sorted(set(nums)))


def nursing_master_bilingual(rng):
    """A nursing or public health master's title page: the school and the degree kind over a rule,
    then one row of two cells, the Chinese block (题目, 研究生, 指导教师, 专业领域, 完成日期) on the
    left and the same particulars in English on the right."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}患者{a}的效果研究', '{c}{s}{a}现状及影响因素', '{a}在{s}中的应用'], [2])
    year = rng.randint(2012, 2026)
    month = rng.randint(4, 6)
    (student, s_py), (tutor, t_py) = zh_person(rng), zh_person(rng)
    while tutor == student:
        tutor, t_py = zh_person(rng)
    kind, en_kind = rng.choice([('护理硕士专业学位论文', 'Master of Nursing Specialist'),
                                ('公共卫生硕士专业学位论文', 'Master of Public Health')])
    page.para('分类号：R%d\u3000\u3000密级：公开' % rng.randint(190, 599), size=9, align='l', after=rng.choice([24, 36]))
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI)}), align='c', after=6)
    page.para(kind, size=rng.choice([20, 22]), bold=True, align='c', rule='bottom', after=rng.choice([36, 48]))
    rank = rng.choice(RANKS)
    cn = [(t['title'] + '\n\n', {'size': rng.choice([15, 16]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
          ('研\u2002究\u2002生：%s\n指导教师：%s\u3000%s\n专业领域：%s\n完成日期：%d年%d月' % (student, tutor, rank, t['major'], year, month),
           {'size': 12})]
    en = [('A Study on %s\n\n' % rng.choice(['Nursing Care', 'Health Management', 'Drug Quality']), {'size': 14, 'bold': True}),
          ('Candidate: %s\nSupervisor: Prof. %s\nSpecialty: %s\nDate: %s %d' % (s_py, t_py, en_kind, rng.choice(MONTHS), year),
           {'size': 11})]
    sized_table(page, [[cn, en]], [8.0, 8.0], align=['l', 'l'], grid=rng.random() < 0.5)
    page.para('', after=rng.choice([40, 60]))
    page.para('%s\u2002%s' % (t['school'][0], t['unit']), size=13, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def engineering_report_chapters(rng):
    """A research report of an engineering project: a shaded row with the project number and the
    kind of report, the title, the commissioning and undertaking units, then a framed table of the
    writers (序号, 姓名, 职称, 撰写章节) whose first row is the project leader; under it the 审定
    line, who is no author, and the date. The authors are the writers in table order."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究报告', '{c}{s}{a}专题研究', '{a}关键技术研究'], [0, 1])
    year = rng.randint(2012, 2026)
    writers = _people(rng, rng.randint(2, 5))
    checker = _people(rng, 1, writers)[0]
    sized_table(page, [['项目编号：%s-%d-%03d' % (rng.choice(['SXKJ', 'HNKY', 'JTKJ']), year - 1, rng.randint(1, 300)),
                        rng.choice(['研究报告', '专题研究报告（终稿）', '科研项目研究报告'])]],
                [9.0, 7.0], size=10, align=['l', 'r'], shade=(0, 1), fill=rng.choice(['D9E1F2', 'E2EFDA', 'EDEDED']))
    page.para('', after=rng.choice([40, 60]))
    _title(page, rng, t['title'], (22, 24, 26), after=rng.choice([30, 40]))
    page.para('委托单位：%s%s' % (t['school'][4], rng.choice(['省交通运输厅', '省能源局', '省应急管理厅'])), size=13, align='c', after=4)
    page.para('承担单位：%s%s' % (t['school'][0], t['unit']), size=13, align='c', after=rng.choice([24, 36]))
    rows = [[('序号', {'bold': True}), ('姓\u3000名', {'bold': True}), ('职\u3000称', {'bold': True}), ('撰写章节', {'bold': True})]]
    for k, w in enumerate(writers):
        lead = '（项目负责人）' if k == 0 else ''
        rows.append([str(k + 1), w + lead, rng.choice(RANKS[:3] + ['讲师', '高级工程师']), '第%d章' % (k + 1)])
    sized_table(page, rows, [1.6, 5.0, 3.2, 3.2], size=11, align='c', grid=True)
    page.para('', after=12)
    page.para('审\u3000定：%s' % checker, size=13, align='c', after=rng.choice([30, 50]))
    page.para('%d年%d月' % (year, rng.randint(1, 12)), size=14, align='c')
    return _finish(page, rng, t['title'], writers, year)


def pharmacy_lunzhu(rng):
    """A medical journal's original article: a row with a shaded column tag ("论著", "药学研究")
    beside the title cell, the byline with superscript unit numbers and a triangle on the
    corresponding author, the units in parentheses, 【目的】…【结论】, 【关键词】, the codes line in
    【】 labels, the text in two columns and the fund and corresponding author notes at the foot."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}{a}的临床观察', '{a}对{s}的影响', '{c}{s}{a}分析'], [2])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 5))
    nums = _unit_numbers(rng, len(authors))
    corr = len(authors) - 1
    marks = [n + ('△' if k == corr and len(authors) > 1 else '') for k, n in enumerate(nums)]
    units = [_unit(t, rng), '%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['人民医院', '疾病预防控制中心', '中医院']))]
    page.para('%s\u2002%d年第%d卷第%d期' % (rng.choice(['皖南医学杂志', '江淮药学与临床', '基层护理与药学']), year, rng.randint(20, 45),
                                      rng.randint(1, 24)), size=8.5, align='r', after=10)
    sized_table(page, [[(rng.choice(['论\u2002著', '药学研究', '临床护理']), {'bold': True, 'size': 12, 'cjk': rng.choice(HEI)}),
                        (t['title'], {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]],
                [2.6, 13.4], align=['c', 'l'], shade=(0,), fill=rng.choice(['808080', 'A6A6A6', 'BDD7EE']))
    page.para('', after=6)
    page.para(_byline(authors, marks, rng), size=11.5, align='l', cjk=rng.choice(KAI), after=3)
    page.para('（%s）' % _units(nums, units), size=8.5, align='l', after=10)
    page.para([_bold('【摘要】', rng), '【目的】探讨%s。【方法】%s【结果】差异有统计学意义（P＜0.05）。【结论】该方法值得推广。' % (t['a'], BODY)],
              size=9, align='j', after=3)
    page.para([_bold('【关键词】', rng), '；'.join(t['kws'])], size=9, after=3)
    page.para('【中图分类号】R%d\u3000【文献标识码】A\u3000【文章编号】1009-%04d(%d)%02d-0%03d-04' % (
        rng.randint(400, 999), rng.randint(1000, 9999), year, rng.randint(1, 24), rng.randint(100, 999)), size=8.5, after=10)
    page.columns(2)
    _body(page, 3, 9.5)
    page.para('基金项目：%s高校自然科学研究项目（KJ%dA%04d）\n△通信作者：%s，E-mail：%s@wnmc.edu.cn' % (
        t['school'][4], year - 1, rng.randint(1, 999), authors[corr], rng.choice(['hlxy', 'yxy', 'gwxy']) + str(rng.randint(10, 99))),
        size=8, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def mine_network_conference(rng):
    """A national conference paper on mining informatics and networks: a borderless head row with the
    conference and its proceedings on the left and "录用编号" on the right over a rule, the title and
    the byline flush left, the numbered units in one parenthesised line, the abstract and keywords in
    a framed cell, the class code line and the text in two columns."""
    page = _page(rng, 10)
    t = _topic(rng, ['基于{a}的{s}研究', '{c}{s}{a}方法', '面向{s}的{a}系统设计'], [1])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    nums = _unit_numbers(rng, len(authors))
    units = [_unit(t, rng), '%s%s，%s\u2002焦作\u2002454000' % (rng.choice(['焦作煤业集团', '河南能源焦煤公司']),
                                                            rng.choice(['信息中心', '通风调度中心', '安全监控中心']), t['school'][4])]
    sized_table(page, [['第%d届全国矿山信息化与网络安全学术会议\n会议论文集\u2002·\u2002%d' % (rng.randint(3, 18), year),
                        ('录用编号：MNS%d-%03d' % (year, rng.randint(1, 250)), {'bold': True})]],
                [11.0, 5.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([14, 20]))
    _title(page, rng, t['title'], (16, 18, 20), 'l', after=8)
    page.para(_byline(authors, nums, rng), size=12, align='l', cjk=rng.choice(KAI), after=3)
    page.para('（%s）' % _units(nums, units), size=8.5, align='l', after=10)
    sized_table(page, [[[('摘\u3000要：', {'bold': True}), BODY + '\n', ('关键词：', {'bold': True}), '；'.join(t['kws'])]]],
                [16.0], size=9, align=['l'], grid=True)
    page.para('中图分类号：TP%d\u3000\u3000文献标志码：A' % rng.randint(200, 399), size=8.5, before=6, after=10)
    page.columns(2)
    _body(page, 3, 9.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def landscape_extended_abstract(rng):
    """An extended abstract of an environmental and geotechnical engineering meeting, on a landscape
    page: the meeting line and the abstract number over a rule, the title, the byline with unit
    numbers, the units one line, then three columns: 摘要, 关键词 and the first sections."""
    page = _page(rng, 9.5)
    sec = page.doc.sections[0]
    sec.orientation = WD_ORIENT.LANDSCAPE
    sec.page_width, sec.page_height = Cm(29.7), Cm(21.0)
    for side in ('left_margin', 'right_margin', 'top_margin', 'bottom_margin'):
        setattr(sec, side, Cm(1.8))
    t = _topic(rng, ['{s}{a}的数值模拟', '{c}{s}{a}试验研究', '{s}与{a}的耦合分析'], [0, 1])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    nums = _unit_numbers(rng, len(authors))
    units = [_unit(t, rng), '%s%s' % (t['school'][4], rng.choice(['省地质环境监测院', '省水利水电勘测设计院', '省交通规划设计院']))]
    sized_table(page, [['%d年全国环境岩土工程与水利安全学术年会\u2002·\u2002扩展摘要' % year,
                        '摘要编号：EG-%03d' % rng.randint(1, 400)]], [18.0, 8.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=10)
    _title(page, rng, t['title'], (18, 20), after=6)
    page.para(_byline(authors, nums, rng), size=12, align='c', cjk=rng.choice(KAI), after=2)
    page.para(_units(nums, units, '\u3000'), size=8.5, align='c', after=10)
    page.columns(3)
    page.para(_bold('摘\u2002要', rng), size=10.5, after=2)
    page.para(BODY * 2, align='j', size=9, after=6)
    page.para([_bold('关键词：', rng), '，'.join(t['kws'])], size=9, after=8)
    for head in ('1\u2002研究背景', '2\u2002试验与方法', '3\u2002结果与讨论'):
        page.para(_bold(head, rng), size=10.5, after=2)
        page.para(BODY * 2, align='j', size=9, indent=18, after=6)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-nursingmaster-bilingualtitlepage-cnblockleft-enblockright': nursing_master_bilingual,
             'gen-zh-engproject-researchreport-projectnoband-writerchaptertable-shendingline': engineering_report_chapters,
             'gen-zh-pharmacyjournal-columntagbesidetitle-trianglecorr-bracketcodesline': pharmacy_lunzhu,
             'gen-zh-minenetconf-acceptnohead-titleleft-framedabstractcell-twocol': mine_network_conference,
             'gen-zh-envgeomeeting-landscapeextabstract-threecolumns': landscape_extended_abstract}
