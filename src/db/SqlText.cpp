#include "db/SqlText.h"

#include <algorithm>

namespace db {

QString sqlQuote(const QString& value) {
    // Most values hold nothing to escape: they are returned as they are.
    const auto special = [](QChar c) {
        return c == QLatin1Char('\'') || c == QLatin1Char('\\') || c.unicode() == 0;
    };
    const auto first = std::find_if(value.cbegin(), value.cend(), special);
    if (first == value.cend()) return value;
    QString out;
    out.reserve(value.size() + 8);
    out.append(value.constData(), first - value.cbegin());
    for (QChar c : QStringView(value).sliced(first - value.cbegin())) {
        switch (c.unicode()) {
            case '\'': out += QLatin1String("\\'"); break;
            case '\\': out += QLatin1String("\\\\"); break;
            case 0: out += QLatin1String("\\0"); break;
            default: out += c;
        }
    }
    return out;
}

QString likeQuote(const QString& value) {
    // The like operator reads a backslash as its escape character, so a typed
    // backslash is doubled for it before the literal itself is escaped.
    QString doubled = value;
    doubled.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return sqlQuote(doubled);
}

QString likePattern(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("%");
    return QLatin1Char('%') + likeQuote(text) + QLatin1Char('%');
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ') ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ') --end;
    return text.mid(begin, end - begin);
}

qsizetype closingQuote(QStringView text, qsizetype open) {
    const QChar quote = text.at(open);
    const qsizetype n = text.size();
    for (qsizetype i = open + 1; i < n; ++i) {
        const QChar d = text.at(i);
        if (d == QLatin1Char('\\') && quote != QLatin1Char('`')) {
            ++i;
        } else if (d == quote) {
            if (i + 1 < n && text.at(i + 1) == quote) {
                ++i;
                continue;
            }
            return i;
        }
    }
    return -1;
}

bool isOneStatement(const QString& statement) {
    qsizetype n = statement.size();
    const QChar* in = statement.constData();
    // A ";" that only ends the text is allowed.
    while (n > 0 && in[n - 1].isSpace()) --n;
    if (n > 0 && in[n - 1] == QLatin1Char(';')) --n;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        // Text in double quotes is a value or a name as the session's mode
        // says, and a backslash in it escapes or not: not told apart here.
        if (c == QLatin1Char(';') || c == QLatin1Char('#') || c == QLatin1Char('"') || c.unicode() == 0) return false;
        if ((c == QLatin1Char('-') || c == QLatin1Char('/')) && i + 1 < n &&
            in[i + 1] == (c == QLatin1Char('-') ? QLatin1Char('-') : QLatin1Char('*')))
            return false;
        if (c != QLatin1Char('\'') && c != QLatin1Char('`')) continue;
        i = closingQuote(QStringView(in, n), i);
        if (i < 0) return false;
    }
    return true;
}

}  // namespace db
