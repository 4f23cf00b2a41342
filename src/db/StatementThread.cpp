#include "db/StatementThread.h"

#include <chrono>
#include <cstdint>
#include <ctime>

#include "db/SpinGate.h"

namespace {

// How long a thread keeps looking before it sleeps on the condition.
constexpr auto kSpin = std::chrono::microseconds(300);

std::int64_t threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Shared by every statement thread and the threads waiting for them.
db::SpinGate& gate() {
    static db::SpinGate g;
    return g;
}

template <typename Ready>
bool spinFor(Ready ready) {
    const std::int64_t start = nowNs();
    if (!gate().open(start)) return ready();
    const std::int64_t cpuStart = threadCpuNs();
    const std::int64_t end = start + std::chrono::nanoseconds(kSpin).count();
    bool done = false;
    std::int64_t now = start;
    do {
        if (ready()) {
            done = true;
            break;
        }
        std::this_thread::yield();
        now = nowNs();
    } while (now < end);
    gate().judge(now - start, threadCpuNs() - cpuStart, now);
    return done || ready();
}

}  // namespace

namespace db {

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

}  // namespace db
