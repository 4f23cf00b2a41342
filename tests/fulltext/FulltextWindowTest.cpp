#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "FulltextFixture.h"
#include "exchange/windows/ExportMenu.h"
#include "fulltext/IndexService.h"
#include "fulltext/windows/TForm_fulltext.h"
#include "grid/PaperFile.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

class FulltextWindow : public FulltextDb {
protected:
    void SetUp() override {
        FulltextDb::SetUp();
        ASSERT_TRUE(dir.isValid());
        const QStringList papers[] = {
            {QStringLiteral("基于深度学习的中文分词方法"),
             QStringLiteral("摘要\n本文提出一种基于深度学习的中文分词方法，在多个数据集上取得了较好的结果。"),
             QStringLiteral("实验表明，全文检索系统使用该分词方法后，查询的准确率明显提高。")},
            {QStringLiteral("A survey of full-text retrieval"),
             QStringLiteral("Abstract. We survey inverted indexes for full-text retrieval and their compression."),
             QStringLiteral("Phrase queries over an inverted index need positions; BM25 ranks the results.")},
            {QStringLiteral("图书馆全文检索系统的设计"),
             QStringLiteral("图书馆的论文全文检索系统需要支持中文和英文混合查询，例如 BM25 排序。")},
        };
        QVector<fulltext::ExtractedFile> files;
        for (const QStringList& p : papers) {
            addPaper(p.first(), dir.path());
            QFile f(dir.filePath(p.first() + QStringLiteral(".pdf")));
            f.open(QIODevice::WriteOnly);
            files.append(file(p.first(), p.mid(1), dir.path()));
        }
        fulltext::writeBatch(q, files);
        w = db::Form::open<TForm_fulltext>(QStringLiteral("reader"), testdb::paperConnection());
        w->resize(1100, 460);
    }
    void TearDown() override { delete w; }
    void search(const QString& text) {
        w->Edit_query->setText(text);
        QTest::mouseClick(w->Button_search, Qt::LeftButton);
    }
    QString cell(int row, int column) const { return w->DBGrid_fulltext->model()->index(row, column).data().toString(); }
    void shot(const QString& name) {
        QDir().mkpath(QStringLiteral(SOURCE_DIR "/docs/screenshots"));
        QCoreApplication::processEvents();
        w->grab().save(QStringLiteral(SOURCE_DIR "/docs/screenshots/") + name);
    }
    QTemporaryDir dir;
    TForm_fulltext* w = nullptr;
};

TEST_F(FulltextWindow, AChineseSearchListsPagesAndMarkedLinesAndOpensTheFile) {
    EXPECT_TRUE(w->Label_size->text().startsWith(QStringLiteral("已索引 3 篇论文、5 页"))) << w->Label_size->text().toStdString();
    search(QStringLiteral("全文检索"));
    EXPECT_TRUE(recorder::lines().isEmpty()) << recorder::lines().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(w->DBGrid_fulltext->model()->rowCount(), 2);
    EXPECT_EQ(w->Label_result->text(), QStringLiteral("找到 2 篇论文"));
    EXPECT_EQ(w->DBGrid_fulltext->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("摘录"));
    for (int r = 0; r < 2; ++r) EXPECT_TRUE(cell(r, 4).contains(QStringLiteral("【全文检索】"))) << cell(r, 4).toStdString();
    EXPECT_EQ(cell(1, 0), QStringLiteral("基于深度学习的中文分词方法"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("2"));
    shot(QStringLiteral("fulltext_chinese.png"));

    QList<QUrl> opened;
    grid::setFileOpener([&](const QUrl& url) { opened << url; return true; });
    const QRect rect = w->DBGrid_fulltext->visualRect(w->DBGrid_fulltext->model()->index(1, 0));
    QTest::mouseClick(w->DBGrid_fulltext->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(w->DBGrid_fulltext->viewport(), Qt::LeftButton, {}, rect.center());
    grid::setFileOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toLocalFile(), dir.filePath(QStringLiteral("基于深度学习的中文分词方法.pdf")));

    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    EXPECT_TRUE(exchange::ExportMenu::exportTo(*w->DBGrid_fulltext, csv).isEmpty());
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("【全文检索】")));
    EXPECT_EQ(written.count(QLatin1Char('\n')), 3);
}

TEST_F(FulltextWindow, AnEnglishPhraseAndExclusionAndAnEmptyQuery) {
    search(QStringLiteral("\"inverted index\" -compressed"));
    ASSERT_EQ(w->DBGrid_fulltext->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 3), QStringLiteral("2"));
    // "compression" stands on the paper's first page: the paper is left out
    search(QStringLiteral("\"inverted index\" -compression"));
    EXPECT_EQ(w->DBGrid_fulltext->model()->rowCount(), 0);
    EXPECT_EQ(w->Label_result->text(), QStringLiteral("找到 0 篇论文"));
    search(QStringLiteral("BM25 \"inverted index\""));
    ASSERT_EQ(w->DBGrid_fulltext->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 4), QStringLiteral("…index need positions; 【BM25】 ranks the results."));
    shot(QStringLiteral("fulltext_english.png"));
    search(QStringLiteral("bm25"));
    EXPECT_EQ(w->DBGrid_fulltext->model()->rowCount(), 2);
    search(QStringLiteral("  "));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("注意/请输入要查找的词或句子")});
}

TEST_F(FulltextWindow, BuildingTheIndexShowsProgressAndListsFilesNotFound) {
    addPaper(QStringLiteral("lost"), dir.path(), QStringLiteral("lost.pdf"));
    fulltext::IndexService::instance().setReaderProgram(QStringLiteral(BINARY_DIR "/paper_pdf_reader"));
    fulltext::IndexService::instance().setLimits({});
    QTest::mouseClick(w->Button_build, Qt::LeftButton);
    EXPECT_TRUE(w->Button_cancel->isEnabled());
    fulltext::IndexService::instance().waitUntilIdle();
    EXPECT_FALSE(w->Button_cancel->isEnabled());
    EXPECT_TRUE(w->Label_progress->text().startsWith(QStringLiteral("索引完成"))) << w->Label_progress->text().toStdString();
    EXPECT_TRUE(w->Memo_messages->toPlainText().contains(QStringLiteral("未找到文件：")));
    EXPECT_TRUE(w->Memo_messages->toPlainText().contains(QStringLiteral("lost.pdf")));
    // the three empty files are not PDFs: listed, and their earlier text is gone
    EXPECT_EQ(w->Memo_messages->toPlainText().count(QStringLiteral("不是PDF文件")), 3);
    EXPECT_TRUE(w->Label_size->text().startsWith(QStringLiteral("已索引 0 篇论文"))) << w->Label_size->text().toStdString();
}

}  // namespace
