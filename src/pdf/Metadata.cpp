#include "pdf/Metadata.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include "pdf/FirstPage.h"

namespace pdf {
namespace {

using RE = QRegularExpression;

struct Xmp {
    QString title;
    QStringList creators;
    QStringList subjects;
    QString keywords;
    QString date;
};

// The few XMP properties used here: dc:title, dc:creator, dc:subject,
// pdf:Keywords and the publication or creation date.
Xmp parseXmp(const QString& xml) {
    Xmp x;
    if (xml.isEmpty()) return x;
    QXmlStreamReader r(xml);
    QString property;  // the dc/pdf/prism property we are inside
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString q = r.qualifiedName().toString();
            if (q == QLatin1String("dc:title") || q == QLatin1String("dc:creator") || q == QLatin1String("dc:subject") ||
                q == QLatin1String("pdf:Keywords") || q == QLatin1String("prism:publicationDate") ||
                q == QLatin1String("prism:coverDate") || q == QLatin1String("xmp:CreateDate")) {
                property = q;
            } else if (q == QLatin1String("rdf:li") && !property.isEmpty()) {
                const QString text = r.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                if (property == QLatin1String("dc:title") && x.title.isEmpty()) x.title = text;
                if (property == QLatin1String("dc:creator") && !text.isEmpty()) x.creators << text;
                if (property == QLatin1String("dc:subject") && !text.isEmpty()) x.subjects << text;
            } else if (q == QLatin1String("rdf:Description")) {
                for (const auto& a : r.attributes()) {  // properties written as attributes
                    const QString name = a.qualifiedName().toString();
                    if (name == QLatin1String("pdf:Keywords")) x.keywords = a.value().toString();
                    if (name == QLatin1String("xmp:CreateDate") && x.date.isEmpty()) x.date = a.value().toString();
                }
            }
        } else if (r.isCharacters() && !r.isWhitespace() && !property.isEmpty()) {
            if (property == QLatin1String("pdf:Keywords")) x.keywords = r.text().toString().trimmed();
            if (property.endsWith(QLatin1String("Date")) && (x.date.isEmpty() || !property.startsWith(QLatin1String("xmp"))))
                x.date = r.text().toString().trimmed();
        } else if (r.isEndElement()) {
            if (r.qualifiedName().toString() == property) property.clear();
        }
    }
    return x;
}

QStringList splitAuthorField(const QString& field) {
    static const RE sep(QStringLiteral("\\s*(?:;|,|，|、|；|\\band\\b|&)\\s*"));
    QStringList out;
    for (const QString& a : field.split(sep, Qt::SkipEmptyParts))
        if (!a.trimmed().isEmpty()) out << a.simplified();
    return out;
}

}  // namespace

bool plausibleTitle(const QString& title) {
    const QString t = title.simplified();
    if (t.size() < 4) return false;
    static const RE junk(
        QStringLiteral("^(untitled|no title|title|document\\d*|slide \\d+|microsoft (word|powerpoint)|powerpoint|"
                       "presentation|paper|article|main|manuscript|template|draft)\\b|\\.(docx?|rtf|odt|tex|dvi|ps|"
                       "pdf|indd|qxd|txt)\\s*$|^[\\w\\-.]+\\.\\w{2,4}$|^[^\\s]*[_\\\\/][^\\s]*$|^\\d+$"),
        RE::CaseInsensitiveOption);
    return !junk.match(t).hasMatch();
}

MetaReading readMetadata(const PdfFacts& f) {
    MetaReading m;
    const Xmp x = parseXmp(f.xmp);
    const QString title = !f.title.isEmpty() ? f.title : x.title;
    if (plausibleTitle(title)) m.title = title.simplified();
    const QStringList authors = !f.author.isEmpty() ? splitAuthorField(f.author) : x.creators;
    if (!authors.isEmpty() && std::all_of(authors.begin(), authors.end(), isPersonName)) m.authors = authors;
    m.keywords = splitKeywords(!f.keywords.isEmpty() ? f.keywords : x.keywords);
    if (m.keywords.isEmpty()) m.keywords = x.subjects;
    static const RE year(QStringLiteral("^(?:D:)?((?:19|20)\\d\\d)"));
    const auto y = year.match(!x.date.isEmpty() ? x.date : f.creationDate);
    if (y.hasMatch()) m.year = y.captured(1);
    return m;
}

}  // namespace pdf
