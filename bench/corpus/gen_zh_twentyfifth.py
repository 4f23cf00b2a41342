"""A twenty-fifth set of Chinese first pages of papers, theses and reports in medicine, mining and
metallurgy, computing and farming, in layouts and schools of their own."""
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('宁夏医科大学', 'Ningxia Medical University', '银川', '750004', '宁夏'),
           ('江西理工大学', 'Jiangxi University of Science and Technology', '赣州', '341000', '江西'),
           ('西安邮电大学', "Xi'an University of Posts and Telecommunications", '西安', '710121', '陕西'),
           ('黑龙江八一农垦大学', 'Heilongjiang Bayi Agricultural University', '大庆', '163319', '黑龙江')]
FORMS = ['{s}{a}研究', '{c}{s}{a}的调查分析', '{s}{a}的机理与应用', '{c}{s}{a}的实证研究', '{s}{a}的优化研究']
# per school: subjects with the angles that suit them, settings, units, majors, a field, title forms
DOMAINS = [dict(subjects={'布鲁氏菌病': ['血清学筛查', '职业暴露'], '地方性氟中毒': ['饮水改良效果', '尿氟水平'],
                          '甘草酸': ['抗炎作用', '提取工艺']},
                contexts=['西吉县', '海原县', '盐池县'], units=['基础医学院', '公共卫生与管理学院', '药学院'],
                majors=['病原生物学', '劳动卫生与环境卫生学', '药剂学'], field='西北地方病防治', forms=FORMS),
           dict(subjects={'离子型稀土矿': ['原地浸矿', '浸矿尾水氨氮'], '钨尾矿': ['浮选回收', '植被重建'],
                          '铜冶炼烟尘': ['砷的分离', '有价金属回收']},
                contexts=['龙南市', '定南县', '大余县'], units=['资源与环境工程学院', '冶金工程学院', '材料冶金化学学部'],
                majors=['矿物加工工程', '冶金工程', '环境工程'], field='稀有金属资源开发', forms=FORMS),
           dict(subjects={'低轨卫星网络': ['路由算法', '星间切换策略'], '车联网': ['资源分配', '位置隐私保护'],
                          '无线传感网': ['节点定位', '能耗均衡']},
                contexts=['长安区', '蓝田县', '周至县'], units=['通信与信息工程学院', '计算机学院', '自动化学院'],
                majors=['信息与通信工程', '计算机科学与技术', '控制科学与工程'], field='智能通信与计算',
                forms=['{s}{a}算法研究', '面向{s}的{a}方法', '基于深度强化学习的{s}{a}', '{s}中{a}的优化研究']),
           dict(subjects={'寒地水稻': ['低温冷害', '侧深施肥'], '苏打盐碱土': ['改良剂筛选', '玉米出苗'],
                          '犊牛腹泻': ['病原检测', '益生菌防治']},
                contexts=['肇源县', '林甸县', '杜尔伯特县'], units=['农学院', '动物科技学院', '工程学院'],
                majors=['作物栽培学与耕作学', '临床兽医学', '农业工程'], field='寒地农业', forms=FORMS)]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '研究采集样本并测定相关指标，建立模型后以实测数据检验，结果与预期一致，方法具有推广价值。'


def _topic(rng, forms=None, among=(0, 1, 2, 3)):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _joined(rng, names):
    return rng.choice(['，', '、', '\u3000', ' ']).join(names)


def extabstract_frame(rng):
    """A meeting's extended abstract, the whole page inside one frame: the meeting's name, the title,
    the authors and their unit, then numbered short sections and the keywords."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 4))
    meeting = '第%s届全国%s学术研讨会' % (rng.choice(['五', '八', '十一', '十三']), t['d']['field'])
    runs = [('%s\u3000%d年%d月\u3000%s\n\n' % (meeting, year, rng.randint(4, 11), s[2]), {'size': 9}),
            (rng.choice(['扩展摘要', '会议扩展摘要', '扩展摘要（Extended Abstract）']) + '\n', {'size': 10, 'bold': True}),
            (t['title'] + '\n', {'size': rng.choice([15, 16]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
            (_joined(rng, authors) + '\n', {'size': 11, 'cjk': rng.choice(KAI + SONG)}),
            ('%s%s，%s %s\n\n' % (s[0], t['unit'], s[2], s[3]), {'size': 9})]
    for k, h in enumerate(rng.choice([['研究背景', '材料与方法', '结果', '结论'], ['引言', '方法', '结果与讨论']])):
        runs.append(('%d\u3000%s\n' % (k + 1, h), {'bold': True, 'cjk': rng.choice(HEI)}))
        runs.append((BODY * 2 + '\n', {'size': 10}))
    runs.append(('关键词：', {'bold': True}))
    runs.append(rng.choice(['；', '，']).join(t['kws']))
    sized_table(page, [[runs]], [16.0], size=10.5, grid=True, align='l')
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def journal_authorside(rng):
    """A 学报 article whose head is a borderless two-cell table: the narrow left cell holds the authors,
    one a line, their unit and the received date; the wide right cell the title, abstract and keywords."""
    page = _page(rng, 10)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para([('%s学报' % s[0], {'bold': True, 'cjk': rng.choice(KAI + HEI)}),
               '\u3000第%d卷\u3000第%d期\u3000%d年' % (year - 1985, rng.randint(1, 6), year)], size=9,
              rule='bottom', after=14)
    left = [('\n'.join(authors) + '\n\n', {'size': 11, 'bold': True, 'cjk': rng.choice(KAI + SONG)}),
            ('%s\n%s\n%s %s\n\n' % (s[0], t['unit'], s[2], s[3]), {'size': 8.5}),
            ('收稿日期：%d-%02d-%02d' % (year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28)), {'size': 8})]
    right = [(t['title'] + '\n\n', {'size': rng.choice([16, 17, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
             ('摘要：', {'bold': True, 'size': 9}), ('%s。%s\n' % (t['s'], BODY * 2), {'size': 9}),
             ('关键词：', {'bold': True, 'size': 9}), ('；'.join(t['kws']), {'size': 9})]
    sized_table(page, [[left, right]], [4.0, 12.0], align=['l', 'l'],
               shade=(0,) if rng.random() < 0.5 else (), fill=rng.choice(['EFEFEF', 'E4ECF4']))
    page.para('', after=10)
    page.columns(2)
    page.para(('1\u3000引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=10.5, after=3)
    page.para(BODY * 5, align='j', indent=20, size=10)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def doctor_flushleft(rng):
    """A doctoral thesis cover set flush left under a heavy rule: the school, 博士学位论文, the title,
    then the candidate, the 导师, the discipline, the line of research and the defence date on lines
    of their own, and the codes at the foot."""
    page = _page(rng, 12)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2012, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para((s[0], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(KAI + SONG)}), align='l',
              rule='top', before=30, after=4)
    page.para((rng.choice(['博士学位论文', '博士学位论文（学术学位）', '工学博士学位论文']),
               {'size': rng.choice([14, 16]), 'cjk': rng.choice(HEI + SONG)}), align='l', after=70)
    page.para((t['title'], {'size': rng.choice([22, 24, 26]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='l',
              after=70, line=1.2)
    colon = rng.choice(['：', ':\u2002', '\u3000'])
    for k, v in [('博士研究生', student), ('导\u3000\u3000师', sup + rng.choice(['\u3000教授', '\u3000研究员', ''])),
                 ('学科专业', t['major']), ('研究方向', t['d']['field']),
                 ('答辩日期', '%d年%d月' % (year, rng.choice([5, 6, 11, 12])))]:
        page.para([(k + colon, {'bold': rng.random() < 0.6}), v], size=rng.choice([12, 13]), align='l', after=6)
    page.para('', after=40)
    page.para('分类号：%s\u3000\u3000UDC：%s\u3000\u3000密级：公开\u3000\u3000学号：%d%05d' % (
        rng.choice(['R512', 'TD865', 'TN927', 'S511']), rng.choice(['616', '622', '621.39', '633']), year - 4,
        rng.randint(1, 99999)), size=9, align='l', rule='top')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def annualmeeting_bracketunit(rng):
    """A paper in a learned society's annual meeting volume: the volume's name over a rule, the title,
    the authors, their unit in 【】, the abstract and keywords under 〔〕 labels, and the text."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 4))
    society = {0: '中华预防医学会', 1: '中国有色金属学会', 2: '中国通信学会', 3: '中国作物学会'}[t['i']]
    page.para(('%s%d年学术年会论文集' % (society, year), {'italic': True, 'cjk': rng.choice(KAI + SONG)}), size=9,
              align=rng.choice(['c', 'r']), rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=8)
    page.para(_joined(rng, authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=4)
    page.para('【%s%s，%s %s】' % (s[0], t['unit'], s[4] + s[2], s[3]), size=9.5, align='c', after=12)
    page.para([('〔摘要〕', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9.5, align='j', after=4)
    page.para([('〔关键词〕', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000'.join(t['kws'])], size=9.5, after=12)
    page.para(('一、引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 4, align='j', indent=21, line=1.3)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def trial_report(rng):
    """The cover of a clinical study report: the protocol number and version right, the report's title,
    then label lines for the kind of study, the investigators (the report's authors), the sponsor's
    contact and the statistician, who are not, and the date."""
    page = _page(rng, 11)
    t = _topic(rng, ['{s}{a}的临床研究总结报告', '{c}{s}{a}前瞻性队列研究报告', '{s}{a}多中心随机对照研究报告',
                     '{c}{s}{a}现场干预研究报告', '{s}{a}的真实世界研究报告'], among=(0,))
    s = t['school']
    year = rng.randint(2012, 2026)
    inv = _people(rng, rng.randint(1, 3))
    others = _people(rng, 2, inv)
    page.para('方案编号：NXMU-%d-%03d\n版本号：%s\u3000\u3000版本日期：%d-%02d-%02d' % (
        year, rng.randint(1, 300), rng.choice(['1.0', '2.0', '终版']), year, rng.randint(1, 12), rng.randint(1, 28)),
        size=10, align='r', after=50)
    page.para((t['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              after=50, line=1.3)
    rows = [('研究类型', rng.choice(['随机对照试验', '前瞻性队列研究', '横断面调查'])),
            ('研究单位', '%s总医院' % s[0]),
            (rng.choice(['研究者', '研\u2002究\u2002者', '研究者（按贡献排序）']), _joined(rng, inv)),
            ('申办者联系人', '%s（%s）' % (others[0], rng.choice(['宁夏回春药业有限公司', '西北地方病防治中心']))),
            ('统计分析', '%s（%s）' % (others[1], s[0] + '公共卫生与管理学院')),
            ('报告日期', '%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)))]
    colon = rng.choice(['：', ':'])
    sized_table(page, [[(k + colon, {'bold': True}), v] for k, v in rows], [4.0, 11.0], size=12, align=['r', 'l'],
               grid=rng.random() < 0.4)
    page.para('', after=40)
    page.para('保密声明：本报告所含信息仅供相关研究者和伦理委员会审阅，未经申办者书面同意不得公开。', size=9,
              cjk=rng.choice(KAI + SONG), align='c')
    return _finish(page, rng, t['title'], inv, year)


TEMPLATES = {'gen-zh-extabstract-pageframe': extabstract_frame, 'gen-zh-journal-authorsidecell': journal_authorside,
             'gen-zh-doctor-flushleft': doctor_flushleft, 'gen-zh-annualmeeting-bracketunit': annualmeeting_bracketunit,
             'gen-zh-clinicaltrial-reportcover': trial_report}
