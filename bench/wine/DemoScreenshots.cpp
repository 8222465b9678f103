// Screenshots of Wendox beside the stand-in simulator, for the read-me and
// for reviews: the main window on the ground, in flight with a failure and
// in Hardcore Mode, the reliability and settings dialogs, and the stand-in
// after the move to the origin. Bitmaps in the build's "screenshots" folder;
// scripts/demo.sh runs it through scripts/wine-run.sh.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "hardcore/Companions.h"
#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"
#include "standin/win32/StandinThread.h"
#include "support/win32/Programs.h"
#include "ui/WindowIds.h"

namespace wendox {
namespace {

using testing::WaitForWindow;
using testing::WaitUntil;

constexpr DWORD kWaitMs = 20000;

// Under wine a program sees on the screen only what its own windows drew:
// when the screenshot service runs beside it (scripts/screenshot-service.sh),
// it takes the shot from the X display instead.
bool ShotFromService(const RECT& rect, const std::string& path) {
    if (GetEnvironmentVariableA("WENDOX_SCREENSHOT_SERVICE", nullptr, 0) == 0) return false;
    const std::string request = path + ".request";
    DeleteFileA(path.c_str());
    if (std::FILE* file = std::fopen(request.c_str(), "w")) {
        std::fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        std::fclose(file);
    }
    const bool served = WaitUntil([&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; }, 10000);
    DeleteFileA(request.c_str());
    return served && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// What the screen shows of the window, as a bitmap file.
bool SaveWindowBitmap(HWND window, const std::string& path) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (ShotFromService(rect, path)) return true;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top row first
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                         std::fwrite(&info, sizeof info, 1, file) == 1 &&
                         std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
    return std::fclose(file) == 0 && written;
}

// The window brought forward and, once painted, saved as `name`.
void Shot(HWND window, const char* name) {
    const std::string folder = testing::ProgramFolder() + "\\..\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Sleep(700);
    std::printf("%s: %s\n", name, SaveWindowBitmap(window, folder + "\\" + name) ? "saved" : "not saved");
}

void Click(HWND parent, int id) { PostMessageA(GetDlgItem(parent, id), BM_CLICK, 0, 0); }

bool StatusStarts(HWND main, const std::string& text) {
    return WaitUntil([&] { return testing::ItemText(main, ui::kIdStatus).rfind(text, 0) == 0; }, kWaitMs);
}

// A failure tested on the ground, then the flight; the dialogs on the way.
void NormalMode(standin::ServerCore& server) {
    testing::ProgramCopy folder({"wendox.exe", "Wendox.htm"});
    testing::RunningProgram wendox(folder.Path("wendox.exe"), {});
    const DWORD process = wendox.ProcessId();
    HWND main = WaitForWindow(process, ui::kMainWindowClass, ui::kMainWindowCaption, kWaitMs);
    StatusStarts(main, "On hold");
    Shot(main, "main-on-ground.bmp");
    PostMessageA(GetDlgItem(main, ui::kIdComponents), WM_KEYDOWN, VK_SPACE, 0);
    HWND dialog = WaitForWindow(process, ui::kReliabilityDialogClass, nullptr, kWaitMs);
    Shot(dialog, "reliability-dialog.bmp");
    Click(dialog, ui::kIdTest);
    standin::TakeOff(server);
    StatusStarts(main, "Operational");
    Shot(main, "main-in-flight-with-failure.bmp");
    Click(main, ui::kIdOptions);
    HWND options = WaitForWindow(process, ui::kOptionsDialogClass, nullptr, kWaitMs);
    Click(options, ui::kIdSettings);
    Shot(WaitForWindow(process, ui::kSettingsDialogClass, nullptr, kWaitMs), "settings-dialog.bmp");
}

// Hardcore Mode in flight, then Wendox ended: the watchdog's moves.
void HardcoreMode(standin::ServerCore& server, HWND simulator) {
    standin::Land(server);
    testing::ProgramCopy folder({"wendox.exe", "wendoxhc.exe", "Wendox.htm"});
    std::ofstream(folder.Path("Wendox.ini"), std::ios::binary) << "HARDCOREMODE=YES\r\n";
    testing::RunningProgram(folder.Path("wendox.exe"), {}).WaitForExit(kWaitMs);  // it hands over
    HWND main = WaitForWindow(0, kProgramWindowClass, kWendoxCaption, kWaitMs);
    WaitForWindow(0, kProgramWindowClass, kWatchdogCaption, kWaitMs);
    standin::TakeOff(server);
    StatusStarts(main, "Operational");
    Shot(main, "main-hardcore-in-flight.bmp");
    testing::EndProcessOf(main);
    WaitUntil([&] { return server.WritesTo(simvar::SlewMode).size() >= 6; }, kWaitMs);
    Shot(simulator, "standin-after-the-move.bmp");
    for (const char* caption : {kWendoxCaption, kWatchdogCaption})
        for (HWND window : testing::FindWindows(0, kProgramWindowClass, caption)) testing::EndProcessOf(window);
}

}  // namespace
}  // namespace wendox

int main() {
    using namespace wendox;
    standin::ServerCore server;
    standin::StartFlight(server);
    standin::StandinThread simulator(server);
    NormalMode(server);
    HardcoreMode(server, simulator.Window());
    return 0;
}
