#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "admin/windows/TForm_user_table.h"
#include "catalogue/windows/TForm_select_d.h"
#include "window/Form.h"
#include "exchange/windows/ExportMenu.h"
#include "catalogue/SelectStatements.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "exchange/FileImport.h"
#include "exchange/GridExport.h"
#include "exchange/PaperWriter.h"
#include "scripting/ScriptEngine.h"
#include "support/TestDb.h"

namespace {

using namespace exchange;

// Every row of the four paper tables that an import writes as they are, and
// the keys of type_in (whose typist and date are the importer's).
QStringList catalogue() {
    QStringList rows;
    auto all = [&](const QString& table, const QStringList& columns) {
        QStringList parts;
        for (const QString& c : columns) parts << QStringLiteral("coalesce(%1,'<NULL>')").arg(c);
        rows << table + QStringLiteral(":") +
                    testdb::column(QStringLiteral("select concat_ws('|',%1) from %2 order by Paperid")
                                       .arg(parts.join(QLatin1Char(',')), table))
                        .join(QStringLiteral("\n"));
    };
    all(QStringLiteral("main"), {QStringLiteral("Paperid"), QStringLiteral("title"), QStringLiteral("author_1"),
                                 QStringLiteral("pub_time")});
    all(QStringLiteral("author_all"), {QStringLiteral("Paperid"), QStringLiteral("author_1"), QStringLiteral("author_2"),
                                       QStringLiteral("author_3"), QStringLiteral("author_4"), QStringLiteral("author_5")});
    // Keywords in order; the entry logic (its hook) fills the columns from
    // the first one on, so a paper whose first columns are empty comes back
    // with its keywords moved up.
    QStringList k;
    for (int i = 1; i <= 9; ++i) k << QStringLiteral("kword_%1").arg(i);
    rows << QStringLiteral("kword_all:") +
                testdb::column(QStringLiteral("select concat(Paperid,'|',concat_ws('|',%1,kword_a)) from kword_all "
                                              "order by Paperid").arg(k.join(QLatin1Char(','))))
                    .join(QStringLiteral("\n"));
    all(QStringLiteral("address"), {QStringLiteral("Paperid"), QStringLiteral("filename"), QStringLiteral("dir"),
                                    QStringLiteral("catalog"), QStringLiteral("remark")});
    all(QStringLiteral("type_in"), {QStringLiteral("Paperid")});
    return rows;
}

void emptyPapers() {
    for (const char* t : {"main", "author_all", "kword_all", "address", "type_in"})
        testdb::exec(QStringLiteral("delete from %1").arg(QLatin1String(t)));
}

TEST(ExportImport, EachFormatGivesBackTheSamePapersRowForRow) {
    testdb::loadSample();
    // One paper with every character that BibTeX, RIS or CSV treat specially.
    testdb::exec(QStringLiteral(
        "insert into main values ('T {x} \\\\ $5 & 100% a_b #1 ~ ^ \"q\" it''s, ok$Müller, Jörg$2001',"
        "'T {x} \\\\ $5 & 100% a_b #1 ~ ^ \"q\" it''s, ok','Müller, Jörg','2001')"));
    const QString key = db::sqlQuote(testdb::scalar(QStringLiteral("select Paperid from main where pub_time='2001'")));
    testdb::exec(QStringLiteral("insert into author_all values ('%1','Müller, Jörg','{Acme} Lab','张 三',null,null)").arg(key));
    testdb::exec(QStringLiteral("insert into kword_all (Paperid,kword_1,kword_2) values ('%1','key word','数据')").arg(key));
    testdb::exec(QStringLiteral("insert into address values ('%1','a b.pdf','D:\\\\论文\\\\x',null,'line; with, marks')").arg(key));
    testdb::exec(QStringLiteral("insert into type_in values ('%1','editor','2024-01-01')").arg(key));
    const QStringList before = catalogue();

    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    catalogue::search::Outputs all;
    all.fill(true);
    catalogue::search::Ticks none{};
    q.openSql(catalogue::search::detailedStatement(all, none, {}));
    const auto result = q.result();
    ASSERT_TRUE(result);
    ASSERT_TRUE(hasPaperColumns(*result));
    const auto rows = paperRows(*result);
    const QByteArray csv = csvBytes(*result);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QString bib = toBibtex(rows);
    const QString ris = toRis(rows);
    q.close();

    scripting::ScriptEngine hooks;
    QTemporaryDir dir;
    for (const auto& [name, bytes] : std::initializer_list<std::pair<const char*, QByteArray>>{
             {"out.csv", csv}, {"out.bib", bib.toUtf8()}, {"out.ris", ris.toUtf8()}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        emptyPapers();
        const FileRead read = readFile(path);
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        ASSERT_EQ(read.records.size(), before.first().count(QLatin1Char('\n')) + 1);
        const auto papers = checkRecords(read.records, MappingOptions{QStringLiteral("D:")}, {});
        QVector<WriteJob> jobs;
        for (int i = 0; i < papers.size(); ++i) jobs.push_back({i, &papers[i], false});
        PaperWriter writer(q, hooks, WriteOptions{QStringLiteral("importer"), QStringLiteral("2026-01-02")});
        writer.write(jobs);
        EXPECT_EQ(writer.summary().imported, papers.size()) << writer.summary().text().toStdString();
        const QStringList after = catalogue();
        for (int t = 0; t < before.size(); ++t) EXPECT_EQ(after[t].toStdString(), before[t].toStdString());
    }
}

}  // namespace


namespace {

using namespace exchange;

TEST(GridExportMenu, TheQuickSearchSavesCsvBibtexAndRisAndTheUserTableCsvOnly) {
    testdb::loadSample();
    QTemporaryDir dir;
    auto* search = db::Form::open<TForm_select_d>(QStringLiteral("editor"), testdb::paperConnection());
    search->Button_scan->click();
    const QString csv = dir.filePath(QStringLiteral("s.csv"));
    EXPECT_EQ(ExportMenu::exportTo(*search->DBGrid1, csv), QString());
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF论文题目,论文一作,发表时间,论文文件名,保存文件夹\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 13);  // the titles and twelve papers
    EXPECT_EQ(ExportMenu::exportTo(*search->DBGrid1, dir.filePath(QStringLiteral("s.bib"))), QString());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("s.bib"))).records.size(), 12);
    EXPECT_EQ(ExportMenu::exportTo(*search->DBGrid1, dir.filePath(QStringLiteral("s.ris"))), QString());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("s.ris"))).records.size(), 12);
    // sorted by a header click, the rows are saved in the order shown
    search->DBGrid1->sortProxy().sortBy(2, Qt::DescendingOrder);
    EXPECT_EQ(ExportMenu::exportTo(*search->DBGrid1, csv), QString());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    f.close();
    const QString newest = search->DBGrid1->model()->index(0, 2).data().toString();
    EXPECT_EQ(QString::fromUtf8(lines[1]).section(QLatin1Char(','), 2, 2), newest);
    EXPECT_GE(newest, QString::fromUtf8(lines[12]).section(QLatin1Char(','), 2, 2));

    auto* users = db::Form::open<TForm_user_table>(QStringLiteral("admin"), testdb::paperConnection());
    EXPECT_EQ(ExportMenu::exportTo(*users->DBGrid1, dir.filePath(QStringLiteral("u.csv"))), QString());
    EXPECT_FALSE(ExportMenu::exportTo(*users->DBGrid1, dir.filePath(QStringLiteral("u.bib"))).isEmpty());
    delete search;
    delete users;
}

}  // namespace
