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
const QString kHei = QStringLiteral("WenQuanYi Zen Hei");

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

// One column: a two-line title, authors with affiliation marks, e-mails,
// a footnote, a Keywords line and a copyright line.
void englishArticle(QPainter& p, int) {
    samples::centred(p, 90, 17, {QStringLiteral("Reading Paper Records from Scanned")}, true);
    samples::centred(p, 112, 17, {QStringLiteral("Catalogues of Small Libraries")}, true);
    samples::centred(p, 145, 11,
                     {QStringLiteral("Alice M. Smith"), QStringLiteral("^1,*"), QStringLiteral(", Bob Jones"),
                      QStringLiteral("^2"), QStringLiteral(" and Carol van der Berg"), QStringLiteral("^1")});
    samples::centred(p, 165, 9, {QStringLiteral("^1"), QStringLiteral("Department of Computing, Example University, Springfield, USA")});
    samples::centred(p, 177, 9, {QStringLiteral("^2"), QStringLiteral("Institute of Records, Shelbyville")});
    samples::centred(p, 189, 9, {QStringLiteral("alice@example.edu, bob@records.org")});
    samples::run(p, 72, 220, 10, {QStringLiteral("Abstract")}, true);
    samples::body(p, 72, 235, 450, 300);
    samples::run(p, 72, 315, 9, {QStringLiteral("Keywords: record linkage; library catalogues; OCR")});
    samples::body(p, 72, 340, 450, 720);
    samples::run(p, 72, 760, 7, {QStringLiteral("* Corresponding author. Copyright © 2019 the authors.")});
}

// Two columns under a heading that spans the page, author blocks side by
// side with their affiliations, an "Index Terms" line and a conference line.
void conferencePaper(QPainter& p, int) {
    samples::run(p, 72, 40, 8, {QStringLiteral("Proceedings of the Workshop on Catalogues, Springfield, 2021")});
    samples::centred(p, 90, 20, {QStringLiteral("Fast Import of Bibliographic Data")});
    const char* names[] = {"Wei Zhang", "Maria Garcia", "John O'Neil"};
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * 160;
        samples::run(p, x, 130, 11, {QString::fromLatin1(names[i])});
        samples::run(p, x, 144, 9, {QStringLiteral("Dept. of Informatics")});
        samples::run(p, x, 156, 9, {QStringLiteral("Example University")});
        samples::run(p, x, 168, 9, {QStringLiteral("name%1@example.org").arg(i)});
    }
    samples::run(p, 50, 200, 9, {QStringLiteral("Abstract—We import many records at once.")}, true);
    samples::body(p, 50, 215, 235, 280);
    samples::run(p, 50, 292, 9, {QStringLiteral("Index Terms—databases, import, PDF")}, true);
    samples::body(p, 50, 310, 235, 780);
    samples::body(p, 310, 200, 235, 780);
}

void chineseArticle(QPainter& p, int) {
    samples::centred(p, 90, 18, {QStringLiteral("基于版面分析的论文元数据自动提取")}, true, kHei);
    samples::centred(p, 125, 11,
                     {QStringLiteral("张三"), QStringLiteral("^1"), QStringLiteral("，李四"), QStringLiteral("^2"),
                      QStringLiteral("，王小五"), QStringLiteral("^1")},
                     false, kHei);
    samples::centred(p, 145, 9, {QStringLiteral("（1. 清华大学 计算机科学与技术系，北京 100084；2. 北京大学 信息学院，北京 100871）")},
                     false, kHei);
    samples::run(p, 72, 175, 9, {QStringLiteral("摘要：本文研究从论文文件中自动提取题目、作者和关键词的方法。")}, false, kHei);
    samples::run(p, 72, 195, 9, {QStringLiteral("关键词：元数据；版面分析；文献管理")}, false, kHei);
    samples::body(p, 72, 220, 450, 700, kHei);
    samples::run(p, 72, 760, 7, {QStringLiteral("收稿日期：2020年3月5日")}, false, kHei);
}

TEST_F(PdfReading, ReadsTitleAuthorsKeywordsAndYearFromVariedFirstPages) {
    samples::writePdf(path("english.pdf"), englishArticle);
    samples::writePdf(path("conference.pdf"), conferencePaper);
    samples::writePdf(path("chinese.pdf"), chineseArticle);
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
    samples::writePdf(path("junk.pdf"), englishArticle, 1,
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
    samples::writePdf(path("untitled.pdf"), chineseArticle, 1,
                      {{}, {}, samples::xmp(QStringLiteral("untitled"), {QStringLiteral("admin")}, {})});
    const auto r = read({path("junk.pdf"), path("meta.pdf"), path("untitled.pdf")});

    EXPECT_EQ(r[0].title, QStringLiteral("Reading Paper Records from Scanned Catalogues of Small Libraries"));
    EXPECT_EQ(r[1].title, QStringLiteral("Compact Result Stores for Large Grids"));
    EXPECT_EQ(r[1].authors, (QStringList{"Ada Lovelace", "Charles Babbage"}));
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
    samples::writePdf(path("plain.pdf"), englishArticle);
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
            if (page == 0) englishArticle(p, 0);
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
            "    *) printf '{\"path\":\"%s\",\"pages\":1,\"words\":[]}\\n' \"$path\" ;;\n"
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
