#include "exchange/ReaderScript.h"

namespace exchange {

// The readers and the BibTeX writer run in the embedded interpreter: pybtex
// for BibTeX (with latexcodec for LaTeX text), the csv module for CSV, a few
// lines for RIS.
const char* readerScript() {
    return R"PY(
"""Readers and writers of bibliography files for the paper catalogue.

Each reader takes the whole text of a file and returns a list of records,
each a tuple (key, line, title, authors, date, keywords, category, remark,
dir, filename, warnings, error), and a list of problems outside the entries.

Values travel exactly: what the catalogue's own BibTeX and RIS writers put
in a file comes back character for character (blanks at either end, runs of
blanks, line breaks and control characters, braces and LaTeX's special
characters included). BibTeX text goes through pybtex's writer; the text of
a value is LaTeX that reads back as the same characters (latexcodec for the
ordinary run of text, escapes of our own for what LaTeX would change), and
values that must stay literal (dates, file paths) use the few escapes of
JabRef's file field.
"""
import codecs
import functools
import unicodedata

import latexcodec  # registers the "ulatex" codec
import csv
import io
import re

_YEAR = re.compile(r"(\d{4})")
_MONTHS = {m: i + 1 for i, m in enumerate(
    ["jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"])}


def clean(text):
    """A value read from elsewhere as one line: control characters and runs
    of blanks become one blank."""
    return " ".join((text or "").split())


# ---- LaTeX text: written and read back exactly ----

_BARE = re.compile(r"[{}$]")
# \"{U} and \'{\i}: the codec reads an accent on a braced letter less well
# than on a bare one.
_ACCENT_BRACES = re.compile(r"(\\[\'\"`^~=.uvHckbdrt])\s*\{\s*(\\?[A-Za-z])\s*\}")
_WORDS = re.compile(r"(\s+)")
_ENDS_IN_COMMAND = re.compile(r"\\(?:[A-Za-z]+|)$")
# What the codec turns into something else: commands, ligatures ("--",
# "``", ",,"), ties.
_CODEC_WORK = re.compile(r"[\\`'~!?<>,-]")
# The escapes read as exactly one character, whatever surrounds them.
_LITERAL = re.compile(r'\\(?:(textbackslash|textbraceleft|textbraceright|textasciitilde|textasciicircum)\{\}'
                      r'|symbol\{"([0-9A-Fa-f]{1,6})\}|([{}$%#&_ ]))')
_NAMED = {"textbackslash": "\\", "textbraceleft": "{", "textbraceright": "}", "textasciitilde": "~",
          "textasciicircum": "^"}
_TEX_SPACE = re.compile(r"[ \t\r\n]+")


@functools.lru_cache(maxsize=1 << 16)
def _decode(text):
    try:
        return codecs.decode(text, "ulatex")
    except Exception:
        return text


def _decode_words(text):
    """The codec on each word that it would change: words repeat far more
    than whole values, and the codec is slow. A word whose braces are still
    open, or that ends in a command (the blank after it belongs to the
    command), is decoded together with what follows."""
    out = []
    word = ""
    for piece in _WORDS.split(text):
        if not piece:
            continue
        if piece[0].isspace() and not word:
            out.append(piece)
            continue
        word += piece
        if piece[0].isspace():
            continue
        if word.count("{") != word.count("}") or _ENDS_IN_COMMAND.search(word):
            continue
        out.append(_decode(word) if _CODEC_WORK.search(word) else word)
        word = ""
    if word:
        out.append(_decode(word) if _CODEC_WORK.search(word) else word)
    return "".join(out)


def _latex_run(text):
    """LaTeX between the exact escapes: accents and commands to Unicode,
    ligatures to their characters, grouping braces and math dollars go, a
    tie is a blank."""
    if not _CODEC_WORK.search(text):
        return _BARE.sub("", text) if ("{" in text or "}" in text or "$" in text) else text
    if "\\" in text:
        text = _ACCENT_BRACES.sub(
            lambda m: "{%s%s%s}" % (m.group(1), " " if m.group(1)[-1].isalpha() else "", m.group(2)), text)
    text = _decode_words(text)
    return _BARE.sub("", text).replace("\u00a0", " ")


def _literal_char(m):
    if m.group(1):
        return _NAMED[m.group(1)]
    if m.group(2):
        return chr(int(m.group(2), 16))
    return m.group(3)


@functools.lru_cache(maxsize=1 << 16)
def delatex(text):
    """The characters a BibTeX value stands for. Blanks as LaTeX reads them:
    a run is one blank, none at either end; the escapes stand for their
    character wherever they are. Names, keywords and journal titles repeat,
    so results are kept."""
    if not text:
        return ""
    parts = []
    pos = 0
    for m in _LITERAL.finditer(text):
        if m.start() > pos:
            parts.append((False, text[pos:m.start()]))
        parts.append((True, _literal_char(m)))
        pos = m.end()
    if pos < len(text):
        parts.append((False, text[pos:]))
    out = []
    last = len(parts) - 1
    for i, (literal, piece) in enumerate(parts):
        if not literal:
            piece = _TEX_SPACE.sub(" ", _latex_run(piece))
            if i == 0:
                piece = piece.lstrip(" ")
            if i == last:
                piece = piece.rstrip(" ")
        out.append(piece)
    return "".join(out)


# Characters that pybtex or LaTeX would not keep as they are.
_TEXT_SPECIAL = {"\\": r"\textbackslash{}", "{": r"\textbraceleft{}", "}": r"\textbraceright{}",
                 "$": r"\$", "~": r"\textasciitilde{}", "^": r"\textasciicircum{}", "%": r"\%", "#": r"\#",
                 "&": r"\&", "_": r"\_"}
_LIGATURE_FIRST = set("-`'<>,!?")
_LIGATURE_NEXT = set("-`'<>,")


def _invisible(c):
    """A character that pybtex folds into a blank or LaTeX cannot hold."""
    return c.isspace() or unicodedata.category(c) in ("Cc", "Cs", "Zl", "Zp")


def _symbol(c):
    return '\\symbol{"%X}' % ord(c)


_PLAIN_WORK = re.compile(r"[^\w\s.,;:!?'\"()\[\]/=+*@|<>`-]")


def _plain(run):
    """An ordinary run of text through latexcodec's encoder (which leaves
    letters, digits and the usual punctuation as they are)."""
    return codecs.encode(run, "ulatex+utf8") if _PLAIN_WORK.search(run) else run


# A value without any of these is written as it stands.
_TEXT_WORK = re.compile("[\\\\{}$~^%#&_]|[-`'<>,!?][-`'<>,]|^ | $|  |[^\\S ]|[\x00-\x1f\x7f-\x9f\u2028\u2029\ud800-\udfff]")


@functools.lru_cache(maxsize=1 << 16)
def bib_text(value):
    """LaTeX that delatex() reads back as exactly this text."""
    if not _TEXT_WORK.search(value):
        return _plain(value)
    out = []
    run = []
    n = len(value)
    raw_space = False  # the last character written is a blank as it is
    for i, c in enumerate(value):
        if c == " " and 0 < i < n - 1 and not raw_space:
            run.append(c)
            raw_space = True
            continue
        raw_space = False
        if c in _TEXT_SPECIAL:
            piece = _TEXT_SPECIAL[c]
        elif c == " ":
            piece = "{\\ }"
        elif _invisible(c):
            piece = _symbol(c)
        elif c in _LIGATURE_FIRST and i + 1 < n and value[i + 1] in _LIGATURE_NEXT:
            piece = c + "{}"
        else:
            run.append(c)
            continue
        out.append(_plain("".join(run)))
        run = []
        out.append(piece)
    out.append(_plain("".join(run)))
    return "".join(out)


# ---- literal values (dates, file paths): JabRef's escapes ----

_LITERAL_ESCAPE = re.compile(r'\\(?:(textbraceleft|textbraceright)\{\}|symbol\{"([0-9A-Fa-f]{1,6})\}|([\\:;/]))')


def bib_literal(value, escaped=""):
    """A value that a reader takes as it stands: a backslash and the
    characters in `escaped` after a backslash, braces and what pybtex would
    fold into a blank as escapes."""
    out = []
    n = len(value)
    for i, c in enumerate(value):
        if c == "\\" or c in escaped:
            out.append("\\" + c)
        elif c == "{" or c == "}":
            out.append(r"\textbraceleft{}" if c == "{" else r"\textbraceright{}")
        elif c == " " and 0 < i < n - 1 and value[i - 1] != " ":
            out.append(c)
        elif _invisible(c):
            out.append(_symbol(c))
        else:
            out.append(c)
    return "".join(out)


def _literal_tokens(text):
    """(character, escaped) pairs of a literal value."""
    out = []
    i = 0
    n = len(text)
    while i < n:
        m = _LITERAL_ESCAPE.match(text, i) if text[i] == "\\" else None
        if m:
            if m.group(1):
                out.append(("{" if m.group(1) == "textbraceleft" else "}", True))
            elif m.group(2):
                out.append((chr(int(m.group(2), 16)), True))
            else:
                out.append((m.group(3), True))
            i = m.end()
        else:
            out.append((text[i], False))
            i += 1
    return out


def unliteral(text):
    return "".join(c for c, _ in _literal_tokens(text or ""))


def _split_tokens(tokens, sep):
    parts = [[]]
    for t in tokens:
        if t == (sep, False):
            parts.append([])
        else:
            parts[-1].append(t)
    return parts


def _join(tokens):
    return "".join(c for c, _ in tokens)


def split_place(path):
    """Folder and file name of a path: at the last "/" or "\\"."""
    cut = max(path.rfind("/"), path.rfind("\\"))
    return (path[:cut] if cut >= 0 else ""), path[cut + 1:]


def file_place(text):
    """Folder and file name of a file field. A JabRef field
    "description:path:type" (the first of several) gives its path, with
    JabRef's escapes; the folder ends at the last "/" that is not escaped
    (the catalogue's own files escape any "/" of a file name), else at the
    last "/" or "\\". A URL stays as it is."""
    text = (text or "").strip()
    if text.startswith(("http://", "https://", "ftp://", "file://")):
        return split_place(text)
    tokens = _split_tokens(_literal_tokens(text), ";")[0]
    parts = _split_tokens(tokens, ":")
    if len(parts) >= 3:
        tokens = []
        for p in parts[1:-1]:
            if tokens:
                tokens.append((":", True))
            tokens += p
    pieces = _split_tokens(tokens, "/")
    if len(pieces) > 1:
        return "/".join(_join(p) for p in pieces[:-1]), _join(pieces[-1])
    return split_place(_join(tokens))


def month_number(text):
    text = (text or "").strip().lower()
    if text.isdigit() and 1 <= int(text) <= 12:
        return int(text)
    return _MONTHS.get(text[:3])


def make_date(year, month="", day=""):
    """"YYYY-MM-DD", "YYYY-MM" or "YYYY" from what the entry has."""
    m = _YEAR.search(year or "")
    if not m:
        return ""
    out = m.group(1)
    mon = month_number(month)
    if mon:
        out += "-%02d" % mon
        d = (day or "").strip()
        if d.isdigit() and 1 <= int(d) <= 31:
            out += "-%02d" % int(d)
    return out


_KEYWORD_SEPARATORS = ",;\uff1b\uff0c"


def split_keywords(text):
    """A keywords field: items separated by "," ";" "；" "，" outside braces
    (a keyword that holds one of them is written in braces)."""
    items = []
    depth = 0
    start = 0
    for i, c in enumerate(text):
        if c == "{":
            depth += 1
        elif c == "}":
            depth = max(0, depth - 1)
        elif depth == 0 and c in _KEYWORD_SEPARATORS:
            items.append(text[start:i])
            start = i + 1
    items.append(text[start:])
    out = []
    for item in items:
        item = item.strip()
        if item.startswith("{") and item.endswith("}") and _balanced(item[1:-1]):
            item = item[1:-1]
        item = delatex(item)
        if item:
            out.append(item)
    return out


def _balanced(text):
    depth = 0
    for c in text:
        depth += (c == "{") - (c == "}")
        if depth < 0:
            return False
    return depth == 0


def record(key="", line=0, title="", authors=(), date="", keywords=(), category="", remark="",
           place=("", ""), warnings=(), error=""):
    return (key, line, title, list(authors), date, list(keywords), category, remark, place[0], place[1],
            list(warnings), error)


# ---- BibTeX writer ----

_ENTRY_TYPE = re.compile(r"[a-z]+\Z")
# Entry types that BibTeX reads as something other than an entry.
_NOT_ENTRIES = ("comment", "string", "preamble")


_AND = re.compile(r"(?:^|\s)and(?:\s|$)", re.I)


def _bib_name(name):
    """An author as BibTeX: "Last, First" as it stands when pybtex reads it
    back as the same text, else the whole name in braces (one name, read
    as it stands)."""
    from pybtex.database import Person
    encoded = bib_text(name)
    if "{" not in encoded and not _AND.search(encoded):
        try:
            if _person(Person(encoded)) == name:
                return encoded
        except Exception:
            pass
    return "{" + encoded + "}"


def _bib_keyword(word):
    encoded = bib_text(word)
    return "{" + encoded + "}" if any(c in word for c in _KEYWORD_SEPARATORS) else encoded


def write_bibtex(papers):
    """Papers as BibTeX through pybtex's writer. Each paper is a tuple (key,
    title, authors, date, keywords, category or None when the result has no
    category column, remark, dir, filename)."""
    from collections import OrderedDict
    from pybtex.database import BibliographyData, Entry
    from pybtex.database.output.bibtex import Writer

    class ExactWriter(Writer):
        # The values are LaTeX already (bib_text, bib_literal), their braces
        # balanced.
        def _encode(self, text):
            return text

        def check_braces(self, text):
            if not _balanced(text):
                raise ValueError("unbalanced braces: " + text)

    entries = OrderedDict()
    for key, title, authors, date, keywords, category, remark, folder, filename in papers:
        typed = category is not None and bool(_ENTRY_TYPE.match(category)) and category not in _NOT_ENTRIES
        fields = [("title", bib_text(title)), ("author", " and ".join(_bib_name(a) for a in authors)),
                  ("date", bib_literal(date))]
        m = re.match(r"^(\d{4})(?:-(\d{2}))?", date)
        if m:
            fields.append(("year", m.group(1)))
            if m.group(2) and 1 <= int(m.group(2)) <= 12:
                fields.append(("month", str(int(m.group(2)))))
        if keywords:
            fields.append(("keywords", ", ".join(_bib_keyword(k) for k in keywords)))
        if not typed and category is not None:
            fields.append(("category", bib_text(category)))
        if remark:
            fields.append(("note", bib_text(remark)))
        if filename or folder:
            path = bib_literal(filename, ":;/")
            if folder:
                path = bib_literal(folder, ":;") + "/" + path
            fields.append(("file", ":" + path + ":PDF"))
        entries[key] = Entry(category if typed else "misc", fields=fields)
    return ExactWriter(encoding="UTF-8").to_string(BibliographyData(entries=entries))


# ---- BibTeX ----

_ENTRY_START = re.compile(r"@\s*([A-Za-z]+)\s*[{(]\s*([^,\s{}()]*)")


def _person(p):
    last = " ".join(p.prelast_names + p.last_names)
    first = " ".join(p.first_names + p.middle_names)
    name = delatex(last)
    if p.lineage_names:
        name += ", " + delatex(" ".join(p.lineage_names))
    if first:
        name += ", " + delatex(first)
    return name


_CHUNK = re.compile(r"^[ \t]*@", re.M)
_DUPLICATE_FIELD = re.compile(r"entry with key (\S+) has a duplicate (\S+) field")


class ReadCancelled(Exception):
    """The user stopped the reading."""


# Entries parsed in one go; progress is told after each group.
_GROUP = 500
# RIS and CSV tell their progress every so many lines or rows.
_PROGRESS_LINES = 5000


def _case_aliases(text):
    """pybtex takes keys that differ only in case for one key. An entry whose
    key differs from an earlier one in case alone is parsed under a stand-in
    key and reported under its own; a key repeated exactly stays a repeat."""
    exact, lowered, aliases, parts, pos = set(), set(), {}, [], 0
    for c in _CHUNK.finditer(text):
        m = _ENTRY_START.match(text, text.index("@", c.start()))
        if not m or m.group(1).lower() in ("string", "comment", "preamble") or not m.group(2):
            continue
        key = m.group(2)
        if key not in exact and key.lower() in lowered:
            n = 1
            while ("%s~%d" % (key, n)).lower() in lowered:
                n += 1
            alias = "%s~%d" % (key, n)
            aliases[alias] = key
            lowered.add(alias.lower())
            parts.append(text[pos:m.start(2)])
            parts.append(alias)
            pos = m.end(2)
        exact.add(key)
        lowered.add(key.lower())
    if not aliases:
        return text, aliases
    parts.append(text[pos:])
    return "".join(parts), aliases


def read_bibtex(text, progress=None):
    """The entries are parsed a group at a time; a group that meets any
    problem other than a repeated field is parsed again entry by entry (an
    entry starts with "@" at the start of a line), so that an unbalanced brace
    costs only its own entry. The macros of the file carry from one entry to
    the next. progress(done, total) is called after each group; when it
    returns False the reading stops with ReadCancelled."""
    import pybtex.errors
    from pybtex import database as bibdb
    from pybtex.database.input import bibtex as bibtex_input

    text, aliases = _case_aliases(text)
    current = {"line": 0, "key": ""}
    problems = []  # (line of the entry, key, error)

    def report(error):
        problems.append((current["line"], current["key"], error))

    pybtex.errors.set_strict_mode(False)
    saved = pybtex.errors.report_error, bibdb.report_error
    pybtex.errors.report_error = bibdb.report_error = report
    first_line = {}
    lost = []  # entries the parser gave up on: (key, line)
    try:
        chunks = []  # (line, start, end, kind, key, matched)
        starts = [m.start() for m in _CHUNK.finditer(text)]
        line, pos = 1, 0
        for i, start in enumerate(starts):
            end = starts[i + 1] if i + 1 < len(starts) else len(text)
            line += text.count("\n", pos, start)
            pos = start
            m = _ENTRY_START.match(text, text.index("@", start))
            if not m and chunks:
                # "@" at the start of a line inside a value (an address in an
                # abstract): still the entry before.
                chunks[-1] = chunks[-1][:2] + (end,) + chunks[-1][3:]
                continue
            chunks.append((line, start, end, m.group(1).lower() if m else "", m.group(2) if m else "", m))

        parser = bibtex_input.Parser()
        entries = parser.data.entries
        for g in range(0, len(chunks), _GROUP):
            group = chunks[g:g + _GROUP]
            expected = [c for c in group if c[5] and c[3] not in ("string", "comment", "preamble")]
            mark, before = len(problems), len(entries)
            current["line"], current["key"] = group[0][0], ""
            parser.parse_string(text[group[0][1]:group[-1][2]])
            added = len(entries) - before
            faults = [p for p in problems[mark:] if not _DUPLICATE_FIELD.search(str(p[2]))]
            if faults or added != len(expected) or any(c[4] not in entries for c in expected):
                # Undo the group and read it entry by entry.
                del problems[mark:]
                for k in list(entries.keys())[before:]:
                    del entries[k]
                for line, start, end, kind, key, m in group:
                    current["line"], current["key"] = line, key
                    count = len(entries)
                    parser.parse_string(text[start:end])
                    if kind in ("string", "comment", "preamble") or not m:
                        continue
                    first_line.setdefault(key.lower(), line)
                    if len(entries) == count:
                        lost.append((key, line))
            else:
                for line, start, end, kind, key, m in expected:
                    first_line.setdefault(key.lower(), line)
            if progress is not None and progress(min(g + _GROUP, len(chunks)), len(chunks)) is False:
                raise ReadCancelled()
    finally:
        pybtex.errors.report_error, bibdb.report_error = saved
    data = parser.data

    warnings = {}
    errors = {}
    general = []
    for start, key, p in problems:
        message = str(p)
        m = _DUPLICATE_FIELD.search(message)
        if m:
            warnings.setdefault(m.group(1).lower(), []).append("重复字段 %s，用第一个值" % m.group(2))
            continue
        m = re.search(r"repeated bibliograhpy entry: (\S+)", message)
        if m:
            errors.setdefault(key.lower() + "@%d" % start, "第 %d 行：条目键 %s 与前面的条目重复，未读入" % (start, m.group(1)))
            continue
        lineno = getattr(p, "lineno", None)
        if lineno is None:
            m = re.search(r"line (\d+)", message)
            lineno = int(m.group(1)) if m else None
        at = start + lineno - 1 if lineno else start
        message = re.sub(r"^syntax error in line \d+: ", "", message)
        message = message.replace("premature end of file", "条目没有结束（括号不配对？）")
        text_of = "语法错误，第 %d 行：%s" % (at, message)
        if key:
            warnings.setdefault(key.lower(), []).append(text_of)
            errors.setdefault(key.lower() + "@%d" % start, text_of)
        else:
            general.append(text_of)

    entries = data.entries
    out = []
    for key, entry in entries.items():
        fields = entry.fields
        parent = None
        ref = fields.get("crossref")
        if ref:
            parent = entries.get(ref)

        def field(name):
            value = fields.get(name)
            if value is None and parent is not None:
                value = parent.fields.get(name)
            return value

        persons = entry.persons.get("author") or entry.persons.get("editor")
        if not persons and parent is not None:
            persons = parent.persons.get("author") or parent.persons.get("editor")
        authors = [_person(p) for p in persons or []]
        date_field = field("date")
        if date_field is not None:
            date = unliteral(date_field)
        else:
            date = make_date(field("year"), field("month"), field("day"))
        keywords = split_keywords(field("keywords") or field("keyword") or "")
        category = fields.get("category")
        category = delatex(category) if category is not None else entry.type.lower()
        note = field("note")
        remark = delatex(note if note else field("abstract") or "")
        place = file_place(field("file") or field("pdf") or field("url") or "")
        entry_warnings = list(warnings.get(key.lower(), []))
        if ref and parent is None:
            entry_warnings.append("交叉引用 %s 不在文件中" % ref)
        at = first_line.get(key.lower(), 0)
        out.append((at, record(aliases.get(key, key), at, delatex(field("title") or ""), authors, date,
                          keywords, category, remark, place, entry_warnings)))
    for key, line in lost:
        out.append((line, record(aliases.get(key, key), line, error=errors.get(key.lower() + "@%d" % line,
                                                             "语法错误，第 %d 行起的条目无法读出" % line))))
    out.sort(key=lambda x: x[0])
    return [r for _, r in out], general



# ---- RIS ----

_RIS_TAG = re.compile(r"^([A-Z][A-Z0-9])  -(?: (.*))?$")
_RIS_TYPES = {"JOUR": "article", "JFULL": "article", "EJOUR": "article", "MGZN": "article",
              "CONF": "inproceedings", "CPAPER": "inproceedings", "BOOK": "book", "EBOOK": "book",
              "CHAP": "incollection", "ECHAP": "incollection", "THES": "phdthesis", "RPRT": "techreport",
              "GEN": "misc", "UNPB": "unpublished", "PAT": "patent", "ELEC": "online"}
# Only these end a line of a RIS file (not U+2028, U+0085, \v, \f...).
_RIS_LINES = re.compile(r"\r\n|\n|\r")
# The tag and text that mark an entry whose values carry escapes: "\\" a
# backslash, "\n" and "\r" line breaks, "\/" a "/" of a file name.
RIS_ESCAPED_TAG = "U5"
RIS_ESCAPED = "paper-catalogue: escaped values"
_RIS_ESCAPE = re.compile(r"\\([\\nr/])")
_RIS_UNESCAPED = {"\\": "\\", "n": "\n", "r": "\r", "/": "/"}
_RIS_SLASH_DATE = re.compile(r"^\s*(\d{4})/(\d{0,2})/?(\d{0,2})/?[^/]*$")


def ris_date(text):
    parts = (text or "").strip().split("/")
    if len(parts) == 1:
        parts = (text or "").strip().split("-")
    year = parts[0] if parts else ""
    month = parts[1] if len(parts) > 1 else ""
    day = parts[2] if len(parts) > 2 else ""
    return make_date(year, month, day)


def read_ris(text, progress=None):
    out = []
    general = []
    current = None
    start = 0
    last = None
    lines = _RIS_LINES.split(text)
    for number, line in enumerate(lines, 1):
        if progress is not None and number % _PROGRESS_LINES == 0 and progress(number, len(lines)) is False:
            raise ReadCancelled()
        m = _RIS_TAG.match(line)
        if not m:
            m = _RIS_TAG.match(line.rstrip())
        if not m:
            if current is not None and last is not None and line.strip():
                current[last][-1] += " " + line.strip()  # a value continued on the next line
            elif line.strip():
                general.append("第 %d 行不是 RIS 标签行，已忽略" % number)
            continue
        tag, value = m.group(1), m.group(2) or ""
        if tag == "TY":
            if current is not None:
                out.append(_ris_record(current, start, ["条目没有以 ER 结束"]))
            current = {"TY": [value.strip()]}
            start = number
            last = "TY"
        elif tag == "ER":
            if current is None:
                general.append("第 %d 行的 ER 前没有 TY" % number)
            else:
                out.append(_ris_record(current, start, []))
            current = None
            last = None
        elif current is None:
            general.append("第 %d 行在条目之外，已忽略" % number)
        else:
            current.setdefault(tag, []).append(value)
            last = tag
    if current is not None:
        out.append(_ris_record(current, start, ["文件在条目中间结束（第 %d 行起）" % start]))
    return out, general


def _ris_record(tags, line, warnings):
    """Values as they stand after "TAG  - " (blanks at either end kept); an
    entry marked as escaped has its escapes undone."""
    escaped = RIS_ESCAPED in tags.get(RIS_ESCAPED_TAG, [])
    plain = (lambda v: _RIS_ESCAPE.sub(lambda m: _RIS_UNESCAPED[m.group(1)], v)) if escaped else (lambda v: v)

    def first(*names):
        for n in names:
            if tags.get(n):
                return plain(tags[n][0])
        return ""

    authors = []
    for n in ("AU", "A1"):
        authors += [plain(a) for a in tags.get(n, []) if a]
    if not authors:
        authors = [plain(a) for a in tags.get("A2", []) + tags.get("ED", []) if a]
    keywords = []
    for k in tags.get("KW", []):
        if escaped:
            keywords.append(plain(k))
        else:
            # one keyword a line, or several split by ";" (never by ",":
            # "Schizophrenia, paranoid" is one keyword)
            keywords += [w.strip() for w in re.split("[;\uff1b]", k) if w.strip()]
    date = ""
    if "DA" in tags and not escaped:
        da = tags["DA"][0]
        m = _RIS_SLASH_DATE.match(da)
        date = ris_date(da) if m else da
    elif "DA" in tags:
        date = first("DA")
    if not date and ("PY" in tags or "Y1" in tags):
        date = ris_date(first("PY", "Y1"))
    if "M3" in tags:
        category = first("M3")
    else:
        ty = first("TY").upper()
        category = _RIS_TYPES.get(ty, ty.lower())
    remark = " ".join(plain(n) for n in tags.get("N1", [])) or first("AB", "N2")
    place = ("", "")
    raw = tags.get("L1") or tags.get("UR") or tags.get("L2")
    if raw:
        path = raw[0]
        if escaped:
            cut = -1
            for m in re.finditer(r"\\.|/", path):
                if m.group(0) == "/":
                    cut = m.start()
            place = (plain(path[:cut]) if cut >= 0 else "", plain(path[cut + 1:]))
        else:
            place = split_place(path[7:] if path.startswith("file://") else path)
    return record(first("ID"), line, first("TI", "T1", "CT"), authors, date, keywords, category,
                  remark, place, warnings)


# ---- CSV ----

def read_csv(text, delimiter="", progress=None):
    """The rows of the file, the first the header, each with the line where
    it starts, and where reading stopped (empty when it read to the end)."""
    if not delimiter:
        head = text[:4096].split("\n", 1)[0]
        delimiter = "\t" if head.count("\t") > head.count(",") else ","
    reader = csv.reader(io.StringIO(text, newline=""), delimiter=delimiter, strict=True)
    rows = []
    line = 1
    try:
        total = text.count("\n") + 1
        for row in reader:
            if progress is not None and len(rows) % _PROGRESS_LINES == _PROGRESS_LINES - 1 and \
                    progress(reader.line_num, total) is False:
                raise ReadCancelled()
            rows.append((line, row))
            line = reader.line_num + 1
    except csv.Error as e:
        return rows, "第 %d 行：%s" % (reader.line_num, e)
    return rows, ""
)PY";
}

}  // namespace exchange
