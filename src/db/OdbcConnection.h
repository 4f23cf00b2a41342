#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

#include "db/OdbcDiagnostic.h"
#include "db/ResultSet.h"

namespace db {

namespace odbc {
struct Statement;
}

// One ODBC connection of a query object: opened and set up for the
// program's statements, sending one statement at a time and reading its
// result (OdbcFetch). Its calls fail with odbc::Failure.
class OdbcConnection {
public:
    // `settle`: the session is put right for the program's statements (not
    // needed by a connection that only sends a "kill query").
    explicit OdbcConnection(const QString& odbcString, bool settle = true);
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // True when the server side of the connection is gone (the driver pings
    // it), or the driver cannot even say.
    bool dead();

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
    static void killQuery(const QString& odbcString, quint64 id, const QString& server);

    // Refuses a change that the server made only in part: a value cut to its
    // column (trailing blanks beyond the column length are cut with a mere
    // note, whatever the SQL mode) or otherwise altered on the way in.
    void refuseAlteredValues();

    struct Outcome {
        std::shared_ptr<ResultSet> rows;  // set when a result set came back
        bool hadRows = false;             // a result set came back unread
        qint64 affected = 0;
    };

    Outcome execute(const QString& statement, bool wantRows);

    // Sends the statements joined into one text (the connection was opened
    // allowing that) and appends the rows each affected to `counts`. The
    // server stops at the first that fails: its error is thrown, `counts`
    // then ending with the statement before it.
    void executeTogether(const QStringList& statements, QVector<qint64>& counts);

    // Statement handles made so far (a handle is used again after a
    // statement that returned no result set).
    int handlesMade() const { return handlesMade_; }
    // Frees the handle kept for the next statement. To be called on the
    // thread that sent the statements: after some failures (an empty
    // statement) this driver (3.1.15) keeps holding a lock of that thread,
    // and freeing a handle on another thread then waits for ever.
    void releaseHandle();

private:
    Outcome run(const QString& statement, bool wantRows);
    // The error of a statement after the first of a text: this driver
    // (3.1.15) reports it without the server's code, which the server still
    // holds for "show errors".
    odbc::Diagnostic laterFailure(std::unique_ptr<odbc::Statement> st);
    std::unique_ptr<odbc::Statement> takeStatement();

    // The program escapes values with backslashes, relies on the server
    // refusing values too long for their columns, and commits each statement
    // outside "begin"/"commit" by itself. A session set up otherwise (by the
    // data source's start statement or the server's defaults) is put right.
    void settle();

    SQLHDBC dbc_ = SQL_NULL_HDBC;
    std::function<bool()> stopped_;
    QElapsedTimer sinceUse_;
    quint64 id_ = 0;
    QString server_;
    // The handle of the last statement when it ended with no result set and
    // nothing pending: the next statement goes through it, which spares the
    // driver manager and the driver making and freeing a handle (with its
    // four descriptors) for every statement of a run. A statement that
    // returned rows or failed frees its handle as before, so the driver's
    // copy of a result goes back at once.
    std::unique_ptr<odbc::Statement> spare_;
    int handlesMade_ = 0;
};

}  // namespace db
