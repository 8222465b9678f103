// Hardcore Mode for real: wendox.exe and wendoxhc.exe through wine, finding
// and starting each other, beside the stand-in simulator. Each scenario
// starts from a clean program folder with "HARDCOREMODE=YES".
#include <cstdio>

#include "WendoxFixture.h"
#include "hardcore/Companions.h"
#include "support/SlewLog.h"

namespace wendox::testing {
namespace {

constexpr int kWholePercentZero = 100;

std::vector<HWND> WindowsCaptioned(const char* caption) {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kProgramWindowClass, caption)) != nullptr;) found.push_back(w);
    return found;
}

void EndProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) return;
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

class HardcoreEndToEnd : public WendoxFixture {
protected:
    HardcoreEndToEnd() { WriteSettings("HARDCOREMODE=YES\r\n"); }
    // Wendox and watchdogs started by the programs themselves are not the
    // test's children: whatever is left is ended here.
    ~HardcoreEndToEnd() override {
        for (const char* caption : {kWendoxCaption, kWatchdogCaption})
            for (HWND window : WindowsCaptioned(caption)) EndProcessOf(window);
    }
    void WriteSettings(const std::string& text) {
        std::ofstream(folder.Path("Wendox.ini"), std::ios::binary) << text;
    }

    // Starts `program` by hand; it hands over and ends. Waits for Wendox and
    // the guarding watchdog (the only copy that shows its window) and
    // returns how long that took, in ms; 0 when they did not come.
    ULONGLONG StartAndAwaitTheGuard(const char* program) {
        const ULONGLONG started = GetTickCount64();
        RunningProgram first(folder.Path(program), {});
        EXPECT_EQ(first.WaitForExit(10000), 0u) << program << " did not end after handing over";
        const bool up = WaitUntil(
            [&] {
                main = FindWindowA(kProgramWindowClass, kWendoxCaption);
                guard = FindWindowA(kProgramWindowClass, kWatchdogCaption);
                return main != nullptr && IsWindowVisible(main) && guard != nullptr && IsWindowVisible(guard);
            },
            kStartTimeoutMs);
        if (!up) return 0;
        GetWindowThreadProcessId(main, &wendoxProcess);
        return GetTickCount64() - started;
    }
    bool ListShown() const { return IsWindowVisible(Control(ui::kIdComponents)) != FALSE; }
    bool AwaitList(bool shown) const { return WaitUntil([&] { return ListShown() == shown; }, 5000); }
    // The slew-mode writes that turned it on: one per move.
    std::vector<std::uint64_t> MoveTimes() const {
        std::vector<std::uint64_t> times;
        for (const auto& w : server.WritesTo(simvar::SlewMode))
            if (w.Value() == 1) times.push_back(w.timeMs);
        return times;
    }
    bool AwaitMoves(std::size_t count, DWORD timeoutMs = 10000) const {
        return WaitUntil([&] { return MoveTimes().size() >= count; }, timeoutMs);
    }
    // Exactly three whole moves, each a second after the one before.
    void ExpectThreeMovesASecondApart() const {
        const auto t = MoveTimes();
        ASSERT_EQ(t.size(), 3u) << SlewLog(server);
        EXPECT_EQ(SlewLog(server), MoveAt(t[0]) + "\n" + MoveAt(t[1]) + "\n" + MoveAt(t[2]));
        for (int i = 1; i < 3; ++i) {
            EXPECT_GE(t[i] - t[i - 1], 1000u);
            EXPECT_LT(t[i] - t[i - 1], 1500u);
        }
        const standin::Position at = standin::AircraftPosition(server);
        EXPECT_EQ(std::tie(at.latitudeDegrees, at.longitudeDegrees, at.altitudeMetres),
                  std::make_tuple(0.0, 0.0, 0.0));
    }
    void TakeOffUnderTheLock() {
        standin::TakeOff(server);
        ASSERT_TRUE(AwaitList(false));
        Sleep(1500);  // a tick of the watchdog in flight
    }

    HWND guard = nullptr;
};

TEST_F(HardcoreEndToEnd, InFlightNothingIsUndoneAndKillingWendoxMovesTheAircraftToTheOrigin) {
    WriteSettings("CLEAR_HK=67\r\nCLEAR_HKCS=1\r\nACTIVE_HK=65\r\nACTIVE_HKCS=1\r\nHARDCOREMODE=YES\r\n");
    server.SetValue(simvar::ApAirspeed, 1);
    StartSimulator();
    const ULONGLONG handOver = StartAndAwaitTheGuard("wendox.exe");
    ASSERT_NE(handOver, 0u);
    std::printf("hand-over: %llu ms from starting wendox.exe to the guard's window\n", handOver);
    Sleep(2500);  // copies still handing over would show by now
    EXPECT_EQ(WindowsCaptioned(kWendoxCaption).size(), 1u);
    EXPECT_EQ(WindowsCaptioned(kWatchdogCaption).size(), 1u);
    EXPECT_TRUE(IsIconic(guard));
    EXPECT_TRUE(WaitForStatus("On hold (not airborne). Hardcore Mode.")) << Status();

    // On the ground everything works: a failure for the test.
    ASSERT_TRUE(BringForward(main));
    HWND dialog = OpenComponentDialog();
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, ui::kIdTest));
    ASSERT_TRUE(WaitUntil([&] { return server.Value(simvar::ApAirspeed) == 0 && Cell(0, 3) == "Yes"; }, 5000));

    // A dialog opened on the ground and accepted after take-off changes nothing.
    ASSERT_TRUE(BringForward(main));
    Click(Control(ui::kIdSetAll));
    dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, nullptr);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, ui::kIdRelLeft, kWholePercentZero);
    standin::TakeOff(server);
    ASSERT_TRUE(AwaitList(false));
    ASSERT_TRUE(BringForward(dialog));
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Cell(0, 1), "100%");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(ui::kIdNoticeFirst)); }, 1000));
    EXPECT_EQ(ItemText(main, ui::kIdNoticeFirst), "Hardcore Mode ON.");
    EXPECT_TRUE(WaitForStatus("Operational. Hardcore Mode.")) << Status();
    ASSERT_TRUE(BringForward(main));
    Sleep(500);  // painted
    SaveWindowBitmap(main, ScreenshotPath("main-hardcore-in-flight.bmp"));

    // In flight the buttons that would undo a failure do nothing at all.
    for (int button : {ui::kIdClearFailures, ui::kIdSetAll, ui::kIdSetSystem, ui::kIdOpenProfile})
        Click(Control(button));
    // Neither a reliability dialog nor a file dialog or message box opens.
    EXPECT_FALSE(WaitUntil([&] { return FindProcessWindow(wendoxProcess, ui::kReliabilityDialogClass, nullptr) ||
                                        FindProcessWindow(wendoxProcess, "#32770", nullptr); }, 2500));
    EXPECT_EQ(Cell(0, 3), "Yes");
    server.SetValue(simvar::ApAirspeed, 1);
    EXPECT_TRUE(WaitUntil([&] { return server.Value(simvar::ApAirspeed) == 0; }, 2500));  // still held

    // So do the clear and activate hot keys.
    FocusSimulator();
    EXPECT_FALSE(HoldKeys({VK_CONTROL, 'C'}, [&] { return Cell(0, 3) != "Yes"; }, 2500));
    EXPECT_FALSE(HoldKeys({VK_CONTROL, 'A'}, [&] { return Status().find("deactivated") != std::string::npos; }, 2500));

    standin::Land(server);
    EXPECT_TRUE(AwaitList(true));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Control(ui::kIdNoticeFirst)); }, 1000));

    // Killed in flight, without closing its window: the watchdog moves the
    // aircraft three times and ends.
    TakeOffUnderTheLock();
    server.ClearWrites();
    const ULONGLONG killed = GetTickCount64();
    EndProcessOf(main);
    ASSERT_TRUE(AwaitMoves(1));
    std::printf("watchdog: first slew write %llu ms after Wendox was killed\n", MoveTimes()[0] - killed);
    ASSERT_TRUE(AwaitMoves(3));
    EXPECT_TRUE(WaitGone(guard));
    ExpectThreeMovesASecondApart();
    FocusSimulator();
    Sleep(500);  // the panel redraws every few hundred ms
    SaveWindowBitmap(simulator->Window(), ScreenshotPath("standin-after-the-move.bmp"));
}

// Started by hand, the watchdog hands over. Closing on the ground before any
// flight moves nothing; closing in flight moves the aircraft three times
// before the settings are saved (and the watchdog, after the flight, again).
TEST_F(HardcoreEndToEnd, StartedByHandTheWatchdogHandsOverAndClosingMovesTheAircraftOnlyInFlight) {
    StartSimulator();
    ASSERT_NE(StartAndAwaitTheGuard("wendoxhc.exe"), 0u);
    Sleep(2500);
    EXPECT_EQ(WindowsCaptioned(kWendoxCaption).size(), 1u);
    EXPECT_EQ(WindowsCaptioned(kWatchdogCaption).size(), 1u);

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(main));
    EXPECT_TRUE(WaitGone(guard));
    Sleep(500);
    EXPECT_EQ(SlewLog(server), "");

    ASSERT_NE(StartAndAwaitTheGuard("wendox.exe"), 0u);
    TakeOffUnderTheLock();
    server.ClearWrites();
    DeleteFileA(folder.Path("Wendox.ini").c_str());
    std::size_t movesWhenSaved = 0;
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil(
        [&] {
            movesWhenSaved = server.WritesTo(simvar::SlewMode).size() / 2;
            return GetFileAttributesA(folder.Path("Wendox.ini").c_str()) != INVALID_FILE_ATTRIBUTES;
        },
        10000));
    EXPECT_EQ(movesWhenSaved, 3u);
    EXPECT_TRUE(WaitGone(main));
    EXPECT_EQ(FileContent(folder.Path("Wendox.ini")), "LASTPROFILE=\r\nHARDCOREMODE=YES\r\n");
    EXPECT_TRUE(AwaitMoves(6));
    EXPECT_TRUE(WaitGone(guard));
}

TEST_F(HardcoreEndToEnd, TheWatchdogEndedInFlightMakesWendoxCloseItselfWithTheMoves) {
    StartSimulator();
    ASSERT_NE(StartAndAwaitTheGuard("wendox.exe"), 0u);
    TakeOffUnderTheLock();
    server.ClearWrites();
    EndProcessOf(guard);
    EXPECT_TRUE(WaitGone(main, 10000));
    ExpectThreeMovesASecondApart();
}

// The simulator closed and started again under the running pair: the
// watchdog connects to the new one, and killing Wendox in flight moves the
// aircraft there.
TEST_F(HardcoreEndToEnd, AfterASimulatorRestartKillingWendoxInFlightMovesTheAircraftInTheNewSimulator) {
    const std::string onHold = "On hold (not airborne). Hardcore Mode.";
    StartSimulator();
    ASSERT_NE(StartAndAwaitTheGuard("wendox.exe"), 0u);
    ASSERT_TRUE(WaitForStatus(onHold)) << Status();
    simulator.reset();
    ASSERT_TRUE(WaitUntil([&] { return Status() != onHold; }, 10000));  // Wendox lost the link too
    StartSimulator();
    TakeOffUnderTheLock();
    server.ClearWrites();
    EndProcessOf(main);
    ASSERT_TRUE(AwaitMoves(3, 15000)) << SlewLog(server);
    EXPECT_TRUE(WaitGone(guard));
    ExpectThreeMovesASecondApart();
}

// The way the help gives to end a session after a flight and keep the
// aircraft where it is: the simulator closed first, then Wendox. The
// watchdog finds no simulator for its moves and ends without a write.
TEST_F(HardcoreEndToEnd, ClosingTheSimulatorFirstEndsTheSessionAfterAFlightWithoutAMove) {
    StartSimulator();
    ASSERT_NE(StartAndAwaitTheGuard("wendox.exe"), 0u);
    TakeOffUnderTheLock();
    standin::Land(server);
    ASSERT_TRUE(AwaitList(true));
    server.ClearWrites();
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
