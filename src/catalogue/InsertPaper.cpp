#include "catalogue/InsertPaper.h"

#include <QDate>

#include "db/Schema.h"
#include "db/SqlText.h"
#include "duplicates/MatchIndex.h"

namespace catalogue::entry {

using db::sqlQuote;

QString mainInsert(const QString& key, const QString& title, const QString& author, const QString& date) {
    return QStringLiteral("insert into main values ('") + sqlQuote(key) + QStringLiteral("','") +
           sqlQuote(title) + QStringLiteral("','") + sqlQuote(author) + QStringLiteral("','") +
           sqlQuote(date) + QStringLiteral("')");
}

QString plainAuthorsInsert(const QString& key, const QString& author) {
    return QStringLiteral("insert into author_all (Paperid,author_1) values ('") + sqlQuote(key) +
           QStringLiteral("','") + sqlQuote(author) + QStringLiteral("')");
}

std::optional<QString> addressInsert(const QString& key, const PaperEntry& e) {
    if (e.filename.isEmpty() || e.dir.isEmpty()) return std::nullopt;
    const bool category = e.catalogTicked && !e.catalog.isEmpty();
    const bool remark = e.remarkTicked && !e.remark.isEmpty();
    // A ticked box left empty matches no row of the table: no address row.
    if (e.catalogTicked && !category) return std::nullopt;
    if (e.remarkTicked && !remark) return std::nullopt;

    QString rest;
    if (category && remark)
        rest = QStringLiteral("','") + sqlQuote(e.catalog) + QStringLiteral("','") + sqlQuote(e.remark) +
               QStringLiteral("')");
    else if (remark)
        rest = QStringLiteral("',null,'") + sqlQuote(e.remark) + QStringLiteral("')");
    else if (category)
        rest = QStringLiteral("','") + sqlQuote(e.catalog) + QStringLiteral("',null)");
    else
        rest = QStringLiteral("',null,null)");
    return QStringLiteral("insert into address values ('") + sqlQuote(key) + QStringLiteral("','") +
           sqlQuote(e.filename) + QStringLiteral("','") + sqlQuote(e.dir) + rest;
}

QString plainKwordsInsert(const QString& key) {
    return QStringLiteral("insert into kword_all (Paperid) values ('") + sqlQuote(key) + QStringLiteral("')");
}

QString typeInInsert(const QString& key, const QString& typist, const QString& date) {
    return QStringLiteral("insert into type_in values ('") + sqlQuote(key) + QStringLiteral("','") +
           sqlQuote(typist) + QStringLiteral("','") + sqlQuote(date) + QStringLiteral("')");
}

QString today() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }

QString matchInsert(const QString& key, const PaperEntry& e) {
    return duplicates::index::matchInsert(key, e.title, e.author, e.date, e.remarkTicked ? e.remark : QString());
}

bool allAffected(const PaperCounts& counts) {
    for (qint64 c : counts)
        if (c < 1) return false;
    return true;
}

PaperCounts sendPaper(db::Query& q, scripting::HookCaller& hooks, const PaperEntry& e, const QString& key,
                      const QString& typist, const QString& date, const QStringList& before) {
    // The statements go as one run; where each of the six stands in it.
    QStringList run = before;
    std::array<qsizetype, 6> at{-1, -1, -1, -1, -1, -1};
    auto add = [&](int which, const QString& statement) {
        at[which] = run.size();
        run << statement;
    };
    try {
        add(0, mainInsert(key, e.title, e.author, e.date));
        add(1, e.authorsTicked && !e.authors.isEmpty()
                   ? hookStatement(hooks, scripting::kInsertAuthors, {e.authors, e.author, key},
                                   QStringLiteral("insert"), schema::kAuthorAll)
                   : plainAuthorsInsert(key, e.author));
        if (const auto address = addressInsert(key, e)) add(2, *address);
        add(3, e.kwordsTicked && !e.kwords.isEmpty()
                   ? hookStatement(hooks, scripting::kInsertKwords, {e.kwords, key}, QStringLiteral("insert"),
                                   schema::kKwordAll)
                   : plainKwordsInsert(key));
        add(4, typeInInsert(key, typist, date));
        add(5, matchInsert(key, e));
    } catch (...) {
        // A hook that fails stops the paper where it stands: what comes
        // before it is sent, as when each statement went on its own.
        q.execAll(run);
        throw;
    }
    const QVector<qint64> sent = q.execAll(run);
    PaperCounts counts{0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < at.size(); ++i)
        if (at[i] >= 0) counts[i] = sent[at[i]];
    return counts;
}

Notice insertPaper(db::Query& q, scripting::HookCaller& hooks, const PaperEntry& e, const QString& typist,
                   const QString& date) {
    const QString key = schema::paperKey(e.title, e.author, e.date);
    const QString begin = QStringLiteral("begin");
    db::Transaction change(q, db::Transaction::BeginInRun{});
    PaperCounts counts;
    try {
        counts = sendPaper(q, hooks, e, key, typist, date, {begin});
    } catch (...) {
        if (q.sql() == begin) change.beginFailed();
        throw;
    }
    return change.finish(allAffected(counts)) ? kSuccess : kFailure;
}

}  // namespace catalogue::entry
