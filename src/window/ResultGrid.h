#pragma once

#include <QPointer>
#include <QTableView>

#include "db/Query.h"
#include "window/ResultModel.h"
#include "grid/SortProxy.h"

namespace grid {
class RowCountLabel;
}

namespace db {

// The read-only result grid (DBGrid1): shows every row and column of the
// result its query object holds open, titled with the column names, and
// nothing while the query object is closed. A click on a column title sorts
// the rows shown by that column (grid::SortProxy), the row count shows under
// the rows, and selected cells copy as tab-separated text (grid::CellCopy).
class ResultGrid : public QTableView {
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    // Binds the grid to a query object (its data source); null unbinds.
    void bind(Query* query);
    Query* boundQuery() const { return query_; }
    ResultModel& resultModel() { return model_; }
    grid::SortProxy& sortProxy() { return proxy_; }
    const grid::SortProxy& sortProxy() const { return proxy_; }
    grid::RowCountLabel* rowCountLabel() const { return rowCount_; }

private:
    void refresh();

    ResultModel model_;
    grid::SortProxy proxy_;
    grid::RowCountLabel* rowCount_;
    QPointer<Query> query_;
    QMetaObject::Connection connection_;
};

}  // namespace db
