// The table creation, table drop and console windows against the test server.
#include <gtest/gtest.h>

#include "AdminWindows.h"
#include "SentRecorder.h"
#include "admin/windows/TForm_cre_t.h"
#include "admin/windows/TForm_del_t.h"
#include "admin/windows/TForm_del_t_2.h"
#include "admin/windows/TForm_sql_oper.h"
#include "shell/windows/TForm_main.h"
#include "support/Recorder.h"

namespace {

class TableWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
    void TearDown() override { adminwin::closeAll(); }

    static QStringList tables() { return testdb::column(QStringLiteral("show tables")); }
    static QStringList columnsOf(const QString& table) {
        return testdb::column(QStringLiteral("select column_name from information_schema.columns "
                                             "where table_schema='paperdb' and table_name='") +
                              table + QStringLiteral("' order by ordinal_position"));
    }
};

TEST_F(TableWindows, CreateSendsTheStatementAndReportsTheNewTable) {
    auto* w = adminwin::open<TForm_cre_t>();
    auto* sent = new SentRecorder;
    w->setQuery(sent);
    QPointer<QWidget> guard(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("生成表"));
    EXPECT_EQ(w->Memo_warning->toPlainText().split(QLatin1Char('\n')).size(), 9);
    EXPECT_TRUE(w->Memo_warning->isReadOnly());

    w->Edit_tname->setText(QStringLiteral("t1"));
    w->Memo_cname->setPlainText(QStringLiteral("id int"));
    w->Button_yes->click();

    EXPECT_EQ(sent->sent, (QStringList{QStringLiteral("exec: create table t1 (id int);"),
                                       QStringLiteral("open: show tables")}));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/生成表't1'")});
    EXPECT_TRUE(adminwin::closed(guard));
    EXPECT_EQ(columnsOf(QStringLiteral("t1")), QStringList{QStringLiteral("id")});
}

TEST_F(TableWindows, ColumnListOverSeveralLinesAndRefusedCreations) {
    auto* w = adminwin::open<TForm_cre_t>();
    QPointer<QWidget> guard(w);
    w->Edit_tname->setText(QStringLiteral("t2"));
    w->Memo_cname->setPlainText(
        QStringLiteral("id int primary key,\nname varchar(20) default 'a''b',\nnote text"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/生成表't2'")});
    EXPECT_EQ(columnsOf(QStringLiteral("t2")),
              (QStringList{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("note")}));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select column_default from information_schema.columns "
                                            "where table_name='t2' and column_name='name'")),
              QStringLiteral("'a''b'"));
    EXPECT_TRUE(adminwin::closed(guard));

    // an existing name and a broken column list are server errors; the window stays
    recorder::clear();
    w = adminwin::open<TForm_cre_t>();
    guard = w;
    w->Edit_tname->setText(QStringLiteral("main"));
    w->Memo_cname->setPlainText(QStringLiteral("id int"));
    w->Button_yes->click();
    w->Edit_tname->setText(QStringLiteral("t3"));
    w->Memo_cname->setPlainText(QStringLiteral("id int,"));
    w->Button_yes->click();
    const QStringList lines = recorder::lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('!'))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("already exists"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char('!')));
    EXPECT_FALSE(adminwin::closed(guard));
    EXPECT_FALSE(tables().contains(QStringLiteral("t3")));
}

TEST_F(TableWindows, DropOffersEveryTableButTheAccountTablesAndDropsThePickedOne) {
    testdb::exec(QStringLiteral("create table t1 (id int)"));
    testdb::exec(QStringLiteral("create table zz (id int)"));
    auto* warning = adminwin::open<TForm_del_t>();
    QPointer<QWidget> warningGuard(warning);
    EXPECT_EQ(warning->windowTitle(), QStringLiteral("删除表_注意"));
    warning->Button_yesClick();
    EXPECT_TRUE(adminwin::closed(warningGuard));

    auto* w = adminwin::newest<TForm_del_t_2>();
    ASSERT_NE(w, nullptr);
    QPointer<QWidget> guard(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("删除表"));
    EXPECT_EQ(w->userName(), QStringLiteral("admin"));
    QStringList offered;
    for (int i = 0; i < w->ComboBox_t->count(); ++i) offered << w->ComboBox_t->itemText(i);
    QStringList expected = tables();
    expected.removeAll(QStringLiteral("username_password"));
    expected.removeAll(QStringLiteral("username_rightid"));
    EXPECT_EQ(offered, expected);
    EXPECT_EQ(offered.size(), 10);  // six paper tables, the duplicate finder's two and the two new ones
    EXPECT_EQ(w->ComboBox_t->currentText(), QString());

    w->ComboBox_t->setCurrentIndex(int(offered.indexOf(QStringLiteral("t1"))));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除表成功")});
    EXPECT_TRUE(adminwin::closed(guard));
    EXPECT_FALSE(tables().contains(QStringLiteral("t1")));
    EXPECT_TRUE(tables().contains(QStringLiteral("zz")));
}

TEST_F(TableWindows, DropTakesATypedNameAndReportsAMissingOrEmptyName) {
    auto* w = adminwin::open<TForm_del_t_2>();
    QPointer<QWidget> guard(w);
    testdb::exec(QStringLiteral("create table later (id int)"));  // not in the list yet
    w->ComboBox_t->setEditText(QStringLiteral("nosuchtable"));
    w->Button_yes->click();
    w->ComboBox_t->setEditText(QString());
    w->Button_yes->click();
    QStringList lines = recorder::lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('!')) && lines[0].contains(QStringLiteral("nosuchtable")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char('!')));
    EXPECT_FALSE(adminwin::closed(guard));

    recorder::clear();
    w->ComboBox_t->setEditText(QStringLiteral("later"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除表成功")});
    EXPECT_FALSE(tables().contains(QStringLiteral("later")));
}

TEST_F(TableWindows, ConsoleShowsResultSetsOfAnyStatementKind) {
    auto* w = adminwin::open<TForm_sql_oper>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("SQL语言操作"));
    w->Edit_ope->setText(QStringLiteral("SELECT * FROM main"));
    w->Button_yes->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), testdb::count(QStringLiteral("main")));
    EXPECT_EQ(adminwin::titles(w->DBGrid1),
              (QStringList{QStringLiteral("Paperid"), QStringLiteral("title"), QStringLiteral("author_1"),
                           QStringLiteral("pub_time")}));

    w->Edit_ope->setText(QStringLiteral("show tables"));
    w->Button_yes->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 10);  // eight tables and the duplicate finder's two

    w->Edit_ope->setText(QStringLiteral("describe main"));
    w->Button_yes->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 4);
    EXPECT_EQ(adminwin::cell(w->DBGrid1, 1, 0), QStringLiteral("title"));
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(TableWindows, ConsoleRefusesTheAccountTablesAndEmptiesTheGridForAStatementWithoutRows) {
    auto* w = adminwin::open<TForm_sql_oper>();
    w->Edit_ope->setText(QStringLiteral("describe main"));
    w->Button_yes->click();
    ASSERT_EQ(adminwin::rows(w->DBGrid1), 4);

    w->Edit_ope->setText(QStringLiteral("select * from Username_Password"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(),
              QStringList{QStringLiteral("权限错误/您没有权限/管理员请通过正常途径操作")});
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 4);  // the previous result stays

    recorder::clear();
    w->Edit_ope->setText(QStringLiteral("DELETE FROM USERNAME_RIGHTID"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines().size(), 1);
    EXPECT_EQ(testdb::count(QStringLiteral("username_rightid")), 3);

    // an insert that takes its rows from a select runs once, with no message
    recorder::clear();
    const qint64 authors = testdb::count(QStringLiteral("author_info"));
    w->Edit_ope->setText(QStringLiteral("insert into author_info select 'x', 'select@x'"));
    w->Button_yes->click();
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 0);
    EXPECT_EQ(adminwin::titles(w->DBGrid1), QStringList{});
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), authors + 1);

    // the empty text and broken SQL are server errors
    w->Edit_ope->setText(QString());
    w->Button_yes->click();
    w->Edit_ope->setText(QStringLiteral("selec 1"));
    w->Button_yes->click();
    const QStringList lines = recorder::lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('!')));
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char('!')));
    EXPECT_TRUE(w->isVisible());

    w->Button_no->click();
    EXPECT_TRUE(adminwin::closed(QPointer<QWidget>(w)));
}

TEST_F(TableWindows, MenuCommandsOpenTheWindowsWithTheSession) {
    TForm_main main;
    main.setSession(QStringLiteral("editor"), testdb::paperConnection());
    main.menuClick(QStringLiteral("menu21"));
    main.menuClick(QStringLiteral("menu22"));
    main.menuClick(QStringLiteral("menu51"));
    ASSERT_NE(adminwin::newest<TForm_cre_t>(), nullptr);
    ASSERT_NE(adminwin::newest<TForm_del_t>(), nullptr);
    ASSERT_NE(adminwin::newest<TForm_sql_oper>(), nullptr);
    EXPECT_EQ(adminwin::newest<TForm_del_t>()->userName(), QStringLiteral("editor"));
    EXPECT_EQ(adminwin::newest<TForm_sql_oper>()->connectionString(), testdb::paperConnection());
}

TEST_F(TableWindows, Screenshots) {
    if (!qEnvironmentVariableIsSet("PAPER_SHOTS")) GTEST_SKIP() << "set PAPER_SHOTS to save screenshots";
    auto* cre = adminwin::open<TForm_cre_t>();
    cre->Edit_tname->setText(QStringLiteral("t1"));
    cre->Memo_cname->setPlainText(QStringLiteral("id int primary key,\nname varchar(20)"));
    adminwin::shot(cre, QStringLiteral("cre_t"));
    adminwin::shot(adminwin::open<TForm_del_t>(), QStringLiteral("del_t"));
    adminwin::shot(adminwin::open<TForm_del_t_2>(), QStringLiteral("del_t_2"));
    auto* console = adminwin::open<TForm_sql_oper>();
    console->Edit_ope->setText(QStringLiteral("select * from main"));
    console->Button_yes->click();
    adminwin::shot(console, QStringLiteral("sql_oper"));
}

}  // namespace
