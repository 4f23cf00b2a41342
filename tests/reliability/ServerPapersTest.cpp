#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_delete_d.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "catalogue/windows/TForm_select_d.h"
#include "catalogue/windows/TForm_select_d_c.h"
#include "catalogue/windows/TForm_update_d_m.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "db/Schema.h"
#include "db/SqlText.h"

// Hostile text in every box of the paper windows, against the real server:
// each value is stored and found exactly as typed, or (longer than its
// column) refused whole with the error report; nothing beside the paper of
// the run changes, and the account tables never do.
namespace {

using rel::Paper;

class ServerPapers : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        accountsBefore = rel::accountTables();
        tablesBefore = rel::tableList();
        rel::clearPapers();
    }
    void TearDown() override {
        EXPECT_EQ(rel::accountTables(), accountsBefore) << "a paper window changed the account tables";
        EXPECT_EQ(rel::tableList(), tablesBefore) << "a paper window created or dropped a table";
    }
    QStringList accountsBefore, tablesBefore;
};

QString lit(const QString& v) { return QLatin1Char('\'') + db::sqlQuote(v) + QLatin1Char('\''); }

// Compares stored columns with what they should hold (a null QString for NULL).
QString differences(const QStringList& got, const QStringList& want) {
    if (got.size() != want.size()) return QStringLiteral("row missing or wrong size");
    for (qsizetype i = 0; i < got.size(); ++i)
        if (got[i] != want[i] || got[i].isNull() != want[i].isNull())
            return QStringLiteral("column %1 holds [%2], typed [%3]").arg(i).arg(got[i].left(80), want[i].left(80));
    return {};
}

// The value that should land in the five columns of a hook-built list.
QStringList padded(const QStringList& items, int size) {
    QStringList out = items;
    while (out.size() < size) out << QString();
    return out;
}

TEST_F(ServerPapers, EntryStoresEveryValueExactlyOrRefusesThePaperWhole) {
    rel::Window<TForm_insert_d> w;
    rel::Tally t(QStringLiteral("insert_d"));
    struct Box {
        QLineEdit* edit;
        QCheckBox* tick;
        int limit;      // column length, or the item length for a hook list
        int hookItems;  // 0, or the most items the hook takes
    };
    const QList<Box> boxes = {{w->Edit_title, nullptr, 500, 0},    {w->Edit_author, nullptr, 100, 0},
                              {w->Edit_date, nullptr, 50, 0},      {w->Edit_filename, nullptr, 255, 0},
                              {w->Edit_dir, nullptr, 500, 0},      {w->Edit_kwords, w->CheckBox1, 100, 10},
                              {w->Edit_authors, w->CheckBox2, 100, 4}, {w->Edit_catalog, w->CheckBox3, 100, 0},
                              {w->Edit_remark, w->CheckBox4, 1000, 0}};
    for (const QString& p : rel::serverSample(40, 0)) {
        for (const Box& b : boxes) {
            rel::clearPapers();
            const Paper d;
            w->Edit_title->setText(d.title);
            w->Edit_author->setText(d.author);
            w->Edit_date->setText(d.date);
            w->Edit_filename->setText(d.filename);
            w->Edit_dir->setText(d.dir);
            for (QCheckBox* c : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4}) c->setChecked(false);
            for (QLineEdit* e : {w->Edit_kwords, w->Edit_authors, w->Edit_catalog, w->Edit_remark}) e->clear();
            b.edit->setText(p);
            if (b.tick) b.tick->setChecked(true);
            const QString typed = b.edit->text();
            t.tried();
            if (typed.isEmpty()) {  // the box does not take the text (a lone NUL)
                t.notStorable();
                continue;
            }
            const QString key = schema::paperKey(w->Edit_title->text(), w->Edit_author->text(), w->Edit_date->text());

            std::optional<QStringList> items;
            bool fitsAll = rel::fits(key, 700);
            if (b.hookItems) {
                items = rel::hookItems(typed, b.hookItems);
                if (!items) fitsAll = false;
                else
                    for (const QString& i : *items) fitsAll = fitsAll && rel::fits(i, b.limit);
            } else {
                fitsAll = fitsAll && rel::fits(typed, b.limit);
            }

            const QStringList shown = rel::click(w->Button_yes);
            if (!fitsAll) {
                if (rel::isErrorReport(shown) && testdb::count(schema::kMain) == 0 && rel::partialPapers() == 0)
                    t.refused();
                else
                    t.notRoundTripped(b.edit->objectName(), p,
                                      QStringLiteral("too long, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            if (shown != QStringList{QStringLiteral("成功/插入成功")}) {
                t.notRoundTripped(b.edit->objectName(), p, QStringLiteral("shown: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            QString diff = differences(rel::row(QStringLiteral("select Paperid,title,author_1,pub_time from main")),
                                       {key, w->Edit_title->text(), w->Edit_author->text(), w->Edit_date->text()});
            const QStringList address = rel::row(QStringLiteral("select filename,dir,catalog,remark from address"));
            if (diff.isEmpty())
                diff = differences(address, {w->Edit_filename->text(), w->Edit_dir->text(),
                                             b.edit == w->Edit_catalog ? typed : QString(),
                                             b.edit == w->Edit_remark ? typed : QString()});
            if (diff.isEmpty() && b.edit == w->Edit_authors)
                diff = differences(rel::row(QStringLiteral("select author_2,author_3,author_4,author_5 from author_all")),
                                   padded(*items, 4));
            if (diff.isEmpty() && b.edit == w->Edit_kwords)
                diff = differences(rel::row(QStringLiteral("select kword_1,kword_2,kword_3,kword_4,kword_5,kword_6,"
                                                           "kword_7,kword_8,kword_9,kword_a from kword_all")),
                                   padded(*items, 10));
            if (diff.isEmpty() && rel::rowsOf(key) != QList<qint64>{1, 1, 1, 1, 1})
                diff = QStringLiteral("the paper lacks a row");
            if (diff.isEmpty()) t.exact();
            else t.notRoundTripped(b.edit->objectName(), p, diff);
        }
    }
    t.check();
}

TEST_F(ServerPapers, TheTypistIsStoredExactlyAsTheUserName) {
    rel::Tally t(QStringLiteral("insert_d.typist"));
    for (const QString& p : rel::serverSample(20, 3)) {
        rel::clearPapers();
        rel::Window<TForm_insert_d> w(p);
        w->Edit_title->setText(QStringLiteral("T"));
        w->Edit_author->setText(QStringLiteral("A"));
        w->Edit_date->setText(QStringLiteral("D"));
        w->Edit_filename->setText(QStringLiteral("f"));
        w->Edit_dir->setText(QStringLiteral("d"));
        t.tried();
        const QStringList shown = rel::click(w->Button_yes);
        if (!rel::fits(p, 191)) {
            if (rel::isErrorReport(shown) && rel::partialPapers() == 0 && testdb::count(schema::kMain) == 0) t.refused();
            else t.notRoundTripped(QStringLiteral("typist"), p, shown.join(QLatin1Char('|')));
            continue;
        }
        const QString diff = differences(rel::row(QStringLiteral("select typist from type_in")), {p});
        if (shown == QStringList{QStringLiteral("成功/插入成功")} && diff.isEmpty()) t.exact();
        else t.notRoundTripped(QStringLiteral("typist"), p, shown.join(QLatin1Char('|')) + diff);
    }
    t.check();
}

TEST_F(ServerPapers, RemovalFindsEveryPaperByItsExactTextsAndNothingElse) {
    rel::Window<TForm_delete_d> w;
    rel::Tally t(QStringLiteral("delete_d"));
    const QList<QLineEdit*> boxes = {w->Edit_title, w->Edit_author, w->Edit_date};
    for (const QString& p : rel::serverSample(40, 1)) {
        for (int b = 0; b < 3; ++b) {
            rel::clearPapers();
            Paper target, sibling;
            QString* parts[3] = {&target.title, &target.author, &target.date};
            QString* siblingParts[3] = {&sibling.title, &sibling.author, &sibling.date};
            *parts[b] = p;
            *siblingParts[b] = rel::harmless(p);
            t.tried();
            if (!rel::storePaper(target)) {
                t.notStorable();
                continue;
            }
            const bool twin = sibling.key() != target.key() && rel::storePaper(sibling);
            w->Edit_title->setText(target.title);
            w->Edit_author->setText(target.author);
            w->Edit_date->setText(target.date);
            boxes[b]->setText(p);
            const QStringList shown = rel::click(w->Button_yes);
            if (shown != QStringList{QStringLiteral("成功/删除成功")} || rel::rowsOf(target.key()) != QList<qint64>{0, 0, 0, 0, 0})
                t.notRoundTripped(boxes[b]->objectName(), p, shown.join(QLatin1Char('|')));
            else if (twin && rel::rowsOf(sibling.key()) != QList<qint64>{1, 1, 1, 1, 1})
                t.sideEffect(boxes[b]->objectName(), p, QStringLiteral("another paper lost rows"));
            else
                t.exact();
        }
    }
    t.check();
}

TEST_F(ServerPapers, MainUpdateFindsAndStoresTitleAuthorAndTimeExactly) {
    rel::Window<TForm_update_d_m> w;
    rel::Tally t(QStringLiteral("update_d_m"));
    for (const QString& p : rel::serverSample(40, 2)) {
        // The old values: the paper holds the payload and is found by it.
        for (int b = 0; b < 3; ++b) {
            rel::clearPapers();
            Paper target;
            QString* parts[3] = {&target.title, &target.author, &target.date};
            *parts[b] = p;
            t.tried();
            if (!rel::storePaper(target)) {
                t.notStorable();
                continue;
            }
            QLineEdit* old[3] = {w->Edit_title, w->Edit_author_1, w->Edit_date};
            w->Edit_title->setText(target.title);
            w->Edit_author_1->setText(target.author);
            w->Edit_date->setText(target.date);
            old[b]->setText(p);
            w->CheckBox1->setChecked(true);
            w->Edit_title_n->setText(QStringLiteral("新题目"));
            w->CheckBox2->setChecked(false);
            w->CheckBox3->setChecked(false);
            const QStringList shown = rel::click(w->Button_yes);
            const QString newKey = schema::paperKey(QStringLiteral("新题目"), target.author, target.date);
            if (shown == QStringList{QStringLiteral("成功/更新成功")} && rel::rowsOf(newKey) == QList<qint64>{1, 1, 1, 1, 1} &&
                rel::rowsOf(target.key()) == QList<qint64>{0, 0, 0, 0, 0})
                t.exact();
            else
                t.notRoundTripped(old[b]->objectName(), p, shown.join(QLatin1Char('|')));
        }
        // The new values: stored exactly, with the key rewritten in all five tables.
        for (int b = 0; b < 3; ++b) {
            rel::clearPapers();
            const Paper d;
            ASSERT_TRUE(rel::storePaper(d));
            w->Edit_title->setText(d.title);
            w->Edit_author_1->setText(d.author);
            w->Edit_date->setText(d.date);
            QCheckBox* ticks[3] = {w->CheckBox1, w->CheckBox2, w->CheckBox3};
            QLineEdit* news[3] = {w->Edit_title_n, w->Edit_author_1_n, w->Edit_date_n};
            for (int i = 0; i < 3; ++i) {
                ticks[i]->setChecked(i == b);
                news[i]->setText(i == b ? p : QString());
            }
            const QString typed = news[b]->text();
            QString values[3] = {d.title, d.author, d.date};
            if (!typed.isEmpty()) values[b] = typed;  // an empty box keeps the old value
            const QString newKey = schema::paperKey(values[0], values[1], values[2]);
            const int limits[3] = {500, 100, 50};
            t.tried();
            const QStringList shown = rel::click(w->Button_yes);
            if (!rel::fits(typed, limits[b]) || !rel::fits(newKey, 700)) {
                if (rel::isErrorReport(shown) && rel::rowsOf(d.key()) == QList<qint64>{1, 1, 1, 1, 1}) t.refused();
                else t.notRoundTripped(news[b]->objectName(), p, QStringLiteral("too long, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            QString diff = differences(rel::row(QStringLiteral("select Paperid,title,author_1,pub_time from main")),
                                       {newKey, values[0], values[1], values[2]});
            if (diff.isEmpty() && rel::rowsOf(newKey) != QList<qint64>{1, 1, 1, 1, 1}) diff = QStringLiteral("key not rewritten everywhere");
            if (diff.isEmpty())
                diff = differences(rel::row(QStringLiteral("select author_1 from author_all")), {values[1]});
            if (shown == QStringList{QStringLiteral("成功/更新成功")} && diff.isEmpty()) t.exact();
            else t.notRoundTripped(news[b]->objectName(), p, shown.join(QLatin1Char('|')) + QLatin1Char(' ') + diff);
        }
    }
    t.check();
}

TEST_F(ServerPapers, OtherUpdateStoresEveryItemExactlyAndShowsIt) {
    rel::Window<TForm_update_d_o> w;
    rel::Tally t(QStringLiteral("update_d_o"));
    QCheckBox* ticks[6] = {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox5, w->CheckBox6};
    QLineEdit* edits[6] = {w->Edit_filename, w->Edit_dir, w->Edit_catalog, w->Edit_authors, w->Edit_kwords, w->Edit_remark};
    const int limits[6] = {255, 500, 100, 100, 100, 1000};
    for (const QString& p : rel::serverSample(40, 4)) {
        // The paper found by its exact texts.
        for (int b = 0; b < 3; ++b) {
            rel::clearPapers();
            Paper target;
            QString* parts[3] = {&target.title, &target.author, &target.date};
            *parts[b] = p;
            t.tried();
            if (!rel::storePaper(target)) {
                t.notStorable();
                continue;
            }
            QLineEdit* old[3] = {w->Edit_title, w->Edit_author_1, w->Edit_date};
            w->Edit_title->setText(target.title);
            w->Edit_author_1->setText(target.author);
            w->Edit_date->setText(target.date);
            old[b]->setText(p);
            for (int i = 0; i < 6; ++i) ticks[i]->setChecked(i == 5), edits[i]->setText(i == 5 ? QStringLiteral("备注") : QString());
            const QStringList shown = rel::click(w->Button_yes);
            const QString diff = differences(
                rel::row(QStringLiteral("select remark from address where Paperid=") + lit(target.key())), {QStringLiteral("备注")});
            if (shown.isEmpty() && diff.isEmpty()) t.exact();
            else t.notRoundTripped(old[b]->objectName(), p, shown.join(QLatin1Char('|')) + diff);
        }
        // Each item holds the payload.
        for (int b = 0; b < 6; ++b) {
            rel::clearPapers();
            const Paper d;
            ASSERT_TRUE(rel::storePaper(d));
            w->Edit_title->setText(d.title);
            w->Edit_author_1->setText(d.author);
            w->Edit_date->setText(d.date);
            for (int i = 0; i < 6; ++i) ticks[i]->setChecked(i == b), edits[i]->setText(i == b ? p : QString());
            const QString typed = edits[b]->text();
            if (typed.isEmpty()) {  // the box does not take the text (a lone NUL)
                t.notStorable();
                continue;
            }
            const bool hook = b == 3 || b == 4;
            std::optional<QStringList> items;
            bool fitsAll = true;
            if (hook) {
                items = rel::hookItems(typed, b == 3 ? 4 : 10);
                fitsAll = items.has_value();
                if (items)
                    for (const QString& i : *items) fitsAll = fitsAll && rel::fits(i, limits[b]);
            } else {
                fitsAll = rel::fits(typed, limits[b]);
            }
            const QStringList before = rel::row(QStringLiteral("select filename,dir,catalog,remark from address"));
            t.tried();
            const QStringList shown = rel::click(w->Button_yes);
            if (!fitsAll) {
                if (rel::isErrorReport(shown) &&
                    rel::row(QStringLiteral("select filename,dir,catalog,remark from address")) == before)
                    t.refused();
                else
                    t.notRoundTripped(edits[b]->objectName(), p, QStringLiteral("too long, yet: ") + shown.join(QLatin1Char('|')));
                continue;
            }
            QString diff;
            if (b == 3) {
                diff = differences(rel::row(QStringLiteral("select author_2,author_3,author_4,author_5 from author_all")),
                                   padded(*items, 4));
            } else if (b == 4) {
                diff = differences(rel::row(QStringLiteral("select kword_1,kword_2,kword_3,kword_4,kword_5,kword_6,"
                                                           "kword_7,kword_8,kword_9,kword_a from kword_all")),
                                   padded(*items, 10));
            } else {
                static const char* const columns[6] = {"filename", "dir", "catalog", "", "", "remark"};
                diff = differences(rel::row(QStringLiteral("select %1 from address").arg(QLatin1String(columns[b]))), {typed});
                // The grid shows the changed row: title, first author, time, then the item.
                auto shownRow = w->query().result();
                if (diff.isEmpty() && (!shownRow || shownRow->rowCount() != 1 || shownRow->text(0, 3) != typed))
                    diff = QStringLiteral("the grid does not show the value as typed");
            }
            if (shown.isEmpty() && diff.isEmpty()) t.exact();
            else t.notRoundTripped(edits[b]->objectName(), p, shown.join(QLatin1Char('|')) + QLatin1Char(' ') + diff);
        }
    }
    t.check();
}

TEST_F(ServerPapers, QuickSearchFindsEveryStoredValueByItsOwnText) {
    rel::Window<TForm_select_d> w;
    rel::Tally t(QStringLiteral("select_d"));
    QLineEdit* boxes[3] = {w->Edit_title, w->Edit_author_1, w->Edit_date};
    for (const QString& p : rel::serverSample(40, 5)) {
        for (int b = 0; b < 3; ++b) {
            rel::clearPapers();
            Paper target, sibling;
            QString* parts[3] = {&target.title, &target.author, &target.date};
            QString* siblingParts[3] = {&sibling.title, &sibling.author, &sibling.date};
            *parts[b] = p;
            *siblingParts[b] = rel::harmless(p) + QStringLiteral("x");
            t.tried();
            if (!rel::storePaper(target)) {
                t.notStorable();
                continue;
            }
            rel::storePaper(sibling);
            for (QLineEdit* e : boxes) e->clear();
            boxes[b]->setText(p);
            const QStringList shown = rel::click(w->Button_scan);
            bool found = false;
            if (auto r = w->query().result())
                for (qint64 i = 0; i < r->rowCount(); ++i) found = found || r->text(i, b) == p;
            if (shown.isEmpty() && found) t.exact();
            else t.notRoundTripped(boxes[b]->objectName(), p, shown.join(QLatin1Char('|')));
        }
    }
    t.check();
}

TEST_F(ServerPapers, DetailedQueryFindsEveryStoredValueByItsOwnText) {
    rel::Window<TForm_select_d_c> w;
    rel::Tally t(QStringLiteral("select_d_c"));
    QCheckBox* ticks[9] = {w->CheckBox_title, w->CheckBox_author_1, w->CheckBox_date,
                           w->CheckBox_kword, w->CheckBox_catalog,  w->CheckBox_name,
                           w->CheckBox_dir,   w->CheckBox_typist,   w->CheckBox_type_time};
    QLineEdit* edits[9] = {w->Edit_title, w->Edit_author_1, w->Edit_date, w->Edit_kword, w->Edit_catalog,
                           w->Edit_name,  w->Edit_dir,      w->Edit_typist, w->Edit_type_time};
    for (const QString& p : rel::serverSample(40, 6)) {
        for (int b = 0; b < 9; ++b) {
            rel::clearPapers();
            Paper target;
            switch (b) {
                case 0: target.title = p; break;
                case 1: target.author = p; break;
                case 2: target.date = p; break;
                case 3: target.kwords[3] = p; break;
                case 4: target.catalog = p; break;
                case 5: target.filename = p; break;
                case 6: target.dir = p; break;
                case 7: target.typist = p; break;
                case 8: target.typeTime = p; break;
            }
            t.tried();
            if (!rel::storePaper(target)) {
                t.notStorable();
                continue;
            }
            for (int i = 0; i < 9; ++i) ticks[i]->setChecked(i == b), edits[i]->setText(i == b ? p : QString());
            const QStringList shown = rel::click(w->Button_yes);
            bool found = false;
            if (auto r = w->query().result())
                for (qint64 i = 0; i < r->rowCount(); ++i) found = found || r->text(i, 0) == target.title;
            if (shown.isEmpty() && found) t.exact();
            else t.notRoundTripped(edits[b]->objectName(), p, shown.join(QLatin1Char('|')));
        }
    }
    t.check();
}

}  // namespace
