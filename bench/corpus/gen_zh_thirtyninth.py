"""A thirty-ninth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, management, economics, law, education and arts of schools of
their own."""
from docx.enum.section import WD_ORIENT
from docx.shared import RGBColor

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('邵阳学院', 'Shaoyang University', '邵阳', '422000', '湖南'),
           ('怀化学院', 'Huaihua University', '怀化', '418000', '湖南'),
           ('湘南学院', 'Xiangnan University', '郴州', '423000', '湖南')]
DOMAINS = [dict(subjects={'邵阳蓝印花布': ['纹样图式', '染坊经营'], '滩头年画': ['刻版技艺', '年画市场'],
                          '崀山景区': ['景区治理', '门票收入分配']},
                contexts=['隆回县', '新宁县', '武冈市'], units=['文学院', '商学院', '艺术设计学院'],
                majors=['美术学', '工商管理', '旅游管理'], series='宝庆'),
           dict(subjects={'洪江古商城': ['会馆碑刻', '商号账簿'], '通道侗族大戊梁歌会': ['歌会组织', '非遗申报'],
                          '芷江受降纪念': ['纪念馆叙事', '红色研学']},
                contexts=['洪江市', '通道侗族自治县', '芷江侗族自治县'], units=['历史与档案学院', '经济与管理学院', '教育科学学院'],
                majors=['中国史', '会计学', '小学教育'], series='五溪'),
           dict(subjects={'嘉禾伴嫁歌': ['曲牌演唱', '婚俗变迁'], '桂阳湘昆': ['剧团经营', '折子戏传承'],
                          '汝城乡村学校': ['教师流动', '寄宿制管理']},
                contexts=['嘉禾县', '桂阳县', '汝城县'], units=['音乐学院', '经济管理学院', '教育学院'],
                majors=['音乐学', '公共管理', '教育管理'], series='湘南')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}', '{s}{a}的历史考察', '{s}与{a}：来自{c}的经验', '{c}{s}{a}的现状与对策']
BODY = '本文综合运用文献、访谈与问卷材料，考察研究对象的历史形成与当代处境，分析其中的管理、经济、法律与文化因素，并就保护、传承与发展提出建议。'
WHITE = RGBColor(0xFF, 0xFF, 0xFF)


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def _unit_line(s, unit):
    return '%s%s，%s %s %s' % (s[0], unit, s[4], s[2], s[3])


def darkband_xuebao(rng):
    """A 学报 (social sciences) article: the issue line over a rule, the title in white on a dark
    full-width band, the authors with circled unit numbers, the numbered units in brackets, 摘要,
    关键词 and 中图分类号 across the page, then the text in two columns."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    two = len(authors) > 1 and rng.random() < 0.5
    marks = ['①'] + [rng.choice('①②') for _ in authors[1:]] if two else [''] * len(authors)
    if two and '②' not in marks:
        marks[-1] = '②'
    page.para('%s学报（社会科学版）\u2002第%d卷第%d期\u2002%d年%d月' % (s[0], rng.randint(18, 45), rng.randint(1, 6), year,
                                                          rng.choice([2, 4, 6, 8, 10, 12])),
              size=9, align=rng.choice(['l', 'c']), rule='bottom', after=14)
    band = sized_table(page, [[(t['title'], {'bold': True, 'cjk': rng.choice(HEI)})]], [16.0],
                       size=rng.choice([17, 18, 20]), align='c', shade=(0,), fill=rng.choice(['1F3864', '3A3A3A', '5A1E1E']))
    for run in band.cell(0, 0).paragraphs[0].runs:
        run.font.color.rgb = WHITE
    page.para('', after=8)
    runs = []
    for k, a in enumerate(authors):
        runs += [(a, {'size': 12}), (marks[k], {'sup': True, 'size': 8})]
        if k < len(authors) - 1:
            runs.append(('，' if rng.random() < 0.5 else '\u3000', {'size': 12}))
    page.para(runs, align='c', cjk=rng.choice(KAI + SONG), after=4)
    units = [_unit_line(s, t['unit'])] + ([_unit_line(s, rng.choice([u for u in t['d']['units'] if u != t['unit']]))]
                                          if two else [])
    page.para('（%s）' % '；'.join(('①②'[k] if two else '') + u for k, u in enumerate(units)), size=9, align='c', after=12)
    page.para([('摘\u3000要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9, after=3)
    page.para([('中图分类号：', {'bold': True}), 'F%d' % rng.randint(200, 599), '\u3000',
               ('文献标志码：', {'bold': True}), 'A'], size=9, after=12)
    page.columns(2)
    page.para(('一、引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 6, align='j', indent=21, line=1.3, size=10)
    page.para(('二、%s的基本情况' % t['s'], {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def titlefirst_master(rng):
    """A public administration, business or education professional master's cover whose title
    stands first, at the top: a small code line, the title, a rule, the particulars centred as
    label-value lines with the values underlined, and the school and the degree kind at the foot
    over the date. A practice co-supervisor (校外导师) is no supervisor of record."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}的现状与对策', '{s}{a}中的政府职责研究', '{s}{a}优化研究'])
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup, outside = _people(rng, 2, [student])
    if rng.random() < 0.6:
        page.para('学校代码：%d\u3000\u3000学号：%d' % (rng.randint(10500, 10599), rng.randint(2019000, 2025999)),
                  size=9, align='r', after=40)
    else:
        page.para('', after=50)
    page.para((t['title'], {'size': rng.choice([22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=10)
    page.para('', rule='bottom', after=70)
    kind = rng.choice(['公共管理硕士（MPA）', '工商管理硕士（MBA）', '会计硕士（MPAcc）', '教育硕士（Ed.M）'])
    rows = [('申\u2002请\u2002人', student), ('指导教师', sup + rng.choice(['\u2002教授', '\u2002副教授', ''])),
            ('专业学位类别', kind), ('研究方向', t['a'] + rng.choice(['', '与管理']))]
    if rng.random() < 0.35:
        rows.insert(2, ('校外导师', outside + rng.choice(['\u2002高级经济师', '\u2002研究员', '\u2002高级会计师'])))
    for label, value in rows:
        page.para([(label + '：', {'bold': True}), (value, {'u': True})], size=14, align='c', after=6)
    page.para('', after=90)
    page.para((s[0], {'size': rng.choice([26, 28, 30]), 'cjk': rng.choice(KAI)}), align='c', after=4)
    page.para((rng.choice(['专业学位硕士论文', '硕士专业学位论文']), {'size': 16, 'bold': True}), align='c', after=8)
    page.para(_when(rng, year, rng.choice([5, 6, 11])), size=13, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def wp_authortable(rng):
    """A research centre's working paper: the series on the left and a shaded number cell on the
    right of the head, the title, 摘要 and 关键词, then the authors in a framed table under the
    abstract (name, unit, e-mail; no header row), and a notice not to cite at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的经济分析', '{c}{s}{a}的调查报告', '{s}{a}与地方发展'])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 3))
    series = '%s%s' % (t['d']['series'], rng.choice(['社会发展研究中心工作论文', '区域经济研究所工作论文系列']))
    sized_table(page, [[(series, {'bold': True, 'cjk': rng.choice(HEI)}),
                        '工作论文\nNo. %d-%02d' % (year, rng.randint(1, 30))]], [12.0, 4.0], size=10,
                align=['l', 'c'], shade=(1,), fill=rng.choice(['E7E6E6', 'DEEBF7']))
    page.para('', rule='bottom', after=30)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=24)
    page.para([('摘要：', {'bold': True}), BODY * 3], size=10, align='j', indent=rng.choice([0, 20]), after=6)
    page.para([('关键词：', {'bold': True}), '，'.join(t['kws'])], size=10, after=14)
    page.para(('作者信息', {'bold': True}), size=10, after=3)
    rows = [[a, s[0] + rng.choice(t['d']['units']), 'wp%03d@%s.edu.cn' % (rng.randint(1, 999), rng.choice(['hnsyu', 'hhtc', 'xnu']))]
            for a in authors]
    sized_table(page, rows, [3.0, 7.0, 6.0], size=9.5, grid=True, align=['c', 'l', 'l'])
    page.para('', after=60)
    page.para('本文为工作论文，尚未正式发表，仅供讨论；引用请联系作者。', size=8.5, rule='top', after=2)
    page.para(_when(rng, year, rng.randint(1, 12)), size=8.5, align='r')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def landscape_cover(rng):
    """A design or arts bachelor's cover on a landscape page, as a two-cell spread: the school,
    the kind and the title in the left cell (shaded on some), the particulars one a line in the
    right cell, the supervisor with his rank in brackets, the date last."""
    page = _page(rng, 12)
    sec = page.doc.sections[0]
    sec.orientation = WD_ORIENT.LANDSCAPE
    sec.page_width, sec.page_height = sec.page_height, sec.page_width
    t = _topic(rng, ['{s}{a}的设计表达', '基于{s}的{a}设计实践', '{c}{s}{a}的视觉转化'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('', after=rng.choice([70, 90, 110]))
    left = [(s[0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI)}),
            ('\n' + rng.choice(['本科毕业设计（论文）', '毕业设计说明书', '本科毕业论文（设计）']), {'size': 18, 'bold': True}),
            ('\n\n' + t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]
    right = ['学生姓名：%s' % student, '\n学\u3000\u3000号：%d' % rng.randint(2008000000, 2022999999),
             '\n专\u3000\u3000业：%s' % t['major'], '\n所在学院：%s' % t['unit'],
             '\n指导教师：%s（%s）' % (sup, rng.choice(['教授', '副教授', '讲师'])),
             '\n完成日期：%s' % _when(rng, year, 5)]
    sized_table(page, [[left, right]], [13.0, 11.0], size=14, align=['c', 'l'],
                shade=(0,) if rng.random() < 0.5 else (), fill=rng.choice(['F2F2F2', 'E2EFDA']),
                grid=rng.random() < 0.4)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def contribution_journal(rng):
    """An arts and culture journal's first page with its head flush left: the journal, issue and
    column over a rule, the title, the byline and the unit in brackets all flush left, 摘要 as a
    small heading over its text, 关键词 run in, the text, and at the foot over a rule an authors'
    contribution statement naming each author in byline order, with the date received."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的文化阐释', '{s}{a}的当代传承', '{c}{s}与{a}'])
    s = t['school']
    year = rng.randint(2016, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u3000%d年第%d期\u3000栏目：%s' % (rng.choice(['艺术与文化评论', '湘楚文化研究', '民间艺术']), year,
                                            rng.randint(1, 6), rng.choice(['非遗研究', '艺术史论', '地方文化'])),
              size=9, align='l', rule='bottom', after=20)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI)}), align='l', after=10)
    page.para(rng.choice(['\u3000', '，', '\u2002\u2002']).join(authors), size=12, align='l', cjk=rng.choice(KAI), after=2)
    page.para('（%s）' % _unit_line(s, t['unit']), size=9, align='l', after=14)
    page.para(('摘要', {'bold': True, 'cjk': rng.choice(HEI)}), size=10, align='l', after=2)
    page.para(BODY * 2, size=9.5, align='j', indent=19, after=4, cjk=rng.choice(KAI))
    page.para([('关键词：', {'bold': True}), '\u3000'.join(t['kws'])], size=9.5, after=14)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5, after=30)
    duties = ['研究设计与论文撰写', '田野调查与资料整理', '图像采集与修改', '文献梳理']
    page.para('作者贡献声明：' + '；'.join('%s负责%s' % (a, duties[k]) for k, a in enumerate(authors)) + '。',
              size=8.5, rule='top', after=2)
    page.para('收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def framedhead_conf(rng):
    """A tourism and management forum paper whose whole head (title, authors with unit numbers,
    the numbered units and the corresponding author's line) stands in one framed cell; 摘要,
    关键词 and the text follow outside the frame."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的游客感知研究', '{c}{s}{a}与社区参与', '{s}{a}的利益相关者分析'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    two = len(authors) > 1 and rng.random() < 0.6
    marks = ['1'] + [rng.choice('12') for _ in authors[1:]] if two else [''] * len(authors)
    if two and '2' not in marks:
        marks[-1] = '2'
    page.para('第%d届%s（%d·%s）' % (rng.randint(3, 15), rng.choice(['中国旅游管理青年学者论坛', '全国文旅融合发展研讨会']),
                                 year, rng.choice(['长沙', '张家界', '郴州'])), size=9, align='l', after=12)
    head = [(t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), ('\n', {})]
    for k, a in enumerate(authors):
        head += [(a, {'size': 12}), (marks[k], {'sup': True, 'size': 8})]
        if k < len(authors) - 1:
            head.append(('，', {'size': 12}))
    units = [s[0] + t['unit']] + ([s[0] + rng.choice([u for u in t['d']['units'] if u != t['unit']])] if two else [])
    head.append(('\n（%s）' % '；'.join(('%d. ' % (k + 1) if two else '') + u + '，' + s[2] for k, u in enumerate(units)),
                 {'size': 9}))
    corr = rng.choice(authors)
    head.append(('\n通讯作者：%s，E-mail：%s@%s.edu.cn' % (corr, 'c%04d' % rng.randint(1, 9999),
                                                         rng.choice(['hnsyu', 'hhtc', 'xnu'])), {'size': 9}))
    sized_table(page, [[head]], [16.0], align='c', grid=True)
    page.para('', after=10)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=12)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-mgmtxuebao-darktitleband-circledunits-twocolbody': darkband_xuebao,
             'gen-zh-mpamaster-titlefirst-schoolatfoot': titlefirst_master,
             'gen-zh-sociologyworkingpaper-wpnumbercell-authortablebelowabstract': wp_authortable,
             'gen-zh-designbachelor-landscapecover-titleleftfieldsright': landscape_cover,
             'gen-zh-artsjournal-flushlefthead-contributionstatementfoot': contribution_journal,
             'gen-zh-tourismmgmtconf-headinframedcell-abstractoutside': framedhead_conf}
