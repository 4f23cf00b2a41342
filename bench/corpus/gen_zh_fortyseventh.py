"""A forty-seventh set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, management, education and arts of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_topic)

SCHOOLS = [('晋中学院', 'Jinzhong University', '晋中', '030619', '山西'),
           ('吕梁学院', 'Lvliang University', '吕梁', '033001', '山西'),
           ('山西大同大学', 'Shanxi Datong University', '大同', '037009', '山西')]
DOMAINS = [dict(subjects={'平遥推光漆器': ['漆器作坊学徒制', '漆器纹样教学'], '祁县晋商票号': ['票号账簿整理', '票号信用制度'],
                          '左权开花调': ['开花调歌词辑录', '开花调进课堂']},
                contexts=['平遥县', '祁县', '左权县'], units=['文学院', '经济管理学院', '音乐学院'],
                majors=['中国古典文献学', '经济史', '音乐与舞蹈学']),
           dict(subjects={'孝义碗碗腔': ['碗碗腔剧本校勘', '碗碗腔剧团经营'], '临县伞头秧歌': ['伞头秧歌唱词', '秧歌会社组织'],
                          '碛口古镇商贸': ['碛口商号契约', '碛口古镇保护立法']},
                contexts=['孝义市', '临县', '柳林县'], units=['中文系', '法学系', '历史文化系'],
                majors=['中国古代文学', '民商法学', '历史文献学']),
           dict(subjects={'广灵剪纸': ['剪纸合作社分配', '剪纸美育课程'], '灵丘罗罗腔': ['罗罗腔抄本', '罗罗腔传承人认定'],
                          '恒山道乐': ['道乐工尺谱', '道乐文化旅游']},
                contexts=['广灵县', '灵丘县', '浑源县'], units=['美术学院', '文学院', '教育科学与技术学院'],
                majors=['美术学', '艺术学理论', '课程与教学论'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文依据地方文献、田野访谈与档案资料，考察这一地方传统的源流、组织与现状，分析其中的经济、法律、教育与艺术问题，并提出保护与发展的建议。'
RANKS = ['教授', '副教授', '讲师', '研究员']


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _title(page, rng, title, sizes=(18, 20), align='c'):
    page.para((title, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=8)


def collation(rng):
    """An old-text journal's collated edition: the journal line centred between rules, the title
    "《…》校注", the byline with the role after the names ("A　B　校注", "A　点校") and sometimes a
    reviser ("C　审订", not an author), a framed 【底本】/【校本】 note, the transcribed text in 楷 and
    notes numbered ①②③."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['《{s}》{a}校注', '{c}所见{s}抄本校注', '{a}辑校——以{c}藏本为中心'])
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u2002%d年第%d辑' % (rng.choice(['古籍整理与研究', '三晋文献', '地方文献学刊']), year, rng.randint(1, 4)),
              size=9, align='c', rule='both', after=rng.choice([18, 24]))
    _title(page, rng, t['title'], (18, 20, 22))
    role = rng.choice(['校注', '点校', '整理校注'])
    line = '\u3000'.join(authors) + '\u3000' + role
    if rng.random() < 0.5:
        line += '\u3000\u3000%s\u3000审订' % _people(rng, 1, authors)[0]
    page.para(line, size=12, align='c', cjk=rng.choice(KAI), after=12)
    note = '%s此次整理以%s藏%s抄本为底本，以%s本参校，原文异体字径改，脱误处出校记。' % (
        '【底本】' if rng.random() < 0.5 else '【说明】', rng.choice(t['d']['contexts']), rng.choice(['清光绪', '民国', '清同治']),
        rng.choice(['私人藏', '文化馆藏', '县档案馆藏']))
    sized_table(page, [[note]], [15.0], size=9.5, align=['l'], grid=True, shade=(0,) if rng.random() < 0.4 else (), fill='F2F2F2')
    page.para('', after=6)
    for i in range(3):
        page.para('%s之%s，%s所传，%s%s' % (t['s'], '一二三'[i], rng.choice(t['d']['contexts']), '①②③'[i], BODY),
                  size=11, cjk=rng.choice(KAI), align='j', indent=21, line=1.4, after=4)
    for i in range(3):
        page.para('%s\u2002%s' % ('①②③'[i], rng.choice(['“之”，底本作“芝”，据校本改。', '此句校本无。', '原文漫漶，据文意补。'])),
                  size=8.5, after=1, rule='top' if i == 0 else None)
    return _finish(page, rng, t['title'], authors, year)


def wenshi_article(rng):
    """A literature-and-history journal's study in an old manner: the column word in a grey tab on
    the left, the title, a second line "——…" as subtitle, the authors flush right followed by 撰,
    a 提要 block indented on both sides, and at the end an 附记 thanking a senior scholar, who is not
    an author."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}考', '{a}考释', '{c}{s}史事钩沉'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 2))
    elder = _people(rng, 1, authors)[0]
    sized_table(page, [[(rng.choice(['文史考证', '史料研究', '文献考释']), {'bold': True, 'cjk': rng.choice(HEI)}),
                        '%s\u2002%d年第%d期' % (rng.choice(['晋阳文史', '河东学刊', '三晋史林']), year, rng.randint(1, 6))]],
                [3.2, 12.0], size=10, align=['c', 'r'], shade=(0,), fill=rng.choice(['BFBFBF', 'D0CECE']))
    page.para('', after=rng.choice([16, 24]))
    _title(page, rng, t['title'], (20, 22), rng.choice(['c', 'l']))
    page.para('——%s%s' % (rng.choice(['兼论', '附说', '以%s为中心论' % rng.choice(t['d']['contexts'])]), t['a']), size=12,
              align='c', after=10)
    page.para('\u3000'.join(authors) + rng.choice(['\u3000撰', '\u2002撰', '\u3000谨撰']), size=12, align='r', cjk=rng.choice(KAI), after=12)
    page.para([_bold(rng.choice(['提要：', '【提要】', '提\u3000要\u3000']), rng), BODY], size=9.5, cjk=rng.choice(KAI), align='j',
              indent=0, after=14)
    for _ in range(2):
        zh_body(page, BODY, 3)
    page.para('附记：本文初稿曾在%s%s学术研讨会上宣读，承%s先生%s，谨致谢忱。' % (
        rng.choice(t['d']['contexts']), t['s'], elder, rng.choice(['审阅并提出修改意见', '指正', '惠赐资料'])), size=9, cjk=rng.choice(KAI),
        align='j', after=4)
    page.para('（%s%s）' % (t['school'][0], rng.choice(t['d']['units'])), size=9.5, align='r')
    return _finish(page, rng, t['title'], authors, year)


def yearbook_survey(rng):
    """A discipline yearbook's survey of the year's research: the yearbook and the section in the
    running head with the page number, the section's heading in a shaded band, the title, no byline,
    numbered sections, and the writers only at the very end "（执笔：A、B）" or "（撰稿人：…）"."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{{y}}年{s}研究综述', '{{y}}年度{a}研究述评', '{s}研究的新进展（{{y}}）'])
    year = rng.randint(2011, 2026)
    t['title'] = t['title'].replace('{y}', str(year - 1))
    authors = _people(rng, rng.randint(1, 3))
    sized_table(page, [['%s（%d）' % (rng.choice(['山西文化年鉴', '三晋艺术年鉴', '中国地方戏曲年鉴']), year),
                        '%s\u3000%d' % (rng.choice(['学术研究', '研究综述', '学科动态']), rng.randint(120, 480))]],
                [10.0, 5.5], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=10)
    sized_table(page, [[_bold(rng.choice(['学科综述', '年度述评', '研究进展']), rng)]], [15.5], size=12, align=['l'], shade=(0,),
                fill=rng.choice(['D9E2F3', 'E2EFD9', 'EDEDED']))
    page.para('', after=10)
    _title(page, rng, t['title'], (16, 18), rng.choice(['c', 'l']))
    page.para('', after=4)
    for i, head in enumerate(rng.sample(['概况', '主要研究成果', '学术会议与活动', '存在的问题与展望'], 3)):
        page.para(_bold('%s、%s' % ('一二三'[i], head), rng), size=11, after=3)
        zh_body(page, BODY, 2)
    sep = rng.choice(['、', '\u3000', '，'])
    end = rng.choice(['（执笔：%s）', '（撰稿人：%s）', '（%s\u3000执笔）'])
    page.para(end % sep.join(authors), size=10.5, align='r', cjk=rng.choice(KAI))
    return _finish(page, rng, t['title'], authors, year)


def doctor_sidebar(rng):
    """A doctoral thesis cover laid out as one row: a narrow dark bar on the left holding the school's
    English name letter-spaced, and on the right everything flush right — the school, 博士学位论文, the
    title, then "申请人 X", "指导教师 Y 教授", the discipline, and the month."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}与{a}研究', '{c}{s}的历史考察与{a}', '{a}视野下的{s}'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    school = t['school']
    lab = rng.choice([('申 请 人', '指导教师', '学科专业'), ('博 士 生', '导\u3000\u3000师', '专\u3000\u3000业'),
                      ('作者姓名', '指导教师', '学科名称')])
    right = [(school[0] + '\n', {'size': rng.choice([22, 26]), 'cjk': rng.choice(KAI)}),
             (rng.choice(['博士学位论文', '博士研究生学位论文']) + '\n\n\n', {'size': 18, 'bold': True}),
             (t['title'] + '\n\n\n\n', {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
             ('%s\u3000%s\n' % (lab[0], student), {'size': 14}),
             ('%s\u3000%s\u3000%s\n' % (lab[1], tutor, rng.choice(RANKS[:2] + ['研究员'])), {'size': 14}),
             ('%s\u3000%s\n\n\n\n' % (lab[2], t['major']), {'size': 14}),
             ('%d年%d月' % (year, rng.randint(4, 6)) if rng.random() < 0.5 else zh_date(year, rng.randint(4, 6)), {'size': 14})]
    bar = '\n'.join(school[1].upper().split()) + '\n' * 14
    sized_table(page, [[(bar, {'size': 9, 'bold': True}), right]], [2.2, 13.3], align=['c', 'r'], shade=(0,),
                fill=rng.choice(['1F3864', '7F7F7F', '833C0B']))
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def title_byline_row(rng):
    """An arts journal article whose head is one row of two cells: the title large on the left and,
    on the right, the authors in a framed cell with their unit under them (the title's size keeps it
    on one line); a rule, the 内容摘要 and
    关键词 labels in brackets, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的造型语言与{a}', '论{c}{s}的审美特征', '{s}：{a}的艺术学考察'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u2002%d年第%d期\u3000%s' % (rng.choice(['艺术与设计学刊', '晋风艺苑', '美术与民艺']), year, rng.randint(1, 12),
                                          rng.choice(['民艺研究', '艺术史论', '非遗与美育'])), size=9, align='l', after=14)
    size = min(rng.choice([16, 18, 20]), 290 // len(t['title']))
    tab = sized_table(page, [[(t['title'], {'size': size, 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
                       [('\n'.join(authors), {'size': 11.5, 'cjk': rng.choice(KAI)}),
                        ('\n' + t['school'][0] + rng.choice(t['d']['units']), {'size': 8.5})]]],
                     [11.5, 3.5], align=['l', 'c'])
    cell = tab.cell(0, 1)
    from docx.oxml import OxmlElement
    from docx.oxml.ns import qn
    borders = OxmlElement('w:tcBorders')
    for side in ('top', 'left', 'bottom', 'right'):
        e = OxmlElement('w:%s' % side)
        e.set(qn('w:val'), rng.choice(['single', 'double']))
        e.set(qn('w:sz'), '6')
        e.set(qn('w:color'), rng.choice(['000000', 'C00000']))
        borders.append(e)
    cell._tc.get_or_add_tcPr().append(borders)
    page.para('', rule='bottom', after=10)
    page.para([_bold('[内容摘要]', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('[关键词]', rng), '\u3000'.join(t['kws'])], size=9.5, after=12)
    for _ in range(2):
        zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def consulting_report(rng):
    """A cultural industry consulting report's cover: the report number top right, the client's
    project name in a line over the title, the title, "（研究报告）" or "（最终稿）", and at the lower
    right a block of three label lines: 委托方 (the client, not a person), 承担方 (the school's
    institute) and 报告撰写 (the authors), then the month."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}产业发展规划研究', '{s}文化品牌建设与{a}', '{c}{a}可行性研究'])
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('报告编号：%s-%d-%03d' % (rng.choice(['JZWH', 'LLZX', 'DTYJ']), year, rng.randint(1, 80)), size=10, align='r',
              after=rng.choice([60, 80]))
    page.para('%s人民政府委托项目' % rng.choice(t['d']['contexts']), size=13, align='c', cjk=rng.choice(KAI), after=20)
    _title(page, rng, t['title'], (22, 24))
    page.para(rng.choice(['（研究报告）', '（最终稿）', '（咨询报告）']), size=14, align='c', after=rng.choice([90, 120]))
    sep = rng.choice(['、', '\u3000'])
    rows = [['委托方：', '%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['文化和旅游局', '人民政府', '非遗保护中心']))],
            ['承担方：', '%s%s' % (t['school'][0], rng.choice(['文化产业研究中心', '地方文化研究院', '区域经济研究所']))],
            [rng.choice(['报告撰写：', '撰\u3000\u3000写：', '执笔人员：']), sep.join(authors)]]
    sized_table(page, rows, [2.8, 7.2], size=12, align=['r', 'l'])
    page.para('', after=rng.choice([60, 80]))
    page.para('%d年%d月' % (year, rng.randint(1, 12)), size=13, align='c')
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-gujijournal-jiaozhu-rolesafternames-dibenbox': collation,
             'gen-zh-wenshijournal-greytab-zhuanbylineright-fujithanksfoot': wenshi_article,
             'gen-zh-disciplineyearbook-survey-bandhead-zhibiendline': yearbook_survey,
             'gen-zh-humanitiesdoctor-darksidebar-flushrightcolumn': doctor_sidebar,
             'gen-zh-artjournal-titlecell-framedbylinecell': title_byline_row,
             'gen-zh-culturalindustry-consultingreport-weituochengdanblock': consulting_report}
