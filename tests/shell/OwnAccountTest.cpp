#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>

#include "db/OdbcQuery.h"
#include "shell/OwnAccount.h"
#include "shell/SignIn.h"
#include "shell/windows/TForm_logout.h"
#include "shell/windows/TForm_main.h"
#include "shell/windows/TForm_password_update.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

QStringList lines(const QList<shell::Notice>& notices) {
    QStringList l;
    for (const shell::Notice& n : notices) l << n.caption + QLatin1Char('/') + n.text;
    return l;
}

const QString kWrongOld = QStringLiteral("原密码错误/原密码不正确");
const QString kMismatch = QStringLiteral("密码不匹配/新密码与确认密码不同");

TEST(PasswordChangeRules, AnEmptyNewPasswordIsRefusedBeforeAnythingIsSent) {
    for (const char* typed : {"", "   ", "\t"}) {
        FakeQuery q;
        auto out = shell::changePassword(q, QStringLiteral("reader"), QStringLiteral("reader123"),
                                         QString::fromUtf8(typed), QString::fromUtf8(typed));
        ASSERT_EQ(out.notices.size(), 1);
        EXPECT_EQ(out.notices[0].caption, QStringLiteral("注意"));
        EXPECT_FALSE(out.closeWindow);
        EXPECT_TRUE(q.sent.isEmpty());
    }
}

TEST(PasswordChangeRules, StatementsQuoteTheUserNameAndStoreTheTrimmedPassword) {
    FakeQuery q;
    q.rowsFor = [](const QString&) { return QList<QStringList>{{QStringLiteral("old'pw")}}; };
    auto out = shell::changePassword(q, QStringLiteral("o'neil"), QStringLiteral(" old'pw "),
                                     QStringLiteral(" new\\pw "), QStringLiteral("new\\pw"));
    EXPECT_EQ(q.sent, (QStringList{
                          QStringLiteral("open: select password from username_password where username='o\\'neil'"),
                          QStringLiteral("exec: update username_password set password='new\\\\pw' where username='o\\'neil'")}));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("成功/密码修改成功")});
    EXPECT_TRUE(out.closeWindow);

    // Anything but exactly one row changed is a failure.
    q.countFor = [](const QString&) { return 2; };
    out = shell::changePassword(q, QStringLiteral("o'neil"), QStringLiteral("old'pw"), QStringLiteral("n"),
                                QStringLiteral("n"));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("失败/密码修改失败（未知原因）")});
    EXPECT_FALSE(out.closeWindow);
}

TEST(CancellationRules, BothDeletesRunInOneTransaction) {
    FakeQuery q;
    q.countFor = [](const QString& s) { return s.contains(QLatin1String("username_rightid")) ? 0 : 1; };
    auto out = shell::cancelAccount(q, QStringLiteral("a'b"));
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"),
                                           QStringLiteral("delete from username_password where username='a\\'b'"),
                                           QStringLiteral("delete from username_rightid where username='a\\'b'"),
                                           QStringLiteral("rollback")}));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("失败/注销失败（未知错误）")});
    EXPECT_FALSE(out.quitProgram);
}

class OwnAccountDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
    }
    void TearDown() override { testdb::removeSettings(); }
    QString stored(const QString& user) {
        return testdb::scalar(QStringLiteral("select password from username_password where username='") + user +
                              QLatin1Char('\''));
    }
    db::OdbcQuery q;
};

TEST_F(OwnAccountDb, WrongOldPasswordAndMismatchGiveBothMessagesInOrder) {
    auto out = shell::changePassword(q, QStringLiteral("reader"), QStringLiteral("nope"), QStringLiteral("a"),
                                     QStringLiteral("b"));
    EXPECT_EQ(lines(out.notices), (QStringList{kWrongOld, kMismatch}));
    EXPECT_EQ(lines(shell::changePassword(q, QStringLiteral("reader"), QStringLiteral("reader123"),
                                          QStringLiteral("a"), QStringLiteral("b"))
                        .notices),
              QStringList{kMismatch});
    // An account that no longer exists has no old password to match.
    EXPECT_EQ(lines(shell::changePassword(q, QStringLiteral("ghost"), QString(), QStringLiteral("a"),
                                          QStringLiteral("a"))
                        .notices),
              QStringList{kWrongOld});
    EXPECT_EQ(stored(QStringLiteral("reader")), QStringLiteral("reader123"));
}

TEST_F(OwnAccountDb, TheTrimmedNewPasswordIsStoredAndSignsIn) {
    auto out = shell::changePassword(q, QStringLiteral("reader"), QStringLiteral(" reader123\t"),
                                     QStringLiteral("  新密码 x "), QStringLiteral("新密码 x"));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("成功/密码修改成功")});
    EXPECT_EQ(stored(QStringLiteral("reader")), QStringLiteral("新密码 x"));

    testdb::writeSettings();
    db::OdbcQuery login;
    const shell::Settings settings = shell::readSettings();
    EXPECT_TRUE(shell::signIn(login, QStringLiteral("reader"), QStringLiteral(" 新密码 x "), settings).accepted);
    EXPECT_FALSE(shell::signIn(login, QStringLiteral("reader"), QStringLiteral("reader123"), settings).accepted);

    // The same password again: one row matched, so it counts as done.
    EXPECT_EQ(lines(shell::changePassword(q, QStringLiteral("reader"), QStringLiteral("新密码 x"),
                                          QStringLiteral("新密码 x"), QStringLiteral("新密码 x"))
                        .notices),
              QStringList{QStringLiteral("成功/密码修改成功")});
}

TEST_F(OwnAccountDb, CancellationDeletesBothRowsOrNothing) {
    auto out = shell::cancelAccount(q, QStringLiteral("reader"));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("成功/注销成功")});
    EXPECT_TRUE(out.quitProgram);
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='reader'")), 0);
    EXPECT_EQ(testdb::count(QStringLiteral("username_rightid"), QStringLiteral("username='reader'")), 0);

    // A password row without a right row: reported, and the password row stays.
    testdb::exec(QStringLiteral("insert into username_password values ('half','h')"));
    out = shell::cancelAccount(q, QStringLiteral("half"));
    EXPECT_EQ(lines(out.notices), QStringList{QStringLiteral("失败/注销失败（未知错误）")});
    EXPECT_FALSE(out.quitProgram);
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='half'")), 1);
    EXPECT_FALSE(q.inTransaction());
}

// ---- the two windows, opened from the menu of a signed-in user ----

class OwnAccountWindows : public OwnAccountDb {
protected:
    void SetUp() override {
        OwnAccountDb::SetUp();
        main.setSession(QStringLiteral("reader"), testdb::paperConnection());
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<db::Form*>(w)) w->close();
        OwnAccountDb::TearDown();
    }
    template <class W>
    W* openFromMenu(const char* item) {
        QSet<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets()) before.insert(w);
        main.menuClick(QString::fromLatin1(item));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.contains(w))
                if (W* found = qobject_cast<W*>(w)) return found;
        return nullptr;
    }
    TForm_main main;
};

TEST_F(OwnAccountWindows, PasswordChangeWindow) {
    auto* w = openFromMenu<TForm_password_update>("menu11");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("修改密码"));
    EXPECT_EQ(w->Label_password_update->text(), QStringLiteral("reader"));
    EXPECT_EQ(w->Edit_new_password->echoMode(), QLineEdit::Password);

    w->Edit_pre_password->setText(QStringLiteral("wrong"));
    w->Edit_new_password->setText(QStringLiteral("n1"));
    w->Edit_cof_password->setText(QStringLiteral("n2"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), (QStringList{kWrongOld, kMismatch}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Edit_pre_password->text(), QStringLiteral("wrong"));  // not cleared

    recorder::clear();
    w->Edit_pre_password->setText(QStringLiteral("reader123"));
    w->Edit_cof_password->setText(QStringLiteral("n1 "));
    QPointer<QWidget> p(w);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/密码修改成功")});
    EXPECT_TRUE(p.isNull() || !p->isVisible());
    EXPECT_EQ(stored(QStringLiteral("reader")), QStringLiteral("n1"));
}

TEST_F(OwnAccountWindows, CancellationEndsTheProgramOnlyWhenBothRowsGo) {
    testdb::exec(QStringLiteral("delete from username_rightid where username='reader'"));
    auto* w = openFromMenu<TForm_logout>("menu12");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("用户注销"));
    QSignalSpy quit(w, &TForm_logout::quitRequested);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/注销失败（未知错误）")});
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='reader'")), 1);

    recorder::clear();
    testdb::exec(QStringLiteral("insert into username_rightid values ('reader','2')"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/注销成功")});
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='reader'")), 0);
    EXPECT_EQ(testdb::count(QStringLiteral("username_rightid"), QStringLiteral("username='reader'")), 0);
}

}  // namespace
