// The user's preferences for this run: one record, read from the settings
// file at start-up and written back when the main window closes.
#pragma once

#include <cstdint>
#include <string>

namespace wendox {

struct Settings {
    std::string lastProfile{};  // full path of the profile last opened or saved
    std::int32_t statusHotKey = 0;
    std::int32_t statusHotKeyMods = 0;
    std::int32_t clearHotKey = 0;
    std::int32_t clearHotKeyMods = 0;
    std::int32_t activeHotKey = 0;
    std::int32_t activeHotKeyMods = 0;
    bool displayUpdate = false;     // send every change of the status to the simulator
    bool displayFailures = false;   // list the failures in the status
    bool playFailureSound = false;  // sound when the number of failures grew
    bool hardcoreSetting = false;   // Hardcore Mode chosen (what is saved)
    bool hardcoreMode = false;      // Hardcore Mode in force for this run

    bool operator==(const Settings&) const = default;
};

// What start-up learned of the settings file, kept for the save at exit.
struct SettingsFileState {
    Settings loaded;          // the record as LoadSettings left it
    bool unreadable = false;  // the file is there but could not be read to its end
};

}  // namespace wendox
