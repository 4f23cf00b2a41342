#include "db/StatementWatcher.h"

#include <atomic>

namespace db {

namespace {
std::atomic<StatementWatcher*>& installed() {
    static std::atomic<StatementWatcher*> watcher{nullptr};
    return watcher;
}
}  // namespace

StatementWatcher* StatementWatcher::current() { return installed().load(); }

void StatementWatcher::install(StatementWatcher* watcher) { installed().store(watcher); }

}  // namespace db
