// The window of "自动解析论文并导入数据库", offscreen, against the test server.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "db/Form.h"
#include "pdf/PdfSamples.h"
#include "pdf/TForm_pdf_import.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

using exchange::PreviewModel;

class PdfImportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        recorder::clear();
        w = db::Form::open<TForm_pdf_import>(QStringLiteral("editor"), testdb::paperConnection());
        w->reader().setProgram(QStringLiteral(BINARY_DIR "/paper_pdf_reader"));
        QDir(dir.path()).mkpath(QStringLiteral("sub"));
        samples::writePdf(dir.filePath(QStringLiteral("english.pdf")), samples::englishArticle);
        samples::writePdf(dir.filePath(QStringLiteral("sub/chinese.pdf")), samples::chineseArticle);
        QFile f(dir.filePath(QStringLiteral("sub/notes.pdf")));
        f.open(QIODevice::WriteOnly);
        f.write("not a pdf");
    }
    void TearDown() override { delete w.data(); }
    void readAndWait(const QStringList& paths) {
        QSignalSpy done(&w->reader(), &pdf::ReaderProcess::finished);
        w->readPaths(paths);
        ASSERT_TRUE(done.wait(30000));
    }
    QString cell(int row, int column) const {
        const PreviewModel& m = w->preview();
        return m.data(m.index(row, column)).toString();
    }
    QTemporaryDir dir;
    QPointer<TForm_pdf_import> w;
};

TEST_F(PdfImportWindow, AFolderIsReadIntoThePreviewMarkedEditedAndImported) {
    // the English paper's file is catalogued already (under another key)
    testdb::exec(QStringLiteral("insert into address values ('old','english.pdf','") +
                 QDir::toNativeSeparators(dir.path()) + QStringLiteral("',null,null)"));
    w->setChoosers({}, [&] { return dir.path(); });
    QSignalSpy done(&w->reader(), &pdf::ReaderProcess::finished);
    w->Button_folder->click();
    EXPECT_FALSE(w->Button_yes->isEnabled());
    EXPECT_TRUE(w->Button_cancel->isEnabled());
    ASSERT_TRUE(done.wait(30000));

    EXPECT_EQ(w->windowTitle(), QStringLiteral("自动解析论文并导入数据库"));
    ASSERT_EQ(w->preview().rowCount(), 3);
    EXPECT_EQ(cell(0, PreviewModel::Title), QStringLiteral("Reading Paper Records from Scanned Catalogues of Small Libraries"));
    EXPECT_EQ(cell(0, PreviewModel::Notes), QStringLiteral("此文件已在库中（文件夹和文件名相同）"));
    EXPECT_FALSE(w->preview().isTicked(0));
    EXPECT_EQ(cell(1, PreviewModel::Title), QStringLiteral("基于版面分析的论文元数据自动提取"));
    EXPECT_EQ(cell(1, PreviewModel::Dir), QDir::toNativeSeparators(dir.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(cell(1, PreviewModel::Filename), QStringLiteral("chinese.pdf"));
    EXPECT_TRUE(w->preview().isTicked(1));
    EXPECT_EQ(cell(2, PreviewModel::State), QStringLiteral("不能导入"));
    EXPECT_TRUE(w->Memo_messages->toPlainText().contains(QStringLiteral("notes.pdf：不是PDF文件")));
    EXPECT_EQ(w->Label_progress->text(), QStringLiteral("读取完毕：3 个文件，出错 1"));
    EXPECT_EQ(w->ProgressBar1->value(), 3);

    // a reading is a guess: the user corrects the year before importing
    PreviewModel& m = w->preview();
    ASSERT_TRUE(m.setData(m.index(1, PreviewModel::Date), QStringLiteral("2020-03-05")));
    w->Button_yes->click();
    EXPECT_EQ(recorder::lines(),
              QStringList{QStringLiteral("导入完成/导入 1 篇，更新 0 篇，跳过 0 篇，失败 0 篇，未写入 0 篇")});
    EXPECT_EQ(testdb::column(QStringLiteral("select Paperid from main")),
              QStringList{QStringLiteral("基于版面分析的论文元数据自动提取$张三$2020-03-05")});
    EXPECT_EQ(testdb::column(QStringLiteral("select author_2 from author_all where Paperid<>'old'")),
              QStringList{QStringLiteral("李四")});
    EXPECT_EQ(testdb::column(QStringLiteral("select kword_3 from kword_all")), QStringList{QStringLiteral("文献管理")});
    EXPECT_EQ(testdb::column(QStringLiteral("select typist from type_in")), QStringList{QStringLiteral("editor")});
    // now catalogued by its key and by its place
    EXPECT_TRUE(cell(1, PreviewModel::Notes).contains(QStringLiteral("此文件已在库中（文件夹和文件名相同）")))
        << cell(1, PreviewModel::Notes).toStdString();
    EXPECT_EQ(cell(1, PreviewModel::State), QStringLiteral("已在库中"));
}

TEST_F(PdfImportWindow, CancelKeepsWhatWasReadAndNoPdfIsSaid) {
    const QString fake = dir.filePath(QStringLiteral("slow_reader.sh"));
    QFile f(fake);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/bash\nread -r p; printf '{\"title\":\"T\",\"authors\":[\"A B\"],\"date\":\"2001\"}\\n'; exec sleep 30\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    w->reader().setProgram(fake);
    QSignalSpy first(&w->reader(), &pdf::ReaderProcess::fileRead);
    w->readPaths({dir.path()});
    ASSERT_TRUE(first.wait(10000));
    w->Button_cancel->click();
    EXPECT_FALSE(w->isReading());
    EXPECT_EQ(w->preview().rowCount(), 1);
    EXPECT_EQ(w->Label_progress->text(), QStringLiteral("已取消：读取了 1 / 3，出错 0"));
    EXPECT_TRUE(w->Button_yes->isEnabled());

    recorder::clear();
    QDir(dir.path()).mkpath(QStringLiteral("empty"));
    w->readPaths({dir.filePath(QStringLiteral("empty"))});
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("注意/所选位置没有PDF文件")});
}

}  // namespace
