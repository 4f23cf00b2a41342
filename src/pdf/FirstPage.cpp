#include "pdf/FirstPage.h"

#include "pdf/ChineseSurnames.h"

#include "pdf/LineFeatures.h"
#include "pdf/LineWords.h"

#include <QDate>
#include <QSet>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace pdf {
namespace {

using RE = QRegularExpression;

// Numbered marks an author's name carries to its unit, as a regular
// expression's alternative: circled, bracketed, dotted and raised digits
// ("①", "⑵", "❸", "²"), also inside brackets ("[①]", "〔2〕").
const QString kNumberedMarks = QStringLiteral(
    "[\\x{2460}-\\x{24FF}\\x{2776}-\\x{2793}\\x{3251}-\\x{325F}\\x{32B1}-\\x{32BF}\\x{00B9}\\x{00B2}\\x{00B3}"
    "\\x{2070}-\\x{2079}]|[\\[〔【]\\s*[\\d\\x{2460}-\\x{2473},，]+\\s*[\\]〕】]");

// An author's academic rank or degree, printed after the name.
const QString kRanks = QStringLiteral(
    "副?教授|(?:副|助理|特聘)?研究员|讲师|助教|(?:正?高级)?工程师|(?:主任|副主任|主治)?医师|(?:博士|硕士)?研究生|本科生|"
    "博士(?:生|后)?|硕士(?:生)?|"
    "院士|博导|硕导|(?:高级)?实验师|副?编审");

bool isRank(const QString& text) {
    static const RE re(QStringLiteral("^\\s*(?:") + kRanks + QStringLiteral(")(?:\\s*[,，、/]\\s*(?:") + kRanks +
                       QStringLiteral("))*\\s*$"));
    return re.match(text).hasMatch();
}

int letters(const QString& s) {
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

// Words that a heading, a banner or a document's furniture is made of and a
// person's name is not: "PACKAGE DOCUMENTATION", "Ordinary Text".
bool hasFurnitureWord(const QString& text) {
    static const RE re(QStringLiteral(
                           "\\b(package|documentation|manual|guide|user'?s?|version|release|theme|demo|examples?|samples?|"
                           "text|ordinary|displayed|document|template|class|style|introduction|contents|chapter|"
                           "section|appendix|abstract|summary|report|thesis|dissertation|draft|preprint|technical|"
                           "languages?|engineering|technology|military|presentation|slides|lecture|tutorial|workshop|"
                           "conference|proceedings|figure|table|bundle|library|system|program|worksheet|handout|"
                           "submitted|degree|requirements|fulfil+ment|software|applications?|mathematical|mathematics|"
                           "statistics|statistical|sciences?|studies|physics|informatics|computing|computer|team|consortium|"
                           "committee|developers|contributors|maintainers?|anonymous)\\b"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

// A bracket opened and not closed on the line ends its names: the unit after
// a name, broken onto the next line ("Junwei Wang (CryptoExperts").
const QRegularExpression& openBracket() {
    static const RE re(QStringLiteral("\\s*[（(][^()（）]*$"));
    return re;
}

// Whom to write to: it repeats an author and does not add one.
bool isContactLine(const QString& line) {
    static const RE contact(QStringLiteral("^(correspondence|corresponding author|contact|通讯作者|通信作者)\\b"),
                            RE::CaseInsensitiveOption);
    return contact.match(line.trimmed()).hasMatch();
}

// Names run together with nothing between them, as columns of a grid set
// close come out: "Martin Mächler Benjamin M. Bolker Steven C. Walker". Too
// long for one name (six words or more), every word a capitalised word or an
// initial: a name is a word, its initials and a word ("Benjamin M. Bolker"),
// and the words between such names go in pairs ("Martin Mächler"). Empty
// when the run does not split so.
QStringList namesRunTogether(const QString& text) {
    static const RE word(QStringLiteral("^\\p{Lu}[\\p{Ll}'’\\-]+$"));
    static const RE initial(QStringLiteral("^\\p{Lu}\\.$"));
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 6) return {};
    QList<int> starts;  // where each name starts, by the initials
    QList<bool> isInitial;
    for (const QString& t : tokens) {
        if (!word.match(t).hasMatch() && !initial.match(t).hasMatch()) return {};
        isInitial << initial.match(t).hasMatch();
    }
    QStringList names;
    int at = 0;
    auto pairsUpTo = [&](int end) {  // the words before the next name with initials, two by two
        if ((end - at) % 2 != 0) return false;
        for (; at < end; at += 2) names << tokens[at] + QLatin1Char(' ') + tokens[at + 1];
        return true;
    };
    for (int k = 0; k < int(tokens.size()); ++k) {
        if (!isInitial[k]) continue;
        if (k == 0 || isInitial[k - 1] || k - 1 < at) return {};
        if (!pairsUpTo(k - 1)) return {};
        int end = k;
        while (end < int(tokens.size()) && isInitial[end]) ++end;
        if (end >= int(tokens.size())) return {};
        names << QStringList(tokens.mid(at, end - at + 1)).join(QLatin1Char(' '));
        at = end + 1;
        k = end;
    }
    if (!pairsUpTo(int(tokens.size()))) return {};
    return names;
}

}  // namespace

bool isPersonName(const QString& name) {
    const QString n = name.trimmed();
    if (n.isEmpty()) return false;
    if (hasCjk(n)) {
        static const RE cjk(QStringLiteral("^[\\x{3400}-\\x{9FFF}][\\x{3400}-\\x{9FFF}·•]{1,5}$"));
        return cjk.match(n).hasMatch() && startsWithChineseSurname(n) && !isAffiliation(n) && !startsSection(n);
    }
    if (isAffiliation(n) || hasFurnitureWord(n) || startsSection(n)) return false;
    static const RE particle(QStringLiteral("^(van|von|de|der|den|da|di|del|della|la|le|du|dos|das|ten|ter|bin|al|el|y|zu)$"));
    static const RE token(QStringLiteral("^(\\p{Lu}[\\p{L}'’\\-]*\\.?|\\p{Lu}\\.(-?\\p{Lu}\\.)*|\\p{Lu}\\.-\\p{Lu}\\.?)$"));
    const QStringList tokens = n.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 2 || tokens.size() > 5) return false;
    // a heading in title case: "A Selected Data Problem", "Models for Count Data"
    static const RE article(QStringLiteral("^(A|An|The)$"));
    static const RE joining(QStringLiteral("^(Of|For|In|On|With|To|From|And|Using|Via|Into|Through)$"));
    if (article.match(tokens.first()).hasMatch() ||
        std::any_of(tokens.begin(), tokens.end(), [](const QString& t) { return joining.match(t).hasMatch(); }))
        return false;
    int proper = 0;
    for (const QString& t : tokens) {
        if (t.size() > 20 || t.endsWith(QLatin1Char('-'))) return false;  // "CH-" of "CH-4002 Basel"
        if (particle.match(t).hasMatch()) continue;
        if (!token.match(t).hasMatch()) return false;
        ++proper;
    }
    if (proper < 2) return false;
    // the last name is a word, not an initial
    return !tokens.last().endsWith(QLatin1Char('.')) || tokens.last().size() > 3;
}

// Degrees and honours after a name: "Laura Fischer, MSc, Pablo Liu, MD, PhD".
const QRegularExpression& degrees() {
    static const RE re(QStringLiteral("(?:,\\s*|\\s+)(?:M\\.?D|Ph\\.?\\s?D|D\\.?Phil|M\\.?Phil|M\\.?Sc|B\\.?Sc|M\\.?P\\.?H|MBBS|MBChB|R\\.?N|"
                                      "M\\.?S|M\\.?A|MBA|DDS|DMD|DVM|Pharm\\.?D|FRC[PS]|FACS|FACP|MRCP|B\\.?S|B\\.?A|Dr\\.?\\s?med|Dipl\\.?-Ing)\\.?"
                                      "(?=\\s*(?:,|;|$|\\band\\b|&))"));
    return re;
}

QStringList namesInLine(const QString& line) {
    if (isDateLine(line) || line.startsWith(QLatin1Char('(')) || line.startsWith(QChar(0xFF08))) return {};
    if (isContactLine(line)) return {};
    QString s = line;
    // the supervisor named after the author on the byline: "贺杰　指导教师：潘新鹏"
    static const RE supervisorAfter(QStringLiteral("[\\s\\x{3000}]+(?:指导教师|指导老师|导师|(?:supervisors?|advisors?))\\s*[:：].*$"),
                                    RE::CaseInsensitiveOption);
    s.remove(supervisorAfter);
    // mail, also in angle brackets and set with blanks: "<pauljohn @ ku.edu>"
    static const RE email(QStringLiteral("<[^<>]*@[^<>]*>|\\S+\\s?@\\s?\\S+"));
    static const RE ieee(QStringLiteral(",?\\s*(Senior |Student |Life |Graduate Student |Associate )?(Member|Fellow),?\\s*"
                                        "(IEEE|ASCE|ASME|AIAA|SPIE|OSA|ACM|APS|SIAM)"),
                         RE::CaseInsensitiveOption);
    static const RE role(QStringLiteral("\\s*(编写|编著|主编|著|译|翻译|整理|撰写|执笔|") + kRanks + QStringLiteral(")(?=$|[\\s,，、;；])"));
    static const RE marks(QStringLiteral("[0-9*†‡§¶∗⋆#✉✝♮♯♭♠♣♥♦⋄◦•∙⁎⁑⸸]|") + kNumberedMarks + QStringLiteral("|\\bORCID\\b|\\biD\\b|\\(\\s*\\)|（\\s*）"));
    static const RE by(QStringLiteral("^((?:written |presented |prepared |submitted )?by|authors?(?:\\(s\\))?:|verfasser:|autor(?:es|en)?:|"
                                      "auteurs?:|autori?:|作者[:：]?)\\s+|^(?:文|撰文|作者|记者|記者)\\s*[/／]\\s*"),
                       RE::CaseInsensitiveOption);
    // the form of address after a name: "肖海瑞同志："
    static const RE address(QStringLiteral("(?<=[\\x{4E00}-\\x{9FFF}])(?:同志|先生|女士|同学)\\s*[:：]?\\s*$"));
    s.remove(address);
    // the name, then the unit and the post after a blank: "白蕾 武夷学院茶与食品学院院长、教授"
    static const RE namePost(QStringLiteral("^([\\x{4E00}-\\x{9FFF}·]{2,4})[\\s\\x{3000}]+([^\\s\\x{3000}]+)$"));
    if (const auto m = namePost.match(s.trimmed()); m.hasMatch() && isAffiliation(m.captured(2)) && !isAffiliation(m.captured(1)))
        s = m.captured(1);
    // the unit in brackets after the name, on the same line: "肖宁芳（厦门大学公共卫生学院，厦门 361005）"
    static const RE unit(QStringLiteral("\\s*[（(]([^（()）]*)[)）]"));
    for (auto it = unit.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        // or the author's rank: "杨逸（副教授）"
        if (isAffiliation(m.captured(1)) || m.captured(1).contains(QRegularExpression(QStringLiteral("\\d{5,6}"))) ||
            isRank(m.captured(1)))
            s.replace(m.captured(0), QStringLiteral(" "));
    }
    // a bullet set between blanks parts names like a middle dot: "Jürgen R. White • Michael Brown"
    static const RE bullet(QStringLiteral("\\s[•∙⋅]\\s"));
    s.replace(bullet, QStringLiteral(" · "));
    s.remove(email);
    s.remove(openBracket());
    s.remove(ieee);
    s.remove(degrees());
    s.remove(role);
    s.remove(marks);
    s.remove(by);
    static const RE sep(QStringLiteral("\\s*(?:,|;|，|、|；|\\||｜|\\band\\b|\\bAND\\b|\\bund\\b|\\bet\\b|&|\\s·\\s|\\s{2,}|\\x{3000}|和|与)\\s*"));
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
            // Chinese names set apart by blanks: "张三 李四"; "张 三" is one name,
            // and so is a run of single characters among longer names:
            // "熊瑞思 余晓浩 徐 明" (a two-character name spaced to the width of three).
            const QStringList bits = p.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (std::any_of(bits.begin(), bits.end(), [](const QString& b) { return b.size() >= 2; })) {
                QStringList merged;
                bool run = false;
                for (const QString& b : bits) {
                    if (b.size() == 1 && run) merged.last() += b;
                    else merged << b;
                    run = b.size() == 1;
                }
                for (const QString& b : merged) {
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
        if (!isPersonName(p) && !isAffiliation(p) && !hasFurnitureWord(p)) {
            const QStringList run = namesRunTogether(p);
            if (!run.isEmpty()) {
                names << run;
                continue;
            }
        }
        // a generational suffix set after a comma belongs to the name before it: "Walter R. Mebane, Jr."
        static const RE suffix(QStringLiteral("^(Jr|Sr|II|III|IV)\\.?$"));
        if (!names.isEmpty() && suffix.match(p).hasMatch()) {
            names.last() += QStringLiteral(", ") + p;
            continue;
        }
        if (!isPersonName(p)) {
            // names followed by their affiliation on the same line
            if (!names.isEmpty() && isAffiliation(p)) return names;
            return {};
        }
        names << p;
    }
    return names;
}

QStringList namesBeforeUnit(const QString& line) {
    // run in, each name with its unit in brackets: "A (Dept, Univ), B (Univ), and C (Inst)."
    static const RE bracketed(QStringLiteral("\\s*\\(([^()]+)\\)"));
    if (!hasCjk(line) && line.contains(bracketed)) {
        bool units = true;
        for (auto it = bracketed.globalMatch(line); it.hasNext() && units;) units = isAffiliation(it.next().captured(1));
        QString rest = line;
        rest.remove(bracketed);
        while (rest.endsWith(QLatin1Char('.')) || rest.endsWith(QLatin1Char(','))) rest.chop(1);
        if (units) return namesInLine(rest);
    }
    static const RE dash(QStringLiteral("^(.*?\\S)(?:\\s*(?:—{1,2}|―{1,2}|－{1,2}|-{2,3})\\s*|\\s+[-–]\\s+)(\\S.*)$"));
    const auto m = dash.match(line.trimmed());
    if (!m.hasMatch() || !isAffiliation(m.captured(2))) return {};
    return namesInLine(m.captured(1));
}

QStringList splitKeywords(const QString& text) {
    static const RE sep(QStringLiteral("\\s*(?:;|,|，|；|、|·|•|\\||｜|│|\\s{3,}|\\s—\\s|\\x{3000})\\s*"));
    QStringList parts = text.split(sep, Qt::SkipEmptyParts);
    // Chinese keywords set apart by blanks only: "城市热岛 参数辨识 实时性"
    if (parts.size() == 1 && hasCjk(text) && text.trimmed().contains(QLatin1Char(' ')))
        parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList out;
    for (QString k : parts) {
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
    static const RE citation(QStringLiteral("\\b((?:19|20)\\d\\d)\\s*[,，]\\s*(?:\\d+\\s*[(（]\\s*\\d+\\s*[)）]|vol\\.)"),
                             RE::CaseInsensitiveOption);
    static const RE event(QStringLiteral("(?:conference|proceedings|symposium|workshop|journal|vol\\.|volume|"
                                         "transactions|received|published|accepted)[^\\n]*?\\b((?:19|20)\\d\\d)\\b"),
                          RE::CaseInsensitiveOption);
    // a Chinese cover's date in Chinese numerals: "二〇二三年五月"
    static const RE numerals(QStringLiteral("([〇零一二三四五六七八九]{4})\\s*年"));
    const auto m = numerals.match(text);
    if (m.hasMatch()) {
        static const QString digits = QStringLiteral("〇一二三四五六七八九");
        QString y;
        for (QChar c : m.captured(1)) y += QChar('0' + (c == QChar(0x96F6) ? 0 : int(digits.indexOf(c))));
        if (ok(y) && !chinese.match(text).hasMatch()) return y;
    }
    for (const RE* re : {&copyright, &chinese, &dated, &citation, &event}) {
        auto it = re->globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            for (int g = 1; g <= m.lastCapturedIndex(); ++g)
                if (!m.captured(g).isEmpty() && ok(m.captured(g))) return m.captured(g);
        }
    }
    return {};
}

namespace {

// Names in an author line that the name rules do not take: the line split
// on its separators, marks and labels gone, parts that are short enough.
QStringList looseNames(const QString& line) {
    static const RE marks(QStringLiteral("[0-9*†‡§¶∗⋆#✉✝♮♯♭♠♣♥♦⋄◦•∙⁎⁑⸸]|") + kNumberedMarks + QStringLiteral("|\\S+@\\S+|\\bORCID\\b|\\(\\s*\\)|（\\s*）"));
    static const RE sep(QStringLiteral("\\s*(?:,|;|，|、|；|\\||｜|\\band\\b|\\bAND\\b|&|\\s·\\s|\\s{2,}|\\x{3000})\\s*"));
    if (isContactLine(line)) return {};
    QString s = line;
    // what stands in brackets is a unit or a note, not a name: "Junwei Wang (CryptoExperts)"
    static const RE bracketed(QStringLiteral("\\s*[（(][^()（）]*[)）]"));
    s.remove(bracketed);
    s.remove(openBracket());
    s.remove(marks);
    s.remove(degrees());
    QStringList out;
    for (QString p : s.split(sep, Qt::SkipEmptyParts)) {
        p = p.simplified();
        while (!p.isEmpty() && (p.back().isPunct() || p.back().isSymbol()) && p.back() != QLatin1Char('.')) p.chop(1);
        while (!p.isEmpty() && (p.front().isPunct() || p.front().isSymbol())) p.remove(0, 1);
        p = p.simplified();
        if (hasCjk(p)) p.remove(QLatin1Char(' '));
        const int words = int(p.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        if (p.isEmpty() || words > 4 || p.size() > 40 || (hasCjk(p) && (p.size() > 6 || !startsWithChineseSurname(p))) || isAffiliation(p) ||
            hasFurnitureWord(p) || startsSection(p) || labelOf(p) != LineLabel::None)
            continue;
        // a lone word in capitals is an acronym or a banner ("NFSS."), not a name
        static const RE acronym(QStringLiteral("^[\\p{Lu}\\d.\\-]+$"));
        if (words == 1 && !hasCjk(p) && acronym.match(p).hasMatch()) continue;
        // a name's words start with capitals (or are particles); prose does not
        static const RE lowerWord(QStringLiteral("(^|\\s)(?!(van|von|de|der|den|da|di|del|della|la|le|du|dos|das|ten|ter|bin|al|el|y|zu)\\b)\\p{Ll}"));
        if (!hasCjk(p) && p.contains(lowerWord)) continue;
        out << p;
    }
    return out;
}

// The end of a name that a list of names after a label wraps to the next line
// ("发明人 甲 乙 万" / "勇平", "… Arjun González, Ahmed" / "Zhang", "…, Matthew" / "W. Harris"):
// the one or two letters, or the one word after an initial or none, in its column right under it.
QString wrappedName(const QList<Line>& lines, int at, const QString& value) {
    static const RE lastCjk(QStringLiteral("\\s[\\x{4E00}-\\x{9FFF}]$"));
    static const RE cjkRest(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{1,2}$"));
    // (a given name, with or without its middle initial: "…, Omar Z." / "Bianchi")
    static const RE lastWord(QStringLiteral("(?:[,;]|\\band)\\s*\\p{Lu}[\\p{Ll}'’\\-]+(?:\\s+\\p{Lu}\\.)?$"));
    static const RE wordRest(QStringLiteral("^(?:\\p{Lu}\\.\\s*)?\\p{Lu}[\\p{L}'’\\-]+$"));
    if (at < 0) return {};
    const bool cjk = lastCjk.match(value).hasMatch();
    if (!cjk && !lastWord.match(value).hasMatch()) return {};
    const RE& rest = cjk ? cjkRest : wordRest;
    const Line& l = lines[at];
    const double size = std::max(l.size, 1.0);
    for (int j = at + 1; j < int(lines.size()) && lines[j].y0 - l.y1 <= 1.0 * size; ++j) {
        const Line& n = lines[j];
        if (n.y0 < l.y1 - 0.2 * size || n.x1 < l.x0 || n.x0 > l.x1) continue;
        if (!rest.match(n.text).hasMatch()) return {};
        return cjk ? n.text : QLatin1Char(' ') + n.text;
    }
    return {};
}

// The value of a labelled field ("题目：X", or "题目" with X beside it on
// its row) and the index of the line that holds it.
// A list of names that runs on over the lines of its column, set tight, from line j:
// "…, Mehmet Y." / "Papadopoulos, …" (names one under the other are not such a list, nor
// the value of the next row of a table, which has its own label to its left).
QString runOnList(const QList<Line>& lines, int j) {
    const Line& n = lines[j];
    const double size = std::max(n.size, 1.0);
    QString text = n.text;
    const Line* prev = &n;
    for (int k = j + 1; k < int(lines.size()) && k <= j + 6; ++k) {
        const Line& m = lines[k];
        if (m.y0 < prev->y1 - 0.2 * size || m.x1 < n.x0 || m.x0 > n.x1) continue;
        if (m.y0 - prev->y1 > 0.6 * size || std::abs(m.size - n.size) > 0.1 * size ||
            labelOf(m.text) != LineLabel::None || isAffiliation(m.text) || formFieldNumber().match(m.text).hasMatch())
            break;
        static const RE separator(QStringLiteral("[,;，；、]|\\sand\\s"));
        if (!text.contains(separator)) break;
        const bool rowLabel = std::any_of(lines.begin(), lines.end(), [&](const Line& o) {
            return std::abs((o.y0 + o.y1) - (m.y0 + m.y1)) / 2 < 0.4 * (m.y1 - m.y0) && o.x1 <= m.x0;
        });
        if (rowLabel) break;
        text += QLatin1Char(' ') + m.text;
        prev = &m;
    }
    return text;
}

// The nearest line to the right of line i on its row (on a form of numbered fields,
// the numbered cell beside a label is another field), or -1.
int besideOnRow(const QList<Line>& lines, int i) {
    const Line& l = lines[i];
    const bool form = formFieldNumber().match(l.text).hasMatch();
    int best = -1;
    for (int j = 0; j < int(lines.size()); ++j) {
        const Line& o = lines[j];
        if (std::abs((o.y0 + o.y1) / 2 - (l.y0 + l.y1) / 2) > 0.4 * (l.y1 - l.y0) || o.x0 < l.x1) continue;
        if (form && formFieldNumber().match(o.text).hasMatch()) continue;
        if (best < 0 || o.x0 < lines[best].x0) best = j;
    }
    return best;
}

std::pair<QString, int> valueBeside(const QList<Line>& lines, int i) {
    const int at = besideOnRow(lines, i);
    if (at < 0 || labelOf(lines[at].text) != LineLabel::None) return {};
    return {lines[at].text, at};
}

std::pair<QString, int> labelledValue(const QList<Line>& lines, int i) {
    const QString v = withoutLabel(lines[i].text);
    if (!v.isEmpty()) return {v, i};
    const Line& l = lines[i];
    const bool form = formFieldNumber().match(l.text).hasMatch();
    const int best = besideOnRow(lines, i);
    if (best >= 0) {
        if (labelOf(lines[best].text) != LineLabel::None) return {};
        // names beside their label may wrap in their cell: "Ananya Garcia; …; Agnieszka" / "Garcia; Michael Anderson"
        if (labelOf(l.text) == LineLabel::Author && !form) return {runOnList(lines, best), best};
        return {lines[best].text, best};
    }
    // nothing beside it: a name label's value on the line under it ("Package author(s):" / "Herbert Voß"),
    // or a title's ("(54)发明名称" / "一种…装置")
    // (in its column: a line of another column may come first in reading order)
    const LineLabel label = labelOf(l.text);
    if (label != LineLabel::Author && label != LineLabel::Title) return {};
    const double size = std::max(l.size, 1.0);
    for (int j = i + 1; j < int(lines.size()) && lines[j].y0 - l.y1 <= 1.5 * size; ++j) {
        const Line& n = lines[j];
        if (n.y0 < l.y1 - 0.2 * size || n.x1 < l.x0 - 2 * size || n.x0 > l.x1 + 2 * size) continue;
        if (labelOf(n.text) != LineLabel::None) return {};
        if (label == LineLabel::Title) return {n.text, j};
        const QString text = runOnList(lines, j);
        if (namesInLine(text).isEmpty()) return {};
        return {text, j};
    }
    return {};
}

// A field's label by the way such labels end, known or not ("项目编号：", "电话：");
// a title's own colon ("研究：以…为例") is none.
const QRegularExpression& unknownLabel() {
    static const RE re(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{0,4}(?:编号|类别|类型|名称|单位|日期|时间|电话|手机|地址|邮编|邮箱|学院|院系|专业|"
                                      "年级|班级|代码|方向|领域|级别|来源|经费|期限|学号|人|者|摄影|图片|供图|责编|编辑|审稿|审校|校对)\\s*[:：/／]|"
                                      // a photo credit after the byline: "图·黄佳洋", "摄影／林鹏"
                                      "^(?:图|摄\\s*影|图\\s*片|供\\s*图)\\s*[·・•/／]|"
                                      // a short label set apart letter by letter: "系　部：", "班　级"
                                      "^[\\x{4E00}-\\x{9FFF}](?:[\\s\\x{3000}]+[\\x{4E00}-\\x{9FFF}]){1,3}\\s*(?:[:：]|$)"));
    return re;
}

// A field's value up to the next label on its row: "王五　　指导教师：赵六" -> "王五".
QString untilNextLabel(const QString& value) {
    static const RE blanks(QStringLiteral("[\\s\\x{3000}]+"));
    // a label set apart letter by letter is one bit: "董轩 导 师：杨梓平"
    static const RE spaced(QStringLiteral("(?<=^|[\\s\\x{3000}])((?:[\\x{4E00}-\\x{9FFF}][\\s\\x{3000}]+){1,3}[\\x{4E00}-\\x{9FFF}])(?=\\s*[:：])"));
    QString v = value;
    for (auto it = spaced.globalMatch(value); it.hasNext();) {
        const auto m = it.next();
        v.replace(m.captured(1), QString(m.captured(1)).remove(blanks));
    }
    QStringList kept;
    for (const QString& bit : v.split(blanks, Qt::SkipEmptyParts)) {
        // a label the reader does not know ends the value as well: "甲　电话：0128-…"
        if (!kept.isEmpty() && (labelOf(bit) != LineLabel::None || unknownLabel().match(bit).hasMatch())) break;
        kept << bit;
    }
    return kept.join(QLatin1Char(' '));
}

// "课题组成员：", "主要成员" ...: the label of a group's members.
bool isMembersLabel(const QString& text) {
    static const RE re(QStringLiteral("^(?:[\\x{4E00}-\\x{9FFF}]\\s*){0,4}成\\s*员"));
    return re.match(text.trimmed()).hasMatch();
}

// A table of authors: the name label heads a column ("姓名　单位　电子邮箱"),
// each row under it one author; the names are the first cells of the rows in
// the label's column, down to the first that is no name.
QStringList namesUnderHeader(const QList<Line>& lines, int i, bool indented = false) {
    const Line& head = lines[i];
    const double size = std::max(head.size, 1.0);
    static const RE cells(QStringLiteral("\\s{2,}"));
    QStringList names;
    double bottom = head.y1;
    for (int j = i + 1; j < int(lines.size()) && names.size() < 30; ++j) {
        const Line& row = lines[j];
        if ((row.y0 + row.y1) / 2 <= bottom) continue;  // another cell of the row above (rows may be set tight)
        if (row.y0 - bottom > 2 * size) break;
        // another column (a list of members may stand indented under its label)
        if (indented ? row.x0 < head.x0 - 2 * size : std::abs(row.x0 - head.x0) > 2 * size) continue;
        const QString cell = row.gapText.split(cells, Qt::SkipEmptyParts).value(0).trimmed();
        if (labelOf(cell) != LineLabel::None || isAffiliation(cell) || startsSection(cell)) break;
        // the supervisor's row at the foot of the table ("指导教师 | 乙 | …")
        const bool supervisorRow = std::any_of(lines.begin(), lines.end(), [&](const Line& o) {
            return std::abs((o.y0 + o.y1) - (row.y0 + row.y1)) / 2 < 0.4 * (row.y1 - row.y0) && o.x1 <= row.x0 &&
                   labelOf(o.text) == LineLabel::Supervisor;
        });
        if (supervisorRow) break;
        QStringList found = namesInLine(cell);
        if (found.isEmpty() && hasCjk(cell)) found = looseNames(cell);
        if (found.size() != 1) break;
        names << found.first();
        bottom = row.y1;
    }
    return names;
}

// A research group's members, named under the label that follows its leader's
// within three lines ("课题负责人：甲" / "课题组成员：" over a list, or beside it).
QStringList groupMembers(const QList<Line>& lines, int leader) {
    // or on the leader's own row: "组长：甲　成员：乙、丙"
    static const RE sameRow(QStringLiteral("[\\s\\x{3000}](?:[\\x{4E00}-\\x{9FFF}]\\s*){0,4}成\\s*员\\s*[:：]\\s*(.+)$"));
    if (const auto m = sameRow.match(lines[leader].text); m.hasMatch()) {
        const QString rest = untilNextLabel(m.captured(1));
        const QStringList members = namesInLine(rest);
        return members.isEmpty() ? looseNames(rest) : members;
    }
    for (int k = leader + 1; k < int(lines.size()) && k <= leader + 3; ++k) {
        if (labelOf(lines[k].text) != LineLabel::Author || !isMembersLabel(lines[k].text)) continue;
        const QString rest = untilNextLabel(withoutLabel(lines[k].text));
        if (rest.isEmpty()) return namesUnderHeader(lines, k, true);
        const QStringList members = namesInLine(rest);
        return members.isEmpty() ? looseNames(rest) : members;
    }
    return {};
}

// The first cell under a label in a table's row of heads ("答辩人 | 学科专业 | 论文题目 | …"),
// with the lines its text wraps to in the cell.
QString cellUnderHead(const QList<Line>& lines, int i) {
    const Line& head = lines[i];
    const double size = std::max(head.size, 1.0);
    const int right = besideOnRow(lines, i);
    if (right < 0 || labelOf(lines[right].text) == LineLabel::None) return {};
    // the column reaches halfway to the heads beside it; a cell's text is centred or set left in it
    double left = head.x0 - 3 * size;
    for (const Line& o : lines)
        if (std::abs((o.y0 + o.y1) - (head.y0 + head.y1)) / 2 < 0.4 * (head.y1 - head.y0) && o.x1 <= head.x0)
            left = std::max(left, (o.x1 + head.x0) / 2);
    const double end = (head.x1 + lines[right].x0) / 2;
    QStringList parts;
    const Line* last = nullptr;
    for (const Line& c : lines) {
        if ((c.y0 + c.y1) / 2 <= head.y1 || c.x1 < left || c.x0 > end) continue;
        // the words of the line in the column (cells of a row set close may make one line)
        QStringList words;
        for (const Word& w : c.words)
            if ((w.x0 + w.x1) / 2 >= left && (w.x0 + w.x1) / 2 <= end) words << w.text;
        if (words.isEmpty()) continue;
        if (last ? c.y0 - last->y1 > 0.6 * size : c.y0 - head.y1 > 3 * size) break;
        const QString text = joinTitle(words);
        if (labelOf(text) != LineLabel::None) break;
        parts << text;
        last = &c;
    }
    return joinTitle(parts);
}

// A cover's labelled title, with the lines under its value that carry it on.
QString labelledTitle(const QList<Line>& lines) {
    for (int i = 0; i < int(lines.size()); ++i) {
        const QString text = lines[i].text.trimmed();
        // not the English title's label: "英文题目", "论文题目（英文）"
        static const RE english(QStringLiteral("^英|^[^:：]{0,8}[（(]\\s*英\\s*文\\s*[)）]"));
        // an English form's "Title" cell counts only with a value beside it that starts with a letter
        // ("Title | Wild Gastrodia …"); alone, or over a note ("Title | 16 pt., bold"), it is none
        static const RE bare(QStringLiteral("^(?:article\\s+)?title$"), RE::CaseInsensitiveOption);
        const bool cell = bare.match(text).hasMatch();
        if ((labelOf(text) != LineLabel::Title && !cell) || english.match(text).hasMatch()) continue;
        auto [value, at] = cell ? valueBeside(lines, i) : labelledValue(lines, i);
        if (cell && (value.isEmpty() || !value.front().isLetter())) continue;
        if (value.isEmpty() && !cell && withoutLabel(text).isEmpty()) {
            const QString under = cellUnderHead(lines, i);
            if (letters(under) >= 8) return under;
        }
        if (letters(value) < 2) continue;
        QStringList parts{value};
        const Line* last = &lines[at];
        // a title in capitals goes on in capitals: a line in lower case is the text beside it
        static const RE lower(QStringLiteral("\\p{Ll}"));
        const bool capitals = !hasCjk(value) && !value.contains(lower);
        for (int j = at + 1; j < int(lines.size()) && parts.size() < 4; ++j) {
            const Line& n = lines[j];
            if (capitals && n.text.contains(lower)) {
                if (n.y0 - last->y1 > 1.2 * std::max(last->size, 1.0)) break;
                // (the title's column and the text's may meet on one line: its first cell is the title's)
                static const RE cells(QStringLiteral("\\s{2,}"));
                const QString cell = n.gapText.split(cells, Qt::SkipEmptyParts).value(0).trimmed();
                if (cell.contains(lower) || letters(cell) < 3) continue;
                parts << cell;
                last = &n;
                continue;
            }
            const double size = std::max(last->size, 1.0);
            // the rest of the label's row (lines set tight may overlap without being on one row)
            if (std::abs((n.y0 + n.y1) - (last->y0 + last->y1)) / 2 < 0.4 * (last->y1 - last->y0)) continue;
            // the label's column beside the value: its English twin ("论文题目" over "Title") is passed over
            if (at != i && n.x1 < lines[at].x0 - size) {
                // (a Chinese line there is the next field's label, known or not: "项目编号")
                const bool besideLabel = std::abs((lines[at].y0 + lines[at].y1) - (lines[i].y0 + lines[i].y1)) / 2 <
                                         0.4 * (lines[i].y1 - lines[i].y0);
                // (on an English form, any line there is the next field's label: "Presenting Author")
                if (labelOf(n.text) != LineLabel::None || (besideLabel && (hasCjk(n.text) || !hasCjk(lines[i].text)))) break;
                continue;
            }
            // a cell of the next column of a form, level with the value's lines
            if (n.x0 > last->x1 + size && n.y0 < last->y1 + 1.2 * size && formFieldNumber().match(lines[i].text).hasMatch()) continue;
            // a value run on like a paragraph may wrap to the margin, left of its label, when set tight
            // or be centred under the label's row, wider than it
            const bool wrapped = n.y0 - last->y1 < 0.5 * size && n.x1 <= last->x1 + size;
            const bool centred = std::abs(n.x0 + n.x1 - last->x0 - last->x1) < 2 * size;
            if (n.y0 - last->y1 > 1.2 * size || std::abs(n.size - last->size) > 0.1 * size ||
                (n.x0 < last->x0 - size && !wrapped && !centred) || n.x0 > last->x1 || labelOf(n.text) != LineLabel::None ||
                unknownLabel().match(n.text).hasMatch())
                break;
            parts << n.text;
            last = &n;
        }
        return joinTitle(parts);
    }
    return {};
}

// A cover's title without a label: the largest text between the document
// type ("博士学位论文") and the first labelled field, in the document type's
// script (the English title under a Chinese one is not it), with the lines
// of its size that carry it on.
QString coverTitle(const QList<Line>& lines, double pageHeight) {
    int type = -1;
    for (int i = 0; i < int(lines.size()) && type < 0; ++i)
        if (labelOf(lines[i].text) == LineLabel::DocumentType && lines[i].y0 < 0.6 * pageHeight) type = i;
    if (type < 0) return {};
    const bool chinese = hasCjk(lines[type].text);
    static const RE school(QStringLiteral("^[\\x{4E00}-\\x{9FFF}\\s]{2,14}(大学|学院)$"));
    int best = -1;
    int end = int(lines.size());
    for (int i = type + 1; i < end; ++i) {
        const QString& t = lines[i].text;
        if (labelOf(t) != LineLabel::None) {
            end = i;  // the labelled fields begin
            break;
        }
        if (hasCjk(t) != chinese || letters(t) < 4 || school.match(t).hasMatch() || lines[i].y0 > 0.75 * pageHeight) continue;
        if (best < 0 || lines[i].size > 1.05 * lines[best].size) best = i;
    }
    if (best < 0) return {};
    QStringList parts{lines[best].text};
    for (int i = best + 1; i < end; ++i) {
        const Line& l = lines[i];
        const Line& prev = lines[i - 1];
        if (std::abs(l.size - lines[best].size) > 0.05 * lines[best].size || hasCjk(l.text) != chinese ||
            l.y0 - prev.y1 > 1.5 * std::max(l.size, 1.0))
            break;
        parts << l.text;
    }
    return joinTitle(parts);
}

// A student paper's heading at the top left, one field a line: the student, the teacher
// ("Professor Karen O. Miller"), the course and the date. Gives the student's line, or -1.
int studentHeading(const QList<Line>& lines) {
    static const RE teacher(QStringLiteral("^(?:professor|prof\\.|dr\\.|instructor:?)\\s+\\p{Lu}"), RE::CaseInsensitiveOption);
    for (int i = 1; i + 1 < int(lines.size()) && i < 8; ++i) {
        if (!teacher.match(lines[i].text).hasMatch()) continue;
        if (namesInLine(lines[i - 1].text).size() != 1 || std::abs(lines[i - 1].x0 - lines[i].x0) > 2 * std::max(lines[i].size, 1.0))
            continue;
        if (isDateLine(lines[i + 1].text) || (i + 2 < int(lines.size()) && isDateLine(lines[i + 2].text))) return i - 1;
    }
    return -1;
}

double kindOf(const std::vector<float>& kinds, int line, LineKind kind) {
    const size_t at = size_t(line) * kLineKinds + size_t(kind);
    return at < kinds.size() ? kinds[at] : 0.0;
}

}  // namespace

PageReading readFirstPage(const QList<Line>& lines, double pageHeight, const std::vector<float>& kinds) {
    PageReading r;
    if (lines.isEmpty()) return r;
    const double h = pageHeight > 0 ? pageHeight : 842;
    const int n = int(lines.size());
    auto title = [&](int i) { return kindOf(kinds, i, LineKind::Title); };
    auto author = [&](int i) { return kindOf(kinds, i, LineKind::Author); };

    // Title: the line most likely a title, and the likely title lines that
    // follow it closely above and below, in reading order.
    // Never the title: a document type ("博士学位论文", "Master's Thesis") or
    // the school's name alone on a cover.
    // a thesis cover's statement of the degree is not its title
    static const RE statement(QStringLiteral("\\b(in partial fulfil+ment|submitted (in|to|for|as)|for the degree of|"
                                             "requirements for the degree)\\b"),
                              RE::CaseInsensitiveOption);
    const int student = studentHeading(lines);
    auto eligible = [&](int i) {
        if (student >= 0 && i >= student && i <= student + 3) return false;  // a student paper's heading
        // and its running head, the student's last name and the page: "Silva 1"
        if (student >= 0 && i < student &&
            lines[i].text.section(QLatin1Char(' '), 0, 0) == lines[student].text.trimmed().section(QLatin1Char(' '), -1))
            return false;
        const QString t = withoutLabel(lines[i].text);
        const LineLabel label = labelOf(lines[i].text);
        if (letters(t) < 2 || label == LineLabel::DocumentType || statement.match(t).hasMatch()) return false;
        // a journal's running head: "TUGboat, Volume 0 (9999), No. 0", "第 3 卷第 2 期"
        if (label == LineLabel::JournalField) return false;
        // nor a Chinese lead-in or abstract: "导读：…", "摘要："
        if (label == LineLabel::Abstract && hasCjk(t)) return false;
        static const RE school(QStringLiteral("^[\\x{4E00}-\\x{9FFF}\\s]{2,14}(大学|学院)$|^[A-Z\\s]*UNIVERSITY[A-Z\\s]*$"));
        // nor the name of the repository that serves the paper: "KAIST Open Research Online"
        static const RE repository(QStringLiteral("\\b(?:open research online|scholarly commons|digital commons|institutional repository|"
                                                  "research repository|research portal|research explorer|e-?prints)$"),
                                   RE::CaseInsensitiveOption);
        return !school.match(t).hasMatch() && !repository.match(t).hasMatch();
    };
    // a subtitle after a dash, "——以云南边境地区为例", follows its title
    auto dashSubtitle = [](const QString& t) {
        static const RE dash(QStringLiteral("^\\s*(?:—|―|－－|--)"));
        return dash.match(t).hasMatch();
    };
    // a version line or a paper number may follow a title, never start it: "Version 0.4 beta (89)",
    // "IMECE2023-XXXX"
    auto startsTitle = [&](int i) {
        static const RE version(QStringLiteral("^(version|revision|release|v\\.?\\s*\\d)|^[A-Z]{2,}\\d{2,}[-A-Z\\d]*$"),
                                RE::CaseInsensitiveOption);
        return eligible(i) && !version.match(lines[i].text.trimmed()).hasMatch() && !dashSubtitle(lines[i].text);
    };
    int seed = -1;
    for (int i = 0; i < n; ++i)
        if (startsTitle(i) && (seed < 0 || title(i) > title(seed))) seed = i;
    // No line the model takes for a title: the largest type in the upper part of the page, well
    // above the text's, if one line holds it ("探秘商洛核桃" over a lead-in and the text).
    if (seed >= 0 && title(seed) < 0.05) seed = -1;
    if (seed < 0) {
        std::vector<double> sizes;
        for (const Line& l : lines) sizes.push_back(l.size);
        std::nth_element(sizes.begin(), sizes.begin() + long(sizes.size() / 2), sizes.end());
        const double body = sizes[sizes.size() / 2];
        int largest = -1, count = 0;
        for (int i = 0; i < n; ++i) {
            if (lines[i].y0 > 0.4 * h || !startsTitle(i) || startsSection(lines[i].text)) continue;
            if (largest < 0 || lines[i].size > lines[largest].size + 0.1) largest = i, count = 1;
            else if (std::abs(lines[i].size - lines[largest].size) <= 0.1) ++count;
        }
        if (largest >= 0 && count == 1 && lines[largest].size >= 1.3 * body) seed = largest;
    }
    QList<int> titleLines;
    if (seed >= 0) {
        const double size = std::max(lines[seed].size, 1.0);
        // a title's lines share its type: a subtitle under it is set apart by size or weight
        auto sameType = [&](const Line& l) { return std::abs(l.size - size) < 0.1 * size && l.bold == lines[seed].bold; };
        QList<int> parts{seed};
        double top = lines[seed].y0, bottom = lines[seed].y1;
        // a title sentence carried on in a smaller type keeps going: "News – 2009" / "new macros and …";
        // a subtitle starts with a capital
        const Line* carried = nullptr;
        auto carriesOn = [&](const Line& l) {
            const Line& ref = carried ? *carried : lines[seed];
            if (carried) return std::abs(l.size - ref.size) < 0.1 * ref.size && l.bold == ref.bold;
            return !l.text.isEmpty() && l.text.front().isLower() && !hasCjk(l.text) && l.size >= 0.6 * size &&
                   l.size < size;
        };
        // a line in the middle of a title that the model doubts, between two it does not
        auto bridges = [&](int i) {
            return i + 1 < n && title(i) >= 0.1 && title(i + 1) >= 0.3 && eligible(i + 1) && sameType(lines[i + 1]) &&
                   lines[i + 1].y0 - lines[i].y1 < 1.6 * size;
        };
        // a line of a side column, beside the title or between its lines
        auto beside = [&](const Line& l) { return l.x1 < lines[seed].x0 - 0.5 * size || l.x0 > lines[seed].x1 + 0.5 * size; };
        // the next line of the title's column: side-column lines read in between are passed over
        auto nextInColumn = [&](int i) {
            for (int k = parts.last() + 1; k < i; ++k)
                if (!beside(lines[k])) return false;
            return i > parts.last();
        };
        // the last word or two of a title broken onto a line of their own: "… DNA Copy" / "Data"
        auto tail = [&](int i) {
            const QString& t = lines[i].text;
            return nextInColumn(i) && t.count(QLatin1Char(' ')) < 2 && !t.isEmpty() && t.front().isLetter() &&
                   !lines[parts.last()].text.contains(t, Qt::CaseInsensitive) && !startsSection(t) && !isPersonName(t) &&
                   !isDateLine(t) && lines[i].y0 - bottom < 1.0 * size && author(i) < 0.4;
        };
        // a Chinese title broken at the measure, mid-word: the lines of its type set tight around it
        auto brokenCjk = [&](int i, double gap) {
            const QString& t = lines[i].text;
            return hasCjk(lines[seed].text) && hasCjk(t) && gap < 0.9 * size && gap > -0.1 * size &&
                   labelOf(t) == LineLabel::None &&
                   !startsSection(t) && !t.startsWith(QChar(0xFF08)) && !isDateLine(t) && namesInLine(t).isEmpty() &&
                   std::abs(lines[i].x0 + lines[i].x1 - lines[seed].x0 - lines[seed].x1) < 4 * size;
        };
        static const RE leadingDashes(QStringLiteral("^[\\s—―－-]+"));
        for (int i = seed + 1; i < n; ++i) {
            const Line& l = lines[i];
            // a Chinese title broken mid-word goes on in its size, even in another face
            const bool sameSize = std::abs(l.size - size) < 0.1 * size;
            const bool broken = brokenCjk(i, l.y0 - bottom) || (title(i) >= 0.8 && hasCjk(l.text) && hasCjk(lines[seed].text));
            if ((title(i) >= 0.3 || bridges(i) || tail(i) || broken) && eligible(i) && l.y0 - bottom < 1.6 * size && !carried &&
                (sameType(l) || (broken && sameSize))) {
                parts << i;
                bottom = std::max(bottom, l.y1);
            } else if (i == parts.last() + 1 && dashSubtitle(l.text) && eligible(i) && !carried && l.y0 - bottom < 1.6 * size &&
                       labelOf(QString(l.text).remove(leadingDashes)) != LineLabel::DocumentType &&
                       l.size >= 0.6 * size && l.size < 1.1 * size) {
                // in another weight or a smaller size than the title, as such a subtitle often is
                parts << i;
                bottom = std::max(bottom, l.y1);
            } else if (title(i) >= 0.5 && eligible(i) && l.y0 - bottom < 1.6 * size && carriesOn(l)) {
                parts << i;
                bottom = std::max(bottom, l.y1);
                carried = &l;
            } else if (beside(l)) {
                continue;  // a side column's line does not end the title
            } else if (l.y0 >= bottom - 0.2 * size) {
                break;  // a line beside the title (a side column) does not end it
            }
        }
        for (int i = seed - 1; i >= 0; --i) {
            const Line& l = lines[i];
            const bool broken = brokenCjk(i, top - l.y1) || (title(i) >= 0.8 && hasCjk(l.text) && hasCjk(lines[seed].text));
            if ((title(i) >= 0.3 || broken) && eligible(i) && top - l.y1 < 1.6 * size &&
                (sameType(l) || (broken && std::abs(l.size - size) < 0.1 * size))) {
                parts.prepend(i);
                top = std::min(top, l.y0);
            } else if (l.y1 <= top + 0.2 * size) {
                break;
            }
        }
        titleLines = parts;
        QStringList texts;
        for (int i : parts) {
            const QString t = labelOf(lines[i].text) == LineLabel::Title ? withoutLabel(lines[i].text) : lines[i].text;
            if (!t.isEmpty()) texts << t;
        }
        r.title = joinTitle(texts);
        static const RE trailingMark(QStringLiteral("[*∗†‡§¶⋆]+$"));
        r.title.remove(trailingMark);
        // a colon set in another font comes out with a blank before it: "vcell : Vertical"
        static const RE blankColon(QStringLiteral("(?<=[\\p{Latin}\\d]) :(?= )"));
        r.title.replace(blankColon, QStringLiteral(":"));
        r.title = r.title.trimmed();
    }

    // A student paper's title is centred under its heading, after the date.
    if (r.title.isEmpty() && student >= 0) {
        const int date = isDateLine(lines[student + 2].text) ? student + 2 : student + 3;
        if (date + 1 < n && letters(lines[date + 1].text) >= 4 && lines[date + 1].text.size() < 160 &&
            !startsSection(lines[date + 1].text))
            r.title = lines[date + 1].text.trimmed();
    }

    // "by …" going on from the line above in its type, set close under it, is a sentence of
    // the text ("… the first part of Pinocchio" / "by Carlo Collodi."), not a byline
    auto carriesSentenceOn = [&](int i) {
        if (i == 0 || !lines[i].text.startsWith(QStringLiteral("by ")) || author(i) >= 0.1) return false;
        const Line& above = lines[i - 1];
        return std::abs(above.size - lines[i].size) < 0.05 * lines[i].size && lines[i].y0 - above.y1 < 0.5 * lines[i].size &&
               !above.text.isEmpty() && above.text.back().isLetter();
    };
    // A cover's fields after their labels: the title, the author (never the
    // supervisor, whom the label names as such).
    QString labelled = labelledTitle(lines);
    if (labelled.isEmpty()) labelled = coverTitle(lines, h);
    if (!labelled.isEmpty()) r.title = labelled;
    // A certificate names the work it is given for: "论文《商洛核桃嫁接育苗问题研究》".
    // (also run into the sentence of the award, over more than one line, under a head "荣誉证书")
    if (labelled.isEmpty()) {
        static const RE work(QStringLiteral("^(?:论文|作品|成果|著作|专著|课题|项目)\\s*《([^《》]{4,})》\\s*$"));
        static const RE certificate(QStringLiteral("证\\s*书|奖\\s*状|证\\s*明$"));
        static const RE named(QStringLiteral("(?:论文|作品|成果|著作|专著)\\s*《([^《》]{4,})》"));
        QString text;
        bool award = false;
        for (int i = 0; i < n && i < 15; ++i) {
            award = award || (i < 3 && certificate.match(lines[i].text).hasMatch());
            text += lines[i].text.trimmed();
            if (const auto m = work.match(lines[i].text.trimmed()); m.hasMatch()) {
                r.title = m.captured(1);
                break;
            }
        }
        if (const auto m = named.match(text); award && m.hasMatch()) r.title = m.captured(1);
    }
    // A cover that gives the name twice, in Latin letters ("by Tian Deqiang")
    // and in Chinese, gives it in Chinese.
    for (int i = 0; i < n; ++i) {
        if (labelOf(lines[i].text) != LineLabel::Author || carriesSentenceOn(i)) continue;
        const auto [found, at] = labelledValue(lines, i);
        QString value = untilNextLabel(found);
        if (at >= 0 && found == withoutLabel(lines[at].text)) value += wrappedName(lines, at, found);
        // a row of labels beside it: the head of an author table
        const bool head = labelOf(value.section(QLatin1Char(' '), 0, 0)) != LineLabel::None;
        if (head) value.clear();
        // a post's author is the first word after its mark of origin; the account's name follows
        static const RE origin(QStringLiteral("^原\\s*创\\s"));
        if (origin.match(lines[i].text.trimmed()).hasMatch()) value = value.section(QLatin1Char(' '), 0, 0);
        QStringList names = namesInLine(value);
        // a patent's inventors, each with a place: "Ayşe Scott, Guelph, (CA); Joshua Wilson, Davis, CA (US)"
        static const RE placed(QStringLiteral("^[^;,]+,[^;]*\\(?[A-Z]{2}\\)?\\s*;"));
        if (placed.match(value).hasMatch()) {
            if (value.trimmed().endsWith(QLatin1Char(';')) && at >= 0)
                value = withoutLabel(runOnList(lines, at));
            names.clear();
            for (const QString& item : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                names << namesInLine(item.section(QLatin1Char(','), 0, 0).trimmed()).mid(0, 1);
        }
        // a form's "none" is no name
        static const RE none(QStringLiteral("^(?:none|n/?a|nil|无|—+|-+)$"), RE::CaseInsensitiveOption);
        if (none.match(value.trimmed()).hasMatch()) continue;
        // a sentence of the text that starts "by …" names no author
        if (names.isEmpty() && (hasCjk(value) || value.count(QLatin1Char(' ')) < 6)) names = looseNames(value);
        if (names.isEmpty() && (head || withoutLabel(lines[i].text).isEmpty())) names = namesUnderHeader(lines, i);
        if (names.isEmpty()) continue;
        // a label of several beside a column of names, one a row
        // ("Co-Principal Investigators | Susan U. Robinson" / "Ayşe Miller" / "Jessica Mensah")
        static const RE coLabel(QStringLiteral("^co-?\\s*(?:principal\\s+investigators?|investigators?|pis?|authors?)\\b"),
                                RE::CaseInsensitiveOption);
        static const RE plural(QStringLiteral("(?:s|\\(s\\))\\s*[:：]?$"));
        const QString own = lines[i].text.trimmed();
        const bool beside = at > i && std::abs((lines[at].y0 + lines[at].y1) - (lines[i].y0 + lines[i].y1)) / 2 <
                                          0.4 * (lines[i].y1 - lines[i].y0);
        if (beside && withoutLabel(own).isEmpty() && names.size() == 1 && !hasCjk(names.first()) &&
            (coLabel.match(own).hasMatch() || plural.match(own).hasMatch()))
            names << namesUnderHeader(lines, at);
        // a magazine's byline with the other writers set far apart beside it or one a line under it:
        // "文／甲　　乙", "文／甲" / "乙"
        static const RE byline(QStringLiteral("^(?:文|撰\\s*文|图\\s*文)\\s*[/／·・•]"));
        if (names.size() == 1 && at == i && byline.match(own).hasMatch()) {
            for (int j = besideOnRow(lines, i); j >= 0 && names.size() < 6; j = besideOnRow(lines, j)) {
                const QStringList more = looseNames(lines[j].text);
                if (more.isEmpty() || !hasCjk(more.first())) break;
                names << more;
            }
            for (const QString& m : namesUnderHeader(lines, i, true))
                if (!names.contains(m)) names << m;
        }
        if (r.authors.isEmpty()) r.authors = names;
        else if (hasCjk(names.first())) r.authors = names;
        else if (coLabel.match(lines[i].text.trimmed()).hasMatch())
            for (const QString& m : names)
                if (!r.authors.contains(m)) r.authors << m;
        if (hasCjk(r.authors.first())) {
            for (const QString& m : groupMembers(lines, i))
                if (!r.authors.contains(m)) r.authors << m;
            // numbered members, one a line: "参赛队员 1：甲" / "参赛队员 2：乙"
            static const RE numbered(QStringLiteral("\\d\\s*[:：]"));
            for (int k = i + 1; k < n && numbered.match(lines[i].text).hasMatch(); ++k) {
                if (labelOf(lines[k].text) != LineLabel::Author || !numbered.match(lines[k].text).hasMatch()) break;
                for (const QString& m : namesInLine(untilNextLabel(withoutLabel(lines[k].text))))
                    if (!r.authors.contains(m)) r.authors << m;
            }
            // a form that names one person and then the paper's authors ("姓名：乙" … "作者（按发表
            //顺序）：甲、乙、丙"): the authors' list, when it holds that person
            static const RE authorsLabel(QStringLiteral("^(?:全\\s*部\\s*)?作\\s*者"));
            for (int k = i + 1; k < n && r.authors.size() == 1; ++k) {
                if (labelOf(lines[k].text) != LineLabel::Author || !authorsLabel.match(lines[k].text.trimmed()).hasMatch()) continue;
                const auto [list, where] = labelledValue(lines, k);
                QStringList all = namesInLine(untilNextLabel(list));
                if (all.isEmpty()) all = looseNames(untilNextLabel(list));
                if (all.size() > 1 && all.contains(r.authors.first())) r.authors = all;
                break;
            }
            break;
        }
    }

    // A post printed from its page: the writers, then the account or unit, the time and the place
    // ("何华、谢晨 玉林师范学院农学院 2019-06-04 19:11 发表于广西").
    if (r.authors.isEmpty()) {
        static const RE posted(QStringLiteral("^(?:原创\\s+)?([^\\s]+)\\s.*\\d{4}-\\d{1,2}-\\d{1,2}\\s+\\d{1,2}:\\d{2}(?:\\s*发表于\\S*)?$"));
        for (int i = 0; i < n && i < 8; ++i) {
            const auto m = posted.match(lines[i].text.trimmed());
            if (!m.hasMatch()) continue;
            const QStringList names = looseNames(m.captured(1));
            if (!names.isEmpty() && hasCjk(names.first())) r.authors = names;
            break;
        }
    }

    // An article signed at its end, in brackets: "（作者：甲，系…大学教授；乙，系…）".
    if (r.authors.isEmpty()) {
        static const RE signed_(QStringLiteral("[（(]\\s*(?:作\\s*者|执\\s*笔(?:\\s*人)?|撰\\s*稿(?:\\s*人)?|撰\\s*文)\\s*[:：]\\s*([^，,；;）)]+)"));
        static const RE next(QStringLiteral("[；;]\\s*([\\x{4E00}-\\x{9FFF}·]{2,5})\\s*[，,]\\s*系"));
        for (const Line& l : lines) {
            const auto m = signed_.match(l.text);
            if (!m.hasMatch()) continue;
            QStringList names = namesInLine(m.captured(1));
            if (names.isEmpty()) names = looseNames(m.captured(1));
            for (auto it = next.globalMatch(l.text, m.capturedEnd()); it.hasNext();) names << it.next().captured(1);
            r.authors = names;
            if (!names.isEmpty()) break;
        }
    }
    // An entry of a reference work signed with its authors' names alone, in brackets, after its
    // text: "（陶宁 吴梓红）".
    if (r.authors.isEmpty()) {
        static const RE bare(QStringLiteral("^[（(]\\s*([\\x{4E00}-\\x{9FFF}·]{2,4}(?:[\\s\\x{3000}、，,]+[\\x{4E00}-\\x{9FFF}·]{2,4}){0,3})\\s*[)）]$"));
        for (int i = n - 1; i > 0 && r.authors.isEmpty(); --i) {
            const auto m = bare.match(lines[i].text.trimmed());
            if (!m.hasMatch() || i < 3) continue;
            static const RE apart(QStringLiteral("[\\s\\x{3000}、，,]+"));
            const QStringList names = m.captured(1).split(apart, Qt::SkipEmptyParts);
            const bool all = !names.isEmpty() && std::all_of(names.begin(), names.end(), [](const QString& a) {
                return startsWithChineseSurname(a) && a.size() <= 4;
            });
            if (all) r.authors = names;
        }
    }

    // A box "About the authors" ("Jane Roe is a Senior Researcher at …. John Doe is …"): its sentences'
    // subjects are the authors.
    if (r.authors.isEmpty()) {
        static const RE about(QStringLiteral("^(?:about|on)\\s+the\\s+authors?$"), RE::CaseInsensitiveOption);
        static const RE subject(QStringLiteral("(?:^|(?<=[.;]\\s))(\\p{Lu}[\\p{L}.'’\\-]*(?:\\s+(?:(?:van|von|der|den|de|del|da|di|du|le|la|ter|ten)\\s+)*"
                                               "\\p{Lu}[\\p{L}.'’\\-]*){1,3})\\s+(?:is|was|has been|holds|works|leads|heads|directs)\\b"));
        for (int i = 0; i < n; ++i) {
            if (!about.match(lines[i].text.trimmed()).hasMatch()) continue;
            QString box;
            for (int k = i + 1; k < n && k <= i + 6 && !startsSection(lines[k].text); ++k) box += lines[k].text + QLatin1Char(' ');
            for (auto it = subject.globalMatch(box); it.hasNext();) {
                const QStringList names = namesInLine(it.next().captured(1));
                if (names.size() == 1 && !r.authors.contains(names.first())) r.authors << names.first();
            }
            break;
        }
    }

    // Authors: the likely author lines in reading order, split into names;
    // with them the less certain lines set like them (same size and weight)
    // that hold nothing but names: the rest of an author grid.
    if (r.authors.isEmpty() && student >= 0) r.authors = namesInLine(lines[student].text);
    const bool authorsLabelled = !r.authors.isEmpty();
    // Names that are not the authors': those under a supervisor's label alone on its line, and
    // an article's editors and reviewers listed under their heads ("EDITED BY", "Reviewed by").
    QSet<int> notAuthors;
    QList<int> editedBy;  // a book's editors stand for its authors when nothing else names them
    {
        static const RE editors(QStringLiteral("^\\*?\\s*(?:(?:edited|reviewed|handled)\\s+by|(?:academic|handling|section|guest|associate)\\s+editors?|"
                                               "reviewers?|editors?)\\s*:?$"),
                                RE::CaseInsensitiveOption);
        for (int h = 0; h < n; ++h) {
            const Line& head = lines[h];
            const bool supervisor = labelOf(head.text) == LineLabel::Supervisor && withoutLabel(head.text).isEmpty();
            if (!supervisor && !editors.match(head.text.trimmed()).hasMatch()) continue;
            if (supervisor) {
                const int beside = labelledValue(lines, h).second;  // the value in the next cell of the row
                if (beside >= 0) {
                    notAuthors.insert(beside);
                    continue;
                }
            }
            const double size = std::max(head.size, 1.0);
            double bottom = head.y1;
            for (int j = h + 1; j < n && j <= h + 6; ++j) {
                const Line& l = lines[j];
                if (l.x1 < head.x0 - 2 * size || l.x0 > head.x1 + 2 * size || l.y0 < bottom - 0.2 * size) continue;  // another column
                if (l.y0 - bottom > 1.5 * size || labelOf(l.text) != LineLabel::None || editors.match(l.text.trimmed()).hasMatch()) break;
                if (!namesInLine(l.text).isEmpty() || !namesBeforeUnit(l.text).isEmpty() || isPersonName(l.text.section(QLatin1Char(','), 0, 0))) {
                    notAuthors.insert(j);
                    if (head.text.trimmed().startsWith(QStringLiteral("edited"), Qt::CaseInsensitive)) editedBy << j;
                }
                bottom = l.y1;
                if (supervisor) break;
            }
        }
    }
    // the lines just under the title, where a byline stands
    auto underTitle = [&](int i) { return !titleLines.isEmpty() && i > titleLines.last() && i <= titleLines.last() + 3; };
    QList<int> sure;
    for (int i = 0; i < n; ++i)
        if ((author(i) >= 0.4 || (underTitle(i) && !namesBeforeUnit(lines[i].text).isEmpty())) &&
            lines[i].y0 <= 0.8 * h && !titleLines.contains(i) && !notAuthors.contains(i))
            sure << i;
    // a byline broken inside its last name: "… · Arjun" / "McDonald", the raised marks on a line between
    auto carriedName = [&](int i) -> QString {
        // or a Chinese name's last letter on the next line: "曾然 雷" / "蕾"
        static const RE lastWord(QStringLiteral("(?:[,;·•∙]|\\band)\\s*\\p{Lu}[\\p{Ll}'’\\-]+$"));
        static const RE word(QStringLiteral("^\\p{Lu}[\\p{L}'’\\-]+$"));
        static const RE lastCjk(QStringLiteral("[\\x{4E00}-\\x{9FFF}]{2,}\\s+[\\x{4E00}-\\x{9FFF}]$"));
        static const RE cjkLetters(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{1,2}$"));
        const double size = std::max(lines[i].size, 1.0);
        const bool cjk = lastCjk.match(lines[i].text).hasMatch();
        if (!cjk && !lastWord.match(lines[i].text).hasMatch()) return {};
        for (int k = i + 1; k < n && k <= i + 8; ++k) {
            if (lines[k].size < 0.7 * size) continue;
            if (std::abs(lines[k].size - size) > 0.05 * size || lines[k].y0 - lines[i].y1 > 1.5 * size ||
                !(cjk ? cjkLetters : word).match(lines[k].text).hasMatch() || author(k) >= 0.4)
                return {};
            return cjk ? lines[k].text : QLatin1Char(' ') + lines[k].text;
        }
        return {};
    };
    if (sure.isEmpty()) {
        // no sure line: a line of two names or more just under the title, whatever the model says
        for (int i = 0; i < n && sure.isEmpty(); ++i)
            if (underTitle(i) && title(i) < 0.3 && lines[i].y0 <= 0.8 * h &&
                namesInLine(lines[i].text + carriedName(i)).size() >= 2)
                sure << i;
    }
    if (sure.isEmpty()) {
        // no sure line: the likeliest one, if it holds names
        int best = -1;
        for (int i = 0; i < n; ++i)
            if (lines[i].y0 <= 0.8 * h && (best < 0 || author(i) > author(best))) best = i;
        if (best >= 0 && author(best) >= 0.08 && !namesInLine(withoutLabel(lines[best].text)).isEmpty()) sure << best;
    }
    // Between two lines of an author block: names, affiliations and marks, no heading, title or body.
    auto sameBlock = [&](int a, int b) {
        for (int k = std::min(a, b) + 1; k < std::max(a, b); ++k)
            if (startsSection(lines[k].text) || title(k) >= 0.3 || labelOf(lines[k].text) != LineLabel::None) return false;
        return true;
    };
    auto likeSure = [&](int i) {
        // names side by side in columns count as names; in a line the model takes rather for an
        // affiliation, a "name" with an acronym in it is the institution ("ETH Zurich and Rmetrics
        // Association Zurich"), names and then their affiliation stay ("P. Contributor, Institute, City")
        const QStringList names = namesInLine(lines[i].gapText.isEmpty() ? lines[i].text : lines[i].gapText);
        if (names.isEmpty()) return false;
        // inside an address, set close under its line before: "Department of Statistics" / "Virginia
        // Tech" / "rbg@vt.edu" (a grid's next name stands further from the schools above it)
        if (i > 0 && i + 1 < n && isAffiliation(lines[i - 1].text) && isAffiliation(lines[i + 1].text) &&
            lines[i].y0 - lines[i - 1].y1 < 0.6 * std::max(lines[i].size, 1.0))
            return false;
        static const RE acronym(QStringLiteral("(^|\\s)\\p{Lu}{2,}(\\s|$|-)"));
        if ((kindOf(kinds, i, LineKind::Affiliation) > author(i) || isAffiliation(lines[i].text)) &&
            std::any_of(names.begin(), names.end(), [](const QString& a) { return a.contains(acronym); }))
            return false;
        // a line the model doubts is still a name of the grid when it is nothing but names in
        // the type of a sure line of the same block: "Li Wei" under a row of two names and their schools
        // and both it and the sure line have their affiliation under them
        const bool doubted = author(i) < 0.1;
        auto affiliated = [&](int k) { return k + 1 < n && isAffiliation(lines[k + 1].text) && author(k + 1) < 0.4; };
        if (doubted && (title(i) >= 0.2 || isDateLine(lines[i].text) || lines[i].y0 > 0.8 * h || !affiliated(i)))
            return false;
        for (int j : sure)
            if (std::abs(lines[j].size - lines[i].size) < 0.05 * lines[j].size && lines[j].bold == lines[i].bold &&
                std::abs(lines[j].y0 - lines[i].y0) < 0.15 * h && (!doubted || (sameBlock(i, j) && affiliated(j))))
                return true;
        return false;
    };
    for (int i = 0; i < n && !authorsLabelled && !sure.isEmpty(); ++i) {
        if ((!sure.contains(i) && !likeSure(i)) || titleLines.contains(i) || notAuthors.contains(i)) continue;
        // names side by side in columns are read apart
        const QString text = withoutLabel(lines[i].gapText.isEmpty() ? lines[i].text : lines[i].gapText) + carriedName(i);
        QStringList names = namesBeforeUnit(text);
        if (names.isEmpty()) names = namesInLine(text);
        if (names.isEmpty()) names = looseNames(text);
        for (const QString& name : names)
            if (!r.authors.contains(name)) r.authors << name;
    }

    // Still no author: a piece signed at its foot, after the text, one author a line with the
    // affiliation after a comma ("Rebecca Petrova, Department of Geography, …, Germany").
    if (r.authors.isEmpty()) {
        // the affiliation after a comma, or in its own type, starting with its first word
        static const RE signature(QStringLiteral("^(\\p{Lu}[\\p{L}.'’\\-]*(?:\\s+(?:(?:van|von|der|den|de|del|da|di|du|le|la|ter|ten)\\s+)*"
                                                 "\\p{Lu}[\\p{L}.'’\\-]*){1,3}?)"
                                                 "(?:\\s*,\\s*|\\s+(?=(?:Department|School|College|Institute|University|Faculty|"
                                                 "Cent(?:re|er)|Laborator|Division|Dept)))(.+)$"));
        QStringList signers;
        for (int i = n - 1; i >= 0 && i >= n - 8; --i) {
            const QString& t = lines[i].text;
            if (isContactLine(t) || t.contains(QLatin1Char('@'))) {
                if (signers.isEmpty()) continue;
                break;
            }
            const auto m = signature.match(t);
            if (!m.hasMatch() || !isAffiliation(m.captured(2)) || namesInLine(m.captured(1)).size() != 1) {
                // the end of the affiliation above, wrapped: "… Delft University of Technology, The" / "Netherlands"
                if (i > 0 && t.count(QLatin1Char(' ')) < 3 && !t.endsWith(QLatin1Char('.')) && signature.match(lines[i - 1].text).hasMatch())
                    continue;
                break;
            }
            signers.prepend(namesInLine(m.captured(1)).first());
        }
        r.authors = signers;
    }

    if (r.authors.isEmpty() && !authorsLabelled)
        for (int j : editedBy) {
            QStringList names = namesBeforeUnit(lines[j].text);
            if (names.isEmpty()) names = namesInLine(lines[j].text);
            for (const QString& name : names)
                if (!r.authors.contains(name)) r.authors << name;
        }

    // A letter to the editor ("Sir,", "To the Editor:") is signed after its text: each name on its own
    // line, in capitals or not, over its affiliation ("SARAH JONES" / "University of Washington, …").
    static const RE salutation(QStringLiteral("^(?:sir|madam|dear\\s+(?:sir|madam|editors?)|to\\s+the\\s+editors?)\\s*[,:：]?$"),
                               RE::CaseInsensitiveOption);
    if (const auto at = std::find_if(lines.begin(), lines.end(), [](const Line& l) { return salutation.match(l.text.trimmed()).hasMatch(); });
        at != lines.end()) {
        QStringList signers;
        for (int i = int(at - lines.begin()) + 1; i + 1 < n; ++i) {
            QString t = lines[i].text.trimmed();
            if (t.size() > 40 || !isAffiliation(lines[i + 1].text)) continue;
            if (t == t.toUpper()) {  // "SARAH JONES" -> "Sarah Jones"
                t = t.toLower();
                for (int k = 0; k < t.size(); ++k)
                    if (t[k].isLetter() && (k == 0 || t[k - 1] == QLatin1Char(' ') || t[k - 1] == QLatin1Char('-'))) t[k] = t[k].toUpper();
            }
            const QStringList names = namesInLine(t);
            if (names.size() == 1 && names.first() == t) signers << t;
        }
        if (!signers.isEmpty()) r.authors = signers;
    }

    // One banner in capitals among names that are not: "ECONOMIC POLICY REVIEW", "ETH ZÜRICH".
    auto shouts = [](const QString& a) { return !hasCjk(a) && a.contains(QLatin1Char(' ')) && a == a.toUpper(); };
    if (std::count_if(r.authors.begin(), r.authors.end(), shouts) == 1 && r.authors.size() > 1)
        r.authors.erase(std::remove_if(r.authors.begin(), r.authors.end(), shouts), r.authors.end());

    // A Chinese page that prints its authors in pinyin and in Chinese gives them in Chinese.
    if (hasCjk(r.title) && std::any_of(r.authors.begin(), r.authors.end(), [](const QString& a) { return hasCjk(a); }))
        r.authors.erase(std::remove_if(r.authors.begin(), r.authors.end(), [](const QString& a) { return !hasCjk(a); }),
                        r.authors.end());

    // Keywords.
    static const RE kw(QStringLiteral("^[\\[【〔]?\\s*(?:key\\s*words?|keywords?|index terms|关\\s*键\\s*词|关\\s*键\\s*字)\\s*[\\]】〕]?\\s*"
                                      "[:：—–\\-.|｜│]?\\s*(.*)$"),
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
            if (startsSection(n.text) || labelOf(n.text) != LineLabel::None || text.endsWith(QLatin1Char('.')) ||
                text.endsWith(QChar(0x3002)))
                break;
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
