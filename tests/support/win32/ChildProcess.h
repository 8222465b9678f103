// Starting the project's Windows programs from tests and benchmarks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wendox::testing {

// The folder of the running program, where the build puts every program.
std::string ProgramFolder();

struct ProgramRun {
    DWORD exitCode = 0;
    std::string output;  // what it wrote to standard output
    bool timedOut = false;
};

// Programs are named by a full path, or by a file name in ProgramFolder().

// Runs `program` to its end, at most timeoutMs.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, DWORD timeoutMs);

// A program left running while the test goes on; ended when destroyed.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& args);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The exit code once it ended within timeoutMs, else STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION process_{};
};

// A folder of its own under the temporary folder, holding copies of the
// named files of ProgramFolder(); removed with everything in it when
// destroyed.
class ProgramCopy {
public:
    explicit ProgramCopy(const std::vector<std::string>& files);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    std::string Path(const std::string& file) const { return folder_ + "\\" + file; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};

}  // namespace wendox::testing
