#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "window/Form.h"
#include "window/FormRegistry.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

// Command items a user can reach: visible, and every menu above visible too.
QStringList reachable(TForm_main& main) {
    QStringList out;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (!a->isVisible()) continue;
            if (a->menu()) walk(a->menu());
            else out << a->objectName();
        }
    };
    for (QAction* a : main.menuBar()->actions()) {
        if (!a->isVisible()) continue;
        if (a->menu()) walk(a->menu());
        else out << a->objectName();
    }
    out.sort();
    return out;
}

QStringList sorted(QStringList l) {
    l.sort();
    return l;
}

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        testdb::writeSettings();
        recorder::clear();
    }
    void TearDown() override { testdb::removeSettings(); }

    // Signs in through the window and returns what the main window offers.
    bool signIn(const QString& name, const QString& password) {
        login.Edit_username->setText(name);
        login.Edit_password->setText(password);
        login.Button_yes->click();
        return main.isVisible();
    }
    TForm_main main;
    TForm_login login{&main};
};

TEST_F(WindowsTest, TheSignInWindowStartsWithGuestAndTheOkButtonFocused) {
    login.show();
    QApplication::setActiveWindow(&login);
    EXPECT_EQ(login.windowTitle(), QStringLiteral("登录"));
    EXPECT_EQ(login.Edit_username->text(), QStringLiteral("guest"));
    EXPECT_EQ(login.Edit_password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login.focusWidget(), login.Button_yes);
    EXPECT_EQ(login.Button_yes->nextInFocusChain(), login.Button_no);
    // Enter on the focused OK button signs in as guest
    QTest::keyClick(login.Button_yes, Qt::Key_Return);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(main.Label_user->text(), QStringLiteral("guest 您好，"));
    EXPECT_EQ(reachable(main), sorted({QStringLiteral("menu31"), QStringLiteral("menu36"), QStringLiteral("menu_exit")}));
}

TEST_F(WindowsTest, EachLevelReachesExactlyItsMenus) {
    ASSERT_TRUE(signIn(QStringLiteral(" reader "), QStringLiteral("reader123")));
    EXPECT_EQ(main.Label_user->text(), QStringLiteral("reader 您好，"));
    EXPECT_EQ(main.userName(), QStringLiteral("reader"));
    EXPECT_EQ(reachable(main),
              sorted({"menu11", "menu12", "menu31", "menu32", "menu33", "menu34", "menu36", "menu4", "menu_exit"}));
}

TEST_F(WindowsTest, SeniorUsersAlsoGetTablesAndExtensions) {
    ASSERT_TRUE(signIn(QStringLiteral("editor"), QStringLiteral("editor123")));
    EXPECT_EQ(reachable(main), sorted({"menu11", "menu12", "menu31", "menu32", "menu33", "menu34", "menu36", "menu39", "menu4",
                                       "menu21", "menu22", "menu51", "menu52", "menu53", "menu_exit"}));
}

TEST_F(WindowsTest, TheAdministratorGetsEverythingButTheSystemMenu) {
    ASSERT_TRUE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")));
    EXPECT_EQ(reachable(main),
              sorted({"menu31", "menu32", "menu33", "menu34", "menu36", "menu39", "menu4", "menu21", "menu22", "menu51", "menu52",
                      "menu53", "menu610", "menu611", "menu612", "menu613", "menu62", "menu_exit"}));
    EXPECT_EQ(main.paperConnection(), testdb::paperConnection());
}

TEST_F(WindowsTest, AFailedSignInSaysSoAndKeepsBothBoxes) {
    EXPECT_FALSE(signIn(QStringLiteral("admin"), QStringLiteral("wrong")));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("登录错误/请检查您的用户名和密码")});
    EXPECT_EQ(login.Edit_username->text(), QStringLiteral("admin"));
    EXPECT_EQ(login.Edit_password->text(), QStringLiteral("wrong"));
    EXPECT_FALSE(signIn(QStringLiteral("x' union select '4"), QStringLiteral("4")));
    EXPECT_EQ(recorder::lines().size(), 2);
    login.Button_no->click();
    EXPECT_TRUE(login.Edit_username->text().isEmpty());
    EXPECT_TRUE(login.Edit_password->text().isEmpty());
}

TEST_F(WindowsTest, WithoutSettingsOnlyTheGuestGetsInAndOthersSeeTheErrorReport) {
    testdb::removeSettings();
    EXPECT_FALSE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")));
    ASSERT_EQ(recorder::shown().size(), 1);
    EXPECT_EQ(recorder::shown().first().kind, db::messages::Kind::ErrorReport);
    EXPECT_TRUE(signIn(QStringLiteral("guest"), QString()));
    EXPECT_TRUE(main.paperConnection().endsWith(QStringLiteral("Provider=no_provider")) ||
                main.paperConnection().startsWith(QStringLiteral("Provider=no_provider;")));
}

TEST_F(WindowsTest, TheServerGoneAtSignInIsReportedAndTheWindowStaysUsable) {
    testdb::stopServer();
    EXPECT_FALSE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")));
    testdb::startServer();
    ASSERT_EQ(recorder::shown().size(), 1);
    EXPECT_EQ(recorder::shown().first().kind, db::messages::Kind::ErrorReport);
    EXPECT_TRUE(recorder::shown().first().text.endsWith(QLatin1Char('.')) ||
                recorder::shown().first().text.back().unicode() <= '.');
    EXPECT_TRUE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")));
}

TEST_F(WindowsTest, MenuCommandsOpenANewWindowEachTimeWithTheTwoTextsCopiedIn) {
    ASSERT_TRUE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")));
    for (const char* item : {"menu11", "menu12", "menu31", "menu32", "menu33", "menu34", "menu36", "menu39", "menu4", "menu21",
                             "menu22", "menu51", "menu52", "menu53", "menu610", "menu611", "menu612", "menu613",
                             "menu62"}) {
        // every one of these commands has its window: a missing route fails here
        ASSERT_TRUE(db::FormRegistry::find(QString::fromLatin1(item))) << item << " opens no window";
        const auto before = QApplication::topLevelWidgets().size();
        main.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        main.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        QList<db::Form*> forms;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<db::Form*>(w); f && f->isVisible()) forms << f;
        EXPECT_GE(QApplication::topLevelWidgets().size(), before + 2) << item;
        for (db::Form* f : forms) {
            EXPECT_EQ(f->connectionString(), main.paperConnection()) << item;
            EXPECT_EQ(f->userName(), QString::fromLatin1(item) == QLatin1String("menu62")
                                         ? QString() : QStringLiteral("admin")) << item;
            f->close();
        }
        QApplication::processEvents();
    }
}

TEST_F(WindowsTest, ClosingTheMainWindowOrExitEndsTheProgram) {
    ASSERT_TRUE(signIn(QStringLiteral("guest"), QString()));
    bool quit = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
    // quit() outside a running loop only posts; check the request through a
    // loop that the request ends
    QTimer::singleShot(0, &main, [&] { main.findChild<QAction*>(QStringLiteral("menu_exit"))->trigger(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0);
    QTimer::singleShot(0, &main, [&] { main.close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0);
    QTimer::singleShot(0, &login, [&] { login.close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
