"""A thirty-third set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('黔南民族师范学院', 'Qiannan Normal University for Nationalities', '都匀', '558000', '贵州'),
           ('赤峰学院', 'Chifeng University', '赤峰', '024000', '内蒙古'),
           ('集宁师范学院', 'Jining Normal University', '乌兰察布', '012000', '内蒙古'),
           ('广西民族师范学院', 'Guangxi Normal University for Nationalities', '崇左', '532200', '广西')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'水书习俗': ['抄本断代', '水书先生传承'], '毛南族打猴鼓舞': ['鼓点谱记', '舞台化改编'],
                          '布依族土布': ['合作社定价', '纹样数字化']},
                contexts=['三都县', '独山县', '荔波县'], units=['文学与传媒学院', '音乐舞蹈学院', '经济与管理学院'],
                majors=['民族学', '舞蹈编导', '国际经济与贸易'], field='黔南民族文化'),
           dict(subjects={'红山文化玉器': ['纹饰谱系', '馆藏阐释'], '巴林石雕刻': ['匠师口述', '石料交易'],
                          '敖汉小米农耕': ['旱作系统申遗', '地理标志溢价']},
                contexts=['巴林右旗', '敖汉旗', '翁牛特旗'], units=['历史文化学院', '美术学院', '法学院'],
                majors=['考古学', '美术学', '法学'], field='西辽河文明'),
           dict(subjects={'察哈尔民歌': ['衬词结构', '中小学传唱'], '漫瀚调': ['即兴对唱', '演出班社'],
                          '岱海旅游带': ['游客满意度', '民宿经营']},
                contexts=['凉城县', '丰镇市', '察哈尔右翼前旗'], units=['音乐学院', '教育科学学院', '经济管理学院'],
                majors=['音乐学', '小学教育', '旅游管理'], field='察哈尔地域文化'),
           dict(subjects={'壮族天琴艺术': ['弹唱曲目', '课堂传习'], '花山岩画': ['图像母题', '遗产地治理'],
                          '中越边贸互市': ['边民合作社', '跨境结算']},
                contexts=['龙州县', '宁明县', '凭祥市'], units=['文学与传媒学院', '艺术学院', '经济与管理学院'],
                majors=['汉语言文学', '音乐表演', '经济学'], field='左江流域文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}考察', '{s}{a}的田野观察', '论{s}的{a}', '{s}{a}：以{c}为例']
BODY = '本文依据田野访谈、地方档案与统计资料，梳理相关现象的历史脉络和现实状况，分析其中的结构性因素，并就今后的保护与发展提出建议。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _widths(table, widths_cm):
    """Column widths the converter keeps: the table's grid, not only its cells."""
    table.autofit = False
    for col, w in zip(table.columns, widths_cm):
        col.width = Cm(w)
    return table


def _date(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)


def doctor_titlepage(rng):
    """A doctoral thesis's title page (扉页) in history or law: the title large and flush left at the top,
    the candidate and the 指导教师 on right-aligned lines, and at the foot a framed box of the three dates
    (submitted, defended, conferred) with the 答辩委员会主席, who is neither author nor supervisor."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{s}与地方社会：{a}的历史考察', '{c}{s}{a}的法律史考察'])
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup, chair = _people(rng, 2, [student])
    page.para('%s\u3000博士学位论文' % s[0] if rng.random() < 0.5 else '博士学位论文', size=11, align='l',
              cjk=rng.choice(KAI + SONG), after=30)
    page.para((t['title'], {'size': rng.choice([22, 24, 26]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=60, rule='bottom' if rng.random() < 0.5 else None)
    for lab, val in [('博士研究生', student), ('指导教师', sup + rng.choice(['\u2002教授', '']),),
                     ('学科专业', rng.choice(['中国史', '法律史', '民族学', '专门史'])), ('培养单位', s[0] + t['unit'])]:
        page.para([(lab + '：', {'bold': rng.random() < 0.5}), val], size=rng.choice([13, 14]), align='r', after=6)
    page.para('', after=50)
    rows = [['论文提交日期', _date(rng, year, 3)], ['论文答辩日期', _date(rng, year, 5)],
            ['学位授予日期', _date(rng, year, 6)], ['答辩委员会主席', chair]]
    _widths(page.table(rows, widths_cm=[4.5, 6.0], size=11, grid=True, align=['c', 'l'],
                       shade=(0,) if rng.random() < 0.5 else ()), [4.5, 6.0])
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def meeting_discussant(rng):
    """A paper for an economics or sociology annual meeting: the meeting and its group on a line, a
    framed "初稿，请勿引用" mark right, the title, the authors, then a 评议人 line (the discussant, who is
    no author), an unlabelled indented summary, 关键词, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的经济效应', '{c}{s}{a}与农户增收', '{s}{a}的社会网络分析'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    disc = _people(rng, 1, authors)[0]
    meet = '第%s届%s学术年会' % (rng.choice(['十二', '十五', '十八', '二十一']), rng.choice(['中国民族经济', '边疆社会学', '区域文化产业']))
    head = '%s（%d年%d月·%s）\u2003第%d分组' % (meet, year, rng.choice([7, 10, 11]), s[2], rng.randint(1, 9))
    _widths(page.table([[head, ('初稿，请勿引用', {'bold': True})]],
                       widths_cm=[12.0, 4.0], size=9, align=['l', 'c']), [12.0, 4.0])
    page.para('', rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    page.para(rng.choice(['\u3000', '，', '\u2003']).join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s %s）' % (s[0], t['unit'], s[2], s[3]), size=9, align='c', after=4)
    page.para([('评议人：', {'bold': True}), '%s（%s）' % (disc, rng.choice(['中国社会科学院', '本届年会学术委员会', '省社会科学院']))],
              size=9.5, align='c', after=14)
    page.para(BODY * 2, size=9.5, align='j', indent=40, after=4)
    page.para([('关键词', {'bold': True}), '\u3000' + rng.choice(['；', '\u3000']).join(t['kws'])], size=9.5,
              indent=40, after=14)
    page.para(('一、问题的提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def bilingual_cells(rng):
    """A folklore or arts journal's first page set in two cells a row: the Chinese title beside its
    English form, the authors beside their pinyin, then the units across, and 摘要 beside Abstract,
    关键词 beside Key words; the text follows in one column."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u3000%d年第%d期\u3000总第%d期' % (rng.choice(['民俗研究论丛', '民族艺术评论', '西南边疆文化']), year,
                                          rng.randint(1, 6), rng.randint(60, 260)), size=9, align=rng.choice(['l', 'c']),
              rule='bottom', after=16)
    en_title = 'A Study of %s in %s' % (rng.choice(['Folk Practice', 'Local Heritage', 'Vernacular Art']),
                                      rng.choice(['Southwest China', 'the Northern Frontier', 'Border Counties']))
    rows = [[(t['title'], {'size': rng.choice([15, 16]), 'bold': True}), (en_title, {'size': 12, 'bold': True})],
            ['\u3000'.join(authors), ', '.join(rng.choice(['Zhang', 'Li', 'Wang', 'Zhao', 'Liu']) + ' ' + rng.choice(
                ['Wei', 'Ming', 'Hong', 'Lan', 'Jun']) for _ in authors)]]
    rows.append([('摘\u3000要：', {'bold': True}), ('Abstract:', {'bold': True})])
    rows.append([BODY, 'Based on fieldwork and archives, the paper traces the history and present state of the '
                       'practice and makes proposals for its protection.'])
    rows.append(['关键词：' + '；'.join(t['kws']), 'Key words: heritage; fieldwork; local culture'])
    _widths(page.table(rows, widths_cm=[8.0, 8.0], size=10, align=['l', 'l'], grid=rng.random() < 0.4), [8.0, 8.0])
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='c', before=4, after=14)
    page.para(('引\u3000言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, align='c', after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def mfa_worklist(rng):
    """An MFA (艺术硕士) thesis cover whose middle holds a framed list of the graduate's creative works
    (name, material, size) under 毕业作品; the thesis title is the 论文题目 line above it, the works' names
    are no title; 研究生 and 导师 below."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}元素在{a}中的转化', '{s}{a}的创作实践', '基于{s}的{a}创作研究'])
    s = t['school']
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('分类号：J%d\u3000\u3000单位代码：1%04d' % (rng.randint(0, 9), rng.randint(1000, 9999)), size=9.5,
              align='l', after=24)
    page.para((s[0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=6)
    page.para((rng.choice(['艺术硕士专业学位论文', '艺术硕士（MFA）学位论文']), {'size': 18, 'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=30)
    page.para([('论文题目：', {'bold': True}), (t['title'], {'size': rng.choice([16, 18])})], size=14, align='c', after=20)
    rows = [[('毕业作品', {'bold': True}), ('材\u3000质', {'bold': True}), ('尺\u3000寸', {'bold': True})]]
    for k in range(rng.randint(2, 4)):
        rows.append(['《%s%s》' % (rng.choice(['山', '归', '织', '远', '声']), rng.choice(['之一', '之二', '·序', '·忆'])),
                     rng.choice(['综合材料', '布面油画', '绢本设色', '陶瓷']), '%d×%dcm' % (rng.randint(40, 200), rng.randint(40, 200))])
    _widths(page.table(rows, widths_cm=[5.0, 4.0, 4.0], size=10.5, grid=True, align='c',
                       shade=(0,) if rng.random() < 0.5 else ()), [5.0, 4.0, 4.0])
    page.para('', after=24)
    for lab, val in [('研 究 生', student), ('导\u3000\u3000师', sup + rng.choice(['\u2002教授', '\u2002副教授', ''])),
                     ('专业领域', rng.choice(['美术', '艺术设计', '音乐', '舞蹈'])), ('完成时间', _date(rng, year, 5))]:
        page.para([(lab + '：', {'bold': True}), val], size=14, align='c', after=6)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def keypoints_report(rng):
    """A policy research report's first page: the series and number on top, the title, a shaded box of
    numbered 报告要点, then the authors one a line with their posts under the box, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{c}{s}{a}调研报告', '关于{s}{a}的调查与建议', '{s}{a}现状与对策研究报告'])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s\u3000%d年第%d号' % (rng.choice(['决策咨询研究报告', '政策研究报告', '调研报告']), year, rng.randint(1, 30)),
              size=10, align=rng.choice(['l', 'r']), cjk=rng.choice(HEI), after=4)
    page.para('', rule='bottom', after=20)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=16)
    points = [('报告要点', {'bold': True})]
    for k in range(rng.randint(3, 4)):
        points += ['\n%d. %s' % (k + 1, BODY[:rng.randint(28, 50)] + '。')]
    page.table([[points]], widths_cm=[16.0], size=10, align='l', shade=(0,), fill=rng.choice(['EDEDED', 'E2ECF5']))
    page.para('', after=6)
    for a in authors:
        page.para([(a, {'bold': True}), '，%s%s%s' % (s[0], t['unit'], rng.choice(['教授', '副教授', '讲师', '研究员']))],
                  size=10, align='l', cjk=rng.choice(KAI + SONG), after=1)
    page.para('', after=10)
    page.para(('一、基本情况', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-histlawdoctor-titlepage-threedatesbox': doctor_titlepage,
             'gen-zh-ethnoecon-annualmeeting-discussantline': meeting_discussant,
             'gen-zh-folklorejournal-bilingualtitlecells': bilingual_cells,
             'gen-zh-mfa-worklistbox-cover': mfa_worklist,
             'gen-zh-policyreport-keypointsbox-authorsunder': keypoints_report}
