"""A forty-ninth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, management, education and arts of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_title as _title, zh_topic)

SCHOOLS = [('宁夏师范学院', 'Ningxia Normal University', '固原', '756000', '宁夏'),
           ('通化师范学院', 'Tonghua Normal University', '通化', '134002', '吉林'),
           ('鞍山师范学院', 'Anshan Normal University', '鞍山', '114007', '辽宁')]
DOMAINS = [dict(subjects={'隆德砖雕': ['砖雕纹样谱系', '砖雕技艺传习'], '泾源回族踏脚': ['踏脚舞进校园', '踏脚赛事组织'],
                          '须弥山石窟': ['石窟题记整理', '石窟保护地方立法']},
                contexts=['隆德县', '泾源县', '原州区'], units=['文学院', '政治与法律学院', '教育科学学院'],
                majors=['民俗学', '宪法学与行政法学', '教育学原理'], middle=['固原市第二中学', '隆德县高级中学']),
           dict(subjects={'集安高句丽遗址': ['高句丽碑刻释读', '遗址公园管理'], '长白山满族剪纸': ['剪纸纹样母题', '剪纸研学课程'],
                          '通化山葡萄酒业': ['酒庄品牌营销', '葡萄酒地理标志保护']},
                contexts=['集安市', '柳河县', '辉南县'], units=['历史与地理学院', '美术学院', '经济管理学院'],
                majors=['考古学', '设计学', '企业管理'], middle=['通化市第一中学', '集安市第一中学']),
           dict(subjects={'岫岩玉雕': ['玉雕工坊学徒', '玉料交易规则'], '海城高跷秧歌': ['高跷表演程式', '高跷秧歌进校园'],
                          '千山寺观楹联': ['楹联辑录', '寺观旅游管理']},
                contexts=['岫岩满族自治县', '海城市', '台安县'], units=['人文学院', '音乐学院', '管理学院'],
                majors=['中国古代文学', '音乐学', '旅游管理'], middle=['鞍山市第八中学', '海城市高级中学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文依据地方志、档案、访谈与实地考察材料，梳理这一地方传统的历史脉络与当下处境，讨论其中的法律、经济、教育与艺术问题，并就保护、传承与利用提出建议。'
RANKS = ['教授', '副教授', '研究员']


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def edu_master(rng):
    """An education master's (professional degree) thesis cover whose label block has three
    columns: the Chinese label, the value, and the English label on the right of the value; the
    school's supervisor (校内导师) and the school teacher outside (校外导师, not recorded) both stand."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}融入{a}的行动研究', '{c}初中{a}的实践探索', '{a}的课程设计与实施'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor, outside = _people(rng, 2, [student])
    page.para('分类号：G63%d\u3000\u3000密级：公开' % rng.randint(0, 9), size=10, align='l', after=rng.choice([40, 60]))
    page.para((t['school'][0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI)}), align='c', after=6)
    page.para(rng.choice(['教育硕士专业学位论文', '专业学位硕士学位论文（教育硕士）']), size=18, bold=True, align='c',
              after=rng.choice([50, 70]))
    _title(page, rng, t['title'], (20, 22), after=rng.choice([60, 80]))
    field = rng.choice(['学科教学（语文）', '学科教学（历史）', '学科教学（美术）', '小学教育', '现代教育技术'])
    rows = [['研\u2002究\u2002生', student, 'Candidate'],
            ['校内导师', '%s\u3000%s' % (tutor, rng.choice(RANKS)), 'Supervisor'],
            ['校外导师', '%s\u3000%s' % (outside, rng.choice(['高级教师', '正高级教师'])), 'Co-supervisor'],
            ['专业领域', field, 'Field'],
            ['培养单位', t['school'][0] + t['unit'], 'Institution']]
    rows = [[(a, {'bold': True}), b, (c, {'italic': True, 'size': 10})] for a, b, c in rows]
    sized_table(page, rows, [3.0, 7.0, 3.5], size=13, align=['r', 'c', 'l'])
    page.para('', after=rng.choice([40, 60]))
    page.para('%d年%d月' % (year, rng.randint(4, 6)) if rng.random() < 0.5 else zh_date(year, rng.randint(4, 6)), size=14,
              align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def art_feature(rng):
    """An arts magazine's feature: the magazine's name small at top right, a large shaded picture
    frame first, its caption with the photographer "（C　摄）" who is not an author, then the title,
    the byline "文／A　B" flush left under a short rule, and the text with its first words in bold."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}：{a}的艺术人类学观察', '刀下乾坤——{c}{s}', '{s}的形制与{a}'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 2))
    shooter = _people(rng, 1, authors)[0]
    page.para('%s\u2002%d\u2002%s' % (rng.choice(['北方民艺', '塞上艺苑', '关东美术']), year, rng.choice(['No.3', '第5期', '秋季号'])),
              size=8.5, align='r', after=6)
    sized_table(page, [['\n' * rng.randint(7, 10) + '［图］' + '\n' * 2]], [15.5], size=10, align=['c'], shade=(0,),
                fill=rng.choice(['BFBFBF', 'A6A6A6', 'D6DCE4']))
    page.para('%s%s（%s\u3000摄）' % (rng.choice(['图：', '▲ ', '']), rng.choice(t['d']['contexts']) + t['s'], shooter), size=8.5,
              align=rng.choice(['l', 'r']), after=16)
    _title(page, rng, t['title'], (22, 24, 26), rng.choice(['l', 'c']))
    page.para('', rule='bottom', after=4)
    page.para('文／' + rng.choice(['\u3000', '、']).join(authors), size=11, align='l', cjk=rng.choice(KAI), after=14)
    page.para([_bold(t['s'] + '，', rng), BODY * 2], align='j', indent=21, line=1.35, after=6)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year)


def bachelor_digits(rng):
    """A bachelor's thesis cover for a social or humanities major: the school and 本科毕业论文, the
    title written on two ruled lines after "题目", the student number one digit to a framed cell, then
    a label table (姓名, 学院, 专业, 指导教师 with rank), and the date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{a}调查', '{s}与{a}——以{c}为例', '{a}问题研究'])
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    page.para((t['school'][0], {'size': rng.choice([26, 30]), 'cjk': rng.choice(KAI + HEI)}), align='c', after=10)
    page.para(rng.choice(['本科毕业论文', '本科生毕业论文（设计）', '学士学位论文']), size=22, bold=True, align='c',
              after=rng.choice([50, 70]))
    page.para([_bold('题\u3000目：', rng), (t['title'], {'size': 16, 'bold': True})], size=15, align='l', rule='bottom', after=4)
    page.para(rng.choice(['', '\u3000']), size=15, rule='bottom', after=rng.choice([40, 56]))
    digits = '%d%02d%06d' % (year - 4, rng.randint(1, 40), rng.randint(0, 999999))
    sized_table(page, [['学\u3000号'] + list(digits)], [2.4] + [0.8] * len(digits), size=13, align='c', grid=True)
    page.para('', after=rng.choice([14, 20]))
    rows = [['姓\u3000\u3000名', student], ['学\u3000\u3000院', t['school'][0] + t['unit']], ['专\u3000\u3000业', t['major']],
            ['指导教师', '%s\u3000%s' % (tutor, rng.choice(RANKS + ['讲师']))]]
    sized_table(page, rows, [3.2, 8.0], size=14, align=['r', 'l'])
    page.para('', after=rng.choice([50, 70]))
    page.para('%d年%d月%d日' % (year, rng.randint(4, 6), rng.randint(1, 28)), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=tutor)


def teacher_journal(rng):
    """A teachers' journal article whose byline stands ABOVE the title: "□ school　A　B" in 楷 flush
    left, then the column tag in brackets, the title, 【摘　要】 and 【关键词】, and the text; a line at
    the foot gives the research project."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{a}的教学设计', '让{s}走进课堂——{a}的实践', '基于{s}的{a}'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u2002%d年第%d期' % (rng.choice(['中学人文教育', '地方课程研究', '教学月刊（文科版）']), year, rng.randint(1, 12)),
              size=8.5, align='r', rule='bottom', after=14)
    page.para(rng.choice(['□\u2002', '◇\u2002', '']) + rng.choice(t['d']['middle']) + '\u3000' + '\u3000'.join(authors), size=11,
              align='l', cjk=rng.choice(KAI), after=8)
    page.para('【%s】' % rng.choice(['课程资源', '校本课程', '教学实践']), size=9.5, align='l', after=4)
    _title(page, rng, t['title'], (18, 20), 'l', after=12)
    page.para([_bold('【摘\u3000要】', rng), BODY], size=9.5, align='j', cjk=rng.choice(KAI), after=3)
    page.para([_bold('【关键词】', rng), '；'.join(t['kws'])], size=9.5, cjk=rng.choice(KAI), after=12)
    for _ in range(2):
        zh_body(page, BODY, 2)
    page.para('本文系%s教育科学规划课题“%s”（编号%s%d-%03d）的研究成果。' % (t['school'][4], t['a'], 'JK', year - 1,
              rng.randint(1, 300)), size=8.5, rule='top', after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def econ_working_paper(rng):
    """An economics institute's working paper: a head row with the institute on the left and a dark
    cell "工作论文 / WP No. YYYY-NN" on the right, the title, the authors marked ★ ☆, a framed box
    holding 内容提要, 关键词 and JEL分类号, the text, and notes over a rule naming each author."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的市场结构与{a}', '{c}{s}的收益分配研究', '{a}的经济效应：来自{c}的证据'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    marks = ['★', '☆', '※'][:len(authors)]
    inst = t['school'][0] + rng.choice(['地方经济研究院', '区域发展研究中心', '文化经济研究所'])
    sized_table(page, [[(inst, {'bold': True, 'cjk': rng.choice(HEI)}), ('工作论文\nWP No. %d-%02d' % (year, rng.randint(1, 30)),
                                                                    {'bold': True})]],
                [11.0, 4.5], size=10, align=['l', 'c'], shade=(1,), fill=rng.choice(['8EAADB', 'A9D08E', 'F4B183']))
    page.para('', after=rng.choice([24, 36]))
    _title(page, rng, t['title'], (18, 20), after=10)
    page.para([x for a, m in zip(authors, marks) for x in (a, (m, {'sup': True}), '\u3000')][:-1], size=12, align='c', after=14)
    kws = '；'.join(t['kws'])
    box = [[[_bold('内容提要：', rng), BODY + '\n', _bold('关键词：', rng), kws + '\n', _bold('JEL分类号：', rng),
             '\u2002'.join(rng.sample(['Z10', 'Q13', 'O18', 'L83', 'R11'], 3))]]]
    sized_table(page, box, [15.5], size=9.5, align=['l'], grid=True)
    page.para('', after=10)
    zh_body(page, BODY, 3)
    for k, (a, m) in enumerate(zip(authors, marks)):
        page.para('%s\u2002%s，%s%s%s%s' % (m, a, t['school'][0], rng.choice(t['d']['units']), rng.choice(RANKS + ['博士研究生']),
                                        '，通讯作者' if k == len(authors) - 1 and len(authors) > 1 else ''), size=8.5,
                  rule='top' if k == 0 else None, after=0)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def law_proceedings(rng):
    """A paper in a provincial law society's annual meeting proceedings: the proceedings and the
    forum as a running head over a double rule, the title, one byline line per author with the unit
    in parentheses after the name, 内容提要 / 关键词 run into the text, and the folio "·N·" centred
    at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}保护的法律路径', '论{a}的法治保障', '{c}{a}中的法律问题'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s法学会%d年年会论文集\u3000·\u3000%s' % (t['school'][4], year, rng.choice(['文化法治分论坛', '地方立法分论坛',
                                                                                  '营商环境分论坛'])),
              size=9, align=rng.choice(['c', 'l']), rule='bottom', after=20)
    _title(page, rng, t['title'], (16, 18), after=10)
    for a in authors:
        page.para('%s（%s%s）' % (a, t['school'][0] if rng.random() < 0.7 else rng.choice(t['d']['contexts']),
                               rng.choice(['政治与法律学院', '法学院', '人民法院', '律师事务所'])),
                  size=11, align='c', cjk=rng.choice(KAI), after=2)
    page.para('', after=10)
    page.para([_bold('内容提要\u3000', rng), BODY], size=9.5, align='j', indent=0, after=3)
    page.para([_bold('关键词\u3000', rng), '\u3000'.join(t['kws'])], size=9.5, after=12)
    for _ in range(2):
        zh_body(page, BODY, 3)
    page.para('·%d·' % rng.randint(20, 480), size=9, align='c', before=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-edumaster-threecolumnlabels-englishlabelright': edu_master,
             'gen-zh-artmagazine-pictureframefirst-photographercaption-wenbyline': art_feature,
             'gen-zh-humanitiesbachelor-studentiddigitcells-ruledtitlelines': bachelor_digits,
             'gen-zh-teacherjournal-bylineabovetitle-projectfoot': teacher_journal,
             'gen-zh-econinstitute-workingpaper-wpnumbercell-jelbox-starnotes': econ_working_paper,
             'gen-zh-lawsociety-proceedings-bylineperline-unitinparens-folio': law_proceedings}
