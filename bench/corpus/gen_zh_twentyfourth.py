"""A twenty-fourth set of Chinese first pages of papers, theses and reports in the sciences, engineering,
medicine and farming, in layouts and schools of their own."""
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('安徽理工大学', 'Anhui University of Science and Technology', '淮南', '232001', '安徽'),
           ('遵义医科大学', 'Zunyi Medical University', '遵义', '563000', '贵州'),
           ('桂林理工大学', 'Guilin University of Technology', '桂林', '541006', '广西'),
           ('青岛农业大学', 'Qingdao Agricultural University', '青岛', '266109', '山东')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'采煤沉陷区': ['积水区水质演变', '土地复垦模式'], '瓦斯抽采': ['钻孔布置优化', '浓度预测模型'],
                          '煤矸石充填': ['胶结材料配比', '地表沉降控制']},
                contexts=['潘集区', '凤台县', '谢家集区'], units=['地球与环境学院', '安全科学与工程学院', '矿业工程学院'],
                majors=['环境工程', '安全工程', '采矿工程'], field='矿区安全与生态修复'),
           dict(subjects={'慢阻肺': ['急性加重危险因素', '肺康复干预'], '酱香型白酒酒糟': ['膳食纤维提取', '饲料化利用'],
                          '杜仲叶': ['绿原酸含量测定', '降压活性']},
                contexts=['仁怀市', '湄潭县', '赤水市'], units=['附属医院呼吸与危重症医学科', '药学院', '公共卫生学院'],
                majors=['内科学', '药物化学', '流行病与卫生统计学'], field='黔北常见病与地道药材'),
           dict(subjects={'岩溶地下水': ['硝酸盐污染溯源', '水位动态监测'], '电解锰渣': ['重金属稳定化', '免烧砖制备'],
                          '漓江流域': ['面源污染负荷', '水生态健康评价']},
                contexts=['恭城县', '阳朔县', '荔浦市'], units=['环境科学与工程学院', '地球科学学院', '材料科学与工程学院'],
                majors=['环境科学', '水文学及水资源', '材料工程'], field='岩溶区环境与资源'),
           dict(subjects={'胶州大白菜': ['根肿病防控', '种质资源评价'], '花生黄曲霉': ['毒素快速检测', '生防菌筛选'],
                          '刺参池塘养殖': ['夏季高温应对', '底质改良']},
                contexts=['胶州市', '平度市', '莱西市'], units=['园艺学院', '植物医学学院', '海洋科学与工程学院'],
                majors=['蔬菜学', '植物病理学', '水产养殖'], field='胶东农业与海洋养殖')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的试验研究', '{s}{a}及其影响因素分析', '基于机器学习的{s}{a}方法',
         '{c}{s}{a}的现状与对策']
BODY = '试验设置对照组与处理组，测定各项指标并用方差分析检验差异，结果表明处理效果显著。'


def _topic(rng, forms=FORMS, among=(0, 1, 2, 3)):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _date(rng, year):
    return '%d年%d月' % (year, rng.randint(1, 12))


def science_report(rng):
    """The cover of a research report filed with the national report service: a grid of the report's
    number, secrecy, kind and release, the title, the report's authors each with a unit, then the
    project it belongs to (named otherwise than the report), the unit that drew it up and the date."""
    page = _page(rng, 11)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.table([['报告编号', '%s-%d-%04d' % (rng.choice(['CSTR', 'KJBG', 'TR']), year, rng.randint(1, 9999)),
                 '密\u3000\u3000级', rng.choice(['公开', '延期公开'])],
                ['报告类型', rng.choice(['最终报告', '年度报告', '专题报告']), '公开范围', rng.choice(['全文公开', '摘要公开'])]],
               widths_cm=[2.4, 5.6, 2.4, 5.6], size=9.5, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.5 else ())
    page.para(('科技报告', {'size': rng.choice([16, 18]), 'cjk': rng.choice(SONG + KAI)}), align='c', before=30, after=30)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=40, line=1.3)
    sep = rng.choice(['\n', '；'])
    page.para([('报告作者：', {'bold': True}),
               sep.join('%s（%s%s）' % (a, s[0], rng.choice(t['d']['units'])) for a in authors)],
              size=12, align='l', after=8, line=1.4)
    project = '%s重点研发计划“%s综合治理与利用”' % (s[4], t['d']['field'])
    for k, v in [('项目名称', project), ('项目编号', '%dYF%04d' % (year - rng.randint(1, 3), rng.randint(1, 9999))),
                 ('编制单位', s[0]), ('编制时间', _date(rng, year))]:
        page.para([(k + '：', {'bold': True}), v], size=12, align='l', after=6)
    return _finish(page, rng, t['title'], authors, year)


def journal_labelcolumn(rng):
    """A 学报 article: a three-cell running head over a rule, the title, authors with numbered units,
    then the abstract, keywords and classification codes in a borderless two-column table whose
    left cells are the labels, and the text in two columns."""
    page = _page(rng, 10)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    units = [t['unit'], rng.choice([u for u in t['d']['units'] if u != t['unit']])]
    marks = [rng.choice([1, 2]) if n > 1 else 1 for _ in authors]
    marks[0] = 1
    page.table([['第%d卷第%d期' % (year - 1990, rng.randint(1, 6)), '%s学报（%s版）' % (
        s[0], rng.choice(['自然科学', '工学', '医学', '农学'])), '%d年%d月' % (year, rng.randint(1, 12))]],
        widths_cm=[4.0, 8.0, 4.0], size=9, align=['l', 'c', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': rng.random() < 0.6, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    runs = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        runs.append(a)
        if len(set(marks)) > 1:
            runs.append(('%d' % m, {'sup': True}))
        if k < n - 1:
            runs.append(rng.choice(['，', '\u3000']))
    page.para(runs, size=12, align='c', after=4, cjk=rng.choice(KAI + SONG))
    used = sorted(set(marks))
    page.para('（%s）' % '；'.join(('%d. ' % m if len(used) > 1 else '') + '%s%s，%s %s' % (s[0], units[m - 1], s[2], s[3])
                                  for m in used), size=9, align='c', after=12)
    fill = rng.choice(['F2F2F2', 'E6E6E6'])
    shade = (0,) if rng.random() < 0.5 else ()
    page.table([[('摘\u3000要', {'bold': True, 'cjk': rng.choice(HEI)}), '为了解%s的%s问题，%s' % (t['s'], t['a'], BODY * 2)],
                [('关键词', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])],
                [('中图分类号', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['X52', 'TD712', 'R563', 'S634'])],
                [('文献标志码', {'bold': True, 'cjk': rng.choice(HEI)}), 'A']],
               widths_cm=[2.4, 13.6], size=9, align=['l', 'l'], shade=shade, fill=fill)
    page.columns(2)
    page.para(('0\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 6, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def medical_thesis(rng):
    """A medical master's or doctoral thesis cover: school and degree, the title, then the
    graduate's facts on lines whose label and value are parted by a bar: the graduate, the 导师 with a
    clinical rank, the specialty and the ward or department where the work was done."""
    page = _page(rng, 12)
    t = _topic(rng, among=(1,))
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('分类号：%s\u3000\u3000密级：公开' % rng.choice(['R563', 'R284', 'R181']), size=10.5, align='r', after=30)
    page.para((s[0], {'size': rng.choice([26, 28]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='c', after=10)
    page.para((rng.choice(['医学硕士学位论文', '临床医学硕士专业学位论文', '医学博士学位论文']),
               {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=60, line=1.3)
    bar = rng.choice(['｜', ' | ', '\u2003|\u2003'])
    rows = [('研\u2002究\u2002生', student),
            (rng.choice(['导\u3000\u3000师', '指导教师']), sup + rng.choice(['\u3000教授', '\u3000主任医师', '\u3000研究员'])),
            ('专\u3000\u3000业', t['major']),
            ('培养科室', rng.choice(['附属医院呼吸与危重症医学科', '附属医院心血管内科', '第二附属医院药剂科'])),
            ('完成日期', _date(rng, year))]
    for k, v in rows:
        page.para([(k, {'bold': rng.random() < 0.5}), bar, v], size=rng.choice([13, 14]), align='c', after=8)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def firstpub_urlhead(rng):
    """A paper first published on a national science paper site: the site's name and address over a
    double rule, the title, authors with numbered units, the abstract and keywords, and at the foot the
    authors' notes: the first author's short life and the 通信联系人 (the last author)."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    n = rng.randint(2, 4)
    authors = _people(rng, n)
    page.table([[rng.choice(['中国科技论文在线', '科技论文在线首发']), 'http://www.paper.edu.cn']], widths_cm=[8.0, 8.0],
               size=9, align=['l', 'r'])
    page.para('', rule='both', after=16)
    page.para((t['title'], {'size': rng.choice([15, 16]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    split = rng.randint(1, n - 1)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, ('1' if k < split else '2', {'sup': True})]
        if k < n - 1:
            runs.append(rng.choice(['，', '\u3000']))
    if rng.random() < 0.5:
        runs.append(('**' if rng.random() < 0.5 else '', {'sup': True}))
    page.para(runs, size=12, align='c', after=4)
    page.para('（1. %s%s，%s %s；2. %s%s，%s %s）' % (s[0], t['unit'], s[2], s[3], s[0],
                                                 rng.choice([u for u in t['d']['units'] if u != t['unit']]), s[2], s[3]),
              size=9, align='c', after=10)
    page.para([('摘要：', {'bold': True, 'cjk': rng.choice(HEI)}), '本文以%s为对象，%s' % (t['s'], BODY * 2)], size=9.5,
              align='j', after=4)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['；', '，', '\u3000']).join(t['kws'])],
              size=9.5, after=4)
    page.para([('中图分类号：', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['X523', 'TD713', 'S436', 'R974'])],
              size=9.5, after=14)
    page.para(('0\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 4, size=10.5, align='j', indent=21, after=20)
    page.para('基金项目：%s科技计划项目（%d%04d）' % (s[4], year - 1, rng.randint(1, 9999)), size=8.5, rule='top', after=1)
    page.para('首发时间：%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28)), size=8.5, after=1)
    page.para('作者简介：%s（%d—），%s，%s，主要研究方向：%s。' % (
        authors[0], rng.randint(1985, 2001), rng.choice(['男', '女']), rng.choice(['硕士研究生', '博士研究生']), t['d']['field']),
        size=8.5, after=1)
    page.para('通信联系人：%s（%d—），%s，%s，主要研究方向：%s。E-mail: %s@%s.edu.cn' % (
        authors[-1], rng.randint(1960, 1980), rng.choice(['男', '女']), rng.choice(['教授', '研究员', '副教授']), t['a'],
        rng.choice(['lab', 'prof', 'zxs']), rng.choice(['aust', 'zmu', 'glut', 'qau'])), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def design_pairgrid(rng):
    """A bachelor's graduation design cover for engineering or farming: the school, 毕业设计（论文）,
    the title alone in a framed box, then a four-column grid of label and value pairs, with the 指导教师
    and his title on one row."""
    page = _page(rng, 12)
    t = _topic(rng, among=(0, 2, 3))
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI + SONG), 'bold': True}), align='c',
              before=20, after=6)
    page.para((rng.choice(['本科毕业设计（论文）', '毕业设计（论文）', '本科生毕业设计']),
               {'size': rng.choice([22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    page.table([[(t['title'], {'bold': True, 'size': rng.choice([16, 18]), 'cjk': rng.choice(HEI + SONG)})]],
               widths_cm=[14.0], grid=True, align='c')
    page.para('', after=50)
    rows = [['学\u3000\u3000院', t['unit'], '专\u3000\u3000业', t['major']],
            ['班\u3000\u3000级', '%s%d-%d班' % (t['major'][:2], (year - 4) % 100, rng.randint(1, 4)), '学\u3000\u3000号',
             '%d%06d' % (year - 4, rng.randint(1, 999999))],
            [rng.choice(['学生姓名', '姓\u3000\u3000名']), student, '完成日期', '%d年%d月' % (year, rng.choice([5, 6]))],
            ['指导教师', sup, '职\u3000\u3000称', rng.choice(['教授', '副教授', '高级工程师', '讲师'])]]
    page.table(rows, widths_cm=[2.6, 5.4, 2.6, 5.4], size=12, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.4 else ())
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def lab_techreport(rng):
    """A key laboratory's technical report: the lab's name left and the report number right over a
    rule, the title, the authors, a reviewer who is not one of them, a small table of the report's
    versions, then the abstract."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}技术报告', '{s}{a}的数值模拟与验证', '面向{c}的{s}{a}系统设计'])
    s = t['school']
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 4))
    reviewer = _people(rng, 1, authors)[0]
    lab = '%s%s重点实验室' % (s[4], t['d']['field'])
    page.table([[(lab, {'bold': True, 'cjk': rng.choice(HEI + KAI)}),
                 '技术报告\u3000%s-%d-%02d' % (rng.choice(['TR', 'LTR', 'KL']), year, rng.randint(1, 40))]],
               widths_cm=[10.0, 6.0], size=10, align=['l', 'r'])
    page.para('', rule='bottom', after=24)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['c', 'l']), after=14)
    lab_a = rng.choice(['作\u3000者：', '作者：', '撰写：', '编写人：'])
    page.para([(lab_a, {'bold': True}), rng.choice(['，', '、', '\u3000']).join(authors)], size=11, after=4)
    page.para([('审核：', {'bold': True}), reviewer, '\u3000\u3000', ('日期：', {'bold': True}),
               '%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28))], size=11, after=14)
    page.para(('版本记录', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    rows = [['版本', '日期', '修改人', '说明']]
    for v in range(rng.randint(1, 3)):
        rows.append(['V%d.%d' % (1, v), '%d-%02d' % (year, rng.randint(1, 12)), rng.choice(authors),
                     ['初稿', '补充试验数据', '定稿'][v]])
    page.table(rows, widths_cm=[2.0, 3.0, 3.0, 8.0], size=9.5, grid=True, align='c', shade=(), fill='EEEEEE')
    page.para('', after=10)
    page.para(('摘要', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, align='c', after=4)
    page.para('本报告给出%s%s的方案与结果。%s' % (t['s'], t['a'], BODY * 3), size=10.5, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-sciencereport-gradegrid': science_report, 'gen-zh-journal-labelcolumn': journal_labelcolumn,
             'gen-zh-medthesis-barinfo': medical_thesis, 'gen-zh-firstpub-urlhead': firstpub_urlhead,
             'gen-zh-designthesis-pairgrid': design_pairgrid, 'gen-zh-labtechreport-revtable': lab_techreport}
