#pragma once

#include <initializer_list>

#include "db/Query.h"

namespace db {

// A change framed by "begin" and "commit" on one query object: "begin" is
// sent on construction, and unless the change was finished, "rollback" when
// the object goes (an error from a statement or a script hook ends the
// handler), so that no later statement on the connection commits half of it.
class Transaction {
public:
    explicit Transaction(Query& query);
    // "begin" left to the caller, who sends it at the head of its first run
    // of statements (execAll): one hand-off to the statement thread fewer.
    struct BeginInRun {};
    Transaction(Query& query, BeginInRun) : query_(query), beginInRun_(true) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Sends "commit" when every count is at least 1, else "rollback"; true
    // when committed.
    bool finish(std::initializer_list<qint64> counts);
    bool finish(bool commit);
    // The caller's run failed at its "begin": nothing is open to roll back.
    void beginFailed() { open_ = false; }
    // Sends `run` (headed by "begin" when made with BeginInRun) and then
    // "commit" when `commitWhen` accepts its counts, else "rollback", in one
    // go (Query::execAllThenEnd); true when committed. A failure throws as
    // finish() and the constructor do: rolled back unless "begin" or the
    // closing statement itself failed.
    bool runThenFinish(const QStringList& run, const Query::RunCheck& commitWhen, QVector<qint64>& counts);
    // The same for a run made while it is sent (Query::execMadeThenEnd): a
    // failure of the making throws after what it made was sent, rolled back.
    bool makeThenFinish(const Query::Maker& make, const Query::RunCheck& commitWhen, QVector<qint64>& counts);

private:
    Query& query_;
    bool open_ = true;
    bool beginInRun_ = false;
};

}  // namespace db
