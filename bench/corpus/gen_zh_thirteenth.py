"""A thirteenth set of Chinese first pages, of kinds the earlier sets lack: the cover of a
student contest paper (a team of up to three and its 指导教师); a 毕业设计（论文）任务书 whose
table names the topic, the student and the 指导教师; a conference poster with a wide title band
and its text in three columns; a manuscript as submitted to a journal (稿件编号, double spacing,
the corresponding author's address on the title page); a conference paper under a box of the
meeting's number, session and paper ID; and the title page of a monograph in a book series,
whose series editor (主编) is not its author.
Subjects: citrus and rice-crayfish farming, urban greenways and old trees, woodblock prints and
silk patterns, reservoir bank landslides, public audit and internal control."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('华中农业大学', 'Huazhong Agricultural University', '武汉', '430070'),
           ('北京林业大学', 'Beijing Forestry University', '北京', '100083'),
           ('中国美术学院', 'China Academy of Art', '杭州', '310002'),
           ('三峡大学', 'China Three Gorges University', '宜昌', '443002'),
           ('南京审计大学', 'Nanjing Audit University', '南京', '211815')]
# one field each: subjects, angles, settings, then units, majors and an outside body
DOMAINS = [(['柑橘黄龙病', '稻虾共作', '乳酸菌发酵'], ['防控策略', '效益核算', '品质提升'], ['洪湖水网', '鄂西山区'],
            dict(units=['植物科学技术学院', '食品科学技术学院'], majors=['植物病理学', '食品科学'], place='湖北省农业科学院')),
           (['城市绿道', '古树名木', '园林植物配置'], ['游憩评价', '健康诊断', '景观格局'], ['北京西山', '京津冀城市群'],
            dict(units=['园林学院', '林学院'], majors=['风景园林学', '园林植物与观赏园艺'], place='北京市园林绿化局')),
           (['木版年画', '扎染工艺', '丝绸纹样'], ['图像志考释', '当代转译', '工艺谱系'], ['江南水乡', '浙南山区'],
            dict(units=['设计艺术学院', '手工艺术学院'], majors=['设计学', '美术学'], place='浙江省非物质文化遗产保护中心')),
           (['库岸滑坡', '消落带植被', '梯级水电站'], ['变形监测', '失稳机理', '生态调度'], ['三峡库区', '清江流域'],
            dict(units=['土木与建筑学院', '水利与环境学院'], majors=['岩土工程', '水利水电工程'], place='长江水利委员会')),
           (['政府审计', '内部控制', '乡村振兴资金'], ['问责机制', '绩效评价', '数据赋能'], ['长三角地区', '苏南县域'],
            dict(units=['政府审计学院', '会计学院'], majors=['审计学', '会计学'], place='江苏省审计厅'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}的{a}研究', '{s}{a}：以{c}为例', '{c}{s}{a}及对策', '{s}与{t}协同的{a}']
MODEL_FORMS = ['基于多目标规划的{s}{a}模型', '{s}{a}的数学模型与求解', '{c}{s}{a}的预测模型']
BODY = ('文中先交代问题的来由与所用资料，再给出方法与主要结果，最后讨论其意义与不足之处，'
        '以供同行参考。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']


def _topic(rng, forms=None):
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), f=f,
                major=rng.choice(f['majors']), contexts=contexts, subjects=subjects)


def _page(rng, size=10.5, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _people(rng, n, avoid=()):
    out = []
    while len(out) < n:
        p = zh_person(rng)[0]
        if p not in out and p not in avoid:
            out.append(p)
    return out


def _finish(page, rng, title, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta, **extra)


def contest_cover(rng):
    """The cover of a contest paper: the contest and its year, the school and team number, the
    title after 题目 or alone, a table of the team members and the 指导教师."""
    page = _page(rng, 12, margins=rng.choice([2.5, 3.0]))
    topic = _topic(rng, MODEL_FORMS)
    s = topic['school']
    year = rng.randint(2012, 2026)
    contest = rng.choice(['%d年全国大学生数学建模竞赛' % year, '第%d届中国研究生数学建模竞赛' % (year - 2003),
                          '%d年“挑战杯”全国大学生课外学术科技作品竞赛' % year])
    page.para((contest, {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=rng.choice([24, 40]))
    page.para('学\u3000校：%s\u3000\u3000\u3000参赛队号：%s%05d' % (s[0], rng.choice(['', 'A', 'MC']), rng.randint(1, 99999)),
              size=11, align='c', after=30)
    title = topic['title']
    if rng.random() < 0.5:
        page.para([('题\u3000目：', {'bold': True}), (title, {'size': 16, 'bold': True, 'u': rng.random() < 0.5})],
                  size=14, align='c', after=40)
    else:
        page.para((title, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=40)
    team = _people(rng, rng.randint(1, 3))
    sup = _people(rng, 1, team)[0]
    if rng.random() < 0.5:
        rows = [['', '姓\u3000名', '专\u3000业']] + [['队员%d' % (k + 1), p, topic['major']] for k, p in enumerate(team)]
        rows.append(['指导教师', sup, rng.choice(['数学与统计学院', s[0] + topic['unit']])])
        page.table(rows, widths_cm=[3.0, 4.0, 6.0], size=12, grid=True)
    else:
        for k, p in enumerate(team):
            page.para('参赛队员%d：%s' % (k + 1, p), size=13, indent=80, after=6)
        page.para('指导教师：%s' % sup, size=13, indent=80, after=6)
    page.para(rng.choice(['%d年%d月' % (year, rng.choice([9, 10])), zh_date(year, rng.choice([9, 10]))]),
              size=12, align='c', before=40)
    return _finish(page, rng, title, team, year, supervisor=sup)


def task_book(rng):
    """A 毕业设计（论文）任务书: the school, the heading, a grid table of the topic, the student with
    number and class, the 指导教师 and the date issued, then 一、主要内容 and its text."""
    page = _page(rng, 10.5, margins=rng.choice([2.2, 2.5]))
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2013, 2026)
    page.para((s[0], {'size': 18, 'cjk': rng.choice(KAI + HEI)}), align='c', after=4)
    page.para((rng.choice(['毕业设计（论文）任务书', '本科毕业论文（设计）任务书', '毕业论文任务书']),
               {'size': rng.choice([18, 22]), 'bold': True}), align='c', after=16)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    title = topic['title']
    rank = rng.choice(['教授', '副教授', '讲师', '高级工程师'])
    rows = [[rng.choice(['题\u3000\u3000目', '论文题目', '课题名称']), title],
            ['学生姓名', '%s\u3000\u3000学号：%d%04d' % (student, year - 4, rng.randint(1, 9999))],
            ['学\u3000\u3000院', s[0] + topic['unit']],
            ['专业班级', '%s%d级%d班' % (topic['major'], year - 4, rng.randint(1, 4))],
            ['指导教师', '%s\u3000（%s）' % (sup, rank) if rng.random() < 0.5 else '%s\u3000职称：%s' % (sup, rank)],
            ['下达日期', '%d年%d月%d日' % (year - 1, rng.choice([11, 12]), rng.randint(1, 28))]]
    page.table(rows, widths_cm=[3.2, 12.5], size=rng.choice([10.5, 12]), grid=True, align=['c', 'l'],
               bold_first=rng.random() < 0.5)
    page.para(('一、主要内容与要求', {'bold': True}), before=12, after=4)
    page.para(BODY * 3, indent=21, align='j', line=1.4)
    page.para(('二、进度安排', {'bold': True}), after=4)
    page.para('%d年1月—3月：查阅文献、开展调查；%d年4月—5月：撰写论文并答辩。' % (year, year), indent=21)
    return _finish(page, rng, title, [student], year, supervisor=sup)


def poster(rng):
    """A conference poster on a wide page: a shaded band with the title, the authors and units, the
    meeting's name and year in a corner; 摘要 or 研究背景 and the other sections in three columns."""
    page = _page(rng, 11, margins=1.5)
    sec = page.doc.sections[0]
    wide = rng.random() < 0.6
    if wide:
        sec.page_width, sec.page_height = sec.page_height, sec.page_width
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year = rng.randint(2015, 2026)
    meeting = rng.choice(['第%d届全国%s学术研讨会（%d年%d月，%s）' % (rng.randint(3, 20), topic['major'], year,
                                                          rng.randint(4, 11), rng.choice(['武汉', '成都', '西安'])),
                          '%d年中国%s大会' % (year, topic['major'][:2] + rng.choice(['学', '科学'])),
                          '%d年全国学术年会' % year])
    page.para('%s\u3000\u3000墙报编号：P-%03d' % (meeting, rng.randint(1, 300)), size=9, align='r', after=6)
    authors = _people(rng, rng.randint(2, 5))
    two = rng.random() < 0.5
    marks = ['1'] + [rng.choice(['1', '2']) for _ in authors[1:]] if two else [''] * len(authors)
    if two and '2' not in marks:
        marks[-1] = '2'
    band = [(topic['title'], {'size': rng.choice([22, 26, 28]), 'bold': True, 'cjk': rng.choice(HEI)}), '\n']
    for k, a in enumerate(authors):
        band += [(a, {'size': 14}), (marks[k], {'sup': True, 'size': 9})]
        if k < len(authors) - 1:
            band.append(('\u3000', {'size': 14}))
    units = [s[0] + topic['unit']] + ([f['place']] if two else [])
    band += ['\n', ('；'.join(('%d. ' % (k + 1) if two else '') + u for k, u in enumerate(units)), {'size': 10})]
    page.table([[band]], widths_cm=[26.0 if wide else 17.5], align='c', shade=(0,),
               fill=rng.choice(['DEEAF6', 'FCE4D6', 'E2EFDA']))
    page.para('', after=6)
    page.columns(3, space_cm=1.0)
    kws = topic['kws'] if rng.random() < 0.5 else []
    for head in [rng.choice(['摘要', '研究背景']), '材料与方法', '结果', '结论']:
        page.para((head, {'bold': True, 'size': 14}), after=4)
        page.para(BODY * 2, align='j', size=11)
        if head == '结论' and kws:
            page.para([('关键词：', {'bold': True}), '，'.join(kws)], size=10)
    return _finish(page, rng, topic['title'], authors, year, kws)


def manuscript(rng):
    """A manuscript as sent to a journal: 稿件编号 and 文章类型 at the top, the title, the authors
    with numbered units, the units, the corresponding author's address, 投稿日期, then 摘要 and
    关键词, all double spaced."""
    page = _page(rng, 12, margins=2.5)
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year = rng.randint(2014, 2026)
    page.para('稿件编号：%s%d%04d\u3000\u3000文章类型：%s' % (rng.choice(['ZR', 'SK', 'KX-']), year, rng.randint(1, 9999),
                                                   rng.choice(['研究论文', '研究简报', '综述'])),
              size=10.5, align=rng.choice(['l', 'r']), after=18, line=2.0)
    page.para((topic['title'], {'size': rng.choice([14, 16]), 'bold': True}), align='c', line=2.0, after=6)
    authors = _people(rng, rng.randint(1, 5))
    two = len(authors) > 1 and rng.random() < 0.6
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if two:
            runs.append(('1' if k == 0 else rng.choice(['1', '2', '1,2']), {'sup': True, 'size': 8}))
        if k < len(authors) - 1:
            runs.append(rng.choice(['，', '\u3000', '、']))
    page.para(runs, align='c', line=2.0, size=12)
    units = [s[0] + topic['unit']] + ([f['place']] if two else [])
    for k, u in enumerate(units):
        page.para('%s%s，%s %s' % ('%d. ' % (k + 1) if two else '', u, s[2], s[3]), size=10.5, align='c', line=2.0)
    corr = rng.randrange(len(authors))
    page.para('通讯作者：%s，电话：1%d，E-mail：%s@%s.edu.cn；通讯地址：%s%s，%s' % (
        authors[corr], rng.randint(3000000000, 9999999999), 'au%d' % rng.randint(100, 999), 'mail', s[2], s[0], s[3]),
        size=10.5, line=2.0)
    page.para('投稿日期：%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28)), size=10.5, line=2.0, after=12)
    kws = topic['kws']
    page.para([('摘要：', {'bold': True}), BODY * 2], align='j', line=2.0)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(kws)], line=2.0)
    return _finish(page, rng, topic['title'], authors, year, kws)


def session_paper(rng):
    """A conference paper under a box of the meeting: its number and name, the session (分会场)
    and paper ID; then the title, authors, unit in brackets, 摘要, 关键词, text in two columns."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2012, 2026)
    meeting = '第%d届全国%s学术会议' % (rng.randint(5, 30), rng.choice(topic['subjects'])[:2] + rng.choice(['研究', '']))
    cells = [[('%s（%d·%s）' % (meeting, year, s[2]), {'bold': True}), '\n',
              '分会场：%s\u3000\u3000论文编号：%s-%03d' % (rng.choice(topic['subjects']), rng.choice(['S', 'C', 'OP']),
                                                       rng.randint(1, 400))]]
    page.table([cells], widths_cm=[16.0], grid=rng.random() < 0.6, align=rng.choice(['l', 'c']), size=9)
    page.para((topic['title'], {'size': rng.choice([15, 16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', before=16, after=8)
    authors = _people(rng, rng.randint(1, 4))
    page.para(rng.choice(['\u3000', '，', '  ']).join(authors), size=11, align='c', cjk=rng.choice(KAI + SONG), after=4)
    page.para('（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=10)
    kws = topic['kws']
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=10)
    if rng.random() < 0.6:
        page.columns(2, space_cm=0.7)
    page.para(('1\u3000引言', {'bold': True}), size=10.5)
    page.para(BODY * 4, indent=21, align='j', size=10)
    return _finish(page, rng, topic['title'], authors, year, kws)


def monograph(rng):
    """The title page of a monograph in a series: the series' name and its 主编 (not the author) at
    the top, the book's title (and on some a subtitle after a dash), the author with 著, the
    publisher and the place and year at the foot."""
    page = _page(rng, 12, margins=3.0)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2008, 2026)
    author = _people(rng, rng.randint(1, 2))
    editor = _people(rng, 1, author)[0]
    series = '%s%s' % (rng.choice(['当代', '中国', '']), rng.choice([topic['major'] + '研究丛书', topic['major'] + '文库',
                                                                  '%s学术文库' % s[0]]))
    page.para([(series, {'size': 12}), '\n', ('主编\u3000%s' % editor if rng.random() < 0.5 else '丛书主编：%s' % editor,
                                             {'size': 10.5})], align=rng.choice(['c', 'l']), after=80)
    title = topic['title']
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG + KAI)}),
              align='c', after=40)
    page.para('\u3000'.join(author) + '\u3000' + rng.choice(['著', '编著']), size=14, align='c', after=200)
    press = rng.choice(['%s出版社' % s[0], '科学出版社', '中国农业出版社', '社会科学文献出版社'])
    place = '%s\u3000%d' % (rng.choice(['北京', s[2]]), year) if rng.random() < 0.5 \
        else '%d年%d月' % (year, rng.randint(1, 12))
    page.para([(press, {'size': 14, 'bold': True}), '\n', (place, {'size': 11})], align='c')
    return _finish(page, rng, title, author, year, editor=editor)


TEMPLATES = {
    'gen-zh-contest-teamcover': contest_cover,
    'gen-zh-taskbook-table': task_book,
    'gen-zh-poster-banner': poster,
    'gen-zh-manuscript-submission': manuscript,
    'gen-zh-conference-sessionbox': session_paper,
    'gen-zh-monograph-series': monograph,
}
