// The settings file "Wendox.ini" in the program folder: one "KEY=value" line
// per setting, each ended by CR LF, read once at start-up and written once
// when the main window closes. Hot keys and the failure limit are stored
// only when set, switches only when on (as "YES").
#pragma once

#include <string>

#include "config/FileStore.h"
#include "engine/Settings.h"
#include "engine/EngineState.h"

namespace wendox {

inline constexpr char kSettingsFileName[] = "\\Wendox.ini";

// The full path of the settings file in `programFolder` (given without a
// trailing backslash).
std::string SettingsPath(const std::string& programFolder);

// Puts Hardcore Mode's watchdog in place when the settings ask for the mode.
class WatchdogStarter {
public:
    virtual ~WatchdogStarter() = default;
    // True when this program must end now: the watchdog was not running, was
    // asked to start, and will start the program anew.
    virtual bool StartWatchdog() = 0;
};

enum class StartOutcome { GoOn, EndProgram };

// The whole file for `settings`, lines in the fixed key order.
std::string SettingsText(const Settings& settings);

// Reads the settings file into `s.settings`. No file: the record keeps its
// defaults, silently. A file that is there but cannot be read: a message,
// the lines read before the fault stay in force, and `s.settingsFile`
// remembers it so that the exit does not overwrite it (start-up keeps the
// record it finished with beside it). "HARDCOREMODE=YES" puts Hardcore Mode
// in force and starts the watchdog before the next line is read; when the
// watchdog says so, reading stops and the result is EndProgram.
StartOutcome LoadSettings(EngineState& s, FileStore& files, WatchdogStarter& watchdog);

// Writes the settings file, replacing the old one only when every byte of
// the new one is written; on failure a message and the old file stays. A
// file that could not be read at start-up is left alone unless the pilot
// changed a setting after start-up, so that what it holds is not lost
// unasked.
void SaveSettings(EngineState& s, FileStore& files);

}  // namespace wendox
