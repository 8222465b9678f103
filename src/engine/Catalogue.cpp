#include "engine/Catalogue.h"

#include <initializer_list>

namespace wendox {

namespace {

using R = FailureRule;
namespace v = simvar;

struct Row {
    std::string_view name;
    SimVariable variable;
    std::int32_t failValue;
    FailureRule rule;
    std::int32_t engine;
};

struct SystemRows {
    std::string_view shortName;
    std::string_view caption;
    std::initializer_list<Row> rows;
};

SystemRecord MakeSystem(const SystemRows& table) {
    SystemRecord system;
    system.shortName = table.shortName;
    system.caption = table.caption;
    for (const Row& row : table.rows) {
        ComponentRecord& c = system.components[system.componentCount++];
        c.name = row.name;
        c.variable = row.variable;
        c.failValue = row.failValue;
        c.rule = row.rule;
        c.engine = row.engine;
    }
    return system;
}

}  // namespace

bool FailedList::Append(std::int32_t system, std::int32_t component) {
    if (count >= kCapacity) return false;
    entries[count++] = {system, component, std::nullopt};
    return true;
}

void FailedList::RemoveAt(int index) {
    for (int i = index; i + 1 < count; ++i) entries[i] = entries[i + 1];
    entries[--count] = {};
}

ComponentRecord* Catalogue::Find(std::int32_t system, std::int32_t component) {
    if (system < 1 || system > kSystemCount) return nullptr;
    SystemRecord& s = systems[system - 1];
    if (component < 1 || component > s.componentCount) return nullptr;
    return &s.components[component - 1];
}

const ComponentRecord* Catalogue::Find(std::int32_t system, std::int32_t component) const {
    return const_cast<Catalogue*>(this)->Find(system, component);
}

Catalogue BuildCatalogue() {
    Catalogue catalogue;
    catalogue.systems = {
        MakeSystem({"AP", " Autopilot",
                    {{"Airspeed", v::ApAirspeed, 0, R::HoldValue, 0},
                     {"Altitude", v::ApAltitude, 0, R::HoldValue, 0},
                     {"Approach", v::ApApproach, 0, R::HoldValue, 0},
                     {"Attitude", v::ApAttitude, 0, R::HoldValue, 0},
                     {"Autothrottle", v::ApAutothrottle, 0, R::HoldValue, 0},
                     {"Back Course", v::ApBackCourse, 0, R::HoldValue, 0},
                     {"Glideslope", v::ApGlideslope, 0, R::HoldValue, 0},
                     {"Heading", v::ApHeading, 0, R::HoldValue, 0},
                     {"Mach", v::ApMach, 0, R::HoldValue, 0},
                     {"Master", v::ApMaster, 0, R::HoldValue, 0},
                     {"Navigation", v::ApNavigation, 0, R::HoldValue, 0},
                     {"Vertical Speed", v::ApVerticalSpeed, 0, R::HoldValue, 0},
                     {"Wing Leveler", v::ApWingLeveler, 0, R::HoldValue, 0},
                     {"Yaw Damper", v::ApYawDamper, 0, R::HoldValue, 0}}}),
        MakeSystem({"Ctrl", " Control",
                    {{"Aileron", v::ControlDisconnect, v::kDisconnectAileron, R::DisconnectBit, 0},
                     {"Elevator", v::ControlDisconnect, v::kDisconnectElevator, R::DisconnectBit, 0},
                     {"Elevator Trim", v::ElevatorTrim, 0, R::HoldValue, 0},
                     {"Flaps", v::FlapsControl, 0, R::HoldValue, 0},
                     {"Landing Gear", v::GearControl, 0, R::HoldValue, 0},
                     {"Rudder", v::ControlDisconnect, v::kDisconnectRudder, R::DisconnectBit, 0},
                     {"Throttle", v::ControlDisconnect, v::kDisconnectThrottle, R::DisconnectBit, 0}}}),
        MakeSystem({"Elec", " Electrical",
                    {{"Battery", v::BatterySwitch, 0, R::HoldValue, 0},
                     {"Entire System", v::FailElectrical, 1, R::FailFlag, 0},
                     {"Alt/Gen (Engine 1)", v::Alternator1, 0, R::HoldValue, 1},
                     {"Alt/Gen (Engine 2)", v::Alternator2, 0, R::HoldValue, 2},
                     {"Alt/Gen (Engine 3)", v::Alternator3, 0, R::HoldValue, 3},
                     {"Alt/Gen (Engine 4)", v::Alternator4, 0, R::HoldValue, 4},
                     {"Master Avionics", v::AvionicsMaster, 0, R::HoldValue, 0}}}),
        MakeSystem({"Eng", " Engine",
                    {{"Engine 1 (Fail)", v::FailEngines, 1, R::FailFlag, 1},
                     {"Engine 1 (Stall)", v::Combustion1, 0, R::EngineStall, 1},
                     {"Engine 2 (Fail)", v::FailEngines, 1, R::FailFlag, 2},
                     {"Engine 2 (Stall)", v::Combustion2, 0, R::EngineStall, 2},
                     {"Engine 3 (Fail)", v::FailEngines, 1, R::FailFlag, 3},
                     {"Engine 3 (Stall)", v::Combustion3, 0, R::EngineStall, 3},
                     {"Engine 4 (Fail)", v::FailEngines, 1, R::FailFlag, 4},
                     {"Engine 4 (Stall)", v::Combustion4, 0, R::EngineStall, 4}}}),
        MakeSystem({"Fuel", " Fuel",
                    {{"Pump(s)", v::FuelPump, 0, R::HoldValue, 0},
                     {"Tank Center (Leak)", v::TankCenter, 0, R::TankLeak, 0},
                     {"Tank Left (Leak)", v::TankLeft, 0, R::TankLeak, 0},
                     {"Tank Left Aux (Leak)", v::TankLeftAux, 0, R::TankLeak, 0},
                     {"Tank Left Tip (Leak)", v::TankLeftTip, 0, R::TankLeak, 0},
                     {"Tank Right (Leak)", v::TankRight, 0, R::TankLeak, 0},
                     {"Tank Right Aux (Leak)", v::TankRightAux, 0, R::TankLeak, 0},
                     {"Tank Right Tip (Leak)", v::TankRightTip, 0, R::TankLeak, 0},
                     {"Tank Center 2 (Leak)", v::TankCenter2, 0, R::TankLeak, 0},
                     {"Tank Center 3 (Leak)", v::TankCenter3, 0, R::TankLeak, 0},
                     {"Tank External 1 (Leak)", v::TankExternal1, 0, R::TankLeak, 0},
                     {"Tank External 2 (Leak)", v::TankExternal2, 0, R::TankLeak, 0}}}),
        MakeSystem({"Inst", " Instrument",
                    {{"Airspeed", v::FailAirspeed, 1, R::FailFlag, 0},
                     {"Altimiter", v::FailAltimeter, 1, R::FailFlag, 0},
                     {"Attitude", v::FailAttitude, 1, R::FailFlag, 0},
                     {"Fuel", v::FailFuelGauge, 1, R::FailFlag, 0},
                     {"Heading", v::FailHeading, 1, R::FailFlag, 0},
                     {"Magnetic Compass", v::FailCompass, 1, R::FailFlag, 0},
                     {"Pitot Static", v::FailPitotStatic, 1, R::FailFlag, 0},
                     {"Turn Coordinator", v::FailTurnCoordinator, 1, R::FailFlag, 0},
                     {"Vacuum", v::FailVacuum, 1, R::FailFlag, 0},
                     {"Vertical Speed", v::FailVerticalSpeed, 1, R::FailFlag, 0}}}),
        MakeSystem({"Radio", " Radio",
                    {{"ADF", v::FailAdf, 1, R::FailFlag, 0},
                     {"COM", v::FailCom, 1, R::FailFlag, 0},
                     {"NAV", v::FailNav, 1, R::FailFlag, 0},
                     {"Transponder", v::FailTransponder, 1, R::FailFlag, 0}}}),
    };
    return catalogue;
}

}  // namespace wendox
