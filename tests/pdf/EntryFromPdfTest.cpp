// The entry window's "从PDF读取…": one PDF fills the boxes, "插入" stays the user's.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "catalogue/windows/TForm_insert_d.h"
#include "pdf/EntryFromPdf.h"
#include "pdf/PdfSamples.h"
#include "support/Recorder.h"

namespace {

void readIn(TForm_insert_d& w, const QString& file) {
    w.pdfReader().setProgram(QStringLiteral(BINARY_DIR "/paper_pdf_reader"));
    w.setPdfChooser([file] { return file; });
    QSignalSpy done(&w.pdfReader(), &pdf::ReaderProcess::finished);
    w.Button_pdf->click();
    EXPECT_FALSE(w.Button_pdf->isEnabled());  // one file at a time
    ASSERT_TRUE(done.wait(20000));
    EXPECT_TRUE(w.Button_pdf->isEnabled());
}

TEST(EntryFromPdf, OnePdfFillsTheEntryBoxes) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("论文.pdf"));
    samples::writePdf(file, [](QPainter& p, int) {
        samples::centred(p, 90, 18, {QStringLiteral("A Catalogue of Everything")}, true);
        samples::centred(p, 120, 11, {QStringLiteral("Ann Lee"), QStringLiteral("^1"), QStringLiteral(", Bo Chen"),
                                      QStringLiteral("^2"), QStringLiteral(" and Cy Young")});
        samples::run(p, 72, 160, 9, {QStringLiteral("Keywords: catalogues; indexing")});
        samples::run(p, 72, 760, 7, {QStringLiteral("© 2016 The Authors. doi:10.5555/cat.2016.7")});
    });
    recorder::clear();
    TForm_insert_d w;
    w.Edit_remark->setText(QStringLiteral("kept"));
    readIn(w, file);
    EXPECT_EQ(w.Edit_title->text(), QStringLiteral("A Catalogue of Everything"));
    EXPECT_EQ(w.Edit_author->text(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(w.Edit_date->text(), QStringLiteral("2016"));
    EXPECT_EQ(w.Edit_filename->text(), QStringLiteral("论文.pdf"));
    EXPECT_EQ(w.Edit_dir->text(), dir.path());
    EXPECT_TRUE(w.CheckBox2->isChecked());
    EXPECT_EQ(w.Edit_authors->text(), QStringLiteral("Bo Chen；Cy Young"));
    EXPECT_TRUE(w.CheckBox1->isChecked());
    EXPECT_EQ(w.Edit_kwords->text(), QStringLiteral("catalogues；indexing"));
    // the identifier joins what was typed in the remark
    EXPECT_EQ(w.Edit_remark->text(), QStringLiteral("kept；DOI：10.5555/cat.2016.7"));
    EXPECT_TRUE(w.CheckBox4->isChecked());
    EXPECT_TRUE(recorder::lines().isEmpty());  // nothing inserted, nothing said
}

TEST(EntryFromPdf, AFileThatIsNotAPdfIsReportedAndTheBoxesStay) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.pdf"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("just text\n");
    f.close();
    recorder::clear();
    TForm_insert_d w;
    w.Edit_title->setText(QStringLiteral("typed"));
    readIn(w, file);
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("注意/无法读取该PDF文件：不是PDF文件")});
    EXPECT_EQ(w.Edit_title->text(), QStringLiteral("typed"));
    EXPECT_TRUE(w.Edit_filename->text().isEmpty());
}

TEST(EntryFromPdf, FurtherAuthorsAndKeywordsStopAtTheEntryLimits) {
    exchange::PaperRecord r;
    r.authors = QStringList{"A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 12; ++i) r.keywords << QString::number(i);
    const pdf::EntryTexts e = pdf::entryTexts(r);
    EXPECT_EQ(e.author, QStringLiteral("A"));
    EXPECT_EQ(e.authors, QStringLiteral("B；C；D；E"));
    EXPECT_EQ(e.kwords.count(QStringLiteral("；")), 9);
    EXPECT_FALSE(pdf::entryTexts(exchange::PaperRecord{}).authorsTicked);
    r.remark = QStringLiteral("DOI：10.1234/abc.5");
    EXPECT_EQ(pdf::entryTexts(r).remark, QStringLiteral("DOI：10.1234/abc.5"));
}

}  // namespace
