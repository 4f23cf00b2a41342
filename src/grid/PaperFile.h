#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

#include "catalogue/PaperFilePath.h"

class QAbstractItemView;
class QAbstractItemModel;

namespace grid {

using catalogue::paperFilePath;

// Opens the file of the paper in row `row` of a search result (columns
// "保存文件夹" and "论文文件名") with the desktop's default program, or says
// through the message box why it cannot: those columns are not in the
// result, or the file is not there.
void openPaperFile(const QAbstractItemModel& model, int row);

// Makes a double-click on a row of a paper search's grid open that paper's
// file.
class PaperFileOpener : public QObject {
    Q_OBJECT
public:
    explicit PaperFileOpener(QAbstractItemView* view);
};

// Replaces the desktop's opening of a file (tests); an empty function restores it.
void setFileOpener(std::function<bool(const QUrl&)> opener);

}  // namespace grid
