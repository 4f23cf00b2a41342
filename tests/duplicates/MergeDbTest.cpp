#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "../catalogue/PaperTestSupport.h"
#include "DupTestSupport.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/UpdatePaper.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "db/Schema.h"
#include "duplicates/CatalogueScan.h"
#include "duplicates/Merge.h"
#include "scripting/ScriptEngine.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using namespace duplicates;
using duptest::Paper;

const Paper kA{QStringLiteral("Graph neural networks: a review of methods"), QStringLiteral("Zhou, Jie"),
               QStringLiteral("2020-01-01"), QStringLiteral("Cui, Ganqu；Zhang, Zhengyan"), QStringLiteral("GNN；review"),
               QString(), QStringLiteral("arXiv:1812.08434"), QStringLiteral("2024-03-01")};
const Paper kB{QStringLiteral("GRAPH NEURAL NETWORKS: A REVIEW OF METHODS."), QStringLiteral("Jie Zhou"),
               QStringLiteral("2019-12-01"), QStringLiteral("Ganqu Cui；Hu, Shengding"), QStringLiteral("graph；gnn"),
               QStringLiteral("机器学习"), QStringLiteral("AI Open 1:57-81"), QStringLiteral("2024-01-01")};
const Paper kC{QStringLiteral("基于深度学习的中文分词方法研究"), QStringLiteral("张三"), QStringLiteral("2019-05-01"), {}, {},
               {}, {}, QStringLiteral("2024-02-01")};
const Paper kD{QStringLiteral("基于深度学习的中文分词方法研究——以新闻语料为例"), QStringLiteral("张 三"),
               QStringLiteral("2020-01-01"), QStringLiteral("李四"), QStringLiteral("分词"), {}, {},
               QStringLiteral("2024-04-01")};
const Paper kE{QStringLiteral("Probabilistic robotics"), QStringLiteral("Thrun, Sebastian"), QStringLiteral("2005"), {},
               {}, {}, {}, QStringLiteral("2024-01-05")};

class DuplicatesDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
    }
    QVector<StoredPaper> stored(const QStringList& keys) {
        q.openSql(storedSelect(keys));
        QVector<StoredPaper> group = readStored(q);
        std::sort(group.begin(), group.end(), [&](const auto& a, const auto& b) {
            return keys.indexOf(a.key) < keys.indexOf(b.key);
        });
        return group;
    }
    db::OdbcQuery q;
    scripting::ScriptEngine hooks;
};

TEST_F(DuplicatesDb, EntryUpdateAndRemovalKeepTheIndexInStep) {
    const QString a = duptest::enter(kA);
    EXPECT_EQ(duptest::value(a, QStringLiteral("p.title_norm")), QStringLiteral("graph neural networks a review of methods"));
    EXPECT_EQ(duptest::value(a, QStringLiteral("p.arxiv")), QStringLiteral("1812.08434"));
    EXPECT_EQ(duptest::value(a, QStringLiteral("p.pub_year")), QStringLiteral("2020"));

    catalogue::update::MainChange change;
    change.title = kA.title;
    change.author = kA.author;
    change.date = kA.date;
    change.newTitle = QStringLiteral("Graph networks");
    ASSERT_EQ(catalogue::update::updateMain(q, change).text, QStringLiteral("更新成功"));
    const QString moved = schema::paperKey(change.newTitle, kA.author, kA.date);
    EXPECT_EQ(duptest::value(moved, QStringLiteral("p.title_norm")), QStringLiteral("graph networks"));
    EXPECT_EQ(duptest::value(moved, QStringLiteral("p.arxiv")), QStringLiteral("1812.08434"));  // identifiers stay
    EXPECT_EQ(testdb::count(QStringLiteral("paper_match")), 1);

    catalogue::update::OtherChange other;
    other.title = change.newTitle;
    other.author = kA.author;
    other.date = kA.date;
    other.ticked[catalogue::update::Remark] = true;
    other.text[catalogue::update::Remark] = QStringLiteral("doi:10.1016/j.aiopen.2021.01.001");
    ASSERT_TRUE(catalogue::update::updateOther(q, hooks, other).committed);
    EXPECT_EQ(duptest::value(moved, QStringLiteral("p.doi")), QStringLiteral("10.1016/j.aiopen.2021.01.001"));

    ASSERT_EQ(catalogue::removal::removePaper(q, change.newTitle, kA.author, kA.date).text, QStringLiteral("删除成功"));
    EXPECT_EQ(duptest::sizes(), (QList<qint64>{0, 0, 0, 0, 0, 0}));
}

TEST_F(DuplicatesDb, ScanIndexesOldPapersAndFindsTheGroupsOnly) {
    const QString a = duptest::enter(kA), b = duptest::enter(kB), c = duptest::enter(kC), d = duptest::enter(kD);
    duptest::enter(kE);
    // papers entered before the index was there have no row yet
    testdb::exec(QStringLiteral("delete from paper_match where Paperid like '基于%'"));
    ScanOutcome out = scanCatalogue(q, {});
    EXPECT_EQ(out.indexed, 2);
    EXPECT_EQ(out.papers, 5);
    EXPECT_FALSE(out.cancelled);
    ASSERT_EQ(out.groups.size(), 2);
    QStringList found;
    for (QStringList g : out.groups) {
        g.sort();
        found << g.join(QLatin1Char('+'));
    }
    found.sort();
    QStringList ab{a, b}, cd{c, d};
    ab.sort();
    cd.sort();
    QStringList expected{ab.join(QLatin1Char('+')), cd.join(QLatin1Char('+'))};
    expected.sort();
    EXPECT_EQ(found, expected);

    // "不是重复" keeps a pair out of the next scan
    markDistinct(q, {c, d});
    out = scanCatalogue(q, {});
    ASSERT_EQ(out.groups.size(), 1);
    EXPECT_TRUE(out.groups[0].contains(a));

    // "取消" stops it
    out = scanCatalogue(q, [](const QString&, double) { return false; });
    EXPECT_TRUE(out.cancelled);
    EXPECT_TRUE(out.groups.isEmpty());
}

TEST_F(DuplicatesDb, AMergeLeavesOnePaperWholeInEveryTable) {
    const QString a = duptest::enter(kA), b = duptest::enter(kB);
    duptest::enter(kE);
    markDistinct(q, {b, schema::paperKey(kE.title, kE.author, kE.date)});
    const QVector<StoredPaper> group = stored({a, b});
    ASSERT_EQ(group.size(), 2);
    MergePlan plan = MergePlan::keeping(0);
    plan.source[int(Field::Date)] = 1;     // the journal's date
    plan.source[int(Field::Catalog)] = 1;  // the category only the other one has
    ASSERT_EQ(mergeGroup(q, hooks, group, plan).text, kMerged.text);

    EXPECT_EQ(duptest::sizes(), (QList<qint64>{2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(testdb::count(QStringLiteral("paper_distinct")), 0);  // the removed paper's marks went with it
    const QString merged = schema::paperKey(kA.title, kA.author, kB.date);
    EXPECT_EQ(duptest::value(merged, QStringLiteral("m.pub_time")), kB.date);
    EXPECT_EQ(duptest::value(merged, QStringLiteral("w.author_1")), kA.author);
    EXPECT_EQ(duptest::value(merged, QStringLiteral("concat_ws('|',w.author_2,w.author_3,w.author_4,w.author_5)")),
              QStringLiteral("Cui, Ganqu|Zhang, Zhengyan|Hu, Shengding"));
    EXPECT_EQ(duptest::value(merged, QStringLiteral("concat_ws('|',k.kword_1,k.kword_2,k.kword_3,k.kword_4)")),
              QStringLiteral("GNN|review|graph"));
    EXPECT_EQ(duptest::value(merged, QStringLiteral("a.catalog")), QStringLiteral("机器学习"));
    EXPECT_EQ(duptest::value(merged, QStringLiteral("a.remark")), QStringLiteral("arXiv:1812.08434；AI Open 1:57-81"));
    EXPECT_EQ(duptest::value(merged, QStringLiteral("t.type_time")), kA.typeTime);
    EXPECT_EQ(duptest::value(merged, QStringLiteral("p.arxiv")), QStringLiteral("1812.08434"));
    EXPECT_EQ(duptest::value(merged, QStringLiteral("p.pub_year")), QStringLiteral("2019"));
}

TEST_F(DuplicatesDb, AMergeThatFailsHalfWayChangesNothing) {
    const QString a = duptest::enter(kA), b = duptest::enter(kB);
    const QList<qint64> before = duptest::sizes();
    const QString authorsBefore = duptest::value(a, QStringLiteral("concat_ws('|',w.author_2,w.author_3)"));
    const QVector<StoredPaper> group = stored({a, b});

    // the keywords hook fails after the other paper was deleted and the authors rewritten
    papertest::writeTestModule(QStringLiteral("failing_kwords"),
                               QStringLiteral("def KT40617395_update_d_o_k(k, key):\n    raise ValueError('broken')\n"));
    papertest::RoutedHooks failing;
    failing.modules.insert(QStringLiteral("update_d_o_k"), QStringLiteral("failing_kwords"));
    EXPECT_THROW(mergeGroup(q, failing, group, MergePlan::keeping(0)), scripting::HookError);
    EXPECT_EQ(duptest::sizes(), before);
    EXPECT_EQ(papertest::rowsOf(b), (QList<qint64>{1, 1, 1, 1, 1}));
    EXPECT_EQ(duptest::value(a, QStringLiteral("concat_ws('|',w.author_2,w.author_3)")), authorsBefore);

    // a paper of the group removed meanwhile: rolled back, reported
    testdb::exec(QStringLiteral("delete from type_in where Paperid='") + db::sqlQuote(b) + QLatin1Char('\''));
    const QList<qint64> partial = duptest::sizes();
    EXPECT_EQ(mergeGroup(q, hooks, group, MergePlan::keeping(0)).text, kMergeFailed.text);
    EXPECT_EQ(duptest::sizes(), partial);
}

TEST_F(DuplicatesDb, TheUpgradeScriptRunsTwiceAndKeepsWhatIsThere) {
    const QString a = duptest::enter(kA);
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    EXPECT_EQ(testdb::count(QStringLiteral("paper_match")), 1);

    testdb::exec(QStringLiteral("drop table paper_match"));
    testdb::exec(QStringLiteral("drop table paper_distinct"));
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    for (const char* table : {"paper_match", "paper_distinct"}) {
        const QString where = QStringLiteral("table_schema=database() and table_name='%1'").arg(QLatin1String(table));
        EXPECT_EQ(testdb::scalar(QStringLiteral("select engine from information_schema.tables where ") + where),
                  QStringLiteral("InnoDB"));
        EXPECT_EQ(testdb::scalar(QStringLiteral("select count(*) from information_schema.table_constraints where ") +
                                 where + QStringLiteral(" and constraint_type='PRIMARY KEY'")),
                  QStringLiteral("1"));
    }
    // the paper entered before gets its row at the next scan
    EXPECT_EQ(scanCatalogue(q, {}).indexed, 1);
    EXPECT_EQ(duptest::value(a, QStringLiteral("p.author_key")), QStringLiteral("zhou j"));

    // a table of the earlier version: its block index gains the year, its rows stay
    testdb::exec(QStringLiteral("alter table paper_match drop index paper_match_block_year, "
                                "add index paper_match_block (title_block)"));
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    testdb::runFile(QStringLiteral("sql/upgrade-duplicates.sql"));
    EXPECT_EQ(testdb::scalar(QStringLiteral(
                  "select group_concat(concat(index_name,':',column_name) order by index_name,seq_in_index) "
                  "from information_schema.statistics where table_schema=database() and table_name='paper_match' "
                  "and index_name like 'paper_match_block%'")),
              QStringLiteral("paper_match_block_year:title_block,paper_match_block_year:pub_year"));
    EXPECT_EQ(testdb::count(QStringLiteral("paper_match")), 1);
}

// The finder's tables stand in the schema of a new database and in the
// upgrade of an old one: the two must describe the same tables.
TEST(DuplicatesSchema, TheUpgradeCreatesTheTablesOfTheSchema) {
    auto tables = [](const char* file) {
        QFile f(QStringLiteral(SOURCE_DIR "/") + QLatin1String(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QString text = QString::fromUtf8(f.readAll()).replace(QStringLiteral("IF NOT EXISTS "), QString());
        QStringList found;
        static const QRegularExpression create(QStringLiteral("CREATE TABLE (paper_match|paper_distinct) \\(.*?\\) ENGINE=InnoDB;"),
                                               QRegularExpression::DotMatchesEverythingOption);
        for (auto it = create.globalMatch(text); it.hasNext();) found << it.next().captured(0);
        return found;
    };
    const QStringList schema = tables("sql/schema.sql");
    EXPECT_EQ(schema.size(), 2);
    EXPECT_EQ(schema, tables("sql/upgrade-duplicates.sql"));
}

}  // namespace
