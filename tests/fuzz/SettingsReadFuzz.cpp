// The settings file may be edited by hand. Read any bytes as one; whatever
// the reader accepts must survive being saved and read again with the same
// record, but for a hot key that is not set (not above 0): the file has no
// line for it, so it comes back as 0 with no modifiers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/SettingsFile.h"
#include "fuzz/FileRoundTrip.h"
#include "support/FakeWatchdog.h"

using namespace wendox;
using namespace wendox::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FakeWatchdog watchdog;  // running already
    const std::string path = SettingsPath(fuzzDesktop.folder);
    fuzzDesktop.files.insert(path);
    auto read = [&](EngineState& s, FileStore& files) {
        return LoadSettings(path, files, s.settings, watchdog) == SettingsLoad::Read;
    };
    auto write = [&](EngineState& s, FileStore& files) { SaveSettings(path, files, s.settings, s.settingsFile); };
    auto expected = [](const EngineState& s) {
        Settings kept = s.settings;
        for (const auto& [key, mods] : kHotKeyFields)
            if (kept.*key <= 0) kept.*key = kept.*mods = 0;
        return kept;
    };
    auto got = [](const EngineState& s) { return s.settings; };
    CheckRoundTrip(path, {reinterpret_cast<const char*>(data), size}, read, write, expected, got);
    return 0;
}
