// failure-stats: the proof that components fail as often as the pilot asks.
// For each reliability and period it prints the chance of failing in one
// period that the engine's band gives, and the share of periods in which
// components failed when the engine ran.
//
// failure-stats --max-failures N|none: instead, long flights at low
// reliabilities under that limit of failures in force at once, each failure
// held for half an hour, printing how many came and the most in force.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

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

constexpr std::uint64_t kFlightHours = 10000;
constexpr std::uint64_t kHeldRolls = kRollsPerHour / 2;

void FlyUnderLimit(std::int32_t maxFailures) {
    for (float reliability : {50.0f, 90.0f, 99.0f}) {
        const FlightOutcome o = FlyWithLimit(reliability, 1.0f, maxFailures, kFlightHours * kRollsPerHour, kHeldRolls);
        std::printf("reliability=%s hours=1 flight-hours=%llu held-minutes=30 max-failures=%s failures=%llu "
                    "most-in-force=%d\n",
                    SingleToText(reliability, '.').c_str(), static_cast<unsigned long long>(kFlightHours),
                    maxFailures == 0 ? "none" : std::to_string(maxFailures).c_str(),
                    static_cast<unsigned long long>(o.failures), o.mostInForce);
        std::fflush(stdout);
    }
}

// The limit named on the command line: 1 to 9, or 0 for "none"; -1 for anything else.
std::int32_t LimitArgument(const char* text) {
    if (std::strcmp(text, "none") == 0) return 0;
    if (std::strlen(text) == 1 && text[0] >= '1' && text[0] <= '9') return text[0] - '0';
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    if (argc > 1) {
        const bool named = argc == 3 && std::strcmp(argv[1], "--max-failures") == 0;
        const std::int32_t limit = named ? LimitArgument(argv[2]) : -1;
        if (limit < 0) {
            std::fprintf(stderr, "usage: failure-stats [--max-failures 1..9|none]\n");
            return 2;
        }
        FlyUnderLimit(limit);
        std::fprintf(stderr, "failure-stats: %.1f s\n",
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return 0;
    }
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
