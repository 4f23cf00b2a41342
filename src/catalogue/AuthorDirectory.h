#pragma once

#include <QString>
#include <functional>

#include "db/Query.h"

// The author directory (table author_info: author, email): the statements of
// its four windows and their handler flows over a query object.
namespace catalogue::authors {

// What a handler tells its window: a message box to show (none when the
// caption is empty) and whether the operation succeeded.
struct Outcome {
    bool ok = false;
    QString caption;
    QString text;
};

// ---- statements; every typed value is escaped for its quotes ----
QString listStatement();  // "select author from author_info order by author asc"
QString lookupStatement(const QString& author);
QString insertStatement(const QString& author, const QString& email);
QString deleteStatement(const QString& author);
QString updateStatement(const QString& author, const QString& email);

// Fills an author list: opens the list statement and hands each name to add,
// in order. An error ends the filling where it got to.
void fillAuthors(db::Query& query, const QString& connection,
                 const std::function<void(const QString&)>& add);

// The lookup: on success ok and the first address returned in email;
// "查询失败"/"为查询到此作者" when the name has no row.
struct Lookup {
    Outcome outcome;
    QString email;
};
Lookup lookup(db::Query& query, const QString& connection, const QString& author);

// "插入成功"/"插入作者信息成功" or "插入失败"/"插入作者信息失败（未知错误）".
Outcome insert(db::Query& query, const QString& connection, const QString& author,
               const QString& email);
// "删除成功"/"删除作者信息成功" or "删除失败"/"删除作者信息失败（未知错误）".
Outcome remove(db::Query& query, const QString& connection, const QString& author);
// "成功"/"更新作者信息成功" or "失败"/"更新作者信息失败（未知错误）".
Outcome updateEmail(db::Query& query, const QString& connection, const QString& author,
                    const QString& email);

}  // namespace catalogue::authors
