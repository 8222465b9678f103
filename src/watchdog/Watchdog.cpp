#include "watchdog/Watchdog.h"

#include "hardcore/Slew.h"
#include "link/SimVariables.h"

namespace wendox::watchdog {

namespace {

void HandOver(Companions& companions, LinkOs& os) {
    if (!companions.StartProgram(kWendoxProgram, ShowState::Normal)) {
        companions.ShowMessage(kWendoxNotStarted);
        return;
    }
    os.Sleep(kStartPauseMs);
    if (!companions.StartProgram(kWatchdogProgram, ShowState::Minimized)) companions.ShowMessage(kWatchdogNotStarted);
}

// The simulator the link was opened to has closed: its window is gone.
bool SimulatorGone(const WatchdogState& w) { return !w.link.os->WindowExists(w.link.serverWindow); }

// Reads the on-ground word. A read that fails leaves 0 behind and so counts
// as airborne: a simulator that stops answering cannot hide a flight. When
// it failed because the simulator is gone, the next tick connects afresh,
// to a simulator started again.
void FollowFlight(WatchdogState& w) {
    std::uint32_t onGround = 0;
    LinkResult result;
    if (!LinkRead(w.link, simvar::OnGround.offset, simvar::OnGround.size, &onGround, result)) return;
    if (!LinkProcess(w.link, result) && SimulatorGone(w)) w.connected = false;
    if (onGround == 0) w.beenAirborne = true;
}

}  // namespace

Role Form_Load(WatchdogState& w, Companions& companions) {
    w.link.os->Sleep(kStartPauseMs);
    if (companions.WindowExists(kWendoxCaption)) {
        WatchdogConnect(w);
        return Role::Guard;
    }
    HandOver(companions, *w.link.os);
    return Role::HandedOver;
}

bool tmrTimer_Timer(WatchdogState& w, Companions& companions) {
    if (w.connected)
        FollowFlight(w);
    else
        WatchdogConnect(w);
    return CheckMainProgram(companions);
}

void WatchdogConnect(WatchdogState& w) {
    if (w.connected) return;
    LinkClose(w.link);
    LinkReset(w.link);
    LinkResult result = LinkResult::Ok;
    w.connected = LinkOpen(w.link, 0, result) && result == LinkResult::Ok;
}

bool CheckMainProgram(Companions& companions) { return companions.WindowExists(kWendoxCaption); }

void Form_QueryUnload(WatchdogState& w) {
    if (!w.beenAirborne) return;
    // One try to reach a simulator that closed and came back since the last
    // tick, or that the watchdog was not connected to.
    if (w.connected && SimulatorGone(w)) w.connected = false;
    WatchdogConnect(w);
    SlewToOriginThreeTimes(w.link);
}

}  // namespace wendox::watchdog
