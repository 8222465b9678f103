// The moves to the origin a simulator received, as text: one line per move,
// its time and its writes, so that a test sees at once which write is
// missing, in the wrong order or on the wrong second.
#pragma once

#include <cstdio>
#include <string>

#include "standin/core/ServerCore.h"

namespace wendox::testing {

// Every write to slew mode or the position, "@ms offset/size=value ...",
// a new line at each write that turns slew mode on.
inline std::string SlewLog(const standin::ServerCore& server) {
    std::string log;
    for (const auto& w : server.Writes()) {
        const bool slew = w.offset == simvar::SlewMode.offset;
        if (!slew && (w.offset < simvar::Latitude.offset || w.offset >= simvar::Altitude.offset + 8)) continue;
        char text[48];
        if (slew && w.Value() == 1) {
            std::snprintf(text, sizeof text, "%s@%llu", log.empty() ? "" : "\n", static_cast<unsigned long long>(w.timeMs));
            log += text;
        }
        std::snprintf(text, sizeof text, " %04X/%zu=%llu", static_cast<unsigned>(w.offset), w.bytes.size(),
                      static_cast<unsigned long long>(w.Value()));
        log += text;
    }
    return log;
}

// The writes of one move: slew mode on, latitude, longitude and altitude 0, slew mode off.
inline const std::string kMoveWrites = "05DC/2=1 0560/4=0 0564/4=0 0568/4=0 056C/4=0 0570/4=0 0574/4=0 05DC/2=0";

// What one move at `ms` looks like in SlewLog.
inline std::string MoveAt(unsigned long long ms) { return "@" + std::to_string(ms) + " " + kMoveWrites; }

}  // namespace wendox::testing
