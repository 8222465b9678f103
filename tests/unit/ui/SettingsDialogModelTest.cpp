// The settings dialog's key lists, what OK stores and what the next opening
// shows, and the Hardcore Mode rules.
#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <tuple>

#include "ui/model/SettingsDialogModel.h"

namespace wendox::ui {
namespace {

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
}

}  // namespace
}  // namespace wendox::ui
