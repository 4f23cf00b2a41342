#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <csignal>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "db/DbError.h"
#include "shell/Settings.h"
#include "shell/windows/TForm_database_sel.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"
#include "shell/windows/TForm_password_update.h"

// The settings file under faults (a write that fails half-way, a folder
// where the file should be), and data sources that carry further connection
// attributes after ";".
namespace {

// Lets no file of this process grow beyond `bytes` while it lives: a write
// past that fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

QByteArray settingsText() {
    // Comments first, so that a cut-off rewrite would lose the two keys.
    QByteArray text = "; settings of the paper catalogue\n";
    for (int i = 0; i < 8; ++i) text += "; " + QByteArray(60, 'x') + "\n";
    return text + "[database_info]\nprovider=MSDASQL.1\ndata source=paperdb\n";
}

class SettingsFaults : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
    }
    void TearDown() override {
        QDir().rmdir(shell::settingsPath());
        testdb::removeSettings();
    }
};

TEST_F(SettingsFaults, AWriteThatFailsHalfWayLeavesTheSettingsFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DBS_KT40617395.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(settingsText());
    f.close();
    {
        FileSizeLimit full(200);
        EXPECT_THROW(shell::writeDataSource(QStringLiteral("another_source"), path), db::DbError);
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), settingsText());
    const shell::Settings s = shell::readSettings(path);
    EXPECT_EQ(s.provider, QStringLiteral("MSDASQL.1"));
    EXPECT_EQ(s.dataSource, QStringLiteral("paperdb"));
    // With room again the write goes through.
    shell::writeDataSource(QStringLiteral("another_source"), path);
    EXPECT_EQ(shell::readSettings(path).dataSource, QStringLiteral("another_source"));
    EXPECT_EQ(shell::readSettings(path).provider, QStringLiteral("MSDASQL.1"));
}

TEST_F(SettingsFaults, TheDatabaseChangeWindowReportsAFullDiskAndTheProgramStillSignsIn) {
    QFile f(shell::settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(settingsText());
    f.close();
    rel::Window<TForm_database_sel> w(QStringLiteral("admin"));
    w->Edit_datasource->setText(QStringLiteral("another_source"));
    QStringList shown;
    {
        FileSizeLimit full(200);
        shown = rel::click(w->Button_yes);
    }
    ASSERT_TRUE(rel::isErrorReport(shown)) << shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(shown.first(), QStringLiteral("!") + db::messages::programTitle() + QStringLiteral("/Unable to write to ") +
                                 shell::settingsPath() + QLatin1Char('.'));
    EXPECT_TRUE(w->isVisible());
    TForm_main main;
    TForm_login login(&main);
    login.Edit_username->setText(QStringLiteral("admin"));
    login.Edit_password->setText(QStringLiteral("admin123"));
    EXPECT_TRUE(rel::click(login.Button_yes).isEmpty());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(SettingsFaults, AFolderWhereTheSettingsFileShouldBeGivesDefaultsAndTheErrorReport) {
    testdb::removeSettings();
    ASSERT_TRUE(QDir().mkdir(shell::settingsPath()));
    EXPECT_FALSE(shell::readSettings().complete());
    TForm_main main;
    TForm_login login(&main);
    login.Edit_username->setText(QStringLiteral("admin"));
    login.Edit_password->setText(QStringLiteral("admin123"));
    EXPECT_TRUE(rel::isErrorReport(rel::click(login.Button_yes)));
    EXPECT_FALSE(main.isVisible());
    rel::Window<TForm_database_sel> w(QStringLiteral("admin"));
    w->Edit_datasource->setText(QStringLiteral("paperdb"));
    EXPECT_TRUE(rel::isErrorReport(rel::click(w->Button_yes)));
    login.Edit_username->setText(QStringLiteral("guest"));
    EXPECT_TRUE(rel::click(login.Button_yes).isEmpty());
    EXPECT_TRUE(main.isVisible());
}

// "paperdb;Option=0" would make the driver count only changed rows, so that
// saving a value a row already holds reported a failure; the program keeps
// counting matched rows whatever the data source adds.
TEST_F(SettingsFaults, ADataSourceWithFurtherAttributesStillConnectsAndCountsAsBefore) {
    for (const QString& ds : {QStringLiteral("paperdb;Option=0"), QStringLiteral("paperdb;OPTIONS=0;Port=") + QString::number(testdb::port()),
                              QStringLiteral("paperdb;InitStmt=set autocommit=0")}) {
        SCOPED_TRACE(ds.toStdString());
        testdb::loadSample();
        testdb::writeSettings(QStringLiteral("MSDASQL.1"), ds);
        TForm_main main;
        TForm_login login(&main);
        login.Edit_username->setText(QStringLiteral("editor"));
        login.Edit_password->setText(QStringLiteral("editor123"));
        EXPECT_TRUE(rel::click(login.Button_yes).isEmpty());
        ASSERT_TRUE(main.isVisible());

        // A file name saved with the value it has: one matched row, success.
        auto* update = db::Form::open<TForm_update_d_o>(main.userName(), main.paperConnection());
        update->Edit_title->setText(QStringLiteral("数据仓库设计与实现"));
        update->Edit_author_1->setText(QStringLiteral("张伟"));
        update->Edit_date->setText(QStringLiteral("2021-06-18"));
        update->CheckBox1->setChecked(true);
        update->Edit_filename->setText(testdb::scalar(
            QStringLiteral("select filename from address where Paperid='数据仓库设计与实现$张伟$2021-06-18'")));
        EXPECT_TRUE(rel::click(update->Button_yes).isEmpty());
        delete update;

        // The same password again: the change counts one row.
        auto* password = db::Form::open<TForm_password_update>(main.userName(), main.paperConnection());
        password->Edit_pre_password->setText(QStringLiteral("editor123"));
        password->Edit_new_password->setText(QStringLiteral("editor123"));
        password->Edit_cof_password->setText(QStringLiteral("editor123"));
        EXPECT_EQ(rel::click(password->Button_yes), QStringList{QStringLiteral("成功/密码修改成功")});

        // The connection test passes through the same mapping.
        rel::Window<TForm_database_sel> sel(QStringLiteral("admin"));
        sel->Edit_datasource->setText(ds);
        EXPECT_EQ(rel::click(sel->SpeedButton_test), QStringList{QStringLiteral("通过/测试通过")});
    }
}

}  // namespace
