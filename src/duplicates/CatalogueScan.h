#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "db/Query.h"

namespace duplicates {

// What a whole-catalogue search found.
struct ScanOutcome {
    QVector<QStringList> groups;  // paper keys of each group
    qint64 papers = 0;
    qint64 comparisons = 0;  // pairs looked at inside blocks
    qint64 matched = 0;      // of them, pairs the sketches left to the matcher
    qint64 indexed = 0;  // index rows added for papers entered before the index
    bool cancelled = false;
};

// Told what is being done and how far (0 to 1); false stops the search.
using ScanProgress = std::function<bool(const QString& step, double done)>;

// Adds the index rows that papers entered before the index lack (and drops
// rows whose paper is gone), some hundred papers to a statement.
qint64 refreshIndex(db::Query& query, const ScanProgress& progress, bool* cancelled);

// Index rows a scan reads with one select.
inline constexpr int kScanSlice = 50000;

// Refreshes the index, then finds the groups of likely duplicates among all
// papers, leaving out pairs marked "不是重复". The index is read in key order,
// `slice` rows to a select.
ScanOutcome scanCatalogue(db::Query& query, const ScanProgress& progress, int slice = kScanSlice);

}  // namespace duplicates
