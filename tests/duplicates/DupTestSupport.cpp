#include "DupTestSupport.h"

#include "db/OdbcQuery.h"
#include "db/Schema.h"
#include "db/SqlText.h"
#include "scripting/ScriptEngine.h"
#include "support/TestDb.h"

namespace duptest {

catalogue::entry::PaperEntry entryOf(const Paper& p) {
    catalogue::entry::PaperEntry e;
    e.title = p.title;
    e.author = p.author;
    e.date = p.date;
    e.filename = p.title.left(10) + QStringLiteral(".pdf");
    e.dir = QStringLiteral("D:\\papers");
    e.authorsTicked = !p.authors.isEmpty();
    e.authors = p.authors;
    e.kwordsTicked = !p.kwords.isEmpty();
    e.kwords = p.kwords;
    e.catalogTicked = !p.catalog.isEmpty();
    e.catalog = p.catalog;
    e.remarkTicked = !p.remark.isEmpty();
    e.remark = p.remark;
    return e;
}

QString enter(const Paper& p) {
    static scripting::ScriptEngine engine;
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    const auto n = catalogue::entry::insertPaper(q, engine, entryOf(p), QStringLiteral("editor"), p.typeTime);
    if (n.text != QStringLiteral("插入成功")) throw std::runtime_error("entry failed");
    return schema::paperKey(p.title, p.author, p.date);
}

QList<qint64> sizes() {
    QList<qint64> out;
    for (const QString& table : schema::kPaperTables) out << testdb::count(table);
    out << testdb::count(QStringLiteral("paper_match"));
    return out;
}

QString value(const QString& key, const QString& column) {
    return testdb::scalar(QStringLiteral("select ") + column +
                          QStringLiteral(" from main m join author_all w on w.Paperid=m.Paperid join kword_all k on "
                                         "k.Paperid=m.Paperid join address a on a.Paperid=m.Paperid join type_in t on "
                                         "t.Paperid=m.Paperid left join paper_match p on p.Paperid=m.Paperid "
                                         "where m.Paperid='") +
                          db::sqlQuote(key) + QLatin1Char('\''));
}

}  // namespace duptest
