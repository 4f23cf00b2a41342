#include "db/OdbcFetch.h"

#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

namespace db::odbc {

namespace {

// Largest column, in bytes, fetched through bound row arrays; wider ones are
// read cell by cell.
constexpr SQLULEN kBoundColumnLimit = 16384;
// Memory for one block of bound rows: small enough to stay in the processor's
// cache between the driver's copy into it and ours out of it.
constexpr SQLULEN kBlockBytes = 512u << 10;
constexpr SQLULEN kMaxBlockRows = 1024;

struct Column {
    QString name;
    SQLULEN width = 0;  // bytes per cell in the bound buffer, 0 when read cell by cell
    std::unique_ptr<char[]> buffer;  // uninitialised: the driver writes each cell it fills
    std::vector<SQLLEN> indicator;
};

[[noreturn]] void stopFetch() {
    throw Failure{{QStringLiteral("读取结果时已取消"), false, {}, 0}};
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

void fetchBlocks(Statement& st, std::vector<Column>& columns, SQLULEN rowBytes,
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
bool readCell(Statement& st, SQLUSMALLINT column, std::string& cell) {
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

void fetchCells(Statement& st, SQLSMALLINT count, ResultSet& result, const StopCheck& stopped) {
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

}  // namespace

std::shared_ptr<ResultSet> fetch(Statement& st, SQLSMALLINT count, const StopCheck& stopped) {
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

}  // namespace db::odbc
