#pragma once

#include "db/Query.h"

namespace fulltext {

// A result made by the program rather than fetched by one statement (the
// ranked full-text hits), held like a query object's open result so that a
// result grid shows, sorts, copies and exports it like any other. It sends
// no statements.
class HeldResult : public db::Query {
    Q_OBJECT
public:
    using db::Query::Query;

    void setResult(std::shared_ptr<const db::ResultSet> result);

    void setConnectionString(const QString&) override {}
    QString connectionString() const override { return {}; }
    void close() override { setResult(nullptr); }
    void setSql(const QString&) override { close(); }
    QString sql() const override { return {}; }
    void open() override { refuse(); }
    qint64 execSql() override { refuse(); }
    using db::Query::execSql;
    bool run() override { refuse(); }
    bool isOpen() const override { return result_ != nullptr; }
    QString field(int column) const override;
    qint64 recordCount() const override { return result_ ? result_->rowCount() : 0; }
    void next() override { ++row_; }
    bool eof() const override { return !result_ || row_ >= result_->rowCount(); }
    std::shared_ptr<const db::ResultSet> result() const override { return result_; }

private:
    [[noreturn]] static void refuse();
    std::shared_ptr<const db::ResultSet> result_;
    qint64 row_ = 0;
};

}  // namespace fulltext
