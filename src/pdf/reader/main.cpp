// The PDF reader process: reads one file path per line on standard input
// (UTF-8) and answers each with one JSON line on standard output: the paper
// read from it, or with "--facts" what the PDF library reported (words of
// the first page, metadata). It runs apart from the program so that a file
// that crashes or hangs the PDF library takes down only this process, and
// so that the reading costs the program's window nothing.
#include <poppler-global.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <iostream>
#include <string>

#include "pdf/PaperReading.h"
#include "pdf/RecordJson.h"
#include "pdf/reader/PopplerReader.h"
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

}  // namespace

int main(int argc, char** argv) {
    // A file the library loops on must not keep the reader alive after the
    // program is gone.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1) return 0;
    const bool factsOnly = argc > 1 && std::string(argv[1]) == "--facts";
    limitMemory();
    poppler::set_debug_error_function(quiet, nullptr);
    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) == "--text") return pdf::reader::runTextMode(argc, argv);
    std::string path;
    while (std::getline(std::cin, path)) {
        if (!path.empty() && path.back() == '\r') path.pop_back();
        if (path.empty()) continue;
        QByteArray line;
        try {
            const pdf::PdfFacts facts = pdf::reader::readFile(path);
            line = factsOnly ? pdf::toJsonLine(facts) : pdf::recordToJsonLine(pdf::toRecord(facts));
        } catch (const std::exception& e) {
            pdf::PdfFacts f;
            f.path = QString::fromStdString(path);
            f.error = QStringLiteral("PDF文件无法读取：") + QString::fromLocal8Bit(e.what());
            line = factsOnly ? pdf::toJsonLine(f) : pdf::recordToJsonLine(pdf::toRecord(f));
        }
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}
