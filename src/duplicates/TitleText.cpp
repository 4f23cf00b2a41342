#include "duplicates/TitleText.h"

#include <QHash>
#include <algorithm>
#include <QRegularExpression>
#include <QSet>

namespace duplicates {

namespace {

bool isHan(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x2FA1F) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

// Commands that only format their argument: dropped, the argument kept.
const QSet<QString>& formatCommands() {
    static const QSet<QString> names = {
        "emph", "textit", "textbf", "textsc", "textrm", "textsf", "texttt", "textup", "textsl", "textnormal",
        "mathrm", "mathit", "mathbf", "mathsf", "mathtt", "mathcal", "mathbb", "mathfrak", "boldsymbol", "mbox",
        "hbox", "text", "it", "bf", "sc", "rm", "sf", "tt", "sl", "em", "small", "large", "Large", "footnotesize",
        "scriptsize", "tiny", "normalsize", "uppercase", "lowercase", "MakeUppercase", "MakeLowercase", "protect",
        "relax", "noopsort", "url", "href", "ensuremath", "c", "v", "u", "H", "k", "r", "d", "b", "t", "space",
        "xspace", "nobreakspace", "ldots", "dots", "textendash", "textemdash", "textquoteright", "textquoteleft",
        "thinspace", "enspace", "quad", "qquad", "kern", "hskip", "hspace", "slash", "Dash", "dash", "emdash",
        "endash", "acro", "sltt", "smc", "llap", "rlap", "raise", "lower", "nth", "ss"};
    return names;
}

// Commands that stand for a letter or two.
const QHash<QString, QString>& letterCommands() {
    static const QHash<QString, QString> letters = {
        {"ss", "ss"}, {"o", "o"}, {"O", "O"}, {"ae", "ae"}, {"AE", "AE"}, {"oe", "oe"}, {"OE", "OE"},
        {"aa", "a"},  {"AA", "A"}, {"l", "l"}, {"L", "L"},  {"i", "i"},   {"j", "j"},   {"dh", "d"},
        {"th", "th"}, {"ng", "ng"}, {"&", "&"}, {"%", "%"}, {"$", "$"},   {"_", "_"},   {"#", "#"}};
    return letters;
}

// Removes LaTeX markup: commands, braces, math shifts; accents stay on their
// letter (dropped later with the other marks), so \'{e} becomes e.
QString stripLatex(const QString& text) {
    if (!text.contains(QLatin1Char('\\')) && !text.contains(QLatin1Char('{')) && !text.contains(QLatin1Char('$')) &&
        !text.contains(QLatin1Char('~')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('$')) continue;
        if (c == QLatin1Char('~')) {
            out += QLatin1Char(' ');
            continue;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (i + 1 >= text.size()) break;
        const QChar n = text.at(i + 1);
        if (!n.isLetter()) {
            // \' \" \` \^ \~ \= \. accents, escaped marks, "\\" line breaks, \, \; spaces
            const QString one(n);
            if (letterCommands().contains(one)) out += letterCommands().value(one);
            else if (n.isDigit()) out += n;
            else if (QStringLiteral("\\,;:! ").contains(n)) out += QLatin1Char(' ');
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < text.size() && text.at(j).isLetter() && text.at(j).unicode() < 128) ++j;
        const QString name = text.mid(i + 1, j - i - 1);
        if (letterCommands().contains(name)) out += letterCommands().value(name);
        else if (!formatCommands().contains(name) && !formatCommands().contains(name.toLower())) out += QLatin1Char(' ') + name + QLatin1Char(' ');
        // a blank after a command name only ends the name
        if (j < text.size() && text.at(j) == QLatin1Char(' ')) ++j;
        i = j - 1;
    }
    return out;
}

const QRegularExpression& versionMark() {
    static const QRegularExpression re(QStringLiteral(
        "(\\s+(v\\d+|version\\s+\\d+|extended\\s+(version|abstract)|preprint|draft|revised(\\s+version)?|"
        "full\\s+version|long\\s+version|short\\s+version|accepted\\s+version|postprint)|"
        "\\s*(修订版|修订稿|预印本|征求意见稿|扩展版|完整版|摘要版|第[一二三四五六七八九十\\d]+版|网络首发))+$"));
    return re;
}

const QRegularExpression& leadingArticle() {
    static const QRegularExpression re(QStringLiteral("^(the|a|an|on|towards?|about)\\s+"));
    return re;
}

int romanValue(const QString& t) {
    static const QHash<QString, int> values = {{"i", 1},  {"ii", 2},  {"iii", 3}, {"iv", 4},   {"v", 5},
                                               {"vi", 6}, {"vii", 7}, {"viii", 8}, {"ix", 9}, {"x", 10},
                                               {"xi", 11}, {"xii", 12}};
    return values.value(t, 0);
}

int hanNumeral(const QString& t) {
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    const qsizetype ten = t.indexOf(QChar(0x5341));  // 十
    if (ten < 0) {
        int value = 0;
        for (const QChar c : t) {
            const int d = int(digits.indexOf(c));
            if (d < 0) return -1;
            value = value * 10 + d;
        }
        return value;
    }
    const int tens = ten == 0 ? 1 : int(digits.indexOf(t.at(0)));
    const int ones = ten + 1 < t.size() ? int(digits.indexOf(t.at(ten + 1))) : 0;
    return tens * 10 + ones;
}

// Figures of a folded title: digits, roman numerals after a part word (or
// standing last), Chinese 第…章/卷/部分 and the 上/中/下 of a title in parts.
QStringList figures(const QString& folded) {
    static const QSet<QString> cues = {"part",  "pt",     "vol",    "volume", "chapter", "chap", "ch",
                                       "book",  "section", "no",    "number", "series",  "paper", "lecture",
                                       "issue", "appendix", "supplement"};
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    static const QRegularExpression hanOrdinal(
        QStringLiteral("第([一二三四五六七八九十零\\d]+)(章|卷|部分|册|篇|讲|部|集|辑|期)"));
    static const QRegularExpression hanPart(QStringLiteral("(^|\\s)([上中下一二三四五六七八九十]+)(?=\\s|$)|[(（]([上中下一二三四五六七八九十]+)[)）]"));
    QStringList out;
    const QStringList tokens = folded.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString& t = tokens[i];
        auto it = digits.globalMatch(t);
        bool any = false;
        while (it.hasNext()) {
            out << QString::number(it.next().captured(0).toLongLong());
            any = true;
        }
        if (any) continue;
        const int r = romanValue(t);
        if (r && ((i > 0 && cues.contains(tokens[i - 1])) || (i == tokens.size() - 1 && t.size() > 1)))
            out << QString::number(r);
    }
    auto h = hanOrdinal.globalMatch(folded);
    while (h.hasNext()) {
        const QString n = h.next().captured(1);
        const int v = n.at(0).isDigit() ? n.toInt() : hanNumeral(n);
        out << QString::number(v);
    }
    auto p = hanPart.globalMatch(folded);
    while (p.hasNext()) {
        const auto m = p.next();
        out << (m.captured(2).isEmpty() ? m.captured(4) : m.captured(2));
    }
    return out;
}

QString markerOf(const QString& folded) {
    static const QHash<QString, QString> words = {
        {"erratum", "erratum"},     {"errata", "erratum"},     {"corrigendum", "erratum"},
        {"corrigenda", "erratum"},  {"correction", "erratum"}, {"corrections", "erratum"},
        {"addendum", "addendum"},   {"addenda", "addendum"},   {"retraction", "retraction"},
        {"retracted", "retraction"}, {"comment", "comment"},   {"comments", "comment"},
        {"commentary", "comment"},  {"reply", "reply"},        {"response", "reply"},
        {"rejoinder", "reply"},     {"discussion", "comment"}};
    static const std::pair<const char*, const char*> han[] = {
        {"勘误", "erratum"}, {"更正", "erratum"}, {"补遗", "addendum"}, {"撤稿", "retraction"},
        {"评论", "comment"}, {"商榷", "comment"}, {"答复", "reply"},    {"回复", "reply"}, {"复函", "reply"}};
    QStringList found;
    for (const QString& t : folded.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (const auto w = words.constFind(t); w != words.constEnd() && !found.contains(*w)) found << *w;
    for (const auto& [text, kind] : han)
        if (folded.contains(QString::fromUtf8(text)) && !found.contains(QLatin1String(kind))) found << QLatin1String(kind);
    found.sort();
    return found.join(QLatin1Char('+'));
}

// Where a subtitle starts in the NFKC form of a title, or -1.
qsizetype subtitleStart(const QString& t) {
    static const QRegularExpression sep(
        QStringLiteral("\\s*(:|;|\\s-{1,3}\\s|—+|–|\\s--?\\s|\\?\\s|!\\s|\\.\\s)"));
    // a bracketed part at the end: "（以新闻语料为例）", "(extended abstract)"
    static const QRegularExpression trailing(QStringLiteral("\\s*[(\\[][^()\\[\\]]+[)\\]][.。!]?\\s*$"));
    const auto m = sep.match(t);
    const auto b = trailing.match(t);
    if (m.hasMatch() && b.hasMatch()) return std::min(m.capturedStart(0), b.capturedStart(0));
    if (m.hasMatch()) return m.capturedStart(0);
    return b.hasMatch() ? b.capturedStart(0) : -1;
}

QString cleanFold(const QString& text) {
    QString s = stripLatex(text).normalized(QString::NormalizationForm_KC);
    s = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(s.size());
    bool blank = true;
    const QList<uint> points = s.toUcs4();
    for (uint u : points) {
        const char32_t c = u;
        const QChar::Category cat = QChar::category(c);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_Enclosing) continue;
        if (QChar::isLetterOrNumber(c)) {
            // ASCII folds by its own rule and a Han character has no case:
            // the common letters go without a string of their own.
            if (c < 0x80) out += QChar(c >= u'A' && c <= u'Z' ? c + 32 : c);
            else if (isHan(c) && c < 0x10000) out += QChar(c);
            else out += QString::fromUcs4(&c, 1).toCaseFolded();
            blank = false;
        } else if (!blank) {
            out += QLatin1Char(' ');
            blank = true;
        }
    }
    if (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out.normalized(QString::NormalizationForm_C);
}

}  // namespace

QString foldText(const QString& text) { return cleanFold(text); }

bool hasHan(const QString& text) {
    for (uint u : text.toUcs4())
        if (isHan(u)) return true;
    return false;
}

TitleForms titleForms(const QString& title) {
    TitleForms f;
    QString full = cleanFold(title);
    full.remove(versionMark());
    f.full = full;
    f.numbers = figures(full);
    f.marker = markerOf(full);

    const QString nfkc = stripLatex(title).normalized(QString::NormalizationForm_KC).trimmed();
    const qsizetype cut = subtitleStart(nfkc);
    QString main = full;
    if (cut > 0) {
        QString head = cleanFold(nfkc.left(cut));
        head.remove(versionMark());
        const bool longEnough = hasHan(head) ? compact(head).size() >= 4 : head.count(QLatin1Char(' ')) >= 1;
        if (longEnough && head != full) {
            main = head;
            f.subtitle = true;
        }
    }
    f.mainNumbers = main == full ? f.numbers : figures(main);
    main.remove(leadingArticle());
    f.main = main;
    f.fullKey = compact(full);
    f.mainKey = compact(main);
    return f;
}

QString compact(const QString& folded) {
    QString s = folded;
    s.remove(QLatin1Char(' '));
    return s;
}

QString titleBlock(const QString& mainTitle) {
    QString block = compact(mainTitle).left(kBlockChars);
    if (!block.isEmpty() && block.back().isHighSurrogate()) block.chop(1);  // never half a character
    return block;
}

}  // namespace duplicates
