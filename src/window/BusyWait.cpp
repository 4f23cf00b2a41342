#include "window/BusyWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include "db/StatementThread.h"
#include "window/BusyCursor.h"
#include "window/BusyIndicator.h"

namespace busy {

namespace {

std::function<void(QWidget*)>& indicatorShown() {
    static std::function<void(QWidget*)> callback;
    return callback;
}

QWidget* windowOf(QObject* context) {
    for (QObject* o = context; o; o = o->parent())
        if (auto* w = qobject_cast<QWidget*>(o)) return w->window();
    return nullptr;
}

// Holds back the mouse, keyboard and shortcut input meant for one window
// while its statement runs. A close of the window itself still goes through.
class InputHold : public QObject {
public:
    explicit InputHold(QObject* window) : window_(window) { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick: case QEvent::KeyPress: case QEvent::KeyRelease:
            case QEvent::Shortcut: case QEvent::ShortcutOverride: case QEvent::Wheel:
            case QEvent::ContextMenu: case QEvent::TouchBegin: case QEvent::TouchUpdate:
            case QEvent::TouchEnd: case QEvent::TabletPress: case QEvent::TabletRelease:
                break;
            default:
                return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !window_) return false;
        // No window given: every window is held.
        return widget->window() == window_ || window_ == qApp;
    }

private:
    QPointer<QObject> window_;
};

}  // namespace

void BusyWait::setIndicatorShown(std::function<void(QWidget*)> callback) {
    indicatorShown() = std::move(callback);
}

namespace {

const bool installed = [] {
    static BusyWait watcher;
    db::StatementWatcher::install(&watcher);
    return true;
}();

}  // namespace

void BusyWait::stillRunning(db::StatementThread& thread, QObject* query, const std::function<void()>& cancel) {
    // A statement that takes a while shows the busy cursor.
    BusyCursor cursor;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) {
        thread.wait();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QWidget* window = windowOf(query);
    InputHold hold(window ? static_cast<QObject*>(window) : app);
    QPointer<BusyIndicator> indicator;

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (thread.finished()) {
            loop.quit();
            return;
        }
        const qint64 ms = clock.elapsed() + kQuietMs;
        if (!indicator && ms >= kIndicatorMs) {
            indicator = new BusyIndicator(window);
            if (!window) indicator->setWindowModality(Qt::ApplicationModal);
            QObject::connect(indicator, &BusyIndicator::cancelRequested, indicator, [&cancel] { cancel(); });
            indicator->setElapsed(ms);
            indicator->show();
            if (indicatorShown()) indicatorShown()(indicator);
        } else if (indicator) {
            indicator->setElapsed(ms);
        }
    });
    poll.start();
    loop.exec();
    poll.stop();
    if (!thread.finished()) {
        // The loop was told to quit from outside: the program is ending.
        cancel();
        thread.wait();
    }
    if (indicator) {
        indicator->hide();
        delete indicator;
    }
}

}  // namespace busy
