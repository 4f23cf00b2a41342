#include "fulltext/Snippet.h"

#include <QRegularExpression>

namespace fulltext {

QString snippet(const QString& page, const QVector<Clause>& clauses, int before, int after) {
    const QVector<Token> units = tokenize(page);
    for (const Clause& c : clauses) {
        const QVector<int> at = occurrences(units, c);
        if (at.isEmpty()) continue;
        const Token& first = units[at.first()];
        const Token& last = units[at.first() + c.units.size() - 1];
        const int start = first.start;
        const int end = last.start + last.length;
        int from = std::max(0, start - before);
        int to = std::min<int>(page.size(), end + after);
        // a cut inside a word moves to the blank beside it
        static const QRegularExpression blankChar(QStringLiteral("\\s"));
        if (from > 0 && !page.at(from - 1).isSpace()) {
            const int blank = int(page.indexOf(blankChar, from));
            if (blank >= 0 && blank < start) from = blank + 1;
        }
        if (to < page.size() && !page.at(to).isSpace()) {
            const int blank = int(page.lastIndexOf(blankChar, to));
            if (blank > end) to = blank;
        }
        QString out = (page.mid(from, start - from) + QStringLiteral("【") + page.mid(start, end - start) +
                       QStringLiteral("】") + page.mid(end, to - end))
                          .simplified();
        if (from > 0) out.prepend(QStringLiteral("…"));
        if (to < page.size()) out.append(QStringLiteral("…"));
        return out;
    }
    const QString head = page.left(before + after).simplified();
    return page.size() > before + after ? head + QStringLiteral("…") : head;
}

}  // namespace fulltext
