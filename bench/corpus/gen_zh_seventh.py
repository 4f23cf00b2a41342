"""A seventh set of Chinese first pages, in layouts the earlier sets lack: a 学报（自然科学版） page in
two columns under a full-width head and title, whose byline and unit stand in the left column only;
a 硕士专业学位论文 cover whose labels are given in Chinese and English side by side ("作者姓名
Author"); a 会议论文集 page whose authors are listed in a ruled table (姓名 | 单位 | 电子邮箱); a page
whose abstract and keywords sit in a framed box between the byline and the body; an 实验报告 /
课程论文 cover with 姓名, 学号 and 班级 on one line; a thesis 扉页 whose title is broken over three
lines with the English title in italics under it; a page whose authors are given as
"作者：甲（单位）；乙（单位）"; and a page that opens with a 收稿日期 / 修回日期 / 基金项目 block above
the title. Subjects: river sediment, grassland, natural rubber, oasis cotton, loess tunnels,
overseas-Chinese archives and earthquake precursors."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('华北水利水电大学', 'North China University of Water Resources and Electric Power', '郑州', '450046'),
           ('内蒙古农业大学', 'Inner Mongolia Agricultural University', '呼和浩特', '010018'),
           ('海南大学', 'Hainan University', '海口', '570228'),
           ('石河子大学', 'Shihezi University', '石河子', '832003'),
           ('长安大学', "Chang'an University", '西安', '710064'),
           ('汕头大学', 'Shantou University', '汕头', '515063'),
           ('防灾科技学院', 'Institute of Disaster Prevention', '三河', '065201'),
           ('塔里木大学', 'Tarim University', '阿拉尔', '843300'),
           ('重庆交通大学', 'Chongqing Jiaotong University', '重庆', '400074'),
           ('黑龙江大学', 'Heilongjiang University', '哈尔滨', '150080')]
DOMAIN_NAMES = ['ncwu', 'imau', 'hainanu', 'shzu', 'chd', 'stu', 'cidp', 'taru', 'cqjtu', 'hlju']
# one field each: subjects, angles, settings; then the schools (indices into SCHOOLS), units,
# majors, the journal (an index into JOURNALS) and English titles that go with them
DOMAINS = [(['河床冲淤', '悬移质泥沙', '堤防渗流'], ['演变规律', '数值模拟', '监测预警'], ['黄河下游', '小浪底库区'],
            dict(schools=[0], units=['水利学院', '水利水电工程学院'], majors=['水利工程', '水文学及水资源'], journal=0, meeting='水沙科学')),
           (['荒漠草原', '牧草返青', '草地退化'], ['时空格局', '驱动因素', '恢复对策'], ['锡林郭勒盟', '阴山北麓'],
            dict(schools=[1], units=['草原与资源环境学院', '生态环境学院'], majors=['草学', '草业科学'], journal=1, meeting='草地生态')),
           (['天然橡胶', '橡胶树白粉病', '槟榔黄化病'], ['发生规律', '综合防控', '产量效应'], ['海南垦区', '热带山地'],
            dict(schools=[2], units=['热带作物学院', '植物保护学院'], majors=['作物学', '植物病理学'], journal=2, meeting='热带作物病害')),
           (['膜下滴灌棉田', '绿洲盐渍土', '棉花打顶'], ['水盐运移', '产量效应', '调控技术'], ['南疆绿洲', '天山北坡'],
            dict(schools=[3, 7], units=['农学院', '水利建筑工程学院'], majors=['农业水土工程', '作物栽培学与耕作学'],
                 journal=3, meeting='绿洲农业')),
           (['黄土隧道', '沥青路面车辙', '高填方路堤'], ['变形特性', '数值模拟', '病害处治'], ['陕北黄土区', '山区高速公路'],
            dict(schools=[4, 8], units=['公路学院', '土木工程学院'], majors=['道路与铁道工程', '桥梁与隧道工程'], journal=4, meeting='道路与隧道工程')),
           (['侨批档案', '华侨书信', '侨乡宗族'], ['整理与利用', '历史价值', '记忆建构'], ['潮汕地区', '闽南侨乡'],
            dict(schools=[5, 9], units=['文学院', '历史文化学院'], majors=['中国近现代史', '档案学'], journal=5, meeting='侨乡文化')),
           (['地震前兆', '活动断层', '地下流体'], ['异常特征', '监测预警', '时空格局'], ['华北地区', '川滇地块'],
            dict(schools=[6], units=['地球科学学院', '防灾减灾工程系'], majors=['固体地球物理学', '防灾减灾工程及防护工程'],
                 journal=6, meeting='地震前兆观测'))]
EN = {'河床冲淤': 'Riverbed Scour and Fill', '悬移质泥沙': 'Suspended Sediment', '堤防渗流': 'Levee Seepage',
      '荒漠草原': 'Desert Steppe', '牧草返青': 'Spring Green-up of Forage Grasses', '草地退化': 'Grassland Degradation',
      '天然橡胶': 'Natural Rubber', '橡胶树白粉病': 'Powdery Mildew of Rubber Trees',
      '槟榔黄化病': 'Yellow Leaf Disease of Areca Palms', '膜下滴灌棉田': 'Cotton Fields under Mulched Drip Irrigation',
      '绿洲盐渍土': 'Saline Oasis Soils', '棉花打顶': 'Cotton Topping', '黄土隧道': 'Loess Tunnels',
      '沥青路面车辙': 'Rutting of Asphalt Pavements', '高填方路堤': 'High Fill Embankments',
      '侨批档案': 'Qiaopi Archives', '华侨书信': 'Letters of Overseas Chinese', '侨乡宗族': 'Lineages in Emigrant Villages',
      '地震前兆': 'Earthquake Precursors', '活动断层': 'Active Faults', '地下流体': 'Subsurface Fluids',
      '演变规律': 'Evolution', '数值模拟': 'Numerical Simulation', '监测预警': 'Monitoring and Early Warning',
      '时空格局': 'Spatio-Temporal Pattern', '驱动因素': 'Drivers', '恢复对策': 'Restoration Measures',
      '发生规律': 'Occurrence', '综合防控': 'Integrated Control', '产量效应': 'Yield Effects',
      '水盐运移': 'Water and Salt Transport', '调控技术': 'Regulation Techniques', '变形特性': 'Deformation Behaviour',
      '病害处治': 'Remediation of Defects', '整理与利用': 'Arrangement and Use', '历史价值': 'Historical Value',
      '记忆建构': 'Construction of Memory', '异常特征': 'Anomalies', '黄河下游': 'the Lower Yellow River',
      '小浪底库区': 'the Xiaolangdi Reservoir', '锡林郭勒盟': 'Xilingol League', '阴山北麓': 'the Northern Foot of the Yinshan Mountains',
      '海南垦区': 'the Hainan State Farms', '热带山地': 'Tropical Uplands', '南疆绿洲': 'Oases of Southern Xinjiang',
      '天山北坡': 'the Northern Slope of the Tianshan Mountains', '陕北黄土区': 'the Loess Region of Northern Shaanxi',
      '山区高速公路': 'Mountain Expressways', '潮汕地区': 'the Chaoshan Region', '闽南侨乡': 'Emigrant Villages of Southern Fujian',
      '华北地区': 'North China', '川滇地块': 'the Sichuan-Yunnan Block'}
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
UNITS = sorted({u for d in DOMAINS for u in d[3]['units']})
FORMS = ['{c}{s}{a}分析', '{s}{a}的观测与讨论——以{c}为例', '试论{s}与{t}的{a}', '{c}{s}{a}及其成因',
         '面向{c}的{s}{a}考察']
JOURNALS = ['人民黄河', '草地学报', '热带作物学报', '新疆农业科学', '隧道建设', '华侨华人历史研究', '地震地质']
XUEBAO = ['学报（自然科学版）', '学报（哲学社会科学版）']
HUMANITIES = 5  # the one field a 学报 prints in its 哲学社会科学版
CLC = ['TV147', 'S812', 'S794.1', 'S562', 'U451', 'K249', 'P315.72']
BODY = ('本文以多年野外观测、室内试验与文献资料为基础，分析了研究对象的主要特征与变化过程，'
        '讨论了各因素的作用方式，并对后续工作提出了建议。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei']


def _english(title, s, t):
    """The English title of a Chinese one, from the English of the terms it uses."""
    a = next(w for w in ANGLES if w in title)
    c = next((w for w in CONTEXTS if w in title), None)
    angle, subject = EN[a], EN[s]
    if t in title:
        return '%s of %s and %s' % (angle, subject, EN[t])
    return '%s of %s in %s' % (angle, subject, EN[c]) if c else '%s of %s' % (angle, subject)


def _topic(rng):
    """A title and what goes with its field: school, unit, major, journal, English title."""
    subjects, angles, contexts, f = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    title = rng.choice(FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(title=title, kws=kws, school=SCHOOLS[rng.choice(f['schools'])], unit=rng.choice(f['units']),
                units=f['units'], major=rng.choice(f['majors']), journal=f['journal'], meeting=f['meeting'],
                en=_english(title, s, t))


def _page(rng, size=10.5):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size, margins=rng.choice([1.8, 2.2, 2.5]))


def _people(rng, low, high):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(low, high))]


def _when(rng):
    year, month = rng.randint(2009, 2026), rng.choice([3, 5, 6, 11, 12])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)


def _dates(rng, year):
    return ['收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)),
            '修回日期：%d-%02d-%02d' % (year, rng.randint(1, 6), rng.randint(1, 28))]


def _unit_line(topic, rng):
    s = topic['school']
    return '（%s %s，%s %s）' % (s[0], topic['unit'], s[2], s[3]) if rng.random() < 0.6 else \
        '（%s%s，%s %s）' % (s[0], topic['unit'], s[2], s[3])


def _abstract(page, rng, kws, size=9):
    page.para([('摘　要：', {'bold': True}), BODY], size=size, align='j')
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '　']).join(kws)], size=size, after=2)


def _finish(page, rng, topic, authors, year, kws=None, **extra):
    meta = set_meta(page, rng, topic['title'], authors, kws or ())
    return page, record(topic['title'], authors, year, kws or (), 'zh', None, meta=meta, **extra)


def xuebao_leftbyline(rng):
    """A university 学报 head across the page, the title across the page, then two columns: the
    byline on one line and the unit on the next in the left column only, then abstract and body."""
    page = _page(rng, 10)
    year, topic = rng.randint(2008, 2026), _topic(rng)
    school = topic['school']
    vol, no = rng.randint(20, 50), rng.randint(1, 6)
    edition = XUEBAO[1] if topic['journal'] == HUMANITIES else XUEBAO[0]
    page.para('%s%s\t\t第%d卷第%d期' % (school[0], edition, vol, no), size=9, rule='bottom', after=1)
    page.para('Journal of %s\t\tVol.%d No.%d  %d' % (school[1], vol, no, year), size=8, after=20)
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=14)
    page.columns(2, 0.6)
    authors = _people(rng, 1, 3)
    page.para('、'.join(authors) if rng.random() < 0.5 else '　'.join(authors), size=11,
              cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s %s，%s %s）' % (school[0], topic['unit'], school[2], school[3]), size=8.5, after=8)
    _abstract(page, rng, topic['kws'])
    page.para('中图分类号：%s　文献标志码：A' % CLC[topic['journal']], size=8.5, after=8)
    page.para(('0　引言', {'bold': True}), size=10.5, after=2)
    page.para(BODY * 4, indent=20, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'])


def thesis_bilingual_labels(rng):
    """A 硕士专业学位论文 cover whose labels stand in Chinese and English side by side in a borderless
    table: 论文题目 Title, 作者姓名 Author, 指导教师 Supervisor, 专业学位类别 Degree Category ..."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    school = topic['school']
    author, sup, sup2 = _people(rng, 3, 3)
    page.para('单位代码：%s　　　学号：%d%06d' % (rng.choice(['10078', '10129', '10589', '10759', '10710']), year - 3,
                                          rng.randint(1, 999999)), size=10, align='r', after=30)
    page.para((school[0], {'size': 24, 'cjk': rng.choice(KAI)}), align='c', after=2)
    page.para((school[1], {'size': 11}), align='c', after=24)
    page.para((rng.choice(['硕士专业学位论文', '硕 士 专 业 学 位 论 文']), {'size': 26, 'bold': True}), align='c', after=2)
    page.para(("MASTER'S PROFESSIONAL DEGREE THESIS", {'size': 12}), align='c', after=50)
    sep = rng.choice(['　', ' ', '\n'])
    rows = [('论文题目' + sep + 'Title', topic['title']), ('作者姓名' + sep + 'Author', author),
            ('指导教师' + sep + 'Supervisor', sup + rng.choice(['　教授', ' 副教授', ''])),
            ('专业学位类别' + sep + 'Degree Category', rng.choice(['工程硕士', '农业硕士', '资源与环境', '交通运输'])),
            ('领域' + sep + 'Field', topic['major'])]
    if rng.random() < 0.5:
        rows.insert(3, ('企业导师' + sep + 'Industry Supervisor', sup2 + '　高级工程师'))
    rows.append(('完成时间' + sep + 'Date', when))
    c = rng.choice(['：', ''])
    page.table([[lab + c, val] for lab, val in rows], widths_cm=[6.0, 8.5],
               size=rng.choice([12, 13]), align=['l', 'l'])
    return _finish(page, rng, topic, [author], year, supervisor=sup)


def proceedings_author_table(rng):
    """A page of a 会议论文集: the meeting's name, the title, then the authors in a ruled table of
    姓名 | 单位 | 电子邮箱 (or 作者 | 工作单位 | E-mail), then 摘要/关键词 and the body."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2010, 2026), _topic(rng)
    school = topic['school']
    n = rng.randint(2, 4)
    page.para('第%s届全国%s学术研讨会论文集　%d' % ('一二三四五六七八九十'[rng.randrange(10)],
                                          topic['meeting'], year),
              size=9, align='c', rule='bottom', after=20)
    page.para((topic['title'], {'size': 16, 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c', after=12)
    authors = _people(rng, n, n)
    head = rng.choice([['姓名', '单位', '电子邮箱'], ['作者', '工作单位', 'E-mail']])
    rows = [[(h, {'bold': True}) for h in head]]
    for i, a in enumerate(authors):
        unit = '%s%s' % (school[0], topic['units'][i % len(topic['units'])])
        rows.append([a, unit, '%s%02d@%s.edu.cn' % (rng.choice(['stu', 'lab', 'res', 'grad']), rng.randint(1, 99),
                                                    DOMAIN_NAMES[SCHOOLS.index(school)])])
    page.table(rows, widths_cm=[2.6, 7.5, 5.0], size=9.5, grid=True)
    page.para('', after=6)
    _abstract(page, rng, topic['kws'])
    page.para(('1　问题的提出', {'bold': True}), size=11, before=8, after=2)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'])


def journal_framed_abstract(rng):
    """Title, byline and unit line, then the abstract and keywords framed in a box (a one-cell
    ruled table) before the body; the English title and names come after the box on some."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2008, 2026), _topic(rng)
    j = topic['journal']
    page.para('%s　%d年第%d期' % (JOURNALS[j], year, rng.randint(1, 12)), size=9, align='l', after=18)
    page.para((topic['title'], {'size': 17, 'bold': True, 'cjk': rng.choice(SONG)}), align='c', after=8)
    authors = _people(rng, 1, 4)
    marks = len(authors) > 1 and rng.random() < 0.5
    runs = []
    for i, a in enumerate(authors):
        runs.append(a)
        if marks:
            runs.append((str(1 + i % 2), {'sup': True, 'size': 7}))
        if i < len(authors) - 1:
            runs.append('，')
    page.para(runs, align='c', size=11.5, cjk=rng.choice(KAI + HEI), after=2)
    s = topic['school']
    units = '（1. %s%s；2. %s%s，%s %s）' % (s[0], topic['units'][0], s[0], topic['units'][1], s[2], s[3])
    page.para(units if marks else _unit_line(topic, rng), align='c', size=9, after=10)
    kws = topic['kws']
    box = [('摘要：', {'bold': True}), BODY + '\n', ('关键词：', {'bold': True}), '；'.join(kws) + '\n',
           ('中图分类号：', {'bold': True}), CLC[j] + '　　文献标识码：A']
    page.table([[box]], widths_cm=[16.0], size=9, grid=True, align='l')
    page.para('', after=8)
    extra = {}
    if rng.random() < 0.5:
        extra['title_en'] = topic['en']
        page.para((topic['en'], {'bold': True}), align='c', size=12, after=8)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, kws, **extra)


def coursework_oneline(rng):
    """An 实验报告 or 课程论文 cover: kind, course, the title after 题目 / 实验名称, then 姓名, 学号 and
    班级 on one line, the teacher (not an author) and the date."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    school = topic['school']
    student, teacher = _people(rng, 2, 2)
    kind = rng.choice(['实验报告', '课程论文', '课程设计报告'])
    page.para((school[0], {'size': 20, 'cjk': rng.choice(KAI + SONG)}), align='c', before=20, after=10)
    page.para((kind, {'size': 28, 'bold': True}), align='c', after=40)
    page.para('课程名称：%s' % rng.choice(['专业综合实验', '学科前沿专题', '野外实习', '专业外语', '研究方法论']),
              size=13, align='c', after=8)
    lab = '实验名称' if kind == '实验报告' and rng.random() < 0.6 else '题　　目'
    page.para([(lab + '：', {}), (topic['title'], {'u': rng.random() < 0.5})], size=13, align='c', after=30)
    sid = '%d%s%03d' % (year - rng.randint(1, 3), rng.choice(['0412', '1203', '2106']), rng.randint(1, 120))
    klass = '%s%d%s班' % (topic['major'][:2], (year - 2) % 100, rng.choice(['01', '02', '（1）', '（2）']))
    sp = rng.choice(['　', '　　', '  '])
    page.para(sp.join(['姓名：' + student, '学号：' + sid, '班级：' + klass]), size=12, align='c', after=10)
    page.para('学院：%s' % topic['unit'], size=12, align='c', after=10)
    page.para('%s：%s' % (rng.choice(['任课教师', '指导教师']), teacher), size=12, align='c', after=10)
    page.para('日期：%s' % when, size=12, align='c')
    return _finish(page, rng, topic, [student], year)


def _thirds(title):
    """Where a title printed over three lines breaks: at the ends of its terms, before a "——"
    subtitle or after 的 / 与, as near the thirds of its length as those allow."""
    spans = [(i, i + len(w)) for w in SUBJECTS + ANGLES + CONTEXTS for i in range(len(title)) if title.startswith(w, i)]
    cuts = {e for _, e in spans} | {i for i in range(len(title)) if title.startswith('——', i)}
    cuts |= {i + 1 for i, ch in enumerate(title) if ch in '的与'}
    cuts = sorted(c for c in cuts if 3 <= c <= len(title) - 3 and not title.startswith('—', c - 1)
                  and title[c] not in '的与及' and not any(a < c < e for a, e in spans))
    pairs = [(a, b) for a in cuts for b in cuts if b - a >= 3]
    if not pairs:
        return len(title) // 3, 2 * len(title) // 3
    n = len(title)
    return min(pairs, key=lambda p: abs(p[0] - n / 3) + abs(p[1] - 2 * n / 3))


def flyleaf_threeline(rng):
    """A thesis 扉页: the title broken over three centred lines in 黑体, the English title in italics
    under it, then 申请人 / 学科专业 / 指导教师 / 论文提交日期 lines and the school at the foot."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    title, school = topic['title'], topic['school']
    author, sup = _people(rng, 2, 2)
    page.para(rng.choice(['分类号', 'UDC']) + '：%s' % CLC[topic['journal']], size=10, after=2)
    page.para(rng.choice(['密级：公开', '学校代码：10710']), size=10, after=60)
    k1, k2 = _thirds(title)
    font = {'size': 20, 'bold': True, 'cjk': rng.choice(HEI)}
    page.para([(title[:k1], dict(font, **{'break': True})), (title[k1:k2], dict(font, **{'break': True})),
               (title[k2:], font)], align='c', line=1.5, after=16)
    page.para((topic['en'], {'size': 14, 'italic': True}), align='c', after=70)
    c, align = rng.choice(['：', '　']), rng.choice(['c', 'l'])
    for lab, val in [('申 请 人', author), ('学科专业', topic['major']), ('指导教师', sup + rng.choice(['　教授', ''])),
                     ('论文提交日期', when)]:
        page.para(lab + c + val, size=14, align=align, after=8)
    page.para(school[0], size=15, align='c', before=40)
    return _finish(page, rng, topic, [author], year, supervisor=sup, title_en=topic['en'])


def journal_paren_units(rng):
    """A journal page whose authors are written "作者：甲（单位）；乙（单位）" on one line under the
    title, each name followed by its own unit in brackets."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2006, 2026), _topic(rng)
    j = topic['journal']
    page.para('%s　第%d卷　%d年' % (JOURNALS[j], rng.randint(10, 45), year), size=9, align='r', rule='bottom', after=20)
    page.para((topic['title'], {'size': 16, 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c', after=10)
    authors = _people(rng, 1, 3)
    parts = ['%s（%s%s）' % (a, topic['school'][0], topic['units'][i % 2]) for i, a in enumerate(authors)]
    page.para([('作者：', {'bold': rng.random() < 0.5}), '；'.join(parts)], size=10.5,
              align=rng.choice(['c', 'l']), after=12)
    page.para([('［摘要］', {'bold': True}), BODY], size=9, align='j')
    page.para([('［关键词］', {'bold': True}), '　'.join(topic['kws'])], size=9, after=12)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'])


def received_top(rng):
    """A page that opens with the note block (收稿日期 / 修回日期 / 基金项目 / 作者简介) above the title,
    framed by rules, then title, byline with digits, numbered units, abstract and body."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2008, 2026), _topic(rng)
    authors = _people(rng, 2, 4)
    d = _dates(rng, year)
    for line in (['　'.join(d)] if rng.random() < 0.5 else d):
        page.para(line, size=8.5, rule='top' if line.startswith('收') else None, after=0)
    page.para('基金项目：%s（%d%s%03d）' % (rng.choice(['国家自然科学基金项目', '省级重点研发计划', '中央高校基本科研业务费']),
                                      year - 2, rng.choice(['HN', 'NM', 'XJ', '']), rng.randint(1, 999)), size=8.5, after=0)
    page.para('作者简介：%s（%d—），%s，%s，研究方向为%s。' % (
        authors[0], rng.randint(1965, 1998), rng.choice(['男', '女']), rng.choice(['博士', '硕士研究生', '副教授']),
        topic['major']), size=8.5, rule='bottom', after=18)
    page.para((topic['title'], {'size': 17, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    runs = []
    for i, a in enumerate(authors):
        runs += [a, ('%d' % (1 + i % 2), {'sup': True, 'size': 7})] + (['，'] if i < len(authors) - 1 else [])
    page.para(runs, align='c', size=11, cjk=rng.choice(KAI), after=2)
    s = topic['school']
    page.para('（1. %s %s，%s %s；2. %s %s，%s %s）' % (s[0], topic['units'][0], s[2], s[3], s[0], topic['units'][1],
                                                  s[2], s[3]), align='c', size=8.5, after=10)
    _abstract(page, rng, topic['kws'])
    page.para(BODY * 3, indent=21, align='j', before=8)
    return _finish(page, rng, topic, authors, year, topic['kws'])


TEMPLATES = {
    'gen-zh-xuebao-leftbyline': xuebao_leftbyline,
    'gen-zh-thesis-bilinguallabels': thesis_bilingual_labels,
    'gen-zh-proceedings-authortable': proceedings_author_table,
    'gen-zh-journal-framedabstract': journal_framed_abstract,
    'gen-zh-coursework-oneline': coursework_oneline,
    'gen-zh-flyleaf-threeline': flyleaf_threeline,
    'gen-zh-journal-parenunits': journal_paren_units,
    'gen-zh-journal-receivedtop': received_top,
}
