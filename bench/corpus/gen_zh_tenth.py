"""A tenth set of Chinese first pages, in layouts the earlier sets lack: the front page of an
invention patent application, its bibliographic data in numbered fields ((21) 申请号 … (72) 发明人)
in the left column and (54) 发明名称 with (57) 摘要 in the right; the first slide of a thesis
defence (答辩) exported from presentation software, on a wide page; a page of a humanities 集刊
whose abstract and keywords carry bracket labels (【内容提要】【关键词】) and whose author is explained
in a starred note at the foot; a newspaper theory page in three columns whose authors are named only
at the end of the text ("（作者：甲，系…）"); a thesis's 中文摘要 page led by 论文题目 / 专业 / 硕士生 /
指导教师 lines; and the cover of a research grant application (项目名称, 申请人, 依托单位).
Subjects: traditional villages and timber buildings, ice-and-snow tourism, bamboo materials, saline
soils of the Yellow River delta, hydrogen energy, and care for the elderly."""
from docx.enum.table import WD_TABLE_ALIGNMENT
from docx.enum.text import WD_BREAK
from docx.shared import Cm

from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_person

SCHOOLS = [('北京建筑大学', 'Beijing University of Civil Engineering and Architecture', '北京', '100044'),
           ('哈尔滨商业大学', 'Harbin University of Commerce', '哈尔滨', '150028'),
           ('浙江农林大学', 'Zhejiang A&F University', '杭州', '311300'),
           ('滨州学院', 'Binzhou University', '滨州', '256603'),
           ('华北电力大学', 'North China Electric Power University', '保定', '071003'),
           ('鲁东大学', 'Ludong University', '烟台', '264025')]
# one field each: subjects, angles, settings, then the field's units, majors, devices (for patents)
# and the 集刊 that prints its humanities papers
DOMAINS = [(['传统村落', '古建筑木结构', '历史街区'], ['保护更新', '价值评价', '病害诊断'], ['京西古道', '太行山区'],
            dict(units=['建筑与城市规划学院', '土木与交通工程学院'], majors=['建筑学', '城乡规划学'],
                 devices=['木构件含水率检测装置', '榫卯节点加固构件', '古建筑墙体测绘支架'], jikan='建筑遗产研究集刊')),
           (['冰雪旅游', '寒地城市', '冬季运动产业'], ['消费行为', '提升策略', '空间布局'], ['亚布力滑雪区', '松花江沿岸'],
            dict(units=['旅游烹饪学院', '经济学院'], majors=['旅游管理', '产业经济学'],
                 devices=['雪道游客流量监测系统', '冰雕展品保温展示柜', '滑雪场票务核验装置'], jikan='寒地经济评论')),
           (['竹材', '竹纤维', '竹林碳汇'], ['力学性能', '改性工艺', '碳汇计量'], ['安吉竹乡', '浙西山区'],
            dict(units=['化学与材料工程学院', '环境与资源学院'], majors=['木材科学与技术', '林业工程'],
                 devices=['竹篾自动分层机', '竹纤维增强复合板材', '竹材热处理炉'], jikan='竹文化研究')),
           (['盐碱地改良', '耐盐植物', '湿地碳库'], ['土壤修复', '种质筛选', '动态监测'], ['黄河三角洲', '莱州湾南岸'],
            dict(units=['生物与环境工程学院', '资源环境学院'], majors=['生态学', '农业资源与环境'],
                 devices=['盐碱土壤调理剂', '暗管排盐施工装置', '耐盐植物育苗盘'], jikan='黄河三角洲学刊')),
           (['氢能储运', '电解水制氢', '综合能源系统'], ['经济性分析', '调峰配置', '技术路线'], ['张家口示范区', '京津冀地区'],
            dict(units=['新能源学院', '电气与电子工程学院'], majors=['电气工程', '动力工程及工程热物理'],
                 devices=['高压储氢瓶泄漏检测装置', '碱性电解槽温控系统', '氢气管道掺混计量装置'], jikan='能源转型评论')),
           (['社区居家养老', '智慧养老', '老年教育'], ['服务供给', '需求评估', '模式创新'], ['胶东半岛', '烟台市芝罘区'],
            dict(units=['教育科学学院', '商学院'], majors=['社会保障', '教育学原理'],
                 devices=['老人跌倒报警手环', '居家养老呼叫终端', '适老化扶手组件'], jikan='老龄社会研究'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['面向{c}的{s}{a}', '{s}{a}的关键问题与对策', '{c}{s}{a}及其影响因素', '{s}与{t}耦合视角下的{a}',
         '{c}{s}{a}：现状、问题与路径']
THEORY_FORMS = ['以{a}推动{s}高质量发展', '{s}要在{a}上下功夫', '走好{c}{s}{a}之路', '把握{s}与{t}的辩证关系']
GRANT_FORMS = ['{c}{s}{a}的机理与调控研究', '{s}{a}关键技术研究', '{s}与{t}协同{a}的理论与方法']
PATENT_FORMS = ['一种{d}', '一种{d}', '一种{d}及其使用方法']
BODY = ('本文梳理了相关研究的进展，结合实地调研与统计资料，分析了存在的主要问题及其原因，'
        '并从制度、技术与管理三个方面提出了对策建议。')
PATENT_BODY = ('本发明公开了一种装置，包括底座、支撑组件和控制单元，所述支撑组件固定于底座上方，'
               '控制单元与传感器电连接。本发明结构简单，操作方便，能够有效提高工作效率并降低成本。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei']
IPC = ['E04G 23/02', 'G06Q 50/14', 'B27J 1/00', 'C09K 17/40', 'C25B 1/04', 'A61B 5/11']


def _topic(rng, forms=None):
    """A title and what goes with its field: school, unit, major, devices and 集刊."""
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts),
                                              d=rng.choice(f['devices']))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), units=f['units'],
                major=rng.choice(f['majors']), jikan=f['jikan'], ipc=IPC[i])


def _page(rng, size=10.5, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _people(rng, low, high):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(low, high))]


def _finish(page, rng, topic, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, topic['title'], authors, kws)
    return page, record(topic['title'], authors, year, kws, 'zh', None, meta=meta, **extra)


def patent_front(rng):
    """The front page of a patent application: office and kind at the top, the publication number
    and date at the right, then numbered fields in two columns: (21)…(72) 发明人 …(51) on the left,
    (54) 发明名称 and (57) 摘要 on the right."""
    page = _page(rng, 10, margins=2.0)
    topic = _topic(rng, PATENT_FORMS)
    s = topic['school']
    year = rng.randint(2012, 2026)
    granted = rng.random() < 0.3
    page.table([[[('(19)国家知识产权局', {'size': 15, 'bold': True}), '\n',
                  ('(12)发明专利' + ('' if granted else '申请'), {'size': 18, 'bold': True})],
                 '(%s)%s CN %d%06d %s\n(%s)%s %d.%02d.%02d' % (
                     '10', '授权公告号' if granted else '申请公布号', rng.randint(105, 118), rng.randint(0, 999999),
                     'B' if granted else 'A', '45' if granted else '43', '授权公告日' if granted else '申请公布日',
                     year, rng.randint(1, 12), rng.randint(1, 28))]],
               widths_cm=[9.0, 8.0], size=10.5, align=['l', 'l'])
    page.para('', rule='bottom', after=10)
    page.columns(2, space_cm=1.0)
    inventors = _people(rng, 2, 6)
    agent = _people(rng, 1, 1)[0]
    while agent in inventors:
        agent = _people(rng, 1, 1)[0]
    filed = year - rng.randint(0, 2)
    sep = rng.choice(['\u3000', '  ', '；'])
    left = [('(21)申请号 %d1%07d.%d' % (filed, rng.randint(0, 9999999), rng.randint(0, 9)), 2),
            ('(22)申请日 %d.%02d.%02d' % (filed, rng.randint(1, 12), rng.randint(1, 28)), 8),
            ('(71)申请人 %s' % s[0], 0), ('地址 %d%s市%s' % (int(s[3]), s[2], rng.choice(['学府路', '大学路', '文化路'])), 8),
            ('(72)发明人 %s' % sep.join(inventors), 8),
            ('(74)专利代理机构 %s%s专利代理事务所（普通合伙） %d' % (s[2], rng.choice(['博文', '智信', '正和', '远恒']),
                                                     rng.randint(11000, 37999)), 0),
            ('代理人 %s' % agent, 8),
            ('(51)Int.Cl.', 0), ('%s（2006.01）' % topic['ipc'], 0)]
    for text, after in left:
        page.para(text, size=9.5, after=after)
    page.doc.paragraphs[-1].runs[-1].add_break(WD_BREAK.COLUMN)
    page.para([('(54)发明名称', {'size': 10})], after=2)
    page.para((topic['title'], {'size': 12, 'bold': True}), indent=20, after=12)
    page.para('(57)摘要', size=10, after=2)
    page.para(PATENT_BODY * 2, size=10, align='j', indent=20)
    return _finish(page, rng, topic, inventors, year)


def defence_slides(rng):
    """The first slide of a defence, printed on a wide page: the school on a shaded band, the kind
    of defence, the title, then 答辩人 / 指导教师 (and on some the major), and the date."""
    page = _page(rng, 14, margins=1.2)
    sec = page.doc.sections[0]
    sec.page_width, sec.page_height = Cm(25.4), Cm(14.29)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2014, 2026)
    author, sup = _people(rng, 2, 2)
    kind = rng.choice(['硕士学位论文答辩', '博士学位论文答辩', '本科毕业论文答辩', '硕士学位论文开题答辩'])
    band = [(s[0], {'size': 16, 'bold': True}), '\u3000\u3000', (s[1].upper(), {'size': 9})]
    page.table([[band]], widths_cm=[23.0], align='l' if rng.random() < 0.5 else 'c', shade=(0,),
               fill=rng.choice(['BDD7EE', 'C6E0B4', 'D9D9D9', 'F8CBAD']))
    page.para(kind, size=rng.choice([14, 16]), align='c', before=18, after=10)
    page.para((topic['title'], {'size': rng.choice([24, 26, 28]), 'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=24)
    who = rng.choice(['答辩人', '汇报人'])
    rank = rng.choice(['教授', '副教授', '研究员'])
    when = '%d年%d月' % (year, rng.choice([5, 6, 11, 12]))
    if rng.random() < 0.5:
        page.para('%s：%s\u3000\u3000\u3000指导教师：%s %s' % (who, author, sup, rank), size=15, align='c', after=6)
    else:
        for line in ['%s：%s' % (who, author), '指导教师：%s %s' % (sup, rank), '专\u3000\u3000业：%s' % topic['major']]:
            page.para(line, size=14, align='c', after=4)
    page.para(when, size=13, align='c', before=8)
    return _finish(page, rng, topic, [author], year, supervisor=sup)


def jikan_bracket_labels(rng):
    """A paper in a humanities 集刊: the series head over a rule, the title, the author(s) with a
    star, 【内容提要】 and 【关键词】 (or ［ ］ brackets), the text, and the starred note at the foot."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2010, 2026)
    page.para('《%s》第%s辑（%d年）\t\t\t\t%s' % (topic['jikan'], '一二三四五六七八九十'[rng.randrange(10)], year,
                                          rng.choice(['专题研究', '学术论文', '调查与思考'])),
              size=9, rule='bottom', after=24)
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=10)
    authors = _people(rng, 1, 2)
    stars = ['＊' * (i + 1) for i in range(len(authors))]
    runs = []
    for i, a in enumerate(authors):
        runs += [a, (stars[i], {'sup': True, 'size': 8})]
        if i < len(authors) - 1:
            runs.append('\u3000')
    page.para(runs, size=12, align='c', cjk=rng.choice(KAI), after=16)
    opened, shut = rng.choice([('【', '】'), ('［', '］'), ('[', ']')])
    page.para([('%s内容提要%s' % (opened, shut), {'bold': True}), BODY * 2], size=9.5, align='j', cjk=rng.choice(KAI))
    page.para([('%s关键词%s' % (opened, shut), {'bold': True}), rng.choice(['\u3000', '；', ' ']).join(topic['kws'])],
              size=9.5, cjk=rng.choice(KAI), after=16)
    page.para(BODY * 4, indent=21, align='j', after=30)
    for i, a in enumerate(authors):
        page.para('%s %s，%s%s%s，主要研究方向为%s。' % (stars[i], a, s[0], rng.choice(topic['units']),
                                               rng.choice(['副教授', '教授', '讲师', '博士研究生']), topic['major']),
                  size=8, rule='top' if i == 0 else None, after=0)
    return _finish(page, rng, topic, authors, year, topic['kws'])


def theory_end_authors(rng):
    """A newspaper theory page: the dated head over a rule, a kicker, the big title, the text in three
    columns, and the authors named only at the end ("（作者：甲，系…教授；乙，系…）"); on some a
    "□ 甲" byline under the title with the unit at the end instead."""
    page = _page(rng, 10, margins=1.6)
    topic = _topic(rng, THEORY_FORMS)
    s = topic['school']
    year, month, day = rng.randint(2016, 2026), rng.randint(1, 12), rng.randint(1, 28)
    page.para('%s\u3000\u3000%d年%d月%d日\u3000星期%s\u3000\u3000理论·实践\u3000\u3000第%d版' % (
        rng.choice(['学习与发展报', '新时代理论周刊', '城乡建设报', '社会科学导报']), year, month, day,
        rng.choice('一二三四五六日'), rng.randint(5, 16)), size=9, rule='bottom', after=16)
    if rng.random() < 0.5:
        page.para(rng.choice(['【专家视点】', '【理论前沿】', '◆学术观察']), size=10, bold=True, after=4)
    page.para((topic['title'], {'size': rng.choice([22, 24, 26]), 'bold': True, 'cjk': rng.choice(HEI)}),
              align=rng.choice(['c', 'l']), after=10)
    authors = _people(rng, 1, 2)
    byline = rng.random() < 0.4
    if byline:
        page.para('%s %s' % (rng.choice(['□', '◎']), '\u3000'.join(authors)), size=11, align='c', after=10)
    page.columns(3, space_cm=0.6)
    page.para(BODY * 22, indent=20, align='j', after=6)
    if byline:
        page.para('（作者单位：%s%s）' % (s[0], topic['unit']), align='r')
    else:
        who = ['%s，系%s%s%s' % (a, s[0], rng.choice(topic['units']), rng.choice(['教授', '副教授', '副研究员']))
               for a in authors]
        page.para('（作者：%s）' % '；'.join(who), align='r')
    if rng.random() < 0.4:
        page.para('（本文系国家社科基金项目“%s研究”阶段性成果）' % rng.choice(SUBJECTS), size=9)
    return _finish(page, rng, topic, authors, year)


def thesis_abstract_page(rng):
    """A thesis's 中文摘要 page: the running head with the year, then 论文题目, 专业, 硕士生 (or
    博士生), 指导教师 lines (or a borderless table of them), 摘　　要 and 关键词."""
    page = _page(rng, 12)
    topic = _topic(rng)
    s = topic['school']
    year = rng.randint(2008, 2026)
    doctor = rng.random() < 0.3
    kind = '博士学位论文' if doctor else '硕士学位论文'
    page.para(rng.choice(['%s%d届%s' % (s[0], year, kind), '%s%s（%d）' % (s[0], kind, year)]), size=9, align='c',
              rule='bottom', after=18)
    author, sup = _people(rng, 2, 2)
    rows = [('论文题目', topic['title']), ('专\u3000\u3000业', topic['major']),
            ('博 士 生' if doctor else rng.choice(['硕 士 生', '研 究 生']), author),
            ('指导教师', '%s %s' % (sup, rng.choice(['教授', '副教授', '研究员'])))]
    if rng.random() < 0.5:
        for label, value in rows:
            page.para([(label + '：', {'bold': True}), value], size=12, after=4)
    else:
        page.table([[label + '：', value] for label, value in rows], widths_cm=[3.0, 12.5], size=12, align=['l', 'l'])
    page.para(('摘\u3000\u3000要', {'size': 16, 'bold': True, 'cjk': rng.choice(HEI)}), align='c', before=18, after=10)
    page.para(BODY * 4, indent=24, align='j', line=1.3, after=10)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(topic['kws'])], size=12)
    return _finish(page, rng, topic, [author], year, topic['kws'], supervisor=sup)


GRANT_KINDS = [('国家自然科学基金', '申\u3000请\u3000书', '国家自然科学基金委员会', '项目名称', '申 请 人', '依托单位'),
               ('教育部人文社会科学研究项目', '申请评审书', '中华人民共和国教育部社会科学司制', '课题名称', '申 请 者', '所在学校'),
               ('{p}自然科学基金项目', '申\u3000报\u3000书', '{p}科学技术厅', '项目名称', '项目负责人', '承担单位')]
PROVINCES = {'北京': '北京市', '哈尔滨': '黑龙江省', '杭州': '浙江省', '滨州': '山东省', '保定': '河北省', '烟台': '山东省'}


def grant_application(rng):
    """The cover of a grant application: the office's code boxes at the top right, the fund and the
    form's name, then label lines (资助类别 … 项目名称 … 申请人 … 依托单位 … 申报日期) and the office."""
    page = _page(rng, 12)
    topic = _topic(rng, GRANT_FORMS)
    s = topic['school']
    year = rng.randint(2011, 2026)
    fund, form, office, title_label, lead_label, unit_label = rng.choice(GRANT_KINDS)
    fund, office = fund.format(p=PROVINCES[s[2]]), office.format(p=PROVINCES[s[2]]).replace('北京市科学技术厅', '北京市科学技术委员会')
    page.table([['申请代码', '%s%02d%02d' % (rng.choice('CDEFGL'), rng.randint(1, 20), rng.randint(1, 9))],
                ['受理部门', ''], ['收件日期', ''], ['受理编号', '']], widths_cm=[2.4, 3.2], size=9, grid=True)
    page.doc.tables[-1].alignment = WD_TABLE_ALIGNMENT.RIGHT
    page.para((fund, {'size': 22, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', before=30, after=6)
    page.para((form, {'size': 24, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=40)
    lead = _people(rng, 1, 1)[0]
    rows = [('资助类别', rng.choice(['面上项目', '青年科学基金项目', '规划基金项目', '一般项目'])),
            ('亚类说明', ''), (title_label, topic['title']),
            (lead_label, '%s\u3000\u3000电话：0%d-%08d' % (lead, rng.randint(10, 999), rng.randint(0, 99999999))),
            (unit_label, s[0]), ('通讯地址', '%s市%s%s' % (s[2], s[0], topic['unit'])),
            ('邮政编码', s[3]), ('申报日期', '%d年%02d月%02d日' % (year, rng.randint(1, 4), rng.randint(1, 28)))]
    stretch = rng.random() < 0.5
    for label, value in rows:
        lab = '\u3000'.join(label) if stretch and len(label) == 4 and ' ' not in label else label
        page.para('%s：%s' % (lab, value), size=13, indent=rng.choice([30, 40]) if not stretch else 30, after=8)
    page.para((office, {'size': 15, 'bold': True}), align='c', before=40)
    return _finish(page, rng, topic, [lead], year)


TEMPLATES = {
    'gen-zh-patent-frontpage': patent_front,
    'gen-zh-defence-slide': defence_slides,
    'gen-zh-jikan-bracketlabels': jikan_bracket_labels,
    'gen-zh-theory-endauthors': theory_end_authors,
    'gen-zh-thesis-abstractpage': thesis_abstract_page,
    'gen-zh-grant-application': grant_application,
}
