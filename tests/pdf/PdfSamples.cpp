#include "pdf/PdfSamples.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>

namespace samples {
namespace {

QFont font(double size, bool bold, const QString& family) {
    QFont f(family.isEmpty() ? QStringLiteral("DejaVu Serif") : family);
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

double width(QPainter& p, double size, const QStringList& parts, bool bold, const QString& family) {
    double w = 0;
    for (const QString& part : parts) {
        const bool mark = part.startsWith(QLatin1Char('^'));
        p.setFont(font(mark ? size * 0.6 : size, bold, family));
        w += p.fontMetrics().horizontalAdvance(mark ? part.mid(1) : part);
    }
    return w;
}

}  // namespace

void writePdf(const QString& path, const std::function<void(QPainter&, int)>& draw, int pages, const Meta& meta) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    if (!meta.title.isEmpty()) writer.setTitle(meta.title);
    if (!meta.creator.isEmpty()) writer.setCreator(meta.creator);
    if (!meta.xmp.isEmpty()) writer.setDocumentXmpMetadata(meta.xmp);
    QPainter p(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) writer.newPage();
        draw(p, i);
    }
}

void run(QPainter& p, double x, double y, double size, const QStringList& parts, bool bold, const QString& family) {
    for (const QString& part : parts) {
        const bool mark = part.startsWith(QLatin1Char('^'));
        const QString text = mark ? part.mid(1) : part;
        p.setFont(font(mark ? size * 0.6 : size, bold, family));
        p.drawText(QPointF(x, mark ? y - size * 0.4 : y), text);
        x += p.fontMetrics().horizontalAdvance(text);
    }
}

void centred(QPainter& p, double y, double size, const QStringList& parts, bool bold, const QString& family) {
    run(p, (595 - width(p, size, parts, bold, family)) / 2, y, size, parts, bold, family);
}

void body(QPainter& p, double x, double y, double width, double bottom, const QString& family) {
    static const QString words = QStringLiteral(
        "the method we describe reads records from files and stores them in tables while keeping every key "
        "unique and every change whole so that readers never see half of an update ");
    const bool chinese = family.contains(QLatin1String("WenQuanYi"));
    const QString text = chinese ? QStringLiteral("本文提出一种从文件读取记录并写入数据表的方法，保证每个键唯一，每次修改完整。")
                                 : words;
    p.setFont(font(9, false, family));
    const QFontMetricsF fm = p.fontMetrics();
    int start = 0;
    for (double line = y; line < bottom; line += 11) {
        QString s;
        while (fm.horizontalAdvance(s + text[start % text.size()]) < width) s += text[start++ % text.size()];
        p.drawText(QPointF(x, line), s);
    }
}

QByteArray xmp(const QString& title, const QStringList& creators, const QString& date) {
    QString li;
    for (const QString& c : creators) li += QStringLiteral("<rdf:li>%1</rdf:li>").arg(c);
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
               "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>"
               "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
               "<dc:creator><rdf:Seq>%2</rdf:Seq></dc:creator>"
               "<xmp:CreateDate>%3</xmp:CreateDate>"
               "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>")
        .arg(title, li, date)
        .toUtf8();
}

}  // namespace samples
