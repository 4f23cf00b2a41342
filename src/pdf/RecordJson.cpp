#include "pdf/RecordJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pdf {
namespace {

QJsonArray array(const QStringList& list) { return QJsonArray::fromStringList(list); }

QStringList list(const QJsonValue& v) {
    QStringList out;
    for (const QJsonValue& x : v.toArray()) out << x.toString();
    return out;
}

}  // namespace

QByteArray recordToJsonLine(const exchange::PaperRecord& r) {
    QJsonObject o;
    o.insert(QStringLiteral("title"), r.title);
    o.insert(QStringLiteral("authors"), array(r.authors));
    o.insert(QStringLiteral("date"), r.date);
    o.insert(QStringLiteral("keywords"), array(r.keywords));
    if (!r.remark.isEmpty()) o.insert(QStringLiteral("remark"), r.remark);
    o.insert(QStringLiteral("warnings"), array(r.warnings));
    if (!r.error.isEmpty()) o.insert(QStringLiteral("error"), r.error);
    QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
    line.append('\n');
    return line;
}

exchange::PaperRecord recordFromJsonLine(const QByteArray& line) {
    exchange::PaperRecord r;
    const QJsonDocument doc = QJsonDocument::fromJson(line);
    if (!doc.isObject()) {
        r.error = QStringLiteral("读取程序的回答无法识别");
        return r;
    }
    const QJsonObject o = doc.object();
    r.title = o.value(QStringLiteral("title")).toString();
    r.authors = list(o.value(QStringLiteral("authors")));
    r.date = o.value(QStringLiteral("date")).toString();
    r.keywords = list(o.value(QStringLiteral("keywords")));
    r.remark = o.value(QStringLiteral("remark")).toString();
    r.warnings = list(o.value(QStringLiteral("warnings")));
    r.error = o.value(QStringLiteral("error")).toString();
    return r;
}

}  // namespace pdf
