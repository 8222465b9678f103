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

// Runs `program` (a file in ProgramFolder()) to its end, at most timeoutMs.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, DWORD timeoutMs);

// A program left running while the test goes on; ended when destroyed.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& args);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }

private:
    PROCESS_INFORMATION process_{};
};

// Polls for a top-level window of the class until it appears or time runs out.
HWND WaitForWindow(const char* className, DWORD timeoutMs);

}  // namespace wendox::testing
