// wendox.exe started from a program folder of its own beside a stand-in
// simulator window in the test process, and the means to find, drive and
// read its windows.
#pragma once

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"
#include "standin/win32/StandinThread.h"
#include "support/win32/Programs.h"
#include "ui/WindowIds.h"

namespace wendox::testing {

class WendoxFixture : public ::testing::Test {
protected:
    WendoxFixture() {
        standin::StartFlight(server);
        StartSimulator();
    }

    void StartSimulator() { simulator = std::make_unique<standin::StandinThread>(server); }
    // Starts wendox.exe; true once its main window shows "On hold" at first.
    bool StartWendox() {
        wendox = std::make_unique<RunningProgram>(folder.Path("wendox.exe"), std::vector<std::string>{});
        wendoxProcess = wendox->ProcessId();
        main = Await(ui::kMainWindowClass, ui::kMainWindowCaption, 20000);
        return main != nullptr && WaitUntil([&] { return Status().rfind("On hold (not airborne).", 0) == 0; }, 10000);
    }
    HWND Control(int id) const { return GetDlgItem(main, id); }
    std::string Status() const { return ItemText(main, ui::kIdStatus); }
    bool WaitForStatus(const std::string& text, DWORD timeoutMs = 10000) const {
        return WaitUntil([&] { return Status() == text; }, timeoutMs);
    }
    // A shown top-level window of wendox's (of any program when
    // `wendoxProcess` is 0) of that class (and caption, if given).
    HWND Await(const char* className, const char* caption = nullptr, DWORD timeoutMs = 10000) const {
        HWND window = WaitForWindow(wendoxProcess, className, caption, timeoutMs);
        EXPECT_NE(window, nullptr) << className << " did not show";
        return window;
    }
    // The reliability dialog of the selected component, opened as Space in
    // the components list opens it.
    HWND OpenComponentDialog() const {
        PostMessageA(Control(ui::kIdComponents), WM_KEYDOWN, VK_SPACE, 0);
        return Await(ui::kReliabilityDialogClass);
    }
    static bool WaitGone(HWND window, DWORD timeoutMs = 10000) {
        return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
    }
    static void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
    // Makes a window the active one, as a click on it would; a button of a
    // window that is not active may not take a click.
    static bool BringForward(HWND window) {
        return WaitUntil([&] { return IsWindowVisible(window) && SetForegroundWindow(window); }, 10000);
    }
    // Chooses an entry of a drop-down list or a list box as a user would
    // (LBN_SELCHANGE and CBN_SELCHANGE are the same code).
    static void Choose(HWND parent, int listId, int index) {
        HWND list = GetDlgItem(parent, listId);
        char kind[16] = "";
        GetClassNameA(list, kind, sizeof kind);
        SendMessageA(list, lstrcmpiA(kind, "ListBox") == 0 ? LB_SETCURSEL : CB_SETCURSEL, index, 0);
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    static std::string FileContent(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::string Cell(int row, int column, int* lamp = nullptr) const {
        return ListViewCell(Control(ui::kIdComponents), row, column, lamp);
    }

    standin::ServerCore server;
    std::unique_ptr<standin::StandinThread> simulator;
    ProgramCopy folder{{"wendox.exe", "wendoxhc.exe", "Wendox.htm", "sound_ok.wav", "sound_warning.wav",
                        "sound_failure.wav"}};
    std::unique_ptr<RunningProgram> wendox;
    DWORD wendoxProcess = 0;
    HWND main = nullptr;
};

}  // namespace wendox::testing
