"""A twenty-sixth set of Chinese first pages of papers and reports, in house styles the earlier sets lack,
in the humanities, law, economics, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('凯里学院', 'Kaili University', '凯里', '556011', '贵州'),
           ('吉首大学', 'Jishou University', '吉首', '416000', '湖南'),
           ('韩山师范学院', 'Hanshan Normal University', '潮州', '521041', '广东'),
           ('忻州师范学院', 'Xinzhou Normal University', '忻州', '034000', '山西')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'苗族飞歌': ['曲目传承', '舞台改编'], '施洞刺绣': ['纹样叙事', '家庭作坊经营'],
                          '苗寨议榔': ['习惯法效力', '民间调解']},
                contexts=['台江县', '剑河县', '西江镇'], units=['人文学院', '美术学院', '法学院'],
                majors=['音乐学', '美术学', '法学'], field='黔东南民族文化'),
           dict(subjects={'土家族摆手舞': ['仪式展演', '非遗进校园'], '凤凰古城': ['文旅消费', '客栈经营'],
                          '湘西赶秋节': ['节庆记忆', '乡村治理']},
                contexts=['永顺县', '保靖县', '花垣县'], units=['音乐舞蹈学院', '商学院', '师范学院'],
                majors=['舞蹈学', '旅游管理', '学前教育'], field='武陵山区文化与发展'),
           dict(subjects={'潮州木雕': ['匠师谱系', '课堂教学转化'], '潮剧': ['唱腔教学', '跨文化传播'],
                          '潮汕侨批': ['汇路变迁', '家族档案']},
                contexts=['湘桥区', '潮安区', '饶平县'], units=['美术与设计学院', '文学与新闻学院', '经济与管理学院'],
                majors=['艺术设计', '汉语言文学', '经济学'], field='潮汕文化'),
           dict(subjects={'二人台': ['剧目整理', '乡土课程开发'], '河曲民歌': ['走西口叙事', '传承人口述'],
                          '雁门关': ['边塞诗文', '关隘遗产保护']},
                contexts=['河曲县', '代县', '偏关县'], units=['音乐系', '教育系', '中文系'],
                majors=['音乐表演', '教育学', '中国语言文学'], field='晋北文化与教育')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}考察', '{s}{a}问题探析', '论{s}的{a}', '{s}{a}：以{c}为中心']
BODY = '本文在梳理既有研究的基础上，结合田野资料与文献档案，对相关问题作了分析与讨论，并提出若干认识。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _widths(table, widths_cm):
    """Column widths the converter keeps: the table's grid, not only its cells."""
    table.autofit = False
    for col, w in zip(table.columns, widths_cm):
        col.width = Cm(w)
    return table


def _body(page, rng, head, n=3):
    page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * n * 2, align='j', indent=21, line=1.3, size=10.5, after=6)


def law_journal(rng):
    """A law review's first page: issue and journal over a rule, the title, the authors right or centred
    with stars, 内容提要 and 关键词 as a borderless label column beside their text, the text, and the
    starred note on the authors at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的法理阐释', '论{c}{s}{a}的规范进路', '{s}{a}的法律保障研究', '{s}{a}的司法回应'])
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 2))
    journal = rng.choice(['地方法治评论', '民族法学论丛', '%s学报（社会科学版）' % s[0], '乡土法学研究'])
    page.table([['第%d卷第%d期' % (rng.randint(5, 40), rng.randint(1, 6)), '《%s》' % journal,
                 '%d年%d月' % (year, rng.randint(1, 12))]], widths_cm=[5.0, 6.0, 5.0], size=9,
               align=['l', 'c', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, ('*' * (k + 1), {'sup': True})] + (['\u3000'] if k < len(authors) - 1 else [])
    page.para(runs, size=12, align=rng.choice(['r', 'c']), cjk=rng.choice(KAI + SONG), after=12)
    form = rng.choice(['〔{}〕', '【{}】', '{}：'])
    widths = [rng.choice([2.4, 2.8]), 13.2]
    _widths(page.table([[(form.format('内容提要'), {'bold': True}), BODY * 2],
                        [(form.format('关 键 词' if rng.random() < 0.4 else '关键词'), {'bold': True}),
                         '\u3000'.join(t['kws'])]], widths_cm=widths, size=9.5, align=['l', 'l']), widths)
    page.para('', after=8)
    _body(page, rng, rng.choice(['一、问题的提出', '引\u3000言']), 4)
    page.para('', rule='bottom', after=2)
    notes = ['%s%s，%s%s%s。' % ('*' * (k + 1), a, s[0], t['unit'], rng.choice(['副教授，法学博士', '讲师', '教授，硕士生导师']))
             for k, a in enumerate(authors)]
    page.para(''.join(notes) + '本文系%s省社会科学基金项目（%dSK%03d）的阶段性成果。' % (s[4], year - 1, rng.randint(1, 300)),
              size=8.5, align='j', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def creation_report(rng):
    """The cover of an MFA graduate's creation report: the school code and number at the top right,
    the school, 艺术硕士专业学位 and 毕业创作报告, then centred label lines for the work, the report's
    title, the graduate, the field, the 指导教师 and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的创作实践与思考', '从{s}到舞台：{a}的创作报告', '{s}元素在{a}中的运用'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.table([['', '学校代码：1%04d' % rng.randint(1000, 9999)], ['', '学\u3000\u3000号：%d%06d' % (year - 3, rng.randint(1, 999999))],
                ['', '密\u3000\u3000级：公开']], widths_cm=[10.0, 6.0], size=10, align=['l', 'l'])
    page.para('', after=30)
    page.para((s[0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI)}), align='c', after=10)
    page.para(('艺术硕士专业学位', {'size': rng.choice([16, 18]), 'cjk': rng.choice(SONG + HEI)}), align='c', after=6)
    page.para((rng.choice(['毕业创作报告', '毕业作品创作报告']), {'size': rng.choice([26, 30]), 'bold': True,
                                                        'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    work = rng.choice(['山歌回响', '绣语', '远方的节', '木之魂', '关山月', '归乡'])
    colon = rng.choice(['：', '：', ':'])
    rows = [('作品名称', '《%s》' % work), ('报告题目', t['title']),
            (rng.choice(['研\u2002究\u2002生', '作者姓名', '研究生']), student),
            ('专业领域', rng.choice(['美术', '音乐', '舞蹈', '艺术设计'])),
            ('指导教师', sup + rng.choice(['\u3000教授', '\u3000副教授', ''])),
            ('完成日期', zh_date(year, rng.choice([3, 4, 5])) if rng.random() < 0.6 else '%d年%d月' % (year, rng.choice([3, 4, 5])))]
    under = rng.random() < 0.6
    page.table([[(k + colon, {'bold': rng.random() < 0.5}), (v, {'u': under})] for k, v in rows],
               widths_cm=[3.4, 9.6], size=rng.choice([13, 14]), align=['r', 'l'])
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def econ_workingpaper(rng):
    """An institute's working paper: a shaded band with the institute and the paper's number, the title,
    the authors with numbers, 摘要, 关键词 and JEL分类号, the text, then the units and the note that
    the paper is a draft."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的经济效应：来自{c}的证据', '{c}{s}{a}与农户收入', '{s}{a}的成本收益分析',
                     '{s}{a}对县域经济的影响'])
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.table([[('%s%s研究中心' % (s[0], t['d']['field']), {'bold': True}),
                 '工作论文 Working Paper\nNo. %d-%03d' % (year, rng.randint(1, 60))]],
               widths_cm=[10.0, 6.0], size=10, align=['l', 'r'], shade=(0, 1), fill=rng.choice(['D9D9D9', 'DDE6F0']))
    page.para('', after=18)
    page.para((t['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    units = rng.sample(t['d']['units'], min(2, len(authors)))
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (str(min(k, len(units) - 1) + 1), {'sup': True})] + (['\u3000'] if k < len(authors) - 1 else [])
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=14)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9.5, align='j', after=4)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(t['kws'])], size=9.5, after=4)
    page.para([('JEL分类号：', {'bold': True}), rng.choice(['O13；Q12', 'Z11；R11', 'O15；J61', 'Z32；L83'])], size=9.5,
              after=12)
    _body(page, rng, '一、引言', 3)
    page.para('', rule='bottom', after=2)
    page.para('作者单位：' + '；'.join('%d. %s%s，%s %s' % (k + 1, s[0], u, s[2], s[3]) for k, u in enumerate(units)) +
              '。工作论文系未定稿，仅供学术交流，引用请与作者联系。', size=8.5, align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def field_report(rng):
    """The first page of an education survey report: the title, then a grid of when, where and how
    the survey was made, the team and its 指导教师, then 【摘要】 and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{c}中小学{s}{a}的调研报告', '{s}{a}现状调查', '{c}{s}{a}的调查与建议'])
    s = t['school']
    year = rng.randint(2011, 2026)
    team = _people(rng, rng.randint(2, 5))
    sup = _people(rng, 1, team)[0]
    page.para((rng.choice(['调研报告', '教育调研报告', '社会调研报告']), {'size': 10, 'bold': True}),
              align=rng.choice(['l', 'r']), rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=12)
    page.table([['调研时间', '%d年%d月' % (year, rng.choice([1, 7, 8])), '调研地点', t['d']['contexts'][0]],
                ['调研方式', rng.choice(['问卷、访谈', '课堂观察、访谈', '问卷、座谈']), '有效样本', '%d份' % rng.randint(120, 900)],
                ['调研成员', rng.choice(['，', '、', '\u3000']).join(team), '所在单位', s[0] + t['unit']],
                ['指导教师', sup, '职\u3000\u3000称', rng.choice(['教授', '副教授', '讲师'])]],
               widths_cm=[2.4, 6.6, 2.4, 4.6], size=10, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.5 else ())
    page.para('', after=8)
    page.para([('【摘要】', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=10, align='j',
              cjk=rng.choice(KAI), after=8)
    _body(page, rng, '一、调研背景与目的', 3)
    return _finish(page, rng, t['title'], team, year, supervisor=sup)


def history_article(rng):
    """A history or art-history journal's first page: the column's name right between two rules, the
    title in 宋, the byline with a small circle in 楷, ［提　要］ and ［关键词］ run in, the text, and the
    dates and notes on the authors at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2006, 2026)
    authors = _people(rng, rng.randint(1, 2))
    column = (rng.choice(['史学研究', '地方史研究', '艺术史论', '民俗与文化']), {'size': 10.5, 'cjk': rng.choice(HEI + KAI)})
    issue = '%s\u2002%d年第%d期' % (rng.choice(['地方文化论丛', '%s学报' % s[0], '民间文艺研究']), year, rng.randint(1, 6))
    page.para([column, '\u3000' * rng.randint(2, 6), (issue, {'size': 9})] if rng.random() < 0.5
              else [(issue, {'size': 9}), '\u3000' * rng.randint(2, 6), column],
              align=rng.choice(['r', 'l']), rule='both', after=18)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.6, 'cjk': rng.choice(SONG)}),
              align='c', after=10)
    page.para('○\u2002' + '\u3000'.join(authors), size=13, align='c', cjk=rng.choice(KAI), after=14)
    page.para([('［提\u3000要］', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j',
              cjk=rng.choice(KAI), after=4)
    page.para([('［关键词］', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000'.join(t['kws'])], size=9.5,
              cjk=rng.choice(KAI), after=12)
    _body(page, rng, rng.choice(['一', '一、缘起']), 4)
    page.para('', rule='bottom', after=2)
    page.para('［收稿日期］%d-%02d-%02d\u3000［作者简介］%s' % (
        year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28),
        '；'.join('%s，%s%s%s' % (a, s[0], t['unit'], rng.choice(['讲师', '副教授', '博士研究生'])) for a in authors)) +
        '。', size=8.5, align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def conference_draft(rng):
    """A paper given at a social-science meeting: a stamp right saying it is a draft not to be quoted,
    the meeting it was sent to, the title, the authors and their units, 内容摘要 and 关键词, the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的社会学考察', '{c}{s}{a}与社会记忆', '{s}{a}中的社区与国家'])
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para((rng.choice(['会议论文\u3000初稿，请勿引用', '【会议论文·请勿引用】', '讨论稿（请勿引用）']),
               {'size': 9.5, 'bold': True}), align='r', rule=rng.choice(['both', 'bottom']), after=4)
    page.para('提交：%s（%s，%d年%d月）' % (rng.choice(['中国社会学会%d年学术年会“民族与地方社会”论坛' % year,
                                                 '第%d届西南民族社会论坛' % rng.randint(3, 15),
                                                 '%s民俗学年会' % s[4]]), rng.choice(['贵阳', '长沙', '汕头', '太原']),
                                      year, rng.choice([7, 10, 11])), size=9, cjk=rng.choice(KAI), after=20)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    page.para('\u3000\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s\u2002%s）' % (s[0], t['unit'], s[4], s[2]), size=9.5, align='c', after=14)
    page.para([('内容摘要：', {'bold': True}), BODY * 2], size=9.5, align='j', indent=rng.choice([0, 19]), after=4)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=12)
    _body(page, rng, '一、问题与材料', 4)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-lawjournal-bracketcolumn': law_journal, 'gen-zh-artmaster-creationreport': creation_report,
             'gen-zh-econ-workingpaper-jelband': econ_workingpaper, 'gen-zh-edu-fieldreport-teamgrid': field_report,
             'gen-zh-history-circlebyline': history_article, 'gen-zh-socio-conference-draftstamp': conference_draft}
