#!/usr/bin/env python3
"""Generates a BibTeX file of N entries for the batch-import benchmark (P6).

    gen_bib.py --entries N --out FILE [--seed S]

Entries look like a real bibliography: @article, @inproceedings, @book, @misc
and @phdthesis; Chinese and English titles with some LaTeX accents and braces
({GPU}, {\\"o}, \\'e); 1 to 7 authors written "Last, First" or "First Last"
(Chinese names as they are) joined by "and"; year with a month macro for most;
0 to 12 keywords; a note for some, a file field for some; @string macros for
journal names. Every entry has a title, an author and a year, and every key
title$first-author$date is unique, so that all N entries can be imported. The
same seed always gives the same file.
"""

import argparse
import random

ZH = ("基于 深度学习 的 图像 识别 研究 分布式 系统 一致性 协议 云计算 环境 资源 调度 数据 仓库 设计 实现 "
      "量子 计算 综述 中文 分词 算法 神经网络 模型 优化 方法 分析 应用 大规模 文本 检索 索引 推荐 知识 图谱").split()
EN = ("a survey of query optimization in relational databases efficient indexing for large scale text "
      "retrieval graph neural networks recommendation machine translation with transformers distributed "
      "consensus protocols cloud scheduling formal verification concurrent programs learned index").split()
ACCENTED = [r"G{\"o}del", r"Caf{\'e}", r"Erd{\H{o}}s", r"na{\"\i}ve", r"{\AA}ngstr{\"o}m", r"Schr{\"o}dinger",
            "{GPU}", "{MapReduce}", r"Poincar\'e", r"Stra{\ss}e"]
ZH_SUR = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡")
ZH_GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰红建国文辉鹏飞宇浩然晨欣怡")
EN_FIRST = "John Maria Wei Alice Robert Linda Michael Sarah David Emma James Olivia Daniel Sophia".split()
EN_LAST = "Smith Garcia Zhang Brown Johnson Miller Davis Wilson Anderson Taylor M{\\\"u}ller Lee".split()
KW = ("深度学习 图像识别 分布式系统 一致性 云计算 资源调度 数据仓库 量子计算 自然语言处理 知识图谱 推荐系统 "
      "databases indexing query-optimization transactions storage compression retrieval learning").split()
MONTHS = "jan feb mar apr may jun jul aug sep oct nov dec".split()
TYPES = ["article"] * 5 + ["inproceedings"] * 3 + ["book", "misc", "phdthesis"]


def author(rng):
    if rng.random() < 0.4:
        return rng.choice(ZH_SUR) + rng.choice(ZH_GIVEN) + (rng.choice(ZH_GIVEN) if rng.random() < 0.5 else "")
    first, last = rng.choice(EN_FIRST), rng.choice(EN_LAST)
    if rng.random() < 0.5:
        return "%s, %s %s." % (last, first, rng.choice("ABCDEFGH"))
    return "%s %s" % (first, last)


def title(rng, n):
    if rng.random() < 0.4:
        words = "".join(rng.choice(ZH) for _ in range(rng.randint(3, 9)))
    else:
        words = " ".join(rng.choice(EN) for _ in range(rng.randint(3, 9))).capitalize()
        if rng.random() < 0.3:
            words += " " + rng.choice(ACCENTED)
    return "%s %d" % (words, n)  # the number keeps every key unique


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--entries", type=int, required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--seed", type=int, default=20261208)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    with open(a.out, "w", encoding="utf-8") as f:
        f.write("% Generated for the batch-import benchmark\n")
        f.write('@string{tods = "ACM Transactions on Database Systems"}\n')
        f.write('@string{jos = "软件学报"}\n\n')
        for n in range(1, a.entries + 1):
            kind = rng.choice(TYPES)
            lines = ["@%s{key%d," % (kind, n), "  title = {%s}," % title(rng, n),
                     "  author = {%s}," % " and ".join(author(rng) for _ in range(rng.choice([1, 2, 2, 3, 3, 4, 5, 6, 7]))),
                     "  year = %d," % rng.randint(1990, 2025)]
            if rng.random() < 0.8:
                lines.append("  month = %s," % rng.choice(MONTHS))
            if kind == "article":
                lines.append("  journal = %s," % rng.choice(["tods", "jos", "{Information Systems}"]))
            k = rng.choice([0, 0, 1, 3, 5, 8, 10, 12])
            if k:
                lines.append("  keywords = {%s}," % ", ".join(rng.sample(KW, k)))
            if rng.random() < 0.3:
                lines.append("  note = {Accepted, %d pages}," % rng.randint(4, 30))
            if rng.random() < 0.5:
                lines.append("  file = {:papers/%d/key%d.pdf:PDF}," % (n % 100, n))
            lines.append("}\n")
            f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
