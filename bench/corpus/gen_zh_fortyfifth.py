"""A forty-fifth set of Chinese first pages of papers and reports, in house styles the earlier sets
lack, in the humanities, law, economics, management, education and arts of schools of their own."""
from genbase import zh_date
from zhkit import (HEI, KAI, SONG, domain_terms, hei_bold as _bold, sized_table, zh_body, zh_finish as _finish,
                   zh_page as _page, zh_people as _people, zh_topic)

SCHOOLS = [('渭南师范学院', 'Weinan Normal University', '渭南', '714099', '陕西'),
           ('榆林学院', 'Yulin University', '榆林', '719000', '陕西'),
           ('宝鸡文理学院', 'Baoji University of Arts and Sciences', '宝鸡', '721013', '陕西')]
DOMAINS = [dict(subjects={'华阴老腔': ['老腔班社传承', '老腔演出市场'], '合阳提线木偶': ['木偶戏班经营', '木偶戏进校园课程'],
                          '蒲城杆火技艺': ['杆火技艺保护立法', '烟花作坊劳动用工']},
                contexts=['华阴市', '合阳县', '蒲城县'], units=['传媒学院', '人文学院', '经济与管理学院'],
                majors=['戏剧与影视学', '文艺学', '产业经济学']),
           dict(subjects={'陕北说书': ['说书艺人师承', '说书曲目整理'], '绥德石狮雕刻': ['石狮匠人师徒制', '石狮工艺品定价'],
                          '米脂窑洞民居': ['窑洞院落产权', '窑洞民宿经营']},
                contexts=['绥德县', '米脂县', '佳县'], units=['文学院', '政法学院', '管理学院'],
                majors=['中国现当代文学', '法学理论', '旅游管理']),
           dict(subjects={'凤翔泥塑': ['泥塑纹样教学', '泥塑作坊电商'], '宝鸡社火脸谱': ['社火会首与村落治理', '脸谱美育课程'],
                          '千阳西秦刺绣': ['刺绣合作社分配', '刺绣女工就业']},
                contexts=['凤翔区', '千阳县', '麟游县'], units=['美术学院', '历史文化与旅游学院', '教育学院'],
                majors=['美术学', '中国史', '教育学原理'])]
SUBJECTS, ANGLES, CONTEXTS = domain_terms(DOMAINS)
BODY = '本文依据访谈记录、地方档案与统计资料，梳理这一地方传统的来历与现状，讨论其中的经济、社会、法律与文化因素，并就传承、治理与发展提出看法。'
MUSIC = ('华阴老腔', '合阳提线木偶', '陕北说书', '宝鸡社火脸谱')
MUSIC_FORMS = ['{s}唱腔的音乐形态与{a}', '{c}{s}音乐的田野记录与{a}', '{s}曲牌考略：兼论{a}']
RANKS = ['教授', '副教授', '讲师', '博士研究生']


def _topic(rng, forms, among=None):
    return zh_topic(rng, DOMAINS, SCHOOLS, SUBJECTS + ANGLES + CONTEXTS, forms, among)


def _head_row(page, rng, left, right, size=9):
    """A borderless two-cell head row (left and right flush) over a rule."""
    sized_table(page, [[left, right]], [9.5, 6.5], size=size, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([12, 16, 22]))


def _issue(rng, journals, year):
    return '%s\u2002%d年第%d期' % (rng.choice(journals), year, rng.randint(1, 12))


def _title(page, rng, title, sizes=(18, 20), align='c'):
    page.para((title, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=8)


def oral_history(rng):
    """An oral history journal's record: the journal and the 口述史 column over a rule, the title,
    one line "口述：X　整理：A、B" (the narrator and the recorders are all authors, narrator first),
    a framed 【整理者按】 introducing the narrator, the narrator's account in the first person, and
    the recorders' note at the foot over a rule."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['我与{s}：一位老艺人的口述', '{c}{s}口述实录', '{s}{a}亲历记'])
    year = rng.randint(2011, 2026)
    narrator = _people(rng, 1)[0]
    recorders = _people(rng, rng.randint(1, 2), [narrator])
    _head_row(page, rng, _issue(rng, ['口述历史研究', '关中民俗', '黄土地记忆'], year),
              _bold(rng.choice(['口述史', '口述实录', '口述·记忆']), rng))
    _title(page, rng, t['title'])
    sep = rng.choice(['\u3000', '、'])
    line = rng.choice(['口述：%s\u3000\u3000整理：%s', '口述\u3000%s\u3000\u3000整理\u3000%s', '%s\u3000口述\u3000\u3000%s\u3000整理'])
    page.para(line % (narrator, sep.join(recorders)), size=11.5, align='c', cjk=rng.choice(KAI), after=12)
    note = '%s，%d年生，%s人，从艺%d年。本文据%d年%d月至%d月间的%d次访谈录音整理而成，经口述者审阅。' % (
        narrator, rng.randint(1936, 1962), rng.choice(t['d']['contexts']), rng.randint(30, 60), year - 1, rng.randint(3, 6),
        rng.randint(7, 12), rng.randint(3, 9))
    sized_table(page, [[[_bold(rng.choice(['【整理者按】', '整理者按：', '【编者按】']), rng), note]]], [15.5], size=9.5, align=['l'],
                grid=True, shade=(0,) if rng.random() < 0.5 else (), fill=rng.choice(['EFEFEF', 'F3EEE3']))
    page.para('', after=8)
    for head in rng.sample(['一、学艺', '二、走村串乡', '三、班社里的规矩', '四、这些年的变化'], 2):
        page.para(_bold(head, rng), size=11, after=3)
        page.para('我是%s人，打小就跟着老辈人学这一行。' % rng.choice(t['d']['contexts']) + BODY * 2, align='j', indent=21,
                  line=1.3, size=10.5, after=6)
    page.para('整理者简介：%s' % '；'.join('%s，%s%s%s' % (r, t['school'][0], rng.choice(t['d']['units']), rng.choice(RANKS))
                                        for r in recorders), size=8.5, rule='top')
    return _finish(page, rng, t['title'], [narrator] + recorders, year)


def dialogue(rng):
    """A humanities journal's dialogue: the journal and the 学术对话 column over a rule, the title,
    a "对话人" block naming each speaker on a line of their own with the unit and rank, 内容提要 and
    关键词 in brackets, then the turns, each opening on the speaker's name in bold."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}的过去与未来：关于{a}的对话', '{a}如何可能——{s}研究三人谈', '从{c}出发：{s}对话录'])
    year = rng.randint(2012, 2026)
    speakers = _people(rng, rng.randint(2, 3))
    _head_row(page, rng, _issue(rng, ['人文杂志·关中版', '文艺对话', '西部学术评论'], year),
              _bold(rng.choice(['学术对话', '对　话', '三人谈' if len(speakers) == 3 else '对谈录']), rng))
    _title(page, rng, t['title'])
    page.para(_bold(rng.choice(['对话人：', '对话人', '【对话人】']), rng), size=10.5, after=2, indent=rng.choice([42, 63]))
    for s in speakers:
        page.para('%s\u3000%s%s%s' % (s, t['school'][0], rng.choice(t['d']['units']), rng.choice(RANKS[:3])), size=10.5,
                  cjk=rng.choice(KAI), indent=rng.choice([84, 105]), after=1)
    page.para('', after=8)
    page.para([_bold('【内容提要】', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('【关键词】', rng), '\u3000'.join(t['kws'])], size=9.5, after=12)
    for k in range(4):
        s = speakers[k % len(speakers)]
        page.para([_bold('%s：' % s, rng), BODY], align='j', indent=21, line=1.3, size=10.5, after=4)
    return _finish(page, rng, t['title'], speakers, year, t['kws'])


def music_example(rng):
    """A music and opera journal article whose first page carries a framed 谱例 (a numbered-notation
    excerpt with its caption naming the transcriber, who is not an author): the head row over a rule,
    the title, the byline with the units in brackets, 摘要 and 关键词, the text around the example."""
    page = _page(rng, 10.5)
    t = _topic(rng, MUSIC_FORMS)
    while t['s'] not in MUSIC:
        t = _topic(rng, MUSIC_FORMS)
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 3))
    scribe = _people(rng, 1, authors)[0]
    _head_row(page, rng, _issue(rng, ['秦声乐坛', '西北音乐研究', '戏曲与音乐学刊'], year), rng.choice(['音乐学研究', '戏曲音乐', '民族音乐']))
    _title(page, rng, t['title'])
    page.para(rng.choice(['\u3000', '，']).join(authors), size=12, align='c', cjk=rng.choice(KAI), after=2)
    units = sorted({rng.choice(t['d']['units']) for _ in authors})
    page.para('（%s%s，陕西%s\u2002%s）' % (t['school'][0], '、'.join(units), t['school'][2], t['school'][3]), size=9, align='c', after=10)
    page.para([_bold('摘\u3000要：', rng), BODY], size=9.5, align='j', after=3)
    page.para([_bold('关键词：', rng), '；'.join(t['kws'])], size=9.5, after=10)
    zh_body(page, BODY, 2)
    notes = ' '.join(rng.choice(['1 2 3 5', '6 5 3 2', '5 6 1 6', '3 2 1 6', '2 3 5 6']) + ' |' for _ in range(rng.randint(4, 6)))
    sized_table(page, [['1＝%s\u2002%s\u2002\u2002%s' % (rng.choice('CDEFG'), rng.choice(['2/4', '4/4', '1/4']), notes)]], [14.0],
                size=10.5, align=['c'], grid=True)
    page.para('谱例%d\u3000%s《%s》唱段（%s记谱）' % (rng.randint(1, 3), t['s'], rng.choice(['出关', '走西口', '送别', '闹元宵']),
                                              scribe), size=9, align='c', before=3, after=8, cjk=rng.choice(HEI))
    zh_body(page, BODY, 2)
    return _finish(page, rng, t['title'], authors, year, t['kws'])


def survey_report(rng):
    """A research centre's internal survey report: "内部资料" and the number on top, the series line
    "…调研报告系列（之N）", the title, then "撰稿：" naming the authors and "审定：" naming the director,
    who is not an author; the centre and the date at the foot."""
    page = _page(rng, 12)
    t = _topic(rng, ['{c}{a}调研报告', '关于{a}的调查与建议', '{s}现状调查：以{c}为例'])
    year = rng.randint(2012, 2026)
    authors = _people(rng, rng.randint(1, 4))
    chief = _people(rng, 1, authors)[0]
    sized_table(page, [[(rng.choice(['内部资料\u3000注意保存', '内部资料', '供领导参阅']), {'bold': True, 'cjk': rng.choice(HEI)}),
                        '%d年第%d期（总第%d期）' % (year, rng.randint(1, 12), rng.randint(20, 160))]],
                [8.0, 8.0], size=10.5, align=['l', 'r'])
    page.para('', after=rng.choice([50, 70]))
    page.para('%s%s（之%s）' % (rng.choice(['陕西乡村文化', '关中民间艺术', '陕北社会发展']), rng.choice(['调研报告系列', '调查报告丛编']),
                             rng.choice('一二三四五六七八九')), size=14, align='c', cjk=rng.choice(KAI), after=30)
    _title(page, rng, t['title'], (22, 24, 26))
    page.para('', after=rng.choice([70, 90, 110]))
    ind = rng.choice([120, 150])
    page.para([('撰\u3000稿：' if rng.random() < 0.5 else '撰稿人：', {'bold': True}), '\u3000'.join(authors)], size=13, indent=ind, after=8)
    page.para([('审\u3000定：' if rng.random() < 0.5 else '审定人：', {'bold': True}), chief + rng.choice(['', '\u3000教授'])], size=13,
              indent=ind, after=rng.choice([90, 120]))
    page.para('%s%s' % (t['school'][0], rng.choice(['地方文化研究中心', '乡村振兴研究院', '区域社会治理研究所'])), size=13, align='c', after=4)
    page.para(zh_date(year, rng.randint(1, 12)) if rng.random() < 0.5 else '%d年%d月' % (year, rng.randint(1, 12)), size=13, align='c')
    return _finish(page, rng, t['title'], authors, year)


def jikan_notes(rng):
    """A history 集刊's reading notes: the volume's name and number centred between rules, the title,
    the authors flush right after "◎", no abstract, then numbered notes each with a bold head, and a
    footnote over a rule."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['{s}札记三则', '读{c}方志札记：{s}与{a}', '{s}史事拾零'])
    year = rng.randint(2010, 2026)
    authors = _people(rng, rng.randint(1, 2))
    page.para('《%s》第%d辑\u3000（%d年）' % (rng.choice(['关中史地论丛', '三秦文献研究', '黄河文化集刊']), rng.randint(2, 30), year),
              size=9.5, align='c', rule='bottom', after=rng.choice([20, 26]))
    _title(page, rng, t['title'], (18, 20, 22), rng.choice(['c', 'l']))
    page.para('◎\u2002' + '\u3000'.join(authors), size=12, align='r', cjk=rng.choice(KAI), after=14)
    for i, head in enumerate(rng.sample(['%s旧闻' % t['s'], '%s碑记补正' % rng.choice(t['d']['contexts']), '%s与地方社会' % t['a'],
                                          '一条契约文书的解读'], 3)):
        page.para(_bold('%s、%s' % ('一二三'[i], head), rng), size=11, after=3)
        zh_body(page, BODY, 2)
    page.para('作者简介：%s，%s%s%s。' % (authors[0], t['school'][0], rng.choice(t['d']['units']), rng.choice(RANKS)),
              size=8.5, rule='top')
    return _finish(page, rng, t['title'], authors, year)


def book_review(rng):
    """An arts and humanities journal's book review: the head row with the 书评 column, the title,
    the reviewers flush right after "□" or "文／", a framed grid of the book under review (书名,
    著者, 出版, 定价) whose author is not an author of the review, then the text and the reviewers'
    unit in brackets."""
    page = _page(rng, 10.5)
    t = _topic(rng, ['为{s}立传：评《{s}史话》', '{a}的新视野——读《{s}研究》', '走近{s}：一部{a}的力作'])
    year = rng.randint(2011, 2026)
    authors = _people(rng, rng.randint(1, 2))
    writer = _people(rng, 1, authors)[0]
    _head_row(page, rng, _issue(rng, ['艺术与人文书评', '关中读书', '书林评论'], year), _bold(rng.choice(['书　评', '新书评介', '读书']), rng))
    _title(page, rng, t['title'], (18, 20), rng.choice(['c', 'l']))
    page.para(rng.choice(['□\u2002', '文／', '□ ']) + '\u3000'.join(authors), size=11.5, align='r', cjk=rng.choice(KAI), after=10)
    rows = [['书\u3000名', '《%s%s》' % (t['s'], rng.choice(['研究', '史话', '志', '图录']))], ['著\u3000者', writer + rng.choice(['\u2002著', ''])],
            ['出\u3000版', '%s出版社，%d年' % (rng.choice(['三秦', '陕西人民', '西北大学', '陕西师范大学']), year - rng.randint(0, 2))],
            ['定\u3000价', '%d.00元' % rng.randint(38, 168)]]
    sized_table(page, rows, [2.4, 9.0], size=9.5, align=['c', 'l'], grid=rng.random() < 0.6, shade=(0,) if rng.random() < 0.5 else (),
                fill='EDEDED')
    page.para('', after=8)
    zh_body(page, BODY, 3)
    zh_body(page, BODY, 2)
    page.para('（作者单位：%s%s）' % (t['school'][0], rng.choice(t['d']['units'])), size=9.5, align='r')
    return _finish(page, rng, t['title'], authors, year)


TEMPLATES = {'gen-zh-oralhistoryjournal-koushuzhengliline-zhenglizheannotebox': oral_history,
             'gen-zh-humanitiesjournal-dialogue-duihuarenblock-speakerturns': dialogue,
             'gen-zh-musicjournal-pulibox-transcriberincaption': music_example,
             'gen-zh-ruralsurveyreport-neibuziliaotop-zhuangaoshendinglines': survey_report,
             'gen-zh-historyjikan-zhajinotes-quanbylineright': jikan_notes,
             'gen-zh-artsbookreview-bookinfogrid-reviewerright': book_review}
