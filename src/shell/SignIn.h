#pragma once

#include <QHash>
#include <QString>

#include "db/Query.h"
#include "shell/Settings.h"

namespace shell {

enum class Access { Guest, Ordinary, Senior, Admin };

struct SignInOutcome {
    bool accepted = false;
    Access access = Access::Guest;
    QString userName;         // trimmed name, "guest" for a guest
    QString paperConnection;  // for the main window
};

// The sign-in check without any window: guest without a lookup, otherwise the
// password and right lookups through the login connection. Only the right
// levels "2", "3" and "4" are let in.
SignInOutcome signIn(db::Query& query, const QString& typedName, const QString& typedPassword,
                     const Settings& settings);

// Which menu items of the main window a sign-in shows (true) or hides
// (false); items it leaves alone are not listed.
QHash<QString, bool> menuVisibility(Access access);

}  // namespace shell
