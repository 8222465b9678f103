#include "ui/model/SettingsDialogModel.h"

#include <algorithm>
#include <charconv>

#include "WendoxVersion.h"

namespace wendox::ui {
namespace {

bool IsStandardKey(std::int32_t code) { return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'); }

// The Hardcore Mode rules, tried in this order. A row applies when the
// setting (as the rows before left it), the box and the flight state are as
// it says.
struct HardcoreRule {
    bool settingBefore;
    bool box;
    bool airborne;
    bool settingAfter;
    bool restoreBox;
    const char* message;
};
constexpr HardcoreRule kHardcoreRules[] = {
    {false, true, true, false, true, kHardcoreCannotEnableMessage},
    {false, true, false, true, false, kHardcoreEnabledMessage},
    {true, false, true, true, true, kHardcoreCannotDisableMessage},
    {true, false, false, false, false, kHardcoreDisabledMessage},
};

}  // namespace

std::string VersionLabel(int major, int minor) {
    return "Wendox Version " + std::to_string(major) + "." + std::to_string(minor);
}

std::string VersionLabel() { return VersionLabel(kVersionMajor, kVersionMinor); }

const std::vector<std::string>& StandardKeyEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> made{kNoKeyEntry};
        for (char key = '0'; key <= '9'; ++key) made.emplace_back(1, key);
        for (char key = 'A'; key <= 'Z'; ++key) made.emplace_back(1, key);
        return made;
    }();
    return entries;
}

std::int32_t KeyCodeOfEntry(const std::string& entry) {
    if (entry.size() == 1 && IsStandardKey(static_cast<unsigned char>(entry[0])))
        return static_cast<unsigned char>(entry[0]);
    const std::string_view prefix = kOtherKeyPrefix;
    if (entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0) {
        std::int32_t code = 0;
        const char* first = entry.data() + prefix.size();
        const char* last = entry.data() + entry.size();
        const auto [end, error] = std::from_chars(first, last, code);
        if (error == std::errc{} && end == last) return code;
    }
    return 0;  // "None", no entry, or a text no list holds
}

std::string EntryForKeyCode(std::int32_t keyCode) {
    if (keyCode == 0) return kNoKeyEntry;
    if (IsStandardKey(keyCode)) return std::string(1, static_cast<char>(keyCode));
    return kOtherKeyPrefix + std::to_string(keyCode);
}

const std::vector<std::string>& MaxFailuresEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> made{"No limit"};
        for (std::int32_t limit = 1; limit <= kMaxFailuresHighest; ++limit) made.push_back(std::to_string(limit));
        return made;
    }();
    return entries;
}

std::vector<std::string> KeyListEntries(std::int32_t keyCode) {
    std::vector<std::string> entries = StandardKeyEntries();
    if (keyCode == 0 || IsStandardKey(keyCode)) return entries;
    // "None" stays first; the rest run by key code.
    const auto place = std::find_if(entries.begin() + 1, entries.end(),
                                    [keyCode](const std::string& entry) { return KeyCodeOfEntry(entry) > keyCode; });
    entries.insert(place, EntryForKeyCode(keyCode));
    return entries;
}

SettingsDialogModel SettingsDialogModel::Load(const Settings& settings) {
    SettingsDialogModel model;
    model.form.displayStatus = settings.displayUpdate;
    model.form.displayFailures = settings.displayFailures;
    model.form.playFailureSound = settings.playFailureSound;
    model.form.hardcoreMode = settings.hardcoreSetting;
    model.form.maxFailures = settings.maxFailures;
    for (int row = 0; row < kHotKeyRows; ++row) {
        const std::int32_t key = settings.*kHotKeyFields[row].key;
        const std::int32_t mods = settings.*kHotKeyFields[row].mods;
        model.keyLists[row] = KeyListEntries(key);
        model.form.hotKeys[row] = {EntryForKeyCode(key), mods == kModsCtrl || mods == kModsCtrlShift,
                                   mods == kModsShift || mods == kModsCtrlShift};
    }
    return model;
}

int SettingsDialogModel::SelectedIndex(int row) const {
    const std::vector<std::string>& list = keyLists.at(row);
    const auto found = std::find(list.begin(), list.end(), form.hotKeys.at(row).entry);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

SettingsOkOutcome StoreSettingsForm(const SettingsForm& form, bool airborne, Settings& settings) {
    for (int row = 0; row < kHotKeyRows; ++row) {
        const HotKeyRow& chosen = form.hotKeys[row];
        const std::int32_t key = KeyCodeOfEntry(chosen.entry);
        // With "None" (or nothing chosen) the boxes are not looked at.
        settings.*kHotKeyFields[row].key = key;
        settings.*kHotKeyFields[row].mods = key == 0 ? 0 : (chosen.ctrl ? kModsCtrl : 0) + (chosen.shift ? kModsShift : 0);
    }
    settings.displayFailures = form.displayFailures;
    settings.displayUpdate = form.displayStatus;
    settings.playFailureSound = form.playFailureSound;
    if (!(settings.hardcoreMode && airborne)) settings.maxFailures = form.maxFailures;

    SettingsOkOutcome outcome;
    for (const HardcoreRule& rule : kHardcoreRules) {
        if (settings.hardcoreSetting != rule.settingBefore || form.hardcoreMode != rule.box || airborne != rule.airborne)
            continue;
        settings.hardcoreSetting = rule.settingAfter;
        outcome.restoreHardcoreBox = rule.restoreBox;
        outcome.message = rule.message;
    }
    return outcome;
}

}  // namespace wendox::ui
