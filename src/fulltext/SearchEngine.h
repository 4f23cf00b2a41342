#pragma once

#include <QString>
#include <QVector>
#include <cstdint>
#include <memory>

#include "db/Query.h"
#include "db/ResultSet.h"

namespace fulltext {

// A paper whose text holds the query.
struct Match {
    std::uint64_t doc = 0;
    double score = 0;
    int page = 0;    // the page with the most hits of the first part
    QString snippet; // filled for the papers shown
};

struct SearchOutcome {
    QVector<Match> matches;  // every paper found, best first
    QString problem;         // why nothing was searched (empty query ...)
};

// Finds the papers whose indexed text holds every part of the query and
// none of its excluded parts: candidates come from the postings, and every
// part that the postings alone cannot decide (phrases, CJK strings of three
// characters or more) is checked against the stored text of the candidate
// pages, so the result is exactly the papers holding the query. Ranked by
// BM25 (k1 = 1.2, b = 0.75) over papers, each part counting as one term:
// its number of occurrences in the paper, the paper's length in units, and
// the number of papers holding it. Snippets are made for the first `shown`.
SearchOutcome search(db::Query& query, const QString& text, int shown = 500);

// The rows of a result grid for the matches shown: "论文题目", "论文一作",
// "发表时间", "页码", "摘录", "保存文件夹", "论文文件名"; papers whose row is
// no longer in the catalogue are left out.
std::shared_ptr<db::ResultSet> resultRows(db::Query& query, const QVector<Match>& matches, int shown = 500);

}  // namespace fulltext
