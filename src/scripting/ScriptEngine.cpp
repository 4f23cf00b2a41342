// Python's headers use "slots" as a name, which Qt defines as a macro.
#pragma push_macro("slots")
#undef slots
#include <pybind11/embed.h>
#pragma pop_macro("slots")

#include "scripting/ScriptEngine.h"
#include "scripting/PythonError.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "db/Messages.h"
#include "shell/Places.h"

namespace py = pybind11;

namespace scripting {

namespace {

QString fromPython(const py::handle& object) {
    return QString::fromStdString(py::str(object).cast<std::string>());
}

}  // namespace

QString errorText(const py::error_already_set& e) {
    QString name = QStringLiteral("Error");
    QString message;
    try {
        if (e.type()) name = fromPython(e.type().attr("__name__"));
        if (e.value()) message = fromPython(e.value());
    } catch (const std::exception&) {
        // an exception whose text cannot be read still ends the handler
    }
    return message.isEmpty() ? name : name + QStringLiteral(": ") + message;
}

bool interpreterRunning() { return Py_IsInitialized() != 0; }

QString startInterpreter(const QString& pythonHome) {
    if (interpreterRunning()) return {};

    QStringList arguments = QCoreApplication::arguments();
    if (arguments.isEmpty()) arguments << QString();
    arguments[0] = QCoreApplication::applicationFilePath();
    std::vector<std::wstring> wide;
    for (const QString& a : arguments) wide.push_back(a.toStdWString());
    std::vector<wchar_t*> argv;
    for (std::wstring& w : wide) argv.push_back(w.data());

    PyConfig config;
    PyConfig_InitIsolatedConfig(&config);
    config.install_signal_handlers = 0;
    config.parse_argv = 0;
    PyStatus status = PyConfig_SetArgv(&config, Py_ssize_t(argv.size()), argv.data());
    if (!PyStatus_Exception(status) && !pythonHome.isEmpty()) {
        const std::wstring home = pythonHome.toStdWString();
        status = PyConfig_SetString(&config, &config.home, home.c_str());
    }
    if (!PyStatus_Exception(status)) status = Py_InitializeFromConfig(&config);
    PyConfig_Clear(&config);
    if (PyStatus_Exception(status)) {
        QString why = QString::fromUtf8(status.err_msg ? status.err_msg : "unknown failure");
        if (status.func) why = QString::fromUtf8(status.func) + QStringLiteral(": ") + why;
        return why;
    }

    try {
        // The folder beside the executable first, then the installed hook
        // modules.
        py::object path = py::module_::import("sys").attr("path");
        const QStringList folders = shell::places::hookDirs(QCoreApplication::applicationDirPath());
        for (qsizetype i = 0; i < folders.size(); ++i)
            path.attr("insert")(i, QDir::toNativeSeparators(folders[i]).toStdString());
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

void startInterpreterOrQuit(const QString& pythonHome) {
    const QString why = startInterpreter(pythonHome);
    if (why.isEmpty()) return;
    db::messages::show(QStringLiteral("Error: could not start the Python interpreter (%1)").arg(why),
                       QStringLiteral("Error"));
    db::messages::show(QStringLiteral("The Python interpreter failed to start; the program must quit."),
                       QStringLiteral("Error"));
    std::exit(1);
}

ScriptEngine::ScriptEngine() { startInterpreterOrQuit(); }

QString ScriptEngine::call(const QString& module, const QString& function, const QStringList& args) {
    startInterpreterOrQuit();
    try {
        // A module already loaded is taken from sys.modules without the
        // import machinery; a new one is imported.
        const std::string name = module.toStdString();
        py::object m = py::reinterpret_steal<py::object>(PyImport_GetModule(py::str(name).ptr()));
        if (!m) {
            if (PyErr_Occurred()) throw py::error_already_set();
            m = py::module_::import(name.c_str());
        }
        py::object f = m.attr(function.toStdString().c_str());
        py::tuple values(args.size());
        for (qsizetype i = 0; i < args.size(); ++i) values[size_t(i)] = py::str(args[i].toStdString());
        py::object result = f(*values);
        return fromPython(result);
    } catch (const py::error_already_set& e) {
        throw HookError(errorText(e));
    } catch (const std::exception& e) {
        throw HookError(QString::fromUtf8(e.what()));
    }
}

}  // namespace scripting
