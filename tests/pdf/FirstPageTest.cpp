// The reading rules on texts and words, without files.
#include <gtest/gtest.h>

#include "pdf/FirstPage.h"
#include "pdf/Metadata.h"
#include "pdf/PdfFacts.h"
#include "pdf/TextLines.h"

namespace {

TEST(FirstPageRules, NamesLinesLoseMarksMailsMembershipsAndJoiningWords) {
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("John Doe, Member, IEEE, and Jane Q. Roe, Fellow, IEEE")),
              (QStringList{"John Doe", "Jane Q. Roe"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Author Name abc@sample.com and Author Name xyz@sample.com")),
              (QStringList{"Author Name", "Author Name"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Sam U. Llaun, Academy of Lagado, Lagado")), (QStringList{"Sam U. Llaun"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Ludwig van Beethoven † & Jean-Luc Picard ∗")),
              (QStringList{"Ludwig van Beethoven", "Jean-Luc Picard"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("张林波  孙文昌")), (QStringList{"张林波", "孙文昌"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Karl Berry 编写")), (QStringList{"Karl Berry"}));
    // not names: affiliations, dates, prose
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("Stanford University, Stanford, CA")).isEmpty());
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("August 5, 2021")).isEmpty());
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("2008年7月26日")).isEmpty());
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("(AAS Journals Data Editors)")).isEmpty());
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("we present a new method")).isEmpty());
    EXPECT_FALSE(pdf::namesInLine(QStringLiteral("August Muench")).isEmpty());
}

TEST(FirstPageRules, KeywordsYearsAndTitlesFromMetadata) {
    EXPECT_EQ(pdf::splitKeywords(QStringLiteral("数据库；论文管理、文献，检索。")),
              (QStringList{"数据库", "论文管理", "文献", "检索"}));
    EXPECT_EQ(pdf::splitKeywords(QStringLiteral("pattern recognition, OCR; layout.")),
              (QStringList{"pattern recognition", "OCR", "layout"}));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("Received 2 May 2017\nCopyright © 2018 Elsevier")), QStringLiteral("2018"));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("收稿日期：2020年3月5日")), QStringLiteral("2020"));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("Proceedings of the 12th Workshop, Oslo, 2015")), QStringLiteral("2015"));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("page 1999 of 2500")), QString());
    for (const char* junk : {"untitled", "Microsoft Word - final.docx", "paper_v2", "main.tex", "Slide 1", "123"})
        EXPECT_FALSE(pdf::plausibleTitle(QString::fromUtf8(junk))) << junk;
    EXPECT_TRUE(pdf::plausibleTitle(QStringLiteral("A Study of Things")));
    EXPECT_TRUE(pdf::plausibleTitle(QStringLiteral("论文管理系统的设计")));
}

pdf::Word word(const QString& text, double x0, double baseline, double size, bool space = true) {
    return pdf::Word{text, x0, baseline - size, x0 + 0.5 * size * text.size(), baseline, size, QStringLiteral("Times"), space};
}

TEST(FirstPageRules, WordsMakeLinesWithoutRaisedMarksAndColumnsApart) {
    const QList<pdf::Word> words = {
        word("Alice", 100, 100, 10), word("Smith", 128, 100, 10, false), word("1,*", 154, 96, 6),
        word("Bob", 400, 100, 10), word("Lee", 420, 100, 10, false),  // far to the right: its own line
        word("L", 100, 130, 10, false), word("A", 105, 127, 7, false), word("TEX", 109, 130, 10, true),
        word("Notes", 130, 130, 10)};
    const QList<pdf::Line> lines = pdf::groupLines(words);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].text, QStringLiteral("Alice Smith"));
    EXPECT_EQ(lines[0].rawText, QStringLiteral("Alice Smith1,*"));
    EXPECT_EQ(lines[1].text, QStringLiteral("Bob Lee"));
    EXPECT_EQ(lines[2].text, QStringLiteral("LaTeX Notes"));
    EXPECT_DOUBLE_EQ(lines[0].size, 10);
}

TEST(FirstPageRules, AnswerLinesRoundTripAndGarbageIsAnError) {
    pdf::PdfFacts f;
    f.path = QStringLiteral("/tmp/论文 1.pdf");
    f.title = QStringLiteral("T");
    f.pages = 3;
    f.words = {word("Hello", 1, 2, 3)};
    const pdf::PdfFacts back = pdf::fromJsonLine(pdf::toJsonLine(f));
    EXPECT_EQ(back.path, f.path);
    EXPECT_EQ(back.pages, 3);
    ASSERT_EQ(back.words.size(), 1);
    EXPECT_EQ(back.words[0].text, QStringLiteral("Hello"));
    EXPECT_FALSE(pdf::fromJsonLine("Segmentation fault").error.isEmpty());
}

}  // namespace
