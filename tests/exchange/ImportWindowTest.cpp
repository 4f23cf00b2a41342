#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QPointer>
#include <QTemporaryDir>

#include "window/Form.h"
#include "exchange/windows/TForm_import.h"
#include "exchange/TextFile.h"
#include "support/FocusChain.h"
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

TEST_F(ImportWindow, TabGoesThroughTheControlsInTheirOrder) {
    const QStringList order{"Edit_file", "Button_open", "ComboBox_format", "ComboBox_encoding", "Button_read",
                            "Edit_dir", "RadioButton_skip", "RadioButton_update", "Grid_mapping", "Button_map",
                            "Memo_messages", "Grid_preview", "Button_all", "Button_none", "Button_yes",
                            "Button_cancel", "Button_report", "Button_no"};
    EXPECT_EQ(testsupport::focusChain(w), order);
}

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
    EXPECT_FALSE(m.isTicked(0));  // written: a second run leaves it alone
    EXPECT_TRUE(m.isTicked(2));
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

// A large file shows how far the reading is while it runs, and "取消" stops
// it with nothing offered; a second reading goes through whole.
TEST_F(ImportWindow, ReadingALargeFileShowsProgressAndCanBeStopped) {
    QByteArray bib;
    for (int i = 0; i < 1200; ++i)
        bib += QStringLiteral("@article{k%1, title={Paper %1}, author={M\\\"uller, Hans}, year={2001}}\n")
                   .arg(i)
                   .toUtf8();
    const QString path = file(QStringLiteral("large.bib"), bib);
    QStringList seen;
    QTimer::singleShot(0, w, [&] {
        seen << w->Label_progress->text();
        EXPECT_FALSE(w->Button_read->isEnabled());
        w->Button_cancel->click();
    });
    w->openFile(path);
    EXPECT_EQ(seen, QStringList{QStringLiteral("正在读取 500 / 1200")});
    EXPECT_TRUE(recorder::lines().isEmpty());  // stopped by the user: no error box
    EXPECT_EQ(w->preview().rowCount(), 0);
    EXPECT_TRUE(w->Memo_messages->toPlainText().contains(QStringLiteral("已停止读取")));
    EXPECT_TRUE(w->Button_read->isEnabled());

    w->Button_read->click();
    EXPECT_EQ(w->preview().rowCount(), 1200);
    EXPECT_EQ(w->preview().data(w->preview().index(0, PreviewModel::Author)).toString(), QStringLiteral("Müller, Hans"));

    // A CSV file tells its lines, and stops the same way.
    QByteArray csv = "title,author,year\n";
    for (int i = 0; i < 12000; ++i) csv += QStringLiteral("Paper %1,Ann,2001\n").arg(i).toUtf8();
    seen.clear();
    QTimer::singleShot(0, w, [&] {
        seen << w->Label_progress->text();
        w->Button_cancel->click();
    });
    w->openFile(file(QStringLiteral("large.csv"), csv));
    EXPECT_EQ(seen, QStringList{QStringLiteral("正在读取 5000 / 12002")});
    EXPECT_EQ(w->preview().rowCount(), 0);
    w->Button_read->click();
    EXPECT_EQ(w->preview().rowCount(), 12000);
}

}  // namespace

namespace {

// Pictures of the window on a real display (PAPER_SHOTS=folder, with
// QT_QPA_PLATFORM=xcb and DISPLAY set): the preview with marked rows, then
// the summary after the import.
TEST_F(ImportWindow, Screenshots) {
    const QString out = qEnvironmentVariable("PAPER_SHOTS");
    if (out.isEmpty()) GTEST_SKIP() << "set PAPER_SHOTS to a folder to save screenshots";
    testdb::loadSample();
    const QByteArray bib =
        "@string{jos = {软件学报}}\n"
        "@article{wang2019, title={基于深度学习的图像识别研究}, author={张伟}, year=2019, month=mar, day=15}\n"
        "@article{knuth84, title={Literate Programming}, author={Knuth, Donald E.}, year=1984, month=may,\n"
        "  journal={The Computer Journal}, keywords={programming, documentation}, file={:papers/knuth84.pdf:PDF}}\n"
        "@inproceedings{many, title={Caf{\\'e} Systems at Scale}, author={A. One and B. Two and C. Three and D. Four\n"
        "  and E. Five and F. Six and G. Seven}, year=2020, note={seven authors}}\n"
        "@article{li2021, title={分布式事务的一致性}, author={李娜 and 王强}, year=2021, journal=jos, keywords={事务；一致性}}\n"
        "@article{li2021b, title={分布式事务的一致性}, author={李娜 and 王强}, year=2021}\n"
        "@misc{noyear, title={A Note Without a Year}, author={Smith, John}}\n"
        "@article{dup, title={Duplicate Fields}, title={Second Title}, author={Doe, Jane}, year=2018}\n"
        "@article{broken, title={Unbalanced {brace, author={X}, year=2000}\n"
        "@book{gbk, title={数据库系统概论}, author={王珊 and 萨师煊}, year=2014, publisher={高等教育出版社}}\n";
    w->resize(1240, 700);
    w->move(10, 10);
    w->openFile(file(QStringLiteral("文献.bib"), bib));
    auto shot = [&](const QString& name) {
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        QThread::msleep(300);
        QCoreApplication::processEvents();
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                      out + QLatin1Char('/') + name});
    };
    shot(QStringLiteral("import_preview.png"));
    w->Button_yes->click();
    shot(QStringLiteral("import_summary.png"));

    // A larger file while it is being read.
    QByteArray large;
    for (int i = 0; i < 3000; ++i)
        large += QStringLiteral("@article{k%1, title={论文 %1}, author={作者%1}, year={2001}}\n").arg(i).toUtf8();
    bool taken = false;
    QTimer::singleShot(0, w, [&] {
        w->grab().save(out + QStringLiteral("/import_reading.png"));
        taken = true;
    });
    w->openFile(file(QStringLiteral("大文件.bib"), large));
    EXPECT_TRUE(taken);

    // A short Latin-1 file: read by the detector's guess, which the window names.
    w->openFile(file(QStringLiteral("latin1.bib"),
                     encodeAs(QStringLiteral("@article{m, title={Über Maße}, author={Müller, Jörg}, year=2001}\n"),
                              "ISO-8859-1")));
    w->grab().save(out + QStringLiteral("/import_encoding_guess.png"));
}

}  // namespace

namespace {

// A real bibliography end to end (PAPER_REAL_BIB=path): read, previewed,
// imported; prints what was offered, imported and marked, and why.
TEST_F(ImportWindow, RealBibliography) {
    const QString path = qEnvironmentVariable("PAPER_REAL_BIB");
    if (path.isEmpty()) GTEST_SKIP() << "set PAPER_REAL_BIB to a BibTeX file";
    QElapsedTimer t;
    t.start();
    w->openFile(path);
    const qint64 previewMs = t.elapsed();
    const PreviewModel& m = w->preview();
    QMap<QString, int> reasons;
    for (const CheckedPaper& p : m.papers())
        for (const QString& n : p.notes) {
            QString kind = n;
            kind.remove(QRegularExpression(QStringLiteral("[0-9]+"))).truncate(40);
            ++reasons[statusText(p.status) + QStringLiteral(" / ") + kind];
        }
    std::printf("offered %d, preview %lld ms: %s\n", int(m.rowCount()), previewMs, w->Label_counts->text().toUtf8().constData());
    for (auto it = reasons.begin(); it != reasons.end(); ++it)
        std::printf("  %6d  %s\n", it.value(), it.key().toUtf8().constData());
    std::printf("file problems: %s\n", w->Memo_messages->toPlainText().left(2000).toUtf8().constData());
    t.restart();
    w->Button_yes->click();
    std::printf("import %lld ms: %s\n", t.elapsed(), w->summary().text().left(3000).toUtf8().constData());
    EXPECT_EQ(testdb::count(QStringLiteral("main")), w->summary().imported);
    EXPECT_EQ(testdb::count(QStringLiteral("type_in")), w->summary().imported);
}

}  // namespace
