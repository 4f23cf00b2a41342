"""A thirty-seventh set of Chinese first pages of papers, theses and reports, in house styles the
earlier sets lack, in the humanities, economics, law, education and arts of schools of their own."""
from docx.shared import Cm

from genbase import zh_date
from zhkit import HEI, KAI, SONG, domain_terms, zh_finish as _finish, zh_page as _page, zh_people as _people, zh_topic

SCHOOLS = [('白城师范学院', 'Baicheng Normal University', '白城', '137000', '吉林'),
           ('贵州工程应用技术学院', 'Guizhou University of Engineering Science', '毕节', '551700', '贵州')]
DOMAINS = [dict(subjects={'洮南二人转': ['唱段传承', '乡村剧场'], '镇赉渔猎习俗': ['冬捕仪式', '渔把头制度'],
                          '通榆草原牧业': ['合作社契约', '牧民子女教育']},
                contexts=['洮南市', '通榆县', '镇赉县'], units=['文学院', '经济管理学院', '教育科学学院'],
                majors=['民俗学', '农业经济管理', '课程与教学论'], field='嫩江流域地方文化'),
           dict(subjects={'威宁彝族撮泰吉': ['面具传习', '仪式程式'], '织金砂陶': ['作坊传承', '网店营销'],
                          '乌撒古驿道': ['驿站文书', '沿线乡村旅游']},
                contexts=['威宁彝族回族苗族自治县', '织金县', '赫章县'], units=['人文学院', '法学院', '艺术学院'],
                majors=['音乐学', '法律史', '设计学'], field='乌蒙山区文化')]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
FORMS = ['{s}{a}研究', '{c}{s}的{a}', '{s}{a}的社会史考察', '{s}与{a}：基于{c}的田野调查', '{c}{s}{a}的变迁']
BODY = '本文依据档案、口述与田野材料，梳理相关对象的形成与演变，分析其中的经济、法律与文化因素，并就保护、传承与治理提出若干思考。'


def _topic(rng, forms=FORMS):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, None)


def _fixed(table, widths_cm):
    """Column widths the converter keeps: the table's grid, not only its cells."""
    table.autofit = False
    for col, w in zip(table.columns, widths_cm):
        col.width = Cm(w)
    return table


def _when(rng, year, month):
    return zh_date(year, month) if rng.random() < 0.4 else '%d年%d月' % (year, month)


def codegrid_music_master(rng):
    """A music or design professional master's cover: a full-width framed grid of six codes on top
    (分类号, 密级, UDC, 学校代码, 学号, 编号), the school, the degree kind, the title between two thick
    rules, then the particulars as label-value lines in a narrow block on the right half."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}的艺术实践研究', '{s}{a}在{c}的创作转化', '{s}的{a}与舞台呈现'])
    s = t['school']
    year = rng.randint(2011, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    codes = [['分类号', 'J6%02d' % rng.randint(0, 99), '密\u3000级', rng.choice(['公开', '内部']),
              'UDC', '7%02d' % rng.randint(0, 99)],
             ['学校代码', str(rng.randint(10200, 14999)), '学\u3000号', str(rng.randint(2018000, 2026999)), '编\u3000号', '']]
    _fixed(page.table(codes, widths_cm=[2.2, 3.2, 2.0, 3.2, 2.0, 3.4], size=9, grid=True,
                      shade=(0, 2, 4) if rng.random() < 0.5 else ()), [2.2, 3.2, 2.0, 3.2, 2.0, 3.4])
    page.para('', after=30)
    page.para((s[0], {'size': rng.choice([24, 26]), 'cjk': rng.choice(KAI + SONG)}), align='c', after=4)
    page.para((rng.choice(['硕士专业学位论文', '艺术硕士专业学位论文', '专业学位硕士论文']),
               {'size': rng.choice([20, 22]), 'bold': True, 'cjk': rng.choice(HEI)}), align='c', after=36)
    page.para('', rule='bottom', after=6)
    page.para((t['title'], {'size': rng.choice([17, 18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=6, rule='bottom')
    page.para('', after=50)
    rank = rng.choice(['\u2002教授', '\u2002副教授', ''])
    for label, value in [('作者姓名', student), ('专业领域', t['major']), ('指导教师', sup + rank),
                         ('所在学院', t['unit'])]:
        page.para([(label + '：', {'bold': True}), value], size=13, align='l', indent=rng.choice([180, 200]), after=4)
    page.para('', after=40)
    page.para(_when(rng, year, rng.choice([5, 6, 12])), size=14, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def biocolumn_journal(rng):
    """An economics or law journal's first page: the title and the authors centred, then a two-cell
    row whose wide cell holds 摘要, 关键词 and 中图分类号 and whose narrow shaded cell at the right
    holds 作者简介, one line an author, in byline order; the text follows in one column."""
    page = _page(rng, 10.5)
    t = _topic(rng)
    s = t['school']
    year = rng.randint(2013, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%s\u2002%d年第%d期' % (rng.choice(['边疆经济与文化', '民族法学评论', '乡村社会研究']), year,
                                  rng.randint(1, 12)), size=9, align=rng.choice(['l', 'r']), after=24)
    page.para((t['title'], {'size': rng.choice([18, 20]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=10)
    page.para(rng.choice(['\u3000', '，']).join(authors), size=12, align='c', cjk=rng.choice(KAI + SONG), after=16)
    left = [('摘\u3000要：', {'bold': True}), BODY * 2, ('\n关键词：', {'bold': True}), '；'.join(t['kws']),
            ('\n中图分类号：', {'bold': True}), 'D9%02d' % rng.randint(0, 99)]
    bios = [('作者简介', {'bold': True})]
    for a in authors:
        bios.append('\n%s，%s%s%s。' % (a, s[0], t['unit'], rng.choice(['教授', '副教授', '讲师', '博士研究生'])))
    _fixed(page.table([[left, bios]], widths_cm=[11.0, 5.0], size=9, align=['l', 'l'], shade=(1,),
                      fill=rng.choice(['EEEEEE', 'F3EDE0']), grid=rng.random() < 0.5), [11.0, 5.0])
    page.para('', after=12)
    page.para(('一、问题的提出', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def cornerbox_bachelor(rng):
    """An education or law bachelor's cover: a small framed box in the top right with 学号 and 姓名,
    the school and 毕业论文, the Chinese and English titles each after its label, and the supervisor
    and the department in one line near the foot, the date under it."""
    page = _page(rng, 12)
    t = _topic(rng, ['{s}{a}初探', '{c}{s}{a}的调查与思考', '小学课堂中的{s}{a}'])
    s = t['school']
    year = rng.randint(2010, 2026)
    student = _people(rng, 1)[0]
    sup = _people(rng, 1, [student])[0]
    box = [['学号', str(rng.randint(2006000000, 2022999999))], ['姓名', student]]
    tab = _fixed(page.table(box, widths_cm=[1.6, 3.6], size=10, grid=True), [1.6, 3.6])
    tab.alignment = 2
    page.para('', after=50)
    page.para((s[0], {'size': rng.choice([26, 28]), 'cjk': rng.choice(KAI)}), align='c', after=6)
    page.para((rng.choice(['本科生毕业论文', '本科毕业论文', '学士学位论文']), {'size': 24, 'bold': True,
                                                         'cjk': rng.choice(HEI + SONG)}), align='c', after=60)
    page.para([('中文题目：', {'bold': True}), t['title']], size=rng.choice([14, 15]), align='l', after=8)
    page.para([('英文题目：', {'bold': True}), 'A Study of %s' % rng.choice(['Local Folk Culture', 'Rural Schooling',
                                                                       'Customary Law'])], size=12, align='l', after=90)
    page.para('指导教师：%s%s\u3000\u3000院（系）：%s' % (sup, rng.choice(['\u2002副教授', '\u2002讲师', '']), t['unit']),
              size=13, align='c', after=10)
    page.para(_when(rng, year, 5), size=13, align='c')
    return _finish(page, rng, t['title'], [student], year, supervisor=sup)


def subtitle_lawreview(rng):
    """A legal-history or law review article: a bold column tag in 【】 at the top left, the series,
    volume and year at the right under it, the title with a subtitle line after a dash under it, the
    authors flush right preceded by 撰文, the unit in a smaller line, and 摘要 and 关键词 in a block
    indented on both sides."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}中的习惯与国家法', '{s}{a}的法律秩序', '{c}{s}{a}纠纷的解决'])
    s = t['school']
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 3))
    page.para(('【%s】' % rng.choice(['法律史研究', '民间法专题', '乡村治理与法治']), {'bold': True, 'cjk': rng.choice(HEI)}),
              size=11, align='l', after=4)
    page.para('%s\u2002第%d卷\u2002（%d）' % (rng.choice(['民间法论丛', '边地法律史评论']), rng.randint(5, 30), year),
              size=8.5, align='r', after=24)
    sub = '——以%s为例' % rng.choice(t['d']['contexts'])
    page.para((t['title'], {'size': rng.choice([18, 20, 22]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=2)
    page.para(sub, size=rng.choice([13, 14]), align='r' if rng.random() < 0.5 else 'c', after=14)
    page.para([('撰文\u2002', {'size': 9}), '\u3000'.join(authors)], size=12, align='r', cjk=rng.choice(KAI), after=2)
    page.para('（%s%s，%s%s %s）' % (s[0], t['unit'], s[4], s[2], s[3]), size=9, align='r', after=16)
    block = [('摘要：', {'bold': True}), BODY * 2, ('\n关键词：', {'bold': True}), '\u3000'.join(t['kws'])]
    _fixed(page.table([['', block, '']], widths_cm=[1.2, 13.6, 1.2], size=9.5, align='l'), [1.2, 13.6, 1.2])
    page.para('', after=10)
    page.para(('引\u3000言', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, align='c', after=3)
    page.para(BODY * 5, align='j', indent=21, line=1.3, size=10.5)
    return _finish(page, rng, t['title'] + sub, authors, year, t['kws'])


def authorrows_extabstract(rng):
    """An arts and design forum's extended abstract: the forum and its year over a rule, 扩展摘要 as a
    tag, the title, then a framed table with a header row (作者, 单位, 电子邮箱) and one row an author
    in byline order; 摘要 and 关键词 follow as labelled paragraphs."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}{a}的设计转译', '{s}{a}的视觉表达', '基于{s}{a}的文创设计'])
    s = t['school']
    year = rng.randint(2014, 2026)
    authors = _people(rng, rng.randint(1, 4))
    page.para('%d%s' % (year, rng.choice(['乌蒙山民族艺术论坛', '东北地域文化与设计学术论坛', '非遗与设计青年论坛'])),
              size=10, align='c', rule='bottom', after=10)
    page.para(('〔扩展摘要〕', {'bold': True}), size=10, align='l', after=10)
    page.para((t['title'], {'size': rng.choice([16, 18]), 'bold': True, 'cjk': rng.choice(HEI + SONG)}),
              align='c', after=12)
    rows = [[('作者', {'bold': True}), ('单位', {'bold': True}), ('电子邮箱', {'bold': True})]]
    for k, a in enumerate(authors):
        rows.append([a, s[0] + t['unit'], 'u%04d@%s.edu.cn' % (rng.randint(1, 9999), rng.choice(['bcnu', 'gues']))])
    _fixed(page.table(rows, widths_cm=[3.0, 7.0, 6.0], size=9.5, grid=True, align=['c', 'l', 'l'],
                      shade=(0,) if rng.random() < 0.5 else ()), [3.0, 7.0, 6.0])
    page.para('', after=12)
    page.para([('摘要：', {'bold': True}), BODY * 3], size=10, align='j', after=6)
    page.para([('关键词：', {'bold': True}), '，'.join(t['kws'])], size=10, after=12)
    page.para(('1\u2002研究缘起', {'bold': True, 'cjk': rng.choice(HEI)}), size=11, after=3)
    page.para(BODY * 3, align='j', indent=21, size=10.5)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


TEMPLATES = {'gen-zh-musicdesignmaster-sixcodegrid-titlebetweenrules': codegrid_music_master,
             'gen-zh-borderecon-lawjournal-biocolumnbesideabstract': biocolumn_journal,
             'gen-zh-edulawbachelor-topright-idnamebox-cnentitlelines': cornerbox_bachelor,
             'gen-zh-legalhistory-columntag-dashsubtitle-zhuanwenbyline': subtitle_lawreview,
             'gen-zh-artforum-extabstract-authorunitemailrows': authorrows_extabstract}
