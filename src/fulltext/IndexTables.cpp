#include "fulltext/IndexTables.h"

#include <QSet>

#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "fulltext/CommonGrams.h"
#include "fulltext/Postings.h"
#include "fulltext/Tokenizer.h"

namespace fulltext {

bool indexPresent(db::Query& q) {
    if (!dynamic_cast<db::OdbcQuery*>(&q)) return false;
    q.openSql(QStringLiteral("select count(*) from information_schema.tables where table_schema=database() "
                             "and table_name in ('fulltext_doc','fulltext_page','fulltext_posting')"));
    const bool present = q.field(0) == QLatin1String("3");
    q.close();
    return present;
}

QStringList termsOf(const QStringList& pages) {
    if (pages.isEmpty()) return {};
    QHash<QString, quint32> counts;
    for (const QString& page : pages) countTerms(tokenize(page), counts);
    QStringList out = counts.keys();
    out.append(kPairsListed);
    return out;
}

QSet<std::uint64_t> docsWithPairs(db::Query& q) {
    QSet<std::uint64_t> out;
    q.openSql(QStringLiteral("select hex(data) from fulltext_posting where term=") + quotedList({kPairsListed}));
    QVector<Posting> listed;
    for (; !q.eof(); q.next()) {
        const QByteArray data = QByteArray::fromHex(q.field(0).toLatin1());
        decodePostings(data.constData(), std::size_t(data.size()), listed);
    }
    q.close();
    for (const Posting& p : listed) out.insert(p.doc);
    return out;
}

QString quotedList(const QStringList& texts) {
    QString out;
    for (const QString& t : texts) {
        if (!out.isEmpty()) out += QLatin1Char(',');
        out += QLatin1Char('\'') + db::sqlQuote(t) + QLatin1Char('\'');
    }
    return out;
}

namespace {

QStringList pagesOf(db::Query& q, std::uint64_t doc) {
    QStringList pages;
    q.openSql(QStringLiteral("select body from fulltext_page where doc_id=%1 order by page").arg(doc));
    for (; !q.eof(); q.next()) pages.append(q.field(0));
    q.close();
    return pages;
}

// Terms in groups small enough for one statement.
QList<QStringList> groups(const QStringList& terms, int size = 2000) {
    QList<QStringList> out;
    for (int i = 0; i < terms.size(); i += size) out.append(terms.mid(i, size));
    return out;
}

void dropPostings(db::Query& q, const IndexedDoc& d) {
    const QStringList terms = termsOf(pagesOf(q, d.doc));
    if (terms.isEmpty() || d.seg == 0) return;
    q.openSql(QStringLiteral("select count(*) from fulltext_doc where seg=%1").arg(d.seg));
    const bool alone = q.field(0).toLongLong() <= 1;
    q.close();
    for (const QStringList& group : groups(terms)) {
        const QString where =
            QStringLiteral(" where seg=%1 and term in (%2)").arg(d.seg).arg(quotedList(group));
        if (alone) {
            q.execSql(QStringLiteral("delete from fulltext_posting") + where);
            continue;
        }
        q.openSql(QStringLiteral("select term, hex(data) from fulltext_posting") + where);
        QStringList empty;
        QString rewrite;
        const auto rows = q.result();
        for (qint64 r = 0; rows && r < rows->rowCount(); ++r) {
            const std::string_view hex = rows->bytes(r, 1);
            const QByteArray kept =
                withoutDocument(QByteArray::fromHex(QByteArray(hex.data(), qsizetype(hex.size()))), d.doc);
            const QString term = rows->text(r, 0);
            if (kept.isEmpty()) {
                empty.append(term);
                continue;
            }
            rewrite += QStringLiteral("%1('%2',%3,x'%4')")
                           .arg(rewrite.isEmpty() ? QString() : QStringLiteral(","), db::sqlQuote(term))
                           .arg(d.seg)
                           .arg(QString::fromLatin1(kept.toHex()));
        }
        q.close();
        if (!empty.isEmpty())
            q.execSql(QStringLiteral("delete from fulltext_posting where seg=%1 and term in (%2)")
                          .arg(d.seg)
                          .arg(quotedList(empty)));
        if (!rewrite.isEmpty())
            q.execSql(QStringLiteral("insert into fulltext_posting (term, seg, data) values ") + rewrite +
                      QStringLiteral(" on duplicate key update data=values(data)"));
    }
}

}  // namespace

void forgetDocs(db::Query& q, const QVector<IndexedDoc>& docs) {
    for (const IndexedDoc& d : docs) {
        dropPostings(q, d);
        q.execSql(QStringLiteral("delete from fulltext_page where doc_id=%1").arg(d.doc));
        q.execSql(QStringLiteral("delete from fulltext_doc where doc_id=%1").arg(d.doc));
    }
}

void forgetPaper(db::Query& q, const QString& key) {
    if (!indexPresent(q)) return;
    q.openSql(QStringLiteral("select doc_id, seg from fulltext_doc where Paperid='") + db::sqlQuote(key) +
              QLatin1Char('\''));
    QVector<IndexedDoc> docs;
    for (; !q.eof(); q.next()) docs.append({q.field(0).toULongLong(), q.field(1).toULongLong()});
    q.close();
    forgetDocs(q, docs);
}

void followKey(db::Query& q, const QString& oldKey, const QString& newKey) {
    if (oldKey == newKey || !indexPresent(q)) return;
    q.execSql(QStringLiteral("update fulltext_doc set Paperid='") + db::sqlQuote(newKey) +
              QStringLiteral("' where Paperid='") + db::sqlQuote(oldKey) + QLatin1Char('\''));
}

}  // namespace fulltext
