#include <gtest/gtest.h>

#include "ClusterSupport.h"
#include "catalogue/RemovePaper.h"
#include "fulltext/IndexTables.h"
#include "fulltext/IndexWriter.h"
#include "fulltext/SearchEngine.h"
#include "support/Recorder.h"

namespace {

class FulltextCluster : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cluster::useClusterDataSources(); }
    void SetUp() override {
        ASSERT_FALSE(cluster::env(QStringLiteral("HAPROXY_PORT")).isEmpty()) << "no cluster in " << CLUSTER_DIR;
        cluster::reset();
        auto q = cluster::nodeQuery(1);
        for (const char* t : {"fulltext_posting", "fulltext_page", "fulltext_doc"})
            q->execSql(QStringLiteral("delete from ") + QLatin1String(t));
        recorder::clear();
    }
};

// The index is written through node 1 and searched through nodes 2 and 3;
// a paper removed through node 3 is gone from searches through node 1.
TEST_F(FulltextCluster, AnIndexBuiltThroughOneNodeIsFoundThroughTheOthers) {
    auto one = cluster::nodeQuery(1);
    QVector<fulltext::ExtractedFile> files;
    for (int i = 0; i < 3; ++i) {
        const QString key = QStringLiteral("集群全文%1$作者$2024").arg(i);
        for (const QString& sql :
             {QStringLiteral("insert into main values ('%1','集群全文%2','作者','2024')"),
              QStringLiteral("insert into author_all (Paperid, author_1) values ('%1','作者')"),
              QStringLiteral("insert into kword_all (Paperid) values ('%1')"),
              QStringLiteral("insert into address (Paperid, filename, dir) values ('%1','f%2.pdf','/d')"),
              QStringLiteral("insert into type_in values ('%1','editor','2024-01-01')")})
            one->execSql(sql.arg(key).arg(i));
        fulltext::ExtractedFile f;
        f.key = key;
        f.dir = QStringLiteral("/d");
        f.filename = QStringLiteral("f%1.pdf").arg(i);
        f.hash = QStringLiteral("h%1").arg(i);
        f.pages = {QStringLiteral("复制到每个节点的全文索引 page %1").arg(i), QStringLiteral("Galera replicates InnoDB rows")};
        files.append(f);
    }
    ASSERT_EQ(fulltext::writeBatch(*one, files), 3);
    for (int n : {2, 3}) {
        auto q = cluster::nodeQuery(n);
        EXPECT_EQ(fulltext::search(*q, QStringLiteral("全文索引")).matches.size(), 3) << "node " << n;
        const fulltext::SearchOutcome out = fulltext::search(*q, QStringLiteral("\"replicates InnoDB\""));
        ASSERT_EQ(out.matches.size(), 3) << "node " << n;
        EXPECT_EQ(out.matches.first().page, 2);
        EXPECT_EQ(fulltext::resultRows(*q, out.matches)->rowCount(), 3);
    }
    auto three = cluster::nodeQuery(3);
    ASSERT_EQ(catalogue::removal::removePaper(*three, QStringLiteral("集群全文1"), QStringLiteral("作者"),
                                              QStringLiteral("2024"))
                  .caption,
              QStringLiteral("成功"));
    EXPECT_EQ(fulltext::search(*one, QStringLiteral("全文索引")).matches.size(), 2);
    EXPECT_EQ(cluster::scalar(*one, QStringLiteral("select count(*) from fulltext_page")), QStringLiteral("4"));
}

}  // namespace
