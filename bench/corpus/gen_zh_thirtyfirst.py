"""A thirty-first set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, law, economics, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('普洱学院', 'Puer University', '普洱', '665000', '云南'),
           ('宁德师范学院', 'Ningde Normal University', '宁德', '352100', '福建'),
           ('陇东学院', 'Longdong University', '庆阳', '745000', '甘肃'),
           ('赣南师范大学', 'Gannan Normal University', '赣州', '341000', '江西')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'茶马古道': ['驿站网络', '线性遗产申报'], '拉祜族芦笙舞': ['步法程式', '课堂改编'],
                          '景迈山古茶林': ['入股分红', '茶农合作']},
                contexts=['宁洱县', '景东县', '墨江县'], units=['人文学院', '音乐舞蹈学院', '经济管理学院'],
                majors=['历史学', '舞蹈学', '农村发展'], field='滇南边地文化'),
           dict(subjects={'霍童线狮': ['艺人口述', '社团传承'], '畲族彩带': ['织造口诀', '品牌授权'],
                          '寿宁廊桥木拱': ['营造匠规', '产权登记']},
                contexts=['蕉城区', '福安市', '寿宁县'], units=['文学与传媒学院', '艺术学院', '经济与管理学院'],
                majors=['汉语言文学', '艺术设计', '财务管理'], field='闽东畲族文化'),
           dict(subjects={'庆阳香包': ['母题符号', '网店经营'], '环县道情皮影': ['唱本整理', '演出市场'],
                          '陇东窑洞民居': ['居住变迁', '宅基地流转']},
                contexts=['环县', '华池县', '合水县'], units=['文学与文化传播学院', '美术学院', '政法学院'],
                majors=['中国语言文学', '美术学', '法学'], field='陇东民俗文化'),
           dict(subjects={'兴国山歌': ['即兴编唱', '童谣化改编'], '赣南采茶戏': ['丑角表演', '剧团改制'],
                          '客家围屋群': ['聚落形态', '征收补偿']},
                contexts=['于都县', '宁都县', '瑞金市'], units=['文学院', '音乐学院', '商学院'],
                majors=['汉语言文学', '音乐教育', '经济学'], field='赣南客家文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}', '{s}{a}的实证分析', '论{s}的{a}', '{s}{a}：来自{c}的经验']
BODY = '本研究以实地调查和文献分析为基础，对有关现象的形成机理与演变过程进行考察，在此基础上归纳主要结论并提出对策建议。'


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


def design_statement(rng):
    """The cover of an art and design graduate's design statement: the school and 毕业设计说明书 left,
    then a two-cell row whose wide left cell is an empty frame for the work's picture and whose right
    cell lists the title, the student, class, 指导教师 and date, one label over each value."""
    page = _page(rng, 11)
    t = _topic(rng, ['{s}元素的{a}设计', '以{s}为主题的{a}视觉设计', '{c}{s}{a}的文创设计'])
    s = t['school']
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([20, 24]), 'cjk': rng.choice(KAI + SONG)}), align='l', after=4)
    page.para((rng.choice(['本科毕业设计说明书', '毕业设计（创作）说明书', '毕业创作设计说明']),
               {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}), align='l', rule='bottom', after=20)
    info = []
    date = zh_date(year, 5) if rng.random() < 0.5 else '%d年5月' % year
    for lab, val in [('设计题目', t['title']), ('学生姓名', student), ('专业班级', '%s%d级%d班' % (
            rng.choice(['视觉传达设计', '环境设计', '产品设计']), year - 4, rng.randint(1, 3))), ('指导教师', sup),
                     ('完成日期', date)]:
        info += [(lab, {'size': 9, 'bold': True}), '\n', (val, {'size': 12}), '\n\n']
    frame = [('\n' * 10 + rng.choice(['（作品图片）', '作品效果图', '']), {'size': 10})]
    _widths(page.table([[frame, info]], widths_cm=[10.0, 6.0], size=11, align=['c', 'l'], grid=True), [10.0, 6.0])
    page.para('', after=16)
    page.para('%s%s' % (s[0], t['unit']), size=12, align='r', after=0)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def statute_commentary(rng):
    """A commentary on one article of a regulation: the column 法条评注 over a rule, the title, the
    authors, the article's text in a frame, a 目次 of numbered parts, then the first part with
    margin numbers."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2015, 2026)
    n = rng.randint(5, 40)
    reg = '%s%s保护条例' % (s[4] + '省', rng.choice(['非物质文化遗产', '传统村落', '民族民间文化']))
    title = '《%s》第%d条评注（%s）' % (reg, n, t['s'] + t['a']) if rng.random() < 0.5 else '《%s》第%d条评注' % (reg, n)
    authors = _people(rng, rng.randint(1, 2))
    page.para([(rng.choice(['法条评注', '评注', '地方立法评注']), {'bold': True}), '\u3000%s %d年第%d期' % (
        rng.choice(['地方法学', '法治研究', '民族法评论']), year, rng.randint(1, 6))], size=9.5, align='l', rule='bottom',
        after=18)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=8)
    page.para('\u3000'.join(authors), size=12, align='c', cjk=rng.choice(KAI), after=14)
    page.table([[[('【条文】', {'bold': True}), '第%d条\u3000县级以上人民政府应当对%s采取认定、记录、建档等措施予以保护，'
                  '并鼓励公民、法人和其他组织依法参与保护工作。' % (n, t['s'])]]], widths_cm=[15.0], size=10, grid=True,
               align='l')
    page.para('', after=8)
    page.para(('目\u3000次', {'bold': True}), size=10.5, align='c', after=3)
    for k, h in enumerate(['规范意旨', '构成要件', '法律效果', '与相关条文的关系', '举证责任']):
        page.para('%s、%s（边码%d）' % ('一二三四五'[k], h, k * 6 + 1), size=9.5, align='l', indent=60, after=0)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9.5, before=8, after=10)
    page.para(('一、规范意旨', {'bold': True}), size=10.5, after=3)
    _widths(page.table([[('1', {'bold': True}), BODY * 3]], widths_cm=[1.0, 15.0], size=10, align=['c', 'l']), [1.0, 15.0])
    return _finish(page, rng, title, authors, year, t['kws'])


def inquiry_report(rng):
    """A senior school's inquiry learning report cover: 研究性学习课题报告 in a frame, the title, then a
    table of the group leader and members with their classes, the 指导教师 and the school and date."""
    page = _page(rng, 12)
    t = _topic(rng, ['家乡的{s}：{a}调查', '{c}{s}{a}的探究', '关于{s}{a}的研究性学习报告'])
    s = t['school']
    year = rng.randint(2012, 2026)
    team = _people(rng, rng.randint(2, 5))
    sup = _people(rng, 1, team)[0]
    school = '%s%s附属中学' % (s[0], '') if rng.random() < 0.5 else '%s%s中学' % (t['d']['contexts'][0],
                                                                      rng.choice(['第一', '民族', '实验']))
    page.para('', after=24)
    page.table([[('研究性学习课题报告', {'size': rng.choice([22, 26]), 'bold': True})]], widths_cm=[12.0], grid=True,
               align='c', size=22)
    page.para('', after=36)
    page.para([('课题名称：', {'bold': True}), (t['title'], {'u': rng.random() < 0.5})], size=rng.choice([15, 16]),
              align='c', cjk=rng.choice(HEI + SONG), after=30)
    rows = [['', '姓\u3000名', '班\u3000级']]
    for k, m in enumerate(team):
        rows.append(['组长' if k == 0 else '组员', m, '高%s（%d）班' % (rng.choice('一二'), rng.randint(1, 12))])
    page.table(rows, widths_cm=[2.5, 4.0, 4.5], size=12, grid=True, align='c', shade=(0,) if rng.random() < 0.5 else ())
    page.para('', after=24)
    for k, v in [('指导教师', sup), ('学\u3000\u3000校', school),
                 ('完成时间', zh_date(year, rng.choice([5, 6, 12])) if rng.random() < 0.5 else '%d年%d月' % (year, rng.choice([5, 6, 12])))]:
        page.para([(k + '：', {'bold': True}), v], size=13, align='c', after=6)
    return _finish(page, rng, t['title'], team, year, supervisor=sup)


def econ_structured(rng):
    """An economics journal's first page whose abstract is split into bracketed parts (研究目标,
    研究方法, 研究发现, 研究创新, 研究价值), the authors with unit numbers, the units in a line, 关键词 and
    JEL分类号, the text; the funding and author notes at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的收入效应研究', '{c}{s}{a}与共同富裕', '{s}{a}的经济价值评估'])
    s = t['school']
    year = rng.randint(2016, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.table([['%s\u2002%d年第%d期' % (rng.choice(['农村经济评论', '区域经济研究', '文化产业经济']), year,
                                      rng.randint(1, 12)), '经济研究']], widths_cm=[12.0, 4.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    two = len(authors) > 1 and rng.random() < 0.6
    runs = []
    for k, a in enumerate(authors):
        runs += [a] + ([(str(1 + (k % 2)), {'sup': True})] if two else []) + (['\u3000'] if k < len(authors) - 1 else [])
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI + SONG), after=2)
    units = ['%s%s' % (s[0], u) for u in rng.sample(t['d']['units'], 2)]
    page.para('（%s）' % ('；'.join('%d. %s，%s %s' % (k + 1, u, s[2], s[3]) for k, u in enumerate(units)) if two
                        else '%s，%s %s' % (units[0], s[2], s[3])), size=9, align='c', after=12)
    for lab in ['研究目标', '研究方法', '研究发现', '研究创新', '研究价值']:
        page.para([('[%s]' % lab, {'bold': True}), BODY[:rng.randint(30, 55)] + '。'], size=9, align='j', after=1)
    page.para([('[关键词]', {'bold': True}), rng.choice(['；', '\u3000']).join(t['kws'])], size=9, before=3, after=1)
    page.para([('[JEL分类号]', {'bold': True}), rng.choice(['Z11 Q13', 'O18 R11', 'Z32 D13'])], size=9, after=12)
    _body(page, rng, '一、引言', 3)
    page.para('', rule='bottom', after=2)
    page.para('收稿日期：%d-%02d-%02d\u3000基金项目：国家社会科学基金项目（%dBJY%03d）' % (
        year - 1, rng.randint(1, 12), rng.randint(1, 28), year - 2, rng.randint(1, 300)), size=8.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def edmaster_labelabove(rng):
    """An education master's thesis cover with each label on its own line above its value, all centred:
    the school, 教育硕士专业学位论文, the title, then 研究生 / 指导教师 / 专业领域 / 提交日期 as
    small grey labels over larger values."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}融入{c}中小学{a}的行动研究', '{s}{a}校本课程开发研究', '基于{s}的{a}教学设计研究'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('学校代码：1%04d\u3000\u3000分类号：G6%d\u3000\u3000密级：公开' % (rng.randint(1000, 9999), rng.randint(2, 9)),
              size=9.5, align=rng.choice(['r', 'c']), after=30)
    page.para((s[0], {'size': rng.choice([26, 30]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=8)
    page.para((rng.choice(['教育硕士专业学位论文', '教育硕士学位论文']), {'size': rng.choice([18, 20]), 'bold': True,
                                                             'cjk': rng.choice(HEI)}), align='c', after=40)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=44)
    grey = rng.random() < 0.6
    for lab, val in [(rng.choice(['研 究 生', '研究生姓名', '作者']), student),
                     ('指导教师', sup + rng.choice(['\u2002教授', '\u2002副教授', ''])),
                     ('专业领域', rng.choice(['学科教学（语文）', '学科教学（音乐）', '学科教学（美术）', '小学教育'])),
                     ('提交日期', zh_date(year, 5) if rng.random() < 0.5 else '%d年5月' % year)]:
        page.para((lab, {'size': 10, 'italic': False}), align='c', after=0, bold=not grey)
        page.para((val, {'size': rng.choice([14, 15]), 'u': rng.random() < 0.4}), align='c', after=10)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def edu_bioboxed(rng):
    """An education journal's first page with the authors' notes in a shaded box right under the byline,
    before 【摘要】 and 【关键词】; the title left, the issue and a 栏目 line on top."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的教育价值', '{s}{a}融入地方高校美育', '{c}{s}{a}的课程化路径'])
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u2003%d年第%d期\u2003［栏目：%s］' % (rng.choice(['地方高教论坛', '民族教育探索', '美育研究']), year,
                                                 rng.randint(1, 12), rng.choice(['课程与教学', '美育', '民族教育'])),
              size=9, align='l', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=8)
    page.para('\u3000'.join(authors), size=12, align='l', cjk=rng.choice(KAI), after=6)
    page.table([['［作者简介］' + '；'.join('%s（%d—），%s，%s%s%s' % (
        a, rng.randint(1965, 1995), rng.choice(['女', '男']), s[0], t['unit'], rng.choice(['副教授', '讲师', '教授']))
        for a in authors) + '。']], widths_cm=[16.0], size=8.5, align='l', shade=(0,), fill='EDEDED')
    page.para('', after=6)
    page.para([('【摘要】', {'bold': True}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('【关键词】', {'bold': True}), '；'.join(t['kws'])], size=9.5, after=12)
    _body(page, rng, rng.choice(['一、问题的缘起', '一、引言']), 4)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-artbachelor-designstatement-imageframe': design_statement,
             'gen-zh-law-statutecommentary-contents': statute_commentary,
             'gen-zh-school-inquiryreport-membertable': inquiry_report,
             'gen-zh-econjournal-bracketfindings': econ_structured,
             'gen-zh-edmaster-labelabovevalue': edmaster_labelabove,
             'gen-zh-edujournal-bioboxbeforeabstract': edu_bioboxed}
