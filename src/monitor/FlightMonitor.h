// The heartbeat of the main program: start-up in its fixed order, and the
// tick that runs every second, keeps the link open, reads whether the
// aircraft flies, rolls for failures every tenth operational second, holds
// the failures in force and reports the status.
#pragma once

#include "engine/EngineState.h"

namespace wendox {

inline constexpr int kTicksPerRoll = 10;
inline constexpr char kStatusConnected[] = "Connected";
inline constexpr char kStatusNoConnection[] = "FSUIPC - No connection to Flight Simulator.";
inline constexpr char kStatusOperational[] = "Operational.";

class WatchdogStarter;

// Reads the settings (which may end the program: false), builds the
// catalogue and fills the window's lists, opens the last profile, connects,
// draws the schedules, starts the timer and runs the first tick at once.
bool StartUp(EngineState& s, WatchdogStarter& watchdog);

// One tick of the timer (tmrTimer_Timer).
void Tick(EngineState& s);

// Polls the hot keys and runs the action of each that fires, in their
// order: the status shown now, the last failure cleared, the engine
// switched off or on.
void RunHotKeys(EngineState& s);

void Connect(EngineState& s, bool silent);
void SetConnected(EngineState& s);
void SetDisconnected(EngineState& s);

// Suspends the failure engine, or lets it go on (not under the in-flight lock).
void ToggleDeactivated(EngineState& s);

}  // namespace wendox
