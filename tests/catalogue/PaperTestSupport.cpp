#include "PaperTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include "db/Schema.h"
#include "db/SqlText.h"
#include "support/TestDb.h"

namespace papertest {

void writeTestModule(const QString& name, const QString& source) {
    static QTemporaryDir dir;
    static bool onPath = false;
    scripting::ScriptEngine engine;
    if (!onPath) {
        engine.call(QStringLiteral("site"), QStringLiteral("addsitedir"), {dir.path()});
        onPath = true;
    }
    QFile f(dir.filePath(name + QStringLiteral(".py")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(source.toUtf8());
    f.close();
    engine.call(QStringLiteral("importlib"), QStringLiteral("invalidate_caches"), {});
}

QList<qint64> rowsOf(const QString& key) {
    QList<qint64> out;
    for (const QString& table : schema::kPaperTables)
        out << testdb::count(table, QStringLiteral("Paperid='") + db::sqlQuote(key) + QLatin1Char('\''));
    return out;
}

QList<qint64> tableSizes() {
    QList<qint64> out;
    for (const QString& table : schema::kPaperTables) out << testdb::count(table);
    return out;
}

}  // namespace papertest
