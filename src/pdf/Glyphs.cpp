#include "pdf/Glyphs.h"

#include "pdf/TextLines.h"

namespace pdf {
namespace {

bool computerModern(const QString& font) {
    // "ABCDEF+CMR10", "CMBX12", "CMTI10": the OT1 Type 1 fonts of Computer Modern
    const QString base = font.mid(font.indexOf(QLatin1Char('+')) + 1);
    return base.startsWith(QLatin1String("CM")) && !base.startsWith(QLatin1String("CMU"));
}

}  // namespace

QString mendLigatures(const QString& text, const QString& font) {
    static const char* const ligatures[] = {"ff", "fi", "fl", "ffi", "ffl"};
    static const char* const ot1Letters[] = {"\u0153", "\u00F8", "\u00C6", "\u0152", "\u00D8"};
    bool plain = true;
    for (QChar c : text) plain = plain && c.unicode() >= 0x20;
    if (plain) return text;
    const bool ot1 = computerModern(font);
    QString out;
    out.reserve(text.size() + 4);
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x0B && u <= 0x0F)
            out += QLatin1String(ligatures[u - 0x0B]);
        else if (u >= 0x1B && u <= 0x1F)
            out += ot1 ? QString::fromUtf8(ot1Letters[u - 0x1B]) : QString::fromLatin1(ligatures[u - 0x1B]);
        else
            out += c;
    }
    return out;
}

QString textLayerProblem(const QList<Word>& words) {
    int chars = 0, readable = 0, symbols = 0;
    for (const Word& w : words)
        for (QChar c : w.text) {
            if (c.isSpace()) continue;
            ++chars;
            const ushort u = c.unicode();
            const bool privateUse = (u >= 0xE000 && u <= 0xF8FF) || c.isSurrogate();
            if (privateUse || u < 0x20 || u == 0xFFFD || (u >= 0x2190 && u <= 0x2BFF && u != 0x2212)) ++symbols;
            else if (c.isLetterOrNumber() || isCjk(c)) ++readable;
        }
    if (chars == 0) return QStringLiteral("第一页没有文字（可能是扫描件）");
    // (dot leaders of a table of contents are punctuation, not symbols)
    if (symbols * 3 > chars || readable * 5 < chars)
        return QStringLiteral("第一页的文字层由符号字形组成，无法识别");
    return {};
}

}  // namespace pdf
