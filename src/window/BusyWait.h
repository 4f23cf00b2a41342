#pragma once

#include <QObject>
#include <functional>

#include "db/StatementWatcher.h"

class QWidget;

namespace busy {

// Waits on the window thread for the job running on a statement thread, with
// the window still painting: a statement that ends within a few milliseconds
// is simply waited for; a longer one runs an event loop in which the input
// meant for the window is held back (so that none of its buttons can start a
// second statement), and after about half a second the busy indicator shows
// over the window, its "取消" calling `cancel`. Other windows stay usable.
// Returns once the job has finished, also when the event loop was told to
// quit (the program ending): then the job is cancelled and waited for.
// It is the query objects' statement watcher in every program that links the
// window layer.
class BusyWait : public db::StatementWatcher {
public:
    // Straight waiting, without an event loop.
    static constexpr int kQuietMs = db::StatementWatcher::kQuietMs;
    // The busy indicator shows after this long.
    static constexpr int kIndicatorMs = 500;

    // `query` is the query object: its window is the nearest widget among
    // its parents.
    void stillRunning(db::StatementThread& thread, QObject* query, const std::function<void()>& cancel) override;

    // Called with each busy indicator as it is shown (tests and benchmarks use
    // it to press "取消"); empty by default.
    static void setIndicatorShown(std::function<void(QWidget* indicator)> callback);
};

}  // namespace busy
