#include "window/ResultModel.h"

#include "db/ColumnTitles.h"

#include <limits>

namespace db {

void ResultModel::setResult(std::shared_ptr<const ResultSet> result) {
    beginResetModel();
    result_ = std::move(result);
    endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !result_) return 0;
    return int(std::min<qint64>(result_->rowCount(), std::numeric_limits<int>::max()));
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !result_) return 0;
    return result_->columnCount();
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!result_ || !index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (result_->isNull(index.row(), index.column())) return QString();
        return result_->text(index.row(), index.column());
    }
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !result_) return {};
    if (orientation == Qt::Horizontal) {
        if (section >= 0 && section < result_->columnCount()) return shownColumnTitle(result_->columnNames().at(section));
        return {};
    }
    return section + 1;
}

Qt::ItemFlags ResultModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace db
