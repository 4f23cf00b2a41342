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
    qint64 comparisons = 0;
    qint64 indexed = 0;  // index rows added for papers entered before the index
    bool cancelled = false;
};

// Told what is being done and how far (0 to 1); false stops the search.
using ScanProgress = std::function<bool(const QString& step, double done)>;

// Adds the index rows that papers entered before the index lack (and drops
// rows whose paper is gone), some hundred papers to a statement.
qint64 refreshIndex(db::Query& query, const ScanProgress& progress, bool* cancelled);

// Refreshes the index, then finds the groups of likely duplicates among all
// papers, leaving out pairs marked "不是重复".
ScanOutcome scanCatalogue(db::Query& query, const ScanProgress& progress);

}  // namespace duplicates
