#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "db/OdbcQuery.h"
#include "db/ResultSet.h"
#include "support/TestDb.h"

namespace {

std::string cellText(int i, std::size_t size) {
    std::string s(size, char('a' + i % 26));
    if (size) s[0] = char('0' + i % 10);
    return s;
}

// Cells that fill chunks to the brim, cells larger than a chunk, empty cells
// and NULLs all come back as they went in, in their rows and columns.
TEST(ResultSetTest, CellsAcrossChunkBoundariesComeBackExactly) {
    db::ResultSet r({QStringLiteral("a"), QStringLiteral("b")});
    constexpr std::size_t kMiB = std::size_t(1) << 20;
    const std::size_t sizes[] = {kMiB - 3, kMiB, kMiB + 5, 0, 3 * kMiB, 4 * kMiB - 1, 4 * kMiB,
                                 9 * kMiB, 17, 0, 1, 2 * kMiB};
    int n = 0;
    for (std::size_t size : sizes) {
        std::string s = cellText(n++, size);
        r.appendCell(s.data(), s.size());
    }
    r.appendNull();
    r.appendCell("", 0);
    r.squeeze();
    ASSERT_EQ(r.rowCount(), 7);
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(r.bytes(i / 2, i % 2), cellText(i, sizes[i])) << i;
        EXPECT_FALSE(r.isNull(i / 2, i % 2));
    }
    EXPECT_TRUE(r.isNull(6, 0));
    EXPECT_FALSE(r.isNull(6, 1));
    EXPECT_EQ(r.text(6, 0), QString());
    EXPECT_EQ(r.bytes(6, 1).size(), 0u);
}

TEST(ResultSetTest, SqueezeGivesBackTheTailAndKeepsEveryCell) {
    db::ResultSet r({QStringLiteral("t")});
    r.appendCell("论文", 6);
    const std::size_t before = r.bytesReserved();
    r.squeeze();
    EXPECT_LT(r.bytesReserved() + (std::size_t(1) << 20), before);
    EXPECT_EQ(r.text(0, 0), QStringLiteral("论文"));
    r.appendCell("x", 1);  // appending after a squeeze starts a new chunk
    EXPECT_EQ(r.text(0, 0), QStringLiteral("论文"));
    EXPECT_EQ(r.text(1, 0), QStringLiteral("x"));
}

// Anonymous memory only: pages of the program's libraries that the fetch
// touches for the first time are not held data, and where the kernel keeps
// library text in huge pages a single touch adds 2 MB of resident memory.
qint64 residentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("RssAnon:")) return line.mid(8).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Once a large result is fetched, the driver's copy of it goes back to the
// system: the process holds little more than the result itself.
TEST(ResultSetTest, AFetchedResultHoldsLittleMoreThanItsOwnBytes) {
    testdb::reset();
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    q.openSql(QStringLiteral("select 1"));  // driver loaded, connection open
    q.close();
    const qint64 before = residentKb();
    q.openSql(QStringLiteral(
        "select concat('基于深度学习的图像识别研究', seq), concat('D:\\\\论文\\\\', seq), seq "
        "from seq_1_to_300000"));
    ASSERT_EQ(q.recordCount(), 300000);
    const double held = double(residentKb() - before) * 1024;
    const double store = double(q.result()->bytesReserved());
    EXPECT_LT(held, 1.3 * store) << "held " << held / 1e6 << " MB for a store of " << store / 1e6 << " MB";
    EXPECT_EQ(q.result()->text(299999, 1), QStringLiteral("D:\\论文\\300000"));
}

}  // namespace
