#include <functional>
#include <tuple>

#include "engine/EngineFixture.h"
#include "engine/StatusReport.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

using FlightMonitorTest = EngineFixture;

// Start-up reads the settings, fills the systems list, then reads the last
// profile they name (which refills the list), opens the link, draws the
// schedules from the profile's reliabilities, starts the timer and ticks at
// once. Without a server it warns once and retries silently every tick. On
// hold the engine does not roll, but holds the failures in force; not
// connected, it cannot. Under the in-flight lock a lost link keeps the
// failures, held again once it is back. Without the lock the loss clears
// them; their flags are cleared by the first exchange that succeeds after it
// (not by one that fails), but not over a flag failed again meanwhile. Each
// step of the table shows what its ticks sent and said. Start-up ending for
// the watchdog comes before anything else.
TEST_F(FlightMonitorTest, StartUpAndEveryHoldAreExplainedAndALostLinkClearsTheFailuresButNotUnderTheLock) {
    MemoryFileStore files;
    files.files["C:\\Wendox\\Wendox.ini"] = "LASTPROFILE=C:\\Trainer.wdp\r\nSTATUS_HK=83\r\nCLEAR_HK=67\r\n"
                                             "ACTIVE_HK=65\r\n";  // S, C and A
    files.files["C:\\Trainer.wdp"] = "4#7#0#0\r\n";  // engine 4, which the aircraft lacks
    state.files = &files;
    os.serverRunning = false;
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(Log(), "systems refill \\sound_warning.wav timer [FSUIPC - No connection to Flight Simulator.]");
    EXPECT_EQ(C(kEngine4Fail).bandHigh - C(kEngine4Fail).bandLow, 100000);
    const std::tuple<std::function<void()>, int, const char*> steps[] = {  // a step, the ticks after it, their events
        {[&] { keys = {{'C', 0x8000}}; }, 1, ""},  // nothing failed: clearing does nothing, not even sound
        {[&] { keys = {}; os.serverRunning = true; Fail(kApMaster); }, 1, "\\sound_ok.wav [Connected]"},
        {[] {}, 1, "07BC/4=0 refill [On hold (not airborne).]"},
        {[&] { server.SetValue({0x0264, 2}, 1); }, 1, "07BC/4=0 [On hold (sim paused)(not airborne).]"},
        {[&] { server.SetValue({0x0366, 2}, 0); }, 1, "07BC/4=0 [On hold (sim paused).]"},
        {[&] { server.SetValue({0x0264, 2}, 0); }, 1, "07BC/4=0 [Operational.]"},
        {[&] { ToggleDeactivated(state); }, 1, "\\sound_warning.wav 07BC/4=0 [On hold (deactivated).]"},
        {[&] { desktop.folder = "C:\\None"; ToggleDeactivated(state); }, 1, "07BC/4=0 [Operational.]"},  // silence
        {[&] { desktop.folder = "C:\\Wendox"; state.settings.hardcoreMode = true; }, 1,
         "07BC/4=0 [Operational. Hardcore Mode.]"},  // airborne: the in-flight lock is in force
        {[&] { for (Id id : {kEngine1Fail, kEngine3Fail, kInstAirspeed}) Fail(id); }, 0, ""},
        {[&] { keys = {{'S', 0x8000}, {'C', 0x8000}, {'A', 0x8000}}; }, 1,  // the lock leaves only the status
         "[Operational. Hardcore Mode.] 3380=\"Wendox:  Operational. Hardcore Mode.\" 32FA/2=5 0B65/1=1 0B6B/1=5"
         " 0B6B/1=5 07BC/4=0 refill"},
        {[&] { keys = {}; server.SetMisbehaviour({.answer = 0}); }, 1,
         "\\sound_warning.wav [FSUIPC - No connection to Flight Simulator. Hardcore Mode.]"},
        {[&] { server.SetMisbehaviour({}); }, 2,  // held again, newest first
         "\\sound_ok.wav [Connected Hardcore Mode.] 0B65/1=1 0B6B/1=5 0B6B/1=5 07BC/4=0 [Operational. Hardcore Mode.]"},
        {[&] { state.settings.hardcoreMode = false; server.SetMisbehaviour({.answer = 0}); }, 3,
         "\\sound_warning.wav refill [FSUIPC - No connection to Flight Simulator.]"},
        {[&] { server.SetMisbehaviour({}); }, 1, "\\sound_ok.wav [Connected]"},
        {[&] { os.failedSends = 41; }, 2,  // the exchange that would carry the clears fails
         "\\sound_warning.wav [FSUIPC - No connection to Flight Simulator.] \\sound_ok.wav [Connected]"},
        {[&] { Fail(kEngine3Fail); }, 2, "0B65/1=0 0B6B/1=4 refill [Operational.] 0B6B/1=4"},
        {[&] { Fail(kApMaster); C(kRudder).scheduledRoll = 777; keys = {{'S', 0x8000}, {'C', 0x8000}, {'A', 0x8000}}; },
         1,  // in their fixed order; clearing takes the newest failure
         "[Operational.] 3380=\"Wendox:  Operational.\" 32FA/2=5 refill \\sound_ok.wav \\sound_warning.wav 0B6B/1=4"
         " [On hold (deactivated).]"},
        {[] {}, 1,  // held on, they act again
         "[On hold (deactivated).] 3380=\"Wendox:  On hold (deactivated).\" 32FA/2=5 0B6B/1=0 refill \\sound_ok.wav"
         " \\sound_ok.wav refill [Operational.]"},
    };
    for (const auto& [step, ticks, events] : steps) {
        step();
        Ticks(ticks);
        EXPECT_EQ(Log(), events);
    }
    EXPECT_EQ(C(kRudder).scheduledRoll, 777);  // clearing the newest keeps every schedule as drawn
    files.files["C:\\Wendox\\Wendox.ini"] = "HARDCOREMODE=YES\r\n";
    watchdog.ends = true;
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(Log(), "");
}

// Nine operational ticks, a hold, and one more make the first roll; what
// cannot fail now (gear or flaps out, a scheduled roll already past) is not
// tested (a missing engine's components: CatalogueTableTest). A failure is
// written and announced in the tick that makes it, the schedules kept; a
// falling count refreshes the list too, but only a growing one sounds.
TEST_F(FlightMonitorTest, RollsComeEveryTenthOperationalTickAndAFailureIsAnnouncedInItsTick) {
    StartUp();
    state.settings.playFailureSound = true;
    for (Id id : {kLandingGear, kFlaps, kApMaster, kTransponder}) C(id).reliability = 0;
    C(kApMaster).periodHours = 0;  // tested on every roll
    ScheduleAllPeriods(state);
    C(kTransponder).rollCount = C(kTransponder).scheduledRoll = 1;  // its roll is past: not tested this period
    server.SetValue({0x0366, 2}, 0);  // airborne with the gear down
    Ticks(9);
    server.SetValue({0x0264, 2}, 1);
    Ticks(3);
    server.SetValue({0x0264, 2}, 0);
    server.SetValue({0x0BDC, 4}, 2000);  // flaps out
    Log();
    Ticks(1);
    EXPECT_EQ(Log(), "07BC/4=0 refill \\sound_failure.wav [Operational.]");
    Ticks(20);
    // The schedules kept, two more rolls made, and the failure made once.
    EXPECT_EQ(std::tuple(C(kTransponder).scheduledRoll, C(kTransponder).rollCount, state.failed.count),
              std::tuple(1, 4, 1));
    for (Id id : {kLandingGear, kFlaps}) EXPECT_EQ(C(id).rollCount + C(id).failed, 0);

    ClearFailure(state, kApMaster.system, kApMaster.component);
    Log();
    Ticks(1);
    EXPECT_EQ(Log(), "refill");
}

// Newest first; entries are added while the text is shorter than 70
// characters, and the first that finds it longer gives way to "...". Sent on
// a change with DisplayUpdate on; forced (the status hot key), sent as the
// last tick left it, with nothing added twice.
TEST_F(FlightMonitorTest, StatusListsFailuresNewestFirstAndGoesToTheSimulatorWhenItChangesOrIsForced) {
    StartUp();
    standin::TakeOff(server);
    state.settings.displayFailures = true;
    constexpr Id kElecSystem{3, 2}, kApVerticalSpeed{1, 12}, kCompass{6, 6};
    const std::pair<std::vector<Id>, const char*> cases[] = {  // the failures oldest first, the status
        {{kTransponder, kElecSystem, kEngine1Fail},  // 69 characters before the third entry
         "Operational.  3 failures... Eng(Engine 1 (Fail)), Elec(Entire System), Radio(Transponder)"},
        {{kApMaster, kTransponder, kApVerticalSpeed, kCompass},  // 70 before the third
         "Operational.  4 failures... Inst(Magnetic Compass), AP(Vertical Speed)..."},
        {{}, "Operational.  No failures."},
    };
    for (const auto& [failed, status] : cases) {
        ClearAllFailures(state, true);
        for (Id id : failed) Fail(id);
        Ticks(1);
        EXPECT_EQ(state.lastStatusText, status);
        EXPECT_EQ(Log().find("3380"), std::string::npos);  // not sent without DisplayUpdate
    }
    state.settings.displayUpdate = true;
    Fail(kApMaster);
    Ticks(2);
    // Shown in the window, and sent to the simulator's message line for five seconds.
    auto shownAndSent = [](const std::string& t) { return "[" + t + "] 3380=\"Wendox:  " + t + "\" 32FA/2=5"; };
    EXPECT_EQ(Log(), "07BC/4=0 refill " + shownAndSent("Operational.  1 failures... AP(Master)") + " 07BC/4=0");
    state.settings.hardcoreMode = true;
    Ticks(1);
    ShowStatus(state, true);
    const std::string hardcore = shownAndSent("Operational. Hardcore Mode.");
    EXPECT_EQ(Log(), "07BC/4=0 " + hardcore + " " + hardcore);
}

}  // namespace
}  // namespace wendox::testing
