#include <gtest/gtest.h>

#include "DupTestSupport.h"
#include "db/OdbcQuery.h"
#include "duplicates/CatalogueScan.h"
#include "support/TestDb.h"

namespace {

using namespace duplicates;
using duptest::Paper;

class ScanDb : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::reset();
        q.setConnectionString(testdb::paperConnection());
        // eleven papers: three pairs of one paper each, five alone
        const QStringList titles{QStringLiteral("Robust estimation of sparse signals"),
                                 QStringLiteral("Quantum computation with surface codes"),
                                 QStringLiteral("城市交通流量预测模型研究"),
                                 QStringLiteral("Climate models and their uncertainty"),
                                 QStringLiteral("A compiler for wireless sensor networks")};
        const QStringList authors{QStringLiteral("Candes, E."), QStringLiteral("Fowler, A."), QStringLiteral("王军"),
                                  QStringLiteral("Knutti, R."), QStringLiteral("Levis, P.")};
        for (int i = 0; i < titles.size(); ++i)
            keys << duptest::enter(Paper{titles[i], authors[i], QStringLiteral("2010")});
        pairs << QStringList{keys[0], duptest::enter(Paper{titles[0].toUpper() + QStringLiteral("."),
                                                           QStringLiteral("E. Candes"), QStringLiteral("2011")})}
              << QStringList{keys[1], duptest::enter(Paper{QStringLiteral("Quantum computaton with surface codes"),
                                                           authors[1], QStringLiteral("2009")})}
              << QStringList{keys[2], duptest::enter(Paper{QStringLiteral("城市交通流量预测模型研究——以北京为例"),
                                                           QStringLiteral("王 军"), QStringLiteral("2010")})};
        for (const char* t : {"Sparse signals, robust estimation", "Surface codes", "交通流量"})
            duptest::enter(Paper{QString::fromUtf8(t), QStringLiteral("Other, A."), QStringLiteral("2010")});
        for (QStringList& p : pairs) p.sort();
    }
    db::OdbcQuery q;
    QStringList keys;
    QList<QStringList> pairs;
};

TEST_F(ScanDb, ReadsTheIndexInSlicesAndFindsEveryPair) {
    for (int slice : {kScanSlice, 4, 1}) {
        QList<double> reading;
        const ScanOutcome out = scanCatalogue(
            q,
            [&](const QString& step, double done) {
                if (step == QStringLiteral("正在读取论文…")) reading << done;
                return true;
            },
            slice);
        EXPECT_EQ(out.papers, 11) << slice;
        QList<QStringList> found;
        for (QStringList g : out.groups) {
            g.sort();
            found << g;
        }
        std::sort(found.begin(), found.end());
        QList<QStringList> expected = pairs;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected) << slice;
        // a slice at a time, each told
        EXPECT_EQ(reading.size(), 11 / slice + 1) << slice;
        EXPECT_TRUE(std::is_sorted(reading.begin(), reading.end()));
        EXPECT_LT(reading.back(), 0.2 + 1e-9);
    }
}

TEST_F(ScanDb, CancelWhileReadingStopsBeforeTheNextSlice) {
    int slices = 0;
    const ScanOutcome out = scanCatalogue(
        q,
        [&](const QString& step, double) {
            if (step != QStringLiteral("正在读取论文…")) return true;
            return ++slices < 3;  // "取消" during the third slice
        },
        2);
    EXPECT_TRUE(out.cancelled);
    EXPECT_TRUE(out.groups.isEmpty());
    EXPECT_EQ(slices, 3);
    // the catalogue is as it was: the next scan finds the pairs
    EXPECT_EQ(scanCatalogue(q, {}).groups.size(), 3);
}

}  // namespace
