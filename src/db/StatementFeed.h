#pragma once

#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>

namespace db {

// Statements handed over one by one from the thread that makes them to the
// thread that sends them, so that the first can go while the rest are still
// being made. The maker adds and then closes the feed (saying whether it made
// all it meant to); the sender takes them in order until the feed is closed
// and empty.
class StatementFeed {
public:
    // The maker's side.
    void add(const QString& statement);
    // How many statements were added so far.
    qsizetype size() const;
    // The statements added so far.
    QStringList made() const;
    // No statement follows; `whole` is false when the making failed part way.
    void close(bool whole);

    // The sender's side: waits for the next statement; false once the feed is
    // closed and every statement was taken.
    bool next(QString& statement);
    // After next() returned false: whether the making was whole.
    bool whole() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable added_;
    QStringList statements_;
    qsizetype taken_ = 0;
    bool closed_ = false;
    bool whole_ = false;
};

}  // namespace db
