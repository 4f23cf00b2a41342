#include "exchange/ExchangeSamples.h"

#include <QTemporaryDir>

#include "exchange/GridExport.h"
#include "exchange/TextFile.h"

namespace samples {

using namespace exchange;

Paper plain(const QString& title) {
    return Paper{title, {QStringLiteral("Ng, Andrew")}, QStringLiteral("2020-05-03"), {QStringLiteral("learning")},
                 QStringLiteral("article"), std::nullopt, QStringLiteral("a.pdf"), QStringLiteral("/data")};
}

db::ResultSet detailedResult(const QVector<Paper>& papers) {
    QStringList names{QStringLiteral("论文题目"), QStringLiteral("论文一作"), QStringLiteral("发表时间")};
    for (const char* l : {"论文一作", "论文二作", "论文三作", "论文四作", "论文五作"}) names << QString::fromUtf8(l);
    for (int i = 1; i <= 10; ++i) names << QStringLiteral("关键词%1").arg(i);
    names << QStringLiteral("论文分类") << QStringLiteral("备注") << QStringLiteral("论文文件名")
          << QStringLiteral("保存文件夹") << QStringLiteral("录入者") << QStringLiteral("录入时间");
    db::ResultSet r(names);
    auto text = [&](const QString& v) {
        const QByteArray b = v.toUtf8();
        r.appendCell(b.constData(), std::size_t(b.size()));
    };
    auto optional = [&](const std::optional<QString>& v) { v ? text(*v) : r.appendNull(); };
    for (const Paper& p : papers) {
        text(p.title);
        text(p.authors.value(0));
        text(p.date);
        for (int i = 0; i < 5; ++i) optional(i < p.authors.size() ? std::optional<QString>(p.authors[i]) : std::nullopt);
        for (int i = 0; i < 10; ++i)
            optional(i < p.keywords.size() ? std::optional<QString>(p.keywords[i]) : std::nullopt);
        optional(p.category);
        optional(p.remark);
        text(p.filename);
        text(p.dir);
        text(QStringLiteral("importer"));
        text(QStringLiteral("2026-01-02"));
    }
    return r;
}

QByteArray exported(const QVector<Paper>& papers, Format format) {
    const db::ResultSet r = detailedResult(papers);
    if (format == Format::Csv) return csvBytes(r);
    const auto rows = paperRows(r);
    return (format == Format::Bibtex ? toBibtex(rows) : toRis(rows)).toUtf8();
}

QVector<CheckedPaper> roundTrip(const QVector<Paper>& papers, Format format, FileRead* read) {
    const DecodedText text = decodeText(exported(papers, format));
    FileRead f = readText(text.text, format);
    const QVector<CheckedPaper> out = checkRecords(f.records, MappingOptions{QStringLiteral("D:")}, {});
    if (read) *read = f;
    return out;
}

CheckedPaper asEntered(const Paper& p) {
    PaperRecord r;
    r.title = p.title;
    r.authors = p.authors;
    r.date = p.date;
    r.keywords = p.keywords;
    r.category = p.category.value_or(QString());
    r.remark = p.remark.value_or(QString());
    r.filename = p.filename;
    r.dir = p.dir;
    return mapRecord(r, MappingOptions{QStringLiteral("D:")});
}

std::string visible(const QString& text) {
    std::string out;
    for (const uint c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f)
            out += char(c);
        else
            out += "\\u{" + QString::number(c, 16).toStdString() + "}";
    }
    return out;
}

QString difference(const CheckedPaper& a, const CheckedPaper& b) {
    const auto& x = a.entry;
    const auto& y = b.entry;
    const QList<std::pair<const char*, std::pair<QString, QString>>> values{
        {"title", {x.title, y.title}},       {"author", {x.author, y.author}},     {"date", {x.date, y.date}},
        {"authors", {x.authors, y.authors}}, {"kwords", {x.kwords, y.kwords}},     {"catalog", {x.catalog, y.catalog}},
        {"remark", {x.remark, y.remark}},    {"filename", {x.filename, y.filename}}, {"dir", {x.dir, y.dir}},
        {"key", {a.key, b.key}}};
    for (const auto& [name, v] : values)
        if (v.first != v.second)
            return QString::fromLatin1(name) + QStringLiteral(": ") + QString::fromStdString(visible(v.first)) +
                   QStringLiteral(" => ") + QString::fromStdString(visible(v.second));
    if (x.authorsTicked != y.authorsTicked || x.kwordsTicked != y.kwordsTicked ||
        x.catalogTicked != y.catalogTicked || x.remarkTicked != y.remarkTicked)
        return QStringLiteral("ticks differ");
    return {};
}

}  // namespace samples
