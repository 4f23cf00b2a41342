#include "pdf/LineFeatures.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "pdf/FirstPage.h"
#include "pdf/LineWords.h"

namespace pdf {
namespace {

using RE = QRegularExpression;

// The line's own features, in this order.
const QStringList kOwn = {
    QStringLiteral("size"),        QStringLiteral("size_rel_max"), QStringLiteral("size_rel_body"),
    QStringLiteral("size_rank"),   QStringLiteral("larger_above"), QStringLiteral("bold"),
    QStringLiteral("caps"),        QStringLiteral("capital_words"), QStringLiteral("top"),
    QStringLiteral("height"),      QStringLiteral("left"),         QStringLiteral("right"),
    QStringLiteral("width"),       QStringLiteral("centre_offset"), QStringLiteral("margin_balance"),
    QStringLiteral("gap_above"),   QStringLiteral("gap_below"),    QStringLiteral("chars"),
    QStringLiteral("words"),       QStringLiteral("cjk"),          QStringLiteral("digits"),
    QStringLiteral("punct"),       QStringLiteral("marks"),        QStringLiteral("at"),
    QStringLiteral("orcid"),       QStringLiteral("commas"),       QStringLiteral("joiners"),
    QStringLiteral("names"),       QStringLiteral("person_name"),  QStringLiteral("affiliation"),
    QStringLiteral("furniture"),   QStringLiteral("section"),      QStringLiteral("date"),
    QStringLiteral("year"),        QStringLiteral("label"),        QStringLiteral("bracket"),
    QStringLiteral("index_rel"),   QStringLiteral("index"),        QStringLiteral("from_largest"),
    QStringLiteral("block_lines"), QStringLiteral("block_pos"),    QStringLiteral("row_lines"),
    QStringLiteral("row_pos"),     QStringLiteral("ends_stop"),    QStringLiteral("other_script"),
    QStringLiteral("left_label"),  QStringLiteral("email_words"),  QStringLiteral("upper_half_largest"),
    QStringLiteral("title_case"),  QStringLiteral("lower_start"),  QStringLiteral("mark_share"),
    QStringLiteral("style_names"), QStringLiteral("row_names"),    QStringLiteral("style_affiliations"),
};
// The features of a neighbour that are copied beside the line's own.
const QStringList kNear = {
    QStringLiteral("size_rel_max"), QStringLiteral("bold"), QStringLiteral("cjk"), QStringLiteral("label"),
    QStringLiteral("names"),        QStringLiteral("affiliation"), QStringLiteral("date"), QStringLiteral("at"),
    QStringLiteral("gap_above"),    QStringLiteral("chars"), QStringLiteral("marks"), QStringLiteral("section"),
    QStringLiteral("furniture"),    QStringLiteral("person_name"),
};
// Neighbours: the lines before and after in reading order, and two further.
const QStringList kWhere = {QStringLiteral("prev"), QStringLiteral("next"), QStringLiteral("prev2"),
                            QStringLiteral("next2")};

int letters(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isLetter() ? 1 : 0;
    return n;
}

double mid(const Line& l) { return (l.y0 + l.y1) / 2; }

// Sizes rounded to half a point, for ranks and the body size.
int sizeKey(double size) { return int(std::lround(size * 2)); }

}  // namespace

const QStringList& LineFeatures::names() {
    static const QStringList all = [] {
        QStringList n = kOwn;
        for (const QString& w : kWhere)
            for (const QString& f : kNear) n << w + QLatin1Char('_') + f;
        n << QStringLiteral("size_ratio_prev") << QStringLiteral("size_ratio_next") << QStringLiteral("page_cjk")
          << QStringLiteral("page_lines") << QStringLiteral("page_sizes");
        return n;
    }();
    return all;
}

LineFeatures::LineFeatures(const QList<Line>& lines, double pageWidth, double pageHeight) {
    const int n = int(lines.size());
    rows_ = n;
    const int cols = count();
    values_.assign(size_t(n) * size_t(cols), 0.0f);
    if (n == 0) return;
    const double w = pageWidth > 0 ? pageWidth : 595;
    const double h = pageHeight > 0 ? pageHeight : 842;

    // Page-wide facts: the largest size, the body size (most characters),
    // the ranks of the sizes, the share of Chinese.
    double maxSize = 0, maxUpper = 0;
    QHash<int, int> charsBySize;
    int cjkChars = 0, allChars = 0;
    for (const Line& l : lines) {
        maxSize = std::max(maxSize, l.size);
        if (l.y0 < 0.5 * h && letters(l.text) >= 3) maxUpper = std::max(maxUpper, l.size);
        charsBySize[sizeKey(l.size)] += int(l.text.size());
        for (QChar c : l.text) {
            cjkChars += isCjk(c) && c.isLetter();
            allChars += !c.isSpace();
        }
    }
    int bodyKey = 0, bodyChars = -1;
    for (auto it = charsBySize.begin(); it != charsBySize.end(); ++it)
        if (it.value() > bodyChars || (it.value() == bodyChars && it.key() < bodyKey)) bodyKey = it.key(), bodyChars = it.value();
    QList<int> sizes = charsBySize.keys();
    std::sort(sizes.begin(), sizes.end(), std::greater<int>());
    const double bodySize = std::max(bodyKey / 2.0, 1.0);
    const double pageCjk = allChars ? double(cjkChars) / allChars : 0;
    int firstLargest = 0;
    for (int i = 0; i < n; ++i)
        if (lines[i].size >= 0.97 * maxUpper && letters(lines[i].text) >= 3) {
            firstLargest = i;
            break;
        }

    // The line's own features.
    const int ownCount = int(kOwn.size());
    std::vector<float> own(size_t(n) * size_t(ownCount), 0.0f);
    static const QHash<QString, int> column = [] {
        QHash<QString, int> c;
        for (int k = 0; k < int(kOwn.size()); ++k) c.insert(kOwn[k], k);
        return c;
    }();
    auto ownAt = [&](int i, const QString& name) -> float& { return own[size_t(i) * ownCount + size_t(column.value(name))]; };
    static const RE email(QStringLiteral("e-?mail|邮箱|电子邮件"), RE::CaseInsensitiveOption);
    static const RE year(QStringLiteral("\\b(19|20)\\d\\d\\b|(19|20)\\d\\d年"));
    static const RE orcid(QStringLiteral("\\d{4}-\\d{4}-\\d{4}-\\d{3}[\\dX]"));
    static const RE joiner(QStringLiteral("\\band\\b|&|、|，|和|与"));
    for (int i = 0; i < n; ++i) {
        const Line& l = lines[i];
        const QString& t = l.text;
        int upper = 0, lower = 0, digits = 0, punct = 0, cjk = 0, chars = 0;
        for (QChar c : t) {
            if (c.isSpace()) continue;
            ++chars;
            if (isCjk(c) && c.isLetter()) ++cjk;
            else if (c.isUpper()) ++upper;
            else if (c.isLower()) ++lower;
            else if (c.isDigit()) ++digits;
            else if (c.isPunct() || c.isSymbol()) ++punct;
        }
        const QStringList words = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        int capitalWords = 0, longWords = 0, titleCase = 0;
        for (const QString& word : words) {
            if (word.front().isUpper()) ++capitalWords;
            if (word.size() > 3) {
                ++longWords;
                if (word.front().isUpper()) ++titleCase;
            }
        }
        const double size = std::max(l.size, 1.0);
        int rank = int(sizes.indexOf(sizeKey(l.size)));
        int largerAbove = 0;
        for (int j = 0; j < i; ++j) largerAbove += lines[j].size > 1.05 * l.size;
        const double gapAbove = i > 0 ? (l.y0 - lines[i - 1].y1) / size : 20;
        const double gapBelow = i + 1 < n ? (lines[i + 1].y0 - l.y1) / size : 20;
        // a block: neighbouring lines of one size with small gaps between them
        auto sameBlock = [&](int a, int b) {
            return std::abs(lines[a].size - lines[b].size) <= 0.05 * std::max(lines[a].size, 1.0) &&
                   lines[b].y0 - lines[a].y1 < 1.2 * std::max(lines[a].size, 1.0) && lines[b].y0 >= lines[a].y0;
        };
        int blockStart = i, blockEnd = i;
        while (blockStart > 0 && sameBlock(blockStart - 1, blockStart)) --blockStart;
        while (blockEnd + 1 < n && sameBlock(blockEnd, blockEnd + 1)) ++blockEnd;
        // a row: lines whose middles are on one height (author grids, label and value)
        int rowLines = 0, rowPos = 0;
        const double tolerance = 0.4 * std::max(l.y1 - l.y0, 1.0);
        int leftOf = -1;
        for (int j = 0; j < n; ++j) {
            if (std::abs(mid(lines[j]) - mid(l)) > tolerance) continue;
            ++rowLines;
            if (lines[j].x0 < l.x0) {
                ++rowPos;
                if (leftOf < 0 || lines[j].x0 > lines[leftOf].x0) leftOf = j;
            }
        }
        const int rawChars = int(l.rawText.size()), textChars = int(t.size());
        int marks = 0;
        for (const Word& word : l.words) marks += !t.contains(word.text);
        const LineLabel label = labelOf(t);

        ownAt(i, QStringLiteral("size")) = float(l.size);
        ownAt(i, QStringLiteral("size_rel_max")) = float(l.size / std::max(maxSize, 1.0));
        ownAt(i, QStringLiteral("size_rel_body")) = float(l.size / bodySize);
        ownAt(i, QStringLiteral("size_rank")) = float(std::max(rank, 0));
        ownAt(i, QStringLiteral("larger_above")) = float(std::min(largerAbove, 30));
        ownAt(i, QStringLiteral("bold")) = l.bold;
        ownAt(i, QStringLiteral("caps")) = float(upper + lower ? double(upper) / (upper + lower) : 0);
        ownAt(i, QStringLiteral("capital_words")) = float(words.isEmpty() ? 0 : double(capitalWords) / words.size());
        ownAt(i, QStringLiteral("top")) = float(l.y0 / h);
        ownAt(i, QStringLiteral("height")) = float((l.y1 - l.y0) / h);
        ownAt(i, QStringLiteral("left")) = float(l.x0 / w);
        ownAt(i, QStringLiteral("right")) = float(l.x1 / w);
        ownAt(i, QStringLiteral("width")) = float((l.x1 - l.x0) / w);
        ownAt(i, QStringLiteral("centre_offset")) = float(((l.x0 + l.x1) / 2 - w / 2) / w);
        ownAt(i, QStringLiteral("margin_balance")) = float(std::abs(l.x0 - (w - l.x1)) / w);
        ownAt(i, QStringLiteral("gap_above")) = float(std::clamp(gapAbove, -5.0, 20.0));
        ownAt(i, QStringLiteral("gap_below")) = float(std::clamp(gapBelow, -5.0, 20.0));
        ownAt(i, QStringLiteral("chars")) = float(chars);
        ownAt(i, QStringLiteral("words")) = float(words.size());
        ownAt(i, QStringLiteral("cjk")) = float(chars ? double(cjk) / chars : 0);
        ownAt(i, QStringLiteral("digits")) = float(chars ? double(digits) / chars : 0);
        ownAt(i, QStringLiteral("punct")) = float(chars ? double(punct) / chars : 0);
        ownAt(i, QStringLiteral("marks")) = float(marks);
        ownAt(i, QStringLiteral("at")) = t.contains(QLatin1Char('@'));
        ownAt(i, QStringLiteral("orcid")) = l.rawText.contains(QLatin1String("orcid"), Qt::CaseInsensitive) ||
                                            l.rawText.contains(orcid);
        ownAt(i, QStringLiteral("commas")) = float(t.count(QLatin1Char(',')) + t.count(QChar(0xFF0C)) + t.count(QChar(0x3001)));
        ownAt(i, QStringLiteral("joiners")) = float(t.count(joiner));
        ownAt(i, QStringLiteral("names")) = t.size() > 200 ? 0.0f : float(namesInLine(withoutLabel(t)).size());
        ownAt(i, QStringLiteral("person_name")) = isPersonName(withoutLabel(t));
        ownAt(i, QStringLiteral("affiliation")) = isAffiliation(t);
        ownAt(i, QStringLiteral("furniture")) = isPageFurniture(t);
        ownAt(i, QStringLiteral("section")) = startsSection(t);
        ownAt(i, QStringLiteral("date")) = isDateLine(t);
        ownAt(i, QStringLiteral("year")) = t.contains(year);
        ownAt(i, QStringLiteral("label")) = float(int(label));
        ownAt(i, QStringLiteral("bracket")) = t.startsWith(QLatin1Char('(')) || t.startsWith(QChar(0xFF08)) ||
                                              t.startsWith(QLatin1Char('['));
        ownAt(i, QStringLiteral("index_rel")) = float(double(i) / n);
        ownAt(i, QStringLiteral("index")) = float(std::min(i, 80));
        ownAt(i, QStringLiteral("from_largest")) = float(std::clamp(i - firstLargest, -30, 30));
        ownAt(i, QStringLiteral("block_lines")) = float(blockEnd - blockStart + 1);
        ownAt(i, QStringLiteral("block_pos")) = float(i - blockStart);
        ownAt(i, QStringLiteral("row_lines")) = float(rowLines);
        ownAt(i, QStringLiteral("row_pos")) = float(rowPos);
        ownAt(i, QStringLiteral("ends_stop")) = t.endsWith(QLatin1Char('.')) || t.endsWith(QChar(0x3002)) ||
                                                t.endsWith(QLatin1Char(':')) || t.endsWith(QChar(0xFF1A));
        ownAt(i, QStringLiteral("other_script")) = (pageCjk > 0.3 && cjk * 5 < chars) || (pageCjk < 0.1 && cjk * 2 > chars);
        ownAt(i, QStringLiteral("left_label")) = leftOf >= 0 ? float(int(labelOf(lines[leftOf].text))) : -1.0f;
        ownAt(i, QStringLiteral("email_words")) = t.contains(email);
        ownAt(i, QStringLiteral("upper_half_largest")) = l.y0 < 0.5 * h && l.size >= 0.97 * maxUpper;
        ownAt(i, QStringLiteral("title_case")) = float(longWords ? double(titleCase) / longWords : 0);
        ownAt(i, QStringLiteral("lower_start")) = !t.isEmpty() && t.front().isLower();
        ownAt(i, QStringLiteral("mark_share")) = float(rawChars ? double(rawChars - textChars) / rawChars : 0);
    }

    // Lines set like this one nearby (same size and weight, within a sixth of the page) that hold
    // names or affiliations, and names on its row: an author grid repeats its type.
    for (int i = 0; i < n; ++i) {
        int styleNames = 0, styleAffiliations = 0, rowNames = 0;
        const double tolerance = 0.4 * std::max(lines[i].y1 - lines[i].y0, 1.0);
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const bool names = ownAt(j, QStringLiteral("names")) > 0;
            if (std::abs(mid(lines[j]) - mid(lines[i])) <= tolerance) rowNames += names;
            if (std::abs(lines[j].size - lines[i].size) > 0.05 * std::max(lines[i].size, 1.0) ||
                lines[j].bold != lines[i].bold || std::abs(lines[j].y0 - lines[i].y0) > h / 6)
                continue;
            styleNames += names;
            styleAffiliations += ownAt(j, QStringLiteral("affiliation")) > 0;
        }
        ownAt(i, QStringLiteral("style_names")) = float(std::min(styleNames, 10));
        ownAt(i, QStringLiteral("row_names")) = float(std::min(rowNames, 10));
        ownAt(i, QStringLiteral("style_affiliations")) = float(std::min(styleAffiliations, 10));
    }

    // Rows: own features, the neighbours', page facts.
    QList<int> nearIndex;
    for (const QString& f : kNear) nearIndex << int(kOwn.indexOf(f));
    const int offsets[] = {-1, 1, -2, 2};
    for (int i = 0; i < n; ++i) {
        float* out = values_.data() + size_t(i) * cols;
        std::copy(own.begin() + i * ownCount, own.begin() + (i + 1) * ownCount, out);
        int c = ownCount;
        for (int o : offsets) {
            const int j = i + o;
            for (int k : nearIndex) out[c++] = (j >= 0 && j < n) ? own[size_t(j) * ownCount + k] : -1.0f;
        }
        out[c++] = i > 0 ? float(lines[i].size / std::max(lines[i - 1].size, 1.0)) : 0.0f;
        out[c++] = i + 1 < n ? float(lines[i].size / std::max(lines[i + 1].size, 1.0)) : 0.0f;
        out[c++] = float(pageCjk);
        out[c++] = float(n);
        out[c++] = float(sizes.size());
    }
}

}  // namespace pdf
