#pragma once

#include <QString>
#include <QStringList>

#include "db/Query.h"

// Creating and dropping tables and the free SQL console, without windows.
// The table name, the column list and the console text are SQL by design and
// are sent exactly as typed.
namespace admin {

inline const QString kShowTables = QStringLiteral("show tables");

// What a window reports after a click: a message box (empty text: none) and
// whether the window then closes.
struct Report {
    QString caption;
    QString text;
    bool closes = false;
};

// Shows the report's message box, if any.
void showReport(const Report& report);

// "create table " + table + " (" + columns + ");" with the column list as
// typed, line breaks included.
QString createTableStatement(const QString& table, const QString& columns);
// "drop table " + table.
QString dropTableStatement(const QString& table);

// True for the two account tables, by exact name.
bool isAccountTable(const QString& name);
// A listed table name denotes the typed one: equal, or equal but for letter
// case (a server may fold table names to lower case).
bool sameTableName(const QString& listed, const QString& typed);
bool isListed(const QStringList& listed, const QString& table);
// The tables the drop window offers: every listed one, in the server's order,
// but the two account tables.
QStringList droppableTables(const QStringList& listed);

// Column 0 of every row of "show tables", in the server's order.
QStringList listTables(db::Query& query);

// Sends the create statement and judges it by the table listing afterwards.
Report createTable(db::Query& query, const QString& table, const QString& columns);
// Sends the drop statement and judges it by the table listing afterwards.
Report dropTable(db::Query& query, const QString& table);

// The console's guard: the text names one of the two account tables, in any
// letter case.
bool namesAccountTable(const QString& text);

enum class ConsoleOutcome { Refused, Rows, NoRows };
// Runs the console text once: a result set the server returns stays open in
// the query object (the grid shows it); a statement without one leaves the
// query object closed. A refused text leaves the query object untouched.
ConsoleOutcome runConsole(db::Query& query, const QString& text);
Report consoleReport(ConsoleOutcome outcome);

}  // namespace admin
