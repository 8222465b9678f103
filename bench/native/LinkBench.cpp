// The cost of one tick's exchange on the client side: queuing the five reads
// a tick makes, sealing the block and scanning the reply. Heap allocations
// are counted by replacing the global allocator.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <benchmark/benchmark.h>

#include "link/Link.h"
#include "link/SimVariables.h"
#include "standin/core/FlightModel.h"
#include "support/FakeLinkOs.h"

namespace {
std::atomic<std::uint64_t> g_allocations{0};
}  // namespace

// The replaced operator new takes its memory from malloc, so free is right;
// the compiler cannot see that pairing.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace wendox {
namespace {

// A server that answers at once and leaves the block as it is, so that only
// the client's work is measured.
class EchoLinkOs final : public LinkOs {
public:
    OsHandle FindTopLevelWindow(const char*) override { return 1; }
    std::uint32_t RegisterMessage(const char*) override { return 0xC000; }
    std::uint32_t CurrentProcessId() override { return 42; }
    std::uint16_t AddGlobalAtom(const char*) override { return 0xC001; }
    void DeleteGlobalAtom(std::uint16_t) override {}
    OsHandle CreateMapping(const char*, std::uint32_t) override { return 2; }
    std::uint8_t* MapView(OsHandle) override { return block_.data(); }
    void UnmapView(std::uint8_t*) override {}
    void CloseHandle(OsHandle) override {}
    std::uint32_t LastError() override { return 0; }
    bool SendMessageTimed(OsHandle, std::uint32_t, std::uintptr_t, std::intptr_t, std::uint32_t, std::uint32_t,
                          std::uintptr_t& result) override {
        if (!versionsAnswered_) {  // the open's version exchange
            std::uint32_t server = 0x34000000, sim = 0xFADE0006;
            std::memcpy(block_.data() + 16, &server, 4);
            std::memcpy(block_.data() + 36, &sim, 4);
            versionsAnswered_ = true;
        }
        result = 1;
        return true;
    }
    void Sleep(std::uint32_t) override {}

private:
    std::vector<std::uint8_t> block_ = std::vector<std::uint8_t>(kBlockSize);
    bool versionsAnswered_ = false;
};

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
    const std::uint64_t before = g_allocations.load();
    for (auto _ : state) {
        if (!QueueTickReads(*link, reads, result) || !LinkProcess(*link, result)) {
            state.SkipWithError("exchange failed");
            break;
        }
        benchmark::DoNotOptimize(reads);
    }
    state.counters["heap_allocs_per_exchange"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations());
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
    const std::uint64_t before = g_allocations.load();
    for (auto _ : state) {
        auto p = std::make_unique<std::uint64_t>(1);
        benchmark::DoNotOptimize(p.get());
    }
    state.counters["heap_allocs_per_exchange"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AllocationCounterCheck);

}  // namespace
}  // namespace wendox

BENCHMARK_MAIN();
