// The watchdog wendoxhc: at its start it either guards a running Wendox or
// hands over (starts Wendox and a fresh copy of itself, and ends). A guard
// follows whether the aircraft has been airborne and, once Wendox's window
// is gone, moves the aircraft to the origin if it has, and ends.
#pragma once

#include "hardcore/Companions.h"
#include "link/Link.h"

namespace wendox::watchdog {

inline constexpr std::uint32_t kStartPauseMs = 1000;
inline constexpr char kWendoxNotStarted[] = "Problem starting Wendox in Hardcore Mode.";
inline constexpr char kWatchdogNotStarted[] = "Problem starting Wendox Hardcore Mode process.";

struct WatchdogState {
    explicit WatchdogState(LinkOs& os) : link(os) {}

    LinkState link;
    bool connected = false;     // WatchdogConnected: the link is open; false again once its simulator is gone
    bool beenAirborne = false;  // never cleared once set
};

enum class Role { Guard, HandedOver };

// The start-up decision, 1000 ms after the start: a guard when Wendox's
// window exists (and connected if it can be), else the hand-over, after
// which the program ends without its closing step.
Role Form_Load(WatchdogState& w, Companions& companions);

// One tick of the guard. False when Wendox's window is gone: the watchdog's
// window must close now (Form_QueryUnload runs as it closes).
bool tmrTimer_Timer(WatchdogState& w, Companions& companions);

// Opens the link unless it is open; no message and no sound either way.
void WatchdogConnect(WatchdogState& w);

// True while Wendox's main window exists.
bool CheckMainProgram(Companions& companions);

// Every closing of the watchdog's window: after a flight, the move to the
// origin three times, 1000 ms apart, through a link opened afresh first if
// the simulator it held is gone.
void Form_QueryUnload(WatchdogState& w);

}  // namespace wendox::watchdog
