// wendox.exe: the failure generator beside the simulator.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "config/SettingsFile.h"
#include "config/StdioFileStore.h"
#include "engine/EngineState.h"
#include "hardcore/Companions.h"
#include "hardcore/MainHardcore.h"
#include "monitor/FlightMonitor.h"
#include "platform/win32/Win32Companions.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32LinkOs.h"
#include "ui/win32/MainWindow.h"

namespace {

constexpr char kInstanceMutex[] = "Wendox.FS2002.RunningInstance";

int RunMessageLoop(HWND mainWindow) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab, Enter and the buttons' access keys work as in a dialog.
        if (IsDialogMessageA(mainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

// The running Wendox to the front, as the pilot who started it again expects
// to see it: restored if minimized, or the dialog or message it shows
// brought forward. Nothing while its window is not there yet.
void BringFirstInstanceForward() {
    HWND first = FindWindowA(wendox::kProgramWindowClass, wendox::kWendoxCaption);
    if (first == nullptr) return;
    if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(first));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    // A second instance ends at once, before anything else, showing the first.
    HANDLE instance = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (instance == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        BringFirstInstanceForward();
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    wendox::Win32LinkOs os;
    wendox::Win32Desktop desktop;
    wendox::ui::MainWindow window;
    if (!window.Create()) return 1;
    desktop.SetOwner(window.Window());
    wendox::StdioFileStore files;
    auto engine = std::make_unique<wendox::EngineState>(os, desktop, window);
    engine->files = &files;
    wendox::Win32Keyboard keyboard;
    engine->keyboard = &keyboard;
    wendox::Win32Companions companions(wendox::kMessageTitle);
    companions.SetOwner(window.Window());
    engine->companions = &companions;
    window.Attach(*engine);

    wendox::ShellWatchdogStarter watchdog(companions);
    if (!wendox::StartUp(*engine, watchdog)) {
        wendox::LinkClose(engine->link);
        CloseHandle(instance);
        return 0;
    }
    window.Show(show);
    const int exitCode = RunMessageLoop(window.Window());

    wendox::LinkClose(engine->link);
    CloseHandle(instance);
    return exitCode;
}
