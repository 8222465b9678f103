// One text log the fakes append their events to, in the order they happen
// (server writes, sounds, list refills, status captions), so that a test
// compares one string and sees a missing, extra or misplaced event at once.
#pragma once

#include <string>
#include <string_view>

namespace wendox::testing {

inline void LogEvent(std::string* log, std::string_view event) {
    if (log == nullptr) return;
    if (!log->empty()) *log += ' ';
    *log += event;
}

}  // namespace wendox::testing
