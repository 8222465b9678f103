// Wendox's side of Hardcore Mode: the watchdog started before Wendox runs
// and looked for in every tick in flight, and the move to the origin when
// Wendox closes in flight.
#pragma once

#include "config/SettingsFile.h"
#include "engine/EngineState.h"
#include "hardcore/Companions.h"

namespace wendox {

inline constexpr char kWatchdogNotStarted[] = "Problem starting Wendox Hardcore Mode process (1).";

// StartWatchdog: a running watchdog lets start-up go on. Otherwise the
// watchdog is started minimized (it starts Wendox anew) and this run ends,
// also when the shell could not start it: Wendox does not run in Hardcore
// Mode without its watchdog.
class ShellWatchdogStarter final : public WatchdogStarter {
public:
    explicit ShellWatchdogStarter(Companions& companions) : companions_(companions) {}
    bool StartWatchdog() override;

private:
    Companions& companions_;
};

// The tick's step for Hardcore Mode, after a good read of the flight state:
// in flight the components list is hidden (the notice beneath it shows) and
// CheckWatchdog runs; on the ground the list shows again. False when the
// main window was closed because the watchdog is gone: the tick ends there.
bool HardcoreTickStep(EngineState& s);

// Closes the main window (with the move to the origin) when the watchdog's
// window is gone. False when it closed it.
bool CheckWatchdog(EngineState& s);

// The step of every closing of the main window before the settings are
// saved: under the in-flight lock the aircraft is moved to the origin three
// times, 1000 ms apart, and the failures stay; otherwise the failures in
// force are cleared in the simulator. The closing is never cancelled.
void Form_QueryUnload(EngineState& s);

}  // namespace wendox
