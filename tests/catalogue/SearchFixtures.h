#pragma once

// Helpers of the search and author directory tests: extra papers beside the
// sample ones, and finding and tidying the windows a test opened.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <ostream>

#include "window/Form.h"
#include "db/SqlText.h"
#include "support/TestDb.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace searchtest {

using Opt = std::optional<QString>;

inline QString lit(const Opt& v) {
    return v ? QStringLiteral("'") + db::sqlQuote(*v) + QStringLiteral("'") : QStringLiteral("NULL");
}

struct Paper {
    QString title;
    QString author = QStringLiteral("测试作者");
    QString pubTime = QStringLiteral("2024-01-01");
    QString filename = QStringLiteral("file.pdf");
    QString dir = QStringLiteral("E:\\docs");
    Opt catalog;
    Opt remark;
    QString typist = QStringLiteral("editor");
    QString typeTime = QStringLiteral("2024-06-03");
    QList<Opt> keywords;  // up to ten, missing ones NULL
};

// Adds a paper with its five rows, as the entry window stores one.
inline void addPaper(const Paper& p) {
    const QString key = lit(p.title + QLatin1Char('$') + p.author + QLatin1Char('$') + p.pubTime);
    testdb::exec(QStringLiteral("insert into main values (%1,%2,%3,%4)")
                     .arg(key, lit(p.title), lit(p.author), lit(p.pubTime)));
    testdb::exec(QStringLiteral("insert into author_all (Paperid,author_1) values (%1,%2)").arg(key, lit(p.author)));
    QString kw;
    for (int i = 0; i < 10; ++i) kw += QLatin1Char(',') + lit(i < p.keywords.size() ? p.keywords[i] : Opt());
    testdb::exec(QStringLiteral("insert into kword_all values (") + key + kw + QLatin1Char(')'));
    testdb::exec(QStringLiteral("insert into address values (%1,%2,%3,%4,%5)")
                     .arg(key, lit(p.filename), lit(p.dir), lit(p.catalog), lit(p.remark)));
    testdb::exec(QStringLiteral("insert into type_in values (%1,%2,%3)").arg(key, lit(p.typist), lit(p.typeTime)));
}

// The visible window with this objectName, or null.
template <class W>
W* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            if (auto* typed = qobject_cast<W*>(w)) return typed;
    return nullptr;
}

inline int visibleCount(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) ++n;
    return n;
}

// Closes every program window a test left open and lets Qt delete them.
inline void closeAllForms() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<db::Form*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace searchtest
