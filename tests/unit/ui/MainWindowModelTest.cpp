// The main window's rows, lamps and texts, and what its handlers do with the
// reliability dialog's result.
#include <deque>

#include "engine/EngineFixture.h"
#include "support/MemoryFileStore.h"
#include "ui/model/ComponentRows.h"
#include "ui/model/MainWindowActions.h"

namespace wendox::testing {
namespace {

// A window whose dialog answers are scripted.
class ScriptedHost final : public MainWindowHost {
public:
    int system = 1;
    int row = 1;
    std::deque<DialogValues> answers;  // what the user does in each dialog shown
    std::vector<std::string> captions;
    std::vector<DialogValues> shownWith;

    int SelectedSystem() override { return system; }
    int SelectedComponentRow() override { return row; }
    std::string ComponentRowText(int r) override { return " row" + std::to_string(r); }
    void ShowReliabilityDialog(const std::string& caption, bool, DialogValues& values) override {
        captions.push_back(caption);
        shownWith.push_back(values);
        const DialogValues answer = answers.empty() ? DialogValues{} : answers.front();
        if (!answers.empty()) answers.pop_front();
        values.accepted = answer.accepted;
        values.test = answer.test;
        values.clear = answer.clear;
        if (answer.accepted) {
            values.reliability = answer.reliability;
            values.hours = answer.hours;
        }
    }
    std::optional<std::string> chosenPath;  // nothing: the user cancels
    std::optional<std::string> ChooseProfile(bool) override { return chosenPath; }
};

DialogValues Accept(float reliability, float hours) { return {reliability, hours, true, false, false}; }

class MainWindowModelTest : public EngineFixture {
protected:
    void SetUp() override { StartUp(); }
    ScriptedHost host;
    MainWindowState window;
};

TEST_F(MainWindowModelTest, RowsShowLampReliabilityPeriodAndFailure) {
    C({1, 2}).reliability = 99.999f;
    C({1, 2}).periodHours = 0.5f;
    C({1, 3}).periodHours = 0;
    C({1, 4}).reliability = 99.5f;
    C({1, 4}).periodHours = 10;
    Fail({1, 1});
    const auto rows = ComponentRows(s().catalogue, 1, '.');
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0].text, " Airspeed");
    EXPECT_EQ(rows[0].lamp, Lamp::Red);
    EXPECT_EQ(rows[0].failed, "Yes");
    EXPECT_EQ(rows[0].reliability, "100%");
    EXPECT_EQ(rows[0].basedOn, "1 hour of flight");
    EXPECT_EQ(rows[1].lamp, Lamp::Yellow);
    EXPECT_EQ(rows[1].failed, "No");
    EXPECT_EQ(rows[1].reliability, "99.999%");
    EXPECT_EQ(rows[1].basedOn, "0.5 hours of flight");
    EXPECT_EQ(rows[2].lamp, Lamp::Green);
    EXPECT_EQ(rows[2].failed, "Never");
    EXPECT_EQ(rows[2].basedOn, "0 hours of flight");
    EXPECT_EQ(rows[3].basedOn, "10 hours of flight");
    EXPECT_EQ(ComponentRows(s().catalogue, 1, ',')[1].basedOn, "0,5 hours of flight");
    EXPECT_EQ(ComponentRows(s().catalogue, 7, '.').size(), 4u);
    EXPECT_EQ(SetSystemButtonCaption(s().catalogue, 1), "Set Autopilot &Reliabilities");
}

TEST_F(MainWindowModelTest, EditingOneComponentAppliesTheDialogToIt) {
    host.row = 5;
    C({1, 5}).reliability = 99.5f;
    host.answers = {Accept(0.0f, 0.0f)};
    lvwSubSystems_Click(s(), host, window);
    EXPECT_EQ(host.captions.back(), " Autopilot - row5 Reliability");
    EXPECT_EQ(host.shownWith.back().reliability, 99.5f);
    EXPECT_EQ(window.selectedRow, 5);
    EXPECT_EQ(C({1, 5}).reliability, 0.0f);
    EXPECT_EQ(C({1, 5}).periodHours, 0.0f);
    EXPECT_EQ(C({1, 5}).bandHigh - C({1, 5}).bandLow, 100000);  // schedules drawn again
    EXPECT_EQ(RowToSelect(window.selectedRow, 14), 5);
    EXPECT_EQ(RowToSelect(window.selectedRow, 4), 1);  // a system with four components

    const int refills = view.refills;
    host.answers = {DialogValues{}};  // Cancel
    lvwSubSystems_Click(s(), host, window);
    EXPECT_EQ(view.refills, refills);
    EXPECT_EQ(C({1, 5}).reliability, 0.0f);

    host.row = 0;  // no row selected: nothing opens
    lvwSubSystems_Click(s(), host, window);
    EXPECT_EQ(host.captions.size(), 2u);
    lvwSubSystems_KeyPress(s(), host, window, 'a');
    EXPECT_EQ(host.captions.size(), 2u);
}

TEST_F(MainWindowModelTest, TestFailureNeedsTheLinkAndAddsOneEntry) {
    host.answers = {{100, 1, false, true, false}, {100, 1, false, true, false}, {100, 1, false, false, true}};
    lvwSubSystems_KeyPress(s(), host, window, 32);
    lvwSubSystems_KeyPress(s(), host, window, 13);
    EXPECT_EQ(s().failed.count, 1);  // failed already: no second entry
    EXPECT_TRUE(C({1, 1}).failed);
    lvwSubSystems_Click(s(), host, window);
    EXPECT_EQ(s().failed.count, 0);

    s().connected = false;
    host.answers = {{100, 1, false, true, false}};
    lvwSubSystems_Click(s(), host, window);
    EXPECT_EQ(s().failed.count, 0);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, kNotConnectedMessage);
    EXPECT_FALSE(desktop.messages[0].exclamation);
}

TEST_F(MainWindowModelTest, SystemAndAllFormsStartWhereTheyShould) {
    host.system = 7;
    s().catalogue.ForEach([](int, int, ComponentRecord& c) { c.reliability = 42; });
    C({7, 1}).periodHours = 3;
    host.answers = {Accept(99.5f, 10)};
    cmdSetSystemRel_Click(s(), host, window);
    EXPECT_EQ(host.captions.back(), " Radio Reliabilities");
    EXPECT_EQ(host.shownWith.back().hours, 3.0f);
    EXPECT_EQ(C({7, 4}).reliability, 99.5f);
    EXPECT_EQ(C({7, 4}).periodHours, 10.0f);
    EXPECT_EQ(C({6, 1}).reliability, 42.0f);

    host.answers = {Accept(90, 2)};
    cmdSetAllRel_Click(s(), host, window);
    EXPECT_EQ(host.captions.back(), "All Reliabilities");
    EXPECT_EQ(host.shownWith.back().reliability, 100.0f);  // whatever the components hold
    EXPECT_EQ(host.shownWith.back().hours, 1.0f);
    int changed = 0;
    s().catalogue.ForEach([&](int, int, const ComponentRecord& c) { changed += c.reliability == 90.0f; });
    EXPECT_EQ(changed, kComponentCount);
}

TEST_F(MainWindowModelTest, ProfilesAreSavedAndOpenedAtTheChosenPath) {
    MemoryFileStore files;
    s().files = &files;
    cmdSaveAs_Click(s(), host);  // cancelled
    EXPECT_TRUE(files.files.empty());
    EXPECT_TRUE(s().settings.lastProfile.empty());

    host.chosenPath = "C:\\A.wdp";
    C({1, 1}).reliability = 99.5f;
    cmdSaveAs_Click(s(), host);
    EXPECT_EQ(files.files["C:\\A.wdp"].substr(0, 11), "1#1#99.5#1\r");
    EXPECT_EQ(s().settings.lastProfile, "C:\\A.wdp");

    C({1, 1}).reliability = 100;
    s().settings.hardcoreMode = true;
    s().airborne = true;
    cmdOpen_Click(s(), host);  // locked in flight
    EXPECT_EQ(C({1, 1}).reliability, 100.0f);
    s().airborne = false;
    cmdOpen_Click(s(), host);
    EXPECT_EQ(C({1, 1}).reliability, 99.5f);
}

TEST_F(MainWindowModelTest, TheInFlightLockKeepsTheDialogsShut) {
    s().settings.hardcoreMode = true;
    standin::TakeOff(server);
    Ticks(1);
    host.answers = {Accept(0, 0), Accept(0, 0)};
    cmdSetAllRel_Click(s(), host, window);
    cmdSetSystemRel_Click(s(), host, window);
    EXPECT_TRUE(host.captions.empty());
    EXPECT_EQ(C({1, 1}).reliability, 100.0f);
}

}  // namespace
}  // namespace wendox::testing
