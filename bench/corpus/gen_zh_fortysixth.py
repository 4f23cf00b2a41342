"""A forty-sixth set of Chinese first pages of papers and reports, in house styles the earlier sets
lack, in the natural sciences, engineering, medicine, farming, computing and environment of schools of
their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_topic)

SCHOOLS = [('燕山大学', 'Yanshan University', '秦皇岛', '066004', '河北'),
           ('河北农业大学', 'Hebei Agricultural University', '保定', '071001', '河北'),
           ('华北理工大学', 'North China University of Science and Technology', '唐山', '063210', '河北')]
DOMAINS = [dict(subjects={'秦皇岛港煤尘': ['堆场抑尘网设计', '煤尘扩散数值模拟'], '北戴河近岸赤潮': ['赤潮藻种遥感识别', '赤潮预警模型'],
                          '冷轧带钢板形': ['板形闭环控制算法', '轧辊热凸度预测']},
                contexts=['海港区', '北戴河区', '抚宁区'], units=['环境与化学工程学院', '信息科学与工程学院', '机械工程学院'],
                majors=['环境工程', '计算机科学与技术', '机械工程']),
           dict(subjects={'阜平香菇栽培': ['菌棒污染防控', '香菇菌渣还田'], '满城草莓设施种植': ['草莓白粉病绿色防控', '日光温室水肥一体化'],
                          '太行山板栗': ['板栗嫁接品种比较', '板栗林下养鸡']},
                contexts=['阜平县', '满城区', '顺平县'], units=['园艺学院', '植物保护学院', '资源与环境科学学院'],
                majors=['园艺学', '植物病理学', '农业资源与环境']),
           dict(subjects={'曹妃甸吹填土地基': ['真空预压加固', '吹填土固结试验'], '唐山钢渣综合利用': ['钢渣沥青混合料', '钢渣微粉活性激发'],
                          '煤矿工人尘肺筛查': ['低剂量CT早期筛查', '肺功能随访队列']},
                contexts=['曹妃甸区', '迁安市', '滦州市'], units=['建筑工程学院', '冶金与能源学院', '公共卫生学院'],
                majors=['岩土工程', '冶金工程', '劳动卫生与环境卫生学'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本研究在野外观测、室内试验与数值计算的基础上，分析了影响该过程的主要因素及其作用机制，给出了可供生产与管理参考的技术参数和改进建议。'
RANKS = ['教授', '副教授', '讲师', '研究员', '博士研究生']
MED = ('煤矿工人尘肺筛查',)


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _title(page, rng, title, sizes=(18, 20), align='c'):
    page.para((title, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=8)


def _unit_line(page, rng, t, authors):
    units = sorted({rng.choice(t['d']['units']) for _ in authors})
    page.para('（%s%s，河北%s\u2002%s）' % (t['school'][0], '；'.join(units), t['school'][2], t['school'][3]), size=9, align='c', after=10)


def guideline_reading(rng):
    """A medical journal's reading of a guideline or consensus: the journal line and "·指南与共识·"
    (or 共识解读) over a rule, the title, then "执笔：" naming the writers (the authors) and on its own
    line "审校：" naming the reviewer (no author), the unit, 【摘要】 and 【关键词】, and the text
    under numbered heads; the guideline's own committee named in the text is no author either."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['《{s}专家共识》解读：{a}', '{s}指南解读——聚焦{a}', '{a}：{s}共识要点解读'], among=[2])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    reviewer = _people(rng, 1, authors)[0]
    page.para('%s\u2002%d年%d月第%d卷第%d期' % (rng.choice(['职业医学与防护杂志', '冀东医学', '矿山卫生'] if t['s'] in MED else ['岩土工程与标准化', '冶金建设技术']), year, rng.randint(1, 12),
                                             year - 1985, rng.randint(1, 12)), size=9, align=rng.choice(['l', 'c']),
              rule='bottom', after=10)
    page.para(_bold(rng.choice(['·指南与共识·', '·共识解读·', '·指南解读·']), rng), size=10.5, align=rng.choice(['l', 'c']), after=10)
    _title(page, rng, t['title'], (18, 20, 22))
    writers = ('执笔：' if rng.random() < 0.6 else '执笔人：') + rng.choice(['\u3000', '，']).join(authors)
    checker = rng.choice(['审校：', '审\u3000校：']) + reviewer
    if rng.random() < 0.5:
        page.para(writers, size=11.5, align='c', cjk=rng.choice(KAI), after=2)
        page.para(checker, size=10.5, align='c', cjk=rng.choice(KAI), after=4)
    else:
        page.para(writers + '\u3000\u3000' + checker, size=11, align='c', cjk=rng.choice(KAI), after=4)
    _unit_line(page, rng, t, authors)
    page.para([_bold('【摘要】', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('【关键词】', rng), '；'.join(t['kws'])], size=9.5, after=10)
    page.para(_bold('1\u2002共识制定的背景', rng), size=11, after=3)
    page.para('%s%s专家组于%d年发布该共识。' % (rng.choice(['河北省', '华北地区', '冀东']), '职业病防治' if t['s'] in MED else '工程技术',
                                        year - 1) + BODY * 2, align='j',
              indent=21, line=1.3, size=10.5, after=6)
    page.para(_bold('2\u2002主要推荐意见', rng), size=11, after=3)
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def trial_report(rng):
    """A province's regional variety or technique trial summary (cover): the year and the trial's
    name as a small head, the large title, a block of lines "主持单位：", "执笔人：" (the authors),
    "参试单位：" listing the trial sites, and the date at the foot; no abstract."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{a}区域试验总结', '{a}多点对比试验报告', '{c}{a}示范试验总结报告'], among=[1])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s年%s' % (year, rng.choice(['河北省农业技术区域试验', '冀中南特色作物联合试验', '太行山区农业科技示范'])), size=12,
              align=rng.choice(['c', 'l']), cjk=rng.choice(KAI), after=rng.choice([60, 80]))
    _title(page, rng, t['title'], (24, 26, 28))
    page.para('', after=rng.choice([60, 80, 100]))
    ind = rng.choice([100, 130])
    rows = [('主持单位：', '%s%s' % (t['school'][0], rng.choice(t['d']['units']))),
            ('执\u2002笔\u2002人：' if rng.random() < 0.5 else '执笔人：', rng.choice(['、', '\u3000']).join(authors)),
            ('参试单位：', '、'.join('%s农业农村局' % c for c in rng.sample(t['d']['contexts'], rng.randint(2, 3))))]
    if rng.random() < 0.5:
        rows[0], rows[1] = rows[1], rows[0]
    for label, value in rows:
        page.para([(label, {'bold': True}), value], size=13, indent=ind, after=10)
    page.para('', after=rng.choice([80, 110]))
    page.para(zh_date(year, rng.randint(10, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(10, 12)), size=13,
              align='c')
    return _finish(page, rng, t['title'], authors, year)


def grad_symposium(rng):
    """A graduate students' annual symposium paper: the symposium's name and the session in a shaded
    band, the title, one byline "A（硕士研究生）　指导教师：B" (or on two lines), the unit, 摘要 and
    关键词 run in, and the text in one column."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{a}研究', '{c}{a}初探', '{a}的试验研究'])
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    tutor = _people(rng, 1, [student])[0]
    band = '%s第%d届研究生学术年会（%d）\u3000%s' % (t['school'][0], year - rng.randint(2000, 2008), year,
                                      rng.choice(['分会场%d' % rng.randint(1, 6), '论文集', '优秀论文']))
    sized_table(page, [[band]], [16.0], size=9.5, align=[rng.choice(['l', 'c'])], shade=(0,), fill=rng.choice(['DDDDDD', 'E4ECF4']))
    page.para('', after=rng.choice([14, 22]))
    _title(page, rng, t['title'])
    kind = rng.choice(['（硕士研究生）', '（博士研究生）', '（硕士生）'])
    who = rng.choice(['指导教师：', '导师：'])
    rank = rng.choice(['', '\u2002教授', '\u2002副教授'])
    if rng.random() < 0.5:
        page.para('%s%s\u3000\u3000%s%s%s' % (student, kind, who, tutor, rank), size=11.5, align='c', cjk=rng.choice(KAI), after=2)
    else:
        page.para(student + kind, size=12, align='c', cjk=rng.choice(KAI), after=1)
        page.para(who + tutor + rank, size=10.5, align='c', cjk=rng.choice(KAI), after=2)
    _unit_line(page, rng, t, [student])
    page.para([_bold('摘\u3000要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), rng.choice(['；', '，']).join(t['kws'])], size=9.5, after=10)
    page.para(_bold('0\u2002引言', rng), size=11, after=3)
    zh_body(page, BODY, 3)
    return _finish(page, rng, t['title'], [student], year, t['kws'], supervisor=tutor)


def contract_report(rng):
    """A commissioned (横向) research project's technical report cover: the kind of project and the
    contract number on top, the title, "委托单位：" and "承担单位：" centred, the date, and at the foot a
    framed statement "本报告由…完成。项目负责人：L。主要完成人：A、B、C。" whose 主要完成人 are the
    authors (the leader among them, first)."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}技术报告', '{c}{s}{a}研究报告', '{a}关键技术研究总报告'], among=rng.choice([[0], [2]]))
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(2, 5))
    sized_table(page, [[rng.choice(['横向科研项目', '企业委托项目', '技术服务项目']),
                        '合同编号：%s-%d-%03d' % (rng.choice(['HX', 'JSFW', 'WT']), year, rng.randint(1, 300))]],
                [8.0, 8.0], size=10, align=['l', 'r'])
    page.para('', after=rng.choice([60, 80]))
    _title(page, rng, t['title'], (22, 24, 26))
    page.para(rng.choice(['（技术报告）', '（最终报告）', '']), size=14, align='c', after=rng.choice([40, 60]))
    unit = '%s%s' % (t['school'][0], rng.choice(t['d']['units']))
    page.para('委托单位：%s%s有限公司' % (t['school'][2], rng.choice(['港务', '钢铁', '建设', '环保'])), size=13, align='c', after=6)
    page.para('承担单位：' + unit, size=13, align='c', after=6)
    page.para(zh_date(year, rng.randint(1, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(1, 12)), size=13,
              align='c', after=rng.choice([80, 110]))
    text = '本报告由%s承担完成。项目负责人：%s%s。%s：%s。' % (
        unit, authors[0], rng.choice(['', '教授', '副教授']), rng.choice(['主要完成人', '主要完成人员', '报告完成人']),
        rng.choice(['、', '，']).join(authors))
    sized_table(page, [[text]], [15.0], size=10.5, align=['l'], grid=True, shade=(0,) if rng.random() < 0.5 else (),
                fill='EEEEEE')
    return _finish(page, rng, t['title'], authors, year)


def algorithm_paper(rng):
    """A computing and engineering journal article whose first page carries a framed algorithm box:
    the journal line over a rule, the title, the byline with "（通信作者）" after the corresponding
    author's name, the units, 摘要 and 关键词, the text and "算法1" with its numbered steps."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['面向{s}的{a}方法', '一种改进的{a}算法及其在{c}的应用', '{s}{a}的快速计算方法'], among=rng.choice([[0], [2]]))
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(2, 4))
    corr = rng.randrange(len(authors))
    page.para('%s\u2002%d，%d（%d）' % (rng.choice(['计算技术与工程应用', '燕赵计算机学报', '冶金自动化与信息']), year, rng.randint(20, 48),
                                     rng.randint(1, 12)), size=9, align=rng.choice(['l', 'r']), rule='bottom', after=16)
    _title(page, rng, t['title'])
    by = [a + ('（通信作者）' if i == corr else '') for i, a in enumerate(authors)]
    page.para(rng.choice(['\u3000', '，']).join(by), size=11.5, align='c', cjk=rng.choice(KAI), after=2)
    _unit_line(page, rng, t, authors)
    page.para([_bold('摘\u3000要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9.5, after=10)
    zh_body(page, BODY, 2)
    steps = ['输入：观测序列X，阈值eps', '1. 初始化参数theta_0', '2. for k = 1, 2, …, K do', '3.    计算残差并更新theta_k',
             '4. end for', '输出：估计值theta']
    sized_table(page, [[_bold('算法%d\u2002%s' % (rng.randint(1, 2), t['a']), rng)]] + [[s] for s in steps], [13.0], size=9.5,
                align=['l'], grid=rng.random() < 0.5)
    page.para('', after=6)
    zh_body(page, BODY, 1)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-occupmedjournal-guidelinereading-zhibishenjiaolines': guideline_reading,
             'gen-zh-agritrial-summarycover-zhuchizhibicanshilines': trial_report,
             'gen-zh-gradsymposium-shadedband-studenttutorbyline': grad_symposium,
             'gen-zh-contractresearch-techreport-wanchengrenstatementbox': contract_report,
             'gen-zh-computingjournal-algorithmbox-tongxinzuozhesuffix': algorithm_paper}
