#pragma once

#include <QString>
#include <QTextStream>
#include <functional>

#include "cli/Options.h"

namespace db {
class Query;
}

namespace cli {

// Where the command line talks: the report, the errors, the password line.
struct Console {
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
    std::function<QString()> readPasswordLine;  // first line of standard input
};

// A signed-in session of the command line.
struct Session {
    QString userName;
    QString paperConnection;
    bool mayImport = false;  // the menus give the import to senior users and administrators
};

// Signs in as the sign-in window does (settings file read afresh, the login
// account's lookups). Returns kOk with the session, or kRefused / kFailed
// with the reason written to err.
int signIn(db::Query& query, const Options& options, const Console& console, Session& session);

// Runs what the options ask for; returns the exit status.
int run(const Options& options, const Console& console);

// The import of one file through the query object and the signed-in session;
// the report goes to out.
int importFile(db::Query& query, const Session& session, const Options& options, const QString& path,
               const Console& console);
// The export of the papers found.
int exportPapers(db::Query& query, const Session& session, const Options& options, const Console& console);

}  // namespace cli
