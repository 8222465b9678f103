// The project's Windows programs from tests, benchmarks and tools: started
// from a folder of their own, their windows found, read and driven.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace wendox::testing {

// The folder of the running program, where the build puts every program.
std::string ProgramFolder();
// The programs under test come from the folder named by the environment
// variable WENDOX_PROGRAMS (the programs as shipped, unpacked from a release
// zip), else from ProgramFolder().
// A developer tool (linkprobe.exe, standin.exe): beside the programs in the
// build's folder, in their "tools" folder as shipped.
std::string ToolPath(const std::string& file);

// A program started by a full path or by its file name in ProgramFolder(),
// ended when this is destroyed. With `captureOutput` its standard output and
// standard error are kept, as one stream, for Output().
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& args, bool captureOutput = false);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The exit code once it ended within timeoutMs, else STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs);
    // All it wrote, once it has closed its output.
    std::string Output();

private:
    PROCESS_INFORMATION process_{};
    HANDLE output_ = nullptr;
};

// Ends the program that owns `window`, started here or not.
void EndProcessOf(HWND window);

// A folder of its own under the temporary folder, holding copies of the
// named files of the programs under test; removed with everything in it when
// destroyed.
class ProgramCopy {
public:
    explicit ProgramCopy(const std::vector<std::string>& files);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    std::string Path(const std::string& file) const { return folder_ + "\\" + file; }

private:
    std::string folder_;
};

// Polls `done` every 50 ms until it holds or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// The top-level windows of the class (any caption when nullptr) owned by
// the process `processId` (any process when 0), and the first of them or
// nullptr; and the first once it shows, or nullptr after `timeoutMs`.
std::vector<HWND> FindWindows(DWORD processId, const char* className, const char* caption);
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);
HWND WaitForWindow(DWORD processId, const char* className, const char* caption, DWORD timeoutMs);

std::string WindowText(HWND window);
std::string ItemText(HWND parent, int id);
// The text of column `column` of `row` (both from 0) of a list view in any
// process, and with `image` the row's image index (column 0's).
std::string ListViewCell(HWND list, int row, int column, int* image = nullptr);

// Real key strokes, to whichever window has the keyboard focus: one press,
// or the keys held down (the presses repeat, as a keyboard's do) until
// `done` or the time is up.
void PressKey(WORD key);
bool HoldKeys(std::initializer_list<WORD> keys, const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace wendox::testing
