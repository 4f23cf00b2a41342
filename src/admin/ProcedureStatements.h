#pragma once

#include <QString>
#include <QStringList>

#include "admin/TableStatements.h"
#include "db/Query.h"

// Listing, running, creating and dropping stored procedures, without windows.
// The statements typed by the user are SQL by design and are sent as typed.
namespace admin {

inline const QString kShowProcedureStatus = QStringLiteral("show procedure status");

// The create/drop window's starting text: four lines, "</#>" marking what the
// user fills in.
QString procedureTemplate();
// The seven lines of the create/drop window's note.
QStringList procedureNoteLines();

// Opens the procedure list; the grid shows every row and column of it.
void listProcedures(db::Query& query);
// Number of procedures the server lists.
qint64 procedureCount(db::Query& query);

// Opens the typed text as a query (the grid shows its result); an empty
// result is reported as a failure, rows are not reported.
Report runProcedure(db::Query& query, const QString& text);

enum class ProcedureChange { Created, Dropped, Unknown };
// The outcome from the procedure counts before and after the statement.
ProcedureChange judgeProcedureChange(qint64 before, qint64 after);
Report procedureChangeReport(ProcedureChange change);
// Counts the procedures, sends the statement (line breaks inside), counts
// again and judges the change.
Report changeProcedures(db::Query& query, const QString& statement);

}  // namespace admin
