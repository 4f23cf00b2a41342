#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <csignal>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "support/TestDb.h"

// Faults of the query object that only the real server and driver show.
namespace {

class QueryFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        q.setConnectionString(testdb::paperConnection());
    }
    void TearDown() override {
        db::OdbcQuery::setTimeouts({});
        db::OdbcQuery::setBoundCellLimit(0);
    }
    QString message(const std::function<void()>& statement) {
        try {
            statement();
        } catch (const db::DbError& e) {
            return e.message();
        }
        return QStringLiteral("(no error)");
    }
    db::OdbcQuery q;
};

TEST_F(QueryFaultTest, AResultThatFailsAfterTheFirstOneIsReported) {
    q.execSql(QStringLiteral(
        "create procedure rows_then_signal() begin select 1 a; signal sqlstate '45000' set message_text='停'; end"));
    q.execSql(QStringLiteral(
        "create procedure rows_then_duplicate() begin select 1 a; insert into main values ('k','t','a','d'); "
        "insert into main values ('k','t','a','d'); end"));
    q.setSql(QStringLiteral("call rows_then_signal()"));
    try {
        q.run();
        FAIL() << "reported as a success";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("停"))) << e.message().toStdString();
        EXPECT_EQ(e.sqlState(), QStringLiteral("45000"));
        EXPECT_EQ(e.nativeCode(), 1644);
    }
    // inside a transaction the failure rolls back what the call inserted
    q.execSql(QStringLiteral("begin"));
    EXPECT_TRUE(message([&] { q.openSql(QStringLiteral("call rows_then_duplicate()")); })
                    .contains(QStringLiteral("Duplicate")));
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 0);
}

// The driver crashed reading past a "create trigger" (or event, procedure)
// whose body holds semicolons, as typed in the SQL console.
TEST_F(QueryFaultTest, ACompoundCreateWithSemicolonsIsSentAndTheNextStatementWorks) {
    q.execSql(QStringLiteral("create trigger t_note before insert on author_info for each row "
                             "begin if new.email = '' then set new.email = 'none'; end if; end"));
    q.execSql(QStringLiteral("create event e_note on schedule every 1 day do begin set @a = 1; set @b = 2; end"));
    q.execSql(QStringLiteral("insert into author_info values ('a','')"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select email from author_info")), QStringLiteral("none"));
    q.execSql(QStringLiteral("drop trigger t_note"));
    q.execSql(QStringLiteral("drop event e_note"));
}

TEST_F(QueryFaultTest, AValueLongerThanItsBoundCellIsReportedNotCut) {
    // Cells narrower than the values stand for a column whose size the
    // driver under-reports.
    q.openSql(QStringLiteral("select 1"));  // the session is set up with whole cells
    db::OdbcQuery::setBoundCellLimit(8);
    const QString sql = QStringLiteral("select seq, cast(if(mod(seq, %1) = 0, repeat('长', seq), 'x') as char(3000)) "
                                       "from seq_1_to_3000");
    EXPECT_TRUE(message([&] { q.openSql(sql.arg(2500)); }).contains(QStringLiteral("第 2500 行")));
    EXPECT_FALSE(q.isOpen());
    // what fits its cells comes back whole, across blocks
    q.openSql(sql.arg(5000));
    ASSERT_EQ(q.recordCount(), 3000);
    EXPECT_EQ(q.result()->text(2999, 0), QStringLiteral("3000"));
    EXPECT_EQ(q.result()->text(2999, 1), QStringLiteral("x"));
}

TEST_F(QueryFaultTest, AnErrorWithAutocommitOffRollsBackThePendingWork) {
    q.execSql(QStringLiteral("set autocommit=0, @marker=1"));  // as typed in the console
    q.execSql(QStringLiteral("insert into main values ('k','t','a','d')"));
    EXPECT_THROW(q.execSql(QStringLiteral("insert into main values ('k','t','a','d')")), db::DbError);
    q.execSql(QStringLiteral("commit"));  // a later statement must not commit the first insert
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 0);
    q.execSql(QStringLiteral("set @@session.autocommit = 1"));
    EXPECT_EQ(q.execSql(QStringLiteral("insert into author_info values ('b','1')")), 1);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);
}

// Sends SIGSTOP to the test server and SIGCONT when it goes out of scope,
// whatever the test did in between.
class PausedServer {
public:
    PausedServer() {
        QFile f(testdb::dir() + QStringLiteral("/mysqld.pid"));
        if (f.open(QIODevice::ReadOnly)) pid_ = QString::fromLatin1(f.readAll()).trimmed().toInt();
        if (pid_ > 0) ::kill(pid_, SIGSTOP);
    }
    ~PausedServer() {
        if (pid_ > 0) ::kill(pid_, SIGCONT);
    }
    bool paused() const { return pid_ > 0; }

private:
    int pid_ = 0;
};

TEST_F(QueryFaultTest, AServerThatStopsAnsweringEndsTheStatementWithATimeOut) {
    db::OdbcQuery::setTimeouts({2, 2, 2, 1});
    q.openSql(QStringLiteral("select 1"));
    EXPECT_TRUE(message([&] { q.openSql(QStringLiteral("select sleep(3)")); }).contains(QStringLiteral("超时")));
    {
        PausedServer paused;
        ASSERT_TRUE(paused.paused());
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(message([&] { q.openSql(QStringLiteral("select 2")); }).contains(QStringLiteral("超时")));
        // the connection is gone; opening a new one is bounded as well
        EXPECT_TRUE(message([&] { q.openSql(QStringLiteral("select 3")); }).contains(QStringLiteral("超时")));
        EXPECT_LT(clock.elapsed(), 15000);
    }
    q.openSql(QStringLiteral("select 4"));
    EXPECT_EQ(q.field(0), QStringLiteral("4"));
}

}  // namespace
