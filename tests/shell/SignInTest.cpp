#include <gtest/gtest.h>

#include "shell/SignIn.h"
#include "support/FakeQuery.h"
#include "support/TestDb.h"

using namespace shell;

namespace {

const Settings kSettings{QStringLiteral("MSDASQL.1"), QStringLiteral("paperdb")};

class SignInTest : public ::testing::Test {
protected:
    void SetUp() override { testdb::loadSample(); }
    SignInOutcome as(const QString& name, const QString& password) {
        db::OdbcQuery q;
        return signIn(q, name, password, kSettings);
    }
};

TEST_F(SignInTest, EachRightLevelIsLetInWithTheTrimmedName) {
    SignInOutcome o = as(QStringLiteral("  reader\t"), QStringLiteral(" reader123 "));
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(o.access, Access::Ordinary);
    EXPECT_EQ(o.userName, QStringLiteral("reader"));
    EXPECT_EQ(o.paperConnection, paperConnectionString(kSettings));
    EXPECT_EQ(as(QStringLiteral("editor"), QStringLiteral("editor123")).access, Access::Senior);
    EXPECT_EQ(as(QStringLiteral("admin"), QStringLiteral("admin123")).access, Access::Admin);
}

TEST_F(SignInTest, WrongEmptyOrCaseChangedPasswordsAreRefused) {
    EXPECT_FALSE(as(QStringLiteral("admin"), QStringLiteral("admin124")).accepted);
    EXPECT_FALSE(as(QStringLiteral("admin"), QStringLiteral("ADMIN123")).accepted);
    EXPECT_FALSE(as(QStringLiteral("admin"), QStringLiteral("   ")).accepted);
    EXPECT_FALSE(as(QStringLiteral("nobody"), QStringLiteral("x")).accepted);
    // a stored password with blanks around it can never match what sign-in compares
    testdb::exec(QStringLiteral("update username_password set password=' sp ' where username='reader'"));
    EXPECT_FALSE(as(QStringLiteral("reader"), QStringLiteral(" sp ")).accepted);
}

TEST_F(SignInTest, GuestNeedsNoLookupButGuestInOtherCaseDoes) {
    FakeQuery q;
    SignInOutcome o = signIn(q, QStringLiteral(" guest "), QStringLiteral("anything"), kSettings);
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(o.access, Access::Guest);
    EXPECT_EQ(o.userName, QStringLiteral("guest"));
    EXPECT_TRUE(q.sent.isEmpty());
    EXPECT_EQ(q.connectionString(), loginConnectionString(kSettings));

    FakeQuery q2;
    EXPECT_FALSE(signIn(q2, QStringLiteral("Guest"), QStringLiteral("x"), kSettings).accepted);
    EXPECT_EQ(q2.statements(),
              QStringList{QStringLiteral("select password from username_password where username='Guest'")});

    FakeQuery q3;  // an empty password sends nothing
    EXPECT_FALSE(signIn(q3, QStringLiteral("admin"), QString(), kSettings).accepted);
    EXPECT_TRUE(q3.sent.isEmpty());
}

TEST_F(SignInTest, GuestWithoutSettingsGetsTheDefaultsInItsPaperConnection) {
    FakeQuery q;
    Settings defaults{QStringLiteral("MSDASQL.1"), QStringLiteral("no_source")};
    SignInOutcome o = signIn(q, QStringLiteral("guest"), QString(), defaults);
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.paperConnection.endsWith(QStringLiteral(";Data Source=no_source")));
    EXPECT_TRUE(q.connectionString().isEmpty());  // the login connection is left unset
}

TEST_F(SignInTest, ACraftedNameCannotSignInAsAdministrator) {
    EXPECT_FALSE(as(QStringLiteral("x' union select '4"), QStringLiteral("4")).accepted);
    EXPECT_FALSE(as(QStringLiteral("admin' -- "), QStringLiteral("x")).accepted);
    EXPECT_FALSE(as(QStringLiteral("x' or '1'='1"), QStringLiteral("admin123")).accepted);
    // a name with a quote and a backslash is looked up exactly as typed
    testdb::exec(QStringLiteral("insert into username_password values ('o\\'b\\\\r','pw')"));
    testdb::exec(QStringLiteral("insert into username_rightid values ('o\\'b\\\\r','2')"));
    SignInOutcome o = as(QStringLiteral("o'b\\r"), QStringLiteral("pw"));
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(o.userName, QStringLiteral("o'b\\r"));
}

TEST_F(SignInTest, AnUnknownRightLevelOrNoRightRowIsRefused) {
    testdb::exec(QStringLiteral("insert into username_password values ('odd','pw'),('norow','pw')"));
    testdb::exec(QStringLiteral("insert into username_rightid values ('odd','02')"));
    EXPECT_FALSE(as(QStringLiteral("odd"), QStringLiteral("pw")).accepted);
    EXPECT_FALSE(as(QStringLiteral("norow"), QStringLiteral("pw")).accepted);
}

TEST(MenuVisibility, OnlyTheListedItemsAreTouched) {
    auto guest = menuVisibility(Access::Guest);
    EXPECT_FALSE(guest.value(QStringLiteral("menu1"), true));
    EXPECT_FALSE(guest.contains(QStringLiteral("menu11")));
    EXPECT_TRUE(guest.value(QStringLiteral("menu31")));
    auto admin = menuVisibility(Access::Admin);
    EXPECT_FALSE(admin.contains(QStringLiteral("menu610")));
    EXPECT_TRUE(admin.value(QStringLiteral("menu62")));
    EXPECT_FALSE(admin.value(QStringLiteral("menu1"), true));
}

}  // namespace
