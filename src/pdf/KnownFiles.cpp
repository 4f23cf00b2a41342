#include "pdf/KnownFiles.h"

#include <QSet>

#include "db/SqlText.h"

namespace pdf {

QStringList knownFileStatements(const QList<FilePlace>& files, int batch) {
    QStringList names;  // each once, in the order met
    QSet<QString> seen;
    for (const FilePlace& f : files)
        if (!seen.contains(f.filename)) {
            seen.insert(f.filename);
            names << f.filename;
        }
    QStringList out;
    for (int i = 0; i < names.size(); i += batch) {
        QStringList quoted;
        for (const QString& n : names.mid(i, batch)) quoted << QLatin1Char('\'') + db::sqlQuote(n) + QLatin1Char('\'');
        out << QStringLiteral("select dir,filename from address where filename in (") + quoted.join(QLatin1Char(',')) +
                   QLatin1Char(')');
    }
    return out;
}

QString placeKey(const QString& dir, const QString& filename) {
    QString d = dir;
    while (d.size() > 1 && (d.endsWith(QLatin1Char('/')) || d.endsWith(QLatin1Char('\\')))) d.chop(1);
    return d + QLatin1Char('\n') + filename;
}

QSet<QString> knownFiles(db::Query& query, const QList<FilePlace>& files) {
    QSet<QString> wanted;
    for (const FilePlace& f : files) wanted.insert(placeKey(f.dir, f.filename));
    QSet<QString> found;
    for (const QString& statement : knownFileStatements(files)) {
        query.openSql(statement);
        const qint64 n = query.recordCount();
        for (qint64 i = 0; i < n; ++i) {
            const QString key = placeKey(query.field(0), query.field(1));
            if (wanted.contains(key)) found.insert(key);
            query.next();
        }
        query.close();
    }
    return found;
}

}  // namespace pdf
