// Times 1000 exchanges of a tick's five reads with standin.exe running as a
// process of its own, and prints the median and the 99th percentile in µs.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "link/Link.h"
#include "link/SimVariables.h"
#include "platform/win32/Win32LinkOs.h"
#include "support/win32/Programs.h"

using namespace wendox;

int main() {
    constexpr int kExchanges = 1000;
    testing::RunningProgram standin("standin.exe", {});
    if (!standin.Started() || !testing::WaitUntil([] { return FindWindowExA(nullptr, nullptr, kServerClass, nullptr) != nullptr; }, 20000)) {
        std::fprintf(stderr, "standin.exe did not start\n");
        return 1;
    }

    Win32LinkOs os;
    auto link = std::make_unique<LinkState>(os);
    LinkResult result;
    if (!LinkOpen(*link, 0, result)) {
        std::fprintf(stderr, "open failed: %d\n", Code(result));
        return 1;
    }

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    micros.reserve(kExchanges);
    std::uint16_t engines = 0, paused = 0, onGround = 0;
    std::int32_t gear = 0, flaps = 0;
    for (int i = 0; i < kExchanges; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        LinkRead(*link, simvar::EngineCount.offset, 2, &engines, result);
        LinkRead(*link, simvar::Paused.offset, 2, &paused, result);
        LinkRead(*link, simvar::OnGround.offset, 2, &onGround, result);
        LinkRead(*link, simvar::GearControl.offset, 4, &gear, result);
        LinkRead(*link, simvar::FlapsControl.offset, 4, &flaps, result);
        if (!LinkProcess(*link, result)) {
            std::fprintf(stderr, "exchange %d failed: %d\n", i, Code(result));
            return 1;
        }
        QueryPerformanceCounter(&end);
        micros.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                         static_cast<double>(frequency.QuadPart));
    }
    LinkClose(*link);

    std::sort(micros.begin(), micros.end());
    std::printf("exchanges=%d median_us=%.1f p99_us=%.1f max_us=%.1f engines=%u\n", kExchanges,
                micros[kExchanges / 2], micros[kExchanges * 99 / 100], micros.back(), engines);
    return 0;
}
