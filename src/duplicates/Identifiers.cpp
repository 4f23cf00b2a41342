#include "duplicates/Identifiers.h"

#include <QRegularExpression>

namespace duplicates {

Identifiers identifiers(const QString& text) {
    Identifiers ids;
    if (text.isEmpty()) return ids;
    static const QRegularExpression doi(QStringLiteral("\\b(10\\.\\d{4,9}/[^\\s\"<>{}；，,]+)"));
    static const QRegularExpression arxiv(
        QStringLiteral("(?:arxiv[:\\s]*|arxiv\\.org/(?:abs|pdf)/)((?:\\d{4}\\.\\d{4,5})|(?:[a-z\\-]+(?:\\.[a-z]{2})?/\\d{7}))"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = doi.match(text); m.hasMatch()) {
        QString d = m.captured(1).toLower();
        while (!d.isEmpty() && QStringLiteral(".;:)]}'。").contains(d.back())) d.chop(1);
        ids.doi = d;
    }
    if (const auto m = arxiv.match(text); m.hasMatch()) ids.arxiv = m.captured(1).toLower();
    // an arXiv DOI names the same thing
    static const QRegularExpression arxivDoi(QStringLiteral("^10\\.48550/arxiv\\.(.+)$"));
    if (const auto m = arxivDoi.match(ids.doi); m.hasMatch()) {
        if (ids.arxiv.isEmpty()) ids.arxiv = m.captured(1);
        ids.doi.clear();
    }
    static const QRegularExpression version(QStringLiteral("v\\d+$"));
    ids.arxiv.remove(version);
    return ids;
}

}  // namespace duplicates
