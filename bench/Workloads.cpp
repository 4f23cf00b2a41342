#include "Workloads.h"

#include <QFile>
#include <stdexcept>

#include "db/Schema.h"
#include "db/SqlText.h"

namespace bench {

QString quickSearchStatement(const QString& title, const QString& firstAuthor, const QString& pubTime) {
    return QStringLiteral(
               "select title '论文题目',author_1 '论文一作',pub_time '发表时间',filename '论文文件名',"
               "dir '保存文件夹' from main m,address a where m.Paperid=a.Paperid and m.title like '") +
           db::likePattern(title) + QStringLiteral("' and m.author_1 like '") + db::likePattern(firstAuthor) +
           QStringLiteral("' and m.pub_time like '") + db::likePattern(pubTime) +
           QStringLiteral("' order by m.Paperid");
}

QString detailedAllColumnsStatement() {
    // Select list: every output group in its fixed order.
    QString s = QStringLiteral("select ");
    for (const char* column : {"title", "main.author_1", "pub_time", "filename", "dir", "catalog",
                               "author_all.author_1", "author_2", "author_3", "author_4", "author_5",
                               "kword_1", "kword_2", "kword_3", "kword_4", "kword_5", "kword_6",
                               "kword_7", "kword_8", "kword_9", "kword_a", "typist", "type_time",
                               "remark"})
        s += schema::aliased(QLatin1String(column));
    s.chop(1);
    s += QStringLiteral(
        " from main,address,type_in,author_all,kword_all where main.Paperid=address.Paperid and "
        "address.Paperid=type_in.Paperid and type_in.Paperid=author_all.Paperid and "
        "author_all.Paperid=kword_all.Paperid");

    // No criterion in use: every pattern is "%", the keyword condition takes
    // the parenthesised "is null" form and the category passes NULL.
    const QString p = db::likePattern(QString());
    s += QStringLiteral(" and title like '") + p + QStringLiteral("' and main.author_1 like '") + p +
         QStringLiteral("' and pub_time like '") + p;
    s += QStringLiteral(
             "' and ((kword_1 is null) or (kword_2 is null) or (kword_3 is null) or (kword_4 is null) or "
             "(kword_5 is null) or (kword_6 is null) or (kword_7 is null) or (kword_8 is null) or "
             "(kword_9 is null) or (kword_a is null) or kword_1 like '") +
         p;
    for (const char* k : {"kword_2", "kword_3", "kword_4", "kword_5", "kword_6", "kword_7", "kword_8",
                          "kword_9", "kword_a"})
        s += QStringLiteral("' or ") + QLatin1String(k) + QStringLiteral(" like '") + p;
    s += QStringLiteral("') and (catalog like '") + p +
         QStringLiteral("' or catalog is null) and filename like '");
    s += p + QStringLiteral("' and dir like '") + p + QStringLiteral("' and typist like '") + p +
         QStringLiteral("' and type_time like '") + p + QStringLiteral("'");
    s += QStringLiteral(" order by main.Paperid");
    return s;
}

namespace {

QString quoted(const QString& value) { return db::sqlQuote(value); }

}  // namespace

bool insertPaper(db::Query& query, const HookCall& hooks, const PaperEntry& e, const QString& typist,
                 const QString& date) {
    const QString key = schema::paperKey(e.title, e.author, e.date);
    const QString k = quoted(key);
    query.execSql(QStringLiteral("begin"));
    const qint64 mainCount = query.execSql(QStringLiteral("insert into main values ('") + k +
                                           QStringLiteral("','") + quoted(e.title) + QStringLiteral("','") +
                                           quoted(e.author) + QStringLiteral("','") + quoted(e.date) +
                                           QStringLiteral("')"));

    qint64 authorsCount = 0;
    if (e.authorsTicked && !e.authors.isEmpty())
        authorsCount = query.execSql(hooks(QStringLiteral("insert_d_a"), QStringLiteral("KT40617395_insert_d_a"),
                                           {e.authors, e.author, key}));
    else
        authorsCount = query.execSql(QStringLiteral("insert into author_all (Paperid,author_1) values ('") + k +
                                     QStringLiteral("','") + quoted(e.author) + QStringLiteral("')"));

    qint64 addressCount = 0;
    if (!e.filename.isEmpty() && !e.dir.isEmpty()) {
        const bool catalog = e.catalogTicked && !e.catalog.isEmpty();
        const bool remark = e.remarkTicked && !e.remark.isEmpty();
        QString rest;
        if (catalog && remark)
            rest = QStringLiteral("','") + quoted(e.catalog) + QStringLiteral("','") + quoted(e.remark) +
                   QStringLiteral("')");
        else if (!e.catalogTicked && remark)
            rest = QStringLiteral("',null,'") + quoted(e.remark) + QStringLiteral("')");
        else if (catalog && !e.remarkTicked)
            rest = QStringLiteral("','") + quoted(e.catalog) + QStringLiteral("',null)");
        else if (!e.catalogTicked && !e.remarkTicked)
            rest = QStringLiteral("',null,null)");
        if (!rest.isEmpty())
            addressCount = query.execSql(QStringLiteral("insert into address values ('") + k +
                                         QStringLiteral("','") + quoted(e.filename) + QStringLiteral("','") +
                                         quoted(e.dir) + rest);
    }

    qint64 kwordsCount = 0;
    if (e.kwordsTicked && !e.kwords.isEmpty())
        kwordsCount = query.execSql(
            hooks(QStringLiteral("insert_d_k"), QStringLiteral("KT40617395_insert_d_k"), {e.kwords, key}));
    else
        kwordsCount = query.execSql(QStringLiteral("insert into kword_all (Paperid) values ('") + k +
                                    QStringLiteral("')"));

    const qint64 typeInCount = query.execSql(QStringLiteral("insert into type_in values ('") + k +
                                             QStringLiteral("','") + quoted(typist) + QStringLiteral("','") +
                                             quoted(date) + QStringLiteral("')"));

    if (mainCount >= 1 && authorsCount >= 1 && addressCount >= 1 && kwordsCount >= 1 && typeInCount >= 1) {
        query.execSql(QStringLiteral("commit"));
        return true;
    }
    query.execSql(QStringLiteral("rollback"));
    return false;
}

namespace {

QString unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            char n = field[++i];
            out += n == 't' ? '\t' : n == 'n' ? '\n' : n == '0' ? '\0' : n;
        } else {
            out += c;
        }
    }
    return QString::fromUtf8(out);
}

}  // namespace

QList<PaperEntry> readEntries(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    QList<PaperEntry> entries;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        const QList<QByteArray> v = line.split('\t');
        if (v.size() != 13) throw std::runtime_error("bad line in " + path.toStdString());
        auto flag = [](const QByteArray& b) { return b == "1"; };
        entries.append(PaperEntry{unescape(v[0]), unescape(v[1]), unescape(v[2]), unescape(v[3]),
                                  unescape(v[4]), flag(v[5]), unescape(v[6]), flag(v[7]), unescape(v[8]),
                                  flag(v[9]), unescape(v[10]), flag(v[11]), unescape(v[12])});
    }
    return entries;
}

}  // namespace bench
