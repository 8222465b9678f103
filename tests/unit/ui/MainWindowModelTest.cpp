// The main window's rows, lamps and texts, and what its handlers do with the
// reliability dialog's result.
#include <deque>
#include <functional>

#include "engine/EngineFixture.h"
#include "engine/NumberText.h"
#include "support/MemoryFileStore.h"
#include "ui/model/ComponentRows.h"
#include "ui/model/MainWindowActions.h"

namespace wendox::testing {
namespace {

// Accept at 0 % and 0 hours, "&Test Failure", "Clear &Failure".
constexpr DialogValues kZero{0, 0, true}, kTest{100, 1, false, true}, kClear{100, 1, false, false, true};

// The engine under a main window whose dialog answers are scripted (none
// left: Cancel) and which logs every dialog it shows, as
// "<caption|starting reliability/hours>" ("|tc|" when Test and Clear are offered).
class MainWindowModelTest : public EngineFixture, public MainWindowHost {
protected:
    void SetUp() override { StartUp(); }

    int SelectedSystem() override { return 7; }        // Radio,
    int SelectedComponentRow() override { return 2; }  // its second component
    std::string ComponentRowText(int r) override { return " row" + std::to_string(r); }
    void ShowReliabilityDialog(const std::string& caption, bool testAndClear, DialogValues& values) override {
        LogEvent(&log, "<" + caption + (testAndClear ? "|tc|" : "|") + SingleToText(values.reliability, '.') + "/" +
                           SingleToText(values.hours, '.') + ">");
        if (whileOpen) whileOpen();
        values = answers.empty() ? DialogValues{} : answers.front();
        if (!answers.empty()) answers.pop_front();
    }
    std::optional<std::string> ChooseProfile(bool) override {
        if (whileOpen) whileOpen();
        return chosenPath;
    }
    // How many components stand at 0 % and 0 hours.
    int Zeroed() {
        int zeroed = 0;
        s().catalogue.ForEach([&](int, int, auto& c) { zeroed += c.reliability == 0 && c.periodHours == 0; });
        return zeroed;
    }

    std::deque<DialogValues> answers;
    std::optional<std::string> chosenPath;  // nothing: the user cancels
    std::function<void()> whileOpen;        // what happens while a dialog is open
    MainWindowState window;
};

// The first three components of the first system, and their rows, with either separator.
TEST_F(MainWindowModelTest, RowsShowLampReliabilityPeriodAndFailure) {
    C({1, 2}).reliability = 99.999f, C({1, 2}).periodHours = 0;
    C({1, 3}).periodHours = 0.5f;
    Fail({1, 1});
    std::vector<ComponentRow> rows;
    std::string text;
    for (const char separator : {'.', ','}) {
        ComponentRows(s().catalogue, 1, separator, rows);
        for (int i = 0; i < 3; ++i)
            text += rows[i].text + "|" + "?GRY"[int(rows[i].lamp)] + "|" + rows[i].reliability + "|" + rows[i].basedOn +
                    "|" + rows[i].failed + "\n";
    }
    EXPECT_EQ(text, " Airspeed|R|100%|1 hour of flight|Yes\n Altitude|Y|99.999%|0 hours of flight|No\n"
                    " Approach|G|100%|0.5 hours of flight|Never\n Airspeed|R|100%|1 hour of flight|Yes\n"
                    " Altitude|Y|99,999%|0 hours of flight|No\n Approach|G|100%|0,5 hours of flight|Never\n");
}

// A refresh touches the list only where its rows change: a failure in
// another system leaves it alone, one in the shown system rewrites that row
// alone, another system (or a list emptied by other means) refills it.
TEST_F(MainWindowModelTest, ARefreshRewritesOnlyTheRowsThatChanged) {
    ShownComponentRows shown;
    const struct { std::function<void()> change; int system; ListUpdate update; std::size_t changedRow; } cases[] = {
        {[] {}, 1, ListUpdate::Refill, 0},  // nothing shown yet
        {[] {}, 1, ListUpdate::None, 0},
        {[&] { Fail({2, 1}); }, 1, ListUpdate::None, 0},
        {[&] { Fail({1, 3}); }, 1, ListUpdate::Rows, 2},
        {[&] { C({1, 14}).periodHours = 2; }, 1, ListUpdate::Rows, 13},
        {[] {}, 2, ListUpdate::Refill, 0},
        {[] {}, 3, ListUpdate::Refill, 0},  // as many rows as the system before
        {[&] { shown.Forget(); }, 3, ListUpdate::Refill, 0},
    };
    for (const auto& c : cases) {
        c.change();
        EXPECT_EQ(shown.Take(s().catalogue, c.system, '.'), c.update);
        for (std::size_t row = 0; c.update == ListUpdate::Rows && row < shown.Rows().size(); ++row)
            EXPECT_EQ(shown.Changed(row), row == c.changedRow) << row;
    }
    EXPECT_EQ(shown.Rows().back().text, " Master Avionics");  // the electrical system's last
    // After the refill the row last opened stays selected, its system's last one too; else the first.
    for (const auto& [opened, rows, selected] : {std::tuple{0, 14, 1}, {1, 14, 1}, {2, 14, 2}, {14, 14, 14}, {15, 14, 1}})
        EXPECT_EQ(RowToSelect(opened, rows), selected) << opened;
}

// Each form: its caption, whether it offers "&Test Failure" and "Clear
// &Failure", where it starts, what Cancel (nothing) and Accept change, and
// that Accept draws the schedules again. Under the in-flight lock none opens
// (the list is hidden then), and one opened on the ground and closed after
// take-off applies nothing of what was chosen in it, silently.
TEST_F(MainWindowModelTest, EachFormOpensAsItShouldAndAppliesItsResultOnlyOnTheGround) {
    const struct { decltype(&cmdSetAllRel_Click) open; std::string shown; int changed; } forms[] = {
        {lvwSubSystems_Click, "< Radio - row2 Reliability|tc|99.5/3>", 1},
        {cmdSetSystemRel_Click, "< Radio Reliabilities|42/3>", 4},
        {cmdSetAllRel_Click, "<All Reliabilities|100/1>", 62},
    };
    for (const auto& form : forms) {
        for (const bool locked : {false, true}) {
            s().catalogue.ForEach([](int, int, ComponentRecord& c) { c.reliability = 42, c.periodHours = 3; });
            C({7, 2}).reliability = 99.5f;
            s().settings.hardcoreMode = s().airborne = locked;
            Log();
            form.open(s(), *this, window);  // Cancel, or nothing under the lock
            s().airborne = false;
            whileOpen = [&] { s().airborne = locked; };
            answers = {kZero};
            form.open(s(), *this, window);
            EXPECT_EQ(Log(), locked ? form.shown : form.shown + " " + form.shown + " refill") << locked;
            EXPECT_EQ(Zeroed(), locked ? 0 : form.changed);
        }
        EXPECT_EQ(C({7, 2}).bandHigh - C({7, 2}).bandLow, 100000);
    }
    EXPECT_EQ(window.selectedRow, 2);
}

// Test Failure fails the component once, even with the failure limit reached;
// clearing one failure redraws no schedule. Without the link it is refused.
TEST_F(MainWindowModelTest, EnterSpaceOrAClickOnARowOpenTheComponentFormWhoseTestFailureNeedsTheLink) {
    answers = {kTest, kTest, kClear};
    s().settings.maxFailures = 1;
    Fail(kAileron);
    C(kApMaster).scheduledRoll = 777;
    Log();
    for (const int key : {int('a'), 13, 32}) lvwSubSystems_KeyPress(s(), *this, window, key);
    lvwSubSystems_Click(s(), *this, window);
    const std::string dialog = "< Radio - row2 Reliability|tc|100/1>";
    EXPECT_EQ(Log(), dialog + " refill " + dialog + " refill " + dialog + " 0B68/1=0 refill");
    EXPECT_EQ(s().failed.count, 1);
    EXPECT_EQ(C(kApMaster).scheduledRoll, 777);

    s().connected = false;
    answers = {kTest};
    lvwSubSystems_Click(s(), *this, window);
    EXPECT_EQ(Log(), dialog + " {You'll need to have Flight Simulator 2002 running first and you'll also need the "
                              "fsuipc module installed.}");
}

// Under the in-flight lock no failure is cleared and no profile opened,
// also from a dialog opened on the ground; saving goes on, to the path chosen.
TEST_F(MainWindowModelTest, UnderTheInFlightLockOnlySavingGoesOn) {
    MemoryFileStore files;
    s().files = &files;
    files.files["C:\\A.wdp"] = "1#1#0#0\r\n";
    chosenPath = "C:\\A.wdp";
    s().settings.hardcoreMode = true;
    Fail({7, 2});
    Log();
    whileOpen = [&] { s().airborne = true; };
    for (const bool airborne : {true, false}) {
        s().airborne = airborne;
        answers = {kClear};
        lvwSubSystems_Click(s(), *this, window);
        s().airborne = airborne;
        cmdOpen_Click(s(), *this);
    }
    EXPECT_EQ(Log(), "< Radio - row2 Reliability|tc|100/1>");
    EXPECT_TRUE(C({7, 2}).failed && Zeroed() == 0 && s().settings.lastProfile.empty());
    chosenPath = "C:\\B.wdp";
    cmdSaveAs_Click(s(), *this);
    EXPECT_TRUE(files.files["C:\\B.wdp"].starts_with("1#1#100#1\r\n") && s().settings.lastProfile == "C:\\B.wdp");
    whileOpen = nullptr;
    s().airborne = false;  // on the ground a profile opens from the path chosen
    chosenPath = "C:\\A.wdp";
    cmdOpen_Click(s(), *this);
    EXPECT_EQ(std::pair(C({1, 1}).periodHours, s().settings.lastProfile), std::pair(0.0f, std::string("C:\\A.wdp")));
    EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);  // the schedules drawn from what was read
}

}  // namespace
}  // namespace wendox::testing
