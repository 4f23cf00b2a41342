#pragma once

#include <QString>
#include <QStringList>

// Table and column names of the paper database, the labels under which
// result grids show the columns, and the paper key.
namespace schema {

inline const QString kUsernamePassword = QStringLiteral("username_password");
inline const QString kUsernameRightid = QStringLiteral("username_rightid");
inline const QString kAuthorInfo = QStringLiteral("author_info");
inline const QString kMain = QStringLiteral("main");
inline const QString kAuthorAll = QStringLiteral("author_all");
inline const QString kKwordAll = QStringLiteral("kword_all");
inline const QString kAddress = QStringLiteral("address");
inline const QString kTypeIn = QStringLiteral("type_in");

// The five paper tables, in the order the paper windows address them.
inline const QStringList kPaperTables = {kMain, kAddress, kTypeIn, kAuthorAll, kKwordAll};

// The display label of a column as selected (e.g. "title" -> "论文题目",
// "kword_a" -> "关键词10"); empty for an unknown column.
QString label(const QString& column);

// A select-list item: column, one blank, the label in single quotes, a comma,
// e.g. "title '论文题目',".
QString aliased(const QString& column);

// The paper key: title + "$" + first author + "$" + publication time, exactly
// as typed.
QString paperKey(const QString& title, const QString& firstAuthor, const QString& pubTime);

// Right levels as stored in username_rightid.
inline const QString kRightOrdinary = QStringLiteral("2");
inline const QString kRightSenior = QStringLiteral("3");
inline const QString kRightAdmin = QStringLiteral("4");

}  // namespace schema
