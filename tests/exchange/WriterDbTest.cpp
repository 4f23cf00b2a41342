#include <gtest/gtest.h>

#include <QTimer>

#include "catalogue/InsertPaper.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "exchange/PaperCheck.h"
#include "exchange/PaperWriter.h"
#include "exchange/PreviewModel.h"
#include "scripting/ScriptEngine.h"
#include "support/FakeQuery.h"
#include "support/TestDb.h"

namespace {

using namespace exchange;

PaperRecord record(const QString& title, const QString& remark = {}) {
    PaperRecord r;
    r.sourceKey = title.toLower();
    r.title = title;
    r.authors = {QStringLiteral("张三"), QStringLiteral("Knuth, Donald E."), QStringLiteral("李四")};
    r.date = QStringLiteral("2020-05");
    r.keywords = {QStringLiteral("数据库"), QStringLiteral("import")};
    r.category = QStringLiteral("article");
    r.remark = remark;
    return r;
}

// The rows of a key in main, address, type_in, author_all, kword_all.
QList<qint64> rowsOf(const QString& key) {
    QList<qint64> n;
    for (const char* t : {"main", "address", "type_in", "author_all", "kword_all"})
        n << testdb::count(QString::fromLatin1(t), QStringLiteral("Paperid='") + key + QLatin1Char('\''));
    return n;
}
const QList<qint64> kWhole{1, 1, 1, 1, 1};
const QList<qint64> kNone{0, 0, 0, 0, 0};

// The real hooks, failing on purpose for a paper whose key names "hook fails".
class Hooks : public scripting::HookCaller {
public:
    QString call(const QString& module, const QString& function, const QStringList& args) override {
        if (args.last().contains(QLatin1String("hook fails")))
            throw scripting::HookError(QStringLiteral("ValueError: 钩子出错"));
        return engine_.call(module, function, args);
    }

private:
    scripting::ScriptEngine engine_;
};

class WriterDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        q.setRunsTogether(true);  // as the import windows have it
        q.setConnectionString(testdb::paperConnection());
        options.typist = QStringLiteral("importer");
        options.date = QStringLiteral("2026-01-02");
        options.defaultDir = QStringLiteral("D:\\papers");
    }
    QVector<PaperOutcome> write(const QVector<PaperRecord>& records, const PaperWriter::Progress& progress = {}) {
        const QSet<QString> present = catalogueKeys(q);
        papers = checkRecords(records, MappingOptions{options.defaultDir}, present);
        QVector<WriteJob> jobs;
        for (int i = 0; i < papers.size(); ++i) jobs.push_back({i, &papers[i], present.contains(papers[i].key)});
        PaperWriter writer(q, hooks, WriteOptions{options.typist, options.date, options.update, options.perCommit});
        auto out = writer.write(jobs, progress);
        summary = writer.summary();
        return out;
    }
    struct {
        QString typist, date, defaultDir;
        bool update = false;
        int perCommit = 500;
    } options;
    db::OdbcQuery q;
    Hooks hooks;
    QVector<CheckedPaper> papers;
    Summary summary;
};

TEST_F(WriterDb, WritesEachPaperThroughTheEntryLogicWithHooksTypistAndDate) {
    const auto out = write({record(QStringLiteral("First"), QStringLiteral("note"))});
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0].outcome, Outcome::Imported) << out[0].reason.toStdString();
    const QString key = QStringLiteral("First$张三$2020-05");
    EXPECT_EQ(rowsOf(key), kWhole);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(author_2,'|',author_3,'|',coalesce(author_4,'-')) from author_all")),
              QStringLiteral("Knuth, Donald E.|李四|-"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(kword_1,'|',kword_2) from kword_all")), QStringLiteral("数据库|import"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(filename,'|',dir,'|',catalog,'|',remark) from address")),
              QStringLiteral("first.pdf|D:\\papers|article|note"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat(typist,'|',type_time) from type_in")),
              QStringLiteral("importer|2026-01-02"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select @@in_transaction")), QStringLiteral("0"));
}

TEST_F(WriterDb, AFailingPaperIsRolledBackAloneAndTheOthersCommit) {
    // The second paper's type_in row is already there: its main, author,
    // address and keyword rows go in first and must be undone.
    testdb::exec(QStringLiteral("insert into type_in values ('Second$张三$2020-05','x','2000-01-01')"));
    options.perCommit = 2;
    const auto out = write({record(QStringLiteral("First")), record(QStringLiteral("Second")),
                            record(QStringLiteral("hook fails")), record(QStringLiteral("Fourth")),
                            record(QStringLiteral("Fifth"))});
    ASSERT_EQ(out.size(), 5);
    EXPECT_EQ(out[0].outcome, Outcome::Imported);
    EXPECT_EQ(out[1].outcome, Outcome::Failed);
    EXPECT_TRUE(out[1].reason.contains(QLatin1String("Duplicate"))) << out[1].reason.toStdString();
    EXPECT_EQ(out[2].outcome, Outcome::Failed);
    EXPECT_EQ(out[2].reason, QStringLiteral("ValueError: 钩子出错"));
    EXPECT_EQ(out[3].outcome, Outcome::Imported);
    EXPECT_EQ(out[4].outcome, Outcome::Imported);
    EXPECT_EQ(rowsOf(QStringLiteral("First$张三$2020-05")), kWhole);
    EXPECT_EQ(rowsOf(QStringLiteral("Second$张三$2020-05")), (QList<qint64>{0, 0, 1, 0, 0}));
    EXPECT_EQ(rowsOf(QStringLiteral("hook fails$张三$2020-05")), kNone);
    EXPECT_EQ(rowsOf(QStringLiteral("Fifth$张三$2020-05")), kWhole);
    EXPECT_EQ(summary.imported, 3);
    EXPECT_EQ(summary.failed, 2);
    EXPECT_TRUE(summary.text().contains(QStringLiteral("hook fails$张三$2020-05：ValueError: 钩子出错")));
}

// A batch that loses to a conflict (another node's change, or a deadlock) is
// written again from its first paper; one that keeps losing stops the import.
// The conflict is raised by a trigger as the server raises it.
TEST_F(WriterDb, ABatchThatLosesToAConflictIsWrittenAgain) {
    testdb::exec(QStringLiteral(
        "create or replace trigger conflict_on_c2 before insert on type_in for each row "
        "if @conflicts > 0 and new.Paperid like 'C2$%' then set @conflicts = @conflicts - 1; "
        "signal sqlstate '40001' set mysql_errno = 1213, message_text = 'Deadlock found when trying to get lock'; "
        "end if"));
    options.perCommit = 2;
    const QVector<PaperRecord> records{record(QStringLiteral("C1")), record(QStringLiteral("C2")),
                                       record(QStringLiteral("C3"))};
    q.execSql(QStringLiteral("set @conflicts = 1"));
    auto out = write(records);
    EXPECT_EQ(summary.imported, 3);
    for (const char* key : {"C1$张三$2020-05", "C2$张三$2020-05", "C3$张三$2020-05"})
        EXPECT_EQ(rowsOf(QString::fromUtf8(key)), kWhole) << key;

    testdb::reset();
    q.execSql(QStringLiteral("set @conflicts = 99"));
    out = write(records);
    testdb::exec(QStringLiteral("drop trigger conflict_on_c2"));
    EXPECT_EQ(out[0].outcome, Outcome::Failed);
    EXPECT_EQ(out[1].outcome, Outcome::Failed);
    EXPECT_EQ(out[2].outcome, Outcome::NotWritten);
    EXPECT_TRUE(summary.stopReason.contains(QLatin1String("Deadlock"))) << summary.stopReason.toStdString();
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 0);
}

TEST_F(WriterDb, CancelStopsAfterTheCurrentPaperAndKeepsWhatWasWritten) {
    const auto out = write({record(QStringLiteral("A1")), record(QStringLiteral("A2")), record(QStringLiteral("A3")),
                            record(QStringLiteral("A4"))},
                           [](int done, int) { return done < 2; });
    EXPECT_EQ(out[1].outcome, Outcome::Imported);
    EXPECT_EQ(out[2].outcome, Outcome::NotWritten);
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 2);
    EXPECT_EQ(testdb::count(QStringLiteral("type_in")), 2);
    EXPECT_EQ(summary.notWritten, 2);
    EXPECT_EQ(summary.stopReason, QStringLiteral("用户取消"));
}

TEST_F(WriterDb, PapersAlreadyPresentAreSkippedOrUpdated) {
    write({record(QStringLiteral("Kept"), QStringLiteral("old"))});
    const QString key = QStringLiteral("Kept$张三$2020-05");
    auto out = write({record(QStringLiteral("Kept"), QStringLiteral("new")), record(QStringLiteral("Other"))});
    EXPECT_EQ(papers[0].status, Status::Present);
    EXPECT_EQ(out[0].outcome, Outcome::Skipped);
    EXPECT_EQ(out[1].outcome, Outcome::Imported);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select remark from address where Paperid='") + key + "'"), QStringLiteral("old"));

    options.update = true;
    PaperRecord changed = record(QStringLiteral("Kept"), QStringLiteral("new"));
    changed.authors << QStringLiteral("王五");
    out = write({changed});
    EXPECT_EQ(out[0].outcome, Outcome::Updated) << out[0].reason.toStdString();
    EXPECT_EQ(rowsOf(key), kWhole);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select remark from address where Paperid='") + key + "'"), QStringLiteral("new"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select author_4 from author_all where Paperid='") + key + "'"), QStringLiteral("王五"));
    EXPECT_EQ(summary.updated, 1);
}


// "取消" of the busy box while a statement of the import runs (a slow
// trigger here): the import stops there, as with the window's own "取消";
// the papers before it stay written, nothing is reported as failed.
TEST_F(WriterDb, TheBusyBoxCancelStopsTheImportAndKeepsThePapersBefore) {
    testdb::exec(QStringLiteral("create or replace trigger slow_s3 before insert on type_in for each row "
                                "if new.Paperid like 'S3$%' then set @slept = sleep(20); end if"));
    QTimer::singleShot(1500, &q, [this] { q.cancel(); });
    const auto out = write({record(QStringLiteral("S1")), record(QStringLiteral("S2")), record(QStringLiteral("S3")),
                            record(QStringLiteral("S4"))});
    testdb::exec(QStringLiteral("drop trigger slow_s3"));
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0].outcome, Outcome::Imported) << out[0].reason.toStdString();
    EXPECT_EQ(out[1].outcome, Outcome::Imported) << out[1].reason.toStdString();
    EXPECT_EQ(out[2].outcome, Outcome::NotWritten);
    EXPECT_EQ(out[3].outcome, Outcome::NotWritten);
    EXPECT_EQ(summary.failed, 0) << summary.text().toStdString();
    EXPECT_EQ(summary.stopReason, QStringLiteral("用户取消"));
    EXPECT_EQ(rowsOf(QStringLiteral("S1$张三$2020-05")), kWhole);
    EXPECT_EQ(rowsOf(QStringLiteral("S2$张三$2020-05")), kWhole);
    EXPECT_EQ(rowsOf(QStringLiteral("S3$张三$2020-05")), kNone);
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 2);
}

// A query object whose connection goes while "commit" is on its way: after
// the server committed (the answer is lost) or before.
class LostAtCommit : public db::Query {
public:
    LostAtCommit(db::Query& inner, bool committed) : inner_(inner), committed_(committed) {}
    void setConnectionString(const QString& t) override { inner_.setConnectionString(t); }
    QString connectionString() const override { return inner_.connectionString(); }
    void close() override { inner_.close(); }
    void setSql(const QString& s) override { inner_.setSql(s); }
    QString sql() const override { return inner_.sql(); }
    void open() override { inner_.open(); }
    qint64 execSql() override {
        if (inner_.sql() == QLatin1String("commit") && !lost_) {
            lost_ = true;
            if (committed_) inner_.execSql(); else inner_.execSql(QStringLiteral("rollback"));
            throw db::DbError(QStringLiteral("Lost connection to server during query"), QStringLiteral("08S01"), 2013);
        }
        return inner_.execSql();
    }
    using db::Query::execSql;
    bool run() override { return inner_.run(); }
    bool isOpen() const override { return inner_.isOpen(); }
    QString field(int c) const override { return inner_.field(c); }
    qint64 recordCount() const override { return inner_.recordCount(); }
    void next() override { inner_.next(); }
    bool eof() const override { return inner_.eof(); }
    std::shared_ptr<const db::ResultSet> result() const override { return inner_.result(); }

private:
    db::Query& inner_;
    bool committed_;
    bool lost_ = false;
};

TEST_F(WriterDb, AConnectionLostDuringCommitReportsWhatTheServerHolds) {
    for (const bool committed : {true, false}) {
        SCOPED_TRACE(committed ? "committed" : "not committed");
        testdb::reset();
        papers = checkRecords({record(QStringLiteral("L1")), record(QStringLiteral("L2")), record(QStringLiteral("L3"))},
                              MappingOptions{options.defaultDir}, {});
        QVector<WriteJob> jobs;
        for (int i = 0; i < papers.size(); ++i) jobs.push_back({i, &papers[i], false});
        LostAtCommit lost(q, committed);
        PaperWriter writer(lost, hooks, WriteOptions{options.typist, options.date, false, 2});
        const auto out = writer.write(jobs);
        ASSERT_EQ(out.size(), 3);
        const Outcome first = committed ? Outcome::Imported : Outcome::Failed;
        EXPECT_EQ(out[0].outcome, first) << out[0].reason.toStdString();
        EXPECT_EQ(out[1].outcome, first) << out[1].reason.toStdString();
        EXPECT_EQ(out[2].outcome, Outcome::NotWritten);
        EXPECT_EQ(writer.summary().imported, committed ? 2 : 0);
        EXPECT_EQ(testdb::count(QStringLiteral("main")), committed ? 2 : 0);
        EXPECT_TRUE(writer.summary().stopReason.contains(QLatin1String("Lost connection")));
    }
}

TEST(PreviewEditing, ClearingTheFirstAuthorMarksTheRowInsteadOfMovingTheSecondUp) {
    PreviewModel m;
    m.setEditable(true);
    m.setOptions(MappingOptions{QStringLiteral("D:\\papers")});
    m.setRecords({record(QStringLiteral("Edited"))});
    ASSERT_EQ(m.papers()[0].status, Status::Ready);
    ASSERT_TRUE(m.setData(m.index(0, PreviewModel::Author), QString()));
    EXPECT_EQ(m.papers()[0].status, Status::Unusable);
    EXPECT_TRUE(m.papers()[0].notes.contains(QStringLiteral("缺少论文一作")));
    EXPECT_EQ(m.papers()[0].entry.author, QString());
    EXPECT_FALSE(m.isTicked(0));
}

TEST(QuerySavepoint, AFailureAfterASavepointUndoesOnlyWhatFollowsIt) {
    testdb::reset();
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into author_info values ('a','a@x')"));
    q.execSql(QStringLiteral("savepoint paper"));
    q.execSql(QStringLiteral("insert into author_info values ('b','b@x')"));
    EXPECT_THROW(q.execSql(QStringLiteral("insert into no_such_table values (1)")), db::DbError);
    EXPECT_TRUE(q.inTransaction());
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::column(QStringLiteral("select author from author_info order by author")), QStringList{QStringLiteral("a")});

    // Without a savepoint a failure still ends the whole transaction.
    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("insert into author_info values ('c','c@x')"));
    EXPECT_THROW(q.execSql(QStringLiteral("insert into no_such_table values (1)")), db::DbError);
    EXPECT_FALSE(q.inTransaction());
    q.execSql(QStringLiteral("commit"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 1);
}

// A savepoint the server refuses puts the whole batch in doubt: the import
// stops there, rolled back, and nothing of the paper is sent after it; one
// failed paper is not counted and the writing does not go on.
TEST(WriterSavepoint, ARefusedSavepointStopsTheBatchAndSendsNothingOfThePaper) {
    FakeQuery q;
    q.errorFor = [](const QString& s) {
        return s == QLatin1String("savepoint paper") ? QStringLiteral("保存点出错") : QString();
    };
    const QVector<CheckedPaper> papers = checkRecords({record(QStringLiteral("One")), record(QStringLiteral("Two"))},
                                                      MappingOptions{QStringLiteral("D:\\papers")}, {});
    QVector<WriteJob> jobs;
    for (int i = 0; i < papers.size(); ++i) jobs.push_back({i, &papers[i], false});
    Hooks hooks;
    PaperWriter writer(q, hooks, WriteOptions{QStringLiteral("importer"), QStringLiteral("2026-01-02"), false, 500});
    const QVector<PaperOutcome> out = writer.write(jobs, {});
    EXPECT_EQ(q.statements(), (QStringList{QStringLiteral("begin"), QStringLiteral("savepoint paper"),
                                           QStringLiteral("rollback")}));
    EXPECT_EQ(writer.summary().stopReason, QStringLiteral("保存点出错"));
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].outcome, Outcome::Failed);
    EXPECT_EQ(out[1].outcome, Outcome::NotWritten);
}

}  // namespace
