"""A thirty-sixth set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the natural sciences, engineering, medicine, farming, computing and the
environment of schools of their own."""

from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, sized_table as _grid, zh_finish as _finish, zh_page as _page,
                   zh_people as _people, zh_topic)

SCHOOLS = [('巢湖学院', 'Chaohu University', '巢湖', '238024', '安徽'),
           ('铜陵学院', 'Tongling University', '铜陵', '244061', '安徽'),
           ('湖北理工学院', 'Hubei Polytechnic University', '黄石', '435003', '湖北'),
           ('荆楚理工学院', 'Jingchu University of Technology', '荆门', '448000', '湖北')]
# per school: subjects with the angles that suit them, settings, units, majors
DOMAINS = [dict(subjects={'巢湖银鱼': ['种群补充量', '捕捞强度阈值'], '烔炀河湿地': ['底泥磷释放', '沉水植物恢复'],
                          '巢湖麻鸭': ['蛋品质性状', '肠道菌群结构']},
                contexts=['庐江县', '含山县', '和县'], units=['生命科学学院', '化学与材料工程学院', '机械工程学院'],
                majors=['水产养殖', '环境工程', '畜牧']),
           dict(subjects={'铜尾矿库': ['重金属垂向迁移', '先锋植物定居'], '铜陵白姜': ['姜瘟病拮抗菌', '腌渍工艺优化'],
                          '凤丹牡丹': ['籽油脂肪酸组成', '丹皮酚含量']},
                contexts=['义安区', '枞阳县', '铜官区'], units=['数学与计算机学院', '建筑工程学院', '电气工程学院'],
                majors=['地质工程', '园艺', '计算机技术']),
           dict(subjects={'大冶铁矿边坡': ['爆破振动衰减', '形变雷达监测'], '磁湖水体': ['微塑料丰度', '富营养化评价'],
                          '阳新钉螺孳生地': ['遥感识别模型', '药物灭螺效果']},
                contexts=['大冶市', '阳新县', '下陆区'], units=['资源与环境学院', '医学院', '计算机学院'],
                majors=['采矿工程', '环境科学', '公共卫生']),
           dict(subjects={'漳河水库': ['库湾水温分层', '浮游动物群落'], '钟祥长寿老人': ['膳食模式聚类', '骨密度变化'],
                          '荆门磷石膏': ['建材化利用', '氟渗滤液处理']},
                contexts=['钟祥市', '京山市', '沙洋县'], units=['化工与药学院', '医学院', '电子信息工程学院'],
                majors=['化学工程', '临床医学', '软件工程'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}{a}的观测与模拟', '{s}{a}的影响因素分析', '基于多源数据的{s}{a}评估', '{s}{a}：{c}的实例']
BODY = '本文依托野外采样与室内测试数据，分析了主要指标的变化规律，比较了不同条件下的差异，并建立模型讨论其控制机制与适用范围。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def flushright_head(rng):
    """A science 学报 article whose whole head stands flush right (title, authors, units with numbers),
    the abstract and keywords framed in one box under it, and the dates and the first author's note
    as a numbered list at the foot."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2009, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('第%d卷\u2002第%d期\u3000\u3000\u3000%s学报\u3000\u3000\u3000%d年%d月' % (
        rng.randint(15, 42), rng.randint(1, 6), s[0], year, rng.randint(1, 12)), size=9, align='l', rule='bottom', after=24)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='r', after=10)
    two = len(authors) > 1 and rng.random() < 0.6
    marks = [('1' if k % 2 == 0 or not two else '2') for k in range(len(authors))]
    byline = []
    for k, a in enumerate(authors):
        byline += [(('，' if k else '') + a, {'size': 12, 'cjk': rng.choice(KAI + SONG)}), (marks[k], {'sup': True})]
    page.para(byline, align='r', after=6)
    units = ['%s%s，%s%s %s' % (s[0], t['unit'], s[4], s[2], s[3])]
    if two:
        units.append('%s%s，%s%s %s' % (s[0], rng.choice([u for u in t['d']['units'] if u != t['unit']]), s[4], s[2], s[3]))
    for k, u in enumerate(units):
        page.para('（%d. %s）' % (k + 1, u), size=8.5, align='r', after=1)
    page.para('', after=10)
    _grid(page, [[[('摘\u2002要：', {'bold': True}), BODY * 2, ('\n关键词：', {'bold': True}),
                   rng.choice(['；', '，', '\u3000']).join(t['kws'])]]], [16.0], size=9, grid=True, align='l')
    page.para('中图分类号：%s\u3000\u3000文献标识码：A' % rng.choice(['X524', 'S965.1', 'TD854', 'R183.3']), size=9, before=6, after=12)
    page.para(BODY * 4, align='j', indent=21, line=1.3, size=10.5, after=16)
    page.para('', rule='bottom', after=2)
    page.para('①收稿日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=8, after=1)
    page.para('②作者简介：%s，%s，主要从事%s研究。' % (authors[0], rng.choice(['副教授', '讲师', '硕士研究生']), t['s']), size=8)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def bracket_title_cornerfields(rng):
    """A master's cover in farming or forestry science: the school, the degree, the title between
    【】 large, then nothing until a block of fields set off to the bottom right (研究生, 指导教师,
    学科, 研究方向, 提交日期), label and value in two narrow columns."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}研究', '{c}{s}{a}的调查研究', '{s}{a}及其调控'])
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.para('分类号：%s\u3000\u3000UDC：%d' % (rng.choice(['S96', 'X53', 'S63']), rng.randint(500, 699)), size=9, align='l', after=40)
    page.para((s[0], {'size': rng.choice([26, 30]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=6)
    page.para((rng.choice(['农学硕士学位论文', '理学硕士学位论文', '硕士学位论文']), {'size': 18, 'cjk': rng.choice(HEI)}),
              align='c', after=60)
    page.para(('【' + t['title'] + '】', {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=90)
    rows = [['研 究 生：', student], ['指导教师：', sup + rng.choice(['\u2002教授', '\u2002副研究员', ''])],
            ['学\u3000\u3000科：', t['major']], ['研究方向：', t['s'] + t['a']],
            ['提交日期：', '%d年%d月' % (year, rng.choice([4, 5, 6]))]]
    _grid(page, [['', a, b] for a, b in rows], [rng.choice([7.0, 8.0]), 2.8, 5.2], size=rng.choice([11, 12]), align='l')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def approval_chain_cover(rng):
    """An engineering institute's research report cover: the project number in a corner, the title
    twice framed (double rule), then the sign-off chain top down in run-in lines 批准 / 审定 / 审核 /
    校核 / 编写; the 编写 names are the authors, the other four are not; institute and date at foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}专题研究报告', '{c}{s}{a}科研报告', '{s}{a}技术研究报告'])
    s = t['school']
    year = rng.randint(2012, 2026)
    writers = _people(rng, rng.randint(1, 4))
    chain = _people(rng, 4, writers)
    page.para('工程编号：%s%d-%02d' % (rng.choice(['CH', 'TL', 'HS', 'JM']), year, rng.randint(1, 60)), size=10, align='r', after=50)
    page.para((t['title'], {'size': rng.choice([20, 22, 24]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', rule='both', after=70)
    sep = rng.choice(['、', '\u3000', '，'])
    for label, who in zip(['批\u3000\u3000准', '审\u3000\u3000定', '审\u3000\u3000核', '校\u3000\u3000核', '编\u3000\u3000写'],
                          chain + [sep.join(writers)]):
        page.para([(label + '：', {'bold': True}), who], size=13, align='l', indent=rng.choice([120, 150]), after=6)
    page.para('', after=60)
    page.para((s[0] + t['unit'] + rng.choice(['工程技术研究所', '测试中心']), {'cjk': rng.choice(KAI + SONG)}), size=15, align='c', after=4)
    page.para(zh_date(year, rng.randint(1, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(1, 12)),
              size=14, align='c')
    return _finish(page, rng, t['title'], writers, year)


def conf_authorgrid(rng):
    """A computing or engineering meeting paper: the meeting's name and year over a rule, the title,
    then the authors in a borderless grid, one cell each (name over unit, city and e-mail), two or
    three to a row; 摘要 and 关键词 run in, then 1 引言."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['基于深度学习的{s}{a}', '面向{s}的{a}方法', '{s}{a}的智能识别算法', '融合多模态数据的{s}{a}'])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 5))
    page.para('第%s届全国%s学术会议论文集（%d）' % (rng.choice(['十二', '十五', '二十一', '九']),
                                      rng.choice(['环境信息技术', '智能感知与计算', '工程测量与遥感']), year),
              size=9, align='c', rule='bottom', after=18)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=12)
    per = 3 if len(authors) > 4 or (len(authors) == 3 and rng.random() < 0.5) else 2
    cells = []
    for a in authors:
        cells.append([(a, {'size': 11, 'bold': True, 'cjk': rng.choice(KAI + SONG)}),
                      ('\n%s%s\n%s %s\n%s%d@%s' % (s[0], t['unit'], s[2], s[3], rng.choice(['lab', 'ai', 'rs']), rng.randint(10, 99),
                                                   rng.choice(['163.com', 'edu.cn', 'qq.com'])), {'size': 8})])
    rows = [cells[k:k + per] for k in range(0, len(cells), per)]
    rows = [r + [''] * (per - len(r)) for r in rows]
    _grid(page, rows, [16.0 / per] * per, size=9, align='c')
    page.para('', after=8)
    page.para([('摘\u2002要\u2002', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 2], size=9, align='j', after=4)
    page.para([('关键词\u2002', {'bold': True, 'cjk': rng.choice(HEI)}), '；'.join(t['kws'])], size=9, after=12)
    page.para(('1\u2002引言', {'bold': True, 'cjk': rng.choice(HEI)}), size=12, after=4)
    page.para(BODY * 3, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def clinical_bachelor_twotutors(rng):
    """A medical bachelor's graduation thesis cover: a framed title band with 题目 in its own cell and
    the title in the wide cell, then the fields one a row including two tutors, 校内指导教师 (the
    supervisor) and 医院带教老师 (neither author nor supervisor), and the month at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{s}{a}的调查', '{s}{a}的临床观察', '{s}{a}相关因素分析'])
    s = t['school']
    year = rng.randint(2013, 2026)
    student = _people(rng, 1)[0]
    sup, ward = _people(rng, 2, [student])
    page.para((s[0], {'size': rng.choice([28, 30]), 'cjk': rng.choice(KAI + SONG)}), align='c', before=40, after=6)
    page.para(('本科毕业论文（设计）', {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=60)
    _grid(page, [[('题\n目', {'bold': True}), (t['title'], {'size': rng.choice([15, 16]), 'bold': True})]], [1.6, 13.4],
          size=14, grid=True, align='c', shade=(0,) if rng.random() < 0.5 else (), fill='E7E6E6')
    page.para('', after=40)
    rows = [['学生姓名', student], ['学\u3000\u3000号', '%d%07d' % (year - 4, rng.randint(1, 9999999))],
            ['专业班级', t['major'] + '%d级%d班' % (year - 4, rng.randint(1, 4))],
            ['校内指导教师', sup + rng.choice(['（副教授）', '（讲师）', ''])],
            ['医院带教老师', ward + rng.choice(['（主治医师）', '（副主任医师）'])], ['所在学院', t['unit']]]
    _grid(page, rows, [4.0, 8.0], size=13, align=['r', 'c'], grid=rng.random() < 0.5)
    page.para(zh_date(year, rng.choice([5, 6])), size=14, align='c', before=40)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


TEMPLATES = {'gen-zh-lakesciencexuebao-flushrighthead-boxedabstract-circlednotes': flushright_head,
             'gen-zh-forestryagrimaster-bracketedtitle-bottomrightfields': bracket_title_cornerfields,
             'gen-zh-miningeng-institutereport-approvalchaintopdown': approval_chain_cover,
             'gen-zh-computingsensingconf-authorcellgrid-unitmailpercell': conf_authorgrid,
             'gen-zh-clinicalmedbachelor-titlecell-hospitalteachertutor': clinical_bachelor_twotutors}
