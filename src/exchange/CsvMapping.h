#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "exchange/PaperRecord.h"
#include "exchange/Readers.h"

namespace exchange {

// What a CSV column holds.
enum class CsvField {
    Ignore,
    Key,            // the entry's own key (citation key, number)
    Title,
    Authors,        // every author in one cell, separated by ";" "；" or " and "
    FirstAuthor,
    FurtherAuthor,  // one further author per column, in column order
    Date,
    Keywords,       // one or more keywords per cell, separated by "," ";" "；"
    Keyword,        // one keyword per column, in column order (kept whole)
    Category,
    Remark,
    Filename,
    Dir,
    File,           // a path or URL: folder and file name
};
inline constexpr int kCsvFieldCount = int(CsvField::File) + 1;
// The names the column match offers ("不导入", "论文题目", ...).
QString csvFieldName(CsvField field);

// One field per column.
using CsvMapping = QVector<CsvField>;

// Whether a header is the catalogue's own (a saved result of a paper search:
// "论文题目", "论文一作" and "发表时间" among the titles). Its cells are the
// catalogue's values and are taken exactly as they stand.
bool isOwnHeader(const QStringList& header);

// Matches columns by their header: English names (title, author, year,
// keywords, ...) or the detailed query's own labels ("论文题目", "论文一作",
// "论文二作", "关键词1", ...), case and blanks ignored. A second column that
// would be the first author is ignored.
CsvMapping guessMapping(const QStringList& header);

// Empty when the mapping can give every entry a title, a first author and a
// publication time; else which of them no column gives.
QString missingColumns(const CsvMapping& mapping);

// The records of the rows under a mapping. A cell guarded against
// spreadsheets (csvGuard) loses its guard. Cells of a file from elsewhere
// are trimmed and their dates brought to YYYY-MM-DD where they can be; those
// of the catalogue's own files (`exact`) stay as they are.
QVector<PaperRecord> csvRecords(const CsvTable& table, const CsvMapping& mapping, bool exact = false);

// "YYYY-MM-DD", "YYYY-MM" or "YYYY" from "2020/5/3", "2020.05", "2020年5月3日"
// and the like; other texts unchanged.
QString normalDate(const QString& text);

}  // namespace exchange
