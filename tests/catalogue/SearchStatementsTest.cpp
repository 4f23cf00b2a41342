// The statements of the two paper searches, built without a server, and the
// outcome rules of their handlers over a recording query object.

#include <gtest/gtest.h>

#include "catalogue/SelectStatements.h"
#include "support/FakeQuery.h"

using namespace catalogue::search;

namespace {

const QString kFromWhere = QStringLiteral(
    " from main,address,type_in,author_all,kword_all where main.Paperid=address.Paperid and "
    "address.Paperid=type_in.Paperid and type_in.Paperid=author_all.Paperid and "
    "author_all.Paperid=kword_all.Paperid");

// "' or kword_2 like 'K' ... or kword_a like 'K" — the nine like tests after the opener.
QString otherKeywords(const QString& k) {
    QString s;
    for (const char* c : {"kword_2", "kword_3", "kword_4", "kword_5", "kword_6", "kword_7", "kword_8",
                          "kword_9", "kword_a"})
        s += QStringLiteral("' or ") + QLatin1String(c) + QStringLiteral(" like '") + k;
    return s;
}

// The conditions from the keyword opener to "filename like '".
QString keywordAndCategory(const QString& statement) {
    const qsizetype from = statement.indexOf(QStringLiteral("pub_time like '"));
    const qsizetype to = statement.indexOf(QStringLiteral("filename like '"));
    return statement.mid(from, to - from + 15);
}

Texts noTexts() { return {}; }
Ticks noTicks() { return {}; }

}  // namespace

TEST(QuickStatement, PatternsOfEmptyAndTypedTexts) {
    EXPECT_EQ(quickStatement(QString(), QString(), QString()),
              QStringLiteral("select title '论文题目',author_1 '论文一作',pub_time '发表时间',filename "
                             "'论文文件名',dir '保存文件夹' from main m,address a where "
                             "m.Paperid=a.Paperid and m.title like '%' and m.author_1 like '%' and "
                             "m.pub_time like '%' order by m.Paperid"));
    const QString s = quickStatement(QStringLiteral("深度"), QStringLiteral(" "), QStringLiteral("2019"));
    EXPECT_TRUE(s.endsWith(QStringLiteral(
        "m.title like '%深度%' and m.author_1 like '% %' and m.pub_time like '%2019%' order by m.Paperid")))
        << s.toStdString();
}

TEST(QuickStatement, QuotesAndBackslashesAreEscapedInsideTheLiteral) {
    const QString s = quickStatement(QStringLiteral("Practitioner's"), QStringLiteral("a\\b"), QString());
    EXPECT_TRUE(s.contains(QStringLiteral("m.title like '%Practitioner\\'s%'"))) << s.toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral("m.author_1 like '%a\\\\\\\\b%'"))) << s.toStdString();
}

TEST(DetailedStatement, DefaultsUseTheParenthesisedNullFormAndTheNullCategoryForm) {
    EXPECT_EQ(
        detailedStatement(defaultOutputs(), noTicks(), noTexts()),
        QStringLiteral("select title '论文题目',main.author_1 '论文一作',pub_time '发表时间'") + kFromWhere +
            QStringLiteral(
                " and title like '%' and main.author_1 like '%' and pub_time like '%' and ((kword_1 is "
                "null) or (kword_2 is null) or (kword_3 is null) or (kword_4 is null) or (kword_5 is "
                "null) or (kword_6 is null) or (kword_7 is null) or (kword_8 is null) or (kword_9 is "
                "null) or (kword_a is null) or kword_1 like '%' or kword_2 like '%' or kword_3 like '%' "
                "or kword_4 like '%' or kword_5 like '%' or kword_6 like '%' or kword_7 like '%' or "
                "kword_8 like '%' or kword_9 like '%' or kword_a like '%') and (catalog like '%' or "
                "catalog is null) and filename like '%' and dir like '%' and typist like '%' and "
                "type_time like '%' order by main.Paperid"));
}

TEST(DetailedStatement, NoOutputBoxGivesTheFiveColumnsOfTheQuickSearch) {
    const QString s = detailedStatement(Outputs{}, noTicks(), noTexts());
    EXPECT_TRUE(s.startsWith(QStringLiteral(
        "select title '论文题目',main.author_1 '论文一作',pub_time '发表时间',filename '论文文件名',dir "
        "'保存文件夹' from main,")))
        << s.toStdString();
}

TEST(DetailedStatement, AllElevenOutputsListTwentyFourColumnsInTableOrder) {
    Outputs all;
    all.fill(true);
    const QString s = detailedStatement(all, noTicks(), noTexts());
    EXPECT_TRUE(s.startsWith(
        QStringLiteral("select title '论文题目',main.author_1 '论文一作',pub_time '发表时间',filename "
                       "'论文文件名',dir '保存文件夹',catalog '论文分类',author_all.author_1 "
                       "'论文一作',author_2 '论文二作',author_3 '论文三作',author_4 '论文四作',author_5 "
                       "'论文五作',kword_1 '关键词1',kword_2 '关键词2',kword_3 '关键词3',kword_4 "
                       "'关键词4',kword_5 '关键词5',kword_6 '关键词6',kword_7 '关键词7',kword_8 "
                       "'关键词8',kword_9 '关键词9',kword_a '关键词10',typist '录入者',type_time "
                       "'录入时间',remark '备注'") +
        kFromWhere))
        << s.toStdString();
    // a single box gives its piece without the comma
    Outputs remarkOnly{};
    remarkOnly[OutRemark] = true;
    EXPECT_TRUE(detailedStatement(remarkOnly, noTicks(), noTexts())
                    .startsWith(QStringLiteral("select remark '备注'") + kFromWhere));
}

TEST(DetailedStatement, TheFourKeywordAndCategoryForms) {
    Ticks t{};
    Texts x;
    x[ByKeyword] = QStringLiteral("ml");
    x[ByCatalog] = QStringLiteral("AI");

    t[ByKeyword] = t[ByCatalog] = true;  // both in use
    EXPECT_EQ(keywordAndCategory(detailedStatement(defaultOutputs(), t, x)),
              QStringLiteral("pub_time like '%' and (kword_1 like '%ml%") + otherKeywords(QStringLiteral("%ml%")) +
                  QStringLiteral("') and catalog like '%AI%' and filename like '"));

    t[ByKeyword] = false;  // category only: the bare "is null" form
    EXPECT_EQ(keywordAndCategory(detailedStatement(defaultOutputs(), t, x)),
              QStringLiteral("pub_time like '%' and (kword_1 is null or kword_2 is null or kword_3 is null "
                             "or kword_4 is null or kword_5 is null or kword_6 is null or kword_7 is null "
                             "or kword_8 is null or kword_9 is null or kword_a is null or kword_1 like '%") +
                  otherKeywords(QStringLiteral("%")) +
                  QStringLiteral("') and catalog like '%AI%' and filename like '"));

    t[ByKeyword] = true;  // keyword only
    t[ByCatalog] = false;
    EXPECT_EQ(keywordAndCategory(detailedStatement(defaultOutputs(), t, x)),
              QStringLiteral("pub_time like '%' and (kword_1 like '%ml%") + otherKeywords(QStringLiteral("%ml%")) +
                  QStringLiteral("') and (catalog like '%' or catalog is null) and filename like '"));

    t[ByKeyword] = false;  // neither: the parenthesised form
    EXPECT_EQ(keywordAndCategory(detailedStatement(defaultOutputs(), t, x)),
              QStringLiteral("pub_time like '%' and ((kword_1 is null) or (kword_2 is null) or (kword_3 is "
                             "null) or (kword_4 is null) or (kword_5 is null) or (kword_6 is null) or "
                             "(kword_7 is null) or (kword_8 is null) or (kword_9 is null) or (kword_a is "
                             "null) or kword_1 like '%") +
                  otherKeywords(QStringLiteral("%")) +
                  QStringLiteral("') and (catalog like '%' or catalog is null) and filename like '"));
}

TEST(DetailedStatement, ACriterionCountsOnlyWhenTickedAndNotEmpty) {
    EXPECT_TRUE(inUse(true, QStringLiteral(" ")));
    EXPECT_FALSE(inUse(true, QString()));
    EXPECT_FALSE(inUse(false, QStringLiteral("x")));

    Ticks t{};
    Texts x;
    t[ByKeyword] = true;                  // ticked, empty
    x[ByCatalog] = QStringLiteral("AI");  // text, not ticked
    x[ByTitle] = QStringLiteral("T");     // text, not ticked
    EXPECT_EQ(detailedStatement(defaultOutputs(), t, x), detailedStatement(defaultOutputs(), noTicks(), noTexts()));
}

TEST(DetailedStatement, EachCriterionReachesItsColumn) {
    Ticks t;
    t.fill(true);
    const Texts x = {QStringLiteral("T"), QStringLiteral("A"), QStringLiteral("P"),
                     QStringLiteral("K"), QStringLiteral("C"), QStringLiteral("F"),
                     QStringLiteral("D"), QStringLiteral("Y"), QStringLiteral("Z")};
    const QString s = detailedStatement(defaultOutputs(), t, x);
    EXPECT_TRUE(s.endsWith(
        QStringLiteral(" and title like '%T%' and main.author_1 like '%A%' and pub_time like '%P%' and "
                       "(kword_1 like '%K%") +
        otherKeywords(QStringLiteral("%K%")) +
        QStringLiteral("') and catalog like '%C%' and filename like '%F%' and dir like '%D%' and "
                       "typist like '%Y%' and type_time like '%Z%' order by main.Paperid")))
        << s.toStdString();
}

TEST(DetailedStatement, TypedQuotesAndBackslashesStayInsideTheirLiterals) {
    Ticks t{};
    Texts x;
    t[ByDir] = t[ByTitle] = true;
    x[ByDir] = QStringLiteral("C:\\papers\\2019");
    x[ByTitle] = QStringLiteral("x' or '1'='1");
    const QString s = detailedStatement(defaultOutputs(), t, x);
    EXPECT_TRUE(s.contains(QStringLiteral("title like '%x\\' or \\'1\\'=\\'1%'"))) << s.toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral("dir like '%C:\\\\\\\\papers\\\\\\\\2019%'"))) << s.toStdString();
}

TEST(SearchOutcome, EmptyResultsNameTheirMessagesAndRowsShowNone) {
    FakeQuery q;
    auto o = runQuick(q, QStringLiteral("conn"), QString(), QString(), QString());
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.caption, QStringLiteral("未找到"));
    EXPECT_EQ(o.text, QStringLiteral("未找到对应地址"));
    EXPECT_EQ(q.connectionString(), QStringLiteral("conn"));
    ASSERT_EQ(q.sent.size(), 1);
    EXPECT_TRUE(q.sent[0].startsWith(QStringLiteral("open: select title '论文题目',author_1")));

    o = runDetailed(q, QStringLiteral("conn"), defaultOutputs(), noTicks(), noTexts());
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.caption, QStringLiteral("查询失败"));
    EXPECT_EQ(o.text, QStringLiteral("未查询到/未知查询错误"));

    q.rowsFor = [](const QString&) { return QList<QStringList>{{QStringLiteral("t")}}; };
    EXPECT_TRUE(runDetailed(q, QStringLiteral("conn"), defaultOutputs(), noTicks(), noTexts()).found);
    EXPECT_TRUE(runQuick(q, QStringLiteral("conn"), QString(), QString(), QString()).found);
    EXPECT_TRUE(q.isOpen());  // left open for the grid
}
