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

// Accept at 0 % and 0.5 hours, "&Test Failure", "Clear &Failure".
constexpr DialogValues kChosen{0, 0.5f, true}, kTest{100, 1, false, true}, kClear{100, 1, false, false, true};

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
    std::deque<DialogValues> answers;
    std::optional<std::string> chosenPath;  // nothing: the user cancels
    std::function<void()> whileOpen;        // what happens while a dialog is open
    MainWindowState window;
};

// The first three components of the first system, and their rows, with the user's separator.
TEST_F(MainWindowModelTest, RowsShowLampReliabilityPeriodAndFailure) {
    C({1, 2}).reliability = 99.999f, C({1, 2}).periodHours = 0;
    C({1, 3}).periodHours = 0.5f;
    Fail({1, 1});
    std::vector<ComponentRow> rows;
    ComponentRows(s().catalogue, 1, ',', rows);
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += rows[i].text + "|" + "?GRY"[int(rows[i].lamp)] + "|" + rows[i].reliability + "|" + rows[i].basedOn +
                "|" + rows[i].failed + "\n";
    EXPECT_EQ(text, " Airspeed|R|100%|1 hour of flight|Yes\n Altitude|Y|99,999%|0 hours of flight|No\n"
                    " Approach|G|100%|0,5 hours of flight|Never\n");
}

// A refresh touches the list only where its rows change: a failure in
// another system leaves it alone, one in the shown system rewrites that row
// alone, another system (or a list emptied by other means) refills it.
TEST_F(MainWindowModelTest, ARefreshRewritesOnlyTheRowsThatChanged) {
    ShownComponentRows shown;
    const struct { std::function<void()> change; int system; ListUpdate update; std::size_t changedRow; } cases[] = {
        {[] {}, 1, ListUpdate::Refill, 0},  // nothing shown yet
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
            answers = {kChosen};
            form.open(s(), *this, window);
            EXPECT_EQ(Log(), locked ? form.shown : form.shown + " " + form.shown + " refill") << locked;
            int chosen = 0;  // the components that stand at 0 % and 0.5 hours
            s().catalogue.ForEach([&](int, int, auto& c) { chosen += c.reliability == 0 && c.periodHours == 0.5f; });
            EXPECT_EQ(chosen, locked ? 0 : form.changed);
        }
        EXPECT_EQ(C({7, 2}).bandHigh - C({7, 2}).bandLow, 100000);
    }
    EXPECT_EQ(window.selectedRow, 2);
}

// Test Failure fails the component once, even with the failure limit reached;
// clearing one failure redraws no schedule. "Clear Failures" clears all with
// a sound, but with nothing to clear says nothing. Without the link Test
// Failure is refused.
TEST_F(MainWindowModelTest, EnterSpaceOrAClickOnARowOpenTheComponentFormWhoseTestFailureNeedsTheLink) {
    answers = {kTest, kTest, kClear};
    s().settings.maxFailures = 1;
    Fail(kTransponder);
    C(kApMaster).scheduledRoll = 777;
    Log();
    for (const int key : {int('a'), 13, 32}) lvwSubSystems_KeyPress(s(), *this, window, key);
    lvwSubSystems_Click(s(), *this, window);
    const std::string dialog = "< Radio - row2 Reliability|tc|100/1>";
    EXPECT_EQ(Log(), dialog + " refill " + dialog + " refill " + dialog + " 0B68/1=0 refill");
    EXPECT_EQ(std::pair(s().failed.count, C(kApMaster).scheduledRoll), std::pair(1, 777));
    for (int click = 0; click < 2; ++click) cmdClearFailures_Click(s());
    EXPECT_EQ(Log(), "0B6F/1=0 refill \\sound_ok.wav");

    s().connected = false;
    answers = {kTest};
    lvwSubSystems_Click(s(), *this, window);
    EXPECT_EQ(Log(), dialog + " {You'll need to have Flight Simulator 2002 running first and you'll also need the "
                              "fsuipc module installed.}");
}

// Under the in-flight lock saving goes on, to the path chosen, but no profile
// is opened, also from a chooser opened on the ground; on the ground one
// opens from the path chosen. (No dialog applies anything under the lock:
// EachFormOpens... shows it.)
TEST_F(MainWindowModelTest, UnderTheInFlightLockOnlySavingGoesOn) {
    MemoryFileStore files;
    s().files = &files;
    files.files["C:\\A.wdp"] = "1#1#0#0\r\n";
    s().settings.hardcoreMode = s().airborne = true;
    chosenPath = "C:\\B.wdp";
    cmdSaveAs_Click(s(), *this);
    EXPECT_TRUE(files.files["C:\\B.wdp"].starts_with("1#1#100#1\r\n"));
    chosenPath = "C:\\A.wdp";
    // Airborne before the chooser opens, taking off while it is open, and on the ground.
    for (const auto& [before, during] : {std::pair{true, true}, {false, true}, {false, false}}) {
        s().airborne = before;
        whileOpen = [&, during = during] { s().airborne = during; };
        cmdOpen_Click(s(), *this);
        EXPECT_EQ(s().settings.lastProfile, during ? "C:\\B.wdp" : "C:\\A.wdp") << before;
    }
    // The schedules drawn from what was read.
    EXPECT_EQ(std::pair(C({1, 1}).periodHours, C({1, 1}).bandHigh - C({1, 1}).bandLow), std::pair(0.0f, 100000));
}

}  // namespace
}  // namespace wendox::testing
