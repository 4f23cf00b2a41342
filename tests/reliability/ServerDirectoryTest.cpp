#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_delete_d_a.h"
#include "catalogue/windows/TForm_insert_d_a_info.h"
#include "catalogue/windows/TForm_select_d_c_a.h"
#include "catalogue/windows/TForm_update_d_o_a_info.h"
#include "db/DbError.h"
#include "db/SqlText.h"

// Hostile text in the four author directory windows: names and addresses are
// stored and found exactly as typed, a name finds only its own row, and the
// account tables never change.
namespace {

QString lit(const QString& v) { return QLatin1Char('\'') + db::sqlQuote(v) + QLatin1Char('\''); }

class ServerDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        accountsBefore = rel::accountTables();
        testdb::exec(QStringLiteral("delete from author_info"));
    }
    void TearDown() override {
        EXPECT_EQ(rel::accountTables(), accountsBefore) << "a directory window changed the account tables";
    }
    // Stores an author row by hand; false when the server refuses it.
    static bool storeAuthor(const QString& author, const QString& email) {
        try {
            testdb::exec(QStringLiteral("insert into author_info values (%1,%2)").arg(lit(author), lit(email)));
            return true;
        } catch (const db::DbError&) {
            return false;
        }
    }
    // A second author whose name is the payload's harmless twin, unless the
    // two names are the same for the server.
    static QString sibling(const QString& p) {
        const QString twin = rel::harmless(p);
        return twin.compare(p, Qt::CaseInsensitive) == 0 ? QString() : twin;
    }
    QStringList accountsBefore;
};

TEST_F(ServerDirectory, InsertStoresNameAndAddressExactly) {
    rel::Tally t(QStringLiteral("insert_d_a_info"));
    for (const QString& p : rel::serverSample(40, 7)) {
        for (int b = 0; b < 2; ++b) {
            testdb::exec(QStringLiteral("delete from author_info"));
            rel::Window<TForm_insert_d_a_info> w;
            w->Edit_author->setText(QStringLiteral("作者甲"));
            w->Edit_email->setText(QStringLiteral("a@b.cn"));
            QLineEdit* box = b == 0 ? w->Edit_author : w->Edit_email;
            box->setText(p);
            const QString boxName = box->objectName();
            const QString author = w->Edit_author->text(), email = w->Edit_email->text();
            t.tried();
            const QStringList shown = rel::click(w->Button_yes);
            if (!rel::fits(author, 255) || !rel::fits(email, 255)) {
                if (rel::isErrorReport(shown) && testdb::count(QStringLiteral("author_info")) == 0) t.refused();
                else t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
                continue;
            }
            const QStringList stored = rel::row(QStringLiteral("select author,email from author_info"));
            if (shown == QStringList{QStringLiteral("插入成功/插入作者信息成功")} &&
                stored == QStringList{author, email} && testdb::count(QStringLiteral("author_info")) == 1)
                t.exact();
            else
                t.notRoundTripped(boxName, p, shown.join(QLatin1Char('|')));
        }
    }
    t.check();
}

TEST_F(ServerDirectory, LookupFindsTheAddressOfExactlyTheTypedName) {
    rel::Tally t(QStringLiteral("select_d_c_a"));
    for (const QString& p : rel::serverSample(40, 8)) {
        testdb::exec(QStringLiteral("delete from author_info"));
        t.tried();
        if (!storeAuthor(p, QStringLiteral("mail-of-payload"))) {
            t.notStorable();
            continue;
        }
        const QString other = sibling(p);
        if (!other.isEmpty()) storeAuthor(other, QStringLiteral("mail-of-twin"));
        rel::Window<TForm_select_d_c_a> w;
        w->ComboBox_author->lineEdit()->setText(p);
        const QStringList shown = rel::click(w->Button_yes);
        if (shown.isEmpty() && w->Edit_email->text() == QLatin1String("mail-of-payload")) t.exact();
        else t.notRoundTripped(QStringLiteral("ComboBox_author"), p, shown.join(QLatin1Char('|')) + w->Edit_email->text());
    }
    t.check();
}

TEST_F(ServerDirectory, RemovalDeletesExactlyTheTypedName) {
    rel::Tally t(QStringLiteral("delete_d_a"));
    for (const QString& p : rel::serverSample(40, 9)) {
        testdb::exec(QStringLiteral("delete from author_info"));
        t.tried();
        if (!storeAuthor(p, QStringLiteral("m"))) {
            t.notStorable();
            continue;
        }
        const QString other = sibling(p);
        if (!other.isEmpty()) storeAuthor(other, QStringLiteral("m"));
        rel::Window<TForm_delete_d_a> w;
        w->ComboBox_author->lineEdit()->setText(p);
        const QStringList shown = rel::click(w->Button_yes);
        const QStringList left = testdb::column(QStringLiteral("select author from author_info"));
        if (shown != QStringList{QStringLiteral("删除成功/删除作者信息成功")})
            t.notRoundTripped(QStringLiteral("ComboBox_author"), p, shown.join(QLatin1Char('|')));
        else if (left != (other.isEmpty() ? QStringList{} : QStringList{other}))
            t.sideEffect(QStringLiteral("ComboBox_author"), p, QStringLiteral("left: ") + left.join(QLatin1Char('|')));
        else
            t.exact();
    }
    t.check();
}

TEST_F(ServerDirectory, AddressUpdateStoresExactlyForExactlyTheTypedName) {
    rel::Tally t(QStringLiteral("update_d_o_a_info"));
    for (const QString& p : rel::serverSample(40, 10)) {
        for (int b = 0; b < 2; ++b) {
            testdb::exec(QStringLiteral("delete from author_info"));
            const QString author = b == 0 ? p : QStringLiteral("作者甲");
            t.tried();
            if (!storeAuthor(author, QStringLiteral("old"))) {
                t.notStorable();
                continue;
            }
            const QString other = b == 0 ? sibling(p) : QStringLiteral("作者乙");
            if (!other.isEmpty()) storeAuthor(other, QStringLiteral("old"));
            rel::Window<TForm_update_d_o_a_info> w;
            w->ComboBox_author->lineEdit()->setText(author);
            w->Edit_email->setText(b == 1 ? p : QStringLiteral("new@b.cn"));
            const QString email = w->Edit_email->text();
            const QString box = b == 0 ? QStringLiteral("ComboBox_author") : QStringLiteral("Edit_email");
            const QStringList shown = rel::click(w->Button_yes);
            const QString stored = testdb::scalar(QStringLiteral("select email from author_info where author=") + lit(author));
            const QString otherMail = other.isEmpty() ? QStringLiteral("old")
                                                      : testdb::scalar(QStringLiteral("select email from author_info where author=") + lit(other));
            if (!rel::fits(email, 255)) {
                if (rel::isErrorReport(shown) && stored == QLatin1String("old")) t.refused();
                else t.notRoundTripped(box, p, shown.join(QLatin1Char('|')));
            } else if (shown != QStringList{QStringLiteral("成功/更新作者信息成功")} || stored != email) {
                t.notRoundTripped(box, p, shown.join(QLatin1Char('|')) + QStringLiteral(" stored: ") + stored);
            } else if (otherMail != QLatin1String("old")) {
                t.sideEffect(box, p, QStringLiteral("another author's address changed"));
            } else {
                t.exact();
            }
        }
    }
    t.check();
}

}  // namespace
