#pragma once

#include <QVector>

#include "catalogue/InsertPaper.h"
#include "db/Query.h"

namespace exchange {

// Papers of an import sent to the server ahead of their turn: the runs of
// several papers (each its savepoint, removals and rows) go to the statement
// thread as one job, which stops after the first paper whose run fails or
// leaves a statement without a row. The writer then takes each paper's
// outcome in turn, as if it had sent the paper just then.
class SentAhead {
public:
    // Papers sent in one job at most: a few milliseconds of the server's work,
    // well under the wait that shows the busy box.
    static constexpr int kMostPapers = 32;

    void clear() { papers_.clear(); }
    int size() const { return int(papers_.size()); }
    // The run of the job at place `at` of the writer's list, built by the
    // window thread (its hooks called).
    void add(int at, catalogue::entry::PaperRun run);
    // Sends the runs added, in order, in one go. A run whose hooks failed is
    // not sent: it and what follows wait for their turn.
    void send(db::Query& query);
    // An outcome waits for the job at `at`.
    bool has(int at) const;
    // A paper after the job at `at` was sent.
    bool sentAfter(int at) const;
    // The counts of the job at `at`, or the failure of its run thrown. A run
    // whose hook failed sends what comes before the hook first (as the entry
    // logic does).
    catalogue::entry::PaperCounts take(db::Query& query, int at);

private:
    struct Paper {
        int at = 0;
        catalogue::entry::PaperRun run;
        QVector<qint64> counts;
        std::exception_ptr error;  // of the server, when the run failed
        bool sent = false;
    };
    QVector<Paper> papers_;
};

}  // namespace exchange
