#include "catalogue/RemovePaper.h"

#include "db/Schema.h"
#include "db/SqlText.h"
#include "duplicates/MatchIndex.h"
#include "fulltext/IndexTables.h"

namespace catalogue::removal {

QStringList deleteStatements(const QString& key) {
    QStringList out;
    for (const QString& table : {schema::kMain, schema::kAddress, schema::kAuthorAll, schema::kKwordAll,
                                 schema::kTypeIn})
        out << QStringLiteral("delete from ") + table + QStringLiteral(" where Paperid='") + db::sqlQuote(key) +
                   QLatin1Char('\'');
    out << duplicates::index::matchDelete(key) << duplicates::index::distinctDelete(key);
    return out;
}

Notice removePaper(db::Query& q, const QString& title, const QString& author, const QString& date) {
    const QString key = schema::paperKey(title, author, date);
    const QStringList deletes = deleteStatements(key);
    db::Transaction change(q);
    qint64 counts[5] = {};
    for (int i = 0; i < 5; ++i) counts[i] = q.execSql(deletes[i]);
    for (int i = 5; i < deletes.size(); ++i) q.execSql(deletes[i]);
    fulltext::forgetPaper(q, key);
    return change.finish({counts[0], counts[1], counts[2], counts[3], counts[4]}) ? kSuccess : kFailure;
}

}  // namespace catalogue::removal
