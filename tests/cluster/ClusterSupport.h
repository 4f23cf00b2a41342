#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

#include "db/OdbcQuery.h"

// The three-node cluster of this test run (tools/cluster.sh, started by CTest
// before the first cluster test): data sources, nodes, and worker processes
// that play the users at other desks.
namespace cluster {

// The cluster's folder and one value of its env file.
QString dir();
QString env(const QString& key);
// Points unixODBC at the cluster's data sources (call before connecting).
void useClusterDataSources();

// The paper account through HAProxy ("papercluster") or straight to node n.
QString throughProxy();
QString onNode(int n);

// A query object of its own on node n for preparing and checking.
std::unique_ptr<db::OdbcQuery> nodeQuery(int n);
QString scalar(db::Query& q, const QString& sql);
QStringList column(db::Query& q, const QString& sql);
// CHECKSUM TABLE of each of the eight tables on node n, as "table=sum".
QStringList checksums(int n);
// Empties the eight tables (through node 1; the others follow).
void reset();

// Runs tools/cluster.sh with these arguments; false when it failed.
bool tool(const QStringList& args, int timeoutMs = 180000);

// A copy of this test program running one worker (a DISABLED_ test of
// ClusterWorker) with the given settings; it writes one line per click to
// `out`: "<n>\t<message lines joined by |>".
std::unique_ptr<QProcess> startWorker(const QString& kind, const QString& dataSource, const QString& user,
                                      int count, const QString& out);
// The lines a worker wrote so far.
QStringList workerLines(const QString& out);

}  // namespace cluster
