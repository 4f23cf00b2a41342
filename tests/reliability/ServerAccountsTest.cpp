#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "Reliability.h"
#include "ServerSupport.h"
#include "admin/Accounts.h"
#include "admin/windows/TForm_account_alt.h"
#include "admin/windows/TForm_account_cre.h"
#include "admin/windows/TForm_account_del.h"
#include "admin/windows/TForm_admin_alt.h"
#include "db/OdbcQuery.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/SignIn.h"
#include "shell/windows/TForm_logout.h"
#include "shell/windows/TForm_password_update.h"

// Hostile text in the account windows and the user's own account windows:
// names and passwords are stored exactly as typed (or refused whole), each
// click changes exactly the account it names, and the stored account then
// signs in with exactly its own password.
namespace {

QString lit(const QString& v) { return QLatin1Char('\'') + db::sqlQuote(v) + QLatin1Char('\''); }

const QStringList kSampleNames = {QStringLiteral("admin"), QStringLiteral("editor"), QStringLiteral("reader")};

class ServerAccounts : public ::testing::Test {
protected:
    void SetUp() override { testdb::loadSample(); }

    // The sample accounts only.
    static void resetAccounts() {
        testdb::exec(QStringLiteral("delete from username_password"));
        testdb::exec(QStringLiteral("delete from username_rightid"));
        testdb::exec(QStringLiteral("insert into username_password values ('admin','admin123'),('editor','editor123'),('reader','reader123')"));
        testdb::exec(QStringLiteral("insert into username_rightid values ('admin','4'),('editor','3'),('reader','2')"));
    }
    // Adds an account by hand; false when the server refuses it.
    static bool addAccount(const QString& name, const QString& password, const QString& level = QStringLiteral("2")) {
        try {
            testdb::exec(QStringLiteral("begin"));
            testdb::exec(QStringLiteral("insert into username_password values (%1,%2)").arg(lit(name), lit(password)));
            testdb::exec(QStringLiteral("insert into username_rightid values (%1,%2)").arg(lit(name), lit(level)));
            testdb::exec(QStringLiteral("commit"));
            return true;
        } catch (const db::DbError&) {
            return false;
        }
    }
    // Accounts other than the sample ones, as "name/password/level".
    static QStringList others() {
        return testdb::column(QStringLiteral(
            "select concat(a.username,'/',a.password,'/',b.rightid) from username_password a join username_rightid b "
            "on a.username=b.username where a.username not in ('admin','editor','reader') order by 1"));
    }
    static QString levelOf(const QString& name) {
        return testdb::scalar(QStringLiteral("select rightid from username_rightid where username=") + lit(name));
    }
    // Signs in through the login account, as the sign-in window does.
    static bool signsIn(const QString& name, const QString& password) {
        db::OdbcQuery q;
        const shell::Settings settings{QStringLiteral("MSDASQL.1"), QStringLiteral("paperdb")};
        return shell::signIn(q, name, password, settings).accepted;
    }
    // True when another account already has this name as the server compares
    // names.
    static bool taken(const QString& name, const QString& except = QString()) {
        return testdb::count(QStringLiteral("username_password"),
                             QStringLiteral("username=%1 and username<>'%2'").arg(lit(name), except)) > 0;
    }
    static QString twinOf(const QString& p) {
        const QString twin = rel::harmless(p);
        return twin.compare(p, Qt::CaseInsensitive) == 0 || db::trimBlanks(twin).isEmpty() ? QString() : twin;
    }
};

TEST_F(ServerAccounts, CreationStoresNameAndPasswordExactlyAndTheyThenSignIn) {
    rel::Tally t(QStringLiteral("account_cre"));
    for (const QString& p : rel::serverSample(40, 11)) {
        for (int b = 0; b < 2; ++b) {
            resetAccounts();
            const QStringList before = rel::accountTables();
            rel::Window<TForm_account_cre> w(QStringLiteral("admin"));
            w->Edit_user->setText(QStringLiteral("新用户"));
            w->Edit_pass->setText(QStringLiteral("pw-1"));
            QLineEdit* box = b == 0 ? w->Edit_user : w->Edit_pass;
            box->setText(p);
            const QString boxName = box->objectName();
            w->ComboBox_priv->setCurrentText(admin::kOrdinaryItem);
            const QString name = w->Edit_user->text(), typedPassword = w->Edit_pass->text();
            const QString password = db::trimBlanks(typedPassword);  // as the sign-in compares it
            const bool wasTaken = taken(name);
            t.tried();
            const QStringList shown = rel::click(w->Button1);
            if (admin::isBlank(name) || admin::isBlank(password)) {
                if (shown == QStringList{QStringLiteral("注意/用户名和密码不能为空")} && rel::accountTables() == before) t.exact();
                else t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
                continue;
            }
            if (!admin::canSignIn(name)) {
                if (shown == QStringList{QStringLiteral("注意/用户名首尾不能有空白，也不能是guest")} && rel::accountTables() == before)
                    t.exact();
                else
                    t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
                continue;
            }
            if (!rel::fits(name, 191) || !rel::fits(password, 255)) {
                if (rel::isErrorReport(shown) && rel::accountTables() == before) t.refused();
                else t.notRoundTripped(boxName, p, QStringLiteral("too long, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            if (wasTaken) {  // the server takes it for an existing name (letter case, width)
                if (rel::isErrorReport(shown) && rel::accountTables() == before) t.refusedDuplicate();
                else t.notRoundTripped(boxName, p, QStringLiteral("a taken name, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            const QStringList stored = rel::row(QStringLiteral(
                "select a.username,a.password,b.rightid from username_password a join username_rightid b on "
                "a.username=b.username where a.username not in ('admin','editor','reader')"));
            if (shown != QStringList{QStringLiteral("成功/已生成新用户")} || stored != QStringList{name, password, QStringLiteral("2")} ||
                others().size() != 1) {
                t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')) + QStringLiteral(" stored: ") + stored.join(QLatin1Char('/')));
                continue;
            }
            // The new account signs in with the password as typed and with nothing else.
            if (signsIn(name, password + QStringLiteral("x")) || signsIn(name, QStringLiteral("admin123")) ||
                !signsIn(name, typedPassword))
                t.notRoundTripped(boxName, p, QStringLiteral("sign-in of the new account"));
            else
                t.exact();
        }
    }
    t.check();
}

TEST_F(ServerAccounts, RightChangeChangesExactlyTheTypedAccount) {
    rel::Tally t(QStringLiteral("account_alt"));
    for (const QString& p : rel::serverSample(40, 12)) {
        resetAccounts();
        t.tried();
        if (admin::isBlank(p) || !addAccount(p, QStringLiteral("pw"))) {
            t.notStorable();
            continue;
        }
        const QString twin = twinOf(p);
        if (!twin.isEmpty()) addAccount(twin, QStringLiteral("pw"));
        rel::Window<TForm_account_alt> w(QStringLiteral("admin"));
        w->ComboBox_user->setCurrentText(p);
        w->ComboBox_right->setCurrentText(admin::kSeniorItem);
        const QStringList shown = rel::click(w->Button_yes);
        if (shown != QStringList{QStringLiteral("成功/权限更改成功")} || levelOf(p) != QLatin1String("3"))
            t.notRoundTripped(QStringLiteral("ComboBox_user"), p, shown.join(QLatin1Char('|')));
        else if ((!twin.isEmpty() && levelOf(twin) != QLatin1String("2")) || levelOf(QStringLiteral("admin")) != QLatin1String("4") ||
                 levelOf(QStringLiteral("reader")) != QLatin1String("2"))
            t.sideEffect(QStringLiteral("ComboBox_user"), p, QStringLiteral("another account's level changed"));
        else
            t.exact();
    }
    t.check();
}

TEST_F(ServerAccounts, AdministratorRenameStoresNameAndPasswordExactly) {
    rel::Tally t(QStringLiteral("admin_alt"));
    for (const QString& p : rel::serverSample(40, 13)) {
        for (int b = 0; b < 2; ++b) {
            resetAccounts();
            const QStringList before = rel::accountTables();
            rel::Window<TForm_admin_alt> w(QStringLiteral("admin"));
            w->Edit_name->setText(QStringLiteral("管理员"));
            w->Edit_pwd->setText(QStringLiteral("pw-2"));
            QLineEdit* box = b == 0 ? w->Edit_name : w->Edit_pwd;
            box->setText(p);
            const QString boxName = box->objectName();
            const QString name = w->Edit_name->text(), typedPassword = w->Edit_pwd->text();
            const QString password = db::trimBlanks(typedPassword);
            const bool wasTaken = taken(name, QStringLiteral("admin"));
            t.tried();
            const QStringList shown = rel::click(w->Button_yes);
            if (admin::isBlank(name) || admin::isBlank(password)) {
                if (shown == QStringList{QStringLiteral("注意/新账户名和新密码不能为空")} && rel::accountTables() == before) t.exact();
                else t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
                continue;
            }
            if (!admin::canSignIn(name)) {
                if (shown == QStringList{QStringLiteral("注意/用户名首尾不能有空白，也不能是guest")} && rel::accountTables() == before)
                    t.exact();
                else
                    t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
                continue;
            }
            if (!rel::fits(name, 191) || !rel::fits(password, 255)) {
                if (rel::isErrorReport(shown) && rel::accountTables() == before) t.refused();
                else t.notRoundTripped(boxName, p, QStringLiteral("too long, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            if (wasTaken) {
                if (rel::isErrorReport(shown) && rel::accountTables() == before) t.refusedDuplicate();
                else t.notRoundTripped(boxName, p, QStringLiteral("a taken name, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            const QStringList admin = rel::row(QStringLiteral(
                "select a.username,a.password from username_password a join username_rightid b on a.username=b.username "
                "where b.rightid='4'"));
            if (shown != QStringList{QStringLiteral("成功/管理员账户名、密码修改成功")} || admin != QStringList{name, password} ||
                testdb::count(QStringLiteral("username_password")) != 3)
                t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')) + QStringLiteral(" now: ") + admin.join(QLatin1Char('/')));
            else if (levelOf(QStringLiteral("editor")) != QLatin1String("3") || levelOf(QStringLiteral("reader")) != QLatin1String("2"))
                t.sideEffect(boxName, p, QStringLiteral("another account changed"));
            else if (!signsIn(name, typedPassword) || signsIn(name, password + QStringLiteral("x")))
                t.notRoundTripped(boxName, p, QStringLiteral("sign-in of the renamed administrator"));
            else
                t.exact();
        }
    }
    t.check();
}

TEST_F(ServerAccounts, DeletionRemovesExactlyTheTypedAccount) {
    rel::Tally t(QStringLiteral("account_del"));
    for (const QString& p : rel::serverSample(40, 14)) {
        resetAccounts();
        t.tried();
        if (admin::isBlank(p) || !addAccount(p, QStringLiteral("pw"))) {
            t.notStorable();
            continue;
        }
        const QString twin = twinOf(p);
        if (!twin.isEmpty()) addAccount(twin, QStringLiteral("pw"));
        rel::Window<TForm_account_del> w(QStringLiteral("admin"));
        w->ComboBox_user->setCurrentText(p);
        const QStringList shown = rel::click(w->Button_yes);
        const QStringList expected = twin.isEmpty() ? QStringList{} : QStringList{twin + QStringLiteral("/pw/2")};
        if (shown != QStringList{QStringLiteral("成功/删除成功")})
            t.notRoundTripped(QStringLiteral("ComboBox_user"), p, shown.join(QLatin1Char('|')));
        else if (others() != expected || testdb::count(QStringLiteral("username_password")) != 3 + expected.size())
            t.sideEffect(QStringLiteral("ComboBox_user"), p, QStringLiteral("left: ") + others().join(QLatin1Char('|')));
        else
            t.exact();
    }
    t.check();
}

TEST_F(ServerAccounts, PasswordChangeStoresTheNewPasswordWhichThenSignsIn) {
    rel::Tally t(QStringLiteral("password_update"));
    for (const QString& p : rel::serverSample(40, 15)) {
        resetAccounts();
        testdb::exec(QStringLiteral("update username_password set password='pw' where username='editor'"));
        const QStringList before = rel::accountTables();
        rel::Window<TForm_password_update> w(QStringLiteral("editor"));
        w->Edit_pre_password->setText(QStringLiteral("pw"));
        w->Edit_new_password->setText(p);
        w->Edit_cof_password->setText(p);
        const QString typed = db::trimBlanks(w->Edit_new_password->text());
        t.tried();
        const QStringList shown = rel::click(w->Button_yes);
        if (typed.isEmpty()) {
            if (shown == QStringList{QStringLiteral("注意/新密码不能为空")} && rel::accountTables() == before) t.exact();
            else t.notRoundTripped(QStringLiteral("Edit_new_password"), p, shown.join(QLatin1Char('|')));
            continue;
        }
        if (!rel::fits(typed, 255)) {
            if (rel::isErrorReport(shown) && rel::accountTables() == before) t.refused();
            else t.notRoundTripped(QStringLiteral("Edit_new_password"), p, shown.join(QLatin1Char('|')));
            continue;
        }
        const QString stored = testdb::scalar(QStringLiteral("select password from username_password where username='editor'"));
        if (shown != QStringList{QStringLiteral("成功/密码修改成功")} || stored != typed)
            t.notRoundTripped(QStringLiteral("Edit_new_password"), p, shown.join(QLatin1Char('|')) + QStringLiteral(" stored: ") + stored);
        else if (!signsIn(QStringLiteral("editor"), p) || signsIn(QStringLiteral("editor"), QStringLiteral("pw")))
            t.notRoundTripped(QStringLiteral("Edit_new_password"), p, QStringLiteral("sign-in with the new password"));
        else if (testdb::scalar(QStringLiteral("select password from username_password where username='reader'")) != QLatin1String("reader123"))
            t.sideEffect(QStringLiteral("Edit_new_password"), p, QStringLiteral("another password changed"));
        else
            t.exact();
    }
    t.check();
}

// A successful cancellation asks the program to end. With no message loop
// running that request stays pending and would end every later wait for a
// statement at once (read as the program closing, so the statement is
// stopped); one short run of the loop takes it.
void settleProgramEnd() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST_F(ServerAccounts, CancellationRemovesExactlyTheSignedInAccount) {
    rel::Tally t(QStringLiteral("logout"));
    for (const QString& p : rel::serverSample(40, 16)) {
        resetAccounts();
        t.tried();
        if (admin::isBlank(p) || !addAccount(p, QStringLiteral("pw"))) {
            t.notStorable();
            continue;
        }
        const QString twin = twinOf(p);
        if (!twin.isEmpty()) addAccount(twin, QStringLiteral("pw"));
        rel::Window<TForm_logout> w(p);
        const QStringList shown = rel::click(w->Button_yes);
        settleProgramEnd();
        const QStringList expected = twin.isEmpty() ? QStringList{} : QStringList{twin + QStringLiteral("/pw/2")};
        if (shown != QStringList{QStringLiteral("成功/注销成功")})
            t.notRoundTripped(QStringLiteral("user name"), p, shown.join(QLatin1Char('|')));
        else if (others() != expected || testdb::count(QStringLiteral("username_password")) != 3 + expected.size())
            t.sideEffect(QStringLiteral("user name"), p, QStringLiteral("left: ") + others().join(QLatin1Char('|')));
        else
            t.exact();
    }
    t.check();
}

}  // namespace
