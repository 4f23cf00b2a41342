"""A ninth set of Chinese first pages, in layouts the earlier sets lack: a journal page whose byline
carries numbered marks and whose units stand as a numbered list in a note at the foot of the page; a
团体标准 / 技术规范 cover that names the 起草单位 and the 起草人; a 学术年会 摘要 page whose
authors each carry a raised mail mark; a 本科毕业论文 cover whose fields are written on lines of
underscores; a 博士研究生 开题报告 cover whose title follows "论文题目（中文）："; and a page whose
Chinese and English title blocks stand side by side. Subjects: shale gas, coral reefs, soybeans and
potato starch, jujube and camel milk, lepidolite lithium, coal-mining subsidence."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('长江大学', 'Yangtze University', '荆州', '434023'),
           ('海南热带海洋学院', 'Hainan Tropical Ocean University', '三亚', '572022'),
           ('齐齐哈尔大学', 'Qiqihar University', '齐齐哈尔', '161006'),
           ('喀什大学', 'Kashi University', '喀什', '844000'),
           ('宜春学院', 'Yichun University', '宜春', '336000'),
           ('淮北师范大学', 'Huaibei Normal University', '淮北', '235000')]
# one field each: subjects, angles, settings, then the field's units, majors and journal
DOMAINS = [(['页岩气开发', '压裂返排液', '油田采出水'], ['处理工艺', '风险评价', '产能预测'], ['涪陵页岩气田', '江汉平原'],
            dict(units=['石油工程学院', '化学与环境工程学院'], majors=['油气田开发工程', '环境工程'], journal='长江大学学报（自然科学版）')),
           (['珊瑚礁修复', '海草床', '热带渔业'], ['生态监测', '恢复成效', '资源评估'], ['三亚湾', '西沙群岛'],
            dict(units=['海洋科学与技术学院', '水产与生命学院'], majors=['海洋生物学', '水产养殖'], journal='热带海洋学报')),
           (['大豆蛋白', '马铃薯淀粉', '乳清发酵'], ['加工特性', '品质改良', '工艺参数'], ['松嫩平原', '嫩江流域'],
            dict(units=['食品与生物工程学院', '化学与化学工程学院'], majors=['食品科学与工程', '农产品加工及贮藏工程'],
                 journal='食品工业科技')),
           (['红枣产业', '骆驼奶', '绿洲林果'], ['市场竞争力', '营养成分', '节水栽培'], ['喀什绿洲', '塔克拉玛干沙漠南缘'],
            dict(units=['生命与地理科学学院', '经济与管理学院'], majors=['农业经济管理', '果树学'], journal='干旱区资源与环境')),
           (['锂云母提锂', '富硒大米', '矿区复垦'], ['工艺研究', '资源利用', '环境效应'], ['宜春锂矿区', '赣西丘陵'],
            dict(units=['化学与生物工程学院', '锂电新能源学院'], majors=['化学工程与技术', '材料工程'], journal='有色金属科学与工程')),
           (['采煤塌陷区', '煤矸石山', '塌陷湖湿地'], ['生态修复', '景观重建', '土地利用'], ['淮北矿区', '皖北平原'],
            dict(units=['资源与环境科学学院', '城市与规划学院'], majors=['自然地理学', '土地资源管理'], journal='煤炭学报'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
EN = {'页岩气开发': 'Shale Gas Development', '压裂返排液': 'Fracturing Flowback Fluid', '油田采出水': 'Oilfield Produced Water',
      '珊瑚礁修复': 'Coral Reef Restoration', '海草床': 'Seagrass Beds', '热带渔业': 'Tropical Fisheries',
      '大豆蛋白': 'Soybean Protein', '马铃薯淀粉': 'Potato Starch', '乳清发酵': 'Whey Fermentation',
      '红枣产业': 'the Jujube Industry', '骆驼奶': 'Camel Milk', '绿洲林果': 'Oasis Orchards',
      '锂云母提锂': 'Lithium Extraction from Lepidolite', '富硒大米': 'Selenium-Rich Rice', '矿区复垦': 'Mine Land Reclamation',
      '采煤塌陷区': 'Coal-Mining Subsidence Areas', '煤矸石山': 'Coal Gangue Heaps', '塌陷湖湿地': 'Subsidence Lake Wetlands',
      '处理工艺': 'Treatment Processes', '风险评价': 'Risk Assessment', '产能预测': 'Productivity Forecasting',
      '生态监测': 'Ecological Monitoring', '恢复成效': 'Restoration Outcomes', '资源评估': 'Resource Assessment',
      '加工特性': 'Processing Properties', '品质改良': 'Quality Improvement', '工艺参数': 'Process Parameters',
      '市场竞争力': 'Market Competitiveness', '营养成分': 'Nutrient Composition', '节水栽培': 'Water-Saving Cultivation',
      '工艺研究': 'Process Study', '资源利用': 'Resource Use', '环境效应': 'Environmental Effects',
      '生态修复': 'Ecological Restoration', '景观重建': 'Landscape Reconstruction', '土地利用': 'Land Use',
      '涪陵页岩气田': 'the Fuling Shale Gas Field', '江汉平原': 'the Jianghan Plain', '三亚湾': 'Sanya Bay',
      '西沙群岛': 'the Xisha Islands', '松嫩平原': 'the Songnen Plain', '嫩江流域': 'the Nen River Basin',
      '喀什绿洲': 'the Kashgar Oasis', '塔克拉玛干沙漠南缘': 'the Southern Rim of the Taklimakan',
      '宜春锂矿区': 'the Yichun Lithium Mines', '赣西丘陵': 'the Hills of Western Jiangxi', '淮北矿区': 'the Huaibei Coalfield',
      '皖北平原': 'the North Anhui Plain'}
FORMS = ['{c}{s}{a}的实证分析', '基于{c}调查的{s}{a}', '{s}{a}进展与展望', '{c}{s}与{t}的协同{a}', '{s}{a}：以{c}为例的探讨']
BODY = ('本文在野外调查与室内分析的基础上，对研究对象的现状、成因与变化趋势作了系统梳理，'
        '并结合典型案例讨论了可行的改进途径。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei']
CLC = ['TE377', 'Q178', 'TS214', 'F326', 'TF826', 'X171']
EN_CITY = {'荆州': 'Jingzhou', '三亚': 'Sanya', '齐齐哈尔': 'Qiqihar', '喀什': 'Kashi', '宜春': 'Yichun',
           '淮北': 'Huaibei'}
SOCIETIES = ['中国环境科学学会', '中国地理学会', '中国食品科学技术学会', '中国海洋湖沼学会', '中国有色金属学会']


def _english(title, s, t):
    """The English title of a Chinese one, from the English of the terms it uses."""
    a = next(w for w in ANGLES if w in title)
    c = next((w for w in CONTEXTS if w in title), None)
    if t in title:
        return '%s of %s and %s' % (EN[a], EN[s], EN[t])
    return '%s of %s in %s' % (EN[a], EN[s], EN[c]) if c else '%s of %s' % (EN[a], EN[s])


def _topic(rng, forms=None):
    """A title and what goes with its field: school, unit, major, journal, English title."""
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), units=f['units'],
                major=rng.choice(f['majors']), journal=f['journal'], en=_english(title, s, t),
                angles=angles, clc=CLC[i])


def _page(rng, size=10.5):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size, margins=rng.choice([2.0, 2.4, 2.8]))


def _people(rng, low, high, pinyin=False):
    people = distinct(rng, zh_person, rng.randint(low, high))
    return people if pinyin else [p[0] for p in people]


def _when(rng):
    year, month = rng.randint(2010, 2026), rng.choice([3, 5, 6, 9, 11])
    return year, zh_date(year, month) if rng.random() < 0.5 else '%d年%d月' % (year, month)


def _finish(page, rng, topic, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, topic['title'], authors, kws)
    return page, record(topic['title'], authors, year, kws, 'zh', None, meta=meta, **extra)


def journal_foot_units(rng):
    """A journal page: "甲¹，乙²，丙¹*" under the title, abstract and keywords, the body, and at the
    foot a note with 收稿日期, 作者简介 and the units as a numbered list."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2008, 2026), _topic(rng)
    s = topic['school']
    page.para('第%d卷第%d期\u3000\u3000\u3000%s\u3000\u3000\u3000%d年%d月' % (rng.randint(10, 45), rng.randint(1, 6),
                                                                    topic['journal'], year, rng.randint(1, 12)),
              size=8.5, align='c', rule='bottom', after=22)
    page.para((topic['title'], {'size': 18, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    authors = _people(rng, 2, 4)
    marks = [rng.choice('12') if i else '1' for i in range(len(authors))]
    star = rng.randrange(len(authors))
    runs = []
    sep = rng.choice(['，', '\u3000'])
    for i, a in enumerate(authors):
        runs += [a, (marks[i] + ('*' if i == star else ''), {'sup': True, 'size': 7})]
        if i < len(authors) - 1:
            runs.append(sep)
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=14)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j', indent=18)
    page.para([('关键词：', {'bold': True}), '；'.join(topic['kws'])], size=9, indent=18, after=4)
    page.para('中图分类号：%s\u3000\u3000文献标识码：A\u3000\u3000文章编号：%04d-%04d(%d)%02d-%04d-%02d'
              % (topic['clc'], rng.randint(1000, 9999), rng.randint(1000, 9999), year, rng.randint(1, 12),
                 rng.randint(1, 400), rng.randint(4, 9)), size=8.5, after=14)
    page.para(BODY * 3, indent=21, align='j', after=30)
    page.para('收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=8, rule='top', after=0)
    page.para('作者简介：%s（%d—），%s，%s。' % (authors[0], rng.randint(1965, 1998), rng.choice(['男', '女']),
                                        rng.choice(['博士，副教授', '硕士研究生', '博士，讲师', '教授'])), size=8, after=0)
    page.para('*通信作者：%s' % authors[star], size=8, after=0)
    other = [u for u in topic['units'] if u != topic['unit']][0]
    page.para('作者单位：1. %s %s，%s %s；2. %s %s，%s %s' % (s[0], topic['unit'], s[2], s[3], s[0], other, s[2], s[3]),
              size=8, after=0)
    return _finish(page, rng, topic, authors, year, topic['kws'])


STANDARD_FORMS = ['{s}{a}技术规范', '{c}{s}{a}技术规程', '{s}{a}导则']


def standard_drafters(rng):
    """A 团体标准 cover: ICS and number, the kind, the title and its English, the issue dates, the
    society; then "起草单位：" and "起草人：" with the drafters."""
    page = _page(rng, 11)
    year = rng.randint(2014, 2026)
    topic = _topic(rng, STANDARD_FORMS)
    society = rng.choice(SOCIETIES)
    page.para('ICS %02d.%03d\t\t\t\t\t%s' % (rng.randint(1, 91), rng.randint(10, 200), topic['clc'][:1] + '%02d' %
                                          rng.randint(10, 99)), size=10, after=4)
    page.para(('T/%s %03d—%d' % (rng.choice(['CSES', 'CGS', 'CIFST', 'CSOL', 'CNIA']), rng.randint(1, 300), year),
               {'bold': True}), size=12, align='r', rule='bottom', after=24)
    page.para(('团\u3000\u3000体\u3000\u3000标\u3000\u3000准', {'size': 26, 'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=50)
    page.para((topic['title'], {'size': 22, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    page.para((topic['en'], {'size': 12}), align='c', after=60)
    people = _people(rng, 3, 6)
    unit = '%s%s' % (topic['school'][0], topic['unit'])
    if rng.random() < 0.5:
        page.para('起草单位：%s' % unit, size=11, after=4)
        page.para('起草人：%s' % '、'.join(people), size=11, after=30)
    else:
        page.table([['起草单位：', unit], ['起草人：', '\u3000'.join(people)]], widths_cm=[3.0, 12.0], size=11,
                   align=['r', 'l'])
        page.para('', after=30)
    page.para('%d-%02d-%02d发布\t\t\t\t%d-%02d-%02d实施' % (year, rng.randint(1, 6), rng.randint(1, 28), year,
                                                        rng.randint(7, 12), rng.randint(1, 28)), size=12,
              rule='top', after=10)
    page.para((society, {'size': 16, 'bold': True}), align='c', after=0)
    page.para('发\u3000布', size=14, align='c')
    return _finish(page, rng, topic, people, year, title_en=topic['en'])


MAIL = '\u2709'


def abstract_mail_marks(rng):
    """A 学术年会 摘要 page: meeting line, the title, each author followed by a raised mail mark (✉),
    the unit, the mail addresses in a line, then 摘要 and 关键词."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2012, 2026), _topic(rng)
    s = topic['school']
    page.para('%s%d年学术年会\u3000论文摘要集' % (rng.choice(SOCIETIES), year), size=9, align='r', rule='bottom', after=20)
    page.para((topic['title'], {'size': 15, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    people = _people(rng, 1, 3, pinyin=True)
    authors = [p[0] for p in people]
    runs = []
    for i, a in enumerate(authors):
        runs += [a, (MAIL, {'sup': True, 'size': 7})]
        if i < len(authors) - 1:
            runs.append(rng.choice(['\u3000', '，']))
    page.para(runs, size=11.5, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('%s%s，%s\u3000%s' % (s[0], topic['unit'], s[2], s[3]), size=9, align='c', after=2)
    host = rng.choice(['yangtzeu.example.cn', 'htou.example.cn', 'qqhru.example.cn', 'ksu.example.cn'])
    mails = ['%s@%s' % (p[1].split(' ')[-1].lower() + p[1].split(' ')[0].lower(), host) for p in people]
    page.para('%s %s' % (MAIL, '；'.join(mails)), size=8.5, align='c', after=14)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=10, align='j', indent=21)
    page.para([('关键词：', {'bold': True}), '，'.join(topic['kws'])], size=10, after=10)
    return _finish(page, rng, topic, authors, year, topic['kws'])


def _underscored(label, value, rng, width=26):
    """A field written on a line of underscores: "姓\u3000\u3000名 ____张三____"."""
    pad = max(2, width - 2 * len(value))
    left = pad // 2
    return '%s%s%s%s%s' % (label, rng.choice([' ', '：', '\u3000']), '_' * left, value, '_' * (pad - left))


def bachelor_underscores(rng):
    """A 本科毕业论文 cover whose fields stand on lines of underscores typed into the text."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    author, sup = _people(rng, 2, 2)
    page.para((topic['school'][0], {'size': 28, 'cjk': rng.choice(KAI + HEI)}), align='c', before=30, after=6)
    page.para((rng.choice(['本科毕业论文', '本科毕业论文（设计）', '本 科 毕 业 论 文']), {'size': 24, 'bold': True}),
              align='c', after=60)
    page.para('题\u3000\u3000目\u3000%s' % topic['title'], size=15, align='l', after=40)
    rows = [('学\u3000\u3000院', topic['unit']), ('专\u3000\u3000业', topic['major']),
            ('姓\u3000\u3000名', author), ('学\u3000\u3000号', '%d%06d' % (year - 4, rng.randint(1, 999999))),
            ('指导教师', '%s%s' % (sup, rng.choice(['', ' 副教授', ' 讲师'])))]
    for label, value in rows:
        page.para(_underscored(label, value, rng), size=14, align='c', after=10)
    page.para(when, size=14, align='c', before=40)
    return _finish(page, rng, topic, [author], year, supervisor=sup)


def opening_title_label(rng):
    """A 博士研究生 开题报告 cover: the school, the kind, then "论文题目（中文）：" with the title,
    "论文题目（英文）：" with its English, then 博士研究生, 导师, 学科, 入学时间, the date."""
    page = _page(rng, 12)
    year, when = _when(rng)
    topic = _topic(rng)
    author, sup = _people(rng, 2, 2)
    page.para((topic['school'][0], {'size': 22, 'cjk': rng.choice(KAI)}), align='c', before=20, after=6)
    page.para(('博士研究生学位论文开题报告', {'size': 22, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=60)
    extra = {}
    page.para([('论文题目（中文）：', {'bold': True}), topic['title']], size=14, after=8)
    if rng.random() < 0.6:
        extra['title_en'] = topic['en']
        page.para([('论文题目（英文）：', {'bold': True}), topic['en']], size=13, after=30)
    else:
        page.para('', after=30)
    for label, value in [('博士研究生', author), ('导\u3000\u3000师', '%s\u3000%s' % (sup, rng.choice(['教授', '研究员']))),
                         ('学科专业', topic['major']), ('所在学院', topic['unit']),
                         ('入学时间', '%d年9月' % (year - 1))]:
        page.para('%s：%s' % (label, value), size=13, indent=rng.choice([60, 80]), after=8)
    page.para('填表日期：%s' % when, size=13, align='c', before=40)
    return _finish(page, rng, topic, [author], year, supervisor=sup, **extra)


def side_by_side(rng):
    """A journal page whose title blocks stand side by side in a borderless two-column table: the
    Chinese title, names and unit on the left; the English title, pinyin names and unit on the right."""
    page = _page(rng, 10.5)
    year, topic = rng.randint(2009, 2026), _topic(rng)
    s = topic['school']
    page.para('%s\u3000%d，%d（%d）' % (topic['journal'], year, rng.randint(10, 50), rng.randint(1, 12)), size=8.5,
              rule='bottom', after=18)
    people = _people(rng, 1, 3, pinyin=True)
    authors = [p[0] for p in people]
    left = [(topic['title'], {'size': 15, 'bold': True})]
    right = [(topic['en'], {'size': 12, 'bold': True})]
    page.table([[left, right],
                ['，'.join(authors), ', '.join(p[1] for p in people)],
                ['（%s %s，%s %s）' % (s[0], topic['unit'], s[2], s[3]), '(%s, %s %s, China)' % (s[1], EN_CITY[s[2]], s[3])]],
               widths_cm=[8.0, 8.0], size=10, align=['c', 'c'])
    page.para('', after=10)
    page.para([('摘要：', {'bold': True}), BODY], size=9, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(topic['kws'])], size=9, after=12)
    page.para(BODY * 4, indent=21, align='j')
    return _finish(page, rng, topic, authors, year, topic['kws'], title_en=topic['en'])


TEMPLATES = {
    'gen-zh-journal-footunitlist': journal_foot_units,
    'gen-zh-standard-drafters': standard_drafters,
    'gen-zh-abstract-mailmarks': abstract_mail_marks,
    'gen-zh-bachelor-underscores': bachelor_underscores,
    'gen-zh-opening-titlelabel': opening_title_label,
    'gen-zh-journal-sidebyside': side_by_side,
}
