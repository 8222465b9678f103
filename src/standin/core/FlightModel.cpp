#include "standin/core/FlightModel.h"

namespace wendox::standin {

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
}

void TakeOff(ServerCore& sim) {
    sim.SetValue(simvar::OnGround, 0);
    sim.SetValue(simvar::GearControl, 0);
    sim.SetValue(simvar::FlapsControl, 0);
}

void Land(ServerCore& sim) {
    sim.SetValue(simvar::OnGround, 1);
    sim.SetValue(simvar::GearControl, kGearDown);
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
