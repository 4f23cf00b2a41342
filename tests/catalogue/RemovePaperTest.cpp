#include <gtest/gtest.h>

#include <QDir>

#include "PaperTestSupport.h"
#include "catalogue/InsertPaper.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/windows/TForm_delete_d.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using namespace catalogue::removal;
using catalogue::Notice;

TEST(RemovePaperStatements, FiveDeletesInOrderThenCommitOrRollback) {
    FakeQuery q;
    Notice n = removePaper(q, QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("D"));
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"),
                                           QStringLiteral("delete from main where Paperid='T$A$D'"),
                                           QStringLiteral("delete from address where Paperid='T$A$D'"),
                                           QStringLiteral("delete from author_all where Paperid='T$A$D'"),
                                           QStringLiteral("delete from kword_all where Paperid='T$A$D'"),
                                           QStringLiteral("delete from type_in where Paperid='T$A$D'"),
                                           QStringLiteral("delete from paper_match where Paperid='T$A$D'"),
                                           QStringLiteral("delete from paper_distinct where Paperid_a='T$A$D' or "
                                                          "Paperid_b='T$A$D'"),
                                           QStringLiteral("commit")}));
    EXPECT_EQ(n.caption + QLatin1Char('/') + n.text, QStringLiteral("成功/删除成功"));

    // a table without the row: every delete is still sent, then rollback
    FakeQuery q2;
    q2.countFor = [](const QString& s) { return s.contains(QLatin1String("type_in")) ? 0 : 2; };
    n = removePaper(q2, QStringLiteral("It's"), QStringLiteral("A\\B"), QStringLiteral(""));
    EXPECT_EQ(q2.statements().size(), 9);
    EXPECT_EQ(q2.statements().at(1), QStringLiteral("delete from main where Paperid='It\\'s$A\\\\B$'"));
    EXPECT_EQ(q2.statements().last(), QStringLiteral("rollback"));
    EXPECT_EQ(n.caption + QLatin1Char('/') + n.text, QStringLiteral("失败/元组不存在/未知错误"));
}

class RemovePaperDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
};

TEST_F(RemovePaperDb, AnEnteredPaperGoesOutOfAllFiveTablesAndASecondClickFails) {
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    scripting::ScriptEngine engine;
    catalogue::entry::PaperEntry e;
    e.title = QStringLiteral("新论文");
    e.author = QStringLiteral("作者");
    e.date = QStringLiteral("2024-01-01");
    e.filename = QStringLiteral("f");
    e.dir = QStringLiteral("d");
    e.authorsTicked = true;
    e.authors = QStringLiteral("张伟");
    ASSERT_EQ(catalogue::entry::insertPaper(q, engine, e, QStringLiteral("editor"), QStringLiteral("2024-06-01")).text,
              QStringLiteral("插入成功"));
    const QList<qint64> before = papertest::tableSizes();

    papertest::Window<TForm_delete_d> w;
    w->Edit_title->setText(e.title);
    w->Edit_author->setText(e.author);
    w->Edit_date->setText(e.date);
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除成功")});
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("新论文$作者$2024-01-01")), (QList<qint64>{0, 0, 0, 0, 0}));
    QList<qint64> after = before;
    for (qint64& n : after) --n;
    EXPECT_EQ(papertest::tableSizes(), after);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);  // the directory is not touched

    recorder::clear();
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/元组不存在/未知错误")});
    EXPECT_EQ(papertest::tableSizes(), after);
    EXPECT_EQ(w->Edit_title->text(), e.title);
}

TEST_F(RemovePaperDb, ATrailingBlankOrAMissingTypeInRowRemovesNothing) {
    const QList<qint64> before = papertest::tableSizes();
    papertest::Window<TForm_delete_d> w;
    w->Edit_title->setText(QStringLiteral("中文分词算法比较 "));
    w->Edit_author->setText(QStringLiteral("王强"));
    w->Edit_date->setText(QStringLiteral("2017-05-08"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/元组不存在/未知错误")});
    EXPECT_EQ(papertest::tableSizes(), before);

    testdb::exec(QStringLiteral("delete from type_in where Paperid='中文分词算法比较$王强$2017-05-08'"));
    recorder::clear();
    w->Edit_title->setText(QStringLiteral("中文分词算法比较"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/元组不存在/未知错误")});
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("中文分词算法比较$王强$2017-05-08")), (QList<qint64>{1, 1, 0, 1, 1}));
}

TEST_F(RemovePaperDb, ATitleWithAQuoteIsFoundAsTyped) {
    papertest::Window<TForm_delete_d> w;
    w->Edit_title->setText(QStringLiteral("A Practitioner's Guide to Software Testing"));
    w->Edit_author->setText(QStringLiteral("John Smith"));
    w->Edit_date->setText(QStringLiteral("2016-04-22"));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除成功")});
    EXPECT_EQ(papertest::tableSizes(), (QList<qint64>{11, 11, 11, 11, 11}));
}

TEST_F(RemovePaperDb, ADatabaseErrorMidwayKeepsThePaperWhole) {
    // a trigger makes the third delete fail after two have gone through
    testdb::exec(QStringLiteral("create trigger kt_refuse before delete on author_all for each row "
                                "signal sqlstate '45000' set message_text='refused by trigger'"));
    papertest::Window<TForm_delete_d> w;
    w->Edit_title->setText(QStringLiteral("量子计算入门综述"));
    w->Edit_author->setText(QStringLiteral("陈晨"));
    w->Edit_date->setText(QStringLiteral("2022-03-14"));
    w->Button_yes->click();
    testdb::exec(QStringLiteral("drop trigger kt_refuse"));
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_TRUE(recorder::lines().first().contains(QStringLiteral("refused by trigger")));
    EXPECT_EQ(papertest::rowsOf(QStringLiteral("量子计算入门综述$陈晨$2022-03-14")), (QList<qint64>{1, 1, 1, 1, 1}));
    // the same window goes on working on its connection
    recorder::clear();
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/删除成功")});
}

TEST(RemovePaperWindow, HasItsControlsAndReturnCloses) {
    papertest::Window<TForm_delete_d> w;
    EXPECT_EQ(w->objectName(), QStringLiteral("Form_delete_d"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("删除元组"));
    EXPECT_EQ(w->Button_yes->text(), QStringLiteral("删除"));
    EXPECT_EQ(w->Button1->text(), QStringLiteral("返回"));
    EXPECT_EQ(w->Button2->text(), QStringLiteral("删除作者信息"));
    EXPECT_EQ(papertest::nextTabStop(w->Edit_date), w->Button_yes);
    EXPECT_EQ(papertest::nextTabStop(w->Button1), w->Button2);
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    w->grab().save(QStringLiteral("/tmp/shots/delete_d.png"));
    w->Button1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.w.isNull());
}

}  // namespace

// The paper key compares byte for byte: a trailing blank on the publication
// time or another letter case makes another paper, entered and removed on its own.
TEST_F(RemovePaperDb, KeysThatDifferInCaseOrATrailingBlankAreDifferentPapers) {
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    scripting::ScriptEngine engine;
    catalogue::entry::PaperEntry e;
    e.title = QStringLiteral("Case");
    e.author = QStringLiteral("A");
    e.date = QStringLiteral("2020-01-01");
    e.filename = QStringLiteral("f");
    e.dir = QStringLiteral("d");
    for (const QString& date : {QStringLiteral("2020-01-01"), QStringLiteral("2020-01-01 ")}) {
        for (const QString& title : {QStringLiteral("Case"), QStringLiteral("case")}) {
            e.title = title;
            e.date = date;
            ASSERT_EQ(catalogue::entry::insertPaper(q, engine, e, QStringLiteral("editor"), QStringLiteral("2024-06-01")).text,
                      QStringLiteral("插入成功"));
        }
    }
    EXPECT_EQ(testdb::count(QStringLiteral("main"), QStringLiteral("author_1='A'")), 4);
    EXPECT_EQ(catalogue::removal::removePaper(q, QStringLiteral("case"), QStringLiteral("A"), QStringLiteral("2020-01-01 ")).text,
              QStringLiteral("删除成功"));
    EXPECT_EQ(testdb::column(QStringLiteral("select Paperid from main where author_1='A' order by Paperid")),
              (QStringList{QStringLiteral("Case$A$2020-01-01"), QStringLiteral("Case$A$2020-01-01 "),
                           QStringLiteral("case$A$2020-01-01")}));
}
