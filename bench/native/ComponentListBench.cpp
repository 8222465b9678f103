// A refresh of the components list after the failure count changed, as the
// main window takes it: the rows of the shown system (the autopilot) computed
// again and compared with those shown. Counted per refresh: heap allocations
// and the list updates that would redraw (a refill or rows rewritten).
#include <benchmark/benchmark.h>

#include "engine/Catalogue.h"
#include "ui/model/ComponentRows.h"

#include "CountingAllocator.h"

namespace wendox {
namespace {

// A failure comes and goes in system `system` while the autopilot is shown.
void BM_RefreshAfterAFailureIn(benchmark::State& state, int system) {
    Catalogue catalogue = BuildCatalogue();
    ShownComponentRows shown;
    shown.Take(catalogue, 1, '.');
    ComponentRecord& component = *catalogue.Find(system, 1);
    for (int warm = 0; warm < 2; ++warm) {  // both row buffers sized once
        component.failed = !component.failed;
        shown.Take(catalogue, 1, '.');
    }

    const std::uint64_t before = bench::HeapAllocations();
    std::int64_t redraws = 0;
    for (auto _ : state) {
        component.failed = !component.failed;
        redraws += shown.Take(catalogue, 1, '.') != ListUpdate::None;
    }
    const auto refreshes = static_cast<double>(state.iterations());
    state.counters["heap_allocs_per_refresh"] = static_cast<double>(bench::HeapAllocations() - before) / refreshes;
    state.counters["redraws_per_refresh"] = static_cast<double>(redraws) / refreshes;
}
BENCHMARK_CAPTURE(BM_RefreshAfterAFailureIn, another_system, 2);
BENCHMARK_CAPTURE(BM_RefreshAfterAFailureIn, the_shown_system, 1);

}  // namespace
}  // namespace wendox
