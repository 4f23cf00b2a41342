"""A forty-fourth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in environment, chemistry, medicine, farming and engineering of schools on the
Qinghai plateau and in the Hexi corridor."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('青海师范大学', 'Qinghai Normal University', '西宁', '810008', '青海'),
           ('青海民族大学', 'Qinghai Minzu University', '西宁', '810007', '青海'),
           ('兰州理工大学', 'Lanzhou University of Technology', '兰州', '730050', '甘肃')]
DOMAINS = [dict(subjects={'柴达木盐湖卤水': ['吸附法提锂工艺', '水化学演化过程'], '昆仑山多年冻土': ['活动层厚度监测', '融区碳释放通量'],
                          '青海湖裸鲤': ['产卵洄游监测', '增殖放流效果']},
                contexts=['格尔木市', '大柴旦行委', '乌兰县'], units=['地理科学学院', '化学化工学院', '生命科学学院'],
                majors=['自然地理学', '无机化学', '生态学']),
           dict(subjects={'高原红细胞增多症': ['血红蛋白阈值', '低氧适应基因筛查'], '玉树牦牛': ['瘤胃菌群结构', '冷季补饲方案'],
                          '柴达木黑果枸杞': ['花青素提取工艺', '组培快繁体系']},
                contexts=['玉树市', '共和县', '德令哈市'], units=['药学院', '生态环境与资源学院', '医学院'],
                majors=['药学', '畜牧学', '环境科学']),
           dict(subjects={'敦煌光热电站': ['定日镜场效率', '熔盐储热系统'], '瓜州风电基地': ['风机叶片覆冰', '风电功率短期预测'],
                          '疏勒河灌区': ['渠道防渗衬砌', '灌区需水预测']},
                contexts=['瓜州县', '玉门市', '敦煌市'], units=['能源与动力工程学院', '土木工程学院', '计算机与通信学院'],
                majors=['动力工程', '水利工程', '计算机技术'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的初步研究', '{s}{a}的试验与分析', '{c}{s}{a}调查', '{s}{a}的模型与验证']
BODY = '研究采用野外采样、室内分析与模型计算相结合的方法，对研究对象的主要特征及其控制因素进行了系统分析，结果可为高原干旱区的资源利用与环境保护提供依据。'
JOURNALS = ['高原盐湖化学', '干旱区能源与环境', '河西走廊农业科技', '高原医学与生物']


def _topic(rng, forms=FORMS, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _unit(s, unit):
    return '%s%s，%s %s %s' % (s[0], unit, s[4], s[2], s[3])


def _sep(rng):
    return rng.choice(['，', '、', '\u3000'])


def parens_note(rng):
    """A plateau chemistry journal's research note in the old house style: no running head; the
    title and, in the same paragraph after it, the authors in round brackets in a smaller face; the
    unit on a line under it; 摘要 and 关键词 run in; the text; and the journal, year, volume and
    issue only in a line at the foot of the page, over a rule."""
    page = _page(rng, 10.5)
    t = _topic(rng, among=[0, 1])
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para(rng.choice(['研究简讯', '研究快讯', '简　报']), size=9, align='l', after=rng.choice([10, 16]),
              cjk=rng.choice(HEI))
    page.para([(t['title'], {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
               ('（%s）' % _sep(rng).join(authors), {'size': rng.choice([11, 12]), 'cjk': rng.choice(KAI)})],
              align=rng.choice(['c', 'l']), after=4)
    page.para('（%s）' % _unit(t['school'], t['unit']), size=9, align='c', after=12)
    page.para([('摘要　', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词　', {'bold': True}), '；'.join(t['kws'])], size=9, after=12)
    page.para(BODY * 4, align='j', indent=21, size=10.5, after=rng.choice([20, 40]))
    page.para('%s\u3000%d年\u3000第%d卷\u3000第%d期\u3000%d～%d' % (
        rng.choice(JOURNALS), year, rng.randint(5, 40), rng.randint(1, 6), rng.randint(1, 90), rng.randint(91, 99)),
        size=8.5, align=rng.choice(['c', 'r']), rule='top')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def datescell_journal(rng):
    """An arid-region energy and environment journal: the DOI alone, top right; the title, byline
    and units; then one two-cell row (framed on half the pages): a narrow shaded cell of the dates
    (收稿 / 修回 / 网络出版) and the 引用格式, and beside it 摘要 and 关键词; then 1 引言."""
    page = _page(rng, 10.5)
    t = _topic(rng, among=[0, 2])
    s = t['school']
    year = rng.randint(2015, 2026)
    authors = _people(rng, rng.randint(1, 5))
    journal = rng.choice(JOURNALS)
    page.para('DOI：10.%d/j.cnki.%s.%d.%02d.%03d' % (rng.randint(13000, 13999), rng.choice(['gyyh', 'ghny', 'hxzl']),
                                                     year, rng.randint(1, 12), rng.randint(1, 99)),
              size=8, align='r', after=rng.choice([14, 20]))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    units = [t['unit']] if len(authors) == 1 or rng.random() < 0.5 else rng.sample(t['d']['units'], 2)
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if len(units) > 1:
            runs.append(('1' if k == 0 else rng.choice('12'), {'sup': True, 'size': 8}))
        if k < len(authors) - 1:
            runs.append('，')
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=3)
    page.para('（' + '；'.join(('%d. ' % (k + 1) if len(units) > 1 else '') + _unit(s, u) for k, u in enumerate(units)) + '）',
              size=9, align='c', after=10)
    dates = '收稿日期：%d-%02d-%02d\n修回日期：%d-%02d-%02d\n网络出版：%d-%02d-%02d' % (
        year - 1, rng.randint(3, 12), rng.randint(1, 28), year, rng.randint(1, 3), rng.randint(1, 28),
        year, rng.randint(4, 6), rng.randint(1, 28))
    cite = '引用格式：%s%s．%s［J］．%s，%d' % (authors[0], '，等' if len(authors) > 1 else '', t['title'], journal, year)
    abstract = [('摘　要：', {'bold': True}), BODY * 2 + '\n', ('关键词：', {'bold': True}), '；'.join(t['kws'])]
    sized_table(page, [[dates + '\n' + cite, abstract]], [4.6, 11.4], size=8.5, align=['l', 'l'], shade=(0,),
                grid=rng.random() < 0.5, fill=rng.choice(['EDEDED', 'E2EFD9', 'DDEBF7']))
    page.para('', after=10)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 3, align='j', indent=21, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def infobox_master(rng):
    """An engineering master's cover: the school (楷) and the kind, the title between two short
    rules, then one framed box headed by a shaded "学位论文信息" row whose rows are label and value
    (作者姓名, 指导教师 with or without rank, 学科专业, 研究方向, 所在学院); under the box blank signature
    lines for the author and the supervisor, and the month at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}的设计与实现', '{s}{a}的优化方法'], among=[rng.choice([0, 2])])
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    if rng.random() < 0.5:
        page.para('学号：%d%06d' % (year - 3, rng.randint(1, 999999)), size=10.5, align='r', after=rng.choice([30, 50]))
    else:
        page.para('', after=rng.choice([40, 60]))
    page.para((t['school'][0], {'size': rng.choice([28, 32]), 'cjk': rng.choice(KAI)}), align='c', after=8)
    page.para((rng.choice(['硕士学位论文', '工程硕士专业学位论文', '全日制专业学位硕士论文']),
               {'size': 20, 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=rng.choice([40, 60]))
    page.para('', rule='bottom', after=10)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=6)
    page.para('', rule='bottom', after=rng.choice([40, 60]))
    rank = rng.choice(['', '\u2002教授', '\u2002副教授', '\u2002研究员'])
    rows = [[('学位论文信息', {'bold': True}), ''], ['作者姓名', student], ['指导教师', tutor + rank],
            ['学科专业', t['major']]]
    if rng.random() < 0.6:
        rows.append(['研究方向', t['a']])
    rows.append(['所在学院', t['unit']])
    tb = sized_table(page, rows, [4.0, 8.0], size=rng.choice([12, 13]), grid=True, align=['c', 'l'])
    head = tb.rows[0].cells
    merged = head[0].merge(head[1])
    for extra in merged.paragraphs[1:]:
        extra._element.getparent().remove(extra._element)
    page.para('', after=rng.choice([24, 36]))
    page.para('作者签名：＿＿＿＿＿＿\u3000\u3000导师签名：＿＿＿＿＿＿', size=11, align='c', after=rng.choice([30, 50]))
    page.para(zh_date(year, rng.choice([5, 6])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([5, 6])),
              size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def gonggao_highlight(rng):
    """A geoscience institute bulletin's research highlight: a shaded band with the bulletin, the
    issue and "研究进展"; the title flush left; a short lead in a grey box; two paragraphs of text;
    and the authors only at the end, flush right, as "（供稿：A　B，<school><unit>）"."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}取得新进展', '{c}{s}{a}研究获新认识', '{s}{a}研究进展'], among=[0, 2])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    sized_table(page, [['%s\u3000%d年第%d期' % (rng.choice(['高原科研通讯', '河西科技简报', '盐湖研究动态']), year, rng.randint(1, 24)),
                        ('研究进展', {'bold': True})]], [12.0, 4.0], size=9.5, align=['l', 'r'], shade=(0, 1),
                fill=rng.choice(['D9D9D9', 'DDEBF7', 'FCE4D6']))
    page.para('', after=rng.choice([16, 24]))
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI)}), align='l', after=10)
    page.table([[BODY]], widths_cm=[16.0], size=9.5, align='l', shade=(0,), fill='EDEDED')
    page.para('', after=8)
    page.para(BODY * 3, align='j', indent=21, size=10.5, after=6)
    page.para(BODY * 2, align='j', indent=21, size=10.5, after=10)
    label = rng.choice(['供稿：', '供稿　', '（供稿人：'])
    tail = '，%s%s' % (t['school'][0], t['unit']) if rng.random() < 0.7 else ''
    text = label + '\u3000'.join(authors) + tail
    page.para(text + '）' if label.startswith('（') else '（' + text + '）', size=10, align='r', cjk=rng.choice(KAI))
    return _finish(page, rng, t['title'], authors, year)


def cpc_discussion(rng):
    """A plateau medicine journal's clinicopathological conference: the journal line over a rule,
    "临床病理讨论" as the column, the title, then "主持人：X" and "整理：A　B" on one line or two (the
    host is no author; the authors are those who wrote it up), the units, and the case history
    under 【病历摘要】 and 【讨论】 with the speakers' names."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}一例临床病理讨论', '{c}{s}{a}病例讨论', '{s}{a}的临床病理分析'], among=[1])
    while t['s'] != '高原红细胞增多症':
        t = _topic(rng, ['{s}{a}一例临床病理讨论', '{c}{s}{a}病例讨论', '{s}{a}的临床病理分析'], among=[1])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    host, *speakers = _people(rng, 3, authors)
    page.para('%s\u3000%d年%d月第%d卷第%d期' % (rng.choice(['高原医学与生物', '青藏高原临床医学']), year, rng.randint(1, 12),
                                       rng.randint(10, 40), rng.randint(1, 12)), size=9, rule='bottom', after=8)
    page.para(('·临床病理讨论·', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, align='l', after=10)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    written = '%s%s' % (rng.choice(['整理：', '整理　', '记录整理：']), '\u3000'.join(authors))
    if rng.random() < 0.5:
        page.para('主持人：%s\u3000\u3000%s' % (host, written), size=11, align='c', cjk=rng.choice(KAI), after=3)
    else:
        page.para('主持人：%s' % host, size=11, align='c', cjk=rng.choice(KAI), after=1)
        page.para(written, size=11, align='c', cjk=rng.choice(KAI), after=3)
    page.para('（%s）' % _unit(t['school'], t['unit']), size=9, align='c', after=12)
    page.para(('【病历摘要】', {'bold': True}), size=10.5, after=2)
    page.para('患者，%s，%d岁，%s人，因反复头晕、乏力%d年入院。' % (rng.choice(['男', '女']), rng.randint(25, 70),
                                                       rng.choice(['玉树市', '共和县', '德令哈市']), rng.randint(1, 9))
              + BODY, align='j', indent=21, after=6)
    page.para(('【讨论】', {'bold': True}), size=10.5, after=2)
    for sp in speakers:
        page.para([('%s医师：' % sp, {'bold': True}), BODY], align='j', indent=21, after=4)
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-saltlakechemnote-authorsinparensaftertitle-journallinefoot': parens_note,
             'gen-zh-aridenergyjournal-datescitecellbesideabstract-doitopright': datescell_journal,
             'gen-zh-plateauengmaster-headedinfobox-blanksignaturelines': infobox_master,
             'gen-zh-plateaubulletin-researchhighlight-gonggaoendline': gonggao_highlight,
             'gen-zh-plateaumedjournal-cpcdiscussion-hostandzhengliline': cpc_discussion}
