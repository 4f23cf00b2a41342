#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>
#include <tuple>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"

// A run of statements sent as one job of the statement thread against the
// same run sent one statement at a time (the base class's execAll), each way
// also with several statements in one text: the server gets them in the same
// order and a failure leaves the same state.
namespace {

class StatementRunTest : public ::testing::TestWithParam<std::tuple<bool, bool>> {
protected:
    // As one job, or one statement at a time.
    bool oneJob() const { return std::get<0>(GetParam()); }
    // Runs together: several statements in one text where they can.
    bool together() const { return std::get<1>(GetParam()); }
    void SetUp() override {
        q.setRunsTogether(together());
        q.setConnectionString(db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                                        QStringLiteral("paper_user"), QStringLiteral("paperdb")));
        q.execSql(QStringLiteral("drop table if exists run_probe"));
        q.execSql(QStringLiteral("create table run_probe (k int primary key, t varchar(8))"));
    }
    void TearDown() override { q.execSql(QStringLiteral("drop table if exists run_probe")); }

    // As one job (the parameter) or one statement at a time.
    QVector<qint64> runAll(const QStringList& statements) {
        return oneJob() ? q.execAll(statements) : q.db::Query::execAll(statements);
    }
    QString rows() {
        q.openSql(QStringLiteral("select group_concat(k, ':', t order by k) from run_probe"));
        const QString out = q.field(0);
        q.close();
        return out;
    }

    db::OdbcQuery q;
};

TEST_P(StatementRunTest, StatementsReachTheServerInOrderWithTheirCounts) {
    const QVector<qint64> counts = runAll({QStringLiteral("insert into run_probe values (1,'a'),(2,'a')"),
                                           QStringLiteral("update run_probe set t=concat(t,'b')"),
                                           QStringLiteral("update run_probe set t=concat(t,'c') where k=2"),
                                           QStringLiteral("delete from run_probe where k=7")});
    EXPECT_EQ(counts, (QVector<qint64>{2, 2, 1, 0}));
    EXPECT_EQ(rows(), QStringLiteral("1:ab,2:abc"));
    EXPECT_TRUE(runAll({}).isEmpty());
}

TEST_P(StatementRunTest, AFailureInsideASavepointUndoesItsPartAndSendsNothingAfter) {
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into run_probe values (1,'a')"));
    q.execSql(QStringLiteral("savepoint paper"));
    try {
        runAll({QStringLiteral("insert into run_probe values (2,'b')"),
                QStringLiteral("insert into run_probe values (1,'x')"),
                QStringLiteral("insert into run_probe values (3,'c')")});
        FAIL() << "a repeated key went through";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.nativeCode(), 1062);
    }
    // Rolled back to the savepoint: the transaction and what came before it stay.
    EXPECT_TRUE(q.inTransaction());
    EXPECT_EQ(q.sql(), QStringLiteral("insert into run_probe values (1,'x')"));
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(rows(), QStringLiteral("1:a"));
}

TEST_P(StatementRunTest, AFailureInsideATransactionRollsItBackAndOutsideKeepsWhatWasDone) {
    q.execSql(QStringLiteral("begin"));
    EXPECT_THROW(runAll({QStringLiteral("insert into run_probe values (1,'a')"),
                         QStringLiteral("insert into run_probe values (2,'123456789')"),
                         QStringLiteral("insert into run_probe values (3,'c')")}),
                 db::DbError);
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QString());

    EXPECT_THROW(runAll({QStringLiteral("insert into run_probe values (1,'a')"),
                         QStringLiteral("insert into no_such_table values (1)"),
                         QStringLiteral("insert into run_probe values (3,'c')")}),
                 db::DbError);
    EXPECT_EQ(rows(), QStringLiteral("1:a"));
}

TEST_P(StatementRunTest, ACancelStopsTheRunRollsBackAndKeepsTheConnection) {
    std::atomic<bool> done{false};
    std::thread canceller([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (q.busy()) {
                q.cancel();
                return;
            }
        }
    });
    q.execSql(QStringLiteral("begin"));
    EXPECT_THROW(runAll({QStringLiteral("insert into run_probe values (1,'a')"),
                         QStringLiteral("select sleep(20)"),
                         QStringLiteral("insert into run_probe values (3,'c')")}),
                 db::StatementCancelled);
    done = true;
    canceller.join();
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QString());
}

// A run closed by "commit" or "rollback" as its counts say.
TEST_P(StatementRunTest, ARunEndsWithTheStatementItsCountsChoose) {
    const db::Query::RunCheck changedRows = [](const QVector<qint64>& c) { return c.last() >= 1; };
    auto runThenEnd = [&](const QStringList& statements, QVector<qint64>& counts) {
        return oneJob() ? q.execAllThenEnd(statements, changedRows, counts)
                          : q.db::Query::execAllThenEnd(statements, changedRows, counts);
    };
    QVector<qint64> counts;
    EXPECT_TRUE(runThenEnd({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (1,'a'),(2,'a')"),
                            QStringLiteral("update run_probe set t='b' where k=2")},
                           counts));
    EXPECT_EQ(counts, (QVector<qint64>{0, 2, 1}));
    EXPECT_FALSE(runThenEnd({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (3,'c')"),
                             QStringLiteral("delete from run_probe where k=9")},
                            counts));
    EXPECT_EQ(counts, (QVector<qint64>{0, 1, 0}));
    EXPECT_EQ(q.sql(), QStringLiteral("rollback"));
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QStringLiteral("1:a,2:b"));

    // A failure ends the run where it stands, rolled back.
    EXPECT_THROW(runThenEnd({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (4,'d')"),
                             QStringLiteral("insert into run_probe values (1,'x')")},
                            counts),
                 db::DbError);
    EXPECT_EQ(counts.size(), 2);
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QStringLiteral("1:a,2:b"));
}

// Runs go one after another until one leaves a row unchanged or fails.
TEST_P(StatementRunTest, RunsStopAfterTheFirstRefusedOrFailingRun) {
    const db::Query::RunCheck changedRows = [](const QVector<qint64>& c) { return c.last() >= 1; };
    auto runs = [&](const QVector<QStringList>& list, QVector<QVector<qint64>>& counts) {
        oneJob() ? q.execRuns(list, changedRows, counts) : q.db::Query::execRuns(list, changedRows, counts);
    };
    const QString savepoint = QStringLiteral("savepoint paper");
    QVector<QVector<qint64>> counts;
    q.execSql(QStringLiteral("begin"));
    runs({{savepoint, QStringLiteral("insert into run_probe values (1,'a')")},
          {savepoint, QStringLiteral("delete from run_probe where k=9")},
          {savepoint, QStringLiteral("insert into run_probe values (3,'c')")}},
         counts);
    EXPECT_EQ(counts, (QVector<QVector<qint64>>{{0, 1}, {0, 0}}));
    EXPECT_TRUE(q.inTransaction());

    try {
        runs({{savepoint, QStringLiteral("insert into run_probe values (4,'d')")},
              {savepoint, QStringLiteral("insert into run_probe values (5,'e')"),
               QStringLiteral("insert into run_probe values (1,'x')")},
              {savepoint, QStringLiteral("insert into run_probe values (6,'f')")}},
             counts);
        FAIL() << "a repeated key went through";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.nativeCode(), 1062);
    }
    EXPECT_EQ(counts, (QVector<QVector<qint64>>{{0, 1}}));
    // Only the failing run was undone (to its savepoint).
    EXPECT_TRUE(q.inTransaction());
    EXPECT_EQ(q.sql(), QStringLiteral("insert into run_probe values (1,'x')"));
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(rows(), QStringLiteral("1:a,4:d"));
}

// The caller's own work given along runs on its thread: while the job is on
// its way when it is one job, before it otherwise.
TEST_P(StatementRunTest, TheCallersWorkRunsOnItsThreadWhileTheRunsAreOnTheirWay) {
    const db::Query::RunCheck any = [](const QVector<qint64>&) { return true; };
    QVector<QVector<qint64>> counts;
    bool busy = false;
    std::thread::id where;
    const auto meanwhile = [&] {
        busy = q.busy();
        where = std::this_thread::get_id();
    };
    const QVector<QStringList> runs{{QStringLiteral("do sleep(0.2)"), QStringLiteral("insert into run_probe values (1,'a')")}};
    oneJob() ? q.execRuns(runs, any, counts, meanwhile) : q.db::Query::execRuns(runs, any, counts, meanwhile);
    EXPECT_EQ(busy, oneJob());
    EXPECT_EQ(where, std::this_thread::get_id());
    EXPECT_EQ(counts, (QVector<QVector<qint64>>{{0, 1}}));
}

TEST_P(StatementRunTest, AFailureOfTheCallersWorkWaitsForTheRunsAndLeavesTheQueryUsable) {
    QVector<QVector<qint64>> counts;
    const db::Query::RunCheck any = [](const QVector<qint64>&) { return true; };
    const QVector<QStringList> runs{{QStringLiteral("do sleep(0.1)"), QStringLiteral("insert into run_probe values (2,'b')")}};
    const auto failing = [] { throw std::runtime_error("the caller's work failed"); };
    if (oneJob()) {
        EXPECT_THROW(q.execRuns(runs, any, counts, failing), std::runtime_error);
        EXPECT_EQ(counts, (QVector<QVector<qint64>>{{0, 1}}));  // the runs went all the same
    } else {
        EXPECT_THROW(q.db::Query::execRuns(runs, any, counts, failing), std::runtime_error);
        EXPECT_TRUE(counts.isEmpty());  // one at a time, the caller's work comes first
    }
    EXPECT_FALSE(q.busy());
    EXPECT_EQ(q.execSql(QStringLiteral("insert into run_probe values (3,'c')")), 1);
}

// A run made while it is sent: as one job, each statement goes while the
// next ones are still being made; a making that fails part way has what it
// made before sent and leaves the transaction open for its rollback.
TEST_P(StatementRunTest, ARunMadeWhileItIsSentGoesInOrderAndAFailedMakingSendsWhatCameBefore) {
    db::OdbcQuery other;
    other.setConnectionString(q.connectionString());
    const db::Query::RunCheck changedRows = [](const QVector<qint64>& c) { return c.last() >= 1; };
    auto runMade = [&](const db::Query::Maker& make, QVector<qint64>& counts) {
        return oneJob() ? q.execMadeThenEnd(make, changedRows, counts)
                          : q.db::Query::execMadeThenEnd(make, changedRows, counts);
    };
    // Seen from another connection: the lock is held while the making goes on.
    auto lockHeld = [&] {
        for (int i = 0; i < 100; ++i) {
            other.openSql(QStringLiteral("select is_used_lock('feed_probe') is not null"));
            if (other.field(0) == QLatin1String("1")) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    };
    QVector<qint64> counts;
    bool heldWhileMaking = false;
    EXPECT_TRUE(runMade(
        [&](db::StatementFeed& feed) {
            feed.add(QStringLiteral("begin"));
            feed.add(QStringLiteral("do get_lock('feed_probe', 10)"));
            if (oneJob() && !together()) heldWhileMaking = lockHeld();
            feed.add(QStringLiteral("insert into run_probe values (1,'a')"));
            feed.add(QStringLiteral("do release_lock('feed_probe')"));
            feed.add(QStringLiteral("update run_probe set t='b' where k=1"));
        },
        counts));
    EXPECT_EQ(heldWhileMaking, oneJob() && !together());  // together: all is made first
    EXPECT_EQ(counts, (QVector<qint64>{0, 0, 1, 0, 1}));
    EXPECT_EQ(rows(), QStringLiteral("1:b"));

    const auto failingAfter = [](const QStringList& statements) {
        return [statements](db::StatementFeed& feed) {
            for (const QString& s : statements) feed.add(s);
            throw std::runtime_error("the making failed");
        };
    };
    EXPECT_THROW(runMade(failingAfter({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (2,'c')")}),
                         counts),
                 std::runtime_error);
    EXPECT_EQ(counts, (QVector<qint64>{0, 1}));
    EXPECT_TRUE(q.inTransaction());  // no closing statement: the caller rolls back
    q.execSql(QStringLiteral("rollback"));

    // A statement's failure comes before the making's.
    EXPECT_THROW(runMade(failingAfter({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (1,'x')"),
                                       QStringLiteral("insert into run_probe values (3,'d')")}),
                         counts),
                 db::DbError);
    EXPECT_EQ(counts, (QVector<qint64>{0}));
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QStringLiteral("1:b"));
}

// Runs together, as the entry window sends a paper: what reaches the server
// and what a value or a failure does there.
class TogetherRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        q.setRunsTogether(true);
        q.setConnectionString(db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                                        QStringLiteral("paper_user"), QStringLiteral("paperdb")));
        q.execSql(QStringLiteral("drop table if exists run_probe"));
        q.execSql(QStringLiteral("create table run_probe (k int primary key, t varchar(40))"));
    }
    void TearDown() override { q.execSql(QStringLiteral("drop table if exists run_probe")); }
    // The session's statement counters, as "name=value" in name order.
    QStringList counters() {
        q.openSql(QStringLiteral("show session status where Variable_name in "
                                 "('Com_begin','Com_commit','Com_insert','Com_update','Com_rollback')"));
        QStringList out;
        for (; !q.eof(); q.next()) out << q.field(0) + QLatin1Char('=') + q.field(1);
        q.close();
        return out;
    }
    QString rows() {
        q.openSql(QStringLiteral("select group_concat(k, ':', t order by k separator '|') from run_probe"));
        const QString out = q.field(0);
        q.close();
        return out;
    }
    const db::Query::RunCheck all = [](const QVector<qint64>& c) {
        return std::all_of(c.begin() + 1, c.end(), [](qint64 n) { return n >= 1; });
    };
    db::OdbcQuery q;
};

TEST_F(TogetherRunTest, EachStatementCountsOnceAndValuesThatLookLikeStatementsStayValues) {
    const QString tricky = QStringLiteral("a'; delete from run_probe; -- \\\\ #/*\"");
    const QStringList before = counters();
    QVector<qint64> counts;
    EXPECT_TRUE(q.execAllThenEnd({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (1,'x')"),
                                  QStringLiteral("insert into run_probe values (2,'") + db::sqlQuote(tricky) +
                                      QStringLiteral("'),(3,'；')"),
                                  QStringLiteral("update run_probe set t='y' where k=1")},
                                 all, counts));
    EXPECT_EQ(counts, (QVector<qint64>{0, 1, 2, 1}));
    EXPECT_EQ(rows(), QStringLiteral("1:y|2:") + tricky + QStringLiteral("|3:；"));
    const QStringList after = counters();
    ASSERT_EQ(after.size(), 5);
    QStringList grew;
    for (qsizetype i = 0; i < after.size(); ++i)
        grew << after[i].section(QLatin1Char('='), 0, 0) + QLatin1Char('+') +
                    QString::number(after[i].section(QLatin1Char('='), 1).toLongLong() -
                                    before[i].section(QLatin1Char('='), 1).toLongLong());
    EXPECT_EQ(grew, (QStringList{QStringLiteral("Com_begin+1"), QStringLiteral("Com_commit+1"),
                                 QStringLiteral("Com_insert+2"), QStringLiteral("Com_rollback+0"),
                                 QStringLiteral("Com_update+1")}));
}

TEST_F(TogetherRunTest, AFailingStatementInTheMiddleRollsBackWithItsOwnError) {
    q.execSql(QStringLiteral("insert into run_probe values (5,'kept')"));
    QVector<qint64> counts;
    try {
        q.execAllThenEnd({QStringLiteral("begin"), QStringLiteral("insert into run_probe values (1,'a')"),
                          QStringLiteral("insert into run_probe values (5,'again')"),
                          QStringLiteral("insert into run_probe values (6,'c')")},
                         all, counts);
        FAIL() << "a repeated key went through";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.nativeCode(), 1062);
        EXPECT_TRUE(e.message().contains(QLatin1String("Duplicate entry '5' for key 'PRIMARY'")))
            << e.message().toStdString();
    }
    EXPECT_EQ(counts, (QVector<qint64>{0, 1}));
    EXPECT_EQ(q.sql(), QStringLiteral("insert into run_probe values (5,'again')"));
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(rows(), QStringLiteral("5:kept"));
    // The connection goes on; the first statement's failure has its code too.
    EXPECT_THROW(q.execAll({QStringLiteral("insert into run_probe values (5,'x')"),
                            QStringLiteral("insert into run_probe values (7,'x')")}),
                 db::DbError);
    EXPECT_EQ(rows(), QStringLiteral("5:kept"));
}

TEST_F(TogetherRunTest, ATextThatMayHoldMoreThanOneStatementIsNotSent) {
    for (const QString& text : {QStringLiteral("insert into run_probe values (1,'a'); delete from run_probe"),
                                QStringLiteral("insert into run_probe values (1,\"a\")"),
                                QStringLiteral("insert into run_probe values (1,'a') -- note")}) {
        EXPECT_THROW(q.execSql(text), db::DbError) << text.toStdString();
        EXPECT_THROW(q.execAll({QStringLiteral("insert into run_probe values (2,'b')"), text}), db::DbError);
    }
    EXPECT_EQ(rows(), QStringLiteral("2:b"));
    // One that only ends in ";" is one statement.
    EXPECT_EQ(q.execSql(QStringLiteral("insert into run_probe values (3,'c;');")), 1);
}

// Several statements per text only where the program asks for it, never
// because a connection string says so.
TEST(TogetherOption, OnlyTheProgramTurnsItOn) {
    const QString asked = QStringLiteral(
        "Provider=MSDASQL.1;Password=pw;Persist Security Info=false;User ID=u;Data Source=dsn;Option=67108866");
    EXPECT_EQ(db::odbcConnectionString(asked), QStringLiteral("DSN=dsn;UID=u;PWD=pw;OPTION=2;CHARSET=utf8mb4"));
    EXPECT_EQ(db::odbcConnectionString(asked, true), QStringLiteral("DSN=dsn;UID=u;PWD=pw;OPTION=67108866;CHARSET=utf8mb4"));
}

INSTANTIATE_TEST_SUITE_P(OneJobOrOneAtATime, StatementRunTest, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

}  // namespace
