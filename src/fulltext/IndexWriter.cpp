#include "fulltext/IndexWriter.h"

#include <QHash>
#include <algorithm>

#include "db/SqlText.h"
#include "db/Transaction.h"
#include "fulltext/CommonGrams.h"
#include "fulltext/IndexTables.h"
#include "fulltext/Postings.h"
#include "fulltext/Tokenizer.h"

namespace fulltext {
namespace {

// Statements of many rows are cut at about this many characters.
constexpr int kStatementChars = 4 << 20;

QString q(const QString& text) { return QLatin1Char('\'') + db::sqlQuote(text) + QLatin1Char('\''); }

// Sends "head" + rows separated by commas, in statements of bounded size.
void insertRows(db::Query& query, const QString& head, const QStringList& rows) {
    QString sql;
    for (const QString& row : rows) {
        if (!sql.isEmpty() && sql.size() + row.size() > kStatementChars) {
            query.execSql(sql);
            sql.clear();
        }
        sql += sql.isEmpty() ? head + row : QLatin1Char(',') + row;
    }
    if (!sql.isEmpty()) query.execSql(sql);
}

QVector<IndexedDoc> earlierDocs(db::Query& query, const QStringList& keys) {
    QVector<IndexedDoc> out;
    query.openSql(QStringLiteral("select doc_id, seg from fulltext_doc where Paperid in (") + quotedList(keys) +
                  QLatin1Char(')'));
    for (; !query.eof(); query.next()) out.append({query.field(0).toULongLong(), query.field(1).toULongLong()});
    query.close();
    return out;
}

}  // namespace

int writeBatch(db::Query& query, const QVector<ExtractedFile>& files) {
    if (files.isEmpty()) return 0;
    QStringList keys;
    for (const ExtractedFile& f : files) keys.append(f.key);

    db::Transaction change(query);
    forgetDocs(query, earlierDocs(query, keys));

    // the documents, each only while its paper still names the same file
    QVector<QVector<QVector<Token>>> tokens(files.size());
    for (int i = 0; i < files.size(); ++i) {
        const ExtractedFile& f = files[i];
        int count = 0;
        for (const QString& page : f.pages) {
            tokens[i].append(tokenize(page));
            count += int(tokens[i].last().size());
        }
        query.execSql(QStringLiteral("insert into fulltext_doc (Paperid, seg, file_size, file_mtime, file_hash, "
                                     "pages, tokens, error) select Paperid, 0, %1, %2, %3, %4, %5, %6 from "
                                     "address where Paperid=%7 and binary dir=%8 and binary filename=%9")
                          .arg(f.size)
                          .arg(f.mtime)
                          .arg(q(f.hash))
                          .arg(f.pages.size())
                          .arg(count)
                          .arg(f.error.isEmpty() ? QStringLiteral("null") : q(f.error.left(200)))
                          .arg(q(f.key), q(f.dir), q(f.filename)));
    }
    QHash<QString, quint64> ids;
    query.openSql(QStringLiteral("select Paperid, doc_id from fulltext_doc where Paperid in (") + quotedList(keys) +
                  QLatin1Char(')'));
    for (; !query.eof(); query.next()) ids.insert(query.field(0), query.field(1).toULongLong());
    query.close();

    // the segment is named by its first document
    quint64 seg = 0;
    for (const ExtractedFile& f : files)
        if (ids.contains(f.key) && !f.pages.isEmpty()) seg = seg ? std::min(seg, ids[f.key]) : ids[f.key];
    QStringList pageRows, withText;
    QHash<QString, QVector<Posting>> postings;
    for (int i = 0; i < files.size(); ++i) {
        const ExtractedFile& f = files[i];
        if (!ids.contains(f.key) || f.pages.isEmpty()) continue;
        const quint64 doc = ids[f.key];
        withText.append(QString::number(doc));
        postings[kPairsListed].append(Posting{doc, 1, 1});
        for (int p = 0; p < f.pages.size(); ++p) {
            pageRows.append(QStringLiteral("(%1,%2,%3)").arg(doc).arg(p + 1).arg(q(f.pages[p])));
            // one look-up a term: a term seen before on this page is at the end of its list
            const quint32 page = quint32(p + 1);
            forEachTerm(tokens[i][p], [&](const QString& term) {
                QVector<Posting>& list = postings[term];
                if (!list.isEmpty() && list.last().doc == doc && list.last().page == page) ++list.last().count;
                else list.append(Posting{doc, page, 1});
            });
        }
    }
    if (seg) {
        query.execSql(QStringLiteral("update fulltext_doc set seg=%1 where doc_id in (%2)")
                          .arg(seg)
                          .arg(withText.join(QLatin1Char(','))));
        insertRows(query, QStringLiteral("insert into fulltext_page (doc_id, page, body) values "), pageRows);
        QStringList rows;
        rows.reserve(postings.size());
        // in the order of the table's key, so that the server adds each row
        // next to the one before (in hash order every row lands on another page)
        QStringList terms = postings.keys();
        std::sort(terms.begin(), terms.end());
        for (const QString& term : terms) {
            QVector<Posting>& list = postings[term];
            std::sort(list.begin(), list.end(), [](const Posting& a, const Posting& b) {
                return a.doc != b.doc ? a.doc < b.doc : a.page < b.page;
            });
            rows.append(QStringLiteral("(%1,%2,x'%3')")
                            .arg(q(term))
                            .arg(seg)
                            .arg(QString::fromLatin1(encodePostings(list).toHex())));
        }
        insertRows(query, QStringLiteral("insert into fulltext_posting (term, seg, data) values "), rows);
    }
    change.finish(true);
    return int(ids.size());
}

void touchFile(db::Query& query, const QString& key, qint64 size, qint64 mtime) {
    query.execSql(QStringLiteral("update fulltext_doc set file_size=%1, file_mtime=%2 where Paperid=%3")
                      .arg(size)
                      .arg(mtime)
                      .arg(q(key)));
}

}  // namespace fulltext
