#include <gtest/gtest.h>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "support/TestDb.h"

namespace {

// Statements of Chinese text, whose UTF-8 form is longer than twice their
// UTF-16 length, of every length up to a few hundred characters: the driver
// must receive each whole and the program must survive them all. (Passing the
// statement with an explicit length made this driver read past the text and
// write past its own copy of it, corrupting the heap.)
TEST(StatementTextTest, ChineseStatementsOfEveryLengthReachTheServerWhole) {
    testdb::reset();
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    const QString syllables = QStringLiteral("存储评估索引性能环境程序高效处理操作系统中间鲁棒性文本应用");
    for (int n = 1; n <= 160; ++n) {
        QString name;
        for (int i = 0; i < n; ++i) name += syllables.at((i * 7 + n) % syllables.size());
        q.execSql(QStringLiteral("insert into author_info values ('") + name + QStringLiteral("$陶秀$1998-10-02','") +
                  QString::number(n) + QStringLiteral("')"));
        q.openSql(QStringLiteral("select author from author_info where email='") + QString::number(n) +
                  QStringLiteral("'"));
        ASSERT_EQ(q.field(0), name + QStringLiteral("$陶秀$1998-10-02")) << n;
    }
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 160);
}

// A NUL character would end the text the driver reads: the statement is
// refused rather than sent cut short.
TEST(StatementTextTest, AStatementHoldingANulCharacterIsRefusedNotCut) {
    testdb::reset();
    testdb::exec(QStringLiteral("insert into author_info values ('张伟','a@x'),('李娜','b@x')"));
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    QString statement = QStringLiteral("delete from author_info");
    statement += QChar(0);
    statement += QStringLiteral(" where author='张伟'");
    EXPECT_THROW(q.execSql(statement), db::DbError);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 2);
    EXPECT_EQ(q.execSql(QStringLiteral("delete from author_info where author='张伟'")), 1);
}

}  // namespace

namespace {

// The query object recognises "begin", "commit" and "rollback" (and their
// longer forms) in any letter case and with blanks around them, and nothing
// that merely starts like them.
TEST(StatementTextTest, TransactionMarkersAreRecognisedWhateverTheirCaseAndBlanks) {
    testdb::reset();
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    q.execSql(QStringLiteral("  BEGIN ;"));
    EXPECT_TRUE(q.inTransaction());
    q.execSql(QStringLiteral("insert into author_info values ('a','b')"));
    EXPECT_TRUE(q.inTransaction());
    q.execSql(QStringLiteral("\tCommit   Work;"));
    EXPECT_FALSE(q.inTransaction());
    q.execSql(QStringLiteral(" Start Transaction"));
    EXPECT_TRUE(q.inTransaction());
    q.openSql(QStringLiteral("select 'commit'"));
    EXPECT_TRUE(q.inTransaction());
    q.execSql(QStringLiteral("rollback"));
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);
}

}  // namespace
