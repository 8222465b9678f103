// Starting the project's Windows programs from tests and benchmarks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wendox::testing {

// The folder of the running program, where the build puts every program.
std::string ProgramFolder();

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

// Ends the program that owns `window`, started by the test or not.
void EndProcessOf(HWND window);

// Where the programs under test come from: the folder named by the
// environment variable WENDOX_PROGRAMS (the programs as shipped, unpacked
// from a release zip), else ProgramFolder().
std::string ProgramsUnderTest();
// A developer tool (linkprobe.exe, standin.exe): beside the programs in the
// build's folder, in their "tools" folder as shipped.
std::string ToolPath(const std::string& file);

// A folder of its own under the temporary folder, holding copies of the
// named files of ProgramsUnderTest(); removed with everything in it when
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

}  // namespace wendox::testing
