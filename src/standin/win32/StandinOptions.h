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

inline constexpr char kStandinUsage[] =
    "Usage: standin [options]\n"
    "\n"
    "  --fs98main        serve under the window class FS98MAIN only\n"
    "  --old-version     report a server version too old for the client\n"
    "  --no-answer       never answer a request in time\n"
    "  --answer=N        answer every request with N instead of 1\n"
    "  --tamper=WHAT     change a header field of the reply; WHAT is one of\n"
    "                    kind, offset, size, destination, end\n"
    "  --airborne        start in the air";

// Nothing when an argument is unknown or malformed. `arguments` excludes the
// program name.
std::optional<StandinOptions> ParseStandinArguments(const std::vector<std::string_view>& arguments);

}  // namespace wendox::standin
