// Papers with hard but legal values, saved as a paper search saves them and
// read back as the batch import reads them: each comes back as it was, in
// every format. (The same through the server, on generated papers:
// RoundTripPropertyTest.)
#include <gtest/gtest.h>

#include "exchange/ExchangeSamples.h"
#include "exchange/GridExport.h"

namespace {

using namespace exchange;
using samples::Paper;

struct Case {
    const char* name;
    Paper paper;
};

QVector<Case> hardCases() {
    auto with = [](auto change) {
        Paper p = samples::plain();
        change(p);
        return p;
    };
    const QString longTitle = QString(499, QChar(u'题')) + QStringLiteral("😀");
    return {
        {"formula cells", with([](Paper& p) {
             p.title = QStringLiteral("=HYPERLINK(\"http://x\",\"y\")");
             p.remark = QStringLiteral("=cmd|' /C calc'!A0");
             p.authors = {QStringLiteral("@Sum"), QStringLiteral("+1"), QStringLiteral("-2")};
             p.keywords = {QStringLiteral("'=quoted"), QStringLiteral("@at")};
         })},
        {"keywords with commas and repeats", with([](Paper& p) {
             p.keywords = {QStringLiteral("Schizophrenia, paranoid"), QStringLiteral("数据，库"), QStringLiteral("x"),
                           QStringLiteral("x"), QStringLiteral("a,b,c,d,e,f,g,h,i,j,k")};
         })},
        {"latex text", with([](Paper& p) {
             p.title = QStringLiteral("Pages 10--20 ``quoted'' a---b ?` !` ,, << >> \\emph{x} \\'e $x^2$ 100% #1 & a_b ~");
         })},
        {"entry type names as categories", with([](Paper& p) { p.category = QStringLiteral("comment"); })},
        {"preamble category", with([](Paper& p) { p.category = QStringLiteral("preamble"); })},
        {"string category", with([](Paper& p) { p.category = QStringLiteral("string"); })},
        {"no category", with([](Paper& p) { p.category = std::nullopt; })},
        {"paths with separators", with([](Paper& p) {
             p.dir = QStringLiteral("/home/a;b:c}d{e,f#g h");
             p.filename = QStringLiteral("2020:01:02 a}b.pdf");
         })},
        {"windows path and backslash in the name", with([](Paper& p) {
             p.dir = QStringLiteral("D:\\论文\\x");
             p.filename = QStringLiteral("a\\b/c.pdf");
         })},
        {"folder that looks like a file URL", with([](Paper& p) { p.dir = QStringLiteral("file:/"); })},
        {"dates", with([](Paper& p) { p.date = QStringLiteral("2020~2021"); })},
        {"chinese date", with([](Paper& p) { p.date = QStringLiteral("2020年5月"); })},
        {"season date", with([](Paper& p) { p.date = QStringLiteral("Spring 2020"); })},
        {"slash date", with([](Paper& p) { p.date = QStringLiteral("2020/5/3"); })},
        {"authors", with([](Paper& p) {
             p.authors = {QStringLiteral("R AND D, Lab"), QStringLiteral("Smith,"), QStringLiteral("Jörg Müller"),
                          QStringLiteral("{Acme} Lab and Co"), QStringLiteral("van der Berg, Jr, J.")};
         })},
        {"line breaks in a title", with([](Paper& p) {
             p.title = QStringLiteral("a\u2028AU  - Evil\u0085b\vc\fd\u001ce\u001df\u001eg\nER  - \rh");
         })},
        {"longest values outside the BMP", with([&](Paper& p) {
             p.title = longTitle;
             p.authors = {QString(98, QChar(u'作')) + QStringLiteral("𠀀😀")};
             p.remark = QString(999, QChar(u'注')) + QStringLiteral("😀");
         })},
        {"blanks", with([](Paper& p) {
             p.title = QStringLiteral("  two  blanks  ");
             p.authors = {QStringLiteral(" Ng, Andrew ")};
             p.date = QStringLiteral(" 2020 ");
             p.dir = QStringLiteral(" /data ");
             p.filename = QStringLiteral(" a.pdf ");
             p.category = QStringLiteral(" article ");
             p.remark = QStringLiteral("\u3000全角\u3000空格\t制表 ");
         })},
        {"lone brace", with([](Paper& p) {
             p.title = QStringLiteral("a { b");
             p.remark = QStringLiteral("} c");
             p.keywords = {QStringLiteral("{x")};
         })},
        {"control characters and runs of blanks", with([](Paper& p) {
             p.title = QStringLiteral("a\u0001b\u007fc   d\u00a0e\u2029f");
             p.remark = QStringLiteral("line one\r\nline two\n\nthree");
         })},
        {"quotes and full-width punctuation", with([](Paper& p) {
             p.title = QStringLiteral("\"q\" 'x' «»“”‘’「」（）：；，。！？");
             p.category = QStringLiteral("期刊\"论文\"");
         })},
    };
}

class ExactExchange : public ::testing::TestWithParam<Format> {};

TEST_P(ExactExchange, HardValuesComeBackAsTheyWere) {
    const QVector<Case> cases = hardCases();
    QVector<Paper> papers;
    for (const Case& c : cases) papers << c.paper;
    FileRead read;
    const QVector<CheckedPaper> back = samples::roundTrip(papers, GetParam(), &read);
    ASSERT_EQ(back.size(), cases.size()) << read.error.toStdString() << read.problems.join(QLatin1Char('\n')).toStdString();
    for (int i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const CheckedPaper expected = samples::asEntered(cases[i].paper);
        EXPECT_EQ(samples::difference(expected, back[i]).toStdString(), "");
        EXPECT_NE(back[i].status, Status::Unusable) << back[i].notes.join(QLatin1Char(';')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ExactExchange, ::testing::Values(Format::Bibtex, Format::Ris, Format::Csv),
                         [](const auto& info) { return formatName(info.param).toStdString(); });

TEST(ExchangeRules, KeysThatDifferOnlyInCaseAreBothRead) {
    Paper a = samples::plain(QStringLiteral("One"));
    Paper b = samples::plain(QStringLiteral("Two"));
    a.authors = {QStringLiteral("Ng")};
    b.authors = {QStringLiteral("NG")};
    for (const Format f : {Format::Bibtex, Format::Ris}) {
        FileRead read;
        const auto back = samples::roundTrip({a, b}, f, &read);
        ASSERT_EQ(back.size(), 2) << formatName(f).toStdString();
        EXPECT_TRUE(read.records[1].error.isEmpty()) << read.records[1].error.toStdString();
        EXPECT_EQ(back[1].entry.title, QStringLiteral("Two"));
    }
}

TEST(ExchangeRules, CsvCellsASpreadsheetWouldRunAreGuarded) {
    Paper p = samples::plain(QStringLiteral("=HYPERLINK(\"http://evil\",\"click\")"));
    p.remark = QStringLiteral("@SUM(A1)");
    p.authors = {QStringLiteral("+cmd|' /C calc'!A0"), QStringLiteral("-x"), QStringLiteral("\tx"),
                 QStringLiteral("\rx"), QStringLiteral("'=x")};
    const QString csv = QString::fromUtf8(samples::exported({p}, Format::Csv));
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    for (const QString& cell : {QStringLiteral("\"'=HYPERLINK"), QStringLiteral("'@SUM(A1)"),
                                QStringLiteral("'+cmd|"), QStringLiteral("'-x"), QStringLiteral("\"'\tx\""),
                                QStringLiteral("\"'\rx\""), QStringLiteral("''=x")})
        EXPECT_TRUE(csv.contains(cell)) << samples::visible(cell);
    // no cell of the data starts with a character a spreadsheet runs
    for (const QString& c : {QStringLiteral(",="), QStringLiteral(",+"), QStringLiteral(",-"), QStringLiteral(",@"),
                             QStringLiteral(",\"="), QStringLiteral(",\"+"), QStringLiteral(",\"@")})
        EXPECT_FALSE(csv.contains(c)) << samples::visible(c);
    EXPECT_EQ(csvUnguard(csvGuard(QStringLiteral("''-1"))), QStringLiteral("''-1"));
    EXPECT_EQ(csvUnguard(QStringLiteral("'plain")), QStringLiteral("'plain"));
}

TEST(ExchangeRules, LengthsAreCountedInCharacters) {
    PaperRecord r;
    r.title = QString(499, QChar(u'题')) + QStringLiteral("😀");
    r.authors = {QString(99, QChar(u'作')) + QStringLiteral("𠀀")};
    r.date = QStringLiteral("2020");
    const CheckedPaper p = mapRecord(r, MappingOptions{QStringLiteral("D:")});
    EXPECT_EQ(p.status, Status::Ready) << p.notes.join(QLatin1Char(';')).toStdString();
    EXPECT_EQ(p.entry.title, r.title);

    r.title += QStringLiteral("😀");  // 501 characters: cut after the 500th, never inside one
    const CheckedPaper cut = mapRecord(r, MappingOptions{QStringLiteral("D:")});
    EXPECT_EQ(cut.status, Status::Attention);
    EXPECT_EQ(charCount(cut.entry.title), 500);
    EXPECT_TRUE(cut.entry.title.endsWith(QStringLiteral("😀")));
}

}  // namespace
