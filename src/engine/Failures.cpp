#include "engine/Failures.h"

#include <algorithm>

#include "engine/Schedule.h"
#include "engine/StatusReport.h"
#include "link/ByteOrder.h"

namespace wendox {

namespace {

// The DisconnectHeld slot of a bit value 1, 2, 4 or 8; -1 for any other.
int DisconnectSlot(std::int32_t bit) {
    switch (bit) {
        case 1: return 0;
        case 2: return 1;
        case 4: return 2;
        case 8: return 3;
        default: return -1;
    }
}

std::uint8_t HeldDisconnectBits(const EngineState& s) {
    std::uint8_t bits = 0;
    for (int slot = 0; slot < 4; ++slot)
        if (s.disconnectHeld[slot]) bits |= static_cast<std::uint8_t>(1 << slot);
    return bits;
}

// The bits of every failed engine whose fail flag lives at `offset`.
std::uint8_t FailedEngineBits(const EngineState& s, std::uint32_t offset) {
    std::uint8_t bits = 0;
    s.catalogue.ForEach([&](int, int, const ComponentRecord& c) {
        if (c.rule == FailureRule::FailFlag && c.variable.offset == offset && c.engine >= 1 && c.engine <= 4 &&
            c.failed)
            bits |= static_cast<std::uint8_t>(1 << (c.engine - 1));
    });
    return bits;
}

bool FlagHeldByAFailure(const EngineState& s, std::uint32_t offset) {
    bool held = false;
    s.catalogue.ForEach([&](int, int, const ComponentRecord& c) {
        held = held || (c.rule == FailureRule::FailFlag && c.variable.offset == offset && c.failed);
    });
    return held;
}

void RememberUnsentFlagClear(EngineState& s, std::uint32_t offset) {
    if (std::find(s.unsentFlagClears.begin(), s.unsentFlagClears.end(), offset) == s.unsentFlagClears.end())
        s.unsentFlagClears.push_back(offset);
}

LinkResult QueueWrite(EngineState& s, std::uint32_t offset, std::uint32_t size, std::uint32_t value) {
    std::uint8_t data[4];
    size = std::min<std::uint32_t>(size, 4);
    PutLE(data, value, size);
    LinkResult result = LinkResult::Ok;
    LinkWrite(s.link, offset, size, data, result);
    return result;
}

std::int32_t DrawLeakAmount(EngineState& s) {
    return RandomNumber(s, 100, 1) > 80 ? RandomNumber(s, 50000, 5000) : RandomNumber(s, 10000, 5000);
}

// One leaking tank's tick. The level is read at once; a tick whose read
// cannot be made is skipped, so that a lost exchange never reads as an
// empty tank.
void ApplyLeak(EngineState& s, FailedEntry& entry, const ComponentRecord& c) {
    std::int32_t level = 0;
    LinkResult result;
    if (!LinkRead(s.link, c.variable.offset, c.variable.size, &level, result)) return;
    if (!LinkProcess(s.link, result)) return;

    if (entry.counter) {
        const std::int64_t lowered = std::int64_t{level} - *entry.counter;
        const auto value = static_cast<std::int32_t>(lowered < 1 ? 0 : lowered);
        WriteComponentValue(s, c.variable.offset, value, c.variable.size, c.rule, c.engine);
    } else if (level > 0) {
        entry.counter = DrawLeakAmount(s);
    } else {
        ClearFailure(s, entry.system, entry.component);
    }
}

void ApplyStall(EngineState& s, FailedEntry& entry, const ComponentRecord& c) {
    if (!entry.counter) {
        if (WriteComponentValue(s, c.variable.offset, c.failValue, c.variable.size, c.rule, c.engine) ==
            LinkResult::Ok)
            entry.counter = kStallTicks;
        return;
    }
    if (--*entry.counter <= 0) ClearFailure(s, entry.system, entry.component);
}

// Removes the failure of entry `index` by its component's rule. A flag's 0
// is sent at once (`sendNow`), or left to the next exchange that carries the
// unsent flag clears.
void RemoveFailure(EngineState& s, int index, bool sendNow) {
    const FailedEntry& entry = s.failed.entries[index];
    if (ComponentRecord* c = s.catalogue.Find(entry.system, entry.component)) {
        if (c->rule == FailureRule::FailFlag) {
            // A clear that does not reach the simulator now is sent with the
            // next exchange that can, or the flag would stay set for good.
            LinkResult result;
            const bool sent = sendNow &&
                              WriteComponentValue(s, c->variable.offset, 0, c->variable.size, c->rule, c->engine) ==
                                  LinkResult::Ok &&
                              LinkProcess(s.link, result);
            if (!sent) RememberUnsentFlagClear(s, c->variable.offset);
        } else if (c->rule == FailureRule::DisconnectBit) {
            // Nothing is written: the byte is written without this bit on the
            // next pass, and not at all once no bit is held.
            if (const int slot = DisconnectSlot(c->failValue); slot >= 0) s.disconnectHeld[slot] = false;
        }
        c->failed = false;
    }
    s.failed.RemoveAt(index);
}

// ClearAllFailures; with `oneExchange` the flags' clears all go in a single
// exchange at the end instead of one exchange each.
void ClearAll(EngineState& s, bool silent, bool oneExchange) {
    if (InFlightLock(s) || s.failed.count < 1) return;
    while (s.failed.count > 0) RemoveFailure(s, s.failed.count - 1, !oneExchange);
    if (oneExchange) {
        QueueUnsentFlagClears(s);
        LinkResult result;
        if (LinkProcess(s.link, result)) ForgetUnsentFlagClears(s);
    }
    RefreshComponents(s, false);
    if (!silent) PlaySound(s, kSoundOk);
}

}  // namespace

bool AddFailure(EngineState& s, std::int32_t system, std::int32_t component) {
    ComponentRecord* c = s.catalogue.Find(system, component);
    if (c == nullptr || c->failed || !s.failed.Append(system, component)) return false;
    c->failed = true;
    return true;
}

LinkResult WriteComponentValue(EngineState& s, std::uint32_t offset, std::int32_t value, std::uint32_t size,
                               FailureRule rule, std::int32_t engine) {
    const auto raw = static_cast<std::uint32_t>(value);
    if (rule == FailureRule::DisconnectBit) {
        if (const int slot = DisconnectSlot(value); slot >= 0) s.disconnectHeld[slot] = true;
        return QueueWrite(s, offset, 1, HeldDisconnectBits(s));
    }
    if (rule == FailureRule::FailFlag && size == 1) {
        std::uint8_t flag = static_cast<std::uint8_t>(raw);
        if (value == 1 && engine >= 1 && engine <= 4)
            flag = FailedEngineBits(s, offset) | static_cast<std::uint8_t>(1 << (engine - 1));
        return QueueWrite(s, offset, 1, flag);
    }
    return QueueWrite(s, offset, size, raw);
}

void ApplyFailures(EngineState& s) {
    if (s.failed.count < 1) return;
    // Newest first: an entry removed on the way moves only entries already visited.
    for (int i = s.failed.count - 1; i >= 0; --i) {
        FailedEntry& entry = s.failed.entries[i];
        const ComponentRecord* c = s.catalogue.Find(entry.system, entry.component);
        if (c == nullptr) continue;
        switch (c->rule) {
            case FailureRule::DisconnectBit:
            case FailureRule::HoldValue:
            case FailureRule::FailFlag:
                WriteComponentValue(s, c->variable.offset, c->failValue, c->variable.size, c->rule, c->engine);
                break;
            case FailureRule::EngineStall: ApplyStall(s, entry, *c); break;
            case FailureRule::TankLeak: ApplyLeak(s, entry, *c); break;
        }
    }
    LinkResult result;
    LinkProcess(s.link, result);
}

void ClearFailure(EngineState& s, std::int32_t system, std::int32_t component) {
    int index = s.failed.count - 1;
    while (index >= 0 && !(s.failed.entries[index].system == system && s.failed.entries[index].component == component))
        --index;
    if (index >= 0) RemoveFailure(s, index, true);
}

void QueueUnsentFlagClears(EngineState& s) {
    for (const std::uint32_t offset : s.unsentFlagClears)
        if (!FlagHeldByAFailure(s, offset)) QueueWrite(s, offset, 1, 0);
}

void ClearAllFailures(EngineState& s, bool silent) { ClearAll(s, silent, false); }

void ClearAllFailuresOnClosing(EngineState& s) { ClearAll(s, true, true); }

void ClearLastFailure(EngineState& s) {
    if (InFlightLock(s) || s.failed.count < 1) return;
    const FailedEntry& newest = s.failed.entries[s.failed.count - 1];
    ClearFailure(s, newest.system, newest.component);
    RefreshComponents(s, true);
    PlaySound(s, kSoundOk);
}

}  // namespace wendox
