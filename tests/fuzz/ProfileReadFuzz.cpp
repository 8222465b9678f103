// A profile file is written by the user, by hand or by another program. Read
// any bytes as one; whatever the reader accepts must survive being written
// back and read again with every reliability and period unchanged, bit for
// bit. The first byte picks the decimal separator, the rest is the file.
#include <bit>
#include <vector>

#include "config/Profile.h"
#include "engine/Catalogue.h"
#include "fuzz/FileRoundTrip.h"

using namespace wendox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::string path = "C:\\Profiles\\Fuzz.wdp";
    const char separator = (data[0] & 1) != 0 ? ',' : '.';
    auto read = [&](Catalogue& catalogue, FileStore& files) {
        catalogue = BuildCatalogue();
        return ReadProfile(path, files, catalogue, separator);
    };
    auto write = [&](const Catalogue& catalogue, FileStore& files) { WriteProfile(path, files, catalogue, separator); };
    // Every component's two values, as bits, so that even the sign of a zero
    // must come back.
    auto values = [](const Catalogue& catalogue) {
        std::vector<std::uint32_t> values;
        catalogue.ForEach([&](int, int, const ComponentRecord& c) {
            values.push_back(std::bit_cast<std::uint32_t>(c.reliability));
            values.push_back(std::bit_cast<std::uint32_t>(c.periodHours));
        });
        return values;
    };
    testing::CheckRoundTrip<Catalogue>(path, data + 1, size - 1, read, write, values, values);
    return 0;
}
