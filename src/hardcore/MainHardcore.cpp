#include "hardcore/MainHardcore.h"

#include "engine/Failures.h"
#include "hardcore/Slew.h"

namespace wendox {

bool ShellWatchdogStarter::StartWatchdog() {
    if (companions_.WindowExists(kWatchdogCaption)) return false;
    if (!companions_.StartProgram(kWatchdogProgram, ShowState::Minimized))
        companions_.ShowMessage(kWatchdogNotStarted);
    return true;
}

bool HardcoreTickStep(EngineState& s) {
    const bool locked = InFlightLock(s);
    if (s.view->ComponentListVisible() == locked) s.view->SetComponentListVisible(!locked);
    return !locked || CheckWatchdog(s);
}

bool CheckWatchdog(EngineState& s) {
    if (s.companions == nullptr || s.companions->WindowExists(kWatchdogCaption)) return true;
    s.view->CloseMainWindow();
    return false;
}

void Form_QueryUnload(EngineState& s) {
    if (InFlightLock(s))
        SlewToOriginThreeTimes(s.link);
    else
        ClearAllFailuresOnClosing(s);
}

}  // namespace wendox
