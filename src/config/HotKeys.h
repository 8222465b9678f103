// The three hot keys: polled once a tick, whichever window has the focus.
#pragma once

#include "engine/EngineState.h"

namespace wendox {

// Asks the keyboard for the in-flight status, clear-last-failure and
// activate/deactivate hot keys, in that order, and runs the action of each
// whose keys are held as set. No memory between ticks: a hot key held
// through several ticks acts at each of them. At most nine queries.
void PollHotKeys(EngineState& s);

}  // namespace wendox
