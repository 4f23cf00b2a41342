#include "catalogue/InsertPaper.h"

#include <QDate>
#include <functional>

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

PaperCounts PaperRun::counts(const QVector<qint64>& sent) const {
    PaperCounts c{0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < at.size(); ++i)
        if (at[i] >= 0 && at[i] < sent.size()) c[i] = sent[at[i]];
    return c;
}

namespace {

// Makes the statements of one paper in order, handing each to `add` with its
// place among the six counted ones; a failing hook throws.
void makePaper(const std::function<void(int which, const QString& statement)>& add, scripting::HookCaller& hooks,
               const PaperEntry& e, const QString& key, const QString& typist, const QString& date) {
    add(0, mainInsert(key, e.title, e.author, e.date));
    add(1, e.authorsTicked && !e.authors.isEmpty()
               ? hookStatement(hooks, scripting::kInsertAuthors, {e.authors, e.author, key}, QStringLiteral("insert"),
                               schema::kAuthorAll)
               : plainAuthorsInsert(key, e.author));
    if (const auto address = addressInsert(key, e)) add(2, *address);
    add(3, e.kwordsTicked && !e.kwords.isEmpty()
               ? hookStatement(hooks, scripting::kInsertKwords, {e.kwords, key}, QStringLiteral("insert"),
                               schema::kKwordAll)
               : plainKwordsInsert(key));
    add(4, typeInInsert(key, typist, date));
    add(5, matchInsert(key, e));
}

}  // namespace

PaperRun paperRun(scripting::HookCaller& hooks, const PaperEntry& e, const QString& key, const QString& typist,
                  const QString& date, const QStringList& before) {
    PaperRun run{before};
    try {
        makePaper(
            [&run](int which, const QString& statement) {
                run.at[which] = run.statements.size();
                run.statements << statement;
            },
            hooks, e, key, typist, date);
    } catch (...) {
        run.failure = std::current_exception();
    }
    return run;
}

PaperCounts sendPaper(db::Query& q, scripting::HookCaller& hooks, const PaperEntry& e, const QString& key,
                      const QString& typist, const QString& date, const QStringList& before) {
    const PaperRun run = paperRun(hooks, e, key, typist, date, before);
    const QVector<qint64> sent = q.execAll(run.statements);
    if (run.failure) std::rethrow_exception(run.failure);
    return run.counts(sent);
}

Notice insertPaper(db::Query& q, scripting::HookCaller& hooks, const PaperEntry& e, const QString& typist,
                   const QString& date) {
    const QString key = schema::paperKey(e.title, e.author, e.date);
    db::Transaction change(q, db::Transaction::BeginInRun{});
    // "begin" and each row go while the next rows are made (the hooks, the
    // finder's index row); then "commit" or "rollback" as the counts say. A
    // failing hook stops the making: what came before it is sent, then
    // rolled back.
    PaperRun run;
    QVector<qint64> sent;
    const bool committed = change.makeThenFinish(
        [&](db::StatementFeed& feed) {
            feed.add(QStringLiteral("begin"));
            makePaper(
                [&](int which, const QString& statement) {
                    run.at[which] = feed.size();
                    feed.add(statement);
                },
                hooks, e, key, typist, date);
        },
        [&run](const QVector<qint64>& counts) { return allAffected(run.counts(counts)); }, sent);
    return committed ? kSuccess : kFailure;
}

}  // namespace catalogue::entry
