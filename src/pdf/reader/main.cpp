// The PDF reader process: reads one file path per line on standard input
// (UTF-8) and answers each with one JSON line on standard output: the paper
// read from it; with "--facts" what the PDF library reported (words of the
// first page, metadata); with "--features" the first page's lines and their
// layout features, as the trainer of the line classifier reads them
// ("--feature-names" prints the names of the features). "--model FILE"
// takes another model than the one beside the program. It runs apart from
// the program so that a file that crashes or hangs the PDF library takes
// down only this process, and so that the reading costs the program's
// window nothing.
#include <poppler-global.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>

#include <cstdio>
#include <iostream>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "pdf/Glyphs.h"
#include "pdf/LineFeatures.h"
#include "pdf/PaperReading.h"
#include "pdf/RecordJson.h"
#include "pdf/reader/PopplerReader.h"
#include "pdf/reader/XgbLineClassifier.h"
#include "pdf/reader/TextMode.h"

namespace {

void quiet(const std::string&, void*) {}

// A crafted file may make the library allocate without end: keep the
// process's address space bounded so that it fails instead.
void limitMemory() {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = rlim_t(2048) * 1024 * 1024;
    setrlimit(RLIMIT_AS, &limit);
}

// The first page's lines with their features, for the trainer.
QByteArray featuresLine(const pdf::PdfFacts& f) {
    QJsonObject o;
    o.insert(QStringLiteral("path"), f.path);
    if (!f.error.isEmpty()) o.insert(QStringLiteral("error"), f.error);
    o.insert(QStringLiteral("w"), f.pageWidth);
    o.insert(QStringLiteral("h"), f.pageHeight);
    o.insert(QStringLiteral("meta_title"), f.title);
    o.insert(QStringLiteral("meta_author"), f.author);
    const QString problem = f.error.isEmpty() ? pdf::textLayerProblem(f.words) : QString();
    if (!problem.isEmpty()) o.insert(QStringLiteral("problem"), problem);
    const QList<pdf::Line> lines = problem.isEmpty() ? pdf::groupLines(f.words) : QList<pdf::Line>();
    const pdf::LineFeatures features(lines, f.pageWidth, f.pageHeight);
    QJsonArray rows;
    for (int i = 0; i < int(lines.size()); ++i) {
        QJsonArray values;
        const float* row = features.row(i);
        for (int c = 0; c < pdf::LineFeatures::count(); ++c) values.append(double(row[c]));
        rows.append(QJsonObject{{QStringLiteral("text"), lines[i].text},
                                {QStringLiteral("raw"), lines[i].rawText},
                                {QStringLiteral("f"), values}});
    }
    o.insert(QStringLiteral("lines"), rows);
    QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
    line.append('\n');
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    // A file the library loops on must not keep the reader alive after the
    // program is gone.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1) return 0;
    QCoreApplication app(argc, argv);  // the model lies beside the program
    enum class Mode { Records, Facts, Features } mode = Mode::Records;
    QString modelFile;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--facts") mode = Mode::Facts;
        else if (a == "--features") mode = Mode::Features;
        else if (a == "--model" && i + 1 < argc) modelFile = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--feature-names") {
            const QByteArray names = QJsonDocument(QJsonArray::fromStringList(pdf::LineFeatures::names())).toJson(QJsonDocument::Compact);
            std::fwrite(names.constData(), 1, size_t(names.size()), stdout);
            std::fputc('\n', stdout);
            return 0;
        }
    }
    limitMemory();
    poppler::set_debug_error_function(quiet, nullptr);
    // Loaded once; a missing or damaged model makes every file an error row.
    const pdf::reader::XgbLineClassifier classifier(
        mode == Mode::Records ? (modelFile.isEmpty() ? pdf::reader::XgbLineClassifier::defaultModelFile() : modelFile)
                              : QString());
    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) == "--text") return pdf::reader::runTextMode(argc, argv);
    std::string path;
    while (std::getline(std::cin, path)) {
        if (!path.empty() && path.back() == '\r') path.pop_back();
        if (path.empty()) continue;
        QByteArray line;
        pdf::PdfFacts facts;
        try {
            facts = pdf::reader::readFile(path);
        } catch (const std::exception& e) {
            facts = pdf::PdfFacts();
            facts.path = QString::fromStdString(path);
            facts.error = QStringLiteral("PDF文件无法读取：") + QString::fromLocal8Bit(e.what());
        }
        switch (mode) {
        case Mode::Facts: line = pdf::toJsonLine(facts); break;
        case Mode::Features: line = featuresLine(facts); break;
        case Mode::Records: line = pdf::recordToJsonLine(pdf::toRecord(facts, classifier)); break;
        }
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}
