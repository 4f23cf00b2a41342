#include "db/ResultGrid.h"

#include <QHeaderView>

namespace db {

ResultGrid::ResultGrid(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
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
