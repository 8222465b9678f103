#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

// Every component in catalogue order: its system and number, how the status
// lists it, the write that fails it (offset/size=value), its failure rule and
// its engine.
struct Row {
    int system, component;
    std::string shown, write;
    int rule, engine;
};
const Row kRows[] = {
    {1, 1, "AP(Airspeed)", "07DC/4=0", 2, 0},
    {1, 2, "AP(Altitude)", "07D0/4=0", 2, 0},
    {1, 3, "AP(Approach)", "0800/4=0", 2, 0},
    {1, 4, "AP(Attitude)", "07D8/4=0", 2, 0},
    {1, 5, "AP(Autothrottle)", "0810/4=0", 2, 0},
    {1, 6, "AP(Back Course)", "0804/4=0", 2, 0},
    {1, 7, "AP(Glideslope)", "07FC/4=0", 2, 0},
    {1, 8, "AP(Heading)", "07C8/4=0", 2, 0},
    {1, 9, "AP(Mach)", "07E4/4=0", 2, 0},
    {1, 10, "AP(Master)", "07BC/4=0", 2, 0},
    {1, 11, "AP(Navigation)", "07C4/4=0", 2, 0},
    {1, 12, "AP(Vertical Speed)", "07EC/4=0", 2, 0},
    {1, 13, "AP(Wing Leveler)", "07C0/4=0", 2, 0},
    {1, 14, "AP(Yaw Damper)", "0808/4=0", 2, 0},
    {2, 1, "Ctrl(Aileron)", "310A/1=2", 1, 0},
    {2, 2, "Ctrl(Elevator)", "310A/1=1", 1, 0},
    {2, 3, "Ctrl(Elevator Trim)", "0BC0/2=0", 2, 0},
    {2, 4, "Ctrl(Flaps)", "0BDC/4=0", 2, 0},
    {2, 5, "Ctrl(Landing Gear)", "0BE8/4=0", 2, 0},
    {2, 6, "Ctrl(Rudder)", "310A/1=4", 1, 0},
    {2, 7, "Ctrl(Throttle)", "310A/1=8", 1, 0},
    {3, 1, "Elec(Battery)", "3102/1=0", 2, 0},
    {3, 2, "Elec(Entire System)", "0B6A/1=1", 3, 0},
    {3, 3, "Elec(Alt/Gen (Engine 1))", "3B78/4=0", 2, 1},
    {3, 4, "Elec(Alt/Gen (Engine 2))", "3AB8/4=0", 2, 2},
    {3, 5, "Elec(Alt/Gen (Engine 3))", "39F8/4=0", 2, 3},
    {3, 6, "Elec(Alt/Gen (Engine 4))", "3938/4=0", 2, 4},
    {3, 7, "Elec(Master Avionics)", "3103/1=0", 2, 0},
    {4, 1, "Eng(Engine 1 (Fail))", "0B6B/1=1", 3, 1},
    {4, 2, "Eng(Engine 1 (Stall))", "0890/2=0", 5, 1},
    {4, 3, "Eng(Engine 2 (Fail))", "0B6B/1=2", 3, 2},
    {4, 4, "Eng(Engine 2 (Stall))", "0928/2=0", 5, 2},
    {4, 5, "Eng(Engine 3 (Fail))", "0B6B/1=4", 3, 3},
    {4, 6, "Eng(Engine 3 (Stall))", "09C0/2=0", 5, 3},
    {4, 7, "Eng(Engine 4 (Fail))", "0B6B/1=8", 3, 4},
    {4, 8, "Eng(Engine 4 (Stall))", "0A58/2=0", 5, 4},
    {5, 1, "Fuel(Pump(s))", "3104/1=0", 2, 0},
    {5, 2, "Fuel(Tank Center (Leak))", "0B74/4=0", 4, 0},
    {5, 3, "Fuel(Tank Left (Leak))", "0B7C/4=0", 4, 0},
    {5, 4, "Fuel(Tank Left Aux (Leak))", "0B84/4=0", 4, 0},
    {5, 5, "Fuel(Tank Left Tip (Leak))", "0B8C/4=0", 4, 0},
    {5, 6, "Fuel(Tank Right (Leak))", "0B94/4=0", 4, 0},
    {5, 7, "Fuel(Tank Right Aux (Leak))", "0B9C/4=0", 4, 0},
    {5, 8, "Fuel(Tank Right Tip (Leak))", "0BA4/4=0", 4, 0},
    {5, 9, "Fuel(Tank Center 2 (Leak))", "1244/4=0", 4, 0},
    {5, 10, "Fuel(Tank Center 3 (Leak))", "124C/4=0", 4, 0},
    {5, 11, "Fuel(Tank External 1 (Leak))", "1254/4=0", 4, 0},
    {5, 12, "Fuel(Tank External 2 (Leak))", "125C/4=0", 4, 0},
    {6, 1, "Inst(Airspeed)", "0B65/1=1", 3, 0},
    {6, 2, "Inst(Altimiter)", "0B66/1=1", 3, 0},
    {6, 3, "Inst(Attitude)", "0B67/1=1", 3, 0},
    {6, 4, "Inst(Fuel)", "0B6C/1=1", 3, 0},
    {6, 5, "Inst(Heading)", "0B6D/1=1", 3, 0},
    {6, 6, "Inst(Magnetic Compass)", "0B69/1=1", 3, 0},
    {6, 7, "Inst(Pitot Static)", "0B71/1=1", 3, 0},
    {6, 8, "Inst(Turn Coordinator)", "0B72/1=1", 3, 0},
    {6, 9, "Inst(Vacuum)", "0B73/1=1", 3, 0},
    {6, 10, "Inst(Vertical Speed)", "0B6E/1=1", 3, 0},
    {7, 1, "Radio(ADF)", "0B64/1=1", 3, 0},
    {7, 2, "Radio(COM)", "0B68/1=1", 3, 0},
    {7, 3, "Radio(NAV)", "0B70/1=1", 3, 0},
    {7, 4, "Radio(Transponder)", "0B6F/1=1", 3, 0},
};

// What the server receives under each rule on the tick that fails the
// component | on the next | on clearing it and the tick after: w the row's
// write, z the same variable written 0. A leak's first tick only draws its
// amount, and the tank (below any amount) is then written empty.
std::string Expected(const Row& row) {
    const std::string w = row.write, z = w.substr(0, w.find('=')) + "=0";
    const std::string patterns[] = {"", w + " | " + w + " |", w + " | " + w + " |", w + " | " + w + " | " + z,
                                    "| " + w + " |", w + " | |"};
    return patterns[row.rule];
}

using CatalogueTableTest = EngineFixture;

// Each component alone, failed by the roll on an aircraft with its engine and
// not on one without it (engine n's components on n - 1 engines), then
// cleared.
TEST_F(CatalogueTableTest, EachComponentFailsAloneByItsOwnWriteAndRuleAndOnlyWithItsEngine) {
    StartUp();
    state.settings.displayFailures = true;
    view.log = nullptr;  // the server's writes only
    server.SetValue({0x0366, 2}, 0);  // airborne with the gear up
    server.SetValue({0x0BE8, 4}, 0);
    for (const SimVariable& tank : simvar::kTanks) server.SetValue(tank, 4999);  // below any leak amount
    for (const Row& row : kRows) {
        ComponentRecord& c = C({row.system, row.component});
        c.reliability = c.periodHours = 0;  // tested, and failing, on every roll
        ScheduleAllPeriods(state);
        Log();
        for (int engines = row.engine > 0 ? row.engine - 1 : 0; engines <= row.engine; ++engines) {
            server.SetValue({0x0AEC, 2}, engines);
            state.rollTickCounter = 9;  // the next tick rolls
            Ticks(1);
        }
        EXPECT_EQ(state.lastStatusText, "Operational.  1 failures... " + row.shown);
        LogEvent(&log, "|");
        Ticks(1);
        LogEvent(&log, "|");
        ClearFailure(state, row.system, row.component);
        Ticks(1);
        EXPECT_EQ(Log(), Expected(row)) << row.shown;
        c.reliability = 100;
    }
}

}  // namespace
}  // namespace wendox::testing
