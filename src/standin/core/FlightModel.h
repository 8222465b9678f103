// A small flight a person can fly from the stand-in simulator's window. All
// its state lives in the server's variable memory, so what the buttons do is
// exactly what a client reads back.
#pragma once

#include <cstdint>
#include <string>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

inline constexpr std::uint32_t kGearDown = 16383;
inline constexpr std::uint32_t kFuelFull = 128 * 65536;  // 100 % in the tank level's units
inline constexpr std::uint64_t kDisconnectHoldMs = 10000;

// Where the aircraft stands at the start: a runway at Seattle-Tacoma.
inline constexpr double kHomeLatitude = 47.4490;
inline constexpr double kHomeLongitude = -122.3093;
inline constexpr double kHomeElevationMetres = 131.0;
inline constexpr double kCruiseHeightMetres = 900.0;  // above the runway after take-off

struct Position {
    double latitudeDegrees;
    double longitudeDegrees;
    double altitudeMetres;
};

// The position in the units the simulator keeps it in: latitude in
// 90 / (10001750 * 2^32) degrees, longitude in 360 / 2^64 degrees, altitude
// in 1 / 2^32 metres, each in 8 bytes.
Position AircraftPosition(const ServerCore& sim);
void PlaceAircraft(ServerCore& sim, const Position& position);

// On the ground at home, not paused, a twin-engine aircraft with both engines
// running, switches on, fuel in the left and right tanks, gear down.
void StartFlight(ServerCore& sim);
void TakeOff(ServerCore& sim);  // airborne, climbed, gear and flaps up
void Land(ServerCore& sim);     // on the ground where it is, gear down
void Pause(ServerCore& sim);
void Resume(ServerCore& sim);
bool IsAirborne(const ServerCore& sim);
bool IsPaused(const ServerCore& sim);

// Time passing in the simulator: a control disconnection that is not written
// again within ten seconds ends by itself.
void AdvanceFlight(ServerCore& sim, std::uint64_t nowMs);

// The message line's text while it is shown (for the seconds last written
// beside it), else empty.
std::string MessageLine(const ServerCore& sim, std::uint64_t nowMs);

}  // namespace wendox::standin
