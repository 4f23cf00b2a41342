#include "catalogue/AuthorDirectory.h"

#include "db/SqlText.h"

namespace catalogue::authors {

namespace {

Outcome byCount(qint64 affected, const QString& okCaption, const QString& okText,
                const QString& failCaption, const QString& failText) {
    if (affected < 1) return {false, failCaption, failText};
    return {true, okCaption, okText};
}

}  // namespace

QString listStatement() { return QStringLiteral("select author from author_info order by author asc"); }

QString lookupStatement(const QString& author) {
    return QStringLiteral("select email from author_info where author='") + db::sqlQuote(author) +
           QStringLiteral("'");
}

QString insertStatement(const QString& author, const QString& email) {
    return QStringLiteral("insert into author_info values ('") + db::sqlQuote(author) +
           QStringLiteral("','") + db::sqlQuote(email) + QStringLiteral("')");
}

QString deleteStatement(const QString& author) {
    return QStringLiteral("delete from author_info where author='") + db::sqlQuote(author) +
           QStringLiteral("'");
}

QString updateStatement(const QString& author, const QString& email) {
    return QStringLiteral("update author_info set email='") + db::sqlQuote(email) +
           QStringLiteral("' where author='") + db::sqlQuote(author) + QStringLiteral("'");
}

void fillAuthors(db::Query& query, const QString& connection,
                 const std::function<void(const QString&)>& add) {
    query.setConnectionString(connection);
    query.openSql(listStatement());
    const qint64 n = query.recordCount();
    for (qint64 i = 0; i < n; ++i) {
        add(query.field(0));
        query.next();
    }
}

Lookup lookup(db::Query& query, const QString& connection, const QString& author) {
    query.setConnectionString(connection);
    query.openSql(lookupStatement(author));
    if (query.recordCount() < 1)
        return {{false, QStringLiteral("查询失败"), QStringLiteral("为查询到此作者")}, {}};
    return {{true, {}, {}}, query.field(0)};
}

Outcome insert(db::Query& query, const QString& connection, const QString& author,
               const QString& email) {
    query.setConnectionString(connection);
    return byCount(query.execSql(insertStatement(author, email)), QStringLiteral("插入成功"),
                   QStringLiteral("插入作者信息成功"), QStringLiteral("插入失败"),
                   QStringLiteral("插入作者信息失败（未知错误）"));
}

Outcome remove(db::Query& query, const QString& connection, const QString& author) {
    query.setConnectionString(connection);
    return byCount(query.execSql(deleteStatement(author)), QStringLiteral("删除成功"),
                   QStringLiteral("删除作者信息成功"), QStringLiteral("删除失败"),
                   QStringLiteral("删除作者信息失败（未知错误）"));
}

Outcome updateEmail(db::Query& query, const QString& connection, const QString& author,
                    const QString& email) {
    query.setConnectionString(connection);
    return byCount(query.execSql(updateStatement(author, email)), QStringLiteral("成功"),
                   QStringLiteral("更新作者信息成功"), QStringLiteral("失败"),
                   QStringLiteral("更新作者信息失败（未知错误）"));
}

}  // namespace catalogue::authors
