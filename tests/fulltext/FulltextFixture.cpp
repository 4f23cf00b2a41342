#include "FulltextFixture.h"

#include <QCryptographicHash>
#include <algorithm>

#include "db/Schema.h"
#include "db/SqlText.h"
#include "fulltext/SearchEngine.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

void FulltextDb::SetUp() {
    testdb::loadSample();
    testdb::runFile(QStringLiteral("sql/upgrade-fulltext.sql"));
    recorder::clear();
    q.setConnectionString(testdb::paperConnection());
}

QString FulltextDb::keyOf(const QString& title) {
    return schema::paperKey(title, QStringLiteral("作者"), QStringLiteral("2024"));
}

void FulltextDb::addPaper(const QString& title, const QString& dir, const QString& filename) {
    const QString k = QLatin1Char('\'') + db::sqlQuote(keyOf(title)) + QLatin1Char('\'');
    const QString name = filename.isEmpty() ? title + QStringLiteral(".pdf") : filename;
    testdb::exec(QStringLiteral("insert into main values (%1,'%2','作者','2024')").arg(k, db::sqlQuote(title)));
    testdb::exec(QStringLiteral("insert into author_all (Paperid, author_1) values (%1,'作者')").arg(k));
    testdb::exec(QStringLiteral("insert into kword_all (Paperid) values (%1)").arg(k));
    testdb::exec(QStringLiteral("insert into address (Paperid, filename, dir) values (%1,'%2','%3')")
                     .arg(k, db::sqlQuote(name), db::sqlQuote(dir)));
    testdb::exec(QStringLiteral("insert into type_in values (%1,'editor','2024-01-01')").arg(k));
}

fulltext::ExtractedFile FulltextDb::file(const QString& title, const QStringList& pages, const QString& dir) {
    fulltext::ExtractedFile f;
    f.key = keyOf(title);
    f.dir = dir;
    f.filename = title + QStringLiteral(".pdf");
    f.size = 1000;
    f.mtime = 1;
    f.hash = QString::fromLatin1(QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex());
    f.pages = pages;
    return f;
}

QHash<quint64, QString> FulltextDb::documents() {
    QHash<quint64, QString> out;
    db::OdbcQuery& a = testdb::admin();
    a.openSql(QStringLiteral("select doc_id, Paperid from fulltext_doc"));
    for (; !a.eof(); a.next()) out.insert(a.field(0).toULongLong(), a.field(1));
    a.close();
    return out;
}

QStringList FulltextDb::found(const QString& text) {
    const QHash<quint64, QString> docs = documents();
    QStringList out;
    for (const fulltext::Match& m : fulltext::search(q, text).matches) out.append(docs.value(m.doc));
    std::sort(out.begin(), out.end());
    return out;
}
