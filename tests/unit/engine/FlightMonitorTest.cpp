#include "engine/EngineFixture.h"
#include "engine/Schedule.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

using FlightMonitorTest = EngineFixture;

TEST_F(FlightMonitorTest, StartUpConnectsSchedulesAndTicksAtOnce) {
    StartUp();
    EXPECT_EQ(view.systemsFilled, 1);
    EXPECT_TRUE(view.timerStarted);
    EXPECT_TRUE(s().connected);
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_ok.wav"});
    EXPECT_EQ(Status(), "On hold (not airborne).");
    EXPECT_EQ(C(kApMaster).bandLow, C(kApMaster).bandHigh);  // reliability 100: empty band
    EXPECT_GE(C(kApMaster).scheduledRoll, 1);
}

TEST_F(FlightMonitorTest, StartUpReadsTheSettingsThenTheLastProfileBeforeTheFirstSchedule) {
    MemoryFileStore files;
    files.files["C:\\Wendox\\Wendox.ini"] = "LASTPROFILE=C:\\Trainer.wdp\r\n";
    files.files["C:\\Trainer.wdp"] = "1#1#0#0\r\n";
    s().files = &files;
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(C({1, 1}).reliability, 0.0f);
    EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);
    EXPECT_EQ(view.profileCaption, "Sub-systems (Trainer.wdp)");

    files.files.erase("C:\\Trainer.wdp");  // a profile that no longer exists
    ASSERT_TRUE(StartUp());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Could not read C:\\Trainer.wdp");
    EXPECT_TRUE(s().settings.lastProfile.empty());
    EXPECT_TRUE(s().connected);  // start-up goes on
}

TEST_F(FlightMonitorTest, StartUpEndsWhenTheWatchdogHasToBeStartedFirst) {
    MemoryFileStore files;
    files.files["C:\\Wendox\\Wendox.ini"] = "HARDCOREMODE=YES\r\n";
    s().files = &files;
    watchdog.ends = true;
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(watchdog.starts, 1);
    EXPECT_EQ(view.systemsFilled, 0);
    EXPECT_FALSE(view.timerStarted);
    EXPECT_FALSE(s().connected);
}

TEST_F(FlightMonitorTest, WithoutServerStartUpWarnsOnceAndRetriesSilentlyEveryTick) {
    os.serverRunning = false;
    StartUp();
    EXPECT_EQ(Status(), "FSUIPC - No connection to Flight Simulator.");
    Ticks(3);
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_warning.wav"});
    os.serverRunning = true;
    Ticks(1);
    EXPECT_EQ(Status(), "Connected");
    EXPECT_EQ(desktop.played.back(), "\\sound_ok.wav");
    Ticks(1);
    EXPECT_EQ(Status(), "On hold (not airborne).");
}

TEST_F(FlightMonitorTest, StatusTellsWhyTheEngineHolds) {
    StartUp();
    standin::Pause(server);
    Ticks(1);
    EXPECT_EQ(Status(), "On hold (sim paused)(not airborne).");
    standin::TakeOff(server);
    Ticks(1);
    EXPECT_EQ(Status(), "On hold (sim paused).");
    standin::Resume(server);
    Ticks(1);
    EXPECT_EQ(Status(), "Operational.");
    ToggleDeactivated(s());
    Ticks(1);
    EXPECT_EQ(Status(), "On hold (deactivated).");
    ToggleDeactivated(s());
    s().settings.displayFailures = true;
    Ticks(1);
    EXPECT_EQ(Status(), "Operational.  No failures.");
    EXPECT_EQ(desktop.played, (std::vector<std::string>{"\\sound_ok.wav", "\\sound_warning.wav", "\\sound_ok.wav"}));
}

TEST_F(FlightMonitorTest, FirstRollComesOnTheTenthOperationalTick) {
    StartUp();
    C(kApMaster).reliability = 50;
    standin::TakeOff(server);
    Ticks(9);
    EXPECT_EQ(C(kApMaster).rollCount, 0);
    standin::Pause(server);
    Ticks(3);
    standin::Resume(server);
    standin::Land(server);
    Ticks(2);
    standin::TakeOff(server);
    EXPECT_EQ(C(kApMaster).rollCount, 0);
    Ticks(1);
    EXPECT_EQ(C(kApMaster).rollCount, 1);
    Ticks(10);
    EXPECT_EQ(C(kApMaster).rollCount, 2);
    EXPECT_EQ(C(kTransponder).rollCount, 0);  // reliability 100: never tested
}

TEST_F(FlightMonitorTest, ComponentsOfMissingEnginesAndHeldOutGearAreNeverTested) {
    StartUp();
    for (Id id : {kEngine3Fail, kEngine3Stall, kAltGen3, kLandingGear, kFlaps, kApMaster}) C(id).reliability = 0;
    standin::TakeOff(server);
    server.SetValue(simvar::GearControl, standin::kGearDown);  // gear left down in flight
    server.SetValue(simvar::FlapsControl, 2000);
    Ticks(200);
    for (Id id : {kEngine3Fail, kEngine3Stall, kAltGen3, kLandingGear, kFlaps}) {
        EXPECT_EQ(C(id).rollCount, 0);
        EXPECT_FALSE(C(id).failed);
    }
    EXPECT_EQ(C(kApMaster).rollCount, 20);

    server.SetValue(simvar::GearControl, 0);  // retracted: now the gear can fail
    Ticks(10);
    EXPECT_EQ(C(kLandingGear).rollCount, 1);
}

TEST_F(FlightMonitorTest, ZeroReliabilityFailsWithinItsPeriodAndIsReportedOnce) {
    StartUp();
    s().settings.playFailureSound = true;
    s().settings.displayFailures = true;
    C(kApMaster).reliability = 0;
    C(kApMaster).periodHours = 0;  // tested on every roll
    ScheduleAllPeriods(s());
    standin::TakeOff(server);
    server.SetValue(simvar::ApMaster, 1);
    Ticks(10);
    ASSERT_TRUE(C(kApMaster).failed);  // 100000 of 100001 draws fail it
    EXPECT_EQ(server.Value(simvar::ApMaster), 0u);  // written in the same tick
    EXPECT_EQ(desktop.played.back(), "\\sound_failure.wav");
    EXPECT_EQ(Status(), "Operational.  1 failures... AP(Master)");
    const int refills = view.refills;
    Ticks(30);
    EXPECT_EQ(s().failed.count, 1);  // at most once at a time
    EXPECT_EQ(view.refills, refills);
}

TEST_F(FlightMonitorTest, LosingTheLinkClearsFailuresAndTheirFlagsOnceTheLinkIsBack) {
    StartUp();
    standin::TakeOff(server);
    Ticks(1);
    for (Id id : {kEngine1Fail, kEngine3Fail, kInstAirspeed, kApMaster}) Fail(id);
    Ticks(1);
    ASSERT_EQ(server.Value(simvar::FailAirspeed), 1u);
    ASSERT_EQ(server.Value(simvar::FailEngines), 5u);

    server.SetMisbehaviour({.answer = 0});
    Ticks(1);
    EXPECT_FALSE(s().connected);
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_FALSE(C(kEngine1Fail).failed);
    EXPECT_EQ(desktop.played.back(), "\\sound_warning.wav");
    EXPECT_EQ(Status(), "FSUIPC - No connection to Flight Simulator.");
    Ticks(2);  // nothing to send them down

    // Back: the reconnecting tick, then the first exchange carries the clears,
    // but not over engine 3, failed again meanwhile: its writes hold bit 4.
    server.SetMisbehaviour({});
    Ticks(1);
    EXPECT_TRUE(s().connected);
    Fail(kEngine3Fail);
    server.ClearWrites();
    Ticks(1);
    EXPECT_EQ(server.Value(simvar::FailAirspeed), 0u);
    EXPECT_EQ(NewWrites(simvar::FailEngines), std::vector<std::uint64_t>{4});
    Ticks(1);
    EXPECT_EQ(NewWrites(simvar::FailAirspeed), std::vector<std::uint64_t>{});  // written once
}

TEST_F(FlightMonitorTest, UnderTheHardcoreLockALostLinkKeepsTheFailures) {
    StartUp();
    s().settings.hardcoreMode = true;
    standin::TakeOff(server);
    Fail(kEngine1Fail);
    Ticks(1);
    EXPECT_FALSE(view.listVisible);  // the lock hides the list
    server.SetMisbehaviour({.answer = 0});
    Ticks(1);
    EXPECT_EQ(s().failed.count, 1);
    server.SetMisbehaviour({});
    server.ClearWrites();
    Ticks(2);  // reconnect, then hold the failure again
    EXPECT_EQ(NewWrites(simvar::FailEngines), std::vector<std::uint64_t>{1});
    standin::Land(server);
    Ticks(1);
    EXPECT_TRUE(view.listVisible);
}

TEST_F(FlightMonitorTest, DeactivationCannotBeToggledUnderTheLock) {
    StartUp();
    s().settings.hardcoreMode = true;
    standin::TakeOff(server);
    Ticks(1);
    ToggleDeactivated(s());
    EXPECT_FALSE(s().deactivated);
    Ticks(1);
    EXPECT_EQ(Status(), "Operational. Hardcore Mode.");
}

}  // namespace
}  // namespace wendox::testing
