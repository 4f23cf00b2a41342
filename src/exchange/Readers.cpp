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

py::str toPy(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return py::str(utf8.constData(), size_t(utf8.size()));
}

QString fromPy(const py::handle& value) {
    if (value.is_none()) return {};
    // Surrogates cannot reach the catalogue; "surrogatepass" keeps a lone one
    // from failing the whole file.
    const py::bytes utf8 = py::reinterpret_steal<py::bytes>(
        PyUnicode_AsEncodedString(value.ptr(), "utf-8", "surrogatepass"));
    if (!utf8) throw py::error_already_set();
    char* data = nullptr;
    Py_ssize_t size = 0;
    PyBytes_AsStringAndSize(utf8.ptr(), &data, &size);
    return QString::fromUtf8(data, qsizetype(size));
}

QStringList listFromPy(const py::handle& value) {
    QStringList out;
    for (const py::handle item : value) out << fromPy(item);
    return out;
}

// Calls a function of the module; Python errors become DbError, a stop by
// the user ReadCancelled.
template <typename F>
auto callReader(F&& f) {
    py::object m;
    try {
        m = readerModule();
        return f(m);
    } catch (py::error_already_set& e) {
        if (m && e.matches(m.attr("ReadCancelled"))) throw ReadCancelled{};
        throw db::DbError(scripting::errorText(e));
    }
}

py::dict progressOption(const ReadProgress& progress) {
    py::dict options;
    if (progress)
        options["progress"] = py::cpp_function([&progress](int done, int total) { return progress(done, total); });
    return options;
}

ReadResult records(const char* function, const QString& text, const ReadProgress& progress) {
    return callReader([&](py::object& m) {
        const py::tuple result = m.attr(function)(toPy(text), **progressOption(progress));
        ReadResult r;
        r.problems = listFromPy(result[1]);
        const py::list entries = result[0];
        r.records.reserve(qsizetype(entries.size()));
        for (const py::handle entry : entries) {
            const py::tuple f = py::reinterpret_borrow<py::tuple>(entry);
            PaperRecord p;
            p.sourceKey = fromPy(f[0]);
            p.line = f[1].cast<int>();
            p.title = fromPy(f[2]);
            p.authors = listFromPy(f[3]);
            p.date = fromPy(f[4]);
            p.keywords = listFromPy(f[5]);
            p.category = fromPy(f[6]);
            p.remark = fromPy(f[7]);
            p.dir = fromPy(f[8]);
            p.filename = fromPy(f[9]);
            p.warnings = listFromPy(f[10]);
            p.error = fromPy(f[11]);
            r.records.push_back(std::move(p));
        }
        return r;
    });
}

}  // namespace

ReadResult readBibtex(const QString& text, const ReadProgress& progress) {
    return records("read_bibtex", text, progress);
}

ReadResult readRis(const QString& text, const ReadProgress& progress) {
    return records("read_ris", text, progress);
}

CsvTable readCsv(const QString& text, QChar delimiter, const ReadProgress& progress) {
    return callReader([&](py::object& m) {
        const QString d = delimiter.isNull() ? QString(QLatin1String("")) : QString(delimiter);
        const py::tuple result = m.attr("read_csv")(toPy(text), toPy(d), **progressOption(progress));
        CsvTable t;
        t.error = fromPy(result[1]);
        bool first = true;
        for (const py::handle item : py::list(result[0])) {
            const py::tuple row = py::reinterpret_borrow<py::tuple>(item);
            QStringList values = listFromPy(row[1]);
            if (first) {
                t.header = values;
                first = false;
                continue;
            }
            // A blank line between rows is no paper.
            if (values.isEmpty() || (values.size() == 1 && values.first().trimmed().isEmpty())) continue;
            t.rows.push_back(values);
            t.lines.push_back(row[0].cast<int>());
        }
        return t;
    });
}

QString writeBibtex(const QVector<BibtexPaper>& papers) {
    return callReader([&](py::object& m) {
        py::list list;
        for (const BibtexPaper& p : papers) {
            py::list authors, keywords;
            for (const QString& a : p.authors) authors.append(toPy(a));
            for (const QString& k : p.keywords) keywords.append(toPy(k));
            list.append(py::make_tuple(toPy(p.key), toPy(p.title), authors, toPy(p.date), keywords,
                                       p.hasCategory ? py::object(toPy(p.category)) : py::object(py::none()),
                                       toPy(p.remark), toPy(p.dir), toPy(p.filename)));
        }
        return fromPy(m.attr("write_bibtex")(list));
    });
}

}  // namespace exchange
