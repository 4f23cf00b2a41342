#include "db/OdbcQuery.h"

#include <QCoreApplication>
#include <QThread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "db/BlankCut.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/OdbcQueryStop.h"
#include "db/SqlText.h"
#include "db/StatementFeed.h"
#include "db/StatementThread.h"
#include "db/StatementWatcher.h"

namespace db {

using namespace odbc;

namespace {

// A fetched result at least this large is worth giving the driver's freed
// copy of it back to the system.
constexpr std::size_t kTrimAfterBytes = 4u << 20;

std::function<void(const QString&)>& beforeSend() {
    static std::function<void(const QString&)> callback;
    return callback;
}
}  // namespace

void OdbcQuery::setTimeouts(const Timeouts& t) { timeouts() = t; }

void OdbcQuery::setBoundCellLimit(std::size_t bytes) { boundCellLimit() = SQLULEN(bytes); }

void OdbcQuery::setBeforeSend(std::function<void(const QString&)> callback) {
    beforeSend() = std::move(callback);
}

OdbcQuery::OdbcQuery(QObject* parent)
    : Query(parent),
      thread_(std::make_shared<StatementThread>()),
      stop_(std::make_unique<Stop>()),
      alive_(std::make_shared<bool>(true)) {}

OdbcQuery::~OdbcQuery() {
    // Destroyed while its statement runs (its window went away): the
    // statement is stopped and waited for; the waiting call sees that the
    // object is gone.
    *alive_ = false;
    if (busy_) {
        stop_->request();
        thread_->wait();
        busy_ = false;
    }
    stop_->join();
    releaseHandle();
}

void OdbcQuery::releaseHandle() {
    // On the thread that used it (see OdbcConnection::releaseHandle).
    if (!connection_ || busy_) return;
    thread_->start([this] { connection_->releaseHandle(); });
    thread_->wait();
}

void OdbcQuery::cancel() {
    if (busy_) stop_->request();
}

bool OdbcQuery::isConnected() const { return connection_ != nullptr; }

void OdbcQuery::setConnectionString(const QString& text) {
    if (text == connectionString_) return;
    // A timer or a signal may run a handler of the same window while its
    // statement runs: the statement's text and connection are not touched.
    if (busy_) throw DbError(kStillRunning);
    close();
    releaseHandle();
    connection_.reset();  // the server rolls back whatever was open
    inTransaction_ = false;
    savepoint_.clear();
    connectionString_ = text;
}

void OdbcQuery::close() {
    row_ = 0;
    if (result_) {
        result_.reset();
        emit resultChanged();
    }
}

void OdbcQuery::setSql(const QString& statement) {
    // A timer or a signal may run a handler of the same window while its
    // statement runs: the statement's text and connection are not touched.
    if (busy_) throw DbError(kStillRunning);
    close();
    sql_ = statement;
}

namespace {

// A connection unused for this long is asked whether the server is still
// there before the next statement outside a transaction (a restart takes
// longer than this).
constexpr qint64 kIdleBeforeCheckMs = 250;

// "commit" or "rollback": a statement that ends a transaction.
bool endsTransaction(const QString& statement) {
    const QString s = statement.simplified().toLower();
    return s.startsWith(QLatin1String("commit")) ||
           (s.startsWith(QLatin1String("rollback")) && !s.startsWith(QLatin1String("rollback to")));
}

bool isPlainRollback(const QString& statement) {
    return statement.trimmed().compare(QLatin1String("rollback"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool OdbcQuery::send(Want want, qint64* affected) {
    if (busy_) throw DbError(kStillRunning);
    close();
    // only what the windows send: work on a thread of its own (the indexer) is not counted
    const QCoreApplication* app = QCoreApplication::instance();
    if (beforeSend() && (!app || QThread::currentThread() == app->thread())) beforeSend()(sql_);
    Outcome outcome;
    runJob([&] { perform(want, outcome); });

    if (affected) *affected = outcome.affected;
    if (outcome.hadRows) return true;  // rows were not wanted here
    if (outcome.rows) {
        result_ = std::move(outcome.rows);
        row_ = 0;
        emit resultChanged();
        return true;
    }
    return false;
}

void OdbcQuery::sendOne(const QString& statement, QVector<qint64>& counts) {
    sql_ = statement;
    if (!connection_ && isPlainRollback(sql_)) {
        counts << 0;
        return;
    }
    Outcome outcome;
    perform(Want::Count, outcome);
    counts << outcome.affected;
}

void OdbcQuery::startRuns() {
    if (busy_) throw DbError(kStillRunning);
    close();
}

QVector<qint64> OdbcQuery::execAll(const QStringList& statements) {
    // The fault tests' callback sees each statement just before it goes.
    if (beforeSend()) return Query::execAll(statements);
    startRuns();
    QVector<qint64> counts;
    counts.reserve(statements.size());
    if (statements.isEmpty()) return counts;
    runJob([&] { sendRun(statements, counts); });  // one hand-off for the whole run
    return counts;
}

bool OdbcQuery::execAllThenEnd(const QStringList& statements, const RunCheck& commitWhen, QVector<qint64>& counts) {
    if (beforeSend()) return Query::execAllThenEnd(statements, commitWhen, counts);
    return OdbcQuery::execMadeThenEnd(addingAll(statements), commitWhen, counts);
}

bool OdbcQuery::execMadeThenEnd(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts) {
    if (beforeSend()) return Query::execMadeThenEnd(make, commitWhen, counts);
    if (together_) return madeThenTogether(make, commitWhen, counts);
    startRuns();
    counts.clear();
    StatementFeed feed;
    bool commit = false;
    // The statement thread sends each statement as it comes, while this
    // thread makes the next; the first failure ends the job (what is made
    // after it is not sent).
    runJob(
        [&] {
            for (QString statement; feed.next(statement);) sendOne(statement, counts);
            if (!feed.whole()) return;  // the making failed: the caller's error goes on
            commit = commitWhen(counts);
            sendOne(commit ? QStringLiteral("commit") : QStringLiteral("rollback"), counts);
            counts.removeLast();  // the closing statement's
        },
        [&] {
            try {
                make(feed);
            } catch (...) {
                feed.close(false);
                throw;
            }
            feed.close(true);
        });
    return commit;
}

void OdbcQuery::execRuns(const QVector<QStringList>& runs, const RunCheck& goOn, QVector<QVector<qint64>>& counts,
                         const std::function<void()>& meanwhile) {
    if (beforeSend()) return Query::execRuns(runs, goOn, counts, meanwhile);
    startRuns();
    counts.clear();
    counts.reserve(runs.size());
    if (runs.isEmpty()) {
        if (meanwhile) meanwhile();
        return;
    }
    runJob([&] {
        for (const QStringList& run : runs) {
            QVector<qint64> done;
            done.reserve(run.size());
            sendRun(run, done);
            counts << std::move(done);
            if (!goOn(counts.last())) return;
        }
    }, meanwhile);
}

void OdbcQuery::runJob(const std::function<void()>& job, const std::function<void()>& meanwhile) {
    stop_->reset();
    std::exception_ptr error;
    busy_ = true;
    const std::shared_ptr<StatementThread> thread = thread_;
    const std::shared_ptr<bool> alive = alive_;
    thread->start([&] {
        try {
            job();
        } catch (...) {
            error = std::current_exception();
        }
        // The statements of a job share a handle, kept for the next job
        // (always on this thread); after a failure it goes at once.
        if (error && connection_) connection_->releaseHandle();
    });
    // Whatever the caller does meanwhile, the job is waited for before this
    // returns or throws: it works on this frame's variables.
    std::exception_ptr meanwhileError;
    if (meanwhile) {
        try {
            meanwhile();
        } catch (...) {
            meanwhileError = std::current_exception();
        }
    }
    if (!thread->waitFor(StatementWatcher::kQuietMs)) {
        if (StatementWatcher* watcher = StatementWatcher::current())
            watcher->stillRunning(*thread, this, [this] { cancel(); });
        else
            thread->wait();
    }
    if (!*alive) throw StatementCancelled(kCancelled);  // the query object is gone
    busy_ = false;
    stop_->join();  // a stop on its way must not reach the next statement
    if (error) std::rethrow_exception(error);
    if (meanwhileError) std::rethrow_exception(meanwhileError);
}

void OdbcQuery::connectIfNeeded() {
    const bool open = inTransaction_ || manualCommit_;
    // Outside a transaction a connection that the server dropped in the
    // meantime (a restart) is replaced at once: nothing is lost with it.
    if (connection_ && !open && connection_->idleMs() > kIdleBeforeCheckMs && connection_->dead())
        connection_.reset();
    if (connection_) return;
    QString odbc = odbcConnectionString(connectionString_, together_);
    connection_ = std::make_unique<OdbcConnection>(odbc);
    stop_->setTarget(odbc, connection_->id(), connection_->server());
    connection_->setStopCheck([stop = stop_.get()] { return stop->isRequested(); });
    inTransaction_ = false;
    savepoint_.clear();
    manualCommit_ = false;
}

void OdbcQuery::failWith(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Failure& f) {
        const bool lost = f.diagnostic.connectionLost || (connection_ && connection_->dead());
        fail(f.diagnostic.text, lost, f.diagnostic.sqlState, f.diagnostic.nativeCode, stop_->isRequested());
    } catch (const StatementCancelled&) {
        throw;
    } catch (const DbError& e) {
        fail(e.message(), false, e.sqlState(), e.nativeCode(), stop_->isRequested());
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()), false, {}, 0, stop_->isRequested());
    }
}

void OdbcQuery::perform(Want want, Outcome& outcome) {
    try {
        // Such a connection would run every statement of a text: one that
        // could hold more than one is not sent.
        if (together_ && !isOneStatement(sql_))
            throw DbError(QStringLiteral("语句中有分号、注释或双引号，这个窗口不发送（只发送单条语句）"));
        connectIfNeeded();
        if (!stop_->enter()) fail(kCancelled, false, {}, 0, true);
        // Such a statement is checked for values the server cut; on its own it
        // runs in a transaction of its own, so that a refused value leaves
        // nothing behind.
        const bool stores = mayCutBlanks(sql_);
        const bool own = stores && !inTransaction_ && !manualCommit_;
        if (own) {
            connection_->execute(QStringLiteral("begin"), false);
            inTransaction_ = true;
        }
        static_cast<OdbcConnection::Outcome&>(outcome) = connection_->execute(sql_, want != Want::Count);
        if (stores && outcome.affected > 0) connection_->refuseAlteredValues();
        if (own) {
            if (stop_->isRequested()) fail(kCancelled, false, {}, 0, true);
            connection_->execute(QStringLiteral("commit"), false);
            inTransaction_ = false;
        }
        stop_->leave();
    } catch (const Failure&) {
        failWith(std::current_exception());
    } catch (const std::exception&) {
        failWith(std::current_exception());
    }
    // A stop that came after the server had finished: rows that were asked
    // for are not shown, and a change inside a transaction is rolled back;
    // a change outside one is done and stays reported as done.
    if (stop_->isRequested() && (outcome.rows || outcome.hadRows || (inTransaction_ && !endsTransaction(sql_))))
        fail(kCancelled, false, {}, 0, true);
    if (want == Want::Rows && !outcome.rows) fail(QStringLiteral("语句没有返回结果集"), false);
    trackTransaction(sql_);
#ifdef __GLIBC__
    // The driver held its own copy of the whole result until the statement
    // was freed; the allocator keeps such memory unless asked to return it.
    if (outcome.rows && outcome.rows->bytesReserved() >= kTrimAfterBytes) malloc_trim(0);
#endif
}

void OdbcQuery::open() { send(Want::Rows, nullptr); }

qint64 OdbcQuery::execSql() {
    // With no connection held nothing is open (the server rolled back what
    // was open when the connection went): a "rollback" has nothing to undo
    // and opens no connection (the server may not be answering).
    if (!connection_ && isPlainRollback(sql_)) {
        close();
        return 0;
    }
    qint64 affected = 0;
    send(Want::Count, &affected);
    return affected;
}

bool OdbcQuery::run() { return send(Want::Either, nullptr); }

QString OdbcQuery::field(int column) const {
    if (!result_ || row_ >= result_->rowCount()) return QString();
    if (column < 0 || column >= result_->columnCount())
        throw DbError(QStringLiteral("结果集中没有第 %1 列").arg(column));
    return result_->text(row_, column);
}

qint64 OdbcQuery::recordCount() const {
    if (!result_) throw DbError(QStringLiteral("结果集未打开"));
    return result_->rowCount();
}

void OdbcQuery::next() {
    if (result_ && row_ < result_->rowCount()) ++row_;
}

bool OdbcQuery::eof() const { return !result_ || row_ >= result_->rowCount(); }

}  // namespace db
