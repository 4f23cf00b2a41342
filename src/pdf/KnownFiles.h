#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "db/Query.h"

namespace pdf {

// A file's place as the catalogue records it: folder and file name.
struct FilePlace {
    QString dir;
    QString filename;
};

// The statements that list the catalogue's address rows with any of these
// file names: "select dir,filename from address where filename in ('a.pdf',...)",
// at most `batch` names each, every name escaped.
QStringList knownFileStatements(const QList<FilePlace>& files, int batch = 200);

// The key under which a place is compared: the folder without a trailing
// separator, a line break, the file name.
QString placeKey(const QString& dir, const QString& filename);

// Which of the files the catalogue already holds (their placeKey), asked
// through the window's query object.
QSet<QString> knownFiles(db::Query& query, const QList<FilePlace>& files);

}  // namespace pdf
