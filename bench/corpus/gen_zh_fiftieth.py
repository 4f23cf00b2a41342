"""A fiftieth set of Chinese first pages of papers, theses and reports, in house styles the earlier
sets lack, in water, roads, orchards, tea, landslides, brine, pepper and medicine of schools of their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('河北工程大学', 'Hebei University of Engineering', '邯郸', '056038', '河北'),
           ('湖北民族大学', 'Hubei Minzu University', '恩施', '445000', '湖北'),
           ('四川轻化工大学', 'Sichuan University of Science and Engineering', '自贡', '643000', '四川')]
DOMAINS = [dict(subjects={'滏阳河水质': ['氮磷负荷溯源', '生态补水调度'], '邯郸钢渣沥青路面': ['抗滑性能衰减', '冻融耐久性'],
                          '涉县核桃园': ['核桃黑斑病防治', '青皮废弃物堆肥']},
                contexts=['肥乡区', '涉县', '永年区'], units=['水利水电学院', '土木工程学院', '园林与生态工程学院'],
                majors=['水利工程', '道路与铁道工程', '森林培育']),
           dict(subjects={'恩施玉露茶园': ['茶园酸化土壤改良', '机采鲜叶分级'], '利川莼菜田': ['莼菜胶质多糖', '莼菜田水温调控'],
                          '鹤峰山区滑坡': ['滑坡位移监测', '降雨诱发阈值']},
                contexts=['利川市', '鹤峰县', '恩施市'], units=['生物与农业科技学院', '医学部', '信息工程学院'],
                majors=['茶学', '中西医结合临床', '计算机科学与技术']),
           dict(subjects={'自贡井盐卤水': ['卤水提锂工艺', '盐卤废水处理'], '荣县青花椒': ['花椒麻味物质', '花椒采后烘干'],
                          '釜溪河流域': ['河道底泥重金属', '流域面源污染']},
                contexts=['荣县', '富顺县', '贡井区'], units=['化学工程学院', '生物工程学院', '自动化与信息工程学院'],
                majors=['化学工程与技术', '食品科学与工程', '控制科学与工程'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文以野外观测、室内试验与数值模拟相结合，分析研究对象的时空变化特征及其主要影响因素，建立适用于当地条件的评价模型，并提出工程与管理上的改进措施。'
RANKS = ['教授', '副教授', '研究员']


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def doctor_titlelast(rng):
    """A doctoral thesis cover whose particulars come FIRST, in a label table under the school and
    the kind, and whose title stands last, in a framed two-row cell headed "论文题目"."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}的{a}机制', '基于多源数据的{s}{a}'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para('学校代码：%05d\u3000\u3000学号：%d%04d' % (rng.randint(10000, 14000), year - 4, rng.randint(1, 9999)), size=10,
              align=rng.choice(['l', 'r']), after=rng.choice([30, 44]))
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=6)
    page.para(rng.choice(['博士学位论文', '博士研究生学位论文', '博士学位论文（学术学位）']), size=22, bold=True, align='c',
              after=rng.choice([36, 50]))
    rows = [['论文作者', student], ['指导教师', '%s\u3000%s' % (tutor, rng.choice(RANKS))], ['学科专业', t['major']],
            ['所在学院', t['school'][0] + t['unit']], ['完成时间', '%d年%d月' % (year, rng.randint(4, 6)) if rng.random() < 0.6
                                                   else zh_date(year, rng.randint(4, 6))]]
    sized_table(page, [[(a, {'bold': True}), b] for a, b in rows], [3.4, 8.0], size=14, align=['r', 'l'])
    page.para('', after=rng.choice([40, 56]))
    sized_table(page, [[('论\u2002文\u2002题\u2002目', {'bold': True, 'size': 11})], [(t['title'], {'bold': True, 'size': rng.choice([18, 20]),
                                                                                        'cjk': rng.choice(HEI + SONG)})]],
                [14.0], size=12, align=['c'], grid=True)
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def journal_bylinelate(rng):
    """A water and civil engineering journal whose byline comes AFTER the abstract and keywords:
    a head row of volume, journal and date over a rule, the title, 摘要 and 关键词, then the authors
    centred in 楷 with the unit in parentheses under them, the class codes, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}试验研究', '{c}{s}{a}分析', '{a}对{s}的影响'], among=[0, 2] if rng.random() < 0.7 else None)
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    sized_table(page, [['第%d卷\u2002第%d期' % (year - 1985, rng.randint(1, 12)), (rng.choice(['水利与土木工程', '河湖治理学报', '工程与环境']),
                                                                               {'bold': True}), '%d年%d月' % (year, rng.randint(1, 12))]],
                [4.0, 7.5, 4.0], size=9, align=['l', 'c', 'r'])
    page.para('', rule='bottom', after=rng.choice([16, 24]))
    _title(page, rng, t['title'], (18, 20, 22))
    page.para([_bold('摘要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9.5, after=12)
    page.para(rng.choice(['\u3000', '，']).join(authors), size=12, align='c', cjk=rng.choice(KAI), after=2)
    page.para('（%s%s，%s\u2002%s）' % (t['school'][0], t['unit'], t['school'][2], t['school'][3]), size=9, align='c', after=8)
    page.para('中图分类号：%s\u3000\u3000文献标志码：A' % rng.choice(['TV213.4', 'U414', 'X522', 'S664.1']), size=9, after=10)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def journal_photobio(rng):
    """An agricultural science journal whose first author's photograph frame and 作者简介 stand in
    one row between the units and the abstract: the title, the byline with unit numbers, the units,
    the frame and the short life, then 摘要 and 关键词."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的初步研究', '{c}{a}调查与分析', '{a}技术在{s}中的应用'], among=[1, 2] if rng.random() < 0.7 else None)
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    nums = [rng.choice(['1', '2', '1,2']) if len(authors) > 1 else '' for _ in authors]
    page.para('%s\u2002%d，%d（%d）' % (rng.choice(['山地农业科学', '特色作物学报', '西南农林科技']), year, rng.randint(20, 50),
                                    rng.randint(1, 6)), size=8.5, align='l', rule='bottom', after=18)
    _title(page, rng, t['title'])
    page.para([x for a, n in zip(authors, nums) for x in (a, (n, {'sup': True}), '，')][:-1], size=12, align='c', cjk=rng.choice(KAI),
              after=4)
    units = ['%s%s' % (t['school'][0], t['unit'])] + (['%s农业农村局' % rng.choice(t['d']['contexts'])] if len(authors) > 1 else [])
    page.para('（%s）' % '；'.join('%s%s，%s\u2002%s' % ('%d. ' % (k + 1) if len(units) > 1 else '', u, t['school'][2], t['school'][3])
                                 for k, u in enumerate(units)), size=9, align='c', after=10)
    bio = '作者简介：%s（%d—），%s，%s%s人，%s，%s，主要从事%s研究。E-mail：%s@%s' % (
        authors[0], rng.randint(1965, 1995), rng.choice(['男', '女']), t['school'][4], t['school'][2], rng.choice(RANKS + ['讲师']),
        rng.choice(['博士', '硕士']), t['a'], rng.choice(['zb', 'nk', 'ag']) + str(rng.randint(100, 999)), rng.choice(['163.com', 'qq.com']))
    sized_table(page, [['\n［照片］\n', bio]], [2.4, 13.0], size=9, align=['c', 'l'], shade=(0,), fill='D9D9D9')
    page.para('', after=8)
    page.para([_bold('摘\u2002要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9.5, after=12)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def medconf_poster(rng):
    """A provincial medical association's meeting abstract: the proceedings as a running head, one
    row with a dark cell "壁报交流 / PU-NNNN" on the left and the title on the right, the authors with
    a star after the corresponding one, the unit, and 【目的】【方法】【结果】【结论】 and 【关键词】."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{c}居民{s}相关{a}的流行病学调查', '{s}作业人群职业健康状况分析', '{c}{s}种植户农药暴露与肝功能异常'], among=[1] if rng.random() < 0.6 else None)
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 5))
    star = rng.randrange(len(authors))
    page.para('%s医学会%d年学术年会论文汇编' % (t['school'][4], year), size=9, align=rng.choice(['c', 'r']), rule='bottom', after=14)
    sized_table(page, [[('壁报交流\nPU-%04d' % rng.randint(1, 3000), {'bold': True}), (t['title'], {'bold': True,
                                                                                           'size': rng.choice([14, 16])})]],
                [3.0, 12.5], size=10, align=['c', 'l'], shade=(0,), fill=rng.choice(['9BC2E6', 'C9C9C9', 'F8CBAD']))
    page.para('', after=6)
    page.para('，'.join(a + ('*' if k == star and len(authors) > 1 else '') for k, a in enumerate(authors)), size=11,
              align='l', after=2)
    page.para('%s%s%s' % (t['school'][0], rng.choice(['医学部', '附属医院']), rng.choice(['公共卫生系', '消化内科', '职业病科'])), size=9,
              align='l', after=8)
    for label in ('目的', '方法', '结果', '结论'):
        page.para([_bold('【%s】' % label, rng), BODY[:40 + rng.randint(0, 30)] + '。'], size=9.5, align='j', after=2)
    page.para([_bold('【关键词】', rng), '；'.join(t['kws'])], size=9.5, after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def conf_englishfirst(rng):
    """A national computing and control conference paper whose English abstract comes FIRST: the
    proceedings head, the title, the authors with unit numbers, one unit line each with its e-mail,
    then "Abstract:" and "Key words:" in English, and only after them 摘要 and 关键词."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['基于深度学习的{s}{a}方法', '面向{s}的{a}系统设计', '{c}{a}的图像识别算法'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    two = len(authors) > 1 and rng.random() < 0.6
    nums = [rng.choice('12') if two else '1' for _ in authors]
    page.para('第%d届全国%s学术会议论文集\u3000%d年%d月·%s' % (rng.randint(10, 40), rng.choice(['智能计算', '测控与自动化', '农业信息化']),
                                                       year, rng.randint(5, 11), t['school'][2]),
              size=9, align='c', rule='bottom', after=16)
    _title(page, rng, t['title'], (16, 18))
    page.para([x for a, n in zip(authors, nums) for x in (a, (n, {'sup': True}), '\u2003')][:-1], size=12, align='c',
              cjk=rng.choice(KAI), after=4)
    units = [t['school'][0] + t['unit'], t['school'][0] + rng.choice(['信息工程学院', '理工学院', '智能感知重点实验室'])][:2 if two else 1]
    for k, u in enumerate(units):
        page.para('%d. %s，%s %s %s；E-mail：%s@%s' % (k + 1, u, t['school'][4], t['school'][2], t['school'][3],
                                                     rng.choice(['lab', 'ai', 'cs']) + str(rng.randint(10, 99)), 'mail.edu.cn'),
                  size=9, align='c', after=2)
    page.para('', after=8)
    page.para([('Abstract: ', {'bold': True}), 'A method is proposed and tested on field data; results show a clear gain in '
               'accuracy and speed over common baselines. ' * 2], size=9, align='j', after=3)
    page.para([('Key words: ', {'bold': True}), rng.choice(['deep learning; monitoring; image recognition',
                                                             'sensor network; prediction; control'])], size=9, after=8)
    page.para([_bold('摘\u2002要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9.5, after=12)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-sciencedoctor-particularsfirst-titlecelllast': doctor_titlelast,
             'gen-zh-waterjournal-bylineafterkeywords-unitparenbelow': journal_bylinelate,
             'gen-zh-agrijournal-photobiorow-beforeabstract': journal_photobio,
             'gen-zh-medassoc-posterabstract-pucodecell-bracketsections': medconf_poster,
             'gen-zh-computingconf-englishabstractfirst-emailperunit': conf_englishfirst}
