#include <cmath>

#include <gtest/gtest.h>

#include "tools/failure-stats/FailureStats.h"

namespace wendox {
namespace {

// The engine fails components as often as their bands say, within four
// standard deviations (the clock is simulated, so the run is repeatable).
TEST(FailureStatsTest, MeasuredShareMatchesTheBand) {
    struct Case {
        float reliability, hours;
        std::int32_t width;
    };
    for (Case c : {Case{90, 0, 10000}, Case{99, 0.5f, 1000}, Case{0, 0, 100000}}) {
        SCOPED_TRACE(c.reliability);
        const FailureOutcome o = MeasureFailures(c.reliability, c.hours, 200000);
        EXPECT_EQ(o.bandWidth, c.width);
        const double p = c.width / 100001.0;
        const double measured = static_cast<double>(o.failures) / static_cast<double>(o.periods);
        EXPECT_NEAR(measured, p, 4 * std::sqrt(p * (1 - p) / static_cast<double>(o.periods)) + 1e-6);
    }
    EXPECT_EQ(MeasureFailures(100, 1, 1000).failures, 0u);
}

}  // namespace
}  // namespace wendox
