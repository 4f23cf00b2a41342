"""A thirty-fourth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the natural sciences, engineering, medicine, farming and the environment of
schools of their own."""

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table as _grid, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('攀枝花学院', 'Panzhihua University', '攀枝花', '617000', '四川'),
           ('西昌学院', 'Xichang University', '西昌', '615013', '四川'),
           ('河套学院', 'Hetao College', '巴彦淖尔', '015000', '内蒙古'),
           ('宜宾学院', 'Yibin University', '宜宾', '644000', '四川')]
# per school: subjects with the angles that suit them, settings, units, majors
DOMAINS = [dict(subjects={'钒钛磁铁矿尾矿': ['微波焙烧提钒', '充填胶结体强度'], '攀枝花芒果': ['炭疽病拮抗菌筛选', '果实糖酸比'],
                          '干热河谷植被': ['土壤种子库', '坡面径流产沙']},
                contexts=['米易县', '盐边县', '仁和区'], units=['钒钛学院', '生物与化学工程学院', '资源与环境工程学院'],
                majors=['冶金工程', '作物学', '环境科学与工程']),
           dict(subjects={'凉山苦荞': ['芦丁含量变异', '抗倒伏性状'], '邛海湿地': ['蓝藻水华预警', '入湖氮磷通量'],
                          '彝区乡村卫生室': ['高血压随访管理', '抗菌药物处方']},
                contexts=['冕宁县', '德昌县', '会理市'], units=['农业科学学院', '资源与环境学院', '医学院'],
                majors=['农艺与种业', '生态学', '公共卫生']),
           dict(subjects={'河套灌区土壤': ['次生盐渍化反演', '暗管排水脱盐'], '向日葵列当': ['寄生萌发诱导', '抗性品种鉴定'],
                          '肉羊舍饲育肥': ['瘤胃发酵参数', '尿素替代蛋白']},
                contexts=['五原县', '临河区', '杭锦后旗'], units=['农学系', '生态与资源工程系', '动物科学系'],
                majors=['农业工程', '植物保护', '畜牧']),
           dict(subjects={'长江上游鲟鱼': ['人工繁育存活率', '栖息地水温'], '浓香型酒醅': ['窖泥微生物演替', '己酸乙酯合成'],
                          '宜宾竹荪': ['菌丝生长温度', '重金属富集']},
                contexts=['翠屏区', '南溪区', '长宁县'], units=['农林与食品工程学部', '质量管理与检验检测学院', '计算机科学与技术学院'],
                majors=['水产养殖', '发酵工程', '食品科学与工程'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的试验研究', '{s}{a}特征及影响因素', '基于野外观测的{s}{a}分析', '{s}{a}：以{c}为例']
BODY = '本研究在连续两年的野外试验与室内分析基础上，测定了相关指标的时空变化，比较了不同处理之间的差异，并结合统计模型讨论了其主要控制因素。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def sidetag_panel(rng):
    """A science 学报 article whose head is one framed panel: a narrow shaded cell down the left with the
    column's name one character a line (研究简报, 研究论文), and beside it the title, the authors and their
    units in brackets; then the old labels 提要 and 主题词 in place of 摘要 and 关键词, the class number."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 4))
    vol = rng.randint(12, 48)
    page.para('%s学报（自然科学版）\u3000第%d卷第%d期\u3000%d年%d月' % (s[0][:-2], vol, rng.randint(1, 6), year, rng.randint(1, 12)),
              size=9, align=rng.choice(['r', 'c']), after=10)
    tag = '\n'.join(rng.choice(['研究简报', '研究论文', '试验研究']))
    panel = [(t['title'], {'size': rng.choice([15, 16, 17]), 'bold': True}),
             ('\n\n' + rng.choice(['\u3000', '\u2002', '，']).join(authors), {'size': 11}),
             ('\n（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), {'size': 8.5})]
    _grid(page, [[(tag, {'bold': True, 'size': 11}), panel]], [1.2, 14.8], grid=True, align=['c', 'c'],
          shade=(0,), fill=rng.choice(['D9D9D9', 'DCE6D2', 'D6E4F0']))
    page.para('', after=8)
    page.para([('提\u3000要\u3000', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=4)
    page.para([('主题词\u3000', {'bold': True, 'cjk': rng.choice(HEI)}), rng.choice(['\u3000', '；', ' ']).join(t['kws'])],
              size=9, after=2)
    page.para('中图分类号\u3000%s\u3000\u3000文献标志码\u3000A' % rng.choice(['S512.9', 'X171.4', 'TD926.4', 'S959']),
              size=9, after=14)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def fourcol_fieldgrid(rng):
    """A professional master's cover (兽医, 农业, 工程): 学号 left and 密级 right on the top line, the school,
    the kind, the title with an English line under it, then the fields two pairs a row in a four-column
    grid (研究生 | name | 导师 | name ...), and the month in Chinese numerals at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}的调查与分析', '{s}{a}的试验与应用'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup, ind = _people(rng, 2, [student])
    _grid(page, [['学号：%d%06d' % (year - 3, rng.randint(1, 999999)), '密级：' + rng.choice(['公开', '公开', '内部'])]],
          [8.0, 8.0], size=10, align=['l', 'r'])
    page.para((s[0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI + SONG)}), align='c', before=30, after=8)
    kind = rng.choice(['兽医硕士', '农业硕士', '工程硕士', '公共卫生硕士'])
    page.para(('%s专业学位论文' % kind, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}),
              align='c', after=50)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=6)
    page.para(('A Study on %s' % rng.choice(['Field Trials in Southwest China', 'Applied Practice in Arid Farmland',
                                             'Local Production Systems']), {'italic': True}), size=12, align='c', after=60)
    rows = [['研 究 生', student, '导\u3000\u3000师', sup + rng.choice(['\u2002教授', '\u2002副教授', ''])],
            ['行业导师', ind + rng.choice(['\u2002高级兽医师', '\u2002高级农艺师', '\u2002正高级工程师']), '专业领域', t['major']],
            ['所在学院', t['unit'], '答辩日期', '%d年%d月' % (year, rng.choice([5, 6, 11, 12]))]]
    _grid(page, rows, [2.8, 4.2, 2.8, 5.2], size=rng.choice([11, 12]), grid=rng.random() < 0.6, align='c',
          shade=(0, 2) if rng.random() < 0.4 else ())
    page.para(zh_date(year, rng.choice([5, 6])), size=14, align='c', before=50)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def namemail_lines(rng):
    """An agricultural science journal article: the title flush left, the authors right-aligned one a
    line each with its e-mail in brackets, the units only at the page foot under a short rule
    (作者单位), and the abstract set in a two-cell row with its label shaded."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para('%s\u2003%d, %d(%d)\u2003DOI: 10.%d/j.cnki.%s.%d.%02d.%03d' % (
        rng.choice(['西南农业科技', '干旱区农业研究进展', '山地农业生物学报']), year, rng.randint(20, 45), rng.randint(1, 12),
        rng.randint(13000, 16999), rng.choice(['xnny', 'ghqn', 'sdnk']), year, rng.randint(1, 12), rng.randint(1, 200)),
        size=8.5, align='l', rule='bottom', after=20)
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='l', after=12)
    for k, a in enumerate(authors):
        page.para([(a, {'size': 11.5, 'cjk': rng.choice(KAI + SONG)}),
                   ('（%s%d@%s）' % (rng.choice(['lab', 'agri', 'mail']), rng.randint(10, 99), rng.choice(['163.com', 'qq.com', 'edu.cn'])),
                    {'size': 8.5})], align='r', after=1)
    page.para('', after=10)
    _grid(page, [[('摘要', {'bold': True}), BODY * 2], [('关键词', {'bold': True}), '；'.join(t['kws'])]],
          [2.0, 14.0], size=9, align=['c', 'l'], shade=(0,), fill=rng.choice(['E7E6E6', 'E2EFDA']))
    page.para('', after=10)
    page.para(BODY * 3, align='j', indent=21, line=1.3, size=10.5, after=20)
    page.para('', rule='bottom', after=2)
    page.para('作者单位：%s%s，%s%s %s' % (s[0], t['unit'], s[4], s[2], s[3]), size=8, after=1)
    page.para('基金项目：%s省科技计划项目（%dYFN%04d）' % (s[4], year - 2, rng.randint(1, 9999)), size=8)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def monitoring_report_signtable(rng):
    """An environmental or engineering monitoring report's cover: the report number framed at the top
    right, the title, the commissioning party, then a framed table of 项目负责人 / 报告编写 / 审核 /
    签发 with a blank signature column; the writers are the authors (the leader first), the checker and
    the signer are not; the unit and the date at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}监测报告', '{s}{a}技术报告', '{s}{a}专项调查报告'])
    s = t['school']
    year = rng.randint(2013, 2026)
    writers = _people(rng, rng.randint(1, 4))
    checker, signer = _people(rng, 2, writers)
    _grid(page, [['', ('报告编号：%s-%d-%03d' % (rng.choice(['PZH', 'XC', 'HT', 'YB']), year, rng.randint(1, 120)),
                      {'bold': True})]], [10.0, 6.0], size=10, align=['l', 'c'], grid=False)
    page.para('', after=60)
    page.para((t['title'], {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=20)
    page.para('委托单位：%s%s' % (rng.choice(t['d']['contexts']), rng.choice(['生态环境分局', '农业农村局', '水务局'])),
              size=13, align='c', after=60)
    rows = [[('职\u3000责', {'bold': True}), ('姓\u3000名', {'bold': True}), ('签\u3000字', {'bold': True})],
            ['项目负责人', writers[0], ''], ['报告编写', '、'.join(writers), ''], ['审\u3000\u3000核', checker, ''],
            ['签\u3000\u3000发', signer, '']]
    _grid(page, rows, [3.5, 6.5, 3.5], size=12, grid=True, align='c')
    page.para('', after=60)
    page.para((s[0] + t['unit'], {'cjk': rng.choice(KAI + SONG)}), size=14, align='c', after=4)
    page.para(zh_date(year, rng.randint(1, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(1, 12)),
              size=14, align='c')
    return _finish(page, rng, t['title'], writers, year)


def doctor_twotitlelabels(rng):
    """A doctoral cover in the sciences whose title is given twice under labels (中文题目 and 英文题目),
    then the fields on a borderless two-column block set off from the left (作者姓名, 指导教师, 学科专业,
    研究方向, 论文完成日期), over the 学位类型 line with a tick."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}机理研究', '{s}{a}的过程与机制', '{c}{s}{a}的时空格局'])
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('学校代码：1%04d\u3000\u3000分类号：%s' % (rng.randint(600, 9999), rng.choice(['S5', 'X1', 'Q14', 'TD9'])),
              size=9.5, align='r', after=30)
    page.para((s[0], {'size': rng.choice([24, 28]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=10)
    page.para(('博士学位论文', {'size': rng.choice([24, 26]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=50)
    page.para([('中文题目：', {'bold': True}), (t['title'], {'size': 15, 'bold': rng.random() < 0.5})], size=13,
              align='l', after=8)
    page.para([('英文题目：', {'bold': True}), 'Studies on %s' % rng.choice(
        ['Processes and Mechanisms in a Dry-hot Valley', 'Field Ecology of an Irrigated Plain', 'Upper Yangtze Aquatic Systems'])],
        size=12, align='l', after=50)
    rows = [[k, v] for k, v in [('作者姓名：', student), ('指导教师：', sup + rng.choice(['\u2002教授', '\u2002研究员', ''])),
                                 ('学科专业：', t['major']), ('研究方向：', t['s'] + t['a']),
                                 ('论文完成日期：', '%d年%d月' % (year, rng.choice([4, 5, 10])))]]
    _grid(page, rows, [4.0, 8.0], size=13, align=['r', 'l'])
    page.para('学位类型：%s学术学位\u3000\u3000□专业学位' % rng.choice(['☑', '■', '√']), size=11, align='c', before=30)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-sichuanscixuebao-sidetagpanel-tiyaozhuticilabels': sidetag_panel,
             'gen-zh-vetagrimaster-fourcolumnfieldgrid-mijicorner': fourcol_fieldgrid,
             'gen-zh-dryvalleyagrijournal-rightnameemaillines-footunits': namemail_lines,
             'gen-zh-envmonitoring-reportno-signaturetable': monitoring_report_signtable,
             'gen-zh-sciencedoctor-cnentitlelabels-offsetfieldblock': doctor_twotitlelabels}
