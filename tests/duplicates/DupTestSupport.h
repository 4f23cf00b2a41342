#pragma once

#include <QString>
#include <QStringList>

#include "catalogue/InsertPaper.h"

// Papers of the duplicate tests, entered through the entry logic.
namespace duptest {

struct Paper {
    QString title, author, date;
    QString authors;  // further, "；" between
    QString kwords;
    QString catalog, remark;
    QString typeTime = QStringLiteral("2024-01-01");
};

catalogue::entry::PaperEntry entryOf(const Paper& p);
// Enters the paper with the real hooks; returns its key.
QString enter(const Paper& p);
// Rows of every paper table and of the finder's index; all equal when every
// paper is whole.
QList<qint64> sizes();
// A cell of the stored paper: "select <column> from <joined tables> where key".
QString value(const QString& key, const QString& column);

}  // namespace duptest
