#include <gtest/gtest.h>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        q.setConnectionString(testdb::paperConnection());
    }
    db::OdbcQuery q;
};

TEST_F(QueryTest, OpenFetchesTheWholeResultWithAliasesAsTitles) {
    testdb::exec(QStringLiteral("insert into author_info values ('张伟','a@x'),('李娜',NULL)")
                     .replace(QStringLiteral("NULL"), QStringLiteral("''")));
    q.openSql(QStringLiteral("select author '作者', email from author_info order by author"));
    ASSERT_TRUE(q.isOpen());
    EXPECT_EQ(q.recordCount(), 2);
    EXPECT_EQ(q.result()->columnNames(), (QStringList{QStringLiteral("作者"), QStringLiteral("email")}));
    EXPECT_EQ(q.field(0), QStringLiteral("张伟"));
    q.next();
    EXPECT_EQ(q.field(0), QStringLiteral("李娜"));
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.field(0), QString());
}

TEST_F(QueryTest, FieldsOfNullAndOfNoRowsAreEmpty) {
    q.openSql(QStringLiteral("select NULL, 'x'"));
    EXPECT_EQ(q.field(0), QString());
    EXPECT_EQ(q.field(1), QStringLiteral("x"));
    EXPECT_TRUE(q.result()->isNull(0, 0));
    q.openSql(QStringLiteral("select author from author_info"));
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_EQ(q.field(0), QString());
    q.close();
    EXPECT_THROW(q.recordCount(), db::DbError);
}

TEST_F(QueryTest, ExecSqlCountsMatchedRowsSoAnUnchangedUpdateCountsOne) {
    EXPECT_EQ(q.execSql(QStringLiteral("insert into author_info values ('a','1'),('b','2')")), 2);
    EXPECT_EQ(q.execSql(QStringLiteral("update author_info set email='1' where author='a'")), 1);
    EXPECT_EQ(q.execSql(QStringLiteral("delete from author_info where author='zz'")), 0);
    EXPECT_EQ(q.execSql(QStringLiteral("delete from author_info")), 2);
}

TEST_F(QueryTest, OpenOfAStatementWithoutRowsIsAnError) {
    EXPECT_THROW(q.openSql(QStringLiteral("insert into author_info values ('a','1')")), db::DbError);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);  // the server ran it
    EXPECT_FALSE(q.isOpen());
}

TEST_F(QueryTest, BeginAndRollbackMeetOnOneConnection) {
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into author_info values ('a','1')"));
    EXPECT_TRUE(q.inTransaction());
    q.execSql(QStringLiteral("rollback"));
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 0);
    q.setConnectionString(testdb::paperConnection());  // the same text keeps the connection
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into author_info values ('a','1')"));
    q.setConnectionString(testdb::paperConnection());
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);
}

TEST_F(QueryTest, AnErrorInsideATransactionRollsItBackBeforeItIsReported) {
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into main values ('k','t','a','d')"));
    EXPECT_THROW(q.execSql(QStringLiteral("insert into main values ('k','t','a','d')")), db::DbError);
    EXPECT_FALSE(q.inTransaction());
    // a later statement on the same connection cannot commit the first insert
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 0);
    EXPECT_EQ(q.execSql(QStringLiteral("insert into main values ('k','t','a','d')")), 1);
}

TEST_F(QueryTest, ErrorsCarryTheServersTextAndUnknownProvidersFailClearly) {
    try {
        q.execSql(QStringLiteral("selec 1"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("SQL syntax"))) << e.message().toStdString();
    }
    db::OdbcQuery other;
    other.setConnectionString(QString(testdb::paperConnection()).replace(
        QStringLiteral("MSDASQL.1"), QStringLiteral("no_provider")));
    try {
        other.openSql(QStringLiteral("select 1"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("no_provider")));
    }
    db::OdbcQuery none;
    EXPECT_THROW(none.openSql(QStringLiteral("select 1")), db::DbError);
}

TEST_F(QueryTest, AProcedureCallLeavesNothingPendingForTheNextStatement) {
    q.execSql(QStringLiteral("create procedure p1() begin select 1 a, 2 b; end"));
    q.openSql(QStringLiteral("call p1()"));
    EXPECT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(1), QStringLiteral("2"));
    q.openSql(QStringLiteral("select 3"));
    EXPECT_EQ(q.field(0), QStringLiteral("3"));
    EXPECT_EQ(q.execSql(QStringLiteral("insert into author_info values ('a','1')")), 1);
}

TEST_F(QueryTest, RunTellsWhetherAResultSetCameBack) {
    q.setSql(QString());
    EXPECT_THROW(q.run(), db::DbError);  // an empty statement is refused, nothing breaks
    q.setSql(QStringLiteral("show tables"));
    EXPECT_TRUE(q.run());
    EXPECT_GE(q.recordCount(), 8);
    q.setSql(QStringLiteral("insert into author_info select 'x','y'"));
    EXPECT_FALSE(q.run());
    EXPECT_FALSE(q.isOpen());
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);
}

TEST_F(QueryTest, WideAndLongTextColumnsRoundTrip) {
    QString longText(70000, QChar(0x4E2D));  // wider than one read piece
    q.execSql(QStringLiteral("create table wide (t longtext, v varchar(20))"));
    q.execSql(QStringLiteral("insert into wide values ('") + longText + QStringLiteral("','😀x')"));
    q.openSql(QStringLiteral("select t, v from wide"));
    EXPECT_EQ(q.field(0), longText);
    EXPECT_EQ(q.field(1), QStringLiteral("😀x"));
}

TEST_F(QueryTest, ManyRowsAreFetchedInBlocksExactly) {
    q.openSql(QStringLiteral(
        "select seq, concat('行', seq), if(seq % 7 = 0, null, 'x') from seq_1_to_5000"));
    ASSERT_EQ(q.recordCount(), 5000);
    auto r = q.result();
    EXPECT_EQ(r->text(4999, 1), QStringLiteral("行5000"));
    EXPECT_TRUE(r->isNull(6, 2));
    EXPECT_FALSE(r->isNull(5, 2));
}

TEST_F(QueryTest, AConnectionTheServerDroppedIsReopenedAtTheNextStatement) {
    q.openSql(QStringLiteral("select 1"));
    testdb::killServer();
    testdb::startServer();
    // Outside a transaction the dead connection is replaced before the statement.
    q.openSql(QStringLiteral("select 2"));
    EXPECT_EQ(q.field(0), QStringLiteral("2"));
    // Inside one the statement fails: the transaction went with the connection.
    q.execSql(QStringLiteral("begin"));
    testdb::killServer();
    testdb::startServer();
    EXPECT_THROW(q.openSql(QStringLiteral("select 3")), db::DbError);
    q.openSql(QStringLiteral("select 4"));
    EXPECT_EQ(q.field(0), QStringLiteral("4"));
}

}  // namespace
