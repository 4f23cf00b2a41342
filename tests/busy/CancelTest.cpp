#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QScreen>

#include "admin/windows/TForm_sql_oper.h"
#include "window/BusyIndicator.h"
#include "window/BusyWait.h"
#include "db/DbError.h"
#include "window/Form.h"
#include "db/OdbcQuery.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

// A window with one button whose handler sends the statements it is given,
// one after the other, through the window's query object.
class StatementWindow : public db::Form {
public:
    StatementWindow() : db::Form(QStringLiteral("Form_statements")) {
        button = new QPushButton(QStringLiteral("执行"), this);
        connect(button, &QPushButton::clicked, this, [this] {
            ++clicks;
            handle([&] {
                query().setConnectionString(testdb::paperConnection());
                for (const QString& s : statements) query().execSql(s);
                ++completed;
            });
        });
        resize(300, 200);
    }
    QPushButton* button;
    QStringList statements;
    int clicks = 0;
    int completed = 0;
};

class CancelTest : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
    }
    void TearDown() override { busy::BusyWait::setIndicatorShown({}); }

    // Presses "取消" as soon as the busy indicator shows.
    static void cancelOnIndicator() {
        busy::BusyWait::setIndicatorShown([](QWidget* indicator) {
            auto* box = qobject_cast<busy::BusyIndicator*>(indicator);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->isVisible());
            // Over its window; a query object without one blocks every window.
            EXPECT_EQ(box->windowModality(), box->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
            EXPECT_EQ(box->cancelButton()->text(), QStringLiteral("取消"));
            QTimer::singleShot(0, box->cancelButton(), &QPushButton::click);
        });
    }

    db::OdbcQuery q;
};

TEST_F(CancelTest, CancelStopsTheStatementAtTheServerAndTheConnectionStaysUsable) {
    q.openSql(QStringLiteral("select connection_id()"));
    const QString id = q.field(0);
    cancelOnIndicator();

    for (const QString& slow :
         {QStringLiteral("select sleep(5)"),
          QStringLiteral("select count(*) from seq_1_to_200000 a join seq_1_to_200000 b on a.seq % 7 = b.seq % 11")}) {
        QElapsedTimer t;
        t.start();
        try {
            q.openSql(slow);
            ADD_FAILURE() << "not cancelled: " << slow.toStdString();
        } catch (const db::StatementCancelled& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("已取消"))) << e.message().toStdString();
        }
        EXPECT_LT(t.elapsed(), 2000) << slow.toStdString();
        EXPECT_FALSE(q.isOpen());
        EXPECT_FALSE(q.busy());
        // The next statement works, on the same connection.
        q.openSql(QStringLiteral("select connection_id(), 'next'"));
        EXPECT_EQ(q.field(0), id);
        EXPECT_EQ(q.field(1), QStringLiteral("next"));
    }
}

TEST_F(CancelTest, CancelInsideATransactionRollsItBack) {
    cancelOnIndicator();
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into author_info values ('取消测试','x@y')"));
    EXPECT_THROW(q.openSql(QStringLiteral("select sleep(5)")), db::StatementCancelled);
    EXPECT_FALSE(q.inTransaction());
    busy::BusyWait::setIndicatorShown({});
    // A later commit on the same connection commits nothing.
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 0);
    q.openSql(QStringLiteral("select @@in_transaction"));
    EXPECT_EQ(q.field(0), QStringLiteral("0"));
}

TEST_F(CancelTest, ClosingTheWindowStopsItsStatementWithoutAReport) {
    for (int closeAfterMs : {150, 900}) {  // before and after the indicator shows
        QPointer<StatementWindow> w = new StatementWindow;
        w->statements = {QStringLiteral("insert into author_info values ('甲','1')"),
                         QStringLiteral("select sleep(5)"),
                         QStringLiteral("insert into author_info values ('乙','2')")};
        w->show();
        QTimer::singleShot(closeAfterMs, w, [w] { w->close(); });
        QElapsedTimer t;
        t.start();
        w->button->click();
        EXPECT_LT(t.elapsed(), 2500);
        EXPECT_EQ(w->completed, 0);
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('|')).toStdString();
        // The handler stopped at the cancelled statement.
        EXPECT_EQ(testdb::column(QStringLiteral("select author from author_info")), QStringList{QStringLiteral("甲")});
        testdb::exec(QStringLiteral("delete from author_info"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CancelTest, TheWindowTakesNoSecondStatementWhileOneRuns) {
    StatementWindow w;
    w.statements = {QStringLiteral("select sleep(1)")};
    w.show();
    // Clicks during the statement (before and under the indicator) are held back.
    QTimer::singleShot(200, &w, [&w] { QTest::mouseClick(w.button, Qt::LeftButton); });
    QTimer::singleShot(700, &w, [&w] {
        QTest::mouseClick(w.button, Qt::LeftButton);
        QTest::keyClick(w.button, Qt::Key_Space);
    });
    w.button->click();
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(w.completed, 1);
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('|')).toStdString();
    // A call on the busy query object itself is refused.
    QTimer::singleShot(200, &w, [&w] {
        EXPECT_TRUE(w.query().busy());
        EXPECT_THROW(w.query().execSql(QStringLiteral("select 1")), db::DbError);
    });
    w.button->click();
    EXPECT_EQ(w.completed, 2);
}

TEST_F(CancelTest, TheCancelledStatementIsReportedPlainly) {
    cancelOnIndicator();
    StatementWindow w;
    w.statements = {QStringLiteral("select sleep(5)")};
    w.show();
    w.button->click();
    ASSERT_EQ(recorder::shown().size(), 1);
    EXPECT_EQ(recorder::shown()[0].kind, db::messages::Kind::ErrorReport);
    EXPECT_TRUE(recorder::shown()[0].text.startsWith(QStringLiteral("语句已取消"))) << recorder::shown()[0].text.toStdString();
    EXPECT_EQ(w.completed, 0);
}

}  // namespace

namespace {

// A picture of the busy indicator over the SQL console running a slow
// statement (PAPER_SHOTS=folder, with QT_QPA_PLATFORM=xcb and DISPLAY set).
TEST(BusyIndicatorShot, OverTheSqlConsole) {
    const QString dir = qEnvironmentVariable("PAPER_SHOTS");
    if (dir.isEmpty()) GTEST_SKIP() << "set PAPER_SHOTS to a folder to save screenshots";
    testdb::reset();
    QPointer<TForm_sql_oper> w = db::Form::open<TForm_sql_oper>(QStringLiteral("admin"), testdb::paperConnection());
    w->resize(640, 420);
    w->show();
    w->Edit_ope->setText(QStringLiteral("select sleep(2.5), count(*) from main"));
    busy::BusyWait::setIndicatorShown([dir](QWidget* indicator) {
        QTimer::singleShot(900, indicator, [dir, indicator] {
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/busy_indicator.png"));
            auto* box = qobject_cast<busy::BusyIndicator*>(indicator);
            box->cancelButton()->click();
        });
    });
    w->Button_yes->click();
    busy::BusyWait::setIndicatorShown({});
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/busy_cancelled.png"));
    delete w.data();
}

}  // namespace
