#pragma once

// What the ODBC calls of the query object share: the driver's environment,
// its diagnostic records read into an error, and the program's time-outs.

#include <QString>

#include <sql.h>
#include <sqlext.h>

#include "db/OdbcQuery.h"

namespace db::odbc {

QString fromWide(const SQLWCHAR* text, qsizetype length);

struct Diagnostic {
    QString text;
    bool connectionLost = false;
    QString sqlState;  // of the first record
    int nativeCode = 0;
};

// The diagnostic records of a handle, their texts joined; whether they tell
// of a connection the server lost.
Diagnostic diagnose(SQLSMALLINT type, SQLHANDLE handle);

// A diagnostic without the server's error number (the driver gives none for a
// later result of a text of several statements): the number the server's own
// text stands for, where that text is one only that error has. A deadlock, and
// a replicated cluster's change that lost to another node's, say "Deadlock found
// when trying to get lock" (1213, SQLSTATE 40001).
void numberFromText(Diagnostic& d);

// A failed ODBC call, carried up to the query object.
struct Failure {
    Diagnostic diagnostic;
};

// The program's one ODBC environment.
SQLHENV environment();

OdbcQuery::Timeouts& timeouts();
SQLULEN& boundCellLimit();

// A statement that failed after waiting about as long as the read time-out
// for the server lost its connection to the time-out; the server's own
// statement time-out has its own error code.
void explainTimeOut(Diagnostic& d, qint64 waitedMs);

}  // namespace db::odbc
