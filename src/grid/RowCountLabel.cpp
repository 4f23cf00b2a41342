#include "grid/RowCountLabel.h"

#include <QCoreApplication>
#include <QAbstractItemModel>

namespace grid {

RowCountLabel::RowCountLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Label_row_count"));
    setContentsMargins(6, 0, 6, 0);
}

QString RowCountLabel::countText(qint64 rows) { return QCoreApplication::translate("RowCountLabel", "共 %1 行").arg(rows); }

void RowCountLabel::setModel(QAbstractItemModel* model) {
    if (model_) disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    if (model_) {
        connect(model_, &QAbstractItemModel::modelReset, this, &RowCountLabel::refresh);
        connect(model_, &QAbstractItemModel::rowsInserted, this, &RowCountLabel::refresh);
        connect(model_, &QAbstractItemModel::rowsRemoved, this, &RowCountLabel::refresh);
    }
    refresh();
}

void RowCountLabel::refresh() {
    const bool shown = model_ && model_->columnCount() > 0;
    setText(shown ? countText(model_->rowCount()) : QString());
}

}  // namespace grid
