"""What the later sets of Chinese first pages share: their faces, a page in chosen fonts, a few
people, a topic drawn from a school's domain, tables that keep their widths, and the page finished
with its metadata and its truth record."""
from docx.shared import Cm
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, record, set_meta, title_keywords, zh_person

KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']


def domain_terms(domains):
    """Every subject, angle and context of a set's domains, each sorted: the words that are the set's own."""
    subjects = sorted({s for d in domains for s in d['subjects']})
    angles = sorted({a for d in domains for v in d['subjects'].values() for a in v})
    contexts = sorted({c for d in domains for c in d['contexts']})
    return subjects, angles, contexts


def hei_bold(text, rng):
    """A run of text in bold, in one of the 黑体 faces."""
    return (text, {'bold': True, 'cjk': rng.choice(HEI)})


def zh_title(page, rng, title, sizes=(18, 20), align='c', after=8):
    """The title in bold, in a 黑体 or 宋体 face of one of the sizes."""
    page.para((title, {'size': rng.choice(sizes), 'bold': True, 'cjk': rng.choice(HEI + SONG)}), align=align, after=after)


def zh_page(rng, size=10.5):
    return Page(latin=rng.choice(LATIN_FONTS), cjk=rng.choice(ZH_FONTS), size=size, margins=rng.choice([2.0, 2.5, 3.0]))


def zh_people(rng, n, avoid=()):
    out = []
    while len(out) < n:
        p = zh_person(rng)[0]
        if p not in out and p not in avoid:
            out.append(p)
    return out


def zh_finish(page, rng, title, authors, year, kws=(), **extra):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'zh', None, meta=meta, **extra)


def sized_table(page, rows, widths_cm, **kw):
    """A table whose columns keep the given widths (the converter otherwise shares the width out
    equally)."""
    t = page.table(rows, widths_cm=widths_cm, **kw)
    t.autofit = False
    for col, w in zip(t.columns, widths_cm):
        col.width = Cm(w)
    return t


def zh_topic(rng, domains, schools, terms, forms=None, among=None):
    """A topic of one school's domain: a subject and an angle, a title of one of the forms (the
    domain's own when none are given), keywords from the title and the domain's words (terms: every
    word of the set), the school, a unit and a major. among: the schools to draw from, all when None."""
    i = rng.randrange(len(domains)) if among is None else rng.choice(among)
    d = domains[i]
    s = rng.choice(sorted(d['subjects']))
    a = rng.choice(d['subjects'][s])
    title = rng.choice(forms or d['forms']).format(s=s, a=a, c=rng.choice(d['contexts']))
    pool = [s] + d['subjects'][s] + d['contexts']
    kws = title_keywords(rng, title, terms, pool)
    return dict(i=i, d=d, s=s, a=a, title=title, kws=kws, school=schools[i], unit=rng.choice(d['units']),
                major=rng.choice(d['majors']))


def zh_body(page, text, n, size=10.5):
    """The text run n times over, justified, its first line indented."""
    page.para(text * n, align='j', indent=21, line=1.3, size=size, after=6)


def unit_line(t, rng):
    """A unit line of a topic's school: the school and one of its domain's units, then its city and
    post code and its province."""
    return '%s%s，%s\u2002%s\u2002%s' % (t['school'][0], rng.choice(t['d']['units']), t['school'][4], t['school'][2], t['school'][3])
