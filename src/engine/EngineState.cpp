#include "engine/EngineState.h"

namespace wendox {

namespace {
// Room for the longest status a tick composes, so that composing it never
// allocates once the program runs.
constexpr std::size_t kStatusCapacity = 256;
}  // namespace

EngineState::EngineState(LinkOs& os, Desktop& desktop, EngineView& view)
    : desktop(&desktop), view(&view), link(os) {
    statusText.reserve(kStatusCapacity);
    lastStatusText.reserve(kStatusCapacity);
    unsentFlagClears.reserve(kComponentCount);
}

std::int32_t RandomNumber(EngineState& s, std::int32_t hi, std::int32_t lo) {
    return s.random.Number(hi, lo, s.desktop->SecondsSinceMidnight());
}

}  // namespace wendox
