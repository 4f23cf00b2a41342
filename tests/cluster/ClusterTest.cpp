#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <iostream>

#include "ClusterSupport.h"
#include "window/BusyIndicator.h"
#include "window/BusyWait.h"
#include "catalogue/windows/TForm_update_d_m.h"
#include "db/DbError.h"
#include "window/Form.h"
#include "db/RetryOnConflict.h"
#include "support/Recorder.h"

namespace {

class Cluster : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cluster::useClusterDataSources(); }
    void SetUp() override {
        ASSERT_FALSE(cluster::env(QStringLiteral("HAPROXY_PORT")).isEmpty()) << "no cluster in " << CLUSTER_DIR;
        cluster::reset();
        recorder::clear();
    }
    void TearDown() override { db::OdbcQuery::setBeforeSend({}); }

    static QString out(const QString& name) { return cluster::dir() + QStringLiteral("/") + name + QStringLiteral(".out"); }

    static void waitFor(QProcess& p, int ms = 240000) {
        ASSERT_TRUE(p.waitForFinished(ms));
        ASSERT_EQ(p.exitCode(), 0);
    }

    // Every node holds the same eight tables.
    static void expectSameEverywhere() {
        const QStringList first = cluster::checksums(1);
        EXPECT_EQ(cluster::checksums(2), first);
        EXPECT_EQ(cluster::checksums(3), first);
    }

    // The keys of the papers on node n, and that each of them is whole: one
    // row in each of the five tables, none elsewhere.
    static QSet<QString> wholePapers(int n) {
        auto q = cluster::nodeQuery(n);
        const QStringList keys = cluster::column(*q, QStringLiteral("select Paperid from main"));
        for (const char* t : {"author_all", "kword_all", "address", "type_in"}) {
            EXPECT_EQ(cluster::column(*q, QStringLiteral("select Paperid from %1 order by Paperid").arg(QLatin1String(t))),
                      cluster::column(*q, QStringLiteral("select Paperid from main order by Paperid")))
                << "table " << t << " on node " << n;
        }
        return QSet<QString>(keys.begin(), keys.end());
    }

    static QString typist(int n, const QString& title) {
        auto q = cluster::nodeQuery(n);
        return cluster::scalar(*q, QStringLiteral("select typist from type_in t,main m where t.Paperid=m.Paperid and m.title='%1'").arg(title));
    }
};

QString paperTitle(int i) { return QStringLiteral("集群论文%1").arg(i, 3, 10, QLatin1Char('0')); }

}  // namespace

TEST_F(Cluster, SessionsWaitForTheClusterBeforeEachStatement) {
    auto q = std::make_unique<db::OdbcQuery>();
    q->setConnectionString(cluster::throughProxy());
    EXPECT_EQ(cluster::scalar(*q, QStringLiteral("select @@session.wsrep_sync_wait")), QStringLiteral("15"));
    EXPECT_EQ(cluster::scalar(*q, QStringLiteral("select variable_value from information_schema.global_status "
                                                 "where variable_name='wsrep_cluster_size'")),
              QStringLiteral("3"));
}

TEST_F(Cluster, TheAuthorDirectoryKeepsItsTwoVisibleColumnsWithARowKey) {
    auto q = cluster::nodeQuery(2);
    EXPECT_EQ(q->execSql(QStringLiteral("insert into author_info values ('王五','w@example.org')")), 1);
    q->openSql(QStringLiteral("select * from author_info"));
    EXPECT_EQ(q->result()->columnCount(), 2);
    q->close();
    auto other = cluster::nodeQuery(3);
    EXPECT_EQ(cluster::scalar(*other, QStringLiteral("select email from author_info where author='王五'")),
              QStringLiteral("w@example.org"));
}

// Two nodes change the same row: the one that commits second is refused at its
// COMMIT, with the conflict's code, and nothing of it stays.
TEST_F(Cluster, TheSecondCommitOfTheSameRowIsRefusedAsAConflict) {
    auto a = cluster::nodeQuery(1), b = cluster::nodeQuery(2);
    b->execSql(QStringLiteral("insert into username_rightid values ('x','2')"));
    a->execSql(QStringLiteral("begin"));
    EXPECT_EQ(a->execSql(QStringLiteral("update username_rightid set rightid='3' where username='x'")), 1);
    EXPECT_EQ(b->execSql(QStringLiteral("update username_rightid set rightid='9' where username='x'")), 1);
    try {
        a->execSql(QStringLiteral("commit"));
        FAIL() << "the commit was taken";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(db::isConflict(e)) << e.sqlState().toStdString() << " " << e.nativeCode() << " "
                                       << e.message().toStdString();
        EXPECT_EQ(e.nativeCode(), 1213);
        EXPECT_EQ(e.sqlState(), QStringLiteral("40001"));
    }
    EXPECT_FALSE(a->inTransaction());
    for (int n = 1; n <= 3; ++n) {
        auto q = cluster::nodeQuery(n);
        EXPECT_EQ(cluster::scalar(*q, QStringLiteral("select rightid from username_rightid where username='x'")),
                  QStringLiteral("9"));
    }
    EXPECT_EQ(cluster::scalar(*a, QStringLiteral("select 1")), QStringLiteral("1"));
}

// The update window's change collides with another node's change of the same
// paper: it runs again from "begin" and then succeeds; when every attempt
// collides it reports the conflict and leaves the paper as the other node made it.
TEST_F(Cluster, AnUpdateThatLostToAnotherNodeRunsAgainOrReportsTheConflict) {
    auto b = cluster::nodeQuery(2);
    b->execSql(QStringLiteral("insert into main values ('T$A$2001','T','A','2001')"));
    b->execSql(QStringLiteral("insert into author_all (Paperid,author_1) values ('T$A$2001','A')"));
    b->execSql(QStringLiteral("insert into kword_all (Paperid) values ('T$A$2001')"));
    b->execSql(QStringLiteral("insert into address values ('T$A$2001','f','d',null,null)"));
    b->execSql(QStringLiteral("insert into type_in values ('T$A$2001','u','2024-01-01')"));

    auto click = [&](int collisions, const QString& title, const QString& newTitle) {
        int begins = 0;
        db::OdbcQuery::setBeforeSend([&](const QString& s) {
            if (s == QLatin1String("begin")) ++begins;
            if (s == QLatin1String("commit") && begins <= collisions) {
                // Another desk changes the same paper and commits first.
                static int remark = 0;
                b->execSql(QStringLiteral("update address set remark='B%1' where Paperid like 'T%'").arg(++remark));
            }
        });
        QPointer<TForm_update_d_m> w = db::Form::open<TForm_update_d_m>(QStringLiteral("u"), cluster::onNode(1));
        w->Edit_title->setText(title);
        w->Edit_author_1->setText(QStringLiteral("A"));
        w->Edit_date->setText(QStringLiteral("2001"));
        w->CheckBox1->setChecked(true);
        w->Edit_title_n->setText(newTitle);
        w->Button_yes->click();
        db::OdbcQuery::setBeforeSend({});
        delete w.data();
        return begins;
    };

    EXPECT_EQ(click(1, QStringLiteral("T"), QStringLiteral("T2")), 2);
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("成功/"))) << recorder::lines().first().toStdString();
    auto c = cluster::nodeQuery(3);
    EXPECT_EQ(cluster::column(*c, QStringLiteral("select concat(Paperid,'/',remark) from address")),
              QStringList{QStringLiteral("T2$A$2001/B1")});
    EXPECT_EQ(cluster::scalar(*c, QStringLiteral("select count(*) from type_in where Paperid='T2$A$2001'")), QStringLiteral("1"));

    recorder::clear();
    EXPECT_EQ(click(db::kConflictAttempts, QStringLiteral("T2"), QStringLiteral("T3")), db::kConflictAttempts);
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_TRUE(recorder::lines().first().contains(QStringLiteral("另一用户同时修改了同一数据"))) << recorder::lines().first().toStdString();
    // Nothing of the refused update: the key is T2's, the remark the other desk's last one.
    EXPECT_EQ(cluster::column(*c, QStringLiteral("select concat(Paperid,'/',remark) from address")),
              QStringList{QStringLiteral("T2$A$2001/B%1").arg(1 + db::kConflictAttempts)});
    EXPECT_EQ(cluster::scalar(*c, QStringLiteral("select title from main")), QStringLiteral("T2"));
    expectSameEverywhere();
}

// Two desks on two nodes enter the same 100 papers at the same time.
TEST_F(Cluster, TwoHundredEntriesOnTwoNodesWithTheSameKeys) {
    auto one = cluster::startWorker(QStringLiteral("entries"), cluster::onNode(1), QStringLiteral("desk1"), 100, out(QStringLiteral("desk1")));
    auto two = cluster::startWorker(QStringLiteral("entries"), cluster::onNode(2), QStringLiteral("desk2"), 100, out(QStringLiteral("desk2")));
    waitFor(*one);
    waitFor(*two);
    const QStringList lines1 = cluster::workerLines(out(QStringLiteral("desk1"))).mid(1);
    const QStringList lines2 = cluster::workerLines(out(QStringLiteral("desk2"))).mid(1);
    ASSERT_EQ(lines1.size(), 100);
    ASSERT_EQ(lines2.size(), 100);

    const QSet<QString> keys = wholePapers(3);
    int successes = 0, duplicates = 0, conflicts = 0;
    for (int i = 0; i < 100; ++i) {
        const QString r1 = lines1[i].section(QLatin1Char('\t'), 1), r2 = lines2[i].section(QLatin1Char('\t'), 1);
        const bool ok1 = r1 == QStringLiteral("成功/插入成功"), ok2 = r2 == QStringLiteral("成功/插入成功");
        EXPECT_FALSE(ok1 && ok2) << "both desks were told paper " << i << " was stored";
        // Whatever was reported as stored is there, entered by that desk.
        if (ok1) EXPECT_EQ(typist(3, paperTitle(i)), QStringLiteral("desk1"));
        if (ok2) EXPECT_EQ(typist(3, paperTitle(i)), QStringLiteral("desk2"));
        successes += ok1 + ok2;
        for (const QString& r : {r1, r2}) {
            if (r.contains(QLatin1String("Duplicate entry"))) ++duplicates;
            else if (r.contains(QStringLiteral("另一用户同时修改了同一数据"))) ++conflicts;
            else EXPECT_EQ(r, QStringLiteral("成功/插入成功")) << "paper " << i;
        }
    }
    EXPECT_EQ(qsizetype(successes), keys.size());
    std::cout << "[ cluster  ] 200 entries: " << successes << " stored, " << duplicates
              << " refused as duplicates, " << conflicts << " refused after retries\n";
    EXPECT_EQ(wholePapers(1), keys);
    expectSameEverywhere();
}

// The node under a desk's connection is killed while it enters 100 papers.
TEST_F(Cluster, ANodeKilledDuringEntriesThenRejoined) {
    auto desk = cluster::startWorker(QStringLiteral("entries"), cluster::throughProxy(), QStringLiteral("desk"), 100, out(QStringLiteral("desk")), 20);
    QElapsedTimer t;
    t.start();
    while (cluster::workerLines(out(QStringLiteral("desk"))).size() < 31 && t.elapsed() < 120000 &&
           desk->state() == QProcess::Running)
        QThread::msleep(10);
    const QString node = cluster::workerLines(out(QStringLiteral("desk"))).value(0).section(QLatin1Char('\t'), 1);
    ASSERT_TRUE(node.startsWith(QLatin1String("node"))) << node.toStdString();
    const int victim = node.mid(4).toInt();
    cluster::killNode(victim);
    waitFor(*desk);
    const QStringList lines = cluster::workerLines(out(QStringLiteral("desk"))).mid(1);
    ASSERT_EQ(lines.size(), 100);

    const int survivor = victim == 1 ? 2 : 1;
    const QSet<QString> keys = wholePapers(survivor);
    int stored = 0, reported = 0, firstAfterLoss = -1;
    for (int i = 0; i < 100; ++i) {
        const QString r = lines[i].section(QLatin1Char('\t'), 1);
        if (r == QStringLiteral("成功/插入成功")) {
            ++stored;
            EXPECT_EQ(typist(survivor, paperTitle(i)), QStringLiteral("desk")) << "paper " << i << " reported stored";
            if (reported > 0 && firstAfterLoss < 0) firstAfterLoss = i;
        } else {
            ++reported;
            EXPECT_TRUE(r.startsWith(QLatin1String("!"))) << r.toStdString();
        }
    }
    std::cout << "[ cluster  ] node" << victim << " killed after 30 entries: " << stored << " stored, "
              << reported << " reported as failed; the first click after the loss that stored a paper: "
              << firstAfterLoss << "\n";
    EXPECT_GE(reported, 1);
    EXPECT_LE(reported, 5);
    EXPECT_GT(firstAfterLoss, 0);
    EXPECT_EQ(lines.last().section(QLatin1Char('\t'), 1), QStringLiteral("成功/插入成功"));
    EXPECT_GE(qsizetype(stored), keys.size() - reported);
    EXPECT_LE(qsizetype(stored), keys.size());

    ASSERT_TRUE(cluster::tool({QStringLiteral("rejoin"), QString::number(victim), cluster::dir()}));
    EXPECT_EQ(wholePapers(victim), keys);
    expectSameEverywhere();
}

// An administrator changes an account's right on one node while another
// deletes and creates the same account on another node.
TEST_F(Cluster, AnAccountChangedOnTwoNodesAtOnce) {
    auto q = cluster::nodeQuery(1);
    q->execSql(QStringLiteral("insert into username_password values ('shared','pw')"));
    q->execSql(QStringLiteral("insert into username_rightid values ('shared','2')"));
    auto rights = cluster::startWorker(QStringLiteral("rights"), cluster::onNode(1), QStringLiteral("admin"), 60, out(QStringLiteral("rights")));
    auto recreate = cluster::startWorker(QStringLiteral("recreate"), cluster::onNode(2), QStringLiteral("admin"), 30, out(QStringLiteral("recreate")));
    waitFor(*rights);
    waitFor(*recreate);
    int conflicts = 0;
    for (const QString& line : cluster::workerLines(out(QStringLiteral("rights"))) + cluster::workerLines(out(QStringLiteral("recreate")))) {
        // A deletion refused for a conflict leaves the account there: the creation
        // after it then meets the existing name.
        bool refused = false;
        for (const QString& shown : line.section(QLatin1Char('\t'), 1).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            if (shown.contains(QStringLiteral("另一用户同时修改了同一数据"))) {
                ++conflicts;
                refused = true;
            } else if (!(refused && shown.contains(QLatin1String("Duplicate entry")))) {
                EXPECT_FALSE(shown.startsWith(QLatin1String("!"))) << shown.toStdString();
            }
        }
    }
    std::cout << "[ cluster  ] 60 right changes against 30 deletions and creations: " << conflicts
              << " refused after retries\n";
    // Both rows of the account or neither, everywhere.
    for (int n = 1; n <= 3; ++n) {
        auto c = cluster::nodeQuery(n);
        EXPECT_EQ(cluster::column(*c, QStringLiteral("select username from username_password order by username")),
                  cluster::column(*c, QStringLiteral("select username from username_rightid order by username")));
    }
    expectSameEverywhere();
}

// "取消" through the balancer: the kill must reach the node that runs the
// statement (a new connection is dealt to the nodes in turn), never another
// node where the same connection id is somebody else's.
TEST_F(Cluster, CancelThroughTheBalancerStopsTheStatementOnItsOwnNode) {
    busy::BusyWait::setIndicatorShown([](QWidget* indicator) {
        QTimer::singleShot(0, qobject_cast<busy::BusyIndicator*>(indicator)->cancelButton(), &QPushButton::click);
    });
    for (int i = 0; i < 3; ++i) {
        db::OdbcQuery q;
        q.setConnectionString(cluster::throughProxy());
        QElapsedTimer t;
        t.start();
        EXPECT_THROW(q.openSql(QStringLiteral("select sleep(8)")), db::StatementCancelled);
        EXPECT_LT(t.elapsed(), 4000) << "attempt " << i;
        EXPECT_EQ(cluster::scalar(q, QStringLiteral("select 1")), QStringLiteral("1"));
    }
    busy::BusyWait::setIndicatorShown({});
}
