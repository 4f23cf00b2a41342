#include "db/StatementFeed.h"

namespace db {

void StatementFeed::add(const QString& statement) {
    {
        std::lock_guard lock(mutex_);
        statements_.append(statement);
    }
    added_.notify_one();
}

qsizetype StatementFeed::size() const {
    std::lock_guard lock(mutex_);
    return statements_.size();
}

QStringList StatementFeed::made() const {
    std::lock_guard lock(mutex_);
    return statements_;
}

void StatementFeed::close(bool whole) {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        whole_ = whole;
    }
    added_.notify_one();
}

bool StatementFeed::next(QString& statement) {
    std::unique_lock lock(mutex_);
    added_.wait(lock, [this] { return taken_ < statements_.size() || closed_; });
    if (taken_ == statements_.size()) return false;
    statement = statements_.at(taken_++);
    return true;
}

bool StatementFeed::whole() const {
    std::lock_guard lock(mutex_);
    return whole_;
}

}  // namespace db
