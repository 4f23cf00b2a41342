"""A twenty-third set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('黄冈师范学院', 'Huanggang Normal University', '黄冈', '438000', '湖北'),
           ('洛阳师范学院', 'Luoyang Normal University', '洛阳', '471934', '河南'),
           ('琼台师范学院', 'Qiongtai Normal University', '海口', '571127', '海南'),
           ('黑龙江工业学院', 'Heilongjiang University of Technology', '鸡西', '158100', '黑龙江')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'英山云雾茶': ['茶树良种繁育', '电商销售'], '东坡赤壁': ['题刻考释', '景区解说系统'],
                          '黄梅戏': ['经典唱段整理', '青年演员成长']},
                contexts=['英山县', '黄州区', '黄梅县'], units=['生物与农业资源学院', '历史文化学院', '音乐学院'],
                majors=['茶学', '历史学', '音乐学'], field='鄂东文化与山区发展'),
           dict(subjects={'龙门石窟': ['造像题记', '数字展示'], '唐三彩': ['釉料配方', '仿制工艺'],
                          '洛阳水席': ['菜品标准化', '饮食记忆']},
                contexts=['洛龙区', '孟津区', '伊川县'], units=['历史文化学院', '化学化工学院', '商学院'],
                majors=['考古学', '材料化学', '烹饪与营养教育'], field='河洛文化'),
           dict(subjects={'黎锦': ['纹样谱系', '织造技艺传承'], '椰雕': ['手工艺人生计', '产品设计'],
                          '疍家渔歌': ['歌词语言', '社区传唱']},
                contexts=['五指山市', '陵水县', '琼海市'], units=['美术学院', '教育学院', '人文学院'],
                majors=['服装与服饰设计', '小学教育', '汉语言文学'], field='海南民族文化教育'),
           dict(subjects={'兴凯湖湿地': ['候鸟栖息地', '水位变化'], '鸡西石墨': ['尾矿利用', '石墨烯中试转化'],
                          '朝鲜族农乐舞': ['动作体系', '群众传习']},
                contexts=['密山市', '鸡冠区', '虎林市'], units=['资源工程学院', '化学工程学院', '艺术学院'],
                majors=['资源勘查工程', '材料科学与工程', '舞蹈学'], field='东北边境资源与民族文化')]
GLOSS = {'英山云雾茶': 'Yingshan Yunwu Tea', '东坡赤壁': 'Dongpo Red Cliff', '黄梅戏': 'Huangmei Opera',
         '龙门石窟': 'Longmen Grottoes', '唐三彩': 'Tang Tricolor Pottery', '洛阳水席': 'the Luoyang Water Banquet',
         '黎锦': 'Li Brocade', '椰雕': 'Coconut Carving', '疍家渔歌': 'Tanka Fishing Songs',
         '兴凯湖湿地': 'the Xingkai Lake Wetland', '鸡西石墨': 'Jixi Graphite', '朝鲜族农乐舞': 'the Korean Farmers\' Dance'}
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}调查报告', '{s}{a}的历史考察与当代启示', '新时代{s}{a}的实践探索',
         '{s}{a}：基于{c}的个案分析']
BODY = '研究综合运用文献梳理、实地访谈与数据分析等方法，对问题的成因和对策作了讨论。'


def _topic(rng, forms=FORMS):
    i = rng.randrange(len(DOMAINS))
    d = DOMAINS[i]
    s = rng.choice(sorted(d['subjects']))
    a = rng.choice(d['subjects'][s])
    title = rng.choice(forms).format(s=s, a=a, c=rng.choice(d['contexts']))
    pool = [s] + d['subjects'][s] + d['contexts']
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, pool)
    return dict(i=i, d=d, s=s, a=a, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(d['units']),
                major=rng.choice(d['majors']))


def _heading(page, rng, text, sizes, after=12):
    page.para((text, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=after)


def thesis_deposit(rng):
    """The library's form a graduate hands in with the copies of the thesis: the heading, a grid with
    the title in Chinese and English, the author, the 导师, the degree, the date, secrecy and the
    licence ticks, and the librarian's receipt line."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para(('%s图书馆' % s[0], {'size': 14, 'cjk': rng.choice(KAI + SONG)}), align='c', after=2)
    _heading(page, rng, rng.choice(['学位论文提交登记表', '学位论文送交存档单', '学位论文呈缴登记表']), [16, 18])
    rows = [['论文题目（中文）', t['title']], ['论文题目（英文）', 'A Study of %s' % GLOSS[t['s']]],
            [rng.choice(['作者姓名', '研究生姓名', '作\u3000\u3000者']), student],
            [rng.choice(['导师姓名', '导\u3000\u3000师', '指导教师']), sup + rng.choice(['', '\u3000教授', '\u3000副教授'])],
            ['学位类别', rng.choice(['硕士', '博士', '专业硕士'])], ['学科专业', t['major']],
            ['提交日期', '%d年%d月%d日' % (year, rng.choice([5, 6, 12]), rng.randint(1, 28))],
            ['密\u3000\u3000级', rng.choice(['公开', '公开\u3000□内部']) ],
            ['授权发布', '☑ 同意\u3000□ 不同意\u3000（全文于%s公开）' % rng.choice(['提交后', '一年后', '两年后'])]]
    page.table(rows, widths_cm=[4.0, 12.0], size=10.5, grid=True, align=['c', 'l'],
               shade=(0,) if rng.random() < 0.5 else ())
    page.para('', after=10)
    page.para('收件人：\u3000\u3000\u3000\u3000\u3000\u3000\u3000收到纸本\u3000%d\u3000册，电子版\u30001\u3000份。' % rng.choice([2, 3]),
              size=10, after=4)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def reading_card(rng):
    """A reader's card for a paper: 题名, 著者, 出处 as label lines or a small grid, an excerpt and
    the reader's comment, and the reader's name and date at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    year = rng.randint(2005, 2026)
    authors = _people(rng, rng.randint(1, 3))
    reader = _people(rng, 1, authors)[0]
    page.para((rng.choice(['文献卡片', '文献阅读卡', '读书札记卡']), {'size': rng.choice([15, 16]), 'bold': True,
                                                            'cjk': rng.choice(KAI + HEI)}),
              align=rng.choice(['l', 'c']), rule='bottom', after=10)
    src = '《%s学报》%d年第%d期，第%d—%d页' % (t['school'][0], year, rng.randint(1, 6), rng.randint(1, 60),
                                        rng.randint(61, 120))
    lab = [('题\u3000名', t['title']), ('著\u3000者', rng.choice(['，', '、', '；']).join(authors)), ('出\u3000处', src),
           ('分类号', rng.choice(['K878', 'J722', 'S571', 'F592', 'G127']))]
    if rng.random() < 0.5:
        for k, v in lab:
            page.para([(k + rng.choice(['：', ':', '　']), {'bold': True}), v], size=10.5, after=4)
    else:
        page.table([[k, v] for k, v in lab], widths_cm=[2.4, 13.6], size=10.5, grid=True, align=['c', 'l'])
    page.para('', after=6)
    page.para(('【摘录】', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=2)
    page.para(BODY * 2, size=10, align='j', cjk=rng.choice(KAI), indent=21, after=6)
    page.para(('【心得】', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=2)
    page.para('文章材料扎实，对%s的讨论可资借鉴，但样本仍嫌不足。' % t['s'], size=10, align='j', indent=21, after=14)
    page.para('记录人：%s\u3000\u3000%d年%d月%d日' % (reader, rng.randint(year, 2026), rng.randint(1, 12),
                                                  rng.randint(1, 28)), size=10, align='r')
    return _finish(page, rng, t['title'], authors, year)


def novelty_search(rng):
    """The cover of a novelty search report from a library's search station: the report number,
    科技查新报告, label lines for 项目名称, 委托人, 委托单位, 查新机构 and the date, and the station's seal
    note."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}关键技术研究与示范', '{c}{s}{a}技术集成与应用', '基于多源数据的{s}{a}研究'])
    s = t['school']
    year = rng.randint(2010, 2026)
    client = _people(rng, 1)[0]
    searcher = _people(rng, 2, [client])
    page.para('报告编号：%d%s%04d' % (year, rng.choice(['', 'CX', 'Z']), rng.randint(1, 9999)), size=10.5, align='r',
              after=60)
    page.para(('科技查新报告', {'size': rng.choice([26, 28, 30]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=60)
    rows = [('项目名称', t['title']), ('委\u3000托\u3000人' if rng.random() < 0.5 else '委托人', client),
            ('委托单位', s[0] + t['unit']), ('查新机构', '%s省科技查新工作站（%s图书馆）' % (s[4], s[0])),
            ('查新完成日期', '%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)))]
    colon = rng.choice(['：', ':', '　'])
    page.table([[(k + colon, {'bold': True}), (v, {'u': rng.random() < 0.6})] for k, v in rows],
               widths_cm=[3.6, 10.4], size=12, align=['r', 'l'])
    page.para('', after=40)
    page.para('查新员：%s\u3000\u3000审核员：%s' % tuple(searcher), size=10.5, align='c', after=4)
    page.para('中华人民共和国科学技术部\u3000监制', size=10, align='c')
    return _finish(page, rng, t['title'], [client], year)


def routing_slip(rng):
    """A journal office's slip that travels with a manuscript: 稿号, 题目, 作者, 单位 and 收稿日期 in a
    grid, then the boxes for the editor's first reading, the referees and the chief editor, each with a
    name."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 4))
    staff = _people(rng, 4, authors)
    page.para(('《%s学报》编辑部' % s[0], {'size': 12, 'cjk': rng.choice(KAI + SONG)}), align='c', after=2)
    _heading(page, rng, rng.choice(['稿件处理单', '稿件流转单', '稿件登记及审理单']), [16, 18])
    page.table([['稿\u3000号', '%d-%03d' % (year, rng.randint(1, 600)), '收稿日期',
                 '%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28))],
                ['题\u3000目', (t['title'], {'bold': rng.random() < 0.5}), '', ''],
                ['作\u3000者', rng.choice(['，', '、', '\u3000']).join(authors), '栏\u3000目',
                 rng.choice(['地方文化研究', '农业与生态', '教育教学研究', '艺术研究'])],
                ['单\u3000位', s[0] + t['unit'], '联系电话', '1%d' % rng.randint(3000000000, 9999999999)]],
               widths_cm=[2.2, 7.4, 2.4, 4.0], size=10, grid=True, align=['c', 'l', 'c', 'l'])
    page.para('', after=4)
    page.table([['初审意见', '□送外审\u3000□退稿\u3000□修改后再审\n\n责任编辑：%s' % staff[0]],
                ['外审意见', '专家一：%s\u3000□录用□修改□退稿\n专家二：%s\u3000□录用□修改□退稿' % (staff[1], staff[2])],
                ['终审意见', '\n\n主编：%s\u3000\u3000\u3000年\u3000月\u3000日' % staff[3]]],
               widths_cm=[2.2, 13.8], size=10, grid=True, align=['c', 'l'])
    return _finish(page, rng, t['title'], authors, year)


def cppcc_motion(rng):
    """A motion put to a local political consultative conference by scholars: the session, 提案 and
    its number, label lines 案由 (the motion's title), 提案人, 附议人, then the text."""
    page = _page(rng, 11)
    t = _topic(rng, ['关于加强{s}{a}的提案', '关于推进{s}{a}的建议', '关于{c}{s}{a}的提案'])
    s = t['school']
    year = rng.randint(2012, 2026)
    movers = _people(rng, rng.randint(1, 2))
    seconders = _people(rng, rng.randint(2, 4), movers)
    page.para('政协%s市第%s届委员会第%s次会议' % (s[2], rng.choice(['十三', '十四', '十五']), rng.choice(['一', '二', '三', '四'])),
              size=12, align='c', cjk=rng.choice(SONG + KAI), after=4)
    page.para(('提\u3000案', {'size': rng.choice([22, 26]), 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c',
              after=4)
    page.para('第%04d号' % rng.randint(1, 600), size=11, align='c', rule='bottom', after=12)
    colon = rng.choice(['：', ':'])
    page.table([[('案由' + colon, {'bold': True}), (t['title'], {'bold': True})],
                [('提案人' + colon, {'bold': True}), '\u3000'.join(movers) + '（%s）' % s[0]],
                [('附议人' + colon, {'bold': True}), '\u3000'.join(seconders)],
                [('提交日期' + colon, {'bold': True}), '%d年%d月%d日' % (year, rng.randint(1, 3), rng.randint(1, 28))]],
               widths_cm=[2.6, 13.4], size=11, grid=rng.random() < 0.5, align=['r', 'l'])
    page.para('', after=8)
    page.para(('一、基本情况', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para('%s是我市%s的重要内容。%s' % (t['s'], t['d']['field'], BODY * 3), align='j', indent=22, line=1.4)
    return _finish(page, rng, t['title'], movers, year)


def expert_recommendation(rng):
    """An expert's letter recommending a paper to a journal: the heading, the paper's title and its
    authors as label lines, the recommender's opinion, and the recommender's name, post and date
    at the foot."""
    page = _page(rng, 11)
    t = _topic(rng)
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    expert = _people(rng, 1, authors)[0]
    _heading(page, rng, rng.choice(['专家推荐意见', '论文推荐书', '专家推荐信']), [18, 20], after=16)
    page.para([('被推荐论文：', {'bold': True}), '《%s》' % t['title'] if rng.random() < 0.5 else t['title']],
              size=11, after=4)
    page.para([(rng.choice(['作\u3000\u3000者：', '论文作者：', '作者：']), {'bold': True}),
               rng.choice(['，', '、', '\u3000']).join(authors)], size=11, after=12)
    page.para('推荐意见：', size=11, bold=True, after=4)
    page.para('该文选题具有现实意义，对%s的%s问题作了较系统的探讨，资料翔实，结论可信。%s同意推荐。' % (t['s'], t['a'], BODY),
              size=11, align='j', indent=22, line=1.5, after=30)
    page.table([['', '推荐人：%s' % expert],
                ['', '职称/职务：%s' % rng.choice(['教授、博士生导师', '研究员', '教授、院长'])],
                ['', '工作单位：%s' % rng.choice(['武汉大学', '郑州大学', '海南大学', '哈尔滨师范大学'])],
                ['', '%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28))]],
               widths_cm=[8.0, 8.0], size=11, align=['l', 'l'])
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-thesis-depositform': thesis_deposit, 'gen-zh-reading-card': reading_card,
             'gen-zh-noveltysearch-cover': novelty_search, 'gen-zh-routing-slip': routing_slip,
             'gen-zh-cppcc-motion': cppcc_motion, 'gen-zh-expert-recommendation': expert_recommendation}
