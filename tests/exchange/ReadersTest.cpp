#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "exchange/CsvMapping.h"
#include "exchange/FileImport.h"
#include "exchange/PaperCheck.h"
#include "exchange/PreviewModel.h"
#include "exchange/Readers.h"
#include "exchange/TextFile.h"

namespace {

using namespace exchange;

const PaperRecord* byKey(const QVector<PaperRecord>& list, const QString& key) {
    for (const auto& r : list)
        if (r.sourceKey == key) return &r;
    return nullptr;
}

TEST(BibtexReader, AccentsMacrosCrossrefCommentsAndDuplicateFields) {
    const QString text = QStringLiteral(R"(@string{acm = "ACM Press"}
% a comment line
@comment{ignored}
@article{knuth,
  title = {Caf{\'e} and {\"U}ber: G{\"o}del's {GPU} \& 100\%},
  author = {Knuth, Donald E. and Leslie Lamport and 张三 and {Acme Group}},
  year = 2001, month = mar,
  journal = acm # " Journal",
  keywords = {tex, layout; 排版},
  note = {see \url{x}},
  file = {:papers/knuth.pdf:PDF},
  title = {second title},
}
@inproceedings{child, crossref = {proc}, title = {Child}, author = {A. Bee}}
@proceedings{proc, title = {Proc}, year = {1999}, month = {12}, booktitle = {Book}}
)");
    const ReadResult r = readBibtex(text);
    ASSERT_EQ(r.records.size(), 3);
    const PaperRecord* k = byKey(r.records, QStringLiteral("knuth"));
    ASSERT_TRUE(k);
    EXPECT_EQ(k->line, 4);
    EXPECT_EQ(k->title, QStringLiteral("Café and Über: Gödel's GPU & 100%"));
    EXPECT_EQ(k->authors, (QStringList{QStringLiteral("Knuth, Donald E."), QStringLiteral("Lamport, Leslie"),
                                       QStringLiteral("张三"), QStringLiteral("Acme Group")}));
    EXPECT_EQ(k->date, QStringLiteral("2001-03"));
    EXPECT_EQ(k->keywords, (QStringList{QStringLiteral("tex"), QStringLiteral("layout"), QStringLiteral("排版")}));
    EXPECT_EQ(k->category, QStringLiteral("article"));
    EXPECT_EQ(k->dir, QStringLiteral("papers"));
    EXPECT_EQ(k->filename, QStringLiteral("knuth.pdf"));
    ASSERT_EQ(k->warnings.size(), 1);
    EXPECT_TRUE(k->warnings.first().contains(QLatin1String("title")));
    const PaperRecord* c = byKey(r.records, QStringLiteral("child"));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->date, QStringLiteral("1999-12"));  // from the crossref
    EXPECT_EQ(c->authors, QStringList{QStringLiteral("Bee, A.")});
}

TEST(BibtexReader, ABrokenEntryIsMarkedAtItsLineAndTheRestIsStillRead) {
    const QString text = QStringLiteral(
        "@article{good1, title={One}, author={A}, year={2000}}\n"
        "@article{bad, title = {Unbalanced\n  author = {B},\n}\n"
        "@article{good2, title={Two}, author={C}, year={2001},\n"
        "  note={write to\n@someone}}\n"
        "@article{cut, title={Three}, author={D}, ye");
    const ReadResult r = readBibtex(text);
    ASSERT_TRUE(byKey(r.records, QStringLiteral("good1")));
    // the unbalanced brace costs its own entry only
    ASSERT_TRUE(byKey(r.records, QStringLiteral("good2")));
    EXPECT_EQ(byKey(r.records, QStringLiteral("good2"))->title, QStringLiteral("Two"));
    EXPECT_EQ(byKey(r.records, QStringLiteral("good2"))->line, 5);
    // a line of a value that starts with "@" stays in its entry
    EXPECT_EQ(byKey(r.records, QStringLiteral("good2"))->remark, QStringLiteral("write to @someone"));
    const PaperRecord* bad = byKey(r.records, QStringLiteral("bad"));
    ASSERT_TRUE(bad);
    ASSERT_FALSE(bad->warnings.isEmpty());
    EXPECT_TRUE(bad->warnings.first().contains(QStringLiteral("行"))) << bad->warnings.first().toStdString();
    const auto checked = checkRecords(r.records, MappingOptions{QStringLiteral("D:")}, {});
    int unusable = 0;
    for (const auto& p : checked) unusable += p.status == Status::Unusable;
    EXPECT_EQ(unusable, 2);  // the broken entry and the one cut off at the end
}

TEST(BibtexReader, KeysThatDifferOnlyInCaseAreEachReadAndAnExactRepeatIsStillRefused) {
    const QString text = QStringLiteral(
        "@article{Ng2020, title={One}, author={Ng, A}, year={2020}}\n"
        "@article{NG2020, title={Two}, author={Ng, B}, year={2020}}\n"
        "@article{ng2020, title={Three}, author={Ng, C}, year={2020}}\n"
        "@article{NG2020, title={Four}, author={Ng, D}, year={2020}}\n");
    const ReadResult r = readBibtex(text);
    ASSERT_EQ(r.records.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(r.records[i].error.isEmpty()) << r.records[i].error.toStdString();
        EXPECT_EQ(r.records[i].line, i + 1);
    }
    EXPECT_EQ(r.records[0].sourceKey, QStringLiteral("Ng2020"));
    EXPECT_EQ(r.records[1].sourceKey, QStringLiteral("NG2020"));
    EXPECT_EQ(r.records[1].title, QStringLiteral("Two"));
    EXPECT_EQ(r.records[2].sourceKey, QStringLiteral("ng2020"));
    EXPECT_EQ(r.records[2].title, QStringLiteral("Three"));
    EXPECT_EQ(r.records[3].sourceKey, QStringLiteral("NG2020"));
    EXPECT_FALSE(r.records[3].error.isEmpty());
}

TEST(RisReader, RepeatedAuthorAndKeywordLinesInOrder) {
    const QString text = QStringLiteral(
        "TY  - JOUR\r\nID  - r1\r\nTI  - A RIS paper\r\nAU  - Smith, John\r\nAU  - 李四\r\nAU  - Doe, J.\r\n"
        "PY  - 2019/07/05/\r\nKW  - one\r\nKW  - two; three\r\nN1  - a note\r\nL1  - /data/p/r1.pdf\r\nER  - \r\n"
        "TY  - BOOK\r\nTI  - Unfinished\r\nAU  - X\r\n");
    const ReadResult r = readRis(text);
    ASSERT_EQ(r.records.size(), 2);
    const PaperRecord& a = r.records[0];
    EXPECT_EQ(a.title, QStringLiteral("A RIS paper"));
    EXPECT_EQ(a.authors, (QStringList{QStringLiteral("Smith, John"), QStringLiteral("李四"), QStringLiteral("Doe, J.")}));
    EXPECT_EQ(a.date, QStringLiteral("2019-07-05"));
    EXPECT_EQ(a.keywords, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(a.category, QStringLiteral("article"));
    EXPECT_EQ(a.remark, QStringLiteral("a note"));
    EXPECT_EQ(a.dir + QLatin1Char('|') + a.filename, QStringLiteral("/data/p|r1.pdf"));
    EXPECT_EQ(r.records[1].line, 13);
    EXPECT_FALSE(r.records[1].warnings.isEmpty());  // no ER
}

TEST(CsvReader, QuotedFieldsChineseHeadersAndGbk) {
    const QString text = QStringLiteral(
        "题目,第一作者,author2,年份,kword1,关键词,分类,备注,录入者\r\n"
        "\"Commas, \"\"quotes\"\"\nand lines\",王五,Lee,2020/3/4,图,\"a,b\",期刊,,x\r\n"
        "\r\n"
        "Second,赵六,,2021年5月,,,,note,y\r\n");
    DecodedText gbk = decodeText(toGbk(text));
    EXPECT_EQ(gbk.encoding, QStringLiteral("GB18030"));
    ASSERT_EQ(gbk.text, text);
    const FileRead f = readText(gbk.text, Format::Csv);
    ASSERT_TRUE(f.error.isEmpty()) << f.error.toStdString();
    ASSERT_EQ(f.records.size(), 2);
    const PaperRecord& a = f.records[0];
    EXPECT_EQ(a.title, QStringLiteral("Commas, \"quotes\"\nand lines"));
    EXPECT_EQ(a.authors, (QStringList{QStringLiteral("王五"), QStringLiteral("Lee")}));
    EXPECT_EQ(a.date, QStringLiteral("2020-03-04"));
    EXPECT_EQ(a.keywords, (QStringList{QStringLiteral("图"), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(a.category, QStringLiteral("期刊"));
    EXPECT_EQ(f.records[1].line, 5);
    EXPECT_EQ(f.records[1].date, QStringLiteral("2021-05"));

    const FileRead missing = readText(QStringLiteral("name,year\nx,2000\n"), Format::Csv);
    EXPECT_TRUE(missing.records.isEmpty());
    EXPECT_TRUE(missing.error.contains(QStringLiteral("论文题目"))) << missing.error.toStdString();
}


// Files in the encodings met in practice, made here, are read right without
// the user's help; a guess from a few bytes says so and names the encoding.
TEST(TextFile, EachEncodingIsRecognised) {
    const QString latin = QStringLiteral(
        "@article{m2001,\n  author = {Müller, Jörg and Åström, Karl and Núñez, José},\n"
        "  title = {Über die Größe der Maßstäbe: café, naïve, façade, déjà vu},\n  note = {Ångström, Zoë, Bjørn},\n  year = {2001}\n}\n");
    const QString chinese = QStringLiteral(
        "@article{z2020,\n  author = {张三 and 李四},\n  title = {数据库系统的设计与实现：一种新的方法},\n"
        "  keywords = {数据库, 查询优化},\n  year = {2020}\n}\n");
    const QString traditional = QStringLiteral(
        "@article{c2019,\n  author = {陳大文 and 黃小明},\n  title = {資料庫系統的設計與實作：一個新的方法},\n"
        "  keywords = {資料庫, 查詢最佳化},\n  year = {2019}\n}\n");
    const QString japanese = QStringLiteral(
        "@article{t2018,\n  author = {山田太郎 and 鈴木花子},\n  title = {データベースシステムの設計と実装：新しい方法について},\n"
        "  keywords = {データベース, 問い合わせ最適化},\n  year = {2018}\n}\n");
    auto utf16 = [](const QString& t, bool little) {
        QByteArray b = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (QChar c : t) {
            const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
            b.append(little ? lo : hi).append(little ? hi : lo);
        }
        return b;
    };
    const QList<std::tuple<const char*, QByteArray, QString>> files{
        {"UTF-8", chinese.toUtf8(), chinese},
        {"UTF-8 BOM", QByteArray("\xEF\xBB\xBF") + chinese.toUtf8(), chinese},
        {"UTF-16LE BOM", utf16(chinese + QStringLiteral("😀"), true), chinese + QStringLiteral("😀")},
        {"UTF-16BE BOM", utf16(latin, false), latin},
        {"GB18030", encodeAs(chinese, "GBK"), chinese},
        {"GB18030", encodeAs(chinese + QStringLiteral("𠀀"), "GB18030"), chinese + QStringLiteral("𠀀")},
        {"BIG5", encodeAs(traditional, "BIG5"), traditional},
        {"CP1252", encodeAs(latin, "ISO-8859-1"), latin},
        {"CP1252", encodeAs(latin + QStringLiteral("“€”"), "CP1252"), latin + QStringLiteral("“€”")},
        {"SHIFT_JIS", encodeAs(japanese, "SHIFT_JIS"), japanese},
    };
    for (const auto& [name, bytes, text] : files) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.isEmpty());
        const DecodedText d = decodeText(bytes);
        EXPECT_EQ(d.error, QString());
        EXPECT_EQ(d.encoding, QString::fromLatin1(name));
        EXPECT_EQ(d.text, text);
        EXPECT_EQ(d.warning, QString());
    }
    // a few bytes only: read, with a warning naming the encoding used
    const DecodedText few = decodeText(encodeAs(QStringLiteral("Müller, Jörg\n"), "ISO-8859-1"));
    EXPECT_EQ(few.text, QStringLiteral("Müller, Jörg\n"));
    EXPECT_TRUE(few.warning.contains(few.encoding)) << few.warning.toStdString();
    EXPECT_FALSE(few.warning.isEmpty());
    // the user's choice still decides
    EXPECT_EQ(decodeText(encodeAs(QStringLiteral("Müller"), "CP1252"), Encoding::Latin1).text, QStringLiteral("Müller"));
    EXPECT_EQ(decodeText(encodeAs(japanese, "SHIFT_JIS"), Encoding::ShiftJis).text, japanese);
}

TEST(TextFile, EncodingsAndBadFiles) {
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBFtitle\n")).encoding, QStringLiteral("UTF-8 BOM"));
    EXPECT_EQ(decodeText(QStringLiteral("题目").toUtf8()).encoding, QStringLiteral("UTF-8"));
    EXPECT_EQ(decodeText(QByteArray()).error, QStringLiteral("文件是空的"));
    EXPECT_TRUE(decodeText(QByteArray("a\nb\n\x00\x01", 6)).error.contains(QStringLiteral("第 3 行")));
    // GBK bytes read as UTF-8 on the user's word: the line is named
    EXPECT_TRUE(decodeText(QByteArray("ok\n") + toGbk(QStringLiteral("题目")), Encoding::Utf8)
                    .error.contains(QStringLiteral("第 2 行")));
    EXPECT_FALSE(decodeText(QByteArray("\x81\x20\xff\xff"), Encoding::Auto).error.isEmpty());

    QTemporaryDir dir;
    QFile big(dir.filePath(QStringLiteral("big.bib")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxFileBytes + 1));
    big.close();
    EXPECT_TRUE(readFile(big.fileName()).error.contains(QStringLiteral("MB")));
    EXPECT_EQ(detectFormat(QStringLiteral("x.txt"), QStringLiteral("TY  - JOUR\n")), Format::Ris);
    EXPECT_EQ(detectFormat(QStringLiteral("x"), QStringLiteral("\n@Article{k,\n")), Format::Bibtex);
}

TEST(PaperCheck, OverflowGoesIntoTheRemarkAndMissingValuesMakeARowUnusable) {
    PaperRecord r;
    r.sourceKey = QStringLiteral("k");
    r.title = QStringLiteral("T");
    for (int i = 1; i <= 7; ++i) r.authors << QStringLiteral("A%1").arg(i);
    r.date = QStringLiteral("2001");
    for (int i = 1; i <= 12; ++i) r.keywords << QStringLiteral("k%1").arg(i);
    r.category = QString(101, QLatin1Char('c'));
    r.remark = QStringLiteral("note");
    const CheckedPaper p = mapRecord(r, MappingOptions{QStringLiteral("D:\\lib")});
    EXPECT_EQ(p.status, Status::Attention);
    EXPECT_EQ(p.key, QStringLiteral("T$A1$2001"));
    EXPECT_EQ(p.entry.authors, QStringLiteral("A2；A3；A4；A5"));
    EXPECT_EQ(p.entry.kwords.count(QStringLiteral("；")), 9);
    EXPECT_EQ(p.entry.catalog.size(), 100);
    EXPECT_TRUE(p.entry.remark.startsWith(QStringLiteral("note；")));
    EXPECT_TRUE(p.entry.remark.contains(QStringLiteral("其他作者：A6；A7")));
    EXPECT_TRUE(p.entry.remark.contains(QStringLiteral("其他关键词：k11；k12")));
    EXPECT_TRUE(p.entry.remark.contains(QString(101, QLatin1Char('c'))));
    EXPECT_EQ(p.entry.filename, QStringLiteral("k.pdf"));
    EXPECT_EQ(p.entry.dir, QStringLiteral("D:\\lib"));

    PaperRecord none;
    none.title = QStringLiteral("T");
    const CheckedPaper u = mapRecord(none, MappingOptions{QStringLiteral("D:")});
    EXPECT_EQ(u.status, Status::Unusable);
    EXPECT_EQ(u.notes.join(QLatin1Char('|')), QStringLiteral("缺少论文一作|缺少发表时间"));

    // present in the catalogue, repeated within the list, the caller's own mark
    PaperRecord a = r;
    a.authors = {QStringLiteral("A1")};
    a.keywords.clear();
    a.category.clear();
    PaperRecord b = a;
    b.title = QStringLiteral("U");
    const auto list = checkRecords({a, b, a}, MappingOptions{QStringLiteral("D:")}, {QStringLiteral("U$A1$2001")},
                                   [](const PaperRecord&, const CheckedPaper& p) -> std::optional<Mark> {
                                       if (p.entry.filename == QLatin1String("k.pdf")) return Mark{Status::Attention, QStringLiteral("同名文件")};
                                       return std::nullopt;
                                   });
    EXPECT_EQ(list[0].status, Status::Attention);
    EXPECT_EQ(list[1].status, Status::Present);
    EXPECT_EQ(list[2].status, Status::Repeated);
    EXPECT_TRUE(list[2].notes.contains(QStringLiteral("与第 1 条重复")));
}

}  // namespace

namespace {

// Rows read while the user works in the list are added below it: the list is
// not reset (an open editor and the selection stay), untickings stay, and a
// new row that repeats an old one is marked.
TEST(PreviewModelAppend, AddsRowsWithoutAResetAndKeepsTicks) {
    auto paper = [](const QString& title) {
        PaperRecord r;
        r.title = title;
        r.authors = {QStringLiteral("张三")};
        r.date = QStringLiteral("2020");
        return r;
    };
    exchange::PreviewModel m;
    m.setOptions(MappingOptions{QStringLiteral("D:")});
    m.setRecords({paper(QStringLiteral("A")), paper(QStringLiteral("B"))});
    m.setTicked(0, false);
    QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    m.appendRecords({paper(QStringLiteral("C")), paper(QStringLiteral("B"))});
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_FALSE(m.isTicked(0));
    EXPECT_TRUE(m.isTicked(1));
    EXPECT_TRUE(m.isTicked(2));
    EXPECT_FALSE(m.isTicked(3));  // repeats row 2
    EXPECT_EQ(m.count(Status::Repeated), 1);
}

}  // namespace
