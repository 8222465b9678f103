// The other program's window as the test says it is, and a shell that fails
// to start the programs the test names. What they were asked goes to one
// log: "?caption" for each look, "start \program" (" min" when minimized)
// and each message in quotes.
#pragma once

#include <set>
#include <string>

#include "hardcore/Companions.h"
#include "support/EventLog.h"

namespace wendox::testing {

struct FakeCompanions final : Companions {
    std::set<std::string> windows;        // captions of the windows that exist
    std::set<std::string> failingStarts;  // programs the shell cannot start
    std::string log;

    bool WindowExists(const char* caption) override {
        LogEvent(&log, std::string("?") + caption);
        return windows.contains(caption);
    }
    bool StartProgram(const char* program, ShowState show) override {
        LogEvent(&log, std::string("start ") + program + (show == ShowState::Minimized ? " min" : ""));
        return !failingStarts.contains(program);
    }
    void ShowMessage(const char* text) override { LogEvent(&log, '"' + std::string(text) + '"'); }
};

}  // namespace wendox::testing
