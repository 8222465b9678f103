// A profile file is written by the user, by hand or by another program. Read
// any bytes as one; whatever the reader accepts must survive being written
// back and read again with every reliability and period unchanged, bit for
// bit. The first byte picks the decimal separator, the rest is the file.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/Profile.h"
#include "engine/Catalogue.h"
#include "engine/EngineState.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"
#include "support/MemoryFileStore.h"

using namespace wendox;
using namespace wendox::testing;

namespace {

// Every component's two values, as bits, so that even the sign of a zero
// must come back.
std::vector<std::uint32_t> Values(const Catalogue& catalogue) {
    std::vector<std::uint32_t> values;
    catalogue.ForEach([&](int, int, const ComponentRecord& c) {
        values.push_back(std::bit_cast<std::uint32_t>(c.reliability));
        values.push_back(std::bit_cast<std::uint32_t>(c.periodHours));
    });
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static standin::ServerCore server;
    static FakeLinkOs os(server);  // no server window: the link stays closed
    static FakeDesktop desktop;
    static FakeView view;
    os.serverRunning = false;
    static const std::string path = "C:\\Profiles\\Fuzz.wdp";

    desktop.separator = (data[0] & 1) != 0 ? ',' : '.';
    desktop.messages.clear();
    MemoryFileStore files;
    files.files[path].assign(reinterpret_cast<const char*>(data + 1), size - 1);
    EngineState s(os, desktop, view);
    s.catalogue = BuildCatalogue();
    s.settings.lastProfile = path;

    ReadProfile(s, files);
    if (!desktop.messages.empty()) return 0;  // refused: nothing more to hold it to
    const std::vector<std::uint32_t> accepted = Values(s.catalogue);

    WriteProfile(s, files);
    s.catalogue = BuildCatalogue();
    ReadProfile(s, files);
    if (!desktop.messages.empty() || Values(s.catalogue) != accepted) std::abort();
    return 0;
}
