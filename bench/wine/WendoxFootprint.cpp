// Start-up time and memory of wendox.exe under wine, each beside an empty
// window program started and measured the same way in the same run:
//   - start-up: from process start to the empty program's window showing,
//     and to wendox's first tick's exchange with the simulator (median of 5);
//   - memory: the working set of both after a minute of flight with
//     failures in force.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"
#include "standin/win32/StandinThread.h"
#include "support/win32/Programs.h"
#include "ui/WindowIds.h"

using namespace wendox;
using namespace wendox::testing;

namespace {

constexpr int kRuns = 5;
constexpr DWORD kFlightMs = 60000;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from starting the program until `ready` holds (polled every ms).
double TimeUntil(RunningProgram& program, const std::function<bool()>& ready, double started) {
    while (!ready()) {
        if (Now() - started > 30000) return -1;
        Sleep(1);
    }
    (void)program;
    return Now() - started;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

SIZE_T WorkingSet(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return counters.WorkingSetSize;
}

HWND WindowOf(const RunningProgram& program, const char* className, const char* caption) {
    return FindProcessWindow(program.ProcessId(), className, caption);
}

double EmptyStartMs() {
    const double started = Now();
    RunningProgram empty("empty_window.exe", {});
    return TimeUntil(
        empty,
        [&] {
            HWND window = WindowOf(empty, "EmptyWindow", nullptr);
            return window != nullptr && IsWindowVisible(window);
        },
        started);
}

double WendoxStartMs(standin::ServerCore& server, const ProgramCopy& folder) {
    const std::uint32_t before = server.ExchangeCount();
    const double started = Now();
    RunningProgram wendox(folder.Path("wendox.exe"), {});
    // The open's version exchange, then the first tick's.
    return TimeUntil(wendox, [&] { return server.ExchangeCount() >= before + 2; }, started);
}

// Every component at 0 % based on 0 hours: each fails on the next roll.
void FailEverything(const RunningProgram& wendox) {
    HWND main = WindowOf(wendox, ui::kMainWindowClass, ui::kMainWindowCaption);
    PostMessageA(GetDlgItem(main, ui::kIdSetAll), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            dialog = WindowOf(wendox, ui::kReliabilityDialogClass, nullptr);
            return dialog != nullptr && IsWindowVisible(dialog);
        },
        10000);
    for (int id : {ui::kIdRelLeft, ui::kIdHours}) {
        HWND list = GetDlgItem(dialog, id);
        SendMessageA(list, CB_SETCURSEL, id == ui::kIdRelLeft ? 100 : 0, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    PostMessageA(GetDlgItem(dialog, ui::kIdAccept), BM_CLICK, 0, 0);
}

}  // namespace

// With --without-sounds the program folder has no sound files, which shows
// what the system's sound service costs.
int main(int argc, char** argv) {
    const bool withSounds = !(argc > 1 && std::string(argv[1]) == "--without-sounds");
    standin::ServerCore server;
    standin::StartFlight(server);
    standin::TakeOff(server);
    standin::StandinThread simulator(server);
    std::vector<std::string> files{"wendox.exe"};
    if (withSounds) files.insert(files.end(), {"sound_ok.wav", "sound_warning.wav", "sound_failure.wav"});
    ProgramCopy folder(files);

    std::vector<double> empty, wendox;
    for (int run = 0; run < kRuns; ++run) {
        empty.push_back(EmptyStartMs());
        wendox.push_back(WendoxStartMs(server, folder));
    }
    std::printf("startup_ms empty_window_shown=%.1f wendox_first_tick_exchange=%.1f difference=%.1f\n",
                Median(empty), Median(wendox), Median(wendox) - Median(empty));

    RunningProgram emptyProgram("empty_window.exe", {});
    RunningProgram wendoxProgram(folder.Path("wendox.exe"), {});
    WaitUntil([&] { return WindowOf(wendoxProgram, ui::kMainWindowClass, ui::kMainWindowCaption) != nullptr; },
              20000);
    WaitUntil([&] { return IsWindowVisible(WindowOf(wendoxProgram, ui::kMainWindowClass, ui::kMainWindowCaption)); },
              20000);
    const double flightStarted = Now();
    FailEverything(wendoxProgram);
    WaitUntil([&] { return !server.WritesTo(simvar::ApMaster).empty(); }, 20000);
    Sleep(static_cast<DWORD>(std::max(0.0, kFlightMs - (Now() - flightStarted))));
    const std::size_t emptySet = WorkingSet(emptyProgram.ProcessId());
    const std::size_t wendoxSet = WorkingSet(wendoxProgram.ProcessId());
    std::printf("working_set_kb_after_60s empty_window=%zu wendox=%zu difference=%zd failures_written=%s\n",
                emptySet / 1024, wendoxSet / 1024,
                static_cast<std::ptrdiff_t>(wendoxSet / 1024) - static_cast<std::ptrdiff_t>(emptySet / 1024),
                server.WritesTo(simvar::ApMaster).empty() ? "no" : "yes");
    PostMessageA(WindowOf(wendoxProgram, ui::kMainWindowClass, ui::kMainWindowCaption), WM_CLOSE, 0, 0);
    wendoxProgram.WaitForExit(5000);
    return 0;
}
