#include "db/Transaction.h"

#include <algorithm>

namespace db {

Transaction::Transaction(Query& query) : query_(query) { query_.execSql(QStringLiteral("begin")); }

Transaction::~Transaction() {
    if (!open_) return;
    try {
        query_.execSql(QStringLiteral("rollback"));
    } catch (...) {
        // the first error is the one to report; a dropped connection has
        // already ended the transaction on the server
    }
}

bool Transaction::finish(std::initializer_list<qint64> counts) {
    return finish(std::all_of(counts.begin(), counts.end(), [](qint64 c) { return c >= 1; }));
}

bool Transaction::finish(bool commit) {
    open_ = false;
    query_.execSql(commit ? QStringLiteral("commit") : QStringLiteral("rollback"));
    return commit;
}

bool Transaction::runThenFinish(const QStringList& run, const Query::RunCheck& commitWhen, QVector<qint64>& counts) {
    try {
        const bool committed = query_.execAllThenEnd(run, commitWhen, counts);
        open_ = false;
        return committed;
    } catch (...) {
        // Nothing done yet (the run's "begin" refused), or the closing
        // statement failed: there is nothing left for a rollback.
        if ((beginInRun_ && counts.isEmpty()) || counts.size() == run.size()) open_ = false;
        throw;
    }
}

}  // namespace db
