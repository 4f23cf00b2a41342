// The search and author directory windows driven offscreen against the test
// server: typing, ticking, clicking, grid titles and rows, message boxes.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "SearchFixtures.h"
#include "catalogue/windows/TForm_delete_d.h"
#include "catalogue/windows/TForm_delete_d_a.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "catalogue/windows/TForm_insert_d_a_info.h"
#include "catalogue/windows/TForm_select_d.h"
#include "catalogue/windows/TForm_select_d_c.h"
#include "catalogue/windows/TForm_select_d_c_a.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "catalogue/windows/TForm_update_d_o_a_info.h"
#include "window/FormRegistry.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"

using searchtest::visibleWindow;

namespace {

class SearchWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
    void TearDown() override { searchtest::closeAllForms(); }

    template <class W>
    W* openForm() {
        return db::Form::open<W>(QStringLiteral("editor"), testdb::paperConnection());
    }

    static QStringList titles(db::ResultGrid* grid) {
        QStringList out;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            out << grid->model()->headerData(c, Qt::Horizontal).toString();
        return out;
    }
    static int rows(db::ResultGrid* grid) { return grid->model()->rowCount(); }
    static QString cell(db::ResultGrid* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }
    static QStringList items(QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
        return out;
    }
};

const QStringList kQuickTitles = {QStringLiteral("论文题目"), QStringLiteral("论文一作"), QStringLiteral("发表时间"),
                                  QStringLiteral("论文文件名"), QStringLiteral("保存文件夹")};

}  // namespace

TEST_F(SearchWindows, QuickSearchListsAddressesAndSaysWhenNothingIsFound) {
    auto* w = openForm<TForm_select_d>();
    EXPECT_EQ(w->objectName(), QStringLiteral("Form_select_d"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("快速查询"));
    EXPECT_EQ(w->GroupBox_addr_f->title(), QStringLiteral("存放地址查询快速入口"));

    w->Button_scan->click();
    EXPECT_EQ(titles(w->DBGrid1), kQuickTitles);
    EXPECT_EQ(rows(w->DBGrid1), 12);

    w->Edit_title->setText(QStringLiteral("深度"));
    QTest::keyClick(w->Edit_title, Qt::Key_Return);  // Enter searches too
    ASSERT_EQ(rows(w->DBGrid1), 1);
    EXPECT_EQ(cell(w->DBGrid1, 0, 4), QStringLiteral("D:\\论文\\2019"));
    EXPECT_TRUE(recorder::lines().isEmpty());

    w->Edit_title->setText(QStringLiteral("Practitioner's"));
    w->Button_scan->click();
    EXPECT_EQ(rows(w->DBGrid1), 1);
    EXPECT_TRUE(recorder::lines().isEmpty());

    w->Edit_date->setText(QStringLiteral("1999"));
    w->Button_scan->click();
    EXPECT_EQ(rows(w->DBGrid1), 0);
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("未找到/未找到对应地址")});
}

TEST_F(SearchWindows, QuickSearchLeadsOnToTheDetailedQueryAndCloses) {
    const auto* factory = db::FormRegistry::find(QStringLiteral("menu31"));
    ASSERT_NE(factory, nullptr);
    QPointer<db::Form> fromMenu = (*factory)();
    ASSERT_NE(qobject_cast<TForm_select_d*>(fromMenu.data()), nullptr);
    delete fromMenu;

    QPointer<TForm_select_d> w = openForm<TForm_select_d>();
    w->Button_yes->click();
    auto* detailed = visibleWindow<TForm_select_d_c>(QStringLiteral("Form_select_d_c"));
    ASSERT_NE(detailed, nullptr);
    EXPECT_EQ(detailed->userName(), QStringLiteral("editor"));
    EXPECT_EQ(detailed->connectionString(), testdb::paperConnection());
    EXPECT_TRUE(!w || !w->isVisible());

    QPointer<TForm_select_d> other = openForm<TForm_select_d>();
    other->Button_no->click();
    EXPECT_TRUE(!other || !other->isVisible());
    EXPECT_TRUE(detailed->isVisible());  // the button closed its own window only
}

TEST_F(SearchWindows, QuickSearchErrorsGoToTheErrorReport) {
    auto* w = openForm<TForm_select_d>();
    w->setSession(w->userName(), QStringLiteral("Provider=MSDASQL.1;Data Source=no_such_source"));
    w->Button_scan->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QLatin1Char('!')));
    EXPECT_EQ(rows(w->DBGrid1), 0);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SearchWindows, DetailedQueryShowsTheTickedColumnGroups) {
    auto* w = openForm<TForm_select_d_c>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("普通查询"));
    EXPECT_TRUE(w->CheckBox1->isChecked() && w->CheckBox2->isChecked() && w->CheckBox3->isChecked());
    EXPECT_FALSE(w->CheckBox4->isChecked() || w->CheckBox12->isChecked() || w->CheckBox_kword->isChecked());

    w->Button_yes->click();
    EXPECT_EQ(titles(w->DBGrid1), kQuickTitles.mid(0, 3));
    EXPECT_EQ(rows(w->DBGrid1), 12);

    for (QCheckBox* b : {w->CheckBox4, w->CheckBox5, w->CheckBox6, w->CheckBox7, w->CheckBox8, w->CheckBox10,
                         w->CheckBox11, w->CheckBox12})
        b->click();
    w->Button_yes->click();
    ASSERT_EQ(titles(w->DBGrid1).size(), 24);
    EXPECT_EQ(titles(w->DBGrid1).last(), QStringLiteral("备注"));

    for (QCheckBox* b : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox5, w->CheckBox6,
                         w->CheckBox7, w->CheckBox8, w->CheckBox10, w->CheckBox11, w->CheckBox12})
        b->setChecked(false);
    w->Button_yes->click();
    EXPECT_EQ(titles(w->DBGrid1), kQuickTitles);

    w->CheckBox2->setChecked(true);
    w->CheckBox7->setChecked(true);
    w->Button_yes->click();
    EXPECT_EQ(titles(w->DBGrid1), (QStringList{QStringLiteral("论文一作"), QStringLiteral("论文一作"),
                                               QStringLiteral("论文二作"), QStringLiteral("论文三作"),
                                               QStringLiteral("论文四作"), QStringLiteral("论文五作")}));
    EXPECT_TRUE(recorder::lines().isEmpty());
}

TEST_F(SearchWindows, DetailedQueryFiltersByTheTickedCriteria) {
    searchtest::addPaper({.title = QStringLiteral("Stored Under C"), .dir = QStringLiteral("C:\\papers\\2019")});
    auto* w = openForm<TForm_select_d_c>();

    // text without a tick is not used
    w->Edit_kword->setText(QStringLiteral("自然语言"));
    w->Button_yes->click();
    EXPECT_EQ(rows(w->DBGrid1), 13);

    w->CheckBox_kword->click();
    w->Button_yes->click();
    ASSERT_EQ(rows(w->DBGrid1), 1);
    EXPECT_EQ(cell(w->DBGrid1, 0, 0), QStringLiteral("中文分词算法比较"));

    w->CheckBox_kword->click();
    w->CheckBox_dir->click();
    QTest::keyClicks(w->Edit_dir, QStringLiteral("C:\\papers\\2019"));
    w->Button_yes->click();
    ASSERT_EQ(rows(w->DBGrid1), 1);
    EXPECT_EQ(cell(w->DBGrid1, 0, 0), QStringLiteral("Stored Under C"));

    w->CheckBox_title->click();
    w->Edit_title->setText(QStringLiteral("x' or '1'='1"));
    w->Button_yes->click();
    EXPECT_EQ(rows(w->DBGrid1), 0);
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("查询失败/未查询到/未知查询错误")});
}

TEST_F(SearchWindows, DetailedQueryTabOrderFollowsTheControlList) {
    auto* w = openForm<TForm_select_d_c>();
    const QList<QWidget*> expected = {
        w->CheckBox_title, w->Edit_title,     w->CheckBox_author_1, w->CheckBox_date,     w->Edit_author_1,
        w->Edit_date,      w->CheckBox_catalog, w->Edit_kword,      w->CheckBox_kword,    w->CheckBox_name,
        w->CheckBox_dir,   w->CheckBox_typist, w->CheckBox_type_time, w->Edit_catalog,    w->Edit_name,
        w->Edit_dir,       w->Edit_typist,    w->Edit_type_time,    w->CheckBox1,         w->CheckBox2,
        w->CheckBox3,      w->CheckBox4,      w->CheckBox5,         w->CheckBox6,         w->CheckBox7,
        w->CheckBox8,      w->CheckBox10,     w->CheckBox11,        w->CheckBox12,        w->DBGrid1,
        w->Button_yes,     w->Button_no,      w->Button_a_info};
    QList<QWidget*> chain;
    QWidget* x = w->CheckBox_title;
    do {
        if (expected.contains(x)) chain << x;
        x = x->nextInFocusChain();
    } while (x != w->CheckBox_title && chain.size() < expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(SearchWindows, DetailedQueryOpensTheAuthorLookupAndStaysOpen) {
    auto* w = openForm<TForm_select_d_c>();
    w->Button_a_info->click();
    auto* lookup = visibleWindow<TForm_select_d_c_a>(QStringLiteral("Form_select_d_c_a"));
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(lookup->userName(), QStringLiteral("editor"));
    EXPECT_EQ(items(lookup->ComboBox_author).size(), 3);
    EXPECT_TRUE(w->isVisible());
    QPointer<TForm_select_d_c> self = w;
    w->Button_no->click();
    EXPECT_TRUE(!self || !self->isVisible());
    EXPECT_TRUE(lookup->isVisible());
}

TEST_F(SearchWindows, AuthorLookupFillsItsListAndShowsAddresses) {
    auto* w = openForm<TForm_select_d_c_a>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("查询作者信息"));
    EXPECT_EQ(items(w->ComboBox_author),
              testdb::column(QStringLiteral("select author from author_info order by author asc")));
    EXPECT_EQ(w->ComboBox_author->currentText(), QString());
    EXPECT_TRUE(w->Edit_email->isReadOnly());

    w->ComboBox_author->setCurrentIndex(w->ComboBox_author->findText(QStringLiteral("李娜")));
    w->Button_yes->click();
    EXPECT_EQ(w->Edit_email->text(), QStringLiteral("lina@example.edu.cn"));

    w->ComboBox_author->setEditText(QStringLiteral("李"));  // typed, not in the list
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("查询失败/为查询到此作者")});
    EXPECT_EQ(w->Edit_email->text(), QStringLiteral("lina@example.edu.cn"));

    QPointer<TForm_select_d_c_a> self = w;
    w->Button1->click();
    EXPECT_TRUE(!self || !self->isVisible());
}

TEST_F(SearchWindows, AnEmptyDirectoryGivesAnEmptyList) {
    testdb::reset();
    auto* w = openForm<TForm_select_d_c_a>();
    EXPECT_EQ(w->ComboBox_author->count(), 0);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("查询失败/为查询到此作者")});
}

TEST_F(SearchWindows, InsertWindowAddsAnAuthorAndCloses) {
    QPointer<TForm_insert_d_a_info> w = openForm<TForm_insert_d_a_info>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("插入作者信息"));
    QTest::keyClicks(w->Edit_author, QStringLiteral("O'Brien"));
    w->Edit_email->setText(QStringLiteral("ob@example.ie"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("插入成功/插入作者信息成功")});
    EXPECT_EQ(testdb::scalar(QStringLiteral("select email from author_info where author='O\\'Brien'")),
              QStringLiteral("ob@example.ie"));
    EXPECT_TRUE(!w || !w->isVisible());

    // a count below one keeps the window open
    QPointer<TForm_insert_d_a_info> failing = openForm<TForm_insert_d_a_info>();
    auto* fake = new FakeQuery;
    fake->countFor = [](const QString&) { return 0; };
    failing->setQuery(fake);
    recorder::clear();
    failing->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("插入失败/插入作者信息失败（未知错误）")});
    EXPECT_TRUE(failing && failing->isVisible());
    EXPECT_EQ(fake->statements(), QStringList{QStringLiteral("insert into author_info values ('','')")});
}

TEST_F(SearchWindows, RemovalWindowDeletesEveryRowOfTheName) {
    testdb::exec(QStringLiteral("insert into author_info values ('张伟','second@example.org')"));
    QPointer<TForm_delete_d_a> w = openForm<TForm_delete_d_a>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("删除作者信息"));
    EXPECT_EQ(items(w->ComboBox_author).count(QStringLiteral("张伟")), 2);

    w->ComboBox_author->setEditText(QStringLiteral("无名氏"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("删除失败/删除作者信息失败（未知错误）")});
    EXPECT_TRUE(w && w->isVisible());

    recorder::clear();
    w->ComboBox_author->setCurrentIndex(w->ComboBox_author->findText(QStringLiteral("张伟")));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("删除成功/删除作者信息成功")});
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 2);
    EXPECT_TRUE(!w || !w->isVisible());
}

TEST_F(SearchWindows, UpdateWindowChangesTheAddress) {
    QPointer<TForm_update_d_o_a_info> w = openForm<TForm_update_d_o_a_info>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("更新作者信息"));
    EXPECT_EQ(items(w->ComboBox_author).size(), 3);
    EXPECT_EQ(w->Edit_email->text(), QString());

    w->ComboBox_author->setEditText(QStringLiteral("无名氏"));
    w->Edit_email->setText(QStringLiteral("x@x"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/更新作者信息失败（未知错误）")});
    ASSERT_TRUE(w && w->isVisible());

    recorder::clear();
    w->ComboBox_author->setCurrentIndex(w->ComboBox_author->findText(QStringLiteral("John Smith")));
    EXPECT_EQ(w->Edit_email->text(), QStringLiteral("x@x"));  // picking does not fill the old address
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/更新作者信息成功")});
    EXPECT_EQ(testdb::scalar(QStringLiteral("select email from author_info where author='John Smith'")),
              QStringLiteral("x@x"));
    EXPECT_TRUE(!w || !w->isVisible());
}

// Every caption fits its widget, so no text is cut; with PAPER_SHOTS set the
// windows are also saved as pictures there.
TEST_F(SearchWindows, CaptionsFitAndWindowsRender) {
    auto* detailed = openForm<TForm_select_d_c>();
    detailed->CheckBox4->setChecked(true);
    detailed->CheckBox6->setChecked(true);
    detailed->Button_yes->click();
    QList<db::Form*> forms = {openForm<TForm_select_d>(), detailed, openForm<TForm_select_d_c_a>(),
                              openForm<TForm_insert_d_a_info>(), openForm<TForm_delete_d_a>(),
                              openForm<TForm_update_d_o_a_info>()};
    const QString dir = qEnvironmentVariable("PAPER_SHOTS");
    for (db::Form* f : forms) {
        QCoreApplication::processEvents();
        for (QWidget* child : f->findChildren<QWidget*>()) {
            if (!child->isVisible() || !(qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)))
                continue;
            EXPECT_GE(child->width(), child->minimumSizeHint().width())
                << f->objectName().toStdString() << "/" << child->objectName().toStdString();
        }
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QString name = f->objectName().mid(5).toLower() + QStringLiteral(".png");
            f->grab().save(dir + QLatin1Char('/') + name);
        }
    }
}

// The paper windows' author buttons open the author directory windows with
// their two texts, and the paper window stays open.
TEST_F(SearchWindows, PaperWindowsOpenTheirAuthorDirectoryWindows) {
    auto* insert = openForm<TForm_insert_d>();
    insert->Button_a_info->click();
    auto* add = visibleWindow<TForm_insert_d_a_info>(QStringLiteral("Form_insert_d_a_info"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->userName(), QStringLiteral("editor"));
    EXPECT_EQ(add->connectionString(), testdb::paperConnection());
    EXPECT_TRUE(insert->isVisible());

    auto* removal = openForm<TForm_delete_d>();
    removal->Button2->click();
    auto* del = visibleWindow<TForm_delete_d_a>(QStringLiteral("Form_delete_d_a"));
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(items(del->ComboBox_author).size(), 3);
    EXPECT_TRUE(removal->isVisible());

    auto* update = openForm<TForm_update_d_o>();
    update->Button3->click();
    auto* mail = visibleWindow<TForm_update_d_o_a_info>(QStringLiteral("Form_update_d_o_a_info"));
    ASSERT_NE(mail, nullptr);
    EXPECT_EQ(items(mail->ComboBox_author).size(), 3);
    EXPECT_TRUE(update->isVisible());
    EXPECT_TRUE(recorder::lines().isEmpty());
}
