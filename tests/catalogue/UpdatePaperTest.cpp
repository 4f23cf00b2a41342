#include <gtest/gtest.h>

#include "duplicates/MatchIndex.h"

#include <QApplication>
#include <QDir>

#include "PaperTestSupport.h"
#include "catalogue/windows/TForm_update_d.h"
#include "catalogue/windows/TForm_update_d_m.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "catalogue/UpdatePaper.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using namespace catalogue::update;
using catalogue::Notice;

QStringList keyRewritesOf(const QString& newKey, const QString& oldKey) {
    QStringList out;
    for (const char* t : {"main", "address", "type_in", "author_all", "kword_all"})
        out << QStringLiteral("update %1 set Paperid='%2' where Paperid='%3'").arg(QLatin1String(t), newKey, oldKey);
    return out;
}

MainChange paper(const QString& t, const QString& a, const QString& d) {
    MainChange c;
    c.title = t;
    c.author = a;
    c.date = d;
    return c;
}

// ---- Title, first author, publication time: statement sequences ----

TEST(UpdateMainStatements, NothingGivenRewritesTheKeyToItself) {
    FakeQuery q;
    MainChange c = paper(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));  // CheckBox1 ticked, empty
    Notice n = updateMain(q, c);
    QStringList expected{QStringLiteral("begin"),
                         QStringLiteral("update main set title='T',author_1='A',pub_time='D' where Paperid='T$A$D'")};
    expected << keyRewritesOf(QStringLiteral("T$A$D"), QStringLiteral("T$A$D"))
             << duplicates::index::matchRewrite(QStringLiteral("T$A$D"), QStringLiteral("T$A$D"), QStringLiteral("T"),
                                                QStringLiteral("A"), QStringLiteral("D"))
             << QStringLiteral("commit");
    EXPECT_EQ(q.statements(), expected);
    EXPECT_EQ(n.caption + QLatin1Char('/') + n.text, QStringLiteral("成功/更新成功"));
}

TEST(UpdateMainStatements, ANewFirstAuthorAlsoUpdatesAuthorAllBeforeTheKeyRewrite) {
    FakeQuery q;
    MainChange c = paper(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));
    c.newTitle = QStringLiteral("T2");
    c.authorTicked = true;
    c.newAuthor = QStringLiteral("O'B");
    c.dateTicked = false;
    c.newDate = QStringLiteral("ignored");
    updateMain(q, c);
    QStringList expected{QStringLiteral("begin"),
                         QStringLiteral("update main set title='T2',author_1='O\\'B',pub_time='D' where Paperid='T$A$D'"),
                         QStringLiteral("update author_all set author_1='O\\'B' where Paperid='T$A$D'")};
    expected << keyRewritesOf(QStringLiteral("T2$O\\'B$D"), QStringLiteral("T$A$D"))
             << duplicates::index::matchRewrite(QStringLiteral("T$A$D"), QStringLiteral("T2$O'B$D"), QStringLiteral("T2"),
                                                QStringLiteral("O'B"), QStringLiteral("D"))
             << QStringLiteral("delete from paper_distinct where Paperid_a='T$A$D' or Paperid_b='T$A$D'")
             << QStringLiteral("commit");
    EXPECT_EQ(q.statements(), expected);

    // a ticked box left empty keeps the old value and sends no author_all update
    FakeQuery q2;
    c.newAuthor.clear();
    updateMain(q2, c);
    EXPECT_EQ(q2.statements().size(), 10);
    EXPECT_EQ(q2.statements().at(1),
              QStringLiteral("update main set title='T2',author_1='A',pub_time='D' where Paperid='T$A$D'"));
}

TEST(UpdateMainStatements, AnyStatementWithoutARowRollsBack) {
    FakeQuery q;
    q.countFor = [](const QString& s) { return s.startsWith(QLatin1String("update type_in")) ? 0 : 1; };
    Notice n = updateMain(q, paper(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D")));
    EXPECT_EQ(q.statements().size(), 9);  // everything is still sent
    EXPECT_EQ(q.statements().last(), QStringLiteral("rollback"));
    EXPECT_EQ(n.caption + QLatin1Char('/') + n.text, QStringLiteral("失败/更新失败（未知错误）"));
}

// ---- Other information: statement sequences ----

OtherChange other(const QString& t, const QString& a, const QString& d) {
    OtherChange c;
    c.title = t;
    c.author = a;
    c.date = d;
    return c;
}

TEST(UpdateOtherStatements, NothingChosenShowsTheNoticeThenCommitsAnEmptyChange) {
    FakeQuery q;
    papertest::FakeHooks hooks;
    OtherChange c = other(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));
    c.ticked[Authors] = true;  // ticked but empty
    c.text[Remark] = QStringLiteral("not ticked");
    recorder::clear();
    qsizetype sentBeforeNotice = -1;
    db::messages::setRecorder([&](const db::messages::Shown& s) {
        recorder::shown().append(s);
        sentBeforeNotice = q.sent.size();
    });
    OtherOutcome out = updateOther(q, hooks, c);
    db::messages::setRecorder([](const db::messages::Shown& s) { recorder::shown().append(s); });
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("注意/请选择更新项")});
    EXPECT_EQ(sentBeforeNotice, 1);  // "begin" only: the notice comes before the "commit"
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"), QStringLiteral("commit")}));
    EXPECT_TRUE(out.committed);
    EXPECT_TRUE(out.nothingChosen);
    EXPECT_TRUE(out.select.isEmpty());
    EXPECT_TRUE(hooks.calls.isEmpty());
}

TEST(UpdateOtherStatements, FileNameAndRemarkGiveTwoUpdatesAndTheirSelect) {
    FakeQuery q;
    papertest::FakeHooks hooks;
    OtherChange c = other(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));
    c.ticked[Filename] = true;
    c.text[Filename] = QStringLiteral("new.pdf");
    c.ticked[Remark] = true;
    c.text[Remark] = QStringLiteral("D:\\论文");
    OtherOutcome out = updateOther(q, hooks, c);
    EXPECT_EQ(q.statements(),
              (QStringList{QStringLiteral("begin"),
                           QStringLiteral("update address set filename='new.pdf' where Paperid='T$A$D'"),
                           QStringLiteral("update address set remark='D:\\\\论文' where Paperid='T$A$D'"),
                           QStringLiteral("update paper_match set doi='',arxiv='' where Paperid='T$A$D'"),
                           QStringLiteral("commit")}));
    EXPECT_EQ(out.select,
              QStringLiteral("select title '论文题目',main.author_1 '论文一作',pub_time '发表时间',filename '论文文件名',"
                             "remark '备注' from main,address,author_all,kword_all where main.Paperid='T$A$D' and "
                             "main.Paperid=address.Paperid and address.Paperid=author_all.Paperid and "
                             "author_all.Paperid=kword_all.Paperid"));
}

TEST(UpdateOtherStatements, AllItemsInOrderWithTheHooks) {
    FakeQuery q;
    papertest::FakeHooks hooks;
    OtherChange c = other(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));
    for (int i = 0; i < ItemCount; ++i) {
        c.ticked[i] = true;
        c.text[i] = QStringLiteral("v%1").arg(i);
    }
    OtherOutcome out = updateOther(q, hooks, c);
    EXPECT_EQ(q.statements(),
              (QStringList{QStringLiteral("begin"),
                           QStringLiteral("update address set filename='v0' where Paperid='T$A$D'"),
                           QStringLiteral("update address set dir='v1' where Paperid='T$A$D'"),
                           QStringLiteral("update address set catalog='v2' where Paperid='T$A$D'"),
                           papertest::fakeHookStatement(QStringLiteral("update_d_o_a")), papertest::fakeHookStatement(QStringLiteral("update_d_o_k")),
                           QStringLiteral("update address set remark='v5' where Paperid='T$A$D'"),
                           QStringLiteral("update paper_match set doi='',arxiv='' where Paperid='T$A$D'"),
                           QStringLiteral("commit")}));
    EXPECT_EQ(hooks.calls, (QStringList{QStringLiteral("update_d_o_a.KT40617395_update_d_o_a(v3|T$A$D)"),
                                        QStringLiteral("update_d_o_k.KT40617395_update_d_o_k(v4|T$A$D)")}));
    EXPECT_TRUE(out.select.startsWith(
        QStringLiteral("select title '论文题目',main.author_1 '论文一作',pub_time '发表时间',filename '论文文件名',"
                       "dir '保存文件夹',catalog '论文分类',author_2 '论文二作',author_3 '论文三作',author_4 '论文四作',"
                       "author_5 '论文五作',kword_1 '关键词1',kword_2 '关键词2',kword_3 '关键词3',kword_4 '关键词4',"
                       "kword_5 '关键词5',kword_6 '关键词6',kword_7 '关键词7',kword_8 '关键词8',kword_9 '关键词9',"
                       "kword_a '关键词10',remark '备注' from ")));
}

TEST(UpdateOtherStatements, AKeyWithoutRowsRollsBackAndAHookErrorRollsBackToo) {
    FakeQuery q;
    q.countFor = [](const QString&) { return 0; };
    papertest::FakeHooks hooks;
    OtherChange c = other(QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("none"));
    c.ticked[Dir] = true;
    c.text[Dir] = QStringLiteral("d");
    c.ticked[Catalog] = true;
    c.text[Catalog] = QStringLiteral("c");
    OtherOutcome out = updateOther(q, hooks, c);
    EXPECT_EQ(q.statements().size(), 4);
    EXPECT_EQ(q.statements().last(), QStringLiteral("rollback"));
    EXPECT_FALSE(out.committed);

    FakeQuery q2;
    hooks.error = QStringLiteral("ValueError: x");
    c.ticked[Kwords] = true;
    c.text[Kwords] = QStringLiteral("k");
    EXPECT_THROW(updateOther(q2, hooks, c), scripting::HookError);
    EXPECT_EQ(q2.statements(),
              (QStringList{QStringLiteral("begin"), QStringLiteral("update address set dir='d' where Paperid='T$A$none'"),
                           QStringLiteral("update address set catalog='c' where Paperid='T$A$none'"),
                           QStringLiteral("rollback")}));
}

// ---- Against the server ----

const QString kOldKey = QStringLiteral("数据仓库设计与实现$张伟$2021-06-18");

class UpdatePaperDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
};

TEST_F(UpdatePaperDb, ANewFirstAuthorIsWrittenToBothTablesAndToAllFiveKeys) {
    papertest::Window<TForm_update_d_m> w;
    w->Edit_title->setText(QStringLiteral("数据仓库设计与实现"));
    w->Edit_author_1->setText(QStringLiteral("张伟"));
    w->Edit_date->setText(QStringLiteral("2021-06-18"));
    w->CheckBox1->setChecked(false);
    w->CheckBox2->setChecked(true);
    w->Edit_author_1_n->setText(QStringLiteral("D'Arcy"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/更新成功")});
    const QString newKey = QStringLiteral("数据仓库设计与实现$D'Arcy$2021-06-18");
    EXPECT_EQ(papertest::rowsOf(kOldKey), (QList<qint64>{0, 0, 0, 0, 0}));
    EXPECT_EQ(papertest::rowsOf(newKey), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(m.author_1,'|',a.author_1,'|',a.author_2) from main m, "
                                            "author_all a where m.Paperid=a.Paperid and m.title='数据仓库设计与实现'")),
              QStringLiteral("D'Arcy|D'Arcy|王强"));
}

TEST_F(UpdatePaperDb, AFirstAuthorChangeWithoutItsTickLeavesAuthorAll) {
    papertest::Window<TForm_update_d_m> w;
    w->Edit_title->setText(QStringLiteral("数据仓库设计与实现"));
    w->Edit_author_1->setText(QStringLiteral("张伟"));
    w->Edit_date->setText(QStringLiteral("2021-06-18"));
    w->Edit_title_n->setText(QStringLiteral("数据仓库"));
    w->CheckBox3->setChecked(true);
    w->Edit_date_n->setText(QStringLiteral("2021-07-01"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/更新成功")});
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("数据仓库$张伟$2021-07-01")), (QList<qint64>{1, 1, 1, 1, 1}));

    // a paper without its type_in row: the whole change is rolled back
    testdb::exec(QStringLiteral("delete from type_in where Paperid='量子计算入门综述$陈晨$2022-03-14'"));
    recorder::clear();
    w->Edit_title->setText(QStringLiteral("量子计算入门综述"));
    w->Edit_author_1->setText(QStringLiteral("陈晨"));
    w->Edit_date->setText(QStringLiteral("2022-03-14"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/更新失败（未知错误）")});
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("量子计算入门综述$陈晨$2022-03-14")), (QList<qint64>{1, 1, 0, 1, 1}));
    EXPECT_EQ(testdb::count(QStringLiteral("main"), QStringLiteral("title='数据仓库'")), 1);
}

TEST_F(UpdatePaperDb, ANewKeyThatExistsIsAnErrorThatChangesNothing) {
    papertest::Window<TForm_update_d_m> w;
    w->Edit_title->setText(QStringLiteral("数据仓库设计与实现"));
    w->Edit_author_1->setText(QStringLiteral("张伟"));
    w->Edit_date->setText(QStringLiteral("2021-06-18"));
    w->Edit_title_n->setText(QStringLiteral("基于深度学习的图像识别研究"));
    w->CheckBox3->setChecked(true);
    w->Edit_date_n->setText(QStringLiteral("2019-03-15"));
    w->Button_yes->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_EQ(papertest::rowsOf(kOldKey), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select title from main where Paperid='") + kOldKey + QLatin1Char('\'')),
              QStringLiteral("数据仓库设计与实现"));
}

class UpdateOtherDb : public UpdatePaperDb {
protected:
    void fillKey(TForm_update_d_o* w) {
        w->Edit_title->setText(QStringLiteral("数据仓库设计与实现"));
        w->Edit_author_1->setText(QStringLiteral("张伟"));
        w->Edit_date->setText(QStringLiteral("2021-06-18"));
    }
    static QStringList titles(db::ResultGrid* grid) {
        QStringList out;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            out << grid->model()->headerData(c, Qt::Horizontal).toString();
        return out;
    }
};

TEST_F(UpdateOtherDb, TheUpdatedRowIsShownWithItsColumnTitles) {
    papertest::Window<TForm_update_d_o> w;
    EXPECT_EQ(w->DBGrid_update->boundQuery(), nullptr);
    fillKey(w.w);
    w->CheckBox1->setChecked(true);
    w->Edit_filename->setText(QStringLiteral("dw.pdf"));
    w->CheckBox4->setChecked(true);
    w->Edit_authors->setText(QStringLiteral("王强；O'Neil"));
    w->CheckBox6->setChecked(true);
    w->Edit_remark->setText(QStringLiteral("D:\\论文\\new"));
    w->Button_yes->click();
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(titles(w->DBGrid_update),
              (QStringList{QStringLiteral("论文题目"), QStringLiteral("论文一作"), QStringLiteral("发表时间"),
                           QStringLiteral("论文文件名"), QStringLiteral("论文二作"), QStringLiteral("论文三作"),
                           QStringLiteral("论文四作"), QStringLiteral("论文五作"), QStringLiteral("备注")}));
    ASSERT_EQ(w->DBGrid_update->model()->rowCount(), 1);
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    w->grab().save(QStringLiteral("/tmp/shots/update_d_o.png"));
    auto cell = [&](int c) { return w->DBGrid_update->model()->index(0, c).data().toString(); };
    EXPECT_EQ(cell(3), QStringLiteral("dw.pdf"));
    EXPECT_EQ(cell(5), QStringLiteral("O'Neil"));
    EXPECT_EQ(cell(8), QStringLiteral("D:\\论文\\new"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_all"),
                            QStringLiteral("author_3='O\\'Neil' and author_4 is null and author_5 is null")),
              1);
}

TEST_F(UpdateOtherDb, NothingChosenGivesTheNoticeAndAnEmptyGrid) {
    papertest::Window<TForm_update_d_o> w;
    fillKey(w.w);
    w->CheckBox5->setChecked(true);  // left empty
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("注意/请选择更新项")});
    EXPECT_EQ(w->DBGrid_update->boundQuery(), &w->query());
    EXPECT_EQ(w->DBGrid_update->model()->rowCount(), 0);
}

TEST_F(UpdateOtherDb, AnUnknownPaperFailsAndChangesNothing) {
    papertest::Window<TForm_update_d_o> w;
    fillKey(w.w);
    w->Edit_date->setText(QStringLiteral("2021-06-19"));
    w->CheckBox1->setChecked(true);
    w->Edit_filename->setText(QStringLiteral("x"));
    w->CheckBox5->setChecked(true);
    w->Edit_kwords->setText(QStringLiteral("k"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/更新失败（未知错误）")});
    EXPECT_EQ(testdb::count(QStringLiteral("address"), QStringLiteral("filename='x'")), 0);
}

TEST_F(UpdateOtherDb, HookFailuresLeaveNoPartialChange) {
    papertest::writeTestModule(QStringLiteral("kt_bad_sql_update_d_o_k"),
                               QStringLiteral("def KT40617395_update_d_o_k(k, key):\n    return 'update kword_all set'\n"));
    const QString before = testdb::scalar(QStringLiteral("select filename from address where Paperid='") + kOldKey + "'");
    struct Case {
        const char* module;
        const char* kwords;
        const char* error;
    } cases[] = {
        {"update_d_o_k", "1;2;3;4;5;6;7;8;9;10;11", "ValueError: 关键词最多10项，输入了11项"},
        {"kt_missing_update_d_o_k", "k", "ModuleNotFoundError: No module named 'kt_missing_update_d_o_k'"},
        {"kt_bad_sql_update_d_o_k", "k", "SQL syntax"},
    };
    papertest::Window<TForm_update_d_o> w;
    for (const Case& c : cases) {
        recorder::clear();
        auto hooks = std::make_unique<papertest::RoutedHooks>();
        hooks->modules.insert(QStringLiteral("update_d_o_k"), QString::fromUtf8(c.module));
        w->setHooks(std::move(hooks));
        fillKey(w.w);
        w->CheckBox1->setChecked(true);
        w->Edit_filename->setText(QStringLiteral("changed.pdf"));
        w->CheckBox5->setChecked(true);
        w->Edit_kwords->setText(QString::fromUtf8(c.kwords));
        w->Button_yes->click();
        ASSERT_EQ(recorder::lines().size(), 1) << c.module;
        EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!"))) << c.module;
        EXPECT_TRUE(recorder::lines().first().contains(QString::fromUtf8(c.error)))
            << recorder::lines().first().toStdString();
        EXPECT_EQ(testdb::scalar(QStringLiteral("select filename from address where Paperid='") + kOldKey + "'"), before)
            << c.module;
    }
    // the next click on the same connection commits only its own change
    recorder::clear();
    w->setHooks(std::make_unique<scripting::ScriptEngine>());
    w->CheckBox1->setChecked(false);
    w->Edit_kwords->setText(QStringLiteral("仓库"));
    w->Button_yes->click();
    EXPECT_TRUE(recorder::lines().isEmpty());
    EXPECT_EQ(testdb::scalar(QStringLiteral("select filename from address where Paperid='") + kOldKey + "'"), before);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat_ws('|',kword_1,kword_2) from kword_all where Paperid='") +
                             kOldKey + "'"),
              QStringLiteral("仓库"));
}

// ---- The chooser and the windows ----

QWidget* newestTopLevel(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) found = w;
    return found;
}

TEST(UpdateChooser, OpensTheChosenWindowWithTheSessionAndCloses) {
    for (bool mainInfo : {true, false}) {
        papertest::Window<TForm_update_d> chooser(QStringLiteral("reader"));
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("更新"));
        EXPECT_TRUE(chooser->RadioButton2->isChecked());
        EXPECT_FALSE(chooser->RadioButton1->isChecked());
        if (mainInfo) chooser->RadioButton1->setChecked(true);
        EXPECT_NE(chooser->RadioButton1->isChecked(), chooser->RadioButton2->isChecked());
        chooser->Button1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(chooser.w.isNull());
        auto* opened = qobject_cast<db::Form*>(newestTopLevel(mainInfo ? QStringLiteral("Form_update_d_m")
                                                                        : QStringLiteral("Form_update_d_o")));
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->windowTitle(), mainInfo ? QStringLiteral("更新重要对象") : QStringLiteral("更新一般对象"));
        EXPECT_EQ(opened->userName(), QStringLiteral("reader"));
        EXPECT_EQ(opened->connectionString(), testdb::paperConnection());
        delete opened;
    }
}

TEST(UpdateWindows, HaveTheirControlsInOrder) {
    papertest::Window<TForm_update_d_m> m;
    EXPECT_TRUE(m->CheckBox1->isChecked());
    EXPECT_FALSE(m->CheckBox2->isChecked() || m->CheckBox3->isChecked());
    QWidget* mOrder[] = {m->Edit_title, m->Edit_author_1, m->Edit_date, m->Button_yes, m->Button1, m->CheckBox1,
                         m->Edit_title_n, m->CheckBox2, m->CheckBox3, m->Edit_author_1_n, m->Edit_date_n};
    for (size_t i = 0; i + 1 < std::size(mOrder); ++i) EXPECT_EQ(papertest::nextTabStop(mOrder[i]), mOrder[i + 1]) << i;

    papertest::Window<TForm_update_d_o> o;
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    m->grab().save(QStringLiteral("/tmp/shots/update_d_m.png"));
    EXPECT_EQ(o->Button3->text(), QStringLiteral("更新作者信息"));
    EXPECT_EQ(o->CheckBox4->text(), QStringLiteral("作者（排除一作）"));
    EXPECT_EQ(papertest::nextTabStop(o->CheckBox6), o->Edit_filename);
    EXPECT_EQ(papertest::nextTabStop(o->Button_no), o->DBGrid_update);
    o->Button_no->click();
    m->Button1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(o.w.isNull());
    EXPECT_TRUE(m.w.isNull());
}

}  // namespace
