#include "monitor/FlightMonitor.h"

#include <charconv>

#include "config/HotKeys.h"
#include "engine/Failures.h"
#include "engine/Schedule.h"
#include "engine/StatusReport.h"
#include "hardcore/MainHardcore.h"
#include "monitor/UserFiles.h"

namespace wendox {

namespace {

struct FlightWords {
    std::uint16_t paused = 0;
    std::uint16_t onGround = 0;
};

// The tick's one exchange: engines, pause, ground, gear and flaps, after the
// flag clears that earlier exchanges could not carry.
bool ReadFlightState(EngineState& s, FlightWords& words) {
    LinkResult result;
    s.gearControl = 0;
    s.flapsControl = 0;
    QueueUnsentFlagClears(s);
    if (!LinkRead(s.link, simvar::EngineCount.offset, simvar::EngineCount.size, &s.engineCount, result))
        return false;
    LinkRead(s.link, simvar::Paused.offset, simvar::Paused.size, &words.paused, result);
    LinkRead(s.link, simvar::OnGround.offset, simvar::OnGround.size, &words.onGround, result);
    LinkRead(s.link, simvar::GearControl.offset, simvar::GearControl.size, &s.gearControl, result);
    LinkRead(s.link, simvar::FlapsControl.offset, simvar::FlapsControl.size, &s.flapsControl, result);
    if (!LinkProcess(s.link, result)) return false;
    ForgetUnsentFlagClears(s);
    return true;
}

void LoseLink(EngineState& s) {
    PlaySound(s, kSoundWarning);
    SetDisconnected(s);
}

void ComposeHoldOrRoll(EngineState& s) {
    std::string& text = s.statusText;
    if (s.simPaused || !s.airborne || s.deactivated) {
        text = "On hold ";
        if (s.simPaused) text += "(sim paused)";
        if (!s.airborne) text += "(not airborne)";
        if (s.deactivated) text += "(deactivated)";
        text += '.';
        return;
    }
    text = kStatusOperational;
    if (++s.rollTickCounter == kTicksPerRoll) {
        s.rollTickCounter = 0;
        FailureRoll(s);
    }
}

void AppendFailureCount(EngineState& s) {
    if (s.failed.count < 1) {
        s.statusText += "  No failures.";
        return;
    }
    char digits[12];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, s.failed.count);
    s.statusText += "  ";
    s.statusText.append(digits, end);
    s.statusText += " failures.";
}

}  // namespace

bool StartUp(EngineState& s, WatchdogStarter& watchdog) {
    if (s.files != nullptr && !LoadSettingsFile(s, watchdog)) return false;
    s.catalogue = BuildCatalogue();
    s.failed = {};
    s.view->FillSystems();
    if (!s.settings.lastProfile.empty() && s.files != nullptr) OpenProfile(s);
    Connect(s, false);
    ScheduleAllPeriods(s);
    // The settings as start-up left them (a profile that could not be read
    // empties the last profile): only what the pilot changes from here on
    // counts as a change when the settings are saved.
    s.settingsFile.loaded = s.settings;
    s.view->StartTimer();
    Tick(s);
    return true;
}

void RunHotKeys(EngineState& s) {
    if (s.keyboard == nullptr) return;
    const FiringHotKeys firing = PollHotKeys(s.settings, *s.keyboard);
    if (firing[0]) ShowStatus(s, true);
    if (firing[1]) ClearLastFailure(s);
    if (firing[2]) ToggleDeactivated(s);
}

void Tick(EngineState& s) {
    RunHotKeys(s);
    if (!s.connected) {
        Connect(s, true);
        ShowStatus(s, false);
        return;
    }

    FlightWords words;
    if (!ReadFlightState(s, words)) {
        LoseLink(s);
        ShowStatus(s, false);
        return;
    }
    s.simPaused = words.paused != 0;
    s.airborne = words.onGround == 0;

    if (!HardcoreTickStep(s)) return;  // the program is closing
    ComposeHoldOrRoll(s);
    ApplyFailures(s);

    if (s.failed.count != s.prevFailedCount) {
        RefreshComponents(s, true);
        if (s.settings.playFailureSound && s.failed.count > s.prevFailedCount) PlaySound(s, kSoundFailure);
    }
    s.prevFailedCount = s.failed.count;

    if (s.settings.displayFailures && !s.settings.hardcoreMode) AppendFailureCount(s);
    ShowStatus(s, false);
}

void Connect(EngineState& s, bool silent) {
    if (s.connected) return;
    LinkClose(s.link);
    LinkReset(s.link);
    LinkResult result = LinkResult::Ok;
    if (LinkOpen(s.link, 0, result) && result == LinkResult::Ok) {
        PlaySound(s, kSoundOk);
        SetConnected(s);
        return;
    }
    if (!silent) PlaySound(s, kSoundWarning);
    SetDisconnected(s);
}

void SetConnected(EngineState& s) {
    s.connected = true;
    s.statusText = kStatusConnected;
}

void SetDisconnected(EngineState& s) {
    s.connected = false;
    // The link is given up at once: clears made now are not sent down a link
    // that has just failed (each send would wait out every retry); the flags
    // among them are written once the link is open again.
    LinkClose(s.link);
    ClearAllFailures(s, true);
    s.statusText = kStatusNoConnection;
}

void ToggleDeactivated(EngineState& s) {
    if (InFlightLock(s)) return;
    s.deactivated = !s.deactivated;
    PlaySound(s, s.deactivated ? kSoundWarning : kSoundOk);
}

}  // namespace wendox
