#pragma once

#include "scripting/HookCaller.h"

namespace scripting {

// The script engine of a window that calls hooks. All engines share the one
// embedded Python interpreter of the process, which the first engine starts
// and which runs until the program ends. Creating an engine when the
// interpreter cannot start reports it and ends the program with exit code 1.
class ScriptEngine : public HookCaller {
public:
    ScriptEngine();

    // Imports the module (a module already loaded is reused), calls the
    // function with the texts and returns str() of the result.
    QString call(const QString& module, const QString& function, const QStringList& args) override;
    using HookCaller::call;
};

// Starts the interpreter unless it runs: the program's command line as its
// argument list (the executable's full path first) and the executable's
// folder first on the module search path. Needs the QApplication. Returns an
// empty text on success, else why it failed. pythonHome replaces the
// interpreter's home folder (only to provoke a failed start).
QString startInterpreter(const QString& pythonHome = {});
bool interpreterRunning();

// startInterpreter(), or two message boxes (caption "Error") and the end of
// the process with exit code 1.
void startInterpreterOrQuit(const QString& pythonHome = {});

}  // namespace scripting
