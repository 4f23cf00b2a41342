#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "db/Query.h"
#include "scripting/HookCaller.h"

// Every edit box whose text a statement puts between quotes, with the
// handler flow its window runs, so that the suite can drive each box with
// hostile text: through a recording query object (statement shapes) and
// through the real server (values stored and found).
namespace rel {

struct Field {
    QString window;  // e.g. "insert_d"
    QString box;     // e.g. "Edit_title"
    bool viaHook = false;  // the text reaches the statement through a script hook
    bool accounts = false; // the window is about accounts (may change the account tables)
    // Runs the window's handler flow with `text` in this box and default texts
    // in the others. Returns the outcome text the window would show (the
    // message box text, or "" when it shows none).
    std::function<QString(db::Query& query, scripting::HookCaller& hooks, const QString& text)> run;
};

// The connection string the flows set (the test server's paper connection).
QString flowConnection();

// All boxes of all windows.
const QList<Field>& fields();

// Default texts of the flows (none of them holds a "Q", so that the harmless
// twin of a payload can be told apart from them).
inline const QString kTitle = QStringLiteral("默认题目");
inline const QString kAuthor = QStringLiteral("默认作者");
inline const QString kDate = QStringLiteral("2020-01-02");
inline const QString kUser = QStringLiteral("editor");

}  // namespace rel
