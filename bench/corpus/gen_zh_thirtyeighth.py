"""A thirty-eighth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the natural sciences, engineering, medicine, farming and the environment of
schools of their own."""

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table as _grid, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('吉林化工学院', 'Jilin Institute of Chemical Technology', '吉林', '132022', '吉林'),
           ('承德医学院', 'Chengde Medical University', '承德', '067000', '河北'),
           ('营口理工学院', 'Yingkou Institute of Technology', '营口', '115014', '辽宁'),
           ('河北水利电力学院', 'Hebei University of Water Resources and Electric Engineering', '沧州', '061001', '河北')]
# per school: subjects with the angles that suit them, settings, units, majors
DOMAINS = [dict(subjects={'松花湖库区': ['溶解性有机物', '沉积物汞形态'], '吉林石化废水': ['臭氧催化氧化', '生物毒性削减'],
                          '吉林雾凇': ['过冷雾滴观测', '能见度预报']},
                contexts=['丰满区', '龙潭区', '蛟河市'], units=['化学与制药工程学院', '资源与环境工程学院', '信息与控制工程学院'],
                majors=['化学工程与技术', '环境工程', '控制工程']),
           dict(subjects={'承德山区老年人': ['骨质疏松患病率', '认知功能筛查'], '滦河流域居民': ['饮水硝酸盐暴露', '甲状腺结节检出'],
                          '坝上牧民': ['布病血清流行', '高原红细胞增多']},
                contexts=['丰宁满族自治县', '围场满族蒙古族自治县', '隆化县'], units=['基础医学院', '公共卫生学院', '中药研究所'],
                majors=['公共卫生', '药学', '临床医学']),
           dict(subjects={'辽河口湿地': ['碱蓬群落退化', '盐沼碳汇'], '营口菱镁矿': ['粉尘扩散模拟', '尾矿综合利用'],
                          '鲅鱼圈港区': ['集装箱调度优化', '防波堤冲刷']},
                contexts=['鲅鱼圈区', '盖州市', '大石桥市'], units=['材料与化学工程学院', '机械与动力工程学院', '电气工程学院'],
                majors=['材料工程', '机械工程', '交通运输']),
           dict(subjects={'南大港湿地': ['鸟类栖息地适宜性', '芦苇蒸散发'], '黑龙港地下水漏斗': ['地面沉降监测', '咸水入侵'],
                          '沧州盐碱地': ['秸秆深埋隔盐', '冬小麦节水灌溉']},
                contexts=['黄骅市', '泊头市', '献县'], units=['水利工程学院', '电力工程学院', '资源与环境系'],
                majors=['水利工程', '电气工程', '农业水土工程'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的时空特征', '{s}{a}及其影响因素', '{s}{a}的试验研究', '基于长期观测的{s}{a}分析']
BODY = '本文依据连续观测与试验数据，比较了不同处理下主要指标的差异，分析了其变化特征与控制因素，并对结果的适用条件进行了讨论。'


def _topic(rng, forms=FORMS, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def units_naming_authors(rng):
    """A farming or environment journal article: the journal's name left and its year, volume,
    issue and pages right over a double rule, the title, the names alone in the byline, then one
    作者单位 line in which each unit (postcode first) names its own authors; 摘要, 关键词 and the
    codes, then 0 引言."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 5))
    vol, no = rng.randint(20, 48), rng.randint(1, 12)
    first = rng.randint(1, 300)
    _grid(page, [[(s[0] + rng.choice(['学报', '学报（自然科学版）']), {'bold': True, 'cjk': rng.choice(KAI + HEI)}),
                  '%d，%d（%d）：%d−%d' % (year, vol, no, first, first + rng.randint(6, 12))]], [9.0, 7.0], size=9,
          align=['l', 'r'])
    page.para('', rule='bottom', after=1)
    page.para('', rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    page.para(rng.choice(['\u3000', '，', '\u2002']).join(authors), size=12, cjk=rng.choice(KAI + SONG), align='c', after=6)
    units = [t['unit']] + ([rng.choice([u for u in t['d']['units'] if u != t['unit']])]
                           if len(authors) > 1 and rng.random() < 0.6 else [])
    which = [0] + [rng.randrange(len(units)) for _ in authors[1:]]
    groups = []
    for k, u in enumerate(units):
        names = [a for a, w in zip(authors, which) if w == k]
        if not names:
            continue
        if rng.random() < 0.5:
            groups.append('%s %s，%s%s（%s）' % (s[3], s[2], s[0], u, '、'.join(names)))
        else:
            groups.append('%s %s%s\u2002%s' % (s[3], s[0], u, '\u2002'.join(names)))
    page.para('作者单位：' + '；'.join(groups), size=9, align='c', after=14)
    page.para([('摘要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=4)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['；', '，']).join(t['kws'])], size=9, after=4)
    page.para('中图分类号：%s\u3000\u3000文献标识码：A' % rng.choice(['S156.4', 'X52', 'TV211', 'R181.3']), size=9, after=14)
    page.para(('0\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 4, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def titlefirst_cosupervisor(rng):
    """A doctoral dissertation cover whose title stands first at the top of the page, then the kind,
    then the particulars one a line (博士研究生, 指导教师, 副指导教师, 学科专业, 研究方向), and the
    school and the date only at the foot; the 副指导教师 is neither author nor supervisor."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}机理研究', '{c}{s}{a}的多尺度研究', '{s}{a}过程与模拟'], among=[0, 3])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup, co = _people(rng, 2, [student])
    page.para('', after=rng.choice([10, 30]))
    page.para((t['title'], {'size': rng.choice([22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              rule='bottom' if rng.random() < 0.5 else None, after=50)
    page.para((rng.choice(['博士学位论文', '工学博士学位论文', '博士学位论文（学术学位）']), {'size': rng.choice([16, 18]), 'cjk': rng.choice(KAI + HEI)}),
              align='c', after=70)
    rows = [['博士研究生', student], ['指导教师', sup + rng.choice(['\u2002教授', '\u2002研究员', ''])],
            ['副指导教师', co + rng.choice(['\u2002副教授', '\u2002高级工程师', '\u2002研究员'])],
            ['学科专业', t['major']], ['研究方向', t['s'] + t['a']]]
    colon = rng.choice(['：', ''])
    _grid(page, [[a + colon, b] for a, b in rows], [4.2, 6.8], size=rng.choice([13, 14]), align=[rng.choice(['r', 'l']), 'l'])
    page.para('', after=rng.choice([80, 100]))
    page.para((s[0], {'size': rng.choice([20, 22]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=4)
    page.para(zh_date(year, rng.choice([5, 6, 12])) if rng.random() < 0.6 else '%d年%d月' % (year, rng.choice([5, 6, 12])),
              size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def expert_review_photobio(rng):
    """A medical journal's 述评 (expert comment): the journal's line over a rule, the column name set
    off by dots, the title, the author or two and the unit, then a framed row whose narrow cell is the
    empty frame of the expert's photograph and whose wide cell is the first author's short life;
    【摘要】 and 【关键词】 after it."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的现状与思考', '重视{s}{a}', '{c}{s}{a}：问题与对策'], among=[1])
    s = t['school']
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 2))
    page.para('%s\u3000%d年%d月第%d卷第%d期' % (rng.choice(['中国老年保健医学杂志', '地方病防治通讯', '实用预防医学']), year,
                                       rng.randint(1, 12), rng.randint(15, 40), rng.randint(1, 12)),
              size=9, align=rng.choice(['l', 'r']), rule='bottom', after=16)
    page.para((rng.choice(['·专家述评·', '·述评·', '【专家述评】']), {'bold': True, 'cjk': rng.choice(HEI)}), size=12, align='c', after=10)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para('\u3000'.join(authors), size=12, cjk=rng.choice(KAI), align='c', after=4)
    page.para('（%s%s，%s %s）' % (s[0], t['unit'], s[2], s[3]), size=9, align='c', after=12)
    bio = '%s，%s，%s。现任%s%s。主要从事%s研究。' % (
        authors[0], rng.choice(['主任医师', '教授', '研究员']), rng.choice(['医学博士', '硕士研究生导师', '博士研究生导师']),
        rng.choice(['河北省预防医学会', '中华医学会地方病学分会', '省老年医学会']), rng.choice(['常务委员', '副主任委员', '委员']), t['s'])
    label = rng.choice(['作者简介：', '【作者简介】', ''])
    _grid(page, [['\n' * rng.choice([5, 6]), [(label, {'bold': True}), bio]]], [2.6, 13.4], size=9, grid=True, align=['c', 'l'])
    page.para('', after=8)
    page.para([('【摘要】', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=4)
    page.para([('【关键词】', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9, after=14)
    page.para(BODY * 4, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def statement_prose_titlepage(rng):
    """A master's thesis title page whose people stand in one sentence: the title high up, then a
    narrow block of prose saying who wrote the thesis under whose guidance for which degree at which
    school, then the major, the school and the date at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}试验', '{s}{a}的数值模拟'], among=[2, 3])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    deg = rng.choice(['工学', '农学', '理学'])
    rank = rng.choice(['教授', '副教授', '研究员'])
    page.para('%s：%s\u3000\u3000密级：公开' % (rng.choice(['学校代码', '单位代码']), rng.randint(10100, 14999)), size=9,
              align=rng.choice(['l', 'r']), after=70)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=50)
    prose = rng.choice(['本论文由{stu}在{sup}{rank}指导下完成，呈交{school}，申请{deg}硕士学位。',
                        '本文是{stu}于{y0}年9月至{y}年{m}月在{school}{unit}攻读{deg}硕士学位期间，在导师{sup}{rank}的指导下完成的学位论文。',
                        '作者{stu}在{sup}{rank}的悉心指导下完成本论文，谨呈交{school}，以申请{deg}硕士学位。']).format(
        stu=student, sup=sup, rank=rank, school=s[0], unit=t['unit'], deg=deg, y0=year - 3, y=year, m=rng.choice([4, 5, 6]))
    _grid(page, [['', (prose, {'cjk': rng.choice(KAI + SONG)}), '']], [2.5, 11.0, 2.5], size=rng.choice([13, 14]), align='j')
    page.para('', after=rng.choice([90, 120]))
    page.para('学科专业：%s' % t['major'], size=13, align='c', after=8)
    page.para((s[0] + t['unit'], {'cjk': rng.choice(KAI + SONG)}), size=16, align='c', after=4)
    page.para(zh_date(year, rng.choice([5, 6])), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def review_contents_list(rng):
    """An engineering or environment review (综述) in a 学报: the running head over a rule, the title,
    the names with unit numbers, the numbered units, 摘要 and 关键词, then a 目次 of the review's
    numbered parts two to a row (framed on some), and the first part, 1 引言."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}研究进展', '{s}{a}研究综述', '{s}{a}：现状与展望'], among=[0, 2, 3])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('第%d卷第%d期\u3000\u3000%s学报\u3000\u3000%d年%d月' % (rng.randint(10, 40), rng.randint(1, 6), s[0], year,
                                                            rng.randint(1, 12)), size=9, align='c', rule='bottom', after=8)
    page.para((rng.choice(['综\u3000述', '综述与专论', '研究进展']), {'bold': True, 'cjk': rng.choice(HEI)}), size=11, align='l', after=12)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    two = len(authors) > 1 and rng.random() < 0.5
    byline = []
    for k, a in enumerate(authors):
        byline += [(('，' if k else '') + a, {'size': 12, 'cjk': rng.choice(KAI + SONG)}),
                   ('1' if k == 0 or not two or k % 2 == 0 else '2', {'sup': True})]
    page.para(byline, align='c', after=4)
    units = [t['unit']] + ([rng.choice([u for u in t['d']['units'] if u != t['unit']])] if two else [])
    page.para('（%s）' % '；'.join('%d. %s%s，%s %s' % (k + 1, s[0], u, s[2], s[3]) for k, u in enumerate(units)),
              size=9, align='c', after=12)
    page.para([('摘\u2002要：', {'bold': True}), BODY * 2], size=9, align='j', after=4)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=10)
    parts = ['1\u2002引言', '2\u2002%s概况' % t['s'], '3\u2002%s研究进展' % t['a'], '4\u2002主要方法比较',
             '5\u2002存在问题', '6\u2002结论与展望'][:rng.choice([5, 6])]
    page.para(('目\u3000次', {'bold': True, 'cjk': rng.choice(HEI)}), size=10, align='l', after=2)
    rows = [parts[k:k + 2] + [''] * (2 - len(parts[k:k + 2])) for k in range(0, len(parts), 2)]
    _grid(page, rows, [8.0, 8.0], size=9, grid=rng.random() < 0.5, align='l')
    page.para('', after=8)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 3, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-cropenvjournal-unitlinenamesauthors-postcodefirst': units_naming_authors,
             'gen-zh-hydrochemdoctor-titlefirst-cosupervisorline': titlefirst_cosupervisor,
             'gen-zh-geriatricmedreview-expertcomment-photobiobox': expert_review_photobio,
             'gen-zh-portengmaster-titlepage-supervisionprose': statement_prose_titlepage,
             'gen-zh-coastalengreview-contentslist-afterkeywords': review_contents_list}
