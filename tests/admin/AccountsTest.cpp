#include <gtest/gtest.h>

#include "admin/Accounts.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "shell/SignIn.h"
#include "support/FakeQuery.h"
#include "support/TestDb.h"

using admin::Notice;

namespace {

const QString kChooseRight = QStringLiteral("注意/必须选择权限");

QStringList lines(const admin::Outcome& out) {
    QStringList l;
    for (const Notice& n : out.notices) l << n.caption + QLatin1Char('/') + n.text;
    return l;
}

// ---- statements and outcome rules, without a server ----

TEST(AccountRules, OnlyTheTwoItemsMapToARightLevel) {
    EXPECT_EQ(admin::rightLevel(QStringLiteral("普通用户")), QStringLiteral("2"));
    EXPECT_EQ(admin::rightLevel(QStringLiteral("高级用户")), QStringLiteral("3"));
    for (const char* other : {"", "管理员", "4", "2", " 普通用户", "普通用户 "})
        EXPECT_TRUE(admin::rightLevel(QString::fromUtf8(other)).isEmpty()) << other;
    EXPECT_FALSE(admin::rightItems().contains(QStringLiteral("管理员")));
}

TEST(AccountRules, AnyOtherRightTextIsRefusedAndNothingIsSent) {
    for (const char* other : {"", "管理员", "4"}) {
        FakeQuery q;
        EXPECT_EQ(lines(admin::createAccount(q, QStringLiteral("u"), QStringLiteral("p"),
                                             QString::fromUtf8(other))),
                  QStringList{kChooseRight});
        EXPECT_EQ(lines(admin::changeRight(q, QStringLiteral("u"), QString::fromUtf8(other))),
                  QStringList{kChooseRight});
        EXPECT_TRUE(q.sent.isEmpty()) << other;
    }
}

TEST(AccountRules, EmptyNamesAndPasswordsAreRefusedBeforeAnythingIsSent) {
    FakeQuery q;
    const QString senior = QStringLiteral("高级用户");
    for (auto [name, pw] : {std::pair{"", "p"}, {"u", ""}, {"  ", "p"}, {"u", " "}}) {
        auto out = admin::createAccount(q, QString::fromUtf8(name), QString::fromUtf8(pw), senior);
        ASSERT_EQ(out.notices.size(), 1);
        EXPECT_EQ(out.notices[0].caption, QStringLiteral("注意"));
        EXPECT_FALSE(out.closeWindow);
        out = admin::renameAdministrator(q, QStringLiteral("admin"), QString::fromUtf8(name),
                                         QString::fromUtf8(pw));
        ASSERT_EQ(out.notices.size(), 1);
        EXPECT_EQ(out.notices[0].caption, QStringLiteral("注意"));
    }
    EXPECT_TRUE(q.sent.isEmpty());
}

TEST(AccountRules, CreationSendsBothInsertsInOneTransactionWithValuesEscaped) {
    FakeQuery q;
    auto out = admin::createAccount(q, QStringLiteral("李'四"), QStringLiteral("a\\b"),
                                    QStringLiteral("高级用户"));
    EXPECT_EQ(q.sent, (QStringList{
                          QStringLiteral("exec: begin"),
                          QStringLiteral("exec: insert into username_password values ('李\\'四','a\\\\b')"),
                          QStringLiteral("exec: insert into username_rightid values ('李\\'四','3')"),
                          QStringLiteral("exec: commit")}));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("成功/已生成新用户")});
    EXPECT_TRUE(out.closeWindow);

    FakeQuery plain;
    admin::createAccount(plain, QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("普通用户"));
    EXPECT_EQ(plain.statements().at(1), QStringLiteral("insert into username_password values ('bob','pw')"));
    EXPECT_EQ(plain.statements().at(2), QStringLiteral("insert into username_rightid values ('bob','2')"));
}

TEST(AccountRules, ACountBelowOneRollsBackAfterSendingEveryStatement) {
    FakeQuery q;
    q.countFor = [](const QString& s) { return s.contains(QLatin1String("username_password")) ? 0 : 1; };
    auto out = admin::deleteAccount(q, QStringLiteral("bob"));
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"),
                                           QStringLiteral("delete from username_password where username='bob'"),
                                           QStringLiteral("delete from username_rightid where username='bob'"),
                                           QStringLiteral("rollback")}));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("失败/删除失败（未知错误）")});
    EXPECT_FALSE(out.closeWindow);

    FakeQuery c;
    c.countFor = [](const QString& s) { return s.startsWith(QLatin1String("insert into username_rightid")) ? 0 : 1; };
    out = admin::createAccount(c, QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("普通用户"));
    EXPECT_EQ(c.statements().last(), QStringLiteral("rollback"));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("失败/生成新用户失败（未知错误）")});
}

TEST(AccountRules, ChangeRightIsOneUpdateJudgedByItsCount) {
    FakeQuery q;
    auto out = admin::changeRight(q, QStringLiteral("bob"), QStringLiteral("高级用户"));
    EXPECT_EQ(q.sent, QStringList{QStringLiteral("exec: update username_rightid set rightid='3' where username='bob'")});
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("成功/权限更改成功")});
    EXPECT_FALSE(out.closeWindow);
    q.countFor = [](const QString&) { return 0; };
    out = admin::changeRight(q, QStringLiteral("nobody"), QStringLiteral("普通用户"));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("失败/权限更改失败（未知错误）")});
}

TEST(AccountRules, TheAdministratorWindowChangesTheSignedInAdministratorElseTheFirst) {
    FakeQuery q;
    q.rowsFor = [](const QString& s) {
        if (s.contains(QLatin1String("and username='root2'"))) return QList<QStringList>{{QStringLiteral("root2")}};
        if (s.contains(QLatin1String("and username="))) return QList<QStringList>{};
        return QList<QStringList>{{QStringLiteral("admin")}, {QStringLiteral("root2")}};
    };
    EXPECT_EQ(admin::administratorName(q, QStringLiteral("root2")), QStringLiteral("root2"));
    EXPECT_EQ(q.statements(),
              QStringList{QStringLiteral("select username from username_rightid where rightid='4' and username='root2'")});
    q.sent.clear();
    EXPECT_EQ(admin::administratorName(q, QStringLiteral("editor")), QStringLiteral("admin"));
    EXPECT_EQ(q.statements().last(), QStringLiteral("select username from username_rightid where rightid='4'"));

    q.sent.clear();
    auto out = admin::renameAdministrator(q, QStringLiteral("root2"), QStringLiteral("boss"), QStringLiteral("p'w"));
    EXPECT_EQ(q.statements().mid(1), (QStringList{
                                          QStringLiteral("begin"),
                                          QStringLiteral("update username_password set password='p\\'w' where username='root2'"),
                                          QStringLiteral("update username_password set username='boss' where username='root2'"),
                                          QStringLiteral("update username_rightid set username='boss' where username='root2'"),
                                          QStringLiteral("commit")}));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("成功/管理员账户名、密码修改成功")});
    EXPECT_TRUE(out.closeWindow);
}

TEST(AccountRules, UserChoicesLeaveOutAdministrators) {
    FakeQuery q;
    q.rowsFor = [](const QString&) {
        return QList<QStringList>{{QStringLiteral("admin"), QStringLiteral("4")},
                                  {QStringLiteral("bob"), QStringLiteral("2")},
                                  {QStringLiteral("odd"), QStringLiteral("04")},
                                  {QStringLiteral("zoe"), QStringLiteral("3")}};
    };
    EXPECT_EQ(admin::loadUserChoices(q),
              (QStringList{QStringLiteral("bob"), QStringLiteral("odd"), QStringLiteral("zoe")}));
    EXPECT_EQ(q.statements(), QStringList{QStringLiteral("select * from username_rightid order by username asc")});
}

// ---- against the server ----

class AccountsDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        q.setConnectionString(testdb::paperConnection());
    }
    void TearDown() override { testdb::removeSettings(); }
    QStringList userList() {
        q.openSql(admin::userListSql());
        QStringList rows;
        for (qint64 i = 0, n = q.recordCount(); i < n; ++i, q.next())
            rows << q.field(0) + QLatin1Char(':') + q.field(1) + QLatin1Char(':') + q.field(2);
        q.close();
        return rows;
    }
    qint64 rows(const QString& name) {
        return testdb::count(QStringLiteral("username_password"), QStringLiteral("username='%1'").arg(name)) +
               testdb::count(QStringLiteral("username_rightid"), QStringLiteral("username='%1'").arg(name));
    }
    db::OdbcQuery q;
};

TEST_F(AccountsDb, CreatedAccountsListByLevelThenName) {
    EXPECT_EQ(lines(admin::createAccount(q, QStringLiteral("zoe"), QStringLiteral("z1"), QStringLiteral("高级用户"))),
              QStringList{QStringLiteral("成功/已生成新用户")});
    admin::createAccount(q, QStringLiteral("amy"), QStringLiteral("a1"), QStringLiteral("普通用户"));
    admin::createAccount(q, QStringLiteral("王'五"), QStringLiteral("c:\\x"), QStringLiteral("普通用户"));
    EXPECT_EQ(userList(), (QStringList{QStringLiteral("admin:admin123:4"), QStringLiteral("editor:editor123:3"),
                                       QStringLiteral("zoe:z1:3"), QStringLiteral("amy:a1:2"),
                                       QStringLiteral("reader:reader123:2"), QStringLiteral("王'五:c:\\x:2")}));
    EXPECT_FALSE(q.inTransaction());
    q.openSql(admin::userListSql());
    EXPECT_EQ(q.result()->columnNames(),
              (QStringList{QStringLiteral("用户名"), QStringLiteral("密码"),
                           QStringLiteral("权限（4,3,2分别为管理员、高级用户、普通用户）")}));
}

TEST_F(AccountsDb, ChangeRightAndDelete) {
    EXPECT_EQ(admin::loadUserChoices(q), (QStringList{QStringLiteral("editor"), QStringLiteral("reader")}));
    EXPECT_EQ(lines(admin::changeRight(q, QStringLiteral("reader"), QStringLiteral("高级用户"))),
              QStringList{QStringLiteral("成功/权限更改成功")});
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='reader'")),
              QStringLiteral("3"));
    EXPECT_EQ(lines(admin::changeRight(q, QStringLiteral("nobody"), QStringLiteral("普通用户"))),
              QStringList{QStringLiteral("失败/权限更改失败（未知错误）")});

    EXPECT_EQ(lines(admin::deleteAccount(q, QStringLiteral("reader"))), QStringList{QStringLiteral("成功/删除成功")});
    EXPECT_EQ(rows(QStringLiteral("reader")), 0);
    EXPECT_EQ(lines(admin::deleteAccount(q, QStringLiteral("reader"))),
              QStringList{QStringLiteral("失败/删除失败（未知错误）")});
    EXPECT_EQ(testdb::count(QStringLiteral("username_password")), 2);
}

TEST_F(AccountsDb, RenamedAdministratorSignsInWithTheNewNameAndPassword) {
    auto out = admin::renameAdministrator(q, QStringLiteral("admin"), QStringLiteral("boss"), QStringLiteral("新密码1"));
    EXPECT_EQ(lines(out), QStringList{QStringLiteral("成功/管理员账户名、密码修改成功")});
    EXPECT_EQ(rows(QStringLiteral("admin")), 0);

    testdb::writeSettings();
    db::OdbcQuery login;
    const shell::Settings settings = shell::readSettings();
    shell::SignInOutcome in = shell::signIn(login, QStringLiteral("boss"), QStringLiteral("新密码1"), settings);
    EXPECT_TRUE(in.accepted);
    EXPECT_EQ(in.access, shell::Access::Admin);
    EXPECT_FALSE(shell::signIn(login, QStringLiteral("admin"), QStringLiteral("admin123"), settings).accepted);
}

TEST_F(AccountsDb, TheSignedInAdministratorIsChangedNotTheFirstOne) {
    testdb::exec(QStringLiteral("insert into username_password values ('root2','r2')"));
    testdb::exec(QStringLiteral("insert into username_rightid values ('root2','4')"));
    admin::renameAdministrator(q, QStringLiteral("root2"), QStringLiteral("root3"), QStringLiteral("r3"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select password from username_password where username='admin'")),
              QStringLiteral("admin123"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select password from username_password where username='root3'")),
              QStringLiteral("r3"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='root3'")),
              QStringLiteral("4"));
    // Signed in under a name without level "4": the first administrator row.
    EXPECT_EQ(admin::administratorName(q, QStringLiteral("editor")), QStringLiteral("admin"));
}

TEST_F(AccountsDb, AFailingSecondStatementLeavesNoHalfAccount) {
    // A name already in the right table only: the second insert is refused.
    testdb::exec(QStringLiteral("insert into username_rightid values ('ghost','2')"));
    EXPECT_THROW(admin::createAccount(q, QStringLiteral("ghost"), QStringLiteral("pw"), QStringLiteral("高级用户")),
                 db::DbError);
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='ghost'")), 0);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='ghost'")),
              QStringLiteral("2"));
    // The connection is not left inside the interrupted change.
    EXPECT_EQ(q.execSql(QStringLiteral("insert into author_info values ('x','y')")), 1);
    EXPECT_EQ(q.execSql(QStringLiteral("rollback")), 0);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info"), QStringLiteral("author='x'")), 1);

    // A name in the password table only: deleting it fails and loses nothing.
    testdb::exec(QStringLiteral("insert into username_password values ('half','h')"));
    EXPECT_EQ(lines(admin::deleteAccount(q, QStringLiteral("half"))),
              QStringList{QStringLiteral("失败/删除失败（未知错误）")});
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='half'")), 1);
}

TEST_F(AccountsDb, AFailedAdministratorRenameChangesNothing) {
    // The new name is taken in the right table only: the third update is refused.
    testdb::exec(QStringLiteral("insert into username_rightid values ('taken','2')"));
    EXPECT_THROW(admin::renameAdministrator(q, QStringLiteral("admin"), QStringLiteral("taken"), QStringLiteral("x")),
                 db::DbError);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select password from username_password where username='admin'")),
              QStringLiteral("admin123"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='admin'")),
              QStringLiteral("4"));
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='taken'")), 0);

    // No administrator at all: the updates match nothing and nothing changes.
    testdb::exec(QStringLiteral("update username_rightid set rightid='3' where username='admin'"));
    EXPECT_EQ(lines(admin::renameAdministrator(q, QStringLiteral("admin"), QStringLiteral("boss"), QStringLiteral("x"))),
              QStringList{QStringLiteral("失败/修改失败（未知错误）")});
    EXPECT_EQ(rows(QStringLiteral("admin")), 2);
}

}  // namespace
