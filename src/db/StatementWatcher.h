#pragma once

#include <functional>

class QObject;

namespace db {

class StatementThread;

// What a query object tells the layer above it while a statement runs. The
// query object waits for its statement thread a few milliseconds on its own;
// a statement still running then is handed to the watcher, which returns once
// the thread reports it finished (the window layer keeps the window painting
// and shows the busy indicator meanwhile). Without a watcher (a program with no
// windows) the statement is simply waited for.
class StatementWatcher {
public:
    // The straight wait before the watcher is told.
    static constexpr int kQuietMs = 30;

    virtual ~StatementWatcher() = default;
    // `query` is the query object; `cancel` stops its statement. Returns
    // once `thread.finished()`.
    virtual void stillRunning(StatementThread& thread, QObject* query, const std::function<void()>& cancel) = 0;

    // The watcher the query objects use (nullptr: none).
    static StatementWatcher* current();
    static void install(StatementWatcher* watcher);
};

}  // namespace db
