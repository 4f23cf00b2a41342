#pragma once

#include <functional>
#include <memory>

#include "db/Query.h"

namespace db {

class OdbcConnection;
class StatementThread;

// The query object over the ODBC API. The result is fetched in blocks of rows
// into a compact ResultSet and the driver's statement is freed right after.
// A "begin" sent through it is tracked: an error before the matching "commit"
// or "rollback" rolls the transaction back before the error is reported, and
// a "savepoint" sent inside it narrows that to a "rollback to savepoint"
// (the transaction stays open with what came before the savepoint), and
// a connection the server dropped is reopened at the next statement (outside
// a transaction and after a pause, before that statement fails on it). A
// value the server would store cut (blanks beyond its column) is refused with
// an error, and nothing of the statement stays.
//
// Each statement, with the fetch of its rows, runs on a thread of the query
// object's own while the calling window thread waits for it with the window
// still painting (see StatementWatcher); the connection is used by one thread at a
// time. cancel() stops the running statement with "kill query" sent over a
// second connection: the call fails with StatementCancelled, the connection
// stays usable, and an open transaction is rolled back.
class OdbcQuery : public Query {
    Q_OBJECT
public:
    explicit OdbcQuery(QObject* parent = nullptr);
    ~OdbcQuery() override;

    void setConnectionString(const QString& text) override;
    QString connectionString() const override { return connectionString_; }
    void close() override;
    void setSql(const QString& statement) override;
    QString sql() const override { return sql_; }
    void open() override;
    qint64 execSql() override;
    using Query::execSql;
    QVector<qint64> execAll(const QStringList& statements) override;
    bool execAllThenEnd(const QStringList& statements, const RunCheck& commitWhen, QVector<qint64>& counts) override;
    bool execMadeThenEnd(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts) override;
    void execRuns(const QVector<QStringList>& runs, const RunCheck& goOn, QVector<QVector<qint64>>& counts,
                  const std::function<void()>& meanwhile = {}) override;
    bool run() override;
    bool isOpen() const override { return result_ != nullptr; }
    QString field(int column) const override;
    qint64 recordCount() const override;
    void next() override;
    bool eof() const override;
    std::shared_ptr<const ResultSet> result() const override { return result_; }
    void cancel() override;
    bool busy() const override { return busy_; }

    // Runs together: several statements of a run go to the server in one
    // text where they can (the connection allows that only then; changing it
    // lets the connection go, as a new connection string does). The counts,
    // the errors and the clean-up after a failure stay as when each went
    // alone.
    void setRunsTogether(bool on) override;
    bool inTransaction() const { return inTransaction_; }

    // How long the program waits for the server, in seconds. A statement may
    // run for 30 seconds on the server (the command time-out; the server ends
    // it then). A connection waits 40 seconds for an answer or for the server
    // to take what is sent (the statement's 30 seconds plus room for the
    // answer to arrive): after that the server counts as gone. Opening a
    // connection waits 10 seconds. Tests shorten them.
    struct Timeouts {
        int connectSeconds = 10;
        int readSeconds = 40;
        int writeSeconds = 40;
        int statementSeconds = 30;
    };
    // Applies to connections opened afterwards.
    static void setTimeouts(const Timeouts& timeouts);
    // Caps the cells of the block fetch at this many bytes (0: no cap), as a
    // driver that under-reports column sizes would (tests).
    static void setBoundCellLimit(std::size_t bytes);

    // Called with each statement sent from the program's main thread, just
    // before it is sent (fault tests use it to stop the server at a chosen
    // statement); empty by default.
    static void setBeforeSend(std::function<void(const QString&)> callback);
    // True while a connection to the server is held.
    bool isConnected() const;

private:
    enum class Want { Rows, Count, Either };
    struct Stop;
    struct Outcome;
    bool send(Want want, qint64* affected);
    // Runs a job on the statement thread and waits for it (the watcher told
    // when it takes a while); an error of the job is thrown on.
    // `meanwhile` runs on the calling thread while the job runs.
    void runJob(const std::function<void()>& job, const std::function<void()>& meanwhile = {});
    // execMadeThenEnd with runs together: the whole run is made first, then
    // sent in as few texts as it can.
    bool madeThenTogether(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts);
    // Checks that no statement runs and ends the open result set.
    void startRuns();
    // On the statement thread: sends each statement as execSql would (runs
    // together: several in one text where they can), appending its count;
    // the first failure throws.
    void sendRun(const QStringList& statements, QVector<qint64>& counts);
    void sendOne(const QString& statement, QVector<qint64>& counts);
    // Statements that may share a text go in one; the counts and the error
    // as sendOne's one after another.
    void sendTogether(const QStringList& statements, QVector<qint64>& counts);
    // Replaces a connection that the server dropped meanwhile (outside a
    // transaction) and opens one when none is held.
    void connectIfNeeded();
    // Cleans up after a failed statement and throws its error as DbError
    // (a stop as StatementCancelled).
    [[noreturn]] void failWith(std::exception_ptr error);
    // The statement thread's part of send().
    void perform(Want want, Outcome& outcome);
    void trackTransaction(const QString& statement);
    // Frees the statement handle kept between jobs before the connection
    // goes on this thread.
    void releaseHandle();
    // Sends a statement that undoes part of a failed change; false when it
    // failed too (a lost connection is let go).
    bool cleanUp(const QString& statement);
    [[noreturn]] void fail(const QString& message, bool connectionLost, const QString& sqlState = {},
                           int nativeCode = 0, bool cancelled = false);

    QString connectionString_;
    QString sql_;
    std::unique_ptr<OdbcConnection> connection_;
    std::shared_ptr<const ResultSet> result_;
    qint64 row_ = 0;
    bool inTransaction_ = false;
    bool manualCommit_ = false;  // autocommit switched off in this session
    bool busy_ = false;
    bool together_ = false;
    std::shared_ptr<StatementThread> thread_;
    std::unique_ptr<Stop> stop_;
    std::shared_ptr<bool> alive_;
    QString savepoint_;          // the latest savepoint of the open transaction
};

}  // namespace db
