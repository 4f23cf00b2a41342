#include "dup_catalogue.h"

#include <QSet>
#include <cmath>

namespace dupbench {

namespace {

const char* const kWords[] = {
    "learning", "graph", "network", "neural", "deep", "model", "analysis", "data", "system", "optimal", "control",
    "random", "linear", "fast", "algorithm", "theory", "search", "image", "language", "quantum", "robust",
    "estimation", "inference", "sparse", "distributed", "parallel", "stochastic", "dynamic", "adaptive", "efficient",
    "approximate", "query", "database", "memory", "cache", "compiler", "type", "program", "logic", "proof",
    "protein", "climate", "energy", "market", "signal", "sensor", "wireless", "security", "privacy", "vision"};
const char* const kCommonSurnames[] = {"Wang", "Li", "Zhang", "Smith", "Liu", "Chen", "Kim", "Nguyen", "Garcia",
                                       "Müller", "Brown", "Tanaka", "Rossi", "Silva", "Novak", "Cohen"};
const char* const kSyllables[] = {"ka", "lo", "mi", "ren", "to", "sa", "vel", "dor", "an", "ber", "ci", "gu",
                                  "hal", "ju", "ne", "pra", "qui", "ros", "stein", "tri", "ul", "wen", "xa", "zo"};

QString syllables(QRandomGenerator& r, int least, int most) {
    QString s;
    const int n = least + r.bounded(most - least + 1);
    for (int i = 0; i < n; ++i) s += QLatin1String(kSyllables[r.bounded(int(std::size(kSyllables)))]);
    return s;
}

}  // namespace

CatalogueGenerator::CatalogueGenerator(quint32 seed) : r_(seed) {
    QRandomGenerator words(1);
    for (const char* w : kWords) latinWords_ << QString::fromLatin1(w);
    QSet<QString> seen(latinWords_.begin(), latinWords_.end());
    while (latinWords_.size() < 6000) {
        const QString w = syllables(words, 2, 4);
        if (!seen.contains(w)) {
            seen.insert(w);
            latinWords_ << w;
        }
    }
    for (const char* s : kCommonSurnames) surnames_ << QString::fromUtf8(s);
    while (surnames_.size() < 40000) {
        QString s = syllables(words, 2, 3);
        s[0] = s[0].toUpper();
        surnames_ << s;
    }
    hanChars_ = QStringLiteral(
        "基于深度学习的图像分割方法研究神经网络模型分析数据系统优化控制随机线性快速算法理论搜索语言量子鲁棒估计推断稀疏"
        "分布式并行动态自适应高效近似查询数据库内存编译类型程序逻辑证明蛋白质气候能源市场信号传感无线安全隐私视觉"
        "城市交通流量预测土壤水分遥感反演森林火灾监测电力负荷调度金融风险评价医学影像诊断农业病虫害识别");
    hanSurnames_ = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈");
    hanGiven_ = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰鹏辉飞欣宇晨阳思雨嘉琪浩然子涵文博一诺梓睿");
}

int CatalogueGenerator::zipf(int n) {
    // P(i) about 1/(i+1): a few very common entries, a long tail
    return std::min(n - 1, int(std::exp(r_.generateDouble() * std::log(double(n) + 1))) - 1);
}

QString CatalogueGenerator::latinTitle() {
    const int n = 4 + r_.bounded(9);
    QString t;
    for (int i = 0; i < n; ++i) t += (i ? QStringLiteral(" ") : QString()) + latinWords_[zipf(int(latinWords_.size()))];
    if (r_.bounded(5) == 0) t += QStringLiteral(": ") + latinWords_[zipf(500)] + QLatin1Char(' ') + latinWords_[zipf(500)];
    t[0] = t[0].toUpper();
    return t;
}

QString CatalogueGenerator::hanTitle() {
    const int n = 8 + r_.bounded(16);
    QString t;
    for (int i = 0; i < n; ++i) t += hanChars_.at(zipf(int(hanChars_.size())));
    return t;
}

Paper CatalogueGenerator::paper() {
    Paper p;
    if (r_.bounded(10) < 3) {
        p.title = hanTitle();
        p.author = QString(hanSurnames_.at(zipf(int(hanSurnames_.size())))) +
                   hanGiven_.at(r_.bounded(int(hanGiven_.size()))) +
                   (r_.bounded(3) ? QString(hanGiven_.at(r_.bounded(int(hanGiven_.size())))) : QString());
    } else {
        p.title = latinTitle();
        const QString family = surnames_[zipf(int(surnames_.size()))];
        const QChar initial = QChar('A' + r_.bounded(26));
        p.author = r_.bounded(2) ? family + QStringLiteral(", ") + initial + QLatin1Char('.')
                                 : QString(initial) + QStringLiteral(". ") + family;
    }
    p.date = QStringLiteral("%1-%2-%3")
                 .arg(1980 + r_.bounded(45))
                 .arg(1 + r_.bounded(12), 2, 10, QLatin1Char('0'))
                 .arg(1 + r_.bounded(28), 2, 10, QLatin1Char('0'));
    if (r_.bounded(100) < 15) p.remark = QStringLiteral("doi:10.%1/bench.%2").arg(1000 + r_.bounded(9000)).arg(++doi_);
    return p;
}

Paper CatalogueGenerator::variant(const Paper& p) {
    Paper v = p;
    switch (r_.bounded(6)) {
    case 0: v.title = v.title.toUpper(); break;
    case 1: v.title += p.title.at(0).script() == QChar::Script_Han ? QStringLiteral("：综述") : QStringLiteral(": a survey"); break;
    case 2:  // full-width letters and marks
        for (QChar& c : v.title)
            if (c.unicode() > 0x20 && c.unicode() < 0x7f) c = QChar(c.unicode() + 0xfee0);
        break;
    case 3: v.title.replace(QLatin1Char(' '), QStringLiteral(" - ")); break;
    case 4: v.title.insert(v.title.size() / 2, QLatin1Char(',')); break;
    default: v.title += QStringLiteral(" (preprint)"); break;
    }
    if (r_.bounded(2)) {  // the year one off
        const int year = v.date.left(4).toInt() + (r_.bounded(2) ? 1 : -1);
        v.date = QString::number(year);
    }
    const qsizetype comma = v.author.indexOf(QStringLiteral(", "));
    if (comma > 0 && r_.bounded(2))  // "Smith, J." as "J. Smith"
        v.author = v.author.mid(comma + 2) + QLatin1Char(' ') + v.author.left(comma);
    if (r_.bounded(3) == 0) v.remark.clear();
    return v;
}

}  // namespace dupbench
