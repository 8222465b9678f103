// The writes a simulator received, as text; its moves to the origin one line
// per move, with its time and its writes, so that a test sees at once which
// write is missing, in the wrong order or on the wrong second.
#pragma once

#include <cstdio>
#include <string>

#include "standin/core/ServerCore.h"

namespace wendox::testing {

// One write the server stored, as text: "07BC/4=0", a text as 3380="...".
inline std::string WriteText(const standin::RecordedWrite& w) {
    char offset[16];
    std::snprintf(offset, sizeof offset, "%04X", static_cast<unsigned>(w.offset));
    if (w.bytes.size() > 8) return offset + ("=\"" + std::string(reinterpret_cast<const char*>(w.bytes.data())) + '"');
    return offset + ("/" + std::to_string(w.bytes.size()) + "=" + std::to_string(w.Value()));
}

// Every write to slew mode or the position, "@ms offset/size=value ...",
// a new line at each write that turns slew mode on.
inline std::string SlewLog(const standin::ServerCore& server) {
    std::string log;
    for (const auto& w : server.Writes()) {
        const bool slew = w.offset == simvar::SlewMode.offset;
        if (!slew && (w.offset < simvar::Latitude.offset || w.offset >= simvar::Altitude.offset + 8)) continue;
        if (slew && w.Value() == 1) log += (log.empty() ? "@" : "\n@") + std::to_string(w.timeMs);
        log += " " + WriteText(w);
    }
    return log;
}

// The writes of one move: slew mode on, latitude, longitude and altitude 0, slew mode off.
inline const std::string kMoveWrites = "05DC/2=1 0560/4=0 0564/4=0 0568/4=0 056C/4=0 0570/4=0 0574/4=0 05DC/2=0";

// What one move at `ms` looks like in SlewLog.
inline std::string MoveAt(unsigned long long ms) { return "@" + std::to_string(ms) + " " + kMoveWrites; }

}  // namespace wendox::testing
