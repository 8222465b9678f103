// The three hot keys: polled once a tick, whichever window has the focus.
#pragma once

#include <array>

#include "config/Keyboard.h"
#include "engine/Settings.h"

namespace wendox {

// Which hot keys fire, in their fixed order: in-flight status, clear last
// failure, activate/deactivate (the order of kHotKeyFields).
using FiringHotKeys = std::array<bool, 3>;

// Asks the keyboard for the three hot keys in their order and says which
// are held as set. No memory between ticks: a hot key held through several
// ticks fires at each of them. At most nine queries.
FiringHotKeys PollHotKeys(const Settings& settings, Keyboard& keyboard);

}  // namespace wendox
