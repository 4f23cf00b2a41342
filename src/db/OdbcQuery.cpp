#include "db/OdbcQuery.h"

#include <QCoreApplication>
#include <QThread>

#include <sql.h>
#include <sqlext.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QElapsedTimer>
#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

#include "busy/BusyWait.h"
#include "busy/StatementThread.h"

#include "db/BlankCut.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"

namespace db {

namespace {

// Largest column, in bytes, fetched through bound row arrays; wider ones are
// read cell by cell.
constexpr SQLULEN kBoundColumnLimit = 16384;
// Memory for one block of bound rows: small enough to stay in the processor's
// cache between the driver's copy into it and ours out of it.
constexpr SQLULEN kBlockBytes = 512u << 10;
constexpr SQLULEN kMaxBlockRows = 1024;
// A fetched result at least this large is worth giving the driver's freed
// copy of it back to the system.
constexpr std::size_t kTrimAfterBytes = 4u << 20;

QString fromWide(const SQLWCHAR* text, qsizetype length) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

struct Diagnostic {
    QString text;
    bool connectionLost = false;
    QString sqlState;  // of the first record
    int nativeCode = 0;
};

Diagnostic diagnose(SQLSMALLINT type, SQLHANDLE handle) {
    Diagnostic d;
    QStringList texts;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(type, handle, i, state, &native, message,
                                      SQLSMALLINT(std::size(message)), &length);
        if (!SQL_SUCCEEDED(rc)) break;
        QString s = fromWide(state, 5);
        if (i == 1) {
            d.sqlState = s;
            d.nativeCode = int(native);
        }
        texts << fromWide(message, std::min<qsizetype>(length, std::size(message) - 1));
        // gone away, lost during a query, lost at reading, killed, idle too long
        if (native == 2006 || native == 2013 || native == 2055 || native == 1927 || native == 4031 ||
            s.startsWith(QLatin1String("08")))
            d.connectionLost = true;
    }
    d.text = texts.join(QLatin1Char(' '));
    if (d.text.isEmpty()) d.text = QStringLiteral("数据库错误（驱动没有给出原因）");
    return d;
}

SQLHENV environment() {
    static SQLHENV env = [] {
        SQLHENV e = SQL_NULL_HENV;
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &e);
        SQLSetEnvAttr(e, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return e;
    }();
    return env;
}

struct Failure {
    Diagnostic diagnostic;
};

// Which server a connection reached.
const QString kServerName = QStringLiteral("select concat(@@hostname, ':', @@port)");

bool isCreate(const QString& statement) {
    const QStringView text = QStringView(statement).trimmed();
    return text.size() > 6 && text.left(6).compare(QLatin1String("create"), Qt::CaseInsensitive) == 0 &&
           text.at(6).isSpace();
}

OdbcQuery::Timeouts& timeouts() {
    static OdbcQuery::Timeouts t;
    return t;
}

SQLULEN& boundCellLimit() {
    static SQLULEN limit = 0;
    return limit;
}

// A statement that failed after waiting about as long as the read time-out
// for the server lost its connection to the time-out; the server's own
// statement time-out has its own error code.
void explainTimeOut(Diagnostic& d, qint64 waitedMs) {
    const OdbcQuery::Timeouts& t = timeouts();
    if (d.nativeCode == 1969)
        d.text = QStringLiteral("语句执行超过 %1 秒，已被服务器中止（超时）。").arg(t.statementSeconds) + d.text;
    else if (d.connectionLost && waitedMs >= qint64(t.readSeconds) * 1000 - 250)
        d.text = QStringLiteral("数据库服务器 %1 秒内没有应答，连接已断开（超时）。").arg(t.readSeconds) + d.text;
}

}  // namespace

class OdbcConnection {
public:
    // `settle`: the session is put right for the program's statements (not
    // needed by a connection that only sends a "kill query").
    explicit OdbcConnection(const QString& odbcString, bool settle = true) {
        const OdbcQuery::Timeouts& t = timeouts();
        SQLAllocHandle(SQL_HANDLE_DBC, environment(), &dbc_);
        SQLSetConnectAttr(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(t.connectSeconds)), 0);
        // The driver takes its socket time-outs only from the connection string.
        std::u16string text = (odbcString + QStringLiteral(";CONN_TIMEOUT=%1;READ_TIMEOUT=%2;WRITE_TIMEOUT=%3")
                                                .arg(t.connectSeconds)
                                                .arg(t.readSeconds)
                                                .arg(t.writeSeconds))
                                   .toStdU16String();
        QElapsedTimer clock;
        clock.start();
        SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, reinterpret_cast<SQLWCHAR*>(text.data()), SQL_NTS,
                                         nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        if (!SQL_SUCCEEDED(rc)) {
            Diagnostic d = diagnose(SQL_HANDLE_DBC, dbc_);
            if (clock.elapsed() >= qint64(t.connectSeconds) * 1000 - 250)
                d.text = QStringLiteral("连接数据库服务器超时（%1 秒内没有应答）。").arg(t.connectSeconds) + d.text;
            SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
            dbc_ = SQL_NULL_HDBC;
            throw Failure{d};
        }
        if (!settle) return;
        try {
            this->settle();
        } catch (...) {
            SQLDisconnect(dbc_);
            SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
            dbc_ = SQL_NULL_HDBC;
            throw;
        }
    }
    ~OdbcConnection() {
        if (dbc_ != SQL_NULL_HDBC) {
            SQLDisconnect(dbc_);
            SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        }
    }
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // True when the server side of the connection is gone (the driver pings
    // it), or the driver cannot even say.
    bool dead() {
        SQLUINTEGER state = SQL_CD_FALSE;
        SQLRETURN rc = SQLGetConnectAttr(dbc_, SQL_ATTR_CONNECTION_DEAD, &state, 0, nullptr);
        return !SQL_SUCCEEDED(rc) || state == SQL_CD_TRUE;
    }

    // Milliseconds since the last statement on this connection.
    qint64 idleMs() const { return sinceUse_.elapsed(); }

    // The server's id of this connection, and the server it is on.
    quint64 id() const { return id_; }
    const QString& server() const { return server_; }

    // Asked between blocks of fetched rows: true stops the fetch (the user
    // cancelled while the rows were arriving).
    void setStopCheck(std::function<bool()> stopped) { stopped_ = std::move(stopped); }

    // Stops the statement that connection `id` on `server` is running, from
    // a connection of its own: callable from any thread while that connection
    // is busy. Behind a balancer (a cluster) a new connection may reach
    // another node, where the id is somebody else's: only the same server is
    // asked to kill, else the statement ends by itself or by its time-out.
    static void killQuery(const QString& odbcString, quint64 id, const QString& server) {
        for (int attempt = 0; attempt < 6; ++attempt) {
            OdbcConnection killer(odbcString, false);
            const Outcome here = killer.execute(kServerName, true);
            if (!here.rows || here.rows->rowCount() < 1 || here.rows->text(0, 0) != server) continue;
            killer.execute(QStringLiteral("kill query %1").arg(id), false);
            return;
        }
    }

    // Refuses a change that the server made only in part: a value cut to its
    // column (trailing blanks beyond the column length are cut with a mere
    // note, whatever the SQL mode) or otherwise altered on the way in.
    void refuseAlteredValues() {
        Outcome w = execute(QStringLiteral("show warnings"), true);
        if (!w.rows) return;
        for (qint64 r = 0; r < w.rows->rowCount(); ++r) {
            const int code = w.rows->text(r, 1).toInt();
            if (code == 1265 || code == 1264 || code == 1292 || code == 1366 || code == 1406)
                throw Failure{{QStringLiteral("值过长或不合列的要求，未保存：") + w.rows->text(r, 2), false, {}, 0}};
        }
    }

    struct Outcome {
        std::shared_ptr<ResultSet> rows;  // set when a result set came back
        bool hadRows = false;             // a result set came back unread
        qint64 affected = 0;
    };

    Outcome execute(const QString& statement, bool wantRows) {
        // The text goes with its terminating NUL, not with a length: given a
        // length, this driver (3.1.15) reads one character past it and writes
        // one byte past its own copy of the statement, corrupting the heap; and
        // after a statement with a character outside the BMP (an emoji, 𠀀) the
        // next such one failed. A statement holding a raw NUL would be cut
        // short there: it is refused instead (typed values reach the server as
        // the escape \0).
        if (statement.contains(QChar(0)))
            throw Failure{{QStringLiteral("语句中含有空字符（NUL），未发送"), false, {}, 0}};
        sinceUse_.start();
        try {
            return run(statement, wantRows);
        } catch (Failure& f) {
            explainTimeOut(f.diagnostic, sinceUse_.elapsed());
            throw;
        }
    }

private:
    Outcome run(const QString& statement, bool wantRows) {
        Statement st(dbc_);
        std::u16string text = statement.toStdU16String();
        SQLRETURN rc = SQLExecDirectW(st.handle, reinterpret_cast<SQLWCHAR*>(text.data()), SQL_NTS);
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) st.fail();

        Outcome out;
        bool first = true;
        for (;;) {
            SQLSMALLINT columns = 0;
            st.check(SQLNumResultCols(st.handle, &columns));
            if (columns > 0) {
                if (wantRows) out.rows = fetch(st, columns, stopped_);
                else out.hadRows = true;
                break;
            }
            if (first) {
                SQLLEN count = 0;
                if (rc != SQL_NO_DATA) st.check(SQLRowCount(st.handle, &count));
                out.affected = count < 0 ? 0 : count;
                first = false;
            }
            if (!wantRows) break;
            rc = SQLMoreResults(st.handle);
            if (rc == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(rc)) st.fail();
        }
        // A "create" gives no further result, and after one whose body holds
        // semicolons (a trigger, an event) this driver (3.1.15) crashes in
        // SQLMoreResults.
        if (!isCreate(statement)) st.drain();
        return out;
    }

    // The program escapes values with backslashes, relies on the server
    // refusing values too long for their columns, and commits each statement
    // outside "begin"/"commit" by itself. A session set up otherwise (by the
    // data source's start statement or the server's defaults) is put right.
    void settle() {
        Outcome now = execute(
            QStringLiteral("select @@session.sql_mode, @@session.autocommit, connection_id(), ") + kServerName.mid(7), true);
        if (!now.rows || now.rows->rowCount() < 1) return;
        id_ = now.rows->text(0, 2).toULongLong();
        server_ = now.rows->text(0, 3);
        QStringList modes = now.rows->text(0, 0).split(QLatin1Char(','), Qt::SkipEmptyParts);
        bool changed = modes.removeAll(QStringLiteral("NO_BACKSLASH_ESCAPES")) > 0;
        if (!modes.contains(QLatin1String("STRICT_TRANS_TABLES")) && !modes.contains(QLatin1String("STRICT_ALL_TABLES"))) {
            modes << QStringLiteral("STRICT_TRANS_TABLES");
            changed = true;
        }
        if (changed) execute(QStringLiteral("set session sql_mode='") + modes.join(QLatin1Char(',')) + QLatin1Char('\''), false);
        if (now.rows->text(0, 1) != QLatin1String("1")) execute(QStringLiteral("set session autocommit=1"), false);
        // On a node of a replicated (Galera) cluster every statement first waits
        // until the node has applied what the cluster committed before it: a
        // read, an update or a delete right after a change made through another
        // node sees that change, as on a single server. Elsewhere there is
        // nothing to wait for and the setting is left alone.
        Outcome wsrep = execute(QStringLiteral("show variables like 'wsrep_on'"), true);
        if (wsrep.rows && wsrep.rows->rowCount() > 0 && wsrep.rows->text(0, 1) == QLatin1String("ON"))
            execute(QStringLiteral("set session wsrep_sync_wait=15"), false);
        // The command time-out. The driver takes SQL_ATTR_QUERY_TIMEOUT only
        // to answer "option value changed" and never applies it: the server
        // ends a statement that runs too long itself.
        execute(QStringLiteral("set session max_statement_time=%1").arg(timeouts().statementSeconds), false);
    }

    struct Statement {
        explicit Statement(SQLHDBC dbc) {
            if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &handle)))
                throw Failure{diagnose(SQL_HANDLE_DBC, dbc)};
        }
        ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, handle); }
        [[noreturn]] void fail() { throw Failure{diagnose(SQL_HANDLE_STMT, handle)}; }
        void check(SQLRETURN rc) {
            if (!SQL_SUCCEEDED(rc)) fail();
        }
        // Finishes every pending result (a procedure call leaves a status
        // result behind), so that the next statement can be sent. A later
        // result that failed (a procedure that returned rows, then raised an
        // error) fails the statement.
        // (SQLCloseCursor first would let this driver drop that error.)
        void drain() {
            for (;;) {
                const SQLRETURN rc = SQLMoreResults(handle);
                if (rc == SQL_NO_DATA) return;
                if (!SQL_SUCCEEDED(rc)) fail();
            }
        }
        SQLHSTMT handle = SQL_NULL_HSTMT;
    };

    struct Column {
        QString name;
        SQLULEN width = 0;  // bytes per cell in the bound buffer, 0 when read cell by cell
        std::unique_ptr<char[]> buffer;  // uninitialised: the driver writes each cell it fills
        std::vector<SQLLEN> indicator;
    };

    using StopCheck = std::function<bool()>;

    [[noreturn]] static void stopFetch() {
        throw Failure{{QStringLiteral("读取结果时已取消"), false, {}, 0}};
    }

    static std::shared_ptr<ResultSet> fetch(Statement& st, SQLSMALLINT count, const StopCheck& stopped) {
        std::vector<Column> columns(count);
        QStringList names;
        bool bound = true;
        SQLULEN rowBytes = 0;
        for (SQLSMALLINT c = 0; c < count; ++c) {
            SQLWCHAR name[512] = {};
            SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
            SQLULEN size = 0;
            st.check(SQLDescribeColW(st.handle, SQLUSMALLINT(c + 1), name, SQLSMALLINT(std::size(name)),
                                     &nameLength, &type, &size, &digits, &nullable));
            // The driver under-reports the length of some long non-ASCII names
            // (65 UTF-8 bytes give 24 for 25 characters) but ends the text with
            // a NUL: take whichever is longer.
            qsizetype nameEnd = 0;
            while (nameEnd < qsizetype(std::size(name)) - 1 && name[nameEnd] != 0) ++nameEnd;
            columns[c].name = fromWide(
                name, std::max<qsizetype>(nameEnd, std::min<qsizetype>(nameLength, std::size(name) - 1)));
            names << columns[c].name;
            SQLULEN width = 0;
            switch (type) {
                case SQL_LONGVARCHAR: case SQL_WLONGVARCHAR: case SQL_LONGVARBINARY:
                    width = 0;
                    break;
                case SQL_BINARY: case SQL_VARBINARY:
                    width = size * 2 + 1;  // hexadecimal text
                    break;
                default:
                    width = std::max<SQLULEN>(size, 64) * 4 + 1;
            }
            if (boundCellLimit() > 0) width = std::min(width, boundCellLimit());
            if (width == 0 || size == 0 || width > kBoundColumnLimit) bound = false;
            columns[c].width = width;
            rowBytes += width + sizeof(SQLLEN);
        }

        auto result = std::make_shared<ResultSet>(names);
        SQLLEN rows = 0;
        if (SQL_SUCCEEDED(SQLRowCount(st.handle, &rows)) && rows > 0) result->reserveRows(rows);
        if (bound)
            fetchBlocks(st, columns, rowBytes, *result, stopped);
        else
            fetchCells(st, count, *result, stopped);
        result->squeeze();
        return result;
    }

    // Leaves no pointer of this frame with the statement, whichever way the
    // fetch ends.
    struct BlockAttributes {
        explicit BlockAttributes(Statement& st) : st_(st) {}
        ~BlockAttributes() {
            SQLSetStmtAttr(st_.handle, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
            SQLSetStmtAttr(st_.handle, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
            SQLSetStmtAttr(st_.handle, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
            SQLFreeStmt(st_.handle, SQL_UNBIND);
        }
        Statement& st_;
    };

    static void fetchBlocks(Statement& st, std::vector<Column>& columns, SQLULEN rowBytes,
                            ResultSet& result, const StopCheck& stopped) {
        SQLULEN blockRows = std::clamp<SQLULEN>(kBlockBytes / std::max<SQLULEN>(rowBytes, 1), 1,
                                                kMaxBlockRows);
        SQLULEN fetched = 0;
        std::vector<SQLUSMALLINT> status(blockRows, SQL_ROW_NOROW);
        BlockAttributes reset(st);
        st.check(SQLSetStmtAttr(st.handle, SQL_ATTR_ROW_BIND_TYPE,
                                reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0));
        st.check(SQLSetStmtAttr(st.handle, SQL_ATTR_ROW_ARRAY_SIZE,
                                reinterpret_cast<SQLPOINTER>(blockRows), 0));
        st.check(SQLSetStmtAttr(st.handle, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0));
        st.check(SQLSetStmtAttr(st.handle, SQL_ATTR_ROW_STATUS_PTR, status.data(), 0));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            Column& col = columns[c];
            col.buffer = std::make_unique_for_overwrite<char[]>(col.width * blockRows);
            col.indicator.resize(blockRows);
            st.check(SQLBindCol(st.handle, SQLUSMALLINT(c + 1), SQL_C_CHAR, col.buffer.get(),
                                SQLLEN(col.width), col.indicator.data()));
        }
        for (;;) {
            if (stopped && stopped()) stopFetch();
            SQLRETURN rc = SQLFetch(st.handle);
            if (rc == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(rc)) st.fail();
            for (SQLULEN r = 0; r < fetched; ++r) {
                // A row the driver did not fill holds nothing to read.
                if (status[r] == SQL_ROW_ERROR || status[r] == SQL_ROW_NOROW)
                    throw Failure{{QStringLiteral("读取结果的第 %1 行失败。").arg(result.rowCount() + 1) +
                                       diagnose(SQL_HANDLE_STMT, st.handle).text,
                                   false, {}, 0}};
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    const Column& col = columns[c];
                    const SQLLEN ind = col.indicator[r];
                    if (ind == SQL_NULL_DATA) {
                        result.appendNull();
                    } else if (ind == SQL_NO_TOTAL || ind > SQLLEN(col.width) - 1) {
                        // Longer than its cell: the driver gave a column size
                        // too small, and says nothing of the cut (no 01004,
                        // no row status). Reading the value again is no way
                        // out: after SQLSetPos this driver (3.1.15) reads
                        // another row and loses rows of the next block.
                        throw Failure{{QStringLiteral("结果第 %1 行“%2”列的值比驱动报告的列宽更长，未能完整读取")
                                           .arg(result.rowCount() + 1)
                                           .arg(col.name),
                                       false, {}, 0}};
                    } else {
                        result.appendCell(col.buffer.get() + r * col.width, std::size_t(std::max<SQLLEN>(ind, 0)));
                    }
                }
            }
        }
    }

    // Reads one value of the current row whole; true for NULL.
    static bool readCell(Statement& st, SQLUSMALLINT column, std::string& cell) {
        char piece[65536];
        cell.clear();
        for (;;) {
            SQLLEN ind = 0;
            const SQLRETURN rc = SQLGetData(st.handle, column, SQL_C_CHAR, piece, SQLLEN(sizeof piece), &ind);
            if (rc == SQL_NO_DATA) return false;
            if (!SQL_SUCCEEDED(rc)) st.fail();
            if (ind == SQL_NULL_DATA) return true;
            const SQLLEN room = SQLLEN(sizeof piece) - 1;
            if (ind == SQL_NO_TOTAL || ind > room) {
                cell.append(piece, std::size_t(room));
                continue;  // more to read
            }
            cell.append(piece, std::size_t(ind));
            return false;
        }
    }

    static void fetchCells(Statement& st, SQLSMALLINT count, ResultSet& result, const StopCheck& stopped) {
        std::string cell;
        for (qint64 row = 0;; ++row) {
            if (row % 256 == 0 && stopped && stopped()) stopFetch();
            SQLRETURN rc = SQLFetch(st.handle);
            if (rc == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(rc)) st.fail();
            for (SQLSMALLINT c = 1; c <= count; ++c) {
                if (readCell(st, SQLUSMALLINT(c), cell)) result.appendNull();
                else result.appendCell(cell.data(), cell.size());
            }
        }
    }

    SQLHDBC dbc_ = SQL_NULL_HDBC;
    std::function<bool()> stopped_;
    QElapsedTimer sinceUse_;
    quint64 id_ = 0;
    QString server_;
};

struct OdbcQuery::Outcome : OdbcConnection::Outcome {};

// What cancel() and the statement thread share: whether a stop was asked
// for, whether a statement is at the server, and which connection to stop.
struct OdbcQuery::Stop {
    std::mutex mutex;
    bool requested = false;
    bool running = false;
    QString odbcString;
    quint64 id = 0;
    QString server;
    std::thread killer;

    // Before a statement: waits for a stop still on its way and starts afresh.
    void reset() {
        join();
        std::lock_guard lock(mutex);
        requested = running = false;
    }
    void join() {
        if (killer.joinable()) killer.join();
    }
    bool isRequested() {
        std::lock_guard lock(mutex);
        return requested;
    }
    void setTarget(const QString& odbc, quint64 connectionId, const QString& connectionServer) {
        std::lock_guard lock(mutex);
        odbcString = odbc;
        id = connectionId;
        server = connectionServer;
    }
    // The statements go to the server from here on; false when a stop was
    // asked for already.
    bool enter() {
        std::lock_guard lock(mutex);
        if (requested) return false;
        running = true;
        return true;
    }
    void leave() {
        std::lock_guard lock(mutex);
        running = false;
    }
    void request() {
        std::lock_guard lock(mutex);
        if (requested) return;
        requested = true;
        if (!running || id == 0 || killer.joinable()) return;
        killer = std::thread([odbc = odbcString, target = id, on = server] {
            try {
                OdbcConnection::killQuery(odbc, target, on);
            } catch (...) {
                // The statement ends by itself (or by the time-out) instead.
            }
        });
    }
};

namespace {
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

namespace {
const QString kCancelled = QStringLiteral("语句已取消：服务器上的执行已被停止");
const QString kStillRunning = QStringLiteral("这个窗口的上一条语句还没有执行完");
}  // namespace

OdbcQuery::OdbcQuery(QObject* parent)
    : Query(parent),
      thread_(std::make_shared<busy::StatementThread>()),
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
    }
    stop_->join();
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
    // Every marker begins with b, c, r or s: most statements are passed over
    // by their first letter without copying them.
    const QStringView text = QStringView(statement).trimmed();
    if (text.isEmpty()) return;
    const char16_t first = text.front().toLower().unicode();
    if (first != u'b' && first != u'c' && first != u'r' && first != u's') return;
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

}  // namespace

bool OdbcQuery::send(Want want, qint64* affected) {
    if (busy_) throw DbError(kStillRunning);
    close();
    // only what the windows send: work on a thread of its own (the indexer) is not counted
    const QCoreApplication* app = QCoreApplication::instance();
    if (beforeSend() && (!app || QThread::currentThread() == app->thread())) beforeSend()(sql_);
    stop_->reset();
    Outcome outcome;
    std::exception_ptr error;
    busy_ = true;
    const std::shared_ptr<busy::StatementThread> thread = thread_;
    const std::shared_ptr<bool> alive = alive_;
    thread->start([&] {
        try {
            perform(want, outcome);
        } catch (...) {
            error = std::current_exception();
        }
    });
    busy::BusyWait::wait(*thread, this, [this] { cancel(); });
    if (!*alive) throw StatementCancelled(kCancelled);  // the query object is gone
    busy_ = false;
    stop_->join();  // a stop on its way must not reach the next statement
    if (error) std::rethrow_exception(error);

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

void OdbcQuery::perform(Want want, Outcome& outcome) {
    try {
        const bool open = inTransaction_ || manualCommit_;
        // Outside a transaction a connection that the server dropped in the
        // meantime (a restart) is replaced at once: nothing is lost with it.
        if (connection_ && !open && connection_->idleMs() > kIdleBeforeCheckMs && connection_->dead())
            connection_.reset();
        if (!connection_) {
            QString odbc = odbcConnectionString(connectionString_);
            connection_ = std::make_unique<OdbcConnection>(odbc);
            stop_->setTarget(odbc, connection_->id(), connection_->server());
            connection_->setStopCheck([stop = stop_.get()] { return stop->isRequested(); });
            inTransaction_ = false;
            savepoint_.clear();
            manualCommit_ = false;
        }
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
    if (!connection_ && sql_.trimmed().compare(QLatin1String("rollback"), Qt::CaseInsensitive) == 0) {
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
