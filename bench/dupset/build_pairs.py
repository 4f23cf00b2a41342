"""Builds the labelled duplicate set: pairs of papers (title, first author, date) with a
label, from the TeX Live bibliographies (Debian texlive-bibtex-extra) and from generated
Chinese papers, with generated variants and hard non-duplicates.

    python3 bench/dupset/build_pairs.py OUT.tsv

Columns: split, language, kind, label (1 duplicate, 0 not), source, then title, first
author and date of each paper. The split is decided by source before anything is tuned:
the pairs whose records come from a held-out bibliography (or, for Chinese papers, from
the held-out vocabulary) are held out."""

import difflib
import random
import re
import sys
import unicodedata
from collections import defaultdict

sys.path.insert(0, __import__("os").path.dirname(__file__))
from read_bibs import read_all  # noqa: E402

HELD_OUT_SOURCES = {"beebe/font.bib", "beebe/typeset.bib", "beebe/printing-history.bib", "beebe/epodd.bib",
                    "beebe/serif.bib", "beebe/type.bib", "beebe/texnique.bib"}
rng = random.Random(20261208)


FORMATTING = r"\\(?:emph|textit|textbf|textsc|it|bf|sl|tt|sc|rm|em|acro|smc|sltt|relax|protect|mbox|hbox|Dash|slash|thinspace|,)\b"


def fold(t):
    # command names stay (\TeX and \METAFONT are other words); formatting goes
    t = re.sub(FORMATTING, " ", t)
    t = re.sub(r"\\([a-zA-Z]+)", r" \1 ", t)
    t = re.sub(r"[{}\\$]", " ", t)
    t = unicodedata.normalize("NFKD", t)
    return re.sub(r"[^a-z0-9]+", "", t.lower())


def surname(a):
    a = re.sub(r"[{}\\'\"`^~]", "", a)
    if "," in a:
        return fold(a.split(",")[0])
    return fold(a.split()[-1]) if a.split() else ""


def split_of(*sources):
    return "heldout" if any(s in HELD_OUT_SOURCES for s in sources) else "tuning"


def date_of(year):
    return year if rng.random() < 0.5 else "%s-%02d-%02d" % (year, rng.randint(1, 12), rng.randint(1, 28))


# ---- variants of a Latin record ----

FULLWIDTH = {c: chr(ord(c) + 0xFEE0) for c in "!\"#%&'()*+,-./:;<=>?@[]^_`{|}~0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"}


def flip_name(a):
    a = a.strip()
    if "," in a:
        fam, given = a.split(",", 1)
        return (given.strip() + " " + fam.strip()).strip()
    parts = a.split()
    if len(parts) >= 2:
        return parts[-1] + ", " + " ".join(parts[:-1])
    return a


def initials(a):
    if "," in a:
        fam, given = a.split(",", 1)
        g = " ".join(w[0] + "." for w in given.split() if w and w[0].isalpha())
        return fam.strip() + ", " + g
    parts = a.split()
    if len(parts) >= 2:
        return " ".join(w[0] + "." for w in parts[:-1] if w[0].isalpha()) + " " + parts[-1]
    return a


def variant_latin(r):
    t, a, y = r["title"], r["author"], int(r["year"])
    ops = rng.sample(["caps", "punct", "subtitle", "fullwidth", "nameorder", "year", "latex", "initials", "typo",
                      "version"], k=rng.randint(1, 3))
    for op in ops:
        if op == "caps":
            t = t.upper() if rng.random() < 0.5 else t.lower()
        elif op == "punct":
            t = re.sub(r"[,:;.]", lambda m: rng.choice(["", " -", ";", ","]), t) + rng.choice([".", "", "!"])
        elif op == "subtitle":
            t = t.split(":")[0] if ":" in t else t + rng.choice([": an overview", ": a tutorial", " --- extended abstract",
                                                                   ": theory and practice"])
        elif op == "fullwidth":
            t = "".join(FULLWIDTH.get(c, c) if rng.random() < 0.7 else c for c in t)
        elif op == "nameorder":
            a = flip_name(a)
        elif op == "initials":
            a = initials(a)
        elif op == "year":
            y += rng.choice([-1, 1])
        elif op == "latex":
            words = t.split()
            if words:
                i = rng.randrange(len(words))
                words[i] = "{" + words[i] + "}" if rng.random() < 0.5 else "\\emph{" + words[i] + "}"
            t = " ".join(words)
        elif op == "typo":
            letters = [i for i, c in enumerate(t) if c.isalpha()]
            if len(letters) > 20:
                i = rng.choice(letters)
                t = t[:i] + t[i + 1:]
        elif op == "version":
            t = t + rng.choice([" (v2)", " (preprint)", " [extended version]", ", revised version"])
    return t, a, str(y), "+".join(ops)


def roman(n):
    return ["", "I", "II", "III", "IV", "V", "VI"][n]


def negative_latin(r, others):
    t, a, y = r["title"], r["author"], r["year"]
    kind = rng.choice(["part", "erratum", "otherauthor", "chapter", "volume"])
    if kind == "part":
        n = rng.randint(1, 3)
        style = rng.choice(["Part %s", "part %d", "Part %d"])
        f = (lambda k: style % roman(k)) if "%s" in style else (lambda k: style % k)
        return (t + ", " + f(n), a, y), (t + ", " + f(n + 1), a, y), kind
    if kind == "volume":
        n = rng.randint(1, 3)
        return (t + " (Volume %d)" % n, a, y), (t + " (Volume %d)" % (n + 1), a, y), kind
    if kind == "erratum":
        e = rng.choice(["Erratum: " + t, "Corrigendum to \"" + t + "\"", t + " (Erratum)",
                        "Correction to: " + t, "Reply to comments on \"" + t + "\""])
        return (t, a, y), (e, a, str(int(y) + rng.choice([0, 1]))), kind
    if kind == "chapter":
        n = rng.randint(1, 9)
        return ("%s, Chapter %d" % (t, n), a, y), ("%s, Chapter %d" % (t, n + 1), a, y), kind
    o = rng.choice(others)
    while surname(o["author"]) == surname(a):
        o = rng.choice(others)
    return (t, a, y), (t, o["author"], y), kind


# ---- Chinese papers ----

POOLS = {
    "tuning": dict(
        methods=["深度学习", "卷积神经网络", "注意力机制", "迁移学习", "强化学习", "图神经网络", "支持向量机", "随机森林",
                 "贝叶斯网络", "遗传算法", "粒子群优化", "小波变换"],
        objects=["图像", "遥感影像", "医学影像", "交通流量", "电力负荷", "中文文本", "社交网络", "金融时间序列",
                 "视频", "点云"],
        tasks=["分割", "分类", "预测", "检测", "识别", "聚类", "去噪", "检索"],
        surnames="王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗",
        given="伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰",
        examples=["新闻语料", "城市道路", "肺部CT", "北京市", "长江流域"]),
    "heldout": dict(
        methods=["循环神经网络", "长短期记忆网络", "生成对抗网络", "自编码器", "决策树", "隐马尔可夫模型", "模糊聚类",
                 "蚁群算法", "主成分分析", "稀疏表示", "知识图谱", "联邦学习"],
        objects=["语音", "手写汉字", "用户评论", "蛋白质结构", "风电功率", "股票价格", "网络流量", "农作物",
                 "古籍文献", "车辆轨迹"],
        tasks=["合成", "生成", "补全", "跟踪", "标注", "推荐", "压缩", "重建"],
        surnames="郑谢韩唐冯于董萧程曹袁邓许傅沈曾彭吕苏卢",
        given="鹏辉飞欣宇浩然子涵梓萱晨雨思博文倩颖佳琪睿哲嘉怡",
        examples=["微博数据", "上海市", "黄河流域", "唐代文献", "高速公路"]),
}
PATTERNS = ["基于{m}的{o}{t}方法研究", "面向{o}{t}的{m}模型", "{m}在{o}{t}中的应用", "一种基于{m}的{o}{t}算法",
            "{o}{t}中的{m}技术综述", "改进{m}的{o}{t}研究", "{m}驱动的{o}{t}框架设计与实现",
            "融合{m}与{m2}的{o}{t}方法"]


def chinese_paper(pool):
    p = POOLS[pool]
    m, m2 = rng.sample(p["methods"], 2)
    t = rng.choice(PATTERNS).format(m=m, m2=m2, o=rng.choice(p["objects"]), t=rng.choice(p["tasks"]))
    a = rng.choice(p["surnames"]) + "".join(rng.sample(p["given"], rng.choice([1, 2])))
    return t, a, str(rng.randint(1995, 2024)), p


def chinese_variant(t, a, y, p):
    ops = rng.sample(["subtitle", "punct", "version", "namespace", "year", "fullwidth", "drop"], k=rng.randint(1, 3))
    for op in ops:
        if op == "subtitle":
            t = t + rng.choice(["——以%s为例", "：以%s为例", "——%s实证分析", "（以%s为例）"]) % rng.choice(p["examples"])
        elif op == "punct":
            t = t.replace("的", "的", 1) + rng.choice(["。", "", "．"])
            t = t.replace("与", rng.choice(["与", "和"]), 1) if "与" in t and rng.random() < 0.3 else t
        elif op == "version":
            t = t + rng.choice(["（修订版）", "(预印本)", "（网络首发）"])
        elif op == "namespace":
            a = a[0] + " " + a[1:]
        elif op == "year":
            y = str(int(y) + rng.choice([-1, 1]))
        elif op == "fullwidth":
            t = t.replace("：", ":").replace("（", "(").replace("）", ")") if rng.random() < 0.5 else \
                t.replace(":", "：").replace("(", "（").replace(")", "）")
        elif op == "drop":
            i = rng.randrange(len(t))
            if len(t) > 12:
                t = t[:i] + t[i + 1:]
    return t, a, y, "+".join(ops)


def chinese_negative(t, a, y, p):
    kind = rng.choice(["part", "erratum", "otherauthor", "otherobject", "chapter"])
    if kind == "part":
        x, z = rng.choice([("（上）", "（下）"), ("（一）", "（二）"), ("（第一部分）", "（第二部分）"), ("(上)", "(中)")])
        return (t + x, a, y), (t + z, a, y), kind
    if kind == "chapter":
        n = rng.randint(1, 8)
        nums = "一二三四五六七八九十"
        return (t + " 第%s章" % nums[n - 1], a, y), (t + " 第%s章" % nums[n], a, y), kind
    if kind == "erratum":
        return (t, a, y), (rng.choice(["《%s》勘误", "关于《%s》一文的更正", "对《%s》的评论", "《%s》的答复"]) % t, a, y), kind
    if kind == "otherauthor":
        b = a
        while b == a:
            b = rng.choice(p["surnames"]) + "".join(rng.sample(p["given"], rng.choice([1, 2])))
        return (t, a, y), (t, b, y), kind
    # the same pattern about another object or task: another paper by the same author
    o = [x for x in p["objects"] if x in t]
    if o:
        other = rng.choice([x for x in p["objects"] if x != o[0]])
        return (t, a, y), (t.replace(o[0], other, 1), a, y), kind
    return (t, a, y), (t + "研究进展", a, y), kind


def main(out_path):
    recs = read_all()
    rows = []

    def add(split, lang, kind, label, source, p1, p2):
        rows.append([split, lang, kind, str(label), source] + list(p1) + list(p2))

    # real duplicates: one paper in two bibliographies (same title, surname, year within one)
    by = defaultdict(list)
    for r in recs:
        by[(fold(r["title"]), surname(r["author"]))].append(r)
    real = []
    for v in by.values():
        for i in range(len(v)):
            for j in range(i + 1, len(v)):
                if v[i]["source"] != v[j]["source"] and abs(int(v[i]["year"]) - int(v[j]["year"])) <= 1:
                    real.append((v[i], v[j]))
    rng.shuffle(real)
    for x, y in real[:700]:
        add(split_of(x["source"], y["source"]), "latin", "real-same", 1, x["source"] + "|" + y["source"],
            (x["title"], x["author"], date_of(x["year"])), (y["title"], y["author"], date_of(y["year"])))
    # the same DOI in two entries
    doi = defaultdict(list)
    for r in recs:
        if r["doi"]:
            doi[r["doi"]].append(r)
    for v in doi.values():
        if len(v) > 1 and fold(v[0]["title"]) != fold(v[1]["title"]):
            add(split_of(v[0]["source"], v[1]["source"]), "latin", "real-doi", 1, v[0]["source"] + "|" + v[1]["source"],
                (v[0]["title"], v[0]["author"], v[0]["year"]), (v[1]["title"], v[1]["author"], v[1]["year"]))

    # real hard non-duplicates: two entries of one curated bibliography by the same first
    # author, a year apart at most, with close but different titles
    by_author = defaultdict(list)
    for r in recs:
        by_author[(r["source"], surname(r["author"]))].append(r)
    negs = []
    for v in by_author.values():
        if len(v) > 60:
            v = rng.sample(v, 60)
        for i in range(len(v)):
            for j in range(i + 1, len(v)):
                a, b = v[i], v[j]
                if abs(int(a["year"]) - int(b["year"])) > 1 or fold(a["title"]) == fold(b["title"]):
                    continue
                if difflib.SequenceMatcher(None, fold(a["title"]), fold(b["title"])).ratio() >= 0.6:
                    negs.append((a, b))
    rng.shuffle(negs)
    for a, b in negs[:500]:
        add(split_of(a["source"]), "latin", "real-distinct", 0, a["source"],
            (a["title"], a["author"], a["year"]), (b["title"], b["author"], b["year"]))

    # generated variants and hard non-duplicates of single records
    pool = [r for r in recs if len(fold(r["title"])) >= 12]
    for r in rng.sample(pool, 900):
        t, a, y, ops = variant_latin(r)
        add(split_of(r["source"]), "latin", "variant:" + ops, 1, r["source"],
            (r["title"], r["author"], date_of(r["year"])), (t, a, date_of(y)))
    for r in rng.sample(pool, 700):
        p1, p2, kind = negative_latin(r, pool)
        add(split_of(r["source"]), "latin", "hard:" + kind, 0, r["source"], p1, p2)

    latin = len(rows)
    chinese_target = int(latin * 0.3 / 0.7) + 1
    for k in range(chinese_target):
        pool_name = "heldout" if k % 3 == 0 else "tuning"
        t, a, y, p = chinese_paper(pool_name)
        if k % 2 == 0:
            t2, a2, y2, ops = chinese_variant(t, a, y, p)
            add(pool_name, "chinese", "variant:" + ops, 1, "generated-" + pool_name, (t, a, date_of(y)),
                (t2, a2, date_of(y2)))
        else:
            p1, p2, kind = chinese_negative(t, a, y, p)
            add(pool_name, "chinese", "hard:" + kind, 0, "generated-" + pool_name, p1, p2)

    clean = lambda s: s.replace("\t", " ").replace("\n", " ")
    with open(out_path, "w", encoding="utf-8") as f:
        f.write("split\tlanguage\tkind\tlabel\tsource\ttitle1\tauthor1\tdate1\ttitle2\tauthor2\tdate2\n")
        for row in rows:
            f.write("\t".join(clean(c) for c in row) + "\n")
    from collections import Counter
    print(len(rows), "pairs;", Counter((r[0], r[1], r[3]) for r in rows))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "dupset.tsv")
