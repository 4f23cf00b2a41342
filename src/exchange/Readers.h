#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "exchange/PaperRecord.h"

namespace exchange {

// The entries of a file and what was wrong with the file outside them (each
// message names its line).
struct ReadResult {
    QVector<PaperRecord> records;
    QStringList problems;
};

// BibTeX through pybtex: @string and month macros, crossref (missing fields
// come from the referenced entry), comments; a duplicate field or a syntax
// error is a warning on the entry where it happened. LaTeX accents become
// Unicode and grouping braces go. Authors are written "Last, First" ("von
// Last, Jr, First"); a one-part name (a Chinese name) stays as it is.
// `progress` hears how far the reading is (entries of a BibTeX file, every
// few hundred of them; lines of a RIS or CSV file, every few thousand); when
// it returns false the reading stops with ReadCancelled.
using ReadProgress = std::function<bool(int done, int total)>;
struct ReadCancelled {};
ReadResult readBibtex(const QString& text, const ReadProgress& progress = {});

// RIS: TY ... ER entries; repeated AU and KW lines in order.
ReadResult readRis(const QString& text, const ReadProgress& progress = {});

// A CSV or TSV file as read by Python's csv module: the header row, the rows
// and the line where each row starts; `error` names the line where reading
// stopped (the rows before it are kept).
struct CsvTable {
    QStringList header;
    QVector<QStringList> rows;
    QVector<int> lines;
    QString error;
};
// delimiter 0: tab when the first line has more tabs than commas, else comma.
CsvTable readCsv(const QString& text, QChar delimiter = QChar(), const ReadProgress& progress = {});

}  // namespace exchange
