#pragma once

#include <QTableView>

#include "duplicates/ImportCheck.h"
#include "exchange/PreviewModel.h"

namespace duplicates {

// What the user does with a "可能重复" row of an import preview.
enum class SimilarChoice {
    Skip,          // "跳过": unticked (the default)
    ImportAnyway,  // "仍然导入": ticked, written as a new paper
    Update,        // "更新库中那篇论文": ticked, written over the paper it resembles
};

// Applies a choice to a row; false when the row is not "可能重复".
bool applyChoice(exchange::PreviewModel& model, const ImportCheck& check, int row, SimilarChoice choice);

// The right-click menu of a preview grid with the three choices for the
// "可能重复" row under the mouse.
void offerChoices(QTableView* grid, exchange::PreviewModel& model, const ImportCheck& check);

}  // namespace duplicates
