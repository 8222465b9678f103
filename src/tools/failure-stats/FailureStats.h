// Measures how often the engine fails components: runs its own catalogue,
// schedule, roll and random generator over a simulated clock (one roll every
// ten seconds), every component at once with the same reliability and
// period, clearing each failure as soon as it is counted so that the next
// period can fail again.
#pragma once

#include <cstdint>

namespace wendox {

struct FailureOutcome {
    std::uint64_t periods = 0;   // component periods that ended
    std::uint64_t failures = 0;  // of those, the ones in which the component failed
    std::int32_t bandWidth = 0;  // BandHigh - BandLow as the engine drew it
};

// Rolls until at least `wantedPeriods` component periods have ended. A
// failure counts once its period has ended, so an unfinished last period
// adds nothing.
FailureOutcome MeasureFailures(float reliability, float hours, std::uint64_t wantedPeriods);

struct FlightOutcome {
    std::uint64_t failures = 0;  // components failed in the flight
    int mostInForce = 0;         // the most failures in force at once
};

// A flight of `flightRolls` rolls under the pilot's limit of failures in
// force at once (0: none), each failure held for `heldRolls` rolls and then
// cleared, as a pilot who deals with it would.
FlightOutcome FlyWithLimit(float reliability, float hours, std::int32_t maxFailures, std::uint64_t flightRolls,
                           std::uint64_t heldRolls);

}  // namespace wendox
