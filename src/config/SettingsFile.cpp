#include "config/SettingsFile.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace wendox {

namespace {

constexpr std::string_view kOn = "YES";
constexpr std::string_view kLineEnd = "\r\n";

// One key of the file, in the order the file is written. A row names
// exactly one of text, number or flag.
struct KeyRow {
    std::string_view key;  // "=" included
    std::string Settings::*text = nullptr;
    std::int32_t Settings::*number = nullptr;
    std::int32_t Settings::*writtenWhenSet = nullptr;  // a number is written only while this field is above 0
    std::int32_t most = 0;  // above 0: a number outside 1 to this, or not whole, leaves the field at 0
    bool Settings::*flag = nullptr;
    bool startsHardcore = false;  // turning it on puts Hardcore Mode in force and starts the watchdog
};

constexpr KeyRow kKeys[] = {
    {.key = "LASTPROFILE=", .text = &Settings::lastProfile},
    {.key = "STATUS_HK=", .number = &Settings::statusHotKey, .writtenWhenSet = &Settings::statusHotKey},
    {.key = "STATUS_HKCS=", .number = &Settings::statusHotKeyMods, .writtenWhenSet = &Settings::statusHotKey},
    {.key = "CLEAR_HK=", .number = &Settings::clearHotKey, .writtenWhenSet = &Settings::clearHotKey},
    {.key = "CLEAR_HKCS=", .number = &Settings::clearHotKeyMods, .writtenWhenSet = &Settings::clearHotKey},
    {.key = "ACTIVE_HK=", .number = &Settings::activeHotKey, .writtenWhenSet = &Settings::activeHotKey},
    {.key = "ACTIVE_HKCS=", .number = &Settings::activeHotKeyMods, .writtenWhenSet = &Settings::activeHotKey},
    {.key = "DISPLAYUPDATE=", .flag = &Settings::displayUpdate},
    {.key = "DISPLAYFAILURES=", .flag = &Settings::displayFailures},
    {.key = "PLAYFAILURESOUND=", .flag = &Settings::playFailureSound},
    {.key = "MAXFAILURES=", .number = &Settings::maxFailures, .writtenWhenSet = &Settings::maxFailures,
     .most = kMaxFailuresHighest},
    {.key = "HARDCOREMODE=", .flag = &Settings::hardcoreSetting, .startsHardcore = true},
};

const KeyRow* FindKey(std::string_view key) {
    for (const KeyRow& row : kKeys)
        if (row.key == key) return &row;
    return nullptr;
}

// A whole number as the file holds it: an optional "-" and decimal digits,
// nothing else, within the 32-bit signed range.
bool ReadWhole(std::string_view text, std::int32_t& value) {
    std::int32_t read = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, read);
    if (error != std::errc{} || stop != end) return false;
    value = read;
    return true;
}

}  // namespace

std::string SettingsPath(const std::string& programFolder) { return programFolder + kSettingsFileName; }

std::string SettingsText(const Settings& settings) {
    std::string text;
    for (const KeyRow& row : kKeys) {
        if (row.text != nullptr) {
            text.append(row.key).append(settings.*row.text);
        } else if (row.number != nullptr) {
            if (settings.*row.writtenWhenSet <= 0) continue;
            text.append(row.key).append(std::to_string(settings.*row.number));
        } else {
            if (!(settings.*row.flag)) continue;
            text.append(row.key).append(kOn);
        }
        text.append(kLineEnd);
    }
    return text;
}

SettingsLoad LoadSettings(const std::string& path, FileStore& files, Settings& settings, WatchdogStarter& watchdog) {
    const ReadOutcome outcome = files.ReadLines(path, [&](std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return true;
        const KeyRow* row = FindKey(line.substr(0, equals + 1));
        if (row == nullptr) return true;
        const std::string_view value = line.substr(equals + 1);

        if (row->text != nullptr) {
            settings.*row->text = value;
        } else if (row->number != nullptr && row->most > 0) {
            std::int32_t read = 0;
            settings.*row->number = ReadWhole(value, read) && read >= 1 && read <= row->most ? read : 0;
        } else if (row->number != nullptr) {
            ReadWhole(value, settings.*row->number);  // anything else leaves the field as it was
        } else if (value == kOn) {
            settings.*row->flag = true;
            if (row->startsHardcore) {
                settings.hardcoreMode = true;
                if (watchdog.StartWatchdog()) return false;
            }
        }
        return true;
    });
    if (outcome == ReadOutcome::Stopped) return SettingsLoad::EndProgram;
    return outcome == ReadOutcome::Done ? SettingsLoad::Read : SettingsLoad::FellShort;
}

bool SaveSettings(const std::string& path, FileStore& files, const Settings& settings,
                  const SettingsFileState& file) {
    if (file.unreadable && settings == file.loaded) return true;
    return files.WriteReplacing(path, SettingsText(settings));
}

}  // namespace wendox
