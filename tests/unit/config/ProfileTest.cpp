#include "config/Profile.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryFileStore.h"
#include "engine/NumberText.h"
#include "standin/core/ServerCore.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Profiles\\Trainer.wdp";

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() {
        s.catalogue = BuildCatalogue();
        s.settings.lastProfile = kPath;
    }

    ComponentRecord& C(int system, int component) { return *s.catalogue.Find(system, component); }
    std::string Text(float value) { return SingleToText(value, desktop.separator); }
    void Read(const std::string& content) {
        files.files[kPath] = content;
        ReadProfile(s, files);
    }
    // An error ends the reading: message, no profile, old caption; the list
    // and the schedules show what earlier lines took.
    void ExpectReadError() {
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, std::string("Could not read ") + kPath);
        EXPECT_TRUE(desktop.messages[0].exclamation);
        EXPECT_EQ(s.settings.lastProfile, "");
        EXPECT_EQ(view.refills, 1);
        EXPECT_EQ(view.profileCaption, "Sub-systems");
    }
    void ExpectReadAccepted() {
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(s.settings.lastProfile, kPath);
        EXPECT_EQ(view.profileCaption, "Sub-systems (Trainer.wdp)");
        EXPECT_EQ(view.refills, 1);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    FakeDesktop desktop;
    FakeView view;
    EngineState s{os, desktop, view};
    MemoryFileStore files;
};

// The fixture's checks, for a table of cases in one test.
struct ProfileFixtureForTable : ProfileTest {
    void TestBody() override {}
    using ProfileTest::C;
    using ProfileTest::ExpectReadError;
    using ProfileTest::Read;
};

TEST(FileTitleTest, TakesThePartAfterTheLastBackslash) {
    EXPECT_EQ(FileTitle("C:\\Profiles\\Trainer.wdp"), "Trainer.wdp");
    EXPECT_EQ(FileTitle("Trainer.wdp"), "Trainer.wdp");
    EXPECT_EQ(FileTitle("C:\\Profiles\\"), "");
    EXPECT_EQ(FileTitle("C:/Profiles/Trainer.wdp"), "C:/Profiles/Trainer.wdp");
}

TEST_F(ProfileTest, DefaultsGiveOneLinePerComponentInCatalogueOrder) {
    WriteProfile(s, files);
    const std::string& text = files.files[kPath];
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end + 2 - at));
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines.front(), "1#1#100#1\r\n");
    EXPECT_EQ(lines[14], "2#1#100#1\r\n");  // after the autopilot's 14
    EXPECT_EQ(lines.back(), "7#4#100#1\r\n");
    std::size_t length = 0;
    for (const auto& line : lines) {
        EXPECT_TRUE(line.ends_with("#100#1\r\n")) << line;
        length += line.size();
    }
    EXPECT_EQ(length, text.size());
    EXPECT_EQ(view.profileCaption, "Sub-systems (Trainer.wdp)");
    EXPECT_TRUE(desktop.messages.empty());
}

class ProfileRoundTripTest : public ProfileTest, public ::testing::WithParamInterface<char> {};

TEST_P(ProfileRoundTripTest, SavingAndOpeningGivesBackEveryText) {
    desktop.separator = GetParam();
    const float reliabilities[] = {99.999f, 0.5f, 0.0f, 100.0f, 99.5f, 1.0f, 12.34567f, 0.001f, 1e-5f, 0.0009999999f};
    const float hours[] = {1.0f, 0.5f, 0.0f, 999.0f, 10.0f, 0.1f, 123.4567f, 1e-5f, 998.9999f};
    int i = 0;
    std::vector<std::pair<std::string, std::string>> saved;
    s.catalogue.ForEach([&](int, int, ComponentRecord& c) {
        c.reliability = ThroughText(reliabilities[i % 10]);
        c.periodHours = ThroughText(hours[i++ % 9]);
        saved.emplace_back(Text(c.reliability), Text(c.periodHours));
    });
    WriteProfile(s, files);
    EXPECT_NE(files.files[kPath].find(std::string("99") + GetParam() + "999#"), std::string::npos);

    s.catalogue = BuildCatalogue();
    ReadProfile(s, files);
    ExpectReadAccepted();
    i = 0;
    s.catalogue.ForEach([&](int system, int component, ComponentRecord& c) {
        EXPECT_EQ(Text(c.reliability), saved[i].first) << system << "#" << component;
        EXPECT_EQ(Text(c.periodHours), saved[i].second) << system << "#" << component;
        ++i;
    });
}

INSTANTIATE_TEST_SUITE_P(Separators, ProfileRoundTripTest, ::testing::Values('.', ','));

TEST_F(ProfileTest, EmptyFileChangesNothingButIsReadAndScheduled) {
    C(1, 1).reliability = 50.0f;
    Read("");
    ExpectReadAccepted();
    EXPECT_EQ(C(1, 1).reliability, 50.0f);
    s.catalogue.ForEach([](int, int, ComponentRecord& c) { EXPECT_GE(c.scheduledRoll, 1); });
}

TEST_F(ProfileTest, AcceptedLinesTakeEffectAsTheirTextsRead) {
    C(1, 3).reliability = 80.0f;
    C(1, 6).reliability = 80.0f;
    Read(" 1 # 2 # 99.50 # 10 \r\n"                  // blanks around numbers; stored as "99.5"
         "1#3#150#5\n1#4#50#1000\r1#6#100#999\r\n"  // one value out of range leaves its cell alone
         "1.5#1#11#1\r\n4#0.6#44#1\r\n"               // numbers round halves to even
         "1#5#50#1\r\n1#5#60#2\r\n"                    // later lines win
         "9#1#150#1000\r\n8#1#50#2\r\n7#5#50#2\r\n"   // skipped, or no component there
         "1#8#99.5" + std::string(70, '0') + "#1\r\n"  // however many digits
         "1#7#12.3456789#0.10");                           // a last line without its end
    ExpectReadAccepted();
    EXPECT_EQ(Text(C(1, 2).reliability), "99.5");
    EXPECT_EQ(Text(C(1, 2).periodHours), "10");
    EXPECT_EQ(C(1, 3).reliability, 80.0f);
    EXPECT_EQ(C(1, 3).periodHours, 5.0f);
    EXPECT_EQ(C(1, 4).reliability, 50.0f);
    EXPECT_EQ(C(1, 4).periodHours, 1.0f);
    EXPECT_EQ(C(1, 6).periodHours, 999.0f);
    EXPECT_EQ(C(2, 1).reliability, 11.0f);
    EXPECT_EQ(C(4, 1).reliability, 44.0f);
    EXPECT_EQ(C(1, 5).reliability, 60.0f);
    EXPECT_EQ(Text(C(1, 7).reliability), "12.34568");
    EXPECT_EQ(Text(C(1, 7).periodHours), "0.1");
    EXPECT_EQ(Text(C(1, 8).reliability), "99.5");
}

TEST_F(ProfileTest, CommaLocaleReadsCommasAndRefusesPoints) {
    desktop.separator = ',';
    Read("1#1#99,5#0,5\r\n1#2#99.5#1\r\n");
    ExpectReadError();
    EXPECT_EQ(C(1, 1).reliability, 99.5f);
    EXPECT_EQ(C(1, 1).periodHours, 0.5f);
}

TEST_F(ProfileTest, MissingFileIsAnError) {
    ReadProfile(s, files);
    ExpectReadError();
}

// Each bad line stops the reading there: the line before it is in force,
// in the components and in their schedules, the line after it is not.
TEST(ProfileBadLineTest, StopsTheReadingAtItsLine) {
    for (const std::string& bad : std::vector<std::string>{"", "1#1#50", "9#1#99#1", "0#1#50#1", "1#0#50#1", "1#16#50#1", "9#1#50#1000",
                                  "1#-99999999999#150#1", "1##50#1", "1#1#50#", "1#1#5x#1", "1#1#1e39#1",
                                  "1#1#50#1#2", "1#1#nan#1", std::string(kMaxLineLength + 1, '1')}) {
        SCOPED_TRACE(bad.substr(0, 40));
        ProfileFixtureForTable t;
        t.Read("1#1#0#2\r\n" + bad + "\r\n1#2#80#3\r\n");
        t.ExpectReadError();
        EXPECT_EQ(t.C(1, 1).reliability, 0.0f);
        EXPECT_EQ(t.C(1, 1).bandHigh - t.C(1, 1).bandLow, 100000);
        EXPECT_EQ(t.C(1, 2).reliability, 100.0f);
    }
}

TEST_F(ProfileTest, FailedWriteKeepsTheOldFileThePathAndTheCaption) {
    files.files[kPath] = "old";
    files.writesFail = true;
    WriteProfile(s, files);
    EXPECT_EQ(files.files[kPath], "old");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, std::string("Could not write ") + kPath);
    EXPECT_TRUE(desktop.messages[0].exclamation);
    EXPECT_EQ(s.settings.lastProfile, kPath);
    EXPECT_EQ(view.profileCaption, "Sub-systems");
}

}  // namespace
}  // namespace wendox::testing
