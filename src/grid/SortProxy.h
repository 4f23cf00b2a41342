#pragma once

#include <QIdentityProxyModel>
#include <vector>

namespace grid {

// Sits between a result model (db::ResultModel) and its grid and shows the
// rows sorted by one column, or in the server's order. A header click goes
// ascending, then descending, then back to the server's order; another
// column starts again at ascending. A new result comes in the server's order.
class SortProxy : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit SortProxy(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    // Sorts by a column; -1 returns to the server's order.
    void sortBy(int column, Qt::SortOrder order = Qt::AscendingOrder);
    void clickColumn(int column);
    int sortColumn() const { return column_; }
    // The source rows in the order shown; empty in the server's order.
    const std::vector<int>& order() const { return rows_; }
    Qt::SortOrder sortOrder() const { return order_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void sortChanged(int column, Qt::SortOrder order);

private:
    void forget();

    int column_ = -1;
    Qt::SortOrder order_ = Qt::AscendingOrder;
    std::vector<int> rows_;      // proxy row -> source row, empty in the server's order
    std::vector<int> inverse_;   // source row -> proxy row
};

}  // namespace grid
