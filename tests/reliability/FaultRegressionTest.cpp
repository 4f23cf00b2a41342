#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>

#include "Reliability.h"
#include "ServerSupport.h"
#include "admin/Accounts.h"
#include "catalogue/windows/TForm_insert_d_a_info.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "shell/ProfileFile.h"
#include "shell/Settings.h"
#include "shell/windows/TForm_database_sel.h"
#include "support/FakeQuery.h"

// One test per fault the suite found, each small enough to point at it.
namespace {

class Faults : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
    }
    db::OdbcQuery q;
};

// Given the statement's length, the driver miscounted characters outside the
// BMP: after one such statement, the next select with one failed with
// an "invalid character value for cast" error (SQLSTATE 22018).
TEST_F(Faults, StatementsWithCharactersOutsideTheBmpFollowEachOther) {
    const QString key = QStringLiteral("题$作者$😀𠀀");
    q.execSql(QStringLiteral("insert into address values ('%1','f','d',null,null)").arg(key));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(q.execSql(QStringLiteral("update address set remark='备注😀' where Paperid='%1'").arg(key)), 1);
        q.openSql(QStringLiteral("select remark from address where Paperid='%1'").arg(key));
        EXPECT_EQ(q.field(0), QStringLiteral("备注😀"));
    }
}

// A raw NUL would have cut the statement short at the driver; it is refused
// before anything is sent, and a typed NUL reaches the server escaped.
TEST_F(Faults, AStatementWithARawNulIsRefusedNotCut) {
    EXPECT_THROW(q.execSql(QStringLiteral("delete from main") + QChar(0) + QStringLiteral(" where 1=0")), db::DbError);
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 12);
    const QString typed = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    q.execSql(QStringLiteral("insert into author_info values ('%1','e')").arg(db::sqlQuote(typed)));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info"), QStringLiteral("author='%1'").arg(db::sqlQuote(typed))), 1);
}

// Blanks beyond a column's length were cut with a mere note, in every SQL
// mode: the value came back shorter than typed. Now the change is refused
// whole, on its own and inside a transaction.
TEST_F(Faults, TrailingBlanksBeyondTheColumnAreRefusedNotCut) {
    rel::Window<TForm_insert_d_a_info> w;
    w->Edit_author->setText(QString(250, QLatin1Char('a')) + QString(10, QLatin1Char(' ')));
    w->Edit_email->setText(QStringLiteral("e"));
    EXPECT_TRUE(rel::isErrorReport(rel::click(w->Button_yes)));
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);

    q.execSql(QStringLiteral("begin"));
    q.execSql(QStringLiteral("delete from author_info"));
    EXPECT_THROW(q.execSql(QStringLiteral("update main set pub_time='%1'").arg(QString(50, QLatin1Char('1')) + QLatin1Char(' '))),
                 db::DbError);
    EXPECT_FALSE(q.inTransaction());
    EXPECT_EQ(testdb::count(QStringLiteral("author_info")), 3);  // the open change was rolled back
    EXPECT_EQ(testdb::count(QStringLiteral("main"), QStringLiteral("length(pub_time)=50")), 0);
    // Blanks that fit are kept.
    EXPECT_EQ(q.execSql(QStringLiteral("insert into author_info values ('x  ','e')")), 1);
    EXPECT_EQ(testdb::scalar(QStringLiteral("select concat('[',author,']') from author_info where author='x'")), QStringLiteral("[x  ]"));
}

// A value starting with U+FEFF (a zero-width no-break space) lost it when
// read back: UTF-8 decoding took it for a byte order mark.
TEST_F(Faults, AValueStartingWithAByteOrderMarkComesBackWhole) {
    const QString author = QString(QChar(0xFEFF)) + QStringLiteral("作者");
    q.execSql(QStringLiteral("insert into author_info values ('%1','e')").arg(author));
    q.openSql(QStringLiteral("select author from author_info where email='e'"));
    EXPECT_EQ(q.field(0), author);
    EXPECT_EQ(q.result()->text(0, 0), author);
}

// The database change window wrote any text: a line break started a line of
// its own (even another key), a long value came back cut, a character a GBK
// file lacks was dropped. Such values are refused and the file stays.
TEST_F(Faults, ADataSourceTheNextReadWouldNotGiveBackIsRefused) {
    QFile f(shell::settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[database_info]\ndata source=paperdb\nprovider=MSDASQL.1\n");
    f.close();
    rel::Window<TForm_database_sel> w(QStringLiteral("admin"));
    for (const QString& bad : {QStringLiteral("paperdb\nprovider=evil"), QString(2048, QLatin1Char('d'))}) {
        w->Edit_datasource->setText(bad);
        EXPECT_TRUE(rel::isErrorReport(rel::click(w->Button_yes)));
        EXPECT_EQ(shell::readSettings().provider, QStringLiteral("MSDASQL.1"));
        EXPECT_EQ(shell::readSettings().dataSource, QStringLiteral("paperdb"));
    }
    EXPECT_THROW(shell::profile::writeTo(QByteArray("[database_info]\nprovider=\xCA\xFD\n"), QStringLiteral("database_info"),
                                         QStringLiteral("data source"), QStringLiteral("库😀")),
                 db::DbError);
    EXPECT_EQ(shell::profile::readFrom(shell::profile::writeTo(QByteArray("[database_info]\nprovider=\xCA\xFD\n"),
                                                               QStringLiteral("database_info"), QStringLiteral("data source"),
                                                               QStringLiteral("论文库")),
                                       QStringLiteral("database_info"), QStringLiteral("data source"), QString()),
              QStringLiteral("论文库"));
    // A GBK file whose only non-UTF-8 bytes were the old value: the new GBK
    // bytes of "迅" happen to be valid UTF-8 ("Ѹ") and were read so.
    const QByteArray gbk("[database_info]\nprovider=MSDASQL.1\ndata source=\xC2\xDB\xCE\xC4\n");
    EXPECT_EQ(shell::profile::readFrom(gbk, QStringLiteral("database_info"), QStringLiteral("data source"), QString()),
              QStringLiteral("论文"));
    EXPECT_EQ(shell::profile::readFrom(shell::profile::writeTo(gbk, QStringLiteral("database_info"),
                                                               QStringLiteral("data source"), QStringLiteral("迅")),
                                       QStringLiteral("database_info"), QStringLiteral("data source"), QString()),
              QStringLiteral("迅"));
    testdb::removeSettings();
}

// An account the sign-in can never reach (blanks at either end, "guest") is
// refused, and so is renaming the administrator to one (a lock-out); the
// password is stored as the sign-in compares it.
TEST_F(Faults, NoAccountIsCreatedThatCanNeverSignIn) {
    FakeQuery fake;
    for (const QString& name : {QStringLiteral(" admin2"), QStringLiteral("admin2\t"), QStringLiteral("guest")}) {
        EXPECT_EQ(admin::createAccount(fake, name, QStringLiteral("pw"), admin::kOrdinaryItem).notices.value(0).text,
                  QStringLiteral("用户名首尾不能有空白，也不能是guest"));
        EXPECT_EQ(admin::renameAdministrator(fake, QStringLiteral("admin"), name, QStringLiteral("pw")).notices.value(0).text,
                  QStringLiteral("用户名首尾不能有空白，也不能是guest"));
    }
    EXPECT_TRUE(fake.sent.isEmpty());
    admin::createAccount(fake, QStringLiteral("新用户"), QStringLiteral(" pw "), admin::kOrdinaryItem);
    EXPECT_TRUE(fake.statements().contains(QStringLiteral("insert into username_password values ('新用户','pw')")));
}

}  // namespace
