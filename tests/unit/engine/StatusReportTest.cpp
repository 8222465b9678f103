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

// Newest first; entries are added while the text is shorter than 70
// characters, and the first that finds it longer gives way to "...".
TEST_F(StatusReportTest, FailuresAreListedNewestFirstUntilTheTextReachesSeventyCharacters) {
    constexpr Id kElecSystem{3, 2}, kApVerticalSpeed{1, 12}, kCompass{6, 6};
    const std::pair<std::vector<Id>, const char*> cases[] = {  // the failures oldest first, the status
        {{kTransponder, kElecSystem, kEngine1Fail},  // 69 characters before the third entry
         "Operational.  3 failures... Eng(Engine 1 (Fail)), Elec(Entire System), Radio(Transponder)"},
        {{kApMaster, kTransponder, kApVerticalSpeed, kCompass},  // 70 before the third
         "Operational.  4 failures... Inst(Magnetic Compass), AP(Vertical Speed)..."},
    };
    for (const auto& [failed, status] : cases) {
        ClearAllFailures(s(), true);
        for (Id id : failed) Fail(id);
        Ticks(1);
        EXPECT_EQ(Status(), status);
    }
}

// Sent on a change with DisplayUpdate on; forced (the status hot key), sent
// as the last tick left it, with nothing added twice.
TEST_F(StatusReportTest, StatusGoesToTheSimulatorWhenItChangesOrIsForced) {
    Ticks(3);
    EXPECT_EQ(Status(), "Operational.  No failures.");
    EXPECT_TRUE(server.WritesTo(simvar::MessageText).empty());
    s().settings.displayUpdate = true;
    Fail(kApMaster);
    Ticks(3);
    ASSERT_EQ(server.WritesTo(simvar::MessageText).size(), 1u);
    EXPECT_EQ(server.Value(simvar::MessageSeconds), 5u);
    for (const auto& [hardcore, status] : {std::pair{false, "Operational.  1 failures... AP(Master)"},
                                           std::pair{true, "Operational. Hardcore Mode."}}) {
        s().settings.hardcoreMode = hardcore;
        Ticks(1);
        ShowStatus(s(), true);
        EXPECT_EQ(view.captions.back(), status);
        EXPECT_EQ(server.Text(simvar::MessageText), std::string("Wendox:  ") + status);
    }
}

}  // namespace
}  // namespace wendox::testing
