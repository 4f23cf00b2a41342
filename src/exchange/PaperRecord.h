#pragma once

#include <QString>
#include <QStringList>

namespace exchange {

// One paper as read from outside the catalogue (a BibTeX, RIS or CSV entry,
// or a PDF file), before it is checked and written through the entry logic.
// Readers fill what they found; the preview decides what can be imported.
struct PaperRecord {
    QString sourceKey;     // citation key, RIS ID, CSV row, or the PDF's path
    int line = 0;          // line of the file where the entry starts (1-based), 0 when none
    QString title;
    QStringList authors;   // in order; the first is the first author
    QString date;          // "YYYY-MM-DD", "YYYY-MM" or "YYYY"
    QStringList keywords;
    QString category;
    QString remark;
    QString filename;      // file name of the paper's document
    QString dir;           // folder that holds it
    QStringList warnings;  // things the user should look at; the entry can still be imported
    QString error;         // set when the entry could not be read at all
};

}  // namespace exchange
