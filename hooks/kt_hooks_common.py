"""Helpers shared by the paper catalogue's hook modules.

The program hands each hook the user's raw list text and the paper key; the
hook splits the list and returns one SQL statement with every value escaped
the way the program escapes the values it puts between single quotes.
"""

SEPARATORS = ("；", ";")
MAX_FURTHER_AUTHORS = 4
MAX_KWORDS = 10

AUTHOR_COLUMNS = ["author_2", "author_3", "author_4", "author_5"]
KWORD_COLUMNS = ["kword_%d" % i for i in range(1, 10)] + ["kword_a"]


def quote(value):
    """Escapes a value for use between single quotes: a backslash becomes two,
    a quote becomes backslash-quote and NUL becomes backslash-0."""
    return str(value).replace("\\", "\\\\").replace("'", "\\'").replace("\0", "\\0")


def literal(value):
    """A quoted, escaped value, or NULL for None."""
    return "NULL" if value is None else "'" + quote(value) + "'"


def split_items(text, limit, what):
    """Splits a list typed with "；" or ";" between its items; blanks around an
    item are dropped, and so are empty items. More than limit items raise a
    ValueError: nothing is cut off silently."""
    text = str(text)
    for sep in SEPARATORS[1:]:
        text = text.replace(sep, SEPARATORS[0])
    items = [item.strip() for item in text.split(SEPARATORS[0])]
    items = [item for item in items if item]
    if len(items) > limit:
        raise ValueError("%s最多%d项，输入了%d项" % (what, limit, len(items)))
    return items


def padded(items, size):
    """The items followed by None up to size entries."""
    return list(items) + [None] * (size - len(items))


def further_authors(text):
    return padded(split_items(text, MAX_FURTHER_AUTHORS, "作者（排除一作）"), MAX_FURTHER_AUTHORS)


def kwords(text):
    return padded(split_items(text, MAX_KWORDS, "关键词"), MAX_KWORDS)


def insert_row(table, values):
    return "insert into %s values (%s)" % (table, ",".join(literal(v) for v in values))


def update_row(table, columns, values, key):
    settings = ",".join("%s=%s" % (c, literal(v)) for c, v in zip(columns, values))
    return "update %s set %s where Paperid=%s" % (table, settings, literal(key))
