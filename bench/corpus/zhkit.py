"""What the later sets of Chinese first pages share: their faces, a page in chosen fonts, a few
people, and the page finished with its metadata and its truth record."""
from docxkit import Page
from genbase import LATIN_FONTS, ZH_FONTS, record, set_meta, zh_person

KAI = ['AR PL KaitiM GB', 'AR PL UKai CN']
HEI = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei']
SONG = ['AR PL SungtiL GB', 'AR PL UMing CN']


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
