// The parts of the learned reader that need no file: layout features of
// lines, label words, the assembly of fields from marked lines, ligature
// codes, unreadable text layers and identifiers.
#include <gtest/gtest.h>

#include <QSet>

#include "pdf/FirstPage.h"
#include "pdf/Glyphs.h"
#include "pdf/Identifiers.h"
#include "pdf/LineFeatures.h"
#include "pdf/LineWords.h"
#include "pdf/TextLines.h"

namespace {

// A word at x, baseline y, in the given size (a box of that height).
pdf::Word word(const QString& text, double x, double y, double size, bool bold = false) {
    const double w = text.size() * size * (text.front().unicode() > 0x2E80 ? 1.0 : 0.5);
    return pdf::Word{text, x, y - size, x + w, y, size, bold ? QStringLiteral("Serif-Bold") : QStringLiteral("Serif"), true};
}

// A page of lines: each a list of words laid left to right.
QList<pdf::Line> page(const QList<QList<pdf::Word>>& rows) {
    QList<pdf::Word> words;
    for (const auto& r : rows) words << r;
    return pdf::groupLines(words);
}

float feature(const pdf::LineFeatures& f, int line, const char* name) {
    const int column = int(pdf::LineFeatures::names().indexOf(QString::fromLatin1(name)));
    EXPECT_GE(column, 0) << name;
    return f.row(line)[column];
}

// Likelihoods for each line: the kind given gets 0.9.
std::vector<float> marked(const QList<pdf::LineKind>& kinds) {
    std::vector<float> out;
    for (pdf::LineKind k : kinds)
        for (int i = 0; i < pdf::kLineKinds; ++i) out.push_back(i == int(k) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    return out;
}

TEST(LineFeatures, DescribeSizeRankPlaceLabelsAndNeighbours) {
    const auto lines = page({
        {word("Journal", 72, 40, 8), word("of", 110, 40, 8), word("Records,", 125, 40, 8), word("Vol.", 170, 40, 8),
         word("3", 190, 40, 8)},
        {word("Reading", 150, 100, 18, true), word("Title", 230, 100, 18, true), word("Pages", 290, 100, 18, true)},
        {word("Ann", 200, 140, 11), word("Lee", 230, 140, 11), word("and", 260, 140, 11), word("Bo", 290, 140, 11),
         word("Yu", 310, 140, 11)},
        {word("作者：", 72, 200, 12), word("张三", 300, 200, 12)},
        {word("body", 72, 300, 10), word("text", 100, 300, 10), word("of", 130, 300, 10), word("the", 150, 300, 10),
         word("paper", 180, 300, 10)},
    });
    ASSERT_EQ(lines.size(), 6);  // the label and its value stand apart
    const pdf::LineFeatures f(lines, 595, 842);
    ASSERT_EQ(f.rows(), 6);
    EXPECT_EQ(f.values().size(), size_t(6 * pdf::LineFeatures::count()));
    EXPECT_EQ(pdf::LineFeatures::names().size(), QSet<QString>(pdf::LineFeatures::names().begin(),
                                                               pdf::LineFeatures::names().end()).size());

    EXPECT_EQ(feature(f, 1, "size_rank"), 0);  // the largest
    EXPECT_FLOAT_EQ(feature(f, 1, "size_rel_max"), 1.0f);
    EXPECT_EQ(feature(f, 1, "bold"), 1);
    EXPECT_EQ(feature(f, 0, "label"), float(pdf::LineLabel::JournalField));
    EXPECT_EQ(feature(f, 2, "names"), 2);
    EXPECT_EQ(feature(f, 2, "prev_size_rel_max"), 1.0f);  // the title above it
    EXPECT_EQ(feature(f, 0, "prev_size_rel_max"), -1.0f);  // nothing above the first line
    EXPECT_EQ(feature(f, 3, "label"), float(pdf::LineLabel::Author));
    EXPECT_EQ(feature(f, 4, "left_label"), float(pdf::LineLabel::Author));  // 张三 right of its label
    EXPECT_EQ(feature(f, 4, "row_lines"), 2);
    EXPECT_EQ(feature(f, 4, "cjk"), 1.0f);
    EXPECT_LT(feature(f, 0, "top"), feature(f, 1, "top"));
    EXPECT_GT(feature(f, 1, "gap_below"), 0);
}

TEST(LineFeatures, LabelWordsOfCoversAndJournalPages) {
    using pdf::LineLabel;
    const std::pair<const char*, LineLabel> cases[] = {
        {"题　　目：城市图书馆研究", LineLabel::Title}, {"论文题目", LineLabel::Title},
        {"作者姓名：陈晓明", LineLabel::Author},      {"研究生：王五", LineLabel::Author},
        {"申请人：李四", LineLabel::Author},          {"指导教师：刘建国 教授", LineLabel::Supervisor},
        {"导　师：赵六", LineLabel::Supervisor},      {"学号：2019123456", LineLabel::CoverField},
        {"培养单位：信息学院", LineLabel::CoverField}, {"关键词：数据库；检索", LineLabel::Keywords},
        {"Keywords: OCR, layout", LineLabel::Keywords}, {"摘　要：本文", LineLabel::Abstract},
        {"中图分类号：G250", LineLabel::JournalField}, {"本科毕业论文（设计）", LineLabel::DocumentType},
        {"博士学位论文", LineLabel::DocumentType},     {"Master's Thesis", LineLabel::DocumentType},
        {"Title Pages in the Wild", LineLabel::None},  {"A Study of Subtitles", LineLabel::None},
    };
    for (const auto& [text, label] : cases) EXPECT_EQ(pdf::labelOf(QString::fromUtf8(text)), label) << text;
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("题　　目：城市图书馆研究")), QStringLiteral("城市图书馆研究"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("作者姓名 陈晓明")), QStringLiteral("陈晓明"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("Reading Title Pages")), QStringLiteral("Reading Title Pages"));
}

TEST(FieldAssembly, TitleLinesMergeInOrderAndAuthorLinesSplitIntoNames) {
    using K = pdf::LineKind;
    const auto lines = page({
        {word("Manuscript", 72, 40, 8), word("submitted", 116, 40, 8)},
        {word("Preprint", 120, 100, 16), word("Servers", 200, 100, 16), word("and", 270, 100, 16)},
        {word("the", 150, 120, 16), word("Speed", 190, 120, 16), word("of", 250, 120, 16)},
        {word("Communication", 150, 140, 16)},
        {word("Alice", 150, 170, 11), word("Smith", 185, 170, 11), word("1", 222, 165, 6), word(",", 226, 170, 11),
         word("Bob", 240, 170, 11), word("Jones", 268, 170, 11)},
        {word("Example", 150, 185, 9), word("University", 190, 185, 9)},
        {word("Carol", 150, 200, 11), word("Wu", 185, 200, 11)},
    });
    ASSERT_EQ(lines.size(), 7);
    const auto r = pdf::readFirstPage(lines, 842, marked({K::Furniture, K::Title, K::Title, K::Title, K::Author,
                                                          K::Affiliation, K::Author}));
    EXPECT_EQ(r.title, QStringLiteral("Preprint Servers and the Speed of Communication"));
    EXPECT_EQ(r.authors, (QStringList{"Alice Smith", "Bob Jones", "Carol Wu"}));

    // A title line not marked in the middle keeps the lines apart; a cover's
    // labelled title and author lose their labels.
    const auto cover = page({
        {word("本科毕业论文（设计）", 150, 150, 24)},
        {word("题目：", 100, 300, 15), word("城市图书馆藏书的自动编目研究", 100 + 15 * 3, 300, 15)},
        {word("学生姓名：陈晓明", 100, 340, 15)},
        {word("指导教师：刘建国", 100, 380, 15)},
    });
    ASSERT_EQ(cover.size(), 4);
    const auto c = pdf::readFirstPage(cover, 842, marked({K::Other, K::Title, K::Author, K::Other}));
    EXPECT_EQ(c.title, QStringLiteral("城市图书馆藏书的自动编目研究"));
    EXPECT_EQ(c.authors, (QStringList{"陈晓明"}));
    // the labels hold whatever the lines are taken for
    const auto unmarked = pdf::readFirstPage(cover, 842, marked({K::Other, K::Other, K::Other, K::Other}));
    EXPECT_EQ(unmarked.title, c.title);
    EXPECT_EQ(unmarked.authors, c.authors);
    // nothing likely a title and no label: no title rather than a guess
    const auto none = pdf::readFirstPage(lines, 842, marked(QList<K>(lines.size(), K::Other)));
    EXPECT_TRUE(none.title.isEmpty());
    EXPECT_TRUE(none.authors.isEmpty());
}

TEST(FieldAssembly, CoverTitleAfterTheDocumentTypeAndChineseListsSetApartByBlanks) {
    using K = pdf::LineKind;
    // no label before the title: the largest Chinese text between the
    // document type and the fields, not the school nor the English title
    const auto cover = page({
        {word("四川大学", 230, 170, 32)},
        {word("博士学位论文", 220, 226, 26)},
        {word("多尺度知识图谱在", 225, 308, 18)},
        {word("风电机组异常检测中的应用研究", 171, 338, 18)},
        {word("Knowledge", 150, 370, 18), word("Graphs", 250, 370, 18), word("for", 330, 370, 18),
         word("Wind", 370, 370, 18)},
        {word("申请人：司马雪建", 240, 420, 16)},
        {word("指导教师：胡桂霞", 240, 450, 16)},
    });
    ASSERT_EQ(cover.size(), 7);
    const auto c = pdf::readFirstPage(cover, 842, marked(QList<K>(cover.size(), K::Other)));
    EXPECT_EQ(c.title, QStringLiteral("多尺度知识图谱在风电机组异常检测中的应用研究"));
    EXPECT_EQ(c.authors, QStringList{QStringLiteral("司马雪建")});
    // the model's title never is a document type or a school alone
    QList<K> wrong(cover.size(), K::Other);
    wrong[0] = wrong[1] = K::Title;
    EXPECT_EQ(pdf::readFirstPage(cover, 842, marked(wrong)).title, c.title);

    EXPECT_EQ(pdf::namesInLine(QStringLiteral("熊瑞思 余晓浩 徐 明")), (QStringList{"熊瑞思", "余晓浩", "徐明"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("张 三")), QStringList{QStringLiteral("张三")});
    EXPECT_EQ(pdf::splitKeywords(QStringLiteral("城市热岛 参数辨识 实时性")), (QStringList{"城市热岛", "参数辨识", "实时性"}));
    const auto journal = page({{word("【关键词】卷积神经网络；锂离子电池", 72, 200, 9)}});
    EXPECT_EQ(pdf::readFirstPage(journal, 842, marked({K::Keywords})).keywords,
              (QStringList{"卷积神经网络", "锂离子电池"}));
}

TEST(TextLayer, LigatureCodesAreMappedBackAndSymbolTextIsRefused) {
    EXPECT_EQ(pdf::mendLigatures(QStringLiteral("e\x0B" "ect \x0C" "nd \x0D" "ow o\x0E" "ce ba\x0F" "e"), QStringLiteral("ABCDEF+CMR10")),
              QStringLiteral("effect find flow office baffle"));
    EXPECT_EQ(pdf::mendLigatures(QStringLiteral("e\x1B" "ect \x1C" "nd"), QStringLiteral("SFRM1000")), QStringLiteral("effect find"));
    EXPECT_EQ(pdf::mendLigatures(QStringLiteral("C\x1B" "ur"), QStringLiteral("CMR10")), QString::fromUtf8("Cœur"));
    EXPECT_EQ(pdf::mendLigatures(QStringLiteral("plain"), QStringLiteral("CMR10")), QStringLiteral("plain"));

    auto words = [](const QString& text) {
        QList<pdf::Word> out;
        for (const QString& t : text.split(QLatin1Char(' '))) out << word(t, 72, 100, 10);
        return out;
    };
    EXPECT_EQ(pdf::textLayerProblem(words(QStringLiteral("A readable title of a paper"))), QString());
    EXPECT_EQ(pdf::textLayerProblem(words(QStringLiteral("基于版面分析的论文元数据"))), QString());
    EXPECT_FALSE(pdf::textLayerProblem({}).isEmpty());
    EXPECT_FALSE(pdf::textLayerProblem(words(QString::fromUtf8("\uE001\uE002\uE003 \uE004\uE005 \uE006"))).isEmpty());
    EXPECT_FALSE(pdf::textLayerProblem(words(QStringLiteral("!\"# $%& '()* +,-./"))).isEmpty());
}

TEST(Identifiers, DoiAndArxivFromPageMarginAndMetadata) {
    EXPECT_EQ(pdf::doiIn(QStringLiteral("doi: 10.1145/3292500.3330701.")), QStringLiteral("10.1145/3292500.3330701"));
    EXPECT_EQ(pdf::doiIn(QStringLiteral("https://doi.org/10.1002/(SICI)1097-4571(199806)49:8<693::AID-ASI4>3.0.CO;2-0")),
              QStringLiteral("10.1002/(SICI)1097-4571(199806)49:8"));
    EXPECT_EQ(pdf::doiIn(QStringLiteral("(DOI 10.1234/abc.5)")), QStringLiteral("10.1234/abc.5"));
    EXPECT_EQ(pdf::arxivIn(QStringLiteral("arXiv:2101.01234v2 [cs.CL] 5 Jan 2021")), QStringLiteral("2101.01234v2"));
    EXPECT_EQ(pdf::arxivIn(QStringLiteral("arXiv:hep-th/9901001")), QStringLiteral("hep-th/9901001"));
    EXPECT_EQ(pdf::arxivIn(QStringLiteral("see https://arxiv.org/abs/1706.03762")), QStringLiteral("1706.03762"));
    EXPECT_EQ(pdf::arxivIn(QStringLiteral("no identifier 2101.01234")), QString());

    pdf::PdfFacts f;
    f.marginText = QStringLiteral("arXiv:1901.00001v1 [math.AG] 1 Jan 2019");
    EXPECT_EQ(pdf::identifierRemark(f, QStringLiteral("DOI：10.1234/j.issn.1001-0000.2021.03.001\n")),
              QStringLiteral("DOI：10.1234/j.issn.1001-0000.2021.03.001；arXiv：1901.00001v1"));
    pdf::PdfFacts meta;
    meta.subject = QStringLiteral("doi:10.5555/12345678");
    EXPECT_EQ(pdf::identifierRemark(meta, QStringLiteral("a page without one")), QStringLiteral("DOI：10.5555/12345678"));
    EXPECT_EQ(pdf::identifierRemark(pdf::PdfFacts(), QString()), QString());
}

}  // namespace

TEST(FieldAssembly, BannersAcronymsAndNamesSideBySide) {
    // four words in a row are one name; names far apart on a line are two
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Seiied Mohammad Javad Razavian")),
              (QStringList{"Seiied Mohammad Javad Razavian"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Robin Fairbairns  Steve Grathwohl")),
              (QStringList{"Robin Fairbairns", "Steve Grathwohl"}));
    // the words of a banner or a heading are not names, in capitals or not
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("PACKAGE DOCUMENTATION")).isEmpty());
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("Ordinary Text, Displayed Text")).isEmpty());
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Technical Report")));
    EXPECT_TRUE(pdf::isPersonName(QStringLiteral("JOHN J. SMITH")));

    // on a page: a banner marked as an author line gives no author, a lone
    // acronym is not taken, two names set in columns on one line are two
    using K = pdf::LineKind;
    const auto lines = page({
        {word("PACKAGE", 150, 60, 10), word("DOCUMENTATION", 200, 60, 10)},
        {word("The", 150, 120, 20), word("Inkpaper", 190, 120, 20), word("Self-", 280, 120, 20)},
        {word("Supervised", 150, 145, 20), word("Class", 260, 145, 20)},
        {word("NFSS.", 150, 180, 11)},
        {word("Robin", 150, 200, 11), word("Fairbairns", 183, 200, 11), word("Steve", 258, 200, 11),
         word("Grathwohl", 291, 200, 11)},
    });
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[4].text, QStringLiteral("Robin Fairbairns Steve Grathwohl"));
    EXPECT_EQ(lines[4].gapText, QStringLiteral("Robin Fairbairns  Steve Grathwohl"));
    const auto r = pdf::readFirstPage(lines, 842, marked({K::Author, K::Title, K::Title, K::Author, K::Author}));
    // a compound broken at its hyphen keeps the hyphen and no blank
    EXPECT_EQ(r.title, QStringLiteral("The Inkpaper Self-Supervised Class"));
    EXPECT_EQ(r.authors, (QStringList{"Robin Fairbairns", "Steve Grathwohl"}));
}

TEST(FieldAssembly, LabelFormsBarsBracketedUnitsAndTheChineseNameOfABilingualCover) {
    using pdf::LineLabel;
    using K = pdf::LineKind;
    EXPECT_EQ(pdf::labelOf(QStringLiteral("题目名称：乡村学校的课程改革")), LineLabel::Title);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("题目名称：乡村学校的课程改革")), QStringLiteral("乡村学校的课程改革"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("学位申请人：田德强")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("学 位 申 请 人 田德强")), QStringLiteral("田德强"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("报告人：孙悦")), LineLabel::Author);
    // "label | value" rows; a report's kind is its document type, not its title; 内容提要 opens the abstract
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("作者　| 吴铭")), QStringLiteral("吴铭"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("导师 │ 唐超")), QStringLiteral("唐超"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("科研训练报告")), LineLabel::DocumentType);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("开 题 报 告")), LineLabel::DocumentType);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("水资源调查的研究报告")), LineLabel::None);
    EXPECT_TRUE(pdf::startsSection(QStringLiteral("内容提要 │ 本文")));
    // names with their unit after a dash; a dash inside a title is no unit
    EXPECT_EQ(pdf::namesBeforeUnit(QStringLiteral("许安睿    曾刚娜    ——中国矿业大学茶与食品科技学院，徐州")),
              (QStringList{"许安睿", "曾刚娜"}));
    EXPECT_EQ(pdf::namesBeforeUnit(QStringLiteral("Ann Lee, Tom Hart -- University of Leeds")),
              (QStringList{"Ann Lee", "Tom Hart"}));
    EXPECT_TRUE(pdf::namesBeforeUnit(QStringLiteral("河道演变——以黄河下游为例")).isEmpty());
    EXPECT_TRUE(pdf::namesBeforeUnit(QStringLiteral("Modelling and Systems – International Journal of Modeling")).isEmpty());
    EXPECT_TRUE(pdf::namesBeforeUnit(QStringLiteral("许安睿 曾刚娜")).isEmpty());
    EXPECT_EQ(pdf::namesBeforeUnit(QStringLiteral("邱秀健 - 暨南大学茶与食品科技学院")), QStringList{QStringLiteral("邱秀健")});
    EXPECT_EQ(pdf::labelOf(QStringLiteral("毕业设计（论文）")), LineLabel::DocumentType);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("报告题目：桥梁结构分类")), QStringLiteral("桥梁结构分类"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("任课教师：汪英")), LineLabel::Supervisor);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("课程：矩阵论")), LineLabel::CoverField);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("课程设计的方法")), LineLabel::None);
    EXPECT_EQ(pdf::splitKeywords(QStringLiteral("冲淤 │ 模拟 | 黄河")), (QStringList{"冲淤", "模拟", "黄河"}));

    // a Chinese title broken mid-word over three lines, only the middle one taken for the title,
    // and its names under it with their unit after a dash (the model sure of neither)
    const auto broken = page({
        {word("城市地下管网渗", 200, 200, 22)},
        {word("漏检测的声学：", 200, 230, 22)},
        {word("方法与实验验证", 200, 260, 22)},
        {word("周立新　孙雅琴　——河海大学水利水电学院，南京", 150, 300, 11)},
        {word("课程名称：工程伦理", 200, 330, 22)},
    });
    ASSERT_EQ(broken.size(), 5);
    const auto b = pdf::readFirstPage(broken, 842, marked({K::Other, K::Title, K::Other, K::Other, K::Other}));
    EXPECT_EQ(b.title, QStringLiteral("城市地下管网渗漏检测的声学：方法与实验验证"));
    EXPECT_EQ(b.authors, (QStringList{"周立新", "孙雅琴"}));

    // names set apart by bars; a name with its unit in brackets on its line
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Ann Lee1  |  Tom Hart2 | Eva Stone")),
              (QStringList{"Ann Lee", "Tom Hart", "Eva Stone"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("肖宁芳（厦门大学公共卫生学院，厦门　361005）")), QStringList{QStringLiteral("肖宁芳")});
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Ann Lee (University of Leeds)")), QStringList{QStringLiteral("Ann Lee")});
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("文/赵一鸣、钱多")), (QStringList{"赵一鸣", "钱多"}));
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("Correspondence: Ann Lee, ann@example.ac.uk")).isEmpty());
    // a bracketed part that is not a unit keeps the line from being names
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("全文（共三章）")).isEmpty());

    // an English-first cover: "by" gives the pinyin, the Chinese label the name
    const auto cover = page({
        {word("Spatial", 150, 120, 20), word("Patterns", 230, 120, 20), word("of", 320, 120, 20), word("Wheat", 350, 120, 20)},
        {word("by", 200, 170, 13), word("Tian", 220, 170, 13), word("Deqiang", 260, 170, 13)},
        {word("题目：冬小麦的空间分布特征", 150, 300, 15)},
        {word("作者：田德强", 200, 330, 13)},
        {word("导师：王伟", 200, 350, 13)},
    });
    ASSERT_EQ(cover.size(), 5);
    const auto c = pdf::readFirstPage(cover, 842, marked({K::Title, K::Author, K::Other, K::Other, K::Other}));
    EXPECT_EQ(c.title, QStringLiteral("冬小麦的空间分布特征"));
    EXPECT_EQ(c.authors, QStringList{QStringLiteral("田德强")});
}

TEST(FieldAssembly, CapitalBylinesNamesBesideTheNextLabelPinyinBesideChineseAndJournalLineYears) {
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("KWAME JONES AND JAMES MCDONALD")),
              (QStringList{"KWAME JONES", "JAMES MCDONALD"}));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("法学研究　2016，40(5)：1-30")), QStringLiteral("2016"));
    EXPECT_EQ(pdf::yearIn(QStringLiteral("Legal Studies, 2019, Vol. 12, No. 3")), QStringLiteral("2019"));

    using K = pdf::LineKind;
    // the student and the tutor on one row
    const auto cover = page({
        {word("硕士学位论文", 200, 150, 24)},
        {word("题目：海水养殖病害的防控对策", 150, 300, 16)},
        {word("申请人：龙明", 150, 400, 14), word("指导教师：丁宇", 262, 400, 14)},
    });
    ASSERT_EQ(cover.size(), 3);
    EXPECT_EQ(pdf::readFirstPage(cover, 842, marked({K::Other, K::Title, K::Other})).authors,
              QStringList{QStringLiteral("龙明")});
    // pinyin names over the Chinese ones on a Chinese page
    const auto journal = page({
        {word("HUANG", 150, 100, 10), word("Anxuan,", 190, 100, 10), word("Qian", 240, 100, 10), word("Yan", 270, 100, 10)},
        {word("人工林碳汇的生长动态", 150, 200, 18)},
        {word("黄安轩，钱艳", 150, 230, 11)},
    });
    ASSERT_EQ(journal.size(), 3);
    EXPECT_EQ(pdf::readFirstPage(journal, 842, marked({K::Author, K::Title, K::Author})).authors,
              (QStringList{"黄安轩", "钱艳"}));
}

TEST(FieldAssembly, GridNamesUnderAffiliationsLabelValuesBelowRunningHeadsAndTitlesCarriedOn) {
    using K = pdf::LineKind;
    // an author grid of two names on a row and a third under them, each with its school under it:
    // the third is taken though the model doubts it; a name alone under the block is not
    const auto grid = page({
        {word("Estimating", 150, 90, 17), word("Mixed", 250, 90, 17), word("Effects", 310, 90, 17)},
        {word("Maria", 140, 130, 12), word("Keller", 180, 130, 12), word("Tom", 330, 130, 12), word("Hughes", 360, 130, 12)},
        {word("University", 130, 145, 12), word("of", 195, 145, 12), word("Basel", 210, 145, 12),
         word("Lancaster", 320, 145, 12), word("University", 380, 145, 12)},
        {word("Li", 250, 175, 12), word("Wei", 265, 175, 12)},
        {word("Peking", 240, 190, 12), word("University", 285, 190, 12)},
        {word("Abstract", 270, 240, 10)},
        {word("Anna", 250, 400, 12), word("Berg", 285, 400, 12)},
    });
    ASSERT_EQ(grid.size(), 9);
    const auto g = pdf::readFirstPage(grid, 842, marked({K::Title, K::Author, K::Author, K::Affiliation, K::Affiliation,
                                                         K::Other, K::Affiliation, K::Other, K::Other}));
    EXPECT_EQ(g.authors, (QStringList{"Maria Keller", "Tom Hughes", "Li Wei"}));
    // without its school under it a doubted name stays out
    const auto bare = page({
        {word("Estimating", 150, 90, 17), word("Mixed", 250, 90, 17), word("Effects", 310, 90, 17)},
        {word("Maria", 140, 130, 12), word("Keller", 180, 130, 12)},
        {word("University", 130, 145, 12), word("of", 195, 145, 12), word("Basel", 210, 145, 12)},
        {word("Li", 250, 175, 12), word("Wei", 265, 175, 12)},
    });
    ASSERT_EQ(bare.size(), 4);
    EXPECT_EQ(pdf::readFirstPage(bare, 842, marked({K::Title, K::Author, K::Affiliation, K::Other})).authors,
              QStringList{QStringLiteral("Maria Keller")});

    // a name label with its value on the line under it, low on the page
    const auto manual = page({
        {word("pst-sample", 230, 200, 24)},
        {word("Package", 380, 700, 10), word("author(s):", 425, 700, 10)},
        {word("Herbert", 380, 714, 10), word("Vogel", 420, 714, 10)},
    });
    ASSERT_EQ(manual.size(), 3);
    const auto m = pdf::readFirstPage(manual, 842, marked({K::Title, K::Other, K::Other}));
    EXPECT_EQ(m.authors, QStringList{QStringLiteral("Herbert Vogel")});

    // a journal's running head marked as the title is never taken; one banner in capitals among
    // names goes, capital bylines stay
    const auto head = page({
        {word("TUGboat,", 72, 40, 14), word("Volume", 130, 40, 14), word("0", 180, 40, 14), word("(9999),", 195, 40, 14),
         word("No.", 240, 40, 14), word("0", 265, 40, 14)},
        {word("The", 150, 100, 14), word("Multibibliography", 180, 100, 14), word("Package", 300, 100, 14)},
        {word("ECONOMIC", 150, 130, 10), word("POLICY", 210, 130, 10), word("REVIEW", 260, 130, 10)},
        {word("Sophie", 150, 150, 10), word("Andersen", 190, 150, 10)},
    });
    ASSERT_EQ(head.size(), 4);
    const auto h = pdf::readFirstPage(head, 842, marked({K::Title, K::Title, K::Author, K::Author}));
    EXPECT_EQ(h.title, QStringLiteral("The Multibibliography Package"));
    EXPECT_EQ(h.authors, QStringList{QStringLiteral("Sophie Andersen")});
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("目录")), QStringList());

    // a title sentence carried on in a smaller type, and a middle line the model doubts
    const auto news = page({
        {word("News", 200, 100, 24), word("–", 260, 100, 24), word("2009", 280, 100, 24)},
        {word("new", 150, 130, 16), word("macros", 185, 130, 16), word("and", 250, 130, 16), word("bugfixes", 285, 130, 16)},
        {word("for", 180, 150, 16), word("the", 210, 150, 16), word("basic", 240, 150, 16), word("packages", 290, 150, 16)},
        {word("Herbert", 220, 200, 12), word("Vogel", 270, 200, 12)},
    });
    ASSERT_EQ(news.size(), 4);
    EXPECT_EQ(pdf::readFirstPage(news, 842, marked({K::Title, K::Title, K::Title, K::Author})).title,
              QString::fromUtf8("News – 2009 new macros and bugfixes for the basic packages"));
    const auto middle = page({
        {word("Articles", 150, 100, 16), word("for", 230, 100, 16), word("Proceedings", 260, 100, 16)},
        {word("Journal", 150, 120, 16), word("of", 220, 120, 16), word("Learning", 245, 120, 16)},
        {word("Workshop", 150, 140, 16), word("Papers", 240, 140, 16)},
    });
    ASSERT_EQ(middle.size(), 3);
    auto doubted = marked({K::Title, K::Affiliation, K::Title});
    doubted[1 * pdf::kLineKinds + int(K::Title)] = 0.2f;
    EXPECT_EQ(pdf::readFirstPage(middle, 842, doubted).title,
              QStringLiteral("Articles for Proceedings Journal of Learning Workshop Papers"));
    // a subtitle starting with a capital in a smaller type stays apart
    const auto subtitle = page({
        {word("Fira", 200, 100, 24), word("Math", 250, 100, 24)},
        {word("Sans-serif", 150, 130, 14), word("font", 230, 130, 14)},
    });
    EXPECT_EQ(pdf::readFirstPage(subtitle, 842, marked({K::Title, K::Title})).title, QStringLiteral("Fira Math"));
}

TEST(LineFeatures, NamesAndAffiliationsInTheSameTypeNearbyAndOnTheRow) {
    const auto lines = page({
        {word("Estimating", 150, 90, 17), word("Mixed", 250, 90, 17), word("Effects", 310, 90, 17)},
        {word("Maria", 140, 130, 12), word("Keller", 180, 130, 12)},
        {word("Tom", 330, 130, 12), word("Hughes", 360, 130, 12)},
        {word("University", 130, 145, 12), word("of", 195, 145, 12), word("Basel", 210, 145, 12)},
        {word("Li", 250, 175, 12), word("Wei", 265, 175, 12)},
        {word("body", 72, 400, 10), word("text", 100, 400, 10)},
    });
    ASSERT_EQ(lines.size(), 6);
    const pdf::LineFeatures f(lines, 595, 842);
    EXPECT_EQ(feature(f, 4, "style_names"), 2);  // the two names of the row above, in its type
    EXPECT_EQ(feature(f, 4, "style_affiliations"), 1);
    EXPECT_EQ(feature(f, 1, "row_names"), 1);  // Tom Hughes beside it
    EXPECT_EQ(feature(f, 4, "row_names"), 0);
    EXPECT_EQ(feature(f, 0, "style_names"), 0);
    EXPECT_EQ(feature(f, 5, "style_names"), 0);  // body text is set in another size
}

TEST(FieldAssembly, NamesRunTogetherInstitutionsAndATitlesLastWordOnItsOwnLine) {
    // columns of a grid set so close that the names run together: split at the initials, the rest in pairs
    EXPECT_EQ(pdf::namesInLine(QString::fromUtf8("Martin Mächler Benjamin M. Bolker Steven C. Walker")),
              (QStringList{QString::fromUtf8("Martin Mächler"), "Benjamin M. Bolker", "Steven C. Walker"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Zhennan Li Chenyu Wu Chunlei Liu Pinyong Zhao")),
              (QStringList{"Zhennan Li", "Chenyu Wu", "Chunlei Liu", "Pinyong Zhao"}));
    // five words can be one name; an odd run without initials does not split
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Maria Anna Luisa de Souza")), QStringList{"Maria Anna Luisa de Souza"});
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("Alpha Beta Gamma Delta Epsilon Zeta Eta")).isEmpty());
    // companies, teams and a postcode's country code are no names
    EXPECT_TRUE(pdf::isAffiliation(QStringLiteral("Novartis Pharma AG")));
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Bioconductor Core Team")));
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Anonymous Authors")));
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("CH-4002 Basel, Switzerland")).isEmpty());
    // a heading in title case is no name; mail in angle brackets set with blanks goes
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("A Selected Data Problem")));
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Models for Count Data")));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Paul E. Johnson <pauljohn @ ku.edu>")), QStringList{"Paul E. Johnson"});

    using K = pdf::LineKind;
    // the last word of a title on a line of its own, in the title's type, though the model doubts it;
    // a repeated word or a dashed addition is not such a word
    const auto page1 = page({
        {word("DNAcopy:", 110, 149, 10), word("A", 155, 149, 10), word("Package", 165, 149, 10), word("for", 205, 149, 10),
         word("Analyzing", 225, 149, 10), word("DNA", 275, 149, 10), word("Copy", 295, 149, 10)},
        {word("Data", 285, 166, 10)},
        {word("Venkatraman", 184, 200, 9), word("E.", 245, 200, 9), word("Seshan", 260, 200, 9)},
    });
    ASSERT_EQ(page1.size(), 3);
    EXPECT_EQ(pdf::readFirstPage(page1, 842, marked({K::Title, K::Other, K::Author})).title,
              QStringLiteral("DNAcopy: A Package for Analyzing DNA Copy Data"));
    const auto page2 = page({
        {word("Ein", 200, 149, 10), word("Arbeitsblatt", 220, 149, 10)},
        {word("Arbeitsblatt", 285, 166, 10)},
    });
    EXPECT_EQ(pdf::readFirstPage(page2, 842, marked({K::Title, K::Other})).title, QStringLiteral("Ein Arbeitsblatt"));

    // a line the model takes for an affiliation gives no "name" with an acronym in it
    const auto grid = page({
        {word("Plotting", 200, 100, 17), word("Objects", 280, 100, 17)},
        {word("Diethelm", 180, 140, 12), word("Wurtz", 240, 140, 12), word("and", 290, 140, 12), word("Tobias", 320, 140, 12),
         word("Setz", 370, 140, 12)},
        {word("ETH", 170, 158, 12), word("Zurich", 200, 158, 12), word("and", 245, 158, 12), word("Rmetrics", 270, 158, 12),
         word("Association", 330, 158, 12), word("Zurich", 410, 158, 12)},
    });
    ASSERT_EQ(grid.size(), 3);
    auto kinds = marked({K::Title, K::Author, K::Affiliation});
    kinds[2 * pdf::kLineKinds + int(K::Author)] = 0.2f;
    EXPECT_EQ(pdf::readFirstPage(grid, 842, kinds).authors, (QStringList{"Diethelm Wurtz", "Tobias Setz"}));
    // a place inside an address block is no author, however like a name it looks
    const auto address = page({
        {word("Bayesian", 150, 100, 17), word("Regression", 240, 100, 17)},
        {word("Robert", 200, 140, 12), word("B.", 245, 140, 12), word("Gramacy", 262, 140, 12)},
        {word("Department", 190, 155, 12), word("of", 255, 155, 12), word("Statistics", 270, 155, 12)},
        {word("Blacksburg", 200, 170, 12), word("Virginia", 265, 170, 12)},
        {word("rbg@vt.edu", 215, 185, 12)},
    });
    ASSERT_EQ(address.size(), 5);
    auto inAddress = marked({K::Title, K::Author, K::Affiliation, K::Other, K::Affiliation});
    inAddress[3 * pdf::kLineKinds + int(K::Author)] = 0.2f;
    EXPECT_EQ(pdf::readFirstPage(address, 842, inAddress).authors, QStringList{QStringLiteral("Robert B. Gramacy")});
}

TEST(FieldAssembly, NumberedMarksBulletsSuffixesLabelsOfProposalsAndBylinesBrokenInAName) {
    // circled, raised and bracketed marks go; names parted by full-width blanks or bullets stay apart
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("史兰玉①　潘欣勇②")), (QStringList{"史兰玉", "潘欣勇"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("郑倩⑴　覃怡兰❷　李瑞涵⑩")), (QStringList{"郑倩", "覃怡兰", "李瑞涵"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("王强〔1,2〕，李明〔2〕")), (QStringList{"王强", "李明"}));
    EXPECT_EQ(pdf::namesInLine(QString::fromUtf8("Ann Lee¹, Tom Hart²")), (QStringList{"Ann Lee", "Tom Hart"}));
    EXPECT_EQ(pdf::namesInLine(QString::fromUtf8("Jürgen R. White • Michael Brown · Emily Stone")),
              (QStringList{QString::fromUtf8("Jürgen R. White"), "Michael Brown", "Emily Stone"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Walter R. Mebane, Jr., Jasjeet S. Sekhon")),
              (QStringList{"Walter R. Mebane, Jr.", "Jasjeet S. Sekhon"}));
    // a unit in brackets, closed or broken off at the line's end, is no part of a name
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Junwei Wang (CryptoExperts")), QStringList{QStringLiteral("Junwei Wang")});
    // a surname that starts like a country is a name
    EXPECT_TRUE(pdf::isPersonName(QStringLiteral("Andrea Franceschini")));
    EXPECT_TRUE(pdf::isAffiliation(QStringLiteral("Lyon, France")));

    using pdf::LineLabel;
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("拟定题目：古籍纸张脱酸的若干问题")), QStringLiteral("古籍纸张脱酸的若干问题"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("课题名称 镁资源综合利用")), QStringLiteral("镁资源综合利用"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("选题题目：乡村学校")), LineLabel::Title);
    // the English author label takes a name, not a sentence
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Author of correspondence: Department of Statistics")), LineLabel::None);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Author: Ann Lee")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("by Ann Lee")), LineLabel::Author);

    using K = pdf::LineKind;
    // a name's marks set small and longer than the name do not set its line's size
    const auto marks = page({
        {word("煤柱应力的调查", 200, 100, 16)},
        {word("姚杰", 200, 130, 12), word("1a,2", 224, 125, 4), word("周雨玉", 245, 130, 12), word("2b", 281, 125, 4)},
    });
    ASSERT_EQ(marks.size(), 2);
    EXPECT_DOUBLE_EQ(marks[1].size, 12.0);
    EXPECT_EQ(marks[1].text, QStringLiteral("姚杰 周雨玉"));
    // a byline broken inside its last name, its raised marks on a line of their own between
    const auto byline = page({
        {word("Holding", 100, 100, 18), word("Patterns", 180, 100, 18)},
        {word("Ann", 72, 130, 11), word("Lee", 92, 130, 11), word("·", 112, 130, 11), word("Arjun", 120, 130, 11)},
        {word("1", 100, 136, 4), word("2", 105, 136, 4)},
        {word("McDonald", 72, 143, 11)},
        {word("Abstract", 72, 200, 9), word("Records", 112, 200, 9), word("were", 150, 200, 9), word("kept.", 175, 200, 9)},
    });
    ASSERT_EQ(byline.size(), 5);
    EXPECT_EQ(pdf::readFirstPage(byline, 842, marked({K::Title, K::Author, K::Other, K::Other, K::Other})).authors,
              (QStringList{"Ann Lee", "Arjun McDonald"}));
    // a "by" sentence of the text names nobody
    const auto sentence = page({
        {word("Effect", 100, 100, 18), word("Displays", 180, 100, 18)},
        {word("by", 72, 300, 10), word("Pearson", 85, 300, 10), word("[1907],", 125, 300, 10), word("produces", 160, 300, 10),
         word("predictors", 205, 300, 10), word("that", 255, 300, 10), word("are", 280, 300, 10), word("linear", 300, 300, 10)},
    });
    ASSERT_EQ(sentence.size(), 2);
    // nor does "by …" carrying on the sentence of the line above, where the model finds the byline
    const auto pinocchio = page({
        {word("Multiple", 100, 100, 18), word("Rotation", 180, 100, 18)},
        {word("Sergio", 150, 130, 14), word("Callegari", 195, 130, 14)},
        {word("we", 72, 300, 12), word("include", 90, 300, 12), word("the", 135, 300, 12), word("first", 158, 300, 12),
         word("part", 185, 300, 12), word("of", 212, 300, 12), word("Pinocchio", 228, 300, 12)},
        {word("by", 72, 314, 12), word("Carlo", 88, 314, 12), word("Collodi.", 122, 314, 12)},
    });
    ASSERT_EQ(pinocchio.size(), 4);
    EXPECT_EQ(pdf::readFirstPage(pinocchio, 842, marked({K::Title, K::Author, K::Other, K::Other})).authors,
              QStringList{QStringLiteral("Sergio Callegari")});
    const auto byUnit = page({
        {word("Beamer", 100, 100, 18), word("Theme", 180, 100, 18)},
        {word("by", 150, 140, 11), word("Junwei", 165, 140, 11), word("Wang", 205, 140, 11), word("(CryptoExperts)", 235, 140, 11)},
    });
    EXPECT_EQ(pdf::readFirstPage(byUnit, 842, marked({K::Title, K::Author})).authors, QStringList{QStringLiteral("Junwei Wang")});
    EXPECT_TRUE(pdf::readFirstPage(sentence, 842, marked({K::Title, K::Other})).authors.isEmpty());
    // names just under the title that the model doubts, the last one carried to the next line
    const auto doubted = page({
        {word("APCluster", 200, 100, 24)},
        {word("Ulrich", 100, 140, 12), word("Bodenhofer,", 140, 140, 12), word("Johannes", 210, 140, 12),
         word("Palme,", 265, 140, 12), word("and", 305, 140, 12), word("Andreas", 330, 140, 12)},
        {word("Kothmeier", 100, 155, 12)},
        {word("Institute", 100, 180, 11), word("of", 150, 180, 11), word("Bioinformatics", 165, 180, 11)},
    });
    ASSERT_EQ(doubted.size(), 4);
    EXPECT_EQ(pdf::readFirstPage(doubted, 842, marked({K::Title, K::Other, K::Other, K::Affiliation})).authors,
              (QStringList{"Ulrich Bodenhofer", "Johannes Palme", "Andreas Kothmeier"}));
    // a subtitle after a dash, in another weight, follows its title and never stands for it
    const auto subtitle = page({
        {word("抗菌药物临床疗效研究", 150, 100, 18, true)},
        {word("——以云南边境地区为例", 160, 125, 18)},
        {word("梁子（兰州大学经济学院，兰州　730000）", 150, 160, 10)},
    });
    ASSERT_EQ(subtitle.size(), 3);
    auto both = marked({K::Title, K::Title, K::Author});
    both[0 * pdf::kLineKinds + int(K::Title)] = 0.8f;
    EXPECT_EQ(pdf::readFirstPage(subtitle, 842, both).title, QStringLiteral("抗菌药物临床疗效研究——以云南边境地区为例"));
    // a labelled title carried on by a line centred under the label's row, wider than it
    const auto centred = page({
        {word("毕业论文", 200, 100, 30)},
        {word("题目：", 210, 280, 18), word("长江经济带农村", 258, 280, 18)},
        {word("电商与职业教育的政策效应", 189, 316, 18)},
        {word("研究生：叶宁红", 220, 380, 14)},
    });
    ASSERT_EQ(centred.size(), 4);
    const auto w = pdf::readFirstPage(centred, 842, marked({K::Other, K::Title, K::Title, K::Author}));
    EXPECT_EQ(w.title, QStringLiteral("长江经济带农村电商与职业教育的政策效应"));
    EXPECT_EQ(w.authors, QStringList{QStringLiteral("叶宁红")});
    // a name label's value under it in its own column, another column's line coming first in reading order
    const auto columns = page({
        {word("pst-gantt", 74, 280, 17)},
        {word("Documentation", 74, 723, 10), word("by", 153, 723, 10), word("Package", 414, 723, 10),
         word("author(s):", 458, 723, 10)},
        {word("Herbert", 74, 737, 10), word("Voss", 121, 737, 10), word("Denis", 414, 737, 10), word("Girou", 449, 737, 10)},
    });
    ASSERT_EQ(columns.size(), 5);
    EXPECT_EQ(pdf::readFirstPage(columns, 842, marked({K::Title, K::Other, K::Other, K::Other, K::Author})).authors,
              QStringList{QStringLiteral("Denis Girou")});
    // Chinese names spaced out, told apart by the raised mark after the first; a name's last letter
    // on the next line
    const auto spaced = page({
        {word("隧道围岩控制的分析方法", 150, 100, 18)},
        {word("张", 150, 130, 12), word("梓", 166, 130, 12), word("1*", 178, 125, 5), word("吕", 190, 130, 12),
         word("健", 206, 130, 12), word("江红浩", 230, 130, 12), word("雷", 280, 130, 12)},
        {word("蕾", 150, 146, 12)},
    });
    ASSERT_EQ(spaced.size(), 3);
    EXPECT_EQ(pdf::readFirstPage(spaced, 842, marked({K::Title, K::Author, K::Other})).authors,
              (QStringList{"张梓", "吕健", "江红浩", "雷蕾"}));
}

TEST(FieldAssembly, ReportSignOffRowsAndAPostDoctoralCover) {
    using pdf::LineLabel;
    using K = pdf::LineKind;
    // the report's writers are its authors; whoever checks or approves it is not
    EXPECT_EQ(pdf::labelOf(QStringLiteral("编   写   卢鹏志、韦德明")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("审　核　任轩新")), LineLabel::CoverField);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("批   准   余嘉")), LineLabel::CoverField);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("博士后姓名：林涵文")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("流动站（工作站）名称：西南大学畜牧学博士后科研流动站")), LineLabel::CoverField);
    // the kind of document, even spaced out like a label and its value
    EXPECT_EQ(pdf::labelOf(QStringLiteral("博 士 后 研 究 工 作 报 告")), LineLabel::DocumentType);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("编制方法的比较研究")), LineLabel::None);

    const auto signOff = page({
        {word("科研技术报告", 220, 150, 22)},
        {word("典籍英译读者接受初探", 180, 200, 18)},
        {word("编　制", 120, 300, 12), word("蒋志霞", 170, 300, 12), word("日期", 220, 300, 12), word("2018.05.06", 250, 300, 12)},
        {word("审　核", 120, 325, 12), word("任轩新", 170, 325, 12), word("日期", 220, 325, 12), word("2018.06.11", 250, 325, 12)},
        {word("批　准", 120, 350, 12), word("余嘉", 170, 350, 12), word("日期", 220, 350, 12), word("2018.11.26", 250, 350, 12)},
    });
    ASSERT_EQ(signOff.size(), 5);
    const auto s = pdf::readFirstPage(signOff, 842, marked({K::Other, K::Title, K::Author, K::Author, K::Author}));
    EXPECT_EQ(s.title, QStringLiteral("典籍英译读者接受初探"));
    EXPECT_EQ(s.authors, QStringList{QStringLiteral("蒋志霞")});

    const auto postdoc = page({
        {word("博 士 后 研 究 工 作 报 告", 150, 150, 20)},
        {word("多普勒雷达观测强对流天气的预报技巧", 120, 220, 18)},
        {word("博士后姓名", 120, 320, 13), word("唐明安", 195, 320, 13)},
        {word("合作导师", 120, 345, 13), word("何杰志", 182, 345, 13)},
        {word("流动站（工作站）名称", 60, 370, 13), word("南京信息工程大学大气科学博士", 200, 370, 13)},
        {word("后科研流动站", 200, 390, 13)},
    });
    ASSERT_EQ(postdoc.size(), 6);
    const auto p = pdf::readFirstPage(postdoc, 842, marked({K::Other, K::Title, K::Other, K::Other, K::Other, K::Author}));
    EXPECT_EQ(p.title, QStringLiteral("多普勒雷达观测强对流天气的预报技巧"));
    EXPECT_EQ(p.authors, QStringList{QStringLiteral("唐明安")});
}

TEST(FieldAssembly, BilingualLabelsExperimentTitlesAndAnAuthorTable) {
    using pdf::LineLabel;
    using K = pdf::LineKind;
    // an English label after the Chinese one is part of the label, not of the value
    EXPECT_EQ(pdf::labelOf(QStringLiteral("论文题目 Title：天山北坡绿洲盐渍土调控技术分析")), LineLabel::Title);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("论文题目 Title：天山北坡绿洲盐渍土调控技术分析")),
              QStringLiteral("天山北坡绿洲盐渍土调控技术分析"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("作者姓名 Author： 吴峰")), QStringLiteral("吴峰"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("专业学位类别 Degree Category：交通运输")), LineLabel::CoverField);
    // a Latin name after a Chinese label stays the value; a line with no label keeps its words
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("作者 Tom Lee")), QStringLiteral("Tom Lee"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("基于 Transformer 的识别")), QStringLiteral("基于 Transformer 的识别"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("实验名称：陕北黄土区沥青路面车辙数值模拟分析")),
              QStringLiteral("陕北黄土区沥青路面车辙数值模拟分析"));

    // the authors in a table under its heads, one row each, the rows set tight and centred in their cells
    const auto table = page({
        {word("南疆绿洲膜下滴灌棉田水盐运移及其成因", 100, 150, 18)},
        {word("姓名", 104, 200, 11), word("单位", 250, 200, 11), word("电子邮箱", 400, 200, 11)},
        {word("叶安", 104, 210, 11), word("石河子大学农学院", 250, 210, 11), word("grad99@shzu.edu.cn", 400, 210, 11)},
        {word("诸葛晓永", 93, 220, 11), word("石河子大学水利建筑工程学院", 250, 220, 11), word("lab43@shzu.edu.cn", 400, 220, 11)},
        {word("摘要：本文以多年野外观测为基础。", 100, 260, 10)},
    });
    std::vector<K> kinds(table.size(), K::Other);
    kinds[0] = K::Title;
    const auto t = pdf::readFirstPage(table, 842, marked(QList<K>(kinds.begin(), kinds.end())));
    EXPECT_EQ(t.title, QStringLiteral("南疆绿洲膜下滴灌棉田水盐运移及其成因"));
    EXPECT_EQ(t.authors, (QStringList{"叶安", "诸葛晓永"}));
}

TEST(FieldAssembly, RanksAfterNamesResearchGroupsBulletinWritersAndMarksBetweenLatinNames) {
    using pdf::LineLabel;
    using K = pdf::LineKind;
    // an author's rank in brackets or after the name is no part of it
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("李文鑫（副教授）   秦建涛（硕士研究生）   贺刚东（博士研究生）")),
              (QStringList{"李文鑫", "秦建涛", "贺刚东"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("任超丽（副教授），吴辉（博士研究生），欧阳晨浩（教授）")),
              (QStringList{"任超丽", "吴辉", "欧阳晨浩"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("龚瑞强 副研究员")), QStringList{QStringLiteral("龚瑞强")});
    // a bracketed part that is neither rank nor unit still keeps the line from being names
    EXPECT_TRUE(pdf::namesInLine(QStringLiteral("全文（共三章）")).isEmpty());
    EXPECT_EQ(pdf::labelOf(QStringLiteral("撰稿：崔天立")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("研 究 报 告")), LineLabel::DocumentType);
    // a title label that names its language; the English one's value is not the title
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("论文题目（中文）：赣西丘陵锂云母提锂环境效应的实证分析")),
              QStringLiteral("赣西丘陵锂云母提锂环境效应的实证分析"));
    const auto bilingual = page({
        {word("博士研究生学位论文开题报告", 150, 100, 18)},
        {word("论文题目（中文）：赣西丘陵锂云母提锂环境效应的实证分析", 60, 200, 14)},
        {word("论文题目（英文）：Environmental", 60, 230, 14), word("Effects", 330, 230, 14)},
    });
    const QList<K> others(bilingual.size(), K::Other);
    EXPECT_EQ(pdf::readFirstPage(bilingual, 842, marked(others)).title,
              QStringLiteral("赣西丘陵锂云母提锂环境效应的实证分析"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("水资源调查的研究报告")), LineLabel::None);

    // a research group: its leader, then its members listed under their label
    const auto group = page({
        {word("苗绣纹样与蜡染技艺的传承路径比较", 100, 150, 18)},
        {word("研究报告", 200, 190, 16)},
        {word("课题负责人：龚瑞强", 100, 300, 12), word("副研究员", 230, 300, 12)},
        {word("课题组成员：", 100, 320, 12)},
        {word("梁健艳", 130, 340, 12)},
        {word("上官磊", 130, 358, 12)},
        {word("承担单位：贵州民族大学美术学院", 100, 400, 12)},
    });
    std::vector<K> kinds(group.size(), K::Other);
    kinds[0] = K::Title;
    const auto g = pdf::readFirstPage(group, 842, marked(QList<K>(kinds.begin(), kinds.end())));
    EXPECT_EQ(g.title, QStringLiteral("苗绣纹样与蜡染技艺的传承路径比较"));
    EXPECT_EQ(g.authors, (QStringList{"龚瑞强", "梁健艳", "上官磊"}));

    // Latin names parted only by their raised footnote marks
    const auto marks = page({
        {word("Measuring", 100, 100, 18), word("Replant", 200, 100, 18), word("Failure", 280, 100, 18)},
        {word("A.", 120, 140, 12), word("Gupta", 135, 140, 12), word("*", 170, 135, 6), word("Paul", 176, 140, 12),
         word("Liu", 204, 140, 12), word("†", 224, 135, 6), word("Laura", 230, 140, 12), word("Hart", 264, 140, 12)},
    });
    ASSERT_EQ(marks.size(), 2);
    EXPECT_EQ(pdf::readFirstPage(marks, 842, marked({K::Title, K::Author})).authors,
              (QStringList{"A. Gupta", "Paul Liu", "Laura Hart"}));
}
