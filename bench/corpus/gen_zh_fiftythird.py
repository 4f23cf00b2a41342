"""A fifty-third set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the history, archaeology, literature, linguistics, religion, music and film of
schools of their own."""
from genbase import zh_date, zh_person
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, unit_line as _unit, zh_body,
                   zh_finish as _finish, zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('安阳师范学院', 'Anyang Normal University', '安阳', '455000', '河南'),
           ('绍兴文理学院', 'Shaoxing University', '绍兴', '312000', '浙江'),
           ('泉州师范学院', 'Quanzhou Normal University', '泉州', '362000', '福建')]
DOMAINS = [dict(subjects={'殷墟甲骨文': ['甲骨卜辞释读', '甲骨缀合整理'], '妇好墓青铜器': ['青铜器铭文考释', '青铜礼器组合'],
                          '汤阴岳飞庙': ['岳庙碑刻整理', '岳飞故事的民间叙事']},
                contexts=['殷都区', '龙安区', '文峰区'], units=['历史与考古学院', '文学院', '甲骨文信息处理实验室'],
                majors=['考古学', '中国古代史', '古典文献学']),
           dict(subjects={'绍兴莲花落': ['莲花落曲目整理', '莲花落方言韵律'], '兰亭书法': ['兰亭序版本流传', '碑帖收藏史'],
                          '嵊州越剧': ['越剧唱腔流派', '越剧女班史料']},
                contexts=['柯桥区', '嵊州市', '诸暨市'], units=['人文学院', '音乐学院', '兰亭书法艺术学院'],
                majors=['中国现当代文学', '音乐学', '美术学（书法）']),
           dict(subjects={'泉州南音': ['南音工尺谱释读', '南音弦管社团'], '开元寺石刻': ['寺院碑铭考释', '印度教石刻图像'],
                          '惠安女服饰': ['服饰纹样的象征意义', '惠安女歌谣']},
                contexts=['鲤城区', '晋江市', '惠安县'], units=['文学与传播学院', '音乐与舞蹈学院', '海上丝绸之路研究院'],
                majors=['语言学及应用语言学', '宗教学', '艺术学理论'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文依据出土材料、传世文献与田野访谈，梳理这一地方文化遗存的源流与演变，讨论其文本、图像与仪式之间的关系，并对若干旧说提出修正意见。'
RANKS = ['教授', '副教授', '研究员']


def _topic(rng, forms):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def excavation_brief(rng):
    """An archaeology journal's excavation brief: the journal and issue over a rule, the title, the
    excavating institutions as the byline, the abstract, the text, and at its end the leader of the dig
    (领队, no author) and the writers in parentheses (执笔), who are the authors."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{c}所见{s}与{a}', '{c}新见{s}的{a}', '{s}：{c}调查简报'])
    year = rng.randint(2010, 2026)
    writers = _people(rng, rng.randint(1, 4))
    leader = _people(rng, 1, writers)[0]
    page.para('%s\u3000%d年第%d期' % (rng.choice(['中原文物考古', '殷商考古通讯', '华夏田野考古']), year, rng.randint(1, 6)),
              size=9, align=rng.choice(['l', 'r']), rule='bottom', after=rng.choice([14, 20]))
    _title(page, rng, t['title'], (18, 20), after=8)
    inst = [t['school'][0] + t['d']['units'][0], '%s文物保护管理所' % rng.choice(t['d']['contexts'])]
    page.para('\u3000'.join(inst[:rng.randint(1, 2)]), size=11, align='c', cjk=rng.choice(KAI), after=12)
    page.para([_bold('内容摘要：', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('关键词：', rng), '\u3000'.join(t['kws'])], size=9, after=12)
    zh_body(page, BODY, 3)
    page.para('发掘领队：%s' % leader, size=10, align='r', after=0)
    page.para('（执笔：%s）' % rng.choice(['\u3000', '、']).join(writers), size=10, align='r', after=0)
    return _finish(page, rng, t['title'], writers, year, t['kws'])


def literature_journal_footline(rng):
    """A literature journal article: only a column tag at the top, the title, the byline, the units in
    one line, the abstract and keywords in a framed box, the text, and the journal, issue and folio in
    a line at the foot of the page (the only place the year stands)."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}文本中的{a}', '论{c}{s}与{a}', '{a}：以{s}为中心'])
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para(rng.choice(['◎', '■', '●']) + rng.choice(['地方文学研究', '古代文学与文献', '民间文艺研究']), size=10,
              cjk=rng.choice(HEI), align='l', after=rng.choice([18, 26]))
    _title(page, rng, t['title'], (18, 20, 22), after=10)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI), after=3)
    page.para('（%s）' % _unit(t, rng), size=9, align='c', after=12)
    box = [('内容提要：', {'bold': True, 'size': 9}), (BODY + '\n', {'size': 9}), ('关 键 词：', {'bold': True, 'size': 9}),
           ('\u3000'.join(t['kws']), {'size': 9})]
    sized_table(page, [[box]], [15.0], align=['l'], grid=True)
    page.para('', after=10)
    zh_body(page, BODY, 4)
    page.para('%s\u3000%d年第%d期\u3000·%d·' % (rng.choice(['越地文学评论', '东南文艺学刊', '中州文学研究']), year, rng.randint(1, 6),
                                          rng.randint(20, 160)), size=8.5, align=rng.choice(['c', 'r']), rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def linguistics_conf_pinyin(rng):
    """A linguistics conference paper: the conference on the left and "论文编号" on the right in one
    head row, the Chinese title and the English one under it, the authors in a table whose first row
    holds their Chinese names and whose second holds their pinyin, the unit, the abstract and the text."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}{a}的语言学考察', '{c}{s}中的{a}', '{a}的语料库研究'])
    year = rng.randint(2011, 2026)
    people, n = [], rng.randint(1, 4)
    while len(people) < n:
        p = zh_person(rng)
        if p[0] not in [q[0] for q in people]:
            people.append(p)
    authors = [p[0] for p in people]
    sized_table(page, [['第%d届全国方言与地方文化学术研讨会·%d' % (rng.randint(4, 20), year),
                        '论文编号：%s-%03d' % (rng.choice(['FY', 'YY', 'WH']), rng.randint(1, 240))]],
                [11.0, 5.0], size=8.5, align=['l', 'r'])
    page.para('', rule='bottom', after=16)
    _title(page, rng, t['title'], (16, 18), after=4)
    page.para(('A Study of %s' % rng.choice(['Dialect Vocabulary', 'Local Oral Texts', 'Regional Singing Traditions']),
               {'italic': True}), size=11, align='c', after=10)
    sized_table(page, [[(a, {'size': 12, 'cjk': rng.choice(KAI)}) for a in authors], [(p[1], {'size': 8.5}) for p in people]],
                [3.2] * len(people), align='c')
    page.para('（%s）' % _unit(t, rng), size=9, align='c', before=6, after=10)
    page.para([_bold('摘要：', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9, after=10)
    zh_body(page, BODY, 3, 10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def religion_doctor_captions(rng):
    """A doctoral thesis title page of religion or history: the school and "博士学位论文", the title,
    then the particulars as signature blocks in a two-by-two grid: each value large, a rule, and its
    caption small UNDER it (学位申请人, 指导教师, 学科专业, 研究方向), and the date in Chinese numerals."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}与{a}研究', '{c}{s}的宗教文化史', '{a}视野下的{s}'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para((t['school'][0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=6)
    page.para(rng.choice(['博士学位论文', '博 士 学 位 论 文']), size=22, bold=True, align='c', after=rng.choice([50, 70]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([60, 80]))

    def block(value, caption):
        return [(value + '\n', {'size': 15, 'cjk': rng.choice(KAI + SONG)}), ('\u2014' * 10 + '\n', {'size': 8}),
                (caption, {'size': 9})]
    pairs = [block(student, '学位申请人'), block('%s\u2002%s' % (tutor, rng.choice(RANKS)), '指导教师'),
             block(t['major'], '学科专业'), block(t['a'], '研究方向')]
    if rng.random() < 0.5:
        pairs[0], pairs[1] = pairs[1], pairs[0]
    sized_table(page, [pairs[:2], pairs[2:]], [7.5, 7.5], align=['c', 'c'])
    page.para('', after=rng.choice([50, 70]))
    page.para(zh_date(year, rng.randint(4, 6)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def fund_project_final_report(rng):
    """A funded humanities project's final report cover: the grant number in a framed cell at the top
    right, the fund's name and "结项报告", the project name (the title), then the leader (项目负责人) and
    the members (课题组成员) who are the authors in that order, the unit and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}资料整理与{a}', '{c}{s}的{a}', '{s}文献的搜集、整理与研究'])
    year = rng.randint(2012, 2026)
    team = _people(rng, rng.randint(1, 5))
    sized_table(page, [['项目批准号：%d%s%s%03d' % (year % 100 - rng.randint(2, 4), rng.choice(['B', 'C', 'Y']),
                                              rng.choice(['ZS', 'ZW', 'ZJ', 'YS']), rng.randint(1, 199))]],
                [6.0], size=10, align=['c'], grid=True).alignment = 2
    page.para('', after=rng.choice([30, 40]))
    page.para(rng.choice(['国家社会科学基金项目', '%s省哲学社会科学规划项目' % t['school'][4], '教育部人文社会科学研究项目']), size=16,
              align='c', cjk=rng.choice(HEI), after=6)
    page.para(rng.choice(['结项报告', '结 项 报 告', '最终成果结项报告']), size=24, bold=True, align='c', after=rng.choice([40, 56]))
    page.para([_bold('项目名称：', rng), (t['title'], {'size': 16, 'bold': True})], size=14, align='c', after=rng.choice([30, 44]))
    page.para('项目负责人：%s' % team[0], size=14, align='c', after=8)
    if len(team) > 1:
        page.para('课题组成员：%s' % rng.choice(['、', '\u3000']).join(team[1:]), size=14, align='c', after=8)
    page.para('责任单位：%s%s' % (t['school'][0], t['unit']), size=14, align='c', after=rng.choice([40, 60]))
    page.para('%d年%d月' % (year, rng.randint(1, 12)), size=14, align='c')
    return _finish(page, rng, t['title'], team, year)


def film_journal_author_card(rng):
    """An arts or film journal article: the journal and issue in a head line, the title across the page,
    then one row of two cells: the abstract and keywords on the left, and on the right a shaded card
    with the authors one to a line, each with a small unit line under the name; then the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的影像书写与{a}', '纪录片中的{s}：{a}', '{c}{s}的视听呈现'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u3000%d年第%d期（总第%d期）' % (rng.choice(['影视与戏曲研究', '东南影像评论', '视听艺术学刊']), year,
                                          rng.randint(1, 12), rng.randint(60, 320)), size=8.5, align='l', rule='bottom', after=16)
    _title(page, rng, t['title'], (18, 20), align=rng.choice(['l', 'c']), after=12)
    left = [('［摘要］', {'bold': True, 'size': 9}), (BODY + '\n', {'size': 9}), ('［关键词］', {'bold': True, 'size': 9}),
            ('；'.join(t['kws']), {'size': 9})]
    card = []
    for a in authors:
        card += [(a + '\n', {'size': 11, 'bold': True, 'cjk': rng.choice(KAI + HEI)}),
                 ('%s%s\n' % (t['school'][0], rng.choice(t['d']['units'])), {'size': 7.5})]
    card[-1] = (card[-1][0].rstrip('\n'), card[-1][1])
    sized_table(page, [[left, card]], [11.5, 4.5], align=['l', 'l'], shade=(1,), fill=rng.choice(['F2F2F2', 'EDE7F6', 'FFF2CC']))
    page.para('', after=10)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-archaeologybrief-institutionbyline-writersinparensattextend': excavation_brief,
             'gen-zh-literaturejournal-columntagonly-abstractframe-journalfolioatfoot': literature_journal_footline,
             'gen-zh-linguisticsconf-paperidright-englishsubline-pinyinrowundernames': linguistics_conf_pinyin,
             'gen-zh-religiondoctor-titlepage-valuesovercaptions-twobytwogrid': religion_doctor_captions,
             'gen-zh-fundproject-finalreportcover-grantnoframe-leaderthenmembers': fund_project_final_report,
             'gen-zh-filmjournal-abstractleft-shadedauthorcardright': film_journal_author_card}
