#include "duplicates/windows/SimilarChoices.h"

#include <QAbstractProxyModel>
#include <QCoreApplication>
#include <QMenu>

namespace duplicates {

bool applyChoice(exchange::PreviewModel& model, const ImportCheck& check, int row, SimilarChoice choice) {
    if (row < 0 || row >= model.papers().size() || model.papers()[row].status != exchange::Status::Similar) return false;
    const QString resembled = check.resembled(model.papers()[row].key);
    model.setReplacing(row, choice == SimilarChoice::Update ? resembled : QString());
    model.setTicked(row, choice != SimilarChoice::Skip);
    return true;
}

void offerChoices(QTableView* grid, exchange::PreviewModel& model, const ImportCheck& check) {
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, grid, [grid, &model, &check](const QPoint& pos) {
        QModelIndex at = grid->indexAt(pos);
        // the grid may sort through a proxy over the preview
        if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(at.model())) at = proxy->mapToSource(at);
        const int row = at.isValid() && at.model() == &model ? at.row() : -1;
        if (row < 0 || model.papers()[row].status != exchange::Status::Similar) return;
        QMenu menu(grid);
        QAction* skip = menu.addAction(QCoreApplication::translate("duplicates", "跳过"));
        QAction* anyway = menu.addAction(QCoreApplication::translate("duplicates", "仍然导入"));
        QAction* update = menu.addAction(QCoreApplication::translate("duplicates", "更新库中那篇论文"));
        for (QAction* a : {skip, anyway, update}) a->setCheckable(true);
        const bool ticked = model.isTicked(row);
        (!ticked ? skip : model.replacing(row).isEmpty() ? anyway : update)->setChecked(true);
        QAction* chosen = menu.exec(grid->viewport()->mapToGlobal(pos));
        if (!chosen) return;
        applyChoice(model, check, row,
                    chosen == skip ? SimilarChoice::Skip : chosen == anyway ? SimilarChoice::ImportAnyway : SimilarChoice::Update);
    });
}

}  // namespace duplicates
