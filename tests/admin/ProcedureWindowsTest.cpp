// The stored procedure windows against the test server.
#include <gtest/gtest.h>

#include "AdminWindows.h"
#include "admin/windows/TForm_paper_procedure.h"
#include "admin/windows/TForm_paper_procedure_cre.h"
#include "shell/windows/TForm_main.h"
#include "support/Recorder.h"

namespace {

class ProcedureWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
    void TearDown() override { adminwin::closeAll(); }

    static qint64 procedures() {
        return testdb::column(QStringLiteral("show procedure status")).size();
    }
    // The template with its three marks filled in.
    static QString filled(const QString& name, const QString& parameters, const QString& body) {
        QString text = TForm_paper_procedure_cre().Memo_proc->toPlainText();
        for (const QString& part : {name, parameters, body})
            text.replace(text.indexOf(QStringLiteral("</#>")), 4, part);
        return text;
    }
    // Runs one statement through a create/drop window opened by the button.
    static QPointer<TForm_paper_procedure_cre> createOrDrop(TForm_paper_procedure* w,
                                                            const QString& statement) {
        w->Button3->click();
        QPointer<TForm_paper_procedure_cre> cre = adminwin::newest<TForm_paper_procedure_cre>();
        if (!cre) return cre;
        cre->Memo_proc->setPlainText(statement);
        cre->Button1->click();
        return cre;
    }
};

TEST_F(ProcedureWindows, TheListIsShownOnOpeningAndOnRefresh) {
    testdb::exec(QStringLiteral("create procedure p_one() begin select 1; end"));
    auto* w = adminwin::open<TForm_paper_procedure>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("存储过程"));
    EXPECT_EQ(w->Edit_sql->text(), QStringLiteral("call "));
    EXPECT_EQ(w->SpeedButton1->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w->SpeedButton1->text(), QStringLiteral("刷新"));
    ASSERT_EQ(adminwin::rows(w->DBGrid1), 1);
    const QStringList titles = adminwin::titles(w->DBGrid1);
    EXPECT_EQ(titles.mid(0, 3),
              (QStringList{QStringLiteral("Db"), QStringLiteral("Name"), QStringLiteral("Type")}));
    EXPECT_EQ(adminwin::cell(w->DBGrid1, 0, 1), QStringLiteral("p_one"));

    testdb::exec(QStringLiteral("create procedure p_two() begin select 2; end"));
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 1);  // not reloaded by itself
    w->SpeedButton1->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 2);
    EXPECT_TRUE(recorder::lines().isEmpty());

    // the unchanged "call " is a server error; the window stays
    w->Button1->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines()[0].startsWith(QLatin1Char('!')));
    EXPECT_TRUE(w->isVisible());

    if (qEnvironmentVariableIsSet("PAPER_SHOTS")) {
        w->SpeedButton1->click();
        adminwin::shot(w, QStringLiteral("paper_procedure"));
        auto* cre = adminwin::open<TForm_paper_procedure_cre>();
        adminwin::shot(cre, QStringLiteral("paper_procedure_cre"));
    }
}

TEST_F(ProcedureWindows, CreateCallAndDropAProcedureFromTheTemplate) {
    auto* w = adminwin::open<TForm_paper_procedure>();
    const qint64 before = procedures();

    w->Button3->click();
    QPointer<TForm_paper_procedure_cre> cre = adminwin::newest<TForm_paper_procedure_cre>();
    ASSERT_TRUE(cre);
    EXPECT_EQ(cre->windowTitle(), QStringLiteral("创建/删除存储过程"));
    EXPECT_EQ(cre->userName(), QStringLiteral("admin"));
    EXPECT_EQ(cre->Memo_proc->toPlainText(),
              QStringLiteral("CREATE PROCEDURE </#>(</#>)\nBEGIN\n</#>\nEND"));
    cre->Memo_proc->setPlainText(
        filled(QStringLiteral("p_by_author"), QStringLiteral("in a varchar(100)"),
               QStringLiteral("select title, pub_time from main where author_1 = a order by pub_time;")));
    cre->Button1->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/存储过程创建成功")});
    EXPECT_TRUE(adminwin::closed(cre));
    EXPECT_EQ(procedures(), before + 1);
    EXPECT_TRUE(w->isVisible());

    // a call with rows shows them, without a message
    recorder::clear();
    w->Edit_sql->setText(QStringLiteral("call p_by_author('John Smith')"));
    w->Button1->click();
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(adminwin::rows(w->DBGrid1), 2);
    EXPECT_EQ(adminwin::titles(w->DBGrid1), (QStringList{QStringLiteral("title"), QStringLiteral("pub_time")}));
    EXPECT_EQ(adminwin::cell(w->DBGrid1, 0, 1), QStringLiteral("2016-04-22"));

    // a call without rows is reported as a failure
    w->Edit_sql->setText(QStringLiteral("call p_by_author('nobody')"));
    w->Button1->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/存储过程执行失败（未知原因）")});
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 0);

    // a plain query is shown like a procedure result
    recorder::clear();
    w->Edit_sql->setText(QStringLiteral("select count(*) from main"));
    w->Button1->click();
    EXPECT_EQ(adminwin::cell(w->DBGrid1, 0, 0), QStringLiteral("12"));

    // dropping it counts one less and closes the create/drop window
    cre = createOrDrop(w, QStringLiteral("drop procedure p_by_author"));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/存储过程删除成功")});
    EXPECT_TRUE(adminwin::closed(cre));
    EXPECT_EQ(procedures(), before);
}

TEST_F(ProcedureWindows, StatementsThatNeitherCreateNorDropAndRefusedOnes) {
    auto* w = adminwin::open<TForm_paper_procedure>();
    QPointer<TForm_paper_procedure_cre> cre = createOrDrop(w, QStringLiteral("set @x = 1"));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("失败/存储过程创建/删除失败（未知原因）")});
    ASSERT_FALSE(adminwin::closed(cre));

    // the template sent unchanged, and a procedure that does not exist
    recorder::clear();
    cre->Memo_proc->setPlainText(TForm_paper_procedure_cre().Memo_proc->toPlainText());
    cre->Button1->click();
    cre->Memo_proc->setPlainText(QStringLiteral("drop procedure nosuch"));
    cre->Button1->click();
    const QStringList lines = recorder::lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('!'))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("SQL syntax"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char('!'))) << lines[1].toStdString();
    EXPECT_FALSE(adminwin::closed(cre));

    cre->Button2->click();
    EXPECT_TRUE(adminwin::closed(cre));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ProcedureWindows, WhatACallLeavesPendingDoesNotBreakTheNextStatement) {
    // two result sets, and one procedure that only changes rows
    testdb::exec(QStringLiteral("create procedure p_two_sets() begin select 1 a; select 2 b, 3 c; end"));
    testdb::exec(QStringLiteral(
        "create procedure p_no_set() begin insert into author_info values ('p', 'p@x'); end"));
    auto* w = adminwin::open<TForm_paper_procedure>();

    w->Edit_sql->setText(QStringLiteral("call p_two_sets()"));
    w->Button1->click();
    EXPECT_EQ(adminwin::titles(w->DBGrid1), QStringList{QStringLiteral("a")});
    w->Button1->click();  // the same connection again
    EXPECT_EQ(adminwin::cell(w->DBGrid1, 0, 0), QStringLiteral("1"));
    w->SpeedButton1->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 2);
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();

    // a call without a result set runs, then reports that nothing came back
    w->Edit_sql->setText(QStringLiteral("call p_no_set()"));
    w->Button1->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines()[0].startsWith(QLatin1Char('!')));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info"), QStringLiteral("author='p'")), 1);
    w->SpeedButton1->click();
    EXPECT_EQ(adminwin::rows(w->DBGrid1), 2);
    EXPECT_EQ(recorder::lines().size(), 1);

    // the create/drop window counts on its own connection after a call there
    QPointer<TForm_paper_procedure_cre> cre = createOrDrop(w, QStringLiteral("call p_two_sets()"));
    EXPECT_EQ(recorder::lines().last(), QStringLiteral("失败/存储过程创建/删除失败（未知原因）"));
    cre->Memo_proc->setPlainText(QStringLiteral("drop procedure p_no_set"));
    cre->Button1->click();
    EXPECT_EQ(recorder::lines().last(), QStringLiteral("成功/存储过程删除成功"));
}

TEST_F(ProcedureWindows, TheMenuCommandOpensTheWindow) {
    TForm_main main;
    main.setSession(QStringLiteral("reader"), testdb::paperConnection());
    main.menuClick(QStringLiteral("menu4"));
    auto* w = adminwin::newest<TForm_paper_procedure>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->userName(), QStringLiteral("reader"));
    EXPECT_TRUE(recorder::lines().isEmpty());
}

}  // namespace
