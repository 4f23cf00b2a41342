#include <QHash>

#include "db/Schema.h"
#include "fulltext/SearchEngine.h"

namespace fulltext {

std::shared_ptr<db::ResultSet> resultRows(db::Query& q, const QVector<Match>& matches, int shown) {
    const QStringList columns = {schema::label(QStringLiteral("title")),  schema::label(QStringLiteral("author_1")),
                                 schema::label(QStringLiteral("pub_time")), QStringLiteral("页码"),
                                 QStringLiteral("摘录"),                    schema::label(QStringLiteral("dir")),
                                 schema::label(QStringLiteral("filename"))};
    auto rows = std::make_shared<db::ResultSet>(columns);
    const int count = std::min<int>(shown, matches.size());
    if (count == 0) return rows;
    QStringList ids;
    for (int i = 0; i < count; ++i) ids.append(QString::number(matches[i].doc));
    q.openSql(QStringLiteral("select f.doc_id, m.title, m.author_1, m.pub_time, a.dir, a.filename from fulltext_doc f "
                             "join main m on m.Paperid=f.Paperid left join address a on a.Paperid=f.Paperid "
                             "where f.doc_id in (") +
              ids.join(QLatin1Char(',')) + QLatin1Char(')'));
    QHash<quint64, QStringList> paper;
    for (; !q.eof(); q.next())
        paper.insert(q.field(0).toULongLong(), {q.field(1), q.field(2), q.field(3), q.field(4), q.field(5)});
    q.close();
    rows->reserveRows(count);
    for (int i = 0; i < count; ++i) {
        const auto it = paper.constFind(matches[i].doc);
        if (it == paper.constEnd()) continue;
        const QStringList cells = {it->at(0), it->at(1), it->at(2), QString::number(matches[i].page),
                                   matches[i].snippet, it->at(3), it->at(4)};
        for (const QString& cell : cells) {
            const QByteArray bytes = cell.toUtf8();
            rows->appendCell(bytes.constData(), std::size_t(bytes.size()));
        }
    }
    return rows;
}

}  // namespace fulltext
