// The cost of one tick's exchange on the client side: queuing the five reads
// a tick makes, sealing the block and scanning the reply. Heap allocations
// are counted by replacing the global allocator.
#include <memory>

#include <benchmark/benchmark.h>

#include "link/EchoLinkOs.h"
#include "link/Link.h"
#include "link/SimVariables.h"
#include "standin/core/FlightModel.h"
#include "support/FakeLinkOs.h"

#include "CountingAllocator.h"

namespace wendox {
namespace {

struct TickReads {
    std::uint16_t engines = 0, paused = 0, onGround = 0;
    std::int32_t gear = 0, flaps = 0;
};

bool QueueTickReads(LinkState& link, TickReads& r, LinkResult& result) {
    return LinkRead(link, simvar::EngineCount.offset, simvar::EngineCount.size, &r.engines, result) &&
           LinkRead(link, simvar::Paused.offset, simvar::Paused.size, &r.paused, result) &&
           LinkRead(link, simvar::OnGround.offset, simvar::OnGround.size, &r.onGround, result) &&
           LinkRead(link, simvar::GearControl.offset, simvar::GearControl.size, &r.gear, result) &&
           LinkRead(link, simvar::FlapsControl.offset, simvar::FlapsControl.size, &r.flaps, result);
}

template <class Os>
void RunTickExchange(benchmark::State& state, Os& os) {
    auto link = std::make_unique<LinkState>(os);
    LinkResult result;
    if (!LinkOpen(*link, 0, result)) {
        state.SkipWithError("open failed");
        return;
    }
    TickReads reads;
    const std::uint64_t before = bench::HeapAllocations();
    for (auto _ : state) {
        if (!QueueTickReads(*link, reads, result) || !LinkProcess(*link, result)) {
            state.SkipWithError("exchange failed");
            break;
        }
        benchmark::DoNotOptimize(reads);
    }
    state.counters["heap_allocs_per_exchange"] =
        static_cast<double>(bench::HeapAllocations() - before) / static_cast<double>(state.iterations());
    LinkClose(*link);
}

void BM_QueueFiveReadsAndScanReply(benchmark::State& state) {
    EchoLinkOs os;
    RunTickExchange(state, os);
}
BENCHMARK(BM_QueueFiveReadsAndScanReply);

// The same with the stand-in server's core working through the block.
void BM_FiveReadsAgainstServerCore(benchmark::State& state) {
    standin::ServerCore server;
    standin::StartFlight(server);
    testing::FakeLinkOs os(server);
    RunTickExchange(state, os);
}
BENCHMARK(BM_FiveReadsAgainstServerCore);

// Shows that the counter sees allocations: one per iteration here.
void BM_AllocationCounterCheck(benchmark::State& state) {
    const std::uint64_t before = bench::HeapAllocations();
    for (auto _ : state) {
        auto p = std::make_unique<std::uint64_t>(1);
        benchmark::DoNotOptimize(p.get());
    }
    state.counters["heap_allocs_per_exchange"] =
        static_cast<double>(bench::HeapAllocations() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AllocationCounterCheck);

}  // namespace
}  // namespace wendox

BENCHMARK_MAIN();
