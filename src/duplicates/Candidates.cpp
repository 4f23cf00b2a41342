#include "duplicates/Candidates.h"

#include <algorithm>

#include "duplicates/MatchIndex.h"
#include "duplicates/Matcher.h"

namespace duplicates {

QVector<Candidate> findCandidates(db::Query& q, const PaperFacts& facts, int most) {
    QVector<Candidate> out;
    if (facts.title.fullKey.isEmpty() && facts.ids.empty()) return out;
    q.openSql(index::candidateSelect(facts));
    while (!q.eof()) {
        const PaperFacts other = index::factsFromRow(q.field(1), q.field(2), q.field(3), q.field(4), q.field(5),
                                                     q.field(6).toInt(), q.field(7), q.field(8));
        const Match m = match(facts, other);
        if (m.verdict == Verdict::Same)
            out << Candidate{q.field(0), q.field(9), q.field(10), q.field(11), q.field(12), q.field(13), m.reason,
                             m.score};
        q.next();
    }
    q.close();
    std::stable_sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    if (out.size() > most) out.resize(most);
    return out;
}

QString describe(const Candidate& c) {
    return QStringLiteral("《%1》 %2 %3").arg(c.title, c.author, c.date);
}

}  // namespace duplicates
