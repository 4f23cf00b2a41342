#include <gtest/gtest.h>

#include <QPointer>

#include "catalogue/windows/TForm_insert_d.h"
#include "db/DbError.h"
#include "window/Form.h"
#include "db/RetryOnConflict.h"
#include "support/FakeQuery.h"
#include "support/Recorder.h"
#include "support/EntryForm.h"

namespace {

// A query object whose first `conflicts` commits are refused as a replicated
// cluster refuses a change that lost to another node's.
class ConflictingQuery : public FakeQuery {
public:
    int conflicts = 0;
    using FakeQuery::execSql;
    qint64 execSql() override {
        if (sql() == QLatin1String("commit") && conflicts > 0) {
            --conflicts;
            sent << QStringLiteral("exec: commit");
            throw db::DbError(QStringLiteral("Deadlock found when trying to get lock; try restarting transaction"),
                              QStringLiteral("40001"), 1213);
        }
        return FakeQuery::execSql();
    }
};

struct CountingHooks : scripting::HookCaller {
    int* calls;
    explicit CountingHooks(int* c) : calls(c) {}
    QString call(const QString&, const QString&, const QStringList& args) override {
        ++*calls;
        return QStringLiteral("insert into author_all (Paperid,author_1,author_2) values ('%1','A','%2')")
            .arg(args.value(2), args.value(0));
    }
};

struct Entry {
    QPointer<TForm_insert_d> w = db::Form::open<TForm_insert_d>(QStringLiteral("editor"), QStringLiteral("c"));
    ConflictingQuery* q = new ConflictingQuery;
    int hookCalls = 0;
    Entry() {
        w->setQuery(q);
        w->setHooks(std::make_unique<CountingHooks>(&hookCalls));
        entryform::type(*w, {QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("2008-01-02"),
                             QStringLiteral("t.pdf"), QStringLiteral("d"), QStringLiteral("B")});
        recorder::clear();
    }
    ~Entry() { delete w.data(); }
    int begins() const { return int(q->statements().count(QStringLiteral("begin"))); }
};

}  // namespace

TEST(RetryOnConflict, TellsAConflictFromOtherErrors) {
    EXPECT_TRUE(db::isConflict(db::DbError(QStringLiteral("x"), QStringLiteral("40001"), 1213)));
    EXPECT_TRUE(db::isConflict(db::DbError(QStringLiteral("x"), QString(), 1213)));
    EXPECT_FALSE(db::isConflict(db::DbError(QStringLiteral("Duplicate entry"), QStringLiteral("23000"), 1062)));
    EXPECT_FALSE(db::isConflict(db::DbError(QStringLiteral("Lost connection"), QStringLiteral("HY000"), 2013)));
}

TEST(RetryOnConflict, AnEntryRefusedAtCommitRunsAgainFromBeginWithTheHooksCalledAgain) {
    Entry e;
    e.q->conflicts = 1;
    e.w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/插入成功")});
    EXPECT_EQ(e.begins(), 2);
    EXPECT_EQ(e.hookCalls, 2);
    EXPECT_EQ(e.q->statements().last(), QStringLiteral("commit"));
}

TEST(RetryOnConflict, AfterTheLastAttemptTheConflictIsReportedNeverSuccess) {
    Entry e;
    e.q->conflicts = 100;
    e.w->Button_yes->click();
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().startsWith(QStringLiteral("!")));
    EXPECT_TRUE(recorder::lines().first().contains(QStringLiteral("另一用户同时修改了同一数据")));
    EXPECT_EQ(e.begins(), db::kConflictAttempts);
}

TEST(RetryOnConflict, OtherErrorsAreNotRetried) {
    Entry e;
    e.q->errorFor = [](const QString& s) {
        return s.startsWith(QLatin1String("insert into main")) ? QStringLiteral("Duplicate entry") : QString();
    };
    e.w->Button_yes->click();
    EXPECT_EQ(e.begins(), 1);
    ASSERT_EQ(recorder::lines().size(), 1);
    EXPECT_TRUE(recorder::lines().first().contains(QStringLiteral("Duplicate entry")));
}
