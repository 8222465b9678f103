#include "support/win32/WindowProbe.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>


namespace wendox::testing {

std::string WindowText(HWND window) {
    char text[512] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000, nullptr);
    return text;
}

std::string ItemText(HWND parent, int id) { return WindowText(GetDlgItem(parent, id)); }

namespace {

// Runs one LVM_GETITEM against the list view with the item and its text
// buffer placed in the list view's own process.
bool RemoteGetItem(HWND list, LVITEMA& item, std::string* text) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) return false;
    constexpr SIZE_T kTextSize = 256;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    bool ok = remote != nullptr;
    if (ok) {
        LVITEMA sent = item;
        sent.pszText = remote + sizeof(LVITEMA);
        sent.cchTextMax = kTextSize;
        ok = WriteProcessMemory(process, remote, &sent, sizeof sent, nullptr) &&
             SendMessageTimeoutA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote), SMTO_BLOCK, 2000,
                                 nullptr) != 0;
        char buffer[kTextSize] = {};
        ok = ok && ReadProcessMemory(process, remote, &sent, sizeof sent, nullptr) &&
             ReadProcessMemory(process, remote + sizeof(LVITEMA), buffer, kTextSize - 1, nullptr);
        item.iImage = sent.iImage;
        if (ok && text != nullptr) *text = buffer;
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return ok;
}

}  // namespace

std::string ListViewCell(HWND list, int row, int column) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    std::string text;
    return RemoteGetItem(list, item, &text) ? text : std::string("<unreadable>");
}

int ListViewImage(HWND list, int row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return RemoteGetItem(list, item, nullptr) ? item.iImage : -1;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= until) return false;
        Sleep(50);
    }
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

void Key(WORD key, bool down) {
    INPUT stroke{};
    stroke.type = INPUT_KEYBOARD;
    stroke.ki.wVk = key;
    stroke.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &stroke, sizeof stroke);
}

bool HoldKeys(std::initializer_list<WORD> keys, const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    bool seen = false;
    while (!seen && GetTickCount64() < until) {
        for (WORD key : keys) Key(key, true);
        seen = WaitUntil(done, 250);
    }
    for (WORD key : keys) Key(key, false);
    return seen;
}

namespace {

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

}  // namespace

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

}  // namespace wendox::testing
