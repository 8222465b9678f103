// Failing and clearing components: each failure in force is written into
// the simulator by its rule and held there every connected tick.
#pragma once

#include <cstdint>

#include "engine/EngineState.h"

namespace wendox {

inline constexpr std::int32_t kStallTicks = 30;

// Marks the component failed and appends its entry, unless the list is full
// or the component has failed already. True when it was added.
bool AddFailure(EngineState& s, std::int32_t system, std::int32_t component);

// Queues the write that puts `value` into a component's variable under its
// rule (size 1, 2 or 4); never sends. Returns the link's result (Ok when
// queued).
LinkResult WriteComponentValue(EngineState& s, std::uint32_t offset, std::int32_t value, std::uint32_t size,
                               FailureRule rule, std::int32_t engine);

// Writes every failure in force again, drains leaks, counts stalls down.
void ApplyFailures(EngineState& s);

void ClearFailure(EngineState& s, std::int32_t system, std::int32_t component);

// Queues a 0 for every failure flag whose clear has not reached the
// simulator yet, except where a component of that flag has failed again
// (its writes then put the flag right). Once the exchange carrying them
// succeeds, ForgetUnsentFlagClears.
void QueueUnsentFlagClears(EngineState& s);
inline void ForgetUnsentFlagClears(EngineState& s) { s.unsentFlagClears.clear(); }
void ClearAllFailures(EngineState& s, bool silent);
// ClearAllFailures, silent, with the flags' clears sent together in one
// exchange: the closing of the main window leaves no failure it held in
// the simulator. Nothing under the in-flight lock, nothing sent without a
// link.
void ClearAllFailuresOnClosing(EngineState& s);
void ClearLastFailure(EngineState& s);

}  // namespace wendox
