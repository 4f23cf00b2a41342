#include "exchange/windows/ExportMenu.h"

#include <QCoreApplication>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QSaveFile>

#include "db/Messages.h"
#include "window/ResultGrid.h"
#include "exchange/GridExport.h"

namespace exchange {

void ExportMenu::install() {
    static ExportMenu* menu = nullptr;
    if (menu) return;
    menu = new ExportMenu(qApp);
    qApp->installEventFilter(menu);
}

QString ExportMenu::exportTo(const db::ResultGrid& grid, const QString& path) {
    const db::Query* query = grid.boundQuery();
    const auto result = query ? query->result() : nullptr;
    if (!result) return QCoreApplication::translate("ExportMenu", "没有可导出的结果");
    const QString lower = path.toLower();
    QByteArray bytes;
    if (lower.endsWith(QLatin1String(".bib")) || lower.endsWith(QLatin1String(".ris"))) {
        if (!hasPaperColumns(*result)) return QCoreApplication::translate("ExportMenu", "结果中没有论文题目、论文一作和发表时间，只能导出为 CSV");
        const auto rows = paperRows(*result, grid.sortProxy().order());
        bytes = (lower.endsWith(QLatin1String(".bib")) ? toBibtex(rows) : toRis(rows)).toUtf8();
    } else {
        bytes = csvBytes(*result, grid.sortProxy().order());
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return QCoreApplication::translate("ExportMenu", "无法写入文件：") + path;
    return {};
}

bool ExportMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu) return false;
    auto* grid = qobject_cast<db::ResultGrid*>(watched);
    if (!grid && watched->parent()) grid = qobject_cast<db::ResultGrid*>(watched->parent());
    if (!grid) return false;
    const db::Query* query = grid->boundQuery();
    const auto result = query ? query->result() : nullptr;
    QMenu menu(grid);
    QAction* csv = menu.addAction(QCoreApplication::translate("ExportMenu", "导出为 CSV…"));
    QAction* bib = nullptr;
    QAction* ris = nullptr;
    if (result && hasPaperColumns(*result)) {
        bib = menu.addAction(QCoreApplication::translate("ExportMenu", "导出为 BibTeX…"));
        ris = menu.addAction(QCoreApplication::translate("ExportMenu", "导出为 RIS…"));
    }
    csv->setEnabled(result != nullptr);
    QAction* chosen = menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    if (!chosen) return true;
    const QString filter = chosen == bib   ? QStringLiteral("BibTeX (*.bib)")
                           : chosen == ris ? QStringLiteral("RIS (*.ris)")
                                           : QStringLiteral("CSV (*.csv)");
    const QString suffix = chosen == bib ? QStringLiteral(".bib") : chosen == ris ? QStringLiteral(".ris") : QStringLiteral(".csv");
    QString path = QFileDialog::getSaveFileName(grid, QCoreApplication::translate("ExportMenu", "导出结果"), QCoreApplication::translate("ExportMenu", "结果") + suffix, filter);
    if (path.isEmpty()) return true;
    if (!path.toLower().endsWith(suffix)) path += suffix;
    const QString why = exportTo(*grid, path);
    if (!why.isEmpty()) db::messages::show(why, QCoreApplication::translate("ExportMenu", "导出失败"));
    return true;
}

}  // namespace exchange
