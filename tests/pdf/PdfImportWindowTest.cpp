// The window of "自动解析论文并导入数据库", offscreen, against the test server.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "catalogue/windows/TForm_insert_d.h"
#include "window/Form.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "pdf/PdfFiles.h"
#include "pdf/PdfSamples.h"
#include "pdf/windows/TForm_pdf_import.h"
#include "support/FocusChain.h"
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

TEST_F(PdfImportWindow, TabGoesThroughTheControlsInTheirOrder) {
    const QStringList order{"Edit_source", "Button_files", "Button_folder", "RadioButton_skip",
                            "RadioButton_update", "Grid_preview", "Memo_messages", "Button_all", "Button_none",
                            "Button_yes", "Button_cancel", "Button_no"};
    EXPECT_EQ(testsupport::focusChain(w), order);
}

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

// Files read while the window asks the catalogue which files it holds (a
// slow server: the address table is locked here) are checked as well, and a
// second flush meanwhile (the timer, the end of the reading) is no error.
TEST_F(PdfImportWindow, FilesReadWhileTheCatalogueIsAskedAreCheckedToo) {
    readAndWait({dir.filePath(QStringLiteral("english.pdf"))});
    for (const char* name : {"a.pdf", "b.pdf"})
        testdb::exec(QStringLiteral("insert into address values ('%1','%1','/known',null,null)").arg(QLatin1String(name)));
    recorder::clear();
    auto read = [](const QString& name) {
        exchange::PaperRecord r;
        r.sourceKey = QStringLiteral("/known/") + name;
        r.title = QStringLiteral("Title of ") + name;
        r.authors = {QStringLiteral("A B")};
        r.date = QStringLiteral("2001");
        r.dir = QStringLiteral("/known");
        r.filename = name;
        return r;
    };
    db::OdbcQuery locker;
    locker.setConnectionString(testdb::paperConnection());
    locker.execSql(QStringLiteral("lock tables address write"));
    emit w->reader().fileRead(1, read(QStringLiteral("a.pdf")));
    QTimer::singleShot(300, w, [&] {
        emit w->reader().fileRead(2, read(QStringLiteral("b.pdf")));
        emit w->reader().finished(false);
    });
    QTimer::singleShot(1500, w, [&] { locker.execSql(QStringLiteral("unlock tables")); });
    emit w->reader().finished(false);
    for (int i = 0; i < 100 && w->preview().rowCount() < 3; ++i) QTest::qWait(50);
    ASSERT_EQ(w->preview().rowCount(), 3);
    for (int row : {1, 2}) {
        EXPECT_EQ(w->preview().papers()[row].status, exchange::Status::Repeated) << row;
        EXPECT_TRUE(cell(row, PreviewModel::Notes).contains(QStringLiteral("此文件已在库中"))) << row;
    }
    EXPECT_EQ(recorder::lines(), QStringList());
}

}  // namespace

namespace {

// Screenshots of a real window: PAPER_SHOTS names the folder for them,
// PAPER_PDF_SHOT_DIR a folder of PDF files to read (else the samples made here).
// Under a display (Xvfb) the whole screen is taken with ImageMagick's "import".
void screenshot(QWidget* w, const QString& name) {
    const QString path = qEnvironmentVariable("PAPER_SHOTS") + QLatin1Char('/') + name;
    w->show();
    w->raise();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(25);
    }
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    else
        w->grab().save(path);
}

TEST_F(PdfImportWindow, Screenshots) {
    if (!qEnvironmentVariableIsSet("PAPER_SHOTS")) GTEST_SKIP() << "set PAPER_SHOTS to save screenshots";
    const QString folder = qEnvironmentVariable("PAPER_PDF_SHOT_DIR", dir.path());
    const QStringList files = pdf::pdfFiles({folder});
    ASSERT_FALSE(files.isEmpty());
    testdb::exec(QStringLiteral("insert into address values ('old','") + db::sqlQuote(QFileInfo(files.first()).fileName()) +
                 QStringLiteral("','") + db::sqlQuote(QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath())) +
                 QStringLiteral("',null,null)"));
    w->move(10, 10);
    w->resize(1260, 740);
    readAndWait({folder});
    w->Grid_preview->resizeColumnsToContents();
    for (int c = 0; c < exchange::PreviewModel::ColumnCount; ++c)
        w->Grid_preview->setColumnWidth(c, std::min(w->Grid_preview->columnWidth(c), 260));
    screenshot(w, QStringLiteral("pdf_import.png"));

    TForm_insert_d entry;
    entry.move(10, 10);
    entry.pdfReader().setProgram(QStringLiteral(BINARY_DIR "/paper_pdf_reader"));
    entry.setPdfChooser([&] { return files.value(1, files.first()); });
    QSignalSpy done(&entry.pdfReader(), &pdf::ReaderProcess::finished);
    entry.Button_pdf->click();
    ASSERT_TRUE(done.wait(20000));
    w->hide();
    screenshot(&entry, QStringLiteral("insert_d_from_pdf.png"));
}

}  // namespace
