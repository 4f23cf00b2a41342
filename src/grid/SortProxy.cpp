#include "grid/SortProxy.h"


#include "window/BusyCursor.h"
#include "window/ResultModel.h"
#include "grid/ColumnOrder.h"

namespace grid {

SortProxy::SortProxy(QObject* parent) : QIdentityProxyModel(parent) {}

void SortProxy::setSourceModel(QAbstractItemModel* source) {
    if (sourceModel()) disconnect(sourceModel(), nullptr, this, nullptr);
    forget();
    QIdentityProxyModel::setSourceModel(source);
    // Connected after the proxy's own handlers: the views hear of the reset
    // only at its end, by when the old order is gone.
    if (source) connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &SortProxy::forget);
}

void SortProxy::forget() {
    rows_.clear();
    inverse_.clear();
    if (column_ != -1) {
        column_ = -1;
        order_ = Qt::AscendingOrder;
        emit sortChanged(column_, order_);
    }
}

void SortProxy::sortBy(int column, Qt::SortOrder order) {
    auto* model = qobject_cast<db::ResultModel*>(sourceModel());
    const db::ResultSet* result = model ? model->result() : nullptr;
    if (!result || column >= result->columnCount()) column = -1;
    std::vector<int> rows;
    if (column >= 0) {
        busy::BusyCursor cursor;
        rows = sortedRows(*result, column, order);
    }
    beginResetModel();
    rows_ = std::move(rows);
    inverse_.assign(rows_.size(), 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) inverse_[std::size_t(rows_[i])] = int(i);
    column_ = column;
    order_ = order;
    endResetModel();
    emit sortChanged(column_, order_);
}

void SortProxy::clickColumn(int column) {
    if (column != column_) sortBy(column, Qt::AscendingOrder);
    else if (order_ == Qt::AscendingOrder) sortBy(column, Qt::DescendingOrder);
    else sortBy(-1);
}

// A table: the row shown is the row asked for (the identity proxy would
// take it for a row of the source).
QModelIndex SortProxy::index(int row, int column, const QModelIndex& parent) const {
    return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
}

QModelIndex SortProxy::mapToSource(const QModelIndex& proxy) const {
    if (!proxy.isValid() || !sourceModel()) return {};
    const int row = rows_.empty() ? proxy.row() : rows_[std::size_t(proxy.row())];
    return sourceModel()->index(row, proxy.column());
}

QModelIndex SortProxy::mapFromSource(const QModelIndex& source) const {
    if (!source.isValid()) return {};
    const int row = inverse_.empty() ? source.row() : inverse_[std::size_t(source.row())];
    return createIndex(row, source.column());
}

QVariant SortProxy::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return QIdentityProxyModel::headerData(section, orientation, role);
}

}  // namespace grid
