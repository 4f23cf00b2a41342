"""A fifty-first set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, management, education and arts of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, unit_line as _unit, zh_body,
                   zh_finish as _finish, zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('衡水学院', 'Hengshui University', '衡水', '053000', '河北'),
           ('邢台学院', 'Xingtai University', '邢台', '054001', '河北'),
           ('肇庆学院', 'Zhaoqing University', '肇庆', '526061', '广东')]
DOMAINS = [dict(subjects={'衡水内画': ['内画鼻烟壶技艺传承', '内画作坊经营'], '武强年画': ['年画雕版收藏', '年画题材演变'],
                          '衡水老白干酒业': ['老白干商标纠纷', '酒坊账簿研究']},
                contexts=['武强县', '深州市', '枣强县'], units=['文学与传播学院', '法学院', '美术学院'],
                majors=['艺术学理论', '民商法学', '美术学']),
           dict(subjects={'邢窑白瓷': ['邢窑窑址考古', '白瓷仿制工艺'], '内丘神码': ['神码木版刻印', '神码民俗功能'],
                          '威县乱弹': ['乱弹剧目整理', '乱弹剧团经营']},
                contexts=['临城县', '内丘县', '威县'], units=['历史文化学院', '教育学院', '经济管理学院'],
                majors=['中国史', '课程与教学论', '文化产业管理']),
           dict(subjects={'端砚': ['砚坑开采管制', '端砚雕刻流派'], '广宁竹编': ['竹编合作社治理', '竹编出口贸易'],
                          '德庆龙母诞': ['龙母诞祭典仪式', '龙母信俗传播']},
                contexts=['高要区', '广宁县', '德庆县'], units=['文学院', '政法学院', '经济与管理学院'],
                majors=['民俗学', '法律（非法学）', '区域经济学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文以田野调查、口述材料与地方档案为据，考察这一地方传统在当代社会中的传承方式、经营形态与制度环境，分析其面临的困境，并从法律、教育与产业的角度提出对策。'
RANKS = ['教授', '副教授', '研究员']


def _topic(rng, forms):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms)


def xuebao_right_byline(rng):
    """A school's social science journal: the journal and the issue in one ruled head row, the
    title flush left, the byline and the unit line flush RIGHT under it, the abstract block, and a
    framed cell at the foot with the received date and the authors' notes."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}与{a}研究', '{c}{a}的历史考察', '论{s}的{a}'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    sized_table(page, [['%s学报（%s）' % (t['school'][0], rng.choice(['社会科学版', '哲学社会科学版'])),
                        '第%d卷\u2002第%d期\u2002%d年%d月' % (rng.randint(20, 42), rng.randint(1, 6), year, rng.randint(1, 12))]],
                [9.0, 7.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([16, 24]))
    _title(page, rng, t['title'], (18, 20, 22), 'l', after=10)
    page.para(rng.choice(['，', '\u3000']).join(authors), size=12, align='r', cjk=rng.choice(KAI), after=2)
    page.para('（%s）' % _unit(t, rng), size=9, align='r', after=14)
    page.para([_bold('摘\u3000要：', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9, after=3)
    page.para('中图分类号：K%d\u3000文献标识码：A' % rng.randint(200, 899), size=9, after=12)
    zh_body(page, BODY, 3)
    notes = '收稿日期：%s\n作者简介：%s' % (zh_date(year - 1, rng.randint(1, 12)), '；'.join(
        '%s（%d—），%s，%s' % (a, rng.randint(1965, 1995), rng.choice(['男', '女']), rng.choice(RANKS + ['讲师'])) for a in authors))
    sized_table(page, [[notes]], [15.5], size=8, align=['l'], grid=True)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def law_master_framed_title(rng):
    """A law master's thesis cover: the student number at top right, the school and the degree, the
    label 论文题目 over a framed cell holding the title, then centred "label：value" lines whose
    values are underlined, and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的法律规制', '{c}{a}中的法律问题研究', '{a}的司法保护'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para('学号：%d%06d' % (year - 3, rng.randint(0, 999999)), size=10, align='r', after=rng.choice([30, 50]))
    page.para((t['school'][0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=8)
    page.para(rng.choice(['法律硕士专业学位论文', '硕士学位论文（法律硕士）']), size=20, bold=True, align='c', after=rng.choice([40, 60]))
    page.para(rng.choice(['论文题目', '论\u2002文\u2002题\u2002目']), size=13, bold=True, align='l', after=4)
    sized_table(page, [[(t['title'], {'size': rng.choice([18, 20]), 'bold': True})]], [15.0], align=['c'], grid=True)
    page.para('', after=rng.choice([40, 60]))
    rows = [('申\u2002请\u2002人', student), ('专业学位类别', rng.choice(['法律（法学）', '法律（非法学）'])),
            ('指导教师', '%s\u3000%s' % (tutor, rng.choice(RANKS))), ('所在学院', t['school'][0] + rng.choice(['法学院', '政法学院']))]
    for label, value in rows:
        page.para([label + '：', ('\u2002' + value + '\u2002', {'u': True})], size=14, align='c', after=8)
    page.para('', after=rng.choice([30, 50]))
    page.para('%d年%d月' % (year, rng.randint(4, 6)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def conference_oral_paper(rng):
    """A paper of a national symposium: a head row with a shaded cell "会议论文 · 分会场 Sx-yy" on the
    left and the symposium on the right, the title, the authors with superscript numbers, the units
    numbered one to a line, the line "报告形式：口头报告", the abstract, and the text in two columns
    with the corresponding author's e-mail at the foot."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}的{a}', '{c}{a}调查报告', '{a}与乡村振兴'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(2, 4))
    units = [_unit(t, rng), '%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['文化馆', '非物质文化遗产保护中心', '文化广电和旅游局']))]
    nums = [1] + [rng.choice([1, 2]) for _ in authors[1:]]
    if 2 not in nums:
        nums[-1] = 2
    sized_table(page, [[('会议论文\u2002·\u2002分会场 S%d-%02d' % (rng.randint(1, 6), rng.randint(1, 20)), {'bold': True}),
                        '第%d届全国民间文化遗产保护学术研讨会（%d）' % (rng.randint(3, 15), year)]],
                [6.0, 10.0], size=9, align=['c', 'r'], shade=(0,), fill=rng.choice(['D9E1F2', 'FCE4D6', 'E2EFDA']))
    page.para('', after=16)
    _title(page, rng, t['title'], (16, 18), after=8)
    page.para([x for a, n in zip(authors, nums) for x in (a, (str(n), {'sup': True}), '，')][:-1], size=12, align='c',
              cjk=rng.choice(KAI), after=4)
    for k, u in enumerate(units):
        page.para('%d. %s' % (k + 1, u), size=8.5, align='c', after=0)
    page.para(rng.choice(['报告形式：口头报告', '报告形式：口头报告（15分钟）']), size=9, bold=True, align='c', before=6, after=10)
    page.para([_bold('摘要：', rng), BODY], size=9, align='j', after=3)
    page.para([_bold('关键词：', rng), '，'.join(t['kws'])], size=9, after=8)
    page.columns(2)
    zh_body(page, BODY, 3, 9.5)
    page.para('通讯作者：%s，E-mail：%s@%s' % (authors[-1], rng.choice(['wenhua', 'minsu', 'yichan']) + str(rng.randint(10, 99)),
                                         rng.choice(['163.com', '126.com'])), size=8, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def edited_volume_chapter(rng):
    """A chapter of an edited collection: a shaded banner naming the book and its editors (主编, no
    authors of the chapter), the chapter's number, the title, the byline with an asterisk, a short
    提要 and the text, and the asterisk note about the author at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的文化记忆与{a}', '从{a}看{s}', '{c}{s}的社会史'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 2))
    editors = _people(rng, rng.randint(1, 2), authors)
    book = rng.choice(['燕赵民间艺术研究', '岭南民俗文化论丛', '华北乡土社会研究'])
    sized_table(page, [['《%s》第%d辑\u3000\u3000%s\u2002主编\u3000\u3000%d年' % (book, rng.randint(1, 12), '　'.join(editors), year)]], [16.0], size=9,
                align=['c'], shade=(0,), fill=rng.choice(['D9D9D9', 'EDEDED', 'DDEBF7']))
    page.para('', after=rng.choice([20, 30]))
    page.para(rng.choice(['第%s编', '专题%s']) % rng.choice('一二三四'), size=11, align='c', cjk=rng.choice(HEI), after=6)
    _title(page, rng, t['title'], (18, 20), after=10)
    page.para([x for a in authors for x in (a, ('＊', {'sup': True}), '\u3000')][:-1], size=12, align='c', cjk=rng.choice(KAI), after=12)
    page.para([_bold('提要：', rng), BODY], size=9.5, align='j', cjk=rng.choice(KAI), after=12)
    zh_body(page, BODY, 3)
    page.para('＊' + '；'.join('%s，%s%s%s' % (a, t['school'][0], rng.choice(t['d']['units']), rng.choice(RANKS + ['讲师'])) for a in authors)
              + '。', size=8.5, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year)


def team_survey_report(rng):
    """A student team's survey report cover: the school and "大学生社会调查报告", the line
    "调研题目：" with the title, a framed member grid of name and student number whose first row is
    the team leader (项目负责人), the 指导教师 line, and the date. The authors are the team read in
    grid order; the tutor is the supervisor."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}现状调查', '{s}{a}调研', '关于{c}{a}的调查'])
    year = rng.randint(2013, 2026)
    team = _people(rng, rng.randint(2, 5))
    tutor = _people(rng, 1, team)[0]
    page.para((t['school'][0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI)}), align='c', after=8)
    page.para(rng.choice(['大学生社会调查报告', '大学生暑期调研报告']), size=22, bold=True, align='c', after=rng.choice([40, 56]))
    page.para([_bold('调研题目：', rng), (t['title'], {'size': 16, 'bold': True})], size=14, align='l', after=rng.choice([24, 36]))
    rows = [[('', {}), ('姓\u3000名', {'bold': True}), ('学\u3000号', {'bold': True})]]
    for k, a in enumerate(team):
        rows.append(['项目负责人' if k == 0 else '成员', a, '%d%07d' % (year - rng.randint(1, 3), rng.randint(0, 9999999))])
    sized_table(page, rows, [3.2, 4.0, 5.0], size=12, align='c', grid=True)
    page.para('', after=rng.choice([20, 30]))
    page.para('指导教师：%s\u3000%s' % (tutor, rng.choice(RANKS + ['讲师'])), size=14, align='c', after=8)
    page.para('所在学院：%s%s' % (t['school'][0], t['unit']), size=14, align='c', after=rng.choice([40, 60]))
    page.para('%d年%d月' % (year, rng.randint(7, 10)), size=14, align='c')
    return _finish(page, rng, t['title'], team, year, supervisor=tutor)


def hosted_column_article(rng):
    """A journal article in a hosted column: one row of two cells, a narrow shaded left cell with the
    column's name and its host (栏目主持人, no author) over the host's note, and the right cell with
    the title, the byline and the abstract; then the text and the authors' units under a rule."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}：{a}的个案', '{c}{a}的田野考察', '{s}传承人口述与{a}'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    host = _people(rng, 1, authors)[0]
    page.para('%s\u2002%d年第%d期' % (rng.choice(['民间文化论坛', '乡土艺术评论', '非遗研究学刊']), year, rng.randint(1, 6)),
              size=8.5, align='l', rule='bottom', after=12)
    side = [(rng.choice(['非遗保护研究', '民间工艺专栏', '地方文化研究']) + '\n\n', {'bold': True, 'size': 11, 'cjk': rng.choice(HEI)}),
            ('栏目主持人：%s\n\n' % host, {'size': 9}),
            ('主持人语：本期所刊文章关注%s，材料翔实，可供同行参考。' % t['s'], {'size': 8.5, 'cjk': rng.choice(KAI)})]
    main = [(t['title'] + '\n\n', {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
            ('\u3000'.join(authors) + '\n\n', {'size': 11.5, 'cjk': rng.choice(KAI)}),
            ('［摘要］' + BODY + '\n', {'size': 9}), ('［关键词］' + '；'.join(t['kws']), {'size': 9})]
    sized_table(page, [[side, main]], [4.2, 11.8], align=['l', 'l'], shade=(0,), fill=rng.choice(['F2F2F2', 'FFF2CC', 'E7E6E6']))
    page.para('', after=10)
    zh_body(page, BODY, 3)
    page.para('作者单位：' + '；'.join('%s，%s' % (a, _unit(t, rng)) for a in authors), size=8.5, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-socscixuebao-titleleft-bylineunitsflushright-notesinfootframe': xuebao_right_byline,
             'gen-zh-lawmaster-titleinframedcell-underlinedvaluelines-studentnotopright': law_master_framed_title,
             'gen-zh-folkheritagesymposium-oralpaper-sessioncell-numberedunitlines-twocolbody': conference_oral_paper,
             'gen-zh-editedvolume-chapter-bookeditorbanner-asteriskbyline-notefoot': edited_volume_chapter,
             'gen-zh-teamsurvey-reportcover-membergrid-leaderfirst-tutorline': team_survey_report,
             'gen-zh-hostedcolumn-article-hostcellleft-titlebylineabstractright': hosted_column_article}
