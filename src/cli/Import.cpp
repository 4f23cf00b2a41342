#include <QDir>
#include <QFileInfo>

#include "cli/Run.h"
#include "db/Query.h"
#include "exchange/FileImport.h"
#include "exchange/PaperWriter.h"
#include "exchange/PreviewModel.h"
#include "catalogue/InsertPaper.h"
#include "scripting/ScriptEngine.h"

namespace cli {

namespace {

exchange::Format formatOf(const QString& name) {
    if (name == QLatin1String("bibtex")) return exchange::Format::Bibtex;
    if (name == QLatin1String("ris")) return exchange::Format::Ris;
    if (name == QLatin1String("csv")) return exchange::Format::Csv;
    if (name == QLatin1String("tsv")) return exchange::Format::Tsv;
    return exchange::Format::Unknown;
}

exchange::Encoding encodingOf(const QString& name) {
    if (name == QLatin1String("gbk")) return exchange::Encoding::Gbk;
    if (name.startsWith(QLatin1String("utf"))) return exchange::Encoding::Utf8;
    return exchange::Encoding::Auto;
}

bool written(exchange::Outcome outcome) {
    return outcome == exchange::Outcome::Imported || outcome == exchange::Outcome::Updated ||
           outcome == exchange::Outcome::Skipped;
}

}  // namespace

int importFile(db::Query& query, const Session& session, const Options& options, const QString& path,
               const Console& console) {
    QTextStream& out = *console.out;
    out << "file: " << QDir::toNativeSeparators(path) << "\n";
    if (!QFileInfo(path).isFile()) {
        out << "not imported: no such file\n\n";
        return kUnreadable;
    }
    // Read, mark and write as the import window does.
    const exchange::FileRead file = exchange::readFile(path, encodingOf(options.encoding), formatOf(options.format));
    if (file.format != exchange::Format::Unknown)
        out << "format: " << exchange::formatName(file.format) << ", encoding: " << file.encoding
            << ", records: " << file.records.size() << "\n";
    for (const QString& problem : file.problems) out << "problem: " << problem << "\n";
    if (file.records.isEmpty()) {
        out << "not imported: " << (file.error.isEmpty() ? QStringLiteral("no paper in the file") : file.error)
            << "\n\n";
        return kUnreadable;
    }

    query.setConnectionString(session.paperConnection);
    exchange::PreviewModel preview;
    const QString dir = options.dir.isEmpty() ? QFileInfo(path).absolutePath() : options.dir;
    preview.setOptions(exchange::MappingOptions{QDir::toNativeSeparators(dir)});
    preview.setPresentKeys(exchange::catalogueKeys(query));
    preview.setRecords(file.records);
    const QVector<exchange::WriteJob> jobs = preview.jobs();

    scripting::ScriptEngine hooks;
    exchange::WriteOptions writeOptions;
    writeOptions.typist = session.userName;
    writeOptions.date = catalogue::entry::today();
    writeOptions.updatePresent = options.update;
    exchange::PaperWriter writer(query, hooks, writeOptions);
    const QVector<exchange::PaperOutcome> outcomes = writer.write(jobs);
    preview.setOutcomes(outcomes);

    const exchange::Summary& summary = writer.summary();
    out << "rows: " << preview.rowCount() << ", chosen: " << jobs.size() << ", imported: " << summary.imported
        << ", updated: " << summary.updated << ", skipped: " << summary.skipped << ", failed: " << summary.failed
        << ", not written: " << summary.notWritten << "\n";
    if (!summary.stopReason.isEmpty()) out << "stopped: " << summary.stopReason << "\n";
    // One line a row: line, status, what became of it, the paper key, why.
    using exchange::PreviewModel;
    for (int row = 0; row < preview.rowCount(); ++row) {
        auto cell = [&](int column) { return preview.data(preview.index(row, column)).toString(); };
        QString result = cell(PreviewModel::Result);
        if (result.isEmpty()) result = QStringLiteral("-");
        out << "row " << (row + 1) << "\tline " << cell(PreviewModel::Line) << "\t" << cell(PreviewModel::State)
            << "\t" << result << "\t" << cell(PreviewModel::Key);
        const QString notes = cell(PreviewModel::Notes);
        if (!notes.isEmpty()) out << "\t" << notes;
        out << "\n";
    }
    out << "\n";
    out.flush();

    if (jobs.isEmpty()) return kUnreadable;
    for (const exchange::PaperOutcome& o : outcomes)
        if (!written(o.outcome)) return kRowsFailed;
    return outcomes.size() == jobs.size() ? kOk : kRowsFailed;
}

}  // namespace cli
