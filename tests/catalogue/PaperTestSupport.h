#pragma once

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "scripting/ScriptEngine.h"

// Helpers of the paper entry, removal and update tests.
namespace papertest {

// The statement FakeHooks answers for a module by default: an insert into or
// an update of the hook's own table that names the module.
inline QString fakeHookStatement(const QString& module) {
    const QString table = module.endsWith(QLatin1String("_a")) ? QStringLiteral("author_all") : QStringLiteral("kword_all");
    if (module.startsWith(QLatin1String("insert")))
        return QStringLiteral("insert into %1 values ('statement of %2')").arg(table, module);
    return QStringLiteral("update %1 set x='statement of %2'").arg(table, module);
}

// A hook caller that records its calls ("module.function(a|b)") and answers
// with a scripted statement or a HookError.
class FakeHooks : public scripting::HookCaller {
public:
    QStringList calls;
    std::function<QString(const QString& module, const QStringList& args)> answer =
        [](const QString& module, const QStringList&) { return fakeHookStatement(module); };
    QString error;  // thrown as a HookError when not empty

    QString call(const QString& module, const QString& function, const QStringList& args) override {
        calls << module + QLatin1Char('.') + function + QLatin1Char('(') + args.join(QLatin1Char('|')) +
                     QLatin1Char(')');
        if (!error.isEmpty()) throw scripting::HookError(error);
        return answer(module, args);
    }
};

// The real script engine, with some modules replaced by others (a missing
// one, or a test module from testModuleDir()).
class RoutedHooks : public scripting::HookCaller {
public:
    QHash<QString, QString> modules;
    QString call(const QString& module, const QString& function, const QStringList& args) override {
        return engine_.call(modules.value(module, module), function, args);
    }

private:
    scripting::ScriptEngine engine_;
};

// The next widget that Tab reaches (labels and group boxes take no focus).
inline QWidget* nextTabStop(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

// Writes a Python module that the script engine can import.
void writeTestModule(const QString& name, const QString& source);

// The counts of a paper key in the five paper tables (main, address, type_in,
// author_all, kword_all).
QList<qint64> rowsOf(const QString& key);
// The total rows of the five paper tables, in the same order.
QList<qint64> tableSizes();

// A window shown as from the menu with the test server's paper connection,
// deleted at the end of the test.
template <class W>
struct Window {
    QPointer<W> w;
    explicit Window(const QString& user = QStringLiteral("editor"));
    ~Window() { delete w.data(); }
    W* operator->() { return w.data(); }
    W& operator*() { return *w.data(); }
};

}  // namespace papertest

#include "support/TestDb.h"
#include "window/Form.h"

template <class W>
papertest::Window<W>::Window(const QString& user)
    : w(db::Form::open<W>(user, testdb::paperConnection())) {}
