// standin.exe: the stand-in simulator. Serves the simulator link from a
// window of its own so that Wendox can be run without the simulator; the
// command line makes it misbehave on purpose.
#include <windows.h>

#include <string_view>
#include <vector>

#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"
#include "standin/win32/StandinIds.h"
#include "standin/core/StandinOptions.h"
#include "standin/win32/StandinWindow.h"

using namespace wendox::standin;

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto options = ParseStandinArguments(arguments);
    if (!options) {
        MessageBoxA(nullptr, kStandinUsage, kStandinCaption, MB_OK | MB_ICONERROR);
        return 2;
    }

    ServerCore core;
    StartFlight(core);
    core.SetMisbehaviour(options->misbehaviour);
    if (options->tooOldVersion) core.ReportTooOldVersion();
    if (options->airborne) TakeOff(core);

    HWND window = CreateStandinWindow(core);
    if (window == nullptr) {
        MessageBoxA(nullptr, "The window could not be created.", kStandinCaption, MB_OK | MB_ICONERROR);
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);

    // Closing the window posts WM_QUIT, which ends the loop and the program.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;  // Tab moves between the buttons
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
