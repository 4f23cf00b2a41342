#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPointer>

#include "admin/windows/TForm_account_alt.h"
#include "admin/windows/TForm_account_cre.h"
#include "admin/windows/TForm_account_del.h"
#include "admin/windows/TForm_admin_alt.h"
#include "admin/windows/TForm_user_table.h"
#include "shell/windows/TForm_main.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

// The administrator's main window opens the account windows from its menu.
class AccountWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        main.setSession(QStringLiteral("admin"), testdb::paperConnection());
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<db::Form*>(w)) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class W>
    W* openFromMenu(const char* item) {
        QSet<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets()) before.insert(w);
        main.menuClick(QString::fromLatin1(item));
        return newest<W>(before);
    }
    template <class W>
    static W* newest(const QSet<QWidget*>& before) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.contains(w))
                if (W* found = qobject_cast<W*>(w)) return found;
        return nullptr;
    }
    static QStringList items(QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    }
    // Closed: hidden, and destroyed once the event loop gets to it.
    static bool gone(const QPointer<QWidget>& w) { return w.isNull() || !w->isVisible(); }
    TForm_main main;
};

TEST_F(AccountWindows, UserListShowsEveryAccountByLevelThenName) {
    testdb::exec(QStringLiteral("insert into username_password values ('amy','a1'),('half','h')"));
    testdb::exec(QStringLiteral("insert into username_rightid values ('amy','3')"));
    auto* w = openFromMenu<TForm_user_table>("menu610");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->objectName(), QStringLiteral("Form_user_table"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("所有用户信息"));
    QAbstractItemModel* m = w->DBGrid1->model();
    ASSERT_EQ(m->columnCount(), 3);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("用户名"));
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("权限（4,3,2分别为管理员、高级用户、普通用户）"));
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r)
        rows << m->index(r, 0).data().toString() + QLatin1Char(':') + m->index(r, 1).data().toString() +
                    QLatin1Char(':') + m->index(r, 2).data().toString();
    // "half" has no right row and is not listed.
    EXPECT_EQ(rows, (QStringList{QStringLiteral("admin:admin123:4"), QStringLiteral("amy:a1:3"),
                                 QStringLiteral("editor:editor123:3"), QStringLiteral("reader:reader123:2")}));
    EXPECT_TRUE(recorder::lines().isEmpty());

    const QByteArray shots = qgetenv("PAPER_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        QCoreApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/user_table.png"));
    }
    QPointer<QWidget> p(w);
    w->Button_re->click();
    EXPECT_TRUE(gone(p));
}

TEST_F(AccountWindows, CreateRefusesAMissingRightThenCreatesTheAccount) {
    auto* w = openFromMenu<TForm_account_cre>("menu611");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("添加用户"));
    EXPECT_EQ(w->ComboBox_priv->currentText(), QString());
    EXPECT_EQ(items(w->ComboBox_priv), (QStringList{QStringLiteral("普通用户"), QStringLiteral("高级用户")}));

    w->Edit_user->setText(QStringLiteral("zoe"));
    w->Edit_pass->setText(QStringLiteral("z1"));
    w->Button1->click();
    w->ComboBox_priv->setEditText(QStringLiteral("管理员"));
    w->Button1->click();
    EXPECT_EQ(recorder::lines(), (QStringList{QStringLiteral("注意/必须选择权限"), QStringLiteral("注意/必须选择权限")}));
    EXPECT_EQ(testdb::count(QStringLiteral("username_password")), 3);

    recorder::clear();
    w->ComboBox_priv->setCurrentIndex(1);
    QPointer<QWidget> p(w);
    w->Button1->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/已生成新用户")});
    EXPECT_TRUE(gone(p));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='zoe'")),
              QStringLiteral("3"));
}

TEST_F(AccountWindows, ACreateThatTheServerRefusesIsReportedAndLeavesNoHalfAccount) {
    testdb::exec(QStringLiteral("insert into username_rightid values ('ghost','2')"));
    auto* w = openFromMenu<TForm_account_cre>("menu611");
    w->Edit_user->setText(QStringLiteral("ghost"));
    w->Edit_pass->setText(QStringLiteral("pw"));
    w->ComboBox_priv->setCurrentIndex(0);
    w->Button1->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines()[0].startsWith(QLatin1Char('!')));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='ghost'")), 0);

    // An empty password is refused before anything is sent.
    recorder::clear();
    w->Edit_user->setText(QStringLiteral("newbie"));
    w->Edit_pass->clear();
    w->Button1->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines()[0].startsWith(QStringLiteral("注意/")));
    EXPECT_EQ(testdb::count(QStringLiteral("username_rightid"), QStringLiteral("username='newbie'")), 0);
}

TEST_F(AccountWindows, ChangeWindowOffersNoAdministratorAndStaysOpen) {
    auto* w = openFromMenu<TForm_account_alt>("menu612");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("修改用户"));
    EXPECT_EQ(items(w->ComboBox_user), (QStringList{QStringLiteral("editor"), QStringLiteral("reader")}));
    EXPECT_EQ(w->ComboBox_user->currentText(), QString());
    EXPECT_EQ(w->ComboBox_right->currentText(), QString());

    w->ComboBox_user->setCurrentIndex(1);
    w->ComboBox_right->setEditText(QStringLiteral("超级用户"));
    w->Button_yes->click();
    w->ComboBox_right->setCurrentIndex(1);
    w->Button_yes->click();
    w->ComboBox_user->setEditText(QStringLiteral("nobody"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), (QStringList{QStringLiteral("注意/必须选择权限"), QStringLiteral("成功/权限更改成功"),
                                              QStringLiteral("失败/权限更改失败（未知错误）")}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='reader'")),
              QStringLiteral("3"));
}

TEST_F(AccountWindows, AdministratorWindowOpensFromTheChangeWindowAndRenames) {
    auto* alt = openFromMenu<TForm_account_alt>("menu612");
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets()) before.insert(w);
    QPointer<QWidget> altAlive(alt);
    alt->Button_admin->click();
    auto* w = newest<TForm_admin_alt>(before);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("管理员账户修改"));
    EXPECT_EQ(w->userName(), QStringLiteral("admin"));
    EXPECT_EQ(w->connectionString(), testdb::paperConnection());
    EXPECT_TRUE(gone(altAlive));

    w->Edit_name->setText(QStringLiteral("boss"));
    w->Button_yes->click();  // no password
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines()[0].startsWith(QStringLiteral("注意/")));
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='admin'")), 1);

    recorder::clear();
    w->Edit_pwd->setText(QStringLiteral("b0ss"));
    QPointer<QWidget> p(w);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/管理员账户名、密码修改成功")});
    EXPECT_TRUE(gone(p));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select password from username_password where username='boss'")),
              QStringLiteral("b0ss"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select rightid from username_rightid where username='boss'")),
              QStringLiteral("4"));
}

TEST_F(AccountWindows, DeleteWindowRemovesTheChosenAccount) {
    auto* w = openFromMenu<TForm_account_del>("menu613");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("删除用户"));
    EXPECT_EQ(items(w->ComboBox_user), (QStringList{QStringLiteral("editor"), QStringLiteral("reader")}));
    w->ComboBox_user->setEditText(QStringLiteral("nobody"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/删除失败（未知错误）")});
    EXPECT_TRUE(w->isVisible());

    recorder::clear();
    w->ComboBox_user->setCurrentIndex(0);
    QPointer<QWidget> p(w);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除成功")});
    EXPECT_TRUE(gone(p));
    EXPECT_EQ(testdb::count(QStringLiteral("username_rightid"), QStringLiteral("username='editor'")), 0);
    EXPECT_EQ(testdb::count(QStringLiteral("username_password"), QStringLiteral("username='editor'")), 0);
}

}  // namespace
