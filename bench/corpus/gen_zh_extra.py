"""More Chinese first pages, unlike the first set in layout and wording: covers whose fields sit in a
ruled table, English-first covers, covers with wide spacing and drawn blanks, proposal covers, and
journal pages with the head, the codes and the author's unit in other places. Their subjects are
taken from other fields (medicine, agriculture, economics, education, humanities)."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('华中科技大学', 'Huazhong University of Science and Technology', '武汉', '430074'),
           ('四川大学', 'Sichuan University', '成都', '610065'), ('山东大学', 'Shandong University', '济南', '250100'),
           ('兰州大学', 'Lanzhou University', '兰州', '730000'), ('厦门大学', 'Xiamen University', '厦门', '361005'),
           ('东北师范大学', 'Northeast Normal University', '长春', '130024'),
           ('中国农业大学', 'China Agricultural University', '北京', '100193'),
           ('南京医科大学', 'Nanjing Medical University', '南京', '211166'),
           ('西南财经大学', 'Southwestern University of Finance and Economics', '成都', '611130'),
           ('华南理工大学', 'South China University of Technology', '广州', '510641'),
           ('郑州大学', 'Zhengzhou University', '郑州', '450001'), ('云南大学', 'Yunnan University', '昆明', '650091')]
UNITS = ['公共卫生学院', '农学院', '经济学院', '教育学部', '文学院', '药学院', '资源与环境学院', '管理学院',
         '动物科学技术学院', '马克思主义学院', '临床医学院', '历史文化学院']
MAJORS = ['流行病与卫生统计学', '作物栽培学与耕作学', '区域经济学', '课程与教学论', '中国现当代文学', '药理学',
          '土壤学', '企业管理', '动物营养与饲料科学', '思想政治教育', '内科学', '中国古代史']
FIELDS = ['乡村振兴', '数字经济', '高校思政课', '基层医疗', '冬小麦', '耕地质量', '排污权交易', '中小学教师',
          '老年慢性病', '农村电商', '明清小说', '肠道菌群', '生猪养殖', '跨境电商', '职业教育', '抗菌药物']
ASPECTS = ['影响因素', '空间分布特征', '时空演变', '作用机制', '耦合协调', '风险评估', '发展路径', '效率测度',
           '实践困境', '临床疗效', '遗传多样性', '政策效应']
PLACES = ['长江经济带', '黄河流域', '西南山区', '江苏省', '成渝地区', '东北黑土区', '珠三角', '云南边境地区']
FORMS = ['{f}{a}研究——以{p}为例', '{p}{f}的{a}分析', '{f}对{g}的影响及其{a}', '新时代{f}{a}的实证研究',
         '{f}视角下{g}{a}探析', '{p}{f}与{g}的{a}', '{f}中的{a}：基于{p}的调查', '论{f}的{a}']
JOURNALS = ['中国农业科学', '经济研究', '教育研究', '中华流行病学杂志', '文学评论', '土壤学报', '管理世界', '中国药理学通报',
            '畜牧兽医学报', '史学月刊']
CLC = ['R181', 'S512', 'F323', 'G642', 'I207', 'R969', 'S153', 'F272', 'S828', 'K248']
BODY = ('本研究基于多源调查数据，采用定量与定性相结合的方法，对研究对象的现状与问题进行了系统分析。'
        '结果显示，各因素之间存在显著差异，政策与环境条件对结果具有重要作用。研究结论可为相关决策提供参考。')
BODY_EN = ('Based on survey data from several sources, this study combines quantitative and qualitative methods '
           'to examine the current state of the subject. The results show significant differences among factors.')
EN_TITLES = ['Determinants of {x} in Rural Households', 'Spatial Patterns of {x} across Provinces',
             'A Field Study of {x} under Policy Change', 'Mechanisms Linking {x} and Regional Growth']
EN_X = ['Health Service Use', 'Wheat Yield', 'Digital Trade', 'Teacher Development', 'Carbon Trading', 'Gut Microbiota']


def _title(rng):
    f, g = rng.sample(FIELDS, 2)
    return rng.choice(FORMS).format(f=f, g=g, a=rng.choice(ASPECTS), p=rng.choice(PLACES))


def _en_title(rng):
    return rng.choice(EN_TITLES).format(x=rng.choice(EN_X))


def _keywords(rng, title):
    return title_keywords(rng, title, FIELDS + ASPECTS + PLACES, FIELDS)


def _page(rng, size=12, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _banner(page, rng, school):
    """A school's name set as a logo would be: spaced characters, a frame of marks, the English name in capitals."""
    name = school[0]
    style = rng.randrange(3)
    if style == 0:
        text = ' '.join(name)
    elif style == 1:
        text = '★ %s ★' % name
    else:
        text = '\u3000'.join(name)
    page.para((text, {'size': rng.choice([22, 26, 30]), 'bold': True}), align='c', before=rng.choice([10, 30]), after=2)
    if rng.random() < 0.7:
        page.para(school[1].upper(), align='c', size=rng.choice([9, 10, 11]), after=16)


def _label(rng, forms):
    lab = rng.choice(forms)
    if len(lab) == 2 and rng.random() < 0.5:
        lab = lab[0] + rng.choice([' ', '  ', '\u3000', '\u3000\u3000']) + lab[1]
    return lab


def _year_month(rng):
    return rng.randint(2006, 2025), rng.choice([3, 4, 5, 6, 11, 12])


def _date_text(rng, year, month):
    r = rng.random()
    if r < 0.4:
        return zh_date(year, month)
    if r < 0.7:
        return '%d年%d月' % (year, month)
    return '%d 年 %d 月 %d 日' % (year, month, rng.randint(1, 28))


def _cover(rng, margins=None):
    """What every cover draws, in one order: page, year and month, school, title, author, supervisor."""
    page = _page(rng, margins=margins)
    year, month = _year_month(rng)
    school = rng.choice(SCHOOLS)
    title = _title(rng)
    author, author_py = zh_person(rng)
    sup, sup_py = zh_person(rng)
    return page, year, month, school, title, author, author_py, sup, sup_py


def thesis_table_cover(rng):
    """Cover whose label block is a ruled table: 课题名称 / 论文题目 beside the title, student, tutor, unit."""
    page, year, month, school, title, author, _, sup, _ = _cover(rng)
    if rng.random() < 0.5:
        page.table([['编号：%05d' % rng.randint(1, 99999), '密级：%s' % rng.choice(['公开', '无'])]], size=9, align=['l', 'r'])
    _banner(page, rng, school)
    kind = rng.choice(['硕士学位论文', '博士学位论文', '专业学位硕士研究生学位论文', '本科毕业论文'])
    page.para((kind, {'size': rng.choice([18, 20, 24]), 'bold': rng.random() < 0.5}), align='c', before=20, after=30)
    tlab = _label(rng, ['课题名称', '论文题目', '题目', '论文名称', '中文题目'])
    rows = [[tlab, title]]
    if rng.random() < 0.5:
        rows.append([_label(rng, ['英文题目', '英文名称']), _en_title(rng)])
    rows += [[_label(rng, ['研究生', '学生姓名', '学位申请人', '姓名']), author],
             [_label(rng, ['学号']), '%d%07d' % (year - 3, rng.randint(0, 9999999))],
             [_label(rng, ['指导教师', '导师', '指导老师']), sup + rng.choice(['', ' 教授', '（教授）'])],
             [_label(rng, ['学科专业', '专业', '专业领域']), rng.choice(MAJORS)],
             [_label(rng, ['所在学院', '培养单位', '院系']), rng.choice(UNITS)],
             [_label(rng, ['完成时间', '提交日期', '日期']), _date_text(rng, year, month)]]
    page.table(rows, widths_cm=[3.5, 9.5], size=rng.choice([12, 14]), grid=True, align=['c', 'l'])
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def thesis_english_first(rng):
    """The English cover text comes first and large; the Chinese title and name follow, smaller."""
    page, year, month, school, title, author, author_py, sup, sup_py = _cover(rng)
    et = _en_title(rng)
    page.para(school[1].upper(), align='c', size=rng.choice([14, 16]), bold=True, before=20, after=20)
    page.para((et, {'size': rng.choice([20, 22]), 'bold': True}), align='c', after=16)
    page.para('A %s Submitted for the Degree of %s' % (rng.choice(['Thesis', 'Dissertation']),
                                                       rng.choice(['Master', 'Doctor of Philosophy', 'Master of Medicine'])),
              align='c', size=12, after=6)
    page.para('by %s' % author_py, align='c', size=13, after=4)
    page.para('Supervisor: Professor %s' % sup_py, align='c', size=12, after=30)
    page.para(('%s%s' % (school[0], rng.choice(['硕士学位论文', '博士学位论文', '学位论文'])), {'size': 16}), align='c', after=10)
    labelled = rng.random() < 0.6
    if labelled:
        page.para([(_label(rng, ['中文题目', '论文题目', '题目']) + rng.choice(['：', ':', ' ']), {'bold': True}), title],
                  align='c', size=rng.choice([14, 15]), after=8)
    else:
        page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=8)
    page.para('%s：%s' % (_label(rng, ['作者', '研究生', '申请人']), author), align='c', size=13, after=2)
    page.para('%s：%s' % (_label(rng, ['导师', '指导教师']), sup), align='c', size=13, after=2)
    page.para('%s：%s' % (_label(rng, ['专业', '学科']), rng.choice(MAJORS)), align='c', size=13, after=20)
    page.para(_date_text(rng, year, month), align='c', size=12)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, title_en=et)


def thesis_wide_cover(rng):
    """Wide spacing, the title over two lines after "题 目", drawn blanks (underscores) after labels,
    the school and date at the foot."""
    page, year, month, school, title, author, _, sup, _ = _cover(rng, margins=3.0)
    page.para('学校代码：%05d　　　　　　　学号：%d%05d' % (rng.randint(10001, 10700), year - 4, rng.randint(0, 99999)),
              size=10, align='l', after=40)
    page.para((rng.choice(['学 位 论 文', '研究生学位论文', '毕 业 论 文', '硕 士 论 文']), {'size': 30, 'bold': True}),
              align='c', after=rng.choice([60, 80]))
    lab = rng.choice(['题 目', '题　目', '论文题目', '题目'])
    if len(title) > 14 and rng.random() < 0.7:
        k = len(title) // 2 + rng.randint(-2, 2)
        page.para([(lab + '：', {'bold': True}), (title[:k], {'size': 18})], align='c', size=16, after=4, line=1.5)
        page.para((title[k:], {'size': 18}), align='c', after=40, line=1.5)
    else:
        page.para([(lab + '：', {'bold': True}), (title, {'size': 18})], align='c', size=16, after=40, line=1.5)
    fill = '_' * rng.randint(2, 4)
    for lab2, val in [(_label(rng, ['学位申请人', '作者姓名', '研究生']), author),
                      (_label(rng, ['指导教师', '导师姓名']), sup),
                      (_label(rng, ['学科名称', '专业名称']), rng.choice(MAJORS)),
                      (_label(rng, ['研究方向']), rng.choice(FIELDS))]:
        page.para('%s：%s%s%s' % (lab2, fill, val, fill), align='c', size=14, after=14, line=1.5)
    page.para(school[0], align='c', size=18, before=rng.choice([40, 70]), bold=True)
    page.para(_date_text(rng, year, month), align='c', size=14)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def proposal_cover(rng):
    """A thesis proposal report cover: report kind first, the title after 课题名称 / 论文题目 on one line each."""
    page, year, month, school, title, author, _, sup, _ = _cover(rng)
    page.para(school[0] + rng.choice(['研究生院', '教务处', '']), align='c', size=16, before=20)
    page.para((rng.choice(['研究生学位论文开题报告', '毕业设计（论文）开题报告', '学位论文选题报告', '开 题 报 告']),
               {'size': 24, 'bold': True}), align='c', before=20, after=50)
    c = rng.choice(['：', ':', '　'])
    for lab, val in [(_label(rng, ['课题名称', '论文题目', '题目名称']), title),
                     (_label(rng, ['研究生', '学生姓名', '报告人']), author),
                     (_label(rng, ['学号']), '%d%06d' % (year - 2, rng.randint(0, 999999))),
                     (_label(rng, ['导师', '指导教师']), sup),
                     (_label(rng, ['学院', '所在单位']), rng.choice(UNITS)),
                     (_label(rng, ['填表日期', '报告日期']), _date_text(rng, year, month))]:
        page.para([(lab + c, {'bold': rng.random() < 0.5}), (val, {'u': rng.random() < 0.5})], align='l', size=14,
                  after=12)
    page.para('%s制' % (school[0] + '研究生院'), align='c', size=12, before=60)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def _people(rng, n):
    return [p[0] for p in distinct(rng, zh_person, n)]


def journal_foot_codes(rng):
    """Title first under a column label, authors with numbered marks, unit lines without brackets,
    abstract and keywords in a two-cell table, codes and the journal's name at the foot."""
    page = _page(rng, size=rng.choice([9, 10]), margins=2.0)
    year = rng.randint(2008, 2025)
    title = _title(rng)
    names = _people(rng, rng.randint(1, 4))
    kws = _keywords(rng, title)
    page.para((rng.choice(['·论著·', '【专题研究】', '·临床研究·', '◎ 理论探索', '经济与管理']), {'bold': True}),
              align=rng.choice('lc'), size=10, after=10)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=8)
    n_units = min(len(names), rng.randint(1, 3))
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        if n_units > 1:
            runs.append((str(1 + i % n_units), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(rng.choice(['，', '　', ' ']))
    page.para(runs, align='c', size=12, after=4)
    for i in range(n_units):
        s = rng.choice(SCHOOLS)
        page.para('%s%s%s，%s %s' % ('%d.' % (i + 1) if n_units > 1 else '', s[0], rng.choice(UNITS), s[2], s[3]),
                  align='c', size=8.5, after=0)
    page.table([[('摘要' if rng.random() < 0.5 else '[摘要]', {'bold': True}), BODY],
                [('关键词' if rng.random() < 0.5 else '[关键词]', {'bold': True}), rng.choice(['；', '，', '　'])
                 .join(kws)]], widths_cm=[2.2, 14], size=9, align=['c', 'l'], grid=rng.random() < 0.5)
    page.para((_en_title(rng), {'bold': True, 'size': 12}), align='c', before=8, after=4)
    page.para([('Abstract: ', {'bold': True}), BODY_EN], size=8.5, align='j', after=6)
    page.para(('1　资料与方法' if rng.random() < 0.5 else '一、问题的提出', {'bold': True}), size=11, before=6)
    page.para(BODY * 2, indent=20, align='j')
    page.para('中图分类号：%s　　文献标识码：A　　文章编号：%04d-%04d(%d)%02d-%04d-%02d'
              % (rng.choice(CLC), rng.randint(1000, 2999), rng.randint(1000, 9999), year, rng.randint(1, 12),
                 rng.randint(1, 999), rng.randint(4, 9)), size=8, rule='top', before=10)
    page.para('%s　%d年第%d期' % (rng.choice(JOURNALS), year, rng.randint(1, 12)), size=8, align='r')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def journal_banner_head(rng):
    """The journal's name as a spaced banner in a two-cell head with volume and ISSN, a subtitle
    line, a single author with the unit in brackets on the same line, 内容提要 instead of 摘要."""
    page = _page(rng, size=10, margins=2.2)
    year = rng.randint(2008, 2025)
    title = _title(rng)
    journal = rng.choice(JOURNALS)
    n_auth = 1 if rng.random() < 0.6 else 2
    names = _people(rng, n_auth)
    kws = _keywords(rng, title)
    page.table([[(' '.join(journal), {'size': rng.choice([18, 22]), 'bold': True}),
                 '第%d卷第%d期\n%d年%d月\nISSN %04d-%04d' % (rng.randint(5, 50), rng.randint(1, 12), year, rng.randint(1, 12),
                                                         rng.randint(1000, 2999), rng.randint(1000, 9999))]],
               widths_cm=[11, 5], size=8, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    if '——' in title and rng.random() < 0.6:
        head, tail = title.split('——', 1)
        page.para((head, {'size': 18, 'bold': True}), align='c', after=2)
        page.para(('——' + tail, {'size': 18, 'bold': True}), align='c', after=10)
    else:
        page.para((title, {'size': 18, 'bold': True}), align='c', after=10)
    for n in names:
        s = rng.choice(SCHOOLS)
        page.para('%s（%s%s，%s　%s）' % (n, s[0], rng.choice(UNITS), s[2], s[3]), align='c', size=10.5, after=2)
    page.para([(rng.choice(['［内容提要］', '内容提要：', '【内容摘要】']), {'bold': True}), BODY], size=9, align='j', before=8)
    page.para([(rng.choice(['［关键词］', '关键词：', '【关键词】']), {'bold': True}), '　'.join(kws)], size=9, after=4)
    if rng.random() < 0.6:
        page.para('［中图分类号］%s　［文献标识码］A' % rng.choice(CLC), size=8.5, after=8)
    page.para(BODY * 3, indent=20, align='j')
    page.para('作者简介：%s，%s，%s，研究方向为%s。' % (names[0], rng.choice(['男', '女']), rng.choice(['博士', '教授', '副教授', '讲师']),
                                           rng.choice(FIELDS)), size=8, rule='top', before=6)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


TEMPLATES = {
    'gen-zh-thesis-tablecover': thesis_table_cover,
    'gen-zh-thesis-englishfirst': thesis_english_first,
    'gen-zh-thesis-widecover': thesis_wide_cover,
    'gen-zh-proposal-cover': proposal_cover,
    'gen-zh-journal-footcodes': journal_foot_codes,
    'gen-zh-journal-bannerhead': journal_banner_head,
}
