#include "duplicates/CatalogueScan.h"

#include <QSet>

#include "db/ResultSet.h"
#include "duplicates/GroupFinder.h"
#include "duplicates/MatchIndex.h"

namespace duplicates {

namespace {
constexpr int kRefreshBatch = 2000;
constexpr int kRowsPerInsert = 250;
}  // namespace

qint64 refreshIndex(db::Query& q, const ScanProgress& progress, bool* cancelled) {
    q.execSql(index::orphanDelete());
    qint64 added = 0;
    for (;;) {
        q.openSql(index::missingSelect(kRefreshBatch));
        QStringList tuples;
        while (!q.eof()) {
            tuples << index::matchValues(q.field(0), paperFacts(q.field(1), q.field(2), q.field(3), q.field(4)));
            q.next();
        }
        q.close();
        if (tuples.isEmpty()) return added;
        for (qsizetype i = 0; i < tuples.size(); i += kRowsPerInsert)
            q.execSql(QStringLiteral("insert ignore into paper_match values ") +
                      tuples.mid(i, kRowsPerInsert).join(QLatin1Char(',')));
        added += tuples.size();
        if (progress && !progress(QStringLiteral("正在为 %1 篇论文建立查重索引…").arg(added), 0)) {
            if (cancelled) *cancelled = true;
            return added;
        }
        if (tuples.size() < kRefreshBatch) return added;
    }
}

ScanOutcome scanCatalogue(db::Query& q, const ScanProgress& progress) {
    ScanOutcome out;
    out.indexed = refreshIndex(q, progress, &out.cancelled);
    if (out.cancelled) return out;

    QSet<QString> distinct;
    q.openSql(index::distinctSelect());
    while (!q.eof()) {
        distinct.insert(index::pairId(q.field(0), q.field(1)));
        q.next();
    }
    q.close();

    if (progress && !progress(QStringLiteral("正在读取论文…"), 0)) {
        out.cancelled = true;
        return out;
    }
    q.openSql(index::scanSelect());
    const std::shared_ptr<const db::ResultSet> rows = q.result();
    q.close();
    const qint64 n = rows ? rows->rowCount() : 0;
    out.papers = n;
    QVector<PaperFacts> papers;
    papers.reserve(n);
    for (qint64 r = 0; r < n; ++r) {
        papers << index::factsFromRow(rows->text(r, 1), rows->text(r, 2), rows->text(r, 3), rows->text(r, 4),
                                      rows->text(r, 5), rows->text(r, 6).toInt(), rows->text(r, 7), rows->text(r, 8));
        if (progress && (r & 16383) == 0 && !progress(QStringLiteral("正在读取论文…"), 0.2 * double(r) / double(n))) {
            out.cancelled = true;
            return out;
        }
    }

    GroupFinder finder(papers);
    if (!distinct.isEmpty())
        finder.setDistinct([&](int a, int b) {
            return distinct.contains(index::pairId(rows->text(a, 0), rows->text(b, 0)));
        });
    if (progress)
        finder.setProgress([&](double done) { return progress(QStringLiteral("正在比较…"), 0.2 + 0.8 * done); });
    const QVector<QVector<int>> groups = finder.run();
    out.comparisons = finder.comparisons();
    out.cancelled = finder.cancelled();
    for (const auto& g : groups) {
        QStringList keys;
        for (int i : g) keys << rows->text(i, 0);
        out.groups << keys;
    }
    return out;
}

}  // namespace duplicates
