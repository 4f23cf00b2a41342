#include "busy/StatementThread.h"

#include <chrono>

namespace {

// How long a thread keeps looking before it sleeps on the condition.
constexpr auto kSpin = std::chrono::microseconds(300);

template <typename Ready>
bool spinFor(Ready ready) {
    const auto end = std::chrono::steady_clock::now() + kSpin;
    do {
        if (ready()) return true;
        std::this_thread::yield();
    } while (std::chrono::steady_clock::now() < end);
    return ready();
}

}  // namespace

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
        finished_ = false;
        pending_ = true;
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
    wake_.notify_all();
}

bool StatementThread::waitFor(int milliseconds) {
    if (spinFor([this] { return finished_.load(); })) return true;
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return finished_.load(); });
}

void StatementThread::wait() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return finished_.load(); });
}

bool StatementThread::finished() { return finished_; }

void StatementThread::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!pending_ && !stop_) {
            // The next statement of a handler usually follows at once.
            lock.unlock();
            spinFor([this] { return pending_.load(); });
            lock.lock();
        }
        wake_.wait(lock, [this] { return pending_.load() || stop_; });
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
