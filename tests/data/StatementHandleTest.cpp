#include <gtest/gtest.h>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/OdbcConnection.h"

// A connection sends a run of statements that return no rows through one
// statement handle; a statement that returns rows or fails leaves with its
// handle, and what comes after it is not disturbed by either.
namespace {

using Outcome = db::OdbcConnection::Outcome;

class StatementHandleTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.execute(QStringLiteral("drop table if exists handle_probe"), false);
        c.execute(QStringLiteral("create table handle_probe (k int primary key, t varchar(8))"), false);
    }
    void TearDown() override { c.execute(QStringLiteral("drop table if exists handle_probe"), false); }

    QString rows() {
        const Outcome o = c.execute(QStringLiteral("select group_concat(k, ':', t order by k) from handle_probe"), true);
        return o.rows && o.rows->rowCount() == 1 ? o.rows->text(0, 0) : QStringLiteral("?");
    }
    qint64 affected(const QString& statement) { return c.execute(statement, false).affected; }

    db::OdbcConnection c{db::odbcConnectionString(db::buildConnectionString(
        QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf), QStringLiteral("paper_user"),
        QStringLiteral("paperdb")))};
};

TEST_F(StatementHandleTest, StatementsWithoutRowsShareOneHandleAndKeepTheirCounts) {
    EXPECT_EQ(affected(QStringLiteral("begin")), 0);  // a new handle: "create" freed its own
    const int before = c.handlesMade();
    EXPECT_EQ(affected(QStringLiteral("insert into handle_probe values (1,'a'),(2,'b')")), 2);
    EXPECT_EQ(affected(QStringLiteral("update handle_probe set t='c' where k=2")), 1);
    EXPECT_EQ(affected(QStringLiteral("delete from handle_probe where k=9")), 0);
    EXPECT_EQ(affected(QStringLiteral("commit")), 0);
    EXPECT_EQ(c.handlesMade(), before);

    // Rows: read in full through the same handle, which goes with them.
    EXPECT_EQ(rows(), QStringLiteral("1:a,2:c"));
    EXPECT_EQ(c.handlesMade(), before);
    EXPECT_EQ(affected(QStringLiteral("insert into handle_probe values (3,'d')")), 1);
    EXPECT_EQ(affected(QStringLiteral("insert into handle_probe values (4,'e')")), 1);
    EXPECT_EQ(c.handlesMade(), before + 1);
    EXPECT_EQ(rows(), QStringLiteral("1:a,2:c,3:d,4:e"));
}

TEST_F(StatementHandleTest, AFailureOrUnreadRowsLeaveTheNextStatementItsOwnResult) {
    EXPECT_EQ(affected(QStringLiteral("insert into handle_probe values (1,'a')")), 1);
    try {
        c.execute(QStringLiteral("insert into handle_probe values (1,'x')"), false);
        FAIL() << "a repeated key went through";
    } catch (const db::odbc::Failure& f) {
        EXPECT_EQ(f.diagnostic.nativeCode, 1062);
    }
    // The error is not carried over to the statement after it.
    EXPECT_EQ(affected(QStringLiteral("insert into handle_probe values (2,'b')")), 1);

    // Rows not asked for are dropped; the counts that follow are their own.
    const Outcome unread = c.execute(QStringLiteral("select k from handle_probe"), false);
    EXPECT_TRUE(unread.hadRows);
    EXPECT_EQ(affected(QStringLiteral("update handle_probe set t='z'")), 2);
    EXPECT_EQ(affected(QStringLiteral("update handle_probe set t='z' where k=7")), 0);
    EXPECT_EQ(rows(), QStringLiteral("1:z,2:z"));

    // A procedure's rows and its status result, then a plain statement.
    c.execute(QStringLiteral("drop procedure if exists handle_probe_rows"), false);
    c.execute(QStringLiteral("create procedure handle_probe_rows() select k from handle_probe"), false);
    EXPECT_TRUE(c.execute(QStringLiteral("call handle_probe_rows()"), false).hadRows);
    EXPECT_EQ(affected(QStringLiteral("delete from handle_probe where k=1")), 1);
    const Outcome called = c.execute(QStringLiteral("call handle_probe_rows()"), true);
    ASSERT_TRUE(called.rows);
    EXPECT_EQ(called.rows->rowCount(), 1);
    EXPECT_EQ(affected(QStringLiteral("delete from handle_probe where k=2")), 1);
    c.execute(QStringLiteral("drop procedure handle_probe_rows"), false);
    EXPECT_EQ(rows(), QString());
}

}  // namespace
