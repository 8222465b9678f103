#include "config/Profile.h"

#include <algorithm>
#include <optional>

#include "engine/EngineFixture.h"
#include "engine/NumberText.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Profiles\\Trainer.wdp";

class ProfileTest : public EngineFixture {
protected:
    void SetUp() override { StartUp(); }
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
        content ? void(files.files[kPath] = *content) : void(files.files.erase(kPath));
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

// One line per component in catalogue order, with the user's separator;
// opening what was saved gives back every text. A failed save leaves the
// profile and the caption as they were.
TEST_F(ProfileTest, WrittenLinesReadBackAsWritten) {
    const float reliabilities[] = {99.999f, 0.5f, 0.0f, 100.0f, 99.5f, 1.0f, 12.34567f, 0.001f, 1e-5f, 0.0009999999f};
    const float hours[] = {1.0f, 0.5f, 0.0f, 999.0f, 10.0f, 0.1f, 123.4567f, 1e-5f, 998.9999f};
    s().settings.lastProfile = kPath;
    for (const char separator : {'.', ','}) {
        desktop.separator = separator;
        int i = 0;
        s().catalogue.ForEach([&](int, int, ComponentRecord& c) {
            c.reliability = ThroughText(reliabilities[i % 10]);
            c.periodHours = ThroughText(hours[i++ % 9]);
        });
        WriteProfile(s(), files);
        const std::string written = files.files[kPath];
        std::string start = "1#1#99.999#1\r\n1#2#0.5#0.5\r\n1#3#0#0\r\n1#4#100#999\r\n";
        std::replace(start.begin(), start.end(), '.', separator);
        EXPECT_TRUE(written.starts_with(start) && std::ranges::count(written, '\n') == kComponentCount) << written;
        EXPECT_EQ(view.profileCaption, "Sub-systems (Trainer.wdp)");
        Read(written, true);
        WriteProfile(s(), files);
        EXPECT_EQ(files.files[kPath], written);
    }

    files.writesFail = true;
    view.profileCaption = kProfileCaption;
    WriteProfile(s(), files);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(std::tie(desktop.messages[0].text, desktop.messages[0].exclamation),
              std::make_tuple("Could not write " + std::string(kPath), true));
    EXPECT_EQ(std::tie(s().settings.lastProfile, view.profileCaption), std::make_tuple(kPath, "Sub-systems"));
}

// Accepted lines take effect as their texts read. Each bad line stops the
// reading there: the line before it is in force, in the components and in
// their schedules; the line after it is not.
TEST_F(ProfileTest, LinesTakeEffectAsTheirTextsReadUntilABadLine) {
    Read("", true);

    Read("\xEF\xBB\xBF 1 # 2 # 99.50 # 10 \r\n"       // a byte-order mark; blanks around numbers; "99.5"
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

    const std::pair<char, std::string> cases[] = {
        {'.', ""}, {'.', "1#1#50"}, {'.', "1##50#1"}, {'.', "1#1#50#1#2"},      // a field missing, or one too many
        {'.', "0#1#50#1"}, {'.', "1#16#50#1"}, {'.', "9#1#50#1000"},            // outside the table, yet not skipped
        {'.', "1#1#5x#1"}, {'.', "1#1#1e39#1"}, {'.', "1#-99999999999#150#1"},  // not a number, or a huge one
        {'.', std::string(kMaxLineLength + 1, '1')}, {',', "1#2#99.5#1"},  // too long; a point where the comma belongs
    };
    for (const auto& [separator, bad] : cases) {
        SCOPED_TRACE(bad.substr(0, 40));
        desktop.separator = separator;
        Read("1#1#0#2\r\n" + bad + "\r\n1#2#80#3\r\n", false);
        EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);  // 0 %, taken and scheduled
        EXPECT_EQ(C({1, 2}).reliability, 100.0f);
    }
    Read(std::nullopt, false);
}

}  // namespace
}  // namespace wendox::testing
