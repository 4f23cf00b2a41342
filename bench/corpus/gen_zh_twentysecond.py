"""A twenty-second set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('玉林师范学院', 'Yulin Normal University', '玉林', '537000', '广西'),
           ('滁州学院', 'Chuzhou University', '滁州', '239000', '安徽'),
           ('菏泽学院', 'Heze University', '菏泽', '274015', '山东'),
           ('乐山师范学院', 'Leshan Normal University', '乐山', '614000', '四川')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'玉林中药材市场': ['流通溯源', '价格波动'], '陆川猪': ['种质保存', '生态养殖'],
                          '六万大山': ['森林步道规划', '珍稀植物分布']},
                contexts=['玉州区', '陆川县', '博白县'], units=['化学与食品科学学院', '农学院', '商学院'],
                majors=['中药学', '动物科学', '市场营销'], field='桂东南特色产业'),
           dict(subjects={'滁菊': ['采后加工', '黄酮含量'], '琅琊山': ['游客感知', '碑刻保护'],
                          '凤阳花鼓': ['曲牌整理', '进校园实践']},
                contexts=['琅琊区', '凤阳县', '全椒县'], units=['生物与食品工程学院', '地理信息与旅游学院', '音乐学院'],
                majors=['食品科学与工程', '旅游管理', '音乐表演'], field='皖东文化与生态'),
           dict(subjects={'曹州面人': ['技艺谱系', '文创转化'], '鲁西南鼓吹乐': ['乐班生态', '唢呐演奏技法'],
                          '菏泽芍药': ['根茎药用品质', '观光采摘']},
                contexts=['牡丹区', '曹县', '郓城县'], units=['美术学院', '音乐学院', '农业与生物工程学院'],
                majors=['美术学', '音乐学', '园艺'], field='鲁西南民间艺术与农业'),
           dict(subjects={'乐山大佛': ['风化监测', '岩体渗水'], '峨眉山茶': ['机采适应性', '手工炒制技艺'],
                          '夹江手工纸': ['竹料蒸煮', '非遗传承人']},
                contexts=['市中区', '峨眉山市', '夹江县'], units=['旅游学院', '生命科学学院', '文学与新闻学院'],
                majors=['文物保护技术', '茶学', '汉语言文学'], field='峨眉文化与生态旅游')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{c}{s}{a}的实证考察', '{s}{a}的影响因素分析', '{s}{a}研究——以{c}为例', '基于田野调查的{s}{a}研究',
         '{s}{a}的现状、问题与对策']
BODY = '本文在梳理已有研究的基础上，结合实地调查所得资料，对相关问题作了分析，并提出若干建议。'
JOURNALS = ['中国农学通报', '民族艺术研究', '中国园艺文摘', '旅游研究', '中药材', '文物保护与考古科学', '中国音乐']


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


def _label(rng, word):
    """A label as forms print it: 作者：, 作者:, 【作者】 or stretched 作　者："""
    style = rng.choice(['full', 'half', 'bracket', 'spaced'])
    if style == 'bracket':
        return '【%s】' % word
    if style == 'spaced' and len(word) == 2:
        return word[0] + '\u3000' + word[1] + '：'
    return word + ('：' if style != 'half' else ': ')


def wechat_printout(rng):
    """An article of a journal's or school's public account printed from a phone or browser: the
    print date and page name, the title, the "原创 <writers> <account> <date> 发表于<province>" line,
    a grey reading note, then the text."""
    page = _page(rng, 11)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2016, 2026)
    authors = _people(rng, rng.randint(1, 3))
    account = rng.choice(['%s学报' % s[0], '%s%s' % (s[0], t['unit']), '%s研究' % t['d']['field']])
    stamp = '%d/%d/%d %d:%02d' % (year, rng.randint(1, 12), rng.randint(1, 28), rng.randint(8, 23), rng.randint(0, 59))
    page.table([[stamp, rng.choice(['微信公众平台', '%s - 微信公众号' % account, 'mp.weixin.qq.com'])]],
               widths_cm=[6.0, 10.0], size=8, align=['l', 'r'])
    page.para('', after=16)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': rng.random() < 0.7,
                            'cjk': rng.choice(HEI)}), align='l', after=8)
    line = [('原创\u2002', {'size': 9, 'bold': True})] if rng.random() < 0.7 else []
    line += [(rng.choice(['\u2002', '、', ' ']).join(authors) + '\u2003', {'size': 10}),
             (account + '\u2003', {'size': 10, 'bold': rng.random() < 0.5}),
             ('%d-%02d-%02d %02d:%02d\u2002发表于%s' % (year, rng.randint(1, 12), rng.randint(1, 28), rng.randint(7, 22),
                                                   rng.randint(0, 59), s[4]), {'size': 9})]
    page.para(line, align='l', after=12)
    page.para(rng.choice(['点击上方蓝字关注我们', '本文刊发于本刊%d年第%d期，经作者授权推送。' % (year, rng.randint(1, 6)),
                          '编者按：%s是%s研究的重要议题。' % (t['s'], t['d']['field'])]),
              size=9.5, align='l', cjk=rng.choice(KAI), after=10)
    if rng.random() < 0.5:
        page.para([('摘要：', {'bold': True}), BODY * 2], size=10.5, align='j', after=4)
        page.para([('关键词：', {'bold': True}), rng.choice(['；', '  ', '，']).join(t['kws'])], size=10.5, after=10)
        kws = t['kws']
    else:
        kws = ()
    page.para(BODY * 6, align='j', indent=22, line=1.5)
    url = 'https://mp.weixin.qq.com/s/%s' % ''.join(rng.choice('abcdefghijkmnpqrstuvwxyzABCDEFGH0123456789')
                                                    for _ in range(22))
    page.para(url, size=8, align='l', before=16)
    return _finish(page, rng, t['title'], authors, year, kws)


def publication_regform(rng):
    """A graduate school's form for registering a published paper: the heading, then a grid with the
    student and supervisor, 论文题目, the authors in their printed order, the student's rank, the
    journal, its year, volume and issue, and how it is indexed."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    n = rng.randint(2, 5)
    authors = _people(rng, n)
    rank = rng.randrange(min(n, 2))
    student = authors[rank]
    sup = _people(rng, 1, authors)[0]
    page.para((s[0], {'size': rng.choice([16, 18]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=2)
    page.para((rng.choice(['研究生发表学术论文登记表', '研究生学术成果登记表', '研究生科研成果（论文）登记表']),
               {'size': rng.choice([15, 16]), 'bold': True}), align='c', after=12)
    sep = rng.choice(['，', '；', '、'])
    rows = [['姓\u3000\u3000名', student, '学\u3000\u3000号', '%d%06d' % (year - 2, rng.randint(0, 999999))],
            ['学科专业', t['major'], rng.choice(['导\u3000\u3000师', '指导教师']), sup],
            ['论文题目', (t['title'], {'bold': rng.random() < 0.5}), '', ''],
            [rng.choice(['全部作者（按署名顺序）', '作者（按发表顺序）', '全体作者']), sep.join(authors), '本人排名',
             '第%s作者' % '一二三四五'[rank]],
            ['刊物名称', rng.choice(JOURNALS), '年、卷、期', '%d年第%d卷第%d期' % (year, rng.randint(10, 45), rng.randint(1, 12))],
            ['收录情况', rng.choice(['北大核心', 'CSSCI来源期刊', 'CSCD', '科技核心', '普通期刊']), '发表日期',
             '%d-%02d' % (year, rng.randint(1, 12))]]
    page.table(rows, widths_cm=[3.0, 6.0, 2.6, 4.4], size=10, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.4 else ())
    page.para('', after=8)
    page.para('导师意见：\n\n\n导师签字：\u3000\u3000\u3000\u3000\u3000\u3000日期：', size=10, after=8)
    page.para('注：请附论文首页及期刊封面、目录复印件。', size=9)
    return _finish(page, rng, t['title'], authors, year, supervisor=sup)


def galley_proof(rng):
    """A journal's galley proof sent to the authors: a stamp-like line "校样" with the manuscript
    number and the date it must be returned, then the page as it will be printed."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    journal = rng.choice(JOURNALS)
    page.table([[(rng.choice(['作者校样', '校样（一校）', '二校样', '清样']), {'bold': True, 'size': 12}),
                 '稿号：%d-%04d\u2003请于%d月%d日前返回' % (year, rng.randint(1, 9999), rng.randint(1, 12),
                                                     rng.randint(1, 28))]],
               widths_cm=[5.0, 11.0], size=9, grid=True, align=['c', 'r'])
    page.para('', after=6)
    page.para('%s\u2003%d年%d月\u2003第%d卷\u2003第%d期' % (journal, year, rng.randint(1, 12), rng.randint(10, 45),
                                                    rng.randint(1, 12)), size=8.5, rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    sups = [str(rng.randint(1, 2)) if rng.random() < 0.4 else '' for _ in authors]
    runs = []
    for k, (a, m) in enumerate(zip(authors, sups)):
        runs.append((a, {'size': 12, 'cjk': rng.choice(KAI + SONG)}))
        if m:
            runs.append((m, {'sup': True}))
        if k < len(authors) - 1:
            runs.append(('，' if rng.random() < 0.5 else '\u3000'))
    page.para(runs, align='c', after=4)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='c', after=10)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=3)
    page.para('中图分类号：%s\u2003文献标志码：A' % rng.choice(['S571.1', 'J607', 'F592.7', 'K879.2', 'R282']), size=9,
              after=10)
    page.para('【校对提示】请核对作者姓名、单位及基金项目，改动请用红笔标注。', size=9, cjk=rng.choice(KAI), after=8)
    page.para(BODY * 4, align='j', indent=21)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def copyright_agreement(rng):
    """A journal's agreement that hands over the paper's copyright: the heading, label lines for the
    paper's title and every author in order, the clauses, and the signatures with the date."""
    page = _page(rng, 11)
    t = _topic(rng)
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 4))
    journal = rng.choice(JOURNALS)
    page.para(('《%s》' % journal, {'size': rng.choice([14, 16]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=4)
    page.para((rng.choice(['论文著作权转让协议', '论文版权转让协议书', '作者版权授权书']),
               {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=16)
    if rng.random() < 0.5:
        page.para([(_label(rng, '论文题目'), {'bold': True}), t['title']], size=11, after=6)
        page.para([(_label(rng, '全体作者'), {'bold': True}), rng.choice(['，', '、', '；']).join(authors)], size=11,
                  after=6)
        page.para([(_label(rng, '稿件编号'), {'bold': True}), 'GX%d%04d' % (year, rng.randint(1, 9999))], size=11,
                  after=12)
    else:
        page.table([['论文题目', t['title']], ['作者（按署名顺序）', '，'.join(authors)],
                    ['稿件编号', '%d-%03d' % (year, rng.randint(1, 999))]],
                   widths_cm=[4.0, 12.0], size=10.5, grid=True, align=['c', 'l'])
        page.para('', after=10)
    for k, c in enumerate(['全体作者同意将该论文的复制权、发行权、信息网络传播权转让给本刊编辑部。',
                           '作者保证该论文为原创作品，不涉及泄密及侵犯他人著作权等问题。',
                           '本协议自双方签字之日起生效，有效期为十年。']):
        page.para('%s、%s' % ('一二三'[k], c), size=10.5, align='j', indent=21, after=4)
    page.para('', after=16)
    page.table([['作者签名：' + '\u3000' * 8, '编辑部（盖章）'],
                ['%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)), '%d年\u3000月\u3000日' % year]],
               widths_cm=[8.0, 8.0], size=10.5, align=['l', 'r'])
    return _finish(page, rng, t['title'], authors, year)


def revision_response(rng):
    """The authors' answers to the referees sent back with a revised paper: the journal and
    manuscript number, the title and authors, then 审稿意见 and 答复 in turn."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para((rng.choice(['对审稿意见的答复', '修改说明及对审稿意见的回复', '论文修改说明']),
               {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align=rng.choice(['c', 'l']), after=12)
    labels = [('刊\u3000\u3000名', '《%s》' % rng.choice(JOURNALS)),
              ('稿件编号', '%d%05d' % (year, rng.randint(1, 99999))),
              ('论文题目', t['title']), ('作\u3000\u3000者', rng.choice(['，', '、', '\u3000']).join(authors))]
    colon = rng.choice(['：', ':'])
    for lab, val in labels:
        page.para([(lab + colon, {'bold': True}), val], size=10.5, after=3)
    page.para('', rule='bottom', after=8)
    page.para('尊敬的编辑和审稿专家：', size=10.5, align='l', after=2)
    page.para('感谢您对本文提出的宝贵意见。我们已逐条认真修改，现答复如下（修改处在正文中以红色标出）。', size=10.5,
              align='j', indent=21, after=8)
    for k in range(3):
        page.para([('审稿意见%d：' % (k + 1), {'bold': True}), rng.choice(
            ['文献综述部分对近五年研究涉及不足。', '样本选取依据需要进一步说明。', '结论部分应与讨论区分。',
             '图表格式不统一，请按本刊要求修改。'])], size=10, align='j', after=2)
        page.para([('答复：', {'bold': True, 'cjk': rng.choice(KAI)}), '已按意见修改。' + BODY], size=10, align='j',
                  after=6)
    return _finish(page, rng, t['title'], authors, year)


def achievement_certificate(rng):
    """A certificate of an appraisal of research results: the issuing body, 科技成果评价证书, label
    lines for the result's name, the units and the people who did it, then the panel's opinion."""
    page = _page(rng, 11)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    people = _people(rng, rng.randint(2, 5))
    head = rng.choice(['%s省科学技术厅' % s[4], '%s省科技成果评价中心' % s[4], '%s市科学技术局' % s[2]])
    page.para('%s评字〔%d〕第%03d号' % (s[2][0], year, rng.randint(1, 300)), size=10, align='r', after=20)
    page.para((rng.choice(['科技成果评价证书', '科学技术成果鉴定证书', '科技成果评价报告']),
               {'size': rng.choice([24, 26]), 'bold': True, 'cjk': rng.choice(SONG + HEI)}), align='c', after=30)
    rows = [('成果名称', t['title']), ('完成单位', s[0] + t['unit']),
            (rng.choice(['主要完成人', '完成人员', '主要研制人员']), rng.choice(['、', '，', '\u3000']).join(people)),
            ('评价方式', rng.choice(['会议评价', '函审', '现场评价'])),
            ('组织评价单位', head), ('评价日期', '%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)))]
    if rng.random() < 0.5:
        for lab, val in rows:
            page.para([(_label(rng, lab), {'bold': True, 'cjk': rng.choice(HEI)}), (val, {'u': rng.random() < 0.5})],
                      size=12, after=8, indent=0)
    else:
        page.table([[lab, val] for lab, val in rows], widths_cm=[3.6, 11.4], size=11, grid=True, align=['c', 'l'],
                   shade=(0,) if rng.random() < 0.5 else ())
    page.para('', after=14)
    page.para(('评价意见', {'bold': True}), size=11, after=4)
    page.para('评价委员会听取了项目组的汇报，审阅了有关资料，认为该成果对%s有应用价值，总体达到国内先进水平。' % t['s'],
              size=10.5, align='j', indent=21)
    return _finish(page, rng, t['title'], people, year)


TEMPLATES = {'gen-zh-wechat-printout': wechat_printout, 'gen-zh-publication-regform': publication_regform,
             'gen-zh-galley-proof': galley_proof, 'gen-zh-copyright-agreement': copyright_agreement,
             'gen-zh-revision-response': revision_response, 'gen-zh-achievement-certificate': achievement_certificate}
