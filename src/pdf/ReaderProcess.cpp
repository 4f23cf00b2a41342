#include "pdf/ReaderProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "pdf/PaperReading.h"
#include "shell/Places.h"
#include "pdf/RecordJson.h"

namespace pdf {

ReaderProcess::ReaderProcess(QObject* parent) : QObject(parent), program_(defaultProgram()) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ReaderProcess::timedOut);
}

ReaderProcess::~ReaderProcess() { stopProcess(); }

QString ReaderProcess::defaultProgram() {
    return shell::places::pdfReader(QCoreApplication::applicationDirPath());
}

void ReaderProcess::start(const QStringList& files) {
    cancel();
    files_ = files;
    next_ = 0;
    running_ = true;
    sendNext();
}

void ReaderProcess::cancel() {
    if (!running_) return;
    running_ = false;
    waiting_ = false;
    timer_.stop();
    stopProcess();
    emit finished(true);
}

void ReaderProcess::startProcess() {
    process_ = new QProcess(this);
    process_->setProgram(program_);
    process_->setArguments(arguments_);
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this, &ReaderProcess::readAnswers);
    connect(process_, &QProcess::finished, this, &ReaderProcess::processEnded);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) processEnded();
    });
    buffer_.clear();
    process_->start();
}

void ReaderProcess::stopProcess() {
    if (!process_) return;
    QProcess* p = process_;
    process_ = nullptr;
    p->disconnect(this);
    if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(2000);
    }
    p->deleteLater();
}

void ReaderProcess::sendNext() {
    if (!running_) return;
    while (next_ < files_.size()) {
        const QString& path = files_[next_];
        if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
            answerWithError(QStringLiteral("文件名含有换行符，无法读取"));
            if (!running_) return;
            continue;
        }
        waiting_ = true;
        if (!process_) {
            startProcess();
            // A reader that failed to start at once has answered every file.
            if (!process_ || !running_) return;
        }
        QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8();
        line.append('\n');
        timer_.start(timeLimit_);
        process_->write(line);
        return;
    }
    running_ = false;
    stopProcess();
    emit finished(false);
}

void ReaderProcess::readAnswers() {
    if (!process_) return;
    buffer_.append(process_->readAllStandardOutput());
    int end;
    while (waiting_ && (end = int(buffer_.indexOf('\n'))) >= 0) {
        const QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        timer_.stop();
        waiting_ = false;
        if (!arguments_.isEmpty()) {
            ++next_;
            emit lineRead(next_ - 1, line);
            sendNext();
            continue;
        }
        exchange::PaperRecord record = recordFromJsonLine(line);
        placeRecord(record, files_[next_]);
        ++next_;
        emit fileRead(next_ - 1, record);
        sendNext();
    }
}

void ReaderProcess::answerWithError(const QString& error) {
    exchange::PaperRecord r;
    placeRecord(r, files_[next_]);
    r.error = error;
    ++next_;
    emit fileRead(next_ - 1, r);
}

void ReaderProcess::fail(const QString& error) {
    timer_.stop();
    waiting_ = false;
    stopProcess();
    answerWithError(error);
    sendNext();
}

void ReaderProcess::timedOut() {
    if (!running_ || !waiting_) return;
    fail(QStringLiteral("读取超时（超过%1秒），已放弃此文件").arg(timeLimit_ / 1000.0, 0, 'g', 3));
}

void ReaderProcess::processEnded() {
    if (!running_ || !process_) return;
    // answers already written are still in the pipe
    readAnswers();
    if (!waiting_ || !process_) return;
    if (process_->error() == QProcess::FailedToStart) {
        // the reader cannot run at all: every file left gets the error
        timer_.stop();
        waiting_ = false;
        stopProcess();
        while (running_ && next_ < files_.size()) answerWithError(QStringLiteral("无法启动PDF读取程序"));
        if (running_) {
            running_ = false;
            emit finished(false);
        }
        return;
    }
    fail(QStringLiteral("读取此文件时PDF库崩溃"));
}

}  // namespace pdf
