#pragma once

#include <QString>
#include <QVector>

#include "db/Query.h"
#include "duplicates/PaperFacts.h"

namespace duplicates {

// A paper in the catalogue that a new one resembles.
struct Candidate {
    QString key, title, author, date, dir, filename;
    QString reason;  // "题目相似 0.93", "DOI 相同" ...
    double score = 0;
};

// The papers already in the catalogue that the matcher takes for the same
// paper as `facts`, best first, at most `most`. One indexed select.
QVector<Candidate> findCandidates(db::Query& query, const PaperFacts& facts, int most = 5);

// The paper a candidate list names, for a status or a note:
// "《题目》 一作 时间".
QString describe(const Candidate& c);

}  // namespace duplicates
