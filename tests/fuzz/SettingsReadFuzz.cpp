// The settings file may be edited by hand. Read any bytes as one; whatever
// the reader accepts must survive being saved and read again with the same
// record, but for a hot key that is not set (not above 0): the file has no
// line for it, so it comes back as 0 with no modifiers.
#include <functional>

#include "config/SettingsFile.h"
#include "fuzz/FileRoundTrip.h"
#include "support/FakeWatchdog.h"

using namespace wendox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static testing::FakeWatchdog watchdog;  // running already
    static const std::string path = SettingsPath("C:\\Wendox");
    auto read = [](Settings& settings, FileStore& files) {
        return LoadSettings(path, files, settings, watchdog) == SettingsLoad::Read;
    };
    auto write = [](const Settings& settings, FileStore& files) { SaveSettings(path, files, settings, {}); };
    auto expected = [](Settings kept) {
        for (const auto& [key, mods] : kHotKeyFields)
            if (kept.*key <= 0) kept.*key = kept.*mods = 0;
        return kept;
    };
    testing::CheckRoundTrip<Settings>(path, data, size, read, write, expected, std::identity{});
    return 0;
}
