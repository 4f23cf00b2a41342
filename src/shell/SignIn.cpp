#include "shell/SignIn.h"

#include "db/Schema.h"
#include "db/SqlText.h"

namespace shell {

SignInOutcome signIn(db::Query& query, const QString& typedName, const QString& typedPassword,
                     const Settings& settings) {
    SignInOutcome out;
    const QString name = db::trimBlanks(typedName);
    const QString password = db::trimBlanks(typedPassword);
    if (settings.complete()) query.setConnectionString(loginConnectionString(settings));

    if (name == QLatin1String("guest")) {
        out.accepted = true;
        out.access = Access::Guest;
        out.userName = name;
        out.paperConnection = paperConnectionString(settings);
        return out;
    }
    if (password.isEmpty()) return out;

    query.openSql(QStringLiteral("select password from username_password where username='") +
                  db::sqlQuote(name) + QLatin1Char('\''));
    const QString stored = query.field(0);
    if (query.recordCount() < 1 || stored != password) return out;

    query.openSql(QStringLiteral("select rightid from username_rightid where username='") +
                  db::sqlQuote(name) + QLatin1Char('\''));
    const QString level = query.field(0);
    query.close();
    if (level == schema::kRightOrdinary) out.access = Access::Ordinary;
    else if (level == schema::kRightSenior) out.access = Access::Senior;
    else if (level == schema::kRightAdmin) out.access = Access::Admin;
    else return out;  // no right row, or a level nobody knows: not let in

    out.accepted = true;
    out.userName = name;
    out.paperConnection = paperConnectionString(settings);
    return out;
}

QHash<QString, bool> menuVisibility(Access access) {
    const bool T = true, F = false;
    struct Row {
        const char* item;
        int guest, ordinary, senior, admin;  // 1 shown, 0 hidden, -1 untouched
    };
    static const Row rows[] = {
        {"menu1", 0, 1, 1, 0},      {"menu11", -1, 1, 1, -1},   {"menu12", -1, 1, 1, -1},
        {"menu3", 1, 1, 1, 1},      {"menu31", 1, 1, 1, 1},     {"menu32", 0, 1, 1, 1},
        {"menu33", 0, 1, 1, 1},     {"menu34", 0, 1, 1, 1},     {"menu4", 0, 1, 1, 1},
        {"menu36", 1, 1, 1, 1},
        {"menu2", 0, 0, 1, 1},      {"menu21", -1, -1, 1, 1},   {"menu22", -1, -1, 1, 1},
        {"menu5", 0, 0, 1, 1},      {"menu51", -1, -1, 1, 1},   {"menu52", -1, -1, 1, 1},
        {"menu53", -1, -1, 1, 1},   {"menu6", 0, 0, 0, 1},      {"menu61", -1, -1, -1, 1},
        {"menu610", -1, -1, -1, -1}, {"menu611", -1, -1, -1, 1}, {"menu612", -1, -1, -1, 1},
        {"menu613", -1, -1, -1, 1}, {"menu62", -1, -1, -1, 1},  {"menu_exit", 1, 1, 1, 1},
        {"menu39", 0, 0, 1, 1},  // 查找重复论文
    };
    QHash<QString, bool> out;
    for (const Row& r : rows) {
        int v = access == Access::Guest      ? r.guest
                : access == Access::Ordinary ? r.ordinary
                : access == Access::Senior   ? r.senior
                                             : r.admin;
        if (v >= 0) out.insert(QLatin1String(r.item), v ? T : F);
    }
    return out;
}

}  // namespace shell
