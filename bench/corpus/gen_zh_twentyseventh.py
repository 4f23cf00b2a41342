"""A twenty-seventh set of Chinese first pages of papers, theses and reports, in house styles the earlier sets
lack, in the humanities, law, economics, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date, zh_person
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('楚雄师范学院', 'Chuxiong Normal University', '楚雄', '675000', '云南'),
           ('莆田学院', 'Putian University', '莆田', '351100', '福建'),
           ('长治学院', 'Changzhi University', '长治', '046011', '山西'),
           ('惠州学院', 'Huizhou University', '惠州', '516007', '广东')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'彝族左脚舞': ['动作谱系', '广场化传播'], '彝文典籍': ['译注体例', '数字化整理'],
                          '彝族火把节': ['节俗叙事', '旅游展演']},
                contexts=['大姚县', '武定县', '双柏县'], units=['人文学院', '音乐舞蹈学院', '经济与管理学院'],
                majors=['民族学', '舞蹈编导', '旅游管理'], field='滇中彝族文化'),
           dict(subjects={'妈祖信俗': ['宫庙网络', '海峡交流'], '莆仙戏': ['传统剧目抢救', '戏班经营'],
                          '木兰溪': ['治水史', '流域治理']},
                contexts=['湄洲岛', '仙游县', '荔城区'], units=['文化与传播学院', '法学院', '商学院'],
                majors=['汉语言文学', '法学', '经济学'], field='莆阳文化'),
           dict(subjects={'上党梆子': ['声腔源流', '戏曲进课堂'], '长治堆锦': ['剪贴工艺', '纹样再设计'],
                          '潞绸': ['织造史', '品牌复兴']},
                contexts=['潞州区', '壶关县', '黎城县'], units=['中文系', '美术系', '教育系'],
                majors=['戏剧影视文学', '视觉传达设计', '小学教育'], field='上党文化'),
           dict(subjects={'东坡寓惠': ['诗文编年', '文化地标'], '惠东渔歌': ['曲调采录', '渔村变迁'],
                          '客家围屋': ['宗族空间', '祠堂修缮']},
                contexts=['惠东县', '博罗县', '惠阳区'], units=['中文系', '音乐与舞蹈学院', '政法学院'],
                majors=['中国古代文学', '音乐学', '社会工作'], field='东江文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}新探', '{c}{s}{a}述论', '{s}与{a}：一项历史人类学考察', '{s}{a}的文化逻辑', '近代以来{s}{a}考论']
BODY = '文章以地方文献和口述材料为基础，梳理了有关现象的来龙去脉，并就其意义与局限作了初步讨论。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _table(page, rows, widths_cm, **kw):
    """A table whose column widths the converter keeps (the table's grid, not only its cells)."""
    t = page.table(rows, widths_cm=widths_cm, **kw)
    t.autofit = False
    for col, w in zip(t.columns, widths_cm):
        col.width = Cm(w)
    return t


def _text(page, rng, head, n=6, size=10.5):
    page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=size, after=3)
    page.para(BODY * n, align='j', indent=2 * size, line=1.3, size=size, after=6)


def law_master_cover(rng):
    """The cover of a 法律硕士 thesis set flush left: the school, a shaded band with the degree, the
    title, then left-aligned label lines for the author, the 指导教师, the direction, the committee's
    chair and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的法律规制研究', '{c}{s}{a}中的纠纷解决机制', '{s}{a}的地方立法问题研究'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup, chair = _people(rng, 2, [student])
    page.para('学校代码：1%04d\u3000\u3000学号：%d%05d\u3000\u3000密级：公开' % (rng.randint(1000, 9999), year - 3,
                                                                     rng.randint(1, 99999)), size=9.5, after=40)
    page.para((s[0], {'size': rng.choice([22, 24]), 'cjk': rng.choice(KAI + SONG)}), after=8)
    _table(page, [[(rng.choice(['法律硕士专业学位论文', '法律硕士（非法学）专业学位论文', '法律硕士（法学）学位论文']),
                    {'bold': True, 'size': 16, 'cjk': rng.choice(HEI)})]], [16.0], align='l', shade=(0,),
           fill=rng.choice(['D9D9D9', 'E2EFDA', 'DEEAF6']))
    page.para('', after=40)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), after=60)
    colon = rng.choice(['：', '：', ':'])
    rows = [('论文作者', student), ('指导教师', sup + rng.choice(['\u3000教授', '\u3000副教授'])),
            ('培养方向', rng.choice(['民商法', '诉讼法', '法律实务', '行政法'])),
            ('答辩委员会主席', chair + '\u3000教授'),
            ('论文提交日期', zh_date(year, rng.choice([4, 5])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([4, 5])))]
    for k, v in rows:
        page.para([(k + colon, {'bold': rng.random() < 0.5}), (v, {'u': rng.random() < 0.3})], size=13, after=6)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def art_journal(rng):
    """An art journal's first page: the journal and issue over a thick rule, the title flush left with
    its English title under it in italics, the authors flush left with dots between, the abstract and
    keywords across the page, and the text in two columns."""
    page = _page(rng, 10)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2007, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para([(rng.choice(['民族艺术学刊', '艺术学界', '南方艺术评论']), {'bold': True, 'size': 11}),
               '\u3000%d年第%d期（总第%d期）' % (year, rng.randint(1, 6), rng.randint(20, 200))], size=9,
              rule='bottom', after=24)
    page.para((t['title'], {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), after=4)
    page.para('On %s' % rng.choice(['Heritage and Performance', 'Craft and Memory', 'Music and Place', 'Images and Ritual']),
              size=11, italic=True, after=10)
    page.para('\u2002·\u2002'.join(authors), size=12, cjk=rng.choice(KAI + HEI), after=2)
    page.para('（%s%s，%s\u2002%s\u2002%s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, after=12)
    page.para([('摘\u3000要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9.5, after=3)
    page.para('中图分类号：J%d\u3000\u3000文献标识码：A' % rng.randint(20, 99), size=9, after=10)
    page.columns(2)
    _text(page, rng, '一、引言', 6, 10)
    page.columns(1)
    page.para('', rule='bottom', after=2)
    page.para('收稿日期：%d-%02d-%02d\u3000基金项目：%s省艺术科学规划项目' % (year - rng.randint(0, 1), rng.randint(1, 12),
                                                            rng.randint(1, 28), s[4]), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def teacher_project_report(rng):
    """The first page of a school-teachers' research project report: a province's planning office
    over a rule, 研究报告, then label lines for the project's name, its number, the leader, the members
    and the school, and the text's first heading."""
    page = _page(rng, 11)
    t = _topic(rng, ['{s}{a}融入中小学课堂的实践研究', '基于{s}的{a}校本课程开发研究', '{c}{s}{a}进校园的行动研究'])
    s = t['school']
    year = rng.randint(2010, 2026)
    leader = _people(rng, 1)[0]
    members = _people(rng, rng.randint(1, 4), [leader])
    plan = '二' if year - 2 <= 2015 else '三' if year - 2 <= 2020 else '四'
    page.para('%s省教育科学“十%s五”规划%d年度课题' % (s[4], plan, year - 2), size=10.5,
              align='c', cjk=rng.choice(KAI + SONG), rule='bottom', after=20)
    page.para((rng.choice(['研究报告', '结题研究报告', '课题研究总报告']), {'size': rng.choice([22, 26]), 'bold': True,
                                                          'cjk': rng.choice(HEI + SONG)}), align='c', after=24)
    colon = rng.choice(['：', ':'])
    lab = [('课题名称', (t['title'], {'bold': True})), ('课题编号', '%s%d%s%03d' % (s[4][0], year - 2, rng.choice(['JKY', 'GH', 'JY']),
                                                                              rng.randint(1, 400))),
           ('课题主持人', leader), ('课题组成员', rng.choice(['、', '，', '\u3000']).join(members)),
           ('承担单位', '%s%s附属实验学校' % (s[0], rng.choice(['', '第一']))), ('报告日期', '%d年%d月' % (year, rng.randint(1, 12)))]
    for k, v in lab:
        page.para([(k + colon, {'bold': True, 'cjk': rng.choice(HEI)}), v], size=12, after=8)
    page.para('', after=10)
    _text(page, rng, '一、问题的提出', 4, 11)
    return _finish(page, rng, t['title'], [leader] + members, year)


def econ_journal(rng):
    """An economics journal's first page: the journal's Chinese and English names left and the year,
    volume and DOI right, the title, the authors with numbers, the units in brackets, 摘要, 关键词, the
    classification code and the document mark on one line, and the dates, grant and authors' notes at
    the foot."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}{a}的经济价值评估', '{c}{s}{a}的产业化路径', '{s}{a}与县域特色经济发展'])
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 4))
    units = rng.sample(t['d']['units'], min(len(authors), rng.randint(1, 2)))
    _table(page, [['%s经济论坛\nLocal Economy Forum' % s[4], '%d年第%d卷第%d期\nDOI:10.%d/j.cnki.%d.%d.%02d.%03d' % (
        year, rng.randint(10, 40), rng.randint(1, 12), rng.randint(13000, 16999), rng.randint(1000, 9999), year,
        rng.randint(1, 12), rng.randint(1, 300))]], [8.5, 8.5], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (str(min(k, len(units) - 1) + 1) if len(units) > 1 else '', {'sup': True})] + \
            ([rng.choice(['，', '\u3000'])] if k < len(authors) - 1 else [])
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s）' % '；'.join(('%d. ' % (k + 1) if len(units) > 1 else '') + '%s%s，%s\u2002%s' % (s[0], u, s[2], s[3])
                                   for k, u in enumerate(units)), size=9, align='c', after=12)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=3)
    page.para([('中图分类号：', {'bold': True}), rng.choice(['F127', 'F592', 'F323']), '\u3000\u3000',
               ('文献标志码：', {'bold': True}), 'A\u3000\u3000', ('文章编号：', {'bold': True}),
               '1%03d-%04d（%d）%02d-00%02d-0%d' % (rng.randint(0, 999), rng.randint(1000, 9999), year, rng.randint(1, 12),
                                                   rng.randint(10, 99), rng.randint(5, 9))], size=8.5, after=12)
    _text(page, rng, '一、引言', 6, 10)
    page.para('', rule='bottom', after=2)
    page.para('收稿日期：%d-%02d-%02d\u3000作者简介：%s' % (
        year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28),
        '；'.join('%s，%s，%s' % (a, rng.choice(['男', '女']), rng.choice(['副教授', '讲师', '硕士研究生'])) for a in authors)) +
        '。', size=8.5, align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def jikan_chapter(rng):
    """An article in a serial collection (集刊): the collection and its number left and the pages right
    between rules, the title, the authors with stars, 内容提要 and 关键词 in 楷, the text, and the
    starred notes."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 2))
    coll = rng.choice(['《%s研究》' % t['d']['field'], '《地方文献论丛》', '《历史人类学集刊》'])
    a0 = rng.randint(1, 300)
    _table(page, [['%s第%s辑（%d年%s）' % (coll, rng.choice(['一', '三', '五', '八', '十二', '十五']), year,
                                          rng.choice(['', '春季卷', '秋季卷'])),
                   '第%d—%d页' % (a0, a0 + rng.randint(10, 30))]],
           [10.0, 6.0], size=9, align=['l', 'r'])
    page.para('', rule='both', after=20)
    page.para((t['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c',
              after=10)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, ('*' * (k + 1), {'sup': True})] + (['\u3000'] if k < len(authors) - 1 else [])
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI), after=14)
    page.para([('内容提要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j',
              cjk=rng.choice(KAI), after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000'.join(t['kws'])], size=9.5,
              cjk=rng.choice(KAI), after=12)
    _text(page, rng, rng.choice(['一、问题缘起', '引\u3000言']), 5)
    page.para('', rule='bottom', after=2)
    page.para(''.join('%s %s，%s%s%s。' % ('*' * (k + 1), a, s[0], t['unit'], rng.choice(['教授', '讲师', '副研究员']))
                      for k, a in enumerate(authors)), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def pinyin_byline(rng):
    """A social-science journal's first page whose byline is a small table: each author's name with
    the pinyin under it, and the unit in a line below; then 摘要, 关键词 and the codes, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的社会治理意义', '{c}{s}{a}的社会网络分析', '{s}{a}与乡村社会变迁'])
    s = t['school']
    year = rng.randint(2008, 2026)
    people, n = [], rng.randint(1, 3)
    while len(people) < n:
        p = zh_person(rng)
        if p[0] not in [q[0] for q in people]:
            people.append(p)
    authors = [p[0] for p in people]
    page.para([(rng.choice(['社会学研究', '社会治理', '民族社会学']), {'bold': True}),
               '\u3000\u3000%d年\u3000第%d期' % (year, rng.randint(1, 6))], size=9.5, align='r', rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=10)
    _table(page, [[(a, {'size': 12}) for a in authors], [(p[1], {'size': 8}) for p in people]],
           [4.0] * len(people), align='c', font=rng.choice(['Liberation Sans', 'DejaVu Sans']))
    page.para('（%s%s，%s %s）' % (s[0], t['unit'], s[4] + s[2], s[3]), size=9, align='c', after=12)
    page.para([('［摘\u3000要］', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('［关键词］', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=3)
    page.para('［中图分类号］C%d\u3000［文献标识码］A' % rng.randint(91, 95), size=9, after=12)
    _text(page, rng, '一、问题的提出', 6)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-lawmaster-leftband': law_master_cover, 'gen-zh-artjournal-englishsubline-twocol': art_journal,
             'gen-zh-teacherproject-leaderlines': teacher_project_report, 'gen-zh-econjournal-codeline-doiright': econ_journal,
             'gen-zh-jikan-serialhead-stars': jikan_chapter, 'gen-zh-socjournal-pinyinbyline': pinyin_byline}
