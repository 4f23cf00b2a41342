"""A forty-second set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in farming, medicine, environment, engineering and computing of schools of their
own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('佳木斯大学', 'Jiamusi University', '佳木斯', '154007', '黑龙江'),
           ('牡丹江医学院', 'Mudanjiang Medical University', '牡丹江', '157011', '黑龙江'),
           ('黑龙江工程学院', 'Heilongjiang Institute of Technology', '哈尔滨', '150050', '黑龙江')]
DOMAINS = [dict(subjects={'三江平原湿地': ['湿地碳汇估算', '湿地退化监测'], '抚远鲟鳇鱼': ['鲟鳇鱼人工繁育', '鲟鳇鱼种质保存'],
                          '桦南白浆土': ['白浆土改良', '白浆土养分流失']},
                contexts=['抚远市', '同江市', '桦南县'], units=['农学院', '生命科学学院', '信息电子技术学院'],
                majors=['农业资源与环境', '水产养殖', '计算机科学与技术']),
           dict(subjects={'镜泊湖蓝藻': ['水华暴发风险评估', '藻毒素暴露评估'], '绥芬河口岸': ['口岸输入性传染病', '口岸检疫筛查'],
                          '海林猴头菇': ['猴头菇多糖药理', '猴头菇菌糠利用']},
                contexts=['宁安市', '穆棱市', '林口县'], units=['公共卫生学院', '药学院', '第一临床医学院'],
                majors=['流行病与卫生统计学', '药物化学', '内科学']),
           dict(subjects={'界江冰凌': ['冰凌遥感提取', '开江期预报'], '寒区公路冻胀': ['冻融循环监测', '路基冻胀变形预测'],
                          '寒地日光温室': ['温室环境调控', '光伏供热耦合']},
                contexts=['兰西县', '青冈县', '明水县'], units=['土木与建筑工程学院', '计算机科学与技术学院', '测绘工程学院'],
                majors=['土木工程', '计算机技术', '测绘科学与技术'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的试验研究', '基于多源数据的{s}{a}', '{s}{a}方法及其在{c}的应用', '{c}{s}{a}特征分析']
BODY = '本研究以野外观测、室内试验与数值模拟相结合，分析研究对象的时空变化及其影响因素，建立相应的评价模型，并在典型区域验证其精度与适用性。'
REFS = ['寒区作物秸秆还田对土壤团聚体的影响', '低温条件下农机作业效率评价', '黑土区坡耕地侵蚀沟治理模式',
        '东北粳稻育秧基质筛选试验', '农田防护林对风蚀的削减作用', '寒地设施蔬菜节水灌溉制度']


def _topic(rng, forms=FORMS, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _unit_line(s, units):
    """"（<school><unit>，province city postcode）", the units numbered when there are two."""
    if len(units) == 1:
        return '（%s%s，%s %s %s）' % (s[0], units[0], s[4], s[2], s[3])
    return '（' + '；'.join('%d. %s%s，%s %s %s' % (k + 1, s[0], u, s[4], s[2], s[3]) for k, u in enumerate(units)) + '）'


def _byline(rng, authors, nunits, extra=None):
    """Runs of the byline: each name with its unit number (when there are two units) and any extra
    mark the house adds (extra(k) -> text)."""
    runs = []
    for k, a in enumerate(authors):
        runs.append((a, {'size': 12}))
        mark = ('1' if k == 0 or nunits == 1 else rng.choice('12')) if nunits > 1 else ''
        mark += extra(k) if extra else ''
        if mark:
            runs.append((mark, {'sup': True, 'size': 9}))
        if k < len(authors) - 1:
            runs.append(rng.choice(['，', '\u3000', '\u2002']))
    return runs


def proceedings_page(rng):
    """A page of a farming-engineering meeting's bound proceedings on which a paper begins: the
    volume's running head and page number over a rule, the last references of the paper before
    it, then the new paper's title, byline, unit, 摘要, 关键词 and text."""
    page = _page(rng, 10.5)
    t = _topic(rng, among=[0, 2])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    head = '%d年全国寒地农业工程学术会议论文集' % year if rng.random() < 0.6 else '寒地农业工程学术会议论文集（%d）' % year
    sized_table(page, [[head, '· %d ·' % rng.randint(20, 480)]], [12.0, 4.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=8)
    page.para(BODY[:rng.randint(30, 60)] + '。', size=10, align='j', indent=21, after=4)
    page.para(('参考文献：', {'bold': True, 'cjk': rng.choice(HEI)}), size=9, after=2)
    first = rng.randint(5, 14)
    for k in range(rng.randint(2, 4)):
        names = '，'.join(_people(rng, rng.randint(1, 3), authors))
        page.para('[%d] %s. %s[J]. 农业工程学报，%d，%d（%d）：%d-%d.' % (
            first + k, names, rng.choice(REFS), rng.randint(1998, year - 1), rng.randint(10, 38), rng.randint(1, 24),
            rng.randint(10, 200), rng.randint(201, 260)), size=8.5, after=1)
    page.para('', after=rng.choice([18, 24, 30]))
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    units = [t['unit']] if len(authors) == 1 or rng.random() < 0.5 else rng.sample(t['d']['units'], 2)
    page.para(_byline(rng, authors, len(units)), align='c', cjk=rng.choice(KAI + SONG), after=3)
    page.para(_unit_line(s, units), size=9, align='c', after=12)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=10)
    page.para(('0\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 3, align='j', indent=21, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def supervisorgroup_doctor(rng):
    """A clinical medicine doctor's (professional degree) cover: the classification and school code
    in a top row, the school, the kind, the title, and the particulars as centred label lines in
    which the supervision is a group, "导师组：A（组长）、B、C" or "导师组：组长 A；成员 B、C"; the
    teaching hospital and the date close the page."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的临床研究', '{c}{s}{a}的流行特征研究', '{s}{a}及其机制研究'], among=[1])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    group = _people(rng, rng.randint(2, 4), [student])
    sized_table(page, [['分类号：R%d' % rng.randint(181, 599), '学校代码：%d' % rng.randint(10200, 10299)]],
                [8.0, 8.0], size=10.5, align=['l', 'r'])
    page.para('密级：%s' % rng.choice(['公开', '无']), size=10.5, align='r', after=rng.choice([40, 60, 80]))
    page.para((s[0], {'size': rng.choice([26, 30]), 'cjk': rng.choice(KAI)}), align='c', after=10)
    page.para((rng.choice(['博士学位论文（专业学位）', '临床医学博士专业学位论文', '专业学位博士研究生学位论文']),
               {'size': 18, 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=rng.choice([60, 80]))
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=rng.choice([60, 80, 100]))
    if rng.random() < 0.5:
        tutors = '%s（组长）、%s' % (group[0], '、'.join(group[1:]))
    else:
        tutors = '组长\u2002%s；成员\u2002%s' % (group[0], '、'.join(group[1:]))
    rows = [('研 究 生', student), ('导 师 组', tutors), ('专业学位类别', '临床医学'), ('专业领域', t['major']),
            ('培养单位', '%s附属%s医院' % (s[0], rng.choice(['第一', '第二', '红十字'])))]
    for lab, val in rows:
        page.para([('%s：' % lab, {'bold': True}), (val, {'u': True})], size=rng.choice([13, 14]), align='c', after=8)
    page.para('', after=rng.choice([40, 60]))
    page.para(zh_date(year, rng.choice([4, 5, 6])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([4, 5, 6])),
              size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=group[0])


def graphicalabstract_journal(rng):
    """An environment journal's research article: the journal, volume and issue left and the column
    right over a rule, the title, a byline with unit numbers, the numbered units, then a framed
    图文摘要 (a shaded figure area and its caption) before 摘要 and 关键词, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2016, 2026)
    authors = _people(rng, rng.randint(1, 4))
    sized_table(page, [['寒区环境科学\u3000第%d卷第%d期\u2003%d年%d月' % (rng.randint(8, 40), rng.randint(1, 12), year, rng.randint(1, 12)),
                        (rng.choice(['研究论文', '研究报告', '论著']), {'bold': True})]], [12.0, 4.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    units = [t['unit']] if len(authors) == 1 or rng.random() < 0.4 else rng.sample(t['d']['units'], 2)
    page.para(_byline(rng, authors, len(units)), align='c', cjk=rng.choice(KAI + SONG), after=3)
    page.para(_unit_line(s, units), size=9, align='c', after=10)
    page.para(('图文摘要', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=2)
    page.table([['\n\n[图]\u2002研究区位置、采样点布设与主要过程示意\n\n'],
                      ['%s：%s' % (rng.choice(['图注', '说明']), BODY[:40])]], widths_cm=[15.0], size=9, grid=True)
    page.para('', after=8)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(t['kws'])], size=9, after=3)
    page.para([('中图分类号：', {'bold': True}), 'X%d' % rng.randint(10, 899), '\u3000', ('文献标志码：', {'bold': True}), 'A'],
              size=9, after=10)
    page.para(BODY * 3, align='j', indent=21, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def equalcontrib_xuebao(rng):
    """A computing 学报 article: the journal line and the DOI over a rule, the title, a byline in
    which the first two authors carry a dagger (equal contribution) and one author a star
    (corresponding), the numbered units, 摘要, 关键词 and 中图法分类号, a short text, and at the foot
    over a rule the notes for the dagger and the star, 收稿日期 and 基金项目."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的深度学习方法', '面向{s}的{a}算法', '基于边缘计算的{s}{a}系统'], among=[0, 2])
    s = t['school']
    year = rng.randint(2017, 2026)
    authors = _people(rng, rng.randint(2, 5))
    equal = rng.random() < 0.7
    corr = rng.choice([len(authors) - 1, 0]) if rng.random() < 0.8 else len(authors) - 1
    issue = rng.randint(1, 12)
    page.para('计算机工程与寒区应用\u3000%d年第%d期\u3000DOI：10.%d/j.issn.%04d-%04d.%d.%02d.%03d' % (
        year, issue, rng.randint(11000, 19999), rng.randint(1000, 9999), rng.randint(1000, 9999), year, issue,
        rng.randint(1, 90)), size=8.5, align=rng.choice(['l', 'c']), rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    units = rng.sample(t['d']['units'], 2) if rng.random() < 0.6 else [t['unit']]

    def marks(k):
        return ('†' if equal and k < 2 else '') + ('*' if k == corr else '')
    page.para(_byline(rng, authors, len(units), marks), align='c', cjk=rng.choice(KAI + SONG), after=3)
    page.para(_unit_line(s, units), size=9, align='c', after=12)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=3)
    page.para([('中图法分类号：', {'bold': True}), 'TP%d' % rng.randint(181, 399)], size=9, after=10)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 2, align='j', indent=21, size=10.5, after=rng.choice([30, 50]))
    notes = []
    if equal:
        notes.append('†共同第一作者（%s与%s对本文贡献相同）' % (authors[0], authors[1]))
    notes.append('*通信作者：%s，E-mail：%s@%s' % (authors[corr], rng.choice(['cs', 'lab', 'gis']) + str(rng.randint(10, 99)),
                                                  rng.choice(['hlju.edu.cn', 'jmsu.edu.cn', 'mail.example.cn'])))
    page.para('收稿日期：%d-%02d-%02d；基金项目：黑龙江省自然科学基金项目（LH%d%s%03d）' % (
        year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28), year - 1, rng.choice('CDE'), rng.randint(1, 300)),
        size=8, rule='top', after=1)
    for n in notes:
        page.para(n, size=8, after=1)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def editorline_journal(rng):
    """A cold-region engineering and meteorology journal: a shaded ribbon with the journal and the
    issue on the left and the received, revised and online dates on the right, the title, byline
    and units, then "（责任编辑：X）" on a line of its own, flush right (the editor is no author),
    摘要 and 关键词 in square brackets, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的数值模拟', '{c}{s}{a}的观测分析', '{s}{a}的统计特征'], among=[0, 2])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 4))
    editor = _people(rng, 1, authors)[0]
    got = (year - 1, rng.randint(6, 12), rng.randint(1, 28))
    dates = '收稿日期：%d-%02d-%02d\u2002修回日期：%d-%02d-%02d' % (got + (year, rng.randint(1, 3), rng.randint(1, 28)))
    sized_table(page, [['寒旱区工程与气象\u3000%d年第%d期' % (year, rng.randint(1, 6)), dates]], [8.0, 8.0],
                size=8.5, align=['l', 'r'], shade=(0, 1), fill=rng.choice(['D9E2F3', 'E2EFD9', 'DDDDDD']))
    page.para('', after=rng.choice([18, 24]))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    units = [t['unit']] if len(authors) == 1 or rng.random() < 0.5 else rng.sample(t['d']['units'], 2)
    page.para(_byline(rng, authors, len(units)), align='c', cjk=rng.choice(KAI), after=3)
    page.para(_unit_line(s, units), size=9, align='c', after=2)
    page.para('（责任编辑：%s）' % editor, size=9, align='r', after=10)
    page.para([('［摘\u3000要］', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('［关键词］', {'bold': True}), '\u3000'.join(t['kws'])], size=9, after=12)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-coldagrieng-proceedingspage-prevpaperreferencestail': proceedings_page,
             'gen-zh-clinicaldoctor-supervisorgroupline-hospitalunit': supervisorgroup_doctor,
             'gen-zh-coldenvjournal-graphicalabstractbox-beforeabstract': graphicalabstract_journal,
             'gen-zh-computingxuebao-equalcontributiondagger-corrstarfootnotes': equalcontrib_xuebao,
             'gen-zh-coldmeteojournal-datesribbon-editorlineunderunits': editorline_journal}
