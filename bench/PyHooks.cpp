#pragma push_macro("slots")
#undef slots
#include <pybind11/embed.h>
#pragma pop_macro("slots")

#include "PyHooks.h"

#include <stdexcept>

namespace py = pybind11;

namespace bench {

PyHooks::PyHooks(const QStringList& modulePath) {
    py::initialize_interpreter();
    py::list path = py::module_::import("sys").attr("path");
    for (qsizetype i = modulePath.size() - 1; i >= 0; --i)
        path.insert(0, py::str(modulePath[i].toStdString()));
}

PyHooks::~PyHooks() { py::finalize_interpreter(); }

QString PyHooks::call(const QString& module, const QString& function, const QStringList& args) {
    try {
        py::module_ m = py::module_::import(module.toUtf8().constData());
        py::object f = m.attr(function.toUtf8().constData());
        py::tuple a(args.size());
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QByteArray b = args[i].toUtf8();
            a[i] = py::reinterpret_steal<py::object>(PyUnicode_FromStringAndSize(b.constData(), b.size()));
        }
        const py::str result = py::str(f(*a));
        Py_ssize_t size = 0;
        const char* text = PyUnicode_AsUTF8AndSize(result.ptr(), &size);
        if (!text) throw py::error_already_set();
        return QString::fromUtf8(text, size);
    } catch (py::error_already_set& e) {
        throw std::runtime_error(std::string(e.type().attr("__name__").cast<std::string>()) + ": " +
                                 py::str(e.value()).cast<std::string>());
    }
}

}  // namespace bench
