// PDF files made here, read through the reader process the program uses.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "pdf/PdfFiles.h"
#include "pdf/PdfSamples.h"
#include "pdf/ReaderProcess.h"

namespace {

const QString kReader = QStringLiteral(BINARY_DIR "/paper_pdf_reader");

class PdfReading : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    static QList<exchange::PaperRecord> read(const QStringList& files, const QString& program = kReader,
                                             int timeLimit = 10000) {
        pdf::ReaderProcess reader;
        reader.setProgram(program);
        reader.setTimeLimit(timeLimit);
        QList<exchange::PaperRecord> out(files.size());
        QList<int> order;
        QObject::connect(&reader, &pdf::ReaderProcess::fileRead, [&](int i, const exchange::PaperRecord& r) {
            out[i] = r;
            order << i;
        });
        QEventLoop loop;
        QObject::connect(&reader, &pdf::ReaderProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        reader.start(files);
        loop.exec();
        EXPECT_FALSE(reader.isRunning());
        EXPECT_EQ(order.size(), files.size());
        return out;
    }
    static exchange::PaperRecord readOne(const QString& file) { return read({file}).first(); }
};

TEST_F(PdfReading, ReadsTitleAuthorsKeywordsAndYearFromVariedFirstPages) {
    samples::writePdf(path("english.pdf"), samples::englishArticle);
    samples::writePdf(path("conference.pdf"), samples::conferencePaper);
    samples::writePdf(path("chinese.pdf"), samples::chineseArticle);
    const auto r = read({path("english.pdf"), path("conference.pdf"), path("chinese.pdf")});

    EXPECT_EQ(r[0].error, QString());
    EXPECT_EQ(r[0].title, QStringLiteral("Reading Paper Records from Scanned Catalogues of Small Libraries"));
    EXPECT_EQ(r[0].authors, (QStringList{"Alice M. Smith", "Bob Jones", "Carol van der Berg"}));
    EXPECT_EQ(r[0].keywords, (QStringList{"record linkage", "library catalogues", "OCR"}));
    EXPECT_EQ(r[0].date, QStringLiteral("2019"));
    EXPECT_EQ(r[0].filename, QStringLiteral("english.pdf"));
    EXPECT_EQ(r[0].dir, dir.path());
    EXPECT_EQ(r[0].sourceKey, path("english.pdf"));

    EXPECT_EQ(r[1].title, QStringLiteral("Fast Import of Bibliographic Data"));
    EXPECT_EQ(r[1].authors, (QStringList{"Wei Zhang", "Maria Garcia", "John O'Neil"}));
    EXPECT_EQ(r[1].keywords, (QStringList{"databases", "import", "PDF"}));
    EXPECT_EQ(r[1].date, QStringLiteral("2021"));

    EXPECT_EQ(r[2].title, QStringLiteral("基于版面分析的论文元数据自动提取"));
    EXPECT_EQ(r[2].authors, (QStringList{"张三", "李四", "王小五"}));
    EXPECT_EQ(r[2].keywords, (QStringList{"元数据", "版面分析", "文献管理"}));
    EXPECT_EQ(r[2].date, QStringLiteral("2020"));
}

TEST_F(PdfReading, UsesMetadataOnlyWhereItIsPlausible) {
    // A word processor's file name as the title: the page's title wins.
    samples::writePdf(path("junk.pdf"), samples::englishArticle, 1,
                      {QStringLiteral("Microsoft Word - paper_final_v3.docx"), QStringLiteral("Writer"), {}});
    // Good XMP (title, creators, date) and a page without author lines or year.
    samples::writePdf(
        path("meta.pdf"),
        [](QPainter& p, int) {
            samples::centred(p, 100, 16, {QStringLiteral("Compact Result Stores for Large Grids")}, true);
            samples::body(p, 72, 160, 450, 700);
        },
        1,
        {{}, {}, samples::xmp(QStringLiteral("Compact Result Stores for Large Grids"),
                              {QStringLiteral("Ada Lovelace"), QStringLiteral("Charles Babbage")},
                              QStringLiteral("2017-05-04T10:00:00Z"))});
    // XMP that says "untitled" and names an account: the page only.
    samples::writePdf(path("untitled.pdf"), samples::chineseArticle, 1,
                      {{}, {}, samples::xmp(QStringLiteral("untitled"), {QStringLiteral("admin")}, {})});
    const auto r = read({path("junk.pdf"), path("meta.pdf"), path("untitled.pdf")});

    EXPECT_EQ(r[0].title, QStringLiteral("Reading Paper Records from Scanned Catalogues of Small Libraries"));
    EXPECT_EQ(r[1].title, QStringLiteral("Compact Result Stores for Large Grids"));
    // The page prints no authors (as a paper sent for blind review): the
    // metadata's names are not taken for it.
    EXPECT_EQ(r[1].authors, QStringList());
    EXPECT_TRUE(r[1].warnings.contains(QStringLiteral("未能读出作者")));
    EXPECT_EQ(r[1].date, QStringLiteral("2017"));
    EXPECT_TRUE(r[1].warnings.contains(QStringLiteral("年份取自文件的创建日期"))) << r[1].warnings.join(',').toStdString();
    EXPECT_EQ(r[2].title, QStringLiteral("基于版面分析的论文元数据自动提取"));
    EXPECT_EQ(r[2].authors.value(0), QStringLiteral("张三"));
}

TEST_F(PdfReading, BadFilesBecomeRecordsWithTheirError) {
    QFile(path("empty.pdf")).open(QIODevice::WriteOnly);
    {
        QFile f(path("text.pdf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("This is a plain text file, not a PDF.\n");
    }
    samples::writePdf(path("plain.pdf"), samples::englishArticle);
    {
        QFile in(path("plain.pdf"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        QFile out(path("damaged.pdf"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("%PDF-1.4\n");
        out.write(QByteArray(4000, '\x17'));  // garbage where the objects should be
    }
    const int qpdf = QProcess::execute(QStringLiteral("qpdf"),
                                       {QStringLiteral("--encrypt"), QStringLiteral("secret"), QStringLiteral("owner"),
                                        QStringLiteral("256"), QStringLiteral("--"), path("plain.pdf"), path("locked.pdf")});
    ASSERT_EQ(qpdf, 0) << "qpdf is needed to make an encrypted file";
    samples::writePdf(
        path("long.pdf"),
        [](QPainter& p, int page) {
            if (page == 0) samples::englishArticle(p, 0);
            else samples::run(p, 72, 72, 10, {QStringLiteral("Page %1").arg(page + 1)});
        },
        1000);

    QElapsedTimer clock;
    clock.start();
    const auto r = read({path("empty.pdf"), path("text.pdf"), path("damaged.pdf"), path("locked.pdf"),
                         path("long.pdf"), path("missing.pdf")});
    EXPECT_EQ(r[0].error, QStringLiteral("文件为空"));
    EXPECT_EQ(r[1].error, QStringLiteral("不是PDF文件"));
    EXPECT_FALSE(r[2].error.isEmpty());
    EXPECT_EQ(r[3].error, QStringLiteral("PDF文件已加密，需要密码"));
    EXPECT_EQ(r[4].error, QString());
    EXPECT_EQ(r[4].title, QStringLiteral("Reading Paper Records from Scanned Catalogues of Small Libraries"));
    EXPECT_EQ(r[5].error, QStringLiteral("文件不存在"));
    for (const auto& rec : r) EXPECT_FALSE(rec.filename.isEmpty());
    EXPECT_LT(clock.elapsed(), 10000);  // a thousand pages are not read page by page
}

// A stand-in reader that hangs on files named "hang", crashes on "crash" and
// answers the rest: the sequencing of restarts and time limits.
QString fakeReader(const QTemporaryDir& dir) {
    const QString script = dir.filePath(QStringLiteral("fake_reader.sh"));
    QFile f(script);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/bash\n"
            "while IFS= read -r path; do\n"
            "  case \"$path\" in\n"
            "    *hang*) exec sleep 30 ;;\n"
            "    *crash*) kill -SEGV $$ ;;\n"
            "    *) printf '{\"title\":\"%s\",\"authors\":[]}\\n' \"$path\" ;;\n"
            "  esac\n"
            "done\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

TEST_F(PdfReading, AFileThatHangsOrCrashesTheReaderCostsOnlyThatFile) {
    const QString fake = fakeReader(dir);
    QElapsedTimer clock;
    clock.start();
    const auto r = read({path("a.pdf"), path("hang.pdf"), path("b.pdf"), path("crash.pdf"), path("c.pdf")}, fake, 700);
    EXPECT_LT(clock.elapsed(), 8000);
    EXPECT_EQ(r[0].error, QString());
    EXPECT_TRUE(r[1].error.startsWith(QStringLiteral("读取超时"))) << r[1].error.toStdString();
    EXPECT_EQ(r[2].error, QString());
    EXPECT_EQ(r[3].error, QStringLiteral("读取此文件时PDF库崩溃"));
    EXPECT_EQ(r[4].error, QString());
    EXPECT_EQ(r[4].filename, QStringLiteral("c.pdf"));
    EXPECT_EQ(r[4].title, path("c.pdf"));  // the answer as the reader wrote it
}

TEST_F(PdfReading, AMissingReaderProgramGivesEveryFileAnError) {
    const auto r = read({path("a.pdf"), path("b.pdf")}, dir.filePath(QStringLiteral("no_such_reader")));
    EXPECT_EQ(r[0].error, QStringLiteral("无法启动PDF读取程序"));
    EXPECT_EQ(r[1].error, QStringLiteral("无法启动PDF读取程序"));
}

TEST_F(PdfReading, CancelStopsTheReaderAtOnce) {
    const QString fake = fakeReader(dir);
    pdf::ReaderProcess reader;
    reader.setProgram(fake);
    int records = 0;
    bool cancelled = false;
    QObject::connect(&reader, &pdf::ReaderProcess::fileRead, [&](int, const exchange::PaperRecord&) { ++records; });
    QObject::connect(&reader, &pdf::ReaderProcess::finished, [&](bool c) { cancelled = c; });
    reader.start({path("a.pdf"), path("hang.pdf"), path("b.pdf")});
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
    reader.cancel();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(records, 1);
    EXPECT_FALSE(reader.isRunning());
}

TEST_F(PdfReading, AFolderIsSearchedRecursivelyForPdfFiles) {
    QDir(dir.path()).mkpath(QStringLiteral("a/b"));
    for (const char* name : {"a/one.pdf", "a/b/two.PDF", "a/notes.txt", "three.pdf"}) QFile(path(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(pdf::pdfFiles({path("a"), path("three.pdf"), path("a/one.pdf")}),
              (QStringList{path("a/b/two.PDF"), path("a/one.pdf"), path("three.pdf")}));
}

}  // namespace
