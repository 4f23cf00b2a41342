#include "catalogue/PaperChange.h"

#include <QHash>
#include <QRegularExpression>

#include "scripting/HookCaller.h"

namespace catalogue {

QString hookStatement(scripting::HookCaller& hooks, const scripting::Hook& hook, const QStringList& args,
                      const QString& verb, const QString& table) {
    const QString statement = hooks.call(hook, args);
    // "insert into author_all ..." / "update kword_all set ...", the table
    // name possibly in back quotes.
    // Compiled once for each verb and table: this runs for every paper entered.
    static thread_local QHash<QString, QRegularExpression> forms;
    const QString name = verb + QLatin1Char(' ') + table;
    auto form = forms.constFind(name);
    if (form == forms.constEnd()) {
        const QString head = verb == QLatin1String("insert") ? QStringLiteral("insert\\s+into") : QStringLiteral("update");
        form = forms.insert(name, QRegularExpression(QStringLiteral("^\\s*%1\\s+`?%2`?(\\s|\\(|$)").arg(head, table),
                                                     QRegularExpression::CaseInsensitiveOption));
    }
    if (!form->match(statement).hasMatch())
        throw scripting::HookError(QStringLiteral("脚本 %1.%2 返回的不是一条 %3 %4 语句：%5")
                                       .arg(QLatin1String(hook.module), QLatin1String(hook.function),
                                            verb == QLatin1String("insert") ? QStringLiteral("insert into") : verb, table,
                                            statement.left(80)));
    return statement;
}

}  // namespace catalogue
