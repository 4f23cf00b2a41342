#include "fulltext/SegmentMerge.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

#include "db/Transaction.h"
#include "fulltext/IndexTables.h"
#include "fulltext/Postings.h"

namespace fulltext {

int mergeSmallSegments(db::Query& q, int smallDocs, int atLeast, int most) {
    QStringList segs;
    quint64 into = 0;
    q.openSql(QStringLiteral("select seg from fulltext_doc where seg>0 group by seg having count(*)<%1 order by seg "
                             "limit %2")
                  .arg(smallDocs)
                  .arg(most));
    for (; !q.eof(); q.next()) {
        segs.append(q.field(0));
        if (!into) into = q.field(0).toULongLong();  // the merged segment keeps the first one's name
    }
    q.close();
    if (segs.size() < atLeast) return 0;
    const QString list = segs.join(QLatin1Char(','));

    db::Transaction change(q);
    QHash<QString, QVector<Posting>> postings;
    q.openSql(QStringLiteral("select term, hex(data) from fulltext_posting where seg in (%1) for update").arg(list));
    const auto rows = q.result();
    for (qint64 r = 0; rows && r < rows->rowCount(); ++r) {
        const QByteArray data = QByteArray::fromHex(rows->text(r, 1).toLatin1());
        decodePostings(data.constData(), std::size_t(data.size()), postings[rows->text(r, 0)]);
    }
    q.close();
    q.execSql(QStringLiteral("delete from fulltext_posting where seg in (%1)").arg(list));
    QString sql;
    auto send = [&] {
        if (!sql.isEmpty()) q.execSql(QStringLiteral("insert into fulltext_posting (term, seg, data) values ") + sql);
        sql.clear();
    };
    for (auto it = postings.begin(); it != postings.end(); ++it) {
        std::sort(it->begin(), it->end(), [](const Posting& a, const Posting& b) {
            return a.doc != b.doc ? a.doc < b.doc : a.page < b.page;
        });
        if (!sql.isEmpty()) sql += QLatin1Char(',');
        sql += QStringLiteral("(%1,%2,x'%3')")
                   .arg(quotedList({it.key()}))
                   .arg(into)
                   .arg(QString::fromLatin1(encodePostings(*it).toHex()));
        if (sql.size() > (4 << 20)) send();
    }
    send();
    q.execSql(QStringLiteral("update fulltext_doc set seg=%1 where seg in (%2)").arg(into).arg(list));
    change.finish(true);
    return int(segs.size());
}

}  // namespace fulltext
