#pragma once

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

#include "window/Form.h"
#include "window/ResultGrid.h"
#include "support/TestDb.h"

// Helpers for driving the administration windows offscreen.
namespace adminwin {

// Opens a window as the main menu would, on the test server's paper account.
template <class W>
W* open() {
    return db::Form::open<W>(QStringLiteral("admin"), testdb::paperConnection());
}

// The newest visible top-level window of class W, or null.
template <class W>
W* newest() {
    W* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<W*>(w); f && f->isVisible()) found = f;
    return found;
}

// Lets closed windows be destroyed.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// True once a window has closed (hidden and destroyed).
template <class W>
bool closed(const QPointer<W>& w) {
    settle();
    return w.isNull() || !w->isVisible();
}

// Closes every window a test left open.
inline void closeAll() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<db::Form*>(w)) w->close();
    settle();
}

inline int rows(db::ResultGrid* grid) { return grid->model()->rowCount(); }

inline QStringList titles(db::ResultGrid* grid) {
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out << grid->model()->headerData(c, Qt::Horizontal).toString();
    return out;
}

inline QString cell(db::ResultGrid* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// Saves a picture of a window as /tmp/shots/<name>.png.
inline void shot(QWidget* w, const QString& name) {
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    QCoreApplication::processEvents();
    w->grab().save(QStringLiteral("/tmp/shots/") + name + QStringLiteral(".png"));
}

}  // namespace adminwin
