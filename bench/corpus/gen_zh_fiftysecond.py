"""A fifty-second set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the fisheries, animal science, soil science, limnology, forestry, geology and
tea and nut growing of schools of their own."""
from docx.enum.table import WD_TABLE_ALIGNMENT
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('吉林农业科技学院', 'Jilin Agricultural Science and Technology University', '吉林', '132101', '吉林'),
           ('南阳师范学院', 'Nanyang Normal University', '南阳', '473061', '河南'),
           ('滇西科技师范学院', 'Dianxi Science and Technology Normal University', '临沧', '677000', '云南')]
DOMAINS = [dict(subjects={'查干湖冬捕鱼类': ['鲢鳙种群结构', '冰下捕捞渔获组成'], '梅花鹿茸': ['鹿茸生长激素', '圈养梅花鹿营养需求'],
                          '黑土玉米秸秆还田': ['秸秆腐解微生物', '黑土有机碳储量']},
                contexts=['前郭县', '双阳区', '舒兰市'], units=['动物科技学院', '农学院', '资源与环境学院'],
                majors=['水产养殖', '动物营养与饲料科学', '土壤学']),
           dict(subjects={'丹江口水库浮游植物': ['藻类群落演替', '硅藻优势种更替'], '伏牛山栓皮栎林': ['栎林天然更新', '林下凋落物分解'],
                          '独山玉矿床': ['独山玉成矿流体', '蚀变矿物组合']},
                contexts=['淅川县', '西峡县', '内乡县'], units=['生命科学与农业工程学院', '环境科学与旅游学院', '地理科学学院'],
                majors=['生态学', '森林培育', '矿物学、岩石学、矿床学']),
           dict(subjects={'临沧澳洲坚果': ['坚果授粉昆虫', '果仁脂肪酸组成'], '凤庆古茶树': ['古茶树遗传多样性', '茶树根际土壤养分'],
                          '永德大雪山': ['高山杜鹃群落', '鸟类垂直分布']},
                contexts=['凤庆县', '永德县', '双江县'], units=['农学与生命科学学院', '资源环境学院', '理学院'],
                majors=['植物学', '茶学', '自然地理学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本研究于野外定点采样，结合室内测定与多元统计分析，揭示了研究对象的时空分布特征及其主要影响因子，为区域资源保护与合理利用提供了科学依据。'
RANKS = ['教授', '副教授', '研究员', '高级实验师']
CIRCLED = '①②③④⑤'


def _topic(rng, forms):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def _unit(t, rng, unit=None):
    s = t['school']
    return '%s%s，%s\u2002%s\u2002%s' % (s[0], unit or rng.choice(t['d']['units']), s[4], s[2], s[3])


def strip_journal_article(rng):
    """A science journal article whose name stands in a narrow shaded cell, one character to a line
    with the year and issue under it, beside a cell holding the title, the byline with circled
    numbers, the abstract and the keywords; the units are circled notes under a rule at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}的{a}', '{a}对{s}的指示意义'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    units = [rng.choice(t['d']['units']) for _ in authors[:2]]
    journal = rng.choice(['湖沼与林学通报', '内陆水域科学', '山地生物学报'])
    side = [(('\n'.join(journal)) + '\n\n', {'size': 13, 'bold': True, 'cjk': rng.choice(HEI)}),
            ('%d年\n第%d卷\n第%d期' % (year, rng.randint(10, 45), rng.randint(1, 12)), {'size': 8.5})]
    marks = [CIRCLED[min(k, len(units) - 1)] for k in range(len(authors))]
    main = [(t['title'] + '\n\n', {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
            ('，'.join(a + m for a, m in zip(authors, marks)) + '\n\n', {'size': 11.5, 'cjk': rng.choice(KAI)}),
            ('摘要：' + BODY + '\n', {'size': 9}), ('关键词：' + '；'.join(t['kws']), {'size': 9})]
    sized_table(page, [[side, main]], [1.8, 14.2], align=['c', 'l'], shade=(0,), fill=rng.choice(['DDEBF7', 'E2EFDA', 'EDEDED']))
    page.para('', after=10)
    zh_body(page, BODY, 3)
    notes = ['%s%s' % (CIRCLED[k], _unit(t, rng, u)) for k, u in enumerate(units)]
    page.para(['收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28))] +
              [x for n in notes for x in (('', {'break': True}), n)], size=8, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def role_tagged_conference_paper(rng):
    """A paper of a learned society's annual meeting: a small framed grid of the meeting's name, time
    and place at the top right, a rule, the title, the byline with role tags in parentheses
    (第一作者, 通讯作者) that are no part of the names, the unit line, and bracketed abstract labels."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的初步研究', '{c}{a}调查', '不同处理对{a}的影响'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 4))
    meeting = rng.choice(['中国畜牧兽医学会动物营养学分会', '全国水产学术年会', '中国土壤学会青年学术研讨会', '全国森林生态学术会议'])
    grid = [['会议', '%s（%d）' % (meeting, year)], ['时间', '%d年%d月' % (year, rng.randint(5, 11))],
            ['地点', rng.choice(['长春', '郑州', '昆明', '西宁'])]]
    sized_table(page, grid, [1.4, 7.6], size=8, align=['c', 'l'], grid=True, bold_first=True).alignment = WD_TABLE_ALIGNMENT.RIGHT
    page.para('', rule='bottom', after=rng.choice([14, 20]))
    _title(page, rng, t['title'], (16, 18, 20), after=8)
    tags = {0: '第一作者', len(authors) - 1: '通讯作者'} if len(authors) > 1 else {0: '通讯作者'}
    byline = []
    for k, a in enumerate(authors):
        byline += [a] + ([('（%s）' % tags[k], {'size': 8})] if k in tags else []) + ['\u3000']
    page.para(byline[:-1], size=12, align='c', cjk=rng.choice(KAI), after=3)
    page.para('（%s）' % _unit(t, rng), size=9, align='c', after=12)
    page.para([_bold('［摘要］', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('［关键词］', rng), '；'.join(t['kws'])], size=9, after=10)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def _split_title(title):
    cut = title.find('的')
    cut = cut + 1 if 3 <= cut < len(title) - 3 else len(title) // 2
    return title[:cut], title[cut:]


def split_title_master_cover(rng):
    """A master's thesis cover: a framed code grid at the top left (分类号, 密级, UDC, 学校代码), the
    school and the degree, the label 题目 with the title broken over two underlined lines, the
    particulars in a borderless two-column table (研究生, 指导教师 with rank, 学科专业, 研究方向,
    培养单位), and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}研究', '{s}{a}及其影响因素分析', '{a}的空间格局与驱动机制'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    codes = sized_table(page, [['分类号', rng.choice(['S7', 'Q14', 'P57', 'S15']), '密级', rng.choice(['公开', '无'])],
                               ['UDC', '%d' % rng.randint(500, 639), '学校代码', '%05d' % rng.randint(10000, 14999)]],
                        [1.8, 2.2, 1.8, 2.2], size=9, align='c', grid=True)
    codes.alignment = WD_TABLE_ALIGNMENT.LEFT
    page.para('', after=rng.choice([30, 46]))
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=8)
    page.para(rng.choice(['硕士学位论文', '全日制硕士学位论文', '硕士研究生学位论文']), size=22, bold=True, align='c', after=rng.choice([36, 50]))
    first, second = _split_title(t['title'])
    size = rng.choice([16, 18])
    page.para([_bold(rng.choice(['题\u3000目：', '论文题目：']), rng), (first, {'u': True, 'size': size, 'bold': True})],
              size=14, align='c', after=2)
    page.para((second, {'u': True, 'size': size, 'bold': True}), align='c', after=rng.choice([36, 50]))
    rows = [('研\u2002究\u2002生', student), ('指导教师', '%s\u3000%s' % (tutor, rng.choice(RANKS[:3]))),
            ('学科专业', t['major']), ('研究方向', t['a']), ('培养单位', t['school'][0] + t['unit'])]
    sized_table(page, [[label + '：', value] for label, value in rows], [3.2, 7.0], size=14, align=['r', 'l'])
    page.para('', after=rng.choice([30, 44]))
    page.para('%d年%d月' % (year, rng.randint(4, 6)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def expedition_report_cover(rng):
    """A field expedition's report cover: the report number at the top right, the project's source,
    the kind of report large, the title, the team as "队长：" then "队员：" names joined by 、, the
    reviewer and approver (no authors) on one line, the school's unit and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}科学考察报告', '{s}{a}野外调查', '{c}{a}考察'])
    year = rng.randint(2013, 2026)
    team = _people(rng, rng.randint(2, 5))
    checker, approver = _people(rng, 2, team)
    page.para('报告编号：%s-%d-%02d' % (rng.choice(['KK', 'YW', 'ZK']), year, rng.randint(1, 30)), size=10, align='r', after=6)
    page.para('项目来源：%s' % rng.choice(['国家自然科学基金', '省科技厅野外台站专项', '横向合作项目']), size=10, align='l',
              after=rng.choice([40, 60]))
    page.para(rng.choice(['科学考察报告', '野外考察报告', '综合科考报告']), size=rng.choice([26, 30]), bold=True, align='c',
              cjk=rng.choice(HEI), after=rng.choice([24, 36]))
    _title(page, rng, t['title'], (18, 20, 22), after=rng.choice([40, 56]))
    page.para([_bold('队\u3000长：', rng), team[0]], size=14, align='c', after=6)
    page.para([_bold('队\u3000员：', rng), '、'.join(team[1:])], size=14, align='c', after=rng.choice([30, 44]))
    page.para('审核：%s\u3000\u3000批准：%s' % (checker, approver), size=11, align='c', after=rng.choice([30, 44]))
    page.para(t['school'][0] + t['unit'], size=14, align='c', after=6)
    page.para('%d年%d月' % (year, rng.randint(1, 12)), size=14, align='c')
    return _finish(page, rng, t['title'], team, year)


def class_badge_bachelor_cover(rng):
    """A bachelor's thesis cover: one row with a shaded badge "20xx届" on the left and the school on the
    right, the kind and the degree, the title, all the particulars on one line (学生, 学号, 指导教师
    with rank), then the college and the major on one line, and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{a}调查研究', '{s}中{a}的测定与分析', '{a}初探——以{c}为例'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    sized_table(page, [[('%d届' % year, {'bold': True, 'size': 16}), (t['school'][0], {'size': 22, 'cjk': rng.choice(KAI + HEI)})]],
                [3.0, 13.0], align=['c', 'r'], shade=(0,), fill=rng.choice(['C6E0B4', 'BDD7EE', 'F8CBAD']))
    page.para('', after=rng.choice([40, 60]))
    page.para(rng.choice(['本科毕业论文', '本科毕业论文（设计）', '学士学位论文']), size=24, bold=True, align='c', after=4)
    page.para(rng.choice(['（理学学士）', '（农学学士）']), size=12, align='c', after=rng.choice([50, 70]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([50, 70]))
    page.para('学生：%s\u3000学号：%d%06d\u3000指导教师：%s（%s）' % (student, year - 4, rng.randint(0, 999999), tutor,
                                                       rng.choice(RANKS)), size=12, align='c', after=8)
    page.para('学院：%s\u3000专业：%s' % (t['unit'], t['major']), size=12, align='c', after=rng.choice([50, 70]))
    page.para('%d年%d月' % (year, rng.randint(4, 6)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


TEMPLATES = {'gen-zh-limnoforestjournal-verticalnamestripcell-circledfootunits': strip_journal_article,
             'gen-zh-animalsoilmeeting-meetinggridtopright-roletaggedbyline': role_tagged_conference_paper,
             'gen-zh-forestgeomaster-codegridtopleft-titleovertwounderlinedlines': split_title_master_cover,
             'gen-zh-fieldexpedition-reportcover-leadermembersline-reviewerapprover': expedition_report_cover,
             'gen-zh-teanutbachelor-classbadgecell-oneparticularsline': class_badge_bachelor_cover}
