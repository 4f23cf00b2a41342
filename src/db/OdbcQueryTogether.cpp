#include "db/OdbcQuery.h"

#include <algorithm>

#include "db/BlankCut.h"
#include "db/DbError.h"
#include "db/OdbcQueryStop.h"
#include "db/SqlText.h"
#include "db/StatementThread.h"

// Runs together: the statements of a run that may share a text go to the
// server in one, walked result by result, so that a paper's rows take one
// round trip instead of one each.
namespace db {

using namespace odbc;

namespace {

bool isBegin(const QString& statement) {
    return QStringView(statement).trimmed().compare(QLatin1String("begin"), Qt::CaseInsensitive) == 0;
}

// A row change whose values are all plain literals and that no value the
// server might cut (see mayCutBlanks) or any text past its end could make
// more than it says; or "begin", at the head of a text.
bool goesTogether(const QString& statement) {
    if (isBegin(statement)) return true;
    const QStringView text = QStringView(statement).trimmed();
    static const QLatin1String heads[] = {QLatin1String("insert "), QLatin1String("replace "),
                                          QLatin1String("update "), QLatin1String("delete ")};
    bool change = false;
    for (QLatin1String head : heads) change = change || text.startsWith(head, Qt::CaseInsensitive);
    return change && isOneStatement(statement) && !text.endsWith(QLatin1Char(';')) && !mayCutBlanks(statement);
}

}  // namespace

void OdbcQuery::setRunsTogether(bool on) {
    if (on == together_) return;
    if (busy_) throw DbError(kStillRunning);
    close();
    releaseHandle();
    connection_.reset();  // opened again with or without several statements per text
    inTransaction_ = false;
    savepoint_.clear();
    together_ = on;
}

void OdbcQuery::sendRun(const QStringList& statements, QVector<qint64>& counts) {
    // Each statement goes as execSql would send it, those that may share a
    // text in one; the first failure (cleaned up) ends the run.
    const qsizetype n = statements.size();
    for (qsizetype i = 0; i < n;) {
        qsizetype end = i;
        if (together_)
            while (end < n && goesTogether(statements.at(end)) && (end == i || !isBegin(statements.at(end)))) ++end;
        if (end - i < 2) {
            sendOne(statements.at(i++), counts);
            continue;
        }
        sendTogether(statements.mid(i, end - i), counts);
        i = end;
    }
}

void OdbcQuery::sendTogether(const QStringList& statements, QVector<qint64>& counts) {
    const qsizetype before = counts.size();
    try {
        connectIfNeeded();
        if (!stop_->enter()) fail(kCancelled, false, {}, 0, true);
        connection_->executeTogether(statements, counts);
        stop_->leave();
    } catch (...) {
        sql_ = statements.at(std::min(counts.size() - before, statements.size() - 1));
        // What went through before the failing statement (a "begin") counts
        // for the clean-up.
        for (qsizetype k = before; k < counts.size(); ++k) trackTransaction(statements.at(k - before));
        failWith(std::current_exception());
    }
    sql_ = statements.last();
    for (const QString& statement : statements) trackTransaction(statement);
    // A stop that came after the server had finished: the change is rolled
    // back when it is inside a transaction, else stays reported as done.
    if (stop_->isRequested() && inTransaction_) fail(kCancelled, false, {}, 0, true);
}

bool OdbcQuery::madeThenTogether(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts) {
    startRuns();
    counts.clear();
    StatementFeed feed;
    const std::exception_ptr makeError = makeAll(make, feed);
    const QStringList made = feed.made();
    bool commit = false;
    runJob([&] {
        if (!made.isEmpty()) sendRun(made, counts);
        if (makeError) return;  // what was made went; the making's error goes on
        commit = commitWhen(counts);
        sendOne(commit ? QStringLiteral("commit") : QStringLiteral("rollback"), counts);
        counts.removeLast();  // the closing statement's
    });
    if (makeError) std::rethrow_exception(makeError);
    return commit;
}

}  // namespace db
