#include "db/ConnectionString.h"

#include <QList>
#include <QPair>

#include "db/DbError.h"

namespace db {

QString buildConnectionString(const QString& provider, const QString& password,
                              const QString& account, const QString& dataSource) {
    return QStringLiteral("Provider=") + provider + QStringLiteral(";Password=") + password +
           QStringLiteral(";Persist Security Info=") + QStringLiteral("false") +
           QStringLiteral(";User ID=") + account + QStringLiteral(";Data Source=") + dataSource;
}

namespace {

struct Attribute {
    QString key;    // as written, for passing on
    QString value;
};

void put(QList<Attribute>& list, const QString& key, const QString& value) {
    for (Attribute& a : list) {
        if (a.key.compare(key, Qt::CaseInsensitive) == 0) {
            a.value = value;
            return;
        }
    }
    list.append({key, value});
}

}  // namespace

QString odbcConnectionString(const QString& connectionString) {
    if (connectionString.isEmpty())
        throw DbError(QStringLiteral("未设置数据库连接（连接字符串为空）"));

    QList<Attribute> attributes;
    for (const QString& part : connectionString.split(QLatin1Char(';'))) {
        qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        QString key = part.left(eq).trimmed();
        if (key.isEmpty()) continue;
        put(attributes, key, part.mid(eq + 1));
    }

    QString provider;
    QList<Attribute> odbc;
    put(odbc, QStringLiteral("DSN"), QString());
    put(odbc, QStringLiteral("UID"), QString());
    put(odbc, QStringLiteral("PWD"), QString());
    // Matched rows, not changed rows: re-saving a value counts as affected.
    put(odbc, QStringLiteral("OPTION"), QStringLiteral("2"));
    put(odbc, QStringLiteral("CHARSET"), QStringLiteral("utf8mb4"));
    for (const Attribute& a : attributes) {
        QString k = a.key.toLower();
        if (k == QLatin1String("provider")) provider = a.value.trimmed();
        else if (k == QLatin1String("data source")) put(odbc, QStringLiteral("DSN"), a.value);
        else if (k == QLatin1String("user id")) put(odbc, QStringLiteral("UID"), a.value);
        else if (k == QLatin1String("password")) put(odbc, QStringLiteral("PWD"), a.value);
        else if (k == QLatin1String("persist security info")) continue;
        else put(odbc, a.key, a.value);
    }
    if (provider.compare(QLatin1String(kOdbcProvider), Qt::CaseInsensitive) != 0 &&
        provider.compare(QLatin1String("MSDASQL"), Qt::CaseInsensitive) != 0) {
        throw DbError(QStringLiteral("不支持的数据库提供程序“%1”（仅支持 %2）")
                          .arg(provider, QLatin1String(kOdbcProvider)));
    }

    QStringList parts;
    for (const Attribute& a : odbc) parts << a.key + QLatin1Char('=') + a.value;
    return parts.join(QLatin1Char(';'));
}

}  // namespace db
