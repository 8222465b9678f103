// The settings dialog's key lists, what OK stores and what the next opening
// shows, the Hardcore Mode rules, and the options dialog's version label.
#include <gtest/gtest.h>

#include <numeric>

#include "ui/model/SettingsDialogModel.h"

namespace wendox::ui {
namespace {

// For one row chosen and the other two at "None" with both boxes checked:
// what OK stores in that row's two fields (and 0 in the others'), and how
// the next opening shows every row.
TEST(SettingsDialogHotKeyTest, OkStoresEachRowInItsOwnFieldsAndTheNextOpeningShowsIt) {
    const auto& entries = StandardKeyEntries();
    EXPECT_EQ(std::accumulate(entries.begin(), entries.end(), std::string()),
              "None0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const HotKeyRow none{"None", false, false};
    const struct { HotKeyRow chosen; std::int32_t key, mods; HotKeyRow reopened; } cases[] = {
        {{"None", true, false}, 0, 0, none},          {{"", true, true}, 0, 0, none},  // nothing chosen
        {{"S", true, true}, 83, 3, {"S", true, true}},   {{"0", false, false}, 48, 0, {"0", false, false}},
        {{"A", true, false}, 65, 1, {"A", true, false}}, {{"Z", false, true}, 90, 2, {"Z", false, true}},
        {{"Key 186", true, false}, 186, 1, {"Key 186", true, false}},  // a hand-edited code is kept
    };
    std::int32_t Settings::*const keys[] = {&Settings::statusHotKey, &Settings::clearHotKey, &Settings::activeHotKey};
    std::int32_t Settings::*const mods[] = {&Settings::statusHotKeyMods, &Settings::clearHotKeyMods,
                                            &Settings::activeHotKeyMods};
    for (const auto& c : cases) {
        for (int row = 0; row < kHotKeyRows; ++row) {
            SCOPED_TRACE(c.chosen.entry + " in row " + std::to_string(row));
            Settings settings;  // every field set beforehand, so that none may be kept
            for (int r = 0; r < kHotKeyRows; ++r) settings.*keys[r] = 'Q', settings.*mods[r] = 3;
            SettingsForm form;
            form.hotKeys.fill({"None", true, true});
            form.hotKeys[row] = c.chosen;
            EXPECT_EQ(StoreSettingsForm(form, false, settings).message, "");
            const SettingsDialogModel reopened = SettingsDialogModel::Load(settings);
            for (int r = 0; r < kHotKeyRows; ++r) {
                EXPECT_EQ(settings.*keys[r], r == row ? c.key : 0) << "key of row " << r;
                EXPECT_EQ(settings.*mods[r], r == row ? c.mods : 0) << "mods of row " << r;
                EXPECT_EQ(reopened.form.hotKeys[r], r == row ? c.reopened : none);
                EXPECT_GE(reopened.SelectedIndex(r), 0);
            }
        }
    }
    Settings settings{.activeHotKey = 'K', .activeHotKeyMods = 5};  // no pair of boxes shows 5
    EXPECT_EQ(SettingsDialogModel::Load(settings).form.hotKeys[kActiveRow], (HotKeyRow{"K", false, false}));
}

TEST(SettingsDialogSwitchesTest, EachBoxShowsAndStoresItsOwnSwitch) {
    bool Settings::*fields[] = {&Settings::displayUpdate, &Settings::displayFailures, &Settings::playFailureSound,
                                &Settings::hardcoreSetting};
    bool SettingsForm::*boxes[] = {&SettingsForm::displayStatus, &SettingsForm::displayFailures,
                                   &SettingsForm::playFailureSound, &SettingsForm::hardcoreMode};
    for (int i = 0; i < 4; ++i) {
        Settings settings{.hardcoreMode = true};  // the mode in force is not what the box shows
        settings.*fields[i] = true;
        SettingsForm form = SettingsDialogModel::Load(settings).form;
        for (int j = 0; j < 4; ++j) EXPECT_EQ(form.*boxes[j], i == j) << i << " shown in " << j;
        if (i == 3) continue;
        form.*boxes[i] = false;
        form.*boxes[(i + 1) % 3] = true;
        StoreSettingsForm(form, true, settings);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(settings.*fields[j], j == (i + 1) % 3) << i << " stored in " << j;
    }
}

TEST(SettingsDialogHardcoreTest, RulesActOnTheSavedChoiceOnlyOnTheGround) {
    const struct { bool settingBefore, box, airborne, settingAfter, restoreBox; const char* message; } cases[] = {
        {false, true, true, false, true, kHardcoreCannotEnableMessage},
        {false, true, false, true, false, kHardcoreEnabledMessage},
        {true, false, true, true, true, kHardcoreCannotDisableMessage},
        {true, false, false, false, false, kHardcoreDisabledMessage},
        {false, false, true, false, false, ""}, {false, false, false, false, false, ""},
        {true, true, true, true, false, ""},    {true, true, false, true, false, ""},
    };
    for (const auto& c : cases) {
        for (const bool mode : {false, true}) {  // the mode in force neither decides nor changes
            SCOPED_TRACE(::testing::Message() << "setting " << c.settingBefore << " box " << c.box << " airborne "
                                              << c.airborne << " mode " << mode);
            Settings settings{.hardcoreSetting = c.settingBefore, .hardcoreMode = mode};
            SettingsForm form{.displayFailures = true, .hardcoreMode = c.box};
            form.hotKeys[kStatusRow] = {"S", true, true};
            const SettingsOkOutcome outcome = StoreSettingsForm(form, c.airborne, settings);
            EXPECT_EQ(outcome.message, c.message);
            EXPECT_EQ(std::tie(outcome.restoreHardcoreBox, settings.hardcoreSetting, settings.hardcoreMode),
                      std::tie(c.restoreBox, c.settingAfter, mode));
            // The other settings of the same OK are stored all the same.
            EXPECT_TRUE(settings.statusHotKey == 83 && settings.displayFailures);
        }
    }
}

TEST(OptionsDialogTest, VersionLabelWritesTheMinorNumberWithoutALeadingZero) {
    EXPECT_EQ(VersionLabel(1, 3), "Wendox Version 1.3");
}

}  // namespace
}  // namespace wendox::ui
