#include "support/win32/WindowProbe.h"

#include <commctrl.h>

namespace wendox::testing {

std::string WindowText(HWND window) {
    char text[512] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000, nullptr);
    return text;
}

std::string ItemText(HWND parent, int id) { return WindowText(GetDlgItem(parent, id)); }

// One LVM_GETITEM with the item and its text buffer placed in the list
// view's own process.
std::string ListViewCell(HWND list, int row, int column, int* image) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) return "<unreadable>";
    constexpr SIZE_T kTextSize = 256;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    LVITEMA item{};
    item.mask = image != nullptr ? LVIF_TEXT | LVIF_IMAGE : LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = remote + sizeof(LVITEMA);
    item.cchTextMax = kTextSize;
    char text[kTextSize] = {};
    const bool read = remote != nullptr && WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
                      SendMessageTimeoutA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote), SMTO_BLOCK, 2000,
                                          nullptr) != 0 &&
                      ReadProcessMemory(process, remote, &item, sizeof item, nullptr) &&
                      ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kTextSize - 1, nullptr);
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (image != nullptr) *image = read ? item.iImage : -1;
    return read ? text : "<unreadable>";
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= until) return false;
        Sleep(50);
    }
}

std::vector<HWND> FindWindows(DWORD processId, const char* className, const char* caption) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, caption)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (processId == 0 || owner == processId) found.push_back(window);
    }
    return found;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    const std::vector<HWND> found = FindWindows(processId, className, caption);
    return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(DWORD processId, const char* className, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(processId, className, caption)) && IsWindowVisible(found); },
              timeoutMs);
    return found;
}

namespace {

void Key(WORD key, bool down) {
    INPUT stroke{};
    stroke.type = INPUT_KEYBOARD;
    stroke.ki.wVk = key;
    stroke.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &stroke, sizeof stroke);
}

}  // namespace

void PressKey(WORD key) {
    Key(key, true);
    Key(key, false);
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

}  // namespace wendox::testing
