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

// Matches columns by their header: English names (title, author, year,
// keywords, ...) or the detailed query's own labels ("论文题目", "论文一作",
// "论文二作", "关键词1", ...), case and blanks ignored. A second column that
// would be the first author is ignored.
CsvMapping guessMapping(const QStringList& header);

// Empty when the mapping can give every entry a title, a first author and a
// publication time; else which of them no column gives.
QString missingColumns(const CsvMapping& mapping);

// The records of the rows under a mapping.
QVector<PaperRecord> csvRecords(const CsvTable& table, const CsvMapping& mapping);

// "YYYY-MM-DD", "YYYY-MM" or "YYYY" from "2020/5/3", "2020.05", "2020年5月3日"
// and the like; other texts unchanged.
QString normalDate(const QString& text);

}  // namespace exchange
