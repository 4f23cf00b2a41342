#include "pdf/PdfFiles.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace pdf {

QStringList pdfFiles(const QStringList& paths) {
    QStringList out;
    QSet<QString> seen;
    auto add = [&](const QString& p) {
        const QString abs = QFileInfo(p).absoluteFilePath();
        if (!seen.contains(abs)) {
            seen.insert(abs);
            out << abs;
        }
    };
    for (const QString& p : paths) {
        const QFileInfo fi(p);
        if (fi.isDir()) {
            QStringList found;
            QDirIterator it(p, {QStringLiteral("*.pdf")}, QDir::Files | QDir::Readable | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) found << it.next();
            std::sort(found.begin(), found.end());
            for (const QString& f : found) add(f);
        } else {
            add(p);
        }
    }
    return out;
}

}  // namespace pdf
