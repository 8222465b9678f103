#include <functional>
#include <tuple>

#include "engine/EngineFixture.h"
#include "engine/Schedule.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

using FlightMonitorTest = EngineFixture;

// The settings, then the last profile they name, before the first schedule
// (a profile that cannot be read is ProfileTest's). Start-up ends at once
// when the watchdog has to be started first.
TEST_F(FlightMonitorTest, StartUpReadsTheSettingsThenTheLastProfileOrEndsForTheWatchdog) {
    MemoryFileStore files;
    files.files["C:\\Wendox\\Wendox.ini"] = "LASTPROFILE=C:\\Trainer.wdp\r\n";
    files.files["C:\\Trainer.wdp"] = "1#1#0#0\r\n";
    s().files = &files;
    ASSERT_TRUE(StartUp());
    // Read into the fresh catalogue, and the schedules drawn from it.
    EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);

    // Ending for the watchdog comes first of all: the systems list is not
    // filled a second time (nor anything after it done).
    files.files["C:\\Wendox\\Wendox.ini"] = "HARDCOREMODE=YES\r\n";
    watchdog.ends = true;
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(view.systemsFilled, 1);
}

// Without a server start-up warns once and retries silently every tick. On
// hold the engine does not roll, but holds the failures in force; not
// connected, it cannot.
TEST_F(FlightMonitorTest, EveryHoldIsExplainedAndStillHoldsTheFailures) {
    os.serverRunning = false;
    StartUp();
    EXPECT_TRUE(view.systemsFilled == 1 && view.timerStarted);
    EXPECT_EQ(Status(), "FSUIPC - No connection to Flight Simulator.");  // the first tick runs at once
    const std::tuple<std::function<void()>, const char*, bool> steps[] = {
        {[] {}, "FSUIPC - No connection to Flight Simulator.", false},
        {[&] { os.serverRunning = true; Fail(kApMaster); }, "Connected", false},
        {[] {}, "On hold (not airborne).", true},
        {[&] { standin::Pause(server); }, "On hold (sim paused)(not airborne).", true},
        {[&] { standin::TakeOff(server); }, "On hold (sim paused).", true},
        {[&] { standin::Resume(server); }, "Operational.", true},
        {[&] { ToggleDeactivated(s()); }, "On hold (deactivated).", true},
    };
    for (const auto& [step, status, held] : steps) {
        step();
        server.SetValue(simvar::ApMaster, 1);  // the pilot switches it back on
        Ticks(1);
        EXPECT_EQ(Status(), status);
        EXPECT_EQ(server.Value(simvar::ApMaster), held ? 0u : 1u) << status;
    }
    EXPECT_EQ(desktop.played, (std::vector<std::string>{"\\sound_warning.wav", "\\sound_ok.wav", "\\sound_warning.wav"}));
}

// Nine operational ticks, a hold, and one more make the first roll; what
// cannot fail now (a missing engine, gear or flaps out) is not tested. A
// failure is written and announced in the tick that makes it; a falling count
// refreshes the list too, but only a growing one sounds, and only when asked.
TEST_F(FlightMonitorTest, RollsComeEveryTenthOperationalTickAndAFailureIsAnnouncedInItsTick) {
    desktop.files = {"C:\\Wendox\\sound_failure.wav"};  // connecting's OK sound is missing: silence
    StartUp();
    s().settings.playFailureSound = true;
    for (Id id : {kEngine3Fail, kAltGen3, kLandingGear, kFlaps, kApMaster}) C(id).reliability = 0;
    C(kApMaster).periodHours = 0;  // tested on every roll
    C(kTransponder).reliability = 99.99f;
    ScheduleAllPeriods(s());
    standin::TakeOff(server);
    server.SetValue(simvar::ApMaster, 1);
    Ticks(9);
    standin::Pause(server);
    Ticks(3);
    standin::Resume(server);
    server.SetValue(simvar::GearControl, standin::kGearDown);  // gear left down in flight
    server.SetValue(simvar::FlapsControl, 2000);
    EXPECT_FALSE(C(kApMaster).failed);
    Ticks(1);
    EXPECT_EQ(server.Value(simvar::ApMaster), 0u);  // failed (100000 of 100001 draws do) and written at once
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_failure.wav"});
    const int refills = view.refills;
    Ticks(190);
    EXPECT_EQ(C(kTransponder).rollCount, 20);
    EXPECT_EQ(s().failed.count, 1);  // at most once at a time
    EXPECT_EQ(view.refills, refills);
    for (Id id : {kEngine3Fail, kAltGen3, kLandingGear, kFlaps}) EXPECT_EQ(C(id).rollCount + C(id).failed, 0);

    ClearFailure(s(), kApMaster.system, kApMaster.component);
    Ticks(1);
    EXPECT_EQ(view.refills, refills + 1);
    s().settings.playFailureSound = false;
    server.SetValue(simvar::GearControl, 0);  // retracted: now the gear can fail
    Ticks(9);
    EXPECT_EQ(C(kLandingGear).rollCount, 1);
    ASSERT_TRUE(C(kApMaster).failed);
    EXPECT_EQ(desktop.played.size(), 1u);  // the first failure's sound only
}

// Under the in-flight lock a lost link keeps the failures, and they are held
// again once it is back; without the lock the link's loss clears them.
TEST_F(FlightMonitorTest, LosingTheLinkClearsFailuresAndTheirFlagsOnceTheLinkIsBack) {
    StartUp();
    s().settings.hardcoreMode = true;
    standin::TakeOff(server);
    for (Id id : {kEngine1Fail, kEngine3Fail, kInstAirspeed, kApMaster}) Fail(id);
    Ticks(1);  // airborne: the lock is in force
    server.SetMisbehaviour({.answer = 0});
    Ticks(1);
    EXPECT_EQ(s().failed.count, 4);  // kept
    server.SetMisbehaviour({});
    server.ClearWrites();
    Ticks(2);  // reconnect, then hold the failures again
    ASSERT_EQ(NewWrites(simvar::FailAirspeed), std::vector<std::uint64_t>{1});

    s().settings.hardcoreMode = false;
    server.SetMisbehaviour({.answer = 0});
    Ticks(1);
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_EQ(desktop.played.back(), "\\sound_warning.wav");
    Ticks(2);  // nothing to send them down

    // Back: the reconnecting tick, then the first exchange carries the clears,
    // but not over engine 3, failed again meanwhile: its writes hold bit 4.
    server.SetMisbehaviour({});
    Ticks(1);
    Fail(kEngine3Fail);
    server.ClearWrites();
    Ticks(1);
    EXPECT_EQ(server.Value(simvar::FailAirspeed), 0u);
    EXPECT_EQ(NewWrites(simvar::FailEngines), std::vector<std::uint64_t>{4});
    Ticks(1);
    EXPECT_EQ(NewWrites(simvar::FailAirspeed), std::vector<std::uint64_t>{});  // written once
}

}  // namespace
}  // namespace wendox::testing
