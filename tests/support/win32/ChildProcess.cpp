#include "support/win32/ChildProcess.h"

namespace wendox::testing {

namespace {

std::string CommandLine(const std::string& program, const std::vector<std::string>& args) {
    const bool fullPath = program.find_first_of(":\\") != std::string::npos;
    std::string line = "\"" + (fullPath ? program : ProgramFolder() + "\\" + program) + "\"";
    for (const std::string& arg : args) line += " " + arg;
    return line;
}

bool Start(const std::string& program, const std::vector<std::string>& args, HANDLE output,
           PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (output != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    std::string line = CommandLine(program, args);
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, output != nullptr, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/"));
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, DWORD timeoutMs) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {~0u, {}, false};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    PROCESS_INFORMATION process{};
    const bool started = Start(program, args, writeEnd, process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return {~0u, {}, false};
    }
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
    CloseHandle(readEnd);

    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        run.timedOut = true;
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& args) {
    if (!Start(program, args, nullptr, process_)) process_ = {};
}

RunningProgram::~RunningProgram() {
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

ProgramCopy::ProgramCopy(const std::vector<std::string>& files) {
    static int made = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "wendox-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (const std::string& file : files)
        CopyFileA((ProgramFolder() + "\\" + file).c_str(), Path(file).c_str(), FALSE);
}

ProgramCopy::~ProgramCopy() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA(Path(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
}

}  // namespace wendox::testing
