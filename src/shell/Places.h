#pragma once

#include <QString>
#include <QStringList>

// Where the program finds what ships with it. A build or a copied folder keeps
// everything beside the executable; an installed program (bin/ with
// ../share/paper-catalogue/ beside it, as the package lays it out) finds its
// hook modules, SQL files and translations under share/ and the PDF reader
// helper under lib/paper-catalogue/. The folder beside the executable always
// comes first, so a copy of a hook module placed there overrides the
// installed one.
namespace shell::places {

// "<prefix>/share/paper-catalogue" when the executable lies in "<prefix>/bin"
// and that folder exists; else empty.
QString installedDataDir(const QString& executableDir);
// True when the executable runs from an installed layout.
bool installed(const QString& executableDir);

// Folders searched for the hook modules, in order.
QStringList hookDirs(const QString& executableDir);
// The PDF reader helper: beside the executable when it is there, else in
// "<prefix>/lib/paper-catalogue/".
QString pdfReader(const QString& executableDir);
// Folders searched for translation files, in order.
QStringList translationDirs(const QString& executableDir);

// The same for the running program.
QString executableDir();

}  // namespace shell::places
