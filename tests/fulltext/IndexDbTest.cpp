#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QMap>
#include <QPointer>
#include <QRegularExpression>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "FulltextFixture.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/UpdatePaper.h"
#include "exchange/PaperCheck.h"
#include "exchange/PaperWriter.h"
#include "fulltext/AfterChange.h"
#include "support/EntryForm.h"
#include "fulltext/IndexService.h"
#include "fulltext/IndexTables.h"
#include "fulltext/SearchEngine.h"
#include "fulltext/SegmentMerge.h"
#include "scripting/ScriptEngine.h"
#include "support/TestDb.h"

namespace {

class IndexDb : public FulltextDb {};

qint64 postingRows() { return testdb::count(QStringLiteral("fulltext_posting")); }

TEST_F(IndexDb, TheUpgradeScriptRunsTwiceKeepsTheIndexAndLeavesOtherTablesAlone) {
    addPaper(QStringLiteral("a"));
    fulltext::writeBatch(q, {file(QStringLiteral("a"), {QStringLiteral("hello world")})});
    const QString accounts = testdb::scalar(QStringLiteral("select count(*) from username_password"));
    const QString create = testdb::column(QStringLiteral("show create table username_rightid")).value(0);
    testdb::runFile(QStringLiteral("sql/upgrade-fulltext.sql"));
    testdb::runFile(QStringLiteral("sql/upgrade-fulltext.sql"));
    EXPECT_EQ(found(QStringLiteral("world")), QStringList{keyOf(QStringLiteral("a"))});
    EXPECT_EQ(testdb::scalar(QStringLiteral("select count(*) from username_password")), accounts);
    EXPECT_EQ(testdb::column(QStringLiteral("show create table username_rightid")).value(0), create);
    // InnoDB, each with a primary key
    EXPECT_EQ(testdb::scalar(QStringLiteral(
                  "select count(*) from information_schema.tables t join information_schema.table_constraints c "
                  "on c.table_schema=t.table_schema and c.table_name=t.table_name and c.constraint_type='PRIMARY KEY' "
                  "where t.table_schema=database() and t.table_name like 'fulltext%' and t.engine='InnoDB'")),
              QStringLiteral("3"));
}

// The index tables stand in the schema of a new database and in the upgrade
// of an old one: the server makes the same tables of both.
TEST_F(IndexDb, TheUpgradeScriptMakesTheTablesOfTheSchema) {
    auto made = [] {
        QMap<QString, QString> out;
        for (const QString& table : testdb::column(QStringLiteral(
                 "select table_name from information_schema.tables where table_schema=database() "
                 "and table_name like 'fulltext%'"))) {
            db::OdbcQuery& a = testdb::admin();
            a.openSql(QStringLiteral("show create table ") + table);
            out.insert(table, a.field(1).replace(QRegularExpression(QStringLiteral(" AUTO_INCREMENT=\\d+")), QString()));
            a.close();
        }
        return out;
    };
    auto drop = [] {
        testdb::exec(QStringLiteral("drop table if exists fulltext_posting, fulltext_page, fulltext_doc"));
    };
    QFile f(QStringLiteral(SOURCE_DIR "/sql/schema.sql"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    static const QRegularExpression create(QStringLiteral("CREATE TABLE[^;]*? (fulltext_\\w+) \\(.*?\\) ENGINE=[^;]*;"),
                                           QRegularExpression::DotMatchesEverythingOption);
    drop();
    int statements = 0;
    for (auto it = create.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext(); ++statements)
        testdb::exec(it.next().captured(0).chopped(1));
    const QMap<QString, QString> schema = made();
    EXPECT_EQ(statements, 3);
    EXPECT_EQ(schema.keys(), (QStringList{"fulltext_doc", "fulltext_page", "fulltext_posting"}));
    drop();
    testdb::runFile(QStringLiteral("sql/upgrade-fulltext.sql"));
    const QMap<QString, QString> upgrade = made();
    EXPECT_EQ(upgrade.keys(), schema.keys());
    for (const QString& table : schema.keys()) EXPECT_EQ(upgrade.value(table).toStdString(), schema.value(table).toStdString());
}

TEST_F(IndexDb, ChangesOfAPaperTakeItsIndexAlongInTheSameTransaction) {
    scripting::ScriptEngine hooks;
    for (const char* t : {"first", "second", "third"}) addPaper(QString::fromLatin1(t));
    addPaper(QStringLiteral("alone"));
    fulltext::writeBatch(q, {file(QStringLiteral("first"), {QStringLiteral("shared alpha")}),
                             file(QStringLiteral("second"), {QStringLiteral("shared beta")}),
                             file(QStringLiteral("third"), {QStringLiteral("shared gamma 伽马")})});
    fulltext::writeBatch(q, {file(QStringLiteral("alone"), {QStringLiteral("solitary words only here")})});

    // a new title: the document follows the new key
    catalogue::update::MainChange m;
    m.title = QStringLiteral("first");
    m.author = QStringLiteral("作者");
    m.date = QStringLiteral("2024");
    m.newTitle = QStringLiteral("renamed");
    ASSERT_EQ(catalogue::update::updateMain(q, m).caption, QStringLiteral("成功"));
    EXPECT_EQ(found(QStringLiteral("alpha")), QStringList{keyOf(QStringLiteral("renamed"))});

    // another file: postings of the old one are gone from the shared segment
    catalogue::update::OtherChange o;
    o.title = QStringLiteral("second");
    o.author = QStringLiteral("作者");
    o.date = QStringLiteral("2024");
    o.ticked[catalogue::update::Filename] = true;
    o.text[catalogue::update::Filename] = QStringLiteral("other.pdf");
    const qint64 before = postingRows();
    ASSERT_TRUE(catalogue::update::updateOther(q, hooks, o).committed);
    EXPECT_TRUE(found(QStringLiteral("beta")).isEmpty());
    EXPECT_EQ(postingRows(), before - 1);  // "beta" was only there; "shared" stays for two
    EXPECT_EQ(found(QStringLiteral("shared")).size(), 2);
    EXPECT_EQ(testdb::count(QStringLiteral("fulltext_page"), QStringLiteral("doc_id not in (select doc_id from fulltext_doc)")), 0);

    // a removal that is rolled back keeps the index; one that commits drops it
    testdb::exec(QStringLiteral("delete from type_in where Paperid='") + keyOf(QStringLiteral("third")) + QLatin1Char('\''));
    EXPECT_EQ(catalogue::removal::removePaper(q, QStringLiteral("third"), QStringLiteral("作者"), QStringLiteral("2024")).caption,
              QStringLiteral("失败"));
    EXPECT_EQ(found(QStringLiteral("伽马")), QStringList{keyOf(QStringLiteral("third"))});
    const qint64 withAlone = postingRows();
    ASSERT_EQ(catalogue::removal::removePaper(q, QStringLiteral("alone"), QStringLiteral("作者"), QStringLiteral("2024")).caption,
              QStringLiteral("成功"));
    EXPECT_EQ(postingRows(), withAlone - 5);  // the segment of its own went whole: 4 words and its listing
    EXPECT_EQ(testdb::count(QStringLiteral("fulltext_doc")), 2);
}

TEST_F(IndexDb, SmallSegmentsAreMergedAndStaySearchableAndRemovable) {
    scripting::ScriptEngine hooks;
    QStringList titles;
    for (int i = 0; i < 6; ++i) {  // one segment a paper, as entries leave them
        titles << QStringLiteral("paper%1").arg(i);
        addPaper(titles.last());
        fulltext::writeBatch(q, {file(titles.last(), {QStringLiteral("common words 深度学习 unique%1").arg(i),
                                                      QStringLiteral("second page common")})});
    }
    const QString segments = QStringLiteral("select count(distinct seg) from fulltext_doc");
    EXPECT_EQ(testdb::scalar(segments), QStringLiteral("6"));
    EXPECT_EQ(fulltext::mergeSmallSegments(q, 100, 7), 0);  // fewer than asked for: left alone
    EXPECT_EQ(testdb::scalar(segments), QStringLiteral("6"));
    const QStringList before = found(QStringLiteral("\"common words\" 深度学习"));
    EXPECT_EQ(before.size(), 6);

    EXPECT_EQ(fulltext::mergeSmallSegments(q, 100, 6), 6);
    EXPECT_EQ(testdb::scalar(segments), QStringLiteral("1"));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select count(*) from fulltext_posting where term='common'")), QStringLiteral("1"));
    EXPECT_EQ(found(QStringLiteral("\"common words\" 深度学习")), before);
    EXPECT_EQ(found(QStringLiteral("unique3")), QStringList{keyOf(QStringLiteral("paper3"))});
    const fulltext::SearchOutcome second = fulltext::search(q, QStringLiteral("\"page common\""));
    ASSERT_EQ(second.matches.size(), 6);
    EXPECT_EQ(second.matches.first().page, 2);

    // a paper removed afterwards takes its postings out of the merged lists
    ASSERT_EQ(catalogue::removal::removePaper(q, QStringLiteral("paper3"), QStringLiteral("作者"), QStringLiteral("2024")).caption,
              QStringLiteral("成功"));
    EXPECT_TRUE(found(QStringLiteral("unique3")).isEmpty());
    EXPECT_EQ(found(QStringLiteral("common")).size(), 5);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select count(*) from fulltext_posting where term='unique3'")), QStringLiteral("0"));
}

TEST_F(IndexDb, WithoutTheIndexTablesPaperChangesWorkAsBefore) {
    testdb::exec(QStringLiteral("drop table fulltext_posting"));
    addPaper(QStringLiteral("plain"));
    EXPECT_EQ(catalogue::removal::removePaper(q, QStringLiteral("plain"), QStringLiteral("作者"), QStringLiteral("2024")).caption,
              QStringLiteral("成功"));
}

// A PDF of three pages: English, Chinese, English.
void writeSample(const QString& path, const QString& extra = {}) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter p(&writer);
    p.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 12));
    p.drawText(QPointF(50, 100), QStringLiteral("Searching inside catalogued papers ") + extra);
    writer.newPage();
    p.drawText(QPointF(50, 100), QStringLiteral("中文全文检索的第二页"));
    writer.newPage();
    p.drawText(QPointF(50, 100), QStringLiteral("Third page mentions quantum entanglement"));
}

class IndexRunDb : public FulltextDb {
protected:
    void SetUp() override {
        FulltextDb::SetUp();
        ASSERT_TRUE(dir.isValid());
        auto& service = fulltext::IndexService::instance();
        service.setReaderProgram(QStringLiteral(BINARY_DIR "/paper_pdf_reader"));
        service.setLimits({});
        connection = QObject::connect(&service, &fulltext::IndexService::finished,
                             [this](const fulltext::IndexSummary& s) { summaries.append(s); });
    }
    void TearDown() override { QObject::disconnect(connection); }
    fulltext::IndexSummary build(const QStringList& keys = {}) {
        summaries.clear();
        fulltext::IndexService::instance().request(testdb::paperConnection(), keys);
        fulltext::IndexService::instance().waitUntilIdle();
        EXPECT_EQ(summaries.size(), 1);
        return summaries.value(0);
    }
    QTemporaryDir dir;
    QVector<fulltext::IndexSummary> summaries;
    QMetaObject::Connection connection;
};

TEST_F(IndexRunDb, FilesAreReadThroughTheReaderAndOnlyChangedOnesReadAgain) {
    writeSample(dir.filePath(QStringLiteral("paper.pdf")));
    QFile notPdf(dir.filePath(QStringLiteral("notes.pdf")));
    ASSERT_TRUE(notPdf.open(QIODevice::WriteOnly));
    notPdf.write("just text");
    notPdf.close();
    addPaper(QStringLiteral("paper"), dir.path(), QStringLiteral("paper.pdf"));
    addPaper(QStringLiteral("notes"), dir.path(), QStringLiteral("notes.pdf"));
    addPaper(QStringLiteral("missing"), dir.path(), QStringLiteral("missing.pdf"));

    fulltext::IndexSummary s = build();
    EXPECT_TRUE(s.error.isEmpty()) << s.error.toStdString();
    EXPECT_EQ(s.indexed, 2);
    // the sample papers' files are not on this machine either
    EXPECT_EQ(s.notFound.filter(dir.path()), QStringList{keyOf(QStringLiteral("missing")) + QStringLiteral("：") +
                                                         dir.filePath(QStringLiteral("missing.pdf"))});
    ASSERT_EQ(s.failed.size(), 1);
    EXPECT_TRUE(s.failed.first().endsWith(QStringLiteral("不是PDF文件")));
    EXPECT_EQ(found(QStringLiteral("全文检索")), QStringList{keyOf(QStringLiteral("paper"))});
    const fulltext::SearchOutcome out = fulltext::search(q, QStringLiteral("\"quantum entanglement\""));
    ASSERT_EQ(out.matches.size(), 1);
    EXPECT_EQ(out.matches.first().page, 3);

    // nothing changed: nothing read
    s = build();
    EXPECT_EQ(s.indexed, 0);
    EXPECT_EQ(s.unchanged, 2);
    // a new time, the same content: the hash says unchanged
    QFile f(dir.filePath(QStringLiteral("paper.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    f.close();
    s = build({keyOf(QStringLiteral("paper"))});
    EXPECT_EQ(s.indexed, 0);
    EXPECT_EQ(s.unchanged, 1);
    EXPECT_EQ(build().unchanged, 2);
    // new content: read again, the old text gone
    writeSample(dir.filePath(QStringLiteral("paper.pdf")), QStringLiteral("revised"));
    s = build();
    EXPECT_EQ(s.indexed, 1);
    EXPECT_EQ(found(QStringLiteral("revised")), QStringList{keyOf(QStringLiteral("paper"))});
    EXPECT_EQ(testdb::count(QStringLiteral("fulltext_doc")), 2);

    // the page limit
    fulltext::IndexLimits limits;
    limits.maxPages = 1;
    fulltext::IndexService::instance().setLimits(limits);
    writeSample(dir.filePath(QStringLiteral("paper.pdf")), QStringLiteral("again"));
    build();
    EXPECT_TRUE(found(QStringLiteral("全文检索")).isEmpty());
    EXPECT_EQ(found(QStringLiteral("again")).size(), 1);
}

// Batches are written on a connection of their own while the reader goes on:
// every batch lands, as a segment of its own, and the run ends after the last.
TEST_F(IndexRunDb, BatchesWrittenWhileTheNextFilesAreReadAllLand) {
    fulltext::IndexLimits limits;
    limits.batchFiles = 2;
    fulltext::IndexService::instance().setLimits(limits);
    QStringList keys;
    for (int i = 0; i < 7; ++i) {
        const QString name = QStringLiteral("batch%1").arg(i);
        writeSample(dir.filePath(name + QStringLiteral(".pdf")), QStringLiteral("marker%1").arg(i));
        addPaper(name, dir.path(), name + QStringLiteral(".pdf"));
        keys.append(keyOf(name));
    }
    const fulltext::IndexSummary s = build(keys);
    EXPECT_TRUE(s.error.isEmpty()) << s.error.toStdString();
    EXPECT_EQ(s.indexed, 7);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select count(distinct seg) from fulltext_doc")), QStringLiteral("4"));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(found(QStringLiteral("marker%1").arg(i)), QStringList{keys[i]});
    EXPECT_EQ(found(QStringLiteral("\"quantum entanglement\"")).size(), 7);
}

// A document indexed before pair terms existed is written again by the next
// whole-catalogue run, though its file did not change; then it is left alone.
TEST_F(IndexRunDb, AWholeCatalogueRunGivesOlderDocumentsTheirPairTerms) {
    writeSample(dir.filePath(QStringLiteral("old.pdf")), QStringLiteral("of the index"));
    addPaper(QStringLiteral("old"), dir.path(), QStringLiteral("old.pdf"));
    EXPECT_EQ(build().indexed, 1);
    const auto pairRows = [] {
        return testdb::scalar(QStringLiteral("select count(*) from fulltext_posting where term like '% %'")).toInt();
    };
    const int rows = pairRows();
    EXPECT_GE(rows, 3);  // "papers of", "of the", "the index" and the listing
    testdb::exec(QStringLiteral("delete from fulltext_posting where term like '% %'"));
    EXPECT_EQ(found(QStringLiteral("\"of the index\"")), QStringList{keyOf(QStringLiteral("old"))});
    EXPECT_EQ(build({keyOf(QStringLiteral("old"))}).unchanged, 1);  // a run for some papers leaves it
    EXPECT_EQ(pairRows(), 0);
    EXPECT_EQ(build().indexed, 1);
    EXPECT_EQ(pairRows(), rows);
    EXPECT_EQ(found(QStringLiteral("\"of the index\"")), QStringList{keyOf(QStringLiteral("old"))});
    const fulltext::IndexSummary again = build();
    EXPECT_EQ(again.indexed, 0);
    EXPECT_EQ(again.unchanged, 1);
}

TEST_F(IndexRunDb, ACancelledRunStopsAndKeepsWhatWasCommitted) {
    for (int i = 0; i < 6; ++i) {
        writeSample(dir.filePath(QStringLiteral("p%1.pdf").arg(i)));
        addPaper(QStringLiteral("p%1").arg(i), dir.path(), QStringLiteral("p%1.pdf").arg(i));
    }
    fulltext::IndexLimits limits;
    limits.batchFiles = 1;
    fulltext::IndexService& service = fulltext::IndexService::instance();
    service.setLimits(limits);
    summaries.clear();
    const auto c = QObject::connect(&service, &fulltext::IndexService::progress, [&](int done, int) {
        if (done == 2) service.cancel();
    });
    service.request(testdb::paperConnection());
    service.waitUntilIdle();
    QObject::disconnect(c);
    ASSERT_EQ(summaries.size(), 1);
    EXPECT_TRUE(summaries.first().cancelled);
    const qint64 docs = testdb::count(QStringLiteral("fulltext_doc"));
    EXPECT_GE(docs, 1);
    EXPECT_LT(docs, 6);
    // the next run completes the rest
    EXPECT_EQ(build().indexed, 6 - docs);
}

TEST_F(IndexRunDb, PapersEnteredOrImportedAreIndexedAfterTheirCommit) {
    writeSample(dir.filePath(QStringLiteral("entered.pdf")), QStringLiteral("enteredword"));
    QPointer<TForm_insert_d> w = db::Form::open<TForm_insert_d>(QStringLiteral("editor"), testdb::paperConnection());
    entryform::type(*w, {QStringLiteral("entered"), QStringLiteral("作者"), QStringLiteral("2024"),
                         QStringLiteral("entered.pdf"), dir.path(), QString()});
    w->Button_yes->click();
    fulltext::IndexService::instance().waitUntilIdle();
    delete w.data();
    ASSERT_EQ(summaries.size(), 1);
    EXPECT_EQ(summaries.first().indexed, 1);
    EXPECT_EQ(found(QStringLiteral("enteredword")), QStringList{keyOf(QStringLiteral("entered"))});

    writeSample(dir.filePath(QStringLiteral("imported.pdf")), QStringLiteral("importedword"));
    addPaper(QStringLiteral("imported"), dir.path(), QStringLiteral("imported.pdf"));
    exchange::CheckedPaper paper;
    paper.key = keyOf(QStringLiteral("imported"));
    paper.entry.filename = QStringLiteral("imported.pdf");
    exchange::WriteJob job;
    job.paper = &paper;
    exchange::PaperOutcome skipped, imported;
    skipped.outcome = exchange::Outcome::Skipped;
    imported.outcome = exchange::Outcome::Imported;
    summaries.clear();
    fulltext::indexImported(testdb::paperConnection(), {job}, {skipped});
    fulltext::IndexService::instance().waitUntilIdle();
    EXPECT_TRUE(summaries.isEmpty());
    fulltext::indexImported(testdb::paperConnection(), {job}, {imported});
    fulltext::IndexService::instance().waitUntilIdle();
    EXPECT_EQ(found(QStringLiteral("importedword")), QStringList{keyOf(QStringLiteral("imported"))});
}

}  // namespace
