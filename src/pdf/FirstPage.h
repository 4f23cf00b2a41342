#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "pdf/PersonNames.h"
#include "pdf/TextLines.h"

namespace pdf {

// What the first page shows: the title and author lines as the line
// classifier marked them (kinds: a row of kLineKinds likelihoods per line),
// assembled in reading order; the keywords a "Keywords"/"Index Terms"/"关键词"
// line, the year a copyright, conference or date line.
struct PageReading {
    QString title;
    QStringList authors;
    QStringList keywords;
    QString year;
};

PageReading readFirstPage(const QList<Line>& lines, double pageHeight, const std::vector<float>& kinds);

// Splits a keyword list on its separators.
QStringList splitKeywords(const QString& text);
// The year of a publication found in a text, or an empty text.
QString yearIn(const QString& text);

}  // namespace pdf
