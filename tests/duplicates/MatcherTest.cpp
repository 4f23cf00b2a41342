#include <gtest/gtest.h>

#include "duplicates/GroupFinder.h"
#include "duplicates/Matcher.h"

namespace {

using namespace duplicates;

Verdict verdict(const QString& t1, const QString& a1, const QString& d1, const QString& t2, const QString& a2,
                const QString& d2, const QString& r1 = {}, const QString& r2 = {}) {
    return match(paperFacts(t1, a1, d1, r1), paperFacts(t2, a2, d2, r2)).verdict;
}

TEST(Matcher, VariantsOfOnePaperMatch) {
    const QString t = QStringLiteral("A fast algorithm for approximate string matching");
    const QString a = QStringLiteral("Myers, Gene");
    EXPECT_EQ(verdict(t, a, "1999-05-01", QStringLiteral("A Fast Algorithm for Approximate String-Matching."),
                      QStringLiteral("G. Myers"), "1999"),
              Verdict::Same);
    // preprint a year before the journal, with a subtitle
    EXPECT_EQ(verdict(t, a, "1998", t + QStringLiteral(": theory and practice"), QStringLiteral("Gene Myers"), "1999"),
              Verdict::Same);
    // full-width marks and a typo
    EXPECT_EQ(verdict(t, a, "1999", QStringLiteral("Ａ fast algoritm for approximate string matching"), a, "1999"),
              Verdict::Same);
    EXPECT_EQ(verdict(QStringLiteral("基于深度学习的中文分词方法研究"), QStringLiteral("张三"), "2019-01-01",
                      QStringLiteral("基于深度学习的中文分词方法研究：以新闻语料为例"), QStringLiteral("张 三"), "2020"),
              Verdict::Same);
    // one identifier is enough, whatever the title says
    EXPECT_EQ(verdict(t, a, "1999", QStringLiteral("Approximate matching"), QStringLiteral("Other, A."), "2005",
                      QStringLiteral("doi:10.1145/316542.316550"), QStringLiteral("https://doi.org/10.1145/316542.316550")),
              Verdict::Same);
}

TEST(Matcher, HardNonDuplicatesStayApart) {
    const QString a = QStringLiteral("Knuth, Donald E.");
    EXPECT_EQ(verdict(QStringLiteral("Sorting networks, Part 1"), a, "1990", QStringLiteral("Sorting networks, Part 2"), a,
                      "1990"),
              Verdict::Vetoed);
    EXPECT_EQ(verdict(QStringLiteral("The art of computer programming, Volume 1"), a, "1968",
                      QStringLiteral("The art of computer programming, Volume 3"), a, "1968"),
              Verdict::Vetoed);
    EXPECT_NE(verdict(QStringLiteral("量子力学讲义 第三章"), QStringLiteral("李四"), "2001",
                      QStringLiteral("量子力学讲义 第四章"), QStringLiteral("李四"), "2001"),
              Verdict::Same);
    EXPECT_EQ(verdict(QStringLiteral("现代控制理论及其在航天器姿态控制中的应用（上）"), QStringLiteral("李四"), "2001",
                      QStringLiteral("现代控制理论及其在航天器姿态控制中的应用（下）"), QStringLiteral("李四"), "2001"),
              Verdict::Vetoed);
    EXPECT_EQ(verdict(QStringLiteral("Fast sorting in linear time"), a, "1990",
                      QStringLiteral("Erratum: Fast sorting in linear time"), a, "1991"),
              Verdict::Vetoed);
    EXPECT_EQ(verdict(QStringLiteral("Fast sorting in linear time"), a, "1990", QStringLiteral("Fast sorting in linear time"),
                      QStringLiteral("Smith, John"), "1990"),
              Verdict::Different);
    EXPECT_EQ(verdict(QStringLiteral("Fast sorting in linear time"), a, "1990", QStringLiteral("Fast sorting in linear time"),
                      a, "1995"),
              Verdict::Different);
    // journal and conference versions with their own DOIs
    EXPECT_EQ(verdict(QStringLiteral("Fast sorting in linear time"), a, "1990", QStringLiteral("Fast sorting in linear time"),
                      a, "1991", QStringLiteral("doi:10.1000/conf.1"), QStringLiteral("doi:10.1000/journal.7")),
              Verdict::Vetoed);
}

TEST(GroupFinder, GroupsFromBlocksOnly) {
    QVector<PaperFacts> papers;
    auto add = [&](const char* t, const char* a, const char* d) {
        papers << paperFacts(QString::fromUtf8(t), QString::fromUtf8(a), QString::fromUtf8(d));
    };
    add("Graph neural networks: a review", "Zhou, Jie", "2020");     // 0
    add("Probabilistic robotics", "Thrun, Sebastian", "2005");       // 1
    add("GRAPH NEURAL NETWORKS: A REVIEW", "Jie Zhou", "2019");       // 2
    add("Graph neural networks", "J. Zhou", "2020");                  // 3
    add("图神经网络综述", "周杰", "2020");                              // 4
    add("图神经网络综述（修订版）", "周 杰", "2021");                    // 5
    add("Graph neural networks: a review", "Zhou, Jie", "2020");     // 6, marked distinct from 0
    GroupFinder finder(papers);
    finder.setDistinct([](int a, int b) { return std::min(a, b) == 0 && std::max(a, b) == 6; });
    int calls = 0;
    finder.setProgress([&](double) { return ++calls > 0; });
    const auto groups = finder.run();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0], (QVector<int>{0, 2, 3, 6}));  // 6 joins through 2 and 3
    EXPECT_EQ(groups[1], (QVector<int>{4, 5}));
    EXPECT_LT(finder.comparisons(), 21);  // not every pair
    EXPECT_GT(calls, 0);

    GroupFinder stopped(papers);
    stopped.setProgress([](double) { return false; });
    EXPECT_TRUE(stopped.run().isEmpty());
    EXPECT_TRUE(stopped.cancelled());
}

}  // namespace
