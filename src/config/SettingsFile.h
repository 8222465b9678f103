// The settings file "Wendox.ini" in the program folder: one "KEY=value" line
// per setting, each ended by CR LF, read once at start-up and written once
// when the main window closes. Hot keys and the failure limit are stored
// only when set, switches only when on (as "YES").
#pragma once

#include <string>

#include "config/FileStore.h"
#include "engine/Settings.h"

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

// How reading the settings file ended: every line taken (or no file at all),
// the file fell short (it could not be opened or read to its end), or the
// watchdog asked this program to end.
enum class SettingsLoad { Read, FellShort, EndProgram };

// The whole file for `settings`, lines in the fixed key order.
std::string SettingsText(const Settings& settings);

// Reads the file at `path` into `settings`; the lines read before a fault
// stay in force. "HARDCOREMODE=YES" puts Hardcore Mode in force and starts
// the watchdog before the next line is read; when the watchdog says so,
// reading stops and the result is EndProgram.
SettingsLoad LoadSettings(const std::string& path, FileStore& files, Settings& settings, WatchdogStarter& watchdog);

// Writes `settings` to `path`, replacing the old file only when every byte
// of the new one is written; false when that failed (the old file stays). A
// file that could not be read at start-up is left alone unless a setting
// changed since, so that what it holds is not lost unasked.
bool SaveSettings(const std::string& path, FileStore& files, const Settings& settings,
                  const SettingsFileState& file);

}  // namespace wendox
