#include "exchange/SentAhead.h"

#include <algorithm>

namespace exchange {

using catalogue::entry::allAffected;

void SentAhead::add(int at, catalogue::entry::PaperRun run) {
    Paper paper;
    paper.at = at;
    paper.run = std::move(run);
    papers_.push_back(std::move(paper));
}

void SentAhead::send(db::Query& query) {
    QVector<QStringList> runs;
    for (const Paper& p : papers_) {
        if (p.run.failure) break;
        runs << p.run.statements;
    }
    QVector<QVector<qint64>> counts;
    std::exception_ptr error;
    int checked = 0;
    try {
        if (!runs.isEmpty())
            query.execRuns(runs, [&](const QVector<qint64>& c) { return allAffected(papers_[checked++].run.counts(c)); },
                           counts);
    } catch (...) {
        error = std::current_exception();
    }
    for (qsizetype i = 0; i < counts.size(); ++i) {
        papers_[i].counts = counts[i];
        papers_[i].sent = true;
    }
    qsizetype kept = counts.size();
    if (error) {
        papers_[kept].error = error;
        papers_[kept].sent = true;
        ++kept;
    } else if (kept == runs.size() && kept < papers_.size()) {
        ++kept;  // the run whose hook failed is next in turn
    }
    papers_.resize(kept);  // the rest is built again at its turn
}

bool SentAhead::has(int at) const {
    return std::any_of(papers_.begin(), papers_.end(), [at](const Paper& p) { return p.at == at; });
}

bool SentAhead::sentAfter(int at) const {
    return std::any_of(papers_.begin(), papers_.end(), [at](const Paper& p) { return p.at > at && p.sent; });
}

catalogue::entry::PaperCounts SentAhead::take(db::Query& query, int at) {
    const auto it = std::find_if(papers_.begin(), papers_.end(), [at](const Paper& p) { return p.at == at; });
    const Paper paper = std::move(*it);
    papers_.erase(it);
    if (paper.error) std::rethrow_exception(paper.error);
    if (paper.run.failure) {
        query.execAll(paper.run.statements);
        std::rethrow_exception(paper.run.failure);
    }
    return paper.run.counts(paper.counts);
}

}  // namespace exchange
