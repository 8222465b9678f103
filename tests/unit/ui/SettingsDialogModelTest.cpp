// The settings dialog's key lists, what OK stores and what the next opening
// shows, the Hardcore Mode rules, and the options dialog's version label.
#include <gtest/gtest.h>

#include "ui/model/SettingsDialogModel.h"

namespace wendox::ui {
namespace {

// The 37 entries by position; then, for one row chosen and the other two left
// at "None", what OK stores in that row's two fields, how the next opening
// shows the row, and that OK there without a change stores the same again.
TEST(SettingsDialogHotKeyTest, KeyListOkAndNextOpening) {
    const std::vector<std::string>& entries = StandardKeyEntries();
    ASSERT_EQ(entries.size(), 37u);
    for (int i = 0; i < 37; ++i) {
        const std::int32_t code = i == 0 ? 0 : i <= 10 ? '0' + (i - 1) : 'A' + (i - 11);
        EXPECT_EQ(entries[i], i == 0 ? "None" : std::string(1, static_cast<char>(code))) << i;
        EXPECT_EQ(KeyCodeOfEntry(entries[i]), code) << i;
    }

    struct Case {
        HotKeyRow chosen;
        std::int32_t key, mods;
        HotKeyRow reopened;
        int index;  // of the reopened entry in its list
    };
    const Case cases[] = {
        {{"None", true, false}, 0, 0, {"None", false, false}, 0},
        {{"None", true, true}, 0, 0, {"None", false, false}, 0},
        {{"", true, true}, 0, 0, {"None", false, false}, 0},  // nothing chosen
        {{"a", true, false}, 0, 0, {"None", false, false}, 0},  // texts no list holds
        {{"Key 12x", false, true}, 0, 0, {"None", false, false}, 0},
        {{"S", true, true}, 83, 3, {"S", true, true}, 29},
        {{"0", false, false}, 48, 0, {"0", false, false}, 1},
        {{"9", true, false}, 57, 1, {"9", true, false}, 10},
        {{"A", true, false}, 65, 1, {"A", true, false}, 11},
        {{"Z", false, true}, 90, 2, {"Z", false, true}, 36},
        // Codes of a hand-edited file: an entry of their own, by key code after "None".
        {{"Key 186", true, false}, 186, 1, {"Key 186", true, false}, 37},
        {{"Key 8", false, true}, 8, 2, {"Key 8", false, true}, 1},
        {{"Key 60", false, false}, 60, 0, {"Key 60", false, false}, 11},
        {{"Key -5", true, true}, -5, 3, {"Key -5", true, true}, 1},
    };
    std::int32_t Settings::*const keys[] = {&Settings::statusHotKey, &Settings::clearHotKey, &Settings::activeHotKey};
    std::int32_t Settings::*const mods[] = {&Settings::statusHotKeyMods, &Settings::clearHotKeyMods,
                                            &Settings::activeHotKeyMods};
    const HotKeyRow none{"None", false, false};
    for (const Case& c : cases) {
        for (int row = 0; row < kHotKeyRows; ++row) {
            SCOPED_TRACE(c.chosen.entry + " in row " + std::to_string(row));
            Settings settings;  // every field set beforehand, so that none may be kept
            for (int r = 0; r < kHotKeyRows; ++r) {
                settings.*keys[r] = 'Q';
                settings.*mods[r] = 3;
            }
            SettingsForm form;
            for (HotKeyRow& other : form.hotKeys) other = {"None", true, true};
            form.hotKeys[row] = c.chosen;
            EXPECT_EQ(StoreSettingsForm(form, false, settings).message, "");
            for (int r = 0; r < kHotKeyRows; ++r) {
                EXPECT_EQ(settings.*keys[r], r == row ? c.key : 0) << "key of row " << r;
                EXPECT_EQ(settings.*mods[r], r == row ? c.mods : 0) << "mods of row " << r;
            }

            const SettingsDialogModel reopened = SettingsDialogModel::Load(settings);
            for (int r = 0; r < kHotKeyRows; ++r) {
                EXPECT_EQ(reopened.form.hotKeys[r], r == row ? c.reopened : none);
                EXPECT_EQ(reopened.SelectedIndex(r), r == row ? c.index : 0);
                EXPECT_EQ(reopened.keyLists[r].size(), r == row && c.reopened.entry.starts_with("Key ") ? 38u : 37u);
            }
            Settings again = settings;
            StoreSettingsForm(reopened.form, false, again);
            EXPECT_EQ(again.*keys[row], c.key);
            EXPECT_EQ(again.*mods[row], c.mods);
        }
    }

    // A modifier code that no pair of boxes shows opens with both clear.
    Settings settings;
    settings.activeHotKey = 'K';
    settings.activeHotKeyMods = 5;
    EXPECT_EQ(SettingsDialogModel::Load(settings).form.hotKeys[kActiveRow], (HotKeyRow{"K", false, false}));
}

TEST(SettingsDialogSwitchesTest, EachBoxShowsAndStoresItsOwnSwitch) {
    bool Settings::*fields[] = {&Settings::displayUpdate, &Settings::displayFailures, &Settings::playFailureSound};
    bool SettingsForm::*boxes[] = {&SettingsForm::displayStatus, &SettingsForm::displayFailures,
                                   &SettingsForm::playFailureSound};
    for (int i = 0; i < 3; ++i) {
        Settings settings;
        settings.*fields[i] = true;
        SettingsForm form = SettingsDialogModel::Load(settings).form;
        for (int j = 0; j < 3; ++j) EXPECT_EQ(form.*boxes[j], i == j) << i << " shown in " << j;
        form.*boxes[i] = false;
        form.*boxes[(i + 1) % 3] = true;
        StoreSettingsForm(form, true, settings);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(settings.*fields[j], j == (i + 1) % 3) << i << " stored in " << j;
    }
    // The Hardcore Mode box shows the saved choice, not the mode in force.
    Settings settings;
    settings.hardcoreMode = true;
    EXPECT_FALSE(SettingsDialogModel::Load(settings).form.hardcoreMode);
    settings = {};
    settings.hardcoreSetting = true;
    EXPECT_TRUE(SettingsDialogModel::Load(settings).form.hardcoreMode);
}

TEST(SettingsDialogHardcoreTest, RulesActOnTheSavedChoiceOnlyOnTheGround) {
    struct Case {
        bool settingBefore, box, airborne;
        bool settingAfter, restoreBox;
        const char* message;
    };
    const Case cases[] = {
        {false, true, true, false, true, kHardcoreCannotEnableMessage},
        {false, true, false, true, false, kHardcoreEnabledMessage},
        {true, false, true, true, true, kHardcoreCannotDisableMessage},
        {true, false, false, false, false, kHardcoreDisabledMessage},
        {false, false, true, false, false, ""},
        {false, false, false, false, false, ""},
        {true, true, true, true, false, ""},
        {true, true, false, true, false, ""},
    };
    for (const Case& c : cases) {
        for (const bool mode : {false, true}) {  // the mode in force neither decides nor changes
            SCOPED_TRACE(::testing::Message() << "setting " << c.settingBefore << " box " << c.box << " airborne "
                                              << c.airborne << " mode " << mode);
            Settings settings;
            settings.hardcoreSetting = c.settingBefore;
            settings.hardcoreMode = mode;
            SettingsForm form;
            form.hardcoreMode = c.box;
            form.hotKeys[kStatusRow] = {"S", true, true};
            form.displayFailures = true;
            const SettingsOkOutcome outcome = StoreSettingsForm(form, c.airborne, settings);
            EXPECT_EQ(outcome.message, c.message);
            EXPECT_EQ(outcome.restoreHardcoreBox, c.restoreBox);
            EXPECT_EQ(settings.hardcoreSetting, c.settingAfter);
            EXPECT_EQ(settings.hardcoreMode, mode);
            // The other settings of the same OK are stored all the same.
            EXPECT_EQ(settings.statusHotKey, 83);
            EXPECT_TRUE(settings.displayFailures);
        }
    }

    // Enabled on the ground, then disabled on the ground at the next opening.
    Settings settings;
    SettingsForm form = SettingsDialogModel::Load(settings).form;
    form.hardcoreMode = true;
    EXPECT_EQ(StoreSettingsForm(form, false, settings).message, kHardcoreEnabledMessage);
    form = SettingsDialogModel::Load(settings).form;
    EXPECT_TRUE(form.hardcoreMode);
    form.hardcoreMode = false;
    EXPECT_EQ(StoreSettingsForm(form, false, settings).message, kHardcoreDisabledMessage);
    EXPECT_FALSE(settings.hardcoreSetting);
    EXPECT_FALSE(settings.hardcoreMode);
}

TEST(OptionsDialogTest, VersionLabelWritesBothNumbersInPlainDecimal) {
    EXPECT_EQ(VersionLabel(1, 3), "Wendox Version 1.3");
    EXPECT_EQ(VersionLabel(2, 10), "Wendox Version 2.10");
    EXPECT_EQ(VersionLabel(1, 0), "Wendox Version 1.0");
}

}  // namespace
}  // namespace wendox::ui
