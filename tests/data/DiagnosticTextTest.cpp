#include <gtest/gtest.h>

#include "db/OdbcDiagnostic.h"

// A later result's error that came without the server's number: the deadlock's
// text (also a cluster's lost certification) gives it, so that the change is
// tried again; any other text, or a number already given, stays as it is.
TEST(DiagnosticText, ADeadlockIsKnownByItsTextWhenTheNumberIsMissing) {
    db::odbc::Diagnostic lost{QStringLiteral("[ma-3.1.15][10.11.19-MariaDB]Deadlock found when trying to get lock; "
                                             "try restarting transaction"),
                              false, QStringLiteral("HY000"), 0};
    db::odbc::numberFromText(lost);
    EXPECT_EQ(lost.nativeCode, 1213);
    EXPECT_EQ(lost.sqlState, QStringLiteral("40001"));

    db::odbc::Diagnostic duplicate{QStringLiteral("[ma-3.1.15]Duplicate entry 'x' for key 'PRIMARY'"), false,
                                   QStringLiteral("23000"), 0};
    db::odbc::numberFromText(duplicate);
    EXPECT_EQ(duplicate.nativeCode, 0);
    EXPECT_EQ(duplicate.sqlState, QStringLiteral("23000"));

    db::odbc::Diagnostic numbered{QStringLiteral("Deadlock found when trying to get lock"), false, QStringLiteral("HY000"), 1205};
    db::odbc::numberFromText(numbered);
    EXPECT_EQ(numbered.nativeCode, 1205);
}
