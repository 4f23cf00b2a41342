#pragma once

#include <QString>
#include <QStringList>

namespace bench {

// Calls script hooks in the embedded interpreter the way the program does:
// import the module by name (a loaded module is reused), call the function
// with the texts, str() of the result is the statement. Stands in for the
// program's script engine until the benchmarks call that directly.
class PyHooks {
public:
    // Starts the interpreter with the folders put first on the module path.
    explicit PyHooks(const QStringList& modulePath);
    ~PyHooks();
    PyHooks(const PyHooks&) = delete;
    PyHooks& operator=(const PyHooks&) = delete;

    QString call(const QString& module, const QString& function, const QStringList& args);
};

}  // namespace bench
