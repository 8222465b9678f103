// wendoxhc.exe: Hardcore Mode's watchdog. A small window that holds only
// the watch's timer; everything it decides is the watchdog core's.
#include <windows.h>

#include "platform/win32/Win32Companions.h"
#include "platform/win32/Win32LinkOs.h"
#include "ui/win32/WindowKit.h"
#include "watchdog/Watchdog.h"

namespace {

using namespace wendox;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kClientWidth = 2760;  // twips
constexpr int kClientHeight = 720;
constexpr UINT_PTR kTimerId = 1;    // tmrTimer
constexpr UINT kTickMs = 1000;

struct WatchdogProgram {
    Win32LinkOs os;
    Win32Companions companions{kWatchdogCaption};
    watchdog::WatchdogState state{os};
    bool unloaded = false;

    // The closing step, once, with the timer stopped so that no tick runs
    // while the slews pause.
    void Unload(HWND window) {
        if (unloaded) return;
        unloaded = true;
        KillTimer(window, kTimerId);
        watchdog::Form_QueryUnload(state);
    }
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* program = reinterpret_cast<WatchdogProgram*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (program == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerId && !program->unloaded &&
                !watchdog::tmrTimer_Timer(program->state, program->companions))
                SendMessageA(window, WM_CLOSE, 0, 0);  // Wendox's window is gone
            return 0;
        case WM_CLOSE:
            program->Unload(window);
            DestroyWindow(window);
            return 0;
        case WM_ENDSESSION:
            if (wParam != FALSE) program->Unload(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateWatchdogWindow(WatchdogProgram& program) {
    if (!ui::RegisterWindowClass(kProgramWindowClass, Procedure, GetSysColorBrush(COLOR_BTNFACE))) return nullptr;

    HWND window = CreateWindowExA(0, kProgramWindowClass, kWatchdogCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), &program);
    if (window == nullptr) return nullptr;
    const SIZE size = ui::WindowSizeForClient(kStyle, 0, kClientWidth, kClientHeight, ui::WindowDpi(window));
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    WatchdogProgram program;
    // The window exists, unseen, while the start-up decision is made: a
    // Wendox starting meanwhile finds it.
    HWND window = CreateWatchdogWindow(program);
    if (window == nullptr) return 1;
    program.companions.SetOwner(window);

    if (watchdog::Form_Load(program.state, program.companions) == watchdog::Role::HandedOver) {
        DestroyWindow(window);
        return 0;
    }
    ShowWindow(window, show);
    SetTimer(window, kTimerId, kTickMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    LinkClose(program.state.link);
    return static_cast<int>(message.wParam);
}
