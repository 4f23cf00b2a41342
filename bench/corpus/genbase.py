"""What the page templates share: people, titles, keywords, fonts, metadata and label forms."""
import vocab

ZH_FONTS = ['Noto Sans CJK SC', 'WenQuanYi Zen Hei', 'WenQuanYi Micro Hei', 'AR PL UMing CN', 'AR PL UKai CN',
            'AR PL SungtiL GB', 'AR PL KaitiM GB']
LATIN_FONTS = ['Liberation Serif', 'Liberation Sans', 'Carlito', 'Caladea', 'DejaVu Serif', 'DejaVu Sans',
               'Linux Libertine O']
ZH_DIGITS = '〇一二三四五六七八九'
MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August', 'September', 'October',
          'November', 'December']


def zh_person(rng):
    """A Chinese name and its pinyin ("王伟", "WANG Wei" / "Wang Wei")."""
    s, sp = rng.choice(vocab.ZH_SURNAMES)
    n = 1 if rng.random() < 0.3 else 2
    given = [rng.choice(vocab.ZH_GIVEN) for _ in range(n)]
    name = s + ''.join(g[0] for g in given)
    gp = ''.join(g[1] for g in given).capitalize()
    py = ('%s %s' % (sp.upper(), gp)) if rng.random() < 0.5 else ('%s %s' % (sp, gp))
    return name, py


def zh_name_spaced(name, rng):
    """Two-character names are often printed with a full-width blank between the characters."""
    return name[0] + '\u3000' + name[1] if len(name) == 2 and rng.random() < 0.3 else name


def en_person(rng):
    first, last = rng.choice(vocab.EN_FIRST), rng.choice(vocab.EN_LAST)
    r = rng.random()
    if r < 0.25:
        return '%s %s. %s' % (first, chr(65 + rng.randrange(26)), last)
    if r < 0.32:
        return '%s. %s' % (first[0], last)
    return '%s %s' % (first, last)


def distinct(rng, make, n):
    out = []
    while len(out) < n:
        v = make(rng)
        key = v[0] if isinstance(v, tuple) else v
        if key not in [o[0] if isinstance(o, tuple) else o for o in out]:
            out.append(v)
    return out


def zh_title(rng):
    m, m2 = rng.sample(vocab.ZH_METHODS, 2)
    return rng.choice(vocab.ZH_TITLE_FORMS).format(m=m, m2=m2, o=rng.choice(vocab.ZH_OBJECTS),
                                                   t=rng.choice(vocab.ZH_TASKS))


def en_title(rng):
    m = rng.choice(vocab.EN_METHODS)
    t = rng.choice(vocab.EN_TITLE_FORMS).format(M=m, O=rng.choice(vocab.EN_OBJECTS), T=rng.choice(vocab.EN_TASKS),
                                                A=rng.choice(vocab.EN_ADJ), v=rng.choice(vocab.EN_VERBS))
    if rng.random() < 0.3:  # sentence case
        words = t.split(' ')
        t = ' '.join([words[0]] + [w if (w.isupper() or '-' in w and w[0].isupper() and w in m) else w.lower()
                                   for w in words[1:]])
    return t


def zh_keywords(rng, title):
    n = rng.randint(3, 6)
    pool = [k for k in vocab.ZH_METHODS + vocab.ZH_OBJECTS if k in title] + rng.sample(vocab.ZH_KW_EXTRA, 4) \
        + rng.sample(vocab.ZH_METHODS, 3)
    out = []
    for k in pool:
        if k not in out:
            out.append(k)
    return out[:n]


def en_keywords(rng, title):
    n = rng.randint(3, 6)
    pool = [k.lower() for k in vocab.EN_METHODS + vocab.EN_OBJECTS if k in title] + rng.sample(vocab.EN_KW_EXTRA, 4)
    out = []
    for k in pool:
        k = k if rng.random() < 0.7 else k.capitalize()
        if k.lower() not in [o.lower() for o in out]:
            out.append(k)
    return out[:n]


def split_two(title, rng, cjk):
    """The title cut into two printed lines at a word (or, for Chinese, a character) boundary."""
    if cjk:
        k = rng.randint(max(4, len(title) // 2 - 3), max(5, len(title) // 2 + 3))
        return title[:k], title[k:]
    words = title.split(' ')
    k = max(1, min(len(words) - 1, len(words) // 2 + rng.randint(-1, 1)))
    return ' '.join(words[:k]), ' '.join(words[k:])


def title_runs(title, rng, cjk, size, bold=True, two=None):
    """Runs that print the title on one or two lines."""
    if two is None:
        two = rng.random() < 0.4 and len(title) > (12 if cjk else 40)
    if not two:
        return [(title, {'size': size, 'bold': bold})]
    a, b = split_two(title, rng, cjk)
    return [(a, {'size': size, 'bold': bold, 'break': True}), (b, {'size': size, 'bold': bold})]


def zh_date(year, month):
    return ''.join(ZH_DIGITS[int(c)] for c in str(year)) + '年' + \
        ['一', '二', '三', '四', '五', '六', '七', '八', '九', '十', '十一', '十二'][month - 1] + '月'


def set_meta(page, rng, title, authors, keywords=()):
    """Document properties: right, wrong or empty, as they are in the wild; returns the mode."""
    r = rng.random()
    if r < 0.4:
        page.meta(title, '; '.join(authors) if rng.random() < 0.5 else (authors[0] if authors else ''),
                  ', '.join(keywords))
        return 'right'
    if r < 0.7:
        page.meta(rng.choice(['Microsoft Word - 稿件模板.docx', '论文模板', 'Manuscript template', 'untitled',
                              'Title of the paper', 'Word 文档', en_title(rng)]),
                  rng.choice(['Administrator', 'User', 'admin', '微软用户', 'editor', en_person(rng)]))
        return 'wrong'
    page.meta('', '')
    return 'empty'


def colon(rng):
    return rng.choice(['：', '：', ':', ': ', '　'])


def spaced_label(label, rng):
    """Chinese labels are often stretched with blanks to line up: 专　　业."""
    if len(label) == 2 and rng.random() < 0.6:
        return label[0] + rng.choice(['\u3000\u3000', '\u3000', '  ']) + label[1]
    return label


def record(title, authors, year=None, keywords=(), lang='en', doi=None, arxiv=None, **extra):
    rec = {'title': title, 'authors': list(authors), 'first_author': authors[0] if authors else None,
           'year': year, 'keywords': list(keywords), 'lang': lang, 'doi': doi, 'arxiv': arxiv}
    rec.update(extra)
    return rec


def title_keywords(rng, title, terms, sample_from):
    """The terms a generated title uses, then a few drawn from sample_from: three to five keywords."""
    out = []
    for k in [w for w in terms if w in title] + rng.sample(sample_from, 3):
        if k not in out:
            out.append(k)
    return out[:rng.randint(3, 5)]
