#include "catalogue/SelectStatements.h"

#include <QStringList>

#include "db/Schema.h"
#include "db/SqlText.h"

namespace catalogue::search {

namespace {

Outcome judge(db::Query& query, const QString& caption, const QString& text) {
    if (query.recordCount() < 1) return {false, caption, text};
    return {true, {}, {}};
}

QString aliasedAll(const QStringList& columns) {
    QString out;
    for (const QString& c : columns) out += schema::aliased(c);
    return out;
}

// The select-list piece of each output group, in result order.
const std::array<QString, kOutputCount>& outputPieces() {
    static const std::array<QString, kOutputCount> pieces = {
        schema::aliased(QStringLiteral("title")),
        schema::aliased(QStringLiteral("main.author_1")),
        schema::aliased(QStringLiteral("pub_time")),
        schema::aliased(QStringLiteral("filename")),
        schema::aliased(QStringLiteral("dir")),
        schema::aliased(QStringLiteral("catalog")),
        aliasedAll({QStringLiteral("author_all.author_1"), QStringLiteral("author_2"),
                    QStringLiteral("author_3"), QStringLiteral("author_4"),
                    QStringLiteral("author_5")}),
        aliasedAll({QStringLiteral("kword_1"), QStringLiteral("kword_2"), QStringLiteral("kword_3"),
                    QStringLiteral("kword_4"), QStringLiteral("kword_5"), QStringLiteral("kword_6"),
                    QStringLiteral("kword_7"), QStringLiteral("kword_8"), QStringLiteral("kword_9"),
                    QStringLiteral("kword_a")}),
        schema::aliased(QStringLiteral("typist")),
        schema::aliased(QStringLiteral("type_time")),
        schema::aliased(QStringLiteral("remark")),
    };
    return pieces;
}

const QString kFrom = QStringLiteral(
    " from main,address,type_in,author_all,kword_all where main.Paperid=address.Paperid and "
    "address.Paperid=type_in.Paperid and type_in.Paperid=author_all.Paperid and "
    "author_all.Paperid=kword_all.Paperid");

// Keyword openers: in use; out of use with the category in use; out of use
// with the category out of use (each "is null" test in parentheses).
const QString kKeywordInUse = QStringLiteral("' and (kword_1 like '");
const QString kKeywordOpenBare = QStringLiteral(
    "' and (kword_1 is null or kword_2 is null or kword_3 is null or kword_4 is null or "
    "kword_5 is null or kword_6 is null or kword_7 is null or kword_8 is null or kword_9 is null "
    "or kword_a is null or kword_1 like '");
const QString kKeywordOpenParenthesised = QStringLiteral(
    "' and ((kword_1 is null) or (kword_2 is null) or (kword_3 is null) or (kword_4 is null) or "
    "(kword_5 is null) or (kword_6 is null) or (kword_7 is null) or (kword_8 is null) or "
    "(kword_9 is null) or (kword_a is null) or kword_1 like '");

}  // namespace

QString quickStatement(const QString& title, const QString& firstAuthor, const QString& pubTime) {
    return QStringLiteral(
               "select title '论文题目',author_1 '论文一作',pub_time '发表时间',filename "
               "'论文文件名',dir '保存文件夹' from main m,address a where m.Paperid=a.Paperid and "
               "m.title like '") +
           db::likePattern(title) + QStringLiteral("' and m.author_1 like '") +
           db::likePattern(firstAuthor) + QStringLiteral("' and m.pub_time like '") +
           db::likePattern(pubTime) + QStringLiteral("' order by m.Paperid");
}

Outcome runQuick(db::Query& query, const QString& connection, const QString& title,
                 const QString& firstAuthor, const QString& pubTime) {
    query.setConnectionString(connection);
    query.openSql(quickStatement(title, firstAuthor, pubTime));
    return judge(query, QStringLiteral("未找到"), QStringLiteral("未找到对应地址"));
}

Outputs defaultOutputs() {
    Outputs o{};
    o[OutTitle] = o[OutFirstAuthor] = o[OutPubTime] = true;
    return o;
}

bool inUse(bool ticked, const QString& text) { return ticked && !text.isEmpty(); }

QString detailedStatement(const Outputs& outputs, const Ticks& ticks, const Texts& texts) {
    const auto& pieces = outputPieces();
    QString sql = QStringLiteral("select ");
    for (int i = 0; i < kOutputCount; ++i)
        if (outputs[i]) sql += pieces[i];
    if (sql == QLatin1String("select ")) {
        for (int i : {OutTitle, OutFirstAuthor, OutPubTime, OutFileName, OutDir}) sql += pieces[i];
    }
    sql.chop(1);  // the comma after the last column
    sql += kFrom;

    Texts p;
    for (int i = 0; i < kCriterionCount; ++i)
        p[i] = inUse(ticks[i], texts[i]) ? db::likePattern(texts[i]) : QStringLiteral("%");
    const bool keyword = inUse(ticks[ByKeyword], texts[ByKeyword]);
    const bool catalog = inUse(ticks[ByCatalog], texts[ByCatalog]);

    sql += QStringLiteral(" and title like '") + p[ByTitle];
    sql += QStringLiteral("' and main.author_1 like '") + p[ByFirstAuthor];
    sql += QStringLiteral("' and pub_time like '") + p[ByPubTime];

    if (keyword) sql += kKeywordInUse;
    else sql += catalog ? kKeywordOpenBare : kKeywordOpenParenthesised;
    sql += p[ByKeyword];
    for (const char* column : {"kword_2", "kword_3", "kword_4", "kword_5", "kword_6", "kword_7",
                               "kword_8", "kword_9", "kword_a"})
        sql += QStringLiteral("' or ") + QLatin1String(column) + QStringLiteral(" like '") +
               p[ByKeyword];

    sql += catalog ? QStringLiteral("') and catalog like '") : QStringLiteral("') and (catalog like '");
    sql += p[ByCatalog];
    sql += catalog ? QStringLiteral("' and filename like '")
                   : QStringLiteral("' or catalog is null) and filename like '");

    sql += p[ByFileName];
    sql += QStringLiteral("' and dir like '") + p[ByDir];
    sql += QStringLiteral("' and typist like '") + p[ByTypist];
    sql += QStringLiteral("' and type_time like '") + p[ByTypeTime] + QStringLiteral("'");
    sql += QStringLiteral(" order by main.Paperid");
    return sql;
}

Outcome runDetailed(db::Query& query, const QString& connection, const Outputs& outputs,
                    const Ticks& ticks, const Texts& texts) {
    query.setConnectionString(connection);
    query.openSql(detailedStatement(outputs, ticks, texts));
    return judge(query, QStringLiteral("查询失败"), QStringLiteral("未查询到/未知查询错误"));
}

}  // namespace catalogue::search
