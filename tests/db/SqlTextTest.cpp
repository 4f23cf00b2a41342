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
