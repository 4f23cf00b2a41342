#include "db/RetryOnConflict.h"

#include <QRandomGenerator>
#include <QThread>

namespace db {

bool isConflict(const DbError& error) {
    return error.nativeCode() == 1213 || error.sqlState() == QLatin1String("40001");
}

DbError conflictError(const DbError& last, int attempts) {
    return DbError(QStringLiteral("另一用户同时修改了同一数据，本次修改已撤销（试了 %1 次），请稍后再试。服务器：%2")
                       .arg(attempts)
                       .arg(last.message()),
                   last.sqlState(), last.nativeCode());
}

namespace detail {

void pauseBeforeRetry(int attempt) {
    const int base = 20 * (attempt - 1);
    QThread::msleep(base + QRandomGenerator::global()->bounded(base + 1));
}

}  // namespace detail

}  // namespace db
