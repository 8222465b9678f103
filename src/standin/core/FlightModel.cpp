#include "standin/core/FlightModel.h"

#include <algorithm>

namespace wendox::standin {

namespace {

constexpr double kTwoTo32 = 4294967296.0;
constexpr double kLatitudeUnitsPerDegree = 10001750.0 * kTwoTo32 / 90.0;
constexpr double kLongitudeUnitsPerDegree = kTwoTo32 * kTwoTo32 / 360.0;

std::uint64_t Raw(double units) { return static_cast<std::uint64_t>(static_cast<std::int64_t>(units)); }

}  // namespace

Position AircraftPosition(const ServerCore& sim) {
    return {static_cast<double>(sim.SignedValue(simvar::Latitude)) / kLatitudeUnitsPerDegree,
            static_cast<double>(sim.SignedValue(simvar::Longitude)) / kLongitudeUnitsPerDegree,
            static_cast<double>(sim.SignedValue(simvar::Altitude)) / kTwoTo32};
}

void PlaceAircraft(ServerCore& sim, const Position& position) {
    sim.SetValue(simvar::Latitude, Raw(position.latitudeDegrees * kLatitudeUnitsPerDegree));
    sim.SetValue(simvar::Longitude, Raw(position.longitudeDegrees * kLongitudeUnitsPerDegree));
    sim.SetValue(simvar::Altitude, Raw(position.altitudeMetres * kTwoTo32));
}

void StartFlight(ServerCore& sim) {
    sim.SetValue(simvar::EngineCount, 2);
    sim.SetValue(simvar::Paused, 0);
    sim.SetValue(simvar::OnGround, 1);
    sim.SetValue(simvar::GearControl, kGearDown);
    sim.SetValue(simvar::FlapsControl, 0);
    sim.SetValue(simvar::Combustion1, 1);
    sim.SetValue(simvar::Combustion2, 1);
    sim.SetValue(simvar::BatterySwitch, 1);
    sim.SetValue(simvar::AvionicsMaster, 1);
    sim.SetValue(simvar::FuelPump, 1);
    sim.SetValue(simvar::Alternator1, 1);
    sim.SetValue(simvar::Alternator2, 1);
    sim.SetValue(simvar::TankLeft, kFuelFull * 3 / 4);
    sim.SetValue(simvar::TankRight, kFuelFull * 3 / 4);
    sim.SetValue(simvar::SlewMode, 0);
    PlaceAircraft(sim, {kHomeLatitude, kHomeLongitude, kHomeElevationMetres});
}

void TakeOff(ServerCore& sim) {
    const bool climbs = !IsAirborne(sim);
    sim.SetValue(simvar::OnGround, 0);
    sim.SetValue(simvar::GearControl, 0);
    sim.SetValue(simvar::FlapsControl, 0);
    if (!climbs) return;
    Position position = AircraftPosition(sim);
    position.altitudeMetres += kCruiseHeightMetres;
    PlaceAircraft(sim, position);
}

void Land(ServerCore& sim) {
    const bool descends = IsAirborne(sim);
    sim.SetValue(simvar::OnGround, 1);
    sim.SetValue(simvar::GearControl, kGearDown);
    if (!descends) return;
    // Down to the ground beneath, wherever that is (sea level at the origin).
    Position position = AircraftPosition(sim);
    position.altitudeMetres = std::max(0.0, position.altitudeMetres - kCruiseHeightMetres);
    PlaceAircraft(sim, position);
}

void Pause(ServerCore& sim) { sim.SetValue(simvar::Paused, 1); }
void Resume(ServerCore& sim) { sim.SetValue(simvar::Paused, 0); }
bool IsAirborne(const ServerCore& sim) { return sim.Value(simvar::OnGround) == 0; }
bool IsPaused(const ServerCore& sim) { return sim.Value(simvar::Paused) != 0; }

void AdvanceFlight(ServerCore& sim, std::uint64_t nowMs) {
    if (sim.Value(simvar::ControlDisconnect) == 0) return;
    const auto written = sim.LastWriteTime(simvar::ControlDisconnect);
    if (!written || nowMs >= *written + kDisconnectHoldMs) sim.SetValue(simvar::ControlDisconnect, 0);
}

std::string MessageLine(const ServerCore& sim, std::uint64_t nowMs) {
    const auto written = sim.LastWriteTime(simvar::MessageText);
    if (!written) return {};
    const std::uint64_t shownMs = sim.Value(simvar::MessageSeconds) * 1000;
    if (nowMs >= *written + shownMs) return {};
    return sim.Text(simvar::MessageText);
}

}  // namespace wendox::standin
