#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/windows/TForm_select_d.h"
#include "db/OdbcQuery.h"
#include "window/ResultGrid.h"
#include "grid/CellCopy.h"
#include "grid/ColumnOrder.h"
#include "grid/PaperFile.h"
#include "grid/RowCountLabel.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

namespace {

// One column of texts; "~" stands for NULL.
db::ResultSet columnOf(const QStringList& cells) {
    db::ResultSet r({QStringLiteral("c")});
    for (const QString& c : cells) {
        if (c == QLatin1String("~")) {
            r.appendNull();
        } else {
            const QByteArray b = c.toUtf8();
            r.appendCell(b.constData(), std::size_t(b.size()));
        }
    }
    return r;
}

QStringList sorted(const QStringList& cells, Qt::SortOrder order = Qt::AscendingOrder) {
    const db::ResultSet r = columnOf(cells);
    QStringList out;
    for (int row : grid::sortedRows(r, 0, order)) out << cells[row];
    return out;
}

TEST(ColumnOrder, TextNumbersAndNulls) {
    // Chinese text by pinyin (before Latin letters, as the Chinese collation
    // has it), Latin letters without regard to case.
    EXPECT_EQ(sorted({QStringLiteral("张伟"), QStringLiteral("李娜"), QStringLiteral("阿明"), QStringLiteral("王强"),
                      QStringLiteral("bob"), QStringLiteral("Alice")}),
              (QStringList{QStringLiteral("阿明"), QStringLiteral("李娜"), QStringLiteral("王强"), QStringLiteral("张伟"),
                           QStringLiteral("Alice"), QStringLiteral("bob")}));
    // Numbers as numbers; NULLs first, then empty texts; reversed descending.
    EXPECT_EQ(sorted({"10", "9", "~", "-2.5", "", "100"}), (QStringList{"~", "", "-2.5", "9", "10", "100"}));
    EXPECT_EQ(sorted({"10", "9", "~", "-2.5", "", "100"}, Qt::DescendingOrder),
              (QStringList{"100", "10", "9", "-2.5", "", "~"}));
    // One value that is not a number makes the column text (digits inside
    // text still compare by their value).
    EXPECT_EQ(sorted({"x", "10", "9", "a2", "a10"}), (QStringList{"9", "10", "a2", "a10", "x"}));
}

TEST(ColumnOrder, EqualValuesKeepTheServersOrderBothWays) {
    const db::ResultSet r = columnOf({"b", "a", "b", "a", "b"});
    EXPECT_EQ(grid::sortedRows(r, 0, Qt::AscendingOrder), (std::vector<int>{1, 3, 0, 2, 4}));
    EXPECT_EQ(grid::sortedRows(r, 0, Qt::DescendingOrder), (std::vector<int>{0, 2, 4, 1, 3}));
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        recorder::clear();
        q.setConnectionString(testdb::paperConnection());
        grid.bind(&q);
        grid.resize(500, 300);
        grid.show();
    }
    QStringList columnShown(int column) {
        QStringList out;
        for (int r = 0; r < grid.model()->rowCount(); ++r)
            out << grid.model()->index(r, column).data().toString();
        return out;
    }
    db::OdbcQuery q;
    db::ResultGrid grid;
};

TEST_F(GridTest, HeaderClicksSortUpDownAndBackWithTheRowCountUnder) {
    q.openSql(QStringLiteral(
        "select '王强' name, 10 n union all select '阿明', 9 union all select NULL, 100 union all "
        "select '李娜', NULL"));
    EXPECT_EQ(grid.rowCountLabel()->text(), QStringLiteral("共 4 行"));
    const QStringList server = columnShown(0);
    emit grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(columnShown(1), (QStringList{"", "9", "10", "100"}));
    EXPECT_EQ(columnShown(0), (QStringList{QStringLiteral("李娜"), QStringLiteral("阿明"), QStringLiteral("王强"), ""}));
    EXPECT_TRUE(grid.horizontalHeader()->isSortIndicatorShown());
    emit grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(columnShown(1), (QStringList{"100", "10", "9", ""}));
    emit grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(columnShown(0), server);
    EXPECT_FALSE(grid.horizontalHeader()->isSortIndicatorShown());
    emit grid.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(columnShown(0), (QStringList{"", QStringLiteral("阿明"), QStringLiteral("李娜"), QStringLiteral("王强")}));
    // A new result comes in the server's order; the statement was not changed.
    q.openSql(QStringLiteral("select 2 union all select 1"));
    EXPECT_EQ(columnShown(0), (QStringList{"2", "1"}));
    EXPECT_EQ(grid.rowCountLabel()->text(), QStringLiteral("共 2 行"));
    q.close();
    EXPECT_EQ(grid.rowCountLabel()->text(), QString());
}

TEST_F(GridTest, SelectedCellsCopyAsTabSeparatedText) {
    q.openSql(QStringLiteral("select 'a1' a, 'b1' b, 'c1' c union all select 'a\\t2', NULL, 'c2'"));
    grid.selectionModel()->select(QItemSelection(grid.model()->index(0, 0), grid.model()->index(1, 1)),
                                  QItemSelectionModel::Select);
    auto* copy = grid.findChild<QAction*>(QStringLiteral("Action_copy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a1\tb1\na 2\t\n"));
    EXPECT_EQ(grid::selectionText({grid.model()->index(0, 0), grid.model()->index(1, 2)}), QStringLiteral("a1\t\t\n\t\tc2\n"));
}

TEST(PaperFile, PathsJoinWithTheFoldersSeparator) {
    EXPECT_EQ(grid::paperFilePath(QStringLiteral("D:\\论文\\2019"), QStringLiteral("a.pdf")), QStringLiteral("D:\\论文\\2019\\a.pdf"));
    EXPECT_EQ(grid::paperFilePath(QStringLiteral("/srv/papers/"), QStringLiteral("a.pdf")), QStringLiteral("/srv/papers/a.pdf"));
    EXPECT_EQ(grid::paperFilePath(QStringLiteral("/srv/papers"), QStringLiteral("a.pdf")), QStringLiteral("/srv/papers/a.pdf"));
    EXPECT_EQ(grid::paperFilePath(QString(), QStringLiteral("a.pdf")), QStringLiteral("a.pdf"));
}

TEST(PaperFile, DoubleClickInTheQuickSearchOpensTheFileOrSaysItIsNotThere) {
    testdb::reset();
    recorder::clear();
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("论文一.pdf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (const auto& [title, folder] : {std::pair{QStringLiteral("有文件"), dir.path()},
                                        std::pair{QStringLiteral("无文件"), QStringLiteral("D:\\论文")}}) {
        const QString key = title + QStringLiteral("$作者$2020");
        testdb::exec(QStringLiteral("insert into main (Paperid,title,author_1,pub_time) values ('%1','%2','作者','2020')")
                         .arg(key, title));
        testdb::exec(QStringLiteral("insert into address (Paperid,filename,dir) values ('%1','论文一.pdf','%2')")
                         .arg(key, QString(folder).replace(QLatin1String("\\"), QLatin1String("\\\\"))));
    }
    QList<QUrl> opened;
    grid::setFileOpener([&](const QUrl& url) { opened << url; return true; });
    TForm_select_d w;
    w.setSession(QStringLiteral("u"), testdb::paperConnection());
    w.show();
    w.Button_scanClick();
    ASSERT_EQ(w.DBGrid1->model()->rowCount(), 2);
    for (int r = 0; r < 2; ++r) {
        const QModelIndex cell = w.DBGrid1->model()->index(r, 0);
        const QRect rect = w.DBGrid1->visualRect(cell);
        QTest::mouseClick(w.DBGrid1->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(w.DBGrid1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    grid::setFileOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toLocalFile(), QDir(dir.path()).filePath(QStringLiteral("论文一.pdf")));
    EXPECT_EQ(recorder::lines(), QStringList{QStringLiteral("打开论文文件/文件不存在：D:\\论文\\论文一.pdf")});
}

}  // namespace
