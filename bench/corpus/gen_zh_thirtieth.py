"""A thirtieth set of Chinese first pages of papers, theses and briefings, in house styles the earlier
sets lack, in the humanities, law, economics, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('河池学院', 'Hechi University', '宜州', '546300', '广西'),
           ('安顺学院', 'Anshun University', '安顺', '561000', '贵州'),
           ('文山学院', 'Wenshan University', '文山', '663099', '云南'),
           ('龙岩学院', 'Longyan University', '龙岩', '364012', '福建')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'东兰铜鼓': ['祭仪变迁', '乡村振兴中的活态保护'], '刘三姐歌谣': ['传唱群体', '版权归属'],
                          '白裤瑶服饰': ['织绣技艺', '研学课程']},
                contexts=['东兰县', '南丹县', '宜州区'], units=['文学与传媒学院', '艺术学院', '政法学院'],
                majors=['汉语言文学', '音乐学', '法学'], field='桂西北民族文化'),
           dict(subjects={'安顺地戏': ['面具造型', '村落演剧组织'], '屯堡村寨': ['宗族秩序', '旅游开发纠纷'],
                          '布依族蜡染': ['图案母题', '合作社经营']},
                contexts=['西秀区', '平坝区', '普定县'], units=['人文学院', '美术学院', '经济管理学院'],
                majors=['历史学', '美术学', '经济学'], field='黔中屯堡文化'),
           dict(subjects={'富宁壮剧': ['剧本流变', '班社生计'], '句町古国': ['史料考辨', '地方志书写'],
                          '广南坝美': ['村规民约', '生态旅游收益']},
                contexts=['富宁县', '广南县', '丘北县'], units=['人文学院', '教师教育学院', '经济与管理学院'],
                majors=['戏剧影视文学', '小学教育', '旅游管理'], field='滇东南边疆文化'),
           dict(subjects={'闽西汉剧': ['声腔艺术', '票友社群'], '四堡雕版印刷': ['书坊经营', '刻工群体'],
                          '长汀客家祠堂': ['族产管理', '修谱实践']},
                contexts=['连城县', '长汀县', '永定区'], units=['文学与传媒学院', '师范教育学院', '经济与管理学院'],
                majors=['汉语言文学', '教育学', '经济学'], field='闽西客家文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}考论', '{s}{a}问题新探', '论{s}的{a}', '{s}{a}：基于{c}的考察']
BODY = '本文立足于文献梳理与实地访谈，围绕相关问题展开讨论，力图揭示其内在逻辑与现实意义，并就今后的研究提出若干设想。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _widths(table, widths_cm):
    """Column widths the converter keeps: the table's grid, not only its cells."""
    table.autofit = False
    for col, w in zip(table.columns, widths_cm):
        col.width = Cm(w)
    return table


def _body(page, rng, head, n=3):
    page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * n * 2, align='j', indent=21, line=1.3, size=10.5, after=6)


def philosophy_epigraph(rng):
    """A philosophy or literature journal's first page: the journal and issue left, the page right,
    the title with a subtitle after a dash, the authors in 楷, then an epigraph set right in 楷 with
    its source, 摘要 and 关键词 in a smaller size, the text; the dates at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的{a}', '{s}与{a}的哲学反思', '{s}{a}的伦理意蕴'])
    s = t['school']
    year = rng.randint(2004, 2026)
    authors = _people(rng, rng.randint(1, 2))
    page.table([['%s\u2002%d年第%d期' % (rng.choice(['人文杂志', '思想与文化', '%s学报（哲学社会科学版）' % s[0]]),
                                      year, rng.randint(1, 6)), '·%d·' % rng.randint(1, 160)]],
               widths_cm=[12.0, 4.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=4)
    page.para('——以%s为中心' % rng.choice(t['d']['contexts']), size=13, align='c', cjk=rng.choice(SONG), after=8)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI), after=14)
    quote = rng.choice(['礼失而求诸野。', '人能弘道，非道弘人。', '文变染乎世情，兴废系乎时序。'])
    src = rng.choice(['——《汉书·艺文志》', '——《论语·卫灵公》', '——刘勰《文心雕龙·时序》'])
    page.para(quote, size=10.5, align='r', cjk=rng.choice(KAI), after=0)
    page.para(src, size=10, align='r', cjk=rng.choice(KAI), after=12)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '\u3000']).join(t['kws'])], size=9, after=12)
    _body(page, rng, rng.choice(['一、引论', '一', '引\u3000论']), 4)
    page.para('', rule='bottom', after=2)
    page.para('收稿日期：%d-%02d-%02d\u3000作者简介：%s。' % (
        year - 1, rng.randint(1, 12), rng.randint(1, 28),
        '；'.join('%s，%s%s%s' % (a, s[0], t['unit'], rng.choice(['教授', '副教授', '讲师'])) for a in authors)),
        size=8.5, align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def law_bachelor_twintitles(rng):
    """A law school's bachelor thesis cover: 本科毕业论文 with the school, then a grid whose first two
    rows hold 中文题目 and 外文题目, then the student, number, school, major, the 指导教师 with title
    and the date; a declaration line at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的法律问题研究', '论{s}{a}的法律规制', '{c}{s}{a}纠纷解决机制研究'])
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('', after=20)
    page.para((s[0], {'size': rng.choice([28, 32]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=8)
    page.para((rng.choice(['本科毕业论文', '本科毕业论文（设计）', '学士学位论文']), {'size': rng.choice([22, 26]),
                                                                'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=46)
    english = rng.choice(['A Legal Study of Local Customs', 'On the Regulation of Folk Heritage',
                          'Dispute Resolution in Rural Communities'])
    rows = [('中文题目', t['title']), ('外文题目', english), ('学生姓名', student),
            ('学\u3000\u3000号', '%d%07d' % (year - 4, rng.randint(1, 9999999))), ('学\u3000\u3000院', '政法学院'),
            ('专\u3000\u3000业', rng.choice(['法学', '法学（知识产权方向）'])),
            ('指导教师', sup), ('职\u3000\u3000称', rng.choice(['教授', '副教授', '讲师'])),
            ('完成时间', zh_date(year, 5) if rng.random() < 0.5 else '%d年5月' % year)]
    widths = [3.2, 10.0]
    _widths(page.table([[(k, {'bold': True}), v] for k, v in rows], widths_cm=widths, size=rng.choice([12, 13]),
                       grid=rng.random() < 0.6, align=['c', 'l'], shade=(0,) if rng.random() < 0.4 else ()), widths)
    page.para('', after=30)
    page.para('%s教务处制' % s[0], size=11, align='c', after=0)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def econ_briefing(rng):
    """An economics institute's research briefing: its name large, the issue and the running number,
    the editor and date over a thick rule, the title, the authors in parentheses with their posts,
    【内容提要】 in a frame, the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的经济账', '推动{c}{s}{a}高质量发展的建议', '{s}{a}的收益与风险'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para((rng.choice(['研究简报', '决策参考', '智库要报']), {'size': rng.choice([30, 36]), 'bold': True,
                                                           'cjk': rng.choice(SONG + HEI)}), align='c', after=4)
    page.para('%d年第%d期（总第%d期）' % (year, rng.randint(1, 24), rng.randint(30, 400)), size=12, align='c', after=10)
    page.table([['%s%s研究院\u2002编' % (s[0], t['d']['field']), '%d年%d月%d日' % (year, rng.randint(1, 12),
                                                                          rng.randint(1, 28))]],
               widths_cm=[9.0, 7.0], size=11, align=['l', 'r'])
    page.para('', rule='bottom', after=2)
    page.para('', rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=6)
    page.para('（%s）' % '；'.join('%s，%s%s%s' % (a, s[0], t['unit'], rng.choice(['教授', '副研究员', '博士']))
                                  for a in authors), size=10.5, align='c', cjk=rng.choice(KAI), after=12)
    page.table([[[('【内容提要】', {'bold': True}), BODY * 2]]], widths_cm=[16.0], size=10, grid=True, align='l')
    page.para('', after=8)
    _body(page, rng, rng.choice(['一、基本情况', '一、现状与问题']), 3)
    return _finish(page, rng, t['title'], authors, year)


def teaching_paper(rng):
    """A school teacher's teaching paper: a one-row grid on top with 学段, 学科, 作者 and 单位, the
    title, 【内容摘要】 and 【关键词】, the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}融入初中{a}教学的实践', '在小学课堂中讲好{s}：{a}的尝试', '{s}{a}的课例研究'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 2))
    school = '%s%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['第一', '第二', '民族', '实验']),
                         rng.choice(['中学', '小学']))
    page.para(rng.choice(['%s教育学会%d年度教学论文' % (s[4], year), '%d年基础教育教学论文' % year]), size=9,
              align='r', cjk=rng.choice(KAI), after=4)
    page.table([['学段', rng.choice(['初中', '小学', '高中']), '学科', rng.choice(['语文', '音乐', '美术', '道德与法治']),
                 '作者', '、'.join(authors), '单位', school]],
               widths_cm=[1.3, 1.5, 1.3, 2.2, 1.3, 3.6, 1.3, 4.0], size=9.5, grid=True, align='c',
               shade=(0, 2, 4, 6) if rng.random() < 0.5 else ())
    page.para('', after=14)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=12)
    page.para([('【内容摘要】', {'bold': True}), BODY * 2], size=10, align='j', cjk=rng.choice(KAI + SONG), after=4)
    page.para([('【关键词】', {'bold': True}), '\u3000'.join(t['kws'])], size=10, after=12)
    _body(page, rng, rng.choice(['一、问题的提出', '一、设计思路']), 4)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def arts_titlenote(rng):
    """An arts journal's first page: the journal line with an ISSN right, the title with a circled
    note mark, the authors flush right after 文／, the unit and postcode, 摘要 and 关键词 indented by
    two characters, the text, and the circled note on the project at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的艺术人类学考察', '{s}{a}与审美经验', '论{c}{s}的{a}'])
    s = t['school']
    year = rng.randint(2006, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.table([['%s\u2002%d年第%d期' % (rng.choice(['民族艺林', '艺术探索', '艺苑']), year, rng.randint(1, 6)),
                 'ISSN %04d-%04d' % (rng.randint(1000, 9999), rng.randint(1000, 9999))]],
               widths_cm=[10.0, 6.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=18)
    page.para([(t['title'], {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.7}), ('①', {'sup': True, 'size': 12})],
              align=rng.choice(['c', 'l']), cjk=rng.choice(HEI + SONG), after=8)
    page.para('%s\u2002%s' % (rng.choice(['文／', '文 /', '□']), '\u3000'.join(authors)), size=12, align='r',
              cjk=rng.choice(KAI), after=2)
    page.para('（%s%s，%s\u2002%s\u2002%s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='r', after=14)
    page.para([('摘要：', {'bold': True}), BODY * 2], size=9.5, align='j', indent=19, after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, indent=19, after=12)
    _body(page, rng, rng.choice(['一、引言', '一']), 4)
    page.para('', rule='bottom', after=2)
    page.para('①本文为%s省哲学社会科学规划项目“%s”（%dYJ%03d）的阶段性成果。' % (
        s[4], t['s'] + '研究', year - 1, rng.randint(1, 200)), size=8.5, align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def case_comment(rng):
    """A law journal's case comment: a column box 判例研究 at the top left, the title, the authors,
    a framed 【裁判要旨】 before 摘要 and 关键词, then 一、基本案情."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}案评析', '{c}{s}{a}纠纷案的裁判思路', '{s}{a}案中的权利冲突'])
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 2))
    page.table([[(rng.choice(['判例研究', '案例评析', '司法案例']), {'bold': True}), '']], widths_cm=[3.0, 13.0],
               size=11, grid=False, align=['c', 'l'], shade=(0,), fill=rng.choice(['BFBFBF', 'D9D9D9']))
    page.para('%s\u2002%d年第%d期' % (rng.choice(['法律适用研究', '民间法评论', '西南法学']), year, rng.randint(1, 12)),
              size=9, align='r', after=16)
    page.para((t['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=14)
    page.table([[[('【裁判要旨】', {'bold': True}), '涉及%s的纠纷，应当兼顾当事人约定、地方习惯与公共利益，'
                  '不得以习惯替代法律的强制性规定。' % t['s']]]], widths_cm=[16.0], size=10, grid=True, align='l')
    page.para('', after=8)
    page.para([('摘\u3000要：', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=12)
    _body(page, rng, '一、基本案情', 3)
    page.para('', rule='bottom', after=2)
    page.para('作者简介：' + '；'.join('%s，%s%s%s' % (a, s[0], t['unit'], rng.choice(['讲师', '副教授', '法学博士']))
                                  for a in authors) + '。', size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-philjournal-epigraphquote': philosophy_epigraph,
             'gen-zh-lawbachelor-twintitlerows': law_bachelor_twintitles,
             'gen-zh-econ-briefing-thickrule': econ_briefing,
             'gen-zh-edu-teachingpaper-gradestrip': teaching_paper,
             'gen-zh-artjournal-titlenote-slashbyright': arts_titlenote,
             'gen-zh-law-casecomment-holdingbox': case_comment}
