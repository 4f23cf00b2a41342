#include <gtest/gtest.h>

#include "fulltext/CommonGrams.h"
#include "fulltext/Postings.h"
#include "fulltext/SearchQuery.h"
#include "fulltext/Snippet.h"
#include "fulltext/Tokenizer.h"
#include "Corpus.h"

namespace {

using namespace fulltext;

QStringList texts(const QVector<Token>& tokens) {
    QStringList out;
    for (const Token& t : tokens) out << t.text;
    return out;
}

QStringList terms(const QString& text) {
    const QVector<Token> t = tokenize(text);
    QStringList out;
    for (int i = 0; i < t.size(); ++i) out << termAt(t, i);
    return out;
}

TEST(Tokenizer, WordsFoldCaseKeepAccentsAndCjkGoesCharacterByCharacter) {
    EXPECT_EQ(texts(tokenize(QStringLiteral("Deep-Learning, RÉSUMÉ résumé resume 2024"))),
              (QStringList{"deep", "learning", "résumé", "résumé", "resume", "2024"}));
    // a decomposed accent equals the composed one
    EXPECT_EQ(tokenize(QStringLiteral("re\u0301sume\u0301")).first().text, QStringLiteral("résumé"));
    EXPECT_EQ(texts(tokenize(QStringLiteral("基于CNN的深度\n学习。"))),
              (QStringList{"基", "于", "cnn", "的", "深", "度", "学", "习"}));
    EXPECT_EQ(texts(tokenize(QStringLiteral("ひらがなとハングル한국어"))).size(), 12);
    // a character beyond the basic plane stays whole
    EXPECT_EQ(texts(tokenize(QStringLiteral("𠀀𠀁"))), (QStringList{QStringLiteral("𠀀"), QStringLiteral("𠀁")}));
}

TEST(Tokenizer, TermsArePairsOfCjkCharactersAndTheLastOneOfARunAlone) {
    EXPECT_EQ(terms(QStringLiteral("深度学习 of 网络")),
              (QStringList{"深度", "度学", "学习", "习", "of", "网络", "络"}));
    EXPECT_EQ(terms(QStringLiteral("中CNN文")), (QStringList{"中", "cnn", "文"}));
    const QString longWord(100, QLatin1Char('a'));
    EXPECT_EQ(terms(longWord).first().size(), kMaxTermLength);
}

TEST(SearchQuery, PartsPhrasesExclusionsAndWhatTheIndexIsAsked) {
    const QVector<Clause> c = parseQuery(QStringLiteral("  深度学习 \"Neural  Network\" -survey CNN模型 \"unclosed"));
    ASSERT_EQ(c.size(), 5);
    EXPECT_EQ(texts(c[0].units), (QStringList{"深", "度", "学", "习"}));
    EXPECT_EQ(texts(c[1].units), (QStringList{"neural", "network"}));
    EXPECT_TRUE(c[2].excluded);
    EXPECT_FALSE(c[3].excluded);
    EXPECT_EQ(texts(c[4].units), (QStringList{"unclosed"}));
    EXPECT_TRUE(parseQuery(QStringLiteral("- , \"\"")).isEmpty());

    auto plan = [](const QString& s) { return planClause(parseQuery(s).first()); };
    EXPECT_FALSE(plan(QStringLiteral("network")).verify);
    EXPECT_FALSE(plan(QStringLiteral("深度")).verify);
    const ClausePlan one = plan(QStringLiteral("深"));
    ASSERT_EQ(one.terms.size(), 1);
    EXPECT_TRUE(one.terms[0].prefix);
    const ClausePlan three = plan(QStringLiteral("深度学"));
    EXPECT_TRUE(three.verify);
    EXPECT_EQ(three.terms.size(), 2);
    const ClausePlan mixed = plan(QStringLiteral("CNN模型"));
    EXPECT_EQ(mixed.terms.size(), 2);
    EXPECT_TRUE(mixed.verify);
}

TEST(CommonGrams, AdjacentWordsWithACommonOnePairUpAcrossPunctuationAndTheQueryAsksForThem) {
    QHash<QString, quint32> counts;
    countTerms(tokenize(QStringLiteral("The, and\nOF the Model of the 深度 of")), counts);
    EXPECT_EQ(counts.value(QStringLiteral("the and")), 1u);
    EXPECT_EQ(counts.value(QStringLiteral("and of")), 1u);
    EXPECT_EQ(counts.value(QStringLiteral("of the")), 2u);
    EXPECT_EQ(counts.value(QStringLiteral("the model")), 1u);  // one common word is enough
    EXPECT_EQ(counts.value(QStringLiteral("the")), 3u);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)  // no pair with a CJK unit
        EXPECT_FALSE(it.key().contains(QLatin1Char(' ')) && it.key().contains(QStringLiteral("深")));
    counts.clear();
    countTerms(tokenize(QStringLiteral("deep learning ") + QString(70, QLatin1Char('x')) + QStringLiteral(" of")),
               counts);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) EXPECT_FALSE(it.key().contains(QLatin1Char(' ')));

    auto plan = [](const QString& s) { return planClause(parseQuery(s).first()); };
    const ClausePlan two = plan(QStringLiteral("\"THE and\""));
    ASSERT_EQ(two.pairs.size(), 1);
    EXPECT_EQ(two.pairs[0].term, QStringLiteral("the and"));
    EXPECT_TRUE(two.pairsDecide);
    const ClausePlan three = plan(QStringLiteral("\"one of the\""));
    EXPECT_EQ(three.pairs.size(), 2);
    EXPECT_FALSE(three.pairsDecide);
    EXPECT_TRUE(plan(QStringLiteral("\"deep learning\"")).pairs.isEmpty());
    EXPECT_TRUE(plan(QStringLiteral("CNN的模型")).pairs.isEmpty());
}

TEST(SearchQuery, OccurrencesAndTheMarkedSnippet) {
    const QVector<Clause> c = parseQuery(QStringLiteral("\"neural network\""));
    const QString page = QStringLiteral("A neural\nnetwork, and a Neural Network again; neural nets.");
    EXPECT_EQ(occurrences(tokenize(page), c.first()).size(), 2);
    EXPECT_EQ(snippet(page, c, 5, 8), QStringLiteral("A 【neural network】, and a…"));
    // cuts stay between words
    EXPECT_EQ(snippet(QStringLiteral("alpha beta gamma delta neural network epsilon zeta"), c, 14, 12),
              QStringLiteral("…gamma delta 【neural network】 epsilon…"));
    const QVector<Clause> zh = parseQuery(QStringLiteral("学习"));
    EXPECT_EQ(snippet(QStringLiteral("本文研究深度学习方法"), zh), QStringLiteral("本文研究深度【学习】方法"));
}

// The quick page check answers as the page's tokens do, on pages with
// accents composed and decomposed, upper case, CJK beside Latin words, and
// the units broken by line ends and punctuation.
TEST(SearchQuery, TheQuickPageCheckAgreesWithThePagesTokens) {
    const QStringList pages = {
        QStringLiteral("A Neural\nnetwork; RE\u0301SUME\u0301 of the CNN模型 深度\n学习 Kelvin 𠀀𠀁 naïve"),
        QStringLiteral("neural-network résumé ofthe cnn 模 型 深度学 习 kelvins"),
    };
    const QStringList queries = {
        QStringLiteral("\"neural network\""), QStringLiteral("résumé"), QStringLiteral("resume"),
        QStringLiteral("\"of the cnn\""), QStringLiteral("CNN模型"), QStringLiteral("深度学习"),
        QStringLiteral("kelvin"), QStringLiteral("𠀀𠀁"), QStringLiteral("naïve"), QStringLiteral("\"the CNN\""),
        QStringLiteral("模型深度"), QStringLiteral("naive")};
    QVector<UnitSpan> spans;
    for (const QString& page : pages) {
        scanUnits(page, spans);
        for (const QString& query : queries) {
            const Clause c = parseQuery(query).first();
            EXPECT_EQ(holds(page, spans, c), !occurrences(tokenize(page), c).isEmpty()) << query.toStdString();
        }
    }
    scanUnits(pages[0], spans);
    EXPECT_TRUE(holds(pages[0], spans, parseQuery(QStringLiteral("\"neural network\"")).first()));
    EXPECT_TRUE(holds(pages[0], spans, parseQuery(QStringLiteral("résumé")).first()));
    EXPECT_FALSE(holds(pages[0], spans, parseQuery(QStringLiteral("resume")).first()));

    // and on generated text, for runs of units drawn from it and runs broken off
    corpus::Generator gen(5);
    int held = 0;
    for (int i = 0; i < 200; ++i) {
        const QString page = gen.page(400);
        const QVector<Token> tokens = tokenize(page);
        scanUnits(page, spans);
        ASSERT_EQ(spans.size(), tokens.size());
        const QString other = gen.page(400);
        const QVector<Token> from = tokenize(other);
        const int len = 1 + int(gen.random()() % 4);
        if (from.size() <= len) continue;
        const int at = int(gen.random()() % (from.size() - len));
        Clause c;
        c.units = from.mid(at, len);
        const bool expected = !occurrences(tokens, c).isEmpty();
        EXPECT_EQ(holds(page, spans, c), expected) << page.toStdString();
        held += expected;
        c.units = tokens.mid(at % (tokens.size() - len), len);
        EXPECT_TRUE(holds(page, spans, c));
    }
    EXPECT_GT(held, 20);
}

TEST(Postings, PackedListsRoundTripAndLoseOneDocument) {
    QVector<Posting> in = {{3, 1, 2}, {3, 7, 1}, {900, 2, 5}, {1ull << 40, 100, 70000}};
    const QByteArray packed = encodePostings(in);
    QVector<Posting> out;
    ASSERT_TRUE(decodePostings(packed.constData(), std::size_t(packed.size()), out));
    ASSERT_EQ(out.size(), in.size());
    for (int i = 0; i < in.size(); ++i) {
        EXPECT_EQ(out[i].doc, in[i].doc);
        EXPECT_EQ(out[i].page, in[i].page);
        EXPECT_EQ(out[i].count, in[i].count);
    }
    out.clear();
    const QByteArray rest = withoutDocument(packed, 3);
    decodePostings(rest.constData(), std::size_t(rest.size()), out);
    EXPECT_EQ(out.size(), 2);
    EXPECT_EQ(out.first().doc, 900u);
    EXPECT_TRUE(withoutDocument(encodePostings({{5, 1, 1}}), 5).isEmpty());
    // damaged data: what came before is kept, the rest refused
    out.clear();
    EXPECT_FALSE(decodePostings(packed.constData(), std::size_t(packed.size() - 1), out));
}

}  // namespace
