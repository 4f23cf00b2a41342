"""A fortieth set of Chinese first pages of papers, theses and reports, in house styles the earlier
sets lack, in the natural sciences, engineering, medicine, farming, computing and the environment of
schools of their own."""
from docx.enum.table import WD_CELL_VERTICAL_ALIGNMENT
from docx.oxml import OxmlElement
from docx.oxml.ns import qn
from docx.shared import Cm

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('安阳工学院', 'Anyang Institute of Technology', '安阳', '455000', '河南'),
           ('周口师范学院', 'Zhoukou Normal University', '周口', '466001', '河南'),
           ('黄淮学院', 'Huanghuai University', '驻马店', '463000', '河南'),
           ('许昌学院', 'Xuchang University', '许昌', '461000', '河南')]
# per school: subjects with the angles that suit them, settings, units, majors
DOMAINS = [dict(subjects={'安阳钢铁烧结烟气': ['脱硝催化剂失活', '二噁英排放特征'], '林州红旗渠灌区': ['渠系渗漏损失', '灌溉水利用系数'],
                          '内黄尖椒': ['疫病拮抗菌筛选', '辣椒素含量测定']},
                contexts=['林州市', '内黄县', '汤阴县'], units=['化学与环境工程学院', '土木与建筑工程学院', '生物与食品工程学院'],
                majors=['环境科学与工程', '水利工程', '食品科学']),
           dict(subjects={'西华黄花菜': ['热风干制工艺', '秋水仙碱脱除'], '沙颍河周口段': ['底栖动物完整性', '闸坝调度影响'],
                          '鹿邑老年糖尿病患者': ['足部溃疡风险筛查', '用药依从性']},
                contexts=['西华县', '鹿邑县', '项城市'], units=['生命科学与农学学院', '化学化工学院', '医学院'],
                majors=['食品质量与安全', '生态学', '护理学']),
           dict(subjects={'驻马店芝麻': ['茎点枯病抗性', '分段收获机械'], '宿鸭湖水库': ['藻类水华预警', '沉积物磷形态'],
                          '泌阳夏南牛': ['肌内脂肪沉积', '瘤胃微生物组']},
                contexts=['平舆县', '泌阳县', '确山县'], units=['生物与食品工程学院', '智能制造学院', '医学院'],
                majors=['作物学', '水文与水资源工程', '动物科学']),
           dict(subjects={'鄢陵蜡梅': ['花香挥发物组分', '容器育苗基质'], '禹州怀地黄': ['连作根际菌群', '梓醇提取工艺'],
                          '许昌假发制品废水': ['混凝脱色效果', '膜生物反应器运行']},
                contexts=['鄢陵县', '禹州市', '长葛市'], units=['化工与材料学院', '医学院', '电气与机械工程学院'],
                majors=['中药学', '化学工程与技术', '计算机科学与技术'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的试验研究', '{s}{a}及其影响因素', '基于田间与室内试验的{s}{a}', '{s}{a}：以{c}为例']
BODY = '本文以田间观测、室内测定和数值模拟相结合的方法，测定了主要指标在不同处理下的变化，比较了各处理间的差异，并据此讨论其机理与应用条件。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def _byline(authors, marks, rng, size=11):
    """Runs of the names with their superscript unit numbers, joined by a comma or a blank."""
    sep = rng.choice(['，', '\u3000'])
    runs = []
    for k, a in enumerate(authors):
        runs += [((sep if k else '') + a, {'size': size}), (marks[k], {'sup': True, 'size': 7})]
    return runs


def _borders(tag, val, size, space=None):
    """A border element (cell or page) with the same line on its four sides."""
    out = OxmlElement(tag)
    for side in ('top', 'left', 'bottom', 'right'):
        e = OxmlElement('w:%s' % side)
        e.set(qn('w:val'), val)
        e.set(qn('w:sz'), str(size))
        e.set(qn('w:color'), '000000' if space else '808080')
        if space:
            e.set(qn('w:space'), str(space))
        out.append(e)
    return out


def _marks(rng, authors):
    """Unit numbers for the authors: all '' (one unit), or 1 and 2 with both used."""
    if len(authors) < 2 or rng.random() < 0.4:
        return [''] * len(authors)
    marks = ['1'] + [rng.choice('12') for _ in authors[1:]]
    if '2' not in marks:
        marks[-1] = '2'
    return marks


def firstcolumn_head(rng):
    """A farming or technology magazine article set in two columns from the top of the page: the
    column name, the title, the byline and the unit in brackets all stand inside the first column,
    not across the page; a short 摘要 and 关键词 follow in the column, then the text."""
    page = _page(rng, 10)
    t = _topic(rng, ['{s}{a}技术要点', '{s}{a}调查', '{s}{a}试验初报', '{s}{a}探讨'])
    s = t['school']
    for side in ('left_margin', 'right_margin'):
        setattr(page.doc.sections[0], side, Cm(2.0))
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s\u3000%d年第%d期\u3000\u3000%s' % (rng.choice(['农业科技通讯', '基层农技推广', '现代农业装备与技术']), year,
                                           rng.randint(1, 24), rng.choice(['试验研究', '技术推广', '资源环境'])),
              size=8.5, align=rng.choice(['l', 'r']), rule='bottom', after=4)
    space = rng.choice([0.6, 0.8])
    page.columns(2, space_cm=space)
    page.para(('▌' + rng.choice(['试验研究', '种养技术', '农机农艺', '生态环境']), {'bold': True, 'cjk': rng.choice(HEI)}),
              size=9, align='l', before=6, after=8)
    # the title is set to fit one line of the column, as such magazines do
    fit = (21.0 - 2 * 2.0 - space) / 2 / 2.54 * 72 * 0.9 / len(t['title'])
    page.para((t['title'], {'size': min(rng.choice([15, 16, 17]), int(fit * 2) / 2), 'bold': True,
                            'cjk': rng.choice(HEI + SONG)}), align=rng.choice(['l', 'c']), after=6)
    page.para(rng.choice(['\u3000', '，', '\u2002\u2002']).join(authors), size=10.5, align=rng.choice(['l', 'c']),
              cjk=rng.choice(KAI + SONG), after=2)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=8.5, align=rng.choice(['l', 'c']), after=8)
    page.para([('摘要：', {'bold': True}), BODY], size=8.5, align='j', after=2, cjk=rng.choice(KAI))
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(t['kws'])], size=8.5, after=8)
    page.para(BODY * 4, align='j', indent=20, line=1.25, size=10)
    page.para(('1\u2002材料与方法', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, before=4, after=2)
    page.para(BODY * 6, align='j', indent=20, line=1.25, size=10)
    page.para(('2\u2002结果与分析', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, before=4, after=2)
    page.para(BODY * rng.choice([5, 6, 7]), align='j', indent=20, line=1.25, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def keynote_photoframe(rng):
    """An invited talk's extended abstract for a science meeting: the meeting over a rule, then a
    two-cell head, the title, the speaker and co-authors and their unit on the left and an empty
    framed photo box on the right, its label at the bottom; 摘要, 关键词, the text, and a short 报告人简介 at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}研究进展', '{s}{a}：问题与展望', '面向{c}的{s}{a}'])
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%d年%s学术年会\u2002·\u2002%s' % (year, rng.choice(['黄淮地区农业生态', '鲁豫环境科学', '中原食品科技']),
                                          rng.choice(['特邀报告', '大会报告', '主旨报告'])),
              size=9, align=rng.choice(['l', 'c']), rule='bottom', after=14)
    fit = int(12.0 / 2.54 * 72 * 0.9 / len(t['title']) * 2) / 2
    left = [(t['title'], {'size': min(rng.choice([15, 16]), fit), 'bold': True, 'cjk': rng.choice(HEI)}),
            ('\n' + rng.choice(['，', '\u3000']).join(authors), {'size': 11, 'cjk': rng.choice(KAI + SONG)}),
            ('\n（%s%s，%s %s）' % (s[0], t['unit'], s[2], s[3]), {'size': 8.5})]
    table = sized_table(page, [[left, rng.choice(['照片', '报告人照片', '（照片）'])]], [12.5, 3.5], size=9,
                        align=['l', 'c'])
    photo = table.rows[0].cells[1]
    photo._tc.get_or_add_tcPr().append(_borders('w:tcBorders', rng.choice(['single', 'dashed']), 6))
    photo.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.BOTTOM
    table.rows[0].height = Cm(rng.choice([3.8, 4.2]))
    page.para('', after=10)
    page.para([('摘\u2002要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j', after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9.5, after=10)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5, after=24)
    page.para([('报告人简介：', {'bold': True}), '%s，%s，%s%s%s，主要从事%s方面的研究。' % (
        authors[0], rng.choice(['博士', '硕士']), s[0], t['unit'], rng.choice(['教授', '副教授', '研究员']), t['s'])],
        size=8.5, rule='top', align='j')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def fieldstrip_master(rng):
    """A science or engineering master's cover whose particulars stand in a horizontal strip: one
    framed row of labels (研究生, 指导教师, 学科专业, 研究方向, 完成时间) over one row of values, across
    the page under the title; the school and the degree at the top, the unit at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}的试验研究', '{s}{a}的模型构建与验证'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('学校代码：%d\u3000\u3000分类号：%s' % (rng.randint(10440, 10490), rng.choice(['S66', 'X52', 'TS25', 'Q94'])),
              size=9, align=rng.choice(['l', 'r']), after=50)
    page.para((s[0], {'size': rng.choice([28, 30, 32]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=8)
    page.para((rng.choice(['硕士学位论文', '全日制硕士研究生学位论文', '理学硕士学位论文']), {'size': 20, 'bold': True}),
              align='c', after=80)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=rng.choice([100, 120]))
    labels = ['研究生', '指导教师', '学科专业', '研究方向', '完成时间']
    values = [student, sup + rng.choice(['\n教授', '\n副教授', '']), t['major'], t['a'], '%d.%02d' % (year, rng.choice([4, 5, 6]))]
    sized_table(page, [labels, values], [2.8, 3.2, 3.6, 3.6, 2.8], size=rng.choice([10, 10.5]), grid=True, align='c',
                shade=tuple(range(5)) if rng.random() < 0.4 else (), fill='F2F2F2')
    if rng.random() < 0.5:
        for cell in page.doc.tables[-1].rows[1].cells:
            for cp in cell._tc.xpath('./w:tcPr/w:shd'):
                cp.getparent().remove(cp)
    page.para('', after=40)
    page.para((s[0] + t['unit'], {'cjk': rng.choice(KAI + SONG)}), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def titleblock_design(rng):
    """An engineering bachelor's design report cover drawn as a drawing sheet: a border frame, the
    school and 毕业设计说明书 at the top, and in the lower right the title block of a drawing: one row
    with the unit, the title and the drawing number, then the sign-off rows 设计 (the student),
    指导 (the supervisor), 审核 and 批准, each with a date."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}装置设计', '{s}{a}系统设计', '{c}{s}{a}工程设计'])
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup, check, boss = _people(rng, 3, [student])
    frame = _borders('w:pgBorders', rng.choice(['single', 'thick', 'double']), rng.choice([8, 12]), 20)
    frame.set(qn('w:offsetFrom'), 'text')
    page.doc.sections[0]._sectPr.xpath('./w:pgMar')[0].addnext(frame)
    page.para((s[0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + SONG)}), align='c', before=30, after=6)
    page.para((rng.choice(['毕业设计说明书', '本科毕业设计说明书', '毕业设计（论文）说明书']), {'size': 22, 'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=20)
    page.para('专业：%s\u3000\u3000班级：%s%d级%d班' % (t['major'], t['major'][:2], year - 4, rng.randint(1, 3)),
              size=12, align='c', after=rng.choice([180, 200, 220]))
    no = '%s-%d-%02d' % (rng.choice(['AY', 'ZK', 'HH', 'XC']), year, rng.randint(1, 60))
    sized_table(page, [[s[0] + '\n' + t['unit'], (t['title'], {'size': rng.choice([12, 13]), 'bold': True}),
                        '图号\n' + no]], [4.0, 8.0, 3.0], size=9, grid=True, align='c')
    rows = [[label, who, '%d.%02d.%02d' % (year, rng.choice([4, 5]), rng.randint(1, 28))]
            for label, who in zip(['设计', '指导', '审核', '批准'], [student, sup, check, boss])]
    if rng.random() < 0.5:
        rows = [['职责', '姓名', '日期']] + rows
    sized_table(page, rows, [4.0, 8.0, 3.0], size=10, grid=True, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def graphicalabstract_xuebao(rng):
    """A natural science 学报 article with a graphical abstract: the issue line and DOI, the title,
    the byline with unit numbers, the numbered units, 摘要 and 关键词, then a framed 图文摘要 box
    holding an empty figure area and its caption, then 中图分类号 and the text in two columns."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2015, 2026)
    authors = _people(rng, rng.randint(1, 5))
    marks = _marks(rng, authors)
    page.para('%s学报（自然科学版）\u2002%d年\u2002第%d卷\u2002第%d期' % (s[0], year, rng.randint(20, 45), rng.randint(1, 6)),
              size=9, align='l', after=1)
    page.para('DOI：10.%d/j.cnki.%s.%d.%02d.%03d' % (rng.randint(13000, 13999), rng.choice(['ayit', 'zknu', 'hhxy', 'xcxy']),
                                                  year, rng.randint(1, 6), rng.randint(1, 200)),
              size=8, align='l', rule='bottom', after=16)
    page.para((t['title'], {'size': rng.choice([17, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=8)
    page.para(_byline(authors, marks, rng, 12), align='c', cjk=rng.choice(KAI + SONG), after=3)
    units = [t['unit']] + ([rng.choice([u for u in t['d']['units'] if u != t['unit']])] if '2' in marks else [])
    for k, u in enumerate(units):
        page.para('（%s%s%s，%s %s）' % ('%d. ' % (k + 1) if len(units) > 1 else '', s[0], u, s[2], s[3]), size=8.5,
                  align='c', after=1)
    page.para('', after=6)
    page.para([('摘要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9, after=8)
    caption = '图文摘要\u2002%s%s的%s' % (t['s'], t['a'], rng.choice(['技术路线', '概念模型', '试验流程']))
    box = sized_table(page, [[(rng.choice(['图文摘要', 'Graphical Abstract']), {'bold': True})], [''], [caption]],
                      [16.0], size=9, grid=True, align='c', shade=(0,) if rng.random() < 0.5 else (), fill='EDEDED')
    box.rows[1].height = Cm(rng.choice([3.5, 4.0, 4.5]))
    page.para('中图分类号：%s\u3000\u3000文献标志码：A\u3000\u3000文章编号：%d-%04d（%d）%02d-%04d-%02d' % (
        rng.choice(['S436', 'X524', 'TS251', 'R285']), rng.randint(1000, 1999), rng.randint(1, 9999), year,
        rng.randint(1, 6), rng.randint(1, 99), rng.randint(5, 12)), size=8, before=8, after=8)
    page.columns(2)
    page.para(('0\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-agritechmagazine-headinsidefirstcolumn': firstcolumn_head,
             'gen-zh-foodscimeeting-keynoteabstract-photoframebeside': keynote_photoframe,
             'gen-zh-hydroenvmaster-labelrowvaluerowstrip': fieldstrip_master,
             'gen-zh-mecheng-designcover-drawingtitleblock': titleblock_design,
             'gen-zh-chemxuebao-graphicalabstractbox-twocolbody': graphicalabstract_xuebao}
