#include "db/OdbcConnection.h"

#include <QStringList>

#include "db/OdbcFetch.h"

namespace db {

using namespace odbc;

namespace {

// Which server a connection reached.
const QString kServerName = QStringLiteral("select concat(@@hostname, ':', @@port)");

bool isCreate(const QString& statement) {
    const QStringView text = QStringView(statement).trimmed();
    return text.size() > 6 && text.left(6).compare(QLatin1String("create"), Qt::CaseInsensitive) == 0 &&
           text.at(6).isSpace();
}

}  // namespace

OdbcConnection::OdbcConnection(const QString& odbcString, bool settle) {
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

OdbcConnection::~OdbcConnection() {
    spare_.reset();  // a statement handle goes before its connection (see releaseHandle)
    if (dbc_ != SQL_NULL_HDBC) {
        SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    }
}

bool OdbcConnection::dead() {
    SQLUINTEGER state = SQL_CD_FALSE;
    SQLRETURN rc = SQLGetConnectAttr(dbc_, SQL_ATTR_CONNECTION_DEAD, &state, 0, nullptr);
    return !SQL_SUCCEEDED(rc) || state == SQL_CD_TRUE;
}

void OdbcConnection::killQuery(const QString& odbcString, quint64 id, const QString& server) {
    for (int attempt = 0; attempt < 6; ++attempt) {
        OdbcConnection killer(odbcString, false);
        const Outcome here = killer.execute(kServerName, true);
        if (!here.rows || here.rows->rowCount() < 1 || here.rows->text(0, 0) != server) continue;
        killer.execute(QStringLiteral("kill query %1").arg(id), false);
        return;
    }
}

void OdbcConnection::refuseAlteredValues() {
    Outcome w = execute(QStringLiteral("show warnings"), true);
    if (!w.rows) return;
    for (qint64 r = 0; r < w.rows->rowCount(); ++r) {
        const int code = w.rows->text(r, 1).toInt();
        if (code == 1265 || code == 1264 || code == 1292 || code == 1366 || code == 1406)
            throw Failure{{QStringLiteral("值过长或不合列的要求，未保存：") + w.rows->text(r, 2), false, {}, 0}};
    }
}

OdbcConnection::Outcome OdbcConnection::execute(const QString& statement, bool wantRows) {
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

void OdbcConnection::releaseHandle() { spare_.reset(); }

std::unique_ptr<Statement> OdbcConnection::takeStatement() {
    if (spare_) return std::move(spare_);
    auto st = std::make_unique<Statement>(dbc_);
    ++handlesMade_;
    return st;
}

OdbcConnection::Outcome OdbcConnection::run(const QString& statement, bool wantRows) {
    std::unique_ptr<Statement> kept = takeStatement();
    Statement& st = *kept;
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
    if (isCreate(statement)) return out;
    st.drain();
    if (!out.rows && !out.hadRows) spare_ = std::move(kept);
    return out;
}

void OdbcConnection::executeTogether(const QStringList& statements, QVector<qint64>& counts) {
    sinceUse_.start();
    std::unique_ptr<Statement> kept = takeStatement();
    std::u16string text = statements.join(QStringLiteral(";\n")).toStdU16String();
    try {
        SQLRETURN rc = SQLExecDirectW(kept->handle, reinterpret_cast<SQLWCHAR*>(text.data()), SQL_NTS);
        if (!SQL_SUCCEEDED(rc)) kept->fail();  // the first statement's, with the server's code
        for (qsizetype i = 0; i < statements.size(); ++i) {
            if (i > 0) {
                rc = SQLMoreResults(kept->handle);
                if (!SQL_SUCCEEDED(rc)) throw Failure{laterFailure(std::move(kept))};
            }
            SQLLEN count = 0;
            kept->check(SQLRowCount(kept->handle, &count));
            counts << (count < 0 ? 0 : count);
        }
        kept->drain();
    } catch (Failure& f) {
        explainTimeOut(f.diagnostic, sinceUse_.elapsed());
        throw;
    }
    spare_ = std::move(kept);
}

Diagnostic OdbcConnection::laterFailure(std::unique_ptr<Statement> st) {
    Diagnostic d = diagnose(SQL_HANDLE_STMT, st->handle);
    st.reset();
    if (d.nativeCode != 0) return d;
    try {
        const Outcome errors = run(QStringLiteral("show errors"), true);
        if (errors.rows && errors.rows->rowCount() > 0) {
            d.nativeCode = errors.rows->text(0, 1).toInt();
            if (d.nativeCode == 1213) d.sqlState = QStringLiteral("40001");  // a deadlock, as alone
        }
    } catch (const Failure&) {
        // The connection is gone: the driver's text says so.
    }
    return d;
}

void OdbcConnection::settle() {
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

}  // namespace db
