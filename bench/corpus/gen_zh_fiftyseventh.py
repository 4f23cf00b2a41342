"""A fifty-seventh set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in history, arts, law, economics and education of schools of their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('西藏民族大学', 'Xizang Minzu University', '咸阳', '712082', '陕西'),
           ('湖州师范学院', 'Huzhou University', '湖州', '313000', '浙江'),
           ('台州学院', 'Taizhou University', '台州', '318000', '浙江')]
DOMAINS = [dict(subjects={'咸阳汉代帝陵': ['帝陵陪葬墓制度', '陵邑移民与基层社会'], '关中秦腔班社': ['秦腔班社的戏班契约', '秦腔唱腔的传承谱系'],
                          '泾阳茯茶商号': ['茯茶商号的合伙纠纷', '茶引制度与边茶贸易']},
                contexts=['礼泉县', '兴平市', '三原县'], units=['历史文化学院', '文学院', '法学院'],
                majors=['中国史', '戏剧与影视学', '法律史']),
           dict(subjects={'湖州湖笔技艺': ['湖笔艺人的师徒传习', '湖笔技艺进校园课程'], '长兴紫笋茶文化': ['紫笋茶贡茶制度', '茶文化研学旅行设计'],
                          '南浔古镇丝商': ['丝商家族的教育捐助', '丝商宅第的建筑装饰']},
                contexts=['德清县', '长兴县', '吴兴区'], units=['教师教育学院', '艺术学院', '人文学院'],
                majors=['课程与教学论', '美术学', '教育史']),
           dict(subjects={'台州民营制造企业': ['家族企业代际传承', '股份合作制企业的产权界定'], '临海古城街区': ['历史街区更新的公众参与', '古城旅游的消费者权益保护'],
                          '仙居农村土地': ['宅基地有偿退出的法律规制', '农村集体经营性建设用地入市']},
                contexts=['临海市', '仙居县', '天台县'], units=['商学院', '法学院', '经济学院'],
                majors=['应用经济学', '民商法学', '区域经济学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文依据地方档案、碑刻文献与田野访谈材料，梳理相关制度与实践的演变脉络，分析其中的社会关系与利益结构，并对当代的文化传承、法治建设与地方发展提出思考。'
RANKS = ['教授', '副教授', '研究员']


def _topic(rng, forms):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def _place(t):
    return '%s\u2002%s\u2002%s' % (t['school'][4], t['school'][2], t['school'][3])


def arts_xuebao_nameunitlines(rng):
    """A humanities and arts 学报 article: a head row with the journal's name large on the left and a
    small block of volume, issue and month on the right, over a thick rule; the title flush left; one
    line per author, the name in bold followed by the unit, place and postcode in parentheses; square
    bracketed labels for the abstract, keywords and codes; the text in two columns."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}与{a}研究', '论{a}：以{c}为中心', '{c}{s}考述'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    vol, no = year - rng.choice([1980, 1985, 1990]), rng.randint(1, 6)
    journal = t['school'][0] + '学报'
    sized_table(page, [[(journal, {'size': rng.choice([18, 20]), 'cjk': rng.choice(KAI)}),
                        ('第%d卷\u2002第%d期\nVol.%d\u2002No.%d\n%d年%d月' % (vol, no, vol, no, year, no * 2), {'size': 8})]],
                [11.0, 5.0], align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([14, 20]))
    _title(page, rng, t['title'], (18, 20), 'l', after=10)
    for a in authors:
        page.para([(a, {'bold': True, 'size': 11, 'cjk': rng.choice(KAI + HEI)}),
                   '\u3000（%s%s，%s）' % (t['school'][0], rng.choice(t['d']['units']), _place(t).replace('\u2002', ' ', 1))],
                  size=8.5, align='l', after=2)
    page.para('', after=8)
    page.para([_bold('[摘\u3000要]\u2002', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('[关键词]\u2002', rng), rng.choice(['；', '\u3000']).join(t['kws'])], size=9, after=3)
    page.para([_bold('[中图分类号]\u2002', rng), rng.choice(['K', 'J', 'D']) + str(rng.randint(200, 929)),
               '\u3000', _bold('[文献标识码]\u2002', rng), 'A'], size=9, after=12)
    page.columns(2)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def law_doctor_pairedlines(rng):
    """A law doctoral dissertation cover: the school's English name in capitals over its Chinese
    name, 博士学位论文 with DOCTORAL DISSERTATION, the title and nothing framed; the particulars two
    to a line (作者姓名 beside 指导教师, 学科专业 beside 研究方向, 论文提交日期 beside 答辩日期),
    centred, without table or underlines."""
    page = _page(rng, 12)
    t = zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, ['{a}研究', '{s}{a}的法律史考察', '{c}{a}的制度逻辑'], [0, 2])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para(t['school'][1].upper(), size=10, align='c', before=rng.choice([10, 30]), after=2)
    page.para((t['school'][0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI)}), align='c', after=14)
    page.para('博士学位论文', size=22, bold=True, align='c', after=0)
    page.para('DOCTORAL DISSERTATION', size=10, align='c', after=rng.choice([60, 80]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([70, 90]))
    gap = '\u3000' * rng.randint(2, 4)
    pairs = [('作者姓名', student, '指导教师', '%s\u2002%s' % (tutor, rng.choice(RANKS))),
             ('学科专业', rng.choice(['法学理论', '法律史', '民商法学']), '研究方向', rng.choice(['法律史', '司法制度', '比较法'])),
             ('提交日期', zh_date(year, rng.randint(3, 5)), '答辩日期', zh_date(year, rng.randint(5, 6)))]
    sep = rng.choice(['：', '\u2002'])
    for a, b, c, d in pairs:
        page.para([(a + sep, {'bold': True}), b, gap, (c + sep, {'bold': True}), d], size=rng.choice([12, 13]), align='c', after=10)
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def educonf_authorcellsrow(rng):
    """An education history conference paper: the proceedings' name centred between two rules, the
    分会场 (session) line flush left, the centred title, then one row of cells, one per author, each
    the name in bold over the unit in small type; 摘要 and 关键词 as bold run-in labels; the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}中的{a}', '{c}{a}的历史考察', '{a}：一项教育史的研究'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('', rule='bottom', after=2)
    page.para('第%d届全国%s学术研讨会论文集（%d）' % (rng.randint(5, 21), rng.choice(['教育史', '地方文化教育', '艺术教育']), year),
              size=9, align='c', rule='bottom', after=rng.choice([10, 16]))
    page.para([_bold('分会场：', rng), rng.choice(['教育史与地方社会', '非遗传承与学校教育', '乡村教育振兴'])], size=9, align='l', after=14)
    _title(page, rng, t['title'], (16, 18), after=10)
    w = 16.0 / len(authors)
    cells = [[(a + '\n', {'bold': True, 'size': 11, 'cjk': rng.choice(KAI + HEI)}),
              ('%s%s' % (t['school'][0], rng.choice(t['d']['units'])), {'size': 8})] for a in authors]
    sized_table(page, [cells], [w] * len(authors), align='c', grid=rng.random() < 0.4)
    page.para('', after=10)
    page.para([_bold('摘要：', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9, after=12)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def econ_master_shadedtitleband(rng):
    """An economics master's thesis title page: 硕士学位论文 at the top left beside the school code
    at the right, the title alone in a full-width shaded band, the English title in italics under
    the band, and the particulars flush right at the foot of the page, one label and value a line."""
    page = _page(rng, 12)
    t = zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, ['{s}的{a}研究', '{c}{a}的实证分析', '{a}与{s}的发展'], [1, 2])
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    sized_table(page, [[(rng.choice(['硕士学位论文', '硕士专业学位论文']), {'size': 14, 'bold': True}),
                        ('学校代码：%d\n学\u2003\u2003号：%d%05d' % (rng.randint(10300, 11400), year - 3, rng.randint(0, 99999)), {'size': 9})]],
                [9.0, 7.0], align=['l', 'r'])
    page.para('', after=rng.choice([70, 90]))
    sized_table(page, [[(t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]], [16.0],
                align=['c'], shade=(0,), fill=rng.choice(['D9E1F2', 'E2EFDA', 'EDEDED', 'FCE4D6']))
    page.para(('A Study of %s' % rng.choice(['Private Manufacturing Firms', 'Rural Land Markets', 'Historic Town Renewal']),
               {'italic': True}), size=12, align='c', before=8, after=rng.choice([110, 140]))
    lines = [('研究生', student), ('指导教师', '%s\u2002%s' % (tutor, rng.choice(RANKS))), ('学科专业', rng.choice(['应用经济学', '区域经济学', '产业经济学'])),
             ('所在学院', t['school'][0] + rng.choice(t['d']['units'])), ('完成日期', zh_date(year, rng.randint(3, 6)))]
    for k, v in lines:
        page.para([(k.ljust(4, '\u3000') + '：', {'bold': rng.random() < 0.5}), v], size=12, align='r', after=4)
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def institute_report_roleparens(rng):
    """A social science institute's research report cover: a framed box of the series and issue
    (研究报告 第N期 总第N期) at the top right, the title, the authors on one line after 作者：, each
    followed by the post in parentheses, separated by semicolons, a framed 内容摘要 box, and the institute
    and date at the foot."""
    page = _page(rng, 11)
    t = _topic(rng, ['{c}{a}调查报告', '{s}{a}的现状与对策', '关于{a}的研究报告'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    institute = t['school'][0] + rng.choice(['地方文化研究院', '区域经济研究所', '基层治理研究中心'])
    box = sized_table(page, [['研究报告\n%d年第%d期（总第%d期）' % (year, rng.randint(1, 12), rng.randint(20, 180))]], [5.0],
                      size=10, align=['c'], grid=True)
    box.alignment = 2
    page.para('', after=rng.choice([50, 70]))
    _title(page, rng, t['title'], (20, 22), after=24)
    posts = ['研究员', '副研究员', '助理研究员', '所长', '副教授', '博士研究生']
    page.para([('作者：', {'bold': True})] + [x for a in authors for x in (a, '（%s）' % rng.choice(posts), '；')][:-1],
              size=12, align='c', after=30)
    sized_table(page, [[[_bold('内容摘要：', rng), BODY * 2]]], [15.0], size=9.5, align=['l'], grid=True)
    page.para('', after=rng.choice([60, 90]))
    page.para(institute, size=13, align='c', after=4, cjk=rng.choice(KAI))
    page.para(zh_date(year, rng.randint(1, 12)), size=12, align='c')
    return _finish(page, rng, t['title'], authors, year)


def arts_bachelor_sixcolgrid(rng):
    """An arts and humanities bachelor's thesis cover: the school and 本科毕业论文, the title framed
    in a one-cell box that starts with "题目：" and has the English title under it, then a grid of
    two rows of six cells (学院, 专业, 年级 / 学生姓名, 学号, 指导教师), labels and values alternating,
    and the date."""
    page = _page(rng, 12)
    t = zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, ['{s}的{a}', '{c}{s}调查', '浅析{a}'], [0, 1])
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI)}), align='c', before=rng.choice([20, 40]), after=8)
    page.para(rng.choice(['本科毕业论文', '本科毕业论文（设计）']), size=20, bold=True, align='c', after=rng.choice([60, 80]))
    eng = 'A Study on %s' % rng.choice(['Local Crafts and Culture', 'Regional History', 'Arts Education'])
    sized_table(page, [[[('题目：', {'bold': True, 'size': 14}), (t['title'] + '\n', {'size': rng.choice([18, 20]), 'bold': True}),
                         (eng, {'size': 11})]]], [15.0], align=['c'], grid=True)
    page.para('', after=rng.choice([60, 80]))
    rows = [['学院', rng.choice(t['d']['units']), '专业', t['major'], '年级', '%d级' % (year - 4)],
            ['学生姓名', student, '学号', '%d%05d' % (year - 4, rng.randint(0, 99999)), '指导教师', tutor]]
    sized_table(page, rows, [2.0, 3.6, 1.6, 3.6, 2.0, 3.2], size=10.5, align='c', grid=True, shade=(0, 2, 4),
                fill=rng.choice(['F2F2F2', 'DDEBF7', 'FFF2CC']))
    page.para(zh_date(year, rng.randint(4, 6)), size=14, align='c', before=rng.choice([50, 70]))
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


TEMPLATES = {'gen-zh-artsxuebao-volumeblockright-namewithunitlines-squarebracketlabels': arts_xuebao_nameunitlines,
             'gen-zh-lawdoctor-englishcapsschool-pairedparticularslines': law_doctor_pairedlines,
             'gen-zh-eduhistoryconf-sessionlinetop-authorcellsrow-unitundername': educonf_authorcellsrow,
             'gen-zh-econmaster-titleshadedband-particularsflushrightfoot': econ_master_shadedtitleband,
             'gen-zh-socinstitute-researchreport-seriesboxright-authorspostparens-summarybox': institute_report_roleparens,
             'gen-zh-artsbachelor-titlelabelbox-sixcolgrid': arts_bachelor_sixcolgrid}
