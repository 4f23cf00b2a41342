#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace pdf {

// One word of a page as the PDF library reports it: its text and box in page
// points (origin top left, y downwards), its font size and font name.
struct Word {
    QString text;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double size = 0;
    QString font;
    bool spaceAfter = false;
};

// What the reader process takes from one file: the document information,
// the XMP packet and the words of the first page. No judgement yet.
struct PdfFacts {
    QString path;
    QString error;  // set when the file could not be read
    int pages = 0;
    double pageWidth = 0, pageHeight = 0;
    QString title, author, subject, keywords, creator, producer, creationDate;
    QString xmp;
    QList<Word> words;
    QString marginText;  // words set sideways on the first page (an arXiv stamp), one line
};

// One line of the reader process's answer (JSON, no line breaks) and back.
QByteArray toJsonLine(const PdfFacts& facts);
// A line that is not an answer gives facts with an error.
PdfFacts fromJsonLine(const QByteArray& line);

}  // namespace pdf
