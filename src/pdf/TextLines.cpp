#include "pdf/TextLines.h"

#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace pdf {

bool isCjk(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x3000 && u <= 0x303F) ||
           (u >= 0xFF00 && u <= 0xFFEF) || (u >= 0xF900 && u <= 0xFAFF);
}

namespace {

double height(const Word& w) { return std::max(w.y1 - w.y0, 0.1); }

bool boldFont(const QString& font) {
    static const char* marks[] = {"Bold", "bold", "Black", "Heavy", "Semibold", "CMBX", "-B", "Demi", "Hei"};
    for (const char* m : marks)
        if (font.contains(QLatin1String(m))) return true;
    return false;
}

// Whether the word belongs on the line: it overlaps the line's height
// enough and follows it closely from the left.
bool continues(const Line& line, const Word& w) {
    const Word& last = line.words.last();
    const double overlap = std::min(line.y1, w.y1) - std::max(line.y0, w.y0);
    if (overlap < 0.3 * std::min(height(w), line.y1 - line.y0)) return false;
    const double size = std::max(std::max(w.size, last.size), 1.0);
    if (w.x0 < last.x1 - 0.5 * size) return false;
    const double gap = w.x0 - last.x1;
    qsizetype chars = 0;
    for (const Word& before : line.words) chars += before.text.size();
    const auto letterCount = [](const Word& x) {
        return std::count_if(x.text.begin(), x.text.end(), [](QChar c) { return c.isLetter(); });
    };
    const Word& smaller = w.size < last.size ? w : last;
    const Word& larger = w.size < last.size ? last : w;
    const bool resized = smaller.size < 0.85 * larger.size;
    const bool meet = !w.text.isEmpty() && !last.text.isEmpty();
    // Chinese and English blocks set side by side: a sentence changes script across a blank,
    // never across a wide gap (a bilingual label, "论文题目  Title", is short and stays whole),
    // nor across a blank into another size: a headword and its English gloss
    // ("秦岭南麓森林 forests of the southern Qinling slopes")
    const bool scriptChanges = meet && last.text.back().isLetter() && w.text.front().isLetter() &&
                               isCjk(last.text.back()) != isCjk(w.text.front());
    if (scriptChanges && ((gap > 0.8 * size && chars > 6) || (gap > 0.5 * size && resized))) return false;
    // a long run of Chinese text does not go on across a blank in another size: the next cell
    // begins there ("…遗存的源" | "田涛" in the authors' card beside the abstract)
    if (meet && resized && gap > 0.6 * smaller.size && chars >= 8 && w.text.size() >= 2 && isCjk(last.text.back()) &&
        isCjk(w.text.front()))
        return false;
    // a cell of small type beside a large title, across a wide gap, is a line of its own
    // ("西南传播学论坛" in the meeting's cell left of the title)
    // and so is a code in its own cell ("PU-1814" left of a poster's title)
    // (a raised mark, "1a,2", is small too but no word)
    static const QRegularExpression code(QStringLiteral("^[A-Z]{1,4}[-\\x{2010}\\x{2013}]?[0-9]{2,6}$"));
    if ((letterCount(smaller) >= 3 || code.match(smaller.text).hasMatch()) && smaller.size < 0.7 * size &&
        gap > 1.5 * smaller.size)
        return false;
    // a chapter's numeral set large in its cell beside the title ("6" / "Authority and …")
    static const QRegularExpression numeral(QStringLiteral("^(?:[0-9]{1,3}|[IVXLC]{1,6})\\.?$"));
    if (larger.size > 1.5 * smaller.size && gap > 0.5 * smaller.size && numeral.match(larger.text).hasMatch()) return false;
    // words of one line share a baseline: two runs of words a wide gap apart whose baselines
    // differ are lines of neighbouring cells (a column's note beside the byline)
    if (gap > size && letterCount(w) >= 2 && letterCount(last) >= 2 &&
        std::abs(w.y1 - last.y1) > 0.35 * std::min(w.size, last.size))
        return false;
    return gap < 2.2 * size;
}

// The TeX logos as people write them: "LATEX" -> "LaTeX", "XƎTEX" -> "XeTeX",
// unless the whole line is in capitals.
QString logos(QString text) {
    static const QRegularExpression xe(QStringLiteral("X\\x{018E}(LA)?TEX"));
    text.replace(xe, QStringLiteral("Xe\\1TEX"));
    bool lower = false;
    for (QChar c : text) lower = lower || c.isLower();
    if (!lower) return text;
    static const QRegularExpression latex(QStringLiteral("\\bLATEX"));
    static const QRegularExpression tex(QStringLiteral("\\b([A-Z]{0,5})TEX\\b"));
    text.replace(latex, QStringLiteral("LaTeX"));
    text.replace(tex, QStringLiteral("\\1TeX"));
    text.replace(QStringLiteral("XeLATeX"), QStringLiteral("XeLaTeX"));
    return text;
}

void finish(Line& line) {
    // size in tenths of a point -> characters; marks set small ("姚杰1a,2") do not count when the
    // line has other words, so that a short name's long marks do not set its size
    static const QRegularExpression markLike(
        QStringLiteral("^(?=.*[0-9*\\x{2020}\\x{2021}])[0-9a-z,;*\\x{2020}\\x{2021}]+$|^[a-z]$"));
    double largest = 0;
    for (const Word& w : line.words) largest = std::max(largest, w.size);
    QHash<int, int> chars;
    for (const Word& w : line.words)
        if (w.size >= 0.85 * largest || !markLike.match(w.text).hasMatch()) chars[int(std::lround(w.size * 10))] += int(w.text.size());
    if (chars.isEmpty())
        for (const Word& w : line.words) chars[int(std::lround(w.size * 10))] += int(w.text.size());
    int best = 0, bestCount = -1;
    for (auto it = chars.begin(); it != chars.end(); ++it)
        if (it.value() > bestCount || (it.value() == bestCount && it.key() > best)) best = it.key(), bestCount = it.value();
    line.size = best / 10.0;
    int boldChars = 0, allChars = 0;
    const Word* prev = nullptr;
    bool afterMark = false;
    double baseBottom = 0;
    for (const Word& w : line.words)
        if (std::abs(w.size - line.size) < 0.05 * line.size) baseBottom = std::max(baseBottom, w.y1);
    for (int i = 0; i < int(line.words.size()); ++i) {
        const Word& w = line.words[i];
        static const QRegularExpression markText(
            QStringLiteral("^[0-9a-z,;*?()\\x{2020}\\x{2021}\\x{00A7}\\x{00B6}\\x{2217}\\x{22C6}#\\x{2016}\\x{00AC}\\x{00AD}\\x{00AE}\\x{2662}\\x{2663}\\x{2660}\\x{2661}\\x{266E}\\x{266F}\\x{2709}]+$"));
        bool mark = w.size < 0.85 * line.size && w.y1 < baseBottom - 0.15 * line.size &&
                    (markText.match(w.text).hasMatch() || (w.text.size() == 1 && w.text != QLatin1String("+")));
        if (mark && prev && i + 1 < int(line.words.size()) && w.text.front().isUpper()) {
            // the raised small A of the LaTeX logo touches both neighbours
            const Word& next = line.words[i + 1];
            if (w.x0 - prev->x1 < 0.1 * line.size && next.x0 - w.x1 < 0.1 * line.size) mark = false;
        }
        if (prev) {
            const bool gap = w.x0 - prev->x1 > 0.2 * std::max(prev->size, w.size);
            const bool cjkJoin = !prev->text.isEmpty() && isCjk(prev->text.back()) && isCjk(w.text.front());
            if (gap || (prev->spaceAfter && !cjkJoin)) line.rawText += QLatin1Char(' ');
        }
        line.rawText += w.text;
        if (mark) {
            // keeps word boundaries: "Smith1 Jones" reads "Smith Jones"
            if (!line.text.isEmpty() && !line.text.endsWith(QLatin1Char(' '))) line.text += QLatin1Char(' ');
        } else {
            if (prev && !line.text.isEmpty() && !line.text.endsWith(QLatin1Char(' '))) {
                const bool gap = w.x0 - prev->x1 > 0.1 * std::min(prev->size, w.size);
                const bool cjkJoin = isCjk(line.text.back()) && isCjk(w.text.front());
                if (gap || (prev->spaceAfter && !cjkJoin)) line.text += QLatin1Char(' ');
            }
            // names set side by side in columns, 1.2 em or more apart; a raised mark between
            // Chinese names ends one ("张 梓1 吕 健": two names spaced out, not one of four letters),
            // and so does one between a name and the capital of the next ("A. Gupta* Paul Liu†")
            const bool cjkAfterMark = afterMark && !line.gapText.isEmpty() && isCjk(line.gapText.back()) && isCjk(w.text.front());
            const bool latinAfterMark = afterMark && !line.gapText.isEmpty() && line.gapText.back().isLetter() &&
                                        !isCjk(line.gapText.back()) && w.text.front().isUpper();
            if (prev && !line.gapText.isEmpty() &&
                (cjkAfterMark || latinAfterMark || w.x0 - prev->x1 > 1.2 * std::max(prev->size, w.size)))
                line.gapText += QStringLiteral("  ");
            else if (line.text.endsWith(QLatin1Char(' ')))
                line.gapText += QLatin1Char(' ');
            line.text += w.text;
            line.gapText += w.text;
            allChars += int(w.text.size());
            if (boldFont(w.font)) boldChars += int(w.text.size());
        }
        afterMark = mark;
        prev = &w;
    }
    line.text = logos(line.text.simplified());
    QStringList columns = line.gapText.split(QStringLiteral("  "), Qt::SkipEmptyParts);
    for (QString& c : columns) c = logos(c.simplified());
    columns.removeAll(QString());
    line.gapText = columns.join(QStringLiteral("  "));
    line.rawText = line.rawText.simplified();
    line.bold = allChars > 0 && boldChars * 2 > allChars;
}

// Which script a line is written in: 1 Chinese, 2 Latin only, 0 neither.
int scriptOf(const Line& l) {
    bool latin = false;
    for (QChar c : l.text) {
        if (!c.isLetter()) continue;
        if (isCjk(c)) return 1;
        latin = true;
    }
    return latin ? 2 : 0;
}

// A Chinese block and its English twin set side by side (title, names and
// units on the left, the same in English on the right) are read one block
// after the other, not line by line across both.
void readBlocksInTurn(QList<Line>& lines) {
    for (int i = 0; i + 1 < int(lines.size()); ++i) {
        const Line& a = lines[i];
        const Line& b = lines[i + 1];
        const double overlap = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
        const int left = scriptOf(a), right = scriptOf(b);
        if (overlap <= 0 || b.x0 <= a.x1 || left == 0 || right == 0 || left == right) continue;
        double leftEdge = a.x1, rightEdge = b.x0;
        QList<Line> lefts{a}, rights{b};
        int end = i + 2;
        for (; end < int(lines.size()); ++end) {
            const Line& l = lines[end];
            const int script = scriptOf(l);
            if (l.x1 < rightEdge && (script == left || script == 0)) {
                leftEdge = std::max(leftEdge, l.x1);
                lefts.append(l);
            } else if (l.x0 > leftEdge && (script == right || script == 0)) {
                rightEdge = std::min(rightEdge, l.x0);
                rights.append(l);
            } else {
                break;
            }
        }
        if (lefts.size() < 2 || rights.size() < 2) continue;
        for (int k = 0; k < int(lefts.size()); ++k) lines[i + k] = lefts[k];
        for (int k = 0; k < int(rights.size()); ++k) lines[i + int(lefts.size()) + k] = rights[k];
        i = end - 1;
    }
}

}  // namespace

// Words set one letter a line, down a band beside the cover ("工" / "程" / "博" / "士" …): read
// across, their letters would join the lines beside them. Four or more single Chinese letters
// stacked tight, one under the other, are left out; the letters of labels spaced out letter by
// letter ("学　号" over "密　级") have another beside them and stay.
static QList<Word> withoutVerticalText(const QList<Word>& words) {
    QList<int> singles;
    for (int i = 0; i < int(words.size()); ++i)
        if (words[i].text.size() == 1 && isCjk(words[i].text.front())) singles << i;
    if (singles.size() < 4) return words;
    // only a letter with another right over or under it can be in a band: the rest are not
    // looked at further (a page of text may hold many single letters)
    auto stacked = [&](int i) {
        const Word& w = words[i];
        return std::any_of(singles.begin(), singles.end(), [&](int j) {
            const Word& o = words[j];
            const double size = std::max({w.size, o.size, 1.0});
            return j != i && std::abs(o.x0 - w.x0) < 0.1 * size && std::max(o.y0 - w.y1, w.y0 - o.y1) < 0.6 * size;
        });
    };
    QList<int> candidates;
    for (int i : singles) {
        if (!stacked(i)) continue;
        const Word& w = words[i];
        const double size = std::max(w.size, 1.0);
        const bool labelLetter = std::any_of(words.begin(), words.end(), [&](const Word& o) {
            const bool right = o.x0 >= w.x1 && o.x0 - w.x1 < 4 * size;
            const bool left = o.x1 <= w.x0 && w.x0 - o.x1 < 4 * size;
            // (or the rest of a label spaced out across its cell: "审" … "定：朱蕾桂")
            const bool labelRest = right && o.text.size() >= 2 && isCjk(o.text.front()) &&
                                   (o.text.at(1) == QChar(0xFF1A) || o.text.at(1) == QLatin1Char(':'));
            return &o != &w && std::abs(o.y0 - w.y0) < 0.3 * size && (right || left) && (o.text.size() <= 3 || labelRest);
        });
        if (!labelLetter) candidates << i;
    }
    if (candidates.size() < 4) return words;
    std::sort(candidates.begin(), candidates.end(), [&](int a, int b) { return words[a].y0 < words[b].y0; });
    QSet<int> vertical;
    for (int start = 0; start < int(candidates.size()); ++start) {
        QList<int> chain{candidates[start]};
        for (int k = start + 1; k < int(candidates.size()); ++k) {
            const Word& last = words[chain.last()];
            const Word& next = words[candidates[k]];
            const double size = std::max(last.size, 1.0);
            if (std::abs(next.x0 - last.x0) < 0.1 * size && next.y0 - last.y1 < 0.6 * size && next.y0 > last.y0) chain << candidates[k];
        }
        if (chain.size() >= 4)
            for (int k : chain) vertical.insert(k);
    }
    if (vertical.isEmpty()) return words;
    QList<Word> out;
    for (int i = 0; i < int(words.size()); ++i)
        if (!vertical.contains(i)) out << words[i];
    return out;
}

QList<Line> groupLines(const QList<Word>& all) {
    const QList<Word> words = withoutVerticalText(all);
    QList<Line> lines;
    for (const Word& w : words) {
        bool placed = false;
        // The library's order keeps a line's words together; a raised mark may
        // come after a following word, and a cell's lines beside a row (a column of codes
        // between two names of a byline) may come in between, so look back a few lines as well.
        // (the second letter of a label spaced out across its cell, "题" … "目：…", may come much later)
        const bool labelEnd = w.text.size() >= 2 && isCjk(w.text.front()) && (w.text.at(1) == QChar(0xFF1A) || w.text.at(1) == QLatin1Char(':'));
        // (and a Chinese name after a cell of other lines, "叶亮晶" … codes … "段辉国", when it is set in
        // the type of the line's last word, on its baseline, a blank or so after it)
        const bool cjkWord = !w.text.isEmpty() && isCjk(w.text.front());
        const int back = labelEnd ? int(lines.size()) : cjkWord ? 6 : 3;
        for (int i = int(lines.size()) - 1; i >= 0 && i >= int(lines.size()) - back; --i) {
            const bool near = i >= int(lines.size()) - 3;
            const Word& last = lines[i].words.last();
            const bool likeLast = cjkWord && last.font == w.font && std::abs(last.size - w.size) < 0.05 * w.size &&
                                  std::abs(last.y1 - w.y1) < 0.1 * w.size && w.x0 > last.x1 && w.x0 - last.x1 < 1.5 * w.size;
            if (!near && !likeLast && (!labelEnd || lines[i].words.size() != 1 || lines[i].words[0].text.size() != 1)) continue;
            if (continues(lines[i], w)) {
                Line& l = lines[i];
                l.words.append(w);
                l.x0 = std::min(l.x0, w.x0);
                l.x1 = std::max(l.x1, w.x1);
                l.y0 = std::min(l.y0, w.y0);
                l.y1 = std::max(l.y1, w.y1);
                placed = true;
                break;
            }
        }
        if (!placed) {
            Line l;
            l.words.append(w);
            l.x0 = w.x0, l.x1 = w.x1, l.y0 = w.y0, l.y1 = w.y1;
            lines.append(l);
        }
    }
    for (Line& l : lines) finish(l);
    lines.removeIf([](const Line& l) { return l.text.isEmpty(); });
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return a.y0 + a.y1 < b.y0 + b.y1; });
    // Lines whose middles are on one height read left to right.
    for (int start = 0; start < int(lines.size());) {
        const double mid = (lines[start].y0 + lines[start].y1) / 2;
        const double tolerance = 0.3 * (lines[start].y1 - lines[start].y0);
        int end = start + 1;
        while (end < int(lines.size()) && (lines[end].y0 + lines[end].y1) / 2 - mid < tolerance) ++end;
        std::stable_sort(lines.begin() + start, lines.begin() + end,
                         [](const Line& a, const Line& b) { return a.x0 < b.x0; });
        start = end;
    }
    readBlocksInTurn(lines);
    return lines;
}

int weightedLetters(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isLetter() ? (isCjk(c) ? 2 : 1) : 0;
    return n;
}

QString joinTitle(const QStringList& parts) {
    QString out;
    for (const QString& p : parts) {
        if (out.isEmpty()) {
            out = p;
        } else if (out.endsWith(QLatin1Char('-')) && out.size() > 1 && out[out.size() - 2].isLetter() &&
                   !p.isEmpty() && p[0].isLower()) {
            out.chop(1);
            out += p;
        } else if (out.endsWith(QLatin1Char('-')) && out.size() > 1 && out[out.size() - 2].isLetter() && !p.isEmpty() &&
                   p[0].isUpper()) {
            out += p;  // a compound broken at its hyphen: "Self-" + "Supervised"
        } else if (isCjk(out.back()) || (!p.isEmpty() && isCjk(p.front()))) {
            out += p;  // Chinese lines break without a blank
        } else {
            out += QLatin1Char(' ') + p;
        }
    }
    return out.simplified();
}

bool onSameRow(const Line& a, const Line& ref) {
    return std::abs((a.y0 + a.y1) - (ref.y0 + ref.y1)) / 2 < 0.4 * (ref.y1 - ref.y0);
}

}  // namespace pdf
