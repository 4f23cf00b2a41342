"""A thirty-fifth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, sociology, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('三明学院', 'Sanming University', '三明', '365004', '福建'),
           ('韶关学院', 'Shaoguan University', '韶关', '512005', '广东'),
           ('丽水学院', 'Lishui University', '丽水', '323000', '浙江'),
           ('内江师范学院', 'Neijiang Normal University', '内江', '641100', '四川')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'沙县小吃产业': ['门店加盟契约', '返乡创业网络'], '朱子文化': ['书院祭祀', '家训传习'],
                          '泰宁古城': ['明代民居修缮', '研学旅行']},
                contexts=['沙县区', '泰宁县', '尤溪县'], units=['文化传播学院', '经济与管理学院', '教育与音乐学院'],
                majors=['社会学', '汉语言文学', '学前教育'], field='闽中地方文化'),
           dict(subjects={'珠玑巷移民传说': ['族谱叙事', '寻根祭祖'], '乳源瑶绣': ['针法谱系', '订单式生产'],
                          '南华禅寺碑刻': ['碑文释读', '寺产纠纷']},
                contexts=['南雄市', '乳源瑶族自治县', '仁化县'], units=['文学与传媒学院', '美术与设计学院', '政法学院'],
                majors=['中国史', '美术学', '法律（非法学）'], field='粤北客家与瑶族文化'),
           dict(subjects={'龙泉青瓷烧制': ['窑口谱系', '非遗传承人认定'], '青田石雕': ['题材演变', '华侨收藏'],
                          '松阳传统村落': ['乡贤治理', '老屋活化']},
                contexts=['龙泉市', '青田县', '松阳县'], units=['民族学院', '艺术学院', '教师教育学院'],
                majors=['美术', '艺术设计', '教育学原理'], field='浙西南文化'),
           dict(subjects={'张大千画艺': ['题跋考释', '临摹教学'], '隆昌夏布': ['苎麻绩纱', '外销契约'],
                          '资中川剧': ['唱腔流派', '剧团驻场演出']},
                contexts=['隆昌市', '资中县', '威远县'], units=['张大千美术学院', '文学院', '法学院'],
                majors=['书法学', '戏剧影视文学', '民商法学'], field='沱江流域文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}', '{s}{a}的历史人类学考察', '{s}与{a}：以{c}为中心', '{c}{s}{a}的实证分析']
BODY = '本文综合运用文献考证、实地调查与访谈资料，考察相关对象的来龙去脉与当下处境，辨析其背后的制度与观念因素，并对今后的研究与实践略陈管见。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _fixed(table, widths_cm):
    """Column widths the converter keeps: the table's grid, not only its cells."""
    table.autofit = False
    for col, w in zip(table.columns, widths_cm):
        col.width = Cm(w)
    return table


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def stacked_label_cover(rng):
    """A calligraphy or fine-arts master's cover whose title stands in a framed row: a narrow shaded
    cell with 论文题目 stacked one character a line, the title in the wide cell beside it (its English
    form under it on some); the graduate and the 导师 follow in a two-pair table."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{s}的{a}与当代书画创作', '从{a}看{s}'])
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('密级：%s\u3000\u3000学号：%d' % (rng.choice(['公开', '无']), rng.randint(2019000, 2026999)), size=9.5,
              align='r', after=30)
    page.para((s[0], {'size': rng.choice([26, 30]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=4)
    page.para((rng.choice(['硕士学位论文', '艺术学硕士学位论文', '美术学硕士学位论文']),
               {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=40)
    cell = [(t['title'], {'size': rng.choice([16, 18]), 'bold': True})]
    if rng.random() < 0.5:
        cell.append(('\nOn %s' % rng.choice(['Calligraphy and Painting', 'a Local Art Tradition', 'Inscriptions']),
                     {'size': 10.5, 'italic': True}))
    label = '\n'.join('论文题目')
    _fixed(page.table([[(label, {'size': 12, 'bold': True}), cell]], widths_cm=[1.4, 13.0], grid=True,
                      align=['c', rng.choice(['c', 'l'])], shade=(0,) if rng.random() < 0.6 else (),
                      fill=rng.choice(['D9D9D9', 'F2E6D0'])), [1.4, 13.0])
    page.para('', after=60)
    rows = [[('研究生', {'bold': True}), student, ('导\u3000师', {'bold': True}),
             sup + rng.choice(['\u2002教授', '\u2002副教授', ''])],
            [('专\u3000业', {'bold': True}), t['major'], ('学\u3000院', {'bold': True}), t['unit']]]
    _fixed(page.table(rows, widths_cm=[2.4, 4.2, 2.4, 5.6], size=12, grid=rng.random() < 0.5,
                      align=['r', 'l', 'r', 'l']), [2.4, 4.2, 2.4, 5.6])
    page.para('', after=50)
    page.para(_when(rng, year, rng.choice([5, 6])), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def orcid_journal(rng):
    """A sociology or law journal's first page: the title flush left over a thick rule, the authors
    flush left, the units, the abstract and 关键词 in a shaded box, and an 作者ORCID line listing each
    author's identifier above the text, which runs in two columns."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s\u3000%d年第%d期（第%d卷）' % (rng.choice(['社会学评论季刊', '地方法治研究', '区域社会史论集']), year,
                                         rng.randint(1, 6), rng.randint(8, 40)), size=9, align='r', after=20)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', rule='bottom', after=10)
    marks = len(authors) > 1 and rng.random() < 0.6
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if marks:
            runs.append((str(k % 2 + 1), {'sup': True}))
        if k < len(authors) - 1:
            runs.append(rng.choice(['\u3000', '，']))
    page.para(runs, size=12, align='l', cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='l', after=10)
    box = [('摘\u3000要：', {'bold': True}), BODY * 2, ('\n关键词：', {'bold': True}), '；'.join(t['kws'])]
    page.table([[box]], widths_cm=[16.0], size=9.5, align='l', shade=(0,), fill=rng.choice(['EFEFEF', 'E8F0E8']))
    ids = ['%s\u2002%04d-%04d-%04d-%04d' % (a, rng.randint(0, 3), rng.randint(1000, 9999), rng.randint(1000, 9999),
                                             rng.randint(1000, 9999)) for a in authors]
    page.para([('作者ORCID：', {'bold': True}), '；'.join(ids)], size=8.5, before=6, after=12)
    page.columns(2)
    page.para(('一、引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.25, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def conference_threecell(rng):
    """A teacher-education conference paper: a framed three-cell header (paper number, the sub-forum,
    the meeting and its date), the title, the authors with a mark on the corresponding one and a
    footnote-style note of who that is, the unit, 摘要 and 关键词 run in, then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}融入{c}中小学课程的{a}', '{s}{a}的校本课程开发', '基于{s}的{a}教学实践研究'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    corr = rng.randrange(len(authors))
    head = [['论文编号：JS-%d-%03d' % (year, rng.randint(1, 400)),
             '分论坛：%s' % rng.choice(['教师教育', '地方课程', '美育与劳动教育']),
             '%s年会·%d' % (rng.choice(['全国教师教育学术', '华南基础教育研究', '西部教育发展']), year)]]
    _fixed(page.table(head, widths_cm=[5.2, 5.2, 5.6], size=8.5, grid=True, align=['l', 'c', 'r'],
                      shade=(0, 1, 2) if rng.random() < 0.4 else ()), [5.2, 5.2, 5.6])
    page.para('', after=16)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    runs = []
    for k, a in enumerate(authors):
        runs.append(a)
        if k == corr:
            runs.append(('*', {'sup': True}))
        if k < len(authors) - 1:
            runs.append('\u2003')
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    page.para('%s%s，%s %s' % (s[0], t['unit'], s[2], s[3]), size=9, align='c', after=12)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9.5, align='j', after=4)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(t['kws'])], size=9.5, after=14)
    page.para(('1\u2002问题提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5, after=20)
    page.para('*通讯作者：%s，E-mail：%s@%s.edu.cn' % (authors[corr], 'jsxh%03d' % rng.randint(1, 999),
                                                  rng.choice(['smu', 'sgu', 'lsu', 'njtc'])), size=8)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def workingpaper_disclaimer(rng):
    """A law school's working paper: the series and number in a shaded band on top, the title, the
    author(s) with the date, 摘要 and 关键词, and at the foot a framed notice that the paper is a draft
    for discussion, with the address for comments."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的法律规制', '{c}{s}{a}中的权利配置', '论{s}{a}的司法保护'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    series = '%s%s工作论文\u3000No.%d-%02d' % (s[0], rng.choice(['法学院', '地方法治研究中心']), year, rng.randint(1, 40))
    page.table([[(series, {'bold': True, 'size': 11})]], widths_cm=[16.0], align=rng.choice(['l', 'c']), shade=(0,),
               fill=rng.choice(['D9D9D9', 'C9D9C0']))
    page.para('', after=40)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=14)
    page.para('\u3000'.join(authors), size=13, align='c', cjk=rng.choice(KAI + SONG), after=4)
    page.para(_when(rng, year, rng.randint(1, 12)), size=11, align='c', after=30)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=10, align='j', indent=0, after=6)
    page.para([('关键词：', {'bold': True}), '\u3000'.join(t['kws'])], size=10, after=60)
    note = ('本文系作者研究中的初稿，仅供学术交流，不代表所在机构的立场。欢迎批评指正；引用或转载请事先征得作者同意。'
            '\n联系地址：%s%s，%s %s' % (s[0], t['unit'], s[2], s[3]))
    page.table([[note]], widths_cm=[16.0], size=8.5, grid=True, align='l')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def fourcolumn_bachelor(rng):
    """A drama, literature or law bachelor's thesis cover: the school, 本科毕业论文, the title on an
    underlined line after 题目, and the particulars in a framed four-column table (label, value, label,
    value) whose last row holds an empty 成绩 cell beside the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}初探', '浅析{s}的{a}', '{c}{s}{a}调查'])
    s = t['school']
    year = rng.randint(2009, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + SONG)}), align='c', before=30, after=6)
    page.para((rng.choice(['本科毕业论文', '本科毕业论文（设计）', '学士学位论文']), {'size': 22, 'bold': True,
                                                             'cjk': rng.choice(HEI)}), align='c', after=50)
    page.para([('题\u3000目：', {'bold': True}), (t['title'], {'u': True, 'size': rng.choice([15, 16])})], size=15,
              align='c', after=50)
    rows = [[('学\u3000院', {'bold': True}), t['unit'], ('专\u3000业', {'bold': True}), t['major']],
            [('学生姓名', {'bold': True}), student, ('学\u3000号', {'bold': True}), str(rng.randint(2005000000, 2022999999))],
            [('指导教师', {'bold': True}), sup, ('职\u3000称', {'bold': True}), rng.choice(['教授', '副教授', '讲师'])],
            [('完成日期', {'bold': True}), _when(rng, year, 5), ('成\u3000绩', {'bold': True}), '']]
    _fixed(page.table(rows, widths_cm=[2.6, 4.6, 2.4, 5.0], size=12, grid=True, align=['c', 'l', 'c', 'l'],
                      shade=(0, 2) if rng.random() < 0.5 else ()), [2.6, 4.6, 2.4, 5.0])
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-calligraphymaster-stackedtitlelabelcell': stacked_label_cover,
             'gen-zh-sociolawjournal-orcidline-shadedabstractbox': orcid_journal,
             'gen-zh-teachered-conference-threecellheader-corrstar': conference_threecell,
             'gen-zh-lawschool-workingpaper-draftnoticefoot': workingpaper_disclaimer,
             'gen-zh-dramabachelor-fourcolumnparticulars-gradecell': fourcolumn_bachelor}
