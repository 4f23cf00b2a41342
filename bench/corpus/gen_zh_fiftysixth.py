"""A fifty-sixth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in crop and animal science, medicine, engineering and computing of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('井冈山大学', 'Jinggangshan University', '吉安', '343009', '江西'),
           ('延边大学', 'Yanbian University', '延吉', '133002', '吉林'),
           ('临沂大学', 'Linyi University', '临沂', '276000', '山东')]
DOMAINS = [dict(subjects={'井冈蜜柚': ['蜜柚果园土壤酸化', '蜜柚采后保鲜'], '狗牯脑茶园': ['茶园病虫害绿色防控', '茶多酚提取工艺'],
                          '泰和乌鸡': ['乌鸡黑色素沉积', '乌鸡肠道菌群']},
                contexts=['遂川县', '永新县', '泰和县'], units=['生命科学学院', '医学部', '电子与信息工程学院'],
                majors=['农艺与种业', '临床医学', '计算机技术']),
           dict(subjects={'延边黄牛': ['黄牛肌内脂肪沉积', '黄牛冻精繁育'], '图们江冷水鱼': ['冷水鱼循环水养殖', '冷水鱼寄生虫病'],
                          '敦化平贝母': ['平贝母生物碱含量', '平贝母连作障碍']},
                contexts=['珲春市', '汪清县', '龙井市'], units=['农学院', '医学院', '工学院'],
                majors=['畜牧', '药学', '机械工程']),
           dict(subjects={'蒙阴蜜桃': ['蜜桃冷链物流温控', '桃园无人机植保'], '沂南金银花': ['金银花绿原酸检测', '金银花烘干设备'],
                          '平邑石材矿山': ['矿山边坡稳定性监测', '石材粉尘职业暴露']},
                contexts=['蒙阴县', '沂南县', '平邑县'], units=['农林科学学院', '机械与车辆工程学院', '信息科学与工程学院'],
                majors=['农业工程', '电子信息', '公共卫生'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本研究采集田间、养殖场与医院的样本和监测数据，采用对照试验与模型分析，比较不同处理之间的差异，明确主要影响因子，为生产实践与技术推广提供依据。'
RANKS = ['教授', '副教授', '研究员']
FORMS = ['{s}{a}的试验研究', '{c}{a}的调查与分析', '基于深度学习的{a}方法', '{a}关键技术研究']


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def clinical_journal_article(rng):
    """A medical and life science journal's article: a column tag left and the DOI right in one
    strip over a rule, the title, names with superscript unit numbers, the numbered units, the
    corresponding author's line straight under the units, 【摘要】 with run-in 目的/方法/结果/结论,
    【关键词】 and 【基金项目】 in bracket labels, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 5))
    units = ['%s%s%s，%s\u2002%s' % (t['school'][0], rng.choice(['附属医院', '']), u, t['school'][2], t['school'][3])
             for u in rng.sample(t['d']['units'], min(len(authors), rng.randint(1, 2)))]
    marks = [rng.randrange(len(units)) if k else 0 for k in range(len(authors))]
    sized_table(page, [[rng.choice(['·论著·', '·基础研究·', '·临床研究·', '·实验研究·']),
                        'DOI：10.%d/j.cn%d-%d%04d' % (rng.randint(3760, 3969), rng.randint(100000, 999999), year, rng.randint(1, 9999))]],
                [6.0, 10.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([14, 22]))
    _title(page, rng, t['title'], (16, 18, 20), after=8)
    page.para([x for k, a in enumerate(authors) for x in (a, (str(marks[k] + 1), {'sup': True}), '\u2003')][:-1] if len(units) > 1
              else '\u2003'.join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=4)
    page.para('；'.join(('%d\u2002%s' % (k + 1, u)) if len(units) > 1 else u for k, u in enumerate(units)), size=8.5, align='c', after=2)
    corr = rng.choice(authors)
    page.para('通信作者：%s，Email：%s%d@%s' % (corr, rng.choice(['med', 'bio', 'lab']), rng.randint(100, 999), rng.choice(['163.com', '126.com'])),
              size=8.5, align='c', after=12)
    page.para([_bold('【摘要】', rng)] + [x for lab in ('目的', '方法', '结果', '结论') for x in ((lab + '\u2002', {'bold': True}), BODY[:40] + '。')],
              size=9, align='j', after=3)
    page.para([_bold('【关键词】', rng), '；'.join(t['kws'])], size=9, after=3)
    page.para([_bold('【基金项目】', rng), '%s自然科学基金（%d%s%04d）' % (t['school'][4], year - rng.randint(1, 3), rng.choice(['JJ', 'ZR', 'KY']),
                                                                    rng.randint(1, 9999))], size=9, after=12)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def computing_conference_boxed(rng):
    """A paper of a national meeting on agricultural information technology: the meeting in a head
    line over a rule, the title, byline and numbered units together in one framed box, then one row
    of two cells with the Chinese abstract and keywords left and the English abstract and key words
    right, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['基于深度学习的{a}方法', '面向{s}的{a}系统设计', '{a}的机器视觉识别'])
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    n = rng.randint(1, min(2, len(authors)))
    page.para('第%d届全国智慧农业与信息技术学术会议（%d）' % (rng.randint(3, 18), year), size=8.5, align=rng.choice(['l', 'c']),
              rule='bottom', after=rng.choice([12, 18]), italic=rng.random() < 0.5)
    byline = '\u2002\u2002'.join('%s%s' % (a, '' if n == 1 else str(min(k, n - 1) + 1)) for k, a in enumerate(authors))
    units = '\n'.join(('' if n == 1 else '%d. ' % (k + 1)) + '%s%s，%s\u2002%s' % (t['school'][0], u, t['school'][2], t['school'][3])
                      for k, u in enumerate(rng.sample(t['d']['units'], n)))
    box = [(t['title'] + '\n', {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}),
           (byline + '\n', {'size': 11, 'cjk': rng.choice(KAI)}), (units, {'size': 8.5})]
    sized_table(page, [[box]], [15.5], align=['c'], grid=True, shade=(0,) if rng.random() < 0.4 else (),
                fill=rng.choice(['F2F2F2', 'EAF1DD']))
    page.para('', after=8)
    left = [('摘\u2002要：', {'bold': True}), BODY + '\n', ('关键词：', {'bold': True}), '；'.join(t['kws'])]
    right = [('Abstract: ', {'bold': True}), 'Field images and sensor records were collected and a lightweight network was '
             'trained to recognise the targets, and its accuracy was compared with common baselines.\n',
             ('Key words: ', {'bold': True}), 'deep learning; machine vision; smart agriculture']
    sized_table(page, [[left, right]], [8.0, 8.0], size=9, align=['l', 'l'])
    page.para('', after=8)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def engineering_doctor_cover(rng):
    """An engineering doctoral dissertation cover: a framed strip of four codes at the top (分类号,
    UDC, 密级, 学号), the school, the degree in large type and its English name, the title, then
    borderless rows of particulars led by 申请人姓名, with the tutor's name and rank in one value
    under 导师姓名及职称, and the submission date last."""
    page = _page(rng, 12)
    t = _topic(rng, ['{a}关键技术研究', '{s}{a}机理与调控研究', '{a}的多尺度建模与优化'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    sized_table(page, [['分类号：%s%d' % (rng.choice(['TH', 'S8', 'TP', 'R1']), rng.randint(10, 399)), 'UDC：%d' % rng.randint(500, 699),
                        '密级：公开', '学号：%d%05d' % (year - 4, rng.randint(0, 99999))]],
                [4.0, 3.6, 3.4, 5.0], size=9, align='c', grid=rng.random() < 0.6)
    page.para((t['school'][0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=rng.choice([30, 50]), after=8)
    page.para(rng.choice(['博士学位论文', '博士研究生学位论文']), size=rng.choice([26, 30]), bold=True, align='c', after=2)
    page.para(('DOCTORAL DISSERTATION', {'size': 10}), align='c', after=rng.choice([40, 60]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([40, 60]))
    rows = [['申请人姓名', student], ['导师姓名及职称', '%s\u2002%s' % (tutor, rng.choice(RANKS))],
            ['学科专业', t['major']], ['研究方向', rng.choice(['智能装备', '生物信息', '精准农业', '环境医学'])],
            ['培养单位', t['school'][0] + rng.choice(t['d']['units'])], ['论文提交日期', '%d年%d月' % (year, rng.randint(3, 12))]]
    sized_table(page, rows, [4.2, 7.0], size=rng.choice([12, 13]), align=['r', 'l'])
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def agri_master_bilingual_grid(rng):
    """A master of agriculture professional degree thesis cover: a small framed stamp cell at the top
    right with the degree kind, the school, the degree line, the title, then a framed grid whose label
    cells give each label in Chinese over English (研究生姓名 Name, 第一导师 First Supervisor, 企业导师
    Industry Supervisor, 学位类别, 专业领域, 答辩日期). The first tutor is the supervisor."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}技术研究', '{s}{a}的田间试验', '{a}的推广应用研究'])
    year = rng.randint(2014, 2026)
    student = _people(rng, 1)[0]
    tutor, outer = _people(rng, 2, [student])
    stamp = sized_table(page, [[rng.choice(['专业学位', '农业硕士', '全日制专业学位'])]], [3.2], size=10.5, align=['c'], grid=True)
    stamp.alignment = 2
    page.para((t['school'][0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI)}), align='c', before=rng.choice([24, 40]), after=6)
    page.para('农业硕士专业学位论文', size=rng.choice([20, 22]), bold=True, align='c', after=rng.choice([40, 56]))
    _title(page, rng, t['title'], (18, 20), after=rng.choice([40, 56]))
    lab = lambda zh, en: [(zh + '\n', {'size': 11, 'bold': True}), (en, {'size': 8})]
    rows = [[lab('研究生姓名', 'Name'), student],
            [lab('第一导师', 'First Supervisor'), '%s\u2002%s' % (tutor, rng.choice(RANKS))],
            [lab('企业导师', 'Industry Supervisor'), '%s\u2002%s' % (outer, rng.choice(['高级农艺师', '高级畜牧师', '推广研究员']))],
            [lab('学位类别', 'Degree'), '农业硕士'],
            [lab('专业领域', 'Field'), rng.choice(['农艺与种业', '畜牧', '农业工程与信息技术', '资源利用与植物保护'])],
            [lab('答辩日期', 'Defence Date'), '%d年%d月' % (year, rng.randint(4, 6))]]
    sized_table(page, rows, [3.8, 7.2], size=12, align=['c', 'l'], grid=True, shade=(0,) if rng.random() < 0.5 else (),
                fill=rng.choice(['EAF1DD', 'F2F2F2']))
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def openlab_project_report(rng):
    """The first page of a key laboratory's open fund project report: the laboratory and the report
    number in one ruled strip, the title, one line per person (负责人 first, then 参加人, each with
    the unit in brackets), then one row with 报告摘要 on the left and a framed box of the project's
    number, funds and term on the right, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}研究', '{c}{a}技术集成与示范', '{a}的机理研究'])
    year = rng.randint(2013, 2026)
    team = _people(rng, rng.randint(1, 4))
    lab = '%s%s重点实验室' % (t['school'][4], rng.choice(['特色农业资源', '智能检测技术', '天然药物研究', '生态环境监测']))
    sized_table(page, [[lab + rng.choice(['开放课题研究报告', '开放基金项目研究报告']), '报告编号：KF-%d-%02d' % (year, rng.randint(1, 40))]],
                [11.0, 5.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([16, 24]))
    _title(page, rng, t['title'], (17, 18, 20), after=12)
    for k, p in enumerate(team):
        page.para([('负责人：' if k == 0 else '参加人：', {'bold': True}), p,
                   ('（%s%s）' % (t['school'][0], rng.choice(t['d']['units'])), {'size': 9})], size=11, align='l', after=2)
    page.para('', after=8)
    start = year - rng.randint(1, 3)
    facts = '课题编号：KF%d%03d\n资助经费：%d万元\n执行期限：%d.%02d—%d.%02d' % (start, rng.randint(1, 200), rng.choice([5, 8, 10, 15]),
                                                                        start, rng.randint(1, 12), year, rng.randint(1, 12))
    sized_table(page, [[[_bold('报告摘要\n', rng), BODY * 2], facts]], [11.0, 5.0], size=9, align=['l', 'l'], grid=True,
                shade=(1,) if rng.random() < 0.5 else (), fill=rng.choice(['F2F2F2', 'DDEBF7']))
    page.para([_bold('关键词：', rng), '，'.join(t['kws'])], size=9, before=6, after=12)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], team, year, t['kws'])


TEMPLATES = {'gen-zh-lifescimedjournal-columntagdoistrip-corrlineunderunits-jijinbracketlabel': clinical_journal_article,
             'gen-zh-smartagriconf-titlebylineunitsinonebox-cnenabstractcellpair': computing_conference_boxed,
             'gen-zh-engdoctor-fourcodestriptop-shenqingrenrows-tutornamerankonevalue': engineering_doctor_cover,
             'gen-zh-agrimaster-stampcelltopright-bilinguallabelgrid-firstindustrytutors': agri_master_bilingual_grid,
             'gen-zh-keylab-openfundreport-onelineperperson-summaryleft-factsboxright': openlab_project_report}
