#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include "support/FakeWatchdog.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Wendox\\Wendox.ini";

TEST(SettingsFileTest, LinesTakeEffectByExactKeyAndValueInTheirOrder) {
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
        MemoryFileStore files;
        files.files[kPath] = c.text;
        FakeWatchdog watchdog;
        watchdog.ends = c.watchdogEnds;
        Settings settings;
        EXPECT_EQ(LoadSettings(kPath, files, settings, watchdog),
                  c.watchdogEnds ? SettingsLoad::EndProgram : SettingsLoad::Read);
        EXPECT_EQ(settings, c.expected);
        EXPECT_EQ(watchdog.starts, c.expected.hardcoreMode ? 1 : 0);
    }
}

// What is saved, and what it reads back as when not the record saved: a hot
// key not above 0 loses both its lines, no failure limit no line, and only
// the saved Hardcore Mode choice is written. A file that start-up could not
// read is overwritten only once a setting differs from what start-up left.
TEST(SettingsFileTest, SavedLinesFollowTheKeyOrderUnderTheirConditionsAndReadBack) {
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
        {{}, "LASTPROFILE=\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MemoryFileStore files;
        EXPECT_TRUE(SaveSettings(kPath, files, c.saved, {.loaded = c.saved, .unreadable = true}));
        EXPECT_TRUE(files.files.empty());
        EXPECT_TRUE(SaveSettings(kPath, files, c.saved, {.loaded = c.saved}));
        EXPECT_EQ(files.files[kPath], c.text);
        Settings reloaded{.lastProfile = "C:\\old.wdp"};
        FakeWatchdog watchdog;
        EXPECT_EQ(LoadSettings(kPath, files, reloaded, watchdog), SettingsLoad::Read);
        EXPECT_EQ(reloaded, c.reloaded.value_or(c.saved));
        files.files.clear();
        EXPECT_TRUE(SaveSettings(kPath, files, c.saved, {.loaded = {.lastProfile = "C:\\old.wdp"}, .unreadable = true}));
        EXPECT_EQ(files.files[kPath], c.text);
    }
}

}  // namespace
}  // namespace wendox::testing
