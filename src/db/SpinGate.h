#pragma once

#include <atomic>
#include <cstdint>

namespace db {

// Says whether a thread waiting for a hand-off should spin before it sleeps.
// Spinning pays only while a core is otherwise idle: with every core taken
// (another busy program), the spinner holds back the very thread or server it
// waits for. A spin in which the spinner got markedly less processor time
// than the time that passed shared its core; spinning then stays off for a
// while and is tried again after it.
class SpinGate {
public:
    // Spins shorter than this say too little to judge by.
    static constexpr std::int64_t kJudgeAfterNs = 50'000;
    // A spinner that ran less than this share of the time shared its core.
    static constexpr double kFairShare = 0.75;
    // How long spinning stays off after a shared spin.
    static constexpr std::int64_t kOffNs = 250'000'000;

    bool open(std::int64_t nowNs) const { return nowNs >= offUntil_.load(std::memory_order_relaxed); }
    // A spin that took `wallNs`, of which the spinner ran `cpuNs`, ended at `nowNs`.
    void judge(std::int64_t wallNs, std::int64_t cpuNs, std::int64_t nowNs);

private:
    std::atomic<std::int64_t> offUntil_{0};
};

}  // namespace db
