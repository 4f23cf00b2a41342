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
// Unicode and grouping braces go; the escapes of writeBibtex give back their
// characters. Authors are written "Last, First" ("von
// Last, Jr, First"); a one-part name (a Chinese name) stays as it is.
// `progress` hears how far the reading is (entries of a BibTeX file, every
// few hundred of them; lines of a RIS or CSV file, every few thousand); when
// it returns false the reading stops with ReadCancelled.
using ReadProgress = std::function<bool(int done, int total)>;
struct ReadCancelled {};
ReadResult readBibtex(const QString& text, const ReadProgress& progress = {});

// RIS: TY ... ER entries; repeated AU and KW lines in order; values as they
// stand after "TAG  - ". Lines end only at CR, LF or CRLF. An entry that the
// catalogue marked as escaped has "\\", "\n", "\r" and "\/" undone.
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

// A paper for the BibTeX writer: its citation key and its values as the
// catalogue holds them.
struct BibtexPaper {
    QString key;
    QString title;
    QStringList authors;
    QString date;
    QStringList keywords;
    QString category;
    bool hasCategory = false;  // the result has a category column (NULL: empty)
    QString remark;
    QString dir;
    QString filename;
};
// BibTeX through pybtex's writer, every value written so that readBibtex
// gives it back exactly: text as LaTeX (latexcodec, and escapes for what
// LaTeX or BibTeX would change: braces, blanks at either end and in runs,
// line breaks and control characters, ligatures such as "--" and "``"),
// authors in braces unless their "Last, First" form reads back the same,
// keywords holding a separator in braces, the date and the file path (folder
// and name, as JabRef writes it) with literal escapes.
QString writeBibtex(const QVector<BibtexPaper>& papers);

}  // namespace exchange
