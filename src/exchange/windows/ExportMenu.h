#pragma once

#include <QObject>
#include <QString>

namespace db {
class ResultGrid;
}

namespace exchange {

// The context menu of every result grid of the program: "导出为 CSV…", and
// for a paper search also "导出为 BibTeX…" and "导出为 RIS…". Installed once
// on the application; it takes the right-click of any db::ResultGrid.
class ExportMenu : public QObject {
    Q_OBJECT
public:
    static void install();

    // Writes the grid's rows to the file in the format its extension names
    // (.csv, .bib, .ris); an empty text on success, else why not.
    static QString exportTo(const db::ResultGrid& grid, const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace exchange
