// Which read files the catalogue already holds, by folder and file name.
#include <gtest/gtest.h>

#include "db/OdbcQuery.h"
#include "pdf/KnownFiles.h"
#include "support/TestDb.h"

namespace {

TEST(KnownFiles, StatementsEscapeNamesAndComeInBatches) {
    const QList<pdf::FilePlace> files = {{"/a", "x.pdf"}, {"/b", "x.pdf"}, {"/a", "it's.pdf"}, {"/a", "z.pdf"}};
    EXPECT_EQ(pdf::knownFileStatements(files, 2),
              (QStringList{"select dir,filename from address where filename in ('x.pdf','it\\'s.pdf')",
                           "select dir,filename from address where filename in ('z.pdf')"}));
    EXPECT_TRUE(pdf::knownFileStatements({}).isEmpty());
}

TEST(KnownFiles, FindsThePapersWhoseFolderAndFileNameAreCatalogued) {
    testdb::reset();
    testdb::exec(QStringLiteral("insert into address values ('k1','a.pdf','/papers/2019',null,null)"));
    testdb::exec(QStringLiteral("insert into address values ('k2','it\\'s.pdf','D:\\\\论文\\\\',null,null)"));
    db::OdbcQuery q;
    q.setConnectionString(testdb::paperConnection());
    const QSet<QString> known = pdf::knownFiles(
        q, {{"/papers/2019/", "a.pdf"}, {"/papers/2020", "a.pdf"}, {"D:\\论文", "it's.pdf"}, {"/papers/2019", "b.pdf"}});
    EXPECT_EQ(known, (QSet<QString>{pdf::placeKey("/papers/2019", "a.pdf"), pdf::placeKey("D:\\论文", "it's.pdf")}));
}

}  // namespace
