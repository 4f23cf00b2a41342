#include "ServerSupport.h"

#include "Reliability.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "db/SqlText.h"

#include <gtest/gtest.h>

namespace rel {

QStringList click(QAbstractButton* button) {
    recorder::clear();
    button->click();
    QApplication::processEvents();
    return recorder::lines();
}

bool isErrorReport(const QStringList& shown) {
    return shown.size() == 1 && shown.first().startsWith(QLatin1Char('!'));
}

QString Paper::key() const { return schema::paperKey(title, author, date); }

namespace {

QString lit(const std::optional<QString>& v) {
    return v ? QLatin1Char('\'') + db::sqlQuote(*v) + QLatin1Char('\'') : QStringLiteral("null");
}
QString lit(const QString& v) { return QLatin1Char('\'') + db::sqlQuote(v) + QLatin1Char('\''); }

}  // namespace

bool storePaper(const Paper& p) {
    const QString k = lit(p.key());
    QString authors = lit(p.author), kwords;
    for (const auto& a : p.authors) authors += QLatin1Char(',') + lit(a);
    for (const auto& w : p.kwords) kwords += QLatin1Char(',') + lit(w);
    try {
        testdb::exec(QStringLiteral("begin"));
        testdb::exec(QStringLiteral("insert into main values (%1,%2,%3,%4)").arg(k, lit(p.title), lit(p.author), lit(p.date)));
        testdb::exec(QStringLiteral("insert into author_all values (%1,%2)").arg(k, authors));
        testdb::exec(QStringLiteral("insert into address values (%1,%2,%3,%4,%5)")
                         .arg(k, lit(p.filename), lit(p.dir), lit(p.catalog), lit(p.remark)));
        testdb::exec(QStringLiteral("insert into kword_all values (%1%2)").arg(k, kwords));
        testdb::exec(QStringLiteral("insert into type_in values (%1,%2,%3)").arg(k, lit(p.typist), lit(p.typeTime)));
        testdb::exec(QStringLiteral("commit"));
        return true;
    } catch (const db::DbError&) {
        return false;  // the query object has rolled back
    }
}

void clearPapers() {
    for (const QString& t : schema::kPaperTables) testdb::exec(QStringLiteral("delete from ") + t);
}

QList<qint64> rowsOf(const QString& key) {
    QList<qint64> out;
    for (const QString& t : schema::kPaperTables)
        out << testdb::count(t, QStringLiteral("Paperid=") + lit(key));
    return out;
}

qint64 partialPapers() {
    // Every key of any paper table, with the number of tables that hold it once.
    QStringList parts;
    for (const QString& t : schema::kPaperTables) parts << QStringLiteral("select Paperid from ") + t;
    return testdb::scalar(QStringLiteral("select count(*) from (select Paperid, count(*) n from (") +
                          parts.join(QStringLiteral(" union all ")) +
                          QStringLiteral(") k group by Paperid having n<>5) bad"))
        .toLongLong();
}

QStringList row(const QString& sql) {
    try {
        testdb::admin().openSql(sql);
    } catch (const db::DbError& e) {
        ADD_FAILURE() << "reading back failed: " << e.message().toStdString() << "\n  " << sql.left(300).toStdString();
        return {};
    }
    QStringList out;
    auto result = testdb::admin().result();
    if (result && result->rowCount() > 0)
        for (int c = 0; c < result->columnCount(); ++c)
            out << (result->isNull(0, c) ? QString() : result->text(0, c));
    testdb::admin().close();
    return out;
}

QStringList accountTables() {
    return testdb::column(QStringLiteral(
               "select concat(hex(username),':',hex(password)) from username_password order by 1")) +
           testdb::column(QStringLiteral(
               "select concat(hex(username),':',hex(rightid)) from username_rightid order by 1"));
}

QStringList tableList() {
    QStringList t = testdb::column(QStringLiteral("show tables"));
    t.sort();
    return t;
}

namespace {
bool pySpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0d) || (c >= 0x1c && c <= 0x20) || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f ||
           c == 0x3000;
}
}  // namespace

QString pyStrip(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && pySpace(text.at(b).unicode())) ++b;
    while (e > b && pySpace(text.at(e - 1).unicode())) --e;
    return text.mid(b, e - b);
}

std::optional<QStringList> hookItems(const QString& text, int limit) {
    QString t = text;
    t.replace(QLatin1Char(';'), QStringLiteral("；"));
    QStringList items;
    for (const QString& piece : t.split(QStringLiteral("；"))) {
        const QString s = pyStrip(piece);
        if (!s.isEmpty()) items << s;
    }
    if (items.size() > limit) return std::nullopt;
    return items;
}

bool fits(const QString& value, int limit) { return serverLength(value) <= limit; }

void reconnectAdmin() {
    for (int i = 0; i < 3; ++i) {
        try {
            testdb::scalar(QStringLiteral("select 1"));
            return;
        } catch (const db::DbError&) {
        }
    }
}

}  // namespace rel

#include <gtest/gtest.h>

namespace rel {

Tally::Tally(const QString& window) : window_(window) {
    for (const char* figure : {"tried", "exact", "refused_too_long", "not_round_tripped", "side_effects"})
        add(QStringLiteral("server.%1.%2").arg(window_, QLatin1String(figure)), 0);
}

Tally::~Tally() { report(QStringLiteral("server.") + window_ + QLatin1Char('.')); }

void Tally::tried() { add(QStringLiteral("server.%1.tried").arg(window_)); }
void Tally::exact() { add(QStringLiteral("server.%1.exact").arg(window_)); }
void Tally::refused() { add(QStringLiteral("server.%1.refused_too_long").arg(window_)); }
void Tally::refusedDuplicate() { add(QStringLiteral("server.%1.refused_taken_name").arg(window_)); }
void Tally::notStorable() { add(QStringLiteral("server.%1.not_applicable").arg(window_)); }

void Tally::note(const QString& kind, const QString& box, const QString& payload, const QString& detail) {
    add(QStringLiteral("server.%1.%2").arg(window_, kind));
    ++faultCount_;
    if (faults_.size() < 5)
        faults_ << QStringLiteral("%1 %2 <- [%3]: %4").arg(kind, box, payload.left(80), detail);
}

void Tally::notRoundTripped(const QString& box, const QString& payload, const QString& detail) {
    note(QStringLiteral("not_round_tripped"), box, payload, detail);
}

void Tally::sideEffect(const QString& box, const QString& payload, const QString& detail) {
    note(QStringLiteral("side_effects"), box, payload, detail);
}

void Tally::check() const {
    if (faultCount_ > 0)
        ADD_FAILURE() << window_.toStdString() << ": " << faultCount_ << " faults, first ones:\n"
                      << faults_.join(QLatin1Char('\n')).toStdString();
}

}  // namespace rel
