#pragma once

#include <QTableView>

#include "exchange/PreviewModel.h"

namespace exchange {

// The preview grid of an import: a table over a PreviewModel, the status
// colours as row backgrounds, the tick in the first column.
class PreviewGrid : public QTableView {
    Q_OBJECT
public:
    explicit PreviewGrid(QWidget* parent = nullptr);
    PreviewModel& previewModel() { return model_; }

    // Ticks or unticks every row that can be ticked.
    void tickAll(bool ticked);

private:
    PreviewModel model_;
};

}  // namespace exchange
