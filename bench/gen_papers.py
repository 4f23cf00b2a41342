#!/usr/bin/env python3
"""Generates a paper catalogue of N papers as tab-separated files for LOAD DATA.

    gen_papers.py --papers N --out DIR [--entry M] [--seed S]

DIR receives main.tsv, author_all.tsv, kword_all.tsv, address.tsv and type_in.tsv
(LOAD DATA's default format: tab between fields, \\N for NULL, backslash escaped),
and with --entry M also entry.tsv: M further papers, not in the five tables, as a
user would type them into the entry window (see ENTRY_FIELDS).

The texts look like the real catalogue: Chinese and English titles of 10 to 40
characters, 1 to 5 authors, 0 to 10 keywords, categories and remarks that are
sometimes NULL, publication dates over 30 years, Windows folders with backslashes.
The same seed always gives the same files.
"""

import argparse
import datetime
import os
import random
import sys

GENERATOR_VERSION = 1

ZH_WORDS = (
    "基于 深度学习 的 图像 识别 研究 分布式 系统 一致性 协议 云计算 环境 下 资源 调度 "
    "数据 仓库 设计 与 实现 量子 计算 入门 综述 中文 分词 算法 比较 神经网络 模型 优化 "
    "方法 分析 应用 若干 问题 探讨 大规模 文本 检索 索引 结构 推荐 系统 知识 图谱 构建 "
    "自然语言 处理 机器 翻译 语音 增强 学习 强化 多智能体 协同 控制 边缘 物联网 安全 "
    "隐私 保护 区块链 共享 机制 并行 程序 性能 评估 软件 测试 自动化 框架 关系 数据库 "
    "查询 事务 并发 存储 引擎 压缩 编码 视频 目标 跟踪 检测 医学 影像 分割 遥感 融合 "
    "时空 预测 交通 流量 金融 风险 度量 电力 负荷 无线 传感器 网络 路由 能耗 嵌入式 "
    "实时 操作系统 调度 编译器 中间 表示 形式化 验证 模型 检验 一种 新型 高效 改进 的 "
    "面向 若干 关键 技术 初探 实证 对比 框架 下 多模态 联邦 迁移 小样本 对抗 鲁棒性"
).split()

EN_WORDS = (
    "a survey of query optimization in relational databases efficient indexing for "
    "large scale text retrieval graph neural networks recommendation machine translation "
    "with transformers blockchain based data sharing case study practitioner guide to "
    "software testing deep learning image recognition distributed consensus protocols "
    "cloud resource scheduling adaptive parallel compilers formal verification of "
    "concurrent programs energy aware routing wireless sensor networks federated learning "
    "under privacy constraints robust object tracking video streams towards scalable "
    "storage engines on modern hardware an empirical analysis learned index structures "
    "incremental view maintenance probabilistic models semantic parsing knowledge graphs "
    "reinforcement learning control multi agent systems low latency edge computing"
).split()

ZH_SURNAMES = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤")
ZH_GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰红建国文辉鹏飞宇浩然晨欣怡子轩梓涵一诺思远雨婷佳琪志强海燕晓东")
EN_FIRST = ("John Maria Wei Alice Robert Linda Michael Sarah David Emma James Olivia Daniel "
            "Sophia Thomas Laura Kevin Anna Peter Julia Mark Elena Paul Chloe").split()
EN_LAST = ("Smith Garcia Zhang Brown Johnson Miller Davis Wilson Anderson Taylor Thomas Moore "
           "Martin Lee Walker Hall Allen Young King Wright Lopez Hill Scott Green Baker").split()

KEYWORDS_ZH = ("深度学习 图像识别 卷积神经网络 分布式系统 一致性 云计算 资源调度 数据仓库 量子计算 "
               "中文分词 自然语言处理 机器翻译 知识图谱 推荐系统 区块链 隐私保护 联邦学习 强化学习 "
               "边缘计算 物联网 无线传感器网络 目标检测 图像分割 遥感 时间序列 并行计算 编译优化 "
               "形式化验证 软件测试 数据库 查询优化 事务处理 索引 存储引擎 数据压缩").split()
KEYWORDS_EN = ("query optimization;relational database;cost model;indexing;text retrieval;"
               "graph neural network;recommendation;machine translation;transformer;blockchain;"
               "data sharing;software testing;consensus;cloud computing;scheduling;compiler;"
               "formal methods;energy efficiency;federated learning;privacy;object tracking;"
               "edge computing;learned index;view maintenance;semantic parsing").split(";")

CATEGORIES = ["计算机科学", "人工智能", "数据库", "计算机网络", "软件工程", "信息安全",
              "图形图像", "理论计算机", "Computer Science", "Information Systems"]
REMARKS = ["已读", "需要复印", "引用于第3章", "重点参考", "待读", "Important: read again",
           "会议论文，有补充材料", "作者赠送纸质版", "与课题相关", "格式：PDF，共12页"]
TYPISTS = ["admin", "editor", "reader", "zhangwei", "lina", "wangqiang"]
EXTENSIONS = [".pdf", ".pdf", ".pdf", ".caj", ".docx"]
DRIVES = ["D:\\论文\\", "E:\\资料\\论文\\", "D:\\papers\\", "\\\\fileserver\\share\\论文库\\"]

# Columns of entry.tsv, in order; the four flags are "1" when the box is ticked.
ENTRY_FIELDS = ["title", "author", "date", "filename", "dir", "kwordsTicked", "kwords",
                "authorsTicked", "authors", "catalogTicked", "catalog", "remarkTicked", "remark"]

EPOCH = datetime.date(1994, 1, 1)
SPAN_DAYS = (datetime.date(2023, 12, 31) - EPOCH).days


def tsv(value):
    if value is None:
        return "\\N"
    return value.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


class Generator:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.keys = set()

    def zh_title(self, target):
        r = self.r
        parts = []
        length = 0
        while length < target:
            w = r.choice(ZH_WORDS)
            parts.append(w)
            length += len(w)
        return "".join(parts)[:target]

    def en_title(self, target):
        r = self.r
        words = []
        length = -1
        while True:
            w = r.choice(EN_WORDS)
            if length + 1 + len(w) > target and length >= 10:
                break
            words.append(w)
            length += 1 + len(w)
        title = " ".join(words)[:40]
        return title[0].upper() + title[1:]

    def title(self):
        target = self.r.randint(10, 40)
        return self.zh_title(target) if self.r.random() < 0.5 else self.en_title(target)

    def person(self, chinese):
        r = self.r
        if chinese:
            return r.choice(ZH_SURNAMES) + "".join(r.choice(ZH_GIVEN) for _ in range(r.randint(1, 2)))
        return r.choice(EN_FIRST) + " " + r.choice(EN_LAST)

    def paper(self):
        """One paper as a dict of column values (None for NULL)."""
        r = self.r
        while True:
            title = self.title()
            chinese = "\u4e00" <= title[0] <= "\u9fff"
            authors = [self.person(chinese if r.random() < 0.85 else not chinese)
                       for _ in range(r.randint(1, 5))]
            pub = EPOCH + datetime.timedelta(days=r.randint(0, SPAN_DAYS))
            date = pub.isoformat()
            key = title + "$" + authors[0] + "$" + date
            if key not in self.keys:
                self.keys.add(key)
                break
        n_kw = r.choice((0, 1, 2, 3, 3, 4, 4, 5, 5, 6, 7, 8, 9, 10))
        pool = KEYWORDS_ZH if chinese else KEYWORDS_EN
        kwords = r.sample(pool, n_kw) if n_kw <= len(pool) else [r.choice(pool) for _ in range(n_kw)]
        catalog = None if r.random() < 0.2 else r.choice(CATEGORIES)
        remark = None if r.random() < 0.6 else r.choice(REMARKS)
        filename = (title[:30].replace(" ", "_") if r.random() < 0.7
                    else "paper_%07d" % r.randint(0, 9999999)) + r.choice(EXTENSIONS)
        folder = r.choice(DRIVES) + str(pub.year) + "\\" + (catalog or "未分类")
        typed = pub + datetime.timedelta(days=r.randint(0, 2000))
        typed = min(typed, datetime.date(2024, 6, 30))
        return {
            "key": key, "title": title, "author": authors[0], "date": date,
            "authors": authors, "kwords": kwords, "filename": filename, "dir": folder,
            "catalog": catalog, "remark": remark,
            "typist": r.choice(TYPISTS), "type_time": typed.isoformat(),
        }


def write_tables(gen, count, out):
    files = {name: open(os.path.join(out, name + ".tsv"), "w", encoding="utf-8", newline="\n")
             for name in ("main", "author_all", "kword_all", "address", "type_in")}
    raw_bytes = 0
    for _ in range(count):
        p = gen.paper()
        k = tsv(p["key"])
        files["main"].write("\t".join((k, tsv(p["title"]), tsv(p["author"]), p["date"])) + "\n")
        authors = p["authors"] + [None] * (5 - len(p["authors"]))
        files["author_all"].write("\t".join([k] + [tsv(a) for a in authors]) + "\n")
        kwords = p["kwords"] + [None] * (10 - len(p["kwords"]))
        files["kword_all"].write("\t".join([k] + [tsv(w) for w in kwords]) + "\n")
        files["address"].write("\t".join((k, tsv(p["filename"]), tsv(p["dir"]), tsv(p["catalog"]),
                                          tsv(p["remark"]))) + "\n")
        files["type_in"].write("\t".join((k, tsv(p["typist"]), p["type_time"])) + "\n")
        raw_bytes += sum(len(p[f].encode()) for f in ("title", "author", "date", "filename", "dir"))
    for f in files.values():
        f.close()
    return raw_bytes


def write_entry(gen, count, out):
    with open(os.path.join(out, "entry.tsv"), "w", encoding="utf-8", newline="\n") as f:
        for _ in range(count):
            p = gen.paper()
            further = p["authors"][1:]
            row = [p["title"], p["author"], p["date"], p["filename"], p["dir"],
                   "1" if p["kwords"] else "0", "；".join(p["kwords"]),
                   "1" if further else "0", "；".join(further),
                   "1" if p["catalog"] else "0", p["catalog"] or "",
                   "1" if p["remark"] else "0", p["remark"] or ""]
            f.write("\t".join(tsv(v) for v in row) + "\n")


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--papers", type=int, required=True)
    ap.add_argument("--entry", type=int, default=0)
    ap.add_argument("--seed", type=int, default=40617395)
    ap.add_argument("--out", required=True)
    a = ap.parse_args(argv)
    os.makedirs(a.out, exist_ok=True)
    gen = Generator(a.seed)
    raw = write_tables(gen, a.papers, a.out)
    if a.entry:
        write_entry(gen, a.entry, a.out)
    print("papers=%d entry=%d seed=%d version=%d quick_search_bytes=%d"
          % (a.papers, a.entry, a.seed, GENERATOR_VERSION, raw))


if __name__ == "__main__":
    main(sys.argv[1:])
