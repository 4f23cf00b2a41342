"""Title, authors and keywords of an R package vignette, read from its Sweave or knitr source.

Vignettes are LaTeX with R code chunks (<<...>>= ... @) and \\Sexpr{} values. Many use the
Journal of Statistical Software class, whose front matter has its own macros: \\title and a plain
\\Plaintitle, \\author{A\\\\Affiliation \\And B\\\\Affiliation \\AND C} with \\Plainauthor{A, B, C},
\\Keywords and \\Plainkeywords. The fields of the ordinary article class are read as texlabels
reads them; the JSS ones are added as further candidates.
"""
import re

import texlabels

_CHUNK_RE = re.compile(r'^[ \t]*<<[^\n]*>>=[ \t]*\n.*?^[ \t]*@[ \t]*$', re.M | re.S)
_JSS_OFF = ('Address', 'Abstract', 'Plainkeywords', 'Keywords', 'Shorttitle', 'Plaintitle', 'Plainauthor')


def strip_chunks(text):
    """The LaTeX of a Sweave/knitr source without its R code chunks."""
    return _CHUNK_RE.sub('\n', text)


def computed(raw):
    """Whether a field is filled in by R when the vignette is built (\\Sexpr, knitr's \\rinline)."""
    return bool(re.search(r'\\(?:Sexpr|rinline|Rinline)(?![A-Za-z])|<<|\\\\Sexpr', raw or ''))


def join_continued_authors(raw):
    """In a plain \\author, a line break before "and" continues the list rather than starting the
    affiliation: "A, B \\\\ and C" and "A, B,\\\\ C" -> "A, B and C", "A, B, C"."""
    raw = re.sub(r'\\\\\s*(\[[^\]]*\])?\s*(?=(?:and|\\and|&)\s)', ' ', raw)
    # a line of names that ends with a comma goes on after the break
    raw = re.sub(r',\s*\\\\\s*(\[[^\]]*\])?', ', ', raw)
    # a line that is a name with its own \thanks is the next author, not an affiliation
    return re.sub(r'\\\\\s*(?:\[[^\]]*\])?\s*(?=[A-Z][^\\{}\n]{2,60}?\\thanks(?![A-Za-z]))', r' \\and ', raw)


def drop_small_tail(raw):
    """A title without the line set smaller after its last break ("...\\\\ {\\small Updated May 2021}",
    "...\\\\ \\normalsize{for version 0.3}"): a version or date note, not part of the title."""
    return re.sub(r'\\\\\s*(?:\[[^\]]*\])?\s*\{?\s*\\(?:small|normalsize|footnotesize|scriptsize|tiny)(?![A-Za-z]).*$',
                  '', raw, flags=re.S)


def extract_fields(text):
    """Candidate labels of a vignette source, as texlabels.extract_fields gives them."""
    text = strip_chunks(text)
    head = text[:text.find('\\begin{document}') + 20000] if '\\begin{document}' in text else text[:40000]
    # the JSS macros are not furniture to texlabels, so the plain reading sees them only as text
    plain = head
    for name in _JSS_OFF:
        plain = texlabels.drop_macro(plain, name)
    authors_raw = texlabels.macro_args(plain, 'author', star=None)
    jss = bool(re.search(r'\\documentclass(?:\[[^\]]*\])?\{jss\}|\\Plaintitle|\\Plainauthor', head))
    # a horizontal space between names on one line separates them
    authors_raw = [re.sub(r'\\(?:hspace\*?\s*\{[^{}]*\}|qquad|quad|hfill)(?![A-Za-z])', r' \\and ', a)
                   for a in authors_raw]
    if not jss:
        # "Name \\ Affiliation \\[3ex] Name ...": a break with a skip starts the next author
        authors_raw = [re.sub(r'\\\\\s*\[[^\]]*\]', r' \\and ', join_continued_authors(a)) for a in authors_raw]
    plain = _replace_args(plain, 'author', authors_raw)
    plain = _replace_args(plain, 'title', [drop_small_tail(t) for t in texlabels.macro_args(plain, 'title', star=None)])
    fields = texlabels.extract_fields(plain)
    for k in ('title', 'title_en'):
        fields[k] = [t for t in fields[k] if t]
    raw_titles = texlabels.macro_args(plain, 'title')
    if any(computed(t) for t in raw_titles):
        fields['title'] = []
    if any(computed(a) for a in authors_raw):
        fields['authors'] = []

    def add_title(v):
        if computed(v) or texlabels.lossy(v):
            return
        v = texlabels.clean_markup(v)
        if v and v not in fields['title']:
            fields['title'].append(v)

    for v in texlabels.macro_args(head, 'Plaintitle'):
        add_title(v)
    for v in texlabels.macro_args(head, 'Plainauthor'):
        if not computed(v) and not texlabels.lossy(v):
            names = texlabels.split_names(texlabels.clean_markup(v))
            if names and names not in fields['authors']:
                fields['authors'].append(names)
    for macro in ('Keywords', 'Plainkeywords'):
        for raw in texlabels.macro_args(head, macro):
            kws = [texlabels.clean_markup(k) for k in re.split(r',|;', raw)]
            kws = [k for k in kws if k and len(k) < 80]
            if kws and kws not in fields['keywords']:
                fields['keywords'].append(kws)
    return fields


def _replace_args(text, macro, new_args):
    """The text with the arguments of its \\<macro> commands replaced by new_args (same order)."""
    out = []
    pos = 0
    k = 0
    for m in re.finditer(r'\\%s(?![A-Za-z@])' % macro, text):
        if m.start() < pos or k >= len(new_args):
            continue
        i = texlabels._skip_optional(text, m.end())
        g = texlabels.read_group(text, i)
        if not g:
            continue
        out.append(text[pos:i] + '{' + new_args[k] + '}')
        pos = g[1]
        k += 1
    out.append(text[pos:])
    return ''.join(out)
