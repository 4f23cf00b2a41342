#include <gtest/gtest.h>

#include <QStringList>
#include <atomic>
#include <chrono>
#include <thread>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/StatementWatcher.h"

// The query object on its own against the test server: no window layer is
// linked, so a statement that runs a while is simply waited for.
namespace {

QString connection() {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), QStringLiteral("paperdb"));
}

class QueryObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        q.setConnectionString(connection());
        q.execSql(QStringLiteral("drop table if exists data_layer_probe"));
        q.execSql(QStringLiteral("create table data_layer_probe (k int primary key, t varchar(8))"));
    }
    void TearDown() override { q.execSql(QStringLiteral("drop table if exists data_layer_probe")); }

    QStringList column(const QString& sql) {
        q.openSql(sql);
        QStringList out;
        for (; !q.eof(); q.next()) out << q.field(0);
        return out;
    }

    db::OdbcQuery q;
};

TEST_F(QueryObjectTest, RunsWithoutAWatcherAndWaitsForASlowStatement) {
    EXPECT_EQ(db::StatementWatcher::current(), nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(column(QStringLiteral("select sleep(0.2), 'done'")), QStringList{QStringLiteral("0")});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_FALSE(q.busy());
}

TEST_F(QueryObjectTest, FetchesRowsInBlocksAndCountsChanges) {
    QStringList values;
    for (int i = 0; i < 2500; ++i) values << QStringLiteral("(%1,'r%1')").arg(i);
    EXPECT_EQ(q.execSql(QStringLiteral("insert into data_layer_probe values ") + values.join(QLatin1Char(','))), 2500);
    const QStringList rows = column(QStringLiteral("select t from data_layer_probe order by k"));
    ASSERT_EQ(rows.size(), 2500);
    EXPECT_EQ(rows.front(), QStringLiteral("r0"));
    EXPECT_EQ(rows.back(), QStringLiteral("r2499"));
    EXPECT_EQ(q.execSql(QStringLiteral("update data_layer_probe set t='x' where k < 10")), 10);
}

TEST_F(QueryObjectTest, ErrorsAreReportedAndATransactionIsRolledBackFirst) {
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into data_layer_probe values (1,'a')"));
    try {
        q.execSql(QStringLiteral("insert into data_layer_probe values (1,'b')"));
        FAIL() << "a repeated key went through";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.nativeCode(), 1062);
    }
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(column(QStringLiteral("select count(*) from data_layer_probe")), QStringList{QStringLiteral("0")});
    // A value longer than its column is refused, not stored cut.
    EXPECT_THROW(q.execSql(QStringLiteral("insert into data_layer_probe values (2,'123456789')")), db::DbError);
    EXPECT_EQ(column(QStringLiteral("select count(*) from data_layer_probe")), QStringList{QStringLiteral("0")});
}

TEST_F(QueryObjectTest, CancelFromAnotherThreadStopsTheStatementAndKeepsTheConnection) {
    std::atomic<bool> done{false};
    std::thread canceller([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (q.busy()) {
                q.cancel();
                return;
            }
        }
    });
    EXPECT_THROW(q.openSql(QStringLiteral("select sleep(20)")), db::StatementCancelled);
    done = true;
    canceller.join();
    EXPECT_EQ(column(QStringLiteral("select 7")), QStringList{QStringLiteral("7")});
}

}  // namespace
