#include "window/ResultGrid.h"

#include <QHeaderView>

#include "grid/CellCopy.h"
#include "grid/RowCountLabel.h"

namespace db {

ResultGrid::ResultGrid(QWidget* parent) : QTableView(parent) {
    proxy_.setSourceModel(&model_);
    setModel(&proxy_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    new grid::CellCopy(this);

    // The row count sits under the rows, left of the horizontal scroll bar.
    rowCount_ = new grid::RowCountLabel(this);
    rowCount_->setModel(&proxy_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addScrollBarWidget(rowCount_, Qt::AlignLeft);

    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, &proxy_, &grid::SortProxy::clickColumn);
    connect(&proxy_, &grid::SortProxy::sortChanged, this, [this](int column, Qt::SortOrder order) {
        horizontalHeader()->setSortIndicatorShown(column >= 0);
        if (column >= 0) horizontalHeader()->setSortIndicator(column, order);
    });
    setWordWrap(false);
    // Fixed row heights keep scrolling through a million rows cheap.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setResizeContentsPrecision(100);
    horizontalHeader()->setHighlightSections(false);
}

void ResultGrid::bind(Query* query) {
    if (connection_) disconnect(connection_);
    query_ = query;
    if (query_) connection_ = connect(query_, &Query::resultChanged, this, &ResultGrid::refresh);
    refresh();
}

void ResultGrid::refresh() {
    model_.setResult(query_ ? query_->result() : nullptr);
    if (model_.columnCount() > 0) resizeColumnsToContents();
}

}  // namespace db
