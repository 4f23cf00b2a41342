#include "support/TestDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <stdexcept>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "shell/Settings.h"

namespace testdb {

namespace {

QString envValue(const QString& key) {
    QFile f(QStringLiteral(TESTDB_DIR "/env"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : f.readAll().split('\n')) {
        QString s = QString::fromUtf8(line);
        if (s.startsWith(key + QLatin1Char('='))) return s.mid(key.size() + 1);
    }
    return {};
}

void tool(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral("bash"), QStringList{QStringLiteral(SOURCE_DIR "/tools/dbserver.sh")} + args);
    p.waitForFinished(60000);
    if (p.exitCode() != 0) throw std::runtime_error("dbserver.sh failed");
}

}  // namespace

QString dir() { return QStringLiteral(TESTDB_DIR); }
int port() { return envValue(QStringLiteral("PORT")).toInt(); }

QString paperConnection() {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), QStringLiteral("paperdb"));
}

QString loginConnection() {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kDoorCode),
                                     QStringLiteral("login_user"), QStringLiteral("paperdb"));
}

db::OdbcQuery& admin() {
    static db::OdbcQuery* q = [] {
        auto* query = new db::OdbcQuery;
        query->setConnectionString(paperConnection());
        return query;
    }();
    return *q;
}

QString scalar(const QString& sql) {
    admin().openSql(sql);
    QString v = admin().field(0);
    admin().close();
    return v;
}

qint64 exec(const QString& sql) { return admin().execSql(sql); }

qint64 count(const QString& table, const QString& where) {
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty()) sql += QStringLiteral(" where ") + where;
    return scalar(sql).toLongLong();
}

QStringList column(const QString& sql) {
    admin().openSql(sql);
    QStringList out;
    for (qint64 i = 0, n = admin().recordCount(); i < n; ++i) {
        out << admin().field(0);
        admin().next();
    }
    admin().close();
    return out;
}

void reset() {
    static const QStringList kept = {
        QStringLiteral("username_password"), QStringLiteral("username_rightid"),
        QStringLiteral("author_info"),       QStringLiteral("main"),
        QStringLiteral("author_all"),        QStringLiteral("kword_all"),
        QStringLiteral("address"),           QStringLiteral("type_in"),
        QStringLiteral("paper_match"),       QStringLiteral("paper_distinct")};
    for (const QString& t : column(QStringLiteral("show tables")))
        if (!kept.contains(t)) exec(QStringLiteral("drop table `") + t + QLatin1Char('`'));
    for (const QString& p :
         column(QStringLiteral("select routine_name from information_schema.routines where routine_schema='paperdb'")))
        exec(QStringLiteral("drop procedure `") + p + QLatin1Char('`'));
    runFile(QStringLiteral("sql/upgrade-duplicates.sql"));  // in case a test dropped them
    for (const QString& t : kept) exec(QStringLiteral("delete from ") + t);
}

void runFile(const QString& relativePath) {
    QFile f(QStringLiteral(SOURCE_DIR "/") + relativePath);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read SQL file");
    QString text = QString::fromUtf8(f.readAll());
    QString statement;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--"))) continue;
        statement += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            exec(statement.trimmed().chopped(1));
            statement.clear();
        }
    }
    if (!statement.trimmed().isEmpty()) exec(statement.trimmed());
}

void loadSample() {
    reset();
    runFile(QStringLiteral("sql/sample.sql"));
}

void writeSettings(const QString& provider, const QString& dataSource) {
    QFile f(shell::settingsPath());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(QStringLiteral("[database_info]\nprovider=%1\ndata source=%2\n")
                .arg(provider, dataSource)
                .toUtf8());
}

void removeSettings() { QFile::remove(shell::settingsPath()); }

void stopServer() { tool({QStringLiteral("stop"), dir()}); }
void startServer() { tool({QStringLiteral("start"), dir()}); }

void killServer() {
    QFile pidFile(dir() + QStringLiteral("/mysqld.pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) return;
    QString pid = QString::fromLatin1(pidFile.readAll()).trimmed();
    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), pid});
    // wait until it is gone
    for (int i = 0; i < 100 && QFile::exists(QStringLiteral("/proc/") + pid); ++i)
        QProcess::execute(QStringLiteral("sleep"), {QStringLiteral("0.05")});
}

}  // namespace testdb
