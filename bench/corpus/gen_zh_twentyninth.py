"""A twenty-ninth set of Chinese first pages of papers, theses and reports in tropical medicine,
marine farming, railway engineering and pharmacy, in layouts and schools of their own."""
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('海南医学院', 'Hainan Medical University', '海口', '571199', '海南'),
           ('江苏海洋大学', 'Jiangsu Ocean University', '连云港', '222005', '江苏'),
           ('兰州交通大学', 'Lanzhou Jiaotong University', '兰州', '730070', '甘肃'),
           ('沈阳药科大学', 'Shenyang Pharmaceutical University', '沈阳', '110016', '辽宁')]
FORMS = ['{s}{a}研究', '{c}{s}{a}调查', '{s}{a}的试验与分析', '{c}{s}{a}现状及对策', '基于现场数据的{s}{a}研究']
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'登革热': ['媒介伊蚊监测', '病例聚集'], '恙虫病': ['宿主动物调查', '早期诊断'],
                          '益智仁': ['挥发油成分', '抗炎活性']},
                contexts=['文昌市', '万宁市', '定安县'], units=['热带医学院', '公共卫生学院', '药学院'],
                majors=['病原生物学', '流行病与卫生统计学', '药物化学'], field='热带病防治', forms=FORMS),
           dict(subjects={'条斑紫菜': ['栽培筏架', '绿藻附着'], '海州湾': ['大型底栖动物', '浮游植物群落'],
                          '盐田卤虫': ['休眠卵孵化', '营养强化']},
                contexts=['灌云县', '赣榆区', '东海县'], units=['海洋生命与水产学院', '海洋资源与环境学院', '食品科学与工程学院'],
                majors=['水产养殖', '海洋科学', '渔业资源'], field='海洋渔业', forms=FORMS),
           dict(subjects={'铁路沿线风沙': ['积沙清理', '挡沙墙效能'], '接触网': ['覆冰预警', '弓网磨耗'],
                          '高原铁路路基': ['冻胀变形', '保温措施']},
                contexts=['武威市', '张掖市', '古浪县'], units=['土木工程学院', '自动化与电气工程学院', '交通运输学院'],
                majors=['道路与铁道工程', '电气工程', '交通运输工程'], field='西北铁路工程',
                forms=['{s}{a}研究', '{c}{s}{a}分析', '{s}{a}的数值模拟', '{s}{a}的现场试验']),
           dict(subjects={'五味子': ['木脂素提取', '醋制工艺'], '人参皂苷': ['转化工艺', '药代动力学'],
                          '北细辛': ['马兜铃酸限量', '挥发油质量']},
                contexts=['桓仁县', '新宾县', '宽甸县'], units=['中药学院', '药学院', '制药工程学院'],
                majors=['中药学', '药剂学', '制药工程'], field='北药资源开发', forms=FORMS)]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文整理多年观测与试验资料，比较不同条件下的结果，分析主要影响因素，并提出可行的改进措施。'


def _topic(rng, among=(0, 1, 2, 3), forms=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _joined(rng, names):
    return rng.choice(['，', '、', '\u3000']).join(names)


def conf_idline(rng):
    """A paper for an engineering or farming meeting: the meeting's name left and the paper number
    right between two rules, the title, then each author on a line of his own, flush left, with his
    unit, city and e-mail in parentheses; the abstract and keywords follow."""
    page = _page(rng, 10.5)
    t = _topic(rng, (1, 2))
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 4))
    meeting = '%d年%s学术交流会' % (year, t['d']['field'])
    sized_table(page, [[(meeting, {'size': 9, 'cjk': rng.choice(KAI + SONG)}),
                        ('论文编号：%s%d-%04d' % (rng.choice(['RT', 'MF', 'CX']), year, rng.randint(1, 999)),
                         {'size': 9, 'bold': True})]], [11.0, 5.0], align=['l', 'r'])
    page.para('', rule='top', after=18)
    page.para((t['title'], {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['c', 'l']), after=12)
    for k, a in enumerate(authors):
        page.para([(a, {'bold': True, 'cjk': rng.choice(KAI + HEI)}),
                   ('（%s%s，%s %s；%s%d@%s）' % (s[0], rng.choice(t['d']['units']), s[2], s[3],
                                              rng.choice(['lz', 'hy', 'jt', 'x']), rng.randint(100, 999),
                                              rng.choice(['163.com', 'qq.com', 'mail.edu.cn'])), {'size': 9})],
                  size=11, align='l', after=2)
    page.para('', after=8)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(t['kws'])], size=9.5, after=12)
    page.para(('1\u3000概述', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def medjournal_labelled(rng):
    """A medical or pharmacy journal article whose byline is given by labels: the column and issue over
    a rule, the title, then "作者：", "单位：" and "通信作者：" lines run in (the last names the last author
    again, with his e-mail), then 【摘要】 and 【关键词】."""
    page = _page(rng, 10.5)
    t = _topic(rng, (0, 3))
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(2, 4))
    page.para([(rng.choice(['论著', '临床研究', '药学研究', '实验研究']), {'bold': True, 'cjk': rng.choice(HEI)}),
               '\u3000\u3000%s医药杂志\u3000%d年第%d卷第%d期' % (s[4], year, year - 1995, rng.randint(1, 24))],
              size=9, align=rng.choice(['l', 'r']), rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=12)
    colon = rng.choice(['：', ' '])
    lab = {'bold': True, 'cjk': rng.choice(HEI)}
    page.para([('作者' + colon, lab), _joined(rng, authors)], size=10.5, align='l', after=2)
    page.para([('单位' + colon, lab), '%s%s，%s %s' % (s[0], t['unit'], s[2], s[3])], size=9.5, align='l', after=2)
    page.para([('通信作者' + colon, lab), '%s，E-mail：%s@%s' % (authors[-1], rng.choice(['hnmu', 'sypu', 'yx']) + str(
        rng.randint(10, 99)), rng.choice(['163.com', '126.com']))], size=9.5, align='l', after=12)
    page.para([('【摘要】', lab), '目的\u3000探讨%s%s。方法\u3000%s结果\u3000%s' % (t['s'], t['a'], BODY, BODY)],
              size=9.5, align='j', after=3)
    page.para([('【关键词】', lab), '；'.join(t['kws'])], size=9.5, after=3)
    page.para('【中图分类号】%s\u3000【文献标识码】A' % rng.choice(['R512.8', 'R284', 'R917', 'R595']), size=9, after=12)
    page.columns(2)
    page.para(BODY * 5, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def marine_labelover(rng):
    """A master's thesis cover whose title stands between two heavy rules and whose particulars are
    printed in pairs, the small grey label over the value, two pairs a row."""
    page = _page(rng, 12)
    t = _topic(rng, (1,))
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('学校代码：%d\u3000\u3000学号：%d%04d' % (rng.randint(10000, 14999), year - 3, rng.randint(1, 9999)),
              size=9, align='r', after=40)
    page.para((s[0], {'size': rng.choice([24, 26]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='c', after=4)
    page.para((rng.choice(['硕士学位论文', '专业学位硕士学位论文', '学术学位硕士学位论文']),
               {'size': 16, 'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    page.para('', rule='bottom', after=10)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=4, line=1.3)
    page.para('', rule='bottom', after=50)
    pairs = [('研究生姓名', student), ('指导教师', sup + rng.choice(['', '\u3000教授', '\u3000研究员'])),
             ('学科专业', t['major']), ('所在学院', t['unit']), ('研究方向', t['d']['field']),
             ('论文提交日期', '%d年%d月' % (year, rng.choice([3, 4, 5])))]
    rows = []
    for k in range(0, len(pairs), 2):
        rows.append([[(pairs[k + j][0] + '\n', {'size': 9, 'cjk': rng.choice(HEI)}),
                      (pairs[k + j][1], {'size': 14, 'bold': rng.random() < 0.5})] for j in (0, 1)])
    sized_table(page, rows, [8.0, 8.0], align=rng.choice(['c', 'l']),
                shade=(0, 1) if rng.random() < 0.4 else (), fill='F2F2F2')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def project_members(rng):
    """The first page of a project's final report (结题报告): the programme over a rule, the title, the
    project number, and a grid of the research group, one member a row with his post, unit and share of
    the work; the leader is the first row. The members in order are the authors."""
    page = _page(rng, 10.5)
    t = _topic(rng, forms=['{c}{s}{a}项目结题报告', '{s}{a}课题结题报告', '{s}{a}研究结题报告'])
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(2, 5))
    page.para('%s省%s计划项目' % (s[4], rng.choice(['重点研发', '自然科学基金', '社会发展科技'])),
              size=11, align='c', cjk=rng.choice(KAI + SONG), rule='bottom', after=24)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=10)
    page.para('项目编号：%d%s%04d\u3000\u3000执行期限：%d年%d月—%d年%d月' % (
        year - 2, rng.choice(['ZD', 'JC', 'SF']), rng.randint(1, 9999), year - 2, rng.randint(1, 12), year,
        rng.randint(1, 12)), size=9.5, align='c', after=20)
    page.para(('项目组成员', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, align='l', after=4)
    posts = ['教授', '副教授', '讲师', '研究员', '副研究员', '博士研究生', '硕士研究生', '高级工程师']
    work = ['总体设计', '现场调查', '试验测试', '数据分析', '报告撰写']
    rows = [[('序号', {'bold': True}), ('姓名', {'bold': True}), ('职称', {'bold': True}), ('工作单位', {'bold': True}),
             ('分工', {'bold': True})]]
    for k, a in enumerate(authors):
        rows.append([str(k + 1), a + ('（负责人）' if k == 0 and rng.random() < 0.5 else ''), rng.choice(posts),
                     s[0] + rng.choice(t['d']['units']), rng.choice(work)])
    sized_table(page, rows, [1.3, 3.2, 2.5, 6.5, 2.5], size=10, grid=True, align='c',
                shade=(1,) if rng.random() < 0.4 else ())
    page.para('', after=18)
    page.para('承担单位：%s\u3000\u3000报告日期：%d年%d月%d日' % (s[0], year, rng.randint(1, 12), rng.randint(1, 28)),
              size=11, align='c')
    return _finish(page, rng, t['title'], authors, year)


def bachelor_textfirst(rng):
    """The first text page of a bachelor's thesis (not its cover): the kind over a rule, the title, one
    line with the student and the 指导教师, the school and major in parentheses, then 摘要, 关键词 and the
    first chapter."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('%s本科毕业论文（设计）' % s[0], size=9, align=rng.choice(['c', 'r']), rule='bottom', after=20)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=10)
    sep = rng.choice(['\u3000\u3000', '    ', '\u3000\u3000\u3000'])
    page.para([('学生：', {'bold': rng.random() < 0.5}), student, sep, ('指导教师：', {'bold': rng.random() < 0.5}),
               sup + rng.choice(['', '（副教授）', '（讲师）'])], size=11, align='c', cjk=rng.choice(KAI + SONG), after=3)
    page.para('（%s%s\u3000%s专业\u3000%d届）' % (s[0], t['unit'], t['major'], year), size=9.5, align='c', after=14)
    page.para([('摘\u3000要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 3], size=10, align='j', after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['；', '，']).join(t['kws'])], size=10,
              after=16)
    page.para(('1\u3000绪论', {'bold': True, 'cjk': rng.choice(HEI)}), size=12, align=rng.choice(['l', 'c']), after=4)
    page.para(BODY * 5, align='j', indent=21, line=1.5)
    return _finish(page, rng, t['title'], [student], year, t['kws'], supervisor=sup)


TEMPLATES = {'gen-zh-railwaymarine-meeting-paperidline': conf_idline,
             'gen-zh-tropicalpharma-journal-labelledbyline': medjournal_labelled,
             'gen-zh-oceanmaster-labelovervalue-pairs': marine_labelover,
             'gen-zh-projectfinal-membergrid': project_members,
             'gen-zh-bachelor-textpage-studenttutorline': bachelor_textfirst}
