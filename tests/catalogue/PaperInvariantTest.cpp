#include <gtest/gtest.h>

#include <QSet>
#include <random>

#include "PaperTestSupport.h"
#include "catalogue/InsertPaper.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/UpdatePaper.h"
#include "db/Schema.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

// A long run of entries, updates and removals (fixed seed), some of which
// fail or raise errors, must keep the paper tables consistent: one row per
// paper in each of the five tables, the key made of title, first author and
// publication time, and the same first author in main and author_all.
class PaperInvariants : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
        for (const QString& k : testdb::column(QStringLiteral("select Paperid from main"))) keys.insert(k);
    }

    QString pick(const QStringList& pool) { return pool.at(int(rng() % pool.size())); }
    bool chance(int percent) { return int(rng() % 100) < percent; }
    QString list(int maxItems, const QString& prefix) {
        QStringList items;
        const int n = int(rng() % (maxItems + 1));
        for (int i = 0; i < n; ++i) items << prefix + QString::number(rng() % 50);
        return items.join(chance(50) ? QStringLiteral("；") : QStringLiteral(";"));
    }
    // Runs one step; an error it raises is the error report's matter.
    template <class F>
    bool step(F f) {
        try {
            f();
            return true;
        } catch (const db::DbError&) {
            return false;
        }
    }
    QString existingOrNew() {
        if (!keys.isEmpty() && chance(80)) {
            auto it = keys.begin();
            std::advance(it, rng() % keys.size());
            return *it;
        }
        return pick(titles) + QLatin1Char('$') + pick(authors) + QLatin1Char('$') + pick(dates);
    }

    std::mt19937 rng{20240601};
    db::OdbcQuery q;
    scripting::ScriptEngine engine;
    QSet<QString> keys;  // the papers that should be in the catalogue
    const QStringList titles{QStringLiteral("深度学习"), QStringLiteral("It's SQL"), QStringLiteral("a\\b"),
                             QStringLiteral("Graph$Nets"), QStringLiteral("数据库"), QStringLiteral("")};
    const QStringList authors{QStringLiteral("张伟"), QStringLiteral("O'Neil"), QStringLiteral("李娜"),
                              QStringLiteral("Wei")};
    const QStringList dates{QStringLiteral("2020-01-01"), QStringLiteral("2021-02-03"), QStringLiteral("")};
};

TEST_F(PaperInvariants, HoldAfterARandomRunOfEntriesUpdatesAndRemovals) {
    int succeeded = 0, failed = 0, errors = 0;
    for (int round = 0; round < 80; ++round) {
        const int op = int(rng() % 4);
        if (op == 0) {
            catalogue::entry::PaperEntry e;
            e.title = pick(titles);
            e.author = pick(authors);
            e.date = pick(dates);
            e.filename = QStringLiteral("f.pdf");
            e.dir = chance(85) ? QStringLiteral("D:\\论文") : QString();
            e.authorsTicked = chance(60);
            e.authors = list(5, QStringLiteral("作者"));  // five items raise in the hook
            e.kwordsTicked = chance(60);
            e.kwords = list(10, QStringLiteral("kw"));
            e.catalogTicked = chance(30);
            e.catalog = chance(90) ? QStringLiteral("分类") : QString();
            e.remarkTicked = chance(30);
            e.remark = QStringLiteral("r'");
            catalogue::Notice n;
            if (!step([&] { n = catalogue::entry::insertPaper(q, engine, e, QStringLiteral("editor"), QStringLiteral("2024-06-01")); }))
                ++errors;
            else if (n.text == catalogue::entry::kSuccess.text)
                ++succeeded, keys.insert(schema::paperKey(e.title, e.author, e.date));
            else
                ++failed;
        } else if (op == 1) {
            const QString key = existingOrNew();
            const QStringList parts = key.split(QLatin1Char('$'));
            // titles may hold "$": the last two parts are author and date
            const QString title = parts.mid(0, parts.size() - 2).join(QLatin1Char('$'));
            catalogue::Notice n;
            if (!step([&] { n = catalogue::removal::removePaper(q, title, parts.at(parts.size() - 2), parts.last()); }))
                ++errors;
            else if (n.text == catalogue::removal::kSuccess.text)
                ++succeeded, keys.remove(key);
            else
                ++failed;
        } else if (op == 2) {
            const QString key = existingOrNew();
            const QStringList parts = key.split(QLatin1Char('$'));
            catalogue::update::MainChange c;
            c.title = parts.mid(0, parts.size() - 2).join(QLatin1Char('$'));
            c.author = parts.at(parts.size() - 2);
            c.date = parts.last();
            c.titleTicked = chance(50);
            c.newTitle = pick(titles);
            c.authorTicked = chance(50);
            c.newAuthor = pick(authors);
            c.dateTicked = chance(50);
            c.newDate = pick(dates);
            catalogue::Notice n;
            if (!step([&] { n = catalogue::update::updateMain(q, c); })) {
                ++errors;
            } else if (n.text == catalogue::update::kSuccess.text) {
                ++succeeded;
                keys.remove(key);
                keys.insert(schema::paperKey(catalogue::update::newTitle(c), catalogue::update::newAuthor(c),
                                             catalogue::update::newDate(c)));
            } else {
                ++failed;
            }
        } else {
            const QString key = existingOrNew();
            const QStringList parts = key.split(QLatin1Char('$'));
            catalogue::update::OtherChange c;
            c.title = parts.mid(0, parts.size() - 2).join(QLatin1Char('$'));
            c.author = parts.at(parts.size() - 2);
            c.date = parts.last();
            for (int i = 0; i < catalogue::update::ItemCount; ++i) {
                c.ticked[i] = chance(40);
                c.text[i] = i == catalogue::update::Authors  ? list(5, QStringLiteral("作者"))
                            : i == catalogue::update::Kwords ? list(11, QStringLiteral("kw"))
                                                             : QStringLiteral("v%1'\\").arg(rng() % 9);
            }
            catalogue::update::OtherOutcome out;
            if (!step([&] { out = catalogue::update::updateOther(q, engine, c); }))
                ++errors;
            else if (out.committed)
                ++succeeded;
            else
                ++failed;
        }
    }
    // the run went through every kind of outcome
    EXPECT_GT(succeeded, 10);
    EXPECT_GT(failed, 3);
    EXPECT_GT(errors, 3);

    QStringList expected = keys.values();
    expected.sort();
    for (const QString& table : schema::kPaperTables) {
        QStringList stored = testdb::column(QStringLiteral("select Paperid from ") + table);
        stored.sort();
        EXPECT_EQ(stored, expected) << table.toStdString();
    }
    EXPECT_EQ(testdb::count(QStringLiteral("main"),
                            QStringLiteral("binary Paperid <> binary concat(title,'$',author_1,'$',pub_time)")),
              0);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select count(*) from main m join author_all a on a.Paperid=m.Paperid "
                                            "where binary m.author_1 <> binary a.author_1")),
              QStringLiteral("0"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select @@in_transaction")), QStringLiteral("0"));
}

}  // namespace
