#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "db/ResultSet.h"

namespace db {

// Read-only table model over a fetched result; texts are made only for the
// cells that are asked for.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResult(std::shared_ptr<const ResultSet> result);
    const ResultSet* result() const { return result_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::shared_ptr<const ResultSet> result_;
};

}  // namespace db
