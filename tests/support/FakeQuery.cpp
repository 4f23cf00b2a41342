#include "support/FakeQuery.h"

#include "db/DbError.h"

QStringList FakeQuery::statements() const {
    QStringList out;
    for (const QString& s : sent) out << s.mid(s.indexOf(QLatin1String(": ")) + 2);
    return out;
}

void FakeQuery::close() {
    row_ = 0;
    if (result_) {
        result_.reset();
        emit resultChanged();
    }
}

void FakeQuery::setSql(const QString& statement) {
    close();
    sql_ = statement;
}

void FakeQuery::check(const QString& statement) {
    QString error = errorFor(statement);
    if (!error.isEmpty()) throw db::DbError(error);
}

void FakeQuery::open() {
    close();
    sent << QStringLiteral("open: ") + sql_;
    check(sql_);
    QList<QStringList> rows = rowsFor(sql_);
    QStringList names;
    int columns = rows.isEmpty() ? 1 : int(rows.first().size());
    for (int i = 0; i < columns; ++i) names << QStringLiteral("c%1").arg(i);
    auto r = std::make_shared<db::ResultSet>(names);
    for (const QStringList& row : rows)
        for (const QString& cell : row) {
            QByteArray b = cell.toUtf8();
            r->appendCell(b.constData(), std::size_t(b.size()));
        }
    result_ = r;
    emit resultChanged();
}

qint64 FakeQuery::execSql() {
    close();
    sent << QStringLiteral("exec: ") + sql_;
    check(sql_);
    return countFor(sql_);
}

bool FakeQuery::run() {
    close();
    sent << QStringLiteral("run: ") + sql_;
    check(sql_);
    return false;
}

QString FakeQuery::field(int column) const {
    if (!result_ || row_ >= result_->rowCount() || column >= result_->columnCount()) return {};
    return result_->text(row_, column);
}

qint64 FakeQuery::recordCount() const {
    if (!result_) throw db::DbError(QStringLiteral("结果集未打开"));
    return result_->rowCount();
}
