#include "support/win32/ChildProcess.h"

#include <shellapi.h>

namespace wendox::testing {

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/"));
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
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
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

std::string ProgramsUnderTest() {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("WENDOX_PROGRAMS", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : ProgramFolder();
}

std::string ToolPath(const std::string& file) {
    const std::string programs = ProgramsUnderTest();
    return programs + (programs == ProgramFolder() ? "\\" : "\\tools\\") + file;
}

ProgramCopy::ProgramCopy(const std::vector<std::string>& files) {
    static int made = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "wendox-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (const std::string& file : files)
        CopyFileA((ProgramsUnderTest() + "\\" + file).c_str(), Path(file).c_str(), FALSE);
}

// The folder and everything the programs left in it.
ProgramCopy::~ProgramCopy() {
    std::string from = folder_ + '\0';  // a list of one, ended by a second zero
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    SHFileOperationA(&remove);
}

}  // namespace wendox::testing
