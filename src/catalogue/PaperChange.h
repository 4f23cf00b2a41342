#pragma once

#include <QString>

#include "db/Notice.h"
#include "db/Transaction.h"
#include "scripting/HookCaller.h"

namespace catalogue {

// What a paper window reports in its message box.
using Notice = db::Notice;

// Calls a hook and returns its statement when it is one insert into (entry)
// or update of (update window) the hook's own table, `table`. Anything else
// would act outside the paper's change: a "commit", "rollback", "begin" or
// DDL would end the transaction half-way, another table would break the
// paper key. It throws a HookError naming the hook instead.
QString hookStatement(scripting::HookCaller& hooks, const scripting::Hook& hook, const QStringList& args,
                      const QString& verb, const QString& table);

}  // namespace catalogue
