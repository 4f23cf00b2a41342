// The duplicate finder's benchmarks.
//   dup_bench eval PAIRS.tsv [--heldout] [--errors FILE]
//       precision and recall of the matcher on the labelled pairs (bench/dupset);
//       the tuning part only unless --heldout is given
//   dup_bench fill N DIR
//       writes N generated papers (30 % Chinese) as tab-separated files for LOAD DATA,
//       one per paper table and one for the finder's index
//   dup_bench check [--runs N]
//       the check before saving one paper (findCandidates), N papers, one query object
//   dup_bench scan
//       the whole-catalogue scan (scanCatalogue), with its progress
// check and scan reach the server through the data source paperdb of $ODBCINI.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <map>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/OdbcQuery.h"
#include "db/Schema.h"
#include "duplicates/Candidates.h"
#include "duplicates/CatalogueScan.h"
#include "duplicates/MatchIndex.h"
#include "duplicates/Matcher.h"

using namespace duplicates;

namespace {

QString connection() {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), QStringLiteral("paperdb"));
}

struct Score {
    int tp = 0, fp = 0, fn = 0, tn = 0;
    double precision() const { return tp + fp ? double(tp) / (tp + fp) : 1; }
    double recall() const { return tp + fn ? double(tp) / (tp + fn) : 1; }
};

int eval(const QStringList& args) {
    const bool heldout = args.contains(QStringLiteral("--heldout"));
    const qsizetype e = args.indexOf(QStringLiteral("--errors"));
    QFile in(args.value(0));
    if (!in.open(QIODevice::ReadOnly)) return 2;
    QFile errors(e >= 0 ? args.value(e + 1) : QString());
    QTextStream err(&errors);
    if (e >= 0) errors.open(QIODevice::WriteOnly | QIODevice::Truncate);
    std::map<QString, Score> scores;
    std::map<QString, Score> kinds;
    QTextStream s(&in);
    s.readLine();
    while (!s.atEnd()) {
        const QStringList c = s.readLine().split(QLatin1Char('\t'));
        if (c.size() < 11) continue;
        const QString& split = c[0];
        if (split == QLatin1String("heldout") && !heldout) continue;
        const bool label = c[3] == QLatin1String("1");
        const Match m = match(paperFacts(c[5], c[6], c[7]), paperFacts(c[8], c[9], c[10]));
        const bool said = m.verdict == Verdict::Same;
        for (const QString& k : {split + QStringLiteral(" ") + c[1], split + QStringLiteral(" all")}) {
            Score& sc = scores[k];
            (label ? (said ? sc.tp : sc.fn) : (said ? sc.fp : sc.tn))++;
        }
        Score& kc = kinds[split + QStringLiteral(" ") + c[2].section(QLatin1Char(':'), 0, 0)];
        (label ? (said ? kc.tp : kc.fn) : (said ? kc.fp : kc.tn))++;
        if (said != label && errors.isOpen())
            err << split << '\t' << (label ? "FN" : "FP") << '\t' << c[2] << '\t' << m.reason << '\t' << c[5] << " | "
                << c[6] << " | " << c[7] << "\t" << c[8] << " | " << c[9] << " | " << c[10] << '\n';
    }
    std::printf("| part | pairs | duplicates | precision | recall |\n|---|---|---|---|---|\n");
    for (const auto& [k, sc] : scores)
        std::printf("| %s | %d | %d | %.3f | %.3f |\n", qPrintable(k), sc.tp + sc.fp + sc.fn + sc.tn, sc.tp + sc.fn,
                    sc.precision(), sc.recall());
    std::printf("\n| part and kind | pairs | wrong |\n|---|---|---|\n");
    for (const auto& [k, sc] : kinds)
        std::printf("| %s | %d | %d |\n", qPrintable(k), sc.tp + sc.fp + sc.fn + sc.tn, sc.fp + sc.fn);
    return 0;
}

// ---- generated catalogue ----

const char* const kLatinWords[] = {
    "learning", "graph", "network", "neural", "deep", "model", "analysis", "data", "system", "optimal", "control",
    "random", "linear", "fast", "algorithm", "theory", "search", "image", "language", "quantum", "robust",
    "estimation", "inference", "sparse", "distributed", "parallel", "stochastic", "dynamic", "adaptive", "efficient",
    "approximate", "query", "database", "memory", "cache", "compiler", "type", "program", "logic", "proof",
    "protein", "climate", "energy", "market", "signal", "sensor", "wireless", "security", "privacy", "vision"};
const char* const kHanChars =
    "基于深度学习的图像分割方法研究神经网络模型分析数据系统优化控制随机线性快速算法理论搜索语言量子鲁棒估计推断稀疏"
    "分布式并行动态自适应高效近似查询数据库内存编译类型程序逻辑证明蛋白质气候能源市场信号传感无线安全隐私视觉";
const char* const kSurnames[] = {"Smith", "Wang", "Li", "Zhang", "Garcia", "Müller", "Kim", "Nguyen", "Brown",
                                 "Chen", "Liu", "Tanaka", "Rossi", "Silva", "Novak", "Cohen"};

struct Generated {
    QString title, author, date;
};

Generated generate(QRandomGenerator& r) {
    Generated g;
    if (r.bounded(10) < 3) {
        const QString han = QString::fromUtf8(kHanChars);
        const int n = 8 + r.bounded(14);
        for (int i = 0; i < n; ++i) g.title += han.at(r.bounded(int(han.size())));
        const QString names = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑谢韩唐冯");
        const QString given = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰鹏辉飞欣宇");
        g.author = QString(names.at(r.bounded(int(names.size())))) + given.at(r.bounded(int(given.size()))) +
                   (r.bounded(2) ? QString(given.at(r.bounded(int(given.size())))) : QString());
    } else {
        const int n = 4 + r.bounded(8);
        for (int i = 0; i < n; ++i)
            g.title += (i ? QStringLiteral(" ") : QString()) +
                       QString::fromLatin1(kLatinWords[r.bounded(int(std::size(kLatinWords)))]);
        g.title[0] = g.title[0].toUpper();
        g.author = QString::fromUtf8(kSurnames[r.bounded(int(std::size(kSurnames)))]) + QStringLiteral(", ") +
                   QChar('A' + r.bounded(26)) + QStringLiteral(".");
    }
    g.date = QStringLiteral("%1-%2-%3")
                 .arg(1980 + r.bounded(45))
                 .arg(1 + r.bounded(12), 2, 10, QLatin1Char('0'))
                 .arg(1 + r.bounded(28), 2, 10, QLatin1Char('0'));
    return g;
}

QString tsv(const QString& s) {
    QString o = s;
    o.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return o;
}

int fill(const QStringList& args) {
    const qint64 n = args.value(0).toLongLong();
    QDir dir(args.value(1));
    dir.mkpath(QStringLiteral("."));
    const char* names[] = {"main", "author_all", "kword_all", "address", "type_in", "paper_match"};
    QFile files[6];
    QTextStream out[6];
    for (int i = 0; i < 6; ++i) {
        files[i].setFileName(dir.filePath(QString::fromLatin1(names[i]) + QStringLiteral(".tsv")));
        files[i].open(QIODevice::WriteOnly | QIODevice::Truncate);
        out[i].setDevice(&files[i]);
    }
    QRandomGenerator r(7);
    Generated previous;
    for (qint64 i = 0; i < n; ++i) {
        Generated g = generate(r);
        g.title += QStringLiteral(" %1").arg(i);  // keys stay unique
        // one paper in fifty is a variant of the one before it
        if (i % 50 == 49) {
            g = previous;
            g.title = g.title.toUpper() + QStringLiteral(": a study");
        }
        previous = g;
        const QString key = schema::paperKey(g.title, g.author, g.date);
        const PaperFacts f = paperFacts(g.title, g.author, g.date);
        out[0] << tsv(key) << '\t' << tsv(g.title) << '\t' << tsv(g.author) << '\t' << g.date << '\n';
        out[1] << tsv(key) << '\t' << tsv(g.author) << "\t\\N\t\\N\t\\N\t\\N\n";
        out[2] << tsv(key) << "\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\n";
        out[3] << tsv(key) << "\tf" << i << ".pdf\tD:\\\\papers\t\\N\t\\N\n";
        out[4] << tsv(key) << "\tbench\t2024-01-01\n";
        out[5] << tsv(key) << '\t' << tsv(f.title.full.left(500)) << '\t' << tsv(f.title.main.left(500)) << '\t'
               << tsv(titleBlock(f.title.main)) << '\t' << tsv(index::titleExtra(f.title)) << '\t' << tsv(f.author.key)
               << '\t' << tsv(f.author.alt) << '\t' << f.year << "\t\t\n";
    }
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int check(const QStringList& args) {
    db::OdbcQuery q;
    q.setConnectionString(connection());
    const qsizetype r = args.indexOf(QStringLiteral("--runs"));
    const int runs = r >= 0 ? args.value(r + 1).toInt() : 200;
    QRandomGenerator rng(99);
    std::vector<double> ms;
    int found = 0;
    findCandidates(q, paperFacts(QStringLiteral("warm up"), QStringLiteral("A"), QStringLiteral("2000")));
    // half the papers are variants of catalogued ones, half new
    q.openSql(QStringLiteral("select title,author_1,pub_time from main order by rand() limit %1").arg(runs / 2));
    QVector<Generated> known;
    while (!q.eof()) {
        known << Generated{q.field(0).toUpper() + QStringLiteral(". Extended version"), q.field(1), q.field(2)};
        q.next();
    }
    q.close();
    for (int i = 0; i < runs; ++i) {
        Generated g = i % 2 && !known.isEmpty() ? known[(i / 2) % known.size()] : generate(rng);
        QElapsedTimer t;
        t.start();
        const auto c = findCandidates(q, paperFacts(g.title, g.author, g.date));
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        found += c.isEmpty() ? 0 : 1;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("check before saving: %d papers, median %.2f ms, 95th percentile %.2f ms, max %.2f ms (%d with candidates)\n",
                runs, median(ms), ms[size_t(ms.size() * 0.95)], ms.back(), found);
    return 0;
}

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

int scan(const QStringList& args) {
    Q_UNUSED(args);
    db::OdbcQuery q;
    q.setConnectionString(connection());
    QElapsedTimer t;
    t.start();
    int calls = 0;
    QString lastStep;
    double readDone = 0;
    const ScanOutcome out = scanCatalogue(q, [&](const QString& step, double done) {
        ++calls;
        if (step != lastStep) {
            std::printf("  %7.1f s  %s\n", double(t.elapsed()) / 1000, qPrintable(step));
            lastStep = step;
        }
        if (done >= 0.2 && readDone == 0) readDone = double(t.elapsed()) / 1000;
        return true;
    });
    std::printf("scan: %lld papers, %lld comparisons, %lld groups, %.1f s (reading done at %.1f s), %d progress calls, "
                "peak memory %ld MB\n",
                out.papers, out.comparisons, qint64(out.groups.size()), double(t.elapsed()) / 1000, readDone, calls,
                peakKb() / 1024);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    args.removeFirst();
    if (mode == QLatin1String("eval")) return eval(args);
    if (mode == QLatin1String("fill")) return fill(args);
    if (mode == QLatin1String("check")) return check(args);
    if (mode == QLatin1String("scan")) return scan(args);
    std::fprintf(stderr, "usage: dup_bench eval|fill|check|scan ...\n");
    return 2;
}
