#include "ClusterSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <csignal>

#include "db/ConnectionString.h"
#include "db/Credentials.h"

namespace cluster {

QString dir() { return QStringLiteral(CLUSTER_DIR); }

QString env(const QString& key) {
    QFile f(dir() + QStringLiteral("/env"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QString s = QString::fromUtf8(line);
        if (s.startsWith(key + QLatin1Char('='))) return s.mid(key.size() + 1);
    }
    return {};
}

void useClusterDataSources() {
    qputenv("ODBCINI", env(QStringLiteral("ODBCINI")).toUtf8());
    qputenv("ODBCSYSINI", env(QStringLiteral("ODBCSYSINI")).toUtf8());
}

namespace {
QString paperAccount(const QString& dataSource) {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), dataSource);
}
}  // namespace

QString throughProxy() { return paperAccount(QStringLiteral("papercluster")); }
QString onNode(int n) { return paperAccount(QStringLiteral("papercluster_node%1").arg(n)); }

std::unique_ptr<db::OdbcQuery> nodeQuery(int n) {
    auto q = std::make_unique<db::OdbcQuery>();
    q->setConnectionString(onNode(n));
    return q;
}

QString scalar(db::Query& q, const QString& sql) {
    q.openSql(sql);
    const QString v = q.field(0);
    q.close();
    return v;
}

QStringList column(db::Query& q, const QString& sql) {
    q.openSql(sql);
    QStringList out;
    for (qint64 i = 0, n = q.recordCount(); i < n; ++i) {
        out << q.field(0);
        q.next();
    }
    q.close();
    return out;
}

const QStringList& eightTables() {
    // with the duplicate finder's two tables, which replicate like the others
    static const QStringList eight = {
        QStringLiteral("username_password"), QStringLiteral("username_rightid"), QStringLiteral("author_info"),
        QStringLiteral("main"), QStringLiteral("author_all"), QStringLiteral("kword_all"),
        QStringLiteral("address"), QStringLiteral("type_in"), QStringLiteral("paper_match"),
        QStringLiteral("paper_distinct")};
    return eight;
}

QStringList checksums(int n) {
    auto q = nodeQuery(n);
    QStringList out;
    for (const QString& t : eightTables()) {
        q->openSql(QStringLiteral("checksum table ") + t);
        out << t + QLatin1Char('=') + q->field(1);
        q->close();
    }
    return out;
}

void reset() {
    auto q = nodeQuery(1);
    for (const QString& t : eightTables()) q->execSql(QStringLiteral("delete from ") + t);
}

void killNode(int n) {
    QFile f(dir() + QStringLiteral("/node%1/mysqld.pid").arg(n));
    if (!f.open(QIODevice::ReadOnly)) return;
    const pid_t pid = pid_t(QString::fromLatin1(f.readAll()).trimmed().toInt());
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    for (int i = 0; i < 200 && QFile::exists(QStringLiteral("/proc/%1").arg(pid)); ++i) QThread::msleep(10);
}

bool tool(const QStringList& args, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral("bash"), QStringList{QStringLiteral(SOURCE_DIR "/tools/cluster.sh")} + args);
    return p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

std::unique_ptr<QProcess> startWorker(const QString& kind, const QString& dataSource, const QString& user,
                                      int count, const QString& out, int pauseMs) {
    QFile::remove(out);
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("CLUSTER_WORKER_KIND"), kind);
    e.insert(QStringLiteral("CLUSTER_WORKER_DSN"), dataSource);
    e.insert(QStringLiteral("CLUSTER_WORKER_USER"), user);
    e.insert(QStringLiteral("CLUSTER_WORKER_COUNT"), QString::number(count));
    e.insert(QStringLiteral("CLUSTER_WORKER_OUT"), out);
    e.insert(QStringLiteral("CLUSTER_WORKER_PAUSE_MS"), QString::number(pauseMs));
    p->setProcessEnvironment(e);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->start(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--gtest_filter=ClusterWorker.DISABLED_Run"),
              QStringLiteral("--gtest_also_run_disabled_tests")});
    p->waitForStarted();
    return p;
}

QStringList workerLines(const QString& out) {
    QFile f(out);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace cluster
