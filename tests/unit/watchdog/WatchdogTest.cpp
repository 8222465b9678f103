// The watchdog wendoxhc: its start-up decision, its watch over the flight and
// over Wendox's window, and its move to the origin.
#include <gtest/gtest.h>

#include "standin/core/FlightModel.h"
#include "support/FakeCompanions.h"
#include "support/FakeLinkOs.h"
#include "support/SlewLog.h"
#include "watchdog/Watchdog.h"

namespace wendox::testing {
namespace {

using namespace watchdog;

class WatchdogTest : public ::testing::Test {
protected:
    WatchdogTest() {
        standin::StartFlight(server);
        companions.windows = {kWendoxCaption};
    }
    // One tick a second later; true while the watchdog goes on.
    bool Tick(WatchdogState& guard) {
        os.nowMs += 1000;
        return tmrTimer_Timer(guard, companions);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    FakeCompanions companions;
    WatchdogState w{os};
};

// The guard pauses a second before it looks for Wendox's window (its link
// pauses on its own as it opens); handing over pauses a second between the starts.
TEST_F(WatchdogTest, StartsAsTheGuardBesideWendoxOrHandsOverToWendoxAndAFreshWatchdog) {
    const struct { bool wendoxRunning; const char* failing; Role role; std::size_t pauses; std::string log; } cases[] = {
        {true, "", Role::Guard, 1, "?FS2002 Wendox"},
        {false, "", Role::HandedOver, 2, "?FS2002 Wendox start \\wendox.exe start \\wendoxhc.exe min"},
        {false, "\\wendox.exe", Role::HandedOver, 1,
         "?FS2002 Wendox start \\wendox.exe \"Problem starting Wendox in Hardcore Mode.\""},
        {false, "\\wendoxhc.exe", Role::HandedOver, 2,
         "?FS2002 Wendox start \\wendox.exe start \\wendoxhc.exe min \"Problem starting Wendox Hardcore Mode process.\""},
    };
    for (const auto& c : cases) {
        FakeLinkOs clock{server};
        WatchdogState copy{clock};
        FakeCompanions shell;
        if (c.wendoxRunning) shell.windows = {kWendoxCaption};
        shell.failingStarts = {c.failing};
        EXPECT_EQ(Form_Load(copy, shell), c.role);
        EXPECT_EQ(shell.log, c.log);
        clock.pauses.resize(c.role == Role::Guard ? 1 : clock.pauses.size());
        EXPECT_EQ(clock.pauses, std::vector<std::uint32_t>(c.pauses, 1000)) << c.log;
        EXPECT_EQ(copy.connected, c.role == Role::Guard);  // only the guard connects
        LinkClose(copy.link);
    }
}

// Airborne once is airborne for good; a tick that connects reads nothing; an
// exchange that fails counts as airborne. Only a simulator whose window is
// gone (closed, perhaps started again) is connected afresh, on the next
// tick, and the flight is still remembered.
TEST_F(WatchdogTest, TheGuardRemembersAnyFlightAndConnectsOnTheTickAfterTheSimulatorAppears) {
    os.serverRunning = false;
    standin::TakeOff(server);
    ASSERT_EQ(Form_Load(w, companions), Role::Guard);
    EXPECT_TRUE(Tick(w) && !w.connected);
    os.serverRunning = true;
    EXPECT_TRUE(Tick(w) && w.connected && !w.beenAirborne);  // the connecting tick read nothing

    for (const auto& [move, flown] : {std::pair{&standin::Land, false}, {&standin::TakeOff, true}, {&standin::Land, true}}) {
        move(server);
        Tick(w);
        EXPECT_EQ(w.beenAirborne, flown);
    }
    LinkClose(w.link);

    // No answer, a refused reply, the simulator closed and started again: the sends of one exchange, then the
    // tick is over, and whether the guard stays connected.
    const struct { std::uint32_t failedSends; std::uintptr_t answer; bool restarted; std::uint32_t sends; bool connected; }
        failures[] = {{41, 1, false, 41, true}, {0, 0, false, 1, true}, {0, 1, true, 41, false}};
    for (const auto& f : failures) {
        SCOPED_TRACE(::testing::Message() << f.answer << f.restarted);
        WatchdogState other{os};
        WatchdogConnect(other);  // on the ground
        os.failedSends = f.failedSends;
        server.SetMisbehaviour({.answer = f.answer});
        os.serverWindow += f.restarted;
        const std::uint32_t sends = os.sends;
        Tick(other);
        EXPECT_EQ(std::pair(os.sends - sends, other.connected), std::pair(f.sends, f.connected));
        server.SetMisbehaviour({});
        Tick(other);
        EXPECT_TRUE(other.connected && other.beenAirborne);
        LinkClose(other.link);
    }
}

// Wendox's window gone, or the watchdog's closed by hand: after a flight the
// aircraft is moved three times a second apart as the watchdog closes, in
// the simulator running then; without a flight it is not.
TEST_F(WatchdogTest, WendoxGoneEndsTheWatchWithTheMovesOnlyAfterAFlight) {
    enum Simulator { Running, Restarted, Absent };
    // Flown, the simulator after the flight, and closed by hand (no tick: the watchdog's window is closed).
    const struct { bool flown; Simulator simulator; bool byHand; } cases[] = {
        {false, Running, false}, {true, Running, false}, {true, Restarted, false},
        {true, Restarted, true}, {false, Absent, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.flown << c.simulator << c.byHand);
        os.serverRunning = c.simulator != Absent;
        WatchdogState guard{os};
        companions.windows = {kWendoxCaption};
        ASSERT_EQ(Form_Load(guard, companions), Role::Guard);
        if (c.flown) standin::TakeOff(server);
        EXPECT_TRUE(Tick(guard));
        standin::Land(server);
        if (c.simulator == Restarted) ++os.serverWindow;
        companions.windows.clear();
        server.ClearWrites();
        if (!c.byHand) EXPECT_FALSE(Tick(guard));  // also when never connected
        Form_QueryUnload(guard);
        const std::uint64_t t = os.nowMs - 2000;
        EXPECT_EQ(SlewLog(server),
                  c.flown ? MoveAt(t) + "\n" + MoveAt(t + 1000) + "\n" + MoveAt(t + 2000) : std::string{});
        LinkClose(guard.link);
    }
}

}  // namespace
}  // namespace wendox::testing
