// The stand-in simulator's server window: a top-level window that answers
// the link message the way the simulator's does, shows the flight, and has
// buttons to fly it.
#pragma once

#include <windows.h>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

// Registers the window classes (once per process) and creates the window,
// not yet shown, with no owner. Its class is "UIPCMAIN", or "FS98MAIN" when
// the core's misbehaviour asks for the fallback class only at this moment.
// The window uses `core` without owning it, so the core must outlive it. It
// serves the link on the thread that created it, refreshes itself every
// 250 ms, and posts WM_QUIT to that thread when it is destroyed.
// Returns nullptr on failure.
HWND CreateStandinWindow(ServerCore& core);

}  // namespace wendox::standin
