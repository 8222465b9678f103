// Each component's failing band and scheduled roll, and the failure roll.
//
// A component of reliability R and period H hours is tested once per period
// of H x 360 rolls, on a roll drawn at random within it, and fails when a
// draw from 0 to 100000 falls in its band of about (100 - R) x 1000 values:
// a chance of (BandHigh - BandLow) / 100001 per period.
#pragma once

#include <cstdint>

#include "engine/EngineState.h"

namespace wendox {

inline constexpr int kRollsPerHour = 360;
inline constexpr std::int32_t kRollDrawMax = 100000;

// Rolls in one period: the hours x 360, rounded halves to even.
std::int32_t RollsInPeriod(float periodHours);

// Draws every component's band and scheduled roll again; roll counts stay.
void ScheduleAllPeriods(EngineState& s);

// One roll over the whole catalogue. While as many failures are in force as
// the settings' limit allows, a component whose test comes fails nothing.
void FailureRoll(EngineState& s);

// Brings the components list up to date after a change; first draws the
// schedules again unless keepPeriods.
void RefreshComponents(EngineState& s, bool keepPeriods);

}  // namespace wendox
