#pragma once

#include <QString>
#include <functional>

#include "db/Query.h"
#include "scripting/HookCaller.h"

namespace catalogue {

// What a paper window reports in its message box.
struct Notice {
    QString caption;
    QString text;
};

// Runs the statements of a change that "begin" opened on the query object.
// The query object rolls the change back itself when one of its statements
// fails; an error from anywhere else (a script hook) rolls it back here before
// it goes on to the error report, so that no later statement on the
// connection can commit half a paper.
void runChange(db::Query& query, const std::function<void()>& statements);

// Calls a hook and returns its statement when it is one insert into (entry)
// or update of (update window) the hook's own table, `table`. Anything else
// would act outside the paper's change: a "commit", "rollback", "begin" or
// DDL would end the transaction half-way, another table would break the
// paper key. It throws a HookError naming the hook instead.
QString hookStatement(scripting::HookCaller& hooks, const scripting::Hook& hook, const QStringList& args,
                      const QString& verb, const QString& table);

// Sends "commit" when every count is at least 1, else "rollback"; true when
// committed.
bool finishChange(db::Query& query, std::initializer_list<qint64> counts);

}  // namespace catalogue
