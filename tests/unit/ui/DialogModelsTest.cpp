// The reliability dialog's lists and clicks; the settings dialog's key lists,
// what OK stores and what the next opening shows, and the Hardcore Mode rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <tuple>

#include "ui/model/ReliabilityDialogModel.h"
#include "ui/model/SettingsDialogModel.h"

namespace wendox::ui {
namespace {

ReliabilityDialogModel Opened(float reliability, float hours, char separator = '.') {
    ReliabilityDialogModel model;
    model.Load(DialogValues{reliability, hours}, separator);
    return model;
}

// The lists a dialog opens with (the hours with the user's separator), and
// the entries it shows for the reliability and hours it opens with.
TEST(ReliabilityDialogTest, ListsRunInTheirOrderAndStartingValuesSelectTheirEntries) {
    const ReliabilityDialogModel lists = Opened(99.5f, 0.5f, ',');
    EXPECT_EQ(lists.wholePercent.size() + lists.thousandths.size(), 101u + 1000u);
    ASSERT_EQ(lists.hours.size(), 1009u);  // 0,0 to 0,9, then 1 to 999: no 1,0
    EXPECT_EQ(std::make_tuple(lists.hours[9], lists.hours[10], lists.hours.back(), lists.hours.at(lists.hoursIndex)),
              std::make_tuple("0,9", "1", "999", "0,5"));
    // The reliability is joined and read with the point whatever the separator.
    EXPECT_EQ(std::make_tuple(lists.Accept().reliability, lists.Accept().hours), std::make_tuple(99.5f, 0.5f));

    // The entries shown, and the hours entry after the one shown.
    const struct { float reliability, hours; std::string shown; } cases[] = {
        {99.999f, 1.0f, "99.999 1 2"}, {0.001f, 0.0f, "0.001 0.0 0.1"}, {100.0f, 0.5f, "100.000 0.5 0.6"},
        // 0.5 thousandths, exactly in single precision: the half goes to the even 0 (double would give "001").
        {0.0005f, 1.0f, "0.000 1 2"},
        // Values the lists lack show the nearest they hold; hours get an entry of their own, in its place.
        {99.9996f, 1.5f, "100.000 1.5 2"}, {150.0f, 1.0f, "100.000 1 2"}, {-3.5f, 1.0f, "0.000 1 2"},
    };
    for (const auto& c : cases) {
        const ReliabilityDialogModel m = Opened(c.reliability, c.hours);
        EXPECT_EQ(m.wholePercent.at(m.wholeIndex) + '.' + m.thousandths.at(m.thousandthsIndex) + ' ' +
                      m.hours.at(m.hoursIndex) + ' ' + m.hours.at(m.hoursIndex + 1), c.shown);
    }
}

// The thousandths follow the whole percent ("0" and "100": "000", any other:
// "999"), and nothing above 100.000 can be chosen.
TEST(ReliabilityDialogTest, ClicksKeepTheThousandthsInStep) {
    // A click in either list, and what Accept then gives (the thousandths shown follow from it).
    const struct { bool whole; const char* entry; float accepted; } steps[] = {
        {false, "998", 100.0f}, {true, "57", 57.999f}, {false, "250", 57.25f},
        {true, "99", 99.999f},  {true, "100", 100.0f}, {true, "0", 0.0f},
    };
    // The place of an entry in a list; past its end (where a click changes nothing) when it is not there.
    auto at = [](const auto& list, const char* entry) { return int(std::ranges::find(list, entry) - list.begin()); };
    ReliabilityDialogModel m = Opened(100.0f, 1.0f);
    for (const auto& [whole, entry, accepted] : steps) {
        SCOPED_TRACE(entry);
        whole ? m.ClickWholePercent(at(m.wholePercent, entry)) : m.ClickThousandths(at(m.thousandths, entry));
        EXPECT_EQ(m.Accept().reliability, accepted);
    }
}

// A form's boxes and rows, as one value.
auto Shown(const SettingsForm& f) {
    return std::tie(f.displayStatus, f.displayFailures, f.playFailureSound, f.hardcoreMode, f.hotKeys, f.maxFailures);
}

// What OK on the ground stores from a form, over a record whose every field
// was set otherwise (so that none may be kept; Hardcore Mode is in force but
// not chosen), and how the next opening shows it: each box and row has its
// own field, and the Hardcore Mode box shows the choice, not the mode in
// force. "None", or nothing chosen, stores 0 whatever the boxes say; the
// failure limit's list stands for the limits 0 (none) to 9 in order.
TEST(SettingsDialogTest, OkStoresEachBoxAndRowInItsOwnFieldsAndTheNextOpeningShowsThem) {
    const auto join = [](const auto& list) { return std::accumulate(list.begin(), list.end(), std::string()); };
    EXPECT_EQ(join(StandardKeyEntries()) + "|" + join(MaxFailuresEntries()),
              "None0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ|No limit123456789");
    const HotKeyRow none{"None", false, false}, zero{"0", false, false};
    const struct { SettingsForm chosen; Settings stored; std::optional<SettingsForm> reopened; } cases[] = {
        {{.displayStatus = true, .hotKeys = {{{"S", true, true}, {"Key 186", true, false}, {"Z", false, true}}},
          .maxFailures = 2},  // a hand-edited code is kept
         {.statusHotKey = 83, .statusHotKeyMods = 3, .clearHotKey = 186, .clearHotKeyMods = 1, .activeHotKey = 90,
          .activeHotKeyMods = 2, .displayUpdate = true, .maxFailures = 2, .hardcoreMode = true}, {}},
        {{.displayFailures = true, .hotKeys = {{{"None", true, true}, {"", true, true}, zero}}},
         {.activeHotKey = 48, .displayFailures = true, .hardcoreMode = true},
         SettingsForm{.displayFailures = true, .hotKeys = {{none, none, zero}}}},
        {{.playFailureSound = true, .hardcoreMode = true, .hotKeys = {{zero, zero, zero}}, .maxFailures = 9},
         {.statusHotKey = 48, .clearHotKey = 48, .activeHotKey = 48, .playFailureSound = true, .maxFailures = 9,
          .hardcoreSetting = true, .hardcoreMode = true}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.hotKeys[kStatusRow].entry);
        Settings settings{.statusHotKey = 'Q', .statusHotKeyMods = 3, .clearHotKey = 'Q', .clearHotKeyMods = 3,
                          .activeHotKey = 'Q', .activeHotKeyMods = 3, .displayUpdate = true, .displayFailures = true,
                          .playFailureSound = true, .maxFailures = 5, .hardcoreMode = true};
        StoreSettingsForm(c.chosen, false, settings);
        EXPECT_EQ(settings, c.stored);
        const SettingsDialogModel reopened = SettingsDialogModel::Load(settings);
        EXPECT_EQ(Shown(reopened.form), Shown(c.reopened.value_or(c.chosen)));
        for (int r = 0; r < kHotKeyRows; ++r) EXPECT_GE(reopened.SelectedIndex(r), 0) << "row " << r;
    }
    Settings settings{.activeHotKey = 'K', .activeHotKeyMods = 5};  // no pair of boxes shows 5
    EXPECT_EQ(SettingsDialogModel::Load(settings).form.hotKeys[kActiveRow], (HotKeyRow{"K", false, false}));
}

// The pilot's Hardcore Mode choice, OK after OK, with the mode in force for
// this run on (it never changes, and only the lock of it and airborne keeps
// the failure limit): each OK's message, the setting after it, and whether
// the box goes back. The other settings of every OK are stored all the same.
TEST(SettingsDialogHardcoreTest, TheChoiceChangesOnlyOnTheGround) {
    const struct { bool box, airborne; const char* log; } steps[] = {
        {true, true, "Hardcore Mode cannot be enabled while airborne. off back"},
        {false, true, " off"},
        {true, false, "You must restart Wendox for Hardcore Mode to be enabled. on"},
        {true, true, " on"},
        {false, true, "Hardcore Mode cannot be disabled while airborne. on back"},
        {false, false, "You must restart Wendox for Hardcore Mode to be disabled. off"},
        {false, false, " off"},
    };
    Settings settings{.hardcoreMode = true};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.log);
        settings.maxFailures = 4;
        const SettingsForm form{.displayFailures = true, .hardcoreMode = step.box, .maxFailures = 1};
        const SettingsOkOutcome outcome = StoreSettingsForm(form, step.airborne, settings);
        EXPECT_EQ(outcome.message + (settings.hardcoreSetting ? " on" : " off") +
                      (outcome.restoreHardcoreBox ? " back" : ""), step.log);
        EXPECT_TRUE(settings.displayFailures && settings.hardcoreMode);
        EXPECT_EQ(settings.maxFailures, step.airborne ? 4 : 1);
    }
    settings = {.maxFailures = 4};  // without Hardcore Mode in force the limit changes in the air too
    StoreSettingsForm({.maxFailures = 1}, true, settings);
    EXPECT_EQ(settings.maxFailures, 1);
}

}  // namespace
}  // namespace wendox::ui
