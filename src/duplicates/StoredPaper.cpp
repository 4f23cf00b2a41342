#include "duplicates/StoredPaper.h"

#include "db/SqlText.h"

namespace duplicates {

int StoredPaper::richness() const {
    int n = int(authors.size() + kwords.size());
    for (const QString* s : {&title, &author, &date, &filename, &dir, &catalog, &remark})
        if (!s->isEmpty()) ++n;
    return n;
}

QString storedSelect(const QStringList& keys) {
    QStringList quoted;
    for (const QString& k : keys) quoted << QLatin1Char('\'') + db::sqlQuote(k) + QLatin1Char('\'');
    return QStringLiteral(
               "select m.Paperid,m.title,m.author_1,m.pub_time,w.author_2,w.author_3,w.author_4,w.author_5,"
               "k.kword_1,k.kword_2,k.kword_3,k.kword_4,k.kword_5,k.kword_6,k.kword_7,k.kword_8,k.kword_9,k.kword_a,"
               "a.filename,a.dir,a.catalog,a.remark,t.typist,t.type_time from main m "
               "join author_all w on w.Paperid=m.Paperid join kword_all k on k.Paperid=m.Paperid "
               "join address a on a.Paperid=m.Paperid join type_in t on t.Paperid=m.Paperid where m.Paperid in (") +
           quoted.join(QLatin1Char(',')) + QLatin1Char(')');
}

QVector<StoredPaper> readStored(db::Query& q) {
    QVector<StoredPaper> out;
    while (!q.eof()) {
        StoredPaper p;
        p.key = q.field(0);
        p.title = q.field(1);
        p.author = q.field(2);
        p.date = q.field(3);
        for (int c = 4; c < 8; ++c)
            if (!q.field(c).isEmpty()) p.authors << q.field(c);
        for (int c = 8; c < 18; ++c)
            if (!q.field(c).isEmpty()) p.kwords << q.field(c);
        p.filename = q.field(18);
        p.dir = q.field(19);
        p.catalog = q.field(20);
        p.remark = q.field(21);
        p.typist = q.field(22);
        p.typeTime = q.field(23);
        out << p;
        q.next();
    }
    q.close();
    return out;
}

}  // namespace duplicates
