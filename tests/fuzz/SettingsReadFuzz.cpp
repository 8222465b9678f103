// The settings file may be edited by hand. Read any bytes as one; whatever
// the reader accepts must survive being saved and read again with the same
// record, but for a hot key that is not set (not above 0): the file has no
// line for it, so it comes back as 0 with no modifiers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/SettingsFile.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"
#include "support/FakeWatchdog.h"
#include "support/MemoryFileStore.h"

using namespace wendox;
using namespace wendox::testing;

namespace {

void DropUnsetHotKey(std::int32_t& key, std::int32_t& mods) {
    if (key > 0) return;
    key = 0;
    mods = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static standin::ServerCore server;
    static FakeLinkOs os(server);
    static FakeDesktop desktop;
    static FakeView view;
    static FakeWatchdog watchdog;  // running already
    const std::string path = SettingsPath(desktop.folder);
    desktop.files.insert(path);
    desktop.messages.clear();

    MemoryFileStore files;
    files.files[path].assign(reinterpret_cast<const char*>(data), size);
    EngineState s(os, desktop, view);
    if (LoadSettings(s, files, watchdog) != StartOutcome::GoOn || !desktop.messages.empty()) return 0;
    Settings expected = s.settings;
    DropUnsetHotKey(expected.statusHotKey, expected.statusHotKeyMods);
    DropUnsetHotKey(expected.clearHotKey, expected.clearHotKeyMods);
    DropUnsetHotKey(expected.activeHotKey, expected.activeHotKeyMods);

    SaveSettings(s, files);
    s.settings = {};
    if (LoadSettings(s, files, watchdog) != StartOutcome::GoOn || !desktop.messages.empty() ||
        !(s.settings == expected))
        std::abort();
    return 0;
}
