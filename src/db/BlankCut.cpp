#include "db/BlankCut.h"

#include "db/SqlText.h"

#include <QHash>
#include <QRegularExpression>

namespace db {

namespace {

// The statement with each quoted text replaced by "?", or by "!" when it ends
// in a blank. Empty when a quote is left open.
QString skeleton(const QString& statement) {
    // Written straight into a buffer as long as the statement (it only
    // shrinks): this runs for every statement that stores values.
    const qsizetype n = statement.size();
    const QChar* in = statement.constData();
    QString out(n, Qt::Uninitialized);
    QChar* to = out.data();
    QChar* const begin = to;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        if (c != QLatin1Char('\'') && c != QLatin1Char('"') && c != QLatin1Char('`')) {
            *to++ = c;
            continue;
        }
        // A quoted text (or a `name`): backslash escapes, a doubled quote.
        const qsizetype open = i;
        i = closingQuote(QStringView(in, n), open);
        if (i < 0) return {};
        if (c == QLatin1Char('`')) {
            for (qsizetype k = open; k <= i; ++k) *to++ = in[k];
        } else {
            const bool blank = i - 1 > open && in[i - 1] == QLatin1Char(' ');
            *to++ = QLatin1Char(blank ? '!' : '?');
        }
    }
    out.truncate(to - begin);
    return out;
}

// Every stored value a plain literal, none a text ending in a blank (what
// the "where" of an update compares with stores nothing).
bool onlyLiterals(const QString& skeleton) {
    static const QString value = QStringLiteral(R"((?:\?|null|default|[-+]?\d+(?:\.\d+)?))");
    static const QString name = QStringLiteral(R"((?:[\w.]+|`[^`]*`))");
    static const QString row = QStringLiteral(R"(\(\s*V(?:\s*,\s*V)*\s*\))").replace(QLatin1Char('V'), value);
    static const QRegularExpression insert(
        QStringLiteral(R"(^\s*(?:insert|replace)\s+(?:ignore\s+)?(?:into\s+)?N\s*(?:\(\s*N(?:\s*,\s*N)*\s*\))?\s*values?\s*R(?:\s*,\s*R)*\s*;?\s*$)")
            .replace(QLatin1Char('N'), name)
            .replace(QLatin1Char('R'), row),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression update(
        QStringLiteral(R"(^\s*update\s+N\s+set\s+N\s*=\s*V(?:\s*,\s*N\s*=\s*V)*(?:\s+where\s[^;#]*)?\s*;?\s*$)")
            .replace(QLatin1Char('N'), name)
            .replace(QLatin1Char('V'), value),
        QRegularExpression::CaseInsensitiveOption);
    // A comment could hide anything: such a statement is checked.
    if (skeleton.contains(QLatin1String("--")) || skeleton.contains(QLatin1String("/*")) ||
        skeleton.contains(QLatin1Char('#')))
        return false;
    return insert.match(skeleton).hasMatch() || update.match(skeleton).hasMatch();
}

// The program sends the same few shapes of statement over and over (an
// import: the same six for every paper): the answer for a shape is kept.
bool onlyLiteralsRemembered(const QString& skeleton) {
    constexpr qsizetype kShapes = 64;
    thread_local QHash<QString, bool> known;
    const auto seen = known.constFind(skeleton);
    if (seen != known.cend()) return *seen;
    if (known.size() >= kShapes) known.clear();
    const bool plain = onlyLiterals(skeleton);
    known.insert(skeleton, plain);
    return plain;
}

}  // namespace

bool mayCutBlanks(const QString& statement) {
    qsizetype i = 0;
    while (i < statement.size() && (statement.at(i).isSpace() || statement.at(i) == QLatin1Char('('))) ++i;
    const QString head = statement.mid(i, 8).toLower();
    const bool stores = head.startsWith(QLatin1String("insert")) || head.startsWith(QLatin1String("update")) ||
                        head.startsWith(QLatin1String("replace"));
    if (!stores) return false;
    const QString plain = skeleton(statement);
    return plain.isEmpty() || !onlyLiteralsRemembered(plain);
}

}  // namespace db
