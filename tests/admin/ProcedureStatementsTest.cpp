// Procedure rules without a server.
#include <gtest/gtest.h>

#include "admin/ProcedureStatements.h"
#include "support/FakeQuery.h"

TEST(ProcedureStatements, TheChangeIsJudgedByTheCountsAlone) {
    using admin::ProcedureChange;
    EXPECT_EQ(admin::judgeProcedureChange(0, 1), ProcedureChange::Created);
    EXPECT_EQ(admin::judgeProcedureChange(3, 2), ProcedureChange::Dropped);
    EXPECT_EQ(admin::judgeProcedureChange(2, 2), ProcedureChange::Unknown);
    EXPECT_EQ(admin::judgeProcedureChange(2, 4), ProcedureChange::Unknown);
    EXPECT_EQ(admin::judgeProcedureChange(2, 0), ProcedureChange::Unknown);

    admin::Report r = admin::procedureChangeReport(ProcedureChange::Created);
    EXPECT_EQ(r.caption + r.text, QStringLiteral("成功存储过程创建成功"));
    EXPECT_TRUE(r.closes);
    r = admin::procedureChangeReport(ProcedureChange::Dropped);
    EXPECT_EQ(r.caption + r.text, QStringLiteral("成功存储过程删除成功"));
    EXPECT_TRUE(r.closes);
    r = admin::procedureChangeReport(ProcedureChange::Unknown);
    EXPECT_EQ(r.caption + r.text, QStringLiteral("失败存储过程创建/删除失败（未知原因）"));
    EXPECT_FALSE(r.closes);
}

TEST(ProcedureStatements, CreateOrDropCountsBeforeAndAfterTheStatementSentAsOne) {
    FakeQuery q;
    int listed = 2;
    q.rowsFor = [&listed](const QString&) {
        QList<QStringList> rows;
        for (int i = 0; i < listed; ++i) rows << QStringList{QStringLiteral("p%1").arg(i)};
        return rows;
    };
    q.countFor = [&listed](const QString&) {
        ++listed;
        return 0;
    };
    const QString statement = QStringLiteral("CREATE PROCEDURE p()\nBEGIN\nselect 1;\nEND");
    admin::Report r = admin::changeProcedures(q, statement);
    EXPECT_EQ(q.sent, (QStringList{QStringLiteral("open: show procedure status"),
                                   QStringLiteral("exec: ") + statement,
                                   QStringLiteral("open: show procedure status")}));
    EXPECT_EQ(r.text, QStringLiteral("存储过程创建成功"));

    q.countFor = [&listed](const QString&) { return 0; };
    r = admin::changeProcedures(q, QStringLiteral("set @x = 1"));
    EXPECT_EQ(r.text, QStringLiteral("存储过程创建/删除失败（未知原因）"));
}

TEST(ProcedureStatements, ARunIsAFailureOnlyWhenItsResultIsEmpty) {
    FakeQuery q;
    q.rowsFor = [](const QString& sql) {
        return sql.contains(QLatin1String("none")) ? QList<QStringList>{}
                                                   : QList<QStringList>{{QStringLiteral("1")}};
    };
    admin::Report r = admin::runProcedure(q, QStringLiteral("call p_rows()"));
    EXPECT_TRUE(r.text.isEmpty());
    EXPECT_TRUE(q.isOpen());
    r = admin::runProcedure(q, QStringLiteral("call p_none()"));
    EXPECT_EQ(r.caption, QStringLiteral("失败"));
    EXPECT_EQ(r.text, QStringLiteral("存储过程执行失败（未知原因）"));
    // the text is sent as typed: no "call " added
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("call p_rows()"), QStringLiteral("call p_none()")}));
    EXPECT_EQ(admin::procedureTemplate().split(QLatin1Char('\n')).size(), 4);
    EXPECT_EQ(admin::procedureNoteLines().size(), 7);
}
