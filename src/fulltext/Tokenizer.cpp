#include "fulltext/Tokenizer.h"

namespace fulltext {

bool isCjk(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x3FFFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F) ||
           c == 0x3005 || c == 0x3007;
}

namespace {

bool isWordChar(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Letter_Uppercase: case QChar::Letter_Lowercase: case QChar::Letter_Titlecase:
        case QChar::Letter_Modifier: case QChar::Letter_Other: case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining: case QChar::Mark_Enclosing: case QChar::Number_DecimalDigit:
        case QChar::Number_Letter: case QChar::Number_Other:
            return true;
        default:
            return false;
    }
}

char32_t codeAt(const QString& text, int i, int& width) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    width = 1;
    return c.unicode();
}

}  // namespace

void scanUnits(const QString& text, QVector<UnitSpan>& out) {
    out.clear();
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        int w = 1;
        const char32_t c = codeAt(text, i, w);
        if (isCjk(c)) {
            out.append(UnitSpan{i, w, true, false});
            i += w;
            continue;
        }
        if (!isWordChar(c)) {
            i += w;
            continue;
        }
        const int start = i;
        bool plain = true;  // ASCII only: no normalisation needed
        while (i < n) {
            const char32_t d = codeAt(text, i, w);
            if (isCjk(d) || !isWordChar(d)) break;
            if (d >= 0x80) plain = false;
            i += w;
        }
        out.append(UnitSpan{start, i - start, false, plain});
    }
}

QString unitText(const QString& text, const UnitSpan& span) {
    const QString s = text.mid(span.start, span.length);
    if (span.cjk) return s;
    return span.plain ? s.toLower() : s.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QVector<Token> tokenize(const QString& text) {
    QVector<UnitSpan> spans;
    scanUnits(text, spans);
    QVector<Token> out;
    out.reserve(spans.size());
    for (const UnitSpan& s : spans) out.append(Token{unitText(text, s), s.cjk, s.start, s.length});
    return out;
}

QString termAt(const QVector<Token>& tokens, int i) {
    const Token& t = tokens[i];
    if (!t.cjk) return t.text.size() > kMaxTermLength ? t.text.left(kMaxTermLength) : t.text;
    if (i + 1 < tokens.size() && tokens[i + 1].cjk) return t.text + tokens[i + 1].text;
    return t.text;
}

}  // namespace fulltext
