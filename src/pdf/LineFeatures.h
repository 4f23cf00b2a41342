#pragma once

#include <QList>
#include <QStringList>
#include <vector>

#include "pdf/TextLines.h"

namespace pdf {

// What a line of a first page is, as the line classifier tells them apart.
enum class LineKind { Other = 0, Title, Author, Affiliation, Keywords, Date, Furniture };
constexpr int kLineKinds = 7;

// The layout of each line as numbers, one row per line: its size and the
// rank of its size on the page, bold, capitals, place, centring, gaps, length,
// share of Chinese, digits, marks, label words, and the same of the lines
// before and after it. The reader and the trainer both take them from here.
class LineFeatures {
public:
    LineFeatures(const QList<Line>& lines, double pageWidth, double pageHeight);

    static const QStringList& names();
    static int count() { return int(names().size()); }

    int rows() const { return rows_; }
    // rows() x count() values, row after row
    const std::vector<float>& values() const { return values_; }
    const float* row(int i) const { return values_.data() + size_t(i) * size_t(count()); }

private:
    int rows_ = 0;
    std::vector<float> values_;
};

}  // namespace pdf
