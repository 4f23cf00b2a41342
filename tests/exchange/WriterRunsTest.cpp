#include <gtest/gtest.h>

#include "catalogue/InsertPaper.h"
#include "exchange/PaperCheck.h"
#include "exchange/PaperWriter.h"
#include "support/FakeQuery.h"

// The writer sends the runs of several papers as one job of the query object;
// what reaches the server, in order, is what writing the papers one at a time
// sends, and a paper that fails in a job leaves the papers after it to the
// next one.
namespace {

using namespace exchange;

// Hooks that build a fixed statement, or fail for a paper whose key names "hook fails".
class Hooks : public scripting::HookCaller {
public:
    QString call(const QString& module, const QString&, const QStringList& args) override {
        if (args.last().contains(QLatin1String("hook fails"))) throw scripting::HookError(QStringLiteral("钩子出错"));
        const QString table = module.endsWith(QLatin1String("_a")) ? QStringLiteral("author_all") : QStringLiteral("kword_all");
        return QStringLiteral("insert into %1 values ('%2')").arg(table, args.last());
    }
};

// A query object that marks where each job of runs began among the statements.
class JobQuery : public FakeQuery {
public:
    QVector<qsizetype> jobStarts;
    void execRuns(const QVector<QStringList>& runs, const RunCheck& goOn, QVector<QVector<qint64>>& counts,
                  const std::function<void()>& meanwhile) override {
        jobStarts << sent.size();
        FakeQuery::execRuns(runs, goOn, counts, meanwhile);
    }
};

class WriterRuns : public ::testing::Test {
protected:
    void SetUp() override {
        // One paper undone alone leaves the batch open.
        q.rowsFor = [](const QString& s) {
            return s == QLatin1String("select @@in_transaction") ? QList<QStringList>{{QStringLiteral("1")}}
                                                                  : QList<QStringList>{};
        };
    }
    QVector<PaperOutcome> write(const QStringList& titles, const PaperWriter::Progress& progress = {}) {
        QVector<PaperRecord> records;
        for (const QString& t : titles) {
            PaperRecord r;
            r.sourceKey = t;
            r.title = t;
            r.authors = {QStringLiteral("张三"), QStringLiteral("李四")};
            r.date = QStringLiteral("2020-05");
            r.keywords = {QStringLiteral("k")};
            records << r;
        }
        papers = checkRecords(records, MappingOptions{QStringLiteral("D:\\papers")}, {});
        QVector<WriteJob> jobs;
        for (int i = 0; i < papers.size(); ++i) jobs.push_back({i, &papers[i], false});
        PaperWriter writer(q, hooks, WriteOptions{QStringLiteral("importer"), QStringLiteral("2026-01-02"), false, 500});
        const auto out = writer.write(jobs, progress);
        summary = writer.summary();
        return out;
    }
    // The statements of paper i after its savepoint, up to `count` of them (all: -1).
    QStringList run(int i, int count = -1) const {
        const CheckedPaper& p = papers[i];
        Hooks h;
        QStringList s = catalogue::entry::paperRun(h, p.entry, p.key, QStringLiteral("importer"),
                                                   QStringLiteral("2026-01-02"), {QStringLiteral("savepoint paper")})
                            .statements;
        return count < 0 ? s : s.mid(0, count);
    }

    JobQuery q;
    Hooks hooks;
    QVector<CheckedPaper> papers;
    Summary summary;
    const QString begin = QStringLiteral("begin");
    const QString commit = QStringLiteral("commit");
    const QString undo = QStringLiteral("rollback to savepoint paper");
};

TEST_F(WriterRuns, APaperFailingInAJobIsUndoneAloneAndThePapersAfterItGoInTheNext) {
    q.errorFor = [](const QString& s) {
        return s.startsWith(QLatin1String("insert into type_in values ('P3$")) ? QStringLiteral("Duplicate entry")
                                                                                : QString();
    };
    const auto out = write({QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3"), QStringLiteral("P4"),
                            QStringLiteral("P5")});
    const QStringList expected = QStringList{begin} + run(0) + run(1) + run(2, 6) +
                                 QStringList{QStringLiteral("select @@in_transaction")} + run(3) + run(4) +
                                 QStringList{commit};
    EXPECT_EQ(q.statements(), expected);
    // One job up to the failing paper, one for the rest.
    EXPECT_EQ(q.jobStarts, (QVector<qsizetype>{1, 1 + 2 * 7 + 6 + 1}));
    ASSERT_EQ(out.size(), 5);
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(out[i].outcome, Outcome::Imported) << i;
    EXPECT_EQ(out[2].outcome, Outcome::Failed);
    EXPECT_EQ(out[2].reason, QStringLiteral("Duplicate entry"));
    EXPECT_EQ(summary.imported, 4);
}

TEST_F(WriterRuns, APaperLeavingARowOutAndAFailingHookEndTheirJob) {
    q.countFor = [](const QString& s) { return s.startsWith(QLatin1String("insert into main values ('P2$")) ? 0 : 1; };
    const auto out = write({QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3"),
                            QStringLiteral("hook fails"), QStringLiteral("P5")});
    // The failing hook is the first of the paper's: its savepoint and main row
    // go before it, then are undone.
    const QStringList expected = QStringList{begin} + run(0) + run(1) + QStringList{undo} + run(2) + run(3, 2) +
                                 QStringList{undo} + run(4) + QStringList{commit};
    EXPECT_EQ(q.statements(), expected);
    EXPECT_EQ(q.jobStarts, (QVector<qsizetype>{1, 1 + 2 * 7 + 1, 1 + 3 * 7 + 3 + 1}));
    EXPECT_EQ(out[1].outcome, Outcome::Failed);
    EXPECT_EQ(out[1].reason, QStringLiteral("有语句未影响任何行（未知错误）"));
    EXPECT_EQ(out[3].outcome, Outcome::Failed);
    EXPECT_EQ(out[3].reason, QStringLiteral("钩子出错"));
    for (int i : {0, 2, 4}) EXPECT_EQ(out[i].outcome, Outcome::Imported) << i;
}

// The user stops after the second paper while the papers after it were sent
// in the same job: they are taken back and only the first two are committed.
TEST_F(WriterRuns, AStopAfterAPaperTakesBackThePapersSentWithIt) {
    QVector<int> calls;
    const auto out = write({QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("A4")},
                           [&](int done, int) {
                               calls << done;
                               return done < 2;
                           });
    const QStringList expected = QStringList{begin} + run(0) + run(1) + run(2) + run(3) +
                                 QStringList{QStringLiteral("rollback"), begin} + run(0) + run(1) + QStringList{commit};
    EXPECT_EQ(q.statements(), expected);
    EXPECT_EQ(calls, (QVector<int>{1, 2}));
    EXPECT_EQ(out[0].outcome, Outcome::Imported);
    EXPECT_EQ(out[1].outcome, Outcome::Imported);
    EXPECT_EQ(out[2].outcome, Outcome::NotWritten);
    EXPECT_EQ(out[3].outcome, Outcome::NotWritten);
    EXPECT_EQ(summary.stopReason, QStringLiteral("用户取消"));
    EXPECT_EQ(summary.notWritten, 2);

    // A stop after the last paper of a job sends nothing more.
    q.sent.clear();
    write({QStringLiteral("B1"), QStringLiteral("B2")}, [](int done, int) { return done < 2; });
    EXPECT_EQ(q.statements(), QStringList{begin} + run(0) + run(1) + QStringList{commit});
}

}  // namespace
