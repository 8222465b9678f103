#include "ui/win32/SettingsDialog.h"

#include <array>
#include <string>
#include <vector>

#include "ui/WindowIds.h"
#include "ui/model/SettingsDialogModel.h"
#include "ui/win32/ModalFrame.h"
#include "ui/win32/WindowKit.h"

namespace wendox::ui {
namespace {

// A hot-key group's height: from one caption line to the next.
constexpr int kGroupHeight = 720;  // twips
constexpr int kClientWidth = 3390;
// The failure limit's group below the hot-key groups makes the dialog one
// group higher, and moves "&OK" and "&Cancel" down by as much.
constexpr int kClientHeight = 4455 + kGroupHeight;
constexpr int kButtonsTop = 3960 + kGroupHeight;
constexpr int kListVisibleEntries = 12;  // entries shown when a key list drops down

// One hot key group: its caption line, the key list and the two boxes to
// its right, with their places in twips.
struct HotKeyGroup {
    const char* caption;
    TwipsRect captionPlace;
    int top;  // of the key list and the boxes
    int listId, ctrlId, shiftId;
};
constexpr std::array<HotKeyGroup, kHotKeyRows> kGroups{{
    {"In Flight Status Hotkey", {120, 1680, 2895, 255}, 1920, kIdStatusKey, kIdStatusCtrl, kIdStatusShift},
    {"Clear Last Failure Hotkey", {120, 2400, 2895, 255}, 2640, kIdClearKey, kIdClearCtrl, kIdClearShift},
    {"Activate/Deactivate Wendox Hotkey", {120, 3120, 3135, 255}, 3360, kIdActiveKey, kIdActiveCtrl, kIdActiveShift},
}};
constexpr int kListLeft = 120, kListWidth = 975, kListHeight = 330;
constexpr int kCtrlLeft = 1320, kShiftLeft = 2160, kBoxWidth = 855, kBoxHeight = 255;
// The failure limit's group, laid out as a hot-key group without the boxes;
// its caption gives the list the access key M, which no other control uses.
constexpr TwipsRect kMaxFailuresCaption{120, 3120 + kGroupHeight, 2895, 255};
constexpr int kMaxFailuresTop = 3360 + kGroupHeight;

struct HotKeyControls {
    HWND list = nullptr;   // cboStatus, cboClear, cboActive
    HWND ctrl = nullptr;   // chkStatusCTRL, chkClearCTRL, ChkActiveCTRL
    HWND shift = nullptr;  // chkStatusSHIFT, chkClearSHIFT, chkActiveSHIFT
};

struct SettingsWindow {
    static constexpr int kDefaultButton = kIdSettingsOk;  // Enter
    ModalFrame frame;
    EngineState* engine = nullptr;
    FontSet fonts;
    ColourTable colours;
    bool storing = false;  // OK is showing its message; the dialog takes nothing else
    HWND displayStatus = nullptr;     // chkDisplayStatus, first in the tab order
    HWND displayFailures = nullptr;   // chkDisplayFailures
    HWND playFailureSound = nullptr;  // chkPlayFailureSound
    HWND hardcoreMode = nullptr;      // chkHardcoreMode
    std::array<HotKeyControls, kHotKeyRows> hotKeys{};
    HWND maxFailures = nullptr;  // cboMaxFailures
};

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(HWND box, bool checked) { SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

// The text of the list's chosen entry; empty when none is chosen.
std::string ChosenEntry(HWND list) {
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

HWND MakeCheckBox(SettingsWindow& d, const char* text, const TwipsRect& place, int id, int dpi, HFONT font,
                  bool checked) {
    HWND box = MakeControl(d.frame.window, "BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, place, id, dpi, font);
    d.colours.Set(box, kWhite, kDialogGrey);
    Check(box, checked);
    return box;
}

// The controls in their tab order, each showing the settings record; the
// caption lines between them take no focus.
void Form_Load(SettingsWindow& d, int dpi) {
    HFONT bold = d.fonts.Make("Arial", 8.25, true, false, dpi);
    const SettingsDialogModel model = SettingsDialogModel::Load(d.engine->settings);
    const SettingsForm& form = model.form;

    d.displayStatus = MakeCheckBox(d, "&Display status changes in flight", {120, 120, 3255, 375}, kIdDisplayStatus,
                                   dpi, bold, form.displayStatus);
    d.displayFailures = MakeCheckBox(d, "Display &failure info in status", {120, 480, 3255, 375}, kIdDisplayFailures,
                                     dpi, bold, form.displayFailures);
    d.playFailureSound = MakeCheckBox(d, "&Play a sound when a failure occurs", {120, 840, 3255, 375},
                                      kIdPlayFailureSound, dpi, bold, form.playFailureSound);
    d.hardcoreMode = MakeCheckBox(d, "&Hardcore Mode (see Options/Help)", {120, 1200, 3255, 375}, kIdHardcoreMode, dpi,
                                  bold, form.hardcoreMode);

    for (int row = 0; row < kHotKeyRows; ++row) {
        const HotKeyGroup& group = kGroups[row];
        const HotKeyRow& shown = form.hotKeys[row];
        HWND caption = MakeControl(d.frame.window, "STATIC", group.caption, SS_LEFT | SS_NOPREFIX, 0,
                                   group.captionPlace, -1, dpi, bold);
        d.colours.SetTransparent(caption, kYellow, kDialogGrey);
        HotKeyControls& controls = d.hotKeys[row];
        controls.list = MakeDropDownList(d.frame.window, d.colours, {kListLeft, group.top, kListWidth, kListHeight},
                                         group.listId, dpi, bold, model.keyLists[row], model.SelectedIndex(row),
                                         kListVisibleEntries);
        controls.ctrl = MakeCheckBox(d, "CTRL", {kCtrlLeft, group.top, kBoxWidth, kBoxHeight}, group.ctrlId, dpi, bold,
                                     shown.ctrl);
        controls.shift = MakeCheckBox(d, "SHIFT", {kShiftLeft, group.top, kBoxWidth, kBoxHeight}, group.shiftId, dpi,
                                      bold, shown.shift);
    }

    HWND caption = MakeControl(d.frame.window, "STATIC", "&Most Failures at Once", SS_LEFT, 0, kMaxFailuresCaption,
                               -1, dpi, bold);
    d.colours.SetTransparent(caption, kYellow, kDialogGrey);
    d.maxFailures = MakeDropDownList(d.frame.window, d.colours, {kListLeft, kMaxFailuresTop, kListWidth, kListHeight},
                                     kIdMaxFailures, dpi, bold, MaxFailuresEntries(), form.maxFailures,
                                     kListVisibleEntries);

    MakeDialogButton(d.frame.window, d.colours,
                     "&OK", BS_DEFPUSHBUTTON, {120, kButtonsTop, 1215, 375}, kIdSettingsOk, dpi, bold);
    MakeDialogButton(d.frame.window, d.colours,
                     "&Cancel", BS_PUSHBUTTON, {1560, kButtonsTop, 1215, 375}, kIdSettingsCancel, dpi, bold);
}

SettingsForm ReadForm(const SettingsWindow& d) {
    SettingsForm form;
    form.displayStatus = Checked(d.displayStatus);
    form.displayFailures = Checked(d.displayFailures);
    form.playFailureSound = Checked(d.playFailureSound);
    form.hardcoreMode = Checked(d.hardcoreMode);
    for (int row = 0; row < kHotKeyRows; ++row) {
        const HotKeyControls& controls = d.hotKeys[row];
        form.hotKeys[row] = {ChosenEntry(controls.list), Checked(controls.ctrl), Checked(controls.shift)};
    }
    const LRESULT limit = SendMessageA(d.maxFailures, CB_GETCURSEL, 0, 0);
    form.maxFailures = limit == CB_ERR ? 0 : static_cast<std::int32_t>(limit);
    return form;
}

void cmdOK_Click(SettingsWindow& d) {
    EngineState& engine = *d.engine;
    const SettingsOkOutcome outcome = StoreSettingsForm(ReadForm(d), engine.airborne, engine.settings);
    if (outcome.restoreHardcoreBox) Check(d.hardcoreMode, engine.settings.hardcoreSetting);
    if (!outcome.message.empty()) {
        // The box is modal to this dialog, which closes once it is dismissed.
        d.storing = true;
        d.frame.Suspend();
        engine.desktop->ShowMessage(outcome.message, false);
        d.frame.Resume();
        d.storing = false;
    }
    d.frame.Close();
}

void OnCommand(SettingsWindow& d, int id, int code) {
    if (code != BN_CLICKED || d.storing) return;
    switch (id) {
    case kIdSettingsOk:
    case IDOK:
        cmdOK_Click(d);
        break;
    case kIdSettingsCancel:
    case IDCANCEL:  // Escape
        d.frame.Close();
        break;
    default: break;
    }
}

}  // namespace

void ShowSettingsDialog(HWND owner, EngineState& engine) {
    SettingsWindow d;
    d.engine = &engine;
    ShowModalDialog(d, kSettingsDialogClass, kSettingsDialogCaption, owner, kClientWidth, kClientHeight, [&](int dpi) {
        Form_Load(d, dpi);
        return d.displayStatus;
    });
}

}  // namespace wendox::ui
