#include "pdf/PdfFacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pdf {

QByteArray toJsonLine(const PdfFacts& f) {
    QJsonObject o;
    o.insert(QStringLiteral("path"), f.path);
    if (!f.error.isEmpty()) o.insert(QStringLiteral("error"), f.error);
    o.insert(QStringLiteral("pages"), f.pages);
    o.insert(QStringLiteral("w"), f.pageWidth);
    o.insert(QStringLiteral("h"), f.pageHeight);
    const std::pair<const char*, const QString*> info[] = {
        {"title", &f.title},       {"author", &f.author},   {"subject", &f.subject},
        {"keywords", &f.keywords}, {"creator", &f.creator}, {"producer", &f.producer},
        {"created", &f.creationDate}, {"xmp", &f.xmp}, {"margin", &f.marginText}};
    for (const auto& [key, value] : info)
        if (!value->isEmpty()) o.insert(QLatin1String(key), *value);
    QJsonArray words;
    for (const Word& w : f.words)
        words.append(QJsonArray{w.text, w.x0, w.y0, w.x1, w.y1, w.size, w.font, w.spaceAfter});
    o.insert(QStringLiteral("words"), words);
    QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
    line.append('\n');
    return line;
}

PdfFacts fromJsonLine(const QByteArray& line) {
    PdfFacts f;
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &err);
    if (!doc.isObject()) {
        f.error = QStringLiteral("读取程序的回答无法识别");
        return f;
    }
    const QJsonObject o = doc.object();
    f.path = o.value(QStringLiteral("path")).toString();
    f.error = o.value(QStringLiteral("error")).toString();
    f.pages = o.value(QStringLiteral("pages")).toInt();
    f.pageWidth = o.value(QStringLiteral("w")).toDouble();
    f.pageHeight = o.value(QStringLiteral("h")).toDouble();
    const std::pair<const char*, QString*> info[] = {
        {"title", &f.title},       {"author", &f.author},   {"subject", &f.subject},
        {"keywords", &f.keywords}, {"creator", &f.creator}, {"producer", &f.producer},
        {"created", &f.creationDate}, {"xmp", &f.xmp}, {"margin", &f.marginText}};
    for (const auto& [key, value] : info) *value = o.value(QLatin1String(key)).toString();
    for (const QJsonValue& v : o.value(QStringLiteral("words")).toArray()) {
        const QJsonArray a = v.toArray();
        if (a.size() < 8) continue;
        f.words.append(Word{a[0].toString(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble(),
                            a[4].toDouble(), a[5].toDouble(), a[6].toString(), a[7].toBool()});
    }
    return f;
}

}  // namespace pdf
