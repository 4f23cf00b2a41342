#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include "exchange/PaperRecord.h"

namespace pdf {

// Reads PDF files one after another in the reader process, over a pipe, so
// that a file that crashes or hangs the PDF library costs only that file:
// the process is restarted and the file becomes a record with an error.
// Everything is signalled on the caller's thread; nothing blocks it.
class ReaderProcess : public QObject {
    Q_OBJECT
public:
    explicit ReaderProcess(QObject* parent = nullptr);
    ~ReaderProcess() override;

    // The reader program beside the program's own executable.
    static QString defaultProgram();
    void setProgram(const QString& program) { program_ = program; }
    // Longest time one file may take, in milliseconds.
    void setTimeLimit(int ms) { timeLimit_ = ms; }
    // Arguments of the reader program (a reading mode); each answer then comes
    // as lineRead with the line as the reader wrote it. Files that fail
    // outside the reader (time limit, crash) still come as fileRead with an error.
    void setArguments(const QStringList& arguments) { arguments_ = arguments; }

    // Starts reading the files; fileRead comes once for each, in order, then finished.
    void start(const QStringList& files);
    // Stops at once: the file being read and the rest get no record.
    void cancel();
    bool isRunning() const { return running_; }
    int total() const { return int(files_.size()); }
    int done() const { return next_; }

signals:
    void fileRead(int index, const exchange::PaperRecord& record);
    void lineRead(int index, const QByteArray& line);
    void finished(bool cancelled);

private:
    void sendNext();
    void readAnswers();
    void timedOut();
    void processEnded();
    void startProcess();
    void stopProcess();
    // The file at hand read as this error.
    void answerWithError(const QString& error);
    void fail(const QString& error);

    QString program_;
    QStringList arguments_;
    int timeLimit_ = 10000;
    QProcess* process_ = nullptr;
    QTimer timer_;
    QStringList files_;
    int next_ = 0;           // index of the file being read (or the next one)
    bool waiting_ = false;   // a path was sent and not answered yet
    bool running_ = false;
    QByteArray buffer_;
};

}  // namespace pdf
