// Every simulator variable Wendox and its watchdog exchange with the server,
// by meaning. All values are little-endian integers at server offsets. No
// other file names an offset.
#pragma once

#include <array>
#include <cstdint>

namespace wendox {

struct SimVariable {
    std::uint32_t offset;
    std::uint32_t size;
};

namespace simvar {

// Link handshake. The server's version is at least 0x19980005; the simulator
// version word carries 0xFADE in its high 16 bits.
inline constexpr SimVariable ServerVersion{0x3304, 4};
inline constexpr SimVariable SimVersion{0x3308, 4};
inline constexpr std::int32_t kLowestServerVersion = 0x19980005;
inline constexpr std::uint32_t kSimVersionMark = 0xFADE;

// Flight state, read every tick.
inline constexpr SimVariable EngineCount{0x0AEC, 2};
inline constexpr SimVariable Paused{0x0264, 2};        // nonzero while paused
inline constexpr SimVariable OnGround{0x0366, 2};      // nonzero on the ground
inline constexpr SimVariable GearControl{0x0BE8, 4};   // > 0 unless fully up; 0 commands up
inline constexpr SimVariable FlapsControl{0x0BDC, 4};  // > 0 while out; 0 retracts

// Autopilot mode switches; 0 switches a mode off.
inline constexpr SimVariable ApMaster{0x07BC, 4};
inline constexpr SimVariable ApWingLeveler{0x07C0, 4};
inline constexpr SimVariable ApNavigation{0x07C4, 4};
inline constexpr SimVariable ApHeading{0x07C8, 4};
inline constexpr SimVariable ApAltitude{0x07D0, 4};
inline constexpr SimVariable ApAttitude{0x07D8, 4};
inline constexpr SimVariable ApAirspeed{0x07DC, 4};
inline constexpr SimVariable ApMach{0x07E4, 4};
inline constexpr SimVariable ApVerticalSpeed{0x07EC, 4};
inline constexpr SimVariable ApGlideslope{0x07FC, 4};
inline constexpr SimVariable ApApproach{0x0800, 4};
inline constexpr SimVariable ApBackCourse{0x0804, 4};
inline constexpr SimVariable ApYawDamper{0x0808, 4};
inline constexpr SimVariable ApAutothrottle{0x0810, 4};

// Electrical and fuel switches; 0 switches off. Alternators by engine 1 to 4.
inline constexpr SimVariable Alternator1{0x3B78, 4};
inline constexpr SimVariable Alternator2{0x3AB8, 4};
inline constexpr SimVariable Alternator3{0x39F8, 4};
inline constexpr SimVariable Alternator4{0x3938, 4};
inline constexpr SimVariable BatterySwitch{0x3102, 1};
inline constexpr SimVariable AvionicsMaster{0x3103, 1};
inline constexpr SimVariable FuelPump{0x3104, 1};

inline constexpr SimVariable ElevatorTrim{0x0BC0, 2};  // held at 0 when failed

// Control disconnection bits; a bit not written again ends its disconnection.
inline constexpr SimVariable ControlDisconnect{0x310A, 1};
inline constexpr std::uint8_t kDisconnectElevator = 1;
inline constexpr std::uint8_t kDisconnectAileron = 2;
inline constexpr std::uint8_t kDisconnectRudder = 4;
inline constexpr std::uint8_t kDisconnectThrottle = 8;

// Failure flags: 1 fails, 0 repairs. The engine byte holds one bit per engine.
inline constexpr SimVariable FailAdf{0x0B64, 1};
inline constexpr SimVariable FailAirspeed{0x0B65, 1};
inline constexpr SimVariable FailAltimeter{0x0B66, 1};
inline constexpr SimVariable FailAttitude{0x0B67, 1};
inline constexpr SimVariable FailCom{0x0B68, 1};
inline constexpr SimVariable FailCompass{0x0B69, 1};
inline constexpr SimVariable FailElectrical{0x0B6A, 1};
inline constexpr SimVariable FailEngines{0x0B6B, 1};
inline constexpr SimVariable FailFuelGauge{0x0B6C, 1};
inline constexpr SimVariable FailHeading{0x0B6D, 1};
inline constexpr SimVariable FailVerticalSpeed{0x0B6E, 1};
inline constexpr SimVariable FailTransponder{0x0B6F, 1};
inline constexpr SimVariable FailNav{0x0B70, 1};
inline constexpr SimVariable FailPitotStatic{0x0B71, 1};
inline constexpr SimVariable FailTurnCoordinator{0x0B72, 1};
inline constexpr SimVariable FailVacuum{0x0B73, 1};
inline constexpr SimVariable kFailureFlagsFirst = FailAdf;
inline constexpr SimVariable kFailureFlagsLast = FailVacuum;

// Engine combustion, engines 1 to 4; 0 stops the engine.
inline constexpr SimVariable Combustion1{0x0890, 2};
inline constexpr SimVariable Combustion2{0x0928, 2};
inline constexpr SimVariable Combustion3{0x09C0, 2};
inline constexpr SimVariable Combustion4{0x0A58, 2};
inline constexpr std::array<SimVariable, 4> kCombustion{Combustion1, Combustion2, Combustion3,
                                                        Combustion4};

// Fuel tank levels; writing a lower value removes fuel.
inline constexpr SimVariable TankCenter{0x0B74, 4};
inline constexpr SimVariable TankLeft{0x0B7C, 4};
inline constexpr SimVariable TankLeftAux{0x0B84, 4};
inline constexpr SimVariable TankLeftTip{0x0B8C, 4};
inline constexpr SimVariable TankRight{0x0B94, 4};
inline constexpr SimVariable TankRightAux{0x0B9C, 4};
inline constexpr SimVariable TankRightTip{0x0BA4, 4};
inline constexpr SimVariable TankCenter2{0x1244, 4};
inline constexpr SimVariable TankCenter3{0x124C, 4};
inline constexpr SimVariable TankExternal1{0x1254, 4};
inline constexpr SimVariable TankExternal2{0x125C, 4};
inline constexpr std::array<SimVariable, 11> kTanks{
    TankCenter,  TankLeft,    TankLeftAux, TankLeftTip,   TankRight,    TankRightAux,
    TankRightTip, TankCenter2, TankCenter3, TankExternal1, TankExternal2};

// The simulator's message line: zero-terminated text, and how many seconds
// it shows.
inline constexpr SimVariable MessageText{0x3380, 128};
inline constexpr SimVariable MessageSeconds{0x32FA, 2};

// Slew mode (1 on, 0 off) and the aircraft's position; all three zero put
// the aircraft at latitude 0, longitude 0, altitude 0.
inline constexpr SimVariable SlewMode{0x05DC, 2};
inline constexpr SimVariable Latitude{0x0560, 8};
inline constexpr SimVariable Longitude{0x0568, 8};
inline constexpr SimVariable Altitude{0x0570, 8};

}  // namespace simvar
}  // namespace wendox
