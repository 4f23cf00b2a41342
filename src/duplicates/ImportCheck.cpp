#include "duplicates/ImportCheck.h"

#include "db/DbError.h"
#include "duplicates/Candidates.h"

namespace duplicates {

std::optional<exchange::Mark> ImportCheck::operator()(const exchange::CheckedPaper& p) {
    using exchange::Status;
    if (unavailable_ || p.status == Status::Unusable || p.status == Status::Present || p.status == Status::Repeated)
        return std::nullopt;
    if (const auto known = marks_.constFind(p.key); known != marks_.constEnd()) return *known;
    db::Query* q = query_ ? query_() : nullptr;
    if (!q) return std::nullopt;
    QVector<Candidate> found;
    try {
        found = findCandidates(*q, paperFacts(p.entry.title, p.entry.author, p.entry.date,
                                              p.entry.remarkTicked ? p.entry.remark : QString()),
                               2);
    } catch (const db::DbError& e) {
        if (e.nativeCode() != 1146) throw;
        unavailable_ = true;  // a catalogue without the index: no hints
        return std::nullopt;
    }
    std::optional<exchange::Mark> mark;
    for (const Candidate& c : found) {
        if (c.key == p.key) continue;
        mark = exchange::Mark{Status::Similar, QStringLiteral("可能与库中论文重复：") + describe(c) +
                                                   QStringLiteral("（") + c.reason + QStringLiteral("）")};
        resembled_.insert(p.key, c.key);
        break;
    }
    marks_.insert(p.key, mark);
    return mark;
}

}  // namespace duplicates
