"""A thirty-second set of Chinese first pages of papers, theses and reports in coastal ecology and
aquaculture, deep mining safety, clinical medicine and sensing and computing, in layouts and schools
of their own."""
from docx.shared import RGBColor
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('北部湾大学', 'Beibu Gulf University', '钦州', '535011', '广西'),
           ('湖南科技大学', 'Hunan University of Science and Technology', '湘潭', '411201', '湖南'),
           ('川北医学院', 'North Sichuan Medical College', '南充', '637000', '四川'),
           ('重庆邮电大学', 'Chongqing University of Posts and Telecommunications', '重庆', '400065', '重庆')]
FORMS = ['{s}{a}研究', '{c}{s}{a}调查', '{s}{a}的规律与机制', '{c}{s}{a}的现场试验', '{s}{a}的评估方法']
# per school: subjects with the angles that suit them, settings, units, majors, a field, title forms
DOMAINS = [dict(subjects={'红树林': ['林下底栖动物', '幼苗定植'], '近江牡蛎': ['三倍体育苗', '夏季死亡'],
                          '海漂垃圾': ['岸滩分布', '微塑料释放']},
                contexts=['钦南区', '灵山县', '浦北县'], units=['海洋学院', '资源与环境学院', '食品工程学院'],
                majors=['海洋科学', '水产养殖', '环境科学'], field='北部湾海洋生态', forms=FORMS),
           dict(subjects={'冲击地压': ['微震前兆', '卸压钻孔'], '深部煤岩': ['蠕变损伤', '声发射特征'],
                          '尾矿坝': ['浸润线监测', '溃坝模拟']},
                contexts=['湘潭县', '韶山市', '湘乡市'], units=['资源环境与安全工程学院', '土木工程学院', '机电工程学院'],
                majors=['安全科学与工程', '采矿工程', '岩土工程'], field='深部开采安全', forms=FORMS),
           dict(subjects={'尘肺病': ['肺康复训练', '肺功能分级'], '耐药肺结核': ['短程化疗', '基因型分布'],
                          '老年髋部骨折': ['术后谵妄', '早期负重']},
                contexts=['阆中市', '营山县', '仪陇县'], units=['临床医学系', '基础医学与法医学院', '附属医院'],
                majors=['内科学', '外科学', '病原生物学'], field='川东北常见病防治',
                forms=['{s}患者{a}的临床研究', '{c}{s}{a}分析', '{s}{a}的疗效观察', '{s}{a}影响因素研究']),
           dict(subjects={'毫米波雷达': ['手势识别', '生命体征检测'], '任务卸载': ['时延优化', '能耗权衡'],
                          '模型压缩': ['知识蒸馏', '量化剪枝']},
                contexts=['南岸区', '北碚区', '巴南区'], units=['通信与信息工程学院', '计算机科学与技术学院', '自动化学院'],
                majors=['信息与通信工程', '计算机科学与技术', '控制科学与工程'], field='泛在感知与计算',
                forms=['{s}{a}方法研究', '面向{s}的{a}算法', '{s}中{a}问题研究', '一种{s}{a}新方法'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '在现场与实验室取得数据，按规范处理后建立分析模型，再以独立样本检验，结果稳定，可供同类工作参考。'


def _topic(rng, among=(0, 1, 2, 3), forms=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _head(rng, journal, year):
    return '%s\u3000%d年第%d卷第%d期' % (journal, year, year - rng.choice([1975, 1980, 1985]), rng.randint(1, 6))


def journal_authorgrid(rng):
    """A journal article whose byline is a row of cells, one per author: the name in bold over the
    author's unit, city and postcode in small type; the running head over a rule, the title, then
    摘要 and 关键词 and the text in two columns."""
    page = _page(rng, 10)
    t = _topic(rng, (0, 1))
    s = t['school']
    year = rng.randint(2009, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    journal = rng.choice([['海洋与湿地科学', '南方水产科学进展'], ['矿业安全与环保工程', '煤岩力学与工程']][t['i']])
    page.para(_head(rng, journal, year), size=8.5, align=rng.choice(['l', 'r']), rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=10)
    cells = []
    for a in authors:
        unit = rng.choice(t['d']['units'])
        cells.append([(a + '\n', {'bold': True, 'size': 11, 'cjk': rng.choice(KAI + HEI)}),
                      ('%s%s\n%s %s' % (s[0], unit, s[2], s[3]), {'size': 7.5})])
    widths = [16.0 / n] * n
    sized_table(page, [cells], widths, align=['c'] * n, grid=rng.random() < 0.4)
    page.para('', after=8)
    page.para([('摘\u3000要', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000以%s为对象研究%s。' % (t['s'], t['a']),
               BODY * 2], size=9, align='j', after=2)
    page.para([('关键词', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000' + rng.choice(['；', '，', '\u3000']).join(t['kws'])],
              size=9, after=2)
    page.para('中图分类号\u3000%s\u3000\u3000文献标识码\u3000A' % rng.choice(['S968.31', 'TD324', 'X55', 'TD712']),
              size=8.5, after=12)
    page.columns(2)
    page.para(('1\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 5, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def master_inverseband(rng):
    """A master's thesis cover whose title stands in white on a dark full-width band; over it the
    school and the kind of thesis, under it the particulars as lines with a bar between label and
    value (研究生｜…, 导师｜…, 学科专业｜…, 研究方向｜…, 答辩时间｜…)."""
    page = _page(rng, 12)
    t = _topic(rng, (0, 3))
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('学校代码：%s\u3000\u3000学号：%d%04d' % ('11607' if t['i'] == 0 else '10617', year - 3, rng.randint(1, 9999)),
              size=9, align='r', after=40)
    page.para((s[0], {'size': rng.choice([26, 28]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='c', after=6)
    page.para((rng.choice(['硕士学位论文', '全日制专业学位硕士论文', '学术学位硕士论文']),
               {'size': rng.choice([16, 18]), 'cjk': rng.choice(HEI + SONG)}), align='c', after=40)
    band = sized_table(page, [[('\n' + t['title'] + '\n', {'size': rng.choice([18, 20]), 'bold': True,
                                                           'cjk': rng.choice(HEI + SONG)})]], [16.0], align=['c'],
                       shade=(0,), fill=rng.choice(['1F3864', '385723', '404040']))
    for run in band.cell(0, 0).paragraphs[0].runs:
        run.font.color.rgb = RGBColor(0xFF, 0xFF, 0xFF)
    page.para('', after=50)
    bar = rng.choice(['｜', ' | ', '\u2002│\u2002'])
    align = rng.choice(['c', 'l'])
    for k, v in [('研\u3000究\u3000生', student), ('导\u3000\u3000\u3000师', sup + rng.choice(['\u3000教授', '\u3000副教授', ''])),
                 ('学科专业', t['major']), ('研究方向', t['d']['field']),
                 ('答辩时间', '%d年%d月' % (year, rng.choice([5, 6, 12])))]:
        page.para([(k, {'bold': rng.random() < 0.5, 'cjk': rng.choice(HEI + SONG)}), bar, v],
                  size=rng.choice([13, 14]), align=align, after=6)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def kejibaogao_codestrip(rng):
    """The cover of a science and technology report: a framed strip of codes (报告编号, 密级, 公开范围,
    页数) across the top, "科技报告" and the title, then one line naming who wrote it (编写, the
    authors), checked it (校核) and approved it (批准), the unit and the date."""
    page = _page(rng, 12)
    t = _topic(rng, (1, 3), ['{c}{s}{a}技术报告', '{s}{a}关键技术研究报告', '{s}{a}试验研究报告'])
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    checker, approver = _people(rng, 2, authors)
    code = '%s-%d-%03d' % (('HNUST' if t['i'] == 1 else 'CQUPT') if rng.random() < 0.5 else 'KJBG', year,
                           rng.randint(1, 200))
    sized_table(page, [[('报告编号', {'bold': True}), code, ('密级', {'bold': True}), '公开',
                        ('公开范围', {'bold': True}), rng.choice(['公开', '行业内']), ('页数', {'bold': True}),
                        str(rng.randint(30, 160))]], [2.0, 3.6, 1.2, 1.2, 2.0, 1.6, 1.2, 1.2], size=9,
                grid=True, align=['c'] * 8, shade=(0, 2, 4, 6) if rng.random() < 0.5 else ())
    page.para('', after=50)
    page.para(('科\u3000技\u3000报\u3000告', {'size': rng.choice([26, 30]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=40)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + KAI)}), align='c',
              after=70, line=1.3)
    sep = rng.choice(['、', '，'])
    page.para([('编写：', {'bold': True}), sep.join(authors), '\u3000\u3000', ('校核：', {'bold': True}), checker,
               '\u3000\u3000', ('批准：', {'bold': True}), approver], size=rng.choice([12, 13]), align='c', after=50)
    page.para('%s%s\n%d年%d月' % (s[0], t['unit'], year, rng.randint(1, 12)), size=14, align='c',
              cjk=rng.choice(KAI + SONG))
    return _finish(page, rng, t['title'], authors, year)


def journal_highlights(rng):
    """A journal article with a framed list of highlights (【亮点】 and two or three points) between
    the byline and the abstract; the column name and the journal over a rule, the title flush left,
    the authors, the units in one line, then 摘要, 关键词 and the text."""
    page = _page(rng, 10)
    t = _topic(rng, (2, 3))
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 4))
    column = rng.choice(['研究快报', '论著', '专题研究', '技术与方法'])
    journal = rng.choice(['川北医学', '临床肺病与康复'] if t['i'] == 2 else ['智能感知与计算', '嵌入式信号处理'])
    page.para([(column, {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000\u3000' + _head(rng, journal, year)],
              size=9, align='l', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['l', 'c']), after=6)
    page.para(rng.choice(['，', '\u3000', '、']).join(authors), size=11, align=rng.choice(['l', 'c']),
              cjk=rng.choice(KAI + SONG), after=3)
    page.para('（%s%s，%s %s）' % (s[0], t['unit'], s[2], s[3]), size=8.5, align='l', after=10)
    points = ['建立了%s%s的分析框架' % (t['s'], t['a']), '基于%s的实测数据完成了验证' % rng.choice(t['d']['contexts']),
              '给出了可推广的参数取值']
    lines = [('【亮点】', {'bold': True, 'cjk': rng.choice(HEI)})]
    for k, p in enumerate(points[:rng.randint(2, 3)]):
        lines.append(('\n%s\u2002%s' % (rng.choice(['●', '◆', '%d.' % (k + 1)]), p), {'size': 9}))
    sized_table(page, [[lines]], [16.0], grid=True, align=['l'], shade=(0,) if rng.random() < 0.5 else (),
                fill=rng.choice(['F2F2F2', 'FFF2CC', 'E2EFD9']))
    page.para('', after=6)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9, align='j', after=2)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=12)
    page.para(('1\u3000资料与方法' if t['i'] == 2 else '1\u3000问题描述', {'bold': True, 'cjk': rng.choice(HEI)}),
              size=10.5, after=3)
    page.para(BODY * 4, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def medmaster_checkboxkind(rng):
    """A medical master's thesis cover on which the kind of degree is ticked among boxes
    (■科学学位 □专业学位 or the like), then the title, and a two-column grid of particulars."""
    page = _page(rng, 12)
    t = _topic(rng, (2,))
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    on, off = rng.choice([('■', '□'), ('☒', '☐'), ('√', '□')])
    pro = rng.random() < 0.6
    page.para('分类号：%s\u3000\u3000\u3000\u3000密级：公开' % rng.choice(['R563', 'R52', 'R683.3']), size=9.5, align='l',
              after=40)
    page.para((s[0], {'size': rng.choice([28, 30]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='c', after=6)
    page.para(('硕士学位论文', {'size': 20, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para('%s科学学位\u3000\u3000%s专业学位（临床医学硕士）' % (off if pro else on, on if pro else off),
              size=12, align='c', after=60)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=60, line=1.3)
    rows = []
    for k, v in [('研究生姓名', student), ('指导教师', sup + rng.choice(['\u3000主任医师', '\u3000教授', ''])),
                 ('专业名称', t['major']), ('培养单位', s[0] + t['unit']),
                 ('完成日期', '%d年%d月' % (year, rng.choice([4, 5])))]:
        rows.append([(k, {'bold': rng.random() < 0.5, 'size': 13}), (v, {'size': 13})])
    sized_table(page, rows, [4.0, 9.0], align=['c', 'l'], grid=rng.random() < 0.5)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def journal_authorsfirst(rng):
    """A short clinical or field report whose authors stand over the title: the journal's line over
    a rule, the authors in one line, the title large under them, the units in a parenthesis, then
    【摘要】 and 【关键词】 and the text."""
    page = _page(rng, 10)
    t = _topic(rng, (0, 2))
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 4))
    journal = rng.choice(['川东北医药', '西南临床杂志'] if t['i'] == 2 else ['北部湾水产', '南海海洋生态'])
    page.para(_head(rng, journal, year), size=8.5, align='c', rule='bottom', after=16)
    page.para(rng.choice(['\u3000', '，', '、']).join(authors), size=rng.choice([11, 12]), align='l',
              cjk=rng.choice(KAI + HEI), after=6)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=6)
    page.para('（%s%s，%s %s）' % (s[0], t['unit'], s[4] + s[2] if s[4] != s[2] else s[2], s[3]), size=9, align='l',
              after=12)
    page.para([('【摘要】', {'bold': True}), BODY * 2], size=9, align='j', after=2)
    page.para([('【关键词】', {'bold': True}), '；'.join(t['kws'])], size=9, after=12)
    page.columns(2)
    page.para(BODY * 6, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-mangroveminejournal-authorcells-nameoverunit': journal_authorgrid,
             'gen-zh-coastalsensingmaster-whitetitleband': master_inverseband,
             'gen-zh-miningsensing-kejibaogao-codestrip-checker': kejibaogao_codestrip,
             'gen-zh-clinicalradarjournal-highlightsframe': journal_highlights,
             'gen-zh-pneumomedmaster-tickboxdegreekind': medmaster_checkboxkind,
             'gen-zh-oysterlungjournal-authorsabovetitle': journal_authorsfirst}
