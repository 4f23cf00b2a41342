// Table creation, table drop and console rules without a server.
#include <gtest/gtest.h>

#include "admin/TableStatements.h"
#include "support/FakeQuery.h"

namespace {

FakeQuery* listing(FakeQuery& q, QStringList tables) {
    q.rowsFor = [tables](const QString& sql) {
        QList<QStringList> rows;
        if (sql == QLatin1String("show tables"))
            for (const QString& t : tables) rows << QStringList{t};
        return rows;
    };
    return &q;
}

}  // namespace

TEST(TableStatements, CreateAndDropTextsKeepTheTypedTextAndItsLineBreaks) {
    EXPECT_EQ(admin::createTableStatement(QStringLiteral("t1"), QStringLiteral("id int")),
              QStringLiteral("create table t1 (id int);"));
    EXPECT_EQ(admin::createTableStatement(QStringLiteral("t2"),
                                          QStringLiteral("id int,\nname varchar(20) default 'a'")),
              QStringLiteral("create table t2 (id int,\nname varchar(20) default 'a');"));
    EXPECT_EQ(admin::dropTableStatement(QStringLiteral("t1")), QStringLiteral("drop table t1"));
    EXPECT_EQ(admin::dropTableStatement(QString()), QStringLiteral("drop table "));
}

TEST(TableStatements, CreateIsJudgedByTheListingIgnoringLetterCase) {
    FakeQuery q;
    listing(q, {QStringLiteral("main"), QStringLiteral("t1")});
    admin::Report r = admin::createTable(q, QStringLiteral("t1"), QStringLiteral("id int"));
    EXPECT_EQ(q.sent, (QStringList{QStringLiteral("exec: create table t1 (id int);"),
                                   QStringLiteral("open: show tables")}));
    EXPECT_EQ(r.caption, QStringLiteral("成功"));
    EXPECT_EQ(r.text, QStringLiteral("生成表't1'"));
    EXPECT_TRUE(r.closes);

    // a server that folds names to lower case lists "t1" for "T1"
    r = admin::createTable(q, QStringLiteral("T1"), QStringLiteral("id int"));
    EXPECT_EQ(r.text, QStringLiteral("生成表'T1'"));

    listing(q, {QStringLiteral("main"), QStringLiteral("t10")});
    r = admin::createTable(q, QStringLiteral("t1"), QStringLiteral("id int"));
    EXPECT_EQ(r.caption, QStringLiteral("失败"));
    EXPECT_EQ(r.text, QStringLiteral("生成表失败（未知错误）"));
    EXPECT_FALSE(r.closes);
}

TEST(TableStatements, DropIsJudgedByTheListingIgnoringLetterCase) {
    FakeQuery q;
    listing(q, {QStringLiteral("main"), QStringLiteral("t1")});
    admin::Report r = admin::dropTable(q, QStringLiteral("T1"));
    EXPECT_EQ(q.sent, (QStringList{QStringLiteral("exec: drop table T1"),
                                   QStringLiteral("open: show tables")}));
    EXPECT_EQ(r.caption, QStringLiteral("失败"));
    EXPECT_EQ(r.text, QStringLiteral("删除表失败（未知错误）"));
    EXPECT_FALSE(r.closes);

    listing(q, {QStringLiteral("main")});
    r = admin::dropTable(q, QStringLiteral("t1"));
    EXPECT_EQ(r.caption, QStringLiteral("成功"));
    EXPECT_EQ(r.text, QStringLiteral("删除表成功"));
    EXPECT_TRUE(r.closes);

    // a failing drop ends before the listing
    q.sent.clear();
    q.errorFor = [](const QString& sql) {
        return sql.startsWith(QLatin1String("drop")) ? QStringLiteral("Unknown table") : QString();
    };
    EXPECT_ANY_THROW(admin::dropTable(q, QStringLiteral("nope")));
    EXPECT_EQ(q.sent, QStringList{QStringLiteral("exec: drop table nope")});
}

TEST(TableStatements, DropListLeavesOutExactlyTheTwoAccountTables) {
    const QStringList listed = {QStringLiteral("address"), QStringLiteral("username_password"),
                                QStringLiteral("b_table"), QStringLiteral("username_rightid"),
                                QStringLiteral("Username_Rightid_old")};
    EXPECT_EQ(admin::droppableTables(listed),
              (QStringList{QStringLiteral("address"), QStringLiteral("b_table"),
                           QStringLiteral("Username_Rightid_old")}));
}

TEST(TableStatements, ConsoleRefusesTheAccountTablesInAnyLetterCase) {
    for (const char* text : {"select * from username_password", "SELECT * FROM Username_Password",
                             "delete from USERNAME_RIGHTID", "xusername_rightidx",
                             "update `username_Password` set password='1'"})
        EXPECT_TRUE(admin::namesAccountTable(QString::fromUtf8(text))) << text;
    for (const char* text : {"", "select * from main", "username_passwor", "username rightid",
                             "show tables"})
        EXPECT_FALSE(admin::namesAccountTable(QString::fromUtf8(text))) << text;
}

TEST(TableStatements, ARefusedConsoleTextLeavesTheQueryObjectAlone) {
    FakeQuery q;
    q.rowsFor = [](const QString&) { return QList<QStringList>{{QStringLiteral("a")}}; };
    q.openSql(QStringLiteral("select 'a'"));
    q.sent.clear();

    EXPECT_EQ(admin::runConsole(q, QStringLiteral("drop table Username_Rightid")),
              admin::ConsoleOutcome::Refused);
    EXPECT_TRUE(q.sent.isEmpty());
    EXPECT_TRUE(q.isOpen());
    EXPECT_EQ(q.sql(), QStringLiteral("select 'a'"));
    const admin::Report r = admin::consoleReport(admin::ConsoleOutcome::Refused);
    EXPECT_EQ(r.caption, QStringLiteral("权限错误"));
    EXPECT_EQ(r.text, QStringLiteral("您没有权限/管理员请通过正常途径操作"));

    // anything else, the empty text included, is run once as typed
    EXPECT_EQ(admin::runConsole(q, QString()), admin::ConsoleOutcome::NoRows);
    EXPECT_EQ(admin::runConsole(q, QStringLiteral("show tables")), admin::ConsoleOutcome::NoRows);
    EXPECT_EQ(q.sent, (QStringList{QStringLiteral("run: "), QStringLiteral("run: show tables")}));
    EXPECT_TRUE(admin::consoleReport(admin::ConsoleOutcome::Rows).text.isEmpty());
}
