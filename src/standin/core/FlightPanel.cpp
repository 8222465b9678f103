#include "standin/core/FlightPanel.h"

#include <cstdio>
#include <initializer_list>

#include "standin/core/FlightModel.h"

namespace wendox::standin {

namespace {

enum class Format {
    Decimal,
    Signed,       // trim
    Latitude,     // 8-byte position values, in degrees and metres
    Longitude,
    Altitude,
    Hex,          // bit sets
    Fuel,         // raw level and percent of a full tank
    Flag,         // failure flag: alert when set
    FlagHex,      // the engine failure bits: hex, alert when any is set
};

struct Row {
    const char* name;
    SimVariable variable;
    Format format;
};

std::string FormatValue(const ServerCore& core, SimVariable variable, Format format) {
    char text[48];
    switch (format) {
        case Format::Signed:
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(core.SignedValue(variable)));
            break;
        case Format::Hex:
        case Format::FlagHex:
            std::snprintf(text, sizeof text, "0x%0*llX", static_cast<int>(2 * variable.size),
                          static_cast<unsigned long long>(core.Value(variable)));
            break;
        case Format::Fuel: {
            const std::uint64_t level = core.Value(variable);
            std::snprintf(text, sizeof text, "%llu  (%llu %%)", static_cast<unsigned long long>(level),
                          static_cast<unsigned long long>(level * 100 / kFuelFull));
            break;
        }
        case Format::Latitude:
            std::snprintf(text, sizeof text, "%.4f deg", AircraftPosition(core).latitudeDegrees);
            break;
        case Format::Longitude:
            std::snprintf(text, sizeof text, "%.4f deg", AircraftPosition(core).longitudeDegrees);
            break;
        case Format::Altitude:
            std::snprintf(text, sizeof text, "%.0f m", AircraftPosition(core).altitudeMetres);
            break;
        case Format::Decimal:
        case Format::Flag:
            std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(core.Value(variable)));
            break;
    }
    return text;
}

bool AtOrigin(const ServerCore& core) {
    return core.Value(simvar::Latitude) == 0 && core.Value(simvar::Longitude) == 0 && core.Value(simvar::Altitude) == 0;
}

bool IsAlert(const ServerCore& core, const Row& row) {
    // The move to the origin has been made.
    if (row.format == Format::Latitude || row.format == Format::Longitude || row.format == Format::Altitude)
        return AtOrigin(core);
    const bool isSet = core.Value(row.variable) != 0;
    if (row.format == Format::Flag || row.format == Format::FlagHex) return isSet;
    return isSet && (row.variable.offset == simvar::ControlDisconnect.offset ||
                     row.variable.offset == simvar::SlewMode.offset);
}

PanelGroup Group(const ServerCore& core, const char* title, std::initializer_list<Row> rows) {
    PanelGroup group{title, {}};
    for (const Row& row : rows)
        group.lines.push_back({row.variable.offset, row.name, FormatValue(core, row.variable, row.format),
                               IsAlert(core, row)});
    return group;
}

}  // namespace

std::vector<PanelColumn> BuildFlightPanel(const ServerCore& core) {
    using namespace simvar;
    using F = Format;

    PanelColumn autopilotAndSwitches{
        Group(core, "Autopilot",
              {{"Master", ApMaster, F::Decimal},
               {"Wing leveler", ApWingLeveler, F::Decimal},
               {"Navigation", ApNavigation, F::Decimal},
               {"Heading", ApHeading, F::Decimal},
               {"Altitude", ApAltitude, F::Decimal},
               {"Attitude", ApAttitude, F::Decimal},
               {"Airspeed", ApAirspeed, F::Decimal},
               {"Mach", ApMach, F::Decimal},
               {"Vertical speed", ApVerticalSpeed, F::Decimal},
               {"Glideslope", ApGlideslope, F::Decimal},
               {"Approach", ApApproach, F::Decimal},
               {"Back course", ApBackCourse, F::Decimal},
               {"Yaw damper", ApYawDamper, F::Decimal},
               {"Autothrottle", ApAutothrottle, F::Decimal}}),
        Group(core, "Electrical and fuel switches",
              {{"Battery", BatterySwitch, F::Decimal},
               {"Avionics master", AvionicsMaster, F::Decimal},
               {"Fuel pump", FuelPump, F::Decimal},
               {"Alternator 1", Alternator1, F::Decimal},
               {"Alternator 2", Alternator2, F::Decimal},
               {"Alternator 3", Alternator3, F::Decimal},
               {"Alternator 4", Alternator4, F::Decimal}})};

    PanelColumn failuresAndControls{
        Group(core, "Failure flags",
              {{"ADF", FailAdf, F::Flag},
               {"Airspeed", FailAirspeed, F::Flag},
               {"Altimeter", FailAltimeter, F::Flag},
               {"Attitude", FailAttitude, F::Flag},
               {"COM", FailCom, F::Flag},
               {"Compass", FailCompass, F::Flag},
               {"Electrical", FailElectrical, F::Flag},
               {"Engines (bits)", FailEngines, F::FlagHex},
               {"Fuel gauge", FailFuelGauge, F::Flag},
               {"Heading", FailHeading, F::Flag},
               {"Vertical speed", FailVerticalSpeed, F::Flag},
               {"Transponder", FailTransponder, F::Flag},
               {"NAV", FailNav, F::Flag},
               {"Pitot-static", FailPitotStatic, F::Flag},
               {"Turn coordinator", FailTurnCoordinator, F::Flag},
               {"Vacuum", FailVacuum, F::Flag}}),
        Group(core, "Controls",
              {{"Elevator trim", ElevatorTrim, F::Signed},
               {"Gear control", GearControl, F::Decimal},
               {"Flaps control", FlapsControl, F::Decimal},
               {"Disconnect (bits)", ControlDisconnect, F::Hex}})};

    PanelColumn enginesFuelAndPosition{
        Group(core, "Engine combustion",
              {{"Engine 1", Combustion1, F::Decimal},
               {"Engine 2", Combustion2, F::Decimal},
               {"Engine 3", Combustion3, F::Decimal},
               {"Engine 4", Combustion4, F::Decimal}}),
        Group(core, "Fuel tanks",
              {{"Center", TankCenter, F::Fuel},
               {"Left", TankLeft, F::Fuel},
               {"Left aux", TankLeftAux, F::Fuel},
               {"Left tip", TankLeftTip, F::Fuel},
               {"Right", TankRight, F::Fuel},
               {"Right aux", TankRightAux, F::Fuel},
               {"Right tip", TankRightTip, F::Fuel},
               {"Center 2", TankCenter2, F::Fuel},
               {"Center 3", TankCenter3, F::Fuel},
               {"External 1", TankExternal1, F::Fuel},
               {"External 2", TankExternal2, F::Fuel}}),
        Group(core, "Slew and position",
              {{"Slew mode", SlewMode, F::Decimal},
               {"Latitude", Latitude, F::Latitude},
               {"Longitude", Longitude, F::Longitude},
               {"Altitude", Altitude, F::Altitude}})};

    return {autopilotAndSwitches, failuresAndControls, enginesFuelAndPosition};
}

}  // namespace wendox::standin
