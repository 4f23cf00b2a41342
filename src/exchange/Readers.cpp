// Python's headers use "slots" as a name, which Qt defines as a macro.
#pragma push_macro("slots")
#undef slots
#include <pybind11/embed.h>
#pragma pop_macro("slots")

#include "exchange/Readers.h"

#include "db/DbError.h"
#include "exchange/ReaderScript.h"
#include "scripting/PythonError.h"
#include "scripting/ScriptEngine.h"

namespace py = pybind11;

namespace exchange {

namespace {

constexpr char16_t kRecordSep = 0x1d;
constexpr char16_t kFieldSep = 0x1e;
constexpr char16_t kItemSep = 0x1f;

// The readers' module, made from the source at its first use.
py::object readerModule() {
    scripting::startInterpreterOrQuit();
    py::module_ sys = py::module_::import("sys");
    py::dict modules = sys.attr("modules");
    if (modules.contains("paper_exchange_readers")) return modules["paper_exchange_readers"];
    py::module_ types = py::module_::import("types");
    py::object m = types.attr("ModuleType")("paper_exchange_readers");
    py::exec(readerScript(), m.attr("__dict__"));
    modules["paper_exchange_readers"] = m;
    return m;
}

// Calls a reader with the text; returns its two strings.
std::pair<QString, QString> call(const char* function, const QString& text, const QString& extra = {},
                                 const ReadProgress& progress = {}) {
    py::object m;
    try {
        m = readerModule();
        const QByteArray utf8 = text.toUtf8();
        py::str arg(utf8.constData(), size_t(utf8.size()));
        py::dict options;
        if (progress)
            options["progress"] = py::cpp_function([&progress](int done, int total) { return progress(done, total); });
        const py::tuple result = extra.isNull() ? m.attr(function)(arg, **options)
                                                : m.attr(function)(arg, extra.toStdString(), **options);
        const auto a = result[0].cast<std::string>();
        const auto b = result[1].cast<std::string>();
        return {QString::fromUtf8(a.data(), qsizetype(a.size())), QString::fromUtf8(b.data(), qsizetype(b.size()))};
    } catch (py::error_already_set& e) {
        if (m && e.matches(m.attr("ReadCancelled"))) throw ReadCancelled{};
        throw db::DbError(scripting::errorText(e));
    }
}

QStringList items(QStringView text) {
    QStringList out;
    if (text.isEmpty()) return out;
    for (QStringView part : text.split(QChar(kItemSep))) out << part.toString();
    return out;
}

ReadResult records(const std::pair<QString, QString>& raw) {
    ReadResult r;
    if (!raw.second.isEmpty()) r.problems = raw.second.split(QLatin1Char('\n'));
    if (raw.first.isEmpty()) return r;
    const QList<QStringView> entries = QStringView(raw.first).split(QChar(kRecordSep));
    r.records.reserve(entries.size());
    for (QStringView entry : entries) {
        const QList<QStringView> f = entry.split(QChar(kFieldSep));
        if (f.size() < 11) continue;
        PaperRecord p;
        p.sourceKey = f[0].toString();
        p.line = f[1].toInt();
        p.title = f[2].toString();
        p.authors = items(f[3]);
        p.date = f[4].toString();
        p.keywords = items(f[5]);
        p.category = f[6].toString();
        p.remark = f[7].toString();
        const QString file = f[8].toString();
        if (!file.isEmpty()) {
            const qsizetype cut = std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\')));
            p.dir = cut < 0 ? QString() : file.left(cut);
            p.filename = file.mid(cut + 1);
        }
        p.warnings = items(f[9]);
        p.error = f[10].toString();
        r.records.push_back(std::move(p));
    }
    return r;
}

}  // namespace

ReadResult readBibtex(const QString& text, const ReadProgress& progress) {
    return records(call("read_bibtex", text, {}, progress));
}

ReadResult readRis(const QString& text, const ReadProgress& progress) {
    return records(call("read_ris", text, {}, progress));
}

CsvTable readCsv(const QString& text, QChar delimiter, const ReadProgress& progress) {
    const auto raw =
        call("read_csv", text, delimiter.isNull() ? QString(QLatin1String("")) : QString(delimiter), progress);
    CsvTable t;
    t.error = raw.second;
    if (raw.first.isEmpty()) return t;
    bool first = true;
    for (QStringView row : QStringView(raw.first).split(QChar(kRecordSep))) {
        QList<QStringView> cells = row.split(QChar(kFieldSep));
        const int line = cells.takeFirst().toInt();
        QStringList values;
        values.reserve(cells.size());
        for (QStringView c : cells) values << c.toString();
        if (first) {
            t.header = values;
            first = false;
            continue;
        }
        // A blank line between rows is no paper.
        if (values.isEmpty() || (values.size() == 1 && values.first().trimmed().isEmpty())) continue;
        t.rows.push_back(values);
        t.lines.push_back(line);
    }
    return t;
}

}  // namespace exchange
