// The three hot keys: polled once a tick, whichever window has the focus.
#pragma once

#include "engine/EngineState.h"

namespace wendox {

// Modifier codes of a hot key (CTRL counts 1, SHIFT counts 2); any other
// value asks for neither.
inline constexpr std::int32_t kModsCtrl = 1;
inline constexpr std::int32_t kModsShift = 2;
inline constexpr std::int32_t kModsCtrlShift = 3;

// Asks the keyboard for the in-flight status, clear-last-failure and
// activate/deactivate hot keys, in that order, and runs the action of each
// whose keys are held as set. No memory between ticks: a hot key held
// through several ticks acts at each of them. At most nine queries.
void PollHotKeys(EngineState& s);

}  // namespace wendox
