// The stand-in simulator's command line.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

struct StandinOptions {
    Misbehaviour misbehaviour;
    bool tooOldVersion = false;  // --old-version
    bool airborne = false;       // --airborne
};

// Shown in a message box, in a proportional font: one option a line, no
// column alignment.
inline constexpr char kStandinUsage[] =
    "Usage: standin [option ...]\n"
    "\n"
    "--fs98main:  serve as window class FS98MAIN only\n"
    "--old-version:  report a server version too old\n"
    "--no-answer:  never answer in time\n"
    "--answer=N:  answer with N instead of 1\n"
    "--tamper=WHAT:  change a header field of the reply,\n"
    "      WHAT being kind, offset, size, destination or end\n"
    "--airborne:  start in the air";

// Nothing when an argument is unknown or malformed. `arguments` excludes the
// program name.
std::optional<StandinOptions> ParseStandinArguments(const std::vector<std::string_view>& arguments);

}  // namespace wendox::standin
