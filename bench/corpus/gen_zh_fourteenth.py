"""A fourteenth set of Chinese first pages, of kinds the earlier sets lack: the cover of a thesis
for a self-study or adult-education degree (考生姓名, 准考证号, 主考院校, 指导教师); a page of a
school's digest of its best theses (the student and the 指导教师 under the title); the cover of a
student innovation project's final report (项目负责人, 项目成员, 指导教师); a trade magazine's
article with a column kicker, a "文／" byline, a lead in 楷体 and the writers' notes at the foot; a
page of a meeting's book of abstracts, the presenting author underlined; and a journal page in
traditional characters with the authors' posts in starred notes at the foot.
Subjects: ceramic glazes, measurement and calibration, squid fishing and cold chains, grassland
grazing, and (in traditional characters) long-term care and community building."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('景德镇学院', 'Jingdezhen University', '景德镇', '333000'),
           ('中国计量大学', 'China Jiliang University', '杭州', '310018'),
           ('集美大学', 'Jimei University', '厦门', '361021'),
           ('甘肃农业大学', 'Gansu Agricultural University', '兰州', '730070')]
# one field each: subjects, angles, settings, then units, majors and an outside body
DOMAINS = [(['青花釉料', '高温颜色釉', '陶瓷窑址'], ['配方优化', '烧成机理', '考古测年'], ['景德镇御窑', '赣东北地区'],
            dict(units=['材料科学与工程学院', '考古与文博学院'], majors=['无机非金属材料工程', '陶瓷艺术设计'],
                 place='江西省陶瓷研究所')),
           (['智能电能表', '计量校准', '质量基础设施'], ['不确定度评定', '溯源体系', '在线监测'], ['长三角计量服务', '县域电网'],
            dict(units=['计量测试工程学院', '质量与安全工程学院'], majors=['测控技术与仪器', '质量管理工程'],
                 place='浙江省计量科学研究院')),
           (['远洋鱿钓', '金枪鱼围网', '水产品冷链'], ['资源量评估', '渔场预报', '损耗控制'], ['东南太平洋', '北部湾渔场'],
            dict(units=['水产学院', '海洋食品与生物工程学院'], majors=['渔业资源', '水产品加工及贮藏工程'],
                 place='福建省水产研究所')),
           (['典型草原退化', '苜蓿育种', '舍饲养羊'], ['载畜量测算', '抗寒性评价', '补饲方案'], ['甘南草原', '河西走廊'],
            dict(units=['草业学院', '动物科学技术学院'], majors=['草学', '畜牧学'], place='甘肃省草原技术推广总站'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}{a}研究', '{s}的{a}：基于{c}的调查', '面向{c}的{s}{a}', '{s}与{t}的{a}比较']
BODY = '本文交代研究的缘起与资料来源，说明所用的方法和主要发现，并就其应用前景与局限略作讨论。'
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']
# traditional characters: a journal page from Taiwan
TW_SCHOOLS = [('國立政治大學', '臺北'), ('國立成功大學', '臺南'), ('國立暨南國際大學', '南投'), ('國立東華大學', '花蓮')]
TW_UNITS = ['社會工作學系', '公共行政學系', '教育學系', '社會學研究所']
TW_SUBJECTS = ['長期照顧服務', '社區營造', '原住民族教育', '偏鄉醫療']
TW_ANGLES = ['政策評估', '實證分析', '歷史考察', '治理困境']
TW_CONTEXTS = ['花東地區', '臺灣中部', '離島縣市']
TW_FORMS = ['{c}{s}之{a}', '{s}與{t}：{c}的{a}', '{c}{s}{a}之研究', '從{a}看{s}的發展']
TW_SURNAMES = '陳林黃張吳劉蔡楊許鄭謝郭洪邱曾廖賴徐周葉蘇莊呂江'
TW_GIVEN = '志明雅婷怡君家豪俊傑淑芬宏偉佳穎詩涵冠廷宗翰欣瑜慧玲建國美華'
TW_JOURNALS = ['社會政策與社會工作學刊', '臺灣社會研究季刊', '公共行政學報', '教育與社會研究']


def _topic(rng, forms=None):
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), f=f,
                major=rng.choice(f['majors']), subjects=subjects)


def _page(rng, size=10.5, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _people(rng, n, avoid=()):
    out = []
    while len(out) < n:
        p = zh_person(rng)[0]
        if p not in out and p not in avoid:
            out.append(p)
    return out


def _finish(page, rng, title, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta, **extra)


def selfstudy_cover(rng):
    """The cover of a self-study or adult-education thesis: the exam or school line, 毕业论文, the
    title after 题目 or 论文题目, then 考生姓名/学生姓名, 准考证号/学号, 专业, 主考院校 or 教学点,
    指导教师 as lines or a grid, and the date."""
    page = _page(rng, 12, margins=rng.choice([2.5, 3.0]))
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2010, 2026)
    adult = rng.random() < 0.5
    head = ('%s继续教育学院' % s[0], '成人高等教育本科毕业论文') if adult else \
        (rng.choice(['高等教育自学考试', '%s高等教育自学考试' % ['江西省', '浙江省', '福建省', '甘肃省'][topic['i']]]),
         rng.choice(['本科毕业论文', '毕业论文（设计）']))
    page.para((head[0], {'size': rng.choice([16, 18]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=30, after=8)
    page.para((head[1], {'size': rng.choice([22, 26]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=rng.choice([50, 70]))
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    title = topic['title']
    rows = [[rng.choice(['题\u3000\u3000目', '论文题目']), title],
            ['考生姓名' if not adult else '学生姓名', student],
            ['准考证号' if not adult else '学\u3000\u3000号', '%012d' % rng.randint(10 ** 10, 10 ** 12 - 1)],
            ['专\u3000\u3000业', topic['major']],
            ['主考院校' if not adult else rng.choice(['函授站', '教学点']), s[0] if not adult else '%s教学点' % s[2]],
            ['指导教师', sup if rng.random() < 0.5 else '%s\u3000%s' % (sup, rng.choice(['副教授', '讲师', '教授']))]]
    if adult:
        rows.insert(4, ['层\u3000\u3000次', rng.choice(['专升本', '高起本'])])
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.2, 9.5], size=rng.choice([12, 14]), grid=rng.random() < 0.5, align=['r', 'l'])
    else:
        for label, val in rows:
            page.para([(label + '：', {'bold': rng.random() < 0.3}), (val, {'u': True})], size=14, indent=60, after=10)
    month = rng.choice([4, 5, 10, 11])
    page.para('%d年%d月' % (year, month) if rng.random() < 0.6 else zh_date(year, month), size=14, align='c',
              before=60)
    return _finish(page, rng, title, [student], year, supervisor=sup)


def excellent_digest(rng):
    """A page of a school's digest of its best theses: the digest's head with a rule, the title, the
    student (with school and major) and the 指导教师, 摘要 and 关键词, text in one or two columns."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2011, 2026)
    head = rng.choice(['%s%d届本科优秀毕业论文（设计）选编' % (s[0], year), '%s优秀学位论文摘要汇编（%d）' % (s[0], year),
                       '%d年度%s本科生优秀毕业设计（论文）集' % (year, s[0])])
    page.para(head, size=9, align=rng.choice(['c', 'r']), rule='bottom', after=18, cjk=rng.choice(KAI + SONG))
    title = topic['title']
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    form = rng.randrange(3)
    if form == 0:
        page.para('作者：%s（%s\u3000%s专业）\u3000\u3000指导教师：%s' % (student, topic['unit'], topic['major'], sup),
                  size=10.5, align='c', after=10, cjk=rng.choice(KAI + SONG))
    elif form == 1:
        page.para('学生：%s\u3000\u3000指导教师：%s\u3000%s' % (student, sup, rng.choice(['教授', '副教授'])), size=11,
                  align='c', after=2)
        page.para('（%s\u3000%s）' % (topic['unit'], topic['major']), size=9, align='c', after=10)
    else:
        page.para(student, size=12, align='c', after=2, cjk=rng.choice(KAI))
        page.para('（%s%s）\u3000指导教师：%s' % (s[0], topic['unit'], sup), size=9, align='c', after=10)
    kws = topic['kws']
    page.para([('［摘要］' if rng.random() < 0.4 else '摘要：', {'bold': True}), BODY * 2], size=9.5, align='j',
              cjk=rng.choice(KAI + SONG))
    page.para([('［关键词］' if rng.random() < 0.4 else '关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(kws)],
              size=9.5, after=10)
    if rng.random() < 0.5:
        page.columns(2, space_cm=0.7)
    page.para(('1\u3000绪论' if rng.random() < 0.5 else '一、引言', {'bold': True}), size=11)
    page.para(BODY * 5, indent=21, align='j', size=10)
    return _finish(page, rng, title, [student], year, kws, supervisor=sup)


def innovation_cover(rng):
    """The cover of a student innovation project's final report: the scheme and year, 结题报告,
    then 项目名称, 项目编号, 项目类别, 项目负责人, 项目成员, 指导教师, 所在学院 and the date."""
    page = _page(rng, 12, margins=rng.choice([2.5, 3.0]))
    topic = _topic(rng)
    s = topic['school']
    start = rng.randint(2012, 2025)
    year = start + 1
    level = rng.choice(['国家级', '省级', '校级'])
    page.para((rng.choice(['%d年度%s大学生创新创业训练计划项目' % (start, level), '%s大学生创新训练项目' % s[0]]),
               {'size': rng.choice([15, 16]), 'bold': rng.random() < 0.5}), align='c', before=20, after=10)
    page.para((rng.choice(['结题报告', '结题报告书', '项目研究报告']), {'size': rng.choice([24, 28]), 'bold': True,
                                                               'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    team = _people(rng, rng.randint(2, 5))
    sup = _people(rng, 1, team)[0]
    title = topic['title']
    sep = rng.choice(['、', '，', '\u3000'])
    rows = [['项目名称', title], ['项目编号', '%d%05d%03d' % (start, rng.randint(10000, 14999), rng.randint(1, 300))],
            ['项目类别', rng.choice(['创新训练项目', '创业训练项目'])], ['项目负责人', team[0]],
            ['项目成员', sep.join(team[1:])], ['指导教师', sup], ['所在学院', topic['unit']]]
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.6, 10.0], size=rng.choice([12, 14]), grid=True, align=['c', 'l'],
                   bold_first=rng.random() < 0.5)
    else:
        for label, val in rows:
            page.para([(label + '：', {}), (val, {'u': rng.random() < 0.6})], size=14, indent=50, after=8)
    page.para('填表日期：%d年%d月%d日' % (year, rng.randint(3, 12), rng.randint(1, 28)) if rng.random() < 0.5
              else '%s\u3000制' % rng.choice(['%s教务处' % s[0], '%s创新创业学院' % s[0]])
              + '\n%d年%d月' % (year, rng.randint(3, 12)),
              size=12, align='c', before=50)
    return _finish(page, rng, title, team, year, supervisor=sup)


def magazine(rng):
    """A trade magazine's article: the magazine and number line, a column kicker, the title, a "文／" or "■"
    byline, a lead in 楷体, the text in two or three columns, the writers' notes at the foot."""
    page = _page(rng, 10, margins=rng.choice([1.8, 2.0]))
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year = rng.randint(2012, 2026)
    mag = rng.choice([['陶瓷科学与艺术', '中国陶瓷工业'], ['中国计量', '质量与标准化'], ['渔业现代化', '现代渔业信息'],
                      ['草业与畜牧', '北方牧业']][topic['i']])
    head = rng.choice(['%s\u3000%d年第%d期' % (mag, year, rng.randint(1, 12)),
                       '%s · %d.%02d' % (mag, year, rng.randint(1, 12)),
                       '%d年%d月\u3000%s' % (year, rng.randint(1, 12), mag)])
    page.para(head, size=8, align=rng.choice(['l', 'r']), after=10)
    kicker = rng.choice(['专题策划', '行业观察', '技术前沿', '经验交流', '产业聚焦']) + rng.choice(['｜', ' | ', '·', '　'])\
        + rng.choice(topic['subjects'])
    page.para((kicker, {'bold': True, 'size': 10}), rule='bottom' if rng.random() < 0.6 else None, after=14,
              cjk=rng.choice(HEI))
    title = topic['title']
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['l', 'c']), after=8)
    authors = _people(rng, rng.randint(1, 3))
    form = rng.randrange(3)
    byline = ('文／' if form == 0 else '■ ' if form == 1 else '撰文：') + rng.choice(['\u3000', '、', ' ']).join(authors)
    page.para(byline, size=10.5, align=rng.choice(['l', 'c', 'r']), after=10, cjk=rng.choice(KAI + HEI))
    page.para(BODY * 2, size=10.5, align='j', cjk=rng.choice(KAI), after=12, italic=False)
    page.columns(rng.choice([2, 3]), space_cm=0.6)
    for head in rng.sample(['一、现状与问题', '二、主要做法', '三、成效与启示', '四、下一步工作'], 2):
        page.para((head, {'bold': True}), size=11, after=4)
        page.para(BODY * 3, indent=20, align='j', size=9.5)
    if rng.random() < 0.6:
        notes = '；'.join('%s，%s%s' % (a, rng.choice([s[0] + topic['unit'], f['place']]),
                                       rng.choice(['高级工程师', '副教授', '研究员', '工程师'])) for a in authors)
        page.para([('作者简介：', {'bold': True}), notes], size=8, before=8)
    return _finish(page, rng, title, authors, year)


def abstract_book(rng):
    """A page of a meeting's book of abstracts: the book's running head with a rule, the title, the
    authors with numbered units, the presenter underlined and the corresponding author starred, the
    units in brackets, the e-mail, the abstract (labelled or not) and 关键词."""
    page = _page(rng, 10.5, margins=rng.choice([2.2, 2.5]))
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year = rng.randint(2012, 2026)
    society = rng.choice([['中国硅酸盐学会陶瓷分会'], ['中国计量测试学会'], ['中国水产学会'],
                          ['中国草学会', '中国畜牧兽医学会']][topic['i']])
    head = rng.choice(['%s%d年学术年会论文摘要集' % (society, year), '%s第%d届学术研讨会摘要汇编（%d）' % (
        society, rng.randint(3, 19), year)])
    page.para(head, size=8.5, align=rng.choice(['c', 'l', 'r']), rule='bottom', after=16, cjk=rng.choice(KAI + SONG))
    page.para((topic['title'], {'size': rng.choice([14, 15, 16]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    authors = _people(rng, rng.randint(2, 6))
    two = rng.random() < 0.6
    marks = ['1'] + [rng.choice(['1', '2', '1,2']) for _ in authors[1:]] if two else [''] * len(authors)
    if two and not any('2' in m for m in marks):
        marks[-1] = '2'
    presenter = rng.randrange(len(authors))
    corr = rng.choice([0, len(authors) - 1])
    runs = []
    for k, a in enumerate(authors):
        runs += [(a, {'u': k == presenter}), (marks[k] + ('*' if k == corr else ''), {'sup': True, 'size': 7})]
        if k < len(authors) - 1:
            runs.append(rng.choice(['，', '\u3000', '、']))
    page.para(runs, size=11, align='c', after=4, cjk=rng.choice(KAI + SONG))
    units = [s[0] + topic['unit']] + ([f['place']] if two else [])
    page.para('（%s）' % '；'.join(('%d. ' % (k + 1) if two else '') + '%s，%s' % (u, s[2]) for k, u in enumerate(units)),
              size=9, align='c', after=4)
    page.para('*通讯作者 E-mail：%s@%s.edu.cn' % ('ab%d' % rng.randint(10, 99), rng.choice(['mail', 'stu', 'vip'])),
              size=8.5, align='c', after=10)
    kws = topic['kws']
    page.para([('摘要：', {'bold': True}) if rng.random() < 0.5 else '', BODY * 4], size=10, align='j', indent=21)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(kws)], size=10, before=6)
    if rng.random() < 0.4:
        page.para('基金项目：%s（%d%s%03d）' % (rng.choice(['国家自然科学基金', '国家重点研发计划', '自治区科技计划']), year - 2,
                                        rng.choice(['YFD', 'ZD', 'NSF']), rng.randint(1, 999)), size=8.5, before=10)
    return _finish(page, rng, topic['title'], authors, year, kws)


def _tw_person(rng):
    return rng.choice(TW_SURNAMES) + ''.join(rng.sample(TW_GIVEN, rng.choice([2, 2, 1])))


def traditional_journal(rng):
    """A journal page in traditional characters: the journal, its number and pages, the title, the
    authors with "*" and "**" leading to notes on their posts at the foot, 摘要 and 關鍵詞 (on some
    the English title and abstract follow), the text in one column."""
    page = Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(['AR PL UMing CN', 'Noto Sans CJK SC', 'AR PL UKai CN']),
                size=10.5, margins=rng.choice([2.5, 3.0]))
    year = rng.randint(2008, 2026)
    journal = rng.choice(TW_JOURNALS)
    first = rng.randint(1, 200)
    if rng.random() < 0.5:
        head = '%s\u3000第%d期\u3000%d年%d月\u3000頁%d-%d' % (journal, rng.randint(10, 80), year, rng.randint(1, 12),
                                                        first, first + rng.randint(20, 40))
    else:
        head = '%s，%d卷%d期（%d年），%d-%d頁' % (journal, rng.randint(5, 40), rng.randint(1, 4), year, first,
                                           first + rng.randint(20, 40))
    page.para(head, size=8.5, align=rng.choice(['l', 'r']), after=30)
    s, t = rng.sample(TW_SUBJECTS, 2)
    title = rng.choice(TW_FORMS).format(s=s, t=t, a=rng.choice(TW_ANGLES), c=rng.choice(TW_CONTEXTS))
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='c', after=14)
    authors, n = [], rng.randint(1, 3)
    while len(authors) < n:
        p = _tw_person(rng)
        if p not in authors:
            authors.append(p)
    stars = ['*' * (k + 1) for k in range(len(authors))]
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (stars[k], {'sup': True, 'size': 8})]
        if k < len(authors) - 1:
            runs.append('\u3000\u3000')
    page.para(runs, size=12, align='c', after=20)
    kws = rng.sample([s, t] + TW_ANGLES[:2] + ['社會福利', '地方治理'], rng.randint(3, 5))
    page.para(('摘\u3000要', {'bold': True, 'size': 12}), align='c', after=6)
    page.para('本文以%s為例，整理相關文獻與訪談資料，說明其發展脈絡與實施情形，並提出政策建議。' % rng.choice(TW_CONTEXTS) * 2,
              indent=21, align='j', line=1.5)
    page.para([('關鍵詞：', {'bold': True}), rng.choice(['、', '，', '；']).join(kws)], before=6, after=30)
    for k, a in enumerate(authors):
        sch = rng.choice(TW_SCHOOLS)
        page.para('%s\u3000%s%s%s' % (stars[k], sch[0], rng.choice(TW_UNITS), rng.choice(['教授', '副教授', '助理教授', '博士生'])),
                  size=8.5, after=0)
    page.para('投稿日期：%d年%d月%d日；接受刊登日期：%d年%d月%d日' % (year - 1, rng.randint(1, 12), rng.randint(1, 28), year,
                                                       rng.randint(1, 12), rng.randint(1, 28)), size=8.5)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta)


TEMPLATES = {
    'gen-zh-selfstudy-examcover': selfstudy_cover,
    'gen-zh-excellent-digest': excellent_digest,
    'gen-zh-innovation-projectcover': innovation_cover,
    'gen-zh-magazine-slashbyline': magazine,
    'gen-zh-abstractbook-presenter': abstract_book,
    'gen-zh-traditional-journal': traditional_journal,
}
