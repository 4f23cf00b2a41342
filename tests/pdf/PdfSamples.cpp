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

namespace {
QString hei() { return QStringLiteral("WenQuanYi Zen Hei"); }
}  // namespace

// One column: a two-line title, authors with affiliation marks, e-mails,
// a footnote, a Keywords line and a copyright line.
void englishArticle(QPainter& p, int) {
    centred(p, 90, 17, {QStringLiteral("Reading Paper Records from Scanned")}, true);
    centred(p, 112, 17, {QStringLiteral("Catalogues of Small Libraries")}, true);
    centred(p, 145, 11,
                     {QStringLiteral("Alice M. Smith"), QStringLiteral("^1,*"), QStringLiteral(", Bob Jones"),
                      QStringLiteral("^2"), QStringLiteral(" and Carol van der Berg"), QStringLiteral("^1")});
    centred(p, 165, 9, {QStringLiteral("^1"), QStringLiteral("Department of Computing, Example University, Springfield, USA")});
    centred(p, 177, 9, {QStringLiteral("^2"), QStringLiteral("Institute of Records, Shelbyville")});
    centred(p, 189, 9, {QStringLiteral("alice@example.edu, bob@records.org")});
    run(p, 72, 220, 10, {QStringLiteral("Abstract")}, true);
    body(p, 72, 235, 450, 300);
    run(p, 72, 315, 9, {QStringLiteral("Keywords: record linkage; library catalogues; OCR")});
    body(p, 72, 340, 450, 720);
    run(p, 72, 760, 7, {QStringLiteral("* Corresponding author. Copyright © 2019 the authors.")});
}

// Two columns under a heading that spans the page, author blocks side by
// side with their affiliations, an "Index Terms" line and a conference line.
void conferencePaper(QPainter& p, int) {
    run(p, 72, 40, 8, {QStringLiteral("Proceedings of the Workshop on Catalogues, Springfield, 2021")});
    centred(p, 90, 20, {QStringLiteral("Fast Import of Bibliographic Data")});
    const char* names[] = {"Wei Zhang", "Maria Garcia", "John O'Neil"};
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * 160;
        run(p, x, 130, 11, {QString::fromLatin1(names[i])});
        run(p, x, 144, 9, {QStringLiteral("Dept. of Informatics")});
        run(p, x, 156, 9, {QStringLiteral("Example University")});
        run(p, x, 168, 9, {QStringLiteral("name%1@example.org").arg(i)});
    }
    run(p, 50, 200, 9, {QStringLiteral("Abstract—We import many records at once.")}, true);
    body(p, 50, 215, 235, 280);
    run(p, 50, 292, 9, {QStringLiteral("Index Terms—databases, import, PDF")}, true);
    body(p, 50, 310, 235, 780);
    body(p, 310, 200, 235, 780);
}

void chineseArticle(QPainter& p, int) {
    centred(p, 90, 18, {QStringLiteral("基于版面分析的论文元数据自动提取")}, true, hei());
    centred(p, 125, 11,
                     {QStringLiteral("张三"), QStringLiteral("^1"), QStringLiteral("，李四"), QStringLiteral("^2"),
                      QStringLiteral("，王小五"), QStringLiteral("^1")},
                     false, hei());
    centred(p, 145, 9, {QStringLiteral("（1. 清华大学 计算机科学与技术系，北京 100084；2. 北京大学 信息学院，北京 100871）")},
                     false, hei());
    run(p, 72, 175, 9, {QStringLiteral("摘要：本文研究从论文文件中自动提取题目、作者和关键词的方法。")}, false, hei());
    run(p, 72, 195, 9, {QStringLiteral("关键词：元数据；版面分析；文献管理")}, false, hei());
    body(p, 72, 220, 450, 700, hei());
    run(p, 72, 760, 7, {QStringLiteral("收稿日期：2020年3月5日")}, false, hei());
}

}  // namespace samples
