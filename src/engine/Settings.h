// The user's preferences for this run: one record, read from the settings
// file at start-up and written back when the main window closes.
#pragma once

#include <array>
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
    std::int32_t maxFailures = 0;   // most failures in force at once, 1 to 9; 0: no limit
    bool hardcoreSetting = false;   // Hardcore Mode chosen (what is saved)
    bool hardcoreMode = false;      // Hardcore Mode in force for this run

    bool operator==(const Settings&) const = default;
};

// The highest limit of failures in force at once that can be set.
inline constexpr std::int32_t kMaxFailuresHighest = 9;

// Modifier codes of a hot key: CTRL counts 1, SHIFT counts 2; any other
// value asks for neither.
inline constexpr std::int32_t kModsCtrl = 1;
inline constexpr std::int32_t kModsShift = 2;
inline constexpr std::int32_t kModsCtrlShift = 3;

// The fields of one hot key.
struct HotKeyFields {
    std::int32_t Settings::*key;
    std::int32_t Settings::*mods;
};

// The three hot keys in their fixed order: in-flight status, clear last
// failure, activate/deactivate.
inline constexpr std::array<HotKeyFields, 3> kHotKeyFields{{
    {&Settings::statusHotKey, &Settings::statusHotKeyMods},
    {&Settings::clearHotKey, &Settings::clearHotKeyMods},
    {&Settings::activeHotKey, &Settings::activeHotKeyMods},
}};

// What start-up learned of the settings file, kept for the save at exit.
struct SettingsFileState {
    Settings loaded;          // the record as start-up left it
    bool unreadable = false;  // the file is there but could not be read to its end
};

}  // namespace wendox
