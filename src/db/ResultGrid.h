#pragma once

#include <QPointer>
#include <QTableView>

#include "db/Query.h"
#include "db/ResultModel.h"

namespace db {

// The read-only result grid (DBGrid1): shows every row and column of the
// result its query object holds open, titled with the column names, and
// nothing while the query object is closed.
class ResultGrid : public QTableView {
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    // Binds the grid to a query object (its data source); null unbinds.
    void bind(Query* query);
    Query* boundQuery() const { return query_; }
    ResultModel& resultModel() { return model_; }

private:
    void refresh();

    ResultModel model_;
    QPointer<Query> query_;
    QMetaObject::Connection connection_;
};

}  // namespace db
