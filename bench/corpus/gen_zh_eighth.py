"""An eighth set of Chinese first pages, in layouts the earlier sets lack: a 学位论文 cover whose fields
stand in a four-column ruled table with the label cells shaded; a journal page whose byline and unit
are right-aligned under a left-aligned title; a 研究报告 cover that names the 课题负责人 and then
lists the 课题组成员; a 博士学位论文 cover with "研究生：" and "指导教师：" on one line; a journal
page whose authors carry their titles in brackets ("甲（教授）"); and a 简报 / 快报 page whose title
stands in a shaded banner. Subjects: offshore wind, Miao embroidery and batik, yak herding and
highland barley, notoginseng and other herbs, container ports, Xinyang tea."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('上海电力大学', 'Shanghai University of Electric Power', '上海', '200090'),
           ('贵州民族大学', 'Guizhou Minzu University', '贵阳', '550025'),
           ('西藏大学', 'Tibet University', '拉萨', '850000'),
           ('云南中医药大学', 'Yunnan University of Chinese Medicine', '昆明', '650500'),
           ('大连海事大学', 'Dalian Maritime University', '大连', '116026'),
           ('信阳农林学院', 'Xinyang Agriculture and Forestry University', '信阳', '464000')]
# one field each: subjects, angles, settings, then the field's units, majors and journal
DOMAINS = [(['海上风电场', '风机基础冲刷', '海缆故障'], ['运行评估', '可靠性分析', '优化调度'], ['东海近岸', '长江口外海域'],
            dict(units=['电气工程学院', '能源与机械工程学院'], majors=['电气工程', '动力工程及工程热物理'], journal='电网与清洁能源')),
           (['苗绣纹样', '蜡染技艺', '侗族大歌'], ['传承路径', '文化内涵', '数字化保护'], ['黔东南', '雷山县'],
            dict(units=['民族学与历史学学院', '美术学院'], majors=['民族学', '设计学'], journal='贵州民族研究')),
           (['牦牛放牧', '青稞品种', '高寒草甸植被'], ['适应性评价', '营养品质', '季节动态'], ['藏北高原', '雅鲁藏布江河谷'],
            dict(units=['理学院', '农牧学院'], majors=['畜牧学', '作物遗传育种'], journal='高原农业')),
           (['三七连作障碍', '灯盏花', '中药材种植'], ['有效成分', '栽培技术', '质量评价'], ['文山州', '滇东南山区'],
            dict(units=['中药学院', '民族医药学院'], majors=['中药学', '药用植物学'], journal='中国中药杂志')),
           (['集装箱码头', '船舶排放', '港口拥堵'], ['效率测度', '调度优化', '治理机制'], ['环渤海港口群', '大连港'],
            dict(units=['交通运输工程学院', '航运经济与管理学院'], majors=['交通运输规划与管理', '载运工具运用工程'],
                 journal='中国航海')),
           (['信阳毛尖', '茶园土壤酸化', '茶叶加工'], ['品质形成', '改良措施', '工艺优化'], ['大别山区', '豫南茶区'],
            dict(units=['茶学院', '农学院'], majors=['茶学', '农艺与种业'], journal='茶叶科学'))]
EN = {'海上风电场': 'Offshore Wind Farms', '风机基础冲刷': 'Scour around Turbine Foundations',
      '海缆故障': 'Submarine Cable Faults', '苗绣纹样': 'Miao Embroidery Motifs', '蜡染技艺': 'Batik Craft',
      '侗族大歌': 'the Grand Song of the Dong', '牦牛放牧': 'Yak Herding', '青稞品种': 'Highland Barley Cultivars',
      '高寒草甸植被': 'Alpine Meadow Vegetation', '三七连作障碍': 'Replant Failure of Notoginseng',
      '灯盏花': 'Erigeron breviscapus', '中药材种植': 'Cultivation of Medicinal Herbs',
      '集装箱码头': 'Container Terminals', '船舶排放': 'Ship Emissions', '港口拥堵': 'Port Congestion',
      '信阳毛尖': 'Xinyang Maojian Tea', '茶园土壤酸化': 'Soil Acidification in Tea Gardens',
      '茶叶加工': 'Tea Processing', '运行评估': 'Operational Assessment', '可靠性分析': 'Reliability Analysis',
      '优化调度': 'Optimal Dispatch', '传承路径': 'Ways of Transmission', '文化内涵': 'Cultural Meaning',
      '数字化保护': 'Digital Safeguarding', '适应性评价': 'Adaptability', '营养品质': 'Nutritional Quality',
      '季节动态': 'Seasonal Dynamics', '有效成分': 'Active Constituents', '栽培技术': 'Cultivation Techniques',
      '质量评价': 'Quality Evaluation', '效率测度': 'Efficiency Measurement', '调度优化': 'Scheduling Optimisation',
      '治理机制': 'Governance', '品质形成': 'Quality Formation', '改良措施': 'Amelioration',
      '工艺优化': 'Process Optimisation', '东海近岸': 'the Nearshore East China Sea',
      '长江口外海域': 'the Waters off the Yangtze Estuary', '黔东南': 'Southeast Guizhou', '雷山县': 'Leishan County',
      '藏北高原': 'the Northern Tibetan Plateau', '雅鲁藏布江河谷': 'the Yarlung Tsangpo Valley', '文山州': 'Wenshan Prefecture',
      '滇东南山区': 'the Mountains of Southeast Yunnan', '环渤海港口群': 'the Bohai Rim Ports', '大连港': 'Dalian Port',
      '大别山区': 'the Dabie Mountains', '豫南茶区': 'the Tea Districts of Southern Henan'}
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}的{a}研究', '{s}{a}：基于{c}的调查', '{c}{s}{a}初探', '关于{s}{a}的若干思考',
         '{s}与{t}的{a}比较——来自{c}的证据']
BODY = ('本研究综合实地调查、样品测试与统计资料，梳理了研究对象的基本状况与存在问题，'
        '比较了不同条件下的差异，并提出了可供参考的做法。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei']
CLC = ['TM614', 'J523', 'S823', 'R282', 'U691', 'TS272']
RANKS = ['教授', '副教授', '研究员', '副研究员', '讲师', '博士研究生', '硕士研究生', '高级工程师']


def _english(title, s, t):
    """The English title of a Chinese one, from the English of the terms it uses."""
    a = next(w for w in ANGLES if w in title)
    c = next((w for w in CONTEXTS if w in title), None)
    if t in title:
        return '%s of %s and %s' % (EN[a], EN[s], EN[t])
    return '%s of %s in %s' % (EN[a], EN[s], EN[c]) if c else '%s of %s' % (EN[a], EN[s])


def _topic(rng):
    """A title and what goes with its field: school, unit, major, journal, English title."""
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), units=f['units'],
                major=rng.choice(f['majors']), journal=f['journal'], en=_english(title, s, t),
                angles=angles, clc=CLC[i])


def _page(rng, size=10.5):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size, margins=rng.choice([2.0, 2.4, 2.8]))


def _people(rng, low, high):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(low, high))]


def _when(rng):
    year, month = rng.randint(2010, 2026), rng.choice([4, 5, 6, 10, 12])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)


def _abstract(page, rng, kws, size=9):
    page.para([('摘　要：', {'bold': True}), BODY], size=size, align='j')
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '　']).join(kws)], size=size, after=8)


def _finish(page, rng, topic, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, topic['title'], authors, kws)
    return page, record(topic['title'], authors, year, kws, 'zh', None, meta=meta, **extra)


def thesis_shaded_grid(rng):
    """A 学位论文 cover: codes at the top, school, kind, then a four-column ruled table whose label
    cells are shaded: 论文题目 over the whole row, 作者姓名/学号, 指导教师/职称, 学科专业/研究方向,
    所在学院/完成日期."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    author, sup = _people(rng, 2, 2)
    page.para('学校代码：%s\t\t\t\t密级：%s' % (rng.choice(['10256', '10672', '10694', '10680', '10151', '11834']),
                                       rng.choice(['公开', '内部'])), size=10, after=40)
    page.para((topic['school'][0], {'size': 26, 'cjk': rng.choice(KAI + HEI)}), align='c', after=8)
    page.para((rng.choice(['硕士学位论文', '博士学位论文', '硕 士 学 位 论 文']), {'size': 24, 'bold': True}), align='c', after=60)
    rank = rng.choice(['教授', '副教授', '研究员'])
    rows = [['论文题目', topic['title'], '', ''],
            ['作者姓名', author, '学　　号', '%d%07d' % (year - 3, rng.randint(1, 9999999))],
            ['指导教师', sup, '职　　称', rank],
            ['学科专业', topic['major'], '研究方向', rng.choice(topic['angles'])],
            ['所在学院', topic['unit'], '完成日期', when]]
    t = page.table(rows, widths_cm=[2.8, 5.2, 2.6, 4.4], size=rng.choice([11, 12]), grid=True,
                   align=['c', 'l', 'c', 'l'], shade=(0, 2), fill=rng.choice(['D9D9D9', 'E7E6E6', 'DEEAF6']))
    t.cell(0, 1).merge(t.cell(0, 3))
    return _finish(page, rng, topic, [author], year, supervisor=sup)


def journal_right_byline(rng):
    """A journal page: the title on the left, the byline and the unit right-aligned under it, then
    abstract, keywords and the body."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2008, 2026), _topic(rng)
    s = topic['school']
    page.para('%s\u3000%d年\u3000第%d卷\u3000第%d期' % (topic['journal'], year, rng.randint(8, 50), rng.randint(1, 12)),
              size=9, rule='bottom', after=24)
    page.para((topic['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=10)
    authors = _people(rng, 1, 3)
    page.para(rng.choice(['，', '\u3000', '  ']).join(authors), size=12, cjk=rng.choice(KAI + SONG), align='r', after=2)
    page.para('（%s %s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='r', after=14)
    _abstract(page, rng, topic['kws'])
    page.para('中图分类号：%s\u3000文献标识码：A' % topic['clc'],
              size=9, after=10)
    page.para(BODY * 4, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'])


def report_group_members(rng):
    """A 研究报告 cover: the programme and number, the kind, the title, "课题负责人：" with the lead,
    then "课题组成员：" followed by the members (on one line, or one under the other), unit and date."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    people = _people(rng, 3, 6)
    lead, members = people[0], people[1:]
    page.para('%s（项目编号：%d%s%03d）' % (rng.choice(['省社会科学基金项目', '省科技厅软科学研究项目', '市科技计划项目',
                                                  '校级重点科研项目']),
                                   year - 1, rng.choice(['SK', 'RK', 'ZD']), rng.randint(1, 999)), size=10.5, align='c',
              after=40)
    page.para((topic['title'], {'size': 22, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=12)
    page.para((rng.choice(['研究报告', '结题研究报告', '——研究报告']), {'size': 16}), align='c', after=70)
    page.para('课题负责人：%s%s' % (lead, rng.choice(['', '\u3000' + rng.choice(RANKS[:4])])), size=13, after=8)
    if rng.random() < 0.5:
        page.para('课题组成员：%s' % '、'.join(members), size=13, after=8)
    else:
        page.para('课题组成员：', size=13, after=2)
        for m in members:
            page.para('\u3000\u3000\u3000\u3000\u3000\u3000%s' % m, size=13, after=2)
    page.para('承担单位：%s%s' % (topic['school'][0], topic['unit']), size=13, before=12, after=8)
    page.para(when, size=13, align='c', before=40)
    return _finish(page, rng, topic, people, year)


def doctor_sameline(rng):
    """A 博士学位论文 cover: 分类号 and 密级, the school, the kind, the title (and its English), then
    "研究生：甲\u3000\u3000指导教师：乙 教授" on one line, the major and field on the next, the date."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    author, sup = _people(rng, 2, 2)
    page.para('分类号：%s\u3000\u3000\u3000密级：公开' % topic['clc'], size=10, after=30)
    page.para((topic['school'][0], {'size': 24, 'cjk': rng.choice(KAI)}), align='c', after=6)
    page.para(('博士学位论文', {'size': 30, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    page.para((topic['title'], {'size': 20, 'bold': True}), align='c', after=8)
    extra = {}
    if rng.random() < 0.5:
        extra['title_en'] = topic['en']
        page.para((topic['en'], {'size': 13}), align='c', after=8)
    page.para('', after=60)
    gap = rng.choice(['\u3000\u3000', '\u3000\u3000\u3000', '    '])
    page.para('研究生：%s%s指导教师：%s%s' % (author, gap, sup, rng.choice([' 教授', '\u3000教授', ' 研究员', ''])),
              size=14, align='c', after=10)
    page.para('学科专业：%s%s研究方向：%s' % (topic['major'], gap, rng.choice(topic['angles'])), size=12, align='c', after=10)
    page.para('培养单位：%s' % topic['unit'], size=12, align='c', after=40)
    page.para(when, size=14, align='c')
    return _finish(page, rng, topic, [author], year, supervisor=sup, **extra)


def journal_rank_brackets(rng):
    """A journal page whose byline gives each author's title in brackets: "甲（教授），乙（博士研究生）"."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2006, 2026), _topic(rng)
    s = topic['school']
    page.para('%s\t\t%d年第%d期' % (topic['journal'], year, rng.randint(1, 12)), size=9, after=20)
    page.para((topic['title'], {'size': 16, 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c', after=10)
    authors = _people(rng, 1, 3)
    ranks = rng.sample(RANKS, len(authors))
    page.para(rng.choice(['，', '\u3000']).join('%s（%s）' % p for p in zip(authors, ranks)), size=11, align='c',
              cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=12)
    page.para([('［内容摘要］', {'bold': True}), BODY], size=9, align='j')
    page.para([('［关键词］', {'bold': True}), '　'.join(topic['kws'])], size=9, after=12)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'])


def bulletin_banner(rng):
    """A 科研简报 / 快报: the bulletin's name large, issue and issuer between rules, the title in a
    shaded banner (a one-cell table), then "执笔：" / "撰稿：" with the writers and the text."""
    page = _page(rng, 11)
    year, when = _when(rng)
    topic = _topic(rng)
    page.para((rng.choice(['科研简报', '工作快报', '决策参考快报', '研究简报']),
               {'size': 34, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=6)
    page.para('第%d期（总第%d期）' % (rng.randint(1, 24), rng.randint(30, 300)), size=11, align='c', after=6)
    page.para('%s%s编印\t\t\t%s' % (topic['school'][0], rng.choice(['科研处', '发展规划处', topic['unit']]), when),
              size=10.5, rule='bottom', after=18)
    page.table([[(topic['title'], {'size': rng.choice([16, 18]), 'bold': True})]], widths_cm=[16.0], grid=rng.random() < 0.5,
               shade=(0,), fill=rng.choice(['D9D9D9', 'FBE4D5', 'DEEAF6']))
    authors = _people(rng, 1, 3)
    page.para('%s%s' % (rng.choice(['执笔：', '撰稿：', '执笔人：']), '\u3000'.join(authors)), size=11,
              align=rng.choice(['c', 'r']), before=8, after=12)
    page.para(BODY * 5, indent=22, align='j', line=1.3)
    return _finish(page, rng, topic, authors, year)


TEMPLATES = {
    'gen-zh-thesis-shadedgrid': thesis_shaded_grid,
    'gen-zh-journal-rightbyline': journal_right_byline,
    'gen-zh-report-groupmembers': report_group_members,
    'gen-zh-doctor-sameline': doctor_sameline,
    'gen-zh-journal-rankbrackets': journal_rank_brackets,
    'gen-zh-bulletin-banner': bulletin_banner,
}
