// The settings file and the profiles as the main program uses them: where
// they are, what the window shows once one was read or written, and what the
// pilot is told when that fails (with the exclamation icon).
#pragma once

#include "engine/EngineState.h"

namespace wendox {

class WatchdogStarter;

inline constexpr char kCouldNotWrite[] = "Could not write ";
inline constexpr char kCouldNotRead[] = "Could not read ";

// Reads the settings file beside the program into the settings. No file: the
// defaults, silently. A file that is there but cannot be read: a message, and
// the exit leaves it alone unless a setting changed. False when the program
// must end now (the watchdog starts it anew).
bool LoadSettingsFile(EngineState& s, WatchdogStarter& watchdog);

// Writes the settings file at exit; a message when that fails.
void SaveSettingsFile(EngineState& s);

// Reads the last profile into the components and derives the schedules and
// the list again either way. An error: a message, no last profile, and the
// caption above the list stays; else the caption names the file.
void OpenProfile(EngineState& s);

// Writes the last profile. On failure a message, and the caption stays.
void SaveProfile(EngineState& s);

}  // namespace wendox
