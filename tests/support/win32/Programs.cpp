#include "support/win32/Programs.h"

#include <commctrl.h>

#include <filesystem>

namespace wendox::testing {

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string();
}

static std::string ProgramsUnderTest() {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("WENDOX_PROGRAMS", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : ProgramFolder();
}

std::string ToolPath(const std::string& file) {
    const std::string programs = ProgramsUnderTest();
    return programs + (programs == ProgramFolder() ? "\\" : "\\tools\\") + file;
}

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& args, bool captureOutput) {
    std::string line = "\"" + (program.find_first_of(":\\") != std::string::npos ? program : ProgramFolder() + "\\" + program) + "\"";
    for (const std::string& arg : args) line += " " + arg;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    HANDLE writeEnd = nullptr;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (captureOutput && CreatePipe(&output_, &writeEnd, &inherit, 0)) {
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
    }
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, writeEnd != nullptr, 0, nullptr, nullptr, &startup,
                        &process_))
        process_ = {};
    if (writeEnd != nullptr) CloseHandle(writeEnd);
}

RunningProgram::~RunningProgram() {
    if (output_ != nullptr) CloseHandle(output_);
    if (!Started()) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) {
    if (!Started() || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string RunningProgram::Output() {
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (output_ != nullptr && ReadFile(output_, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    return output;
}

void EndProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) return;
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

ProgramCopy::ProgramCopy(const std::vector<std::string>& files) {
    static int made = 0;
    folder_ = (std::filesystem::temp_directory_path() / ("wendox-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                                                          std::to_string(++made))).string();
    std::filesystem::create_directory(folder_);
    for (const std::string& file : files)
        CopyFileA((ProgramsUnderTest() + "\\" + file).c_str(), Path(file).c_str(), FALSE);
}

// The folder and everything the programs left in it.
ProgramCopy::~ProgramCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

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
    item.mask = LVIF_TEXT | LVIF_IMAGE;
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
    for (const ULONGLONG until = GetTickCount64() + timeoutMs; !done(); Sleep(50))
        if (GetTickCount64() >= until) return false;
    return true;
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

bool HoldKeys(std::initializer_list<WORD> keys, const std::function<bool()>& done, DWORD timeoutMs) {
    INPUT stroke{};
    stroke.type = INPUT_KEYBOARD;
    const auto press = [&](WORD key, DWORD flags) {
        stroke.ki.wVk = key;
        stroke.ki.dwFlags = flags;
        SendInput(1, &stroke, sizeof stroke);
    };
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    bool seen = false;
    while (!seen && GetTickCount64() < until) {
        for (WORD key : keys) press(key, 0);
        seen = WaitUntil(done, 250);
    }
    for (WORD key : keys) press(key, KEYEVENTF_KEYUP);
    return seen;
}

void PressKey(WORD key) { HoldKeys({key}, [] { return true; }, 1000); }

}  // namespace wendox::testing
