#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error that ends the running handler and goes to the error report.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& sqlState = {}, int nativeCode = 0)
        : std::runtime_error(message.toStdString()), message_(message), sqlState_(sqlState),
          nativeCode_(nativeCode) {}
    const QString& message() const { return message_; }
    // The five-character SQLSTATE of the driver's first diagnostic ("40001"),
    // empty when the error did not come from the driver.
    const QString& sqlState() const { return sqlState_; }
    // The server's own error number of that diagnostic (1213), 0 when none.
    int nativeCode() const { return nativeCode_; }

private:
    QString message_;
    QString sqlState_;
    int nativeCode_ = 0;
};

// The user stopped the statement ("取消", or closing its window).
class StatementCancelled : public DbError {
public:
    using DbError::DbError;
};

}  // namespace db
