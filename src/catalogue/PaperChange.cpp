#include "catalogue/PaperChange.h"

#include <algorithm>

#include "db/DbError.h"
#include "scripting/HookCaller.h"

namespace catalogue {

namespace {

void abandon(db::Query& query) {
    try {
        query.execSql(QStringLiteral("rollback"));
    } catch (...) {
        // the first error is the one to report; a dropped connection has
        // already ended the transaction on the server
    }
}

}  // namespace

void runChange(db::Query& query, const std::function<void()>& statements) {
    try {
        statements();
    } catch (const scripting::HookError&) {
        abandon(query);
        throw;
    } catch (const db::DbError&) {
        throw;  // the query object has rolled back already
    } catch (...) {
        abandon(query);
        throw;
    }
}

bool finishChange(db::Query& query, std::initializer_list<qint64> counts) {
    const bool ok = std::all_of(counts.begin(), counts.end(), [](qint64 c) { return c >= 1; });
    query.execSql(ok ? QStringLiteral("commit") : QStringLiteral("rollback"));
    return ok;
}

}  // namespace catalogue
