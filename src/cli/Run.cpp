#include "cli/Run.h"

#include <QCoreApplication>
#include <algorithm>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "shell/Settings.h"
#include "shell/SignIn.h"

namespace cli {

int signIn(db::Query& query, const Options& options, const Console& console, Session& session) {
    QString password;
    if (options.user.trimmed() != QLatin1String("guest")) {
        const QByteArray variable =
            (options.passwordEnv.isEmpty() ? QString::fromLatin1(kDefaultPasswordEnv) : options.passwordEnv).toLocal8Bit();
        if (qEnvironmentVariableIsSet(variable.constData())) password = qEnvironmentVariable(variable.constData());
        else if (console.readPasswordLine) password = console.readPasswordLine();
    }
    const shell::SignInOutcome outcome =
        shell::signIn(query, options.user, password, shell::readSettings());
    if (!outcome.accepted) {
        *console.err << "sign-in refused: check the user name and password\n";
        return kRefused;
    }
    session.userName = outcome.userName;
    session.paperConnection = outcome.paperConnection;
    session.mayImport = outcome.access == shell::Access::Senior || outcome.access == shell::Access::Admin;
    return kOk;
}

int run(const Options& options, const Console& console) {
    if (!options.error.isEmpty()) {
        *console.err << options.error << "\n" << "try --help\n";
        return kUsage;
    }
    db::OdbcQuery query;
    Session session;
    int status = kOk;
    try {
        status = signIn(query, options, console, session);
        if (status != kOk) return status;
        if (options.mode == Options::Mode::Export) return exportPapers(query, session, options, console);
        if (!session.mayImport) {
            *console.err << "the account " << session.userName
                         << " may not import papers (senior users and administrators may)\n";
            return kRefused;
        }
        for (const QString& file : options.files)
            status = std::max(status, importFile(query, session, options, file, console));
    } catch (const db::DbError& e) {
        *console.err << "error: " << e.message() << "\n";
        return kFailed;
    } catch (const std::exception& e) {
        *console.err << "error: " << QString::fromUtf8(e.what()) << "\n";
        return kFailed;
    }
    return status;
}

}  // namespace cli
