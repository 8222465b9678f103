// wendox.exe for real, through wine, beside the stand-in simulator: the
// keyboard, the buttons and the reliability dialog, a roll in flight and the
// closing. The rules behind them are the native tests'.

#include "WendoxFixture.h"

namespace wendox::testing {
namespace {

// The components list and the reliability dialog driven by the keys, a roll
// that fails a component set to 0 %, its clearing by the button, and the
// closing in flight that leaves none of Wendox's failures in the simulator
// (a control disconnection ends once it is no longer written).
TEST_F(WendoxFixture, KeysAndButtonsFailAndClearAndClosingInFlightLeavesNoFailureBehind) {
    ASSERT_TRUE(StartWendox()) << Status();

    // The systems list has the focus at the start, Tab leads to the
    // components, Space opens the first one's dialog, Enter accepts it;
    // Escape cancels the system's dialog.
    ASSERT_TRUE(BringForward(main));
    PressKey(VK_TAB);
    PressKey(VK_SPACE);
    HWND dialog = Await(ui::kReliabilityDialogClass);
    EXPECT_EQ(WindowText(dialog), " Autopilot - Airspeed Reliability");
    Choose(dialog, ui::kIdRelLeft, 100);  // "0", after "100", "99", ...
    Choose(dialog, ui::kIdHours, 0);      // "0.0"
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitGone(dialog));
    Click(Control(ui::kIdSetSystem));
    dialog = Await(ui::kReliabilityDialogClass);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitGone(dialog));
    int lamp = -1;
    Cell(0, 0, &lamp);
    EXPECT_EQ(lamp, 2);  // yellow: green, red, yellow
    EXPECT_EQ(Cell(0, 1) + ", " + Cell(0, 2), "0%, 0 hours of flight");

    // In flight the next roll, at most ten operational seconds on, fails it.
    standin::TakeOff(server);
    ASSERT_TRUE(WaitUntil([&] { return Cell(0, 3) == "Yes"; }, 25000));
    Cell(0, 0, &lamp);
    EXPECT_EQ(lamp, 1);  // red
    Click(Control(ui::kIdClearFailures));
    EXPECT_TRUE(WaitUntil([&] { return Cell(0, 3) == "No"; }, 5000));

    // The first of a control, an engine (Fail) and an instrument, failed by
    // "&Test Failure", then Wendox closed.
    for (const int system : {1, 3, 5}) {
        Choose(main, ui::kIdSystems, system);
        dialog = OpenComponentDialog();
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

}  // namespace
}  // namespace wendox::testing
