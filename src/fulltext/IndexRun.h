#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <future>

#include "fulltext/IndexWriter.h"

namespace db {
class OdbcQuery;
}
namespace exchange {
struct PaperRecord;
}
namespace pdf {
class ReaderProcess;
}

namespace fulltext {

struct IndexLimits {
    int maxPages = 100;
    int maxChars = 500000;
    int batchFiles = 1000;         // files written as one segment
    int batchChars = 8 << 20;      // or this much text, whichever comes first
    int timeLimitMs = 20000;       // longest time one file may take to read
};

struct IndexSummary {
    int indexed = 0;     // files read and written
    int unchanged = 0;   // same size and time, or same content
    QStringList notFound;   // "paper key: path"
    QStringList failed;     // "path: why"
    bool cancelled = false;
    QString error;       // a database error that ended the run
};

// One run of the indexer over the catalogue or over some papers: works out
// which files are new or changed (size or time differ from the stored ones,
// and then the content hash), has the PDF reader process extract their text,
// and writes them batch by batch (one batch written while the next is read).
// Lives on one thread (the indexer's own in
// the program); everything it does happens in that thread's event loop.
class IndexRun : public QObject {
    Q_OBJECT
public:
    // No keys: every paper of the catalogue (and documents of papers no
    // longer there are dropped).
    IndexRun(const QString& connectionString, const QStringList& keys, const IndexLimits& limits,
             QObject* parent = nullptr);
    ~IndexRun() override;

    void setReaderProgram(const QString& program) { readerProgram_ = program; }
    // Starts the run (call on the run's thread).
    void start();
    // May be called from any thread: the run stops after the statement under way.
    void cancel();

signals:
    void progress(int done, int total);
    void finished(const fulltext::IndexSummary& summary);

private:
    struct Wanted {
        QString key, dir, filename, path, oldHash;
    };
    void plan();
    void lineRead(int index, const QByteArray& line);
    void fileFailed(int index, const exchange::PaperRecord& record);
    void readerDone(bool cancelled);
    void flush();
    void collectWrite();
    void end();
    bool stopped() const { return cancelled_.load(); }

    QString connectionString_;
    QStringList keys_;
    IndexLimits limits_;
    QString readerProgram_;
    db::OdbcQuery* query_ = nullptr;
    pdf::ReaderProcess* reader_ = nullptr;
    QVector<Wanted> wanted_;
    QVector<ExtractedFile> batch_;
    // The batch being written, on a thread and a connection of its own, while
    // the reader goes on with the next files: reading and storing overlap.
    std::future<int> writing_;
    qint64 batchChars_ = 0;
    IndexSummary summary_;
    std::atomic<bool> cancelled_{false};
    bool ended_ = false;
};

}  // namespace fulltext
