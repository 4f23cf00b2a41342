#include "exchange/FileImport.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "db/DbError.h"

namespace exchange {

QString formatName(Format format) {
    switch (format) {
    case Format::Bibtex: return QStringLiteral("BibTeX");
    case Format::Ris: return QStringLiteral("RIS");
    case Format::Csv: return QStringLiteral("CSV");
    case Format::Tsv: return QStringLiteral("TSV");
    case Format::Unknown: break;
    }
    return QStringLiteral("未知");
}

Format detectFormat(const QString& path, const QString& text) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("bib") || ext == QLatin1String("bibtex")) return Format::Bibtex;
    if (ext == QLatin1String("ris")) return Format::Ris;
    if (ext == QLatin1String("csv")) return Format::Csv;
    if (ext == QLatin1String("tsv") || ext == QLatin1String("tab")) return Format::Tsv;
    const QString head = text.left(65536);
    static const QRegularExpression ris(QStringLiteral("^TY  - "), QRegularExpression::MultilineOption);
    static const QRegularExpression bib(QStringLiteral("^\\s*@\\s*[A-Za-z]+\\s*[{(]"), QRegularExpression::MultilineOption);
    if (ris.match(head).hasMatch()) return Format::Ris;
    if (bib.match(head).hasMatch()) return Format::Bibtex;
    const QString firstLine = head.section(QLatin1Char('\n'), 0, 0);
    if (firstLine.count(QLatin1Char('\t')) > 0 && firstLine.count(QLatin1Char('\t')) >= firstLine.count(QLatin1Char(',')))
        return Format::Tsv;
    if (firstLine.count(QLatin1Char(',')) > 0) return Format::Csv;
    return Format::Unknown;
}

FileRead readText(const QString& text, Format format, const ReadProgress& progress) {
    FileRead r;
    r.format = format;
    try {
        switch (format) {
        case Format::Bibtex:
        case Format::Ris: {
            ReadResult read = format == Format::Bibtex ? readBibtex(text, progress) : readRis(text, progress);
            r.records = std::move(read.records);
            r.problems = read.problems;
            if (r.records.isEmpty())
                r.error = QStringLiteral("文件中没有可读的%1条目").arg(formatName(format)) +
                          (r.problems.isEmpty() ? QString() : QStringLiteral("：") + r.problems.first());
            break;
        }
        case Format::Csv:
        case Format::Tsv: {
            r.table = readCsv(text, format == Format::Tsv ? QChar(u'\t') : QChar(u','), progress);
            if (!r.table.error.isEmpty()) r.problems << r.table.error;
            r.mapping = guessMapping(r.table.header);
            if (r.table.header.isEmpty()) {
                r.error = QStringLiteral("文件没有表头行");
                break;
            }
            const QString missing = missingColumns(r.mapping);
            if (!missing.isEmpty()) {
                r.error = QStringLiteral("第 1 行的表头中找不到这些列：%1。请在列对应中指定。").arg(missing);
                break;
            }
            r.records = csvRecords(r.table, r.mapping, isOwnHeader(r.table.header));
            break;
        }
        case Format::Unknown:
            r.error = QStringLiteral("无法识别文件格式（支持 BibTeX .bib、RIS .ris、CSV/TSV）");
            break;
        }
    } catch (const db::DbError& e) {
        r.error = QStringLiteral("读取文件失败：") + e.message();
    } catch (const ReadCancelled&) {
        r = FileRead{};
        r.format = format;
        r.cancelled = true;
        r.error = QStringLiteral("已停止读取文件，没有读出任何条目");
    }
    return r;
}

FileRead readFile(const QString& path, Encoding encoding, Format format, const ReadProgress& progress) {
    const DecodedText text = loadText(path, encoding);
    if (!text.error.isEmpty()) {
        FileRead r;
        r.error = text.error;
        return r;
    }
    if (format == Format::Unknown) format = detectFormat(path, text.text);
    FileRead r = readText(text.text, format, progress);
    r.encoding = text.encoding;
    r.encodingWarning = text.warning;
    return r;
}

}  // namespace exchange
