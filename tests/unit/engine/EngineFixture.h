// The engine against the stand-in server's core, with a scripted desktop and
// window; a tick is a call, and the server's clock moves a second per tick.
#pragma once

#include <gtest/gtest.h>

#include "engine/Failures.h"
#include "monitor/FlightMonitor.h"
#include "standin/core/FlightModel.h"
#include "support/FakeCompanions.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"
#include "support/FakeWatchdog.h"

namespace wendox::testing {

// Catalogue positions used below.
struct Id {
    int system, component;
};
inline constexpr Id kLandingGear{2, 5}, kAileron{2, 1}, kRudder{2, 6}, kFlaps{2, 4}, kApMaster{1, 10};
inline constexpr Id kEngine1Fail{4, 1}, kEngine2Stall{4, 4}, kEngine3Fail{4, 5}, kAltGen3{3, 5}, kTankLeft{5, 3};
inline constexpr Id kTankCenter{5, 2}, kInstAirspeed{6, 1}, kTransponder{7, 4};

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        standin::StartFlight(server);
        state.companions = &companions;
        companions.windows = {kWatchdogCaption};  // the watchdog runs
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
    // Writes the server recorded to a variable since the last call.
    std::vector<std::uint64_t> NewWrites(SimVariable variable) {
        std::vector<std::uint64_t> values;
        for (const auto& w : server.WritesTo(variable)) values.push_back(w.Value());
        server.ClearWrites();
        return values;
    }
    const std::string& Status() const { return state.lastStatusText; }

    standin::ServerCore server;
    FakeLinkOs os{server};
    FakeDesktop desktop;
    FakeView view;
    FakeWatchdog watchdog;
    FakeCompanions companions;
    EngineState state{os, desktop, view};
};

}  // namespace wendox::testing
