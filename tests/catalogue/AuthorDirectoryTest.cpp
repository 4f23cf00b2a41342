// The author directory: its statements, and its handler flows against the
// test server and a recording query object.

#include <gtest/gtest.h>

#include "SearchFixtures.h"
#include "catalogue/AuthorDirectory.h"
#include "db/OdbcQuery.h"
#include "support/FakeQuery.h"

using namespace catalogue::authors;

namespace {

QString shown(const Outcome& o) { return o.caption + QLatin1Char('/') + o.text; }

class AuthorDb : public ::testing::Test {
protected:
    void SetUp() override { testdb::loadSample(); }

    QStringList list() {
        QStringList names;
        fillAuthors(q, conn, [&](const QString& n) { names << n; });
        return names;
    }
    QString email(const QString& author) {
        return testdb::scalar(QStringLiteral("select group_concat(email order by email) from author_info where author=") +
                              searchtest::lit(author));
    }

    db::OdbcQuery q;
    const QString conn = testdb::paperConnection();
};

}  // namespace

TEST(AuthorStatements, OrdinaryTextsGiveThePlainStatements) {
    EXPECT_EQ(listStatement(), QStringLiteral("select author from author_info order by author asc"));
    EXPECT_EQ(lookupStatement(QStringLiteral("张伟")), QStringLiteral("select email from author_info where author='张伟'"));
    EXPECT_EQ(insertStatement(QStringLiteral("张伟"), QStringLiteral("z@x.cn")),
              QStringLiteral("insert into author_info values ('张伟','z@x.cn')"));
    EXPECT_EQ(deleteStatement(QStringLiteral("张伟")), QStringLiteral("delete from author_info where author='张伟'"));
    EXPECT_EQ(updateStatement(QStringLiteral("张伟"), QStringLiteral("n@x.cn")),
              QStringLiteral("update author_info set email='n@x.cn' where author='张伟'"));
    EXPECT_EQ(insertStatement(QString(), QString()), QStringLiteral("insert into author_info values ('','')"));
}

TEST(AuthorStatements, QuotesAndBackslashesAreEscaped) {
    EXPECT_EQ(insertStatement(QStringLiteral("O'Brien"), QStringLiteral("a\\b")),
              QStringLiteral("insert into author_info values ('O\\'Brien','a\\\\b')"));
    EXPECT_EQ(updateStatement(QStringLiteral("x'"), QStringLiteral("'")),
              QStringLiteral("update author_info set email='\\'' where author='x\\''"));
}

TEST(AuthorOutcome, CountsBelowOneAreFailuresWithTheirOwnTexts) {
    FakeQuery q;
    q.countFor = [](const QString&) { return 0; };
    EXPECT_EQ(shown(insert(q, QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("e"))),
              QStringLiteral("插入失败/插入作者信息失败（未知错误）"));
    EXPECT_EQ(shown(remove(q, QStringLiteral("c"), QStringLiteral("a"))),
              QStringLiteral("删除失败/删除作者信息失败（未知错误）"));
    EXPECT_EQ(shown(updateEmail(q, QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("e"))),
              QStringLiteral("失败/更新作者信息失败（未知错误）"));
    EXPECT_EQ(q.sent, (QStringList{QStringLiteral("exec: insert into author_info values ('a','e')"),
                                   QStringLiteral("exec: delete from author_info where author='a'"),
                                   QStringLiteral("exec: update author_info set email='e' where author='a'")}));
    EXPECT_EQ(q.connectionString(), QStringLiteral("c"));
    q.countFor = [](const QString&) { return 2; };
    EXPECT_TRUE(remove(q, QStringLiteral("c"), QStringLiteral("a")).ok);
}

TEST_F(AuthorDb, TheListIsSortedByName) {
    const QStringList names = list();
    EXPECT_EQ(names, testdb::column(QStringLiteral("select author from author_info order by author asc")));
    EXPECT_EQ(names.size(), 3);
    EXPECT_EQ(names.first(), QStringLiteral("John Smith"));
    testdb::reset();
    EXPECT_TRUE(list().isEmpty());
}

TEST_F(AuthorDb, LookupFindsTheAddressOrSaysTheAuthorIsMissing) {
    Lookup l = lookup(q, conn, QStringLiteral("李娜"));
    EXPECT_TRUE(l.outcome.ok);
    EXPECT_TRUE(l.outcome.caption.isEmpty());
    EXPECT_EQ(l.email, QStringLiteral("lina@example.edu.cn"));
    l = lookup(q, conn, QStringLiteral("无名氏"));
    EXPECT_FALSE(l.outcome.ok);
    EXPECT_EQ(shown(l.outcome), QStringLiteral("查询失败/为查询到此作者"));
    EXPECT_EQ(shown(lookup(q, conn, QString()).outcome), QStringLiteral("查询失败/为查询到此作者"));
}

TEST_F(AuthorDb, InsertUpdateAndRemoveReportTheirCounts) {
    EXPECT_EQ(shown(insert(q, conn, QStringLiteral("王强"), QStringLiteral("wq@x.cn"))),
              QStringLiteral("插入成功/插入作者信息成功"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 4);
    EXPECT_EQ(shown(updateEmail(q, conn, QStringLiteral("王强"), QStringLiteral("new@x.cn"))),
              QStringLiteral("成功/更新作者信息成功"));
    EXPECT_EQ(email(QStringLiteral("王强")), QStringLiteral("new@x.cn"));
    // the same address again still counts the row (found rows)
    EXPECT_TRUE(updateEmail(q, conn, QStringLiteral("王强"), QStringLiteral("new@x.cn")).ok);
    EXPECT_EQ(shown(updateEmail(q, conn, QStringLiteral("无名氏"), QStringLiteral("n@x"))),
              QStringLiteral("失败/更新作者信息失败（未知错误）"));
    EXPECT_EQ(shown(remove(q, conn, QStringLiteral("王强"))), QStringLiteral("删除成功/删除作者信息成功"));
    EXPECT_EQ(shown(remove(q, conn, QStringLiteral("王强"))), QStringLiteral("删除失败/删除作者信息失败（未知错误）"));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);
    // both boxes empty: the server takes two empty texts
    EXPECT_TRUE(insert(q, conn, QString(), QString()).ok);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info"), QStringLiteral("author=''")), 1);
}

TEST_F(AuthorDb, ANamePresentTwiceShowsTheFirstAndChangesBoth) {
    testdb::exec(QStringLiteral("insert into author_info values ('张伟','second@example.org')"));
    EXPECT_EQ(lookup(q, conn, QStringLiteral("张伟")).email, QStringLiteral("zhangwei@example.edu.cn"));
    EXPECT_EQ(list().count(QStringLiteral("张伟")), 2);
    EXPECT_TRUE(updateEmail(q, conn, QStringLiteral("张伟"), QStringLiteral("both@x.cn")).ok);
    EXPECT_EQ(email(QStringLiteral("张伟")), QStringLiteral("both@x.cn,both@x.cn"));
    EXPECT_TRUE(remove(q, conn, QStringLiteral("张伟")).ok);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info"), QStringLiteral("author='张伟'")), 0);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 2);
}

TEST_F(AuthorDb, QuotesAndBackslashesAreStoredAndFoundAsTyped) {
    const QString name = QStringLiteral("O'Brien \\ 欧");
    const QString mail = QStringLiteral("o'b\\x@example.ie");
    EXPECT_TRUE(insert(q, conn, name, mail).ok);
    EXPECT_EQ(email(name), mail);
    EXPECT_EQ(lookup(q, conn, name).email, mail);
    EXPECT_TRUE(list().contains(name));
    EXPECT_TRUE(updateEmail(q, conn, name, QStringLiteral("'")).ok);
    EXPECT_EQ(email(name), QStringLiteral("'"));
    EXPECT_TRUE(remove(q, conn, name).ok);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);
    // a name that only looks like a condition matches nothing
    EXPECT_FALSE(remove(q, conn, QStringLiteral("x' or '1'='1")).ok);
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);
}
