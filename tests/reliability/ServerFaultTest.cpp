#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <functional>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_delete_d.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "catalogue/windows/TForm_select_d.h"
#include "catalogue/windows/TForm_update_d_m.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "db/OdbcQuery.h"
#include "db/Schema.h"
#include "db/SqlText.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"
#include "support/EntryForm.h"

// The server killed (SIGKILL) between two statements of a paper entry, a
// removal and both updates: after a restart every paper has all five rows or
// none, the click's own paper is wholly changed or wholly as before (wholly
// changed whenever the window said so), and the same window's next click
// works without restarting the program.
namespace {

using rel::Paper;

// Kills the server just before the window sends its n-th statement.
class KillBefore {
public:
    explicit KillBefore(int n) {
        db::OdbcQuery::setBeforeSend([this, n](const QString&) {
            if (++sent_ == n) testdb::killServer();
        });
    }
    ~KillBefore() { db::OdbcQuery::setBeforeSend({}); }

private:
    int sent_ = 0;
};

// Counts the statements one click sends.
int statementsOf(QAbstractButton* button) {
    int n = 0;
    db::OdbcQuery::setBeforeSend([&n](const QString&) { ++n; });
    rel::click(button);
    db::OdbcQuery::setBeforeSend({});
    return n;
}

void restart() {
    testdb::startServer();
    rel::reconnectAdmin();
}

// One kind of click under test.
struct Operation {
    QString name;
    std::function<void()> prepare;                        // the data before the click
    QAbstractButton* button;
    std::function<bool(const QStringList& shown)> done;   // the window reported success
    std::function<QString(bool done)> check;              // "" when the paper is whole and as reported
};

QList<qint64> all(qint64 n) { return {n, n, n, n, n}; }

class ServerFaults : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
    void TearDown() override { db::OdbcQuery::setBeforeSend({}); }

    // Runs the kill trials of an operation: before each of its statements
    // (the positions chosen for this run) and right after the click.
    void trials(const Operation& op) {
        op.prepare();
        const int n = statementsOf(op.button);
        ASSERT_GT(n, 2) << op.name.toStdString();
        QList<int> positions;
        if (rel::longMode()) {
            for (int k = 1; k <= n + 1; ++k) positions << k;
        } else {
            positions << (n + 1) / 2 << n;  // a statement inside the change, and the commit
        }
        for (int round = 0; round < rel::killRounds(); ++round) {
            for (int k : positions) {
                SCOPED_TRACE((op.name + QStringLiteral(" killed before statement %1 of %2").arg(k).arg(n)).toStdString());
                op.prepare();
                QStringList shown;
                if (k <= n) {
                    KillBefore kill(k);
                    shown = rel::click(op.button);
                } else {
                    shown = rel::click(op.button);
                    testdb::killServer();
                }
                restart();
                rel::add(QStringLiteral("kill.%1.trials").arg(op.name));
                const bool done = op.done(shown);
                if (k <= n) EXPECT_TRUE(rel::isErrorReport(shown)) << shown.join(QLatin1Char('|')).toStdString();
                if (k > n) EXPECT_TRUE(done) << shown.join(QLatin1Char('|')).toStdString();
                const qint64 partial = rel::partialPapers();
                rel::add(QStringLiteral("kill.%1.partial_papers").arg(op.name), partial);
                EXPECT_EQ(partial, 0);
                const QString problem = op.check(done);
                if (!problem.isEmpty()) rel::add(QStringLiteral("kill.%1.inconsistent").arg(op.name));
                EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();

                // The same window, next click, no restart of the program.
                op.prepare();
                const QStringList again = rel::click(op.button);
                if (!op.done(again)) rel::add(QStringLiteral("kill.%1.next_click_failed").arg(op.name));
                EXPECT_TRUE(op.done(again)) << again.join(QLatin1Char('|')).toStdString();
                const QString after = op.check(true);
                EXPECT_TRUE(after.isEmpty()) << after.toStdString();
            }
        }
        rel::report(QStringLiteral("kill.") + op.name + QLatin1Char('.'));
    }
};

TEST_F(ServerFaults, AnEntryKilledAtAnyStatementLeavesThePaperWholeOrAbsent) {
    rel::Window<TForm_insert_d> w;
    entryform::type(*w, {QStringLiteral("断电题目"), QStringLiteral("张伟"), QStringLiteral("2024-01-02"),
                         QStringLiteral("a.pdf"), QStringLiteral("D:\\论文"), QStringLiteral("李娜；王强")});
    w->CheckBox4->setChecked(true);
    w->Edit_remark->setText(QStringLiteral("备注"));
    const QString key = schema::paperKey(QStringLiteral("断电题目"), QStringLiteral("张伟"), QStringLiteral("2024-01-02"));
    trials({QStringLiteral("insert_d"),
            [&] { rel::clearPapers(); },
            w->Button_yes,
            [](const QStringList& s) { return s == QStringList{QStringLiteral("成功/插入成功")}; },
            [&](bool done) {
                const QList<qint64> rows = rel::rowsOf(key);
                if (rows == all(1) || (!done && rows == all(0))) return QString();
                return QStringLiteral("the paper has rows %1 %2 %3 %4 %5")
                    .arg(rows[0]).arg(rows[1]).arg(rows[2]).arg(rows[3]).arg(rows[4]);
            }});
}

TEST_F(ServerFaults, ARemovalKilledAtAnyStatementLeavesThePaperWholeOrGone) {
    const Paper p;
    rel::Window<TForm_delete_d> w;
    w->Edit_title->setText(p.title);
    w->Edit_author->setText(p.author);
    w->Edit_date->setText(p.date);
    trials({QStringLiteral("delete_d"),
            [&] {
                rel::clearPapers();
                rel::storePaper(p);
                Paper other;
                other.title = QStringLiteral("旁边的论文");
                rel::storePaper(other);
            },
            w->Button_yes,
            [](const QStringList& s) { return s == QStringList{QStringLiteral("成功/删除成功")}; },
            [&](bool done) {
                const QList<qint64> rows = rel::rowsOf(p.key());
                if (testdb::count(schema::kMain) < 1) return QStringLiteral("the other paper went too");
                if (rows == all(0) || (!done && rows == all(1))) return QString();
                return QStringLiteral("the paper is partly there");
            }});
}

TEST_F(ServerFaults, AMainUpdateKilledAtAnyStatementLeavesTheOldPaperOrTheNewOne) {
    const Paper p;
    rel::Window<TForm_update_d_m> w;
    w->Edit_title->setText(p.title);
    w->Edit_author_1->setText(p.author);
    w->Edit_date->setText(p.date);
    w->CheckBox1->setChecked(true);
    w->Edit_title_n->setText(QStringLiteral("新题目"));
    w->CheckBox2->setChecked(true);
    w->Edit_author_1_n->setText(QStringLiteral("新作者"));
    const QString newKey = schema::paperKey(QStringLiteral("新题目"), QStringLiteral("新作者"), p.date);
    trials({QStringLiteral("update_d_m"),
            [&] {
                rel::clearPapers();
                rel::storePaper(p);
            },
            w->Button_yes,
            [](const QStringList& s) { return s == QStringList{QStringLiteral("成功/更新成功")}; },
            [&](bool done) {
                const QList<qint64> now = rel::rowsOf(newKey), old = rel::rowsOf(p.key());
                const bool updated = now == all(1) && old == all(0) &&
                                     testdb::scalar(QStringLiteral("select author_1 from author_all")) == QStringLiteral("新作者");
                const bool unchanged = old == all(1) && now == all(0) &&
                                       testdb::scalar(QStringLiteral("select title from main")) == p.title;
                if (updated || (!done && unchanged)) return QString();
                return QStringLiteral("the key or the values are half rewritten: new %1, old %2, first author %3")
                    .arg(QString::number(now[0]) + QString::number(now[1]) + QString::number(now[2]) + QString::number(now[3]) + QString::number(now[4])).arg(QString::number(old[0]) + QString::number(old[1]) + QString::number(old[2]) + QString::number(old[3]) + QString::number(old[4])).arg(testdb::scalar(QStringLiteral("select author_1 from author_all")));
            }});
}

TEST_F(ServerFaults, AnOtherUpdateKilledAtAnyStatementChangesAllItemsOrNone) {
    const Paper p;
    rel::Window<TForm_update_d_o> w;
    w->Edit_title->setText(p.title);
    w->Edit_author_1->setText(p.author);
    w->Edit_date->setText(p.date);
    w->CheckBox1->setChecked(true);
    w->Edit_filename->setText(QStringLiteral("new.pdf"));
    w->CheckBox6->setChecked(true);
    w->Edit_remark->setText(QStringLiteral("新备注"));
    trials({QStringLiteral("update_d_o"),
            [&] {
                rel::clearPapers();
                rel::storePaper(p);
            },
            w->Button_yes,
            [&](const QStringList& s) { return s.isEmpty(); },  // the grid shows the changed row
            [&](bool done) {
                const QStringList now = rel::row(QStringLiteral("select filename,remark from address"));
                if (now == QStringList{QStringLiteral("new.pdf"), QStringLiteral("新备注")}) return QString();
                if (!done && now == QStringList{p.filename, QString()} && now[1].isNull()) return QString();
                return QStringLiteral("half changed: ") + now.join(QLatin1Char('|'));
            }});
}

// A search while the server is down reports the error; once it is back the
// same window finds papers again, also when it restarted between two searches.
TEST_F(ServerFaults, ASearchWhileTheServerIsDownIsReportedAndTheWindowGoesOn) {
    rel::Window<TForm_select_d> w;
    EXPECT_TRUE(rel::click(w->Button_scan).isEmpty());
    testdb::stopServer();
    const QStringList shown = rel::click(w->Button_scan);
    testdb::startServer();
    rel::reconnectAdmin();
    EXPECT_TRUE(rel::isErrorReport(shown)) << shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 0);
    EXPECT_TRUE(rel::click(w->Button_scan).isEmpty());
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 12);

    // Restarted while the window was idle: the next search works at once.
    testdb::killServer();
    restart();
    EXPECT_TRUE(rel::click(w->Button_scan).isEmpty());
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 12);
}

TEST_F(ServerFaults, ASignInAfterARestartWorksAtOnce) {
    testdb::writeSettings();
    TForm_main main;
    TForm_login login(&main);
    login.Edit_username->setText(QStringLiteral("admin"));
    login.Edit_password->setText(QStringLiteral("wrong"));
    EXPECT_EQ(rel::click(login.Button_yes), QStringList{QStringLiteral("登录错误/请检查您的用户名和密码")});
    testdb::killServer();
    restart();
    login.Edit_password->setText(QStringLiteral("admin123"));
    EXPECT_TRUE(rel::click(login.Button_yes).isEmpty());
    EXPECT_TRUE(main.isVisible());
    testdb::removeSettings();
}

}  // namespace
