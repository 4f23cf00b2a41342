#pragma once

#include <QStringList>
#include <functional>

#include "db/Query.h"

// A query object that records what a handler sends and answers from scripts,
// for checking statement sequences without a server.
class FakeQuery : public db::Query {
    Q_OBJECT
public:
    using db::Query::Query;

    // Every statement sent, in order, as "exec: ...", "open: ..." or "run: ...".
    QStringList sent;
    // Rows affected by an executed statement (default 1).
    std::function<qint64(const QString&)> countFor = [](const QString&) { return 1; };
    // The rows an opened statement returns (default none); the column names
    // are taken from the first row's size as "c0", "c1", ...
    std::function<QList<QStringList>(const QString&)> rowsFor = [](const QString&) {
        return QList<QStringList>{};
    };
    // Makes the statement fail with this text when it returns a non-empty text.
    std::function<QString(const QString&)> errorFor = [](const QString&) { return QString(); };

    // Only the statements, without the "exec: " / "open: " prefixes.
    QStringList statements() const;

    void setConnectionString(const QString& text) override { connection_ = text; }
    QString connectionString() const override { return connection_; }
    void close() override;
    void setSql(const QString& statement) override;
    QString sql() const override { return sql_; }
    void open() override;
    qint64 execSql() override;
    using db::Query::execSql;
    bool run() override;
    bool isOpen() const override { return result_ != nullptr; }
    QString field(int column) const override;
    qint64 recordCount() const override;
    void next() override { ++row_; }
    bool eof() const override { return !result_ || row_ >= result_->rowCount(); }
    std::shared_ptr<const db::ResultSet> result() const override { return result_; }

private:
    void check(const QString& statement);
    QString connection_;
    QString sql_;
    std::shared_ptr<const db::ResultSet> result_;
    qint64 row_ = 0;
};
