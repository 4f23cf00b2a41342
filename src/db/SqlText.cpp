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

}  // namespace db
