#include <gtest/gtest.h>

#include <QMap>
#include <QSet>
#include <algorithm>

#include "Corpus.h"
#include "FulltextFixture.h"
#include "catalogue/RemovePaper.h"
#include "fulltext/IndexTables.h"
#include "fulltext/SearchEngine.h"
#include "fulltext/SearchQuery.h"
#include "fulltext/SegmentMerge.h"
#include "fulltext/Tokenizer.h"
#include "support/TestDb.h"

namespace {

using fulltext::ExtractedFile;

// A query of `units` units in a row, from a random place of a random page.
// kind 0: Chinese only (a run of CJK characters), 1: words, 2: mixed.
QString drawQuery(std::mt19937& r, const QStringList& pages, int kind, int units) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const QString& page = pages[r() % pages.size()];
        const QVector<fulltext::Token> t = fulltext::tokenize(page);
        if (t.size() < units) continue;
        const int at = int(r() % (t.size() - units + 1));
        int cjk = 0;
        for (int i = at; i < at + units; ++i) cjk += t[i].cjk;
        if ((kind == 0 && cjk != units) || (kind == 1 && cjk != 0) || (kind == 2 && (cjk == 0 || cjk == units)))
            continue;
        // the query as a user would type it: from the page itself, original case
        QString q = page.mid(t[at].start, t[at + units - 1].start + t[at + units - 1].length - t[at].start);
        q.replace(QLatin1Char('"'), QLatin1Char(' '));
        return QLatin1Char('"') + q.simplified() + QLatin1Char('"');
    }
    return {};
}

struct Scan {
    QMap<QString, QStringList> forms;  // paper key -> scan form of each page
    QStringList holding(const QStringList& clauses, const QStringList& excluded = {}) const {
        QStringList out;
        for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
            auto anywhere = [&](const QString& c) {
                return std::any_of(it->cbegin(), it->cend(), [&](const QString& f) { return corpus::scanHolds(f, c); });
            };
            if (std::all_of(clauses.cbegin(), clauses.cend(), anywhere) &&
                std::none_of(excluded.cbegin(), excluded.cend(), anywhere))
                out.append(it.key());
        }
        return out;
    }
};

class SearchDb : public FulltextDb {
protected:
    // The keys of papers "p<i>", sorted as found() gives them.
    static QStringList keys(std::initializer_list<int> which) {
        QStringList out;
        for (int i : which) out << keyOf(QStringLiteral("p%1").arg(i));
        std::sort(out.begin(), out.end());
        return out;
    }
};

// 300 queries drawn from the indexed text, each answered by the index and by
// a plain scan of the same text: the same papers, every time. The index is
// built in several segments, then papers are removed, moved and read again,
// so that the packed postings have been rewritten before the queries.
TEST_F(SearchDb, ThreeHundredQueriesFindExactlyThePapersHoldingThem) {
    corpus::Generator gen(20261208);
    std::mt19937& r = gen.random();
    QMap<QString, QStringList> text;
    QVector<ExtractedFile> batch;
    for (int i = 0; i < 90; ++i) {
        const QString title = QStringLiteral("论文%1").arg(i);
        addPaper(title);
        const double chinese = i % 3 == 0 ? 0.0 : i % 3 == 1 ? 0.5 : 1.0;
        const QStringList pages = gen.paper(1 + int(r() % 4), 300 + int(r() % 900), chinese);
        batch.append(file(title, pages));
        text.insert(keyOf(title), pages);
        if (batch.size() == 30) {
            EXPECT_EQ(fulltext::writeBatch(q, batch), 30);
            batch.clear();
        }
    }
    // removed papers, a paper given another file, papers read again with new text
    for (int i : {3, 31, 62, 89}) {
        ASSERT_EQ(catalogue::removal::removePaper(q, QStringLiteral("论文%1").arg(i), QStringLiteral("作者"),
                                                  QStringLiteral("2024"))
                      .caption,
                  QStringLiteral("成功"));
        text.remove(keyOf(QStringLiteral("论文%1").arg(i)));
    }
    testdb::exec(QStringLiteral("update address set dir='/elsewhere' where Paperid='") + keyOf(QStringLiteral("论文40")) +
                 QLatin1Char('\''));
    fulltext::forgetPaper(q, keyOf(QStringLiteral("论文40")));
    text.remove(keyOf(QStringLiteral("论文40")));
    for (int i : {5, 35, 65}) {
        const QString title = QStringLiteral("论文%1").arg(i);
        const QStringList pages = gen.paper(2, 600, 0.5);
        batch.append(file(title, pages));
        text.insert(keyOf(title), pages);
    }
    EXPECT_EQ(fulltext::writeBatch(q, batch), 3);

    Scan scan;
    for (auto it = text.cbegin(); it != text.cend(); ++it)
        for (const QString& p : *it) scan.forms[it.key()].append(corpus::scanForm(p));
    const QStringList keys = text.keys();

    int queries = 0, expected = 0, correct = 0, wrong = 0;
    for (int i = 0; i < 300; ++i) {
        const int kind = i % 3;
        QString query;
        // papers in one language only offer no mixed query: another paper then
        for (int paper = 0; paper < 100 && query.isEmpty(); ++paper) {
            const QStringList& pages = text[keys[r() % keys.size()]];
            if (kind == 0) query = drawQuery(r, pages, 0, 2 + int(r() % 5));
            else if (kind == 1) query = drawQuery(r, pages, 1, 1 + int(r() % 3));
            else if (i % 2) query = drawQuery(r, pages, 2, 2 + int(r() % 3));
            else {
                const QString zh = drawQuery(r, pages, 0, 2 + int(r() % 3)), en = drawQuery(r, pages, 1, 1);
                if (!zh.isEmpty() && !en.isEmpty()) query = zh + QLatin1Char(' ') + en;
            }
        }
        ASSERT_FALSE(query.trimmed().isEmpty());
        QStringList clauses;
        for (const QString& part : query.split(QLatin1Char('"'), Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty()) clauses.append(part);
        const QStringList want = scan.holding(clauses);
        const QStringList got = found(query);
        if (got != want) {
            const auto docs = documents();
            for (const fulltext::Match& m : fulltext::search(q, query).matches)
                if (!want.contains(docs.value(m.doc)))
                    std::printf("extra %s page %d: %s\n", qPrintable(docs.value(m.doc)), m.page, qPrintable(m.snippet));
        }
        ++queries;
        expected += int(want.size());
        for (const QString& k : got) (want.contains(k) ? correct : wrong) += 1;
        EXPECT_TRUE(got == want) << "query " << query.toStdString() << "\n  found, not held: "
                                 << QStringList(QSet<QString>(got.begin(), got.end()).subtract(QSet<QString>(want.begin(), want.end())).values()).join(QLatin1Char(' ')).toStdString()
                                 << "\n  held, not found: "
                                 << QStringList(QSet<QString>(want.begin(), want.end()).subtract(QSet<QString>(got.begin(), got.end())).values()).join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(want.isEmpty()) << query.toStdString();
    }
    EXPECT_EQ(queries, 300);
    std::printf("[ recall %d/%d, precision %d/%d over %d queries ]\n", correct, expected, correct, correct + wrong,
                queries);

    // single characters, exclusions
    for (const QString& query : {QStringLiteral("的"), QStringLiteral("龘"), QStringLiteral("the -of"),
                                 QStringLiteral("研究 -\"neural network\""), QStringLiteral("模型 -数据")}) {
        QStringList clauses, excluded;
        for (const fulltext::Clause& c : fulltext::parseQuery(query)) (c.excluded ? excluded : clauses).append(c.text);
        EXPECT_EQ(found(query), scan.holding(clauses, excluded)) << query.toStdString();
    }
}

TEST_F(SearchDb, RankingSnippetsAndTheGridRows) {
    addPaper(QStringLiteral("often"));
    addPaper(QStringLiteral("once"));
    addPaper(QStringLiteral("never"));
    fulltext::writeBatch(q, {file(QStringLiteral("often"), {QStringLiteral("引言"), QStringLiteral("全文检索 与 全文检索 以及全文检索的实现")}),
                             file(QStringLiteral("once"), {QStringLiteral("关于全文检索的一句话，其余都是别的内容内容内容内容")}),
                             file(QStringLiteral("never"), {QStringLiteral("Nothing about it here")})});
    const fulltext::SearchOutcome out = fulltext::search(q, QStringLiteral("全文检索"));
    ASSERT_EQ(out.matches.size(), 2);
    EXPECT_GT(out.matches[0].score, out.matches[1].score);
    EXPECT_EQ(out.matches[0].page, 2);
    EXPECT_EQ(out.matches[0].snippet, QStringLiteral("【全文检索】 与 全文检索 以及全文检索的实现"));
    const auto rows = fulltext::resultRows(q, out.matches);
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->columnNames(), (QStringList{"论文题目", "论文一作", "发表时间", "页码", "摘录", "保存文件夹", "论文文件名"}));
    EXPECT_EQ(rows->text(0, 0), QStringLiteral("often"));
    EXPECT_EQ(rows->text(0, 3), QStringLiteral("2"));
    EXPECT_EQ(rows->text(1, 4), QStringLiteral("关于【全文检索】的一句话，其余都是别的内容内容内容内容"));
    EXPECT_FALSE(fulltext::search(q, QStringLiteral("-全文检索")).problem.isEmpty());
    EXPECT_TRUE(fulltext::search(q, QStringLiteral("全文检索系统")).matches.isEmpty());
}

// Phrases are first narrowed down by the server; what it leaves in must
// still be every page the units stand on in a row, however they are written.
TEST_F(SearchDb, PhrasesAreFoundAcrossCaseLineEndsAndPunctuationOnly) {
    const QStringList texts = {
        QStringLiteral("THE,\nAnd so on"),             // case, comma and line end between the words
        QStringLiteral("\u212Aelvin scale readings"),  // a Kelvin sign folds to k
        QStringLiteral("深 度\n学习的方法"),            // blanks and a line end inside a Chinese run
        QStringLiteral("深・度学习 theand the-and"),     // a katakana middle dot is a unit of its own
        QStringLiteral("breathe andante"),              // parts of longer words only
    };
    QVector<fulltext::ExtractedFile> files;
    for (int i = 0; i < texts.size(); ++i) {
        addPaper(QStringLiteral("p%1").arg(i));
        files.append(file(QStringLiteral("p%1").arg(i), {QStringLiteral("filler page"), texts[i]}));
    }
    fulltext::writeBatch(q, files);
    EXPECT_EQ(found(QStringLiteral("\"the and\"")), keys({0, 3}));
    EXPECT_EQ(found(QStringLiteral("\"kelvin scale\"")), keys({1}));
    EXPECT_EQ(found(QStringLiteral("深度学习")), keys({2}));
    EXPECT_EQ(found(QStringLiteral("深・度学")), keys({3}));
    EXPECT_EQ(found(QStringLiteral("\"the and\" -kelvin -\"so on\"")), keys({3}));
    EXPECT_EQ(fulltext::search(q, QStringLiteral("\"the and\"")).matches.first().page, 2);
}

// Phrases with common words are answered from the pair terms; an index
// written before pair terms existed (no pair rows, documents not listed) and
// one that mixes both give the same answers, through merging and removal.
TEST_F(SearchDb, PhrasesOfCommonWordsComeFromPairTermsAndOlderIndexesGiveTheSameAnswers) {
    const QVector<QStringList> texts = {
        {QStringLiteral("filler page"), QStringLiteral("THE,\nAnd so on. One of the best")},
        {QStringLiteral("the cat and the dog"), QStringLiteral("and the")},
        {QStringLiteral("of\nthe of the"), QStringLiteral("x")},
        {QStringLiteral("of of the and")},
        {QStringLiteral("the theory and andante")},
        {QStringLiteral("a page"), QStringLiteral("then the and-so")},
    };
    QVector<fulltext::ExtractedFile> files;
    for (int i = 0; i < 5; ++i) {
        addPaper(QStringLiteral("p%1").arg(i));
        files.append(file(QStringLiteral("p%1").arg(i), texts[i]));
    }
    fulltext::writeBatch(q, files);
    auto pairRows = [] {
        return testdb::scalar(QStringLiteral("select count(*) from fulltext_posting where term like '% %'")).toInt();
    };
    auto check = [&](bool withP5) {
        SCOPED_TRACE(withP5 ? "with p5" : "p0-p4");
        EXPECT_EQ(found(QStringLiteral("\"the and\"")), withP5 ? keys({0, 3, 5}) : keys({0, 3}));
        EXPECT_EQ(found(QStringLiteral("\"of the\"")), keys({0, 2, 3}));
        EXPECT_EQ(found(QStringLiteral("\"of of\"")), keys({3}));
        EXPECT_EQ(found(QStringLiteral("\"one of the\"")), keys({0}));
        EXPECT_EQ(found(QStringLiteral("\"cat and the\" \"and the\"")), keys({1}));
        EXPECT_EQ(found(QStringLiteral("the and -\"the and\"")), keys({1, 4}));
        EXPECT_EQ(found(QStringLiteral("\"of the\" -\"the and\"")), keys({2}));
        for (const fulltext::Match& m : fulltext::search(q, QStringLiteral("\"the and\"")).matches) {
            EXPECT_EQ(m.page, 2 - int(documents().value(m.doc) == keyOf(QStringLiteral("p3"))));
            EXPECT_TRUE(m.snippet.contains(QStringLiteral("【")));
        }
    };
    EXPECT_GT(pairRows(), 0);
    check(false);
    // the pair's own count ranks: twice on p2's page (the older way counts the rarer word's hits)
    const auto ofThe = fulltext::search(q, QStringLiteral("\"of the\"")).matches;
    ASSERT_EQ(ofThe.size(), 3);
    EXPECT_EQ(documents().value(ofThe[0].doc), keyOf(QStringLiteral("p2")));

    // as an index written before pair terms: the pages are checked against their text
    testdb::exec(QStringLiteral("delete from fulltext_posting where term like '% %'"));
    check(false);

    // a newer paper with pair terms beside the older ones, in its own segment and merged
    addPaper(QStringLiteral("p5"));
    fulltext::writeBatch(q, {file(QStringLiteral("p5"), texts[5])});
    check(true);
    EXPECT_EQ(fulltext::mergeSmallSegments(q, 100, 2), 2);
    check(true);

    // removing the paper takes its pair terms and its listing along
    ASSERT_EQ(catalogue::removal::removePaper(q, QStringLiteral("p5"), QStringLiteral("作者"), QStringLiteral("2024"))
                  .caption,
              QStringLiteral("成功"));
    EXPECT_EQ(pairRows(), 0);
    check(false);
}

}  // namespace
