"""Chinese first pages: journal articles and thesis covers. Each function is one template (a family)."""
import vocab
from docxkit import Page
from genbase import (LATIN_FONTS, ZH_FONTS, colon, distinct, en_title, record, set_meta, spaced_label,
                     title_runs, zh_date, zh_keywords, zh_name_spaced, zh_person, zh_title)


def _units(rng, n):
    out = []
    for _ in range(n):
        s = rng.choice(vocab.ZH_SCHOOLS)
        dept = rng.choice(vocab.ZH_INSTITUTES) if rng.random() < 0.8 else rng.choice(vocab.ZH_LABS)
        out.append((s, dept))
    return out


def _authors_line(page, rng, names, marks, size, align='c', star=True):
    """Author line with numbered superscript marks; returns nothing, prints the paragraph."""
    sep = rng.choice(['，', '，', '　', ', ', '  '])
    runs = []
    for i, (n, mk) in enumerate(zip(names, marks)):
        runs.append((zh_name_spaced(n, rng), {'size': size}))
        sup = mk + ('*' if star and i == 0 and rng.random() < 0.3 else '')
        if sup:
            runs.append((sup, {'size': size * 0.7, 'sup': True}))
        if i < len(names) - 1:
            runs.append((sep, {'size': size}))
    page.para(runs, align=align, size=size, after=4, font=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS))


def _marks(rng, n_auth, n_units):
    if n_units == 1:
        return [''] * n_auth
    return [str(rng.randint(1, n_units)) if i else '1' for i in range(n_auth)]


def _unit_line(page, rng, units, size, numbered):
    parts = ['%s%s %s，%s %s' % ('%d. ' % (i + 1) if numbered else '', s[0], d, s[2], s[3])
             for i, (s, d) in enumerate(units)]
    text = '；'.join(parts)
    if rng.random() < 0.75:
        text = rng.choice(['（%s）', '(%s)']) % text
    page.para(text, align='c', size=size, after=8)


def _label(rng, zh):
    forms = {'摘要': ['摘要：', '摘　要：', '［摘要］', '【摘要】', '摘要:', '摘 要 '],
             '关键词': ['关键词：', '关键词:', '［关键词］', '【关键词】', '关 键 词：', '关键字：']}
    return rng.choice(forms[zh])


def _abstract_block(page, rng, keywords, size, english=None):
    page.para([(_label(rng, '摘要'), {'bold': True}), vocab.BODY_ZH], size=size, after=3, align='j')
    sep = rng.choice(['；', '；', '，', '　', '; '])
    page.para([(_label(rng, '关键词'), {'bold': True}), sep.join(keywords)], size=size, after=3)
    if english:
        t, names_py, kws = english
        page.para((t, {'bold': True, 'size': size + 3}), align='c', before=10, after=4)
        page.para(', '.join(names_py), align='c', size=size, after=4)
        page.para([('Abstract: ', {'bold': True}), vocab.BODY_EN], size=size - 0.5, after=3, align='j')
        page.para([('Key words: ', {'bold': True}), '; '.join(kws)], size=size - 0.5, after=6)


def _codes(rng, year):
    issn = '%04d-%04d' % (rng.randint(1000, 2999), rng.randint(1000, 9999))
    return ('中图分类号%s%s' % (colon(rng), rng.choice(vocab.ZH_CLC)),
            '文献标识码%s%s' % (colon(rng), rng.choice('AAAB')),
            '文章编号%s%s(%d)%02d-%04d-%02d' % (colon(rng), issn, year, rng.randint(1, 12), rng.randint(1, 3000),
                                             rng.randint(4, 12)))


def _people(rng, n):
    return distinct(rng, zh_person, n)


def _setup(rng):
    year = rng.randint(2005, 2024)
    title = zh_title(rng)
    people = _people(rng, rng.randint(1, 5))
    names = [p[0] for p in people]
    kws = zh_keywords(rng, title)
    page = Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=rng.choice([9, 9.5, 10, 10.5]),
                margins=rng.choice([1.8, 2.0, 2.2, 2.5]))
    return page, year, title, people, names, kws


def _doi(rng, year):
    return '10.%d/j.issn.%04d-%04d.%d.%02d.%03d' % (rng.choice([3969, 11772, 13705, 16383, 19678]),
                                                     rng.randint(1000, 2999), rng.randint(1000, 9999), year,
                                                     rng.randint(1, 12), rng.randint(1, 200))


def journal_classic(rng):
    """Journal head with volume, codes above or below, numbered units in brackets, English block."""
    page, year, title, people, names, kws = _setup(rng)
    journal = rng.choice(vocab.ZH_JOURNALS)
    vol, no = rng.randint(10, 60), rng.randint(1, 12)
    page.table([['第%d卷 第%d期' % (vol, no), journal, '%d年%d月' % (year, no)]], size=9, align=['l', 'c', 'r'])
    page.para('Vol.%d No.%d    %s' % (vol, no, rng.choice(vocab.ZH_JOURNALS_EN)), align='c', size=8, rule='bottom')
    codes = _codes(rng, year)
    top = rng.random() < 0.5
    if top:
        page.para(codes[2], size=8, after=6)
    page.para(title_runs(title, rng, True, rng.choice([16, 18, 20, 22]), bold=rng.random() < 0.7), align='c',
              before=10, after=8, cjk=rng.choice(ZH_FONTS))
    n_units = min(len(names), rng.randint(1, 3))
    _authors_line(page, rng, names, _marks(rng, len(names), n_units), rng.choice([11, 12, 14]))
    _unit_line(page, rng, _units(rng, n_units), 9, n_units > 1)
    english = (en_title(rng), [p[1] for p in people], [k for k in rng.sample(vocab.EN_KW_EXTRA, 3)])
    _abstract_block(page, rng, kws, 9.5, english if rng.random() < 0.7 else None)
    page.para('%s    %s%s' % (codes[0], codes[1], '' if top else '    ' + codes[2]), size=9, after=8)
    doi = _doi(rng, year) if rng.random() < 0.5 else None
    if doi:
        page.para('DOI: %s' % doi, size=8)
    page.para(('0　引言', {'bold': True}), size=11, before=6)
    page.para(vocab.BODY_ZH * 3, indent=21, align='j')
    page.para('收稿日期：%d-%02d-%02d；修回日期：%d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28), year,
                                                       rng.randint(1, 12), rng.randint(1, 28)), size=8, rule='top')
    page.para('作者简介：%s（%d—），男，博士，主要研究方向为%s。' % (names[0], rng.randint(1960, 1995),
                                                     rng.choice(vocab.ZH_METHODS)), size=8)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', doi, meta=meta)


def journal_boxed(rng):
    """Codes on top, a column label, one unit without marks, abstract and keywords in a box, two columns."""
    page, year, title, people, names, kws = _setup(rng)
    codes = _codes(rng, year)
    page.para('　'.join(codes), size=8, rule='bottom', after=6)
    page.para((rng.choice(['研究论文', '综述', '学术论文', '技术与应用', '专题：人工智能']), {'bold': True}), size=10, after=6)
    page.para(title_runs(title, rng, True, rng.choice([17, 18, 20]), bold=True), align=rng.choice('cl'),
              after=8, cjk=rng.choice(ZH_FONTS))
    unit = _units(rng, 1)[0]
    _authors_line(page, rng, names, [''] * len(names), 11, align='c', star=False)
    page.para('（%s%s，%s　%s）' % (unit[0][0], unit[1], unit[0][2], unit[0][3]), align='c', size=9, after=8)
    sep = rng.choice(['；', '，', '　'])
    page.table([[[('%s' % _label(rng, '摘要'), {'bold': True}), (vocab.BODY_ZH, {})]],
                [[('%s' % _label(rng, '关键词'), {'bold': True}), (sep.join(kws), {})]]],
               grid=True, size=9, align='l')
    page.columns(2)
    page.para(('1　研究背景', {'bold': True}), size=11, before=8)
    page.para(vocab.BODY_ZH * 4, indent=21, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


def journal_online(rng):
    """First-published-online lines above the journal head, DOI, marks with corresponding author."""
    page, year, title, people, names, kws = _setup(rng)
    page.para('网络首发时间：%d-%02d-%02d %02d:%02d:%02d' % (year, rng.randint(1, 12), rng.randint(1, 28),
                                                     rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59)), size=8)
    page.para('网络首发地址：https://kns.cnki.net/kcms/detail/%d.%d.TP.%d%02d%02d.%04d.002.html'
              % (rng.randint(11, 61), rng.randint(1000, 9999), year, rng.randint(1, 12), rng.randint(1, 28),
                 rng.randint(1000, 2000)), size=8, rule='bottom', after=8)
    journal = rng.choice(vocab.ZH_JOURNALS)
    page.para('%s　%d年第%d期' % (journal, year, rng.randint(1, 12)), align='r', size=9, rule='bottom', after=10)
    page.para(title_runs(title, rng, True, rng.choice([16, 18]), bold=rng.random() < 0.5), align='l', after=6)
    n_units = min(len(names), rng.randint(1, 3))
    _authors_line(page, rng, names, _marks(rng, len(names), n_units), 12, align='l')
    for i, (s, d) in enumerate(_units(rng, n_units)):
        page.para('%s%s %s，%s %s' % ('%d. ' % (i + 1) if n_units > 1 else '', s[0], d, s[2], s[3]), size=8.5, after=0)
    doi = _doi(rng, year)
    _abstract_block(page, rng, kws, 9)
    page.para('DOI：%s' % doi, size=8)
    page.para('*通信作者：%s，E-mail：%s@%s.edu.cn' % (names[0], 'author%d' % rng.randint(1, 99),
                                                  rng.choice(['tsinghua', 'zju', 'fudan', 'nju'])), size=8,
              rule='top', before=8)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', doi, meta=meta)


def journal_englishfirst(rng):
    """English journal name on top, Chinese block, then a full English block with its own title and names."""
    page, year, title, people, names, kws = _setup(rng)
    page.para('%s    Vol. %d, No. %d, %s %d' % (rng.choice(vocab.ZH_JOURNALS_EN), rng.randint(10, 60), rng.randint(1, 12),
                                              rng.choice(['Jan.', 'Mar.', 'Jun.', 'Sep.', 'Dec.']), year),
              size=8.5, align='l', rule='bottom', after=10)
    page.para('引用格式：%s，等. %s[J]. %s，%d' % (names[0], title, rng.choice(vocab.ZH_JOURNALS), year), size=8, after=10)
    page.para(title_runs(title, rng, True, rng.choice([18, 20, 22])), align='c', after=8)
    n_units = min(len(names), rng.randint(1, 2))
    _authors_line(page, rng, names, _marks(rng, len(names), n_units), 12)
    _unit_line(page, rng, _units(rng, n_units), 9, n_units > 1)
    _abstract_block(page, rng, kws, 9.5, (en_title(rng), [p[1] for p in people], rng.sample(vocab.EN_KW_EXTRA, 3)))
    c = _codes(rng, year)
    page.para('　'.join(c), size=8.5)
    page.para(('引　言', {'bold': True}), align='c', size=12, before=8)
    page.para(vocab.BODY_ZH * 2, indent=21, align='j')
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


# --- thesis covers ----------------------------------------------------------------------------

def _field_rows(rng, fields, underline):
    c = colon(rng)
    return [[(spaced_label(k, rng) + c, {'bold': rng.random() < 0.3}), (v, {'u': underline})] for k, v in fields]


def _cover_setup(rng):
    year = rng.randint(2008, 2024)
    month = rng.choice([4, 5, 6, 12])
    school = rng.choice(vocab.ZH_SCHOOLS)
    title = zh_title(rng)
    author, author_py = zh_person(rng)
    sup, sup_py = zh_person(rng)
    page = Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    return page, year, month, school, title, author, author_py, sup, sup_py


def _top_codes(page, rng, school):
    rows = [['分类号%s%s' % (colon(rng), rng.choice(vocab.ZH_CLC)), '密级%s%s' % (colon(rng), rng.choice(['公开', '内部']))],
            ['UDC%s%d' % (colon(rng), rng.randint(100, 999)), '学校代码%s%05d' % (colon(rng), rng.randint(10001, 10700))]]
    page.table(rows, size=9, align=['l', 'r'])


def thesis_doctor(rng):
    """School name, degree type, prominent title, fields in a table, date in Chinese numerals."""
    page, year, month, school, title, author, _, sup, _ = _cover_setup(rng)
    if rng.random() < 0.6:
        _top_codes(page, rng, school)
    page.para((school[0], {'size': rng.choice([26, 28, 32]), 'bold': True}), align='c', before=30, after=6,
              cjk=rng.choice(ZH_FONTS))
    if rng.random() < 0.5:
        page.para(school[1].upper(), align='c', size=10, after=10)
    page.para((rng.choice(['博士学位论文', '博 士 学 位 论 文', '博士研究生学位论文', '学位论文']), {'size': rng.choice([22, 26, 28])}),
              align='c', after=40, bold=True)
    labelled = rng.random() < 0.4
    if not labelled:
        page.para(title_runs(title, rng, True, rng.choice([18, 20, 22])), align='c', after=10, cjk=rng.choice(ZH_FONTS))
        if rng.random() < 0.5:
            page.para((en_title(rng), {'size': 14, 'bold': True}), align='c', after=30)
    fields = []
    if labelled:
        fields.append((rng.choice(['论文题目', '题目']), title))
    fields += [(rng.choice(['作者姓名', '姓名', '博士生', '申请人']), author),
               (rng.choice(['学科专业', '专业名称', '专业']), rng.choice(vocab.ZH_MAJORS)),
               (rng.choice(['指导教师', '导师', '导师姓名']), sup + rng.choice(['　教授', ' 教授', '', ' 研究员'])),
               (rng.choice(['培养单位', '所在学院', '学院']), rng.choice(vocab.ZH_INSTITUTES)),
               (rng.choice(['完成日期', '答辩日期', '论文提交日期']), zh_date(year, month) if rng.random() < 0.6
                else '%d年%d月' % (year, month))]
    if rng.random() < 0.5:
        fields.insert(2, ('学号', '%d%06d' % (year - 5, rng.randint(0, 999999))))
    page.table(_field_rows(rng, fields, rng.random() < 0.6), size=rng.choice([14, 15, 16]), align=['r', 'l'],
               widths_cm=[4.5, 8.5])
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def thesis_master(rng):
    """Degree type on top, the title after a label, student, number, supervisor; school at the foot."""
    page, year, month, school, title, author, _, sup, _ = _cover_setup(rng)
    page.para('学号%s%d%06d' % (colon(rng), year - 3, rng.randint(0, 999999)), align='r', size=10)
    page.para((rng.choice(['硕士学位论文', '专业学位硕士学位论文', '硕士研究生学位论文', '全日制专业学位硕士学位论文']),
               {'size': rng.choice([24, 26, 30]), 'bold': True}), align='c', before=50, after=60)
    label = rng.choice(['论文题目', '题目', '中文题目'])
    c = colon(rng)
    if rng.random() < 0.5 and len(title) > 12:
        a, b = title[:len(title) // 2], title[len(title) // 2:]
        page.para([(label + c, {'bold': True}), (a, {'u': True})], size=16, align='l')
        page.para([('　' * (len(label) + 1), {}), (b, {'u': True})], size=16, align='l', after=12)
    else:
        page.para([(label + c, {'bold': True}), (title, {'u': True})], size=16, align='l', after=12)
    if rng.random() < 0.5:
        page.para([('英文题目' + c, {'bold': True}), (en_title(rng), {'u': True})], size=13, after=20)
    fields = [(rng.choice(['研究生姓名', '研究生', '作者姓名', '学生姓名']), author),
              (rng.choice(['导师姓名', '指导教师', '校内导师']), sup + rng.choice(['', '　副教授', '　教授'])),
              (rng.choice(['学科专业', '专业学位类别', '专业']), rng.choice(vocab.ZH_MAJORS)),
              (rng.choice(['申请学位', '学位类别']), rng.choice(vocab.ZH_DEGREE_KINDS)),
              (rng.choice(['培养单位', '所在学院']), rng.choice(vocab.ZH_INSTITUTES))]
    page.table(_field_rows(rng, fields, rng.random() < 0.5), size=14, align=['l', 'l'], widths_cm=[4, 9])
    page.para((school[0], {'size': 20, 'bold': True}), align='c', before=60)
    page.para(zh_date(year, month), align='c', size=14)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def thesis_bachelor(rng):
    """Undergraduate cover: school, "本科毕业论文(设计)", title field, student fields with underlines."""
    page, year, month, school, title, author, _, sup, _ = _cover_setup(rng)
    page.para((school[0], {'size': rng.choice([28, 32, 36])}), align='c', before=40, after=4)
    if rng.random() < 0.5:
        page.para(school[1], align='c', size=12, after=20)
    page.para((rng.choice(['本科毕业论文(设计)', '本科毕业论文（设计）', '毕业论文（设计）', '本科毕业设计（论文）',
                           '学士学位论文', '本科生毕业论文']), {'size': rng.choice([24, 28]), 'bold': True}),
              align='c', after=50)
    c = colon(rng)
    page.para([(rng.choice(['题　　目', '题目', '论文题目', '设计题目']) + c, {'bold': True}), ('  ' + title + '  ', {'u': True})],
              size=16, align='c', after=30)
    fields = [(rng.choice(['学生姓名', '姓名', '作者']), author),
              ('学号', '%d%04d' % (year - 4, rng.randint(0, 9999))),
              (rng.choice(['院（系）', '学院', '院系']), rng.choice(vocab.ZH_INSTITUTES)),
              ('专业', rng.choice(vocab.ZH_MAJORS)),
              (rng.choice(['指导教师', '指导老师']), sup),
              (rng.choice(['职称', '教师职称']), rng.choice(['教授', '副教授', '讲师'])),
              (rng.choice(['完成日期', '提交日期', '日期']), zh_date(year, month) if rng.random() < 0.5
               else '%d年%d月%d日' % (year, month, rng.randint(1, 28)))]
    page.table(_field_rows(rng, fields, True), size=14, align=['r', 'l'], widths_cm=[4, 8],
               grid=rng.random() < 0.2)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def thesis_bilingual(rng):
    """Chinese cover with the English cover text below it: English title, candidate, supervisor."""
    page, year, month, school, title, author, author_py, sup, sup_py = _cover_setup(rng)
    kind = rng.choice(['硕士', '博士'])
    page.para(('%s%s学位论文' % (school[0], kind), {'size': 20, 'bold': True}), align='c', before=20, after=30)
    page.para(title_runs(title, rng, True, rng.choice([20, 22]), bold=True), align='c', after=16)
    c = colon(rng)
    page.table(_field_rows(rng, [(rng.choice(['申请人', '作者', '研究生']), author),
                                 (rng.choice(['导师', '指导教师']), sup),
                                 ('专业', rng.choice(vocab.ZH_MAJORS))], False), size=14, align=['r', 'l'])
    et = en_title(rng)
    page.para((et, {'size': 16, 'bold': True}), align='c', before=40, after=12)
    page.para('A %s submitted to %s' % ('Dissertation' if kind == '博士' else 'Thesis', school[1]), align='c', size=12)
    page.para('in partial fulfillment of the requirement for the degree of %s' %
              ('Doctor of Philosophy' if kind == '博士' else 'Master of Engineering'), align='c', size=12, after=16)
    page.para('Candidate%s%s' % (c if c in ':：' else ': ', author_py), align='c', size=12)
    page.para('Supervisor: Prof. %s' % sup_py, align='c', size=12)
    page.para('%s %d' % (rng.choice(['May', 'June', 'December']), year), align='c', size=12, before=20)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup, title_en=et)


def course_paper(rng):
    """A course paper cover: course name, paper title, student fields in a ruled table."""
    page, year, month, school, title, author, _, sup, _ = _cover_setup(rng)
    page.para((school[0], {'size': 24, 'bold': True}), align='c', before=30, after=10)
    page.para((rng.choice(['研究生课程论文', '课程论文', '课程设计报告', '研究生课程考核论文']), {'size': 26, 'bold': True}),
              align='c', after=40)
    fields = [(rng.choice(['课程名称', '课程']), rng.choice(['高等数值分析', '机器学习', '现代控制理论', '数据挖掘',
                                                            '工程伦理', '自然辩证法概论', '矩阵论'])),
              (rng.choice(['论文题目', '题目', '报告题目']), title),
              (rng.choice(['姓名', '学生姓名', '研究生姓名']), author),
              ('学号', '%d%06d' % (year - 1, rng.randint(0, 999999))),
              (rng.choice(['任课教师', '授课教师', '指导教师']), sup),
              (rng.choice(['学院', '院系', '所在学院']), rng.choice(vocab.ZH_INSTITUTES)),
              (rng.choice(['提交日期', '日期']), '%d年%d月%d日' % (year, month, rng.randint(1, 28)))]
    c = colon(rng)
    rows = [[spaced_label(k, rng) + (c if rng.random() < 0.5 else ''), v] for k, v in fields]
    page.table(rows, size=14, align=['c', 'l'], widths_cm=[4, 9], grid=rng.random() < 0.6)
    page.para('成绩：________　　评阅人：________', align='r', size=11, before=40)
    meta = set_meta(page, rng, title, [author])
    return page, record(title, [author], year, (), 'zh', None, meta=meta, supervisor=sup)


def conference_paper(rng):
    """A Chinese conference paper: meeting head, names with units in a footnote block, English block."""
    page, year, title, people, names, kws = _setup(rng)
    n = rng.randint(15, 40)
    page.para('第%d届全国%s学术会议论文集　　%d年%d月　%s' % (n, rng.choice(['信息检索', '控制理论', '结构工程', '计算机视觉',
                                                               '环境科学', '水利工程']), year, rng.randint(5, 11),
                                                 rng.choice(vocab.ZH_SCHOOLS)[2]),
              size=8.5, align='c', rule='bottom', after=12)
    page.para(title_runs(title, rng, True, rng.choice([16, 18]), bold=True), align='c', after=8)
    n_units = min(len(names), rng.randint(1, 3))
    _authors_line(page, rng, names, _marks(rng, len(names), n_units), 12)
    _abstract_block(page, rng, kws, 9.5, (en_title(rng), [p[1] for p in people], rng.sample(vocab.EN_KW_EXTRA, 3))
                    if rng.random() < 0.5 else None)
    page.para(('1　引言', {'bold': True}), size=11, before=4)
    page.para(vocab.BODY_ZH * 2, indent=21, align='j')
    for i, (s, d) in enumerate(_units(rng, n_units)):
        page.para('%s%s%s，%s %s' % ('%d ' % (i + 1) if n_units > 1 else '', s[0], d, s[2], s[3]), size=8,
                  rule='top' if i == 0 else None, after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'zh', None, meta=meta)


TEMPLATES = {
    'gen-zh-journal-classic': journal_classic,
    'gen-zh-journal-boxed': journal_boxed,
    'gen-zh-journal-online': journal_online,
    'gen-zh-journal-englishfirst': journal_englishfirst,
    'gen-zh-thesis-doctor': thesis_doctor,
    'gen-zh-thesis-master': thesis_master,
    'gen-zh-thesis-bachelor': thesis_bachelor,
    'gen-zh-thesis-bilingual': thesis_bilingual,
    'gen-zh-course-paper': course_paper,
    'gen-zh-conference': conference_paper,
}
