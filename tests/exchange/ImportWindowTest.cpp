#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include "db/Form.h"
#include "exchange/TForm_import.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using namespace exchange;

class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
        w = db::Form::open<TForm_import>(QStringLiteral("editor"), testdb::paperConnection());
    }
    void TearDown() override { delete w.data(); }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    QPointer<TForm_import> w;
};

const QByteArray kBib =
    "@article{a, title={Alpha}, author={Ann}, year={2001}}\n"
    "@article{b, title={Beta}, author={Bob}}\n"
    "@article{c, title={Gamma}, author={Cid}, year={2003}}\n"
    "@article{d, title={Delta}, author={Dan}, year={2004}}\n";

TEST_F(ImportWindow, PreviewsMarksImportsAndSavesTheReport) {
    testdb::exec(QStringLiteral("insert into main values ('Gamma$Cid$2003','Gamma','Cid','2003')"));
    w->openFile(file(QStringLiteral("refs.bib"), kBib));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("从文件批量插入元组到数据库"));
    EXPECT_EQ(w->Label_counts->text(),
              QStringLiteral("共 4 条：可导入 2，需注意 0，文件内重复 0，已在库中 1，不能导入 1；已勾选 3"));
    const PreviewModel& m = w->preview();
    EXPECT_EQ(m.data(m.index(1, PreviewModel::State)).toString(), QStringLiteral("不能导入"));
    EXPECT_EQ(m.data(m.index(1, PreviewModel::Notes)).toString(), QStringLiteral("缺少发表时间"));
    EXPECT_EQ(m.data(m.index(2, PreviewModel::State)).toString(), QStringLiteral("已在库中"));
    EXPECT_EQ(w->Edit_dir->text(), QDir::toNativeSeparators(dir.path()));

    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(),
              QStringList{QStringLiteral("导入完成/导入 2 篇，更新 0 篇，跳过 1 篇，失败 0 篇，未写入 0 篇")});
    EXPECT_EQ(testdb::column(QStringLiteral("select typist from type_in order by Paperid")),
              (QStringList{QStringLiteral("editor"), QStringLiteral("editor")}));
    EXPECT_EQ(m.data(m.index(0, PreviewModel::Result)).toString(), QStringLiteral("已导入"));
    EXPECT_EQ(m.data(m.index(2, PreviewModel::Result)).toString(), QStringLiteral("已跳过"));
    EXPECT_TRUE(w->Button_report->isEnabled());
    const QString report = dir.filePath(QStringLiteral("report.txt"));
    ASSERT_TRUE(w->saveReport(report));
    QFile f(report);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("导入 2 篇"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Beta$Bob$\t不能导入")));
}

TEST_F(ImportWindow, CancelKeepsWhatWasCommittedAndBadFilesSayWhy) {
    w->setCancelAfter(1);
    w->openFile(file(QStringLiteral("refs.bib"), kBib));
    w->Button_yes->click();
    EXPECT_EQ(testdb::count(QStringLiteral("main")), 1);
    EXPECT_EQ(testdb::count(QStringLiteral("type_in")), 1);
    EXPECT_EQ(w->summary().notWritten, 2);
    EXPECT_FALSE(w->Button_cancel->isEnabled());

    recorder::clear();
    w->openFile(file(QStringLiteral("empty.bib"), QByteArray()));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("无法导入/文件是空的")});
    EXPECT_EQ(w->preview().rowCount(), 0);
    recorder::clear();
    w->openFile(file(QStringLiteral("x.csv"), "name;year\nx;2000\n"));
    ASSERT_EQ(recorder::shown().size(), 1);
    EXPECT_TRUE(recorder::shown().first().text.contains(QStringLiteral("论文题目")));
    // the match can be corrected by hand
    EXPECT_FALSE(w->findChild<QWidget*>(QStringLiteral("Panel_mapping"))->isHidden());
}

}  // namespace
