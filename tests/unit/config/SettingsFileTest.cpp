#include "config/SettingsFile.h"

#include <optional>

#include "engine/EngineFixture.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Wendox\\Wendox.ini";

class SettingsFileTest : public EngineFixture {
protected:
    void SetUp() override { desktop.files.insert(kPath); }
    // A fresh run reading the file holding `content`; none: a file that
    // cannot be opened (or none at all, when the desktop does not see it).
    StartOutcome Load(const std::optional<std::string>& content) {
        content ? void(files.files[kPath] = *content) : void(files.files.erase(kPath));
        s().settings = {};
        watchdog.starts = 0;
        return LoadSettings(s(), files, watchdog);
    }
    // The messages shown since the last look, each with the exclamation icon.
    void ExpectMessages(const std::vector<std::string>& texts) {
        std::vector<std::string> shown;
        for (const auto& m : desktop.messages) shown.push_back(m.exclamation ? m.text : "(no icon) " + m.text);
        EXPECT_EQ(shown, texts);
        desktop.messages.clear();
    }

    MemoryFileStore files;
};

TEST_F(SettingsFileTest, LinesTakeEffectByExactKeyAndValueInTheirOrder) {
    const struct { std::string text; bool watchdogEnds; Settings expected; } cases[] = {
        {"LASTPROFILE=C:\\a.wdp\r\nLASTPROFILE=\r\nDISPLAYUPDATE=YES\r\nDISPLAYUPDATE=NO\r\nDISPLAYFAILURES=YES\n"
         "PLAYFAILURESOUND=YES", false, {.displayUpdate = true, .displayFailures = true, .playFailureSound = true}},
        {"DISPLAYUPDATE=yes\nDISPLAYUPDATE=YES \nHARDCOREMODE=Yes\nlastprofile=a\n LASTPROFILE=b\nLASTPROFILE =c\n"
         "LASTPROFILE\nDISPLAYFAILURES==YES", false, {}},
        // The later line wins; a value that is not a whole 32-bit number keeps what the field had.
        {"STATUS_HK=83\nSTATUS_HK=0071\nCLEAR_HKCS=-2147483648\nACTIVE_HK=65\nACTIVE_HK=2147483648\nACTIVE_HK= 66\n"
         "ACTIVE_HK=6.5\nACTIVE_HK=", false, {.statusHotKey = 71, .clearHotKeyMods = -2147483648, .activeHotKey = 65}},
        // Turning Hardcore Mode on starts the watchdog; if it has to start first, the reading ends there.
        // (A UTF-8 byte-order mark before the first line is left out.)
        {"\xEF\xBB\xBFHARDCOREMODE=YES\nSTATUS_HK=83", true, {.hardcoreSetting = true, .hardcoreMode = true}},
        {"HARDCOREMODE=YES\nSTATUS_HK=83", false, {.statusHotKey = 83, .hardcoreSetting = true, .hardcoreMode = true}},
        // The failure limit: a whole number from 1 to 9; any other value leaves it unset.
        {"MAXFAILURES=1", false, {.maxFailures = 1}}, {"MAXFAILURES=7\nMAXFAILURES=09", false, {.maxFailures = 9}},
        {"MAXFAILURES=9\nMAXFAILURES=10", false, {}}, {"MAXFAILURES=9\nMAXFAILURES=0", false, {}},
        {"MAXFAILURES=9\nMAXFAILURES=2.5", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        watchdog.ends = c.watchdogEnds;
        EXPECT_EQ(Load(c.text), c.watchdogEnds ? StartOutcome::EndProgram : StartOutcome::GoOn);
        EXPECT_EQ(s().settings, c.expected);
        EXPECT_EQ(watchdog.starts, c.expected.hardcoreMode ? 1 : 0);
    }
    EXPECT_TRUE(desktop.messages.empty());
}

// What is saved, the file written, and what it reads back as when not the
// record saved: a hot key not above 0 loses both its lines, no failure limit
// no line, and only the saved Hardcore Mode choice is written. A failed save says so.
TEST_F(SettingsFileTest, SavedLinesFollowTheKeyOrderUnderTheirConditionsAndReadBack) {
    const struct { Settings saved; std::string text; std::optional<Settings> reloaded; } cases[] = {
        {{.lastProfile = "C:\\T.wdp", .statusHotKey = 83, .statusHotKeyMods = 3, .clearHotKey = -1,
          .clearHotKeyMods = 1, .activeHotKeyMods = 2, .displayFailures = true, .hardcoreMode = true},
         "LASTPROFILE=C:\\T.wdp\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\nDISPLAYFAILURES=YES\r\n",
         Settings{.lastProfile = "C:\\T.wdp", .statusHotKey = 83, .statusHotKeyMods = 3, .displayFailures = true}},
        {{.lastProfile = "C:\\P=Q.wdp", .statusHotKey = 90, .statusHotKeyMods = 2147483647, .clearHotKey = 48,
          .activeHotKey = 1, .activeHotKeyMods = -2147483648, .displayUpdate = true, .displayFailures = true,
          .playFailureSound = true, .maxFailures = 2, .hardcoreSetting = true, .hardcoreMode = true},
         "LASTPROFILE=C:\\P=Q.wdp\r\nSTATUS_HK=90\r\nSTATUS_HKCS=2147483647\r\nCLEAR_HK=48\r\nCLEAR_HKCS=0\r\n"
         "ACTIVE_HK=1\r\nACTIVE_HKCS=-2147483648\r\nDISPLAYUPDATE=YES\r\nDISPLAYFAILURES=YES\r\n"
         "PLAYFAILURESOUND=YES\r\nMAXFAILURES=2\r\nHARDCOREMODE=YES\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        s().settings = c.saved;
        SaveSettings(s(), files);
        EXPECT_EQ(files.files[kPath], c.text);
        Load(files.files[kPath]);
        EXPECT_EQ(s().settings, c.reloaded.value_or(c.saved));
    }
    EXPECT_TRUE(desktop.messages.empty());
    files.writesFail = true;
    SaveSettings(s(), files);
    ExpectMessages({"Could not write C:\\Wendox\\Wendox.ini file"});
}

// A file that is there but cannot be read is reported, keeps what was read
// before the fault, and is overwritten at exit only if the pilot changed a
// setting: not when start-up emptied the last profile it could not read.
TEST_F(SettingsFileTest, AnUnreadableFileIsReportedAndKeptUnlessSettingsChange) {
    const std::string tooLong = "\nLASTPROFILE=" + std::string(kMaxLineLength, 'x') + "\nDISPLAYUPDATE=YES";
    const std::string unreadable = "Could not read C:\\Wendox\\Wendox.ini file";
    const struct { std::optional<std::string> text; Settings read; std::vector<std::string> messages; } cases[] = {
        {std::nullopt, {}, {unreadable}},  // it cannot be opened
        {"STATUS_HK=83" + tooLong, {.statusHotKey = 83}, {unreadable}},
        {"LASTPROFILE=C:\\gone.wdp" + tooLong, {}, {unreadable, "Could not read C:\\gone.wdp"}},
    };
    s().files = &files;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.value_or("(none)").substr(0, 30));
        c.text ? void(files.files[kPath] = *c.text) : void(files.files.erase(kPath));
        s().settings = {};
        StartUp();
        EXPECT_EQ(s().settings, c.read);
        ExpectMessages(c.messages);
        const auto before = files.files;
        SaveSettings(s(), files);
        EXPECT_EQ(files.files, before);
        s().settings.displayFailures = true;
        SaveSettings(s(), files);
        EXPECT_EQ(files.files[kPath], SettingsText(s().settings));
    }
    desktop.files.erase(kPath);
    Load(std::nullopt);  // no file at all: the defaults, silently, and the exit writes one
    SaveSettings(s(), files);
    EXPECT_EQ(files.files[kPath], "LASTPROFILE=\r\n");
    EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace wendox::testing
