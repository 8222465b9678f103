#include <cmath>

#include <gtest/gtest.h>

#include "tools/failure-stats/FailureStats.h"

namespace wendox {
namespace {

// The engine fails components as often as their bands say (a draw from 0 to
// 100000 falling in the band), within four standard deviations; the clock is
// simulated, so the run is repeatable.
TEST(FailureStatsTest, MeasuredShareMatchesTheBand) {
    struct Case {
        float reliability, hours;
        std::int32_t width;
    };
    for (const Case c : {Case{90, 0, 10000}, Case{99, 0.5f, 1000}, Case{0, 0, 100000}, Case{100, 0, 0}}) {
        const FailureOutcome o = MeasureFailures(c.reliability, c.hours, 200000);
        EXPECT_EQ(o.bandWidth, c.width) << c.reliability;
        const double p = c.width / 100001.0, n = static_cast<double>(o.periods);
        EXPECT_NEAR(static_cast<double>(o.failures) / n, p, 4 * std::sqrt(p * (1 - p) / n) + 1e-9) << c.reliability;
    }
}

}  // namespace
}  // namespace wendox
