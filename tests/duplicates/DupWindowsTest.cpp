#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "../catalogue/PaperTestSupport.h"
#include "DupTestSupport.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "window/FormRegistry.h"
#include "db/Schema.h"
#include "duplicates/windows/TForm_dup_find.h"
#include "db/OdbcQuery.h"
#include "duplicates/ImportCheck.h"
#include "duplicates/windows/SimilarChoices.h"
#include "exchange/PaperWriter.h"
#include "exchange/PreviewModel.h"
#include "scripting/ScriptEngine.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using duptest::Paper;

// Saves what a window shows when PAPER_SCREENSHOTS names a folder.
void screenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("PAPER_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QApplication::processEvents();
    w->grab().save(QDir(dir).filePath(name));
}

const Paper kA{QStringLiteral("Graph neural networks: a review of methods and applications"), QStringLiteral("Zhou, Jie"),
               QStringLiteral("2020-01-01"), QStringLiteral("Cui, Ganqu；Zhang, Zhengyan"), QStringLiteral("GNN；review"),
               QString(), QStringLiteral("arXiv:1812.08434"), QStringLiteral("2024-03-01")};
const Paper kB{QStringLiteral("GRAPH NEURAL NETWORKS — A REVIEW OF METHODS AND APPLICATIONS"), QStringLiteral("Jie Zhou"),
               QStringLiteral("2019-12-01"), QStringLiteral("Hu, Shengding"), QStringLiteral("graph"),
               QStringLiteral("机器学习"), QStringLiteral("AI Open 1:57-81"), QStringLiteral("2024-01-01")};
const Paper kC{QStringLiteral("基于深度学习的中文分词方法研究"), QStringLiteral("张三"), QStringLiteral("2019-05-01"), {}, {},
               {}, {}, QStringLiteral("2024-02-01")};
const Paper kD{QStringLiteral("基于深度学习的中文分词方法研究：以新闻语料为例"), QStringLiteral("张 三"),
               QStringLiteral("2020-01-01"), QStringLiteral("李四；王五"), QStringLiteral("分词；深度学习"),
               QStringLiteral("自然语言处理"), {}, QStringLiteral("2023-12-01")};

class DupWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
    }
};

TEST_F(DupWindows, TheMenuItemOpensTheWindowForSeniorUsersAndAdministrators) {
    const auto* factory = db::FormRegistry::find(QStringLiteral("menu39"));
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<db::Form> w((*factory)());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("查找重复论文"));
}

TEST_F(DupWindows, ScanShowsGroupsSideBySideAndMergesTheChosenFields) {
    const QString a = duptest::enter(kA), b = duptest::enter(kB);
    duptest::enter(kC);
    duptest::enter(kD);
    papertest::Window<TForm_dup_find> w;
    w->resize(1200, 640);
    w->Button_scan->click();
    ASSERT_EQ(w->List_groups->count(), 2);
    EXPECT_TRUE(w->Button_merge->isEnabled());

    // the group of the two English papers, the earliest entry kept by default
    int row = w->List_groups->item(0)->text().startsWith(QStringLiteral("GRAPH")) ||
                      w->List_groups->item(0)->text().startsWith(QStringLiteral("Graph"))
                  ? 0
                  : 1;
    w->List_groups->setCurrentRow(row);
    ASSERT_EQ(w->shownGroup().size(), 2);
    const int keepA = w->shownGroup()[0].key == a ? 0 : 1;
    EXPECT_EQ(w->plan().keep, 1 - keepA);  // B was entered first
    w->chooseKeep(keepA);
    w->chooseField(duplicates::Field::Catalog, 1 - keepA);
    EXPECT_EQ(w->Grid_group->columnCount(), 3);
    screenshot(&*w, QStringLiteral("merge-window.png"));
    w->Button_merge->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/合并成功")});
    EXPECT_EQ(w->List_groups->count(), 1);
    EXPECT_EQ(papertest::rowsOf(b), (QList<qint64>{0, 0, 0, 0, 0}));
    EXPECT_EQ(duptest::value(a, QStringLiteral("a.catalog")), QStringLiteral("机器学习"));
    EXPECT_EQ(duptest::value(a, QStringLiteral("concat_ws('|',w.author_2,w.author_3,w.author_4)")),
              QStringLiteral("Cui, Ganqu|Zhang, Zhengyan|Hu, Shengding"));

    // "不是重复": the other group goes and does not come back
    recorder::clear();
    w->List_groups->setCurrentRow(0);
    w->Button_distinct->click();
    EXPECT_EQ(w->List_groups->count(), 0);
    w->Button_scan->click();
    EXPECT_EQ(w->List_groups->count(), 0);
    EXPECT_TRUE(recorder::lines().isEmpty());
    const QList<qint64> sizes = duptest::sizes();
    EXPECT_EQ(sizes, QList<qint64>(6, 3));
}

TEST_F(DupWindows, BatchMergeKeepsTheFullestOfEveryTickedGroup) {
    duptest::enter(kA);
    duptest::enter(kB);
    duptest::enter(kC);
    const QString d = duptest::enter(kD);
    papertest::Window<TForm_dup_find> w;
    w->Button_scan->click();
    ASSERT_EQ(w->List_groups->count(), 2);
    w->ComboBox_rule->setCurrentIndex(1);  // 保留信息最全的
    w->Button_merge_all->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("批量合并/已合并 2 组")});
    EXPECT_EQ(duptest::sizes(), QList<qint64>(6, 2));
    EXPECT_EQ(papertest::rowsOf(d), (QList<qint64>{1, 1, 1, 1, 1}));  // the Chinese paper with more filled in
}

TEST_F(DupWindows, TheEntryWindowListsLikelyDuplicatesWithoutChangingTheInsert) {
    duptest::enter(kD);
    papertest::Window<TForm_insert_d> w;
    w->Edit_title->setText(QStringLiteral("基于深度学习的中文分词方法研究"));
    w->Edit_author->setText(QStringLiteral("张三"));
    w->Edit_date->setText(QStringLiteral("2019-06-01"));
    w->SimilarPapers->lookNow();
    ASSERT_EQ(w->SimilarPapers->List_similar->topLevelItemCount(), 1);
    EXPECT_FALSE(w->SimilarPapers->isHidden());
    EXPECT_EQ(w->SimilarPapers->List_similar->topLevelItem(0)->text(0), kD.title);
    EXPECT_EQ(w->SimilarPapers->List_similar->topLevelItem(0)->text(3), QStringLiteral("D:\\papers"));
    w->Edit_filename->setText(QStringLiteral("f.pdf"));
    w->Edit_dir->setText(QStringLiteral("D:\\new"));
    screenshot(&*w, QStringLiteral("entry-warning.png"));

    // the typed paper is saved as before; the list is only a hint
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("成功/插入成功")});
    EXPECT_EQ(duptest::sizes(), QList<qint64>(6, 2));

    // an unlike title empties and hides the list
    w->Edit_title->setText(QStringLiteral("量子计算入门"));
    w->SimilarPapers->lookNow();
    EXPECT_TRUE(w->SimilarPapers->isHidden());
}

TEST_F(DupWindows, TheImportPreviewMarksLikelyDuplicatesUnticked) {
    duptest::enter(kA);
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    duplicates::ImportCheck check([&] { return &q; });
    exchange::PreviewModel model;
    model.setOptions(exchange::MappingOptions{QStringLiteral("D:\\in")});
    model.setExtraCheck([&](const exchange::PaperRecord&, const exchange::CheckedPaper& p) { return check(p); });
    exchange::PaperRecord like, other;
    like.title = QStringLiteral("Graph Neural Networks: A Review of Methods and Applications.");
    like.authors = {QStringLiteral("Jie Zhou"), QStringLiteral("Ganqu Cui")};
    like.date = QStringLiteral("2021");
    other.title = QStringLiteral("Probabilistic robotics");
    other.authors = {QStringLiteral("Thrun, Sebastian")};
    other.date = QStringLiteral("2005");
    model.setRecords({like, other});
    ASSERT_EQ(model.papers().size(), 2);
    EXPECT_EQ(model.papers()[0].status, exchange::Status::Similar);
    EXPECT_EQ(exchange::statusText(model.papers()[0].status), QStringLiteral("可能重复"));
    EXPECT_TRUE(model.papers()[0].notes.join(QString()).contains(kA.title));
    EXPECT_FALSE(model.isTicked(0));  // skipped unless ticked: "import anyway"
    EXPECT_EQ(check.resembled(model.papers()[0].key), schema::paperKey(kA.title, kA.author, kA.date));
    EXPECT_EQ(model.papers()[1].status, exchange::Status::Ready);
    EXPECT_TRUE(model.isTicked(1));
}

}  // namespace

namespace {

TEST_F(DupWindows, AnImportedPaperCanUpdateThePaperItResembles) {
    const QString a = duptest::enter(kA);
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    duplicates::ImportCheck check([&] { return &q; });
    exchange::PreviewModel model;
    model.setOptions(exchange::MappingOptions{QStringLiteral("D:\\in")});
    model.setExtraCheck([&](const exchange::PaperRecord&, const exchange::CheckedPaper& p) { return check(p); });
    exchange::PaperRecord like;
    like.title = QStringLiteral("Graph neural networks: a review of methods and applications");
    like.authors = {QStringLiteral("Zhou, Jie"), QStringLiteral("Cui, Ganqu")};
    like.date = QStringLiteral("2021-01-01");
    like.remark = QStringLiteral("doi:10.1016/j.aiopen.2021.01.001");
    model.setRecords({like});
    ASSERT_EQ(model.papers()[0].status, exchange::Status::Similar);

    EXPECT_TRUE(duplicates::applyChoice(model, check, 0, duplicates::SimilarChoice::ImportAnyway));
    EXPECT_TRUE(model.isTicked(0));
    EXPECT_TRUE(model.jobs()[0].replaces.isEmpty());
    EXPECT_TRUE(duplicates::applyChoice(model, check, 0, duplicates::SimilarChoice::Update));
    ASSERT_EQ(model.jobs().size(), 1);
    EXPECT_EQ(model.jobs()[0].replaces, a);

    scripting::ScriptEngine engine;
    exchange::WriteOptions options;
    options.typist = QStringLiteral("editor");
    options.date = QStringLiteral("2024-06-01");
    exchange::PaperWriter writer(q, engine, options);
    const auto outcomes = writer.write(model.jobs());
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_EQ(outcomes[0].outcome, exchange::Outcome::Updated);
    EXPECT_EQ(papertest::rowsOf(a), (QList<qint64>{0, 0, 0, 0, 0}));
    EXPECT_EQ(duptest::sizes(), QList<qint64>(6, 1));
    EXPECT_EQ(testdb::scalar(QStringLiteral("select pub_time from main")), QStringLiteral("2021-01-01"));

    EXPECT_TRUE(duplicates::applyChoice(model, check, 0, duplicates::SimilarChoice::Skip));
    EXPECT_FALSE(model.isTicked(0));
}

}  // namespace
