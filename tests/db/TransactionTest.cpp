#include <gtest/gtest.h>

#include <stdexcept>

#include "db/DbError.h"
#include "db/Transaction.h"
#include "support/FakeQuery.h"

namespace {

TEST(Transaction, BeginsAtOnceAndRollsBackUnlessFinished) {
    FakeQuery q;
    {
        db::Transaction t(q);
        EXPECT_EQ(q.statements(), QStringList{QStringLiteral("begin")});
        EXPECT_TRUE(t.finish({1, 2, 1}));
    }
    {
        db::Transaction t(q);
        EXPECT_FALSE(t.finish({1, 0}));
    }
    // an error between begin and finish: rollback as the error goes on, and
    // a rollback that fails in turn does not replace the first error
    EXPECT_THROW(
        {
            db::Transaction t(q);
            q.errorFor = [](const QString& s) { return s == QLatin1String("begin") ? QString() : QStringLiteral("gone"); };
            q.execSql(QStringLiteral("update x"));
        },
        db::DbError);
    q.errorFor = [](const QString&) { return QString(); };
    EXPECT_THROW(
        {
            db::Transaction t(q);
            throw std::runtime_error("hook");
        },
        std::runtime_error);
    EXPECT_EQ(q.statements(),
              (QStringList{QStringLiteral("begin"), QStringLiteral("commit"), QStringLiteral("begin"),
                           QStringLiteral("rollback"), QStringLiteral("begin"), QStringLiteral("update x"),
                           QStringLiteral("rollback"), QStringLiteral("begin"), QStringLiteral("rollback")}));
}

// The change and its end in one go: "commit" or "rollback" as the counts
// say; after a failure "rollback" follows unless "begin" or the closing
// statement was the one refused.
TEST(Transaction, ARunEndsWithTheStatementItsCountsChoose) {
    FakeQuery q;
    q.countFor = [](const QString& s) { return s.contains(QLatin1String("none")) ? 0 : 1; };
    const auto allRows = [](const QVector<qint64>& c) { return c.size() == 3 && c[1] >= 1 && c[2] >= 1; };
    const QString begin = QStringLiteral("begin");
    auto attempt = [&](const QStringList& run, const QString& refused) {
        q.sent.clear();
        q.errorFor = [refused](const QString& s) { return s == refused ? QStringLiteral("refused") : QString(); };
        QVector<qint64> counts;
        db::Transaction t(q, db::Transaction::BeginInRun{});
        try {
            return t.runThenFinish(run, allRows, counts) ? QStringLiteral("committed") : QStringLiteral("rolled back");
        } catch (const db::DbError&) {
            return QStringLiteral("failed after %1").arg(counts.size());
        }
    };
    EXPECT_EQ(attempt({begin, QStringLiteral("a"), QStringLiteral("b")}, {}), QStringLiteral("committed"));
    EXPECT_EQ(q.statements(), (QStringList{begin, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("commit")}));
    EXPECT_EQ(attempt({begin, QStringLiteral("a"), QStringLiteral("none")}, {}), QStringLiteral("rolled back"));
    EXPECT_EQ(q.statements(),
              (QStringList{begin, QStringLiteral("a"), QStringLiteral("none"), QStringLiteral("rollback")}));
    EXPECT_EQ(attempt({begin, QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("a")),
              QStringLiteral("failed after 1"));
    EXPECT_EQ(q.statements(), (QStringList{begin, QStringLiteral("a"), QStringLiteral("rollback")}));
    EXPECT_EQ(attempt({begin, QStringLiteral("a"), QStringLiteral("b")}, begin), QStringLiteral("failed after 0"));
    EXPECT_EQ(q.statements(), QStringList{begin});
    EXPECT_EQ(attempt({begin, QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("commit")),
              QStringLiteral("failed after 3"));
    EXPECT_EQ(q.statements(), (QStringList{begin, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("commit")}));
}

// A run made while it is sent: a making that fails part way is rolled back
// after what it made, unless "begin" itself was refused.
TEST(Transaction, AFailedMakingIsRolledBackAfterWhatItMade) {
    FakeQuery q;
    const auto any = [](const QVector<qint64>&) { return true; };
    const QString begin = QStringLiteral("begin");
    auto attempt = [&](const QString& refused) {
        q.sent.clear();
        q.errorFor = [refused](const QString& s) { return s == refused ? QStringLiteral("refused") : QString(); };
        QVector<qint64> counts;
        db::Transaction t(q, db::Transaction::BeginInRun{});
        try {
            t.makeThenFinish(
                [&](db::StatementFeed& feed) {
                    feed.add(begin);
                    feed.add(QStringLiteral("a"));
                    throw std::runtime_error("hook");
                },
                any, counts);
        } catch (const db::DbError&) {
            return QStringLiteral("refused after %1").arg(counts.size());
        } catch (const std::runtime_error&) {
            return QStringLiteral("making failed after %1").arg(counts.size());
        }
        return QStringLiteral("finished");
    };
    EXPECT_EQ(attempt({}), QStringLiteral("making failed after 2"));
    EXPECT_EQ(q.statements(), (QStringList{begin, QStringLiteral("a"), QStringLiteral("rollback")}));
    EXPECT_EQ(attempt(begin), QStringLiteral("refused after 0"));
    EXPECT_EQ(q.statements(), QStringList{begin});
}

}  // namespace
