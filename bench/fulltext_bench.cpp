// The program's side of the full-text benchmarks (bench/fulltext_run.py):
// one measurement per process, its figures printed as "RESULT {json}".
//
//   paper_fulltext_bench load  --dsn DSN --papers N [--pages 10] [--chars 500] [--seed S] [--first K] [--batch 1000]
//       generated papers into the catalogue and the index (tokenising and storing timed)
//   paper_fulltext_bench query --dsn DSN --queries N [--seed S] [--record DIR]
//       queries drawn from the stored text, each timed; with --record, the statements
//       each query sent, one file per query, for the client to run the same
//   paper_fulltext_bench pdf   --dsn DSN --folder DIR --papers N [--pages 10] [--first K]
//       PDF files written, catalogued and indexed end to end through the reader process
//   paper_fulltext_bench write  --folder DIR --papers N [--pages 10] [--chars 2500] [--first K]
//       PDF files of generated papers (a title and authors on the first page), not timed
//   paper_fulltext_bench import --dsn DSN --folder DIR
//       the PDF import window reads every PDF under the folder, imports the papers, and the
//       index is built in the background: each step timed, end to end
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdio>

#include "../tests/fulltext/Corpus.h"
#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/Messages.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "fulltext/IndexService.h"
#include "fulltext/IndexWriter.h"
#include "fulltext/SearchEngine.h"
#include "fulltext/Tokenizer.h"
#include "pdf/windows/TForm_pdf_import.h"

namespace {

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

QString arg(const QStringList& args, const QString& name, const QString& fallback = {}) {
    const int i = int(args.indexOf(QStringLiteral("--") + name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

void result(const QJsonObject& o) {
    std::printf("RESULT %s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QString keyOf(int i) { return QStringLiteral("全文基准论文%1$作者%2$2024").arg(i).arg(i % 97); }

// The catalogue rows of papers first..first+count-1, filed in folder.
void addPapers(db::Query& q, int first, int count, const QString& folder) {
    QStringList main, address;
    for (int i = first; i < first + count; ++i) {
        const QString k = db::sqlQuote(keyOf(i));
        main << QStringLiteral("('%1','全文基准论文%2','作者%3','2024')").arg(k).arg(i).arg(i % 97);
        address << QStringLiteral("('%1','p%2.pdf','%3',null,null)").arg(k).arg(i).arg(db::sqlQuote(folder));
    }
    q.execSql(QStringLiteral("insert into main values ") + main.join(QLatin1Char(',')));
    q.execSql(QStringLiteral("insert into address values ") + address.join(QLatin1Char(',')));
}

int load(const QStringList& args, const QString& conn) {
    const int papers = arg(args, QStringLiteral("papers"), QStringLiteral("1000")).toInt();
    const int pages = arg(args, QStringLiteral("pages"), QStringLiteral("10")).toInt();
    const int chars = arg(args, QStringLiteral("chars"), QStringLiteral("500")).toInt();
    const int first = arg(args, QStringLiteral("first"), QStringLiteral("0")).toInt();
    corpus::Generator gen(arg(args, QStringLiteral("seed"), QStringLiteral("1")).toUInt() + unsigned(first));
    db::OdbcQuery q;
    q.setConnectionString(conn);
    double generating = 0, storing = 0;
    qint64 textChars = 0, textBytes = 0;
    const int perBatch = arg(args, QStringLiteral("batch"), QStringLiteral("1000")).toInt();
    for (int at = first; at < first + papers; at += perBatch) {
        const int n = std::min(perBatch, first + papers - at);
        auto t0 = Clock::now();
        QVector<fulltext::ExtractedFile> batch;
        for (int i = at; i < at + n; ++i) {
            fulltext::ExtractedFile f;
            f.key = keyOf(i);
            f.dir = QStringLiteral("/bench");
            f.filename = QStringLiteral("p%1.pdf").arg(i);
            f.hash = QStringLiteral("%1").arg(i);
            f.pages = gen.paper(pages, chars, (i % 10) / 10.0 + 0.05);
            for (const QString& p : f.pages) {
                textChars += p.size();
                textBytes += p.toUtf8().size();
            }
            batch.append(f);
        }
        generating += secondsSince(t0);
        t0 = Clock::now();
        addPapers(q, at, n, QStringLiteral("/bench"));
        fulltext::writeBatch(q, batch);
        storing += secondsSince(t0);
    }
    result({{"papers", papers}, {"pages", papers * pages}, {"generate_s", generating}, {"store_s", storing},
            {"pages_per_s", papers * pages / storing}, {"text_chars", double(textChars)}, {"text_bytes", double(textBytes)}});
    return 0;
}

int query(const QStringList& args, const QString& conn) {
    const int count = arg(args, QStringLiteral("queries"), QStringLiteral("200")).toInt();
    const QString record = arg(args, QStringLiteral("record"));
    std::mt19937 r(arg(args, QStringLiteral("seed"), QStringLiteral("7")).toUInt());
    db::OdbcQuery q;
    q.setConnectionString(conn);
    // pages to draw from
    q.openSql(QStringLiteral("select body from fulltext_page order by rand(%1) limit %2").arg(r() % 1000).arg(count));
    QStringList pages;
    for (; !q.eof(); q.next()) pages << q.field(0);
    q.close();
    QStringList statements;
    db::OdbcQuery::setBeforeSend([&](const QString& s) { statements << s; });
    QVector<double> ms;
    QJsonObject perKind;
    int found = 0;
    for (int i = 0; i < count && !pages.isEmpty(); ++i) {
        const QString& page = pages[i % pages.size()];
        const QVector<fulltext::Token> t = fulltext::tokenize(page);
        if (t.size() < 8) continue;
        // Chinese 2-6 characters, a word, a phrase of two or three words
        const int kind = i % 3;
        QString text;
        for (int attempt = 0; attempt < 100 && text.isEmpty(); ++attempt) {
            const int len = kind == 0 ? 2 + int(r() % 5) : kind == 1 ? 1 : 2 + int(r() % 2);
            const int at = int(r() % (t.size() - len));
            bool ok = true;
            for (int k = at; k < at + len; ++k) ok = ok && t[k].cjk == (kind == 0);
            if (!ok) continue;
            QStringList parts;
            for (int k = at; k < at + len; ++k) parts << t[k].text;
            text = kind == 0 ? parts.join(QString()) : QLatin1Char('"') + parts.join(QLatin1Char(' ')) + QLatin1Char('"');
        }
        if (text.isEmpty()) continue;
        statements.clear();
        const auto t0 = Clock::now();
        const fulltext::SearchOutcome out = fulltext::search(q, text);
        fulltext::resultRows(q, out.matches);
        ms << secondsSince(t0) * 1000;
        found += out.matches.size();
        if (!record.isEmpty()) {
            QFile f(QDir(record).filePath(QStringLiteral("q%1.sql").arg(ms.size(), 4, 10, QLatin1Char('0'))));
            f.open(QIODevice::WriteOnly);
            for (const QString& s : statements) f.write((s + QStringLiteral(";\n")).toUtf8());
        }
    }
    db::OdbcQuery::setBeforeSend({});
    QVector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    auto pct = [&](double p) { return sorted.isEmpty() ? 0.0 : sorted[std::min<int>(sorted.size() - 1, int(p * sorted.size()))]; };
    QJsonArray all;
    for (double v : ms) all.append(v);
    result({{"queries", int(ms.size())}, {"median_ms", pct(0.5)}, {"p95_ms", pct(0.95)}, {"max_ms", pct(1.0)},
            {"mean_found", ms.isEmpty() ? 0.0 : double(found) / ms.size()}, {"ms", all}});
    return 0;
}

int pdfs(const QStringList& args, const QString& conn) {
    const int papers = arg(args, QStringLiteral("papers"), QStringLiteral("100")).toInt();
    const int pages = arg(args, QStringLiteral("pages"), QStringLiteral("10")).toInt();
    const int first = arg(args, QStringLiteral("first"), QStringLiteral("1000000")).toInt();
    const QString folder = QDir(arg(args, QStringLiteral("folder"))).absolutePath();
    QDir().mkpath(folder);
    corpus::Generator gen(99);
    auto t0 = Clock::now();
    for (int i = first; i < first + papers; ++i) {
        QPdfWriter writer(QDir(folder).filePath(QStringLiteral("p%1.pdf").arg(i)));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(72);
        QPainter p(&writer);
        p.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 9));
        for (int k = 0; k < pages; ++k) {
            if (k) writer.newPage();
            p.drawText(QRectF(50, 50, 495, 740), Qt::TextWordWrap, gen.page(2500, 0.5));
        }
    }
    const double writing = secondsSince(t0);
    db::OdbcQuery q;
    q.setConnectionString(conn);
    for (int at = first; at < first + papers; at += 500) addPapers(q, at, std::min(500, first + papers - at), folder);
    QStringList keys;
    for (int i = first; i < first + papers; ++i) keys << keyOf(i);
    fulltext::IndexService& service = fulltext::IndexService::instance();
    service.setReaderProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/paper_pdf_reader"));
    fulltext::IndexSummary summary;
    QObject::connect(&service, &fulltext::IndexService::finished, [&](const fulltext::IndexSummary& s) { summary = s; });
    t0 = Clock::now();
    service.request(conn, keys);
    service.waitUntilIdle(3600 * 1000);
    const double indexing = secondsSince(t0);
    result({{"papers", papers}, {"pages", papers * pages}, {"write_pdf_s", writing}, {"index_s", indexing},
            {"pages_per_s", papers * pages / indexing}, {"indexed", summary.indexed},
            {"failed", int(summary.failed.size())}, {"error", summary.error}});
    return summary.indexed == papers ? 0 : 1;
}

// A PDF file written directly, without typesetting: one font that is not
// embedded, its character codes the UTF-16 units themselves (Identity-H)
// and mapped back to Unicode (ToUnicode), Latin half width and CJK full
// width, lines broken at the page's line ends and at the text width; the
// first page opens with a title and a line of authors.
class RawPdf {
public:
    void page(const QString& title, const QString& authors, const QString& text) {
        QByteArray content;
        double y = 790;
        auto line = [&](const QString& s, int size) {
            content += "BT /F1 " + QByteArray::number(size) + " Tf 50 " + QByteArray::number(y) + " Td <";
            for (QChar c : s) content += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
            content += "> Tj ET\n";
            y -= size * 1.4;
        };
        if (!title.isEmpty()) {
            line(title, 18);
            line(authors, 10);
            line(QStringLiteral("计算机研究与发展  2023年 第60卷 第%1期").arg(pages_.size() + 1), 9);
            y -= 10;
        }
        for (const QString& para : text.split(QLatin1Char('\n'))) {
            QString cur;
            double width = 0;
            for (QChar c : para) {
                width += c.unicode() < 0x2E80 ? 0.5 : 1.0;
                cur += c;
                if (width >= 54) {
                    line(cur, 9);
                    cur.clear();
                    width = 0;
                }
            }
            if (!cur.isEmpty()) line(cur, 9);
        }
        pages_.append(qCompress(content, 1).mid(4));
    }

    QByteArray bytes() const {
        QVector<QByteArray> objects;
        QByteArray kids;
        for (int i = 0; i < pages_.size(); ++i) kids += QByteArray::number(7 + 2 * i) + " 0 R ";
        objects << "<< /Type /Catalog /Pages 2 0 R >>"
                << "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages_.size()) + " >>"
                << "<< /Type /Font /Subtype /Type0 /BaseFont /BenchSans /Encoding /Identity-H "
                   "/DescendantFonts [4 0 R] /ToUnicode 5 0 R >>"
                << "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /BenchSans /CIDSystemInfo << /Registry (Adobe) "
                   "/Ordering (Identity) /Supplement 0 >> /FontDescriptor 6 0 R /DW 1000 /W [32 [500] 33 11903 500] "
                   "/CIDToGIDMap /Identity >>"
                << stream(toUnicode())
                << "<< /Type /FontDescriptor /FontName /BenchSans /Flags 4 /FontBBox [0 -200 1000 900] "
                   "/ItalicAngle 0 /Ascent 880 /Descent -120 /CapHeight 700 /StemV 80 >>";
        for (int i = 0; i < pages_.size(); ++i)
            objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R >> >> "
                       "/Contents " + QByteArray::number(8 + 2 * i) + " 0 R >>"
                    << stream(pages_[i], true);
        QByteArray out = "%PDF-1.5\n%\xE2\xE3\xCF\xD3\n";
        QVector<qsizetype> at;
        for (int i = 0; i < objects.size(); ++i) {
            at << out.size();
            out += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
        }
        const qsizetype xref = out.size();
        out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
        for (qsizetype o : at) out += QByteArray::number(o).rightJustified(10, '0') + " 00000 n \n";
        out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
               QByteArray::number(xref) + "\n%%EOF\n";
        return out;
    }

private:
    static QByteArray stream(const QByteArray& data, bool deflated = false) {
        return "<< /Length " + QByteArray::number(data.size()) + (deflated ? " /Filter /FlateDecode" : "") +
               " >>\nstream\n" + data + "\nendstream";
    }
    static QByteArray toUnicode() {
        QByteArray m = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap /CMapName /BenchUCS def "
                       "/CMapType 2 def 1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
        for (int hi = 0; hi < 256; hi += 100) {
            const int n = std::min(100, 256 - hi);
            m += QByteArray::number(n) + " beginbfrange\n";
            for (int k = hi; k < hi + n; ++k) {
                if (k >= 0xD8 && k <= 0xDF) {  // no surrogates alone
                    m += "<0000> <0000> <0000>\n";
                    continue;
                }
                const QByteArray h = QByteArray::number(k, 16).rightJustified(2, '0');
                m += "<" + h + "00> <" + h + "ff> <" + h + "00>\n";
            }
            m += "endbfrange\n";
        }
        return m + "endcmap CMapName currentdict /CMap defineresource pop end end";
    }
    QVector<QByteArray> pages_;
};

// A given name of two characters used in names. (Code points taken in a row
// gave names such as 张与, "张 and ...", which a name line rightly splits.)
QString givenName(int i) {
    static const QString chars = QStringLiteral(
        "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红鹏辉玲建国文斌宇浩凯健俊帆帅旭宁龙林欣佳颖晨雪琳倩婷思雨博阳峰鑫"
        "岚晓志海波亮春晶慧东立新成德荣清云飞燕");
    return QString(chars.at(i % chars.size())) + chars.at((i / chars.size() + 5 * i) % chars.size());
}

// Papers written as PDF files, their title and authors on the first page.
int writePdfs(const QStringList& args) {
    const int papers = arg(args, QStringLiteral("papers"), QStringLiteral("100")).toInt();
    const int pages = arg(args, QStringLiteral("pages"), QStringLiteral("10")).toInt();
    const int chars = arg(args, QStringLiteral("chars"), QStringLiteral("2500")).toInt();
    const int first = arg(args, QStringLiteral("first"), QStringLiteral("0")).toInt();
    const QDir folder(arg(args, QStringLiteral("folder")));
    QDir().mkpath(folder.path());
    corpus::Generator gen(1000u + unsigned(first));
    auto t0 = Clock::now();
    for (int i = first; i < first + papers; ++i) {
        RawPdf pdf;
        for (int k = 0; k < pages; ++k) {
            if (k) {
                pdf.page({}, {}, gen.page(chars, 0.5));
                continue;
            }
            const QString head = gen.page(40, 0.6).simplified().left(18);
            pdf.page(QStringLiteral("%1（第%2号）").arg(head).arg(i),
                     QStringLiteral("张%1  李%2  王%3").arg(givenName(i), givenName(i / 7 + 3), givenName(i / 53 + 11)),
                     gen.page(chars * 4 / 5, 0.5));
        }
        QFile f(folder.filePath(QStringLiteral("paper%1.pdf").arg(i, 6, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(pdf.bytes()) < 0) return 1;
    }
    result({{"papers", papers}, {"write_pdf_s", secondsSince(t0)}});
    return 0;
}

// Runs the event loop until `done` holds, looking every 50 ms.
void waitFor(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    tick.start(50);
    if (!done()) loop.exec();
}

int importFolder(const QStringList& args, const QString& conn) {
    const QString folder = QDir(arg(args, QStringLiteral("folder"))).absolutePath();
    const QString reader = QCoreApplication::applicationDirPath() + QStringLiteral("/paper_pdf_reader");
    fulltext::IndexService& service = fulltext::IndexService::instance();
    service.setReaderProgram(reader);
    fulltext::IndexSummary summary;
    QObject::connect(&service, &fulltext::IndexService::finished, [&](const fulltext::IndexSummary& s) { summary = s; });
    db::messages::setRecorder([](const db::messages::Shown& m) {  // the boxes shown, not waited on
        std::fprintf(stderr, "%s: %s\n", qPrintable(m.caption), qPrintable(m.text));
    });
    TForm_pdf_import* w = db::Form::open<TForm_pdf_import>(QStringLiteral("bench"), conn);
    w->reader().setProgram(reader);
    const auto t0 = Clock::now();
    w->readPaths({folder});
    waitFor([&] { return !w->isReading(); });
    const double reading = secondsSince(t0);
    const int rows = w->preview().rowCount();
    const int ticked = w->preview().tickedCount();
    std::fprintf(stderr, "%s\n%s\n%s\n", qPrintable(w->Label_progress->text()), qPrintable(w->Label_counts->text()),
                 qPrintable(w->Memo_messages->toPlainText().left(400)));
    if (!ticked) return 1;
    auto t1 = Clock::now();
    w->Button_yesClick();
    const double importing = secondsSince(t1);
    const QString imported = w->Label_progress->text();
    t1 = Clock::now();
    service.waitUntilIdle(3 * 3600 * 1000);
    const double indexing = secondsSince(t1);
    const double total = secondsSince(t0);
    db::OdbcQuery q;
    q.setConnectionString(conn);
    q.openSql(QStringLiteral("select count(*), coalesce(sum(pages),0), sum(error is not null) from fulltext_doc"));
    const int docs = q.field(0).toInt(), pages = q.field(1).toInt(), errors = q.field(2).toInt();
    q.close();
    delete w;
    result({{"files", rows}, {"ticked", ticked}, {"read_s", reading}, {"import_s", importing}, {"imported", imported},
            {"index_s", indexing}, {"total_s", total}, {"indexed_docs", docs}, {"indexed_pages", pages},
            {"unreadable", errors}, {"index_pages_per_s", pages / indexing}, {"end_to_end_pages_per_s", pages / total},
            {"failed", int(summary.failed.size())}});
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString conn = db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                                   QStringLiteral("paper_user"), arg(args, QStringLiteral("dsn"), QStringLiteral("paperdb")));
    const QString mode = args.value(1);
    if (mode == QLatin1String("load")) return load(args, conn);
    if (mode == QLatin1String("query")) return query(args, conn);
    if (mode == QLatin1String("pdf")) return pdfs(args, conn);
    if (mode == QLatin1String("write")) return writePdfs(args);
    if (mode == QLatin1String("import")) return importFolder(args, conn);
    std::fprintf(stderr, "usage: paper_fulltext_bench load|query|pdf --dsn DSN ...\n");
    return 2;
}
