"""A twentieth set of Chinese first pages, of kinds the earlier sets lack, in fields and schools of their own."""
from genbase import title_keywords
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people

SCHOOLS = [('河西学院', 'Hexi University', '张掖', '734000', '甘肃'),
           ('武夷学院', 'Wuyi University', '武夷山', '354300', '福建'),
           ('昭通学院', 'Zhaotong University', '昭通', '657000', '云南'),
           ('运城学院', 'Yuncheng University', '运城', '044000', '山西')]
# per school: subjects with the angles that suit them, settings, units, majors, a field
DOMAINS = [dict(subjects={'张掖丹霞地貌': ['风化剥蚀速率', '地质遗迹解说'], '河西制种玉米': ['隔离区规划', '种子活力检测'],
                          '裕固族民歌': ['口传文本辑录', '代际传承困境']},
                contexts=['甘州区', '临泽县', '肃南县'], units=['土木工程学院', '农业与生态工程学院', '音乐学院'],
                majors=['地理信息科学', '种子科学与工程', '音乐表演'], field='河西走廊生态与文化'),
           dict(subjects={'武夷岩茶': ['焙火工艺', '山场风味差异'], '建盏烧制': ['釉色形成机理', '非遗工坊运营'],
                          '九曲溪竹筏': ['游客承载量', '船工职业认同']},
                contexts=['建阳区', '星村镇', '武夷山市'], units=['茶与食品学院', '艺术学院', '旅游学院'],
                majors=['茶学', '陶瓷艺术设计', '酒店管理'], field='闽北茶旅融合'),
           dict(subjects={'昭通苹果': ['矮砧密植', '冷链储运'], '大山包黑颈鹤': ['越冬生境选择', '社区参与保护'],
                          '昭通天麻': ['仿野生栽培', '蒴果萌发']},
                contexts=['鲁甸县', '彝良县', '昭阳区'], units=['农学与生命科学学院', '地理科学与旅游学院', '化学化工学院'],
                majors=['农学', '地理科学', '药学'], field='乌蒙山区特色资源'),
           dict(subjects={'运城盐湖': ['卤水化学演化', '湿地鸟类监测'], '蒲剧': ['唱腔流变', '剧团生存状况'],
                          '关公文化': ['祭祀礼仪变迁', '文旅品牌塑造']},
                contexts=['盐湖区', '永济市', '芮城县'], units=['生命科学系', '中文系', '历史与文化系'],
                majors=['生态学', '汉语言文学', '历史学'], field='河东历史文化与生态')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{c}{s}{a}调查', '{s}{a}研究进展', '基于实地调查的{s}{a}分析——以{c}为例', '{s}{a}及其影响因素',
         '{c}{s}{a}的实践探索']
BODY = '本文交代研究的缘起与材料，叙述所用方法和得到的结果，再讨论这些结果的意义与局限。'


def _topic(rng, forms=FORMS):
    i = rng.randrange(len(DOMAINS))
    d = DOMAINS[i]
    s = rng.choice(sorted(d['subjects']))
    a = rng.choice(d['subjects'][s])
    title = rng.choice(forms).format(s=s, a=a, c=rng.choice(d['contexts']))
    pool = [s] + d['subjects'][s] + d['contexts']
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, pool)
    return dict(i=i, d=d, s=s, a=a, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(d['units']),
                major=rng.choice(d['majors']))


def _title_para(page, rng, title, sizes, align='c', after=10):
    """The title on one line, or on two (cut at a character) when it is long."""
    opt = {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}
    if len(title) > 14 and rng.random() < 0.4:
        k = rng.randint(len(title) // 2 - 2, len(title) // 2 + 2)
        if title[k - 1:k + 1] == '——':  # a dash pair stays on one line
            k += 1
        page.para([(title[:k], dict(opt, **{'break': True})), (title[k:], opt)], align=align, after=after)
    else:
        page.para((title, opt), align=align, after=after)


def _journal(t):
    return '%s学报' % t['school'][0]


def acceptance_notice(rng):
    """A journal's letter of acceptance kept with the paper: the journal's name over a rule, the
    notice's heading, a block of 稿件编号, 论文题目 and 作者, the letter, the editors' office and
    the date."""
    page = _page(rng, 12)
    t = _topic(rng)
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para((_journal(t) + rng.choice(['编辑部', '']), {'size': rng.choice([18, 20]), 'bold': True,
                                                         'cjk': rng.choice(KAI + HEI)}), align='c', after=2)
    page.para('地址：%s%s　邮编：%s　电话：0%d-%d' % (t['school'][4], t['school'][2], t['school'][3], rng.randint(300, 999),
                                           rng.randint(2000000, 8999999)), size=9, align='c', rule='bottom', after=20)
    page.para((rng.choice(['录用通知', '论文录用通知书', '录用证明']), {'size': rng.choice([22, 24]), 'bold': True}),
              align='c', after=20)
    c = rng.choice(['：', '：', ': '])
    sep = rng.choice(['，', '、', '；'])
    lines = [('稿件编号', '%d%s%04d' % (year, rng.choice(['-', '']), rng.randint(1, 999))), ('论文题目', t['title']),
             ('作\u3000\u3000者', sep.join(authors))]
    if rng.random() < 0.5:
        page.table([[k, v] for k, v in lines], widths_cm=[3.0, 12.0], size=12, grid=True, align=['c', 'l'])
    else:
        for k, v in lines:
            page.para([(k + c, {'bold': True}), v], size=12, after=4)
    page.para('', after=8)
    page.para('%s：' % (authors[0] + rng.choice(['同志', '老师', '先生/女士'])), size=12, after=4)
    page.para('您%s的上述论文经本刊编辑部初审、同行专家匿名评审和主编终审，决定予以录用，拟刊发于本刊%d年第%d期。'
              '请勿一稿多投。特此通知。' % (rng.choice(['撰写', '投寄', '提交']), year, rng.randint(1, 6)),
              size=12, align='j', indent=24, line=1.5, after=30)
    page.para(_journal(t) + '编辑部', size=12, align='r', after=2)
    page.para('%d年%d月%d日' % (year, rng.randint(1, 12), rng.randint(1, 28)), size=12, align='r')
    return _finish(page, rng, t['title'], authors, year)


def patent_certificate(rng):
    """A patent certificate: the certificate's number, its heading, then 发明名称, 发明人, 专利号,
    the dates and the holder as label lines, and the office's formula."""
    page = _page(rng, 12)
    t = _topic(rng, ['一种{s}{a}监测装置', '一种用于{s}{a}的辅助方法', '{s}{a}数据采集系统及其使用方法', '一种{s}{a}用检测设备'])
    year = rng.randint(2013, 2026)
    inventors = _people(rng, rng.randint(1, 5))
    kind = rng.choice([('发明专利证书', '发明名称', '发明人', 1), ('实用新型专利证书', '实用新型名称', '发明人', 2),
                       ('发明专利证书', '发明名称', '发\u3000明\u3000人', 1)])
    page.para('证书号第%d号' % rng.randint(1000000, 6999999), size=11, align=rng.choice(['l', 'r']), after=40)
    page.para((kind[0], {'size': rng.choice([26, 28]), 'bold': True, 'cjk': rng.choice(SONG + KAI)}), align='c', after=36)
    filed = year - rng.randint(1, 3)
    c = rng.choice(['：', '：', ': '])
    sep = rng.choice(['；', '，', '　'])
    rows = [(kind[1], t['title']), (kind[2], sep.join(inventors)),
            ('专利号', 'ZL %d %d %07d.%d' % (filed, kind[3], rng.randint(0, 9999999), rng.randint(0, 9))),
            ('专利申请日', '%d年%02d月%02d日' % (filed, rng.randint(1, 12), rng.randint(1, 28))),
            ('专利权人', t['school'][0]),
            ('授权公告日', '%d年%02d月%02d日' % (year, rng.randint(1, 12), rng.randint(1, 28)))]
    for k, v in rows:
        page.para([(k + c, {}), v], size=12, after=6)
    page.para('', after=10)
    page.para('本%s经过本局依照专利法进行审查，决定授予专利权，颁发本证书并在专利登记簿上予以登记。专利权自授权公告之日起生效。'
              '专利权期限为%s年，自申请日起算。' % ('发明' if kind[3] == 1 else '实用新型', '二十' if kind[3] == 1 else '十'),
              size=11, align='j', indent=22, line=1.4, after=14)
    page.para('本证书记载专利权登记时的法律状况。专利权的转移、质押、无效、终止、恢复和专利权人的姓名或名称、国籍、地址变更等事项记载在专利登记簿上。',
              size=10, align='j', indent=20, cjk=rng.choice(KAI), after=30)
    page.para('局长（签章）', size=12, align='r')
    return _finish(page, rng, t['title'], inventors, year)


def lesson_design(rng):
    """A teacher's lesson design entered for a teaching contest: the contest's line, the title, a
    four-column grid of 课程名称, 授课对象, 设计者 and 学时, then 教学目标 and 教学重难点."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['“{s}{a}”教学设计', '{s}{a}——课程思政教学设计', '基于项目式学习的“{s}{a}”教学设计',
                     '{s}{a}单元教学设计'])
    s = t['school']
    year = rng.randint(2015, 2026)
    n = rng.randint(1, 2)
    teachers = _people(rng, n)
    page.para(rng.choice(['%s第%s届青年教师教学竞赛', '%s课程思政教学设计案例（%s）', '%s教学设计评比参赛作品（第%s组）'])
              % (s[0], rng.choice(['三', '五', '六', '八'])), size=9.5, align='l', rule='bottom', after=16)
    _title_para(page, rng, t['title'], [16, 18], after=12)
    who = rng.choice(['设计者', '授课教师', '主讲教师'])
    grid = [['课程名称', '%s概论' % t['d']['field'], '授课对象', '%d级%s专业' % (year - rng.randint(1, 3), t['major'])],
            [who, '、'.join(teachers), '学\u3000\u3000时', '%d学时' % rng.choice([1, 2, 2, 4])],
            ['所在单位', t['unit'], '授课时间', '%d年%d月' % (year, rng.randint(3, 12))]]
    page.table(grid, widths_cm=[2.6, 5.4, 2.6, 5.4], size=10.5, grid=True, align=['c', 'l', 'c', 'l'],
               shade=(0, 2) if rng.random() < 0.5 else ())
    page.para('', after=6)
    for head, text in [('一、教学目标', '知识目标：了解%s的基本情况。能力目标：能够运用所学方法分析%s问题。' % (t['s'], t['a'])),
                       ('二、教学重点与难点', BODY * 2), ('三、教学过程', BODY * 3)]:
        page.para((head, {'bold': True, 'cjk': rng.choice(HEI)}), size=11, before=4, after=3)
        page.para(text, align='j', indent=21, after=4)
    return _finish(page, rng, t['title'], teachers, year)


def keynote(rng):
    """A keynote speech printed in a journal: the column tag, the title, the speaker with his post
    in brackets, and an editor's note at the foot saying where the speech was given."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['推动{s}{a}高质量发展', '关于{s}{a}的几点思考', '{s}{a}：回顾与展望', '在新起点上做好{s}{a}'])
    s = t['school']
    year = rng.randint(2010, 2026)
    speaker = _people(rng, 1)[0]
    page.para('%s\u3000%d年第%d期' % (_journal(t), year, rng.randint(1, 6)), size=8.5, align=rng.choice(['l', 'r']),
              rule='bottom', after=14)
    page.para(('【%s】' % rng.choice(['主旨演讲', '大会报告', '特稿']), {'bold': True, 'cjk': rng.choice(HEI)}), size=11,
              align='l', after=10)
    _title_para(page, rng, t['title'], [18, 20], after=8)
    post = rng.choice(['%s副校长、教授', '%s党委书记、研究员', '%s%s院长、教授'])
    post = post % ((s[0], t['unit']) if post.count('%s') == 2 else s[0])
    post = rng.choice(['（%s）', '\u3000%s']) % post
    page.para([(speaker, {'size': 13, 'cjk': rng.choice(KAI + SONG)}), (post, {'size': 10})],
              align='c', after=12)
    page.para([('摘　要：', {'bold': True}), BODY * 2], size=9, align='j', after=3)
    page.para([('关键词：', {'bold': True}), '；'.join(t['kws'])], size=9, after=10)
    page.para(BODY * 5, align='j', indent=21, after=20)
    page.para('※编者注：本文根据作者在%d年%s学术年会上的主旨演讲整理而成，经作者本人审定。' % (year - rng.randint(0, 1), t['d']['field']),
              size=8.5, rule='top', cjk=rng.choice(KAI + SONG))
    return _finish(page, rng, t['title'], [speaker], year, t['kws'])


def group_meeting(rng):
    """A handout for a research group's weekly meeting: the group's line, 组会 number, the talk's
    title, then 汇报人, 导师, 日期 and 地点 in one row or a grid, and the outline of the talk."""
    page = _page(rng, 11)
    t = _topic(rng, ['{s}{a}的文献进展汇报', '{c}{s}{a}调查方案', '{s}{a}：阶段性结果与问题', '{s}{a}研究思路'])
    s = t['school']
    year = rng.randint(2016, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    page.table([['%s%s课题组' % (s[0], rng.choice([sup, t['s']])),
                 '%s组会第%d次' % (rng.choice(['%d年春季' % year, '%d年秋季' % year, '%d学年' % year]), rng.randint(1, 30))]],
               widths_cm=[9.0, 7.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    _title_para(page, rng, t['title'], [16, 18, 20], after=10)
    date = '%d-%02d-%02d' % (year, rng.randint(1, 12), rng.randint(1, 28))
    c = rng.choice(['：', ': '])
    sup_label = rng.choice(['导师', '指导教师', '导\u3000\u3000师'])
    if rng.random() < 0.5:
        page.para('汇报人%s%s\u3000\u3000%s%s%s\u3000\u3000日期%s%s' % (c, student, sup_label, c, sup, c, date), size=10.5,
                  align='c', cjk=rng.choice(KAI + SONG), after=12)
    else:
        page.table([['汇报人', student, sup_label, sup], ['日\u3000期', date, '地\u3000点', '%s楼%d会议室' % (
            rng.choice(['实验', '科技', '综合']), rng.randint(101, 520))]], widths_cm=[2.4, 5.6, 2.4, 5.6], size=10.5,
            grid=True, align=['c', 'l', 'c', 'l'], shade=(0, 2) if rng.random() < 0.5 else ())
        page.para('', after=8)
    for k, head in enumerate(['研究背景', '本周工作', '存在问题', '下一步计划']):
        page.para(('%d. %s' % (k + 1, head), {'bold': True, 'cjk': rng.choice(HEI)}), size=11, before=4, after=2)
        page.para(BODY * (1 + k % 2), align='j', indent=22, after=3)
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def record_printout(rng):
    """A library catalogue's detail page printed from a browser: the date and page name at the top,
    a two-column grid of 题名, 作者, 作者单位, 摘要, 关键词, 基金, 来源, and the address at the foot."""
    page = _page(rng, 10)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2008, 2026)
    authors = _people(rng, rng.randint(1, 5))
    page.table([['%d/%d/%d %s%d:%02d' % (year + rng.randint(0, 2), rng.randint(1, 12), rng.randint(1, 28),
                                          rng.choice(['上午', '下午', '']), rng.randint(1, 12), rng.randint(0, 59)),
                 rng.choice(['文献详情 - 学术资源发现平台', '期刊论文详细信息', '文献检索 - 详细记录'])]],
               widths_cm=[6.0, 10.0], size=8, align=['l', 'r'])
    page.para('', after=10)
    sep = rng.choice(['；', '; ', '，'])
    rows = [['题名', (t['title'], {'bold': True, 'size': 12})], ['作者', sep.join(authors)],
            ['作者单位', '%s%s' % (s[0], t['unit'])], ['摘要', BODY * 3], ['关键词', sep.join(t['kws'])],
            ['基金', '%s省高校科研项目（%d%s%03d）' % (s[4], year - 2, rng.choice(['', 'Y', 'JK']), rng.randint(1, 999))],
            ['来源', '%s，%d，%d（%d）：%d-%d' % (_journal(t), year, rng.randint(10, 45), rng.randint(1, 6),
                                             rng.randint(1, 80), rng.randint(81, 120))],
            ['分类号', '%s%d' % (rng.choice(['S', 'K', 'F', 'P', 'J']), rng.randint(100, 999))]]
    label = rng.choice(['{}：', '【{}】', '{}'])
    page.table([[label.format(k), v] for k, v in rows], widths_cm=[2.8, 13.2], size=10, grid=rng.random() < 0.6,
               align=['r', 'l'], shade=(0,) if rng.random() < 0.5 else (), fill=rng.choice(['EDEDED', 'DEEAF6']))
    page.para('', after=20)
    page.para('https://lib.%s.edu.cn/detail?id=%d%06d' % (rng.choice(['hxu', 'wyu', 'ztu', 'ycu']), year,
                                                            rng.randint(0, 999999)), size=8)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-acceptance-notice': acceptance_notice, 'gen-zh-patent-certificate': patent_certificate,
             'gen-zh-lessondesign-table': lesson_design, 'gen-zh-keynote-transcript': keynote,
             'gen-zh-groupmeeting-handout': group_meeting, 'gen-zh-dbrecord-printout': record_printout}
