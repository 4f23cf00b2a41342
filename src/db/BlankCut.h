#pragma once

#include <QString>

namespace db {

// Whether a statement could store a value that the server cuts without an
// error: blanks beyond a column's length go with a mere note whatever the SQL
// mode, while the strict session refuses any other value that does not fit.
//
// An insert, update or replace whose stored values are all plain literals
// (quoted texts, numbers, NULL, DEFAULT) can only do so through a quoted
// value that ends in a blank. Any other storing statement (values from
// expressions, a select, hexadecimal literals, comments...) may, and is
// checked. Statements that store nothing never are.
bool mayCutBlanks(const QString& statement);

}  // namespace db
