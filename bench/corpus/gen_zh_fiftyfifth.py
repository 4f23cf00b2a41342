"""A fifty-fifth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in finance, taxation, journalism, library science, social work, auditing and
public policy of schools of their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, unit_line as _unit, zh_body,
                   zh_finish as _finish, zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('兰州财经大学', 'Lanzhou University of Finance and Economics', '兰州', '730020', '甘肃'),
           ('安徽财经大学', 'Anhui University of Finance and Economics', '蚌埠', '233030', '安徽'),
           ('内蒙古财经大学', 'Inner Mongolia University of Finance and Economics', '呼和浩特', '010070', '内蒙古')]
DOMAINS = [dict(subjects={'临夏牛羊肉贩运': ['牲畜交易税收征管', '贩运户信贷约束'], '陇南山区网店': ['农村电商物流补贴', '网店主播职业流动'],
                          '河西戈壁温室': ['温室土地承包纠纷', '设施农业保险赔付']},
                contexts=['临夏州', '陇南市', '永靖县'], units=['财政与税务学院', '法学院', '信息工程与传媒学院'],
                majors=['税务', '新闻与传播', '农业经济管理']),
           dict(subjects={'蚌埠玻璃企业': ['玻璃企业债务融资', '玻璃行业环保处罚'], '怀远石榴种植户': ['石榴合作社盈余分配', '石榴品牌舆情传播'],
                          '淮河行蓄洪区': ['蓄洪区生态补偿标准', '蓄洪区移民社区治理']},
                contexts=['怀远县', '五河县', '固镇县'], units=['会计学院', '文学院', '社会与人口学院'],
                majors=['审计', '社会工作', '图书情报']),
           dict(subjects={'包头稀土企业': ['稀土资源税改革', '稀土企业审计风险'], '锡林郭勒牧户': ['草场流转合同履行', '牧民子女寄宿教育'],
                          '乌兰察布马铃薯仓储': ['马铃薯期货套期保值', '仓储设施政府补贴']},
                contexts=['包头市', '四子王旗', '乌兰察布市'], units=['金融学院', '公共管理学院', '统计与数学学院'],
                majors=['金融', '公共管理', '应用统计'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文利用入户调查与统计年鉴数据，考察这一地区相关主体的行为与制度安排，识别其中的影响因素与传导机制，并就财税政策、基层治理与公共服务提出建议。'
RANKS = ['教授', '副教授', '研究员']
CIRCLED = '①②③④⑤'


def _topic(rng, forms):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def fiscal_working_paper(rng):
    """A school research centre's working paper: a ruled strip of three cells (series, number,
    month), the title and an English line under it, the byline with circled note marks, the abstract
    in a framed cell, keywords, a framed notice that the paper is a draft, and the circled notes on
    the authors under a rule at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}与{a}：来自{c}的证据', '{a}的经济效应研究', '{c}{s}的{a}'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    centre = t['school'][0] + rng.choice(['财税研究中心', '西部经济研究院', '区域发展研究中心'])
    sized_table(page, [[centre + '\n工作论文系列', 'WP No. %d-%02d' % (year, rng.randint(1, 30)), '%d年%d月' % (year, rng.randint(1, 12))]],
                [7.5, 4.5, 4.0], size=9, align=['l', 'c', 'r'], grid=rng.random() < 0.5)
    page.para('', rule='bottom', after=rng.choice([18, 28]))
    _title(page, rng, t['title'], (17, 18, 20), after=4)
    page.para(('Working Paper of %s' % t['school'][1], {'italic': True}), size=9, align='c', after=12)
    page.para([x for k, a in enumerate(authors) for x in (a, (CIRCLED[k], {'sup': True}), '\u3000')][:-1], size=12,
              align='c', cjk=rng.choice(KAI), after=12)
    sized_table(page, [[[_bold('摘要：', rng), BODY * 2]]], [15.0], size=9, align=['l'], grid=True)
    page.para([_bold('关键词：', rng), rng.choice(['；', '，', '\u3000']).join(t['kws'])], size=9, before=6, after=10)
    sized_table(page, [[rng.choice(['本文为工作论文，观点仅代表作者本人，未经作者许可请勿引用。',
                                    '本文为工作论文，尚未正式发表，欢迎批评指正，引用请联系作者。'])]],
                [13.0], size=8.5, align=['c'], grid=True, shade=(0,), fill=rng.choice(['F2F2F2', 'EDEDED']))
    page.para('', after=8)
    zh_body(page, BODY, 2)
    page.para('\n'.join('%s %s，%s%s，E-mail：%s%d@%s' % (CIRCLED[k], a, t['school'][0], rng.choice(t['d']['units']),
                                                        rng.choice(['tax', 'fin', 'econ']), rng.randint(10, 99), rng.choice(['163.com', 'qq.com']))
                        for k, a in enumerate(authors)), size=8, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def journalism_master_twocell(rng):
    """A journalism and communication master's thesis cover in one row of two cells: the narrow left
    cell holds the school code, the secrecy grade and the particulars one above another (研究生,
    指导教师 with rank, 专业学位类别, 研究方向, 提交日期); the wide right cell holds the school, the
    degree and the title; the particulars stand low in their cell, under the title's height."""
    page = _page(rng, 11)
    t = _topic(rng, ['{s}的媒介呈现研究', '{a}的新闻报道框架分析', '{c}{s}的网络传播研究'])
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    left = [('学校代码：%s\n密\u2002\u2002级：公开' % rng.randint(10000, 11999) + '\n' * rng.randint(14, 16), {'size': 9}),
            ('研\u2002究\u2002生\n', {'size': 9, 'bold': True}), (student + '\n\n', {'size': 12}),
            ('指导教师\n', {'size': 9, 'bold': True}), ('%s\u2002%s\n\n' % (tutor, rng.choice(RANKS)), {'size': 12}),
            ('专业学位类别\n', {'size': 9, 'bold': True}), ('新闻与传播硕士\n\n', {'size': 10.5}),
            ('研究方向\n', {'size': 9, 'bold': True}), (rng.choice(['融合新闻', '国际传播', '数据新闻']) + '\n\n', {'size': 10.5}),
            ('提交日期\n', {'size': 9, 'bold': True}), ('%d年%d月' % (year, rng.randint(3, 6)), {'size': 10.5})]
    right = [(t['school'][0] + '\n\n', {'size': rng.choice([22, 24]), 'cjk': rng.choice(KAI)}),
             (rng.choice(['硕士专业学位论文', '专业硕士学位论文']) + '\n\n', {'size': 16, 'bold': True}),
             (t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]
    page.para('', after=rng.choice([20, 40]))
    sized_table(page, [[left, right]], [4.5, 11.5], align=['l', 'c'], shade=(0,), fill=rng.choice(['DDEBF7', 'E2EFDA', 'F2F2F2']))
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def library_conference_entry(rng):
    """A paper of a library science meeting's call for papers: a framed grid of two rows (征文编号 and
    论文类别 left, the meeting and the year right), the title, the byline, the unit line with a
    postcode after a dash, 内容提要 and 关键词 in run-in bold labels, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{a}的信息服务研究', '面向{s}的数据资源建设', '{c}{a}信息需求调查'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    meeting = '%d年%s图书馆学会学术年会' % (year, t['school'][4])
    sized_table(page, [[('征文编号：%d%03d' % (year, rng.randint(1, 400)), {'bold': True}), meeting],
                       ['论文类别：' + rng.choice(['理论研究', '实践探索', '调查报告']), '征文主题：' + rng.choice(['数字资源与公共服务', '阅读推广', '基层图书馆建设'])]],
                [5.5, 10.5], size=9, align=['l', 'l'], grid=True)
    page.para('', after=rng.choice([18, 26]))
    _title(page, rng, t['title'], (16, 18), after=8)
    page.para(rng.choice(['\u3000', '，', '、']).join(authors), size=12, align='c', cjk=rng.choice(KAI), after=2)
    page.para('（%s%s—%s）' % (t['school'][0], rng.choice(['图书馆', '信息管理学院', '文献信息中心']), t['school'][3]), size=9, align='c', after=14)
    page.para([_bold('〔内容提要〕', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('〔关键词〕', rng), '\u3000'.join(t['kws'])], size=9.5, after=12)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def socialwork_bachelor_cover(rng):
    """A social work bachelor's thesis cover: the class year (届) in a framed corner cell at top
    left, the school and the kind of paper, the title with the paper's kind in brackets under it,
    then a four-column grid (label, value, label, value) of the particulars with the tutor's rank in
    its own cell, and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的个案研究', '社会工作介入{a}的实践研究', '{c}{s}的社会支持研究'])
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    corner = sized_table(page, [['%d届' % year]], [2.6], size=11, align=['c'], grid=True)
    corner.alignment = 0
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=10, after=6)
    page.para(rng.choice(['本科毕业论文', '本科毕业论文（设计）', '学士学位论文']), size=20, bold=True, align='c', after=rng.choice([40, 56]))
    _title(page, rng, t['title'], (18, 20), after=6)
    page.para('（%s）' % rng.choice(['社会调查类', '实务研究类', '政策分析类']), size=11, align='c', after=rng.choice([40, 56]))
    rows = [['学生姓名', student, '学\u2002\u2002号', '%d%06d' % (year - 4, rng.randint(0, 999999))],
            ['学\u2002\u2002院', rng.choice(t['d']['units']), '专\u2002\u2002业', '社会工作'],
            ['指导教师', tutor, '职\u2002\u2002称', rng.choice(RANKS + ['讲师'])]]
    sized_table(page, rows, [2.8, 4.0, 2.8, 4.0], size=12, align='c', grid=True, shade=(0, 2),
                fill=rng.choice(['F2F2F2', 'FFF2CC', 'DDEBF7']))
    page.para('', after=rng.choice([40, 60]))
    page.para(zh_date(year, rng.randint(4, 6)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def audit_journal_authorcolumn(rng):
    """An audit and economics journal article: the page number, the journal and the issue in a
    running head flush left, the title, then one row of two cells: a narrow left cell with each
    author's name over his unit, and the abstract, keywords and codes on the right; then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{a}与地方财政可持续性', '{s}{a}的实证分析', '{c}{a}问题研究'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('·%d·\u3000%s\u3000%d年第%d期' % (rng.randint(10, 120), rng.choice(['审计与经济研究', '财经理论研究', '西部财会']), year,
                                                rng.randint(1, 12)), size=8.5, align='l', rule='bottom', after=18)
    _title(page, rng, t['title'], (18, 20), 'l', after=14)
    left = []
    for a in authors:
        left += [(a + '\n', {'size': 11, 'bold': True, 'cjk': rng.choice(KAI + HEI)}),
                 ('（%s%s）\n\n' % (t['school'][0], rng.choice(t['d']['units'])), {'size': 8})]
    right = [('摘\u2002要：', {'bold': True, 'size': 9}), (BODY + '\n', {'size': 9}),
             ('关键词：', {'bold': True, 'size': 9}), ('；'.join(t['kws']) + '\n', {'size': 9}),
             ('中图分类号：F%d\u3000文献标识码：A' % rng.randint(230, 830), {'size': 8.5})]
    sized_table(page, [[left, right]], [4.0, 12.0], align=['l', 'l'], shade=(0,) if rng.random() < 0.5 else (),
                fill=rng.choice(['F2F2F2', 'EDEDED']))
    page.para('', after=10)
    zh_body(page, BODY, 3)
    page.para('收稿日期：%s' % zh_date(year - 1, rng.randint(1, 12)), size=8, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def policy_project_report(rng):
    """A provincial social science fund project's final report cover: the fund and the kind of
    report, the title, then one row of two framed cells under it: the project's facts on the left
    (类别, 编号, 立项 and 结项 dates, 责任单位) and the team on the right, 课题负责人 over the leader
    and 课题组成员 over the members one to a line. The authors are the leader and then the members."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{a}对策研究', '{s}{a}的政策评估', '{a}机制创新研究'])
    year = rng.randint(2013, 2026)
    team = _people(rng, rng.randint(1, 5))
    page.para('%s哲学社会科学规划项目' % t['school'][4], size=16, align='c', before=rng.choice([30, 50]), after=8, cjk=rng.choice(HEI))
    page.para(rng.choice(['结题研究报告', '最终成果研究报告']), size=24, bold=True, align='c', after=rng.choice([40, 60]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([40, 60]))
    facts = '\n'.join(['项目类别：' + rng.choice(['一般项目', '青年项目', '重点项目']),
                       '项目编号：%d%s%03d' % (year - rng.randint(1, 3), rng.choice(['SK', 'ZD', 'YB']), rng.randint(1, 300)),
                       '立项时间：%d年%d月' % (year - rng.randint(1, 3), rng.randint(1, 12)),
                       '结项时间：%d年%d月' % (year, rng.randint(1, 12)),
                       '责任单位：' + t['school'][0] + rng.choice(t['d']['units'])])
    crew = [('课题负责人\n', {'bold': True}), (team[0], {'size': 14})]
    if len(team) > 1:
        crew += [('\n\n课题组成员\n', {'bold': True}), ('\n'.join(team[1:]), {'size': 12})]
    sized_table(page, [[facts, crew]], [9.5, 6.0], size=11, align=['l', 'c'], grid=True)
    page.para(zh_date(year, rng.randint(1, 12)), size=14, align='c', before=rng.choice([40, 60]))
    return _finish(page, rng, t['title'], team, year)


TEMPLATES = {'gen-zh-fiscalcentre-workingpaper-threecellstrip-circlednotes-draftnoticeframe': fiscal_working_paper,
             'gen-zh-journalismmaster-particularscellleft-titlecellright': journalism_master_twocell,
             'gen-zh-libraryscimeeting-callpaper-submissiongrid-postcodeunit': library_conference_entry,
             'gen-zh-socialworkbachelor-classyearcorner-kindtagundertitle-fourcolgrid': socialwork_bachelor_cover,
             'gen-zh-auditjournal-pagefirsthead-nameoverunitcell-abstractright': audit_journal_authorcolumn,
             'gen-zh-socscifund-finalreport-factscellleft-teamcellright': policy_project_report}
