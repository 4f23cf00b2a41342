"""A twelfth set of Chinese first pages, in layouts the earlier sets lack: a clinical journal page
with a structured abstract (目的、方法、结果、结论) and the 通信作者 in a foot note; a short 病例报告
under its column tag, with no abstract; a 数据论文 whose first page carries a table of the data set
(数据库名称, 数据作者, 时间范围, 数据格式, 数据量); a thesis title page that names the defence
committee (答辩委员会主席 and members, who are neither authors nor supervisors) beside the
指导教师; a teaching case of a business school (案例正文, its number, a note that the case was
written for class discussion); and an article of a journal's special section, opened by the
section's name and its 主持人 (who is not an author).
Subjects: herbal medicine quality, echinococcosis and oasis health, forest fires and timber,
shale oil and old oil fields, Mongolian long song and the horse-head fiddle, and goji and wine growing."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('中国药科大学', 'China Pharmaceutical University', '南京', '211198'),
           ('新疆医科大学', 'Xinjiang Medical University', '乌鲁木齐', '830017'),
           ('西南林业大学', 'Southwest Forestry University', '昆明', '650224'),
           ('东北石油大学', 'Northeast Petroleum University', '大庆', '163318'),
           ('内蒙古艺术学院', 'Inner Mongolia Arts University', '呼和浩特', '010010'),
           ('宁夏大学', 'Ningxia University', '银川', '750021')]
# one field each: subjects, angles, settings, then units, majors, journal and hospital or company
DOMAINS = [(['中药饮片', '质量标志物', '指纹图谱'], ['含量测定', '炮制工艺', '稳定性考察'], ['道地产区', '饮片企业'],
            dict(units=['中药学院', '药学院'], majors=['中药分析学', '药剂学'], journal='中草药', place='江苏省中医院')),
           (['囊型包虫病', '肝包虫', '腹腔镜手术'], ['临床特征', '危险因素', '疗效评价'], ['牧区人群', '南疆地区'],
            dict(units=['第一附属医院', '公共卫生学院'], majors=['普通外科学', '流行病与卫生统计学'], journal='中华肝胆外科杂志',
                 place='新疆医科大学第一附属医院')),
           (['森林火灾', '云南松', '林下可燃物'], ['蔓延模拟', '载量估算', '火险等级'], ['滇中高原', '自然保护区'],
            dict(units=['林学院', '生态与环境学院'], majors=['森林保护学', '森林经理学'], journal='林业科学研究',
                 place='云南省森林草原防灭火指挥部')),
           (['页岩油', '二氧化碳驱油', '老油田挖潜'], ['储层表征', '开发效果评价', '井网调整'], ['松辽盆地北部', '大庆长垣'],
            dict(units=['石油工程学院', '地球科学学院'], majors=['油气田开发工程', '矿产普查与勘探'], journal='东北石油大学学报',
                 place='大庆油田勘探开发研究院')),
           (['蒙古族长调', '马头琴', '呼麦'], ['演唱技法', '活态传承', '口述史整理'], ['锡林郭勒草原', '鄂尔多斯地区'],
            dict(units=['音乐学院', '艺术研究院'], majors=['音乐学', '音乐与舞蹈学'], journal='内蒙古艺术学院学报',
                 place='内蒙古民族艺术剧院')),
           (['宁夏枸杞', '酿酒葡萄', '防沙治沙'], ['产业链延伸', '品质评价', '生态补偿'], ['贺兰山东麓', '中卫沙坡头'],
            dict(units=['农学院', '生态环境学院'], majors=['园艺学', '生态学'], journal='宁夏大学学报（自然科学版）',
                 place='宁夏贺兰山东麓葡萄酒产业园区管委会'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}{a}的初步探讨', '{s}{a}及其影响因素分析', '{c}{s}{a}的实证考察', '面向{t}的{s}{a}方法',
         '{s}与{t}的{a}比较']
MED_FORMS = ['{s}患者{a}分析', '{c}{s}{a}的回顾性研究', '{s}{a}的多中心观察']
# a case: the field it belongs to, the condition and what it came with or was taken for
CASES = [(1, '肝泡型包虫病', '肝癌'), (1, '脾囊型包虫病', '脾囊肿'), (1, '肺包虫囊肿破裂', '肺脓肿'),
         (1, '腹腔镜术后包虫复发', '术后粘连'), (0, '附子中毒', '急性心肌梗死'), (0, '何首乌致药物性肝损伤', '病毒性肝炎'),
         (0, '雷公藤致骨髓抑制', '再生障碍性贫血'), (0, '中药饮片过敏性休克', '低血糖昏迷'),
         (1, '肝包虫囊肿并发胆瘘', '胆管癌'), (1, '骨包虫病', '骨结核'), (0, '马钱子中毒', '癫痫持续状态'),
         (0, '朱砂致汞中毒', '慢性肾炎')]
CASE_FORMS = ['{s}合并{t}1例', '{s}误诊为{t}1例报告', '罕见{s}1例并文献复习', '{s}1例']
BODY = ('本研究依据近年的实地调查与文献资料，梳理了相关概念与方法，对主要结果进行了比较与讨论，'
        '并就后续工作提出了若干设想。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']
CLC = ['R284.1', 'R657.3', 'S762.3', 'TE357', 'J607', 'S665.2']


def _topic(rng, forms=None, medical=False):
    i = 1 if medical else rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), f=f,
                major=rng.choice(f['majors']), subjects=subjects, angles=angles, contexts=contexts)


def _page(rng, size=10.5, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.4, 2.8]))


def _people(rng, low, high):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(low, high))]


def _outsiders(rng, taken, n):
    out = []
    while len(out) < n:
        p = _people(rng, 1, 1)[0]
        if p not in taken and p not in out:
            out.append(p)
    return out


def _finish(page, rng, title, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta, **extra)


def _byline(authors, size, sup=None):
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if sup and sup[k]:
            runs.append((sup[k], {'sup': True, 'size': size * 0.6}))
        if k < len(authors) - 1:
            runs.append('，' if size < 11 else '\u3000')
    return runs


def medical_structured(rng):
    """A clinical journal page: DOI and the column over a rule, the title, authors, the unit line,
    a structured abstract (【摘要】目的…方法…结果…结论…) and 【关键词】, and a foot note with
    基金项目 and the 通信作者."""
    page = _page(rng, 10, margins=rng.choice([1.8, 2.0]))
    topic = _topic(rng, MED_FORMS, medical=True)
    f, s = topic['f'], topic['school']
    year, issue = rng.randint(2014, 2026), rng.randint(1, 12)
    page.para('%s\u3000%d年%d月第%d卷第%d期\u3000\u3000DOI:10.%d/j.issn.%04d-%04d.%d.%02d.%03d' % (
        f['journal'], year, issue, rng.randint(10, 40), issue, rng.randint(3760, 3969), rng.randint(1000, 9999),
        rng.randint(1000, 9999), year, issue, rng.randint(1, 40)), size=7.5, rule='bottom', after=6)
    page.para(('·%s·' % rng.choice(['论著', '临床研究', '临床论著', '基础研究']), {'bold': True}), size=10,
              align=rng.choice(['l', 'c']), after=10)
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}),
              align=rng.choice(['c', 'l']), after=8)
    authors = _people(rng, 2, 6)
    page.para(_byline(authors, 11), size=11, cjk=rng.choice(KAI + SONG), align='c', after=4)
    dept = rng.choice(['普通外科', '肝胆外科', '药剂科', '临床药学室', '感染科'])
    page.para('%s%s，%s %s' % (f['place'], dept, s[2], s[3]), size=8.5, align='c', after=8)
    label = rng.choice([('【摘要】', '【关键词】'), ('[摘要]', '[关键词]'), ('摘要：', '关键词：')])
    parts = []
    for k, w in enumerate(['目的', '方法', '结果', '结论']):
        parts += [(w if label[0] != '摘要：' else w + '：', {'bold': True}), '\u3000' + BODY + ' ']
    page.para([(label[0], {'bold': True})] + parts, size=9, align='j', cjk=rng.choice(KAI + SONG))
    kws = topic['kws']
    page.para([(label[1], {'bold': True}), rng.choice(['；', '，']).join(kws)], size=9, after=10)
    page.columns(2, space_cm=0.6)
    page.para(BODY * 4, indent=20, align='j', size=9.5)
    star = rng.randrange(len(authors))
    page.para('基金项目：%s自然科学基金资助项目（%d%s%05d）' % (rng.choice(['国家', s[2] + '市', '省']), year - 2,
                                                       rng.choice(['D01', 'C', 'A']), rng.randint(1, 99999)),
              size=7.5, rule='top', after=0)
    page.para('通信作者：%s，E-mail：%s@%s.com' % (authors[star], 'doc%d' % rng.randint(10, 99),
                                             rng.choice(['163', 'qq', 'sina'])), size=7.5)
    return _finish(page, rng, topic['title'], authors, year, kws)


def case_report(rng):
    """A short 病例报告: the journal line, the column tag ·病例报告· over the title, the authors and
    their hospital in brackets, 关键词 on some, then the case in one column; the 通信作者 and the date received at
    the foot."""
    page = _page(rng, 10.5)
    i, cond, other = rng.choice(CASES)
    title = rng.choice(CASE_FORMS).format(s=cond, t=other)
    f, s = DOMAINS[i][3], SCHOOLS[i]
    year = rng.randint(2010, 2026)
    head = rng.choice(['%s%d年第%d卷第%d期', '%s\u3000%d年\u3000第%d卷\u3000第%d期'])
    page.para(head % (f['journal'], year, rng.randint(8, 30), rng.randint(1, 12)), size=8,
              align=rng.choice(['r', 'l']), rule='bottom' if rng.random() < 0.6 else None, after=14)
    page.para((rng.choice(['·病例报告·', '·个案报道·', '·临床病例讨论·']), {'bold': True, 'cjk': rng.choice(HEI)}),
              size=10.5, align='l', after=12)
    page.para((title, {'size': rng.choice([15, 16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    authors = _people(rng, 1, 4)
    page.para('\u3000'.join(authors), size=11, align='c', cjk=rng.choice(KAI), after=4)
    page.para('（%s%s，%s %s）' % (f['place'], rng.choice(['普外科', '病理科', '影像科', '急诊科']), s[2], s[3]),
              size=9, align='c', after=10)
    kws = []
    if rng.random() < 0.5:
        kws = [cond, other, rng.choice(['病例报告', '误诊', '诊断', '治疗'])]
        page.para([('【关键词】' if rng.random() < 0.5 else '关键词：', {'bold': True}), '；'.join(kws)], size=9, after=10)
    page.para('患者，%s，%d岁，%s' % (rng.choice(['男', '女']), rng.randint(18, 80), BODY * 4), size=10, indent=21,
              align='j', line=1.2)
    page.para('收稿日期：%d-%02d-%02d' % (year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28)),
              size=7.5, rule='top', before=20, after=0)
    page.para('通信作者：%s，E-mail：case%d@%s.cn' % (authors[-1], rng.randint(10, 99), rng.choice(['hospital', 'med'])),
              size=7.5)
    return _finish(page, rng, title, authors, year, kws)


def data_paper(rng):
    """A 数据论文: the journal and its data-paper column, the title, authors with numbered units, the
    units, 摘要 and 关键词, then a table 数据库（集）基本信息简介 that names the data set, its
    authors, period, format and size (and, on some, the DOI of the data)."""
    page = _page(rng, 10, margins=rng.choice([2.0, 2.2]))
    topic = _topic(rng)
    f, s = topic['f'], topic['school']
    year = rng.randint(2016, 2026)
    journal = rng.choice(['中国科学数据', '全球变化数据学报', '科学数据通讯'])
    page.para('%s\u3000%d年\u3000第%d卷\u3000第%d期\u3000\u3000\u3000\u3000\u3000数据论文' % (
        journal, year, rng.randint(1, 10), rng.randint(1, 4)), size=8, rule='bottom', after=16)
    data_name = '%s%s数据集（%d—%d）' % (rng.choice(topic['contexts']), rng.choice(topic['subjects']), year - 8, year - 2)
    title = rng.choice(['%s', '%s的构建', '基于%s的整理与质量评估']) % data_name
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    authors = _people(rng, 2, 5)
    two = rng.random() < 0.6
    sup = ['1' if (k == 0 or not two) else rng.choice(['1', '2', '1,2']) for k in range(len(authors))] if two \
        else [''] * len(authors)
    if two and '2' not in ''.join(sup):
        sup[-1] = '2'
    page.para(_byline(authors, 12, sup), size=12, align='c', after=4)
    units = ['%s%s' % (s[0], topic['unit'])]
    if two:
        units.append(f['place'])
    page.para('；'.join('%s%s，%s %s' % ('%d. ' % (k + 1) if two else '', u, s[2], s[3]) for k, u in enumerate(units)),
              size=8.5, align='c', after=10)
    page.para([('摘要：', {'bold': True}), BODY * 3], size=9, align='j')
    kws = topic['kws']
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=10)
    page.para(('数据库（集）基本信息简介', {'bold': True}), size=9.5, align='c', after=2)
    rows = [['数据库（集）名称', data_name], ['数据作者', '、'.join(authors)],
            ['数据时间范围', '%d—%d年' % (year - 8, year - 2)], ['地理区域', rng.choice(topic['contexts'])],
            ['数据格式', rng.choice(['.xlsx, .shp', '.csv', '.tif, .csv', '.nc'])],
            ['数据量', '%d.%d MB' % (rng.randint(1, 900), rng.randint(0, 9))]]
    if rng.random() < 0.6:
        rows.append(['数据DOI', '10.11922/sciencedb.%05d' % rng.randint(100, 99999)])
    page.table(rows, widths_cm=[4.0, 12.0], size=8.5, grid=True, align=['c', 'l'],
               bold_first=rng.random() < 0.5)
    page.para('', after=6)
    page.para(BODY * 2, indent=20, align='j', size=9.5)
    return _finish(page, rng, title, authors, year, kws)


def thesis_committee(rng):
    """A thesis title page: 分类号 and 学校代码 in a corner, the title (and its English title), the
    author and 指导教师 with rank, then 论文答辩日期 and the committee: 答辩委员会主席 and 评阅人 or
    委员 (neither authors nor supervisors), as label lines or a table."""
    page = _page(rng, 12, margins=rng.choice([2.5, 3.0]))
    topic = _topic(rng)
    s = topic['school']
    year, month = rng.randint(2011, 2026), rng.choice([5, 6, 12])
    gap = '\u3000' * 6
    page.para('分类号：%s%s学校代码：%05d\nUDC：%d%s\u3000\u3000密级：公开' % (
        CLC[topic['i']], gap, rng.randint(10000, 11000), rng.randint(500, 699), gap), size=10, after=30)
    degree = rng.choice(['硕士学位论文', '博士学位论文', '学术硕士学位论文'])
    page.para((s[0], {'size': 22, 'cjk': rng.choice(KAI + HEI)}), align='c', after=4)
    page.para((degree, {'size': 24, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=30)
    title = topic['title']
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=30)
    author = _people(rng, 1, 1)[0]
    sup, chair, *members = _outsiders(rng, [author], 4)
    ranks = ['教授', '研究员', '副教授']
    rows = [(rng.choice(['作者姓名', '研究生', '申请人']), author),
            ('指导教师', '%s\u3000%s' % (sup, rng.choice(ranks))),
            ('学科专业', topic['major']),
            ('论文答辩日期', '%d年%d月%d日' % (year, month, rng.randint(1, 28)) if rng.random() < 0.5
             else zh_date(year, month)),
            ('答辩委员会主席', '%s\u3000%s' % (chair, rng.choice(ranks))),
            (rng.choice(['答辩委员会委员', '评\u3000阅\u3000人', '委\u3000\u3000员']), '、'.join(members))]
    if rng.random() < 0.5:
        page.table([[a + '：', b] for a, b in rows], widths_cm=[4.5, 7.0], size=12, align=['r', 'l'])
    else:
        for a, b in rows:
            page.para([a + '：', (b, {'u': rng.random() < 0.6})], size=12, indent=rng.choice([40, 70]), after=6)
    return _finish(page, rng, title, [author], year, supervisor=sup, committee=[chair] + members)


def teaching_case(rng):
    """A teaching case of a business school: the case library's band with the case number, 案例正文,
    the title, the writers and their school, a note that the case was written for class discussion
    and its rights, 摘要 and 关键词."""
    page = _page(rng, 10.5)
    topic = _topic(rng, ['{s}{a}：{c}的实践', '{c}的{s}之路', '从{s}到{t}：{c}的转型'])
    s, f = topic['school'], topic['f']
    year = rng.randint(2012, 2026)
    number = rng.choice(['案例编号：%s-%d-%03d' % (rng.choice(['STR', 'OM', 'MKT', 'PA']), year, rng.randint(1, 300)),
                         '入库编号：%d%05d' % (year, rng.randint(1, 99999))])
    lib = rng.choice(['中国管理案例共享中心', '%sMBA教育中心案例库' % s[0], '全国公共管理专业学位案例库'])
    page.table([[[(lib, {'bold': True, 'size': 11})], number]], widths_cm=[10.0, 6.0], align=['l', 'r'], size=9,
               shade=(0, 1) if rng.random() < 0.5 else (), fill=rng.choice(['DEEAF6', 'E2EFDA']))
    page.para(('案例正文' if rng.random() < 0.7 else '教学案例', {'bold': True}), size=12, align='c', before=20, after=10)
    title = topic['title']
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    authors = _people(rng, 1, 4)
    page.para(['\u3000'.join(authors), (rng.choice(['1', '*', '']), {'sup': True, 'size': 7})], size=12,
              align='c', cjk=rng.choice(KAI), after=4)
    page.para('（%s%s）' % (s[0], rng.choice(['经济管理学院', '公共管理学院', '商学院'])), size=9.5, align='c', after=12)
    kws = topic['kws']
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9.5, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9.5, after=12)
    page.para(BODY * 3, indent=21, align='j')
    page.para('1. 本案例由%s的%s撰写，作者拥有著作权中的署名权、修改权、改编权。\n2. 本案例授权%s使用，仅供课堂讨论之用，'
              '并无意暗示或说明某种管理行为是否有效。\n3. 本案例资料来源于%s的访谈与公开资料，由于保密要求，部分数据作了必要处理。' % (
                  s[0], '、'.join(authors), lib, f['place']), size=7.5, rule='top', before=12)
    return _finish(page, rng, title, authors, year, kws)


def special_section(rng):
    """An article of a journal's special section: the section's name and its 主持人 (not an author)
    in a box or over a rule, on some the host's words, then the title, authors, unit, 摘要, 关键词."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year = rng.randint(2010, 2026)
    authors = _people(rng, 1, 3)
    host = _outsiders(rng, authors, 1)[0]
    page.para('%s\u3000%d年第%d期' % (f['journal'], year, rng.randint(1, 6)), size=8, align='r', rule='bottom', after=10)
    section = '专题：%s%s' % (rng.choice(topic['contexts']), rng.choice(topic['subjects'])) + rng.choice(['研究', '笔谈', ''])
    box = [(section, {'bold': True, 'size': 11}), '\n', ('主持人：%s' % host, {'size': 9.5})]
    if rng.random() < 0.5:
        box += ['\n', ('［主持人语］' + BODY, {'size': 8.5})]
    if rng.random() < 0.5:
        page.table([[box]], widths_cm=[16.0], grid=True, align='l')
    else:
        page.para(box, after=2, rule='bottom')
    title = topic['title']
    page.para((title, {'size': rng.choice([16, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', before=18, after=8)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=4)
    page.para('（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=10)
    kws = topic['kws']
    page.para([('摘\u3000要：', {'bold': True}), BODY * 3], size=9, align='j', cjk=rng.choice(KAI))
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=12)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, title, authors, year, kws, host=host)


TEMPLATES = {
    'gen-zh-clinical-structuredabstract': medical_structured,
    'gen-zh-casereport-columntag': case_report,
    'gen-zh-datapaper-datatable': data_paper,
    'gen-zh-thesis-committee': thesis_committee,
    'gen-zh-teachingcase-library': teaching_case,
    'gen-zh-specialsection-host': special_section,
}
