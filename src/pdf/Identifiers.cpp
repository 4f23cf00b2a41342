#include "pdf/Identifiers.h"

#include <QRegularExpression>
#include <QStringList>

namespace pdf {
namespace {

using RE = QRegularExpression;

// Punctuation that ends a sentence or a bracket after the identifier.
QString trimmed(QString id) {
    while (!id.isEmpty() && QStringLiteral(".,;:)]}>\"'。，；）").contains(id.back())) {
        // a bracket that belongs to the DOI itself stays: 10.1002/(SICI)...
        if ((id.back() == QLatin1Char(')') && id.count(QLatin1Char('(')) >= id.count(QLatin1Char(')'))) ||
            (id.back() == QLatin1Char(']') && id.count(QLatin1Char('[')) >= id.count(QLatin1Char(']'))))
            break;
        id.chop(1);
    }
    return id;
}

}  // namespace

QString doiIn(const QString& text) {
    static const RE doi(QStringLiteral("\\b(10\\.\\d{4,9}/[^\\s\"<>]+)"));
    const auto m = doi.match(text);
    return m.hasMatch() ? trimmed(m.captured(1)) : QString();
}

QString arxivIn(const QString& text) {
    static const RE modern(QStringLiteral("arxiv\\s*[:：]?\\s*(\\d{4}\\.\\d{4,5}(?:v\\d+)?)"), RE::CaseInsensitiveOption);
    static const RE old(QStringLiteral("arxiv\\s*[:：]?\\s*([a-z\\-]+(?:\\.[A-Z]{2})?/\\d{7}(?:v\\d+)?)"),
                        RE::CaseInsensitiveOption);
    static const RE url(QStringLiteral("arxiv\\.org/(?:abs|pdf)/(\\d{4}\\.\\d{4,5}(?:v\\d+)?|[a-z\\-]+(?:\\.[A-Z]{2})?/\\d{7})"),
                        RE::CaseInsensitiveOption);
    for (const RE* re : {&modern, &old, &url}) {
        const auto m = re->match(text);
        if (m.hasMatch()) return m.captured(1);
    }
    return {};
}

QString identifierRemark(const PdfFacts& f, const QString& pageText) {
    const QString meta = QStringList{f.title, f.subject, f.keywords, f.xmp}.join(QLatin1Char('\n'));
    QString doi = doiIn(pageText);
    if (doi.isEmpty()) doi = doiIn(meta);
    QString arxiv = arxivIn(f.marginText + QLatin1Char('\n') + pageText);
    if (arxiv.isEmpty()) arxiv = arxivIn(meta);
    QStringList parts;
    if (!doi.isEmpty()) parts << QStringLiteral("DOI：") + doi;
    if (!arxiv.isEmpty()) parts << QStringLiteral("arXiv：") + arxiv;
    return parts.join(QStringLiteral("；"));
}

}  // namespace pdf
