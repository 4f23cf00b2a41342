#pragma once

#include <QStringList>

#include "db/OdbcQuery.h"

// A query object over the test server that also records every statement it
// sends ("exec: ...", "open: ...", "run: "), to check the exact texts a
// window sends to the real server.
class SentRecorder : public db::Query {
public:
    explicit SentRecorder(QObject* parent = nullptr) : db::Query(parent) {
        connect(&inner_, &db::Query::resultChanged, this, &db::Query::resultChanged);
    }

    QStringList sent;

    void setConnectionString(const QString& text) override { inner_.setConnectionString(text); }
    QString connectionString() const override { return inner_.connectionString(); }
    void close() override { inner_.close(); }
    void setSql(const QString& statement) override { inner_.setSql(statement); }
    QString sql() const override { return inner_.sql(); }
    void open() override {
        sent << QStringLiteral("open: ") + inner_.sql();
        inner_.open();
    }
    qint64 execSql() override {
        sent << QStringLiteral("exec: ") + inner_.sql();
        return inner_.execSql();
    }
    using db::Query::execSql;
    bool run() override {
        sent << QStringLiteral("run: ") + inner_.sql();
        return inner_.run();
    }
    bool isOpen() const override { return inner_.isOpen(); }
    QString field(int column) const override { return inner_.field(column); }
    qint64 recordCount() const override { return inner_.recordCount(); }
    void next() override { inner_.next(); }
    bool eof() const override { return inner_.eof(); }
    std::shared_ptr<const db::ResultSet> result() const override { return inner_.result(); }

private:
    db::OdbcQuery inner_;
};
