// Reading PDF files: accuracy against a list of known titles and authors,
// and the time per file, through the same reader process the program uses.
//
//   paper_pdf_bench --truth bench/pdf_truth.tsv --root <folder the listed paths are under>
//   paper_pdf_bench --folder <folder>            (time only, every PDF under it)
//   paper_pdf_bench --window <folder>            (the import window reading the folder; ODBCINI and
//                                                 ODBCSYSINI of a running test server)
#include <QCommandLineParser>
#include <QApplication>
#include <QLabel>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "pdf/FirstPage.h"
#include "pdf/windows/TForm_pdf_import.h"
#include "pdf/PdfFacts.h"
#include "pdf/PdfFiles.h"
#include "pdf/TextLines.h"
#include "pdf/ReaderProcess.h"

namespace {

// Blank and case normalisation: runs of blanks are one blank, no blank next
// to a Chinese character (the typesetting spaces them itself), lower case;
// full-width and half-width forms, typographic and straight quotes compare equal.
QString norm(const QString& s) {
    static const QRegularExpression cjkBlank(QStringLiteral("\\s*([\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}])\\s*"));
    QString t = s.simplified();
    t.replace(cjkBlank, QStringLiteral("\\1"));
    t = t.normalized(QString::NormalizationForm_KC).toLower();
    // typographic and straight quotes compare equal
    t.replace(QChar(0x2019), QLatin1Char('\'')).replace(QChar(0x2018), QLatin1Char('\''));
    t.replace(QChar(0x201C), QLatin1Char('"')).replace(QChar(0x201D), QLatin1Char('"'));
    return t;
}

struct Truth {
    QString path, title;
    QStringList authors;
};

QList<Truth> readTruth(const QString& file, const QString& root) {
    QList<Truth> out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() < 3) continue;
        out.append(Truth{root + QLatin1Char('/') + cols[0], cols[1], cols[2].split(QStringLiteral("; "))});
    }
    return out;
}

double median(QList<double> v) {
    if (v.isEmpty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

// Reads a folder in the PDF import window (offscreen) and notes the longest
// time its event loop could not run, and how long the rows took to show.
int windowRun(const QString& folder, const QString& reader) {
    TForm_pdf_import* w = db::Form::open<TForm_pdf_import>(
        QStringLiteral("bench"), db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                                           QStringLiteral("paper_user"), QStringLiteral("paperdb")));
    if (!reader.isEmpty()) w->reader().setProgram(reader);
    QTimer tick;
    QElapsedTimer sinceTick, total;
    double longestGap = 0;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    QEventLoop loop;
    QObject::connect(&w->reader(), &pdf::ReaderProcess::finished, &loop, &QEventLoop::quit);
    sinceTick.start();
    tick.start();
    {  // the same measure with nothing to do, for the machine's own noise
        QEventLoop idle;
        QTimer::singleShot(3000, &idle, &QEventLoop::quit);
        idle.exec();
    }
    const double idleGap = longestGap;
    longestGap = 0;
    // the longest time the window spent moving read files into the preview
    double longestFlush = 0;
    QElapsedTimer flushClock;
    QObject::connect(&w->preview(), &QAbstractItemModel::modelAboutToBeReset, [&] { flushClock.start(); });
    QObject::connect(&w->preview(), &QAbstractItemModel::modelReset,
                     [&] { longestFlush = std::max(longestFlush, flushClock.nsecsElapsed() / 1e6); });
    total.start();
    w->readPaths({folder});
    const double startMs = total.nsecsElapsed() / 1e6;
    if (w->isReading()) loop.exec();
    QTextStream(stdout) << QStringLiteral("window: %1 rows in the preview after %2 ms (%3 ms before the first file was "
                                          "sent); longest gap between 10 ms timer ticks %4 ms (3 s idle before: %7 ms); longest preview "
                                          "refresh (check and reset) %8 ms\n%5\n%6\n")
                               .arg(w->preview().rowCount())
                               .arg(total.nsecsElapsed() / 1e6, 0, 'f', 0)
                               .arg(startMs, 0, 'f', 0)
                               .arg(longestGap, 0, 'f', 1)
                               .arg(w->Label_progress->text(), w->Label_counts->text())
                               .arg(idleGap, 0, 'f', 1)
                               .arg(longestFlush, 0, 'f', 1);
    delete w;
    return 0;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser p;
    p.addOption({QStringLiteral("truth"), QStringLiteral("list of files with titles and authors"), QStringLiteral("tsv")});
    p.addOption({QStringLiteral("root"), QStringLiteral("folder the listed paths are under"), QStringLiteral("dir")});
    p.addOption({QStringLiteral("folder"), QStringLiteral("time every PDF under this folder"), QStringLiteral("dir")});
    p.addOption({QStringLiteral("reader"), QStringLiteral("reader program"), QStringLiteral("path")});
    p.addOption({QStringLiteral("verbose"), QStringLiteral("print every reading")});
    p.addOption({QStringLiteral("window"), QStringLiteral("read this folder in the import window (needs the test "
                                                          "server: ODBCINI, ODBCSYSINI)"), QStringLiteral("dir")});
    p.addOption({QStringLiteral("names"), QStringLiteral("the names found in one author line"), QStringLiteral("text")});
    p.addOption({QStringLiteral("lines"), QStringLiteral("print the first page's lines of one file"), QStringLiteral("pdf")});
    p.process(app);

    if (p.isSet(QStringLiteral("window"))) return windowRun(p.value(QStringLiteral("window")), p.value(QStringLiteral("reader")));
    if (p.isSet(QStringLiteral("names"))) {
        QTextStream(stdout) << pdf::namesInLine(p.value(QStringLiteral("names"))).join(QStringLiteral("; ")) << "\n";
        return 0;
    }
    if (p.isSet(QStringLiteral("lines"))) {
        QProcess reader;
        reader.start(p.isSet(QStringLiteral("reader")) ? p.value(QStringLiteral("reader")) : pdf::ReaderProcess::defaultProgram(), {QStringLiteral("--facts")});
        reader.write(QFileInfo(p.value(QStringLiteral("lines"))).absoluteFilePath().toUtf8() + "\n");
        reader.closeWriteChannel();
        reader.waitForFinished(10000);
        const pdf::PdfFacts f = pdf::fromJsonLine(reader.readAllStandardOutput());
        QTextStream out(stdout);
        out << "error: " << f.error << "\ntitle: " << f.title << "\nauthor: " << f.author << "\n";
        for (const pdf::Line& l : pdf::groupLines(f.words))
            out << QString::asprintf("%6.1f %6.1f %5.1f %s ", l.y0, l.x0, l.size, l.bold ? "B" : " ") << l.text
                << "   [" << l.rawText << "]\n";
        return 0;
    }
    QList<Truth> truth;
    QStringList files;
    if (p.isSet(QStringLiteral("truth"))) {
        truth = readTruth(p.value(QStringLiteral("truth")), p.value(QStringLiteral("root")));
        for (const Truth& t : truth) files << t.path;
    } else {
        files = pdf::pdfFiles({p.value(QStringLiteral("folder"))});
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no files\n");
        return 2;
    }

    pdf::ReaderProcess reader;
    if (p.isSet(QStringLiteral("reader"))) reader.setProgram(p.value(QStringLiteral("reader")));
    QList<exchange::PaperRecord> records(files.size());
    QList<double> ms;
    QElapsedTimer clock, total;
    QObject::connect(&reader, &pdf::ReaderProcess::fileRead, [&](int i, const exchange::PaperRecord& r) {
        ms << clock.nsecsElapsed() / 1e6;
        clock.restart();
        records[i] = r;
    });
    QObject::connect(&reader, &pdf::ReaderProcess::finished, &app, &QCoreApplication::quit);
    // How long the event loop is kept from running: a 10 ms timer that
    // notes the longest gap between its ticks while the files are read.
    QTimer tick;
    QElapsedTimer sinceTick;
    double longestGap = 0;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    sinceTick.start();
    tick.start();
    // the same measure with nothing to do, for the machine's own noise
    {
        QEventLoop idle;
        QTimer::singleShot(3000, &idle, &QEventLoop::quit);
        idle.exec();
    }
    const double idleGap = longestGap;
    longestGap = 0;
    // the first file's time includes starting the reader process
    total.start();
    clock.start();
    reader.start(files);
    app.exec();
    const double totalMs = total.nsecsElapsed() / 1e6;

    QTextStream out(stdout);
    int titles = 0, firsts = 0, lists = 0, errors = 0;
    for (int i = 0; i < files.size(); ++i) {
        const exchange::PaperRecord& r = records[i];
        if (!r.error.isEmpty()) ++errors;
        if (truth.isEmpty()) {
            if (p.isSet(QStringLiteral("verbose")))
                out << files[i] << "\t" << (r.error.isEmpty() ? r.title : QStringLiteral("ERROR ") + r.error) << "\n";
            continue;
        }
        const Truth& t = truth[i];
        const bool title = norm(r.title) == norm(t.title);
        const bool first = !r.authors.isEmpty() && norm(r.authors.first()) == norm(t.authors.first());
        QStringList a, b;
        for (const QString& s : r.authors) a << norm(s);
        for (const QString& s : t.authors) b << norm(s);
        const bool list = a == b;
        titles += title, firsts += first, lists += list;
        if (p.isSet(QStringLiteral("verbose")) || !title || !list) {
            out << (title ? "  " : "T ") << (first ? " " : "F") << (list ? " " : "L") << " " << truth[i].path.mid(p.value(QStringLiteral("root")).size() + 1)
                << "\n      title:   " << r.title << (title ? QString() : QStringLiteral("\n      want:    ") + t.title)
                << "\n      authors: " << r.authors.join(QStringLiteral("; "))
                << (list ? QString() : QStringLiteral("\n      want:    ") + t.authors.join(QStringLiteral("; ")))
                << "\n      year: " << r.date << "  keywords: " << r.keywords.join(QStringLiteral("; "))
                << (r.error.isEmpty() ? QString() : QStringLiteral("  ERROR ") + r.error) << "\n";
        }
    }
    const int n = int(files.size());
    if (!truth.isEmpty())
        out << QStringLiteral("files %1  exact titles %2 (%3%)  exact first authors %4 (%5%)  exact author lists %6 (%7%)\n")
                   .arg(n).arg(titles).arg(100.0 * titles / n, 0, 'f', 1).arg(firsts).arg(100.0 * firsts / n, 0, 'f', 1)
                   .arg(lists).arg(100.0 * lists / n, 0, 'f', 1);
    QList<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    out << QStringLiteral("files %1  errors %2  total %3 ms  per file: median %4 ms  90th percentile %5 ms  max %6 ms\n")
               .arg(n).arg(errors).arg(totalMs, 0, 'f', 0).arg(median(ms), 0, 'f', 1)
               .arg(sorted[std::min<qsizetype>(sorted.size() - 1, sorted.size() * 9 / 10)], 0, 'f', 1)
               .arg(sorted.last(), 0, 'f', 1)
        << QStringLiteral("event loop: longest gap between 10 ms timer ticks %1 ms while reading, %2 ms in 3 s idle before\n")
               .arg(longestGap, 0, 'f', 1).arg(idleGap, 0, 'f', 1);
    return 0;
}
