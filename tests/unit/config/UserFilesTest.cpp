// The settings file and profiles: what their lines set, what is written, and what the pilot is told.
#include "config/Profile.h"
#include "config/SettingsFile.h"

#include <sstream>

#include "engine/EngineFixture.h"
#include "monitor/UserFiles.h"
#include "hardcore/MainHardcore.h"
#include "support/FakeCompanions.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {
namespace {

constexpr char kPath[] = "C:\\Profiles\\Trainer.wdp", kIni[] = "C:\\Wendox\\Wendox.ini";

// A catalogue whose every component stands at 42 % of 3 hours, so that a
// line naming a default value must be taken to show.
Catalogue Away() {
    Catalogue catalogue = BuildCatalogue();
    catalogue.ForEach([](int, int, ComponentRecord& c) { c.reliability = 42, c.periodHours = 3; });
    return catalogue;
}

// The lines of the catalogue's profile, "system#component#reliability#hours", that Away did not set.
std::string Changed(const Catalogue& catalogue) {
    std::istringstream lines(ProfileText(catalogue, '.'));
    std::string text;
    for (std::string line; std::getline(lines, line);)
        if (!line.ends_with("#42#3\r")) text += line.substr(0, line.size() - 1) + " ";
    return text;
}

// Accepted lines take effect as their texts read. Each bad line stops the
// reading there: the line before it is in force, the line after it is not.
TEST(ProfileTest, LinesTakeEffectAsTheirTextsReadUntilABadLine) {
    MemoryFileStore files;
    files.files[kPath] = "\xEF\xBB\xBF 1 # 2 # 99.50 # 10 \r\n"  // a byte-order mark; blanks around numbers
                         "1#3#-5#5\n1#4#50#1000\r1#6#100#999\r\n"   // one value out of range leaves its cell alone
                         "2.5#3.5#11#1\r\n7#3.6#44#0\r\n"            // numbers round, halves to even; the last cell
                         "1#5#50#1\r\n1#5#-0#2\r\n"                 // later lines win; a minus zero is kept as 0
                         "9#1#150#1000\r\n8#1#50#2\r\n7#5#50#2\r\n" // skipped, or no component there
                         "1#7#12.3456789#0.10";                     // a last line without its end
    Catalogue catalogue = Away();
    EXPECT_TRUE(ReadProfile(kPath, files, catalogue, '.'));
    EXPECT_EQ(Changed(catalogue),
              "1#2#99.5#10 1#3#42#5 1#4#50#3 1#5#0#2 1#6#100#999 1#7#12.34568#0.1 2#4#11#1 7#4#44#0 ");

    const std::pair<char, std::string> cases[] = {
        {'.', ""}, {'.', "1#1#50"}, {'.', "1##50#1"}, {'.', "1#1#50#1#2"},      // a field missing, or one too many
        {'.', "0#1#50#1"}, {'.', "1#0#50#1"}, {'.', "1#16#50#1"}, {'.', "9#1#50#1000"},  // outside the table, not skipped
        {'.', "1#1#5x#1"}, {'.', "1#1#1e39#1"}, {'.', "1#-99999999999#150#1"},  // not a number, or a huge one
        {'.', std::string(kMaxLineLength + 1, '1')}, {',', "1#2#99.5#1"},  // too long; a point where the comma belongs
    };
    for (const auto& [separator, bad] : cases) {
        SCOPED_TRACE(bad.substr(0, 40));
        files.files[kPath] = "1#1#100#1\r\n" + bad + "\r\n1#2#80#3\r\n";
        catalogue = Away();
        EXPECT_FALSE(ReadProfile(kPath, files, catalogue, separator));
        EXPECT_EQ(Changed(catalogue), "1#1#100#1 ");
    }
    files.files.clear();
    EXPECT_FALSE(ReadProfile(kPath, files, catalogue, '.'));
}

// With Hardcore Mode read, what the shell was asked with the watchdog running, to be started, failing to start.
const std::string kWatchdogLogs[] = {
    "?WendoxHC", "?WendoxHC start \\wendoxhc.exe min",
    "?WendoxHC start \\wendoxhc.exe min \"Problem starting Wendox Hardcore Mode process (1).\""};

TEST(SettingsFileTest, LinesTakeEffectByExactKeyAndValueInTheirOrder) {
    enum Watchdog { Runs, Starts, FailsToStart };
    const struct { std::string text; Watchdog watchdog; Settings expected; } cases[] = {
        {"LASTPROFILE=C:\\a.wdp\r\nLASTPROFILE=\r\nDISPLAYUPDATE=YES\r\nDISPLAYUPDATE=NO\r\nDISPLAYFAILURES=YES\n"
         "PLAYFAILURESOUND=YES", Runs, {.displayUpdate = true, .displayFailures = true, .playFailureSound = true}},
        {"DISPLAYUPDATE=yes\nDISPLAYUPDATE=YES \nHARDCOREMODE=Yes\nlastprofile=a\n LASTPROFILE=b\nLASTPROFILE =c\n"
         "LASTPROFILE\nDISPLAYFAILURES==YES", Runs, {}},
        // The later line wins; a value that is not a whole 32-bit number keeps what the field had.
        {"STATUS_HK=83\nSTATUS_HK=0071\nCLEAR_HKCS=-2147483648\nACTIVE_HK=65\nACTIVE_HK=2147483648\nACTIVE_HK= 66\n"
         "ACTIVE_HK=6.5\nACTIVE_HK=", Runs, {.statusHotKey = 71, .clearHotKeyMods = -2147483648, .activeHotKey = 65}},
        // Turning Hardcore Mode on looks for the watchdog; if it has to start first, the reading ends there.
        // (A UTF-8 byte-order mark before the first line is left out.)
        {"\xEF\xBB\xBFHARDCOREMODE=YES\nSTATUS_HK=83", Starts, {.hardcoreSetting = true, .hardcoreMode = true}},
        {"HARDCOREMODE=YES\nSTATUS_HK=83", FailsToStart, {.hardcoreSetting = true, .hardcoreMode = true}},
        {"HARDCOREMODE=YES\nSTATUS_HK=83", Runs, {.statusHotKey = 83, .hardcoreSetting = true, .hardcoreMode = true}},
        // The failure limit: a whole number from 1 to 9; any other value leaves it unset. A text may hold "=".
        {"LASTPROFILE=a=b\nMAXFAILURES=1", Runs, {.lastProfile = "a=b", .maxFailures = 1}},
        {"MAXFAILURES=7\nMAXFAILURES=09", Runs, {.maxFailures = 9}}, {"MAXFAILURES=9\nMAXFAILURES=10", Runs, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MemoryFileStore files;
        files.files[kIni] = c.text;
        FakeCompanions shell;
        if (c.watchdog == Runs) shell.windows = {kWatchdogCaption};
        if (c.watchdog == FailsToStart) shell.failingStarts = {"\\wendoxhc.exe"};
        ShellWatchdogStarter watchdog(shell);
        Settings settings;
        EXPECT_EQ(LoadSettings(kIni, files, settings, watchdog),
                  c.watchdog == Runs ? SettingsLoad::Read : SettingsLoad::EndProgram);
        EXPECT_EQ(settings, c.expected);
        EXPECT_EQ(shell.log, c.expected.hardcoreMode ? kWatchdogLogs[c.watchdog] : "");
    }
}

// What is saved: a hot key not above 0 loses both its lines, no failure
// limit no line, and only the saved Hardcore Mode choice is written. A file
// that start-up could not read is overwritten once a setting differs from
// what start-up left (UserFilesTest shows it kept while none differs).
TEST(SettingsFileTest, SavedLinesFollowTheKeyOrderUnderTheirConditions) {
    const struct { Settings saved; std::string text; } cases[] = {
        {{.lastProfile = "C:\\T.wdp", .statusHotKey = 83, .statusHotKeyMods = 3, .clearHotKey = -1,
          .clearHotKeyMods = 1, .activeHotKeyMods = 2, .displayFailures = true, .hardcoreMode = true},
         "LASTPROFILE=C:\\T.wdp\r\nSTATUS_HK=83\r\nSTATUS_HKCS=3\r\nDISPLAYFAILURES=YES\r\n"},
        {{.lastProfile = "C:\\P=Q.wdp", .statusHotKey = 90, .statusHotKeyMods = 2147483647, .clearHotKey = 48,
          .activeHotKey = 1, .activeHotKeyMods = -2147483648, .displayUpdate = true, .displayFailures = true,
          .playFailureSound = true, .maxFailures = 2, .hardcoreSetting = true, .hardcoreMode = true},
         "LASTPROFILE=C:\\P=Q.wdp\r\nSTATUS_HK=90\r\nSTATUS_HKCS=2147483647\r\nCLEAR_HK=48\r\nCLEAR_HKCS=0\r\n"
         "ACTIVE_HK=1\r\nACTIVE_HKCS=-2147483648\r\nDISPLAYUPDATE=YES\r\nDISPLAYFAILURES=YES\r\n"
         "PLAYFAILURESOUND=YES\r\nMAXFAILURES=2\r\nHARDCOREMODE=YES\r\n"},
    };
    for (const auto& c : cases) {
        MemoryFileStore files;
        EXPECT_TRUE(SaveSettings(kIni, files, c.saved, {.loaded = {}, .unreadable = true}));
        EXPECT_EQ(files.files[kIni], c.text);
    }
}

// What the pilot sees of reading and writing the files: the caption names a
// profile read or written; a failure is told with the exclamation icon, an
// unreadable profile is forgotten, and the list and schedules show whatever
// was taken. A settings file that cannot be read is told and, with the
// settings as start-up left them, not written over at exit.
class UserFilesTest : public EngineFixture {
protected:
    // The caption, the last profile, and the events since the last look.
    std::string Log() {
        const std::string text = view.profileCaption + "|" + s().settings.lastProfile + "|" + EngineFixture::Log();
        view.profileCaption = "Sub-systems";
        return text;
    }
    MemoryFileStore files;
};

TEST_F(UserFilesTest, CaptionsMessagesAndWhatIsKept) {
    const std::string last = "LASTPROFILE=" + std::string(kPath);
    desktop.files.insert(kIni);
    s().files = &files;
    const struct { std::string settings, profile; std::string log; bool savedOver; } cases[] = {
        {last, "1#1#0#0",
         "Sub-systems (Trainer.wdp)|C:\\Profiles\\Trainer.wdp|systems refill \\sound_ok.wav timer "
         "[On hold (not airborne).]", true},
        {"STATUS_HK=83\n" + last + "\nDISPLAYUPDATE=" + std::string(kMaxLineLength, 'x'), "1#1#0#0\n1#1",
         "Sub-systems||{!Could not read C:\\Wendox\\Wendox.ini file} systems "
         "{!Could not read C:\\Profiles\\Trainer.wdp} refill timer", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log);
        files.files = {{kIni, c.settings}, {kPath, c.profile}};
        s().settings = {};
        StartUp();
        EXPECT_EQ(Log(), c.log);
        EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);  // the profile line 1#1#0#0 taken
        SaveSettingsFile(s());
        EXPECT_EQ(files.files[kIni] != c.settings, c.savedOver);  // silently: the next look shows any message
    }
    files.files.clear();  // no settings file: the defaults, silently, and no profile read
    desktop.files.erase(kIni);
    StartUp();
    EXPECT_EQ(Log(), "Sub-systems||systems timer");
    s().settings.lastProfile = kPath;
    SaveProfile(s());
    EXPECT_EQ(Log(), "Sub-systems (Trainer.wdp)|C:\\Profiles\\Trainer.wdp|");
    files.writesFail = true;
    SaveProfile(s());
    SaveSettingsFile(s());
    EXPECT_EQ(Log(), "Sub-systems|C:\\Profiles\\Trainer.wdp|{!Could not write C:\\Profiles\\Trainer.wdp}"
                     " {!Could not write C:\\Wendox\\Wendox.ini file}");
}

}  // namespace
}  // namespace wendox::testing
