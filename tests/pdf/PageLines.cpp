#include "pdf/PageLines.h"

namespace pagelines {

using K = pdf::LineKind;

pdf::Word word(const QString& text, double x, double y, double size) {
    const double w = text.size() * size * (text.front().unicode() > 0x2E80 ? 1.0 : 0.5);
    return pdf::Word{text, x, y - size, x + w, y, size, QStringLiteral("Serif"), true};
}

QList<pdf::Word> row(const QStringList& words, double x, double y, double size) {
    QList<pdf::Word> out;
    for (const QString& w : words) {
        out << word(w, x, y, size);
        x = out.last().x1 + 0.3 * size;
    }
    return out;
}

QList<pdf::Line> page(const QList<QList<pdf::Word>>& rows) {
    QList<pdf::Word> words;
    for (const auto& r : rows) words << r;
    return pdf::groupLines(words);
}

std::vector<float> titleFirst(int lines) {
    std::vector<float> out;
    for (int l = 0; l < lines; ++l)
        for (int k = 0; k < pdf::kLineKinds; ++k)
            out.push_back(k == int(l == 0 ? K::Title : K::Other) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    return out;
}

pdf::PageReading read(const QList<pdf::Line>& lines) { return pdf::readFirstPage(lines, 842, titleFirst(int(lines.size()))); }

pdf::PageReading readTitled(const QList<pdf::Line>& lines, const QStringList& titles) {
    std::vector<float> kinds;
    for (const auto& l : lines)
        for (int k = 0; k < pdf::kLineKinds; ++k)
            kinds.push_back(k == int(titles.contains(l.text) ? K::Title : K::Other) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    return pdf::readFirstPage(lines, 842, kinds);
}

}  // namespace pagelines
