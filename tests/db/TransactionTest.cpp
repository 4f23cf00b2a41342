#include <gtest/gtest.h>

#include <stdexcept>

#include "db/DbError.h"
#include "db/Transaction.h"
#include "support/FakeQuery.h"

namespace {

TEST(Transaction, BeginsAtOnceAndRollsBackUnlessFinished) {
    FakeQuery q;
    {
        db::Transaction t(q);
        EXPECT_EQ(q.statements(), QStringList{QStringLiteral("begin")});
        EXPECT_TRUE(t.finish({1, 2, 1}));
    }
    {
        db::Transaction t(q);
        EXPECT_FALSE(t.finish({1, 0}));
    }
    // an error between begin and finish: rollback as the error goes on, and
    // a rollback that fails in turn does not replace the first error
    EXPECT_THROW(
        {
            db::Transaction t(q);
            q.errorFor = [](const QString& s) { return s == QLatin1String("begin") ? QString() : QStringLiteral("gone"); };
            q.execSql(QStringLiteral("update x"));
        },
        db::DbError);
    q.errorFor = [](const QString&) { return QString(); };
    EXPECT_THROW(
        {
            db::Transaction t(q);
            throw std::runtime_error("hook");
        },
        std::runtime_error);
    EXPECT_EQ(q.statements(),
              (QStringList{QStringLiteral("begin"), QStringLiteral("commit"), QStringLiteral("begin"),
                           QStringLiteral("rollback"), QStringLiteral("begin"), QStringLiteral("update x"),
                           QStringLiteral("rollback"), QStringLiteral("begin"), QStringLiteral("rollback")}));
}

}  // namespace
