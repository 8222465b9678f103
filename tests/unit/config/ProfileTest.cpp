#include "config/Profile.h"

#include <optional>

#include "engine/EngineFixture.h"
#include "engine/NumberText.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Profiles\\Trainer.wdp";

class ProfileTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        s().settings.lastProfile = kPath;
    }

    std::string Text(float value) { return SingleToText(value, desktop.separator); }
    // A fresh reading of the file holding `content` (none: no such file)
    // into the default catalogue. Either way the list shows what was taken;
    // an error gives a message, no profile and the old caption.
    void Read(const std::optional<std::string>& content, bool accepted) {
        s().catalogue = BuildCatalogue();
        s().settings.lastProfile = kPath;
        desktop.messages.clear();
        view.refills = 0;
        view.profileCaption = kProfileCaption;
        files.files.erase(kPath);
        if (content) files.files[kPath] = *content;
        ReadProfile(s(), files);
        EXPECT_EQ(view.refills, 1);
        EXPECT_EQ(s().settings.lastProfile, accepted ? kPath : "");
        EXPECT_EQ(view.profileCaption, accepted ? "Sub-systems (Trainer.wdp)" : "Sub-systems");
        ASSERT_EQ(desktop.messages.size(), accepted ? 0u : 1u);
        for (const auto& m : desktop.messages)
            EXPECT_EQ(std::tie(m.text, m.exclamation), std::make_tuple("Could not read " + std::string(kPath), true));
    }

    MemoryFileStore files;
};

// The defaults give one line per component in catalogue order; saving and
// opening gives back every text, with either separator.
TEST_F(ProfileTest, WritingAndReadingBack) {
    WriteProfile(s(), files);
    std::string defaults;
    s().catalogue.ForEach(
        [&](int system, int c, auto&) { defaults += std::to_string(system) + "#" + std::to_string(c) + "#100#1\r\n"; });
    EXPECT_EQ(files.files[kPath], defaults);
    EXPECT_EQ(view.profileCaption, "Sub-systems (Trainer.wdp)");

    const float reliabilities[] = {99.999f, 0.5f, 0.0f, 100.0f, 99.5f, 1.0f, 12.34567f, 0.001f, 1e-5f, 0.0009999999f};
    const float hours[] = {1.0f, 0.5f, 0.0f, 999.0f, 10.0f, 0.1f, 123.4567f, 1e-5f, 998.9999f};
    for (const char separator : {'.', ','}) {
        desktop.separator = separator;
        int i = 0;
        s().catalogue.ForEach([&](int, int, ComponentRecord& c) {
            c.reliability = ThroughText(reliabilities[i % 10]);
            c.periodHours = ThroughText(hours[i++ % 9]);
        });
        WriteProfile(s(), files);
        const std::string written = files.files[kPath];
        EXPECT_NE(written.find(std::string("#99") + separator + "999#1\r\n"), std::string::npos);
        Read(written, true);
        WriteProfile(s(), files);
        EXPECT_EQ(files.files[kPath], written);
    }
}

TEST_F(ProfileTest, AcceptedLinesTakeEffectAsTheirTextsRead) {
    Read("", true);

    Read(" 1 # 2 # 99.50 # 10 \r\n"                   // blanks around numbers; stored as "99.5"
         "1#3#150#5\n1#4#50#1000\r1#6#100#999\r\n"     // one value out of range leaves its cell alone
         "2.5#1#11#1\r\n4#0.6#44#1\r\n"                // numbers round halves to even
         "1#5#50#1\r\n1#5#0#2\r\n"                     // later lines win
         "9#1#150#1000\r\n8#1#50#2\r\n7#5#50#2\r\n"    // skipped, or no component there
         "1#7#12.3456789#0.10",                        // a last line without its end
         true);
    const std::pair<Id, std::string> taken[] = {{{1, 2}, "99.5#10"}, {{1, 3}, "100#5"}, {{1, 4}, "50#1"},
                                                 {{1, 6}, "100#999"}, {{2, 1}, "11#1"},  {{4, 1}, "44#1"},
                                                 {{1, 5}, "0#2"},     {{1, 7}, "12.34568#0.1"}};
    for (const auto& [id, texts] : taken)
        EXPECT_EQ(Text(C(id).reliability) + "#" + Text(C(id).periodHours), texts) << id.system << "#" << id.component;
    EXPECT_EQ(C({1, 5}).bandHigh - C({1, 5}).bandLow, 100000);  // the schedules drawn from what was read
}

// Each bad line stops the reading there: the line before it is in force, in
// the components and in their schedules; the line after it is not.
TEST_F(ProfileTest, ABadLineStopsTheReadingAtItsLine) {
    const std::pair<char, std::string> cases[] = {
        {'.', ""},          {'.', "1#1#50"},    {'.', "9#1#99#1"},   {'.', "0#1#50#1"},
        {'.', "1#16#50#1"}, {'.', "9#1#50#1000"}, {'.', "1##50#1"},  {'.', "1#1#5x#1"},
        {'.', "1#1#1e39#1"}, {'.', "1#1#50#1#2"}, {'.', "1#-99999999999#150#1"},
        {'.', std::string(kMaxLineLength + 1, '1')}, {',', "1#2#99.5#1"},  // a point where the comma belongs
    };
    for (const auto& [separator, bad] : cases) {
        SCOPED_TRACE(bad.substr(0, 40));
        desktop.separator = separator;
        Read("1#1#0#2\r\n" + bad + "\r\n1#2#80#3\r\n", false);
        EXPECT_EQ(C({1, 1}).reliability, 0.0f);
        EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);
        EXPECT_EQ(C({1, 2}).reliability, 100.0f);
    }
    Read(std::nullopt, false);
}

TEST_F(ProfileTest, FailedWriteKeepsTheOldFileThePathAndTheCaption) {
    files.files[kPath] = "old";
    files.writesFail = true;
    WriteProfile(s(), files);
    EXPECT_EQ(files.files[kPath], "old");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, std::string("Could not write ") + kPath);
    EXPECT_TRUE(desktop.messages[0].exclamation);
    EXPECT_EQ(s().settings.lastProfile, kPath);
    EXPECT_EQ(view.profileCaption, "Sub-systems");
}

}  // namespace
}  // namespace wendox::testing
