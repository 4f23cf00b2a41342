#pragma once

#include <QString>

namespace db {

inline constexpr char kOdbcProvider[] = "MSDASQL.1";

// "Provider=" provider ";Password=" password ";Persist Security Info=false;User ID="
// account ";Data Source=" dataSource: ten pieces, nothing quoted.
QString buildConnectionString(const QString& provider, const QString& password,
                              const QString& account, const QString& dataSource);

// Maps a connection string of the form above to an ODBC connection string on
// the named data source. Only the ODBC provider is known; any other provider
// (or an empty string) throws DbError. Attributes that a value smuggles in
// after a ";" are passed on when they only say where the server is and how to
// reach it (server, port, database, account, time-outs, TLS), later ones
// overriding earlier ones; the driver options keep the bits the program needs;
// every other attribute (a start statement, a character set, a driver or
// plugin to load, files to write) is left out. Several statements in one text
// are refused by the server unless `severalPerText` (the program's own runs of
// rows, see OdbcQuery::setRunsTogether).
QString odbcConnectionString(const QString& connectionString, bool severalPerText = false);

}  // namespace db
