// Hardcore Mode for real: wendox.exe and wendoxhc.exe through wine, finding
// and starting each other, beside the stand-in simulator. Each scenario
// starts from a clean program folder with "HARDCOREMODE=YES". The rules of
// the lock and of the moves are the native tests'; these need two programs.
#include "WendoxFixture.h"
#include "hardcore/Companions.h"
#include "support/SlewLog.h"

namespace wendox::testing {
namespace {

class HardcoreEndToEnd : public WendoxFixture {
protected:
    HardcoreEndToEnd() { std::ofstream(folder.Path("Wendox.ini"), std::ios::binary) << "HARDCOREMODE=YES\r\n"; }
    // Wendox and watchdogs started by the programs themselves are not the
    // test's children: whatever is left is ended here.
    ~HardcoreEndToEnd() override {
        for (const char* caption : {kWendoxCaption, kWatchdogCaption})
            for (HWND window : FindWindows(0, kProgramWindowClass, caption)) EndProcessOf(window);
    }

    // Starts `program` by hand; it hands over and ends. True once Wendox and
    // the guarding watchdog (the only copy that shows its window) show,
    // whichever processes they are.
    bool StartThePair(const char* program) {
        RunningProgram first(folder.Path(program), {});
        EXPECT_EQ(first.WaitForExit(10000), 0u) << program << " did not end after handing over";
        main = Await(kProgramWindowClass, kWendoxCaption, 20000);
        guard = Await(kProgramWindowClass, kWatchdogCaption, 20000);
        return main != nullptr && guard != nullptr;
    }
    void TakeOffUnderTheLock() {
        standin::TakeOff(server);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(Control(ui::kIdComponents)); }, 5000));
        Sleep(1500);  // a tick of the watchdog in flight
        server.ClearWrites();
    }
    std::size_t Moves() const { return server.WritesTo(simvar::SlewMode).size() / 2; }  // on, then off
    // Exactly three whole moves, each a second after the one before.
    void ExpectThreeMovesASecondApart() const {
        const auto slew = server.WritesTo(simvar::SlewMode);  // on, then off, each move
        ASSERT_EQ(slew.size(), 6u) << SlewLog(server);
        EXPECT_EQ(SlewLog(server), MoveAt(slew[0].timeMs) + "\n" + MoveAt(slew[2].timeMs) + "\n" + MoveAt(slew[4].timeMs));
        for (int i : {2, 4}) EXPECT_EQ((slew[i].timeMs - slew[i - 2].timeMs) / 500, 2u) << "not 1000 to 1499 ms apart";
    }

    HWND guard = nullptr;
};

// Started from wendox.exe, the pair comes up once each, the guard minimized.
// In flight the list hides behind the notice. The simulator closed and
// started again under the pair: Wendox killed in flight, the watchdog moves
// the aircraft in the new one and ends.
TEST_F(HardcoreEndToEnd, AfterASimulatorRestartKillingWendoxInFlightMovesTheAircraftInTheNewSimulator) {
    ASSERT_TRUE(StartThePair("wendox.exe"));
    Sleep(2500);  // copies still handing over would show by now
    EXPECT_EQ(FindWindows(0, kProgramWindowClass, kWendoxCaption).size(), 1u);
    EXPECT_EQ(FindWindows(0, kProgramWindowClass, kWatchdogCaption).size(), 1u);
    EXPECT_TRUE(IsIconic(guard));
    const std::string onHold = "On hold (not airborne). Hardcore Mode.";
    ASSERT_TRUE(WaitForStatus(onHold)) << Status();

    simulator.reset();
    ASSERT_TRUE(WaitUntil([&] { return Status() != onHold; }, 10000));  // Wendox lost the link too
    StartSimulator();
    TakeOffUnderTheLock();
    EXPECT_TRUE(IsWindowVisible(Control(ui::kIdNoticeFirst)));
    EndProcessOf(main);
    ASSERT_TRUE(WaitUntil([&] { return Moves() >= 3; }, 15000)) << SlewLog(server);
    EXPECT_TRUE(WaitGone(guard));
    ExpectThreeMovesASecondApart();
}

// Started by hand, the watchdog hands over to Wendox and a guard. The guard
// ended in flight: Wendox closes itself, moving the aircraft three times
// before it saves the settings.
TEST_F(HardcoreEndToEnd, TheWatchdogStartedByHandAndEndedInFlightMakesWendoxCloseItselfWithTheMoves) {
    ASSERT_TRUE(StartThePair("wendoxhc.exe"));
    TakeOffUnderTheLock();
    const std::string settingsFile = folder.Path("Wendox.ini");
    DeleteFileA(settingsFile.c_str());
    EndProcessOf(guard);
    std::size_t movesWhenSaved = 0;
    EXPECT_TRUE(WaitUntil([&] {
        movesWhenSaved = Moves();
        return GetFileAttributesA(settingsFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    }, 10000));
    EXPECT_EQ(movesWhenSaved, 3u);
    EXPECT_TRUE(WaitGone(main));
    ExpectThreeMovesASecondApart();
}

// The way the help gives to end a session after a flight and keep the
// aircraft where it is: the simulator closed first, then Wendox. The
// watchdog finds no simulator for its moves and ends without a write.
TEST_F(HardcoreEndToEnd, ClosingTheSimulatorFirstEndsTheSessionAfterAFlightWithoutAMove) {
    ASSERT_TRUE(StartThePair("wendox.exe"));
    TakeOffUnderTheLock();
    standin::Land(server);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(ui::kIdComponents)) != FALSE; }, 5000));
    simulator.reset();
    ASSERT_TRUE(WaitForStatus("FSUIPC - No connection to Flight Simulator. Hardcore Mode.", 15000)) << Status();
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(main));
    EXPECT_TRUE(WaitGone(guard, 20000));
    StartSimulator();
    Sleep(2000);  // a move still on its way would reach the simulator now
    EXPECT_EQ(SlewLog(server), "");
}

}  // namespace
}  // namespace wendox::testing
