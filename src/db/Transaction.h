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
    Transaction(Query& query, BeginInRun) : query_(query) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Sends "commit" when every count is at least 1, else "rollback"; true
    // when committed.
    bool finish(std::initializer_list<qint64> counts);
    bool finish(bool commit);
    // The caller's run failed at its "begin": nothing is open to roll back.
    void beginFailed() { open_ = false; }

private:
    Query& query_;
    bool open_ = true;
};

}  // namespace db
