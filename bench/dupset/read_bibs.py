"""Reads the TeX Live bibliographies (Debian texlive-bibtex-extra) into plain records:
source file, key, title, first author, year, DOI, URL. A tolerant reader of its own:
the files are large and a few entries are not valid for strict parsers."""

import glob
import os
import re

BIB_ROOT = "/usr/share/texlive/texmf-dist/bibtex/bib"


def entries(text):
    """Yields (type, key, body) of every @type{key, ...} entry."""
    i = 0
    n = len(text)
    head = re.compile(r"@(\w+)\s*[{(]\s*([^,\s]*)\s*,", re.S)
    while True:
        m = head.search(text, i)
        if not m:
            return
        kind = m.group(1).lower()
        depth = 1
        j = m.end()
        while j < n and depth:
            c = text[j]
            if c == "{" or c == "(":
                depth += 1 if c == "{" else 0
            elif c == "}":
                depth -= 1
            j += 1
        if kind not in ("string", "preamble", "comment"):
            yield kind, m.group(2), text[m.end():j - 1]
        i = j


def fields(body):
    out = {}
    i = 0
    n = len(body)
    name = re.compile(r"\s*,?\s*(\w[\w-]*)\s*=\s*", re.S)
    while i < n:
        m = name.match(body, i)
        if not m:
            break
        key = m.group(1).lower()
        j = m.end()
        if j >= n:
            break
        if body[j] == "{":
            depth, k = 1, j + 1
            while k < n and depth:
                depth += {"{": 1, "}": -1}.get(body[k], 0)
                k += 1
            value, i = body[j + 1:k - 1], k
        elif body[j] == '"':
            depth, k = 0, j + 1
            while k < n and not (body[k] == '"' and depth == 0):
                depth += {"{": 1, "}": -1}.get(body[k], 0)
                k += 1
            value, i = body[j + 1:k], k + 1
        else:
            k = j
            while k < n and body[k] not in ",}":
                k += 1
            value, i = body[j:k].strip(), k
        # string concatenations ("a" # b) are rare in titles; keep the first part
        while i < n and body[i] in " \t\r\n":
            i += 1
        if i < n and body[i] == "#":
            while i < n and body[i] != ",":
                i += 1
        out[key] = re.sub(r"\s+", " ", value).strip()
    return out


def first_author(authors):
    return re.split(r"\s+and\s+", authors.strip(), maxsplit=1)[0].strip() if authors else ""


def read_all():
    records = []
    for path in sorted(glob.glob(os.path.join(BIB_ROOT, "**", "*.bib"), recursive=True)):
        source = os.path.relpath(path, BIB_ROOT)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for kind, key, body in entries(text):
            f_ = fields(body)
            title = f_.get("title", "")
            author = first_author(f_.get("author", "") or f_.get("editor", ""))
            year = re.search(r"\d{4}", f_.get("year", "") or f_.get("date", ""))
            if not title or not author or not year:
                continue
            records.append({
                "source": source, "key": key, "kind": kind, "title": title, "author": author,
                "year": year.group(0), "doi": f_.get("doi", "").strip().lower(), "url": f_.get("url", "").strip(),
                "booktitle": f_.get("booktitle", ""), "pages": f_.get("pages", ""),
            })
    return records


if __name__ == "__main__":
    recs = read_all()
    print(len(recs), "records")
    from collections import Counter, defaultdict
    by = defaultdict(list)
    for r in recs:
        if r["doi"]:
            by[r["doi"]].append(r)
    multi = [v for v in by.values() if len(v) > 1]
    print("dois shared:", len(multi), "cross-source:", sum(1 for v in multi if len({r['source'] for r in v}) > 1))
    print(Counter(r["source"] for r in recs).most_common(20))
