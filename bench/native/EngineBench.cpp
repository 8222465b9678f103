// A steady-state connected, operational tick with failures in force,
// against a server that answers at once: the engine's own work, without the exchange. Heap allocations per tick are
// counted after the first tick.
#include <memory>

#include <benchmark/benchmark.h>

#include "engine/EngineState.h"
#include "engine/Failures.h"
#include "link/EchoLinkOs.h"
#include "monitor/FlightMonitor.h"
#include "support/FakeDesktop.h"
#include "support/FakeView.h"
#include "support/FakeWatchdog.h"

#include "CountingAllocator.h"

namespace wendox {
namespace {

// Ticks with the given failures in force until the benchmark ends; `hold`
// runs once after the first tick to keep them all held.
template <class Fail, class Hold>
void SteadyTick(benchmark::State& state, Fail&& fail, Hold&& hold) {
    EchoLinkOs os;
    os.values[simvar::EngineCount.offset] = 4;
    for (const SimVariable& tank : simvar::kTanks) os.values[tank.offset] = 2'000'000'000;  // leaks never run dry
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
    fail(s);
    Tick(s);  // the first tick draws the leaks' amounts, starts the stalls and refreshes the list
    hold(s);

    const std::uint64_t before = bench::HeapAllocations();
    for (auto _ : state) Tick(s);
    state.counters["heap_allocs_per_tick"] =
        static_cast<double>(bench::HeapAllocations() - before) / static_cast<double>(state.iterations());
    state.counters["failures"] = s.failed.count;
    state.SetLabel(s.lastStatusText);
}

// Ten failures of rules 1 to 4, one of them a leak.
void BM_SteadyTickWithTenFailures(benchmark::State& state) {
    const int failures[10][2] = {{1, 10}, {1, 8}, {2, 1}, {2, 6}, {2, 3}, {3, 1}, {4, 1}, {6, 1}, {7, 4}, {5, 3}};
    SteadyTick(
        state, [&](EngineState& s) { for (const auto& f : failures) AddFailure(s, f[0], f[1]); },
        [](EngineState&) {});
}
BENCHMARK(BM_SteadyTickWithTenFailures)->Unit(benchmark::kMicrosecond);

// Every component failed; the stalls' countdowns are pushed far out so that
// all 62 stay in force.
void BM_SteadyTickWithAllFailed(benchmark::State& state) {
    SteadyTick(
        state, [](EngineState& s) { s.catalogue.ForEach([&](int sys, int comp, auto&) { AddFailure(s, sys, comp); }); },
        [](EngineState& s) {
            for (int i = 0; i < s.failed.count; ++i) {
                FailedEntry& entry = s.failed.entries[i];
                if (s.catalogue.Find(entry.system, entry.component)->rule == FailureRule::EngineStall)
                    entry.counter = 1'000'000'000;
            }
        });
}
BENCHMARK(BM_SteadyTickWithAllFailed)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wendox

BENCHMARK_MAIN();
