#include "fulltext/HeldResult.h"

#include "db/DbError.h"

namespace fulltext {

void HeldResult::setResult(std::shared_ptr<const db::ResultSet> result) {
    result_ = std::move(result);
    row_ = 0;
    emit resultChanged();
}

QString HeldResult::field(int column) const {
    if (eof() || column < 0 || column >= result_->columnCount()) return {};
    return result_->text(row_, column);
}

void HeldResult::refuse() { throw db::DbError(QStringLiteral("此结果不执行语句")); }

}  // namespace fulltext
