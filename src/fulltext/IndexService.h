#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include "fulltext/IndexRun.h"

class QThread;

namespace fulltext {

// The program's indexer: runs the index runs asked for one after another on
// a thread of its own, so that no window waits for them. Asked for by the
// full-text window ("建立全文索引": the whole catalogue) and after papers
// are entered, imported or given another file (those papers only).
class IndexService : public QObject {
    Q_OBJECT
public:
    static IndexService& instance();
    ~IndexService() override;

    // Queues a run; no keys: the whole catalogue. Runs for papers on the same
    // connection waiting together are joined into one.
    void request(const QString& connectionString, const QStringList& keys = {});
    // Stops the run under way and drops the waiting ones.
    void cancel();
    bool isRunning() const { return run_ != nullptr; }

    void setLimits(const IndexLimits& limits) { limits_ = limits; }
    const IndexLimits& limits() const { return limits_; }
    void setReaderProgram(const QString& program) { readerProgram_ = program; }
    // Blocks until every queued run has ended (tests, the program's end).
    void waitUntilIdle(int timeoutMs = 60000);

signals:
    void started(bool wholeCatalogue);
    void progress(int done, int total);
    void finished(const fulltext::IndexSummary& summary);

private:
    explicit IndexService(QObject* parent);
    void startNext();
    void runEnded(const fulltext::IndexSummary& summary);

    struct Request {
        QString connectionString;
        QStringList keys;
    };
    QVector<Request> queue_;
    IndexLimits limits_;
    QString readerProgram_;
    QThread* thread_ = nullptr;
    IndexRun* run_ = nullptr;
};

}  // namespace fulltext
