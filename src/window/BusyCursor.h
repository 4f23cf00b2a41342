#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace busy {

// Shows a busy cursor over the program for as long as it lives (nothing
// without a window system).
class BusyCursor {
public:
    explicit BusyCursor(Qt::CursorShape shape = Qt::WaitCursor)
        : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
                  QThread::currentThread() == QCoreApplication::instance()->thread()) {
        if (active_) QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    ~BusyCursor() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};

}  // namespace busy
