#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "shell/Settings.h"

using namespace shell;

TEST(Settings, TheFileLivesBesideTheExecutableWhateverTheWorkingFolder) {
    QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(settingsPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/DBS_KT40617395.ini"));
    QDir::setCurrent(before);
}

TEST(Settings, TheThreeConnectionStringsHaveTheirTenPieces) {
    Settings s{QStringLiteral("MSDASQL.1"), QStringLiteral("D")};
    const QString door = QLatin1String(db::kDoorCode), shelf = QLatin1String(db::kOpenShelf);
    EXPECT_EQ(paperConnectionString(s), QStringLiteral("Provider=MSDASQL.1;Password=") + shelf +
                                            QStringLiteral(";Persist Security Info=false;User ID=paper_user;Data Source=D"));
    EXPECT_EQ(loginConnectionString(s), QStringLiteral("Provider=MSDASQL.1;Password=") + door +
                                            QStringLiteral(";Persist Security Info=false;User ID=login_user;Data Source=D"));
    EXPECT_EQ(testConnectionString(QStringLiteral(" x ")),
              QStringLiteral("Provider=MSDASQL.1;Password=") + door +
                  QStringLiteral(";Persist Security Info=false;User ID=login_user;Data Source= x "));
    Settings defaults{QStringLiteral("no_provider"), QStringLiteral("no_source")};
    EXPECT_FALSE(defaults.complete());
    EXPECT_FALSE((Settings{QStringLiteral("MSDASQL.1"), QStringLiteral("no_source")}.complete()));
    EXPECT_TRUE(s.complete());
    EXPECT_TRUE(paperConnectionString(defaults).endsWith(QStringLiteral(";Data Source=no_source")));
}

TEST(Settings, TheOdbcMappingUsesTheDataSourceAndPassesOnOnlyWhereTheServerIs) {
    QString odbc = db::odbcConnectionString(
        QStringLiteral("Provider=MSDASQL.1;Password=pw;Persist Security Info=false;User ID=u;Data Source=dsn"));
    EXPECT_EQ(odbc, QStringLiteral("DSN=dsn;UID=u;PWD=pw;OPTION=2;CHARSET=utf8mb4"));
    // Smuggled in through the data source: the server's place passes, the
    // program's own options (matched rows, time-outs, start statement) do not.
    odbc = db::odbcConnectionString(QStringLiteral(
        "Provider=msdasql.1;Password=pw;Persist Security Info=false;User ID=u;Data Source=dsn;Option=0;"
        "PORT=3400;READ_TIMEOUT=0;CONN_TIMEOUT=0;INITSTMT=set autocommit=0"));
    EXPECT_EQ(odbc, QStringLiteral("DSN=dsn;UID=u;PWD=pw;OPTION=2;CHARSET=utf8mb4;PORT=3400"));
    EXPECT_THROW(db::odbcConnectionString(QStringLiteral("Provider=no_provider;Data Source=x")), db::DbError);
    EXPECT_THROW(db::odbcConnectionString(QString()), db::DbError);
}
