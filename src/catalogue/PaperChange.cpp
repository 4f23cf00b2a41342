#include "catalogue/PaperChange.h"

#include <QRegularExpression>
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

QString hookStatement(scripting::HookCaller& hooks, const scripting::Hook& hook, const QStringList& args,
                      const QString& verb, const QString& table) {
    const QString statement = hooks.call(hook, args);
    // "insert into author_all ..." / "update kword_all set ...", the table
    // name possibly in back quotes.
    const QString head = verb == QLatin1String("insert") ? QStringLiteral("insert\\s+into") : QStringLiteral("update");
    const QRegularExpression form(QStringLiteral("^\\s*%1\\s+`?%2`?(\\s|\\(|$)").arg(head, table),
                                  QRegularExpression::CaseInsensitiveOption);
    if (!form.match(statement).hasMatch())
        throw scripting::HookError(QStringLiteral("脚本 %1.%2 返回的不是一条 %3 %4 语句：%5")
                                       .arg(QLatin1String(hook.module), QLatin1String(hook.function),
                                            verb == QLatin1String("insert") ? QStringLiteral("insert into") : verb, table,
                                            statement.left(80)));
    return statement;
}

bool finishChange(db::Query& query, std::initializer_list<qint64> counts) {
    const bool ok = std::all_of(counts.begin(), counts.end(), [](qint64 c) { return c >= 1; });
    query.execSql(ok ? QStringLiteral("commit") : QStringLiteral("rollback"));
    return ok;
}

}  // namespace catalogue
