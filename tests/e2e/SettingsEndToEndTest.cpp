// The options and settings dialogs, the profiles through the common file
// dialogs, the settings file across a restart, a second start, the hot keys
// pressed while the simulator's window has the focus, and the failure limit
// in flight.
#include <cstdlib>
#include <vector>

#include "WendoxFixture.h"

namespace wendox::testing {
namespace {

// Key list positions: "None", "0" to "9", "A" to "Z".
int KeyEntry(char key) { return key >= 'A' ? 11 + (key - 'A') : 1 + (key - '0'); }

// The major and minor version in the version resource of a program.
DWORD ResourceVersion(const std::string& program) {
    std::vector<char> data(GetFileVersionInfoSizeA(program.c_str(), nullptr) + 1);
    VS_FIXEDFILEINFO* version = nullptr;
    UINT size = 0;
    GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data());
    return VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&version), &size) ? version->dwFileVersionMS : 0;
}

// The file's last access: set far back, any read of it moves it on.
FILETIME Accessed(const std::string& path, const FILETIME* setTo = nullptr) {
    FILETIME accessed{};
    HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (setTo != nullptr) SetFileTime(file, nullptr, setTo, nullptr);
    GetFileTime(file, nullptr, &accessed, nullptr);
    CloseHandle(file);
    return accessed;
}

// For the length of a test, ".htm" files opened by the shell are named in
// `record` instead of being shown (by the "htmlfile" class, as before).
struct HtmOpenRecorder {
    explicit HtmOpenRecorder(const std::string& record) {
        const std::string command = "cmd.exe /c echo %1> \"" + record + "\"";
        RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, "WendoxTest.htm", 0);
        RegSetValueA(HKEY_CLASSES_ROOT, "WendoxTest.htm\\shell\\open\\command", REG_SZ, command.c_str(), 0);
    }
    ~HtmOpenRecorder() {
        RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, "htmlfile", 0);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "WendoxTest.htm");
    }
};

// Types a path into a common file dialog of wendox's and accepts it.
void AnswerFileDialog(HWND dialog, const std::string& path) {
    SetDlgItemTextA(dialog, 0x47C, path.c_str());  // the file name box (cmb13) of an explorer-style dialog
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

class SettingsEndToEnd : public WendoxFixture {};

// Hot keys chosen in the dialog work in the simulator's window; they and the
// last profile saved, every component at 0 % over 0 hours, come back after a
// restart; every component would then fail at the first roll, but the
// failure limit holds at most two in force through a minute of flight.
// Closing saves all of it.
TEST_F(SettingsEndToEnd, HotKeysProfilesAndTheFailureLimitWorkAndComeBackAfterARestart) {
    server.SetValue(simvar::ApAirspeed, 1);
    ASSERT_TRUE(StartWendox()) << Status();
    ASSERT_TRUE(BringForward(main));

    // The options dialog: the version, as in the program file; help opened
    // beside the program, the dialog staying open.
    HtmOpenRecorder recorder(folder.Path("opened.txt"));
    Click(Control(ui::kIdOptions));
    HWND options = Await(ui::kOptionsDialogClass, ui::kOptionsDialogCaption);
    EXPECT_EQ(ItemText(options, ui::kIdVersion), "Wendox Version 1.0");
    EXPECT_EQ(ResourceVersion(folder.Path("wendox.exe")), MAKELONG(0, 1));  // 1.0
    Click(GetDlgItem(options, ui::kIdHelp));
    ASSERT_TRUE(WaitUntil([&] { return !FileContent(folder.Path("opened.txt")).empty(); }, 10000));
    EXPECT_NE(FileContent(folder.Path("opened.txt")).find(folder.Path("Wendox.htm")), std::string::npos);
    ASSERT_TRUE(BringForward(options));
    Click(GetDlgItem(options, ui::kIdSettings));
    HWND settings = Await(ui::kSettingsDialogClass, ui::kSettingsDialogCaption);

    // Status on CTRL+SHIFT+S, clear on CTRL+C, activate on CTRL+SHIFT+A (its
    // own SHIFT box: the file written at the end shows each box in its line);
    // the failure list in the status; a failure sound; at most two failures
    // at once, the list reached by ALT+M, its caption's access key.
    ASSERT_TRUE(BringForward(settings));
    GUITHREADINFO focus{.cbSize = sizeof(GUITHREADINFO)};
    auto listFocused = [&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(settings, nullptr), &focus) &&
               focus.hwndFocus == GetDlgItem(settings, ui::kIdMaxFailures);
    };
    EXPECT_TRUE(HoldKeys({VK_MENU, 'M'}, listFocused, 3000));
    Choose(settings, ui::kIdMaxFailures, 2);
    Choose(settings, ui::kIdStatusKey, KeyEntry('S'));
    Click(GetDlgItem(settings, ui::kIdStatusCtrl));
    Click(GetDlgItem(settings, ui::kIdStatusShift));
    Choose(settings, ui::kIdClearKey, KeyEntry('C'));
    Click(GetDlgItem(settings, ui::kIdClearCtrl));
    Choose(settings, ui::kIdActiveKey, KeyEntry('A'));
    Click(GetDlgItem(settings, ui::kIdActiveCtrl));
    Click(GetDlgItem(settings, ui::kIdActiveShift));
    Click(GetDlgItem(settings, ui::kIdDisplayFailures));
    Click(GetDlgItem(settings, ui::kIdPlayFailureSound));
    Click(GetDlgItem(settings, ui::kIdSettingsOk));
    ASSERT_TRUE(WaitGone(settings));
    ASSERT_TRUE(WaitGone(options));  // closed with the settings dialog
    ASSERT_TRUE(WaitForStatus("On hold (not airborne).  No failures."));

    // A failure to clear: the first autopilot component, failed at once.
    HWND dialog = OpenComponentDialog();
    Click(GetDlgItem(dialog, ui::kIdTest));
    ASSERT_TRUE(WaitUntil([&] { return server.Value(simvar::ApAirspeed) == 0; }, 5000));

    // The stand-in's window shown and given the keyboard, as the pilot flies;
    // the status into the simulator's message line, though status changes
    // are not sent there by themselves.
    ShowWindow(simulator->Window(), SW_SHOW);
    BringForward(simulator->Window());
    const std::string status = "Wendox:  On hold (not airborne).  1 failures... AP(Airspeed)";
    EXPECT_TRUE(HoldKeys({VK_CONTROL, VK_SHIFT, 'S'}, [&] { return server.Text(simvar::MessageText) == status; }, 3000))
        << server.Text(simvar::MessageText);

    // CTRL+C clears, with the OK sound.
    const FILETIME longAgo{0, 0x01C00000};  // 1994
    auto okSoundPlayed = [&] {
        const FILETIME accessed = Accessed(folder.Path("sound_ok.wav"));
        return CompareFileTime(&accessed, &longAgo) > 0;
    };
    Accessed(folder.Path("sound_ok.wav"), &longAgo);
    EXPECT_TRUE(HoldKeys({VK_CONTROL, 'C'}, [&] { return Cell(0, 3) == "Never"; }, 3000));
    EXPECT_TRUE(WaitUntil(okSoundPlayed, 2000));

    // Profiles through the common file dialogs: one whose second line is bad
    // (its message box shown), then every component at 0 % over 0 hours,
    // saved (the restart below reads it back).
    const std::string bad = folder.Path("bad.wdp");
    std::ofstream(bad, std::ios::binary) << "1#1#99.5#10\r\nbad\r\n";
    Click(Control(ui::kIdOpenProfile));
    AnswerFileDialog(Await("#32770"), bad);
    HWND box = Await("#32770", "Wendox");
    EXPECT_NE(FindWindowExA(box, nullptr, "Static", ("Could not read " + bad).c_str()), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(box));
    Click(Control(ui::kIdSetAll));
    dialog = Await(ui::kReliabilityDialogClass);
    Choose(dialog, ui::kIdRelLeft, 100);  // "0"
    Choose(dialog, ui::kIdHours, 0);      // "0.0"
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));
    const std::string saved = folder.Path("e&2e.wdp");
    Click(Control(ui::kIdSaveProfile));
    AnswerFileDialog(Await("#32770"), saved);
    ASSERT_TRUE(WaitUntil([&] { return ItemText(main, ui::kIdSubSystemsLabel) == "Sub-systems (e&2e.wdp)"; }, 10000))
        << ItemText(main, ui::kIdSubSystemsLabel);
    EXPECT_NE(GetWindowLongA(Control(ui::kIdSubSystemsLabel), GWL_STYLE) & SS_NOPREFIX, 0);  // "&" shown as it is

    // Closing saves the settings; the next run has them (the file written at
    // its end holds them all), with the last profile saved; a second start
    // brings it back.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    ASSERT_TRUE(StartWendox());
    EXPECT_TRUE(WaitForStatus("On hold (not airborne).  No failures."));
    EXPECT_EQ(Cell(0, 1) + ", " + Cell(0, 2), "0%, 0 hours of flight");
    EXPECT_EQ(ItemText(main, ui::kIdSubSystemsLabel), "Sub-systems (e&2e.wdp)");

    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));
    RunningProgram second(folder.Path("wendox.exe"), {});
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(main) && !IsIconic(main); }, 5000));

    // A minute of flight: every component would fail at the first roll.
    standin::TakeOff(server);
    auto failures = [&] {
        const std::string now = Status();
        return now.rfind("Operational.  ", 0) == 0 ? std::atoi(now.c_str() + 14) : 0;
    };
    EXPECT_TRUE(WaitUntil([&] { return failures() == 2; }, 15000)) << Status();
    EXPECT_FALSE(WaitUntil([&] { return failures() > 2; }, 60000)) << Status();

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    EXPECT_EQ(FileContent(folder.Path("Wendox.ini")),
              "LASTPROFILE=" + saved + "\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\nCLEAR_HK=67\r\nCLEAR_HKCS=1\r\n"
              "ACTIVE_HK=65\r\nACTIVE_HKCS=3\r\nDISPLAYFAILURES=YES\r\nPLAYFAILURESOUND=YES\r\nMAXFAILURES=2\r\n");
}

}  // namespace
}  // namespace wendox::testing
