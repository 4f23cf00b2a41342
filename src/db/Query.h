#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <exception>
#include <functional>
#include <memory>

#include "db/ResultSet.h"
#include "db/StatementFeed.h"

namespace db {

// What every window needs of its query object: one statement at a time over a
// connection of its own, kept while the connection string stays the same.
// Database failures throw DbError.
class Query : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Query() override = default;

    virtual void setConnectionString(const QString& text) = 0;
    virtual QString connectionString() const = 0;

    // Ends the current result set; harmless when none is open.
    virtual void close() = 0;
    // Replaces the statement text (and ends any open result set).
    virtual void setSql(const QString& statement) = 0;
    virtual QString sql() const = 0;

    // Sends the statement and makes its whole result the current result set.
    // A statement that returns no result set is an error.
    virtual void open() = 0;
    // Sends a statement that returns no rows; returns the rows it affected.
    virtual qint64 execSql() = 0;
    // Sends the statement once; true when it returned a result set, which is
    // then open as after open().
    virtual bool run() = 0;

    virtual bool isOpen() const = 0;
    // Text of column i of the current row; empty for NULL and for no rows.
    virtual QString field(int column) const = 0;
    // Rows of the open result set; an error when none is open.
    virtual qint64 recordCount() const = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    // The open result for a grid, or null.
    virtual std::shared_ptr<const ResultSet> result() const = 0;

    // Stops the running statement at the server; the call that sent it then
    // fails with StatementCancelled. Called on the window thread while the
    // query object waits for its statement; harmless when none runs.
    virtual void cancel() {}
    // True while a statement is on its way or running.
    virtual bool busy() const { return false; }

    // Lets the statements of a run (execAll, execAllThenEnd, execMadeThenEnd,
    // execRuns) reach the server several in one text where they can: row
    // changes in plain literals, as the program makes them with every value
    // quoted. Off by default: a query object that sends statements typed or
    // made elsewhere (the SQL console) never sends more than one per text.
    virtual void setRunsTogether(bool on) { (void)on; }

    // Convenience: close, replace the statement, then open / execute / run.
    void openSql(const QString& statement) { close(); setSql(statement); open(); }
    qint64 execSql(const QString& statement) { close(); setSql(statement); return execSql(); }

    // Executes the statements in order, as execSql would one after another, and
    // returns the rows each affected. The first that fails throws as execSql
    // does (with the same clean-up), and those after it are not sent. A query
    // object may send them as one job of its statement thread.
    virtual QVector<qint64> execAll(const QStringList& statements) {
        QVector<qint64> counts;
        counts.reserve(statements.size());
        for (const QString& s : statements) counts << execSql(s);
        return counts;
    }

    // Tells from the counts of a run whether it went as wanted.
    using RunCheck = std::function<bool(const QVector<qint64>& counts)>;

    // Executes the statements as execAll does, then "commit" when `commitWhen`
    // accepts their counts and "rollback" when it does not; true when
    // committed. `counts` gets the count of each statement as it is done, so
    // after a failure its size tells where the run stopped (the size of
    // `statements` when the closing statement failed). A query object may
    // send it all as one job of its statement thread.
    virtual bool execAllThenEnd(const QStringList& statements, const RunCheck& commitWhen, QVector<qint64>& counts) {
        return Query::execMadeThenEnd(addingAll(statements), commitWhen, counts);
    }

    // Makes the statements of a run on the calling thread (`make` adds them to
    // the feed), executes them in order as execAllThenEnd does and ends the
    // run the same way. A query object may send each statement while the next
    // ones are still being made. When `make` throws, the statements it added
    // before are still executed and the run is not ended (no "commit" or
    // "rollback"); then its error is thrown, unless a statement failed, whose
    // error comes first. Here all are made before the first is sent.
    using Maker = std::function<void(StatementFeed& feed)>;
    virtual bool execMadeThenEnd(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts) {
        StatementFeed feed;
        const std::exception_ptr makeError = makeAll(make, feed);
        counts.clear();
        for (QString statement; feed.next(statement);) counts << execSql(statement);
        if (makeError) std::rethrow_exception(makeError);
        const bool commit = commitWhen(counts);
        execSql(commit ? QStringLiteral("commit") : QStringLiteral("rollback"));
        return commit;
    }
    // Runs the making to its end and closes the feed; its error, if any.
    static std::exception_ptr makeAll(const Maker& make, StatementFeed& feed) {
        std::exception_ptr error;
        try {
            make(feed);
        } catch (...) {
            error = std::current_exception();
        }
        feed.close(!error);
        return error;
    }
    static Maker addingAll(const QStringList& statements) {
        return [&statements](StatementFeed& feed) {
            for (const QString& s : statements) feed.add(s);
        };
    }

    // Executes runs of statements one after another, each as execAll does,
    // and stops after the first run whose counts `goOn` refuses. The counts of
    // each run are appended to `counts` when it is done, so after a failure
    // (thrown as execAll throws it) `counts` holds the runs before the failing
    // one. A query object may send them all as one job of its statement thread.
    // `meanwhile` (when given) is called on the calling thread while the runs
    // are on their way (here: before they go); it must not throw.
    virtual void execRuns(const QVector<QStringList>& runs, const RunCheck& goOn, QVector<QVector<qint64>>& counts,
                          const std::function<void()>& meanwhile = {}) {
        if (meanwhile) meanwhile();
        counts.clear();
        for (const QStringList& run : runs) {
            counts << execAll(run);
            if (!goOn(counts.last())) return;
        }
    }

signals:
    // The open result set appeared, changed or went away.
    void resultChanged();
};

}  // namespace db
