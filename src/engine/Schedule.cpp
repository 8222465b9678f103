#include "engine/Schedule.h"

#include <cmath>

#include "engine/Failures.h"
#include "engine/NumberText.h"

namespace wendox {

namespace {

void StartNewPeriod(EngineState& s, ComponentRecord& c) {
    c.scheduledRoll = RandomNumber(s, RollsInPeriod(c.periodHours), 1);
    c.rollCount = 0;
}

// Gear and flaps can only fail while fully retracted; while they are out
// their period starts again every roll.
bool HeldOut(const EngineState& s, const ComponentRecord& c) {
    return (c.variable.offset == simvar::GearControl.offset && s.gearControl > 0) ||
           (c.variable.offset == simvar::FlapsControl.offset && s.flapsControl > 0);
}

// The pilot's limit of failures in force at once is reached: a roll fails
// nothing more.
bool AtFailureLimit(const EngineState& s) {
    return s.settings.maxFailures > 0 && s.failed.count >= s.settings.maxFailures;
}

}  // namespace

std::int32_t RollsInPeriod(float periodHours) {
    const float rolls = periodHours * static_cast<float>(kRollsPerHour);
    return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(rolls)));
}

void ScheduleAllPeriods(EngineState& s) {
    s.catalogue.ForEach([&](int, int, ComponentRecord& c) {
        const auto half =
            static_cast<float>((100.0 - static_cast<double>(c.reliability)) / 100.0 * kRollDrawMax / 2.0);
        auto low = static_cast<std::int32_t>(std::floor(50000.5 - static_cast<double>(half)));
        auto high = static_cast<std::int32_t>(std::floor(static_cast<double>(half) + 50000.5));
        // Move the band, keeping its width, to a random place within 0 to 100000.
        if (RandomNumber(s, 2, 1) == 1) {
            const std::int32_t shift = RandomNumber(s, low, 0);
            low -= shift;
            high -= shift;
        } else {
            const std::int32_t shift = RandomNumber(s, kRollDrawMax - high, 0);
            low += shift;
            high += shift;
        }
        c.bandLow = low;
        c.bandHigh = high;
        c.scheduledRoll = RandomNumber(s, RollsInPeriod(c.periodHours), 1);
    });
}

void FailureRoll(EngineState& s) {
    s.catalogue.ForEach([&](int system, int component, ComponentRecord& c) {
        if (!(c.reliability < 100.0f)) return;
        if (HeldOut(s, c)) {
            StartNewPeriod(s, c);
            return;
        }
        if (c.engine > s.engineCount) return;

        ++c.rollCount;
        if (c.rollCount == c.scheduledRoll) {
            const std::int32_t r = RandomNumber(s, kRollDrawMax, 0);
            // At the limit the test is spent all the same, as for a draw outside the band.
            if (c.bandLow <= r && r < c.bandHigh && !c.failed && !AtFailureLimit(s)) AddFailure(s, system, component);
        }
        if (static_cast<double>(c.rollCount) / kRollsPerHour >= static_cast<double>(c.periodHours))
            StartNewPeriod(s, c);
    });
}

void RefreshComponents(EngineState& s, bool keepPeriods) {
    if (!keepPeriods) ScheduleAllPeriods(s);
    s.view->RefillComponents();
}

}  // namespace wendox
