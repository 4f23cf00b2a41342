// The duplicate finder's benchmarks.
//   dup_bench eval PAIRS.tsv [--heldout] [--errors FILE]
//       precision and recall of the matcher on the labelled pairs (bench/dupset);
//       the tuning part only unless --heldout is given
//   dup_bench fill N DIR
//       writes N generated papers (30 % Chinese, one in fifty a variant of an earlier one)
//       as tab-separated files for LOAD DATA, one per paper table and one for the finder's
//       index, and the planted pairs (planted.tsv)
//   dup_bench check [--runs N] [--statements FILE]
//       the check before saving one paper (findCandidates), N papers, one query object
//   dup_bench scan [--planted FILE]
//       the whole-catalogue scan (scanCatalogue), with its progress; how many planted
//       pairs it put into one group
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
#include <unordered_set>

#include <sys/resource.h>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/OdbcQuery.h"
#include "db/Schema.h"
#include "duplicates/Candidates.h"
#include "duplicates/CatalogueScan.h"
#include "duplicates/GroupFinder.h"
#include "duplicates/MatchIndex.h"
#include "duplicates/Matcher.h"
#include "duplicates/TitleSketch.h"
#include "dup_catalogue.h"

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
    int joined = 0, lost = 0;
    // the whole set as one catalogue, for the scan: both papers of every pair
    QVector<PaperFacts> all;
    QVector<std::pair<QString, bool>> labels;
    while (!s.atEnd()) {
        const QStringList c = s.readLine().split(QLatin1Char('\t'));
        if (c.size() < 11) continue;
        const QString& split = c[0];
        if (split == QLatin1String("heldout") && !heldout) continue;
        const bool label = c[3] == QLatin1String("1");
        const PaperFacts fa = paperFacts(c[5], c[6], c[7]), fb = paperFacts(c[8], c[9], c[10]);
        const Match m = match(fa, fb);
        const bool said = m.verdict == Verdict::Same;
        all << fa << fb;
        labels.append({split, label});
        // the scan's first test must let through every pair the matcher joins
        if (said) {
            ++joined;
            lost += mayBeSame(fa, titleSketch(fa), fb, titleSketch(fb)) ? 0 : 1;
        }
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
    std::printf("\npairs the matcher joins that the scan's sketches would keep from it: %d of %d\n", lost, joined);
    // the scan (blocks, sketches, groups joined through shared members) over
    // all papers of the set: a pair counts as found when both land in one group
    GroupFinder finder(all);
    std::vector<int> groupOf(all.size(), -1);
    const auto groups = finder.run();
    for (int g = 0; g < groups.size(); ++g)
        for (int i : groups[g]) groupOf[i] = g;
    std::map<QString, Score> scan;
    for (int k = 0; k < labels.size(); ++k) {
        const bool together = groupOf[2 * k] >= 0 && groupOf[2 * k] == groupOf[2 * k + 1];
        Score& sc = scan[labels[k].first];
        (labels[k].second ? (together ? sc.tp : sc.fn) : (together ? sc.fp : sc.tn))++;
    }
    std::printf("\nthe scan over the %lld papers of the set (%lld pairs in blocks, %lld to the matcher):\n",
                qint64(all.size()), finder.comparisons(), finder.matched());
    for (const auto& [k, sc] : scan)
        std::printf("| scan, %s | %d | %d | %.3f | %.3f |\n", qPrintable(k), sc.tp + sc.fp + sc.fn + sc.tn,
                    sc.tp + sc.fn, sc.precision(), sc.recall());
    std::printf("\n| part and kind | pairs | wrong |\n|---|---|---|\n");
    for (const auto& [k, sc] : kinds)
        std::printf("| %s | %d | %d |\n", qPrintable(k), sc.tp + sc.fp + sc.fn + sc.tn, sc.fp + sc.fn);
    return 0;
}

// ---- generated catalogue ----

QString tsv(const QString& s) {
    QString o = s;
    o.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return o;
}

QString untsv(const QString& s) {
    QString o;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            ++i;
            o += s[i] == QLatin1Char('t') ? QChar('\t') : s[i];
        } else {
            o += s[i];
        }
    }
    return o;
}

QString orNull(const QString& s) { return s.isEmpty() ? QStringLiteral("\\N") : tsv(s); }

// N papers, one in fifty a variant of an earlier one (those pairs go to
// planted.tsv), as tab-separated files for LOAD DATA: one per paper table and
// one for the finder's index.
int fill(const QStringList& args) {
    const qint64 n = args.value(0).toLongLong();
    QDir dir(args.value(1));
    dir.mkpath(QStringLiteral("."));
    const char* names[] = {"main", "author_all", "kword_all", "address", "type_in", "paper_match", "planted"};
    QFile files[7];
    QTextStream out[7];
    for (int i = 0; i < 7; ++i) {
        files[i].setFileName(dir.filePath(QString::fromLatin1(names[i]) + QStringLiteral(".tsv")));
        files[i].open(QIODevice::WriteOnly | QIODevice::Truncate);
        out[i].setDevice(&files[i]);
    }
    dupbench::CatalogueGenerator gen(7);
    QRandomGenerator pick(11);
    std::unordered_set<size_t> keys;
    std::vector<std::pair<dupbench::Paper, QString>> recent;  // papers a variant may copy, with their keys
    for (qint64 i = 0; i < n;) {
        const bool planted = i % 50 == 49 && !recent.empty();
        const size_t from = planted ? pick.bounded(quint32(recent.size())) : 0;
        const dupbench::Paper g = planted ? gen.variant(recent[from].first) : gen.paper();
        const QString key = schema::paperKey(g.title, g.author, g.date);
        if (!keys.insert(qHash(key)).second) continue;  // the same key drawn twice
        ++i;
        if (planted) out[6] << tsv(recent[from].second) << '\t' << tsv(key) << '\n';
        else if (recent.size() < 100000) recent.emplace_back(g, key);
        else recent[pick.bounded(quint32(recent.size()))] = {g, key};
        const PaperFacts f = paperFacts(g.title, g.author, g.date, g.remark);
        out[0] << tsv(key) << '\t' << tsv(g.title) << '\t' << tsv(g.author) << '\t' << g.date << '\n';
        out[1] << tsv(key) << '\t' << tsv(g.author) << "\t\\N\t\\N\t\\N\t\\N\n";
        out[2] << tsv(key) << "\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\n";
        out[3] << tsv(key) << "\tf" << i << ".pdf\tD:\\\\papers\t\\N\t" << orNull(g.remark) << '\n';
        out[4] << tsv(key) << "\tbench\t2024-01-01\n";
        out[5] << tsv(key) << '\t' << tsv(f.title.full.left(500)) << '\t' << tsv(f.title.main.left(500)) << '\t'
               << tsv(titleBlock(f.title.main)) << '\t' << tsv(index::titleExtra(f.title)) << '\t' << tsv(f.author.key)
               << '\t' << tsv(f.author.alt) << '\t' << f.year << '\t' << tsv(f.ids.doi) << '\t' << tsv(f.ids.arxiv)
               << '\n';
    }
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The check before saving as the entry window runs it while the user types:
// findCandidates on the title, first author and date typed. Half the papers
// are variants of catalogued ones, half new. --statements FILE writes the
// selects sent, for the client's floor.
int check(const QStringList& args) {
    db::OdbcQuery q;
    q.setConnectionString(connection());
    const qsizetype r = args.indexOf(QStringLiteral("--runs"));
    const int runs = r >= 0 ? args.value(r + 1).toInt() : 200;
    const qsizetype st = args.indexOf(QStringLiteral("--statements"));
    QFile statements(st >= 0 ? args.value(st + 1) : QString());
    QTextStream sql(&statements);
    if (st >= 0) statements.open(QIODevice::WriteOnly | QIODevice::Truncate);
    dupbench::CatalogueGenerator gen(99);
    findCandidates(q, paperFacts(QStringLiteral("warm up"), QStringLiteral("A"), QStringLiteral("2000")));
    q.openSql(QStringLiteral("select count(*) from main"));
    const qint64 size = q.field(0).toLongLong();
    QVector<dupbench::Paper> known;
    QRandomGenerator rng(5);
    for (int i = 0; i < runs / 2; ++i) {
        // a random paper by its position: cheaper than "order by rand()" on a big table
        q.openSql(QStringLiteral("select title,author_1,pub_time from main limit 1 offset %1")
                      .arg(rng.bounded(quint32(std::max<qint64>(size, 1)))));
        if (!q.eof()) known << gen.variant({q.field(0), q.field(1), q.field(2), {}});
    }
    q.close();
    std::vector<double> ms;
    int found = 0, foundKnown = 0;
    for (int i = 0; i < runs; ++i) {
        const bool variant = i % 2 && !known.isEmpty();
        const dupbench::Paper g = variant ? known[(i / 2) % known.size()] : gen.paper();
        const PaperFacts facts = paperFacts(g.title, g.author, g.date);
        if (statements.isOpen()) sql << index::candidateSelect(facts) << ";\n";
        QElapsedTimer t;
        t.start();
        const auto c = findCandidates(q, facts);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        found += c.isEmpty() ? 0 : 1;
        foundKnown += variant && !c.isEmpty() ? 1 : 0;
        if (variant && c.isEmpty())
            std::fprintf(stderr, "not found: %s | %s | %s\n", qPrintable(g.title), qPrintable(g.author), qPrintable(g.date));
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("check before saving: %lld papers catalogued, %d checks, mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, "
                "max %.2f ms; %d of %d variants found, %d new papers with candidates\n",
                size, runs, sum / double(ms.size()), median(ms), ms[size_t(double(ms.size()) * 0.95)], ms.back(), foundKnown,
                int(known.isEmpty() ? 0 : runs / 2), found - foundKnown);
    return 0;
}

// CPU time of this process, user and system: the program's own share,
// whatever else the machine is doing (the server's share is not in it).
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

int scan(const QStringList& args) {
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
            std::printf("  %7.1f s (%.1f s of CPU)  %s\n", double(t.elapsed()) / 1000, cpuSeconds(), qPrintable(step));
            lastStep = step;
        }
        if (done >= 0.2 && readDone == 0) readDone = double(t.elapsed()) / 1000;
        return true;
    });
    const double seconds = double(t.elapsed()) / 1000;
    std::printf("  %7.1f s (%.1f s of CPU)  done\n", seconds, cpuSeconds());
    std::printf("scan: %lld papers, %lld pairs in blocks, %lld of them to the matcher, %lld groups, %.1f s (reading "
                "done at %.1f s), %d progress calls, peak memory %ld MB\n",
                out.papers, out.comparisons, out.matched, qint64(out.groups.size()), seconds, readDone, calls,
                peakKb() / 1024);
    const qsizetype p = args.indexOf(QStringLiteral("--planted"));
    QFile planted(p >= 0 ? args.value(p + 1) : QString());
    if (p >= 0 && planted.open(QIODevice::ReadOnly)) {
        QHash<QString, int> groupOf;
        for (int g = 0; g < out.groups.size(); ++g)
            for (const QString& key : out.groups[g]) groupOf.insert(key, g);
        int pairs = 0, together = 0;
        QTextStream in(&planted);
        while (!in.atEnd()) {
            const QStringList keys = in.readLine().split(QLatin1Char('\t'));
            if (keys.size() != 2) continue;
            const QString a = untsv(keys[0]), b = untsv(keys[1]);
            ++pairs;
            together += groupOf.contains(a) && groupOf.value(a) == groupOf.value(b, -1) ? 1 : 0;
        }
        std::printf("planted pairs in one group: %d of %d\n", together, pairs);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // progress lines as they come
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
