"""Stand-in of the program's further-authors hook for the benchmarks, used only
when the program's own hook modules are not beside the build."""


def _q(text):
    return text.replace("\\", "\\\\").replace("'", "\\'")


def KT40617395_insert_d_a(authors, first_author, key):
    further = [a for a in authors.split("；")][:4]
    values = [key, first_author] + further
    cols = ["Paperid", "author_1", "author_2", "author_3", "author_4", "author_5"][:len(values)]
    return ("insert into author_all (" + ",".join(cols) + ") values ('"
            + "','".join(_q(v) for v in values) + "')")
