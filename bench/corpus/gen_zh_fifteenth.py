"""A fifteenth set of Chinese first pages, of kinds the earlier sets lack: the cover of a student's
practice or internship report (实践单位, 指导教师); a paper of a graduate students' forum with the
student's year and the 导师 under the title; a short communication with the received date and a
citation box; a teaching-reform paper with the project it comes from above the title; a journal page
that opens with a "引用格式" box; and a graduate student's mid-term check form (导师, 论文题目).
Subjects: Huizhou dwellings, wood-ear fungus, Hani terraces and ballast water."""
from genbase import title_keywords, zh_date
from zhkit import HEI, KAI, SONG, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('黄山学院', 'Huangshan University', '黄山', '245041'),
           ('牡丹江师范学院', 'Mudanjiang Normal University', '牡丹江', '157011'),
           ('红河学院', 'Honghe University', '蒙自', '661199'),
           ('渤海大学', 'Bohai University', '锦州', '121013')]
DOMAINS = [(['徽派民居', '古村落保护', '马头墙修缮'], ['活化利用', '价值评估', '营造技艺'], ['皖南古村', '新安江流域'],
            dict(units=['建筑工程学院', '旅游学院'], majors=['建筑学', '旅游管理'])),
           (['黑木耳栽培', '菌渣利用', '林区食用菌'], ['品种比较', '产量效益', '菌种选育'], ['牡丹江林区', '东宁县'],
            dict(units=['生命科学与技术学院', '经济与管理学院'], majors=['生物科学', '农林经济管理'])),
           (['哈尼梯田', '梯田稻作', '边境民族村寨'], ['水源管护', '文化传承', '生计转型'], ['元阳县', '红河南岸'],
            dict(units=['民族研究学院', '农学院'], majors=['民族学', '农学'])),
           (['船舶压载水', '港口溢油', '海冰监测'], ['溯源分析', '处置技术', '遥感反演'], ['辽东湾', '锦州港'],
            dict(units=['海洋科学与工程学院', '航运学院'], majors=['海洋技术', '航海技术']))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}的{a}', '{s}{a}研究——以{c}为例', '{c}{s}{a}初探', '{s}和{t}{a}的比较研究']
BODY = '本文介绍所做工作的背景和资料，说明方法与结果，并讨论其意义和不足之处。'


def _topic(rng):
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']),
                major=rng.choice(f['majors']))


def _fields(page, rng, rows):
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.4, 9.5], size=rng.choice([12, 14]), grid=rng.random() < 0.6, align=['c', 'l'])
    else:
        for label, val in rows:
            page.para([(label + rng.choice(['：', '：', ' ']), {}), (val, {'u': True})], size=rng.choice([13, 14]),
                      indent=50, after=10)


def practice_cover(rng):
    """The cover of a practice or internship report: school, the report's kind, then 报告题目, 学生姓名,
    学号, 班级, 实践单位, 指导教师 (one or two) as lines or a grid, and the date."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    page.para((s[0], {'size': rng.choice([20, 24]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=30, after=6)
    kind = rng.choice(['大学生暑期社会实践调查报告', '专业实习报告', '毕业实习报告', '社会实践报告'])
    page.para((kind, {'size': rng.choice([22, 26]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=rng.choice([40, 60]))
    student = _people(rng, 1)[0]
    sups = _people(rng, rng.choice([1, 1, 2]), [student])
    rows = [[rng.choice(['报告题目', '题\u3000\u3000目', '调查题目']), topic['title']], ['学生姓名', student],
            ['学\u3000\u3000号', '%d%08d' % (year - 3, rng.randint(0, 10 ** 8 - 1))],
            ['班\u3000\u3000级', '%s%d级%d班' % (topic['major'], (year - 3) % 100, rng.randint(1, 4))],
            [rng.choice(['实践单位', '实习单位', '实践地点']), '%s%s' % (rng.choice(DOMAINS[topic['i']][2]),
                                                      rng.choice(['人民政府', '文化旅游局', '合作社', '管理站']))],
            ['指导教师', '、'.join(sups) if rng.random() < 0.6 else '%s\u3000%s' % (sups[0], rng.choice(['讲师', '副教授']))]]
    _fields(page, rng, rows)
    month = rng.choice([7, 8, 9, 12])
    page.para(zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month), size=14, align='c', before=50)
    return _finish(page, rng, topic['title'], [student], year, supervisor=sups[0])


def gradforum_paper(rng):
    """A paper of a graduate students' forum: the forum's head, the title, the student with school,
    major and year of study, the 导师 on a line of its own, 摘要 and 关键词, the text."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    head = rng.choice(['%s第%d届研究生学术论坛论文集（%d）' % (s[0], rng.randint(3, 15), year),
                       '%d年研究生学术创新论坛' % year, '研究生学术论坛（%d）' % year])
    page.para((head, {'size': 9, 'cjk': rng.choice(KAI + SONG)}), align=rng.choice(['l', 'c', 'r']),
              rule='bottom', after=18)
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=10)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    grade = rng.choice(['%d级硕士研究生' % (year - 1), '硕士研究生', '%d级博士研究生' % (year - 2)])
    form = rng.randrange(3)
    if form == 0:
        page.para('%s（%s%s\u3000%s）' % (student, s[0], topic['unit'], grade), size=11, align='c', after=2)
        page.para('导师：%s %s' % (sup, rng.choice(['教授', '副教授', '研究员'])), size=10.5, align='c', after=12)
    elif form == 1:
        page.para([(student, {'size': 12, 'cjk': rng.choice(KAI)}), ('\u3000\u3000指导教师：%s' % sup, {'size': 10.5})],
                  align='c', after=2)
        page.para('（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=12)
    else:
        page.para('作者：%s' % student, size=11, align='c', after=2)
        page.para('导师：%s' % sup, size=11, align='c', after=2)
        page.para('单位：%s%s（%s）' % (s[0], topic['unit'], topic['major']), size=9, align='c', after=12)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 3], size=9, align='j', after=4)
    page.para([('关键词：', {'bold': True}), '；'.join(topic['kws'])], size=9, after=14)
    if rng.random() < 0.5:
        page.columns(2)
    page.para(('1\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=12, after=4)
    page.para(BODY * 6, align='j', indent=21)
    return _finish(page, rng, topic['title'], [student], year, topic['kws'], supervisor=sup)


def rapid_comm(rng):
    """A short communication: the journal's column tag "研究简报" or "快报", the received date at the
    top, title, authors with numbered marks and units, a short abstract, keywords, text."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2010, 2026)
    n = rng.randint(2, 5)
    authors = _people(rng, n)
    page.para([('%s' % rng.choice(['研究简报', '研究快报', '简\u3000报', '短篇论著']), {'bold': True, 'size': 12}),
               ('\t收稿日期：%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28)), {'size': 8})],
              after=16, rule='bottom' if rng.random() < 0.6 else None)
    page.para((topic['title'], {'size': rng.choice([15, 16]), 'bold': True}), align=rng.choice(['c', 'l']), after=8)
    two = n > 2 and rng.random() < 0.6
    marks = [1 if not two or k % 2 == 0 else 2 for k in range(n)]
    runs = []
    for k, a in enumerate(authors):
        runs.append((a, {'cjk': rng.choice(KAI + SONG)}))
        if two:
            runs.append((str(marks[k]), {'sup': True, 'size': 7}))
        if k < n - 1:
            runs.append(rng.choice(['，', '\u3000', '，']))
    page.para(runs, size=11, align=rng.choice(['c', 'l']), after=4)
    units = ['%s%s，%s %s' % (s[0], topic['unit'], s[2], s[3])]
    if two:
        units.append('%s%s，%s' % (s[2], rng.choice(['市农业技术推广中心', '市海洋环境监测站', '市文物局']), s[2]))
        page.para('（%s）' % '；'.join('%d. %s' % (k + 1, u) for k, u in enumerate(units)), size=8.5,
                  align=rng.choice(['c', 'l']), after=10)
    else:
        page.para('（%s）' % units[0], size=8.5, align=rng.choice(['c', 'l']), after=10)
    page.para(BODY * 2, size=9, align='j', after=4, font=None)
    page.para([('关键词', {'bold': True}), rng.choice(['：', '\u3000']), rng.choice(['；', '，'])
               .join(topic['kws'])], size=9, after=12)
    page.columns(2)
    page.para(BODY * 8, align='j', indent=21)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def reform_paper(rng):
    """A teaching-reform paper: the project it comes from stated above the title (or as the first
    note), title, authors with the school and postcode, abstract and keywords, the text."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2011, 2026)
    title = rng.choice(['“{m}”课程教学改革探索', '应用型高校{m}专业实践教学体系构建', '{m}专业课程思政的路径与实践',
                        '新工科背景下{m}人才培养模式改革', '{m}实验教学中项目式学习的应用']).format(m=topic['major'])
    kws = [topic['major'], rng.choice(['教学改革', '实践教学', '课程思政', '人才培养']), rng.choice(['应用型高校', '项目式学习',
                                                                                   '校企合作'])]
    authors = _people(rng, rng.randint(1, 3))
    project = '［基金项目］%s%d年度%s（编号：%s%d%03d）' % (rng.choice(['安徽省', '黑龙江省', '云南省', '辽宁省']), year - 1,
                                               rng.choice(['高等学校省级质量工程项目', '高等教育教学改革研究项目', '本科教学工程项目']),
                                               rng.choice(['JG', 'JY', '']), year - 1, rng.randint(1, 400))
    top = rng.random() < 0.5
    if top:
        page.para(project, size=8.5, after=14, rule='bottom')
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para(rng.choice(['\u3000', '，', '  ']).join(authors), size=11, align='c', after=2)
    page.para('（%s%s，%s\u3000%s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=10)
    page.para([('［摘\u3000要］' if top else '摘要：', {'bold': True}), BODY * 2], size=9, align='j', after=4)
    page.para([('［关键词］' if top else '关键词：', {'bold': True}), '；'.join(kws)], size=9, after=4)
    page.para('中图分类号：G642\u3000\u3000文献标识码：A\u3000\u3000文章编号：1009-%04d（%d）%02d-0%03d-03'
              % (rng.randint(1000, 9999), year, rng.randint(1, 12), rng.randint(10, 300)), size=8.5, after=12)
    page.para(('一、问题的提出', {'bold': True}), size=11, after=4)
    page.para(BODY * 6, align='j', indent=21, after=8)
    if not top:
        page.para('收稿日期：%d-%02d-%02d\n%s' % (year, rng.randint(1, 12), rng.randint(1, 28), project.replace(
            '［基金项目］', '基金项目：')), size=8, rule='top', before=10)
    return _finish(page, rng, title, authors, year, kws)


def citebox_paper(rng):
    """A journal page that opens with a boxed "引用格式" (citation) line, then the journal's head,
    the title, authors, units in brackets, 摘要, 关键词, and the text in two columns."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2014, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    journal = rng.choice(['%s学报' % s[0], '徽学研究', '中国食用菌', '民族农业研究', '海洋环境科学进展'])
    vol, no = rng.randint(12, 48), rng.randint(1, 12)
    cite = '%s. %s[J]. %s, %d, %d(%d): %d-%d.' % (
        ', '.join(authors[:3]) + (', 等' if n > 3 else ''), topic['title'], journal, year, vol, no,
        rng.randint(10, 90), rng.randint(91, 120))
    label = rng.choice(['引用格式：', '引用本文：', '本文引用格式：'])
    page.table([[[(label, {'bold': True}), cite]]], widths_cm=[16.0], size=8, grid=rng.random() < 0.7,
               align=['l'], shade=(0,) if rng.random() < 0.5 else ())
    page.para('%s\u3000第%d卷第%d期\u3000%d年%d月' % (journal, vol, no, year, rng.randint(1, 12)), size=8.5,
              align=rng.choice(['l', 'r']), before=8, after=14)
    page.para((topic['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if k == 0 and n > 1 and rng.random() < 0.5:
            runs.append(('*', {'sup': True, 'size': 7}))
        if k < n - 1:
            runs.append(rng.choice(['，', '\u3000']))
    page.para(runs, size=12, align='c', after=2, cjk=rng.choice(KAI + SONG))
    page.para('（%s%s，%s\u3000%s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=10)
    page.para([('摘要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 3], size=9, align='j', after=4)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(topic['kws'])], size=9, after=12)
    page.columns(2)
    page.para(BODY * 8, align='j', indent=21)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def midterm_form(rng):
    """A graduate student's mid-term check form: the school, "研究生学位论文中期检查报告" (or
    表), then a grid of 研究生姓名, 学号, 学科专业, 导师姓名, 论文题目, 入学时间, then the first
    rows of the form's body."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    page.para((s[0], {'size': rng.choice([18, 22]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=20, after=4)
    page.para((rng.choice(['研究生学位论文中期检查报告', '硕士学位论文中期检查表', '研究生中期考核表']),
               {'size': rng.choice([20, 22]), 'bold': True}), align='c', after=24)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    sid = '%d%07d' % (year - 1, rng.randint(0, 10 ** 7 - 1))
    grid = rng.random() < 0.6
    if grid:
        page.table([['研究生姓名', student, '学\u3000号', sid],
                    ['学科专业', topic['major'], '导师姓名', sup],
                    ['论文题目', topic['title'], '', ''],
                    ['入学时间', '%d年9月' % (year - 1), '检查日期', '%d年%d月' % (year, rng.choice([5, 6, 11]))]],
                   widths_cm=[2.8, 5.5, 2.4, 4.0], size=10.5, grid=True, align=['c', 'l', 'c', 'l'])
    else:
        for label, val in [('研究生姓名', student), ('学\u3000\u3000号', sid), ('学科专业', topic['major']),
                           ('导师姓名', '%s\u3000%s' % (sup, rng.choice(['教授', '副教授']))), ('论文题目', topic['title']),
                           ('所在学院', topic['unit'])]:
            page.para([(label + '：', {}), (val, {'u': True})], size=14, indent=40, after=10)
        page.para('填表日期：%d年%d月%d日' % (year, rng.choice([5, 6, 11]), rng.randint(1, 28)), size=12, align='c',
                  before=40)
    page.para(('一、论文工作进展情况', {'bold': True}), size=12, before=16, after=4)
    page.para(BODY * 3, align='j', indent=21)
    return _finish(page, rng, topic['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-practice-reportcover': practice_cover, 'gen-zh-gradforum-tutorline': gradforum_paper,
             'gen-zh-rapidcomm-brief': rapid_comm, 'gen-zh-teachingreform-projectline': reform_paper,
             'gen-zh-journal-citebox': citebox_paper, 'gen-zh-midterm-checkform': midterm_form}
