// The other program's window as the test says it is, and a shell that
// remembers what it was asked to start and fails where the test says.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "hardcore/Companions.h"

namespace wendox::testing {

struct FakeCompanions final : Companions {
    struct Start {
        std::string program;
        ShowState show;
        bool operator==(const Start&) const = default;
    };
    std::set<std::string> windows;       // captions of the windows that exist
    std::set<std::string> failingStarts;  // programs the shell cannot start
    std::vector<Start> starts;
    std::vector<std::string> messages;
    int lookups = 0;

    bool WindowExists(const char* caption) override {
        ++lookups;
        return windows.contains(caption);
    }
    bool StartProgram(const char* program, ShowState show) override {
        starts.push_back({program, show});
        return !failingStarts.contains(program);
    }
    void ShowMessage(const char* text) override { messages.push_back(text); }
};

}  // namespace wendox::testing
