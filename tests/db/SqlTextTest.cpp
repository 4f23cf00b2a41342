#include <gtest/gtest.h>

#include "db/SqlText.h"

using namespace db;

TEST(SqlText, OrdinaryTextIsUnchanged) {
    EXPECT_EQ(sqlQuote(QStringLiteral("张伟 Smith 2019-03-15")), QStringLiteral("张伟 Smith 2019-03-15"));
    EXPECT_EQ(likePattern(QStringLiteral("abc")), QStringLiteral("%abc%"));
    EXPECT_EQ(likePattern(QString()), QStringLiteral("%"));
    EXPECT_EQ(likePattern(QStringLiteral(" ")), QStringLiteral("% %"));
}

TEST(SqlText, QuotesAndBackslashesAreEscaped) {
    EXPECT_EQ(sqlQuote(QStringLiteral("x' or '1'='1")), QStringLiteral("x\\' or \\'1\\'=\\'1"));
    EXPECT_EQ(sqlQuote(QStringLiteral("D:\\论文\\new")), QStringLiteral("D:\\\\论文\\\\new"));
    EXPECT_EQ(sqlQuote(QString(QChar(0))), QStringLiteral("\\0"));
}

TEST(SqlText, LikeKeepsWildcardsAndMatchesBackslashes) {
    EXPECT_EQ(likePattern(QStringLiteral("50%_x")), QStringLiteral("%50%_x%"));
    // one typed backslash: doubled for like, then doubled again for the literal
    EXPECT_EQ(likePattern(QStringLiteral("C:\\p")), QStringLiteral("%C:\\\\\\\\p%"));
    EXPECT_EQ(likePattern(QStringLiteral("'")), QStringLiteral("%\\'%"));
}

TEST(SqlText, TrimBlanksRemovesControlsAndBlanksAtBothEnds) {
    EXPECT_EQ(trimBlanks(QStringLiteral(" \t admin \r\n")), QStringLiteral("admin"));
    EXPECT_EQ(trimBlanks(QStringLiteral("a b")), QStringLiteral("a b"));
    EXPECT_EQ(trimBlanks(QStringLiteral("  ")), QString());
    EXPECT_EQ(trimBlanks(QStringLiteral("\u3000x")), QStringLiteral("\u3000x"));  // full-width blank stays
}

// What may share a text with other statements: nothing outside the quoted
// values and names could end the statement or hide the next one.
TEST(SqlText, OneStatementOnlyWhenNothingOutsideTheQuotesCouldEndIt) {
    for (const char* text : {"insert into t values ('a;b','c\\';d','e''f;')", "update `a;b` set x='#' where y='--'",
                             "insert into t values ('/*')", "delete from t where k='1';", "insert into t values (1);  "})
        EXPECT_TRUE(db::isOneStatement(QString::fromUtf8(text))) << text;
    for (const char* text : {"insert into t values (1); delete from t", "insert into t values (1) -- x",
                             "insert into t values (1) # x", "insert into t values (1) /* x */",
                             "insert into t values (\"a\")", "insert into t values ('a\\')", "insert into t values ('a)",
                             "insert into t values (1);;", "select `a"})
        EXPECT_FALSE(db::isOneStatement(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(db::isOneStatement(QStringLiteral("insert into t values (1)") + QChar(0)));
    // Every typed value quoted stays inside its quotes.
    const QString typed = QStringLiteral("x'); delete from t; -- \\' # /* \"");
    EXPECT_TRUE(db::isOneStatement(QStringLiteral("insert into t values ('") + db::sqlQuote(typed) + QStringLiteral("')")));
}
