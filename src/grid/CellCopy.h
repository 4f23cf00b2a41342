#pragma once

#include <QModelIndexList>
#include <QObject>
#include <QString>

class QAbstractItemView;

namespace grid {

// The selected cells as tab-separated text: the rectangle from the first
// selected row and column to the last, one line per row, a tab between
// cells; cells inside it that are not selected stay empty, and a tab or line
// break inside a value becomes a blank.
QString selectionText(const QModelIndexList& selected);

// Gives a grid the copy key (Ctrl+C) and a "复制" action that put its
// selected cells on the clipboard as tab-separated text.
class CellCopy : public QObject {
    Q_OBJECT
public:
    explicit CellCopy(QAbstractItemView* view);
    void copy();

private:
    QAbstractItemView* view_;
};

}  // namespace grid
