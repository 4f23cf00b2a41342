#include <QFile>
#include <QSaveFile>

#include "catalogue/SelectStatements.h"
#include "cli/Run.h"
#include "db/Query.h"
#include "exchange/GridExport.h"

namespace cli {

int exportPapers(db::Query& query, const Session& session, const Options& options, const Console& console) {
    using namespace catalogue::search;
    // The detailed query with every output column, so that BibTeX and RIS
    // get the authors, keywords and files.
    Outputs outputs;
    outputs.fill(true);
    Ticks ticks{};
    Texts texts;
    ticks[ByTitle] = ticks[ByFirstAuthor] = ticks[ByKeyword] = true;
    texts[ByTitle] = options.title;
    texts[ByFirstAuthor] = options.author;
    texts[ByKeyword] = options.keyword;
    query.setConnectionString(session.paperConnection);
    query.close();
    query.setSql(detailedStatement(outputs, ticks, texts));
    query.open();
    const auto result = query.result();

    QString format = options.format;
    const QString lower = options.exportFile.toLower();
    if (format.isEmpty()) {
        if (lower.endsWith(QLatin1String(".bib"))) format = QStringLiteral("bibtex");
        else if (lower.endsWith(QLatin1String(".ris"))) format = QStringLiteral("ris");
        else format = QStringLiteral("csv");
    }
    QByteArray bytes;
    int papers = result ? int(result->rowCount()) : 0;
    if (format == QLatin1String("csv")) {
        bytes = result ? exchange::csvBytes(*result) : QByteArray();
    } else {
        const auto rows = result ? exchange::paperRows(*result) : QVector<exchange::PaperRow>();
        papers = int(rows.size());
        bytes = (format == QLatin1String("bibtex") ? exchange::toBibtex(rows) : exchange::toRis(rows)).toUtf8();
    }
    query.close();

    QSaveFile file(options.exportFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *console.err << "error: cannot write " << options.exportFile << ": " << file.errorString() << "\n";
        return kFailed;
    }
    *console.out << "exported: " << papers << " papers to " << options.exportFile << " (" << format << ")\n";
    return kOk;
}

}  // namespace cli
