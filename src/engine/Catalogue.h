// The fixed knowledge of the failure engine: seven systems, their 62
// components, the simulator variable each acts on and how it fails; beside
// that each component's reliability setting and random schedule, and the
// list of failures in force.
//
// A component is identified everywhere by (system number, component number),
// both counted from 1. Loops visit systems 1 to 7 and, within each, the
// components in order: the order of the failure rolls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "link/SimVariables.h"

namespace wendox {

enum class FailureRule : std::uint8_t {
    DisconnectBit = 1,  // one bit of the shared control-disconnect byte, written every tick
    HoldValue = 2,      // the fail value written every tick
    FailFlag = 3,       // a failure flag set to 1 (engines: one bit each), written every tick
    TankLeak = 4,       // the tank drained by a leak amount every tick
    EngineStall = 5,    // the fail value written once; clears itself 30 ticks later
};

struct ComponentRecord {
    // Fixed by the catalogue.
    std::string_view name;
    SimVariable variable;
    std::int32_t failValue = 0;  // DisconnectBit: the bit the component owns
    FailureRule rule = FailureRule::HoldValue;
    std::int32_t engine = 0;  // 1 to 4, or 0 for none

    // Set by the user. Kept as the numbers their texts read as.
    float reliability = 100.0f;  // percent per period; 100 never fails
    float periodHours = 1.0f;    // hours of operational flight in one period

    // Kept by the engine.
    bool failed = false;  // it then has an entry in the failed list
    std::int32_t bandLow = 0;
    std::int32_t bandHigh = 0;
    std::int32_t scheduledRoll = 0;
    std::int32_t rollCount = 0;
};

inline constexpr int kSystemCount = 7;
inline constexpr int kMaxComponentsPerSystem = 15;

struct SystemRecord {
    std::string_view shortName;  // in the status text: "AP", "Eng", ...
    std::string_view caption;    // in the systems list: " Autopilot", ...
    int componentCount = 0;
    std::array<ComponentRecord, kMaxComponentsPerSystem> components{};
};

struct FailedEntry {
    std::int32_t system = 0;
    std::int32_t component = 0;
    // Leaks: the amount per tick; stalls: ticks left. Empty until first set.
    std::optional<std::int32_t> counter;
};

// The failures in force, oldest first.
struct FailedList {
    static constexpr int kCapacity = 100;
    std::array<FailedEntry, kCapacity> entries{};
    int count = 0;  // FailedCount

    // False, and nothing added, when the list is full.
    bool Append(std::int32_t system, std::int32_t component);
    // Closes the gap: later entries keep their order.
    void RemoveAt(int index);
};

struct Catalogue {
    std::array<SystemRecord, kSystemCount> systems{};

    // Nothing for numbers outside the catalogue.
    ComponentRecord* Find(std::int32_t system, std::int32_t component);
    const ComponentRecord* Find(std::int32_t system, std::int32_t component) const;

    // Calls f(systemNumber, componentNumber, record) in catalogue order.
    template <class F>
    void ForEach(F&& f) {
        for (int s = 0; s < kSystemCount; ++s)
            for (int c = 0; c < systems[s].componentCount; ++c) f(s + 1, c + 1, systems[s].components[c]);
    }
    template <class F>
    void ForEach(F&& f) const {
        for (int s = 0; s < kSystemCount; ++s)
            for (int c = 0; c < systems[s].componentCount; ++c) f(s + 1, c + 1, systems[s].components[c]);
    }
};

// The catalogue as built at start-up: every component at reliability 100
// based on 1 hour, nothing failed, nothing scheduled.
Catalogue BuildCatalogue();

inline constexpr int kComponentCount = 62;

}  // namespace wendox
