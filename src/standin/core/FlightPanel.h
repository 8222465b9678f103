// What the stand-in simulator's window lists: every variable a failure
// touches, grouped and formatted, read from the server core. Nothing here
// draws; the window lays the columns out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

struct PanelLine {
    std::uint32_t offset;
    std::string name;
    std::string value;
    bool alert;  // a failure in force (a flag set, a control disconnected), slew on, or the aircraft moved to the origin
};

struct PanelGroup {
    std::string title;
    std::vector<PanelLine> lines;
};

using PanelColumn = std::vector<PanelGroup>;

// Three columns: autopilot and switches; failure flags and controls;
// engines, fuel tanks and position.
std::vector<PanelColumn> BuildFlightPanel(const ServerCore& core);

}  // namespace wendox::standin
