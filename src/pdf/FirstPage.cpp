#include "pdf/FirstPage.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace pdf {
namespace {

using RE = QRegularExpression;

int letters(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isLetter() ? (isCjk(c) ? 2 : 1) : 0;
    return n;
}

bool hasCjk(const QString& s) { return std::any_of(s.begin(), s.end(), [](QChar c) { return isCjk(c) && c.isLetter(); }); }

// Running heads, journal lines and stamps that are not the title.
bool isPageFurniture(const QString& text) {
    static const RE re(QStringLiteral(
                           "^(arxiv|preprint|submitted|accepted|published|journal of|proceedings|vol\\.|volume|doi|"
                           "https?:|www\\.|issn|isbn|copyright|©|manuscript|received|draft|to appear|technical report|"
                           "page \\d|ieee transactions|acm reference|pacs|msc|\\d+\\s*$)|"
                           "^((research|original|review) )?(article|letter|paper|report|communication)$"),
                       RE::CaseInsensitiveOption);
    if (re.match(text).hasMatch()) return true;
    // a paper number or a running head of one word: "IMECE2023-XXXX"
    if (!text.contains(QLatin1Char(' ')) && !hasCjk(text)) return true;
    return false;
}

bool startsSection(const QString& text) {
    static const RE re(QStringLiteral("^(abstract|a b s t r a c t|summary|摘\\s*要|key\\s*words|keywords|index terms|"
                                      "关键词|关键字|introduction|contents|目\\s*录|[1I]\\.?\\s+introduction|"
                                      "1\\s+引言|引言|一、|article info|a r t i c l e)"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

bool isAffiliation(const QString& text) {
    static const RE re(
        QStringLiteral("\\b(universit|institut|department|dept\\b|laborator|lab\\b|school|college|cent(er|re)\\b|faculty|"
                       "academy|inc\\b|corp|ltd|gmbh|research|hospital|observatory|foundation|division|street|road|"
                       "avenue|campus|usa\\b|u\\.s\\.a|china\\b|germany|france|japan|canada|italy|spain|"
                       "kingdom|australia|netherlands|switzerland|sweden|india|korea|brazil|email|e-mail|corresponding|"
                       "equal contribution|these authors|affiliat|society|association|agency|journals?|editors?|"
                       "highway|drive|boulevard|blvd|lane|parkway|suite|box\\b|company|organi[sz]ation)|大学|学院|研究所|研究院|实验室|系|公司|中心|学校|"
                       "邮编|省|市|区|通讯作者|电子邮件|邮箱"),
        RE::CaseInsensitiveOption);
    return re.match(text).hasMatch() || text.contains(QLatin1Char('@'));
}

// Lines under the title that are not authors but do not end the block.
bool isNoiseUnderTitle(const QString& text) {
    static const RE re(QStringLiteral("^(\\(|（|\\[|received|accepted|published|date|version|submitted|revised|"
                                      "communicated|dedicated|in memory|to appear|supervisor|advisor|draft|preprint|"
                                      "http|doi|arxiv|orcid|\\d)"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
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
        } else if (isCjk(out.back()) || (!p.isEmpty() && isCjk(p.front()))) {
            out += p;  // Chinese lines break without a blank
        } else {
            out += QLatin1Char(' ') + p;
        }
    }
    return out.simplified();
}

bool isDateLine(const QString& text) {
    static const RE re(QStringLiteral("(19|20)\\d\\d\\s*年|(19|20)\\d\\d\\s*[/.-]\\s*\\d{1,2}|\\d{1,2},?\\s+(19|20)\\d\\d|"
                                      "\\b(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\.?\\s+\\d|"
                                      "\\b\\d{1,2}\\s+(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\b"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

}  // namespace

bool isPersonName(const QString& name) {
    const QString n = name.trimmed();
    if (n.isEmpty()) return false;
    if (hasCjk(n)) {
        static const RE cjk(QStringLiteral("^[\\x{3400}-\\x{9FFF}][\\x{3400}-\\x{9FFF}·•]{1,5}$"));
        return cjk.match(n).hasMatch() && !isAffiliation(n);
    }
    if (isAffiliation(n)) return false;
    static const RE particle(QStringLiteral("^(van|von|de|der|den|da|di|del|della|la|le|du|dos|das|ten|ter|bin|al|el|y|zu)$"));
    static const RE token(QStringLiteral("^(\\p{Lu}[\\p{L}'’\\-]*\\.?|\\p{Lu}\\.(-?\\p{Lu}\\.)*|\\p{Lu}\\.-\\p{Lu}\\.?)$"));
    const QStringList tokens = n.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 2 || tokens.size() > 5) return false;
    int proper = 0;
    for (const QString& t : tokens) {
        if (t.size() > 20) return false;
        if (particle.match(t).hasMatch()) continue;
        if (!token.match(t).hasMatch()) return false;
        ++proper;
    }
    if (proper < 2) return false;
    // the last name is a word, not an initial
    return !tokens.last().endsWith(QLatin1Char('.')) || tokens.last().size() > 3;
}

QStringList namesInLine(const QString& line) {
    if (isDateLine(line) || line.startsWith(QLatin1Char('(')) || line.startsWith(QChar(0xFF08))) return {};
    QString s = line;
    static const RE email(QStringLiteral("\\S+@\\S+"));
    static const RE ieee(QStringLiteral(",?\\s*(Senior |Student |Life |Graduate Student |Associate )?(Member|Fellow),?\\s*"
                                        "(IEEE|ASCE|ASME|AIAA|SPIE|OSA|ACM|APS|SIAM)"),
                         RE::CaseInsensitiveOption);
    static const RE role(QStringLiteral("\\s*(编写|编著|主编|著|译|翻译|整理|撰写|执笔)(?=$|[\\s,，、;；])"));
    static const RE marks(QStringLiteral("[0-9*†‡§¶∗⋆#✉✝♮♯♭♠♣♥♦⋄◦•∙⁎⁑⸸]|\\bORCID\\b|\\biD\\b|\\(\\s*\\)|（\\s*）"));
    static const RE by(QStringLiteral("^(by|authors?:|作者[:：]?)\\s+"), RE::CaseInsensitiveOption);
    s.remove(email);
    s.remove(ieee);
    s.remove(role);
    s.remove(marks);
    s.remove(by);
    static const RE sep(QStringLiteral("\\s*(?:,|;|，|、|；|\\band\\b|\\bund\\b|\\bet\\b|&|\\s·\\s|\\s{2,}|\\x{3000}|和|与)\\s*"));
    QStringList parts = s.split(sep, Qt::SkipEmptyParts);
    QStringList names;
    for (QString p : parts) {
        p = p.trimmed();
        while (!p.isEmpty() && (p.back().isPunct() || p.back().isSymbol()) && p.back() != QLatin1Char('.'))
            p.chop(1);
        while (!p.isEmpty() && (p.front().isPunct() || p.front().isSymbol())) p.remove(0, 1);
        p = p.simplified();
        if (p.isEmpty()) continue;
        if (hasCjk(p) && p.contains(QLatin1Char(' '))) {
            // Chinese names set apart by blanks: "张三 李四"; "张 三" is one name.
            const QStringList bits = p.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (std::all_of(bits.begin(), bits.end(), [](const QString& b) { return b.size() >= 2; })) {
                for (const QString& b : bits) {
                    if (!isPersonName(b)) return {};
                    names << b;
                }
                continue;
            }
            p.remove(QLatin1Char(' '));
        }
        // a trailing one-letter affiliation mark set on the baseline: "Smith a"
        static const RE tailMark(QStringLiteral("\\s[a-z]$"));
        p.remove(tailMark);
        if (!isPersonName(p)) {
            // names followed by their affiliation on the same line
            if (!names.isEmpty() && isAffiliation(p)) return names;
            return {};
        }
        names << p;
    }
    return names;
}

QStringList splitKeywords(const QString& text) {
    static const RE sep(QStringLiteral("\\s*(?:;|,|，|；|、|·|•|\\s{3,}|\\s—\\s|\\x{3000})\\s*"));
    QStringList out;
    for (QString k : text.split(sep, Qt::SkipEmptyParts)) {
        k = k.trimmed();
        while (!k.isEmpty() && (k.back() == QLatin1Char('.') || k.back() == QChar(0x3002))) k.chop(1);
        if (!k.isEmpty()) out << k.simplified();
    }
    return out;
}

QString yearIn(const QString& text) {
    const int latest = QDate::currentDate().year() + 1;
    auto ok = [&](const QString& y) { return y.toInt() >= 1900 && y.toInt() <= latest; };
    static const RE copyright(QStringLiteral("(?:©|\\(c\\)|copyright)[^0-9]{0,40}((?:19|20)\\d\\d)"),
                              RE::CaseInsensitiveOption);
    static const RE chinese(QStringLiteral("((?:19|20)\\d\\d)\\s*年"));
    static const RE dated(QStringLiteral("(?:jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\.?\\s+(?:\\d{1,2},?\\s+)?"
                                         "((?:19|20)\\d\\d)|\\b\\d{1,2}\\s+(?:jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|"
                                         "dec)[a-z]*\\.?\\s+((?:19|20)\\d\\d)|\\b((?:19|20)\\d\\d)[-/.]\\d{1,2}[-/.]\\d{1,2}\\b"),
                             RE::CaseInsensitiveOption);
    static const RE event(QStringLiteral("(?:conference|proceedings|symposium|workshop|journal|vol\\.|volume|"
                                         "transactions|received|published|accepted)[^\\n]*?\\b((?:19|20)\\d\\d)\\b"),
                          RE::CaseInsensitiveOption);
    for (const RE* re : {&copyright, &chinese, &dated, &event}) {
        auto it = re->globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            for (int g = 1; g <= m.lastCapturedIndex(); ++g)
                if (!m.captured(g).isEmpty() && ok(m.captured(g))) return m.captured(g);
        }
    }
    return {};
}

PageReading readFirstPage(const QList<Line>& lines, double pageHeight) {
    PageReading r;
    if (lines.isEmpty()) return r;
    const double h = pageHeight > 0 ? pageHeight : 842;

    // Title: the largest text in the upper part of the page.
    auto candidate = [&](const Line& l) { return l.y0 < 0.6 * h && letters(l.text) >= 4 && !isPageFurniture(l.text); };
    double maxSize = 0;
    for (const Line& l : lines)
        if (candidate(l)) maxSize = std::max(maxSize, l.size);
    int first = -1;
    for (int i = 0; i < int(lines.size()) && maxSize > 0; ++i)
        if (candidate(lines[i]) && lines[i].size >= 0.97 * maxSize) {
            first = i;
            break;
        }
    auto titleSized = [&](const Line& l, double tolerance) { return std::abs(l.size - maxSize) <= tolerance * maxSize; };
    int titleEnd = first;  // index of the last title line
    if (first >= 0) {
        // a title line set a little smaller just above the largest one
        while (first > 0 && titleSized(lines[first - 1], 0.12) && candidate(lines[first - 1]) &&
               lines[first].y0 - lines[first - 1].y1 < 0.8 * maxSize)
            --first;
        QStringList parts{lines[first].text};
        double bottom = lines[first].y1;
        for (int i = first + 1; i < int(lines.size()); ++i) {
            const Line& l = lines[i];
            if (!titleSized(l, 0.05) || l.bold != lines[first].bold) {
                // a line of a side column beside the title does not end it
                if (l.y0 < bottom - 0.2 * maxSize) continue;
                break;
            }
            if (l.y0 - bottom > 1.0 * maxSize) break;
            parts << l.text;
            bottom = std::max(bottom, l.y1);
            titleEnd = i;
        }
        r.title = joinTitle(parts);
        static const RE trailingMark(QStringLiteral("[*∗†‡§¶⋆]+$"));
        r.title.remove(trailingMark);
        r.title = r.title.trimmed();

        // Authors: the name lines under the title, before the abstract.
        const double titleBottom = bottom;
        bool sawNames = false;
        int misses = 0;
        double lastNames = titleBottom;  // bottom of the last line with names
        for (int i = titleEnd + 1; i < int(lines.size()); ++i) {
            const Line& l = lines[i];
            if (l.y0 < titleBottom - 0.2 * maxSize) continue;
            if (l.y0 > 0.75 * h || startsSection(l.text)) break;
            // the author block follows the title closely and has no wide gaps
            if (!sawNames && l.y0 - titleBottom > 0.25 * h) break;
            if (sawNames && l.y0 - lastNames > 6 * l.size) break;
            if (l.size >= 0.97 * maxSize && letters(l.text) >= 4) {
                if (sawNames) break;
                continue;  // a subtitle
            }
            // a line that starts with a raised mark is an affiliation or a footnote
            const bool marked = !l.rawText.isEmpty() && !l.text.isEmpty() && l.rawText.front() != l.text.front();
            const QStringList names = marked ? QStringList() : namesInLine(l.text);
            if (!names.isEmpty()) {
                r.authors << names;
                sawNames = true;
                lastNames = l.y1;
                misses = 0;
                continue;
            }
            if (isAffiliation(l.text) || isNoiseUnderTitle(l.text) || letters(l.text) < 3) continue;
            // a subtitle or a line of prose: after the names it ends the block
            if (sawNames && ++misses > 2) break;
            if (!sawNames && l.text.split(QLatin1Char(' ')).size() > 14) break;
        }
    }

    // Keywords.
    static const RE kw(QStringLiteral("^(?:key\\s*words?|keywords?|index terms|关\\s*键\\s*词|关\\s*键\\s*字)\\s*[:：—–\\-.]?\\s*(.*)$"),
                       RE::CaseInsensitiveOption);
    for (int i = 0; i < int(lines.size()); ++i) {
        const auto m = kw.match(lines[i].text);
        if (!m.hasMatch()) continue;
        QString text = m.captured(1);
        const Line* prev = &lines[i];
        for (int j = i + 1; j < int(lines.size()) && j <= i + 3; ++j) {
            const Line& n = lines[j];
            if (n.y0 - prev->y1 > 0.8 * prev->size || std::abs(n.size - prev->size) > 0.1 * prev->size) break;
            if (n.x0 > prev->x1 || n.x1 < prev->x0) continue;  // the other column
            if (startsSection(n.text) || text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002))) break;
            text += (text.endsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + n.text;
            prev = &n;
        }
        r.keywords = splitKeywords(text);
        break;
    }

    // Year: copyright, Chinese dates, dates and conference lines, on the whole page.
    QString page;
    for (const Line& l : lines) page += l.text + QLatin1Char('\n');
    r.year = yearIn(page);
    return r;
}

}  // namespace pdf
