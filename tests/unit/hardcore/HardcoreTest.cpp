// Hardcore Mode. Wendox's side: the watchdog started before Wendox runs and
// looked for in flight, and the move to the origin on every escape. The
// watchdog wendoxhc: its start-up decision, its watch over the flight and
// over Wendox's window, and its move to the origin.
#include <functional>

#include "engine/EngineFixture.h"
#include "hardcore/MainHardcore.h"
#include "hardcore/Slew.h"
#include "support/SlewLog.h"
#include "watchdog/Watchdog.h"

namespace wendox::testing {
namespace {

const std::string kMoves = kMoveWrites + " " + kMoveWrites + " " + kMoveWrites;  // three moves to the origin

class HardcoreTest : public EngineFixture {
protected:
    // Started with Hardcore Mode in force and the watchdog's window there;
    // closing the main window runs its hardcore step, as the real one does.
    void SetUp() override {
        StartUp();
        s().settings.hardcoreMode = true;
        view.onClose = [this] { Form_QueryUnload(s()); };
    }
};

// A simulator that leaves any of the nine exchanges unanswered through all
// the retries (timed out, or the send failing) is not waited for again: the
// moves end there. A reply that refuses the block is no reason to stop.
TEST_F(HardcoreTest, AnUnansweredExchangeGivesUpTheRestOfTheMoves) {
    // Sends answered before the simulator hangs, the send's error, the reply, sends and writes in all.
    const struct { std::uint32_t answered, error; std::uintptr_t reply; std::uint32_t sends; std::size_t writes; } cases[] = {
        {0, 0, 1, 41, 0}, {1, 0, 1, 42, 1}, {2, 5, 1, 43, 7}, {100, 0, 0, 9, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answered);
        os.hangAfterSends = os.sends + c.answered;
        os.sendError = c.error;
        server.SetMisbehaviour({.answer = c.reply});
        const std::uint32_t sends = os.sends;
        server.ClearWrites();
        SlewToOriginThreeTimes(s().link);
        EXPECT_EQ(std::pair(os.sends - sends, server.WriteCount()), std::pair(c.sends, c.writes));
    }
}

// The closing moves the aircraft only under the in-flight lock: Hardcore
// Mode in force for this run (even when not chosen for the next) and
// airborne. On the ground it clears the failures of every rule, silently,
// the flags written 0 in one exchange.
TEST_F(HardcoreTest, ClosingMovesTheAircraftUnderTheInFlightLockAndClearsTheFailuresOnTheGround) {
    const struct { bool setting, airborne; std::string log; std::uint32_t exchanges; int left; } cases[] = {
        {false, true, kMoves, 9, 6}, {true, false, "0B6B/1=0 0B65/1=0 refill", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.airborne);
        for (Id id : {kInstAirspeed, kEngine1Fail, kEngine3Fail, kApMaster, kRudder, kTankLeft}) Fail(id);
        s().settings.hardcoreSetting = c.setting;
        s().airborne = c.airborne;
        const std::uint32_t exchanges = server.ExchangeCount();
        Log();
        Form_QueryUnload(s());
        EXPECT_EQ(std::tuple(Log(), server.ExchangeCount() - exchanges, s().failed.count),
                  std::tuple(c.log, c.exchanges, c.left));
    }
}

// In flight the list hides and the watchdog is looked for each tick; on the
// ground, or in a tick that could not read the flight state, it is not.
// Once the watchdog is gone the main window closes, with the moves, and the
// tick ends there: no status, no failure applied.
TEST_F(HardcoreTest, InFlightTheListHidesAndAMissingWatchdogClosesWendoxWithTheMoves) {
    // A change, the ticks after it, and whether the list shows then, with the watchdog's lookups.
    const struct { std::function<void()> change; int ticks; const char* seen; } steps[] = {
        {[] {}, 1, "list "},
        {[&] { standin::TakeOff(server); }, 2, "hidden ?WendoxHC ?WendoxHC"},
        {[&] { server.SetMisbehaviour({.answer = 0}); }, 1, "hidden "},  // the read fails: lock and list stay
        {[&] { server.SetMisbehaviour({}); }, 2, "hidden ?WendoxHC"},    // reconnect, then a good read
        {[&] { standin::Land(server); }, 1, "list "},
        {[&] { standin::TakeOff(server); }, 1, "hidden ?WendoxHC"},
    };
    Fail(kApMaster);
    for (const auto& step : steps) {
        step.change();
        Ticks(step.ticks);
        EXPECT_EQ((view.listVisible ? "list " : "hidden ") + std::exchange(companions.log, {}), step.seen);
    }
    companions.windows.clear();
    Log();
    Ticks(1);
    EXPECT_EQ(std::pair(Log(), s().failed.count), std::pair(kMoves, 1));  // the failure kept throughout
}

// The watchdog's side, on the engine's simulator and windows: a guard beside Wendox, whose window is there
// unless a test closes it.
using namespace watchdog;

class WatchdogTest : public EngineFixture {
protected:
    WatchdogTest() { companions.windows = {kWendoxCaption}; }
    // One tick a second later; true while the watchdog goes on.
    bool Tick(WatchdogState& guard) {
        os.nowMs += 1000;
        return tmrTimer_Timer(guard, companions);
    }

    WatchdogState w{os};
};

// The guard pauses a second before it looks for Wendox's window, and
// connects at once (its link's 100 ms pause as it opens); handing over
// pauses a second between the starts.
TEST_F(WatchdogTest, StartsAsTheGuardBesideWendoxOrHandsOverToWendoxAndAFreshWatchdog) {
    const struct { const char* failing; Role role; std::vector<std::uint32_t> pauses; std::string log; } cases[] = {
        {"", Role::Guard, {1000, 100}, "?FS2002 Wendox"},
        {"", Role::HandedOver, {1000, 1000}, "?FS2002 Wendox start \\wendox.exe start \\wendoxhc.exe min"},
        {"\\wendox.exe", Role::HandedOver, {1000},
         "?FS2002 Wendox start \\wendox.exe \"Problem starting Wendox in Hardcore Mode.\""},
        {"\\wendoxhc.exe", Role::HandedOver, {1000, 1000},
         "?FS2002 Wendox start \\wendox.exe start \\wendoxhc.exe min \"Problem starting Wendox Hardcore Mode process.\""},
    };
    for (const auto& c : cases) {
        FakeLinkOs clock{server};
        WatchdogState copy{clock};
        FakeCompanions shell;
        if (c.role == Role::Guard) shell.windows = {kWendoxCaption};
        shell.failingStarts = {c.failing};
        EXPECT_EQ(Form_Load(copy, shell), c.role);
        EXPECT_EQ(std::pair(shell.log, clock.pauses), std::pair(c.log, c.pauses));
    }
}

// Airborne once is airborne for good; a tick that connects reads nothing; an
// exchange that fails counts as airborne. Only a simulator whose window is
// gone (closed, perhaps started again) is connected afresh, on the next
// tick, and the flight is still remembered.
TEST_F(WatchdogTest, TheGuardRemembersAnyFlightAndConnectsOnTheTickAfterTheSimulatorAppears) {
    os.serverRunning = false;
    standin::TakeOff(server);
    ASSERT_TRUE(Form_Load(w, companions) == Role::Guard && Tick(w) && !w.connected);
    os.serverRunning = true;
    EXPECT_TRUE(Tick(w) && w.connected && !w.beenAirborne);  // the connecting tick read nothing

    for (const auto move : {&standin::TakeOff, &standin::Land}) {  // airborne, and remembered after landing
        move(server);
        EXPECT_TRUE(Tick(w) && w.beenAirborne);
    }

    // No answer, a refused reply, the simulator closed and started again: the sends of one exchange, then the
    // tick is over, and whether the guard stays connected.
    const struct { std::uint32_t failedSends; std::uintptr_t answer; bool restarted; std::uint32_t sends; bool connected; }
        failures[] = {{41, 1, false, 41, true}, {0, 0, false, 1, true}, {0, 1, true, 41, false}};
    for (const auto& f : failures) {
        SCOPED_TRACE(::testing::Message() << f.answer << f.restarted);
        w.beenAirborne = false;  // connected, on the ground
        os.failedSends = f.failedSends;
        server.SetMisbehaviour({.answer = f.answer});
        os.serverWindow += f.restarted;
        const std::uint32_t sends = os.sends;
        Tick(w);
        EXPECT_EQ(std::pair(os.sends - sends, w.connected), std::pair(f.sends, f.connected));
        server.SetMisbehaviour({});
        Tick(w);
        EXPECT_TRUE(w.connected && w.beenAirborne);
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
        if (c.flown) standin::TakeOff(server);
        ASSERT_TRUE(Form_Load(guard, companions) == Role::Guard && Tick(guard));
        standin::Land(server);
        if (c.simulator == Restarted) ++os.serverWindow;
        companions.windows.clear();
        server.ClearWrites();
        EXPECT_TRUE(c.byHand || !Tick(guard));  // a tick ends the watch, also when never connected
        Form_QueryUnload(guard);
        const std::uint64_t t = os.nowMs - 2000;
        EXPECT_EQ(SlewLog(server),
                  c.flown ? MoveAt(t) + "\n" + MoveAt(t + 1000) + "\n" + MoveAt(t + 2000) : std::string{});
        LinkClose(guard.link);
    }
}

}  // namespace
}  // namespace wendox::testing
