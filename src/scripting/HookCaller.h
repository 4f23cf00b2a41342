#pragma once

#include <QString>
#include <QStringList>

#include "db/DbError.h"

namespace scripting {

// An error raised by a script hook (import, missing function, an exception in
// the function). Its text is the exception's type name, ": " and its message.
class HookError : public db::DbError {
public:
    using db::DbError::DbError;
};

// A script hook: the module imported by name and its one function.
struct Hook {
    const char* module;
    const char* function;
};

// The four hooks that build the statements of a paper's further authors and
// keywords.
inline constexpr Hook kInsertAuthors{"insert_d_a", "KT40617395_insert_d_a"};
inline constexpr Hook kInsertKwords{"insert_d_k", "KT40617395_insert_d_k"};
inline constexpr Hook kUpdateAuthors{"update_d_o_a", "KT40617395_update_d_o_a"};
inline constexpr Hook kUpdateKwords{"update_d_o_k", "KT40617395_update_d_o_k"};

// Calls a hook with text arguments by position; the returned text is the
// whole statement. Failures throw HookError.
class HookCaller {
public:
    virtual ~HookCaller() = default;
    virtual QString call(const QString& module, const QString& function, const QStringList& args) = 0;

    QString call(const Hook& hook, const QStringList& args) {
        return call(QString::fromLatin1(hook.module), QString::fromLatin1(hook.function), args);
    }
};

}  // namespace scripting
