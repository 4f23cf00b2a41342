"""A seventeenth set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords, zh_date
from zhkit import HEI, KAI, SONG, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('贺州学院', 'Hezhou University', '贺州', '542899'),
           ('昌吉学院', 'Changji University', '昌吉', '831100'),
           ('六盘水师范学院', 'Liupanshui Normal University', '六盘水', '553004'),
           ('池州学院', 'Chizhou University', '池州', '247000')]
DOMAINS = [(['富川脐橙', '脐橙黄龙病', '瑶族服饰'], ['种植效益', '传承保护', '适宜性评价'], ['富川县', '贺江流域'],
            dict(units=['食品与生物工程学院', '文化与传媒学院'], majors=['园艺', '服装与服饰设计'])),
           (['棉花滴灌', '戈壁设施农业', '盐碱棉田'], ['节水增效', '产量构成', '推广模式'], ['昌吉州', '玛纳斯县'],
            dict(units=['农业学院', '经济与管理学院'], majors=['农学', '农业资源与环境'])),
           (['红心猕猴桃', '刺梨加工', '乌蒙山茶'], ['开发利用', '鲜果分级', '精深加工'], ['盘州市', '乌蒙山区'],
            dict(units=['生物科学与技术学院', '旅游与历史文化学院'], majors=['食品质量与安全', '生物科学'])),
           (['升金湖湿地', '九华山佛茶', '皖南古村落'], ['越冬水鸟', '景观变迁', '文旅融合'], ['石台县', '青阳县'],
            dict(units=['地理与规划学院', '文学与传媒学院'], majors=['人文地理与城乡规划', '旅游管理']))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}{a}研究', '{s}的{a}分析——基于{c}的调查', '{c}{s}与{t}的{a}', '基于{a}视角的{c}{s}研究']
BODY = '本文介绍所做工作的背景和资料，说明方法与结果，并讨论其意义和不足之处。'


def _topic(rng):
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']),
                major=rng.choice(f['majors']))


def _labels(page, rng, rows, size=14):
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.4, 9.2], size=rng.choice([12, 14]), grid=rng.random() < 0.5, align=['r', 'l'])
    else:
        for label, val in rows:
            page.para([(label + rng.choice(['：', '：', ' ']), {}), (val, {'u': True})], size=size, indent=50, after=10)


def codesline_paper(rng):
    """A journal page whose classification, document code and article number stand on one line under
    the keywords."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2008, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    journal = rng.choice(['%s学报' % s[0], '中国南方果树', '新疆农业科学', '安徽农业科学'])
    page.para('%s\u3000%d年第%d卷第%d期' % (journal, year, rng.randint(5, 50), rng.randint(1, 12)), size=8.5,
              align=rng.choice(['l', 'c']), rule='bottom' if rng.random() < 0.6 else None, after=16)
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': rng.random() < 0.6, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    page.para(rng.choice(['\u3000', '，', '  ']).join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s%s %s）' % (s[0], topic['unit'], rng.choice(['广西', '新疆', '贵州', '安徽']), s[2], s[3]),
              size=9, align='c', after=10)
    page.para([('[摘\u3000要]' if rng.random() < 0.5 else '摘要：', {'bold': True}), BODY * 3], size=9, align='j', after=3)
    page.para([('[关键词]' if rng.random() < 0.5 else '关键词：', {'bold': True}), rng.choice(['；', '，']).join(topic['kws'])],
              size=9, after=3)
    page.para('中图分类号：%s%d\u3000\u3000文献标志码：A\u3000\u3000文章编号：1%03d-%04d(%d)%02d-%04d-%02d' % (
        rng.choice(['S', 'F', 'G', 'X']), rng.randint(100, 999), rng.randint(0, 999), rng.randint(0, 9999), year,
        rng.randint(1, 12), rng.randint(1, 200), rng.randint(3, 9)), size=8.5, after=12)
    if rng.random() < 0.5:
        page.columns(2)
    page.para(('引言' if rng.random() < 0.5 else '1\u3000研究背景', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 6, align='j', indent=21)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def udc_cover(rng):
    """A master's thesis cover with 分类号, 密级 and UDC in the top corner, the title, then 作者姓名,
    指导教师, 申请学位级别 and 专业名称 each on a line of its own."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    page.para('分类号：%s%d\n密\u3000级：%s\nUDC：%d' % (rng.choice(['S', 'F', 'G']), rng.randint(10, 99),
                                                   rng.choice(['公开', '无', '内部']), rng.randint(100, 999)),
              size=10, align='l', after=30)
    page.para((s[0], {'size': rng.choice([20, 24]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=4)
    page.para((rng.choice(['硕士学位论文', '硕 士 学 位 论 文', '专业硕士学位论文']), {'size': rng.choice([22, 26]), 'bold': True}),
              align='c', after=40)
    page.para((topic['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=40)
    author = _people(rng, 1)[0]
    sup = _people(rng, 1, [author])[0]
    rows = [['作者姓名', author], ['指导教师', sup + rng.choice(['', ' 教授', ' 研究员'])],
            ['申请学位级别', rng.choice(['硕士', '农业硕士', '理学硕士'])], ['专业名称', topic['major']]]
    _labels(page, rng, rows, size=13)
    page.para('%s\u3000%d年%d月' % (s[0], year, rng.choice([5, 6])) if rng.random() < 0.5 else zh_date(year, 6),
              size=13, align='c', before=40)
    return _finish(page, rng, topic['title'], [author], year, supervisor=sup)


def inlineunit_proceedings(rng):
    """A proceedings paper whose authors each carry their unit in brackets on the same line."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2010, 2026)
    n = rng.randint(1, 3)
    authors = _people(rng, n)
    page.para('第%s届全国%s学术研讨会论文集　%d年%d月·%s' % (rng.choice(['三', '五', '七', '十一']),
                                                  rng.choice(['特色农业', '区域发展', '生态保护']), year, rng.randint(4, 11),
                                                  rng.choice(['南宁', '乌鲁木齐', '贵阳', '合肥'])),
              size=9, align='r', rule='bottom', after=20)
    page.para((topic['title'], {'size': rng.choice([15, 16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['c', 'c', 'l']), after=8)
    for a in authors:
        page.para([(a, {'cjk': rng.choice(KAI + SONG)}), ('（%s%s）' % (s[0], rng.choice(DOMAINS[topic['i']][3]['units'])),
                                                          {'size': 9})], size=11, align='c', after=1)
    page.para([('摘要', {'bold': True}), rng.choice(['：', '\u3000']), BODY * 2], size=9, align='j', before=10, after=3)
    page.para([('关键词', {'bold': True}), rng.choice(['：', '\u3000']), '、'.join(topic['kws'])], size=9, after=12)
    page.para(('一、问题的提出', {'bold': True}), size=11, after=4)
    page.para(BODY * 6, align='j', indent=21)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def vocational_cover(rng):
    """The cover of a vocational college student's 毕业设计（论文）: school, kind, and 题目, 系部,
    专业班级, 学生姓名, 学号, 指导教师 in a table or on underlined lines."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2013, 2026)
    college = s[2] + rng.choice(['职业技术学院', '职业学院'])
    page.para((college, {'size': rng.choice([22, 26]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=30, after=8)
    page.para((rng.choice(['毕业设计（论文）', '毕 业 设 计', '高职毕业论文']), {'size': rng.choice([24, 28]), 'bold': True}),
              align='c', after=50)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    rows = [['题\u3000\u3000目', topic['title']], ['系\u3000\u3000部', rng.choice(['农林系', '经济管理系', '食品工程系'])],
            ['专业班级', '%s%d级%d班' % (topic['major'], year - 3, rng.randint(1, 4))], ['学生姓名', student],
            ['学\u3000\u3000号', '%d%05d' % (year - 3, rng.randint(0, 99999))],
            ['指导教师', sup + rng.choice(['', '（讲师）', '（高级农艺师）'])]]
    _labels(page, rng, rows)
    page.para('%d年%d月%d日' % (year, rng.choice([4, 5]), rng.randint(1, 28)), size=13, align='c', before=40)
    return _finish(page, rng, topic['title'], [student], year, supervisor=sup)


def taskgroup_survey(rng):
    """A survey report whose authors are named as the task group: its head, then its members."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    page.para((rng.choice(['调研报告', '专题调研报告', '社会调查报告']), {'size': 14, 'bold': True}), align='l', after=16,
              rule='bottom' if rng.random() < 0.5 else None)
    title = rng.choice(['{c}{s}{a}调研报告', '关于{c}{s}{a}情况的调查', '{c}{s}{a}的现状与思考']).format(
        c=rng.choice(DOMAINS[topic['i']][2]), s=rng.choice(DOMAINS[topic['i']][0]), a=rng.choice(DOMAINS[topic['i']][1]))
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    members = _people(rng, rng.randint(2, 4))
    form = rng.random()
    if form < 0.5:
        page.para('%s课题组' % s[0], size=12, align='c', after=2, cjk=rng.choice(KAI))
        page.para('组长：%s\u3000\u3000成员：%s' % (members[0], '、'.join(members[1:])), size=11, align='c', after=16)
    else:
        page.para('课题负责人：%s' % members[0], size=11, align='c', after=2)
        page.para('课题组成员：%s' % rng.choice(['、', '\u3000']).join(members[1:]), size=11, align='c', after=16)
    page.para(rng.choice(['内容提要：', '【提要】']) + BODY * 2, size=10.5, align='j', after=10, cjk=rng.choice(KAI))
    page.para(('一、调研的背景', {'bold': True, 'cjk': rng.choice(HEI)}), size=12, after=4)
    page.para(BODY * 5, align='j', indent=24, size=12)
    page.para('（%d年%d月）' % (year, rng.randint(1, 12)), size=11, align='r', before=8)
    return _finish(page, rng, title, members, year)


def readingreport_cover(rng):
    """The cover of a graduate's reading report: school, kind, the report's title, the book it reads,
    姓名, 学号, 专业, the date."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2014, 2026)
    page.para((s[0], {'size': rng.choice([20, 24]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=40, after=6)
    page.para((rng.choice(['读书报告', '研究生读书报告', '专业经典著作读书报告']), {'size': rng.choice([24, 26]), 'bold': True}),
              align='c', after=50)
    student = _people(rng, 1)[0]
    title = rng.choice(['读《%s》有感', '《%s》读书报告——兼论%s', '从《%s》看%s']) 
    book = rng.choice(['寂静的春天', '乡土中国', '沙乡年鉴', '江村经济', '增长的极限'])
    title = title % ((book,) if title.count('%s') == 1 else (book, rng.choice(DOMAINS[topic['i']][0]) + rng.choice(DOMAINS[topic['i']][1])))
    rows = [['报告题目', title], ['姓\u3000\u3000名', student], ['学\u3000\u3000号', '%d%06d' % (year - 1, rng.randint(0, 999999))],
            ['专\u3000\u3000业', topic['major']], ['学\u3000\u3000院', topic['unit']]]
    _labels(page, rng, rows, size=13)
    page.para('%d年%d月' % (year, rng.choice([1, 6, 11])), size=13, align='c', before=50)
    return _finish(page, rng, title, [student], year)


TEMPLATES = {'gen-zh-journal-codesline': codesline_paper, 'gen-zh-thesis-udccorner': udc_cover,
             'gen-zh-proceedings-inlineunit': inlineunit_proceedings, 'gen-zh-vocational-designcover': vocational_cover,
             'gen-zh-survey-taskgroup': taskgroup_survey, 'gen-zh-readingreport-cover': readingreport_cover}
