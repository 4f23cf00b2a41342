#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include "catalogue/SelectStatements.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "catalogue/windows/TForm_select_d_c.h"
#include "db/ColumnTitles.h"
#include "db/Messages.h"
#include "exchange/windows/TForm_import.h"
#include "shell/windows/TForm_database_sel.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"

namespace {

// The English translation as the build made it, installed for one test.
class English : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(translator_.load(QStringLiteral("paper_catalogue_en"), QStringLiteral(BINARY_DIR "/translations")));
        QCoreApplication::installTranslator(&translator_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }
    void remove() { QCoreApplication::removeTranslator(&translator_); }

    // Saved for whoever looks at the windows (docs/screenshots holds copies).
    static void shoot(QWidget& w, const QString& name) {
        w.show();
        QCoreApplication::processEvents();
        const QPixmap picture = w.grab();
        EXPECT_FALSE(picture.isNull());
        QDir().mkpath(QStringLiteral(BINARY_DIR "/screenshots"));
        picture.save(QStringLiteral(BINARY_DIR "/screenshots/en-%1.png").arg(name));
    }

    QTranslator translator_;
};

QString titleOf(TForm_main& w, const char* item) {
    QAction* a = w.findChild<QAction*>(QLatin1String(item));
    return a ? a->text() : QString();
}

}  // namespace

TEST_F(English, WindowsMenusMessagesAndColumnTitlesAreInEnglish) {
    TForm_main main;
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Paper Catalogue"));
    EXPECT_EQ(titleOf(main, "menu1"), QStringLiteral("System"));
    EXPECT_EQ(titleOf(main, "menu52"), QStringLiteral("Import papers from a file"));
    EXPECT_EQ(titleOf(main, "menu_exit"), QStringLiteral("Quit"));
    TForm_login login(&main);
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Sign in"));
    EXPECT_EQ(db::messages::translated(QStringLiteral("插入成功")), QStringLiteral("Paper entered"));
    EXPECT_EQ(db::shownColumnTitle(QStringLiteral("论文题目")), QStringLiteral("Title"));
    EXPECT_EQ(db::shownColumnTitle(QStringLiteral("not a title")), QStringLiteral("not a title"));
}

TEST_F(English, StatementsSentToTheServerDoNotChangeWithTheLanguage) {
    using namespace catalogue::search;
    Outputs all;
    all.fill(true);
    Ticks ticks;
    ticks.fill(true);
    Texts texts;
    texts.fill(QStringLiteral("数据"));
    const QString quickEn = quickStatement(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    const QString detailedEn = detailedStatement(all, ticks, texts);
    remove();
    EXPECT_EQ(quickEn, quickStatement(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    EXPECT_EQ(detailedEn, detailedStatement(all, ticks, texts));
    EXPECT_TRUE(detailedEn.contains(QStringLiteral("'论文题目'")));  // the column titles stay as they are
}

TEST_F(English, TheMainWindowsInEnglish) {
    TForm_main main;
    main.setSession(QStringLiteral("editor"), {});
    main.applyAccess(shell::Access::Admin);
    shoot(main, QStringLiteral("main"));
    QMenu* papers = main.findChild<QMenu*>(QStringLiteral("menu3_popup"));
    ASSERT_NE(papers, nullptr);
    papers->adjustSize();
    shoot(*papers, QStringLiteral("menu-papers"));
    papers->hide();
    QMenu* extras = main.findChild<QMenu*>(QStringLiteral("menu5_popup"));
    extras->adjustSize();
    shoot(*extras, QStringLiteral("menu-extras"));
    extras->hide();
    TForm_login login(&main);
    shoot(login, QStringLiteral("sign-in"));
    TForm_database_sel database;
    shoot(database, QStringLiteral("database-change"));
    TForm_select_d_c query;
    shoot(query, QStringLiteral("detailed-query"));
    TForm_insert_d entry;
    shoot(entry, QStringLiteral("paper-entry"));
    TForm_import import;
    import.resize(1000, 640);
    shoot(import, QStringLiteral("import"));
}
