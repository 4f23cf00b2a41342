#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace db {

// The thread on which a query object runs its statements: one job at a time,
// started from the window thread, which then waits for it (see StatementWatcher). The
// thread is made at the first job and ends with the object.
class StatementThread {
public:
    StatementThread() = default;
    ~StatementThread();
    StatementThread(const StatementThread&) = delete;
    StatementThread& operator=(const StatementThread&) = delete;

    // Starts a job; the one before must have finished.
    void start(std::function<void()> job);
    // Waits up to the given milliseconds; true when the job has finished.
    bool waitFor(int milliseconds);
    // Waits until the job has finished.
    void wait();
    bool finished();

private:
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::function<void()> job_;
    // Written under the lock (so that no wake-up is lost), also read without
    // it while spinning briefly: a statement on a near server ends within a
    // fraction of a millisecond, and waking a sleeping thread takes about as
    // long again.
    std::atomic<bool> pending_{false};
    std::atomic<bool> finished_{true};
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace db
