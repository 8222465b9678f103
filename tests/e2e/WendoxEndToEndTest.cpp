// wendox.exe for real, through wine, beside the stand-in simulator: the
// keyboard, the buttons and the dialogs, and the files they write. The
// rules behind them are the native tests'.

#include "WendoxFixture.h"

namespace wendox::testing {
namespace {

constexpr int kWholePercentZero = 100;  // "100", "99", ... "0"
constexpr int kHoursZero = 0;           // "0.0"
constexpr int kRedLamp = 1, kYellowLamp = 2;

// The components list and the reliability dialog driven by the keys, a roll
// that fails a component set to 0 %, its clearing by the button, and the
// closing in flight that leaves none of Wendox's failures in the simulator
// (a control disconnection ends once it is no longer written).
TEST_F(WendoxFixture, KeysAndButtonsFailAndClearAndClosingInFlightLeavesNoFailureBehind) {
    ASSERT_TRUE(StartWendox()) << Status();

    // The systems list has the focus at the start, Tab leads to the
    // components, Space opens the first one's dialog, Enter accepts it and
    // Escape cancels it.
    ASSERT_TRUE(BringForward(main));
    PressKey(VK_TAB);
    PressKey(VK_SPACE);
    HWND dialog = Await(ui::kReliabilityDialogClass);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), " Autopilot - Airspeed Reliability");
    Choose(dialog, ui::kIdRelLeft, kWholePercentZero);
    Choose(dialog, ui::kIdHours, kHoursZero);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitGone(dialog));
    PressKey(VK_SPACE);
    dialog = Await(ui::kReliabilityDialogClass);
    ASSERT_NE(dialog, nullptr);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitGone(dialog));
    int lamp = -1;
    Cell(0, 0, &lamp);
    EXPECT_EQ(lamp, kYellowLamp);
    EXPECT_EQ(Cell(0, 1) + ", " + Cell(0, 2), "0%, 0 hours of flight");

    // In flight the next roll, at most ten operational seconds on, fails it.
    server.SetValue(simvar::ApAirspeed, 1);
    standin::TakeOff(server);
    ASSERT_TRUE(WaitUntil([&] { return Cell(0, 3) == "Yes"; }, 25000));
    Cell(0, 0, &lamp);
    EXPECT_EQ(lamp, kRedLamp);
    EXPECT_EQ(server.Value(simvar::ApAirspeed), 0u);
    Click(Control(ui::kIdClearFailures));
    EXPECT_TRUE(WaitUntil([&] { return Cell(0, 3) == "No"; }, 5000));

    // The first of a control, an engine (Fail) and an instrument, failed by
    // "&Test Failure", then Wendox closed.
    for (const int system : {1, 3, 5}) {
        Choose(main, ui::kIdSystems, system);
        dialog = OpenComponentDialog();
        ASSERT_NE(dialog, nullptr);
        Click(GetDlgItem(dialog, ui::kIdTest));
        ASSERT_TRUE(WaitGone(dialog));
    }
    auto written = [&] {
        return std::to_string(server.Value(simvar::FailAirspeed)) + std::to_string(server.Value(simvar::FailEngines)) +
               std::to_string(server.Value(simvar::ControlDisconnect));
    };
    EXPECT_TRUE(WaitUntil([&] { return written() == "112"; }, 3000)) << written();  // instrument, engine, control
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    EXPECT_EQ(written().substr(0, 2), "00");
    EXPECT_TRUE(WaitUntil([&] { return written() == "000"; }, 12000)) << written();
}

// Types a path into a common file dialog of wendox's and accepts it.
void AnswerFileDialog(HWND dialog, const std::string& path) {
    ASSERT_NE(dialog, nullptr);
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Profiles through the common file dialogs (the message box of one that
// cannot be read), the settings file that opens the last one saved at the
// next start, and a second start that brings the running Wendox back.
TEST_F(WendoxFixture, ProfilesGoThroughTheFileDialogsAndTheNextStartAndASecondStartRestoresTheFirst) {
    ASSERT_TRUE(StartWendox()) << Status();

    // A profile whose second line is bad: its first line is in force.
    const std::string bad = folder.Path("bad.wdp");
    std::ofstream(bad, std::ios::binary) << "1#1#50#10\r\nbad\r\n";
    Click(Control(ui::kIdOpenProfile));
    AnswerFileDialog(Await("#32770"), bad);
    HWND box = Await("#32770", "Wendox");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(FindWindowExA(box, nullptr, "Static", ("Could not read " + bad).c_str()), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(box));
    EXPECT_EQ(Cell(0, 1), "50%");

    // The autopilot at 99.5 % based on 10 hours, saved.
    Click(Control(ui::kIdSetSystem));
    HWND dialog = Await(ui::kReliabilityDialogClass);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, ui::kIdRelLeft, 1);     // "99"
    Choose(dialog, ui::kIdRelRight, 499);  // "500"
    Choose(dialog, ui::kIdHours, 19);      // "10"
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));
    const std::string saved = folder.Path("e&2e.wdp");
    Click(Control(ui::kIdSaveProfile));
    AnswerFileDialog(Await("#32770"), saved);
    ASSERT_TRUE(WaitUntil([&] { return ItemText(main, ui::kIdSubSystemsLabel) == "Sub-systems (e&2e.wdp)"; }, 10000))
        << ItemText(main, ui::kIdSubSystemsLabel);
    EXPECT_NE(GetWindowLongA(Control(ui::kIdSubSystemsLabel), GWL_STYLE) & SS_NOPREFIX, 0);  // "&" shown as it is
    EXPECT_EQ(FileContent(saved).substr(0, 26), "1#1#99.5#10\r\n1#2#99.5#10\r\n");

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    ASSERT_TRUE(StartWendox()) << Status();
    EXPECT_EQ(Cell(0, 1) + ", " + Cell(0, 2), "99.5%, 10 hours of flight");
    EXPECT_EQ(ItemText(main, ui::kIdSubSystemsLabel), "Sub-systems (e&2e.wdp)");

    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));
    RunningProgram second(folder.Path("wendox.exe"), {});
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(main) && !IsIconic(main); }, 5000));
}

}  // namespace
}  // namespace wendox::testing
