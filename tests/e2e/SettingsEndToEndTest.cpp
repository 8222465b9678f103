// The options and settings dialogs, the settings file across a restart and
// the hot keys pressed while the simulator's window has the focus.
#include <algorithm>
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
// `record` instead of being shown.
struct HtmOpenRecorder {
    explicit HtmOpenRecorder(const std::string& record) {
        RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", previous, &size);
        const std::string command = "cmd.exe /c echo %1> \"" + record + "\"";
        RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, "WendoxTest.htm", 0);
        RegSetValueA(HKEY_CLASSES_ROOT, "WendoxTest.htm\\shell\\open\\command", REG_SZ, command.c_str(), 0);
    }
    ~HtmOpenRecorder() {
        RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, previous, 0);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "WendoxTest.htm");
    }
    char previous[256] = "";
    LONG size = sizeof previous;
};

class SettingsEndToEnd : public WendoxFixture {
protected:
    HWND options = nullptr;
};

TEST_F(SettingsEndToEnd, ChosenSettingsWorkAsHotKeysAreSavedOnClosingAndComeBackAfterARestart) {
    server.SetValue(simvar::ApAirspeed, 1);
    StartSimulator();
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne)."));
    ASSERT_TRUE(BringForward(main));

    // The options dialog: the version, as in the program file; help opened
    // beside the program, the dialog staying open.
    HtmOpenRecorder recorder(folder.Path("opened.txt"));
    Click(Control(ui::kIdOptions));
    options = WaitForWindowOfWendox(ui::kOptionsDialogClass, ui::kOptionsDialogCaption);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ItemText(options, ui::kIdVersion), "Wendox Version 1.0");
    EXPECT_EQ(ResourceVersion(folder.Path("wendox.exe")), MAKELONG(0, 1));  // 1.0
    Click(GetDlgItem(options, ui::kIdHelp));
    ASSERT_TRUE(WaitUntil([&] { return !FileContent(folder.Path("opened.txt")).empty(); }, 10000));
    EXPECT_NE(FileContent(folder.Path("opened.txt")).find(folder.Path("Wendox.htm")), std::string::npos);
    ASSERT_TRUE(BringForward(options));
    Click(GetDlgItem(options, ui::kIdSettings));
    HWND settings = WaitForWindowOfWendox(ui::kSettingsDialogClass, ui::kSettingsDialogCaption);
    ASSERT_NE(settings, nullptr);

    // Status on CTRL+SHIFT+S, clear on CTRL+C, activate on CTRL+A; the
    // failure list in the status.
    Choose(settings, ui::kIdStatusKey, KeyEntry('S'));
    Click(GetDlgItem(settings, ui::kIdStatusCtrl));
    Click(GetDlgItem(settings, ui::kIdStatusShift));
    Choose(settings, ui::kIdClearKey, KeyEntry('C'));
    Click(GetDlgItem(settings, ui::kIdClearCtrl));
    Choose(settings, ui::kIdActiveKey, KeyEntry('A'));
    Click(GetDlgItem(settings, ui::kIdActiveCtrl));
    Click(GetDlgItem(settings, ui::kIdDisplayFailures));
    Click(GetDlgItem(settings, ui::kIdSettingsOk));
    ASSERT_TRUE(WaitGone(settings));
    ASSERT_TRUE(WaitGone(options));  // closed with the settings dialog
    ASSERT_TRUE(WaitForStatus("On hold (not airborne).  No failures."));

    // A failure to clear: the first autopilot component, failed at once.
    HWND dialog = OpenComponentDialog();
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, ui::kIdTest));
    ASSERT_TRUE(WaitUntil([&] { return server.Value(simvar::ApAirspeed) == 0; }, 5000));

    FocusSimulator();
    // The status into the simulator's message line, though status changes
    // are not sent there by themselves.
    EXPECT_EQ(server.Text(simvar::MessageText), "");
    EXPECT_TRUE(HoldKeys({VK_CONTROL, VK_SHIFT, 'S'}, [&] { return !server.Text(simvar::MessageText).empty(); }, 3000));
    EXPECT_EQ(server.Text(simvar::MessageText), "Wendox:  On hold (not airborne).  1 failures... AP(Airspeed)");

    // CTRL+C with SHIFT held too is not the clear hot key; CTRL+C clears,
    // with the OK sound.
    const FILETIME longAgo{0, 0x01C00000};  // 1994
    auto okSoundPlayed = [&] {
        const FILETIME accessed = Accessed(folder.Path("sound_ok.wav"));
        return CompareFileTime(&accessed, &longAgo) > 0;
    };
    Accessed(folder.Path("sound_ok.wav"), &longAgo);
    EXPECT_FALSE(HoldKeys({VK_CONTROL, VK_SHIFT, 'C'}, [&] { return Cell(0, 3) != "Yes"; }, 2500));
    EXPECT_FALSE(okSoundPlayed());
    EXPECT_TRUE(HoldKeys({VK_CONTROL, 'C'}, [&] { return Cell(0, 3) == "Never"; }, 3000));
    EXPECT_TRUE(WaitUntil(okSoundPlayed, 2000));
    server.SetValue(simvar::ApAirspeed, 1);
    Sleep(2000);  // ticks in which the cleared failure may not be written
    EXPECT_EQ(server.Value(simvar::ApAirspeed), 1u);

    EXPECT_TRUE(HoldKeys({VK_CONTROL, 'A'}, [&] { return Status().find("(deactivated)") != std::string::npos; }, 3000))
        << Status();

    // Closing saves the settings; the next run has them.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    EXPECT_EQ(FileContent(folder.Path("Wendox.ini")),
              "LASTPROFILE=\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\nCLEAR_HK=67\r\nCLEAR_HKCS=1\r\nACTIVE_HK=65\r\n"
              "ACTIVE_HKCS=1\r\nDISPLAYFAILURES=YES\r\n");

    ASSERT_NE(StartWendox(), nullptr);
    EXPECT_TRUE(WaitForStatus("On hold (not airborne).  No failures."));
    FocusSimulator();
    const std::string statusAgain = "Wendox:  On hold (not airborne).  No failures.";
    EXPECT_TRUE(HoldKeys({VK_CONTROL, VK_SHIFT, 'S'}, [&] { return server.Text(simvar::MessageText) == statusAgain; },
                         3000));
}

// Every component set to 0 % over 0 hours fails at the first roll unless
// the limit holds it back: at most two in force through a minute of flight,
// and the limit saved in its place.
TEST_F(SettingsEndToEnd, TheFailureLimitHoldsInFlightAndIsSaved) {
    StartSimulator();
    ASSERT_NE(StartWendox(), nullptr);
    ASSERT_TRUE(WaitForStatus("On hold (not airborne)."));
    ASSERT_TRUE(BringForward(main));
    Click(Control(ui::kIdSetAll));
    HWND dialog = WaitForWindowOfWendox(ui::kReliabilityDialogClass, nullptr);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, ui::kIdRelLeft, 100);  // "0"
    Choose(dialog, ui::kIdHours, 0);      // "0.0"
    Click(GetDlgItem(dialog, ui::kIdAccept));
    ASSERT_TRUE(WaitGone(dialog));

    Click(Control(ui::kIdOptions));
    options = WaitForWindowOfWendox(ui::kOptionsDialogClass, ui::kOptionsDialogCaption);
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(BringForward(options));
    Click(GetDlgItem(options, ui::kIdSettings));
    HWND settings = WaitForWindowOfWendox(ui::kSettingsDialogClass, ui::kSettingsDialogCaption);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ItemText(settings, ui::kIdMaxFailures), "No limit");
    ASSERT_TRUE(BringForward(settings));  // ALT+M, the caption's access key, leads to the list
    GUITHREADINFO focus{.cbSize = sizeof(GUITHREADINFO)};
    auto listFocused = [&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(settings, nullptr), &focus) &&
               focus.hwndFocus == GetDlgItem(settings, ui::kIdMaxFailures);
    };
    EXPECT_TRUE(HoldKeys({VK_MENU, 'M'}, listFocused, 3000));
    Choose(settings, ui::kIdMaxFailures, 2);
    Choose(settings, ui::kIdActiveKey, KeyEntry('A'));  // SHIFT alone: its box is not the clear key's
    Click(GetDlgItem(settings, ui::kIdActiveShift));
    Click(GetDlgItem(settings, ui::kIdDisplayFailures));
    Click(GetDlgItem(settings, ui::kIdPlayFailureSound));
    Click(GetDlgItem(settings, ui::kIdSettingsOk));
    ASSERT_TRUE(WaitGone(settings));

    standin::TakeOff(server);
    ASSERT_TRUE(WaitUntil([&] { return Status().rfind("Operational.", 0) == 0; }, 5000)) << Status();
    int most = 0;
    const DWORD flightEnds = GetTickCount() + 60000;
    while (GetTickCount() < flightEnds) {
        const std::string status = Status();
        if (status.rfind("Operational.  ", 0) == 0) most = std::max(most, std::atoi(status.c_str() + 14));
        Sleep(200);
    }
    EXPECT_EQ(most, 2) << Status();

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(wendox->WaitForExit(10000), 0u);
    EXPECT_EQ(FileContent(folder.Path("Wendox.ini")),
              "LASTPROFILE=\r\nACTIVE_HK=65\r\nACTIVE_HKCS=2\r\nDISPLAYFAILURES=YES\r\nPLAYFAILURESOUND=YES\r\n"
              "MAXFAILURES=2\r\n");
}

}  // namespace
}  // namespace wendox::testing
