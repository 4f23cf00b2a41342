"""Stand-in of the program's keywords hook for the benchmarks, used only when
the program's own hook modules are not beside the build."""

_COLUMNS = ["kword_1", "kword_2", "kword_3", "kword_4", "kword_5", "kword_6", "kword_7",
            "kword_8", "kword_9", "kword_a"]


def _q(text):
    return text.replace("\\", "\\\\").replace("'", "\\'")


def KT40617395_insert_d_k(kwords, key):
    words = kwords.split("；")[:10]
    return ("insert into kword_all (Paperid," + ",".join(_COLUMNS[:len(words)]) + ") values ('"
            + "','".join(_q(v) for v in [key] + words) + "')")
