// What the options and settings dialogs show and decide, apart from their
// windows: the version label, the entries of the three key lists, what the
// settings form shows for the settings record when it opens, and what its
// OK button stores, with the Hardcore Mode rules and their messages.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Settings.h"

namespace wendox::ui {

inline constexpr char kHardcoreCannotEnableMessage[] = "Hardcore Mode cannot be enabled while airborne.";
inline constexpr char kHardcoreEnabledMessage[] = "You must restart Wendox for Hardcore Mode to be enabled.";
inline constexpr char kHardcoreCannotDisableMessage[] = "Hardcore Mode cannot be disabled while airborne.";
inline constexpr char kHardcoreDisabledMessage[] = "You must restart Wendox for Hardcore Mode to be disabled.";

inline constexpr char kNoKeyEntry[] = "None";
// A key code that none of the standard entries stands for (only a hand-edited
// settings file holds one) is shown as this prefix and the code in decimal.
inline constexpr char kOtherKeyPrefix[] = "Key ";

// lblVersion: "Wendox Version " major "." minor, both in plain decimal.
std::string VersionLabel(int major, int minor);
// The label for the version this program was built as.
std::string VersionLabel();

// The key list's 37 entries: "None", the digits "0" to "9", the letters "A" to "Z".
const std::vector<std::string>& StandardKeyEntries();

// The key code an entry stands for: the character code of a digit or a
// letter, the code written after kOtherKeyPrefix, 0 for "None", for no
// entry (empty) and for any text no key list holds.
std::int32_t KeyCodeOfEntry(const std::string& entry);

// The entry that shows a stored key code: "None" for 0, the digit or letter
// whose character code it is, or kOtherKeyPrefix and the code.
std::string EntryForKeyCode(std::int32_t keyCode);

// The entries of one key list as it opens for a stored key code: the 37, and
// for a code that none of them stands for one more entry showing it, placed
// among the others by key code (after "None"), so that OK keeps the code.
std::vector<std::string> KeyListEntries(std::int32_t keyCode);

// The failure limit's list: "No limit", then "1" to "9"; the entry at
// position n stands for the limit n (0: none).
const std::vector<std::string>& MaxFailuresEntries();

// The hot keys in the order of their rows: in-flight status, clear last
// failure, activate/deactivate.
enum HotKeyRowIndex { kStatusRow = 0, kClearRow = 1, kActiveRow = 2 };
inline constexpr int kHotKeyRows = static_cast<int>(kHotKeyFields.size());

struct HotKeyRow {
    std::string entry;  // the chosen entry of the key list; empty when none is chosen
    bool ctrl = false;
    bool shift = false;
    bool operator==(const HotKeyRow&) const = default;
};

// What the settings form holds: its boxes and the chosen key entries.
struct SettingsForm {
    bool displayStatus = false;     // chkDisplayStatus: DisplayUpdate
    bool displayFailures = false;   // chkDisplayFailures
    bool playFailureSound = false;  // chkPlayFailureSound
    bool hardcoreMode = false;      // chkHardcoreMode: the saved choice, HardcoreSetting
    std::array<HotKeyRow, kHotKeyRows> hotKeys{};
    std::int32_t maxFailures = 0;   // the failure limit chosen, its entry's position; 0: "No limit"
};

// The settings dialog as it opens.
struct SettingsDialogModel {
    SettingsForm form;
    std::array<std::vector<std::string>, kHotKeyRows> keyLists;  // each row's entries

    // The boxes checked where the record's switches are on (the Hardcore
    // Mode box from HardcoreSetting, not HardcoreMode); each key list with
    // the entry for its stored key code chosen, "CTRL" checked for the
    // modifier codes 1 and 3, "SHIFT" for 2 and 3; the failure limit's entry.
    static SettingsDialogModel Load(const Settings& settings);

    // The position of row's chosen entry in its list.
    int SelectedIndex(int row) const;
};

// What the window does once OK has stored the form.
struct SettingsOkOutcome {
    std::string message;             // to show before the dialog closes; empty: none
    bool restoreHardcoreBox = false;  // the Hardcore Mode box goes back to HardcoreSetting
};

// OK: stores the hot keys, switches and failure limit of `form` into
// `settings` and applies the Hardcore Mode rules for `airborne`. Under the
// in-flight lock (HardcoreMode and airborne) the failure limit stays as it
// was, silently: lifting it would escape failures. HardcoreMode is never
// changed.
SettingsOkOutcome StoreSettingsForm(const SettingsForm& form, bool airborne, Settings& settings);

}  // namespace wendox::ui
