#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "db/Query.h"

namespace fulltext {

// A paper's file as the reader extracted it.
struct ExtractedFile {
    QString key;             // the paper
    QString dir, filename;   // where the paper's row said the file was
    qint64 size = 0;
    qint64 mtime = 0;        // milliseconds since 1970
    QString hash;            // SHA-1, hexadecimal
    QStringList pages;       // text of each page, from the first
    QString error;           // why there is no text (the row is kept, so the file is not read again)
};

// Writes a batch of extracted files as one segment of the index, in one
// transaction: each paper's earlier document goes first (postings included),
// then the new rows. A paper removed, or whose file name or folder changed,
// since its file was read is left out. Returns the documents written.
int writeBatch(db::Query& query, const QVector<ExtractedFile>& files);

// A file whose size or time changed but whose content did not: only the
// stored size and time are brought up to date.
void touchFile(db::Query& query, const QString& key, qint64 size, qint64 mtime);

}  // namespace fulltext
