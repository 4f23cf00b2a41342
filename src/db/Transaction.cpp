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
    return makeThenFinish(Query::addingAll(run), commitWhen, counts);
}

bool Transaction::makeThenFinish(const Query::Maker& make, const Query::RunCheck& commitWhen,
                                 QVector<qint64>& counts) {
    qsizetype made = -1;  // known once the making is whole
    try {
        const bool committed = query_.execMadeThenEnd(
            [&](StatementFeed& feed) {
                make(feed);
                made = feed.size();
            },
            commitWhen, counts);
        open_ = false;
        return committed;
    } catch (...) {
        // Nothing done yet (the run's "begin" refused), or the closing
        // statement failed: there is nothing left for a rollback.
        if ((beginInRun_ && counts.isEmpty()) || counts.size() == made) open_ = false;
        throw;
    }
}

}  // namespace db
