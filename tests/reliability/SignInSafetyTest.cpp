#include <gtest/gtest.h>

#include <QProcess>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_insert_d_a_info.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "shell/SignIn.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"

// No typed text signs anybody in without the right password: not as a name,
// not as a password, not with a data source that smuggles connection
// attributes in, not with a server whose SQL mode reads backslashes as plain
// characters.
namespace {

// Names that break into the password lookup when backslashes do not escape:
// the union returns "4" as the password and as the right level.
const QStringList kDoorOpeners = {QStringLiteral("' union select 0x34 -- "), QStringLiteral("\\' union select 0x34 -- "),
                                  QStringLiteral("' union select 0x34 #"), QStringLiteral("x' or '1'='1"),
                                  QStringLiteral("x\\' or 1=1 -- ")};

class SignInSafety : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        testdb::writeSettings();
        recorder::clear();
    }
    void TearDown() override { testdb::removeSettings(); }

    static shell::SignInOutcome signIn(const QString& name, const QString& password,
                                       const QString& dataSource = QStringLiteral("paperdb")) {
        db::OdbcQuery q;
        return shell::signIn(q, name, password, {QStringLiteral("MSDASQL.1"), dataSource});
    }
    // True when the server holds an account under this name whose password
    // is this one (both as the sign-in trims them).
    static bool rightPassword(const QString& name, const QString& password) {
        const QStringList stored = testdb::column(QStringLiteral("select password from username_password where username='") +
                                                  db::sqlQuote(db::trimBlanks(name)) + QLatin1Char('\''));
        return stored.contains(db::trimBlanks(password));
    }
    // Runs a statement as the server's root account (global settings).
    static void asRoot(const QString& sql) {
        QProcess p;
        p.start(QStringLiteral("bash"), {QStringLiteral(SOURCE_DIR "/tools/dbserver.sh"), QStringLiteral("sql"), testdb::dir(),
                                         QStringLiteral("-e"), sql});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
};

TEST_F(SignInSafety, NoPayloadSignsInWithoutTheRightPassword) {
    qint64 tried = 0, wronglyIn = 0;
    QStringList examples;
    for (const QString& p : rel::payloads()) {
        const bool guest = db::trimBlanks(p) == QLatin1String("guest");
        const std::pair<QString, QString> attempts[] = {
            {p, QStringLiteral("wrong")}, {p, p}, {QStringLiteral("admin"), p}, {p, QStringLiteral("admin123")}};
        for (const auto& [name, password] : attempts) {
            ++tried;
            const shell::SignInOutcome out = signIn(name, password);
            // "guest" lets the guest in, with the guest's rights and no others;
            // a name the server takes for an account's (its comparison of names
            // ignores letter case and width) with that account's password is
            // the right password.
            const bool allowed = (guest && name == p && out.access == shell::Access::Guest) || rightPassword(name, password);
            if (out.accepted && !allowed) {
                ++wronglyIn;
                if (examples.size() < 5) examples << name + QStringLiteral(" / ") + password;
            }
        }
    }
    rel::add(QStringLiteral("signin.tried"), tried);
    rel::add(QStringLiteral("signin.wrongly_in"), wronglyIn);
    rel::report(QStringLiteral("signin."));
    EXPECT_EQ(wronglyIn, 0) << examples.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")).accepted);
}

TEST_F(SignInSafety, TheSignInWindowRefusesEveryPayloadAndStaysUsable) {
    TForm_main main;
    TForm_login login(&main);
    const QStringList accountsBefore = rel::accountTables();
    for (const QString& p : rel::serverSample(40, 17)) {
        if (db::trimBlanks(p) == QLatin1String("guest")) continue;
        login.Edit_username->setText(p);
        login.Edit_password->setText(QStringLiteral("4"));
        const QStringList shown = rel::click(login.Button_yes);
        rel::add(QStringLiteral("signin.window.tried"));
        EXPECT_EQ(shown, QStringList{QStringLiteral("登录错误/请检查您的用户名和密码")}) << p.toStdString();
        EXPECT_FALSE(main.isVisible()) << p.toStdString();
    }
    EXPECT_EQ(rel::accountTables(), accountsBefore);
    login.Edit_username->setText(QStringLiteral("reader"));
    login.Edit_password->setText(QStringLiteral("reader123"));
    rel::click(login.Button_yes);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.userName(), QStringLiteral("reader"));
}

// A data source may carry further attributes after ";". The ones that would
// change how statements are read (a start statement that turns backslash
// escapes off, a character set, several statements at once, the driver's
// own reconnect, my.cnf) do not reach the driver, and sign-in and the other
// windows keep working with such a data source.
TEST_F(SignInSafety, SmuggledConnectionAttributesNeitherOpenTheDoorNorStopTheProgram) {
    const QStringList dataSources = {
        QStringLiteral("paperdb;InitStmt=set sql_mode='NO_BACKSLASH_ESCAPES'"),
        QStringLiteral("paperdb;INITSTMT={set sql_mode='NO_BACKSLASH_ESCAPES'}"),
        QStringLiteral("paperdb;SERVER={127.0.0.1}INITSTMT=set autocommit=0"),
        QStringLiteral("paperdb;Option=67108866"),
        QStringLiteral("paperdb;Option=0"),
        QStringLiteral("paperdb;OPTIONS=4194306"),
        QStringLiteral("paperdb;CHARSET=latin1"),
        QStringLiteral("paperdb;USE_MYCNF=1;PLUGIN_DIR=/nonexistent;TRACE=1;SAVEFILE=/tmp/paper.dsn"),
        QStringLiteral("paperdb;DRIVER=/nonexistent/libevil.so"),
        QStringLiteral("paperdb;UID=paper_user;PWD=") + QLatin1String(db::kOpenShelf),
    };
    for (const QString& ds : dataSources) {
        SCOPED_TRACE(ds.toStdString());
        rel::add(QStringLiteral("signin.data_sources.tried"));
        testdb::writeSettings(QStringLiteral("MSDASQL.1"), ds);
        for (const QString& name : kDoorOpeners) {
            for (const QString& password : {QStringLiteral("4"), QStringLiteral("admin123"), QString(QLatin1Char('\''))}) {
                const shell::SignInOutcome out = signIn(name, password, ds);
                EXPECT_FALSE(out.accepted) << name.toStdString() << " / " << password.toStdString();
                if (out.accepted) rel::add(QStringLiteral("signin.data_sources.wrongly_in"));
            }
        }
        // The program keeps working through the same data source.
        TForm_main main;
        TForm_login login(&main);
        login.Edit_username->setText(QStringLiteral("admin"));
        login.Edit_password->setText(QStringLiteral("admin123"));
        EXPECT_TRUE(rel::click(login.Button_yes).isEmpty());
        ASSERT_TRUE(main.isVisible());
        ASSERT_TRUE(main.paperConnection().endsWith(ds));
        testdb::exec(QStringLiteral("delete from author_info"));
        auto* w = db::Form::open<TForm_insert_d_a_info>(main.userName(), main.paperConnection());
        const QString author = QStringLiteral("C:\\论文\\It's 😀");
        w->Edit_author->setText(author);
        w->Edit_email->setText(QStringLiteral("a@b.cn"));
        EXPECT_EQ(rel::click(w->Button_yes), QStringList{QStringLiteral("插入成功/插入作者信息成功")});
        EXPECT_EQ(testdb::column(QStringLiteral("select author from author_info")), QStringList{author});
    }
    rel::report(QStringLiteral("signin.data_sources."));
}

// A server whose own SQL mode turns backslash escapes off (and strictness and
// autocommit off) is put right for each connection of the program.
TEST_F(SignInSafety, AServerThatReadsBackslashesAsPlainCharactersDoesNotOpenTheDoor) {
    const QString mode = testdb::scalar(QStringLiteral("select @@global.sql_mode"));
    asRoot(QStringLiteral("set global sql_mode='NO_BACKSLASH_ESCAPES', global autocommit=0"));
    struct Restore {
        QString mode;
        ~Restore() {
            QProcess::execute(QStringLiteral("bash"), {QStringLiteral(SOURCE_DIR "/tools/dbserver.sh"), QStringLiteral("sql"),
                                                       testdb::dir(), QStringLiteral("-e"),
                                                       QStringLiteral("set global sql_mode='%1', global autocommit=1").arg(mode)});
        }
    } restore{mode};
    for (const QString& name : kDoorOpeners) {
        EXPECT_FALSE(signIn(name, QStringLiteral("4")).accepted) << name.toStdString();
        EXPECT_FALSE(signIn(name, QStringLiteral("admin123")).accepted) << name.toStdString();
    }
    EXPECT_TRUE(signIn(QStringLiteral("admin"), QStringLiteral("admin123")).accepted);

    // Values still round-trip, a value too long is still refused, and a
    // change on its own is committed.
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    q.execSql(QStringLiteral("delete from author_info"));
    const QString value = QStringLiteral("a\\'b");
    q.execSql(QStringLiteral("insert into author_info values ('%1','e')").arg(db::sqlQuote(value)));
    EXPECT_THROW(q.execSql(QStringLiteral("insert into author_info values ('%1','e')").arg(QString(300, QLatin1Char('x')))),
                 db::DbError);
    db::OdbcQuery other;
    other.setConnectionString(testdb::paperConnection());
    other.openSql(QStringLiteral("select author from author_info"));
    EXPECT_EQ(other.recordCount(), 1);
    EXPECT_EQ(other.field(0), value);
}

}  // namespace
