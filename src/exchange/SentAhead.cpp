#include "exchange/SentAhead.h"

#include <QElapsedTimer>
#include <algorithm>

namespace exchange {

using catalogue::entry::allAffected;

void SentAhead::clear() {
    sent_.clear();
    built_.clear();
}

void SentAhead::buildAhead(int from, int end, const Sends& sends, const Build& build) {
    if (!built_.isEmpty()) {
        if (built_.last().run.failure) return;
        from = built_.last().at + 1;
    }
    for (int j = from; j < end && built_.size() < perJob_; ++j) {
        if (!sends(j)) continue;
        Paper paper;
        paper.at = j;
        paper.run = build(j);
        const bool failed = bool(paper.run.failure);
        built_.push_back(std::move(paper));
        if (failed) return;
    }
}

void SentAhead::send(db::Query& query, int at, int end, int room, const Sends& sends, const Build& build) {
    sent_.clear();
    // Runs built for other places (the writing went back or on) are stale.
    if (!built_.isEmpty() && built_.first().at != at) built_.clear();
    const int most = std::min(room, perJob_);
    while (sent_.size() < most) {
        if (built_.isEmpty()) buildAhead(sent_.isEmpty() ? at : sent_.last().at + 1, end, sends, build);
        if (built_.isEmpty() || built_.first().at >= end) break;
        sent_.push_back(std::move(built_.first()));
        built_.removeFirst();
        if (sent_.last().run.failure) break;
    }
    const int next = sent_.isEmpty() ? at : sent_.last().at + 1;

    QVector<QStringList> runs;
    for (const Paper& p : sent_) {
        if (p.run.failure) break;
        runs << p.run.statements;
    }
    QVector<QVector<qint64>> counts;
    std::exception_ptr error;
    int checked = 0;
    QElapsedTimer took;
    took.start();
    try {
        if (!runs.isEmpty())
            query.execRuns(
            runs, [&](const QVector<qint64>& c) { return allAffected(sent_[checked++].run.counts(c)); }, counts,
            [&] { buildAhead(next, end, sends, build); });
    } catch (...) {
        error = std::current_exception();
    }
    if (runs.size() >= perJob_ / 2) {
        const qint64 ms = took.elapsed();
        if (ms < kJobMs / 2) perJob_ = std::min(perJob_ * 2, kMostPapers);
        else if (ms > kJobMs) perJob_ = std::max(perJob_ / 2, 1);
    }
    for (qsizetype i = 0; i < counts.size(); ++i) {
        sent_[i].counts = counts[i];
        sent_[i].sent = true;
    }
    qsizetype kept = counts.size();
    if (error) {
        sent_[kept].error = error;
        sent_[kept].sent = true;
        ++kept;
    } else if (kept == runs.size() && kept < sent_.size()) {
        ++kept;  // the run whose hook failed is next in turn
    }
    // What did not go waits, built, for its turn.
    built_ = sent_.mid(kept) + built_;
    sent_.resize(kept);
}

bool SentAhead::has(int at) const {
    return std::any_of(sent_.begin(), sent_.end(), [at](const Paper& p) { return p.at == at; });
}

bool SentAhead::sentAfter(int at) const {
    return std::any_of(sent_.begin(), sent_.end(), [at](const Paper& p) { return p.at > at && p.sent; });
}

catalogue::entry::PaperCounts SentAhead::take(db::Query& query, int at) {
    const auto it = std::find_if(sent_.begin(), sent_.end(), [at](const Paper& p) { return p.at == at; });
    const Paper paper = std::move(*it);
    sent_.erase(it);
    if (paper.error) std::rethrow_exception(paper.error);
    if (paper.run.failure) {
        query.execAll(paper.run.statements);
        std::rethrow_exception(paper.run.failure);
    }
    return paper.run.counts(paper.counts);
}

}  // namespace exchange
