#include <gtest/gtest.h>

#include "db/OdbcQuery.h"
#include "support/TestDb.h"

// Column titles come back whole: the driver reports some Chinese aliases one
// character short ("论文四作" as "论文四").
TEST(ColumnTitle, ChineseAliasesAreKeptWhole) {
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    q.openSql(QStringLiteral("select 1 '论文四作', 2 '四', 3 '关键词10', 4 'a四b'"));
    EXPECT_EQ(q.result()->columnNames(), (QStringList{QStringLiteral("论文四作"), QStringLiteral("四"),
                                                       QStringLiteral("关键词10"), QStringLiteral("a四b")}));
}
