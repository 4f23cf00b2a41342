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

ScanOutcome scanCatalogue(db::Query& q, const ScanProgress& progress, int slice) {
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

    // the index in key order, a slice at a time: progress and "取消" while
    // reading, and never the whole index in one result
    q.openSql(QStringLiteral("select count(*) from paper_match"));
    const qint64 total = q.eof() ? 0 : q.field(0).toLongLong();
    q.close();
    QStringList keys;
    QVector<PaperFacts> papers;
    keys.reserve(total);
    papers.reserve(total);
    for (;;) {
        const double done = 0.2 * double(papers.size()) / double(std::max<qint64>(total, 1));
        if (progress && !progress(QStringLiteral("正在读取论文…"), done)) {
            out.cancelled = true;
            return out;
        }
        q.openSql(index::scanSelect(keys.isEmpty() ? QString() : keys.back(), slice));
        const std::shared_ptr<const db::ResultSet> rows = q.result();
        q.close();
        const qint64 n = rows ? rows->rowCount() : 0;
        for (qint64 r = 0; r < n; ++r) {
            keys << rows->text(r, 0);
            const QString full = rows->text(r, 1);
            papers << index::factsFromRow(full, rows->isNull(r, 2) ? full : rows->text(r, 2), rows->text(r, 3),
                                          rows->text(r, 4), rows->text(r, 5), rows->text(r, 6).toInt(),
                                          rows->text(r, 7), rows->text(r, 8));
        }
        if (n < slice) break;
    }
    out.papers = papers.size();

    GroupFinder finder(papers);
    if (!distinct.isEmpty())
        finder.setDistinct([&](int a, int b) { return distinct.contains(index::pairId(keys[a], keys[b])); });
    if (progress)
        finder.setProgress([&](double done) { return progress(QStringLiteral("正在比较…"), 0.2 + 0.8 * done); });
    const QVector<QVector<int>> groups = finder.run();
    out.comparisons = finder.comparisons();
    out.matched = finder.matched();
    out.cancelled = finder.cancelled();
    for (const auto& g : groups) {
        QStringList group;
        for (int i : g) group << keys[i];
        out.groups << group;
    }
    return out;
}

}  // namespace duplicates
