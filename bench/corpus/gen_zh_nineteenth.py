"""A nineteenth set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('百色学院', 'Baise University', '百色', '533000', '广西'),
           ('保山学院', 'Baoshan University', '保山', '678000', '云南'),
           ('上饶师范学院', 'Shangrao Normal University', '上饶', '334001', '江西'),
           ('萍乡学院', 'Pingxiang University', '萍乡', '337000', '江西')]
# per school: subjects with the angles that suit them, settings, units, majors, a journal
DOMAINS = [dict(subjects={'百色芒果': ['采后商品化处理', '炭疽病综合防控'], '右江河谷热作': ['产业布局优化', '坡地水土保持'],
                          '壮族嘹歌': ['传承生态', '曲调记谱整理']},
                contexts=['田阳区', '田东县', '平果市'], units=['农业与食品工程学院', '政治与公共管理学院', '音乐与舞蹈学院'],
                majors=['食品质量与安全', '行政管理', '音乐学'], field='民族文化与热带农业'),
           dict(subjects={'保山小粒咖啡': ['初加工品质', '荫蔽栽培模式'], '高黎贡山': ['垂直带谱植被', '社区共管成效'],
                          '腾冲地热': ['温泉康养开发', '梯级利用']},
                contexts=['隆阳区', '腾冲市', '潞江坝'], units=['资源环境学院', '经济管理学院', '旅游管理学院'],
                majors=['地理科学', '农林经济管理', '酒店管理'], field='山地生态与特色产业'),
           dict(subjects={'婺源徽派民居': ['修缮技艺', '活化利用路径'], '广丰马家柚': ['标准化种植', '电商营销'],
                          '信江流域': ['水质时空变化', '横向生态补偿']},
                contexts=['婺源县', '广丰区', '铅山县'], units=['历史地理与旅游学院', '生命科学学院', '经济与管理学院'],
                majors=['旅游管理', '园艺', '经济学'], field='赣东北区域发展'),
           dict(subjects={'萍乡烟花爆竹': ['安全生产监管', '产业转型升级'], '武功山高山草甸': ['游憩干扰', '土壤侵蚀特征'],
                          '萍乡春锣': ['曲艺保护', '唱词整理']},
                contexts=['芦溪县', '上栗县', '湘东区'], units=['工程与管理学院', '人文与教育学院', '艺术设计学院'],
                majors=['安全工程', '汉语言文学', '环境设计'], field='资源型城市转型')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{c}{s}{a}研究', '{s}{a}的实证研究——以{c}为例', '{c}{s}{a}分析', '{s}{a}的现状、问题与对策',
         '{s}{a}的若干问题探讨']
BODY = '本文介绍所做工作的背景和资料，说明方法与结果，并讨论其意义和不足之处。'


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


def _title_para(page, rng, title, sizes, align='c', after=10):
    """The title on one line, or on two (cut at a character) when it is long."""
    opt = {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}
    if len(title) > 14 and rng.random() < 0.4:
        k = rng.randint(len(title) // 2 - 2, len(title) // 2 + 2)
        if title[k - 1:k + 1] == '——':  # a dash pair stays on one line
            k += 1
        page.para([(title[:k], dict(opt, **{'break': True})), (title[k:], opt)], align=align, after=after)
    else:
        page.para((title, opt), align=align, after=after)


def _journal(t):
    return '%s学报' % t['school'][0]


def _units(t, n):
    s = t['school']
    return '（%s%s，%s %s %s）' % (s[0], t['unit'], s[4], s[2], s[3]) if n == 1 else \
        '（%s）' % '；'.join('%d. %s%s，%s %s %s' % (k + 1, s[0], u, s[4], s[2], s[3])
                           for k, u in enumerate([t['unit']] + [u for u in t['d']['units'] if u != t['unit']][:1]))


def review_form(rng):
    """The first page of a master's thesis review form sent to an outside reviewer: the kind, its
    number, a grid with 论文题目, 学位申请人, 指导教师, 学科专业 and the date sent, the reviewer's
    lines left blank, then the scoring grid."""
    page = _page(rng, 12)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2014, 2026)
    page.para('编号：%d%04d' % (year, rng.randint(1, 9999)), size=10, align='r', after=20)
    page.para((s[0], {'size': rng.choice([20, 22]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=4)
    page.para((rng.choice(['硕士学位论文评阅书', '硕士学位论文评阅意见书', '学位论文评阅书（硕士）']),
               {'size': rng.choice([22, 24]), 'bold': True}), align='c', after=30)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    label = rng.choice([('学位申请人', '指导教师'), ('研究生姓名', '导师姓名'), ('申请人姓名', '指导教师')])
    rows = [['论文题目', t['title']], [label[0], student], [label[1], sup + rng.choice(['', ' 教授', ' 副教授'])],
            ['学科专业', t['major']], ['研究方向', t['s'] + rng.choice(['研究', '与区域发展', ''])],
            ['送审日期', '%d年%d月%d日' % (year, rng.choice([3, 4, 5]), rng.randint(1, 28))]]
    page.table(rows, widths_cm=[3.4, 11.0], size=12, grid=True, align=['c', 'l'], shade=(0,) if rng.random() < 0.4 else ())
    page.para('评阅人（签字）：＿＿＿＿＿＿　职称：＿＿＿＿　工作单位：＿＿＿＿＿＿', size=11, before=20, after=16)
    page.para(('评阅人须知', {'bold': True}), size=11, after=2)
    page.para('请评阅人根据学位论文评价指标逐项评分，并在评阅意见栏中写明论文的主要贡献与不足，是否同意其参加答辩。',
              size=10, align='j', after=10)
    page.table([['评价指标', '分值', '得分'], ['选题与文献综述', '20', ''], ['研究方法与工作量', '30', ''],
                ['成果与创新性', '30', ''], ['写作规范', '20', '']], widths_cm=[8.0, 3.0, 3.0], size=10.5, grid=True)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def interview(rng):
    """A journal's interview with a scholar: the column in a box, the title with its "——访…"
    line, the interviewers, a box on the interviewee, 摘要 and 关键词, then the first question."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的学术之路', '把论文写在{c}的大地上', '{s}研究的回望与前瞻', '扎根{c}做{s}研究'])
    s = t['school']
    year = rng.randint(2010, 2026)
    guest = _people(rng, 1)[0]
    asker = _people(rng, rng.randint(1, 2), [guest])
    page.para('%s\u3000%d年第%d期' % (_journal(t), year, rng.randint(1, 6)), size=8.5, align='l', after=10,
              rule='bottom' if rng.random() < 0.6 else None)
    page.table([[(rng.choice(['学人访谈', '名家访谈', '学者访谈录']), {'bold': True, 'size': 11})]], widths_cm=[3.2],
               size=11, grid=True, align='c')
    sub = '——访%s%s%s教授' % (rng.choice(['', s[0]]), rng.choice(['', t['unit']]), guest)
    main = t['title']
    page.para((main, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', before=12, after=4)
    page.para((sub, {'size': rng.choice([12, 13]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=10)
    page.para(rng.choice(['采访整理：', '访谈人：', '□ ']) + '\u3000'.join(asker), size=11, align='c', cjk=rng.choice(KAI), after=10)
    page.para('受访者简介：%s，%s%s教授，%s，主要从事%s研究。' % (
        guest, s[0], t['unit'], rng.choice(['博士生导师', '硕士生导师', '省级教学名师']), t['d']['field']),
        size=9, align='j', rule='both', cjk=rng.choice(KAI), after=2)
    page.para([('摘　要：', {'bold': True}), BODY * 2], size=9, align='j', before=8, after=3)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(t['kws'])], size=9, after=10)
    q = rng.choice(['问', '记者', asker[0]])
    page.para([(q + '：', {'bold': True}), '您是怎样走上这条研究道路的？'], size=10.5, after=4)
    page.para([('%s：' % rng.choice(['答', guest]), {'bold': True}), BODY * 4], size=10.5, align='j')
    return _finish(page, rng, main + sub, asker, year, t['kws'])


def sidebar_meta(rng):
    """A journal page whose dates, grant and author notes stand in a shaded side column beside the
    abstract, under the title, the authors and their units."""
    page = _page(rng)
    t = _topic(rng)
    year = rng.randint(2009, 2026)
    n = rng.randint(1, 4)
    authors = _people(rng, n)
    vol, no = rng.randint(8, 40), rng.randint(1, 12)
    page.table([['%s\u3000%d年第%d期' % (_journal(t), year, no), '第%d卷\u3000总第%d期' % (vol, rng.randint(60, 300))]],
               widths_cm=[9.0, 7.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    _title_para(page, rng, t['title'], [16, 18, 20], after=8)
    two = n > 1 and rng.random() < 0.6
    marks = [str(1 if k == 0 or not two else rng.choice([1, 2])) if two else '' for k in range(n)]
    runs = []
    for k, (a, m) in enumerate(zip(authors, marks)):
        runs += [(a, {'size': 12}), (m, {'sup': True})] + ([('\u3000', {})] if k < n - 1 else [])
    page.para(runs, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para(_units(t, 2 if two else 1), size=8.5, align='c', after=12)
    first = authors[0]
    side = '收稿日期：%d-%02d-%02d\n修回日期：%d-%02d-%02d\n基金项目：%s省教育厅科学研究项目（%d%04d）\n作者简介：%s（%d—），%s，%s人，%s，研究方向为%s。' % (
        year - 1, rng.randint(1, 12), rng.randint(1, 28), year, rng.randint(1, 12), rng.randint(1, 28),
        t['school'][4], year - 2, rng.randint(1, 9999), first, rng.randint(1965, 1996), rng.choice(['男', '女']),
        t['school'][4] + t['school'][2], rng.choice(['副教授', '讲师', '硕士研究生']), t['d']['field'])
    main = [('摘要：', {'bold': True}), BODY * 3 + '\n', ('关键词：', {'bold': True}), '；'.join(t['kws'])]
    page.table([[(side, {'size': 8}), main]], widths_cm=[4.6, 11.4], size=9, align=['l', 'l'], shade=(0,),
               fill=rng.choice(['E7E6E6', 'DEEAF6', 'F2F2F2']))
    page.para('', after=6)
    page.columns(2)
    page.para(('1\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 8, align='j', indent=21)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def vertical_band(rng):
    """A bachelor's thesis cover laid out in two table cells: a narrow band on the left with the
    kind printed top to bottom, one character a line, and on the right the school, the title and
    the student's fields."""
    page = _page(rng, 12)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    kind = rng.choice(['学士学位论文', '本科毕业论文', '毕业设计论文'])
    band = ('\n'.join(kind), {'size': rng.choice([26, 30]), 'bold': True, 'cjk': rng.choice(HEI + KAI)})
    c = rng.choice(['：', '：', '\u3000'])
    fields = [('学\u3000\u3000院', t['unit']), ('专\u3000\u3000业', t['major']), ('学生姓名', student),
              ('学\u3000\u3000号', '%d%06d' % (year - 4, rng.randint(0, 999999))), ('指导教师', sup)]
    right = [(s[0] + '\n\n', {'size': rng.choice([20, 22]), 'cjk': rng.choice(KAI)}),
             ('\n' + t['title'] + '\n\n\n', {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)})]
    for k, v in fields:
        right.append(('%s%s%s\n' % (k, c, v), {'size': 13}))
    right.append(('\n\n%d年%d月' % (year, rng.choice([5, 6])), {'size': 13}))
    page.para('', after=30)
    page.table([[band, right]], widths_cm=[2.6, 13.0], size=12, grid=rng.random() < 0.5, align=['c', 'c'],
               shade=(0,) if rng.random() < 0.5 else ())
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def meeting_review(rng):
    """A 会议综述 in a journal's news pages: the column tag, a title naming the meeting, the writers
    on the right, a first paragraph of when, where and who, and the writers' unit and the editor at
    the end."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2011, 2026)
    nth = rng.choice(['第二', '第三', '第五', '第八', '首'])
    forms = ['{s}{a}：理论与实践——{n}届{f}学术研讨会综述', '{n}届全国{f}学术研讨会综述',
             '聚焦{s}{a}——{n}届{f}论坛会议综述']
    title = rng.choice(forms).format(s=t['s'], a=t['a'], n=nth, f=t['d']['field'])
    writers = _people(rng, rng.randint(1, 3))
    editor = _people(rng, 1, writers)[0]
    page.para([('%s\u3000%d年第%d期' % (_journal(t), year, rng.randint(1, 6)), {}), '\u3000\u3000',
               (rng.choice(['学术动态', '会议综述', '学术信息']), {'bold': True})], size=9, rule='bottom', after=20)
    _title_para(page, rng, title, [16, 18], after=8)
    page.para(rng.choice(['□ ', '', '文／']) + '\u3000'.join(writers), size=11, align=rng.choice(['r', 'c']),
              cjk=rng.choice(KAI), after=14)
    page.para('%d年%d月%d日至%d日，由%s主办、%s承办的%s届%s学术研讨会在%s召开。来自全国各地高校和科研院所的一百余位专家学者参加了会议。'
              % (year, rng.randint(4, 11), rng.randint(1, 20), rng.randint(21, 28), s[0], t['unit'], nth, t['d']['field'],
                 s[2]), align='j', indent=21, after=4)
    page.columns(2)
    page.para(('一、%s%s的理论探讨' % (t['s'], t['a']), {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 6, align='j', indent=21)
    page.para('（作者单位：%s%s；责任编辑：%s）' % (s[0], t['unit'], editor), size=9, align='r', before=6)
    return _finish(page, rng, title, writers, year)


def editor_note(rng):
    """A journal page that opens a themed section: the section's name, a boxed 编者按 naming the
    section's host, then the paper's title, authors, units, 摘要 and 关键词."""
    page = _page(rng)
    t = _topic(rng)
    year = rng.randint(2009, 2026)
    n = rng.randint(1, 3)
    authors = _people(rng, n)
    host = _people(rng, 1, authors)[0]
    page.para('%s\u3000%d年%d月\u3000第%d卷第%d期' % (_journal(t), year, rng.randint(1, 12), rng.randint(10, 40),
                                                  rng.randint(1, 6)), size=8.5, align='r', rule='bottom', after=12)
    page.para(('【%s】' % rng.choice(['专题研究', '区域发展专题', '地方文化研究']), {'bold': True, 'cjk': rng.choice(HEI)}),
              size=12, align='l', after=6)
    page.para([('编者按：', {'bold': True}), '%s是%s研究的重要议题。本期专题由%s教授主持，围绕%s、%s等问题刊发论文三篇，以飨读者。' % (
        t['d']['field'], t['school'][2], host, t['s'], t['a'])], size=9.5, align='j', rule='both', cjk=rng.choice(KAI + SONG),
        after=14)
    _title_para(page, rng, t['title'], [16, 18], after=8)
    page.para(rng.choice(['\u3000', '，', '  ']).join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para(_units(t, 1), size=9, align='c', after=10)
    page.para([('[摘要]', {'bold': True}), BODY * 3], size=9, align='j', after=3)
    page.para([('[关键词]', {'bold': True}), rng.choice(['；', '\u3000']).join(t['kws'])], size=9, after=6)
    page.para('[中图分类号]%s%d\u3000[文献标识码]A' % (rng.choice(['F', 'G', 'K', 'S']), rng.randint(100, 999)), size=8.5, after=12)
    page.para(('一、引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para(BODY * 6, align='j', indent=21)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-thesis-reviewform': review_form, 'gen-zh-interview-scholar': interview,
             'gen-zh-journal-sidebarmeta': sidebar_meta, 'gen-zh-bachelor-verticalband': vertical_band,
             'gen-zh-meeting-review': meeting_review, 'gen-zh-journal-editornote': editor_note}
