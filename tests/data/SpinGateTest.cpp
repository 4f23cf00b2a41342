#include <gtest/gtest.h>

#include "db/SpinGate.h"

namespace {

constexpr std::int64_t kUs = 1000;

TEST(SpinGateTest, StaysOpenWhileTheSpinnerHasItsCoreAndClosesForAWhileWhenItShares) {
    db::SpinGate gate;
    EXPECT_TRUE(gate.open(0));
    gate.judge(300 * kUs, 290 * kUs, 1000 * kUs);  // ran nearly all the time: an idle core
    EXPECT_TRUE(gate.open(1000 * kUs));
    gate.judge(20 * kUs, 0, 1100 * kUs);  // too short to tell
    EXPECT_TRUE(gate.open(1100 * kUs));

    gate.judge(3000 * kUs, 300 * kUs, 5000 * kUs);  // another thread ran on its core
    EXPECT_FALSE(gate.open(5000 * kUs));
    EXPECT_FALSE(gate.open(5000 * kUs + db::SpinGate::kOffNs - 1));
    EXPECT_TRUE(gate.open(5000 * kUs + db::SpinGate::kOffNs));  // tried again
}

}  // namespace
