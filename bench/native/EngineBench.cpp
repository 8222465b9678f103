// A steady-state connected, operational tick with ten failures in force
// (rules 1 to 4, one of them a leak), against a server that answers at once:
// the engine's own work, without the exchange. Heap allocations per tick are
// counted after the first tick.
#include <memory>

#include <benchmark/benchmark.h>

#include "engine/EngineState.h"
#include "engine/Failures.h"
#include "engine/FlightMonitor.h"
#include "support/FakeDesktop.h"
#include "support/FakeView.h"
#include "support/FakeWatchdog.h"

#include "CountingAllocator.h"
#include "EchoLinkOs.h"

namespace wendox {
namespace {

void BM_SteadyTickWithTenFailures(benchmark::State& state) {
    bench::EchoLinkOs os;
    os.values[simvar::EngineCount.offset] = 2;
    os.values[simvar::TankLeft.offset] = 5'000'000;  // the leaking tank never runs dry
    testing::FakeDesktop desktop;
    desktop.files.clear();  // no sound files: nothing is recorded while it runs
    testing::FakeView view;
    auto engine = std::make_unique<EngineState>(os, desktop, view);
    EngineState& s = *engine;
    s.settings.displayFailures = true;
    s.settings.displayUpdate = true;
    testing::FakeWatchdog watchdog;
    StartUp(s, watchdog);

    // Every component is tested on a roll, but its band, drawn at 100 %,
    // stays empty: no failure comes or goes while the benchmark runs.
    s.catalogue.ForEach([](int, int, ComponentRecord& c) { c.reliability = 99.9f; });
    const int failures[10][2] = {{1, 10}, {1, 8}, {2, 1}, {2, 6}, {2, 3}, {3, 1}, {4, 1}, {6, 1}, {7, 4}, {5, 3}};
    for (const auto& f : failures) AddFailure(s, f[0], f[1]);
    Tick(s);  // the first tick draws the leak's amount and refreshes the list

    const std::uint64_t before = bench::HeapAllocations();
    for (auto _ : state) Tick(s);
    state.counters["heap_allocs_per_tick"] =
        static_cast<double>(bench::HeapAllocations() - before) / static_cast<double>(state.iterations());
    state.counters["failures"] = s.failed.count;
    state.SetLabel(s.lastStatusText);
}
BENCHMARK(BM_SteadyTickWithTenFailures)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wendox

BENCHMARK_MAIN();
