// Wendox's side of Hardcore Mode: the watchdog started before Wendox runs
// and looked for in flight, and the move to the origin on every escape.
#include "engine/EngineFixture.h"
#include "hardcore/MainHardcore.h"
#include "hardcore/Slew.h"
#include "support/SlewLog.h"

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

// The link's calls, passed on to `os`, but the simulator stops answering
// after `answered` sends.
struct HangsAfter final : LinkOs {
    FakeLinkOs& os;
    std::uint32_t answered;
    HangsAfter(FakeLinkOs& fake, std::uint32_t count) : os(fake), answered(count) {}
    OsHandle FindTopLevelWindow(const char* name) override { return os.FindTopLevelWindow(name); }
    bool WindowExists(OsHandle window) override { return os.WindowExists(window); }
    std::uint32_t RegisterMessage(const char* name) override { return os.RegisterMessage(name); }
    std::uint32_t CurrentProcessId() override { return os.CurrentProcessId(); }
    std::uint16_t AddGlobalAtom(const char* name) override { return os.AddGlobalAtom(name); }
    void DeleteGlobalAtom(std::uint16_t atom) override { os.DeleteGlobalAtom(atom); }
    OsHandle CreateMapping(const char* name, std::uint32_t size) override { return os.CreateMapping(name, size); }
    std::uint8_t* MapView(OsHandle mapping) override { return os.MapView(mapping); }
    void UnmapView(std::uint8_t* view) override { os.UnmapView(view); }
    void CloseHandle(OsHandle handle) override { os.CloseHandle(handle); }
    std::uint32_t LastError() override { return os.LastError(); }
    void Sleep(std::uint32_t ms) override { os.Sleep(ms); }
    bool SendMessageTimed(OsHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp, std::uint32_t f,
                          std::uint32_t ms, std::uintptr_t& result) override {
        if (os.sends >= answered && os.failedSends == 0) os.failedSends = 1000;
        return os.SendMessageTimed(w, m, wp, lp, f, ms, result);
    }
};

// A simulator that leaves any of the nine exchanges unanswered through all
// the retries (timed out, or the send failing) is not waited for again: the
// moves end there. A reply that refuses the block is no reason to stop.
TEST_F(HardcoreTest, AnUnansweredExchangeGivesUpTheRestOfTheMoves) {
    // Sends answered before the simulator hangs, the send's error, the reply, sends and writes in all.
    const struct { std::uint32_t answered, error; std::uintptr_t reply; std::uint32_t sends; std::size_t writes; } cases[] = {
        {0, 0, 1, 41, 0}, {1, 0, 1, 42, 1}, {2, 5, 1, 43, 7}, {3, 0, 1, 44, 8}, {8, 0, 1, 49, 23}, {100, 0, 0, 9, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answered);
        HangsAfter hangs(os, os.sends + c.answered);
        s().link.os = &hangs;
        os.sendError = c.error;
        server.SetMisbehaviour({.answer = c.reply});
        const std::uint32_t sends = os.sends;
        server.ClearWrites();
        SlewToOriginThreeTimes(s().link);
        EXPECT_EQ(std::pair(os.sends - sends, server.WriteCount()), std::pair(c.sends, c.writes));
        os.failedSends = 0;
        s().link.os = &os;
    }
}

// The closing moves the aircraft only under the in-flight lock: Hardcore
// Mode in force for this run (not merely chosen for the next) and airborne.
// Otherwise it clears the failures of every rule, silently, the flags
// written 0 in one exchange; without a link nothing is sent.
TEST_F(HardcoreTest, ClosingMovesTheAircraftUnderTheInFlightLockAndClearsTheFailuresOtherwise) {
    const struct { bool mode, setting, airborne, linked; std::uint32_t exchanges; int left; std::string log; } cases[] = {
        {true, true, true, true, 9, 6, kMoves}, {true, false, true, true, 9, 6, kMoves},
        {true, true, false, true, 1, 0, "0B6B/1=0 0B65/1=0 refill"}, {false, true, true, true, 1, 0, "0B6B/1=0 0B65/1=0 refill"},
        {false, false, false, false, 0, 0, "refill"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.mode << c.setting << c.airborne << c.linked);
        for (Id id : {kInstAirspeed, kEngine1Fail, kEngine3Fail, kApMaster, kRudder, kTankLeft}) Fail(id);
        ApplyFailures(s());
        s().settings.hardcoreMode = c.mode;
        s().settings.hardcoreSetting = c.setting;
        s().airborne = c.airborne;
        if (!c.linked) LinkClose(s().link);
        const std::uint32_t exchanges = server.ExchangeCount();
        Log();
        Form_QueryUnload(s());
        EXPECT_EQ(Log(), c.log);
        EXPECT_EQ(server.ExchangeCount() - exchanges, c.exchanges);
        EXPECT_EQ(s().failed.count, c.left);
    }
}

TEST_F(HardcoreTest, StartingEndsThisRunUnlessTheWatchdogRunsAlready) {
    const struct { bool running, startFails, ends; std::string log; } cases[] = {
        {true, false, false, "?WendoxHC"},
        {false, false, true, "?WendoxHC start \\wendoxhc.exe min"},
        {false, true, true, "?WendoxHC start \\wendoxhc.exe min \"Problem starting Wendox Hardcore Mode process (1).\""},
    };
    for (const auto& c : cases) {
        FakeCompanions shell;
        if (c.running) shell.windows = {kWatchdogCaption};
        if (c.startFails) shell.failingStarts = {"\\wendoxhc.exe"};
        EXPECT_EQ(ShellWatchdogStarter(shell).StartWatchdog(), c.ends);
        EXPECT_EQ(shell.log, c.log);
    }
}

// In flight the list hides and the watchdog is looked for each tick; on the
// ground, or in a tick that could not read the flight state, it is not.
// Once the watchdog is gone the main window closes, with the moves (three
// exchanges each, a second apart, no pause after the last), and the tick
// ends there: no status, no failure applied.
TEST_F(HardcoreTest, InFlightTheListHidesAndAMissingWatchdogClosesWendoxWithTheMoves) {
    // Whether the list shows, and the watchdog's lookups since the last call.
    const auto seen = [&] { return (view.listVisible ? "list " : "hidden ") + std::exchange(companions.log, {}); };
    Ticks(1);
    EXPECT_EQ(seen(), "list ");
    standin::TakeOff(server);
    Fail(kApMaster);
    Ticks(2);
    EXPECT_EQ(seen(), "hidden ?WendoxHC ?WendoxHC");
    server.SetMisbehaviour({.answer = 0});  // the read fails: the lock, the list and the failure stay
    Ticks(1);
    EXPECT_EQ(seen() + std::to_string(s().failed.count), "hidden 1");
    server.SetMisbehaviour({});
    Ticks(2);  // reconnect, then a good read
    EXPECT_EQ(seen(), "hidden ?WendoxHC");
    standin::Land(server);
    Ticks(1);
    EXPECT_EQ(seen(), "list ");

    standin::TakeOff(server);
    Ticks(1);
    companions.windows.clear();
    server.ClearWrites();
    Log();
    const std::uint64_t t = os.nowMs + 1000;
    Ticks(1);
    EXPECT_EQ(SlewLog(server), MoveAt(t) + "\n" + MoveAt(t + 1000) + "\n" + MoveAt(t + 2000));
    EXPECT_EQ(Log(), kMoves);
}

}  // namespace
}  // namespace wendox::testing
