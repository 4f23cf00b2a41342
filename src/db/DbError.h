#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error that ends the running handler and goes to the error report.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The user stopped the statement ("取消", or closing its window).
class StatementCancelled : public DbError {
public:
    using DbError::DbError;
};

}  // namespace db
