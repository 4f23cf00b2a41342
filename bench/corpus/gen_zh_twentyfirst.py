"""A twenty-first set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('黑河学院', 'Heihe University', '黑河', '164300', '黑龙江'),
           ('安康学院', 'Ankang University', '安康', '725000', '陕西'),
           ('商洛学院', 'Shangluo University', '商洛', '726000', '陕西'),
           ('天水师范学院', 'Tianshui Normal University', '天水', '741001', '甘肃')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'黑河寒地大豆': ['耐冷品种筛选', '轮作培肥'], '瑷珲古城': ['边疆记忆书写', '遗址展示设计'],
                          '五大连池火山': ['熔岩台地植被演替', '矿泉水资源保护']},
                contexts=['爱辉区', '逊克县', '五大连池市'], units=['农业科学学院', '历史文化旅游学院', '地理与环境学院'],
                majors=['农学', '历史学', '自然地理与资源环境'], field='寒地边疆发展'),
           dict(subjects={'紫阳富硒茶': ['硒元素富集', '品牌溢价'], '汉江水源地': ['面源污染防控', '移民安置成效'],
                          '紫阳民歌': ['衬词研究', '校园传承']},
                contexts=['汉滨区', '紫阳县', '岚皋县'], units=['现代农业与生物科技学院', '旅游与资源环境学院', '艺术学院'],
                majors=['茶学', '环境科学', '音乐学'], field='秦巴山区绿色发展'),
           dict(subjects={'商洛核桃': ['嫁接育苗', '青皮综合利用'], '秦岭南麓森林': ['林分碳储量估算', '林下经济'],
                          '商洛花鼓': ['剧目创作', '演员培养']},
                contexts=['商州区', '柞水县', '洛南县'], units=['生物医药与食品工程学院', '城乡规划与建筑工程学院', '人文学院'],
                majors=['林学', '城乡规划', '戏剧影视文学'], field='秦岭生态与地方文化'),
           dict(subjects={'麦积山石窟': ['壁画病害', '三维数字化存档'], '天水花牛苹果': ['果园土壤养分', '品种更新'],
                          '伏羲文化': ['祭典仪式', '文创开发']},
                contexts=['秦州区', '麦积区', '甘谷县'], units=['历史文化与民族学院', '生物工程与技术学院', '美术与设计学院'],
                majors=['文物与博物馆学', '生物技术', '视觉传达设计'], field='陇右文化与特色农业')]
GLOSS = {'黑河寒地大豆': 'cold-region soybean of Heihe', '瑷珲古城': 'Aihui Ancient Town',
         '五大连池火山': 'Wudalianchi volcanoes', '紫阳富硒茶': 'Ziyang selenium-rich tea',
         '汉江水源地': 'Hanjiang water source area', '紫阳民歌': 'Ziyang folk songs', '商洛核桃': 'Shangluo walnut',
         '秦岭南麓森林': 'forests of the southern Qinling slopes', '商洛花鼓': 'Shangluo flower-drum opera',
         '麦积山石窟': 'Maijishan Grottoes', '天水花牛苹果': 'Tianshui Huaniu apple', '伏羲文化': 'Fuxi culture'}
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{c}{s}{a}的调查与思考', '{s}{a}问题研究', '{s}{a}的时空特征——来自{c}的证据', '{c}{s}{a}现状评价',
         '{s}{a}路径探析']
BODY = '文章先说明问题的由来和所据材料，再依次陈述方法、结果与讨论，最后指出尚待解决的问题。'


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


def award_certificate(rng):
    """A certificate for a prize-winning paper, in a framed box: the heading, the winners, the
    paper's title in book-title marks, the prize, the society and the date."""
    page = _page(rng, 14)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    society = rng.choice(['%s省%s学会' % (s[4], t['d']['field']), '%s市社会科学界联合会' % s[2],
                          '%s省高等教育学会' % s[4]])
    prize = rng.choice(['一等奖', '二等奖', '三等奖', '优秀奖'])
    head = (rng.choice(['荣誉证书', '获奖证书', '荣 誉 证 书']), {'size': rng.choice([30, 34]), 'bold': True,
                                                             'cjk': rng.choice(SONG + KAI)})
    names = rng.choice(['、', '　', '，']).join(authors)
    who = rng.choice(['{}同志：', '{}：', '作者：{}'])
    if rng.random() < 0.5:
        body = ['\n\n', (who.format(names) + '\n', {'size': 15}),
                ('\u3000\u3000%s撰写的论文《%s》在%s%d年度优秀学术论文评选中荣获%s。\n' % (
                    rng.choice(['您', '你们', '']), t['title'], society, year, prize), {'size': 15}),
                ('\u3000\u3000特发此证，以资鼓励。\n\n\n', {'size': 15})]
    else:
        body = ['\n\n', (who.format(names) + '\n\n', {'size': 15}),
                ('论文《%s》\n\n' % t['title'], {'size': 16, 'bold': True}),
                ('在%d年度%s学术年会论文评选中荣获%s。\n\n\n' % (year, society, prize), {'size': 15})]
    tail = [('%s\n%d年%d月' % (society, year, rng.randint(6, 12)), {'size': 14})]
    page.para('', after=40)
    page.table([[[head] + body]], widths_cm=[15.0], size=14, grid=True, align='c')
    page.table([[''] + [tail]], widths_cm=[7.0, 8.0], size=14, align=['l', 'r'])
    page.para('证书编号：%d%04d' % (year, rng.randint(1, 9999)), size=10, align='r', before=20)
    return _finish(page, rng, t['title'], authors, year)


def guidance_log(rng):
    """A record of a graduate's thesis supervision: the heading, a grid of 论文题目, 学生姓名, 学号,
    专业 and 指导教师, then a grid of dated meetings with what was discussed."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([16, 18]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=2)
    page.para((rng.choice(['本科毕业论文（设计）指导记录表', '毕业论文指导记录', '毕业设计（论文）指导记录表']),
               {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=14)
    label = rng.choice(['指导教师', '指导老师'])
    page.table([['论文题目', (t['title'], {'bold': rng.random() < 0.5}), '', ''],
                ['学生姓名', student, '学\u3000\u3000号', '%d%07d' % (year - 4, rng.randint(0, 9999999))],
                ['专\u3000\u3000业', t['major'], label, sup + rng.choice(['', '（副教授）', '（讲师）'])]],
               widths_cm=[2.6, 5.6, 2.6, 5.2], size=10.5, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.5 else ())
    page.para('', after=8)
    rows = [['次数', '日期', '指导内容与意见', '地点']]
    topics = ['确定选题，讨论%s的研究现状' % t['s'], '审阅文献综述，提出修改意见', '讨论%s的调查方案' % t['a'],
              '检查初稿，指出结构问题', '审定终稿，准备答辩']
    for k, what in enumerate(topics):
        rows.append(['第%d次' % (k + 1), '%d-%02d-%02d' % (year - (k < 2), rng.randint(1, 12), rng.randint(1, 28)),
                     what, rng.choice(['办公室', '线上', '实验室'])])
    page.table(rows, widths_cm=[1.8, 2.8, 9.0, 2.4], size=10, grid=True, align=['c', 'c', 'l', 'c'])
    page.para('注：每次指导后由指导教师填写，学生本人签字确认。', size=9, before=8)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def encyclopedia_entry(rng):
    """An entry of a Chinese reference work: the work's name and edition as a running head, the
    entry's head with its English gloss, the text, and the writer's name in brackets at the end."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}'])
    year = rng.randint(2009, 2026)
    writers = _people(rng, rng.randint(1, 2))
    checker = _people(rng, 1, writers)[0]
    page.table([['《%s百科全书》\u3000%s' % (t['d']['field'], rng.choice(['第二版', '第三版', '网络版'])),
                 '%d\u3000·%d·' % (year, rng.randint(10, 900))]], widths_cm=[12.0, 4.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=12)
    title = t['s'] if rng.random() < 0.5 else t['s'] + t['a']
    gloss = GLOSS[t['s']]
    page.para([(title, {'bold': True, 'size': rng.choice([13, 14]), 'cjk': rng.choice(HEI)}),
               ('\u3000' + (gloss if title == t['s'] else gloss + ', ' + rng.choice(['study', 'research'])),
                {'italic': True, 'size': 9.5})], after=4)
    page.para('%s%s地区的%s。%s' % (t['school'][4], t['school'][2], t['d']['field'], BODY * 3), align='j', indent=20,
              after=4)
    page.columns(2)
    page.para(('%s' % rng.choice(['概况', '历史沿革', '研究简史']), {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=2)
    page.para(BODY * 5, align='j', indent=20, after=2)
    page.para(rng.choice(['（撰稿：%s；审稿：%s）' % ('　'.join(writers), checker), '（%s）' % '　'.join(writers)]),
              size=9.5, align='r', cjk=rng.choice(KAI + SONG))
    return _finish(page, rng, title, writers, year)


def defense_announcement(rng):
    """A graduate school's notice of a thesis defence: the heading, a short line, then a grid with
    the labels in a top row over one row of values (the candidate, the title, the supervisor, the
    time and place), and the committee below it."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    committee = _people(rng, 5, [student, sup])
    kind = rng.choice(['硕士', '博士'])
    page.para(('%s%s学位论文答辩公告' % (s[0], kind), {'size': rng.choice([16, 18]), 'bold': True,
                                                   'cjk': rng.choice(HEI + SONG)}), align='c', after=10)
    page.para('经%s学位评定分委员会审核，下列研究生符合学位论文答辩条件，现将答辩安排公告如下，欢迎有关专家和师生参加。'
              % t['unit'], align='j', indent=21, after=10)
    date = '%d年%d月%d日' % (year, rng.choice([5, 6, 11, 12]), rng.randint(1, 28))
    sup_label = rng.choice(['导师', '指导教师'])
    page.table([['答辩人', '学科专业', '论文题目', sup_label, '答辩时间', '答辩地点'],
                [student, t['major'], t['title'], sup, date + '\n%d:%02d' % (rng.choice([8, 9, 14, 15]), rng.choice([0, 30])),
                 '%s%d' % (rng.choice(['学术报告厅', '图书馆', '综合楼']), rng.randint(101, 520))]],
               widths_cm=[1.9, 2.4, 5.0, 1.9, 2.6, 2.2], size=9.5, grid=True, align='c',
               bold_first=False)
    page.para('', after=8)
    page.para(('答辩委员会', {'bold': True}), size=10.5, after=3)
    page.para('主\u3000席：%s\u3000教授（%s）' % (committee[0], rng.choice(['西北大学', '兰州大学', '东北林业大学', '陕西师范大学'])),
              size=10, after=2)
    page.para('委\u3000员：%s' % '　'.join(committee[1:]), size=10, after=2)
    page.para('秘\u3000书：%s' % _people(rng, 1, committee + [student, sup])[0], size=10, after=14)
    page.para('%s研究生院\n%d年%d月%d日' % (s[0], year, rng.randint(4, 12), rng.randint(1, 28)), align='r')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def debate_reply(rng):
    """A paper that takes issue with another: the column tag, the title with its "——与X商榷"
    line, the author and unit, 摘要 and 关键词, and a footnote citing the paper it answers."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['也谈{s}{a}', '{s}{a}再认识', '{s}{a}辨析', '关于{s}{a}的几个问题'])
    s = t['school']
    year = rng.randint(2008, 2026)
    n = rng.randint(1, 2)
    authors = _people(rng, n)
    other = _people(rng, 1, authors)[0]
    sub = rng.choice(['——与%s先生商榷', '——兼与%s同志商榷', '——与%s教授商榷']) % other
    page.para('%s\u3000%d年第%d期（总第%d期）' % (_journal(t), year, rng.randint(1, 6), rng.randint(50, 260)), size=8.5,
              align='l', rule='bottom', after=12)
    page.para(('%s' % rng.choice(['学术争鸣', '商榷与回应', '争鸣园地']), {'bold': True, 'cjk': rng.choice(HEI + KAI)}),
              size=11, align='l', rule='bottom', after=12)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=2)
    page.para((sub, {'size': rng.choice([12, 13]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=10)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='c', after=10)
    page.para([('摘　要：', {'bold': True}), '%s一文对%s提出了新的看法。%s' % (other, t['s'], BODY * 2)], size=9, align='j',
              after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=10)
    page.para(('一、问题的提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=4)
    page.para('近读%s先生①一文，颇受启发。%s' % (other, BODY * 4), align='j', indent=21, after=12)
    page.para('① %s：《%s%s新论》，《%s》%d年第%d期。' % (other, t['s'], t['a'], rng.choice(['人文杂志', '西北民族研究', '农业考古',
                                                                                  '中国农史']), year - rng.randint(1, 3),
                                                 rng.randint(1, 6)), size=8.5, rule='top')
    return _finish(page, rng, t['title'] + sub, authors, year, t['kws'])


def popsci_article(rng):
    """A popular-science magazine page: the column and issue over a rule, a large title, a lead
    paragraph between rules, then the byline that names the writer apart from the photographer."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['走进{s}', '{s}的{a}之谜', '探秘{s}', '{s}：{a}的故事'])
    s = t['school']
    year = rng.randint(2010, 2026)
    writers = _people(rng, rng.randint(1, 2))
    photo = _people(rng, 1, writers)[0]
    page.table([['%s科普\u3000%s' % (s[4], rng.choice(['自然探索', '科普园地', '科学之窗'])),
                 '%d年第%d期' % (year, rng.randint(1, 12))]], widths_cm=[10.0, 6.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=20)
    page.para((t['title'], {'size': rng.choice([24, 26, 28]), 'bold': True, 'cjk': rng.choice(HEI + KAI)}),
              align=rng.choice(['l', 'c']), after=12)
    page.para([('导读：', {'bold': True}), '在%s，有一群人默默守护着%s。%s' % (t['school'][2], t['s'], BODY)],
              size=11, align='j', rule='both', cjk=rng.choice(KAI), after=10)
    byline = rng.choice(['文／{w}\u3000图／{p}', '文·{w}\u3000图·{p}', '撰文：{w}\u3000摄影：{p}', '文／{w}\u3000摄影／{p}'])
    page.para(byline.format(w='　'.join(writers), p=photo), size=10.5, align=rng.choice(['l', 'r']), after=12)
    page.columns(2)
    page.para(BODY * 8, align='j', indent=21)
    return _finish(page, rng, t['title'], writers, year)


TEMPLATES = {'gen-zh-award-certificate': award_certificate, 'gen-zh-guidancelog-table': guidance_log,
             'gen-zh-encyclopedia-signed': encyclopedia_entry, 'gen-zh-defense-announcement': defense_announcement,
             'gen-zh-debate-reply': debate_reply, 'gen-zh-popsci-photocredit': popsci_article}
