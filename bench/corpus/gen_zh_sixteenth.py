"""A sixteenth set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords, zh_date
from zhkit import HEI, KAI, SONG, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('梧州学院', 'Wuzhou University', '梧州', '543002'),
           ('呼伦贝尔学院', 'Hulunbuir University', '海拉尔', '021008'),
           ('铜仁学院', 'Tongren University', '铜仁', '554300'),
           ('宿州学院', 'Suzhou University', '宿州', '234000')]
DOMAINS = [(['六堡茶', '茶园酸化', '窨制工艺'], ['陈化品质', '发酵机理', '香气成分'], ['苍梧县', '西江沿岸'],
            dict(units=['食品与制药工程学院', '经济与管理学院'], majors=['食品科学与工程', '茶学'])),
           (['草原沙化', '羊草群落', '羊草返青'], ['退化分级', '恢复效果', '围封成效'], ['呼伦贝尔草原', '陈巴尔虎旗'],
            dict(units=['生命科学与环境学院', '地理与旅游学院'], majors=['生态学', '地理科学'])),
           (['梵净山植被', '黔金丝猴', '喀斯特石漠'], ['种群动态', '保护对策', '多样性格局'], ['梵净山保护区', '江口县'],
            dict(units=['农林工程与规划学院', '生物与农业工程学院'], majors=['林学', '生物技术'])),
           (['砀山酥梨', '梨园病害', '黄河故道果业'], ['贮藏保鲜', '绿色防控', '品牌建设'], ['砀山县', '黄河故道'],
            dict(units=['生物与食品工程学院', '经济学院'], majors=['园艺', '农村区域发展']))]
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


def _labels(page, rng, rows, size=14):
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.6, 9.0], size=rng.choice([12, 13]), grid=rng.random() < 0.5, align=['r', 'l'])
    else:
        for label, val in rows:
            page.para([(label + rng.choice(['：', '：', ' ']), {}), (val, {'u': True})], size=size, indent=45, after=9)


def equivalent_cover(rng):
    """The cover of a thesis by an in-service applicant for a master's degree."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2010, 2026)
    page.para('学校代码：%d\u3000\u3000学号：%d%06d' % (rng.randint(10000, 14999), year - 2, rng.randint(0, 999999)),
              size=9, align=rng.choice(['l', 'r']), after=30)
    page.para((s[0], {'size': rng.choice([22, 26]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=8)
    page.para((rng.choice(['同等学力人员申请硕士学位论文', '同等学力申请硕士学位论文', '在职人员申请硕士学位论文']),
               {'size': rng.choice([20, 22]), 'bold': True}), align='c', after=50)
    applicant = _people(rng, 1)[0]
    sup = _people(rng, 1, [applicant])[0]
    rows = [[rng.choice(['论文题目', '题\u3000\u3000目']), topic['title']],
            [rng.choice(['申请人姓名', '申\u3000请\u3000人']), applicant],
            ['指导教师', sup + rng.choice(['', '\u3000教授', '\u3000副教授'])],
            ['学科专业', topic['major']],
            ['工作单位', '%s%s' % (rng.choice(DOMAINS[topic['i']][2]), rng.choice(['农业农村局', '林业和草原局', '职业技术学校']))]]
    _labels(page, rng, rows)
    page.para('论文提交日期：' + (zh_date(year, rng.choice([3, 4, 10])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([3, 4, 10]))),
              size=13, align='c', before=50)
    return _finish(page, rng, topic['title'], [applicant], year, supervisor=sup)


def biofoot_paper(rng):
    """A journal page whose foot carries the received date, the authors' short biographies and the
    corresponding author."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2009, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    journal = rng.choice(['%s学报' % s[0], '茶叶通讯', '草原与草业', '山地农业生物学报', '落叶果树'])
    page.para([('第%d卷\u3000第%d期' % (rng.randint(10, 45), rng.randint(1, 6)), {}), ('\t%s\t' % journal, {'bold': True}),
               ('%d年%d月' % (year, rng.randint(1, 12)), {})], size=9, rule='bottom', after=20)
    page.para((topic['title'], {'size': rng.choice([16, 18, 20]), 'bold': rng.random() < 0.7,
                                'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    page.para(rng.choice(['，', '\u3000', '  ']).join(authors), size=rng.choice([11, 12]), align='c', after=3,
              cjk=rng.choice(KAI + SONG))
    page.para('（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=12)
    page.para([('摘\u3000要', {'bold': True}), rng.choice(['：', '\u3000']), BODY * 3], size=9, align='j', after=4)
    page.para([('关键词', {'bold': True}), rng.choice(['：', '\u3000']), rng.choice(['；', '，', '\u3000']).join(topic['kws'])],
              size=9, after=12)
    if rng.random() < 0.6:
        page.columns(2)
    page.para(('0\u3000引言' if rng.random() < 0.5 else '1\u3000前言', {'bold': True}), size=11, after=4)
    page.para(BODY * 5, align='j', indent=21, after=8)
    bio = '作者简介：%s（%d—），%s，%s%s人，%s，%s。' % (
        authors[0], rng.randint(1965, 1998), rng.choice(['男', '女']), rng.choice(['广西', '内蒙古', '贵州', '安徽']),
        rng.choice(['梧州', '赤峰', '遵义', '阜阳']), rng.choice(['硕士', '博士', '讲师', '副教授']),
        '主要从事%s研究' % rng.choice(SUBJECTS))
    lines = ['收稿日期：%d-%02d-%02d' % (year - rng.choice([0, 1]), rng.randint(1, 12), rng.randint(1, 28)), bio]
    if n > 1 and rng.random() < 0.6:
        lines.append('通信作者：%s，E-mail：%s@%s.edu.cn' % (authors[-1], 'corr%d' % rng.randint(1, 99), 'univ'))
    page.para('\n'.join(lines), size=7.5, rule='top', before=12)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def consult_report(rng):
    """A policy advice report of a school's think tank: series line with its number, title, the
    writers named after 执笔人, the text and who it is sent to."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2014, 2026)
    page.para((rng.choice(['决策咨询报告', '咨政参考', '智库专报', '政策建议']), {'size': rng.choice([26, 30]), 'bold': True,
                                                                   'cjk': rng.choice(HEI + SONG)}), align='c', after=6)
    page.para('%d年第%d期（总第%d期）' % (year, rng.randint(1, 24), rng.randint(20, 180)), size=12, align='c', after=4)
    page.para([('%s%s' % (s[0], rng.choice(['地方发展研究院', '区域经济研究中心', '乡村振兴研究院'])), {}),
               ('\t%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)), {})], size=11, rule='bottom', after=24)
    title = rng.choice(['关于推进{c}{s}{a}的建议', '加快{c}{s}{a}的对策建议', '{c}{s}{a}面临的问题及建议']).format(
        c=rng.choice(DOMAINS[topic['i']][2]), s=rng.choice(DOMAINS[topic['i']][0]), a=rng.choice(DOMAINS[topic['i']][1]))
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    writers = _people(rng, rng.randint(1, 3))
    top = rng.random() < 0.6
    if top:
        page.para('执笔人：' + '、'.join(writers), size=12, align='c', cjk=rng.choice(KAI), after=16)
    page.para(BODY * 4, align='j', indent=24, size=12, after=6)
    page.para(('一、基本情况', {'bold': True, 'cjk': rng.choice(HEI)}), size=12, after=4)
    page.para(BODY * 3, align='j', indent=24, size=12, after=6)
    if not top:
        page.para('（执笔人：%s）' % '、'.join(writers), size=12, align='r', after=12)
    page.para('报送：%s' % rng.choice(['市委、市政府领导', '省委政研室、省发展改革委', '市政协办公室']), size=10, rule='top', before=10)
    return _finish(page, rng, title, writers, year)


def review_coursecover(rng):
    """The cover of a graduate course's literature review: school, kind, 课程名称, 论文题目, 姓名,
    学号, 专业, 任课教师, with a box for the mark."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    page.para((s[0] + rng.choice(['研究生院', '', '']), {'size': rng.choice([18, 22]), 'cjk': rng.choice(KAI + HEI)}),
              align='c', before=30, after=6)
    page.para((rng.choice(['研究生课程论文', '课程文献综述', '研究生课程考核论文（文献综述）']), {'size': rng.choice([22, 24]),
                                                                          'bold': True}), align='c', after=40)
    student = _people(rng, 1)[0]
    teacher = _people(rng, 1, [student])[0]
    course = rng.choice(['高级生态学', '现代食品分析', '植物保护专题', '区域发展研究方法', '学术论文写作'])
    rows = [['课程名称', course], ['论文题目', topic['title'] + rng.choice(['研究进展', '研究综述', '的研究现状与展望'])],
            ['姓\u3000\u3000名', student], ['学\u3000\u3000号', '%d%06d' % (year - 1, rng.randint(0, 999999))],
            ['专\u3000\u3000业', topic['major']], ['任课教师', teacher]]
    title = rows[1][1]
    _labels(page, rng, rows)
    if rng.random() < 0.6:
        page.table([['成绩', '', '评阅人', '']], widths_cm=[2.2, 3.0, 2.2, 3.0], size=12, grid=True, align=['c'] * 4)
    page.para('%d年%d月' % (year, rng.choice([1, 6, 12])), size=13, align='c', before=40)
    return _finish(page, rng, title, [student], year)


def issnhead_paper(rng):
    """A journal page with the ISSN and CN numbers in the head, letter marks tying authors to the
    departments of one school, the English title and authors after the Chinese keywords."""
    page = _page(rng)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2008, 2026)
    n = rng.randint(2, 4)
    authors = _people(rng, n)
    journal = rng.choice(['%s学报' % s[0], '西南农业学报', '北方园艺', '草地学报'])
    page.para('ISSN 1%03d-%04d\u3000\u3000CN %d-%04d/%s' % (rng.randint(0, 999), rng.randint(0, 9999), rng.randint(11, 65),
                                                           rng.randint(1000, 1999), rng.choice(['S', 'N', 'Q', 'Z'])),
              size=8, align='l', after=0)
    page.para((journal, {'bold': True}), size=11, align='c', after=0)
    page.para('%d年第%d期' % (year, rng.randint(1, 12)), size=8, align='r', rule='bottom', after=18)
    page.para((topic['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    runs = []
    marks = [rng.choice(['a', 'b']) for _ in authors]
    marks[0] = 'a'
    for k, a in enumerate(authors):
        runs += [(a, {'cjk': rng.choice(KAI + SONG)}), (marks[k] if 'b' in marks else '', {'sup': True, 'size': 7})]
        if k < n - 1:
            runs.append('，')
    page.para(runs, size=11, align='c', after=3)
    units = DOMAINS[topic['i']][3]['units']
    unit = ('（%s a. %s；b. %s，%s %s）' % (s[0], units[0], units[1], s[2], s[3]) if 'b' in marks
            else '（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]))
    page.para(unit, size=8.5, align='c', after=10)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(topic['kws'])], size=9, after=10)
    page.para(('Study on %s in %s' % (rng.choice(['Quality Traits', 'Spatial Patterns', 'Control Measures']), s[2]),
               {'bold': True}), size=11, align='c', after=3)
    page.para('(%s)' % s[1], size=8.5, align='c', after=10)
    page.columns(2)
    page.para(BODY * 7, align='j', indent=21)
    return _finish(page, rng, topic['title'], authors, year, topic['kws'])


def yearpaper_framed(rng):
    """The cover of an undergraduate's year paper: school, 学年论文, a framed block of 题目, 学院,
    专业, 作者 and 指导教师, and the date."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2011, 2026)
    page.para((s[0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=40, after=10)
    page.para((rng.choice(['学年论文', '学\u3000年\u3000论\u3000文', '学年论文（设计）']), {'size': rng.choice([26, 30]),
                                                                       'bold': True}), align='c', after=60)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    rows = [['题\u3000\u3000目', topic['title']], ['学\u3000\u3000院', topic['unit']], ['专\u3000\u3000业', topic['major']],
            [rng.choice(['作\u3000\u3000者', '学生姓名']), student],
            ['指导教师', sup + rng.choice(['', '（讲师）', '（副教授）'])]]
    page.table(rows, widths_cm=[3.2, 9.0], size=rng.choice([13, 14]), grid=True, align=['c', rng.choice(['l', 'c'])],
               shade=(0,) if rng.random() < 0.4 else ())
    page.para(zh_date(year, rng.choice([5, 6, 12])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([5, 6, 12])),
              size=14, align='c', before=60)
    return _finish(page, rng, topic['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-equivalent-degreecover': equivalent_cover, 'gen-zh-journal-biofoot': biofoot_paper,
             'gen-zh-consult-writers': consult_report, 'gen-zh-litreview-coursecover': review_coursecover,
             'gen-zh-journal-issnhead': issnhead_paper, 'gen-zh-yearpaper-framed': yearpaper_framed}
