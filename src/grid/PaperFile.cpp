#include "grid/PaperFile.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QFileInfo>

#include "db/ColumnTitles.h"
#include "db/Messages.h"
#include "db/Schema.h"

namespace grid {

namespace {

std::function<bool(const QUrl&)>& opener() {
    static std::function<bool(const QUrl&)> o;
    return o;
}

const QString kCaption = QStringLiteral("打开论文文件");

int columnTitled(const QAbstractItemModel& model, const QString& title) {
    // The grid shows the title in the interface's language.
    const QString shown = db::shownColumnTitle(title);
    for (int c = 0; c < model.columnCount(); ++c) {
        const QString header = model.headerData(c, Qt::Horizontal).toString();
        if (header == title || header == shown) return c;
    }
    return -1;
}

}  // namespace

void setFileOpener(std::function<bool(const QUrl&)> o) { opener() = std::move(o); }

void openPaperFile(const QAbstractItemModel& model, int row) {
    const int nameColumn = columnTitled(model, schema::label(QStringLiteral("filename")));
    const int folderColumn = columnTitled(model, schema::label(QStringLiteral("dir")));
    if (nameColumn < 0 || folderColumn < 0) {
        db::messages::show(QStringLiteral("查询结果中没有“论文文件名”和“保存文件夹”两项，无法打开论文文件"), kCaption);
        return;
    }
    const QString name = model.index(row, nameColumn).data().toString();
    const QString folder = model.index(row, folderColumn).data().toString();
    if (name.trimmed().isEmpty()) {
        db::messages::show(QStringLiteral("这篇论文没有登记文件名"), kCaption);
        return;
    }
    const QString path = paperFilePath(folder, name);
    const QFileInfo file(path);
    if (!file.isFile()) {
        db::messages::show(db::messages::translated(QStringLiteral("文件不存在：")) + path, kCaption);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened) db::messages::show(db::messages::translated(QStringLiteral("没有能打开这个文件的程序：")) + path, kCaption);
}

PaperFileOpener::PaperFileOpener(QAbstractItemView* view) : QObject(view) {
    connect(view, &QAbstractItemView::doubleClicked, this, [view](const QModelIndex& index) {
        if (index.isValid() && view->model()) db::guarded([&] { openPaperFile(*view->model(), index.row()); });
    });
}

}  // namespace grid
