// The two paper searches against the test server with the sample papers.

#include <gtest/gtest.h>

#include "SearchFixtures.h"
#include "catalogue/SelectStatements.h"
#include "db/OdbcQuery.h"

using namespace catalogue::search;
using searchtest::addPaper;
using searchtest::Opt;
using searchtest::Paper;

namespace {

class SearchDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        q.setConnectionString(testdb::paperConnection());
    }

    // Titles (column 0) of the open result, in order.
    QStringList titles() {
        QStringList out;
        for (qint64 i = 0; i < q.result()->rowCount(); ++i) out << q.result()->text(i, 0);
        return out;
    }

    QStringList detailed(const Ticks& t, const Texts& x, Outcome* outcome = nullptr) {
        Outcome o = runDetailed(q, testdb::paperConnection(), defaultOutputs(), t, x);
        if (outcome) *outcome = o;
        return titles();
    }

    // Titles found by the detailed query with one criterion in use.
    QStringList by(Criterion c, const QString& text) {
        Ticks t{};
        Texts x;
        t[c] = true;
        x[c] = text;
        return detailed(t, x);
    }

    QStringList quick(const QString& title, const QString& author = {}, const QString& date = {}) {
        runQuick(q, testdb::paperConnection(), title, author, date);
        return titles();
    }

    db::OdbcQuery q;
};

const QString kDeep = QStringLiteral("基于深度学习的图像识别研究");
const QString kCloud = QStringLiteral("云计算环境下的资源调度");
const QString kSegment = QStringLiteral("中文分词算法比较");
const QString kConsensus = QStringLiteral("分布式系统中的一致性协议");
const QString kQuantum = QStringLiteral("量子计算入门综述");
const QString kTesting = QStringLiteral("A Practitioner's Guide to Software Testing");

}  // namespace

TEST_F(SearchDb, EmptyBoxesListEveryPaperInPaperKeyOrder) {
    const QStringList inKeyOrder = testdb::column(QStringLiteral("select title from main order by Paperid"));
    ASSERT_EQ(inKeyOrder.size(), 12);
    Outcome o;
    EXPECT_EQ(detailed({}, {}, &o), inKeyOrder);
    EXPECT_TRUE(o.found);
    EXPECT_EQ(q.result()->columnNames(),
              (QStringList{QStringLiteral("论文题目"), QStringLiteral("论文一作"), QStringLiteral("发表时间")}));
    EXPECT_EQ(quick({}), inKeyOrder);
    EXPECT_EQ(q.result()->columnNames(),
              (QStringList{QStringLiteral("论文题目"), QStringLiteral("论文一作"), QStringLiteral("发表时间"),
                           QStringLiteral("论文文件名"), QStringLiteral("保存文件夹")}));
}

TEST_F(SearchDb, QuickSearchMatchesPartsOfTitleAuthorAndYear) {
    EXPECT_EQ(quick(QStringLiteral("深度")), QStringList{kDeep});
    EXPECT_EQ(quick({}, {}, QStringLiteral("2019")), (QStringList{kCloud, kDeep}));  // paper-key order
    EXPECT_EQ(quick({}, QStringLiteral("John")).size(), 2);
    EXPECT_EQ(quick(QStringLiteral(" ")).size(), 6);  // only titles holding a blank
    const Outcome o = runQuick(q, testdb::paperConnection(), QStringLiteral("不存在的题目"), {}, {});
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.caption + QLatin1Char('/') + o.text, QStringLiteral("未找到/未找到对应地址"));
    EXPECT_EQ(q.recordCount(), 0);
}

TEST_F(SearchDb, AKeywordOnlyInTheFourthColumnMatches) {
    EXPECT_EQ(by(ByKeyword, QStringLiteral("自然语言")), QStringList{kSegment});
    // and one in the tenth column, kword_a
    EXPECT_EQ(by(ByKeyword, QStringLiteral("benchmark")),
              QStringList{QStringLiteral("Efficient Indexing for Large-Scale Text Retrieval")});
}

TEST_F(SearchDb, APaperWithoutKeywordsPassesOnlyWhileTheKeywordIsOutOfUse) {
    EXPECT_TRUE(detailed({}, {}).contains(kConsensus));
    // ticked with an empty text is out of use too
    EXPECT_TRUE(by(ByKeyword, QString()).contains(kConsensus));
    // in use: the title holds 协议 but no keyword does
    Ticks t{};
    Texts x;
    t[ByKeyword] = true;
    x[ByKeyword] = QStringLiteral("协议");
    Outcome o;
    EXPECT_TRUE(detailed(t, x, &o).isEmpty());
    EXPECT_EQ(o.caption + QLatin1Char('/') + o.text, QStringLiteral("查询失败/未查询到/未知查询错误"));
}

TEST_F(SearchDb, NullCategoriesPassOnlyWhileTheCategoryIsOutOfUse) {
    addPaper({.title = QStringLiteral("Fuzzing Without A Category"), .keywords = {QStringLiteral("fuzz test")}});
    const QStringList all = detailed({}, {});
    EXPECT_EQ(all.size(), 13);
    EXPECT_TRUE(all.contains(kCloud));  // NULL category
    // category in use: 云计算 has NULL there although its title holds 计算
    EXPECT_EQ(by(ByCatalog, QStringLiteral("计算")), QStringList{kQuantum});
    // keyword in use, category out of use: the NULL-category paper passes
    EXPECT_EQ(by(ByKeyword, QStringLiteral("test")),
              (QStringList{kTesting, QStringLiteral("Fuzzing Without A Category")}));
    // both in use
    Ticks t{};
    Texts x;
    t[ByKeyword] = t[ByCatalog] = true;
    x[ByKeyword] = QStringLiteral("test");
    x[ByCatalog] = QStringLiteral("Software");
    EXPECT_EQ(detailed(t, x), QStringList{kTesting});
}

TEST_F(SearchDb, AnEntryMonthMatchesThePapersEnteredThen) {
    addPaper({.title = QStringLiteral("Entered In June"), .typeTime = QStringLiteral("2024-06-03")});
    EXPECT_EQ(by(ByTypeTime, QStringLiteral("2024-06")), QStringList{QStringLiteral("Entered In June")});
    EXPECT_EQ(by(ByTypeTime, QStringLiteral("2024-05")).size(), 12);
    EXPECT_EQ(by(ByTypist, QStringLiteral("editor")), QStringList{QStringLiteral("Entered In June")});
}

TEST_F(SearchDb, QuotesBackslashesAndChineseAreMatchedAsTyped) {
    addPaper({.title = QStringLiteral("Stored Under C"), .dir = QStringLiteral("C:\\papers\\2019")});
    // a quote in a title
    EXPECT_EQ(quick(QStringLiteral("Practitioner's")), QStringList{kTesting});
    EXPECT_EQ(by(ByTitle, QStringLiteral("r's G")), QStringList{kTesting});
    // a folder path with backslashes
    EXPECT_EQ(by(ByDir, QStringLiteral("C:\\papers\\2019")), QStringList{QStringLiteral("Stored Under C")});
    EXPECT_EQ(by(ByDir, QStringLiteral("D:\\论文\\2019")), (QStringList{kCloud, kDeep}));
    EXPECT_EQ(by(ByDir, QStringLiteral("\\2019")).size(), 3);
    EXPECT_TRUE(by(ByDir, QStringLiteral("C:papers")).isEmpty());
    // Chinese texts
    EXPECT_EQ(by(ByFirstAuthor, QStringLiteral("张伟")).size(), 2);
    EXPECT_EQ(by(ByCatalog, QStringLiteral("人工智能")), QStringList{kDeep});
}

TEST_F(SearchDb, TypedPercentAndUnderscoreActAsWildcards) {
    addPaper({.title = QStringLiteral("Recall At 100% Precision")});
    EXPECT_EQ(quick(QStringLiteral("100%")), QStringList{QStringLiteral("Recall At 100% Precision")});
    EXPECT_EQ(by(ByTitle, QStringLiteral("Query%Relational")),
              QStringList{QStringLiteral("A Survey of Query Optimization in Relational Databases")});
    EXPECT_EQ(quick({}, {}, QStringLiteral("2019-_3")), QStringList{kDeep});
}

TEST_F(SearchDb, AllOutputsGiveTwentyFourColumnsAndAuthorsAppearTwice) {
    Outputs all;
    all.fill(true);
    runDetailed(q, testdb::paperConnection(), all, {}, {});
    const QStringList names = q.result()->columnNames();
    ASSERT_EQ(names.size(), 24);
    EXPECT_EQ(names.first(), QStringLiteral("论文题目"));
    EXPECT_EQ(names.count(QStringLiteral("论文一作")), 2);
    EXPECT_EQ(names.at(20), QStringLiteral("关键词10"));
    EXPECT_EQ(names.last(), QStringLiteral("备注"));
    EXPECT_EQ(q.recordCount(), 12);
}

TEST_F(SearchDb, ABrokenConnectionIsAnErrorNotAnEmptyResult) {
    db::OdbcQuery other;
    EXPECT_THROW(runDetailed(other, QStringLiteral("Provider=none"), defaultOutputs(), {}, {}),
                 std::exception);
    EXPECT_FALSE(other.isOpen());
}
