// failure-stats: the proof that components fail as often as the pilot asks.
// For each reliability and period it prints the chance of failing in one
// period that the engine's band gives, and the share of periods in which
// components failed when the engine ran.
#include <chrono>
#include <cstdio>

#include "engine/NumberText.h"
#include "engine/Schedule.h"
#include "tools/failure-stats/FailureStats.h"

using namespace wendox;

namespace {

// Enough periods for a tight share, within the time the long periods cost.
std::uint64_t WantedPeriods(float hours) {
    if (hours >= 10) return 300000;
    if (hours >= 1) return 1000000;
    return 2000000;
}

}  // namespace

int main() {
    const auto start = std::chrono::steady_clock::now();
    for (float reliability : {0.0f, 50.0f, 90.0f, 99.0f, 99.5f, 99.9f}) {
        for (float hours : {0.0f, 0.1f, 1.0f, 10.0f}) {
            const FailureOutcome o = MeasureFailures(reliability, hours, WantedPeriods(hours));
            const double expected = static_cast<double>(o.bandWidth) / (kRollDrawMax + 1);
            const double measured = static_cast<double>(o.failures) / static_cast<double>(o.periods);
            std::printf("reliability=%s hours=%s periods=%llu expected=%.9f measured=%.9f\n",
                        SingleToText(reliability, '.').c_str(), SingleToText(hours, '.').c_str(),
                        static_cast<unsigned long long>(o.periods), expected, measured);
            std::fflush(stdout);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "failure-stats: %.1f s\n", seconds);
    return 0;
}
