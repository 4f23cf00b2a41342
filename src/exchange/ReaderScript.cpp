#include "exchange/ReaderScript.h"

namespace exchange {

// The readers run in the embedded interpreter: pybtex for BibTeX (with
// latexcodec for accents), the csv module for CSV, a few lines for RIS.
const char* readerScript() {
    return R"PY(
"""Readers of bibliography files for the paper catalogue's batch import.

Each reader takes the whole text of a file and returns the records as one
string: records separated by RS (0x1d), fields by GS (0x1e), list items by
US (0x1f). Fields: key, line, title, authors, date, keywords, category,
remark, file, warnings, error.
"""
import codecs
import functools

import latexcodec  # registers the "ulatex" codec
import csv
import io
import re

RS, FS, US = "\x1d", "\x1e", "\x1f"
_CTRL = re.compile("[\x00-\x08\x0b\x0c\x0e-\x1f\x7f]")
_SPACE = re.compile(r"\s+")
_YEAR = re.compile(r"(\d{4})")
_MONTHS = {m: i + 1 for i, m in enumerate(
    ["jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"])}
_LIST = re.compile("[,;\uff1b\uff0c]")


def clean(text):
    """One line of text: control characters and runs of blanks become one blank."""
    return _SPACE.sub(" ", _CTRL.sub(" ", text or "")).strip()


_ESCAPED = {"\\{": "\ue001", "\\}": "\ue002", "\\$": "\ue003", "\\textasciicircum{}": "\ue004",
            "\\textasciicircum": "\ue004"}
_BARE = re.compile(r"[{}$]")
# \"{U} and \'{\i}: the codec reads an accent on a braced letter less well
# than on a bare one.
_ACCENT_BRACES = re.compile(r"(\\[\'\"`^~=.uvHckbdrt])\s*\{\s*(\\?[A-Za-z])\s*\}")


_WORDS = re.compile(r"(\s+)")
_ENDS_IN_COMMAND = re.compile(r"\\(?:[A-Za-z]+|)$")
# What the codec turns into something else: commands, ligatures ("--",
# "``"), ties.
_CODEC_WORK = re.compile(r"[\\`'~!?<>-]")


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


@functools.lru_cache(maxsize=1 << 16)
def delatex(text):
    """LaTeX accents and commands to Unicode; grouping braces and math dollars go.
    Names, keywords and journal titles repeat, so results are kept."""
    if not text:
        return ""
    if "\\" not in text:
        if any(c in text for c in "{}$~"):
            text = _BARE.sub("", text).replace("~", " ")
    else:
        for k, v in _ESCAPED.items():
            text = text.replace(k, v)
        text = _ACCENT_BRACES.sub(
            lambda m: "{%s%s%s}" % (m.group(1), " " if m.group(1)[-1].isalpha() else "", m.group(2)), text)
        text = _decode_words(text)
        text = _BARE.sub("", text).replace("\u00a0", " ")
        text = text.replace("\ue001", "{").replace("\ue002", "}").replace("\ue003", "$").replace("\ue004", "^")
    return clean(text)


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


def split_list(text):
    return [t for t in (clean(x) for x in _LIST.split(text or "")) if t]


def file_path(text):
    """The path of a file field: a JabRef field "description:path:type" (the
    first of several) gives its path; a path or URL stays as it is."""
    text = (text or "").strip()
    if text.startswith(("http://", "https://", "ftp://", "file://")):
        return text
    if ";" in text:
        text = text.split(";")[0]
    parts = re.split(r"(?<!\\):", text)
    if len(parts) == 3:
        text = parts[1]
    return text.replace("\\:", ":").strip()


def record(key="", line=0, title="", authors=(), date="", keywords=(), category="", remark="",
           file="", warnings=(), error=""):
    fields = [key, str(line), title, US.join(authors), date, US.join(keywords), category, remark, file,
              US.join(warnings), error]
    return FS.join(f.replace(RS, " ").replace(FS, " ").replace(US, " ") if i not in (3, 5, 9) else f
                   for i, f in enumerate(fields))


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
            date = clean(date_field)
        else:
            date = make_date(field("year"), field("month"), field("day"))
        keywords = split_list(delatex(field("keywords") or field("keyword") or ""))
        category = fields.get("category")
        category = delatex(category) if category is not None else entry.type.lower()
        note = field("note")
        remark = delatex(note if note else field("abstract") or "")
        file = file_path(field("file") or field("pdf") or field("url") or "")
        entry_warnings = list(warnings.get(key.lower(), []))
        if ref and parent is None:
            entry_warnings.append("交叉引用 %s 不在文件中" % ref)
        at = first_line.get(key.lower(), 0)
        out.append((at, record(key, at, delatex(field("title") or ""), authors, date,
                          keywords, category, remark, file, entry_warnings)))
    for key, line in lost:
        out.append((line, record(key, line, error=errors.get(key.lower() + "@%d" % line,
                                                             "语法错误，第 %d 行起的条目无法读出" % line))))
    out.sort(key=lambda x: x[0])
    return RS.join(r for _, r in out), "\n".join(general)


# ---- RIS ----

_RIS_TAG = re.compile(r"^([A-Z][A-Z0-9])  -(?: (.*))?$")
_RIS_TYPES = {"JOUR": "article", "JFULL": "article", "EJOUR": "article", "MGZN": "article",
              "CONF": "inproceedings", "CPAPER": "inproceedings", "BOOK": "book", "EBOOK": "book",
              "CHAP": "incollection", "ECHAP": "incollection", "THES": "phdthesis", "RPRT": "techreport",
              "GEN": "misc", "UNPB": "unpublished", "PAT": "patent", "ELEC": "online"}


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
    lines = text.splitlines()
    for number, raw in enumerate(lines, 1):
        if progress is not None and number % _PROGRESS_LINES == 0 and progress(number, len(lines)) is False:
            raise ReadCancelled()
        line = raw.rstrip()
        m = _RIS_TAG.match(line)
        if not m:
            if current is not None and last is not None and line.strip():
                current[last][-1] += " " + line.strip()  # a value continued on the next line
            elif line.strip():
                general.append("第 %d 行不是 RIS 标签行，已忽略" % number)
            continue
        tag, value = m.group(1), (m.group(2) or "").strip()
        if tag == "TY":
            if current is not None:
                out.append(_ris_record(current, start, ["条目没有以 ER 结束"]))
            current = {"TY": [value]}
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
    return RS.join(out), "\n".join(general)


def _ris_record(tags, line, warnings):
    def first(*names):
        for n in names:
            if tags.get(n):
                return tags[n][0]
        return ""

    authors = []
    for n in ("AU", "A1"):
        authors += [clean(a) for a in tags.get(n, []) if clean(a)]
    if not authors:
        authors = [clean(a) for a in tags.get("A2", []) + tags.get("ED", []) if clean(a)]
    keywords = []
    for k in tags.get("KW", []):
        keywords += split_list(k)
    date = ""
    if "DA" in tags and "PY" not in tags and "Y1" not in tags:
        date = ris_date(first("DA"))
    elif "PY" in tags or "Y1" in tags:
        date = ris_date(first("PY", "Y1"))
        if "DA" in tags:
            fuller = ris_date(first("DA"))
            if fuller.startswith(date):
                date = fuller
    if "M3" in tags:
        category = clean(first("M3"))
    else:
        ty = first("TY").upper()
        category = _RIS_TYPES.get(ty, ty.lower())
    remark = clean(" ".join(tags.get("N1", []))) or clean(first("AB", "N2"))
    file = first("L1", "UR", "L2")
    if file.startswith("file://"):
        file = file[7:]
    return record(clean(first("ID")), line, clean(first("TI", "T1", "CT")), authors, date, keywords, category,
                  remark, file, warnings)


# ---- CSV ----

def read_csv(text, delimiter="", progress=None):
    """Header and rows as one string: rows separated by RS, cells by FS; the
    first cell of each row is the line where the row starts."""
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
            rows.append(FS.join([str(line)] + [c.replace(RS, " ").replace(FS, " ") for c in row]))
            line = reader.line_num + 1
    except csv.Error as e:
        return RS.join(rows), "第 %d 行：%s" % (reader.line_num, e)
    return RS.join(rows), ""
)PY";
}

}  // namespace exchange
