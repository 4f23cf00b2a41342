#pragma once

#include <QVector>
#include <functional>

#include "catalogue/InsertPaper.h"
#include "db/Query.h"

namespace exchange {

// Papers of an import sent to the server ahead of their turn: the runs of
// several papers (each its savepoint, removals and rows) go to the statement
// thread as one job, which stops after the first paper whose run fails or
// leaves a statement without a row. While a job is on its way, the window
// thread builds the runs of the papers after it (their hooks called). The
// writer then takes each paper's outcome in turn, as if it had sent the paper
// just then.
class SentAhead {
public:
    // Papers sent in one job at most. A job is kept to about kJobMs of the
    // server's work, well under the wait that shows the busy box: the number
    // of papers follows the time the last job took.
    static constexpr int kMostPapers = 32;
    static constexpr int kJobMs = 15;

    // Whether the job at a place of the writer's list is written at all.
    using Sends = std::function<bool(int at)>;
    // The run of the job at a place of the writer's list.
    using Build = std::function<catalogue::entry::PaperRun(int at)>;

    // Forgets every run, sent or built.
    void clear();
    // Sends the run of the job at `at` with those of the papers after it,
    // before `end` and `room` papers at most, in one go; runs built earlier
    // are used. A run whose hooks failed is not sent: it waits for its turn.
    void send(db::Query& query, int at, int end, int room, const Sends& sends, const Build& build);
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
    // Builds the runs of the papers after the last one built (or after
    // `from`), up to a job's worth or a failed hook.
    void buildAhead(int from, int end, const Sends& sends, const Build& build);
    QVector<Paper> sent_;   // taken in turn by the writer
    QVector<Paper> built_;  // in the writer's order, not sent yet
    int perJob_ = 8;
};

}  // namespace exchange
