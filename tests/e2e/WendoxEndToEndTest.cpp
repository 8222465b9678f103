// wendox.exe for real, through wine, beside the stand-in simulator: ticks
// are real seconds, so each scenario is worth its time.

#include "WendoxFixture.h"

namespace wendox::testing {
namespace {

constexpr int kAutopilot = 1;
constexpr int kWholePercentZero = 100;  // "100", "99", ... "0"
constexpr int kHoursZero = 0;           // "0.0"

TEST_F(WendoxFixture, FailsAComponentSetToZeroPercentAndHoldsItUntilCleared) {
    server.SetValue(simvar::ApAirspeed, 1);
    StartSimulator();
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne).")) << Status();
    SaveWindowBitmap(main, ScreenshotPath("main-on-ground.bmp"));

    standin::TakeOff(server);
    ASSERT_TRUE(WaitForStatus("Operational.")) << Status();

    // The first component of the first system, with the keys: the systems
    // list has the focus at the start, Tab leads to the components, Space
    // opens the dialog and Enter accepts it.
    ASSERT_TRUE(BringForward(main));
    PressKey(VK_TAB);
    PressKey(VK_SPACE);
    HWND dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), " Autopilot - Airspeed Reliability");
    EXPECT_EQ(ItemText(dialog, ui::kIdRelLeft), "100");
    EXPECT_EQ(ItemText(dialog, ui::kIdHours), "1");
    Choose(dialog, ui::kIdRelLeft, kWholePercentZero);
    EXPECT_EQ(ItemText(dialog, ui::kIdRelRight), "000");
    Choose(dialog, ui::kIdHours, kHoursZero);
    SaveWindowBitmap(dialog, ScreenshotPath("reliability-dialog.bmp"));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Cell(0, 1), "0%");
    PressKey(VK_SPACE);  // the focus is back on the components list
    dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, nullptr);
    ASSERT_NE(dialog, nullptr);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Cell(0, 2), "0 hours of flight");
    EXPECT_EQ(ListViewImage(Control(ui::kIdComponents), 0), 2);  // yellow

    // The next roll, at most ten operational seconds on, fails it.
    ASSERT_TRUE(WaitUntil([&] { return !server.WritesTo(simvar::ApAirspeed).empty(); }, 25000));
    EXPECT_EQ(server.Value(simvar::ApAirspeed), 0u);
    ASSERT_TRUE(WaitUntil([&] { return Cell(0, 3) == "Yes"; }, 3000));
    EXPECT_EQ(ListViewImage(Control(ui::kIdComponents), 0), 1);  // red

    // Held: written again every second.
    server.SetValue(simvar::ApAirspeed, 1);
    const std::size_t before = server.WritesTo(simvar::ApAirspeed).size();
    EXPECT_TRUE(WaitUntil([&] { return server.WritesTo(simvar::ApAirspeed).size() >= before + 3; }, 4500));
    EXPECT_EQ(server.Value(simvar::ApAirspeed), 0u);
    SaveWindowBitmap(main, ScreenshotPath("main-in-flight-with-failure.bmp"));

    // On the ground no roll comes; clearing stops the writes.
    standin::Land(server);
    ASSERT_TRUE(WaitUntil([&] { return Status().rfind("On hold (not airborne).", 0) == 0; }, 5000));
    Click(Control(ui::kIdClearFailures));
    ASSERT_TRUE(WaitUntil([&] { return Cell(0, 3) == "No"; }, 5000));
    const std::size_t afterClear = server.WritesTo(simvar::ApAirspeed).size();
    Sleep(3000);  // three ticks in which nothing may be written
    EXPECT_EQ(server.WritesTo(simvar::ApAirspeed).size(), afterClear);
}

// Closed in flight, Wendox leaves none of its failures in the simulator:
// the flags are cleared as it closes, and a control disconnection ends once
// it is no longer written.
TEST_F(WendoxFixture, ClosedInFlightWendoxLeavesNoFailureBehind) {
    StartSimulator();
    standin::TakeOff(server);
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("Operational.")) << Status();
    for (const int system : {1, 3, 5}) {  // the first of each: Aileron, Engine 1 (Fail), Airspeed (the instrument)
        Choose(main, ui::kIdSystems, system);
        HWND dialog = OpenComponentDialog();
        ASSERT_NE(dialog, nullptr);
        Click(GetDlgItem(dialog, ui::kIdTest));
        ASSERT_TRUE(WaitGone(dialog));
    }
    ASSERT_TRUE(WaitUntil([&] { return server.Value(simvar::FailAirspeed) == 1; }, 3000));
    EXPECT_EQ(server.Value(simvar::FailEngines), 1u);
    EXPECT_EQ(server.Value(simvar::ControlDisconnect), 2u);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    EXPECT_EQ(server.Value(simvar::FailAirspeed), 0u);
    EXPECT_EQ(server.Value(simvar::FailEngines), 0u);
    EXPECT_TRUE(WaitUntil([&] { return server.Value(simvar::ControlDisconnect) == 0; }, 12000));
}

TEST_F(WendoxFixture, WithoutSimulatorATestFailureIsRefusedAndASecondInstanceRestoresTheFirstAndEnds) {
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("FSUIPC - No connection to Flight Simulator.")) << Status();

    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));
    RunningProgram second(folder.Path("wendox.exe"), {});
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(main) && !IsIconic(main); }, 5000));

    HWND dialog = OpenComponentDialog();
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, ui::kIdTest));
    HWND box = WaitForWindowOfWendox("#32770", "Wendox");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(FindWindowExA(box, nullptr, "Static",
                            "You'll need to have Flight Simulator 2002 running first and you'll also need the fsuipc "
                            "module installed."),
              nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(box));
    EXPECT_EQ(Cell(0, 3), "Never");
}

// The simulator stops answering until the link is given up, then answers
// again: a flag cleared meanwhile must not stay set in the simulator.
TEST_F(WendoxFixture, AFlagClearedWhileTheSimulatorHungIsClearedWhenItAnswersAgain) {
    StartSimulator();
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne)."));
    Choose(main, ui::kIdSystems, 5);  // the instruments; Airspeed first
    HWND dialog = OpenComponentDialog();
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, ui::kIdTest));
    ASSERT_TRUE(WaitUntil([&] { return server.Value(simvar::FailAirspeed) == 1; }, 5000));

    // 41 attempts of 2 s each, then the link is lost and the failures go.
    server.SetMisbehaviour({.noAnswer = true});
    ASSERT_TRUE(WaitForStatus("FSUIPC - No connection to Flight Simulator.", 120000)) << Status();
    EXPECT_EQ(Cell(0, 3), "Never");
    EXPECT_EQ(server.Value(simvar::FailAirspeed), 1u);

    server.SetMisbehaviour({});
    ASSERT_TRUE(WaitForStatus("Connected")) << Status();
    EXPECT_TRUE(WaitUntil([&] { return server.Value(simvar::FailAirspeed) == 0; }, 2500));
}

// A simulator that refuses or garbles its answers is never taken as
// connected; once it behaves, Wendox connects on its own.
TEST_F(WendoxFixture, AMisbehavingSimulatorIsNotConnectedUntilItBehaves) {
    StartSimulator();
    for (const standin::Misbehaviour bad : {standin::Misbehaviour{.answer = 0},
                                            standin::Misbehaviour{.tamper = standin::HeaderTamper::Destination}}) {
        server.SetMisbehaviour(bad);
        ASSERT_NE(StartWendox(), nullptr);
        EXPECT_TRUE(WaitForStatus("FSUIPC - No connection to Flight Simulator.")) << Status();
        server.SetMisbehaviour({});
        EXPECT_TRUE(WaitForStatus("On hold (not airborne).")) << Status();
        wendox.reset();
    }
}

// Types a path into a common file dialog of wendox's and accepts it.
void AnswerFileDialog(HWND dialog, const std::string& path) {
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(WendoxFixture, ProfileSavedAndOpenedAgainGivesTheSameValues) {
    StartSimulator();
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne)."));

    // The autopilot at 99.5 % based on 10 hours.
    Click(Control(ui::kIdSetSystem));
    HWND dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), " Autopilot Reliabilities");
    Choose(dialog, ui::kIdRelLeft, 1);     // "99"
    Choose(dialog, ui::kIdRelRight, 499);  // "500"
    Choose(dialog, ui::kIdHours, 19);      // "10"
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Cell(13, 1), "99.5%");

    const std::string profile = folder.Path("e&2e.wdp");
    Click(Control(ui::kIdSaveProfile));
    HWND save = WaitForWindowOfWendox("#32770", nullptr);
    ASSERT_NE(save, nullptr);
    AnswerFileDialog(save, profile);
    ASSERT_TRUE(WaitUntil([&] { return ItemText(main, ui::kIdSubSystemsLabel) == "Sub-systems (e&2e.wdp)"; }, 10000))
        << ItemText(main, ui::kIdSubSystemsLabel);
    EXPECT_NE(GetWindowLongA(Control(ui::kIdSubSystemsLabel), GWL_STYLE) & SS_NOPREFIX, 0);  // "&" shown as it is
    EXPECT_EQ(FileContent(profile).substr(0, 26), "1#1#99.5#10\r\n1#2#99.5#10\r\n");

    // Everything back to 100 % based on 1 hour, then the profile again.
    Click(Control(ui::kIdSetAll));
    dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, "All Reliabilities");
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Cell(0, 1), "100%");

    Click(Control(ui::kIdOpenProfile));
    HWND open = WaitForWindowOfWendox("#32770", nullptr);
    ASSERT_NE(open, nullptr);
    AnswerFileDialog(open, profile);
    ASSERT_TRUE(WaitUntil([&] { return Cell(0, 1) == "99.5%"; }, 10000));
    EXPECT_EQ(Cell(0, 2), "10 hours of flight");
    EXPECT_EQ(Cell(0, 3), "No");

    // The settings file keeps the profile for the next start, which opens it.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne)."));
    EXPECT_EQ(Cell(0, 1), "99.5%");
    EXPECT_EQ(ItemText(main, ui::kIdSubSystemsLabel), "Sub-systems (e&2e.wdp)");
}

}  // namespace
}  // namespace wendox::testing
