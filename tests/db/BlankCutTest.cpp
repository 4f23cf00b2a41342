#include <gtest/gtest.h>

#include "db/BlankCut.h"

using db::mayCutBlanks;

namespace {
bool cuts(const char* statement) { return mayCutBlanks(QString::fromUtf8(statement)); }
}  // namespace

// What the program itself sends: plain literals, none ending in a blank.
TEST(BlankCut, PlainLiteralsWithoutATrailingBlankNeedNoCheck) {
    EXPECT_FALSE(cuts("insert into main values ('k$a$2020','标题 with blanks','张 伟','2020')"));
    EXPECT_FALSE(cuts("insert into author_all (Paperid,author_1) values ('k','a')"));
    EXPECT_FALSE(cuts("insert into address values ('k','f.pdf','D:\\\\论文\\\\',null,'remark')"));
    EXPECT_FALSE(cuts("insert into t values ('a',NULL,3,-1.5,DEFAULT),('b ''q''',null,0,1,default);"));
    EXPECT_FALSE(cuts("INSERT INTO `kword_all` (`Paperid`, kword_1) VALUES ('it\\'s', 'x')"));
    EXPECT_FALSE(cuts("update author_all set author_2='b',author_3=NULL where Paperid='k '"));
    EXPECT_FALSE(cuts("update t set a = 'x' where b in (select c from d where e = 'f ')"));
    EXPECT_FALSE(cuts("select 'a   ' from t"));
    EXPECT_FALSE(cuts("delete from t where a='x '"));
}

TEST(BlankCut, AStoredTextEndingInABlankIsChecked) {
    EXPECT_TRUE(cuts("insert into author_info values ('aaa   ','e')"));
    EXPECT_TRUE(cuts("update main set pub_time='11 '"));
    EXPECT_TRUE(cuts("replace into t values (\"x \")"));
    EXPECT_TRUE(cuts("insert into t values ('a\\ ')"));  // an escaped blank is a blank
    EXPECT_TRUE(cuts("  (insert into t values ('a '))"));
}

// Values that do not come from plain literals could end in a blank.
TEST(BlankCut, ValuesFromExpressionsOrOtherRowsAreChecked) {
    EXPECT_TRUE(cuts("insert into t values (concat('a', ' '))"));
    EXPECT_TRUE(cuts("insert into t values (0x6120)"));
    EXPECT_TRUE(cuts("insert into t values (x'6120')"));
    EXPECT_TRUE(cuts("insert into t values (_utf8mb4'a')"));
    EXPECT_TRUE(cuts("insert into t select a from u"));
    EXPECT_TRUE(cuts("update t set a=b where c='d'"));
    EXPECT_TRUE(cuts("update t set a=space(3)"));
    EXPECT_TRUE(cuts("insert into t values ('a') -- ' '"));
    EXPECT_TRUE(cuts("insert into t values ('a' /* x */)"));
    EXPECT_TRUE(cuts("insert into t values ('a"));  // a quote left open
}

// The answer kept for a shape of statement is that shape's, also after many
// other shapes have come and gone.
TEST(BlankCut, AShapeSeenBeforeGetsItsOwnAnswerAgain) {
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 150; ++i) {
            const QString n = QString::number(i);
            EXPECT_FALSE(mayCutBlanks(QStringLiteral("insert into t values (") + n + QStringLiteral(",'x')")));
            EXPECT_TRUE(mayCutBlanks(QStringLiteral("insert into t values (") + n + QStringLiteral(",'x ')")));
            EXPECT_TRUE(mayCutBlanks(QStringLiteral("insert into t values (") + n + QStringLiteral(",x)")));
        }
        EXPECT_FALSE(cuts("insert into main values ('k$a$2020','标题','张 伟','2020')"));
        EXPECT_TRUE(cuts("insert into author_info values ('aaa   ','e')"));
    }
}
