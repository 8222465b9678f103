// A long flight: wendox.exe against the stand-in simulator in the air, with
// a profile whose failures come and go, and every minute "&Clear All
// Failures", the reliability, options and settings dialogs opened and
// closed, and the status hot key pressed. One line a minute: Wendox's
// handles, GDI objects, USER objects and private bytes.
//   wendox_soak.exe MINUTES PROFILE
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <cstring>
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

constexpr DWORD kMinuteMs = 60000;
constexpr DWORD kWaitMs = 10000;

struct Sample {
    DWORD handles = 0, gdi = 0, user = 0;
    SIZE_T privateBytes = 0;
};

// Under wine the per-process queries answer 0 for another process; the
// system's process list carries the handle count that the server keeps.
DWORD ListedHandleCount(DWORD processId) {
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    static const auto query =
        reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<unsigned char> buffer(1 << 20);
    ULONG size = 0;
    if (query == nullptr || query(5, buffer.data(), static_cast<ULONG>(buffer.size()), &size) != 0) return 0;
    // SYSTEM_PROCESS_INFORMATION: next offset at 0, process id and handle count after the names.
    for (std::size_t at = 0;;) {
        const unsigned char* entry = buffer.data() + at;
        ULONG next;
        std::memcpy(&next, entry, sizeof next);
        const std::size_t idOffset = sizeof(void*) == 8 ? 0x50 : 0x44;
        std::uintptr_t id;
        std::memcpy(&id, entry + idOffset, sizeof id);
        ULONG handles;
        std::memcpy(&handles, entry + idOffset + 2 * sizeof(void*), sizeof handles);
        if (id == processId) return handles;
        if (next == 0) return 0;
        at += next;
    }
}

// Windows of the process, top-level and child: the USER objects that wine
// lets another process count.
struct WindowCount {
    DWORD processId;
    DWORD count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != windows.processId) return TRUE;
    ++windows.count;
    EnumChildWindows(window, CountChild, data);
    return TRUE;
}

// Under wine, the resident anonymous memory of the Unix process that runs
// the program whose command line names `marker`, read through drive Z:.
SIZE_T UnixPrivateBytes(const std::string& marker) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    SIZE_T bytes = 0;
    do {
        if (entry.cFileName[0] < '0' || entry.cFileName[0] > '9') continue;
        const std::string dir = std::string("Z:\\proc\\") + entry.cFileName;
        std::ifstream cmdline(dir + "\\cmdline", std::ios::binary);
        const std::string command{std::istreambuf_iterator<char>(cmdline), std::istreambuf_iterator<char>()};
        if (command.find(marker) == std::string::npos) continue;
        std::ifstream status(dir + "\\status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("RssAnon:", 0) == 0) bytes = std::strtoull(line.c_str() + 8, nullptr, 10) * 1024;
    } while (bytes == 0 && FindNextFileA(find, &entry));
    FindClose(find);
    return bytes;
}

Sample Measure(HANDLE process, const std::string& marker) {
    Sample s;
    const DWORD id = GetProcessId(process);
    GetProcessHandleCount(process, &s.handles);
    if (s.handles == 0) s.handles = ListedHandleCount(id);
    s.gdi = GetGuiResources(process, GR_GDIOBJECTS);  // 0 under wine: not counted there
    s.user = GetGuiResources(process, GR_USEROBJECTS);
    if (s.user == 0) {
        WindowCount windows{id};
        EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
        s.user = windows.count;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    s.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : UnixPrivateBytes(marker);
    return s;
}

class Pilot {
public:
    Pilot(DWORD process, HWND main, HWND simulator) : process_(process), main_(main), simulator_(simulator) {}

    // One minute's work; what did not come or go as it should, else nothing.
    const char* Exercise(const standin::ServerCore& server) {
        Click(main_, ui::kIdClearFailures);
        if (!OpenAndClose(ui::kIdSetAll, ui::kReliabilityDialogClass, ui::kIdCancel)) return "reliability-dialog";
        HWND options = Open(main_, ui::kIdOptions, ui::kOptionsDialogClass);
        if (options == nullptr) return "options-dialog";
        HWND settings = Open(options, ui::kIdSettings, ui::kSettingsDialogClass);
        if (settings == nullptr) return "settings-dialog";
        Click(settings, ui::kIdSettingsCancel);
        if (!WaitUntil([&] { return !IsWindow(settings); }, kWaitMs)) return "settings-cancel";
        if (IsWindow(options)) Click(options, ui::kIdOptionsCancel);  // closes with the settings dialog
        if (!WaitUntil([&] { return !IsWindow(options); }, kWaitMs)) return "options-cancel";
        return PressStatusKey(server) ? nullptr : "status-hot-key";
    }

private:
    void Click(HWND window, int id) const {
        WaitUntil([&] { return SetForegroundWindow(window) != FALSE; }, kWaitMs);
        PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
    }
    HWND Open(HWND from, int button, const char* dialogClass) const {
        Click(from, button);
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindProcessWindow(process_, dialogClass, nullptr)) != nullptr &&
                               IsWindowVisible(dialog); }, kWaitMs);
        return dialog;
    }
    bool OpenAndClose(int button, const char* dialogClass, int closeButton) const {
        HWND dialog = Open(main_, button, dialogClass);
        if (dialog == nullptr) return false;
        Click(dialog, closeButton);
        return WaitUntil([&] { return !IsWindow(dialog); }, kWaitMs);
    }
    // CTRL+SHIFT+S with the simulator in front, held until the status is
    // written to the message line.
    bool PressStatusKey(const standin::ServerCore& server) const {
        SetForegroundWindow(simulator_);
        const std::size_t before = server.WritesTo(simvar::MessageText).size();
        return HoldKeys({VK_CONTROL, VK_SHIFT, 'S'},
                        [&] { return server.WritesTo(simvar::MessageText).size() > before; }, 3000);
    }

    DWORD process_;
    HWND main_;
    HWND simulator_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wendox_soak MINUTES PROFILE\n");
        return 2;
    }
    const int minutes = std::atoi(argv[1]);

    standin::ServerCore server;
    standin::StartFlight(server);
    standin::TakeOff(server);
    standin::StandinThread simulator(server);
    ShowWindow(simulator.Window(), SW_SHOW);

    ProgramCopy folder{{"wendox.exe", "Wendox.htm", "sound_ok.wav", "sound_warning.wav", "sound_failure.wav"}};
    CopyFileA(argv[2], folder.Path("Soak.wdp").c_str(), FALSE);
    std::ofstream(folder.Path("Wendox.ini"), std::ios::binary)
        << "LASTPROFILE=" << folder.Path("Soak.wdp") << "\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\n"
        << "DISPLAYUPDATE=YES\r\nDISPLAYFAILURES=YES\r\nPLAYFAILURESOUND=YES\r\n";

    RunningProgram wendox(folder.Path("wendox.exe"), {});
    HWND main = nullptr;
    WaitUntil([&] { return (main = FindProcessWindow(wendox.ProcessId(), ui::kMainWindowClass,
                                                     ui::kMainWindowCaption)) != nullptr; }, 30000);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, wendox.ProcessId());
    if (main == nullptr || process == nullptr) {
        std::fprintf(stderr, "wendox.exe did not start\n");
        return 1;
    }

    Pilot pilot(wendox.ProcessId(), main, simulator.Window());
    std::printf("minute handles gdi_objects user_objects private_kb failures_written exercised\n");
    const ULONGLONG started = GetTickCount64();
    for (int minute = 0;; ++minute) {
        const Sample s = Measure(process, folder.Path("wendox.exe").substr(folder.Path("wendox.exe").find("wendox-e2e")));
        std::printf("%6d %7lu %11lu %12lu %10zu %15zu", minute, s.handles, s.gdi, s.user,
                    static_cast<std::size_t>(s.privateBytes / 1024), server.WriteCount());
        if (minute == minutes) {
            std::printf("\n");
            break;
        }
        const char* missed = pilot.Exercise(server);
        std::printf(" %s\n", missed == nullptr ? "yes" : missed);
        std::fflush(stdout);
        const ULONGLONG next = started + static_cast<ULONGLONG>(minute + 1) * kMinuteMs;
        const ULONGLONG now = GetTickCount64();
        if (next > now) Sleep(static_cast<DWORD>(next - now));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    const DWORD exitCode = wendox.WaitForExit(kWaitMs);
    CloseHandle(process);
    return exitCode == 0 ? 0 : 1;
}
