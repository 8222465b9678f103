// The move that ends every escape from Hardcore Mode: the aircraft is put at
// latitude 0, longitude 0, altitude 0 through the simulator's slew mode.
// Both programs make it through their own link.
#pragma once

#include "link/Link.h"

namespace wendox {

inline constexpr std::uint32_t kSlewPauseMs = 1000;

// Three exchanges: slew mode on; the six 4-byte halves of latitude,
// longitude and altitude written 0; slew mode off. A write or exchange that
// fails does not stop the next one, unless the simulator left an exchange
// unanswered through all of the link's retries: the move stops there and
// the result is false.
bool SlewToOrigin(LinkState& link);

// SlewToOrigin three times, 1000 ms apart. A simulator that let a whole
// exchange go unanswered is not waited for again: the remaining moves are
// given up, so that a closing waits out the link's retries once, not nine
// times.
void SlewToOriginThreeTimes(LinkState& link);

}  // namespace wendox
