#pragma once

#include <QLabel>
#include <QPointer>

class QAbstractItemModel;

namespace grid {

// The row count under a grid: "共 N 行" while a result is shown, nothing
// otherwise.
class RowCountLabel : public QLabel {
    Q_OBJECT
public:
    explicit RowCountLabel(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model);

    static QString countText(qint64 rows);

private:
    void refresh();
    QPointer<QAbstractItemModel> model_;
};

}  // namespace grid
