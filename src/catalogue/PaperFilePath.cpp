#include "catalogue/PaperFilePath.h"

namespace catalogue {

QString paperFilePath(const QString& folder, const QString& fileName) {
    if (folder.isEmpty()) return fileName;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) return folder + fileName;
    const QChar separator =
        folder.contains(QLatin1Char('\\')) && !folder.contains(QLatin1Char('/')) ? QLatin1Char('\\') : QLatin1Char('/');
    return folder + separator + fileName;
}

}  // namespace catalogue
