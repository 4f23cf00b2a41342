#include "shell/Places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell::places {

namespace {

constexpr char kReaderName[] = "paper_pdf_reader";

QString prefixOf(const QString& executableDir) {
    QDir bin(executableDir);
    if (bin.dirName() != QLatin1String("bin")) return {};
    return QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("..")));
}

}  // namespace

QString installedDataDir(const QString& executableDir) {
    const QString prefix = prefixOf(executableDir);
    if (prefix.isEmpty()) return {};
    const QString data = prefix + QStringLiteral("/share/paper-catalogue");
    return QFileInfo(data).isDir() ? data : QString();
}

bool installed(const QString& executableDir) { return !installedDataDir(executableDir).isEmpty(); }

QStringList hookDirs(const QString& executableDir) {
    QStringList dirs{executableDir};
    const QString data = installedDataDir(executableDir);
    if (!data.isEmpty()) dirs << data + QStringLiteral("/hooks");
    return dirs;
}

QString pdfReader(const QString& executableDir) {
    const QString beside = QDir(executableDir).filePath(QLatin1String(kReaderName));
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString prefix = prefixOf(executableDir);
    if (!prefix.isEmpty()) {
        const QString lib = prefix + QStringLiteral("/lib/paper-catalogue/") + QLatin1String(kReaderName);
        if (QFileInfo(lib).isExecutable()) return lib;
    }
    return beside;  // the error names the place a build would have it
}

QStringList translationDirs(const QString& executableDir) {
    QStringList dirs{executableDir, executableDir + QStringLiteral("/translations")};
    const QString data = installedDataDir(executableDir);
    if (!data.isEmpty()) dirs << data + QStringLiteral("/translations");
    return dirs;
}

QString executableDir() { return QCoreApplication::applicationDirPath(); }

}  // namespace shell::places
