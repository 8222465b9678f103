#include "engine/EngineFixture.h"
#include "engine/StatusReport.h"

namespace wendox::testing {
namespace {

class StatusReportTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        standin::TakeOff(server);
        s().settings.displayFailures = true;
    }
};

TEST_F(StatusReportTest, FailuresAreListedNewestFirst) {
    Fail(kTankLeft);
    Fail(kEngine1Fail);
    Ticks(1);
    EXPECT_EQ(Status(), "Operational.  2 failures... Eng(Engine 1 (Fail)), Fuel(Tank Left (Leak))");
}

TEST_F(StatusReportTest, ListStopsWithDotsOnceTheTextReachesSeventyCharacters) {
    for (int c = 1; c <= 6; ++c) Fail({1, c});
    Ticks(1);
    // 61 characters after two entries, 75 after three: the fourth gives way.
    EXPECT_EQ(Status(), "Operational.  6 failures... AP(Back Course), AP(Autothrottle), AP(Attitude)...");
}

TEST_F(StatusReportTest, HardcoreModeShowsNoCountNoListButItsSuffix) {
    s().settings.hardcoreMode = true;
    s().settings.displayUpdate = true;
    Fail(kApMaster);
    Ticks(1);
    EXPECT_EQ(Status(), "Operational. Hardcore Mode.");
    server.ClearWrites();
    ShowStatus(s(), true);  // the status hot key: sent as the tick left it
    EXPECT_EQ(server.Text(simvar::MessageText), "Wendox:  Operational. Hardcore Mode.");
}

TEST_F(StatusReportTest, StatusGoesToTheSimulatorOnlyWhenItChangesAndDisplayUpdateIsOn) {
    Ticks(3);
    EXPECT_TRUE(server.WritesTo(simvar::MessageText).empty());
    s().settings.displayUpdate = true;
    s().lastStatusText.clear();
    Ticks(3);
    ASSERT_EQ(server.WritesTo(simvar::MessageText).size(), 1u);
    EXPECT_EQ(server.Text(simvar::MessageText), "Wendox:  Operational.  No failures.");
    EXPECT_EQ(server.Value(simvar::MessageSeconds), 5u);
    EXPECT_EQ(view.captions.back(), "Operational.  No failures.");

    s().settings.displayUpdate = false;
    ShowStatus(s(), true);  // forced: sent although unchanged and DisplayUpdate is off
    EXPECT_EQ(server.WritesTo(simvar::MessageText).size(), 2u);
}

TEST_F(StatusReportTest, MessageIsCutToTheFieldWithItsZeroByte) {
    SendSimMessage(s(), std::string(300, 'x'));
    const auto writes = server.WritesTo(simvar::MessageText);
    ASSERT_EQ(writes.size(), 1u);
    ASSERT_EQ(writes[0].bytes.size(), 128u);
    EXPECT_EQ(writes[0].bytes[126], 'x');
    EXPECT_EQ(writes[0].bytes[127], 0);
    EXPECT_EQ(server.Text(simvar::MessageText), "Wendox:  " + std::string(118, 'x'));
}

TEST_F(StatusReportTest, MissingSoundFilesAreSilence) {
    desktop.played.clear();
    desktop.files.clear();
    PlaySound(s(), kSoundOk);
    EXPECT_TRUE(desktop.played.empty());
    desktop.files.insert("C:\\Wendox\\sound_failure.wav");
    PlaySound(s(), kSoundFailure);
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_failure.wav"});
}

}  // namespace
}  // namespace wendox::testing
