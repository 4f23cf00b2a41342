"""An eleventh set of Chinese first pages, in layouts the earlier sets lack: a 书评 whose title runs on
in a second line "——评《…》" and whose page names the reviewed book and its author (who is not an
author of the review) in a bibliographic line; a journal page whose title and byline share a row
with the OSID box (开放科学（资源服务）标识码) at the right and whose foot repeats the names in a
引用本文 line; a chapter of an edited volume or a 蓝皮书 (a "第五章" or "B.5" number over the title,
the book's name in the running head, the authors explained in a note); a preprint led by the
platform's identifier, version and a notice that it has not been reviewed; a 工作论文 of a school's
series, with its number, a JEL line and a note that thanks people who are not authors; and a
专业学位 thesis cover that names a 校内导师 and a 校外导师 (企业导师, 行业导师).
Subjects: marine ranching, carbon markets and green finance, deaf education, rapeseed and crop
protection drones, highway tunnels and slopes, and teaching Chinese as a second language."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, distinct, record, set_meta, title_keywords, zh_date, zh_person

SCHOOLS = [('广东海洋大学', 'Guangdong Ocean University', '湛江', '524088'),
           ('中央财经大学', 'Central University of Finance and Economics', '北京', '100081'),
           ('南京特殊教育师范学院', 'Nanjing Normal University of Special Education', '南京', '210038'),
           ('湖南农业大学', 'Hunan Agricultural University', '长沙', '410128'),
           ('长沙理工大学', 'Changsha University of Science and Technology', '长沙', '410114'),
           ('北京语言大学', 'Beijing Language and Culture University', '北京', '100083')]
# one field each: subjects, angles, settings, then the field's units, majors, professional degree,
# journal, press and the outside tutor's place of work
DOMAINS = [(['海洋牧场', '人工鱼礁', '刺参养殖'], ['增殖放流', '生态效益', '空间格局'], ['雷州半岛', '北部湾'],
            dict(units=['水产学院', '海洋与气象学院'], majors=['渔业资源', '海洋生态学'], degree=('农业硕士', '渔业发展'),
                 journal='南海渔业科学', press='海洋出版社', work='湛江市海洋牧场开发有限公司')),
           (['碳市场', '碳排放权交易', '绿色金融'], ['政策评估', '价格形成机制', '风险识别'], ['粤港澳大湾区', '试点省市'],
            dict(units=['财政税务学院', '金融学院'], majors=['金融学', '财政学'], degree=('金融硕士', '金融'),
                 journal='财经理论与政策', press='经济科学出版社', work='中央国债登记结算有限责任公司')),
           (['听障儿童', '手语翻译', '融合教育'], ['课堂教学', '需求识别', '支持体系'], ['南京市', '特殊教育学校'],
            dict(units=['特殊教育学院', '手语语言学院'], majors=['特殊教育学', '手语语言学'], degree=('教育硕士', '特殊教育'),
                 journal='特殊教育研究', press='华夏出版社', work='南京市聋人学校')),
           (['油菜', '植保无人机', '稻油轮作'], ['施药效果', '机械化生产', '效益分析'], ['洞庭湖平原', '湘江流域'],
            dict(units=['农学院', '机电工程学院'], majors=['作物栽培学与耕作学', '农业机械化工程'], degree=('农业硕士', '农业工程与信息技术'),
                 journal='湖南农业科学', press='中国农业出版社', work='湖南省农业农村厅植保植检站')),
           (['公路隧道', '高边坡', '桥梁养护'], ['稳定性分析', '病害检测', '全寿命成本'], ['雪峰山区', '长株潭城市群'],
            dict(units=['土木工程学院', '交通运输工程学院'], majors=['岩土工程', '道路与铁道工程'], degree=('工程硕士', '土木水利'),
                 journal='中外公路', press='人民交通出版社', work='湖南省交通规划勘察设计院有限公司')),
           (['国际中文教育', '汉语二语习得', '汉字教学'], ['教学设计', '偏误分析', '资源建设'], ['中亚地区', '孔子学院'],
            dict(units=['汉语学院', '对外汉语研究中心'], majors=['语言学及应用语言学', '汉语国际教育'], degree=('国际中文教育硕士', '国际中文教育'),
                 journal='语言教学与研究', press='北京语言大学出版社', work='哈萨克斯坦欧亚大学孔子学院'))]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
ANGLES = sorted({w for d in DOMAINS for w in d[1]})
CONTEXTS = sorted({w for d in DOMAINS for w in d[2]})
FORMS = ['{c}{s}{a}研究', '基于{t}的{s}{a}', '{s}{a}：以{c}为例', '{c}{s}与{t}的协同路径', '新时期{s}{a}的实践探索']
REVIEW_FORMS = ['{s}研究的新视野', '为{s}研究立一块基石', '在{c}读懂{s}', '{s}{a}的理论自觉', '走向深处的{s}研究']
BOOK_FORMS = ['{s}{a}论', '{c}{s}研究', '中国{s}发展报告', '{s}与{t}：理论与实践']
BODY = ('本文在梳理已有研究的基础上，结合调查资料与统计数据，考察了其发展现状与主要问题，'
        '分析了影响因素及其作用机制，并提出了相应的政策建议。')
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']
KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']
CLC = ['S953', 'F832.5', 'G762', 'S565.4', 'U456.3', 'H195.3']
JEL = ['Q22, Q57', 'G18, Q54', 'I21, J14', 'Q16, O33', 'H54, R42', 'I25, Z13']


def _topic(rng, forms=None):
    """A title and what goes with its field: school, unit, major, journal, press, tutor's workplace."""
    i = rng.randrange(len(DOMAINS))
    subjects, angles, contexts, f = DOMAINS[i]
    s, t = rng.sample(subjects, 2)
    title = rng.choice(forms or FORMS).format(s=s, t=t, a=rng.choice(angles), c=rng.choice(contexts))
    kws = title_keywords(rng, title, SUBJECTS + ANGLES + CONTEXTS, subjects + angles)
    return dict(i=i, title=title, kws=kws, school=SCHOOLS[i], unit=rng.choice(f['units']), units=f['units'],
                major=rng.choice(f['majors']), f=f, subjects=subjects, angles=angles, contexts=contexts)


def _page(rng, size=10.5, margins=None):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size,
                margins=margins or rng.choice([2.0, 2.5, 3.0]))


def _people(rng, low, high):
    return [p[0] for p in distinct(rng, zh_person, rng.randint(low, high))]


def _outsider(rng, authors):
    """A person who is not among the authors."""
    while True:
        p = _people(rng, 1, 1)[0]
        if p not in authors:
            return p


def _finish(page, rng, title, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta, **extra)


def _marked_byline(authors, marks, star=None, size=12):
    runs = []
    for k, a in enumerate(authors):
        mark = ','.join(str(m) for m in marks[k]) + ('*' if k == star else '')
        runs += [a, (mark, {'sup': True, 'size': size * 0.6})] if mark else [a]
        if k < len(authors) - 1:
            runs.append('，' if size < 12 else '\u3000')
    return runs


def _unit_line(topic, authors, rng):
    """The unit line in brackets and each author's marks: none for one unit, numbers for two."""
    s = topic['school']
    n = 1 if len(authors) == 1 else rng.choice([1, 2])
    units = rng.sample(topic['units'], n)
    if n == 1:
        return '（%s%s，%s %s）' % (s[0], units[0], s[2], s[3]), [[] for _ in authors]
    parts = ['%d. %s%s，%s %s' % (k + 1, s[0], u, s[2], s[3]) for k, u in enumerate(units)]
    marks = [[1]] + [rng.choice([[1], [2], [1, 2]]) for _ in authors[1:]]
    if not any(2 in m for m in marks):
        marks[-1] = [2]
    return '（%s）' % '；'.join(parts), marks


def book_review(rng):
    """A 书评: the journal head and a 书评 tag, the title and its "——评《…》" line, the reviewer (and
    the unit), a line that gives the book, its author, press and year, then (on some) 摘要 and
    关键词 and the text."""
    page = _page(rng, 10.5)
    topic = _topic(rng, REVIEW_FORMS)
    f = topic['f']
    year = rng.randint(2009, 2026)
    book = rng.choice(BOOK_FORMS).format(s=topic['subjects'][0], t=topic['subjects'][1], a=rng.choice(topic['angles']),
                                         c=rng.choice(topic['contexts']))
    reviewers = _people(rng, 1, 2)
    writers = [_outsider(rng, reviewers)]
    if rng.random() < 0.3:
        writers.append(_outsider(rng, reviewers + writers))
    issue = rng.randint(1, 12)
    head = rng.choice(['《%s》%d年第%d期' % (f['journal'], year, issue), '%s\u3000%d年第%d期' % (f['journal'], year, issue)])
    page.para([head, '\u3000\u3000\u3000\u3000', (rng.choice(['书评', '书评与书讯', '学术书评', '新书评介']), {'bold': True})],
              size=9, rule='bottom' if rng.random() < 0.7 else None, after=22)
    dash = '——'
    main = topic['title']
    title = '%s%s评《%s》' % (main, dash, book)
    align = rng.choice(['c', 'c', 'l'])
    page.para((main, {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=4)
    page.para(('%s评《%s》' % (dash, book), {'size': rng.choice([12, 14]), 'cjk': rng.choice(SONG + KAI)}),
              align='c' if align == 'c' else 'r', after=10)
    page.para('\u3000'.join(reviewers), size=12, align='c', cjk=rng.choice(KAI), after=4)
    if rng.random() < 0.6:
        page.para('（%s%s，%s %s）' % (topic['school'][0], topic['unit'], topic['school'][2], topic['school'][3]),
                  size=9, align='c', after=12)
    editor = rng.random() < 0.35
    who = '、'.join(writers) + ('主编' if editor else '著')
    pub = year - rng.randint(1, 3)
    entry = rng.choice(['《{b}》，{w}，{p}{y}年版，定价{c}元。', '{w}：《{b}》，北京：{p}，{y}年。',
                        '书名：《{b}》\u3000作者：{w}\u3000出版社：{p}\u3000出版时间：{y}年{m}月'])
    entry = entry.format(b=book, w=who, p=f['press'], y=pub, c='%d.00' % rng.randint(48, 128), m=rng.randint(1, 12))
    if rng.random() < 0.5:
        page.table([[entry]], widths_cm=[15.0], size=9.5, grid=True, align='l')
        page.para('', after=6)
    else:
        page.para(entry, size=9.5, italic=False, cjk=rng.choice(KAI), after=10)
    kws = []
    if rng.random() < 0.5:
        kws = topic['kws']
        page.para([('［摘　要］' if rng.random() < 0.5 else '摘要：', {'bold': True}), BODY * 2], size=9, align='j')
        page.para([('［关键词］' if rng.random() < 0.5 else '关键词：', {'bold': True}),
                   rng.choice(['；', '，', '\u3000']).join(kws)], size=9, after=12)
    page.para(BODY * 5, indent=21, align='j')
    return _finish(page, rng, title, reviewers, year, kws, book_authors=writers)


def journal_osid(rng):
    """A journal page whose title block shares a row with the OSID box at the right: head, title,
    byline with marks and the unit line at the left; 摘要 / 关键词 / codes; the text in two columns
    and, at the foot, 引用本文 (on some) and the 收稿日期 / 作者简介 notes."""
    page = _page(rng, 10, margins=rng.choice([1.8, 2.0, 2.2]))
    topic = _topic(rng)
    f = topic['f']
    year, vol, issue = rng.randint(2018, 2026), rng.randint(20, 45), rng.randint(1, 12)
    page.para('第%d卷第%d期\u3000\u3000\u3000\u3000\u3000%s\u3000\u3000\u3000\u3000\u3000Vol.%d No.%d\n%d年%d月' % (
        vol, issue, f['journal'], vol, issue, year, issue), size=8.5, align='c', rule='bottom', after=12)
    authors = _people(rng, 2, 5)
    unit_line, marks = _unit_line(topic, authors, rng)
    star = rng.randrange(len(authors)) if rng.random() < 0.5 else None
    byline = _marked_byline(authors, marks, star, 11)
    left = [(topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI)}), '\n',
            (' ', {'size': 6}), '\n'] + [r if isinstance(r, tuple) else (r, {'size': 11, 'cjk': rng.choice(KAI)})
                                        for r in byline] + ['\n', (unit_line, {'size': 8.5})]
    osid = [('\n\n\n\n', {'size': 10}), ('开放科学（资源服务）\n标识码（OSID）', {'size': 6.5})]
    page.table([[left, osid]], widths_cm=[14.0, 2.6], align=[rng.choice(['c', 'l']), 'c'], shade=(1,),
               fill=rng.choice(['E7E6E6', 'EDEDED']))
    page.para('', after=4)
    page.para([('摘要：', {'bold': True}), BODY * 3], size=9, align='j', cjk=rng.choice(KAI + SONG))
    kws = topic['kws']
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，']).join(kws)], size=9)
    page.para('中图分类号：%s\u3000\u3000\u3000文献标识码：A\u3000\u3000\u3000文章编号：%04d-%04d(%d)%02d-%04d-%02d' % (
        CLC[topic['i']], rng.randint(1000, 9999), rng.randint(1000, 9999), year, issue, rng.randint(1, 200),
        rng.randint(5, 12)), size=8.5, after=8)
    page.columns(2, space_cm=0.7)
    page.para(BODY * 5, indent=20, align='j', size=9.5)
    notes = ['收稿日期：%d-%02d-%02d' % (year - rng.randint(0, 1), rng.randint(1, 12), rng.randint(1, 28)),
             '作者简介：%s（%d—），%s，%s%s，%s，研究方向为%s。' % (
                 authors[0], rng.randint(1965, 1998), rng.choice(['男', '女']), topic['school'][2],
                 rng.choice(['人', '']), rng.choice(['博士', '硕士', '副教授', '讲师']), topic['major'])]
    if rng.random() < 0.6:
        notes.insert(0, '引用本文：%s．%s[J]．%s，%d，%d(%d)：%d-%d．' % (
            '，'.join(authors if len(authors) <= 3 else authors[:3] + ['等']), topic['title'], f['journal'], year, vol,
            issue, rng.randint(1, 80), rng.randint(81, 120)))
    for k, n in enumerate(notes):
        page.para(n, size=7.5, rule='top' if k == 0 else None, after=0)
    return _finish(page, rng, topic['title'], authors, year, kws)


def book_chapter(rng):
    """A chapter of an edited volume: the book in the running head with the page number, then either a
    蓝皮书 report ("B.5", title, authors, 摘　要, 关键词, a note on the authors at the foot) or a
    chapter ("第五章" over the title, the author under it, the text, a starred note)."""
    page = _page(rng, 10.5, margins=rng.choice([2.2, 2.6]))
    topic = _topic(rng)
    f = topic['f']
    year = rng.randint(2012, 2026)
    blue = rng.random() < 0.6
    n = rng.randint(2, 18)
    if blue:
        book = '%s发展报告（%d）' % (rng.choice(topic['subjects']), year)
    else:
        book = rng.choice(BOOK_FORMS).format(s=topic['subjects'][0], t=topic['subjects'][1], a=rng.choice(topic['angles']),
                                             c=rng.choice(topic['contexts']))
    pageno = rng.randint(20, 300)
    if rng.random() < 0.5:
        head = '%s\t\t\t\t\t\t· %d ·' % (book, pageno)
    else:
        head = '· %d ·\t\t\t\t\t\t%s' % (pageno, rng.choice(['分报告', '专题篇', '区域篇']) if blue else book)
    page.para(head, size=8.5, rule='bottom', after=30, cjk=rng.choice(SONG))
    authors = _people(rng, 1, 4 if blue else 2)
    kws = []
    if blue:
        page.para(('B.%d' % n, {'size': 14, 'bold': True, 'font': 'Liberation Sans'}), after=6)
        page.para((topic['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI)}),
                  align='c', after=10)
        runs = []
        for k, a in enumerate(authors):
            runs.append(a)
            if k == 0:
                runs.append(('*', {'sup': True, 'size': 8}))
            if k < len(authors) - 1:
                runs.append('\u3000')
        page.para(runs, size=12, align='c', cjk=rng.choice(KAI), after=14)
        kws = topic['kws']
        page.para([('摘\u3000要：', {'bold': True, 'cjk': rng.choice(HEI)}), BODY * 3], size=9.5, align='j',
                  cjk=rng.choice(KAI))
        page.para([('关键词：', {'bold': True, 'cjk': rng.choice(HEI)}), '\u3000'.join(kws)], size=9.5,
                  cjk=rng.choice(KAI), after=14)
        page.para(BODY * 3, indent=21, align='j', after=24)
        who = '；'.join('%s，%s%s%s' % (a, topic['school'][0], rng.choice(topic['units']),
                                       rng.choice(['教授', '副教授', '副研究员', '博士研究生'])) for a in authors)
        page.para('* %s。' % who if len(authors) > 1 else '* %s，主要研究方向为%s。' % (who, topic['major']), size=8,
                  rule='top', after=0)
        if book not in head:
            page.para('本文收录于《%s》，%s%d年出版。' % (book, f['press'], year), size=8)
    else:
        digits = '一二三四五六七八九十'
        number = rng.choice(['第%s章' % (digits[n - 1] if n <= 10 else '十' + digits[n - 11]), '第%d章' % n])
        page.para((number, {'size': 14, 'cjk': rng.choice(HEI)}), align='c', before=20, after=8)
        page.para((topic['title'], {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
                  align='c', after=12)
        page.para(['\u3000'.join(authors), ('＊', {'sup': True, 'size': 8})], size=12, align='c',
                  cjk=rng.choice(KAI), after=24)
        page.para(BODY * 6, indent=21, align='j', after=30, line=1.2)
        page.para('＊ %s，%s%s%s。' % ('、'.join(authors), topic['school'][0], topic['unit'],
                                     rng.choice(['教授', '副教授', '讲师'])), size=8, rule='top', after=0)
        page.para('本章选自《%s》，%s主编，%s%d年版。' % (book, _outsider(rng, authors), f['press'], year), size=8)
    return _finish(page, rng, topic['title'], authors, year, kws)


PLATFORMS = [('ChinaXiv', '中国科学院科技论文预发布平台', 'ChinaXiv:{y}{m:02d}.{n:05d}v{v}'),
             ('中国预印本服务系统', '国家科技图书文献中心', 'NSTL-PRE-{y}-{n:06d}v{v}'),
             ('科技论文预印本库', '中国科技论文在线', 'PREPRINT-{y}{m:02d}{n:05d}.v{v}')]


def preprint_platform(rng):
    """A preprint: a band with the platform, its identifier, version and date, a notice that the text
    has not been peer reviewed, then title, authors with marks and a star, the units, 摘要, 关键词
    and a 引用 line that repeats the identifier; on some the English title and names."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    year, month = rng.randint(2017, 2026), rng.randint(1, 12)
    short, owner, pattern = rng.choice(PLATFORMS)
    ident = pattern.format(y=year, m=month, n=rng.randint(1, 99999), v=rng.randint(1, 4))
    band = '%s\u3000%s\u3000\u3000%s\u3000\u3000提交时间：%d-%02d-%02d' % (
        short, owner if rng.random() < 0.5 else '', ident, year, month, rng.randint(1, 28))
    if rng.random() < 0.5:
        page.table([[(band, {'size': 8})]], widths_cm=[16.0], align='l', shade=(0,),
                   fill=rng.choice(['D9D9D9', 'DDEBF7', 'FCE4D6']))
    else:
        page.para(band, size=8, rule='bottom')
    page.para(rng.choice(['本文为预印本，尚未经过同行评议。', '注：本文为未经同行评议的预印本，仅供学术交流。',
                          '预印本声明：本文未经同行评议，引用请注明出处。']), size=8, italic=True, after=20)
    authors = _people(rng, 1, 5)
    unit_line, marks = _unit_line(topic, authors, rng)
    star = rng.randrange(len(authors))
    page.para((topic['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=8)
    page.para(_marked_byline(authors, marks, star, 12), size=12, align='c', after=4)
    page.para(unit_line, size=9, align='c', after=2)
    page.para('*通信作者：%s，E-mail：%s@%s.edu.cn' % (authors[star], 'author%d' % rng.randint(1, 99),
                                                   rng.choice(['mail', 'stu', 'cs'])), size=8.5, align='c', after=12)
    kws = topic['kws']
    page.para([('摘要：', {'bold': True}), BODY * 3], size=9.5, align='j')
    page.para([('关键词：', {'bold': True}), '；'.join(kws)], size=9.5, after=8)
    page.para('引用格式：%s．%s［预印本］．%s，%d．%s' % ('，'.join(authors[:3]), topic['title'], short, year, ident),
              size=8.5, after=10, rule='bottom' if rng.random() < 0.5 else None)
    page.para(BODY * 3, indent=21, align='j')
    return _finish(page, rng, topic['title'], authors, year, kws)


def working_paper(rng):
    """A 工作论文 of a school's series: a ruled or shaded block with the series, its number and the
    date; title; authors with stars; 摘要, 关键词 and JEL 分类号; a note on the authors and a word of
    thanks to people who are not authors."""
    page = _page(rng, 10.5)
    topic = _topic(rng)
    s = topic['school']
    year, month = rng.randint(2013, 2026), rng.randint(1, 12)
    series = rng.choice(['%s%s工作论文' % (s[0], topic['unit']), '%s工作论文系列' % s[0], '%s研究中心工作论文' % s[0]])
    number = rng.choice(['No. %s%d-%03d' % (rng.choice(['C', 'WP', 'E']), year, rng.randint(1, 60)),
                         '第%d期' % rng.randint(1, 40), 'WP%d%02d' % (year, rng.randint(1, 30))])
    date = rng.choice(['%d年%d月' % (year, month), zh_date(year, month)])
    if rng.random() < 0.5:
        page.table([[[(series, {'size': 13, 'bold': True}), '\n', ('Working Paper Series', {'size': 9})],
                     '%s\n%s' % (number, date)]], widths_cm=[11.0, 5.0], grid=True, align=['l', 'r'], size=10)
        page.para('', after=30)
    else:
        page.para((series, {'size': 14, 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=2)
        page.para('%s\u3000\u3000%s' % (number, date), size=10, align='c', rule='both', after=36)
    page.para((topic['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=12)
    authors = _people(rng, 1, 3)
    stars = ['*' * (k + 1) for k in range(len(authors))]
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (stars[k], {'sup': True, 'size': 8})]
        if k < len(authors) - 1:
            runs.append('\u3000\u3000')
    page.para(runs, size=12, align='c', after=20)
    kws = topic['kws']
    page.para([('摘\u3000要：', {'bold': True}), BODY * 4], size=10, align='j', line=1.2)
    page.para([('关键词：', {'bold': True}), rng.choice(['；', '，', '\u3000']).join(kws)], size=10)
    page.para([('JEL分类号：', {'bold': True}), JEL[topic['i']]], size=10, after=30)
    thanked = [_outsider(rng, authors) for _ in range(rng.randint(1, 2))]
    for k, a in enumerate(authors):
        page.para('%s %s，%s%s%s，电子邮箱：wp%d@%s.edu.cn。' % (
            stars[k], a, s[0], rng.choice(topic['units']), rng.choice(['副教授', '教授', '博士研究生', '讲师']),
            rng.randint(10, 99), rng.choice(['cufe', 'mail', 'econ'])), size=8, rule='top' if k == 0 else None, after=0)
    page.para('作者感谢%s对本文提出的宝贵意见，文责自负。本文为工作论文，未经正式发表，引用请注明出处。' % '、'.join(thanked),
              size=8)
    return _finish(page, rng, topic['title'], authors, year, kws, thanked=thanked)


def professional_two_tutors(rng):
    """A 专业学位 thesis cover: the school (and its English name), the kind of thesis, the title (over
    two lines on some, the English title under it on some), then the fields as label lines or a
    borderless table: 研究生, 学号, 专业学位类别, 专业领域, a 校内导师 and a 校外导师 (企业导师,
    行业导师) with ranks, 培养单位 and the date in Chinese numerals."""
    page = _page(rng, 14, margins=rng.choice([2.5, 3.0]))
    topic = _topic(rng)
    s, f = topic['school'], topic['f']
    year, month = rng.randint(2012, 2026), rng.choice([4, 5, 6, 11, 12])
    page.para((s[0], {'size': rng.choice([26, 28]), 'bold': True, 'cjk': rng.choice(KAI + HEI)}), align='c', before=10,
              after=2)
    if rng.random() < 0.6:
        page.para(s[1].upper(), size=10, align='c', after=20)
    kind = rng.choice(['专业学位硕士学位论文', '全日制专业学位硕士学位论文', '非全日制专业学位硕士学位论文',
                       '%s专业学位论文' % f['degree'][0]])
    page.para((kind, {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c',
              before=10, after=36)
    title = topic['title']
    tsize = rng.choice([18, 20])
    if len(title) > 13 and rng.random() < 0.5:
        k = rng.randint(len(title) // 2 - 2, len(title) // 2 + 2)
        page.para((title[:k], {'size': tsize, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=2)
        page.para((title[k:], {'size': tsize, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=12)
    else:
        page.para((title, {'size': tsize, 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align='c', after=12)
    author = _people(rng, 1, 1)[0]
    inside = _outsider(rng, [author])
    outside = _outsider(rng, [author, inside])
    in_label = rng.choice(['校内导师', '学校导师', '指导教师'])
    out_label = rng.choice(['校外导师', '企业导师', '行业导师'])
    rows = [(rng.choice(['研 究 生', '作者姓名', '研究生姓名']), author),
            ('学\u3000\u3000号', '%d%06d' % (year - 3, rng.randint(0, 999999))),
            ('专业学位类别', f['degree'][0]), ('专业领域', f['degree'][1]),
            (in_label, '%s\u3000%s' % (inside, rng.choice(['教授', '副教授', '研究员']))),
            (out_label, '%s\u3000%s' % (outside, rng.choice(['高级工程师', '正高级工程师', '高级经济师', '高级教师'])))]
    if rng.random() < 0.5:
        rows.append(('培养单位', '%s%s' % (s[0], topic['unit'])))
    rows.append(('完成日期', zh_date(year, month) if rng.random() < 0.6 else '%d年%d月' % (year, month)))
    page.para('', after=20)
    if rng.random() < 0.5:
        page.table([[label + '：', value] for label, value in rows], widths_cm=[4.0, 7.5], size=14,
                   align=['r', 'l'] if rng.random() < 0.5 else ['l', 'l'])
    else:
        for label, value in rows:
            page.para([label + '：', (value, {'u': True})], size=14, indent=rng.choice([60, 80]), after=6)
    return _finish(page, rng, title, [author], year, supervisor=inside, outside_supervisor=outside)


TEMPLATES = {
    'gen-zh-bookreview-subtitle': book_review,
    'gen-zh-journal-osidbox': journal_osid,
    'gen-zh-bookchapter-numbered': book_chapter,
    'gen-zh-preprint-platform': preprint_platform,
    'gen-zh-workingpaper-series': working_paper,
    'gen-zh-professional-twotutors': professional_two_tutors,
}
