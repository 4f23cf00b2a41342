#include "busy/StatementThread.h"

#include <chrono>

namespace busy {

StatementThread::~StatementThread() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void StatementThread::start(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        job_ = std::move(job);
        pending_ = true;
        finished_ = false;
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
    wake_.notify_all();
}

bool StatementThread::waitFor(int milliseconds) {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return finished_; });
}

void StatementThread::wait() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return finished_; });
}

bool StatementThread::finished() {
    std::lock_guard lock(mutex_);
    return finished_;
}

void StatementThread::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stop_; });
        if (pending_) {
            std::function<void()> job = std::move(job_);
            pending_ = false;
            lock.unlock();
            job();  // the job catches its own errors
            job = nullptr;
            lock.lock();
            finished_ = true;
            wake_.notify_all();
            continue;
        }
        if (stop_) return;
    }
}

}  // namespace busy
