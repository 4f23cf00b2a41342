#include "db/SpinGate.h"

namespace db {

void SpinGate::judge(std::int64_t wallNs, std::int64_t cpuNs, std::int64_t nowNs) {
    if (wallNs < kJudgeAfterNs) return;
    if (double(cpuNs) < kFairShare * double(wallNs)) offUntil_.store(nowNs + kOffNs, std::memory_order_relaxed);
}

}  // namespace db
