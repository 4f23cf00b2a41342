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

// Attributes of the MariaDB driver that a value may add: where the server is
// and how to reach it. The time-outs are the program's own (the query object
// adds them). Anything else (a statement run at each connect, a
// character set, a library or plugin folder to load, files to write, the
// driver's own reconnect) would change what the program's statements mean or
// where they go, and is left out.
bool passedOn(const QString& key) {
    static const QStringList keys = {
        QStringLiteral("SERVER"),     QStringLiteral("SERVERNAME"),    QStringLiteral("PORT"),
        QStringLiteral("DATABASE"),   QStringLiteral("DB"),            QStringLiteral("UID"),
        QStringLiteral("USER"),       QStringLiteral("PWD"),           QStringLiteral("SOCKET"),
        QStringLiteral("TCPIP"),      QStringLiteral("DESCRIPTION"),   QStringLiteral("NO_PROMPT"),
        QStringLiteral("SSLKEY"),     QStringLiteral("SSLCERT"),       QStringLiteral("SSLCA"),
        QStringLiteral("SSLCAPATH"),  QStringLiteral("SSLCIPHER"),     QStringLiteral("SSLVERIFY"),
        QStringLiteral("SSLCRL"),     QStringLiteral("SSLCRLPATH"),    QStringLiteral("SSLFP"),
        QStringLiteral("SSLFPLIST"),  QStringLiteral("TLSPEERFP"),     QStringLiteral("TLSPEERFPLIST"),
        QStringLiteral("TLSVERSION"), QStringLiteral("FORCETLS"),      QStringLiteral("SERVERKEY"),
        QStringLiteral("TLSKEYPWD")};
    return keys.contains(key.trimmed(), Qt::CaseInsensitive);
}

// The driver's option bits as the program needs them, whatever a value asks:
// matched rows counted as affected (2) on; several statements in one (1 << 26),
// the driver's own reconnect (1 << 22, it would go on outside an interrupted
// transaction), reading my.cnf (1 << 16, which may hold a start statement)
// and the query log (1 << 19) off.
QString sanitizedOptions(const QString& value) {
    bool ok = false;
    qulonglong bits = value.trimmed().toULongLong(&ok);
    if (!ok) bits = 0;
    bits |= 2u;
    bits &= ~((qulonglong(1) << 26) | (qulonglong(1) << 22) | (qulonglong(1) << 16) | (qulonglong(1) << 19));
    return QString::number(bits & 0xffffffffu);
}

}  // namespace

QString odbcConnectionString(const QString& connectionString, bool severalPerText) {
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
        else if (k == QLatin1String("option") || k == QLatin1String("options"))
            put(odbc, QStringLiteral("OPTION"), sanitizedOptions(a.value));
        // A value in braces may hold ";" and so further attributes: not passed on.
        else if (passedOn(a.key) && !a.value.contains(QLatin1Char('{')) && !a.value.contains(QLatin1Char('}')))
            put(odbc, a.key.trimmed(), a.value);
    }
    if (provider.compare(QLatin1String(kOdbcProvider), Qt::CaseInsensitive) != 0 &&
        provider.compare(QLatin1String("MSDASQL"), Qt::CaseInsensitive) != 0) {
        throw DbError(QStringLiteral("不支持的数据库提供程序“%1”（仅支持 %2）")
                          .arg(provider, QLatin1String(kOdbcProvider)));
    }

    QStringList parts;
    for (Attribute& a : odbc) {
        if (severalPerText && a.key == QLatin1String("OPTION"))
            a.value = QString::number(a.value.toULongLong() | (qulonglong(1) << 26));
        parts << a.key + QLatin1Char('=') + a.value;
    }
    return parts.join(QLatin1Char(';'));
}

}  // namespace db
