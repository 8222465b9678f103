// The engine against the stand-in server's core, with a scripted desktop and
// window that all write to one event log; a tick is a call, and the server's
// clock moves a second per tick.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "config/Keyboard.h"
#include "engine/Failures.h"
#include "engine/Schedule.h"
#include "monitor/FlightMonitor.h"
#include "standin/core/FlightModel.h"
#include "support/FakeCompanions.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"
#include "support/FakeWatchdog.h"

namespace wendox::testing {

// Catalogue positions used below.
struct Id { int system, component; };
inline constexpr Id kApMaster{1, 10}, kAileron{2, 1}, kElevator{2, 2}, kFlaps{2, 4}, kLandingGear{2, 5}, kRudder{2, 6};
inline constexpr Id kThrottle{2, 7}, kEngine1Fail{4, 1}, kEngine2Fail{4, 3}, kEngine2Stall{4, 4}, kEngine3Fail{4, 5};
inline constexpr Id kEngine4Fail{4, 7}, kTankCenter{5, 2}, kTankLeft{5, 3}, kInstAirspeed{6, 1}, kTransponder{7, 4};

class EngineFixture : public ::testing::Test, public Keyboard {
protected:
    EngineFixture() {
        standin::StartFlight(server);
        state.companions = &companions;
        state.keyboard = this;
        companions.windows = {kWatchdogCaption};  // the watchdog runs
        os.log = desktop.log = view.log = &log;
    }

    EngineState& s() { return state; }
    ComponentRecord& C(Id id) { return *state.catalogue.Find(id.system, id.component); }
    bool Fail(Id id) { return AddFailure(state, id.system, id.component); }

    bool StartUp() { return wendox::StartUp(state, watchdog); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            os.nowMs += 1000;
            Tick(state);
        }
    }
    // The events since the last call.
    std::string Log() { return std::exchange(log, {}); }
    // The keys the test holds (a key not named is up); every key asked about is remembered.
    std::uint16_t KeyState(int key) override { return queries.push_back(key), keys.contains(key) ? keys[key] : 0; }

    std::map<int, std::uint16_t> keys;
    std::vector<int> queries;

    std::string log;
    standin::ServerCore server;
    FakeLinkOs os{server};
    FakeDesktop desktop;
    FakeView view;
    FakeWatchdog watchdog;
    FakeCompanions companions;
    EngineState state{os, desktop, view};
};

}  // namespace wendox::testing
