#pragma once

// Pages of words laid out by hand, grouped into lines as the reader groups
// them, and read with the line kinds a test chooses instead of a model's.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "pdf/FirstPage.h"
#include "pdf/LineFeatures.h"
#include "pdf/TextLines.h"

namespace pagelines {

// One word at x whose baseline is at y, about as wide as its type makes it.
pdf::Word word(const QString& text, double x, double y, double size);
// Words laid out one after another on a row, a blank's width apart.
QList<pdf::Word> row(const QStringList& words, double x, double y, double size);
// The rows' words grouped into lines.
QList<pdf::Line> page(const QList<QList<pdf::Word>>& rows);

// Likelihoods that make the first line the title and every other line "other".
std::vector<float> titleFirst(int lines);
pdf::PageReading read(const QList<pdf::Line>& lines);
// The same, with the lines of the given texts taken for title lines.
pdf::PageReading readTitled(const QList<pdf::Line>& lines, const QStringList& titles);

// Likelihoods that make each line the kind the given rule says.
template <typename Rule>
pdf::PageReading readAs(const QList<pdf::Line>& lines, Rule kindOfLine) {
    std::vector<float> kinds;
    for (int i = 0; i < int(lines.size()); ++i)
        for (int k = 0; k < pdf::kLineKinds; ++k)
            kinds.push_back(k == int(kindOfLine(i)) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    return pdf::readFirstPage(lines, 842, kinds);
}

}  // namespace pagelines
