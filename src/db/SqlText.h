#pragma once

#include <QString>
#include <QStringView>

namespace db {

// Escapes a typed value for use between single quotes in a statement: the
// server then stores and compares exactly the text the user typed.
QString sqlQuote(const QString& value);

// Escapes a typed value for use inside a like pattern between single quotes.
// "%" and "_" stay wildcards; a backslash matches a backslash.
QString likeQuote(const QString& value);

// The like pattern of a search text: "%" alone when empty, else the escaped
// text between two "%".
QString likePattern(const QString& text);

// Where the quoted text or `name` opened at `open` is closed (a backslash
// escapes in a quoted text, a doubled quote stands for itself); -1 when it is
// left open.
qsizetype closingQuote(QStringView text, qsizetype open);

// True when the text is one statement with nothing that could reach past its
// end: outside its quoted texts ('...', with backslash escapes) and `names`
// no ";" (but one that ends the text), no comment ("#", "--", "/*"), no
// double quote and no NUL, and every quote closed. On a connection that takes
// several statements in one text, only such a text is sent.
bool isOneStatement(const QString& statement);

// Removes leading and trailing blanks and control characters, as the sign-in
// does with what the user typed.
QString trimBlanks(const QString& text);

}  // namespace db
