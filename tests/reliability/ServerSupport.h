#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "window/Form.h"
#include "support/Recorder.h"
#include "support/TestDb.h"

// Helpers of the suite's tests against the real server.
namespace rel {

// A window opened as from the menu, with the test server's paper connection;
// deleted at the end of the scope unless it closed itself.
template <class W>
struct Window {
    QPointer<W> w;
    explicit Window(const QString& user = QStringLiteral("editor"))
        : w(db::Form::open<W>(user, testdb::paperConnection())) {}
    ~Window() {
        delete w.data();
        QApplication::processEvents();
    }
    W* operator->() { return w.data(); }
    W& operator*() { return *w.data(); }
};

// Presses a button and returns the boxes it showed ("caption/text", error
// reports starting with "!").
QStringList click(QAbstractButton* button);
bool isErrorReport(const QStringList& shown);

// A paper as stored by hand, for the windows that find one.
struct Paper {
    QString title = QStringLiteral("默认题目");
    QString author = QStringLiteral("默认作者");
    QString date = QStringLiteral("2020-01-02");
    QString filename = QStringLiteral("paper.pdf");
    QString dir = QStringLiteral("D:\\论文");
    std::optional<QString> catalog, remark;
    std::array<std::optional<QString>, 4> authors;   // author_2 .. author_5
    std::array<std::optional<QString>, 10> kwords;   // kword_1 .. kword_a
    QString typist = QStringLiteral("editor");
    QString typeTime = QStringLiteral("2024-06-01");
    QString key() const;
};

// Stores the five rows of a paper in one transaction; false when the server
// refused a value (too long for its column).
bool storePaper(const Paper& p);
// Empties the five paper tables.
void clearPapers();
// Rows of the key in main, address, type_in, author_all, kword_all.
QList<qint64> rowsOf(const QString& key);
// Papers that do not have exactly one row in each of the five tables.
qint64 partialPapers();

// The stored values of one row, NULL as a null QString.
QStringList row(const QString& sql);

// The two account tables, row by row, and the list of tables.
QStringList accountTables();
QStringList tableList();

// The items a hook makes of a list text (";" or "；" between items, Python's
// white space around them dropped, empty ones dropped), or none when the hook
// refuses more than `limit` items.
std::optional<QStringList> hookItems(const QString& text, int limit);
// Python's str.strip().
QString pyStrip(const QString& text);

// A value within `limit` characters (as the server counts them).
bool fits(const QString& value, int limit);

// After the server was killed or restarted: the suite's own connection
// reconnects.
void reconnectAdmin();

}  // namespace rel

namespace rel {

// The figures of one window against the server: payload runs that stored and
// found the value exactly, runs the server refused as too long (reported,
// nothing stored), runs that could not be set up (a value too long to store
// by hand), and faults: a value not stored or found exactly as typed, a wrong
// message, or damage beside the paper or account the run was about.
class Tally {
public:
    explicit Tally(const QString& window);
    ~Tally();
    void exact();
    void refused();
    void refusedDuplicate();
    void notStorable();
    void notRoundTripped(const QString& box, const QString& payload, const QString& detail);
    void sideEffect(const QString& box, const QString& payload, const QString& detail);
    void tried();
    // Fails the running test with the first faults, if any.
    void check() const;

private:
    void note(const QString& kind, const QString& box, const QString& payload, const QString& detail);
    QString window_;
    QStringList faults_;
    int faultCount_ = 0;
};

}  // namespace rel
