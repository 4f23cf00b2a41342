#pragma once

#include <QString>
#include <QStringList>

#include "pdf/PdfFacts.h"

namespace pdf {

// The document information and XMP metadata, as far as they are plausible:
// a title that is not "untitled" or a word processor's file name, authors
// that are names rather than an account.
struct MetaReading {
    QString title;
    QStringList authors;
    QStringList keywords;
    QString year;  // of the creation date
};

MetaReading readMetadata(const PdfFacts& facts);
bool plausibleTitle(const QString& title);

}  // namespace pdf
