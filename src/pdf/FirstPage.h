#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

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

// The person names in one line of an author block ("A. Smith1, B. Jones*
// and C. Wu"), without marks, e-mail addresses and joining words; empty when
// the line is not a list of names.
QStringList namesInLine(const QString& line);
// The names of a line that sets its authors' unit after a dash, on the same
// line: "许安睿  曾刚娜  ——中国矿业大学茶与食品科技学院，徐州"; empty otherwise.
QStringList namesBeforeUnit(const QString& line);
// Whether a text looks like a person's name (Latin or Chinese).
bool isPersonName(const QString& name);
// Splits a keyword list on its separators.
QStringList splitKeywords(const QString& text);
// The year of a publication found in a text, or an empty text.
QString yearIn(const QString& text);

}  // namespace pdf
