#include "db/OdbcQuery.h"

#include <algorithm>
#include <iterator>

#include "db/DbError.h"
#include "db/OdbcQueryStop.h"

// The query object's clean-up after a failed statement and its tracking of
// the open transaction and savepoint.
namespace db {

using namespace odbc;

bool OdbcQuery::cleanUp(const QString& statement) {
    try {
        connection_->execute(statement, false);
        return true;
    } catch (const Failure& f) {
        if (f.diagnostic.connectionLost) connection_.reset();
        return false;
    }
}

void OdbcQuery::fail(const QString& message, bool connectionLost, const QString& sqlState, int nativeCode,
                     bool cancelled) {
    stop_->leave();  // what follows is the clean-up: no "kill query" for it
    if (connectionLost) connection_.reset();  // reopened at the next statement
    // Undo what came after the savepoint (the failing part of a batch); the
    // transaction stays open with what came before it.
    if (!cancelled && inTransaction_ && connection_ && !savepoint_.isEmpty() &&
        cleanUp(QStringLiteral("rollback to savepoint ") + savepoint_))
        throw DbError(message, sqlState, nativeCode);
    // Never leave half a change open for a later statement to commit.
    if ((inTransaction_ || manualCommit_) && connection_) cleanUp(QStringLiteral("rollback"));
    inTransaction_ = false;
    savepoint_.clear();
    // A stop asked for by the user ends the whole transaction.
    if (cancelled) throw StatementCancelled(kCancelled);
    throw DbError(message, sqlState, nativeCode);
}

void OdbcQuery::trackTransaction(const QString& statement) {
    // Every marker begins with one of these words: other statements (a long
    // "replace into ..." among them) are passed over without copying them.
    const QStringView text = QStringView(statement).trimmed();
    static const QLatin1String heads[] = {QLatin1String("begin"),     QLatin1String("start"),
                                          QLatin1String("commit"),    QLatin1String("rollback"),
                                          QLatin1String("savepoint"), QLatin1String("release"),
                                          QLatin1String("set")};
    if (std::none_of(std::begin(heads), std::end(heads),
                     [text](QLatin1String head) { return text.startsWith(head, Qt::CaseInsensitive); }))
        return;
    QString s = statement.simplified().toLower();
    if (s.endsWith(QLatin1Char(';'))) s.chop(1);
    s = s.trimmed();
    if (s == QLatin1String("begin") || s == QLatin1String("begin work") ||
        s.startsWith(QLatin1String("start transaction"))) {
        inTransaction_ = true;
        savepoint_.clear();
    } else if (s == QLatin1String("commit") || s == QLatin1String("rollback") ||
               s == QLatin1String("commit work") || s == QLatin1String("rollback work")) {
        inTransaction_ = false;
        savepoint_.clear();
    } else if (s.startsWith(QLatin1String("savepoint "))) {
        if (inTransaction_) savepoint_ = s.mid(10).trimmed();
    } else if (s.startsWith(QLatin1String("release savepoint "))) {
        if (s.mid(18).trimmed() == savepoint_) savepoint_.clear();
    }
    else if (s.startsWith(QLatin1String("set")) && s.contains(QLatin1String("autocommit")) && connection_) {
        // Typed in the SQL console: with autocommit off every statement is
        // part of an open transaction. The server says which it is now (the
        // text may set it among other variables, through an expression...).
        manualCommit_ = true;  // when the server cannot say, errors roll back
        try {
            const OdbcConnection::Outcome now = connection_->execute(QStringLiteral("select @@session.autocommit"), true);
            manualCommit_ = !now.rows || now.rows->rowCount() < 1 || now.rows->text(0, 0) != QLatin1String("1");
        } catch (const Failure&) {
        }
    }
}

}  // namespace db
