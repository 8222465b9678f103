// A profile file is written by the user, by hand or by another program. Read
// any bytes as one; whatever the reader accepts must survive being written
// back and read again with every reliability and period unchanged, bit for
// bit. The first byte picks the decimal separator, the rest is the file.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/Profile.h"
#include "engine/Catalogue.h"
#include "fuzz/FileRoundTrip.h"

using namespace wendox;
using namespace wendox::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::string path = "C:\\Profiles\\Fuzz.wdp";
    fuzzDesktop.separator = (data[0] & 1) != 0 ? ',' : '.';
    auto read = [](EngineState& s, FileStore& files) {
        s.catalogue = BuildCatalogue();
        return ReadProfile(path, files, s.catalogue, fuzzDesktop.separator);
    };
    auto write = [](EngineState& s, FileStore& files) { WriteProfile(path, files, s.catalogue, fuzzDesktop.separator); };
    // Every component's two values, as bits, so that even the sign of a zero
    // must come back.
    auto values = [](const EngineState& s) {
        std::vector<std::uint32_t> values;
        s.catalogue.ForEach([&](int, int, const ComponentRecord& c) {
            values.push_back(std::bit_cast<std::uint32_t>(c.reliability));
            values.push_back(std::bit_cast<std::uint32_t>(c.periodHours));
        });
        return values;
    };
    CheckRoundTrip(path, {reinterpret_cast<const char*>(data + 1), size - 1}, read, write, values, values);
    return 0;
}
