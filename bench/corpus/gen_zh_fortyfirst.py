"""A forty-first set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, economics, management, education and arts of schools of
their own."""
from docx.shared import Pt, RGBColor

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('枣庄学院', 'Zaozhuang University', '枣庄', '277160', '山东'),
           ('泰山学院', 'Taishan University', '泰安', '271000', '山东'),
           ('德州学院', 'Dezhou University', '德州', '253023', '山东')]
DOMAINS = [dict(subjects={'台儿庄古城': ['古城重建叙事', '文旅商户经营'], '运河号子': ['船工号子演唱', '号子传承人培养'],
                          '山亭民宿': ['乡村民宿经营', '民宿合作社治理']},
                contexts=['滕州市', '薛城区', '峄城区'], units=['文学与新闻传播学院', '经济与管理学院', '音乐与舞蹈学院'],
                majors=['中国语言文学', '区域经济学', '音乐学'], center='鲁南运河文化研究中心'),
           dict(subjects={'泰山挑山工': ['挑山工生计', '职业精神叙事'], '东岳庙会': ['庙会商贸', '香社组织'],
                          '泰山石敢当': ['石敢当民俗信仰', '石敢当文创']},
                contexts=['肥城市', '新泰市', '宁阳县'], units=['历史学院', '旅游学院', '教育科学学院'],
                majors=['中国史', '旅游管理', '教育学原理'], center='泰山文化与旅游发展研究院'),
           dict(subjects={'德州扒鸡': ['老字号传承', '连锁扩张'], '乐陵金丝小枣': ['枣业电商', '产地品牌保护'],
                          '禹城大禹传说': ['传说谱系', '治水记忆']},
                contexts=['乐陵市', '禹城市', '武城县'], units=['经济管理学院', '文学院', '法学院'],
                majors=['企业管理', '民俗学', '经济法学'], center='鲁西北县域经济研究中心')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}考察', '{s}{a}的变迁与动力', '{s}与{a}：基于{c}的调查', '{c}{s}{a}的困境与出路']
BODY = '本文依据档案、方志、访谈与统计资料，梳理研究对象的形成过程与当代处境，讨论其中的经济、社会、法律与文化因素，并对保护、利用与治理提出看法。'
WHITE = RGBColor(0xFF, 0xFF, 0xFF)


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def _head_row(page, rng, left, right, size=9, **kw):
    """A borderless two-cell head row (left and right flush) over a rule."""
    t = sized_table(page, [[left, right]], [9.0, 7.0], size=size, align=['l', 'r'], **kw)
    page.para('', rule='bottom', after=rng.choice([14, 18, 24]))
    return t


def reprint_digest(rng):
    """A reprint digest's page: the digest's subject series and issue over a rule, the title and the
    byline centred, then bracketed blocks 【原文出处】【作者简介】【内容提要】【关键词】 (the
    original journal, each author's post), and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    _head_row(page, rng, ('复印报刊资料·' + rng.choice(['区域与城市经济', '文化研究', '民俗学', '旅游管理']), {'bold': True}),
              '%d年第%d期' % (year, rng.randint(1, 12)))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para(rng.choice(['\u3000', '\u3000\u3000']).join(authors), size=12, align='c', cjk=rng.choice(KAI), after=14)
    posts = ['%s，%s%s%s' % (a, s[0], rng.choice(t['d']['units']), rng.choice(['教授', '副教授', '讲师', '硕士研究生']))
             for a in authors]
    label = {'bold': True, 'cjk': rng.choice(HEI)}
    blocks = [('【原文出处】', '《%s学报》（社会科学版）（%s），%d.%d.%d～%d' % (s[0], s[2], year, rng.randint(1, 6),
                                                                  rng.randint(10, 40), rng.randint(41, 60))),
              ('【作者简介】', '；'.join(posts) + '（%s %s %s）。' % (s[4], s[2], s[3])),
              ('【内容提要】', BODY * 2), ('【关 键 词】', rng.choice(['/', '；', '\u3000']).join(t['kws']))]
    for lab, text in blocks:
        page.para([(lab, label), text], size=9.5, align='j', after=3)
    page.para('', after=8)
    page.para(('一、问题的提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def headrow_master(rng):
    """An academic master's cover in the humanities: the school and the degree kind in one head row
    over a rule, the title large in the middle of the page, and every particular on one line at the
    foot, parted by bars (作者｜导师 with rank｜专业｜date)."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}的{a}', '{s}{a}的文化意涵'])
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    _head_row(page, rng, (s[0], {'size': rng.choice([20, 22]), 'cjk': rng.choice(KAI)}),
              (rng.choice(['硕士学位论文', '学术学位硕士论文', '硕士研究生学位论文']), {'size': 15, 'bold': True}), size=12)
    page.para('', after=rng.choice([150, 180, 210]))
    page.para((t['title'], {'size': rng.choice([24, 26, 28]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=rng.choice([200, 230, 260]))
    bar = rng.choice(['｜', ' | ', '\u3000/\u3000'])
    parts = ['%s：%s' % (rng.choice(['作者', '研究生']), student),
             '%s：%s%s' % (rng.choice(['导师', '指导教师']), sup, rng.choice(['\u2002教授', '\u2002副教授', ''])),
             '专业：%s' % t['major'], _when(rng, year, rng.choice([4, 5, 6]))]
    page.para(bar.join(parts), size=rng.choice([11, 12]), align='c', rule=rng.choice(['top', None]))
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def footer_conf(rng):
    """A management meeting's paper: the meeting line, the title and the byline across the page,
    then 摘要, 关键词 and the text in two columns, and the authors' units in the page footer."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的绩效评价', '{c}{s}{a}的组织机制', '{s}{a}与县域发展'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('第%d届中国县域管理学术年会\u3000%d·%s' % (rng.randint(2, 16), year, rng.choice(['泰安', '德州', '枣庄'])),
              size=9, align='c', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    page.para(rng.choice(['，', '\u3000', '、']).join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=14)
    page.columns(2)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=8)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 6, align='j', indent=21, size=10)
    page.para(('2\u2002文献回顾', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, size=10)
    units = ['%s%s' % (s[0], rng.choice(t['d']['units'])) for _ in authors]
    note = '作者单位：' + '；'.join('%s，%s' % (a, u) for a, u in zip(authors, units)) + '（%s %s）' % (s[2], s[3])
    foot = page.doc.sections[0].footer.paragraphs[0]
    foot.text = note
    for run in foot.runs:
        run.font.size = Pt(8)
    page.rule(foot, 'top', 4)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def blacktab_xuebao(rng):
    """An education 学报 article: the journal's name in white on a black tab at the left of the head
    and the volume on the right, the title, 摘要 and 关键词, and only then the byline, "作者："
    with each author's unit in brackets after the name; 中图分类号 and the text follow."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的教育价值', '{s}{a}融入地方课程研究', '{c}{s}{a}的研学设计'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 3))
    tab = _head_row(page, rng, ('%s学报' % s[0], {'bold': True, 'cjk': rng.choice(HEI)}),
                    'Vol.%d No.%d\u2002%d年%d月' % (rng.randint(20, 41), rng.randint(1, 6), year, rng.choice([2, 4, 6, 8, 10, 12])),
                    size=10, shade=(0,), fill=rng.choice(['000000', '262626']))
    for run in tab.cell(0, 0).paragraphs[0].runs:
        run.font.color.rgb = WHITE
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=16)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9.5, align='j', indent=rng.choice([0, 19]), after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=3)
    page.para([(rng.choice(['作\u3000者：', '作者：']), {'bold': True}),
               '；'.join('%s（%s%s）' % (a, s[0], rng.choice(t['d']['units'])) for a in authors)], size=9.5, after=3)
    page.para([('中图分类号：', {'bold': True}), 'G%d' % rng.randint(40, 659), '\u3000', ('文献标识码：', {'bold': True}), 'A'],
              size=9.5, after=14)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def brief_authorsfoot(rng):
    """A research institute's policy brief: a large series name, the issue in full (第N期（总第M期）),
    the institute and the date on one row over a thick rule, the title, the text under numbered
    heads, and at the foot over a rule "本期作者：" naming the authors, then the reviewer and the
    editor, who are not authors."""
    page = _page(rng, 11)
    t = _topic(rng, ['关于{s}{a}的几点建议', '推动{c}{s}{a}的对策建议', '{s}{a}亟待破解的问题'])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 3))
    checker, editor = _people(rng, 2, authors)
    page.para((rng.choice(['县域发展参阅', '研究专报', '咨询要报']), {'size': rng.choice([26, 30]), 'bold': True,
                                                          'cjk': rng.choice(HEI + SONG)}), align='c', after=4)
    n = rng.randint(1, 24)
    page.para('%d年第%d期（总第%d期）' % (year, n, n + rng.randint(20, 160)), size=11, align='c', after=8)
    sized_table(page, [[s[0] + t['d']['center'], '%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28))]],
                [10.0, 6.0], size=10.5, align=['l', 'r'])
    p = page.para('', after=24)
    page.rule(p, 'bottom', rng.choice([18, 24]))
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=16)
    for head in ('一、基本情况', '二、存在的问题'):
        page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=11.5, after=3)
        page.para(BODY * 2, align='j', indent=22, line=1.4, after=6)
    page.para('', after=30)
    page.para('本期作者：%s（%s%s）' % ('、'.join(authors), s[0], t['d']['center']), size=10, rule='top', after=2)
    page.para('审核：%s\u3000\u3000责任编辑：%s' % (checker, editor), size=10, after=2)
    page.para('报送：%s有关部门' % rng.choice(t['d']['contexts']), size=10)
    return _finish(page, rng, t['title'], authors, year)


def doicorner_journal(rng):
    """An arts education journal's page: the journal and the issue on the left and the DOI in the
    right corner of the head, the title, the authors one a line with the unit, place and postcode
    after each, 摘要 and 关键词, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的美育价值', '{s}{a}进课堂的实践', '{c}{s}与{a}'])
    s = t['school']
    year = rng.randint(2015, 2026)
    authors = _people(rng, rng.randint(1, 4))
    issue = rng.randint(1, 12)
    _head_row(page, rng, '%s\u3000%d年第%d期' % (rng.choice(['艺术教育研究', '齐鲁美育', '音乐与艺术教育']), year, issue),
              'DOI：10.%d/j.cnki.ysjy.%d.%02d.%03d' % (rng.randint(13000, 16999), year, issue, rng.randint(1, 60)), size=8.5)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI)}),
              align=rng.choice(['c', 'l']), after=12)
    for a in authors:
        page.para([(a, {'size': 11.5, 'cjk': rng.choice(KAI)}), '\u3000（%s%s，%s %s %s）' % (s[0], rng.choice(t['d']['units']),
                                                                                      s[4], s[2], s[3])],
                  size=9, align=rng.choice(['c', 'l']), after=1)
    page.para('', after=10)
    page.para([('［摘\u3000要］', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('［关键词］', {'bold': True}), '\u3000'.join(t['kws'])], size=9.5, after=14)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-econreprint-digesthead-yuanwenchuchu-bracketblocks': reprint_digest,
             'gen-zh-philosophymaster-schooldegreeheadrow-barsepfootline': headrow_master,
             'gen-zh-mgmtconf-twocolfromabstract-unitsinpagefooter': footer_conf,
             'gen-zh-eduxuebao-blackjournaltab-bylineafterkeywords': blacktab_xuebao,
             'gen-zh-thinktank-policybrief-issueblock-authorsatfoot': brief_authorsfoot,
             'gen-zh-artedjournal-oneauthorperline-unitbeside-doicorner': doicorner_journal}
