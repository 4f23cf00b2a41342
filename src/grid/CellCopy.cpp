#include "grid/CellCopy.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <vector>

namespace grid {

QString selectionText(const QModelIndexList& selected) {
    if (selected.isEmpty()) return {};
    int top = selected.first().row(), bottom = top, left = selected.first().column(), right = left;
    for (const QModelIndex& i : selected) {
        top = std::min(top, i.row()), bottom = std::max(bottom, i.row());
        left = std::min(left, i.column()), right = std::max(right, i.column());
    }
    const int width = right - left + 1;
    std::vector<QString> cells(std::size_t(bottom - top + 1) * std::size_t(width));
    for (const QModelIndex& i : selected) {
        QString text = i.data(Qt::DisplayRole).toString();
        text.replace(QLatin1Char('\t'), QLatin1Char(' '));
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        cells[std::size_t(i.row() - top) * std::size_t(width) + std::size_t(i.column() - left)] = text;
    }
    QString out;
    for (int r = 0; r <= bottom - top; ++r) {
        for (int c = 0; c < width; ++c) {
            if (c) out += QLatin1Char('\t');
            out += cells[std::size_t(r) * std::size_t(width) + std::size_t(c)];
        }
        out += QLatin1Char('\n');
    }
    return out;
}

CellCopy::CellCopy(QAbstractItemView* view) : QObject(view), view_(view) {
    auto* action = new QAction(QCoreApplication::translate("CellCopy", "复制"), view);
    action->setObjectName(QStringLiteral("Action_copy"));
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(action);
    connect(action, &QAction::triggered, this, &CellCopy::copy);
}

void CellCopy::copy() {
    if (!view_->selectionModel()) return;
    QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    if (selected.isEmpty() && view_->currentIndex().isValid()) selected << view_->currentIndex();
    const QString text = selectionText(selected);
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

}  // namespace grid
