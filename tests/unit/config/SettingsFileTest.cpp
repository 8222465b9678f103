#include "config/SettingsFile.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "standin/core/ServerCore.h"
#include "support/FakeDesktop.h"
#include "support/FakeLinkOs.h"
#include "support/FakeView.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Wendox\\Wendox.ini";

// The fixture is also the watchdog: it records the settings at each start.
class SettingsFileTest : public ::testing::Test, public WatchdogStarter {
protected:
    bool StartWatchdog() override {
        watchdogSeen.push_back(s.settings);
        return watchdogEnds;
    }
    // A fresh run reading the file as it is.
    StartOutcome Load() {
        s.settings = {};
        watchdogSeen.clear();
        return LoadSettings(s, files, *this);
    }
    void Save() { SaveSettings(s, files); }
    void ExpectMessage(const std::string& text) {
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, text);
        EXPECT_TRUE(desktop.messages[0].exclamation);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    FakeDesktop desktop;
    FakeView view;
    EngineState s{os, desktop, view};
    MemoryFileStore files;
    bool watchdogEnds = false;
    std::vector<Settings> watchdogSeen;
};

TEST_F(SettingsFileTest, LinesTakeEffectByExactKeyAndValueInTheirOrder) {
    const Settings atWatchdog{.lastProfile = "a", .hardcoreSetting = true, .hardcoreMode = true};
    Settings readOn = atWatchdog;
    readOn.statusHotKey = 83;
    const struct {
        std::string text;
        bool watchdogEnds;
        Settings expected;
    } cases[] = {
        {"LASTPROFILE=C:\\a.wdp\r\nLASTPROFILE=\r\n", false, {}},
        {"LASTPROFILE=C:\\P=Q=.wdp\nSTATUS_HK=83\nSTATUS_HKCS=3\nCLEAR_HK=67\nCLEAR_HKCS=1\nACTIVE_HK=65\nACTIVE_HKCS=2",
         false,
         {.lastProfile = "C:\\P=Q=.wdp", .statusHotKey = 83, .statusHotKeyMods = 3, .clearHotKey = 67,
          .clearHotKeyMods = 1, .activeHotKey = 65, .activeHotKeyMods = 2}},
        {"DISPLAYUPDATE=YES\r\nDISPLAYUPDATE=NO\r\n", false, {.displayUpdate = true}},
        {"DISPLAYFAILURES=YES", false, {.displayFailures = true}},
        {"PLAYFAILURESOUND=YES", false, {.playFailureSound = true}},
        {"DISPLAYUPDATE=yes\nDISPLAYUPDATE=YES \nHARDCOREMODE=Yes\nlastprofile=a\n LASTPROFILE=b\nLASTPROFILE =c\n"
         "LASTPROFILE\nDISPLAYFAILURES==YES",
         false,
         {}},
        // Hot keys: the later line wins; a value that is not a whole 32-bit
        // number keeps what the field had.
        {"STATUS_HK=83\nSTATUS_HK=0071\nCLEAR_HK=2147483647\nCLEAR_HKCS=-2147483648\nACTIVE_HK=65\n"
         "ACTIVE_HK=2147483648\nACTIVE_HK=-2147483649\nACTIVE_HK= 66\nACTIVE_HK=66 \nACTIVE_HK=+66\n"
         "ACTIVE_HK=\nACTIVE_HK=-\nACTIVE_HK=6.5\nACTIVE_HK=0x42",
         false,
         {.statusHotKey = 71, .clearHotKey = 2147483647, .clearHotKeyMods = -2147483648, .activeHotKey = 65}},
        {"LASTPROFILE=a\r\nHARDCOREMODE=YES\r\nSTATUS_HK=83\r\n", true, atWatchdog},
        {"LASTPROFILE=a\r\nHARDCOREMODE=YES\r\nSTATUS_HK=83\r\n", false, readOn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        files.files[kPath] = c.text;
        watchdogEnds = c.watchdogEnds;
        EXPECT_EQ(Load(), c.watchdogEnds ? StartOutcome::EndProgram : StartOutcome::GoOn);
        EXPECT_EQ(s.settings, c.expected);
        EXPECT_EQ(watchdogSeen, c.expected.hardcoreMode ? std::vector{atWatchdog} : std::vector<Settings>{});
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SettingsFileTest, SavedLinesFollowTheKeyOrderUnderTheirConditionsAndReadBack) {
    const struct {
        Settings saved;
        std::string text;
        std::optional<Settings> reloaded;  // when not the record saved
    } cases[] = {
        {{}, "LASTPROFILE=\r\n", {}},
        {{.lastProfile = "C:\\Profiles\\Trainer.wdp", .statusHotKey = 83, .statusHotKeyMods = 3, .displayFailures = true},
         "LASTPROFILE=C:\\Profiles\\Trainer.wdp\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\nDISPLAYFAILURES=YES\r\n",
         {}},
        {{.clearHotKey = 67}, "LASTPROFILE=\r\nCLEAR_HK=67\r\nCLEAR_HKCS=0\r\n", {}},
        {{.statusHotKeyMods = 3, .clearHotKey = -1, .clearHotKeyMods = 1, .activeHotKeyMods = 2, .hardcoreMode = true},
         "LASTPROFILE=\r\n",
         Settings{}},
        {{.lastProfile = "C:\\P=Q.wdp", .statusHotKey = 90, .statusHotKeyMods = 3, .clearHotKey = 48,
          .clearHotKeyMods = 2147483647, .activeHotKey = 1, .activeHotKeyMods = -2147483648, .displayUpdate = true,
          .displayFailures = true, .playFailureSound = true, .hardcoreSetting = true, .hardcoreMode = true},
         "LASTPROFILE=C:\\P=Q.wdp\r\nSTATUS_HK=90\r\nSTATUS_HKCS=3\r\nCLEAR_HK=48\r\nCLEAR_HKCS=2147483647\r\n"
         "ACTIVE_HK=1\r\nACTIVE_HKCS=-2147483648\r\nDISPLAYUPDATE=YES\r\nDISPLAYFAILURES=YES\r\n"
         "PLAYFAILURESOUND=YES\r\nHARDCOREMODE=YES\r\n",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        s.settings = c.saved;
        Save();
        EXPECT_EQ(files.files[kPath], c.text);
        Load();
        EXPECT_EQ(s.settings, c.reloaded.value_or(c.saved));
    }
    EXPECT_TRUE(desktop.messages.empty());
}

// A file that is there but cannot be read is reported, keeps what was read
// before the fault, and is overwritten at exit only if a setting changed.
TEST_F(SettingsFileTest, AnUnreadableFileIsReportedAndKeptUnlessSettingsChange) {
    const std::string tooLong = "STATUS_HK=83\nLASTPROFILE=" + std::string(kMaxLineLength, 'x') + "\nDISPLAYUPDATE=YES";
    const struct {
        std::optional<std::string> content;  // in the file store
        bool onDisk;                         // as the desktop sees it
        bool unreadable;
        Settings loaded;
        std::optional<std::string> afterUnchangedSave;  // none: no file
    } cases[] = {
        {std::nullopt, false, false, {}, "LASTPROFILE=\r\n"},
        {std::nullopt, true, true, {}, std::nullopt},
        {tooLong, true, true, {.statusHotKey = 83}, tooLong},
        {"LASTPROFILE=a\r\nJUNK\r\n", true, false, {.lastProfile = "a"}, "LASTPROFILE=a\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        files.files.clear();
        if (c.content) files.files[kPath] = *c.content;
        desktop.files = {};
        if (c.onDisk) desktop.files.insert(kPath);
        desktop.messages.clear();

        EXPECT_EQ(Load(), StartOutcome::GoOn);
        EXPECT_EQ(s.settings, c.loaded);
        if (c.unreadable) ExpectMessage("Could not read C:\\Wendox\\Wendox.ini file");
        Save();
        EXPECT_EQ(files.files.contains(kPath) ? std::optional(files.files[kPath]) : std::nullopt, c.afterUnchangedSave);
        s.settings.displayFailures = true;
        Save();
        EXPECT_EQ(files.files[kPath], SettingsText(s.settings));
        EXPECT_EQ(desktop.messages.size(), c.unreadable ? 1u : 0u);
    }
}

TEST_F(SettingsFileTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    files.files[kPath] = "LASTPROFILE=C:\\old.wdp\r\n";
    files.writesFail = true;
    s.settings.displayUpdate = true;
    Save();
    EXPECT_EQ(files.files[kPath], "LASTPROFILE=C:\\old.wdp\r\n");
    ExpectMessage("Could not write C:\\Wendox\\Wendox.ini file");
}

}  // namespace
}  // namespace wendox::testing
