"""A fourth set of Chinese first pages, in layouts the earlier sets lack: a cover whose labels stand
right-aligned in the left column of a borderless table and whose title runs over up to three rows,
with the school's emblem and English name above its Chinese name; a journal page led by a DOI line,
whose authors carry both a superscript letter and a digit, with 收稿日期 / 基金项目 / 作者简介 as
footnotes; a journal page whose head is split by vertical bars and whose units follow a dash; and a
report cover with a three-line title and "label | value" rows. Subjects: archaeology and heritage
conservation, traditional Chinese medicine, textiles, dialect studies, mining, tea science and
veterinary medicine."""
from genbase import distinct, record, set_meta, title_keywords, zh_date, zh_person
from gen_zh_more import _page

SCHOOLS = [('西北大学', 'Northwest University', '西安', '710127'),
           ('北京中医药大学', 'Beijing University of Chinese Medicine', '北京', '100029'),
           ('东华大学', 'Donghua University', '上海', '201620'),
           ('暨南大学', 'Jinan University', '广州', '510632'),
           ('中国矿业大学', 'China University of Mining and Technology', '徐州', '221116'),
           ('安徽农业大学', 'Anhui Agricultural University', '合肥', '230036'),
           ('南京中医药大学', 'Nanjing University of Chinese Medicine', '南京', '210023'),
           ('西北农林科技大学', 'Northwest A&F University', '杨凌', '712100'),
           ('江南大学', 'Jiangnan University', '无锡', '214122'),
           ('辽宁工程技术大学', 'Liaoning Technical University', '阜新', '123000')]
UNITS = ['文化遗产学院', '中医学院', '纺织科学与工程学院', '文学院', '矿业工程学院', '茶与食品科技学院',
         '动物医学院', '针灸推拿学院', '服装与艺术设计学院', '安全工程学院']
MAJORS = ['考古学', '中医内科学', '纺织工程', '汉语言文字学', '采矿工程', '茶学', '临床兽医学', '文物保护技术']
SUBJECTS = ['青铜器锈蚀', '经方配伍', '再生纤维素纤维', '吴语声调', '综放工作面', '绿茶萎凋', '犬细小病毒',
            '彩绘陶俑', '针刺镇痛', '汉麻织物', '客家方言词汇', '煤柱应力', '普洱茶发酵', '奶牛乳房炎',
            '石窟寺壁画', '温病学说']
ANGLES = ['病害机理', '用药规律', '服用性能', '演变轨迹', '覆岩运移规律', '品质形成', '流行病学调查',
          '修复材料筛选', '作用通路', '染整工艺', '语音格局', '失稳判据', '风味物质', '耐药性分析']
CONTEXTS = ['出土文物', '名老中医经验', '功能性面料', '田野调查', '深部开采', '初制加工', '规模化牧场',
            '数字化保护']
FORMS = ['{c}中{s}的{a}研究', '基于{c}的{s}{a}', '{s}{a}及其与{t}的关系', '{s}与{t}{a}的比较研究',
         '面向{c}的{s}{a}与应用探索', '{s}{a}：来自{c}的证据']
JOURNALS = ['考古与文物', '中医杂志', '纺织学报', '方言', '煤炭学报', '茶叶科学', '中国兽医学报', '文物保护与考古科学']
CLC = ['K876', 'R289', 'TS102', 'H17', 'TD323', 'TS272', 'S852', 'K879']
DOI_PREFIX = ['10.13475/j.fzxb', '10.13225/j.cnki.jccs', '10.13305/j.cnki.jts', '10.19398/j.att',
              '10.16288/j.yczz', '10.3969/j.issn.1005-4545']
BODY = ('本研究采集了多批次样品与文献资料，综合运用实验分析、统计检验与实地观察等方法，'
        '归纳其主要特点并讨论了影响因素，为后续的深入研究与实际应用提供了参考依据。')
SUP_LETTERS = 'abc'


def _title(rng):
    s, t = rng.sample(SUBJECTS, 2)
    return rng.choice(FORMS).format(s=s, t=t, a=rng.choice(ANGLES), c=rng.choice(CONTEXTS))


def _keywords(rng, title):
    return title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, SUBJECTS)


def _pieces(title, n):
    """The title cut into n nearly equal pieces (characters of a Chinese title)."""
    k = max(1, (len(title) + n - 1) // n)
    return [title[i:i + k] for i in range(0, len(title), k)][:n] if n > 1 else [title]


def _when(rng):
    year, month = rng.randint(2008, 2026), rng.choice([3, 5, 6, 11, 12])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d 年 %d 月' % (year, month)


def cover_right_table(rng):
    """Emblem text, English school name above the Chinese one, the kind of thesis; then a borderless
    two-column table: labels right-aligned on the left, values on the right, the title over two or
    three rows whose label cells stay empty after the first."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para(rng.choice(['【校徽】', '◎', '❀ 校 徽 ❀', '（校徽图案）']), align='c', size=18, after=4)
    page.para(school[1].upper() if rng.random() < 0.5 else school[1], align='c', size=11, after=2)
    page.para((school[0], {'size': rng.choice([24, 28]), 'bold': True}), align='c', after=10)
    page.para((rng.choice(['硕士学位论文', '博士学位论文', '学士学位论文', '专业学位硕士论文']),
               {'size': rng.choice([22, 26]), 'bold': True}), align='c', after=rng.choice([40, 60]))
    c = rng.choice(['：', ':', ''])
    n_rows = 3 if len(title) > 16 and rng.random() < 0.6 else 2
    rows = []
    for k, piece in enumerate(_pieces(title, n_rows)):
        rows.append([(rng.choice(['论文题目', '题　　目', '中文题目']) + c) if k == 0 else '', (piece, {'u': True, 'bold': True})])
    for lab, val in [(rng.choice(['学生姓名', '作　　者', '研 究 生']), author),
                     (rng.choice(['指导教师', '导　　师', '指导老师']), sup + rng.choice(['', '  教授', '  研究员'])),
                     (rng.choice(['学科专业', '专业名称']), rng.choice(MAJORS)),
                     (rng.choice(['所在学院', '培养单位']), rng.choice(UNITS)),
                     (rng.choice(['完成日期', '提交日期']), when)]:
        rows.append([lab + c, (val, {'u': True})])
    page.table(rows, widths_cm=[4.2, 8.5], size=rng.choice([14, 15]), align=['r', 'l'])
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def journal_doi_head(rng):
    """A DOI and 文章编号 line over the title; authors marked with a digit and a letter ("1a,2b");
    the units in brackets with their letters; the abstract; then footnotes under a short rule:
    收稿日期, 基金项目 and 作者简介."""
    page = _page(rng, size=10, margins=2.0)
    year = rng.randint(2010, 2026)
    title = _title(rng)
    names = [p[0] for p in distinct(rng, zh_person, rng.randint(2, 4))]
    kws = _keywords(rng, title)
    j = rng.randrange(len(JOURNALS))
    doi = '%s.%d.%02d.%03d' % (rng.choice(DOI_PREFIX), year, rng.randint(1, 12), rng.randint(1, 999))
    page.para('第%d卷 第%d期　　　　%s　　　　Vol.%d No.%d' % (rng.randint(20, 45), rng.randint(1, 12), JOURNALS[j],
                                                    rng.randint(20, 45), rng.randint(1, 12)), size=8, after=2)
    page.para('%d年%d月' % (year, rng.randint(1, 12)), size=8, rule='bottom', after=6)
    page.para('DOI：%s' % doi if rng.random() < 0.5 else 'doi:%s' % doi, size=8, after=10)
    page.para((title, {'size': rng.choice([16, 18, 20]), 'bold': True}), align='c', after=8)
    schools = rng.sample(SCHOOLS, 2)
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        mark = '%d%s' % (1 + i % 2, SUP_LETTERS[i % 3]) + (',2' if i == 0 and rng.random() < 0.3 else '')
        runs.append((mark, {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(rng.choice(['，', '　', '  ']))
    page.para(runs, align='c', size=12, after=4)
    units = '；'.join('%s. %s' % (ch, u) for ch, u in zip('ab', rng.sample(UNITS, 2)))
    page.para('（1. %s %s，%s　%s；2. %s，%s　%s）' % (schools[0][0], units, schools[0][2], schools[0][3],
                                                schools[1][0], schools[1][2], schools[1][3]), align='c', size=8.5,
              after=10)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9, after=2)
    page.para('中图分类号：%s　　文献标志码：A　　文章编号：%04d-%04d(%d)%02d-%04d-%02d' % (
        CLC[j], rng.randint(1000, 9999), rng.randint(1000, 9999), year, rng.randint(1, 12), rng.randint(1, 999),
        rng.randint(5, 12)), size=8.5, after=10)
    page.para(BODY * 2, indent=20, align='j', after=10)
    page.para('收稿日期：%d-%02d-%02d；修回日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28), year,
                                                        rng.randint(1, 12), rng.randint(1, 28)),
              size=7.5, rule='top', after=0)
    page.para('基金项目：国家自然科学基金项目（%d）；%s省重点研发计划（%dYF%04d）' % (
        rng.randint(30000000, 52999999), rng.choice(['陕西', '江苏', '安徽', '辽宁']), year - 2,
        rng.randint(1, 9999)), size=7.5, after=0)
    page.para('作者简介：%s（%d—），%s，%s，主要从事%s研究。' % (
        names[0], rng.randint(1965, 1995), rng.choice(['男', '女']), rng.choice(['博士', '副教授', '硕士研究生']),
        rng.choice(SUBJECTS)), size=7.5, after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', doi, meta=meta)


def journal_dash_units(rng):
    """A head whose fields are parted by vertical bars; the title, possibly over two lines; each
    author's unit after a dash, one author a line, or all the names and then "—— unit"."""
    page = _page(rng, size=10.5, margins=2.2)
    year = rng.randint(2008, 2026)
    title = _title(rng)
    names = [p[0] for p in distinct(rng, zh_person, rng.randint(1, 3))]
    kws = _keywords(rng, title)
    bar = rng.choice([' | ', '｜', ' │ '])
    page.para(bar.join([rng.choice(JOURNALS), '%d年第%d期' % (year, rng.randint(1, 12)),
                        '总第%d期' % rng.randint(100, 400), rng.choice(['研究论文', '综述', '专题研究'])]),
              size=8.5, align=rng.choice('lr'), rule='bottom', after=14)
    if len(title) > 14 and rng.random() < 0.5:
        a, b = _pieces(title, 2)
        page.para([(a, {'size': 18, 'bold': True, 'break': True}), (b, {'size': 18, 'bold': True})], align='l', after=8)
    else:
        page.para((title, {'size': rng.choice([17, 19]), 'bold': True}), align='l', after=8)
    dash = rng.choice(['——', '—', ' - ', '－'])
    if rng.random() < 0.5:
        for n in names:
            s = rng.choice(SCHOOLS)
            page.para([(n, {'bold': True}), '%s%s%s' % (dash, s[0], rng.choice(UNITS))], size=10.5, after=0)
    else:
        s = rng.choice(SCHOOLS)
        page.para([(rng.choice(['　', '，', ' ']).join(names), {'bold': True}),
                   '　%s%s%s，%s' % (dash, s[0], rng.choice(UNITS), s[2])], size=10.5, after=0)
    page.para('', after=8)
    page.para([('内容提要', {'bold': True}), bar + BODY], size=9, align='j')
    page.para([('关 键 词', {'bold': True}), bar + bar.join(kws)], size=9, after=10)
    page.columns(2)
    page.para(BODY * 4, indent=21, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def cover_three_line(rng):
    """A research report or thesis cover: the kind and serial number at the top, the title in large
    type over three lines (the English title under it on some), then "label | value" rows."""
    page = _page(rng)
    school = rng.choice(SCHOOLS)
    year, when = _when(rng)
    title = _title(rng)
    author, sup = [p[0] for p in distinct(rng, zh_person, 2)]
    page.para('编号：%s-%d-%03d' % (rng.choice(['YJS', 'BK', 'XW']), year, rng.randint(1, 300)), align='r', size=10,
              after=40)
    page.para((rng.choice(['研究生学位论文', '毕业设计（论文）', '科研训练报告']), {'size': 20}), align='c', after=50)
    size = rng.choice([24, 26, 28])
    pieces = _pieces(title, 3 if len(title) >= 12 else 2)
    runs = [(p, {'size': size, 'bold': True, 'break': k < len(pieces) - 1}) for k, p in enumerate(pieces)]
    page.para(runs, align='c', after=16, line=1.2)
    extra = {}
    if rng.random() < 0.4:
        et = 'A Study on %s' % rng.choice(['Bronze Corrosion in Excavated Relics', 'Dialect Tone Patterns',
                                           'Withering of Green Tea', 'Strata Movement above Coal Faces'])
        page.para((et, {'italic': True}), align='c', size=13, after=50)
        extra['title_en'] = et
    else:
        page.para('', after=60)
    bar = rng.choice([' | ', '｜', '  |  '])
    for lab, val in [('作者', author), (rng.choice(['导师', '指导教师']), sup), ('院系', rng.choice(UNITS)),
                     ('专业', rng.choice(MAJORS)), ('日期', when)]:
        page.para([(lab, {'bold': True}), bar + val], align=rng.choice(['c', 'l']), size=14, after=8)
    page.para(school[0], align='c', size=16, before=40)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, **extra)


TEMPLATES = {
    'gen-zh-cover-righttable': cover_right_table,
    'gen-zh-journal-doihead': journal_doi_head,
    'gen-zh-journal-dashunits': journal_dash_units,
    'gen-zh-cover-threeline': cover_three_line,
}
