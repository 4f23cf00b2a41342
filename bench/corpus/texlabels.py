"""Title, authors and keywords of a typeset document, read from its TeX source.

The source is read as it ships (plain or gzip), comments are dropped and the files it
\\input's are pulled in. Fields come from the usual macros (\\title, \\author, \\keywords ...)
and from the key=value setups of thesis classes (\\thusetup{title=..., author=...}, \\ctitle{...}).
Every field is returned as a list of candidates, cleaned of markup; which candidate is
printed on the first page is decided by the caller.
"""
import gzip
import os
import re
import unicodedata

try:
    from pylatexenc.latex2text import LatexNodes2Text
    _L2T = LatexNodes2Text(math_mode='text', strict_latex_spaces=True)
except ImportError:  # pragma: no cover - the install script brings it
    _L2T = None

CJK_RE = re.compile(r'[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff]')
MAX_SOURCE = 2_000_000


def read_text(path):
    """The text of a source file, plain or gzip, in UTF-8, GB18030 or Latin-1."""
    opener = gzip.open if path.endswith('.gz') else open
    with opener(path, 'rb') as f:
        raw = f.read(MAX_SOURCE)
    encs = ('utf-8', 'gb18030')
    if re.search(rb'inputenc\}|\[(?:latin1|latin9|ansinew|cp1252)\]', raw[:5000]) and \
            re.search(rb'latin1|latin9|ansinew|cp1252', raw[:5000]):
        encs = ('utf-8',)
    for enc in encs:
        try:
            return raw.decode(enc)
        except UnicodeDecodeError:
            pass
    return raw.decode('latin-1')


def strip_comments(text):
    """Drop everything after an unescaped % on each line."""
    out = []
    for line in text.split('\n'):
        m = re.search(r'(?<!\\)(?:\\\\)*%', line)
        if m:
            line = line[:m.end() - 1]
        out.append(line)
    return '\n'.join(out)


def _resolve(base_dir, name, root):
    name = name.strip()
    if not name or '..' in name.split('/') and not os.path.realpath(os.path.join(base_dir, name)).startswith(root):
        return None
    for cand in (name, name + '.tex', name + '.tex.gz', name + '.gz', name + '.cfg.gz'):
        p = os.path.realpath(os.path.join(base_dir, cand))
        if p.startswith(root) and os.path.isfile(p):
            return p
    return None


_INPUT_RE = re.compile(r'\\(?:input|include|subfile)\s*(?:\{([^{}]+)\}|([A-Za-z0-9_./-]+))')


def load_source(path, depth=3, root=None):
    """The comment-free source with \\input/\\include files pulled in (up to `depth` levels)."""
    base_dir = os.path.dirname(path)
    if root is None:
        root = os.path.realpath(base_dir)
    text = strip_comments(read_text(path))
    if depth <= 0:
        return text

    def sub(m):
        p = _resolve(base_dir, m.group(1) or m.group(2), root)
        if not p or p == os.path.realpath(path):
            return m.group(0)
        try:
            return load_source(p, depth - 1, root)
        except OSError:
            return m.group(0)
    return _INPUT_RE.sub(sub, text)


def read_group(text, i):
    """The balanced {...} group starting at text[i] == '{': (content, index after it) or None."""
    if i >= len(text) or text[i] != '{':
        return None
    depth = 0
    j = i
    while j < len(text):
        c = text[j]
        if c == '\\':
            j += 2
            continue
        if c == '{':
            depth += 1
        elif c == '}':
            depth -= 1
            if depth == 0:
                return text[i + 1:j], j + 1
        j += 1
    return None


def _skip_space(text, i):
    while i < len(text) and text[i] in ' \t\r\n':
        i += 1
    return i


def _skip_optional(text, i):
    """Skip a star and [..] optional arguments; returns the new index."""
    i = _skip_space(text, i)
    if i < len(text) and text[i] == '*':
        i = _skip_space(text, i + 1)
    while i < len(text) and text[i] == '[':
        depth = 0
        j = i
        while j < len(text):
            if text[j] == '[':
                depth += 1
            elif text[j] == ']':
                depth -= 1
                if depth == 0:
                    break
            elif text[j] == '{':
                g = read_group(text, j)
                if g:
                    j = g[1]
                    continue
            j += 1
        i = _skip_space(text, j + 1)
    return i


def macro_args(text, name, star=False):
    """The first mandatory argument of every use of \\name in text: only \\name* when star is
    true, only the plain form when false, both when None."""
    out = []
    for m in re.finditer(r'\\%s(?![A-Za-z@])' % re.escape(name), text):
        i = m.end()
        j = _skip_space(text, i)
        has_star = j < len(text) and text[j] == '*'
        if star is not None and has_star != star:
            continue
        i = _skip_optional(text, i)
        g = read_group(text, i)
        if g:
            out.append(g[0])
    return out


def env_bodies(text, name):
    return [m.group(1) for m in re.finditer(
        r'\\begin\{%s\}(.*?)\\end\{%s\}' % (re.escape(name), re.escape(name)), text, re.S)]


def setup_blocks(text):
    """Arguments of the class setup commands (\\thusetup{...}, \\fdusetup{...}, \\ustcsetup ...)."""
    blocks = []
    for m in re.finditer(r'\\([A-Za-z]*(?:setup|set|info|config))\s*(?=\{)', text):
        if m.group(1) in ('hypersetup', 'lstset', 'tcbset', 'pgfkeys', 'sisetup', 'captionsetup',
                          'geometry', 'newgeometry', 'tikzset', 'pgfplotsset', 'setkeys'):
            continue
        g = read_group(text, m.end())
        if g:
            blocks.append(g[0])
    return blocks


def kv_values(block, key):
    """Values of `key = {...}` or `key = value,` inside a key=value list."""
    out = []
    for m in re.finditer(r'(?<![A-Za-z@\-*])%s\s*=\s*' % re.escape(key), block):
        i = m.end()
        if i < len(block) and block[i] == '{':
            g = read_group(block, i)
            if g:
                out.append(g[0])
        else:
            v = re.match(r'[^,}\n]*', block[i:]).group(0).strip()
            if v:
                out.append(v)
    return out


# --- cleaning -----------------------------------------------------------------

# Macros whose argument is furniture, not part of the field (removed with their argument).
_DROP_ARG = ('thanks', 'footnote', 'footnotemark', 'footnotetext', 'inst', 'orcid', 'orcidlink',
             'orcidID', 'ORCID', 'email', 'emailaddr', 'mail', 'url', 'affil', 'affiliation',
             'address', 'institute', 'institution', 'IEEEauthorrefmark', 'IEEEmembership',
             'IEEEauthorblockA', 'tnoteref', 'fnref', 'corref', 'label', 'hspace', 'vspace',
             'textsuperscript', 'altaffilmark', 'affilmark', 'affiliationmark', 'authornote',
             'titlenote', 'subtitlenote', 'authornotemark', 'ead', 'icon', 'includegraphics',
             'fnmsep', 'samethanks', 'homepage', 'position',
             'phone', 'fax', 'dedicatory', 'keywords', 'subjclass', 'date', 'cortext', 'fntext',
             'altaffiltext', 'color', 'rule', 'vskip', 'hskip',
             'kern', 'marginpar', 'corresp', 'authorinfo', 'tablefootnote')
# Spoken names of logo macros, as they are printed.
_LOGOS = {
    'LaTeXe': 'LaTeX2e', 'LaTeX': 'LaTeX', 'TeX': 'TeX', 'XeTeX': 'XeTeX', 'XeLaTeX': 'XeLaTeX',
    'LuaTeX': 'LuaTeX', 'LuaLaTeX': 'LuaLaTeX', 'pdfTeX': 'pdfTeX', 'pdfLaTeX': 'pdfLaTeX',
    'ConTeXt': 'ConTeXt', 'BibTeX': 'BibTeX', 'BibLaTeX': 'BibLaTeX', 'biblatex': 'biblatex',
    'CTeX': 'CTeX', 'eTeX': 'e-TeX', 'AmS': 'AMS', 'AMS': 'AMS', 'AmSTeX': 'AMS-TeX',
    'MF': 'Metafont', 'MP': 'MetaPost', 'METAFONT': 'METAFONT', 'METAPOST': 'METAPOST',
    'LyX': 'LyX', 'TikZ': 'TikZ', 'PGF': 'PGF', 'KOMAScript': 'KOMA-Script', 'XeCJK': 'XeCJK',
    'CJK': 'CJK', 'LaTeXTeX': '(La)TeX', 'LaTeX3': 'LaTeX3', 'ExplSyntax': 'expl3',
    'BibTeXe': 'BibTeX', 'pTeX': 'pTeX', 'upTeX': 'upTeX', 'ApLaTeX': 'pLaTeX',
}
_QUOTES = [('``', '\u201c'), ("''", '\u201d'), ('`', '\u2018'), ('---', '\u2014'), ('--', '\u2013')]


def drop_macro(text, name):
    """Remove \\name with its optional and first mandatory argument."""
    out = []
    pos = 0
    for m in re.finditer(r'\\%s(?![A-Za-z@])' % re.escape(name), text):
        if m.start() < pos:
            continue
        out.append(text[pos:m.start()])
        i = _skip_optional(text, m.end())
        g = read_group(text, i)
        pos = g[1] if g else i
    out.append(text[pos:])
    return ''.join(out)


def unwrap_macro(text, name, which=0):
    """Replace \\name{a}{b} by its argument number `which` (used for \\texorpdfstring)."""
    while True:
        m = re.search(r'\\%s(?![A-Za-z@])' % re.escape(name), text)
        if not m:
            return text
        i = _skip_optional(text, m.end())
        args = []
        for _ in range(which + 1):
            i = _skip_space(text, i)
            g = read_group(text, i)
            if not g:
                break
            args.append(g[0])
            i = g[1]
        if len(args) < which + 1:
            return text[:m.start()] + text[m.end():]
        # the unused trailing arguments of a two-argument macro
        j = _skip_space(text, i)
        if name == 'texorpdfstring' and which == 0:
            g = read_group(text, j)
            if g:
                i = g[1]
        text = text[:m.start()] + args[which] + text[i:]


_PLAIN_BARE = set(_LOGOS) | {
    'bf', 'it', 'sl', 'sc', 'rm', 'sf', 'tt', 'em', 'bfseries', 'itshape', 'scshape', 'upshape',
    'mdseries', 'normalfont', 'normalsize', 'small', 'footnotesize', 'scriptsize', 'tiny', 'large',
    'Large', 'LARGE', 'huge', 'Huge', 'selectfont', 'heiti', 'songti', 'kaishu', 'fangsong',
    'centering', 'newline', 'linebreak', 'par', 'break', 'cr', 'medskip', 'smallskip', 'bigskip',
    'quad', 'qquad', 'hfill', 'vfill', 'and', 'AND', 'And', 'protect', 'relax', 'xspace',
    'ignorespaces', 'unskip', 'o', 'O', 'ss', 'ae', 'AE', 'oe', 'OE', 'l', 'L', 'i', 'j', 'aa', 'AA',
    'ldots', 'dots', 'textendash', 'textemdash', 'slash', 'textquoteright', 'textquoteleft', 'S', 'P',
    'c', 'v', 'u', 'H', 'k', 'r', 'd', 'b', 't', 'texorpdfstring', 'thanks', 'footnote', 'inst',
    'footnotemark', 'textsuperscript', 'IEEEauthorblockN', 'IEEEauthorblockA', 'maketitle',
    'alpha', 'beta', 'gamma', 'delta', 'mu', 'pi', 'sigma', 'lambda', 'omega', 'theta', 'epsilon',
    'textregistered', 'texttrademark', 'copyright', 'textcopyright', 'dag', 'ddag', 'ast', 'star',
    'hskip', 'vskip', 'kern', 'label', 'hspace', 'vspace', 'url', 'email', 'orcid', 'orcidlink',
}


def lossy(s):
    """Whether the field uses a macro with no argument whose printed text cannot be known here."""
    for m in re.finditer(r'\\([A-Za-z@]+)\*?(\s*\{)?', s or ''):
        if m.group(2) is None and m.group(1) not in _PLAIN_BARE:
            return True
    return False


def unwrap_groups(s):
    """\\textsf{x}, \\pkg{x}, \\emph{x} ... -> x (one-letter accent macros are left to the converter)."""
    for _ in range(20):
        m = re.search(r'\\([A-Za-z@]{2,})\*?\s*(?=\{)', s)
        if not m:
            return s
        g = read_group(s, m.end())
        if not g:
            return s[:m.start()] + s[m.end():]
        s = s[:m.start()] + g[0] + s[g[1]:]
    return s


def clean_markup(s):
    """Plain text of a field written in TeX: furniture macros dropped, logos spelt, accents in Unicode."""
    if s is None:
        return ''
    s = s.replace('\r', '')
    s = unwrap_macro(s, 'texorpdfstring', 0)
    s = re.sub(r'\\(?:and|AND|And)(?![A-Za-z])', ', ', s)
    s = re.sub(r'\\href\s*\{[^{}]*\}', '', s)
    s = re.sub(r'\\(?:kern|hskip|vskip|mkern|hspace\*?|vspace\*?)\s*\{?\s*-?[\d.]+\s*(?:em|ex|pt|mm|cm|in|bp|mu)\}?\s?', '', s)
    s = re.sub(r'\\(?:begin|end)\s*\{[A-Za-z*]+\}', ' ', s)
    for name in _DROP_ARG:
        s = drop_macro(s, name)
    s = re.sub(r'\$\^\{?[^$]*\}?\$', '', s)          # $^{1,2}$ marks
    s = re.sub(r'\^\{[^{}]*\}|\^\S', '', s)
    s = re.sub(r'\\\\\*?(\[[^\]]*\])?', ' ', s)       # \\ and \\[2pt]
    s = re.sub(r'\\(newline|linebreak|par|break|cr|medskip|smallskip|bigskip|quad|qquad|hfill|vfill|centering)(?![A-Za-z])', ' ', s)
    s = re.sub(r'\\(?:[,;:> !]|/)', ' ', s)
    s = s.replace('~', ' ').replace('\\-', '')
    for name in sorted(_LOGOS, key=len, reverse=True):
        s = re.sub(r'\\%s(?![A-Za-z@])(\{\})?\s?' % re.escape(name),
                   lambda m, v=_LOGOS[name]: v + (' ' if m.group(0).endswith(' ') else ''), s)
    s = re.sub(r'\\(?:bf|it|sl|sc|rm|sf|tt|em|bfseries|itshape|scshape|upshape|mdseries|'
               r'normalsize|small|footnotesize|scriptsize|tiny|large|Large|LARGE|huge|Huge|'
               r'selectfont|heiti|songti|kaishu|fangsong|lishu|youyuan|zihao\{[^{}]*\})(?![A-Za-z])', '', s)
    # the grave accent (\\`e, \\`{e}) before ` and `` become quotes
    s = re.sub(r'\\`\s*(?:\{\s*([A-Za-z])\s*\}|([A-Za-z]))',
               lambda m: unicodedata.normalize('NFC', (m.group(1) or m.group(2)) + '\u0300'), s)
    for a, b in _QUOTES:
        s = s.replace(a, b)
    s = unwrap_groups(s)
    if _L2T is not None:
        try:
            s = _L2T.latex_to_text(s)
        except Exception:  # malformed TeX: keep what the substitutions gave
            s = re.sub(r'\\[A-Za-z@]+\*?', '', s).replace('{', '').replace('}', '')
    else:
        s = re.sub(r'\\[A-Za-z@]+\*?', '', s).replace('{', '').replace('}', '')
    s = s.replace('\u00a0', ' ')
    s = re.sub(r'\s+', ' ', s).strip()
    s = re.sub(r'\s+([,.;:!?])', r'\1', s)
    s = re.sub(r'(?<=[\u3400-\u9fff\uff00-\uffef\u3000-\u303f]) (?=[\u3400-\u9fff\uff00-\uffef\u3000-\u303f])', '', s)
    return s.strip(' ,;')


# --- authors ------------------------------------------------------------------

_NOT_NAME = re.compile(r'@|https?:|www\.|\b(university|universit[äé]t|department|dept\.|institute|'
                       r'laboratory|school of|college|faculty|inc\.|corporation|gmbh|street|'
                       r'road|avenue|box \d|abstract|academy|society|association|centre|center|group|team|'
                       r'project|press|committee|based on|macros)\b|\d{3,}', re.I)
_DEGREES = {'phd', 'md', 'msc', 'bsc', 'ba', 'ma', 'ba ma', 'dipl-ing', 'mba'}
_SUFFIX = {'jr', 'jr.', 'sr', 'sr.', 'ii', 'iii', 'iv'}


def split_names(s):
    """A cleaned author line split into names (',', ';', 'and', '&', Chinese list marks)."""
    s = re.sub(r'\s*(?:,?\s+\b(?:and|und|en|et)\b\s+|\s&\s|;|，|、|；)\s*', ',', s)
    s = re.sub(r'\s*(?:编写|编著|主编|著|编)$', '', s)
    names = []
    for part in s.split(','):
        part = part.strip(' .*\u2020\u2021\u00a7\u00b6#')
        part = re.sub(r'^(?:.*\s)?by\s+(?=[A-Z])', '', part)
        if not part:
            continue
        if part.lower().replace('.', '') in _DEGREES or re.fullmatch(r'(?:[BM]A|M?Sc|PhD|Dr|Prof)(?:\s+(?:[BM]A|M?Sc|PhD))*', part.replace('.', '')):
            continue
        if part.lower().strip('.') in _SUFFIX and names:
            names[-1] += ', ' + part
            continue
        names.append(part)
    return names


def author_names(raw_list):
    """Names from the arguments of one or more \\author commands, in order."""
    names = []
    for raw in raw_list:
        raw = unwrap_macro(raw, 'IEEEauthorblockN', 0)
        raw = drop_macro(raw, 'IEEEauthorblockA')
        chunks = re.split(r'\\(?:and|AND|And)(?![A-Za-z])', raw)
        for chunk in chunks:
            # an author block often carries address lines after the name
            first = re.split(r'\\\\|\\newline(?![A-Za-z])|\\par(?![A-Za-z])|\n\s*\n', chunk.strip())[0]
            if lossy(first):
                return []
            first = clean_markup(first)
            first = re.sub(r'\([^()]*@[^()]*\)|<[^<>]*@[^<>]*>|\S+@\S+', ' ', first)
            first = re.sub(r'(?:,?\s*(?:\(c\)|©)?\s*(?:19|20)\d\d(?:\s*[-–]\s*(?:19|20)?\d\d)?)+\s*$', '', first)
            found = split_names(first.strip())
            # an address written after the names (no line break between) ends the list
            for k, n in enumerate(found):
                if k and _NOT_NAME.search(n):
                    found = found[:k]
                    break
            names.extend(found)
    return names


def plausible_name(n):
    if not n or len(n) > 60 or _NOT_NAME.search(n) or re.search(r'[:：()（）\[\]{}<>|/\\=]', n):
        return False
    if CJK_RE.search(n):
        return 2 <= len(n.replace(' ', '')) <= 12
    words = n.split()
    # a Latin-script name has a given name and a family name and starts with a capital
    return 2 <= len(words) <= 7 and n[0].isupper()


# --- the fields ---------------------------------------------------------------

TITLE_ZH_KEYS = ('ctitle', 'cntitle', 'titlecn', 'chinesetitle', 'ChineseTitle', 'zhtitle',
                 'title-zh', 'title_zh', 'titleCN', 'CTitle', 'thesistitle', 'Ctitle')
TITLE_EN_KEYS = ('etitle', 'entitle', 'titleen', 'englishtitle', 'EnglishTitle', 'title-en',
                 'title_en', 'titleEN', 'ETitle', 'Etitle')
AUTHOR_ZH_KEYS = ('cauthor', 'cnauthor', 'authorcn', 'chineseauthor', 'ChineseAuthor', 'zhauthor',
                  'author-zh', 'author_zh', 'authorCN', 'CAuthor', 'Cauthor', 'cname')
AUTHOR_EN_KEYS = ('eauthor', 'enauthor', 'authoren', 'englishauthor', 'author-en', 'author_en')
SUPERVISOR_KEYS = ('supervisor', 'csupervisor', 'advisor', 'cadvisor', 'tutor', 'ctutor',
                   'supervisorcn', 'mentor', 'teacher', 'director')


def _preamble(text):
    i = text.find('\\begin{document}')
    return text if i < 0 else text[:i]


def _body_head(text, n=20000):
    i = text.find('\\begin{document}')
    return '' if i < 0 else text[i:i + n]


def extract_fields(text):
    """Candidate labels of a TeX source: {'title': [...], 'authors': [[...], ...], ...}.

    Titles and author lists are given in order of preference; each candidate is cleaned text.
    """
    pre = _preamble(text)
    head = pre + _body_head(text)
    blocks = setup_blocks(pre) or []
    titles, titles_en, author_lists, supervisors, keywords = [], [], [], [], []

    def add(lst, v):
        if lossy(v):
            return
        v = clean_markup(v)
        if v and v not in lst:
            lst.append(v)

    def values(keys, macros=True):
        """Arguments of \\key{...} and values of key=... in the setup blocks, key by key."""
        for key in keys:
            if macros:
                yield from macro_args(head, key)
            for b in blocks:
                yield from kv_values(b, key)

    # thesis classes: Chinese title and author first, then the English ones
    for v in list(values(TITLE_ZH_KEYS)) + list(values(['title'], macros=False)) + macro_args(head, 'title'):
        add(titles, v)
    for v in list(values(TITLE_EN_KEYS)) + list(values(['title*', 'entitle'], macros=False)):
        add(titles_en, v)

    def add_names(raw_list):
        names = author_names(raw_list)
        if names and names not in author_lists:
            author_lists.append(names)

    for v in list(values(AUTHOR_ZH_KEYS)) + list(values(['author'], macros=False)):
        add_names([v])
    vals = macro_args(head, 'author', star=None)  # \author* marks the corresponding author
    if vals:
        add_names(vals)
    for v in values(SUPERVISOR_KEYS):
        add(supervisors, v)

    kw_raw = macro_args(head, 'keywords') + macro_args(head, 'keyword') + env_bodies(head, 'keyword') \
        + env_bodies(head, 'keywords') + env_bodies(head, 'IEEEkeywords')
    for raw in kw_raw:
        kws = [clean_markup(k) for k in re.split(r'\\sep(?![A-Za-z])|\\kwd(?![A-Za-z])|,|;|，|；|、|\\and', raw)]
        kws = [k for k in kws if k and len(k) < 80]
        if kws:
            keywords.append(kws)
    for raw in env_bodies(head, 'keyword') + env_bodies(head, 'kwd-group'):
        kws = [clean_markup(k) for k in macro_args(raw, 'kwd')]
        if kws:
            keywords.append(kws)

    dates = [clean_markup(v) for v in macro_args(head, 'date')]
    return {'title': titles, 'title_en': titles_en, 'authors': author_lists,
            'supervisor': supervisors, 'keywords': keywords, 'date': dates}
