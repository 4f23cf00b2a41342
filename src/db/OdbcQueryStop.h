#pragma once

#include <QString>
#include <mutex>
#include <thread>

#include "db/OdbcConnection.h"
#include "db/OdbcQuery.h"

namespace db {

struct OdbcQuery::Outcome : OdbcConnection::Outcome {};

// What cancel() and the statement thread share: whether a stop was asked
// for, whether a statement is at the server, and which connection to stop.
struct OdbcQuery::Stop {
    std::mutex mutex;
    bool requested = false;
    bool running = false;
    QString odbcString;
    quint64 id = 0;
    QString server;
    std::thread killer;

    // Before a statement: waits for a stop still on its way and starts afresh.
    void reset() {
        join();
        std::lock_guard lock(mutex);
        requested = running = false;
    }
    void join() {
        if (killer.joinable()) killer.join();
    }
    bool isRequested() {
        std::lock_guard lock(mutex);
        return requested;
    }
    void setTarget(const QString& odbc, quint64 connectionId, const QString& connectionServer) {
        std::lock_guard lock(mutex);
        odbcString = odbc;
        id = connectionId;
        server = connectionServer;
    }
    // The statements go to the server from here on; false when a stop was
    // asked for already.
    bool enter() {
        std::lock_guard lock(mutex);
        if (requested) return false;
        running = true;
        return true;
    }
    void leave() {
        std::lock_guard lock(mutex);
        running = false;
    }
    void request() {
        std::lock_guard lock(mutex);
        if (requested) return;
        requested = true;
        if (!running || id == 0 || killer.joinable()) return;
        killer = std::thread([odbc = odbcString, target = id, on = server] {
            try {
                OdbcConnection::killQuery(odbc, target, on);
            } catch (...) {
                // The statement ends by itself (or by the time-out) instead.
            }
        });
    }
};

namespace odbc {
// A statement sent while the window's last one still runs.
inline const QString kStillRunning = QStringLiteral("这个窗口的上一条语句还没有执行完");
// The error of a statement the user stopped.
inline const QString kCancelled = QStringLiteral("语句已取消：服务器上的执行已被停止");
}  // namespace odbc

}  // namespace db
