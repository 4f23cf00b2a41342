#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "db/OdbcQuery.h"

// The private database server of this test run (started by CTest before the
// first test): connection strings, and a connection of its own for preparing
// and checking tables.
namespace testdb {

QString paperConnection();
QString loginConnection();
// The server's folder (my.cnf, env) and port.
QString dir();
int port();

// A query object on the paper account, for setting up and checking.
db::OdbcQuery& admin();
QString scalar(const QString& sql);
qint64 exec(const QString& sql);
qint64 count(const QString& table, const QString& where = {});
// Column 0 of every row.
QStringList column(const QString& sql);

// Empties the eight tables and the duplicate finder's two, and drops every other table and
// every procedure.
void reset();
// reset() plus the sample accounts, authors and papers.
void loadSample();
// Runs every statement of an SQL file of the project (relative to the source root).
void runFile(const QString& relativePath);

// Writes the settings file beside the test executable.
void writeSettings(const QString& provider = QStringLiteral("MSDASQL.1"),
                   const QString& dataSource = QStringLiteral("paperdb"));
void removeSettings();

// Stops / starts the server (for fault tests).
void stopServer();
void startServer();
void killServer();

}  // namespace testdb
