#include "catalogue/UpdatePaper.h"

#include <algorithm>

#include "db/Messages.h"
#include "db/Schema.h"
#include "db/SqlText.h"
#include "duplicates/MatchIndex.h"
#include "fulltext/IndexTables.h"

namespace catalogue::update {

using db::sqlQuote;

namespace {
QString chosen(bool ticked, const QString& value, const QString& old) {
    return ticked && !value.isEmpty() ? value : old;
}
QString whereKey(const QString& key) {
    return QStringLiteral(" where Paperid='") + sqlQuote(key) + QLatin1Char('\'');
}
}  // namespace

QString newTitle(const MainChange& c) { return chosen(c.titleTicked, c.newTitle, c.title); }
QString newAuthor(const MainChange& c) { return chosen(c.authorTicked, c.newAuthor, c.author); }
QString newDate(const MainChange& c) { return chosen(c.dateTicked, c.newDate, c.date); }

QString mainRowUpdate(const QString& oldKey, const QString& title, const QString& author, const QString& date) {
    return QStringLiteral("update main set title='") + sqlQuote(title) + QStringLiteral("',author_1='") +
           sqlQuote(author) + QStringLiteral("',pub_time='") + sqlQuote(date) + QLatin1Char('\'') +
           whereKey(oldKey);
}

QString firstAuthorUpdate(const QString& oldKey, const QString& author) {
    return QStringLiteral("update author_all set author_1='") + sqlQuote(author) + QLatin1Char('\'') +
           whereKey(oldKey);
}

QStringList keyRewrites(const QString& newKey, const QString& oldKey) {
    QStringList out;
    for (const QString& table : schema::kPaperTables)
        out << QStringLiteral("update ") + table + QStringLiteral(" set Paperid='") + sqlQuote(newKey) +
                   QLatin1Char('\'') + whereKey(oldKey);
    return out;
}

Notice updateMain(db::Query& q, const MainChange& c) {
    const QString oldKey = schema::paperKey(c.title, c.author, c.date);
    const QString title = newTitle(c), author = newAuthor(c), date = newDate(c);
    const QString newKey = schema::paperKey(title, author, date);
    db::Transaction change(q);
    const qint64 a = q.execSql(mainRowUpdate(oldKey, title, author, date));
    qint64 b = 1;
    if (c.authorTicked && !c.newAuthor.isEmpty()) b = q.execSql(firstAuthorUpdate(oldKey, author));
    const QStringList rewrites = keyRewrites(newKey, oldKey);
    qint64 k[5] = {};
    for (int i = 0; i < 5; ++i) k[i] = q.execSql(rewrites[i]);
    // the duplicate finder's index follows; a paper not yet indexed has no row to move
    q.execSql(duplicates::index::matchRewrite(oldKey, newKey, title, author, date));
    if (newKey != oldKey) q.execSql(duplicates::index::distinctDelete(oldKey));
    fulltext::followKey(q, oldKey, newKey);
    return change.finish({a, b, k[0], k[1], k[2], k[3], k[4]}) ? kSuccess : kFailure;
}

QString addressUpdate(Item item, const QString& key, const QString& text) {
    static const char* const columns[ItemCount] = {"filename", "dir", "catalog", nullptr, nullptr, "remark"};
    return QStringLiteral("update address set ") + QLatin1String(columns[item]) + QStringLiteral("='") +
           sqlQuote(text) + QLatin1Char('\'') + whereKey(key);
}

QString listFragment(Item item) {
    switch (item) {
        case Filename: return schema::aliased(QStringLiteral("filename"));
        case Dir: return schema::aliased(QStringLiteral("dir"));
        case Catalog: return schema::aliased(QStringLiteral("catalog"));
        case Authors: {
            QString s;
            for (int i = 2; i <= 5; ++i) s += schema::aliased(QStringLiteral("author_%1").arg(i));
            return s;
        }
        case Kwords: {
            QString s;
            for (int i = 1; i <= 9; ++i) s += schema::aliased(QStringLiteral("kword_%1").arg(i));
            return s + schema::aliased(QStringLiteral("kword_a"));
        }
        case Remark: return schema::aliased(QStringLiteral("remark"));
        case ItemCount: break;
    }
    return {};
}

QString finishedSelect(const QString& list, const QString& key) {
    return list.chopped(1) + QStringLiteral(" from main,address,author_all,kword_all where main.Paperid='") +
           sqlQuote(key) +
           QStringLiteral("' and main.Paperid=address.Paperid and address.Paperid=author_all.Paperid and "
                          "author_all.Paperid=kword_all.Paperid");
}

OtherOutcome updateOther(db::Query& q, scripting::HookCaller& hooks, const OtherChange& c) {
    const QString key = schema::paperKey(c.title, c.author, c.date);
    QString list = kListStart;
    OtherOutcome out;
    db::Transaction change(q);
    std::array<qint64, ItemCount> counts;
    counts.fill(1);
    for (int i = 0; i < ItemCount; ++i) {
        const Item item = Item(i);
        if (!c.wanted(item)) continue;
        QString statement;
        if (item == Authors)
            statement = hookStatement(hooks, scripting::kUpdateAuthors, {c.text[item], key},
                                      QStringLiteral("update"), schema::kAuthorAll);
        else if (item == Kwords)
            statement = hookStatement(hooks, scripting::kUpdateKwords, {c.text[item], key},
                                      QStringLiteral("update"), schema::kKwordAll);
        else
            statement = addressUpdate(item, key, c.text[item]);
        counts[i] = q.execSql(statement);
        if (item == Remark) q.execSql(duplicates::index::identifiersUpdate(key, c.text[item]));
        list += listFragment(item);
    }
    // another file: the index of the one before goes with the change
    if (c.wanted(Filename) || c.wanted(Dir)) fulltext::forgetPaper(q, key);
    // The notice comes before the "commit" that follows it.
    out.nothingChosen = list == kListStart;
    if (out.nothingChosen) db::messages::show(kNothingChosen.text, kNothingChosen.caption);
    out.committed = change.finish({counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]});
    if (out.committed && !out.nothingChosen) out.select = finishedSelect(list, key);
    return out;
}

}  // namespace catalogue::update
