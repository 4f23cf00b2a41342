#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QPointer>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "shell/OwnAccount.h"
#include "shell/Settings.h"
#include "shell/windows/TForm_database_sel.h"
#include "shell/windows/TForm_main.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

QStringList lines(const QList<shell::Notice>& notices) {
    QStringList l;
    for (const shell::Notice& n : notices) l << n.caption + QLatin1Char('/') + n.text;
    return l;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(DataSourceTest, TheTestConnectsAsLoginUserToTheTypedNameAndCatchesOnlyItsOwnFailure) {
    FakeQuery q;
    q.rowsFor = [](const QString&) { return QList<QStringList>{{QStringLiteral("login_user@localhost")}}; };
    EXPECT_EQ(lines(shell::testDataSource(q, QStringLiteral(" my dsn "))), QStringList{QStringLiteral("通过/测试通过")});
    EXPECT_EQ(q.connectionString(), shell::testConnectionString(QStringLiteral(" my dsn ")));
    EXPECT_TRUE(q.connectionString().endsWith(QStringLiteral(";User ID=login_user;Data Source= my dsn ")));
    EXPECT_EQ(q.sent, QStringList{QStringLiteral("open: select user()")});
    EXPECT_FALSE(q.isOpen());

    FakeQuery none;
    EXPECT_TRUE(shell::testDataSource(none, QStringLiteral("x")).isEmpty());  // no row: no message

    FakeQuery failing;
    failing.errorFor = [](const QString&) { return QStringLiteral("Can't connect"); };
    EXPECT_EQ(lines(shell::testDataSource(failing, QStringLiteral("x"))),
              QStringList{QStringLiteral("不通过/不能连接服务器")});
}

TEST(DataSourceTest, WritingIntoAPathThatCannotBeWrittenThrowsTheWriteError) {
    const QString path = QStringLiteral("/proc/no_such_folder/DBS_KT40617395.ini");
    try {
        shell::writeDataSource(QStringLiteral("x"), path);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + path);
    }
}

class DatabaseSel : public ::testing::Test {
protected:
    void SetUp() override {
        recorder::clear();
        testdb::removeSettings();
        main.setSession(QStringLiteral("admin"), testdb::paperConnection());
        main.menuClick(QStringLiteral("menu62"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<TForm_database_sel*>(w); found && found->isVisible()) window = found;
    }
    void TearDown() override {
        if (window) window->close();
        QDir().rmdir(shell::settingsPath());
        testdb::removeSettings();
    }
    TForm_main main;
    QPointer<TForm_database_sel> window;
};

TEST_F(DatabaseSel, TheTestPassesOnTheDataSourceAndFailsOnAWrongName) {
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("数据库更改"));
    EXPECT_EQ(window->userName(), QString());  // the connection string only
    EXPECT_EQ(window->SpeedButton_test->focusPolicy(), Qt::NoFocus);
    window->Edit_datasource->setText(QStringLiteral("paperdb"));
    window->SpeedButton_test->click();
    window->Edit_datasource->setText(QStringLiteral("no_such_dsn"));
    window->SpeedButton_test->click();
    EXPECT_EQ(recorder::lines(),
              (QStringList{QStringLiteral("通过/测试通过"), QStringLiteral("不通过/不能连接服务器")}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(shell::settingsPath()));  // the test writes nothing
}

TEST_F(DatabaseSel, ChangeWritesTheDataSourceAndKeepsEveryOtherLine) {
    ASSERT_TRUE(window);
    const QByteArray before =
        "; prepared by hand\r\n[Database_Info]\r\nprovider = MSDASQL.1\r\nData Source=paperdb\r\n\r\n[other]\r\ndata source=keep\r\n";
    {
        QFile f(shell::settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(before);
    }
    window->Edit_datasource->setText(QStringLiteral("新库"));
    window->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("完成/更改完成")});
    EXPECT_FALSE(window && window->isVisible());

    // Only the line of the key changed; every other line is kept byte for byte.
    const QList<QByteArray> was = before.split('\n');
    const QList<QByteArray> now = readAll(shell::settingsPath()).split('\n');
    ASSERT_EQ(now.size(), was.size());
    for (int i = 0; i < was.size(); ++i) {
        if (i == 3)
            EXPECT_TRUE(QString::fromUtf8(now[i]).endsWith(QStringLiteral("=新库\r"))) << now[i].constData();
        else
            EXPECT_EQ(now[i], was[i]) << i;
    }
    const shell::Settings read = shell::readSettings();
    EXPECT_EQ(read.provider, QStringLiteral("MSDASQL.1"));
    EXPECT_EQ(read.dataSource, QStringLiteral("新库"));
    // The running program keeps its connection strings.
    EXPECT_EQ(main.paperConnection(), testdb::paperConnection());
}

TEST_F(DatabaseSel, AnEmptyValueIsWrittenAndReadBackEmpty) {
    testdb::writeSettings();
    window->Button_yes->click();
    EXPECT_EQ(shell::readSettings().dataSource, QString());
}

TEST_F(DatabaseSel, AnUnwritableSettingsFileGoesToTheErrorReportAndTheWindowStays) {
    ASSERT_TRUE(window);
    testdb::removeSettings();
    ASSERT_TRUE(QDir().mkdir(shell::settingsPath()));  // a folder where the file should be
    window->Edit_datasource->setText(QStringLiteral("paperdb2"));
    window->Button_yes->click();
    ASSERT_EQ(recorder::shown().size(), 1);
    EXPECT_EQ(recorder::shown()[0].kind, db::messages::Kind::ErrorReport);
    EXPECT_EQ(recorder::shown()[0].text, QStringLiteral("Unable to write to ") + shell::settingsPath() + QLatin1Char('.'));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
