#include "admin/TableStatements.h"

#include <QLocale>

#include "db/Messages.h"
#include "db/Schema.h"

namespace admin {

void showReport(const Report& report) {
    if (!report.text.isEmpty()) db::messages::show(report.text, report.caption);
}

QString createTableStatement(const QString& table, const QString& columns) {
    return QStringLiteral("create table ") + table + QStringLiteral(" (") + columns +
           QStringLiteral(");");
}

QString dropTableStatement(const QString& table) { return QStringLiteral("drop table ") + table; }

bool isAccountTable(const QString& name) {
    return name == schema::kUsernamePassword || name == schema::kUsernameRightid;
}

bool sameTableName(const QString& listed, const QString& typed) {
    return listed.compare(typed, Qt::CaseInsensitive) == 0;
}

bool isListed(const QStringList& listed, const QString& table) {
    for (const QString& name : listed)
        if (sameTableName(name, table)) return true;
    return false;
}

QStringList droppableTables(const QStringList& listed) {
    QStringList out;
    for (const QString& name : listed)
        if (!isAccountTable(name)) out << name;
    return out;
}

QStringList listTables(db::Query& query) {
    query.openSql(kShowTables);
    QStringList names;
    for (qint64 i = 0, n = query.recordCount(); i < n; ++i) {
        names << query.field(0);
        query.next();
    }
    return names;
}

Report createTable(db::Query& query, const QString& table, const QString& columns) {
    query.execSql(createTableStatement(table, columns));
    if (isListed(listTables(query), table))
        return {QStringLiteral("成功"), QStringLiteral("生成表'") + table + QLatin1Char('\''), true};
    return {QStringLiteral("失败"), QStringLiteral("生成表失败（未知错误）"), false};
}

Report dropTable(db::Query& query, const QString& table) {
    query.execSql(dropTableStatement(table));
    if (isListed(listTables(query), table))
        return {QStringLiteral("失败"), QStringLiteral("删除表失败（未知错误）"), false};
    return {QStringLiteral("成功"), QStringLiteral("删除表成功"), true};
}

bool namesAccountTable(const QString& text) {
    const QLocale locale = QLocale::system();
    const QString upper = locale.toUpper(text);
    return upper.contains(locale.toUpper(schema::kUsernamePassword)) ||
           upper.contains(locale.toUpper(schema::kUsernameRightid));
}

ConsoleOutcome runConsole(db::Query& query, const QString& text) {
    if (namesAccountTable(text)) return ConsoleOutcome::Refused;
    query.close();
    query.setSql(text);
    return query.run() ? ConsoleOutcome::Rows : ConsoleOutcome::NoRows;
}

Report consoleReport(ConsoleOutcome outcome) {
    if (outcome == ConsoleOutcome::Refused)
        return {QStringLiteral("权限错误"), QStringLiteral("您没有权限/管理员请通过正常途径操作"), false};
    return {};
}

}  // namespace admin
