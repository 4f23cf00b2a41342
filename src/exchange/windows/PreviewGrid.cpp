#include "exchange/windows/PreviewGrid.h"

#include <QHeaderView>

namespace exchange {

PreviewGrid::PreviewGrid(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Grid_preview"));
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    // Fixed row heights and column widths: a list of 100,000 rows shows at
    // once instead of measuring every cell.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(110);
    setColumnWidth(PreviewModel::Tick, 40);
    setColumnWidth(PreviewModel::State, 80);
    setColumnWidth(PreviewModel::Key, 220);
    setColumnWidth(PreviewModel::Title, 220);
    setColumnWidth(PreviewModel::Date, 80);
    setColumnWidth(PreviewModel::Notes, 200);
    setColumnWidth(PreviewModel::Line, 50);
    setColumnWidth(PreviewModel::Result, 90);
}

void PreviewGrid::tickAll(bool ticked) { model_.setAllTicked(ticked); }

}  // namespace exchange
