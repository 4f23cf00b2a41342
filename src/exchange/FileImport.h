#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "exchange/CsvMapping.h"
#include "exchange/PaperRecord.h"
#include "exchange/Readers.h"
#include "exchange/TextFile.h"

namespace exchange {

enum class Format { Unknown, Bibtex, Ris, Csv, Tsv };
QString formatName(Format format);  // "BibTeX", "RIS", "CSV", "TSV"

// By the extension (.bib, .ris, .csv, .tsv/.tab/.txt with tabs), else by the
// content: an "@word{" entry, a "TY  - " line, or a header row.
Format detectFormat(const QString& path, const QString& text);

// A file read for the preview: its records, and for CSV the table and the
// column match (which the user may change and apply again with csvRecords).
struct FileRead {
    Format format = Format::Unknown;
    QString encoding;
    QString encodingWarning;  // the encoding is a guess (names it)
    QString error;        // nothing could be offered
    bool cancelled = false;  // the user stopped the reading
    QStringList problems; // lines outside any entry, or where reading stopped
    QVector<PaperRecord> records;
    CsvTable table;
    CsvMapping mapping;
};

// Reads a file in the given format (Unknown: detected) and encoding (Auto:
// detected).
// `progress` as for the readers; stopped, the result holds no records and
// says so.
FileRead readFile(const QString& path, Encoding encoding = Encoding::Auto, Format format = Format::Unknown,
                  const ReadProgress& progress = {});
// The same for a text already decoded.
FileRead readText(const QString& text, Format format, const ReadProgress& progress = {});

}  // namespace exchange
