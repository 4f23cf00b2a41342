#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "duplicates/GroupFinder.h"
#include "duplicates/Matcher.h"
#include "duplicates/TitleSketch.h"

namespace {

using namespace duplicates;

const QStringList kTitles{
    QStringLiteral("A fast algorithm for approximate string matching"),
    QStringLiteral("Graph neural networks: a review of methods and applications"),
    QStringLiteral("The TeXbook"),
    QStringLiteral("Sorting networks, Part 1"),
    QStringLiteral("Erratum: robust estimation of sparse signals"),
    QStringLiteral("Deep residual learning for image recognition (v2)"),
    QStringLiteral("基于深度学习的中文分词方法研究"),
    QStringLiteral("城市交通流量预测模型——以北京为例"),
    QStringLiteral("面向隐私保护的分布式数据库查询优化（上）"),
    QStringLiteral("Learning"),
};

// A title changed as people retype it: a letter dropped, doubled or swapped,
// a word added, capitals, marks, a subtitle added or dropped.
QString retyped(const QString& title, QRandomGenerator& r) {
    QString t = title;
    const int edits = 1 + r.bounded(4);
    for (int e = 0; e < edits && t.size() > 2; ++e) {
        const int at = r.bounded(int(t.size()) - 1);
        switch (r.bounded(7)) {
        case 0: t.remove(at, 1); break;
        case 1: t.insert(at, t.at(at)); break;
        case 2: std::swap(t[at], t[at + 1]); break;
        case 3: t = t.toUpper(); break;
        case 4: t.insert(at, QStringLiteral(", ")); break;
        case 5: t += r.bounded(2) ? QStringLiteral(": a study") : QStringLiteral("：综述"); break;
        default: t = t.section(QLatin1Char(':'), 0, 0); break;
        }
    }
    return t;
}

TEST(TitleSketch, NeverRulesOutAPairTheMatcherJoins) {
    QRandomGenerator r(3);
    const QString author = QStringLiteral("Myers, Gene");
    int joined = 0, ruledOut = 0, unlike = 0;
    for (int round = 0; round < 4000; ++round) {
        const QString base = kTitles[r.bounded(int(kTitles.size()))];
        const QString a = r.bounded(3) ? retyped(base, r) : base, b = retyped(base, r);
        const PaperFacts fa = paperFacts(a, author, QStringLiteral("1999")), fb = paperFacts(b, author, QStringLiteral("2000"));
        const bool may = mayBeSame(fa, titleSketch(fa), fb, titleSketch(fb));
        if (match(fa, fb).verdict == Verdict::Same) {
            ++joined;
            EXPECT_TRUE(may) << qPrintable(a) << " | " << qPrintable(b);
        }
        // a paper by the same author with another title
        const QString other = kTitles[(kTitles.indexOf(base) + 1 + r.bounded(int(kTitles.size()) - 1)) % kTitles.size()];
        const PaperFacts fo = paperFacts(retyped(other, r), author, QStringLiteral("1999"));
        if (match(fa, fo).verdict != Verdict::Same) {
            ++unlike;
            ruledOut += mayBeSame(fa, titleSketch(fa), fo, titleSketch(fo)) ? 0 : 1;
        }
    }
    EXPECT_GT(joined, 1000);
    // the sketches spare the matcher most unlike pairs
    EXPECT_GT(ruledOut, unlike * 8 / 10);
}

TEST(TitleSketch, TheBoundIsNeverBelowTheSimilarity) {
    QRandomGenerator r(5);
    for (int round = 0; round < 2000; ++round) {
        const QString a = compact(titleForms(retyped(kTitles[r.bounded(int(kTitles.size()))], r)).full);
        const QString b = compact(titleForms(retyped(kTitles[r.bounded(int(kTitles.size()))], r)).full);
        PaperFacts fa, fb;
        fa.title.fullKey = fa.title.mainKey = a;
        fb.title.fullKey = fb.title.mainKey = b;
        const TitleSketch sa = titleSketch(fa), sb = titleSketch(fb);
        ASSERT_GE(diceBound(sa.full, sa.fullPairs, sb.full, sb.fullPairs) + 1e-12, similarity(a, b))
            << qPrintable(a) << " | " << qPrintable(b);
        if (a == b && a.size() > 1) EXPECT_DOUBLE_EQ(diceBound(sa.full, sa.fullPairs, sb.full, sb.fullPairs), 1.0);
    }
    // years two apart never meet the matcher; identifiers on both sides always do
    PaperFacts x = paperFacts(kTitles[0], QStringLiteral("Myers, G."), QStringLiteral("1999"));
    PaperFacts y = paperFacts(kTitles[0], QStringLiteral("Myers, G."), QStringLiteral("2001"));
    EXPECT_FALSE(mayBeSame(x, titleSketch(x), y, titleSketch(y)));
    x.ids.doi = QStringLiteral("10.1145/316542.316550");
    y = paperFacts(QStringLiteral("Something else entirely"), QStringLiteral("Other, A."), QStringLiteral("2001"),
                   QStringLiteral("doi:10.1145/316542.316550"));
    EXPECT_TRUE(mayBeSame(x, titleSketch(x), y, titleSketch(y)));
}

TEST(GroupFinder, AProlificAuthorsPapersMeetTheSketchesNotTheMatcher) {
    // one author, one year, many unlike papers and two pairs of one paper
    QVector<PaperFacts> papers;
    QRandomGenerator r(9);
    for (int i = 0; i < 200; ++i) {
        QString t;
        for (int w = 0; w < 6; ++w) {
            for (int c = 0, n = 3 + r.bounded(6); c < n; ++c) t += QChar('a' + r.bounded(26));
            t += QLatin1Char(' ');
        }
        papers << paperFacts(t, QStringLiteral("Wang, J."), QStringLiteral("2010"));
    }
    papers << paperFacts(QStringLiteral("Protein folding in the cloud"), QStringLiteral("Wang, J."), QStringLiteral("2010"))
           << paperFacts(QStringLiteral("PROTEIN FOLDING IN THE CLOUD."), QStringLiteral("J. Wang"), QStringLiteral("2011"))
           << paperFacts(QStringLiteral("城市交通流量预测模型研究"), QStringLiteral("王军"), QStringLiteral("2010"))
           << paperFacts(QStringLiteral("城市交通流量预测模型研究：以北京为例"), QStringLiteral("王 军"), QStringLiteral("2010"));
    GroupFinder finder(papers);
    const auto groups = finder.run();
    EXPECT_EQ(groups, (QVector<QVector<int>>{{200, 201}, {202, 203}}));
    EXPECT_GT(finder.comparisons(), 10000);
    EXPECT_LT(finder.matched(), finder.comparisons() / 5);
}

}  // namespace
