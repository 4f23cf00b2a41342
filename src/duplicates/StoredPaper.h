#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "db/Query.h"

namespace duplicates {

// One paper as the five paper tables hold it.
struct StoredPaper {
    QString key;
    QString title, author, date;
    QStringList authors;  // second to fifth author, those set
    QStringList kwords;   // those set
    QString filename, dir, catalog, remark;
    QString typist, typeTime;
    // Filled values, for "保留信息最全的".
    int richness() const;
};

// The rows of the given papers, one each: key, title, first author,
// publication time, authors 2 to 5, keywords 1 to 10, file name, folder,
// category, remark, typist, entry date.
QString storedSelect(const QStringList& keys);
// Reads the open result of storedSelect; papers missing from it are left out.
QVector<StoredPaper> readStored(db::Query& query);

}  // namespace duplicates
