// The main window's rows, lamps and texts, and what its handlers do with the
// reliability dialog's result.
#include <deque>
#include <functional>

#include "engine/EngineFixture.h"
#include "support/MemoryFileStore.h"
#include "ui/model/ComponentRows.h"
#include "ui/model/MainWindowActions.h"

namespace wendox::testing {
namespace {

// Accept at 0 % and 0 hours, "&Test Failure", "Clear &Failure".
constexpr DialogValues kZero{0, 0, true}, kTest{100, 1, false, true}, kClear{100, 1, false, false, true};

// The engine under a main window whose dialog answers are scripted (none
// left: Cancel) and which remembers every dialog it showed.
class MainWindowModelTest : public EngineFixture, public MainWindowHost {
protected:
    using Shown = std::tuple<std::string, bool, float, float>;  // caption, test and clear shown, starting values
    void SetUp() override { StartUp(); }

    int SelectedSystem() override { return system; }
    int SelectedComponentRow() override { return row; }
    std::string ComponentRowText(int r) override { return " row" + std::to_string(r); }
    void ShowReliabilityDialog(const std::string& caption, bool testAndClear, DialogValues& values) override {
        shown.push_back({caption, testAndClear, values.reliability, values.hours});
        if (whileOpen) whileOpen();
        values = answers.empty() ? DialogValues{} : answers.front();
        if (!answers.empty()) answers.pop_front();
    }
    std::optional<std::string> ChooseProfile(bool) override {
        if (whileOpen) whileOpen();
        return chosenPath;
    }

    int system = 7, row = 2;  // Radio, its second component
    std::deque<DialogValues> answers;
    std::vector<Shown> shown;
    std::optional<std::string> chosenPath;  // nothing: the user cancels
    std::function<void()> whileOpen;        // what happens while a dialog is open
    MainWindowState window;
};

TEST_F(MainWindowModelTest, RowsShowLampReliabilityPeriodAndFailure) {
    // The first three components of the first system, and their rows.
    const struct { float reliability, hours; bool failed; const char* text; Lamp lamp; const char *percent, *basedOn,
        *failedText; } cases[] = {
        {100, 1, true, " Airspeed", Lamp::Red, "100%", "1 hour of flight", "Yes"},
        {99.999f, 0, false, " Altitude", Lamp::Yellow, "99.999%", "0 hours of flight", "No"},
        {100, 0.5f, false, " Approach", Lamp::Green, "100%", "0.5 hours of flight", "Never"},
    };
    std::vector<ComponentRow> rows;
    for (int i = 0; i < 3; ++i) {
        C({1, i + 1}).reliability = cases[i].reliability;
        C({1, i + 1}).periodHours = cases[i].hours;
        if (cases[i].failed) Fail({1, i + 1});
        ComponentRows(s().catalogue, 1, '.', rows);
        const ComponentRow& got = rows.at(i);
        EXPECT_EQ(std::tie(got.text, got.lamp, got.reliability, got.basedOn, got.failed),
                  std::tie(cases[i].text, cases[i].lamp, cases[i].percent, cases[i].basedOn, cases[i].failedText));
    }
    EXPECT_EQ(rows.size(), 14u);
    ComponentRows(s().catalogue, 1, ',', rows);
    EXPECT_EQ(rows[2].basedOn, "0,5 hours of flight");
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
// that Accept draws the schedules again.
TEST_F(MainWindowModelTest, EachFormOpensAsItShouldAndAppliesItsResult) {
    const struct { decltype(&cmdSetAllRel_Click) open; Shown shown; int changed; } forms[] = {
        {lvwSubSystems_Click, {" Radio - row2 Reliability", true, 99.5f, 3}, 1},
        {cmdSetSystemRel_Click, {" Radio Reliabilities", false, 42, 3}, 4},
        {cmdSetAllRel_Click, {"All Reliabilities", false, 100, 1}, kComponentCount},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(std::get<0>(form.shown));
        s().catalogue.ForEach([](int, int, ComponentRecord& c) { c.reliability = 42, c.periodHours = 3; });
        C({7, 2}).reliability = 99.5f;
        const int refills = view.refills;
        form.open(s(), *this, window);
        EXPECT_EQ(view.refills, refills);
        answers = {kZero};
        form.open(s(), *this, window);
        EXPECT_EQ(shown, std::vector<Shown>(2, form.shown));
        int changed = 0;
        s().catalogue.ForEach([&](int, int, auto& c) { changed += c.reliability == 0 && c.periodHours == 0; });
        EXPECT_EQ(changed, form.changed);
        EXPECT_EQ(C({7, 2}).bandHigh - C({7, 2}).bandLow, 100000);
        shown.clear();
    }
    EXPECT_EQ(window.selectedRow, 2);
}

TEST_F(MainWindowModelTest, EnterSpaceOrAClickOnARowOpenTheComponentFormWhoseTestFailureNeedsTheLink) {
    answers = {kTest, kTest, kClear};
    s().settings.maxFailures = 1;  // reached, but the pilot's own failure is not held back
    Fail(kAileron);
    lvwSubSystems_KeyPress(s(), *this, window, 'a');
    EXPECT_TRUE(shown.empty());
    lvwSubSystems_KeyPress(s(), *this, window, 13);
    lvwSubSystems_KeyPress(s(), *this, window, 32);
    EXPECT_EQ(s().failed.count, 2);  // failed already: no second entry
    EXPECT_TRUE(C({7, 2}).failed);
    C(kApMaster).scheduledRoll = 777;
    lvwSubSystems_Click(s(), *this, window);
    EXPECT_EQ(s().failed.count, 1);
    EXPECT_EQ(C(kApMaster).scheduledRoll, 777);  // clearing one failure redraws no schedule

    s().connected = false;
    answers = {kTest};
    lvwSubSystems_Click(s(), *this, window);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(std::tie(desktop.messages[0].text, desktop.messages[0].exclamation),
              std::make_tuple(std::string(kNotConnectedMessage), false));
}

// Under the in-flight lock no handler but saving opens its dialog (the list is
// hidden then), and a dialog opened on the ground and closed after take-off
// applies nothing of what was chosen in it, silently.
TEST_F(MainWindowModelTest, TheInFlightLockOpensNoDialogAndADialogClosedAfterTakeOffAppliesNothing) {
    MemoryFileStore files;
    s().files = &files;
    files.files["C:\\A.wdp"] = "1#1#0#0\r\n";
    chosenPath = "C:\\A.wdp";
    s().settings.hardcoreMode = s().airborne = true;
    Fail({7, 2});
    desktop.played.clear();  // the connection's sound
    const auto open = [](EngineState& e, MainWindowHost& h, MainWindowState&) { cmdOpen_Click(e, h); };
    const struct { decltype(&cmdSetAllRel_Click) open; DialogValues answer; } cases[] = {
        {lvwSubSystems_Click, kZero}, {lvwSubSystems_Click, kClear}, {cmdSetSystemRel_Click, kZero},
        {cmdSetAllRel_Click, kZero}, {open, {}},
    };
    for (const auto& c : cases) {
        const std::size_t opened = shown.size();
        c.open(s(), *this, window);  // airborne already: nothing opens
        EXPECT_EQ(shown.size(), opened);
        s().airborne = false;
        whileOpen = [&] { s().airborne = true; };
        answers = {c.answer};
        const int refills = view.refills;
        c.open(s(), *this, window);
        EXPECT_EQ(shown.size(), opened + (c.answer.accepted || c.answer.clear ? 1u : 0u));
        EXPECT_EQ(view.refills, refills);
        whileOpen = nullptr;
    }
    int changed = 0;
    s().catalogue.ForEach([&](int, int, auto& c) { changed += c.reliability == 0 || c.periodHours == 0; });
    EXPECT_EQ(changed, 0);
    EXPECT_TRUE(C({7, 2}).failed);
    EXPECT_TRUE(s().settings.lastProfile.empty());
    EXPECT_TRUE(desktop.messages.empty() && desktop.played.empty());
    chosenPath = "C:\\B.wdp";  // saving goes on under the lock, to the path chosen
    cmdSaveAs_Click(s(), *this);
    EXPECT_TRUE(files.files["C:\\B.wdp"].starts_with("1#1#100#1\r\n") && s().settings.lastProfile == "C:\\B.wdp");
    s().airborne = false;  // on the ground a profile opens from the path chosen
    chosenPath = "C:\\A.wdp";
    cmdOpen_Click(s(), *this);
    EXPECT_EQ(std::pair(C({1, 1}).periodHours, s().settings.lastProfile), std::pair(0.0f, std::string("C:\\A.wdp")));
    EXPECT_EQ(C({1, 1}).bandHigh - C({1, 1}).bandLow, 100000);  // the schedules drawn from what was read
}

}  // namespace
}  // namespace wendox::testing
