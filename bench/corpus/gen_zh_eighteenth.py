"""An eighteenth set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords, zh_person
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('嘉应学院', 'Jiaying University', '梅州', '514015', '广东'),
           ('兴义民族师范学院', 'Minzu Normal University of Xingyi', '兴义', '562400', '贵州'),
           ('绥化学院', 'Suihua University', '绥化', '152061', '黑龙江'),
           ('伊犁师范大学', 'Yili Normal University', '伊宁', '835000', '新疆')]
# per school: subjects with the angles that suit them, settings, units, majors, a newspaper, lab work
DOMAINS = [dict(subjects={'客家围龙屋': ['保护性利用', '空间形态演变'], '梅州金柚': ['品牌培育', '果园土壤酸化治理'],
                          '客家山歌': ['传承人培养', '数字化保存']},
                contexts=['梅县区', '兴宁市', '梅江两岸'], units=['客家研究院', '地理科学与旅游学院', '生命科学学院'],
                majors=['历史学', '园艺', '音乐学'], paper='梅州日报',
                labs=['金柚果皮中柚皮苷的提取与含量测定', '围龙屋夯土墙体含水率的测定', '柚园土壤pH值与交换性酸的测定',
                      '金柚果汁维生素C含量的测定', '柚皮果胶的提取及其凝胶性测定']),
           dict(subjects={'万峰林喀斯特': ['石漠化治理成效', '景观格局演变'], '兴仁薏仁米': ['营养品质评价', '深加工技术'],
                          '布依族八音坐唱': ['展演空间', '社区参与机制']},
                contexts=['兴义市', '安龙县', '南盘江沿岸'], units=['生物与化学学院', '文学与传媒学院', '旅游与文化学院'],
                majors=['生物科学', '汉语言文学', '旅游管理'], paper='黔西南日报',
                labs=['薏仁米中直链淀粉含量的测定', '喀斯特石灰土有机质含量的测定', '薏仁米油的索氏提取',
                      '石灰岩地区水样总硬度的测定', '薏仁米蛋白质含量的凯氏定氮测定']),
           dict(subjects={'鲜食玉米': ['速冻加工工艺', '品种比较试验'], '黑土地耕层': ['退化诊断', '保护性耕作效应'],
                          '呼兰河口湿地': ['越冬鸟类多样性', '退化湿地修复']},
                contexts=['海伦市', '望奎县', '庆安县'], units=['农业与水利工程学院', '食品与制药工程学院', '经济管理学院'],
                majors=['农学', '食品科学与工程', '农林经济管理'], paper='绥化日报',
                labs=['鲜食玉米籽粒可溶性糖含量的测定', '黑土容重与孔隙度的测定', '玉米种子发芽势与发芽率的测定',
                      '黑土速效磷含量的测定', '湿地水样溶解氧的碘量法测定']),
           dict(subjects={'伊犁河谷薰衣草': ['精油品质', '农旅融合发展'], '伊犁马': ['种质资源保护', '马产业链'],
                          '天山野苹果': ['种群退化', '就地保护策略']},
                contexts=['霍城县', '昭苏县', '新源县'], units=['生物与地理科学学院', '化学与环境科学学院', '经济与管理学院'],
                majors=['生物技术', '应用化学', '人文地理与城乡规划'], paper='伊犁日报',
                labs=['薰衣草精油的水蒸气蒸馏提取', '野苹果叶片过氧化物酶活性的测定', '薰衣草精油中芳樟醇的气相色谱测定',
                      '马乳中乳糖含量的测定', '野苹果果实总酚含量的测定'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{c}{s}{a}研究', '{s}{a}的调查与分析——以{c}为例', '{c}{s}{a}初探', '{s}{a}及其影响因素',
         '基于实地调查的{c}{s}{a}研究']
PRESS_FORMS = ['{s}{a}的实践与思考', '推进{c}{s}{a}的几点思考', '关于{s}{a}的调查与建议', '做好{s}{a}这篇文章',
               '从{c}看{s}{a}']
BODY = '本文介绍所做工作的背景和资料，说明方法与结果，并讨论其意义和不足之处。'


def _topic(rng, forms=FORMS):
    i = rng.randrange(len(DOMAINS))
    d = DOMAINS[i]
    s = rng.choice(sorted(d['subjects']))
    a = rng.choice(d['subjects'][s])
    title = rng.choice(forms).format(s=s, a=a, c=rng.choice(d['contexts']))
    pool = sorted(d['subjects']) + [x for v in d['subjects'].values() for x in v] + d['contexts']
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, pool)
    return dict(i=i, d=d, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(d['units']),
                major=rng.choice(d['majors']))


def _title_para(page, rng, title, sizes, align='c', after=10, bold=True):
    """The title on one line, or on two (cut at a character) when it is long."""
    opt = {'size': rng.choice(sizes), 'bold': bold, 'cjk': rng.choice(HEI + SONG)}
    if len(title) > 14 and rng.random() < 0.4:
        k = rng.randint(len(title) // 2 - 2, len(title) // 2 + 2)
        page.para([(title[:k], dict(opt, **{'break': True})), (title[k:], opt)], align=align, after=after)
    else:
        page.para((title, opt), align=align, after=after)


def labreport_cover(rng):
    """The cover of a student's 实验报告: school, kind, course, the experiment's name, then the
    student's fields two to a row in a grid, the 指导教师 among them, and the 成绩 left blank."""
    page = _page(rng, 12)
    t = _topic(rng)
    s, d = t['school'], t['d']
    year = rng.randint(2014, 2026)
    title = rng.choice(d['labs'])
    page.para((s[0], {'size': rng.choice([22, 26]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=30, after=8)
    page.para((rng.choice(['实　验　报　告', '实验报告', '课程实验报告']), {'size': rng.choice([26, 28]), 'bold': True}),
              align='c', after=40)
    course = rng.choice(['仪器分析实验', '生物化学实验', '环境监测实验', '植物生理学实验', '土壤学实验'])
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    sep = rng.choice(['：', ':', ''])
    if rng.random() < 0.5:
        page.para([('课程名称' + sep, {}), (course, {'u': True})], size=14, indent=40, after=10)
        page.para([('实验名称' + sep, {}), (title, {'u': True})], size=14, indent=40, after=24)
    else:
        page.table([['课程名称', course], ['实验项目', title]], widths_cm=[3.2, 11.0], size=13, grid=True, align=['c', 'l'])
        page.para('', after=18)
    rows = [['姓\u3000\u3000名', student, '学\u3000\u3000号', '%d%06d' % (year - 2, rng.randint(0, 999999))],
            ['专业班级', '%s%d级%d班' % (t['major'], (year - 2) % 100, rng.randint(1, 3)), '指导教师', sup],
            ['实验日期', '%d年%d月%d日' % (year, rng.randint(3, 12), rng.randint(1, 28)), '成\u3000\u3000绩', '']]
    page.table(rows, widths_cm=[2.8, 4.6, 2.8, 4.0], size=12, grid=rng.random() < 0.7, align='c')
    page.para('%s%s' % (t['unit'], rng.choice(['实验教学中心', '基础实验室', '实验中心'])), size=12, align='c', before=60)
    return _finish(page, rng, title, [student], year, supervisor=sup)


def translation_cover(rng):
    """The cover of a graduating student's 外文文献翻译: the Chinese title of the translation, the
    original's English title, its authors and source, then the student and the 指导教师."""
    page = _page(rng, 12)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    import gen_en_eighteenth as en
    original = rng.choice(en.COVER_TITLES)
    orig_authors = [en.person(rng) for _ in range(rng.randint(1, 3))]
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([20, 24]), 'cjk': rng.choice(KAI + HEI)}), align='c', before=24, after=4)
    page.para(rng.choice(['本科毕业设计（论文）', '毕业论文（设计）附件', '本科毕业论文']), size=14, align='c', after=10)
    page.para((rng.choice(['外文文献翻译', '外 文 翻 译', '外文资料译文']), {'size': rng.choice([24, 26]), 'bold': True}),
              align='c', after=40)
    rows = [['译文题目', t['title']], ['原文题目', original], ['原文作者', ', '.join(orig_authors)],
            ['原文出处', '%s, %d, %d(%d): %d-%d' % (rng.choice(en.JOURNALS), year - rng.randint(1, 6), rng.randint(8, 60),
                                                  rng.randint(1, 12), rng.randint(10, 300), rng.randint(301, 600))],
            ['学生姓名', student], ['学\u3000\u3000院', t['unit']], ['专\u3000\u3000业', t['major']], ['指导教师', sup]]
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[3.0, 11.5], size=12, grid=rng.random() < 0.6, align=['c', 'l'])
    else:
        for label, val in rows:
            page.para([(label + rng.choice(['：', '：', '  ']), {}), (val, {'u': True})], size=12, indent=30, after=8)
    page.para('%d年%d月' % (year, rng.choice([3, 4, 5])), size=13, align='c', before=40)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def newspaper_theory(rng):
    """An article on a newspaper's theory page: the date and page line, the column, an eyebrow line
    over the title on some, the byline, three columns of text and the writers' unit at the end."""
    page = _page(rng, 10)
    t = _topic(rng, PRESS_FORMS)
    s, d = t['school'], t['d']
    year = rng.randint(2011, 2026)
    month, day = rng.randint(1, 12), rng.randint(1, 28)
    wd = rng.choice(['星期一', '星期二', '星期三', '星期四', '星期五'])
    page.table([[(d['paper'], {'size': 16, 'bold': True}), '%d年%d月%d日\u3000%s' % (year, month, day, wd),
                 '第%d版\u3000%s' % (rng.randint(3, 12), rng.choice(['理论', '理论·实践', '学习与思考']))]],
               widths_cm=[5.0, 5.5, 5.5], size=9.5, align=['l', 'c', 'r'])
    page.para('', rule='bottom', after=12)
    if rng.random() < 0.5:
        page.para(rng.choice(['聚焦乡村振兴', '学思践悟', '理论前沿']), size=12, align='c', after=2, cjk=rng.choice(KAI))
    _title_para(page, rng, t['title'], [20, 22, 24], after=8)
    writers = _people(rng, rng.randint(1, 2))
    page.para(rng.choice(['□ ', '◎', '', '文／']) + '\u3000'.join(writers), size=11, align='c', cjk=rng.choice(KAI), after=12)
    cols = 3 if rng.random() < 0.6 else 2
    page.columns(cols, 0.5)
    for k, head in enumerate(rng.sample(['深化认识', '把握重点', '找准路径', '夯实基础', '完善机制'], 3)):
        page.para(BODY * (cols + 2), align='j', indent=20)
        page.para(('%s、%s' % ('一二三'[k], head), {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, before=4, after=2)
    page.para(BODY * (cols + 2), align='j', indent=20)
    page.para('（作者单位：%s%s）' % (s[0], t['unit']), size=9.5, align='r', before=4)
    return _finish(page, rng, t['title'], writers, year)


def lecture_minutes(rng):
    """The write-up of an invited talk: the series and its number, the talk's title, then 主讲人,
    主持人, time and place, the summary, and who wrote it up at the end."""
    page = _page(rng, 11)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2013, 2026)
    speaker = _people(rng, 1)[0]
    host, writer = _people(rng, 2, [speaker])
    page.para([(rng.choice(['学术讲座纪要', '学术沙龙纪要', '名师讲坛']), {'bold': True, 'size': 14}),
               '\u3000\u3000第%d期' % rng.randint(3, 60)], align=rng.choice(['l', 'c']), rule='bottom', after=18)
    _title_para(page, rng, t['title'], [17, 18, 20], after=14)
    other = rng.choice(['中国科学院', '中国农业科学院', '兰州大学', '中山大学', '贵州大学'])
    info = [('主讲人', '%s（%s%s）' % (speaker, other, rng.choice(['教授', '研究员', '副研究员']))),
            ('主持人', '%s（%s%s）' % (host, s[0], t['unit'])),
            ('时\u3000间', '%d年%d月%d日 %d:%s' % (year, rng.randint(3, 12), rng.randint(1, 28), rng.choice([9, 14, 15]),
                                             rng.choice(['00', '30']))),
            ('地\u3000点', '%s%s' % (s[0], rng.choice(['图书馆报告厅', '学术交流中心二楼', '行政楼第一会议室'])))]
    if rng.random() < 0.5:
        page.table([[k + '：', v] for k, v in info], widths_cm=[2.4, 12.0], size=11, align=['r', 'l'])
    else:
        for k, v in info:
            page.para([(k + '：', {'bold': True}), v], size=11, indent=30, after=3)
    page.para([('内容摘要：', {'bold': True}), BODY * 2], size=10.5, align='j', before=12, after=8, cjk=rng.choice(KAI))
    page.para(BODY * 5, align='j', indent=22)
    page.para('（整理：%s%s）' % (writer, rng.choice(['', '\u3000审核：' + host])), size=10, align='r', before=6)
    return _finish(page, rng, t['title'], [speaker], year)


def check_report(rng):
    """The first page of a text-overlap check report on a thesis: the report's number and time,
    篇名, 作者 and 指导教师, then the table of overlap shares."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2015, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((rng.choice(['学位论文检测报告单', '文本复制检测报告单（全文标明引文）', '论文相似性检测报告']),
               {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=6)
    page.para('№：%s%d%02d%02d%06d' % (rng.choice(['BC', 'ADBD', 'TMLC']), year, rng.randint(4, 5), rng.randint(1, 28),
                                     rng.randint(0, 999999)), size=9, align='c', after=2)
    page.para('检测时间：%d-%02d-%02d %02d:%02d:%02d' % (year, rng.randint(4, 5), rng.randint(1, 28), rng.randint(8, 22),
                                                    rng.randint(0, 59), rng.randint(0, 59)), size=9, align='c',
              rule='bottom', after=14)
    c = rng.choice(['：', ':', '：'])
    lines = [('篇名', t['title']), ('作者', student), ('指导教师', sup), ('检测机构', s[0] + '图书馆'),
             ('检测范围', '中国学术期刊网络出版总库、中国博士学位论文全文数据库、中国优秀硕士学位论文全文数据库、互联网资源')]
    if rng.random() < 0.5:
        for k, v in lines:
            page.para([(k + c, {'bold': True}), v], size=10.5, after=3)
    else:
        page.para([('篇名' + c, {'bold': True}), t['title']], size=10.5, after=3)
        page.para([('作者' + c, {'bold': True}), student, '\u3000\u3000', ('指导教师' + c, {'bold': True}), sup],
                  size=10.5, after=3)
        for k, v in lines[3:]:
            page.para([(k + c, {'bold': True}), v], size=10.5, after=3)
    share = rng.uniform(1, 28)
    page.para(('检测结果', {'bold': True}), size=12, before=12, after=4)
    page.table([['总文字复制比', '%.1f%%' % share, '去除引用文献复制比', '%.1f%%' % (share * 0.8)],
                ['去除本人已发表文献复制比', '%.1f%%' % share, '单篇最大文字复制比', '%.1f%%' % (share * 0.4)],
                ['重复字数', '[%d]' % int(share * 300), '总字数', '[%d]' % rng.randint(18000, 60000)]],
               widths_cm=[4.4, 2.6, 4.4, 2.6], size=9.5, grid=True, align='c')
    page.para('说明：1.总文字复制比：被检测论文总重合字数在总字数中所占的比例。2.本报告单仅对您所选择比对资源范围内检测结果负责。',
              size=8, before=12, align='j')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def pinyin_grid(rng):
    """A journal page whose authors stand in a grid, each name over its pinyin with its unit number,
    the numbered units under the grid, then 摘要 and 关键词."""
    page = _page(rng)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    vol, no = rng.randint(10, 45), rng.randint(1, 6)
    journal = '%s学报' % s[0]
    page.table([['%s\u3000第%d卷第%d期' % (journal, vol, no), 'Vol.%d No.%d %d' % (vol, no, year)]],
               widths_cm=[9.0, 7.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    _title_para(page, rng, t['title'], [16, 18], after=10)
    n = rng.randint(2, 6)
    people = []
    while len(people) < n:
        p = zh_person(rng)
        if p[0] not in [q[0] for q in people]:
            people.append(p)
    units = [t['unit'], rng.choice([u for u in t['d']['units'] if u != t['unit']])]
    marks = [1 if k == 0 or rng.random() < 0.6 else 2 for k in range(n)]
    if 2 not in marks:
        units = units[:1]
    per = 3 if n > 4 or rng.random() < 0.5 else n
    cells = [[(p[0], {'size': 12}), (str(m) if len(units) > 1 else '', {'sup': True}), ('\n' + p[1], {'size': 8.5})]
             for p, m in zip(people, marks)]
    rows = [cells[i:i + per] for i in range(0, n, per)]
    rows = [r + [''] * (per - len(r)) for r in rows]
    page.table(rows, widths_cm=[4.2] * per, size=12, align='c')
    page.para('（%s）' % '；'.join('%s%s%s，%s %s %s' % ('%d.' % (k + 1) if len(units) > 1 else '', s[0], u, s[4], s[2], s[3])
                                  for k, u in enumerate(units)), size=8.5, align='c', before=6, after=10)
    page.para([('摘　要：', {'bold': True}), BODY * 3], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '；', '，']).join(t['kws'])], size=9, after=10)
    if rng.random() < 0.5:
        page.columns(2)
    page.para(('0\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 6, align='j', indent=21)
    return _finish(page, rng, t['title'], [p[0] for p in people], year, t['kws'])


TEMPLATES = {'gen-zh-labreport-cover': labreport_cover, 'gen-zh-translation-cover': translation_cover,
             'gen-zh-newspaper-theorypage': newspaper_theory, 'gen-zh-lecture-minutes': lecture_minutes,
             'gen-zh-checkreport-cover': check_report, 'gen-zh-journal-pinyingrid': pinyin_grid}
