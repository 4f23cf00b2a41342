#include "fulltext/IndexService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include "pdf/ReaderProcess.h"

namespace fulltext {

IndexService& IndexService::instance() {
    static QPointer<IndexService> service;
    if (!service) service = new IndexService(QCoreApplication::instance());
    return *service;
}

IndexService::IndexService(QObject* parent) : QObject(parent), readerProgram_(pdf::ReaderProcess::defaultProgram()) {}

IndexService::~IndexService() {
    queue_.clear();
    if (IndexRun* run = run_) {
        run_ = nullptr;
        run->cancel();
        // the run goes on its own thread (its reader process with it)
        QMetaObject::invokeMethod(run, [run] { delete run; }, Qt::BlockingQueuedConnection);
    }
    if (thread_) {
        thread_->quit();
        thread_->wait();
    }
}

void IndexService::request(const QString& connectionString, const QStringList& keys) {
    for (Request& r : queue_) {
        if (r.connectionString != connectionString) continue;
        if (r.keys.isEmpty()) return;  // the whole catalogue is coming anyway
        if (keys.isEmpty()) r.keys.clear();
        else r.keys += keys;
        return;
    }
    queue_.append({connectionString, keys});
    if (!run_) startNext();
}

void IndexService::cancel() {
    queue_.clear();
    if (run_) run_->cancel();
}

void IndexService::startNext() {
    if (run_ || queue_.isEmpty()) return;
    const Request r = queue_.takeFirst();
    if (!thread_) {
        thread_ = new QThread(this);
        thread_->setObjectName(QStringLiteral("fulltext-indexer"));
        thread_->start();
    }
    run_ = new IndexRun(r.connectionString, r.keys, limits_);
    run_->setReaderProgram(readerProgram_);
    run_->moveToThread(thread_);
    connect(run_, &IndexRun::progress, this, &IndexService::progress);
    connect(run_, &IndexRun::finished, this, &IndexService::runEnded);
    emit started(r.keys.isEmpty());
    QMetaObject::invokeMethod(run_, &IndexRun::start, Qt::QueuedConnection);
}

void IndexService::runEnded(const IndexSummary& summary) {
    IndexRun* run = run_;
    run_ = nullptr;
    if (run) run->deleteLater();
    emit finished(summary);
    startNext();
}

void IndexService::waitUntilIdle(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while ((run_ || !queue_.isEmpty()) && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace fulltext
