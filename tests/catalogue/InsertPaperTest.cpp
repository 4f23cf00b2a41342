#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>

#include "PaperTestSupport.h"
#include "catalogue/InsertPaper.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "db/Schema.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"
#include "support/EntryForm.h"

namespace {

using namespace catalogue::entry;
using catalogue::Notice;
using papertest::FakeHooks;

const QString kToday = QStringLiteral("2024-06-01");

PaperEntry basic() {
    PaperEntry e;
    e.title = QStringLiteral("T");
    e.author = QStringLiteral("A");
    e.date = QStringLiteral("2008-01-02");
    e.filename = QStringLiteral("t.pdf");
    e.dir = QStringLiteral("D:\\论文\\new");
    return e;
}

const QString kMain = QStringLiteral("insert into main values ('T$A$2008-01-02','T','A','2008-01-02')");
const QString kAuthors = QStringLiteral("insert into author_all (Paperid,author_1) values ('T$A$2008-01-02','A')");
const QString kAddressStart = QStringLiteral("insert into address values ('T$A$2008-01-02','t.pdf','D:\\\\论文\\\\new");
const QString kKwords = QStringLiteral("insert into kword_all (Paperid) values ('T$A$2008-01-02')");
const QString kTypeIn = QStringLiteral("insert into type_in values ('T$A$2008-01-02','editor','2024-06-01')");
// the duplicate finder's index row, in the same transaction
const QString kIndex = QStringLiteral(
    "replace into paper_match values ('T$A$2008-01-02','t','t','t','0|0|||','a','','2008','','')");

QStringList run(FakeQuery& q, FakeHooks& hooks, const PaperEntry& e, Notice* notice = nullptr) {
    Notice n = insertPaper(q, hooks, e, QStringLiteral("editor"), kToday);
    if (notice) *notice = n;
    return q.statements();
}

// ---- Statement sequences ----

TEST(InsertPaperStatements, NothingTickedSendsTheFivePlainInsertsAndCommits) {
    FakeQuery q;
    FakeHooks hooks;
    Notice n;
    EXPECT_EQ(run(q, hooks, basic(), &n),
              (QStringList{QStringLiteral("begin"), kMain, kAuthors, kAddressStart + QStringLiteral("',null,null)"),
                           kKwords, kTypeIn, kIndex, QStringLiteral("commit")}));
    EXPECT_EQ(n.caption, QStringLiteral("成功"));
    EXPECT_EQ(n.text, QStringLiteral("插入成功"));
    EXPECT_TRUE(hooks.calls.isEmpty());
}

TEST(InsertPaperStatements, AMissingFileNameOrFolderOrATickedEmptyBoxSendsNoAddressAndRollsBack) {
    auto noAddress = [](const PaperEntry& e) {
        FakeQuery q;
        FakeHooks hooks;
        Notice n;
        const QStringList sent = run(q, hooks, e, &n);
        EXPECT_EQ(sent, (QStringList{QStringLiteral("begin"), kMain, kAuthors, kKwords, kTypeIn, kIndex,
                                     QStringLiteral("rollback")}));
        EXPECT_EQ(n.caption + QLatin1Char('/') + n.text, QStringLiteral("失败/插入失败（未知错误）"));
    };
    PaperEntry e = basic();
    e.dir.clear();
    noAddress(e);
    e = basic();
    e.filename.clear();
    noAddress(e);
    e = basic();
    e.catalogTicked = true;  // ticked, left empty
    noAddress(e);
    e = basic();
    e.remarkTicked = true;
    e.catalogTicked = true;
    e.catalog = QStringLiteral("c");
    noAddress(e);
}

TEST(InsertPaperStatements, TheTicksChooseTheAddressForm) {
    PaperEntry e = basic();
    EXPECT_EQ(*addressInsert(QStringLiteral("K"), e), QStringLiteral("insert into address values ('K','t.pdf','D:\\\\论文\\\\new',null,null)"));
    e.catalog = QStringLiteral("ignored while not ticked");
    e.remarkTicked = true;
    e.remark = QStringLiteral("备注");
    EXPECT_EQ(*addressInsert(QStringLiteral("K"), e), QStringLiteral("insert into address values ('K','t.pdf','D:\\\\论文\\\\new',null,'备注')"));
    e.remarkTicked = false;
    e.catalogTicked = true;
    e.catalog = QStringLiteral("分类");
    EXPECT_EQ(*addressInsert(QStringLiteral("K"), e), QStringLiteral("insert into address values ('K','t.pdf','D:\\\\论文\\\\new','分类',null)"));
    e.remarkTicked = true;
    EXPECT_EQ(*addressInsert(QStringLiteral("K"), e), QStringLiteral("insert into address values ('K','t.pdf','D:\\\\论文\\\\new','分类','备注')"));
    e.remark = QStringLiteral(" ");  // a blank is a character
    EXPECT_TRUE(addressInsert(QStringLiteral("K"), e).has_value());
}

TEST(InsertPaperStatements, TickedListsGoThroughTheHooksAndEmptyOnesDoNot) {
    FakeQuery q;
    FakeHooks hooks;
    PaperEntry e = basic();
    e.authorsTicked = true;  // empty: the plain insert, no hook
    e.kwordsTicked = true;
    EXPECT_EQ(run(q, hooks, e).mid(2, 1), QStringList{kAuthors});
    EXPECT_TRUE(hooks.calls.isEmpty());

    FakeQuery q2;
    e.authors = QStringLiteral("B；C");
    e.kwords = QStringLiteral("k1；k2");
    EXPECT_EQ(run(q2, hooks, e),
              (QStringList{QStringLiteral("begin"), kMain, papertest::fakeHookStatement(QStringLiteral("insert_d_a")),
                           kAddressStart + QStringLiteral("',null,null)"), papertest::fakeHookStatement(QStringLiteral("insert_d_k")),
                           kTypeIn, kIndex, QStringLiteral("commit")}));
    EXPECT_EQ(hooks.calls,
              (QStringList{QStringLiteral("insert_d_a.KT40617395_insert_d_a(B；C|A|T$A$2008-01-02)"),
                           QStringLiteral("insert_d_k.KT40617395_insert_d_k(k1；k2|T$A$2008-01-02)")}));
}

TEST(InsertPaperStatements, AHookStatementThatInsertsNothingRollsBack) {
    FakeQuery q;
    q.countFor = [](const QString& s) { return s.contains(QLatin1String("statement of")) ? 0 : 1; };
    FakeHooks hooks;
    PaperEntry e = basic();
    e.kwordsTicked = true;
    e.kwords = QStringLiteral("k");
    Notice n;
    EXPECT_EQ(run(q, hooks, e, &n).last(), QStringLiteral("rollback"));
    EXPECT_EQ(n.text, QStringLiteral("插入失败（未知错误）"));
}

TEST(InsertPaperStatements, AHookErrorRollsBackAndEndsTheClick) {
    FakeQuery q;
    FakeHooks hooks;
    hooks.error = QStringLiteral("ModuleNotFoundError: No module named 'insert_d_a'");
    PaperEntry e = basic();
    e.authorsTicked = true;
    e.authors = QStringLiteral("B");
    EXPECT_THROW(run(q, hooks, e), scripting::HookError);
    // nothing more is sent but the rollback that keeps half a paper out
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"), kMain, QStringLiteral("rollback")}));
}

TEST(InsertPaperStatements, ADatabaseErrorEndsTheClickAndRollsBackWhatWasSent) {
    FakeQuery q;  // a query object that rolls back nothing by itself
    q.errorFor = [](const QString& s) {
        return s.startsWith(QLatin1String("insert into address")) ? QStringLiteral("Data too long") : QString();
    };
    FakeHooks hooks;
    EXPECT_THROW(run(q, hooks, basic()), db::DbError);
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"), kMain, kAuthors,
                                           kAddressStart + QStringLiteral("',null,null)"), QStringLiteral("rollback")}));
}

TEST(InsertPaperStatements, ARefusedBeginSendsNothingElseAndNoRollback) {
    FakeQuery q;
    q.errorFor = [](const QString& s) { return s == QLatin1String("begin") ? QStringLiteral("gone") : QString(); };
    FakeHooks hooks;
    PaperEntry e = basic();
    e.authorsTicked = true;
    e.authors = QStringLiteral("B");
    EXPECT_THROW(run(q, hooks, e), db::DbError);
    // The hook still built its statement, but nothing after "begin" went.
    EXPECT_EQ(q.statements(), QStringList{QStringLiteral("begin")});
}

TEST(InsertPaperStatements, ValuesAreEscapedAndTheKeyIsBuiltFromTheRawTexts) {
    FakeQuery q;
    FakeHooks hooks;
    PaperEntry e = basic();
    e.title = QStringLiteral("It's");
    e.author.clear();
    e.date.clear();
    run(q, hooks, e);
    EXPECT_EQ(q.statements().at(1), QStringLiteral("insert into main values ('It\\'s$$','It\\'s','','')"));

    FakeQuery q2;
    PaperEntry empty = basic();
    empty.title.clear();
    empty.author.clear();
    empty.date.clear();
    run(q2, hooks, empty);
    EXPECT_EQ(q2.statements().at(1), QStringLiteral("insert into main values ('$$','','','')"));
    EXPECT_EQ(today(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$")).match(today()).hasMatch());
}

TEST(InsertPaperStatements, TheRealHooksBuildTheAuthorAndKeywordRows) {
    FakeQuery q;
    scripting::ScriptEngine engine;
    PaperEntry e = basic();
    e.authorsTicked = true;
    e.authors = QStringLiteral("B；C");
    e.kwordsTicked = true;
    e.kwords = QStringLiteral("k1");
    insertPaper(q, engine, e, QStringLiteral("editor"), kToday);
    EXPECT_EQ(q.statements().at(2),
              QStringLiteral("insert into author_all values ('T$A$2008-01-02','A','B','C',NULL,NULL)"));
    EXPECT_EQ(q.statements().at(4),
              QStringLiteral("insert into kword_all values ('T$A$2008-01-02','k1',NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL)"));
}

// ---- Against the server ----

class InsertPaperDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        q.setRunsTogether(true);  // as the entry window has it
        q.setConnectionString(testdb::paperConnection());
    }
    Notice insert(const PaperEntry& e) { return insertPaper(q, engine, e, QStringLiteral("editor"), today()); }
    db::OdbcQuery q;
    scripting::ScriptEngine engine;
};

TEST_F(InsertPaperDb, APaperGoesIntoAllFiveTablesUnderItsKeyWithNullsForWhatWasNotGiven) {
    EXPECT_EQ(insert(basic()).text, QStringLiteral("插入成功"));
    const QString key = QStringLiteral("T$A$2008-01-02");
    EXPECT_EQ(papertest::rowsOf(key), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(title,'|',author_1,'|',pub_time) from main where Paperid='T$A$2008-01-02'")),
              QStringLiteral("T|A|2008-01-02"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select dir from address where Paperid='T$A$2008-01-02'")),
              QStringLiteral("D:\\论文\\new"));
    EXPECT_EQ(testdb::count(QStringLiteral("address"), QStringLiteral("Paperid='T$A$2008-01-02' and catalog is null and remark is null")), 1);
    EXPECT_EQ(testdb::count(QStringLiteral("author_all"),
                            QStringLiteral("Paperid='T$A$2008-01-02' and author_1='A' and coalesce(author_2,author_3,author_4,author_5) is null")),
              1);
    EXPECT_EQ(testdb::count(QStringLiteral("kword_all"),
                            QStringLiteral("Paperid='T$A$2008-01-02' and coalesce(kword_1,kword_2,kword_3,kword_4,kword_5,"
                                           "kword_6,kword_7,kword_8,kword_9,kword_a) is null")),
              1);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(typist,'|',type_time) from type_in where Paperid='T$A$2008-01-02'")),
              QStringLiteral("editor|") + today());
}

TEST_F(InsertPaperDb, AnEmptyFolderOrATickedEmptyCategoryRollsBackEverything) {
    const QList<qint64> before = papertest::tableSizes();
    PaperEntry e = basic();
    e.dir.clear();
    EXPECT_EQ(insert(e).text, QStringLiteral("插入失败（未知错误）"));
    e = basic();
    e.catalogTicked = true;
    EXPECT_EQ(insert(e).text, QStringLiteral("插入失败（未知错误）"));
    EXPECT_EQ(papertest::tableSizes(), before);
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("T$A$2008-01-02")), (QList<qint64>{0, 0, 0, 0, 0}));
}

TEST_F(InsertPaperDb, TheHooksFillAuthorsAndKeywords) {
    PaperEntry e = basic();
    e.authorsTicked = true;
    e.authors = QStringLiteral("李娜；O'Neil;王强");
    e.kwordsTicked = true;
    e.kwords = QStringLiteral("数据库；事务");
    e.catalogTicked = true;
    e.catalog = QStringLiteral("数据库");
    e.remarkTicked = true;
    e.remark = QStringLiteral("back\\slash");
    EXPECT_EQ(insert(e).text, QStringLiteral("插入成功"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat_ws('|',author_1,author_2,author_3,author_4,author_5) "
                                            "from author_all where Paperid='T$A$2008-01-02'")),
              QStringLiteral("A|李娜|O'Neil|王强"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_all"), QStringLiteral("author_5 is null and Paperid='T$A$2008-01-02'")), 1);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat_ws('|',kword_1,kword_2,kword_3) from kword_all where Paperid='T$A$2008-01-02'")),
              QStringLiteral("数据库|事务"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(catalog,'|',remark) from address where Paperid='T$A$2008-01-02'")),
              QStringLiteral("数据库|back\\slash"));
}

TEST_F(InsertPaperDb, ADuplicateKeyIsAnErrorThatLeavesNothingHalfDone) {
    const QList<qint64> before = papertest::tableSizes();
    PaperEntry e = basic();
    e.title = QStringLiteral("数据仓库设计与实现");
    e.author = QStringLiteral("张伟");
    e.date = QStringLiteral("2021-06-18");
    EXPECT_THROW(insert(e), db::DbError);
    // the next entry on the same connection commits only itself
    EXPECT_EQ(insert(basic()).text, QStringLiteral("插入成功"));
    QList<qint64> after = before;
    for (qint64& n : after) ++n;
    EXPECT_EQ(papertest::tableSizes(), after);
}

TEST_F(InsertPaperDb, AQuoteInATitleIsStoredAsTyped) {
    PaperEntry e = basic();
    e.title = QStringLiteral("It's a \"test\" \\ 100%");
    EXPECT_EQ(insert(e).text, QStringLiteral("插入成功"));
    EXPECT_EQ(testdb::column(QStringLiteral("select title from main where Paperid like 'It%'")),
              QStringList{e.title});
    EXPECT_EQ(papertest::rowsOf(schema::paperKey(e.title, e.author, e.date)), (QList<qint64>{1, 1, 1, 1, 1}));
}

TEST_F(InsertPaperDb, ValuesThatLookLikeStatementsAreStoredExactly) {
    PaperEntry e = basic();
    e.title = QStringLiteral("x'); delete from main; -- ");
    e.author = QStringLiteral("a\\'; drop table address; #");
    e.dir = QStringLiteral("D:\\; /* \"q\" */\\");
    e.remarkTicked = true;
    e.remark = QStringLiteral("\\\\';--'");
    const QList<qint64> before = papertest::tableSizes();
    EXPECT_EQ(insert(e).text, QStringLiteral("插入成功"));
    const QString key = schema::paperKey(e.title, e.author, e.date);
    EXPECT_EQ(papertest::rowsOf(key), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(testdb::column(QStringLiteral("select concat_ws('|', m.title, m.author_1, a.dir, a.remark) from main m "
                                            "join address a using (Paperid) where m.title like 'x%'")),
              (QStringList{e.title + QLatin1Char('|') + e.author + QLatin1Char('|') + e.dir + QLatin1Char('|') + e.remark}));
    QList<qint64> after = before;
    for (qint64& n : after) ++n;
    EXPECT_EQ(papertest::tableSizes(), after);
}

TEST_F(InsertPaperDb, ARowRefusedInTheMiddleRollsBackThePaperWithTheServersError) {
    // A row under the paper's key left in one table (as from an older program).
    testdb::exec(QStringLiteral("insert into type_in values ('T$A$2008-01-02','someone','2020-01-01')"));
    const QList<qint64> before = papertest::tableSizes();
    try {
        insert(basic());
        FAIL() << "the repeated key went through";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.nativeCode(), 1062);
        EXPECT_TRUE(e.message().contains(QLatin1String("Duplicate entry 'T$A$2008-01-02'"))) << e.message().toStdString();
    }
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(papertest::tableSizes(), before);
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("T$A$2008-01-02")), (QList<qint64>{0, 0, 1, 0, 0}));
}

// ---- Hook failures leave no partial paper ----

class InsertHookFailures : public InsertPaperDb {
protected:
    // Clicks "插入" in a window whose hooks are the given ones, then enters
    // another paper in the same window: that second "begin" must not commit
    // any part of the first.
    void clickFailing(std::unique_ptr<scripting::HookCaller> hooks, const QString& expectedError) {
        const QList<qint64> before = papertest::tableSizes();
        papertest::Window<TForm_insert_d> w;
        w->setHooks(std::move(hooks));
        entryform::type(*w, {QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("2008-01-02"),
                             QStringLiteral("t.pdf"), QStringLiteral("d"), QStringLiteral("B；C")});
        w->Button_yes->click();
        ASSERT_EQ(recorder::lines().size(), 1);
        EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!"))) << recorder::lines().first().toStdString();
        EXPECT_TRUE(recorder::lines().first().contains(expectedError)) << recorder::lines().first().toStdString();
        EXPECT_EQ(papertest::tableSizes(), before);

        recorder::clear();
        w->setHooks(std::make_unique<scripting::ScriptEngine>());
        w->Edit_title->setText(QStringLiteral("T2"));
        w->CheckBox2->setChecked(false);
        w->Button_yes->click();
        EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/插入成功")});
        EXPECT_EQ(papertest::rowsOf(QStringLiteral("T$A$2008-01-02")), (QList<qint64>{0, 0, 0, 0, 0}));
        EXPECT_EQ(papertest::rowsOf(QStringLiteral("T2$A$2008-01-02")), (QList<qint64>{1, 1, 1, 1, 1}));
    }
};

TEST_F(InsertHookFailures, AHookThatRaises) {
    auto hooks = std::make_unique<papertest::RoutedHooks>();
    papertest::writeTestModule(QStringLiteral("kt_raising_insert_d_a"),
                               QStringLiteral("def KT40617395_insert_d_a(a, f, k):\n    raise ValueError('坏的作者列表')\n"));
    hooks->modules.insert(QStringLiteral("insert_d_a"), QStringLiteral("kt_raising_insert_d_a"));
    clickFailing(std::move(hooks), QStringLiteral("ValueError: 坏的作者列表"));
}

TEST_F(InsertHookFailures, TooManyAuthorsForTheRealHook) {
    const QList<qint64> before = papertest::tableSizes();
    papertest::Window<TForm_insert_d> w;
    w->Edit_filename->setText(QStringLiteral("f"));
    w->Edit_dir->setText(QStringLiteral("d"));
    w->CheckBox2->setChecked(true);
    w->Edit_authors->setText(QStringLiteral("1；2；3；4；5"));
    w->Button_yes->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().endsWith(QStringLiteral("/ValueError: 作者（排除一作）最多4项，输入了5项.")))
        << recorder::lines().first().toStdString();
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_EQ(papertest::tableSizes(), before);
}

TEST_F(InsertHookFailures, AMissingHookModule) {
    auto hooks = std::make_unique<papertest::RoutedHooks>();
    hooks->modules.insert(QStringLiteral("insert_d_a"), QStringLiteral("kt_missing_insert_d_a"));
    clickFailing(std::move(hooks), QStringLiteral("ModuleNotFoundError: No module named 'kt_missing_insert_d_a'"));
}

TEST_F(InsertHookFailures, AHookStatementTheServerRefuses) {
    auto hooks = std::make_unique<papertest::RoutedHooks>();
    papertest::writeTestModule(QStringLiteral("kt_bad_sql_insert_d_a"),
                               QStringLiteral("def KT40617395_insert_d_a(a, f, k):\n"
                                              "    return 'insert into author_all values (' + repr(k)\n"));
    hooks->modules.insert(QStringLiteral("insert_d_a"), QStringLiteral("kt_bad_sql_insert_d_a"));
    clickFailing(std::move(hooks), QStringLiteral("SQL syntax"));
}

// ---- The window ----

class InsertWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
    }
};

TEST_F(InsertWindow, HasItsControlsCaptionsAndNote) {
    papertest::Window<TForm_insert_d> w;
    EXPECT_EQ(w->objectName(), QStringLiteral("Form_insert_d"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("插入"));
    EXPECT_EQ(w->Button_yes->text(), QStringLiteral("插入"));
    EXPECT_EQ(w->Button_no->text(), QStringLiteral("返回"));
    EXPECT_EQ(w->Button_a_info->text(), QStringLiteral("插入作者信息"));
    EXPECT_EQ(w->CheckBox2->text(), QStringLiteral("作者（排除一作）："));
    EXPECT_FALSE(w->CheckBox1->isChecked() || w->CheckBox2->isChecked() || w->CheckBox3->isChecked() ||
                 w->CheckBox4->isChecked());
    EXPECT_EQ(w->GroupBox_required->title(), QStringLiteral("主要辅助信息（必录）"));
    QStringList note;
    for (QLabel* l : w->GroupBox_note->findChildren<QLabel*>()) note << l->text();
    EXPECT_EQ(note.size(), 7);
    EXPECT_EQ(note.first(), QStringLiteral("数据录入格式："));
    EXPECT_EQ(note.last(), QStringLiteral("除一作）最多4项。"));
    // tab order: the edit boxes, each check box before its edit box, then the buttons
    QWidget* expected[] = {w->Edit_title, w->Edit_author, w->Edit_date, w->Edit_filename, w->Edit_dir,
                           w->CheckBox1, w->Edit_kwords, w->CheckBox2, w->Edit_authors, w->CheckBox3,
                           w->Edit_catalog, w->CheckBox4, w->Edit_remark, w->Button_yes, w->Button_no,
                           w->Button_a_info};
    for (size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(papertest::nextTabStop(expected[i]), expected[i + 1]) << i;

    w->adjustSize();
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    EXPECT_TRUE(w->grab().save(QStringLiteral("/tmp/shots/insert_d.png")));
}

TEST_F(InsertWindow, EntersAPaperAsTheSignedInUserAndKeepsWhatWasTyped) {
    papertest::Window<TForm_insert_d> w(QStringLiteral("reader"));
    w->Edit_title->setText(QStringLiteral("论文"));
    w->Edit_author->setText(QStringLiteral("作者"));
    w->Edit_date->setText(QStringLiteral("2020-01-01"));
    w->Edit_filename->setText(QStringLiteral("a.pdf"));
    w->Edit_dir->setText(QStringLiteral("D:\\论文\\new"));
    w->CheckBox1->setChecked(true);
    w->Edit_kwords->setText(QStringLiteral("k1;k2"));
    w->CheckBox4->setChecked(true);
    w->Edit_remark->setText(QStringLiteral("r"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/插入成功")});
    const QString key = QStringLiteral("论文$作者$2020-01-01");
    EXPECT_EQ(papertest::rowsOf(key), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select typist from type_in")), QStringLiteral("reader"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select dir from address")), QStringLiteral("D:\\论文\\new"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(kword_2,'|',remark) from kword_all, address")),
              QStringLiteral("k2|r"));
    EXPECT_EQ(w->Edit_kwords->text(), QStringLiteral("k1;k2"));
    EXPECT_TRUE(w->CheckBox1->isChecked());

    recorder::clear();
    w->Button_yes->click();  // the same paper again: a duplicate key
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(papertest::rowsOf(key), (QList<qint64>{1, 1, 1, 1, 1}));
}

TEST_F(InsertWindow, ReturnClosesThisWindow) {
    papertest::Window<TForm_insert_d> first;
    papertest::Window<TForm_insert_d> second;
    first->Button_no->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.w.isNull());
    ASSERT_FALSE(second.w.isNull());
    EXPECT_TRUE(second->isVisible());
}

}  // namespace
