#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "shell/Language.h"
#include "shell/Places.h"
#include "shell/Settings.h"

using namespace shell;

namespace {

// A program folder, a user folder and a site folder of their own; the files
// the test names read-only are refused to the writer.
struct Places {
    QTemporaryDir root;
    SettingsPlaces p;
    QSet<QString> readOnly;
    explicit Places(bool installed) {
        p.besideExecutable = root.filePath(QStringLiteral("bin/DBS_KT40617395.ini"));
        p.user = root.filePath(QStringLiteral("config/paper-catalogue/DBS_KT40617395.ini"));
        p.site = {root.filePath(QStringLiteral("xdg/paper-catalogue/DBS_KT40617395.ini"))};
        p.installed = installed;
        p.writable = [this](const QString& path) { return !readOnly.contains(path); };
        QDir().mkpath(root.filePath(QStringLiteral("bin")));
    }
    void put(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

const QByteArray kSite = "[database_info]\nprovider=MSDASQL.1\ndata source=site_dsn\n";

}  // namespace

TEST(SettingsPlaces, ABuildFolderKeepsTheFileBesideTheExecutable) {
    Places t(false);
    EXPECT_EQ(settingsPath(t.p), t.p.besideExecutable);  // none anywhere: beside, as ever
    EXPECT_EQ(writeDataSource(QStringLiteral("a"), t.p), t.p.besideExecutable);
    EXPECT_EQ(readSettings(settingsPath(t.p)).dataSource, QStringLiteral("a"));
    t.put(t.p.user, "[database_info]\ndata source=user_dsn\n");
    EXPECT_EQ(settingsPath(t.p), t.p.besideExecutable);  // a writable file beside comes first
}

TEST(SettingsPlaces, AnInstalledProgramReadsAndWritesTheUsersFile) {
    Places t(true);
    EXPECT_EQ(settingsPath(t.p), t.p.user);
    EXPECT_EQ(writeDataSource(QStringLiteral("mine"), t.p), t.p.user);  // the folder is made
    EXPECT_FALSE(QFile::exists(t.p.besideExecutable));
    EXPECT_EQ(readSettings(settingsPath(t.p)).dataSource, QStringLiteral("mine"));
}

TEST(SettingsPlaces, ASiteWideFileIsReadAndTheChangeGoesToACopyInTheUsersFolder) {
    Places t(true);
    t.put(t.p.site[0], kSite);
    t.readOnly << t.p.site[0];
    EXPECT_EQ(settingsPath(t.p), t.p.site[0]);
    EXPECT_EQ(readSettings(settingsPath(t.p)).dataSource, QStringLiteral("site_dsn"));
    EXPECT_EQ(writeDataSource(QStringLiteral("other"), t.p), t.p.user);
    EXPECT_EQ(settingsPath(t.p), t.p.user);
    const Settings now = readSettings(settingsPath(t.p));
    EXPECT_EQ(now.provider, QStringLiteral("MSDASQL.1"));  // carried over from the site's file
    EXPECT_EQ(now.dataSource, QStringLiteral("other"));
    EXPECT_EQ(readSettings(t.p.site[0]).dataSource, QStringLiteral("site_dsn"));  // left alone
}

TEST(SettingsPlaces, AReadOnlyFileBesideTheExecutableGivesWayToTheUsersCopyOnceWritten) {
    Places t(true);
    t.put(t.p.besideExecutable, kSite);
    t.readOnly << t.p.besideExecutable;
    EXPECT_EQ(settingsPath(t.p), t.p.besideExecutable);  // read beside when it is there
    EXPECT_EQ(settingsWritePath(t.p), t.p.user);
    writeDataSource(QStringLiteral("changed"), t.p);
    EXPECT_EQ(settingsPath(t.p), t.p.user);  // the change is what the next start reads
    EXPECT_EQ(readSettings(settingsPath(t.p)).provider, QStringLiteral("MSDASQL.1"));
    EXPECT_EQ(readSettings(t.p.besideExecutable).dataSource, QStringLiteral("site_dsn"));
}

TEST(Places, AnInstalledLayoutFindsHooksAndTheReaderUnderItsPrefix) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    QDir().mkpath(bin);
    EXPECT_FALSE(places::installed(bin));
    EXPECT_EQ(places::hookDirs(bin), QStringList{bin});
    QDir().mkpath(root.filePath(QStringLiteral("usr/share/paper-catalogue/hooks")));
    QDir().mkpath(root.filePath(QStringLiteral("usr/lib/paper-catalogue")));
    QFile reader(root.filePath(QStringLiteral("usr/lib/paper-catalogue/paper_pdf_reader")));
    ASSERT_TRUE(reader.open(QIODevice::WriteOnly));
    reader.close();
    reader.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(places::installed(bin));
    EXPECT_EQ(places::hookDirs(bin),
              (QStringList{bin, root.filePath(QStringLiteral("usr/share/paper-catalogue/hooks"))}));
    EXPECT_EQ(places::pdfReader(bin), reader.fileName());
    // A reader beside the executable comes first.
    QFile beside(bin + QStringLiteral("/paper_pdf_reader"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    beside.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(places::pdfReader(bin), beside.fileName());
}

TEST(Language, TheSettingsKeyWinsOverTheLocaleAndChineseIsTheDefault) {
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("C")), QStringLiteral("zh"));
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("zh_CN")), QStringLiteral("zh"));
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("en_US")), QStringLiteral("en"));
    EXPECT_EQ(chooseLanguage(QStringLiteral("zh"), QStringLiteral("en_GB")), QStringLiteral("zh"));
    EXPECT_EQ(chooseLanguage(QStringLiteral(" EN "), QStringLiteral("de_DE")), QStringLiteral("en"));
}
