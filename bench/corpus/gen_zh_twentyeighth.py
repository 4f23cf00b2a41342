"""A twenty-eighth set of Chinese first pages of papers, theses and reports in geology and hazards,
plateau farming, clinical medicine and groundwater, in layouts and schools of their own."""
from genbase import zh_person
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('西藏农牧学院', 'Tibet Agricultural and Animal Husbandry University', '林芝', '860000', '西藏'),
           ('成都理工大学', 'Chengdu University of Technology', '成都', '610059', '四川'),
           ('滨州医学院', 'Binzhou Medical University', '滨州', '256603', '山东'),
           ('河北地质大学', 'Hebei GEO University', '石家庄', '050031', '河北')]
FORMS = ['{s}{a}研究', '{c}{s}{a}特征分析', '{s}{a}的影响因素', '{c}{s}{a}的试验研究', '{s}{a}的定量方法']
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'藏猪': ['放牧育肥', '粪便微生物组'], '高原草甸': ['退化恢复', '土壤碳储量'],
                          '松茸': ['人工促繁', '采收规范']},
                contexts=['米林市', '工布江达县', '波密县'], units=['动物科学学院', '植物科学学院', '资源与环境学院'],
                majors=['畜牧', '草学', '农艺与种业'], field='高原农牧业', forms=FORMS),
           dict(subjects={'泥石流': ['危险性评价', '临界雨量'], '同震滑坡': ['易发性制图', '堆积体稳定性'],
                          '崩塌落石': ['运动轨迹', '柔性防护结构']},
                contexts=['汶川县', '茂县', '九寨沟县'], units=['环境与土木工程学院', '地球科学学院', '地质灾害防治与地质环境保护国家重点实验室'],
                majors=['地质工程', '岩土工程', '地质资源与地质工程'], field='山地灾害防治', forms=FORMS),
           dict(subjects={'糖尿病足': ['创面修复', '截肢风险'], '手足口病': ['流行特征', '重症预测'],
                          '胃癌早筛': ['血清标志物', '内镜随访']},
                contexts=['沾化区', '无棣县', '惠民县'], units=['临床医学院', '公共卫生与管理学院', '附属医院'],
                majors=['外科学', '流行病与卫生统计学', '内科学'], field='临床与公共卫生',
                forms=['{s}患者{a}研究', '{c}{s}{a}分析', '{s}{a}的临床观察', '{s}{a}相关因素分析']),
           dict(subjects={'地下水超采': ['回补效果', '水位恢复'], '白洋淀': ['沉积物重金属', '水生植被恢复'],
                          '地面沉降': ['雷达干涉监测', '沉降漏斗演化']},
                contexts=['安新县', '容城县', '正定县'], units=['水资源与环境学院', '地球科学学院', '城市地质与工程学院'],
                majors=['水文学及水资源', '环境科学与工程', '地质工程'], field='华北平原水环境', forms=FORMS)]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '通过野外调查与室内试验获取数据，采用统计方法分析其变化规律，所得结论可为当地生产与管理提供依据。'


def _topic(rng, among=(0, 1, 2, 3), forms=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _joined(rng, names):
    return rng.choice(['，', '、', '\u3000', '  ']).join(names)


def env_structured(rng):
    """An environment or hazards journal article: the journal's name in a shaded cell beside the volume
    and issue, the title flush left, the authors and their unit, and an abstract in four bracketed
    parts (【目的】【方法】【结果】【结论】), each on its own line, then the keywords and codes."""
    page = _page(rng, 10)
    t = _topic(rng, (1, 3))
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    journal = rng.choice(['地质灾害与环境保护', '水文地质工程地质', '环境监测与预警', '地下水与环境'])
    sized_table(page, [[(journal, {'bold': True, 'size': rng.choice([13, 14]), 'cjk': rng.choice(KAI + HEI)}),
                        ('第%d卷第%d期\n%d年%d月' % (year - 1990, rng.randint(1, 12), year, rng.randint(1, 12)),
                         {'size': 8.5})]], [9.0, 7.0], align=['l', 'r'], shade=(0,),
                fill=rng.choice(['D9E2F3', 'E2EFD9', 'DDDDDD']))
    page.para('', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=8)
    page.para(_joined(rng, authors), size=11, align='l', cjk=rng.choice(KAI + SONG), after=3)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='l', after=12)
    parts = ['目的', '方法', '结果', '结论']
    for k, h in enumerate(parts):
        lead = [('摘要：', {'bold': True, 'cjk': rng.choice(HEI)})] if k == 0 and rng.random() < 0.5 else []
        page.para(lead + [('【%s】' % h, {'bold': True, 'cjk': rng.choice(HEI)}),
                          ('以%s为对象开展%s研究。' % (t['s'], t['a']) if k == 0 else BODY)],
                  size=9, align='j', after=1)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(t['kws'])], size=9, before=4, after=2)
    page.para('中图分类号：%s\u3000\u3000文献标志码：A\u3000\u3000DOI：10.%d/j.cnki.%d.%d.%02d.%03d' % (
        rng.choice(['P642.23', 'X141', 'P641.2', 'X523']), rng.randint(13000, 13999), rng.randint(1000, 9999), year,
        rng.randint(1, 12), rng.randint(1, 300)), size=8.5, after=14)
    page.columns(2)
    page.para(('0\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 5, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def agrimaster_leaders(rng):
    """A 农业硕士 (or other farming master's) thesis cover: the codes in a small grid top right, the
    school and degree, "论文题目：" with the title, and centred lines whose label and value are joined
    by a run of dots."""
    page = _page(rng, 12)
    t = _topic(rng, (0,))
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    sized_table(page, [['分类号', rng.choice(['S828', 'S812', 'S646'])], ['密\u3000级', '公开'],
                       ['学\u3000号', '%d%05d' % (year - 3, rng.randint(1, 99999))]], [2.0, 3.0], size=9,
                grid=rng.random() < 0.6, align=['l', 'l'])
    page.para('', after=30)
    page.para((s[0], {'size': rng.choice([26, 28]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='c', after=6)
    page.para((rng.choice(['农业硕士专业学位论文', '硕士学位论文（农业硕士）', '专业学位硕士论文']),
               {'size': rng.choice([18, 20]), 'cjk': rng.choice(HEI + SONG)}), align='c', after=60)
    page.para([('论文题目：', {'bold': True, 'size': 14}),
               (t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})],
              align=rng.choice(['l', 'c']), after=60, line=1.3)
    dots = rng.choice(['……………', '·········', '．．．．．．'])
    for k, v in [('研究生', student), ('指导教师', sup + rng.choice(['\u3000教授', '\u3000副教授', ''])),
                 ('专业领域', t['major']), ('培养单位', s[0] + t['unit']),
                 ('完成时间', '%d年%d月' % (year, rng.choice([4, 5, 6])))]:
        page.para([(k, {'bold': rng.random() < 0.5}), dots, v], size=rng.choice([13, 14]), align='c', after=8)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def geosurvey_cover(rng):
    """The cover of a geological or hazard survey report: the programme and its project code over a
    double rule, the report's title, then "项目负责人", "编写人员" (the authors, the head first), the
    units that submitted and approved it and the date, right-aligned labels in a table."""
    page = _page(rng, 12)
    t = _topic(rng, (1, 3), ['{c}{s}{a}调查报告', '{c}{s}{a}专项调查成果报告', '{c}1∶5万{s}调查评价报告',
                             '{c}{s}{a}勘查报告'])
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 5))
    page.para([('%s地质调查项目' % rng.choice(['省级', '中国地质调查局', '自然资源部']), {'bold': True}),
               '\u3000\u3000项目编号：DD%d%04d' % (year - 1, rng.randint(1, 9999))], size=10, align='c', after=2)
    page.para('', rule='both', after=60)
    page.para((t['title'], {'size': rng.choice([22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=70, line=1.3)
    rows = [('项目负责人', authors[0]), ('编写人员', _joined(rng, authors)),
            ('提交单位', s[0] + t['unit']), ('批准单位', '%s自然资源厅' % s[4]),
            ('提交时间', '%d年%d月' % (year, rng.randint(1, 12)))]
    colon = rng.choice(['：', ''])
    sized_table(page, [[(k + colon, {'bold': True}), v] for k, v in rows], [4.0, 10.0], size=13,
                align=['r', 'l'], grid=rng.random() < 0.3)
    page.para('', after=50)
    page.para('%s\n%d年%d月' % (s[0], year, rng.randint(1, 12)), size=14, align='c', cjk=rng.choice(KAI + SONG))
    return _finish(page, rng, t['title'], authors, year)


def computing_englishbelow(rng):
    """A 学报 article in computing, mapping or monitoring: the running head over a rule, the title, the
    authors with unit numbers, the numbered units, the Chinese abstract and keywords, and then the English
    title, the authors in pinyin, the units and an English abstract on the same page."""
    page = _page(rng, 10)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    n = rng.randint(1, 4)
    people = []
    while len(people) < n:
        p = zh_person(rng)
        if p[0] not in [q[0] for q in people]:
            people.append(p)
    authors = [p[0] for p in people]
    two = n > 1 and rng.random() < 0.6
    marks = [1 if k == 0 or not two or rng.random() < 0.5 else 2 for k in range(n)]
    page.para('第%d卷 第%d期\u3000\u3000%s学报（自然科学版）\u3000\u3000%d年%d月' % (
        year - 1980, rng.randint(1, 6), s[0], year, rng.randint(1, 12)), size=8.5, align='c', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=6)
    byline = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        byline.append(a)
        if two:
            byline.append((str(m), {'sup': True}))
        if k < n - 1:
            byline.append('，')
    page.para(byline, size=11.5, align='c', cjk=rng.choice(KAI + SONG), after=3)
    units = ['%s%s，%s %s' % (s[0], t['unit'], s[2], s[3]), '%s%s，%s %s' % (s[0], rng.choice(t['d']['units']), s[2], s[3])]
    page.para('（%s）' % ('；'.join('%d. %s' % (k + 1, u) for k, u in enumerate(units)) if two else units[0]),
              size=8.5, align='c', after=10)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=2)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=12)
    en_title = 'Study on %s in %s' % (rng.choice(['Field Data', 'Monitoring Results', 'Sample Analysis']),
                                      rng.choice(['Southwest China', 'North China Plain', 'Eastern Tibet']))
    page.para((en_title, {'bold': True}), size=12, align='c', after=3)
    page.para(', '.join(p[1] for p in people), size=10, align='c', after=2)
    page.para('(%s, %s %s, China)' % (s[1], s[2] if s[2] != '石家庄' else 'Shijiazhuang', s[3]), size=8.5, align='c',
              italic=True, after=6)
    page.para([('Abstract: ', {'bold': True}), 'Field and laboratory data were analysed and the main controls were '
               'identified; the results support local practice.'], size=9, align='j', after=2)
    page.para([('Key words: ', {'bold': True}), 'field survey; monitoring; evaluation'], size=9, after=12)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def station_yearbook(rng):
    """A farming station's yearly research report: a shaded band with the station and "年度研究报告",
    the title, then the programme, the leader (主持人) and the members (参加人员), who together are the
    authors, the period, and a 摘要 in a frame."""
    page = _page(rng, 10.5)
    t = _topic(rng, (0, 2), ['{c}{s}{a}年度研究报告', '{s}{a}年度进展报告', '{c}{s}{a}试验年度总结'])
    s = t['school']
    year = rng.randint(2010, 2026)
    lead = _people(rng, 1)[0]
    members = _people(rng, rng.randint(1, 4), [lead])
    station = rng.choice(t['d']['contexts']) + ('综合试验站' if t['i'] == 0 else '临床研究基地')
    sized_table(page, [[(station, {'bold': True, 'size': 12}), ('%d年度研究报告' % year, {'size': 11})]], [10.0, 6.0],
                align=['l', 'r'], shade=(0, 1), fill=rng.choice(['E7E6E6', 'DEEAF6', 'FBE4D5']))
    page.para('', after=24)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=20)
    colon = rng.choice(['：', ':\u2002'])
    for k, v in [('所属项目', '%s重点研发计划（%s）' % (s[4], t['d']['field'])), ('主持人', lead),
                 ('参加人员', _joined(rng, members)), ('承担单位', s[0] + t['unit']),
                 ('起止年限', '%d—%d' % (year - rng.randint(1, 3), year))]:
        page.para([(k + colon, {'bold': True, 'cjk': rng.choice(HEI)}), v], size=11, align='l', after=3)
    page.para('', after=12)
    sized_table(page, [[[('摘要', {'bold': True}), ('\n' + BODY * 3, {'size': 9.5})]]], [16.0], grid=True, align='l')
    return _finish(page, rng, t['title'], [lead] + members, year)


def engdoctor_band(rng):
    """A 工程博士 (or other doctoral) thesis cover whose left side is a shaded narrow band with the kind
    of thesis printed one character a line; the right side holds the school, the title and the label
    lines for the candidate, the 导师, the field and the date."""
    page = _page(rng, 12)
    t = _topic(rng, (1, 2, 3))
    s = t['school']
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    kind = rng.choice(['工程博士专业学位论文', '博士学位论文', '医学博士学位论文' if t['i'] == 2 else '工学博士学位论文'])
    band = ('\n'.join(kind), {'size': 15, 'bold': True, 'cjk': rng.choice(HEI + KAI)})
    colon = rng.choice(['：', ' ', '\u3000'])
    right = [(s[0] + '\n\n\n', {'size': rng.choice([22, 24]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}),
             (t['title'] + '\n\n\n\n', {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]
    for k, v in [('博士生', student), ('导\u3000师', sup + rng.choice(['\u3000教授', '\u3000主任医师', ''])),
                 ('学科（领域）', t['major']), ('所在学院', t['unit']),
                 ('答辩日期', '%d年%d月' % (year, rng.choice([5, 6, 12])))]:
        right += [(k + colon, {'size': 13, 'bold': rng.random() < 0.5}), (v + '\n', {'size': 13})]
    sized_table(page, [[[band], right]], [2.2, 13.8], align=['c', 'l'], shade=(0,),
                fill=rng.choice(['BDD7EE', 'D9D9D9', 'C5E0B3']))
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-hazardenvjournal-bracketedobjective': env_structured,
             'gen-zh-plateauagrimaster-dotleaders': agrimaster_leaders,
             'gen-zh-geosurvey-leaderwriters-cover': geosurvey_cover,
             'gen-zh-sciencexuebao-englishblockbelow': computing_englishbelow,
             'gen-zh-fieldstation-yearreport-shadedband': station_yearbook,
             'gen-zh-engdoctor-verticalkindband': engdoctor_band}
