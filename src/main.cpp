#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/Options.h"
#include "cli/Run.h"
#include "db/Messages.h"
#include "shell/Language.h"
#include "shell/Places.h"
#include "shell/Settings.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"

#ifndef PAPER_VERSION
#define PAPER_VERSION "0"
#endif

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The command line: no window; message boxes become lines on standard error.
int commandLine(int argc, char* argv[], const cli::Options& options) {
    QCoreApplication app(argc, argv);
    const QString language = shell::installTranslation(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    db::messages::setRecorder([&err](const db::messages::Shown& shown) {
        err << shown.caption << ": " << shown.text << "\n";
        err.flush();
    });
    if (options.mode == cli::Options::Mode::Help) {
        out << cli::helpText(QStringLiteral("paper_catalogue"));
        return cli::kOk;
    }
    if (options.mode == cli::Options::Mode::Version) {
        // Where this copy finds what it needs, for whoever sets up a desk.
        const QString dir = shell::places::executableDir();
        out << "paper_catalogue " << PAPER_VERSION << "\n"
            << "settings file: " << shell::settingsPath() << "\n"
            << "hook modules: " << shell::places::hookDirs(dir).join(QLatin1Char(':')) << "\n"
            << "pdf reader: " << shell::places::pdfReader(dir) << "\n"
            << "language: " << language << "\n";
        return cli::kOk;
    }
    cli::Console console{&out, &err, [] {
                             std::string line;
                             std::getline(std::cin, line);
                             if (!line.empty() && line.back() == '\r') line.pop_back();
                             return QString::fromLocal8Bit(line.c_str());
                         }};
    const int status = cli::run(options, console);
    out.flush();
    err.flush();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    const cli::Options options = cli::parse(argumentsOf(argc, argv));
    if (options.mode != cli::Options::Mode::Window || !options.error.isEmpty())
        return commandLine(argc, argv, options);

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    shell::installTranslation(app);

    TForm_main Form_main;  // hidden until a sign-in shows it
    TForm_login Form_login(&Form_main);
    Form_login.show();
    app.exec();
    return 0;
}
