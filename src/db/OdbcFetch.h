#pragma once

// Reading a statement's result: in blocks of rows through bound column
// arrays, or cell by cell when a column is too wide for that.

#include <functional>
#include <memory>

#include "db/OdbcDiagnostic.h"
#include "db/ResultSet.h"

namespace db::odbc {

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

// Asked between blocks of rows: true stops the fetch.
using StopCheck = std::function<bool()>;

// Reads the whole result of `st`, which has `count` columns.
std::shared_ptr<ResultSet> fetch(Statement& st, SQLSMALLINT count, const StopCheck& stopped);

}  // namespace db::odbc
