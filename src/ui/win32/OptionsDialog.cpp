#include "ui/win32/OptionsDialog.h"

#include <shellapi.h>

#include <string>

#include "ui/WindowIds.h"
#include "ui/model/SettingsDialogModel.h"
#include "ui/win32/ModalFrame.h"
#include "ui/win32/SettingsDialog.h"
#include "ui/win32/WindowKit.h"

namespace wendox::ui {
namespace {

// Places in twips: the buttons stacked at the left edge, the version below.
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 375;
constexpr int kVersionHeight = 255;
constexpr int kClientWidth = kButtonWidth;
constexpr int kClientHeight = 3 * kButtonHeight + kVersionHeight;

struct OptionsWindow {
    static constexpr int kDefaultButton = kIdHelp;  // Enter
    ModalFrame frame;
    EngineState* engine = nullptr;
    FontSet fonts;
    ColourTable colours;
    HWND help = nullptr;  // cmdContents, first in the tab order
};

TwipsRect ButtonPlace(int row) { return {0, row * kButtonHeight, kButtonWidth, kButtonHeight}; }

void Form_Load(OptionsWindow& d, int dpi) {
    HFONT arial = d.fonts.Make("Arial", 8.25, false, false, dpi);
    HFONT bold = d.fonts.Make("Arial", 8.25, true, false, dpi);
    d.help = MakeDialogButton(d.frame.window, d.colours,
                     "&Help", BS_DEFPUSHBUTTON, ButtonPlace(0), kIdHelp, dpi, arial);
    MakeDialogButton(d.frame.window, d.colours, "&Settings", BS_PUSHBUTTON, ButtonPlace(1), kIdSettings, dpi, arial);
    MakeDialogButton(d.frame.window, d.colours,
                     "&Cancel", BS_PUSHBUTTON, ButtonPlace(2), kIdOptionsCancel, dpi, arial);
    HWND version = MakeControl(d.frame.window, "STATIC", VersionLabel().c_str(), SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0,
                               {0, 3 * kButtonHeight, kButtonWidth, kVersionHeight}, kIdVersion, dpi, bold);
    d.colours.SetTransparent(version, kYellow, kDialogGrey);
}

// The help document beside the program, opened by whatever the system opens
// such files with; a missing document or viewer is the system's to report.
void cmdContents_Click(OptionsWindow& d) {
    const std::string document = d.engine->desktop->ProgramFolder() + "\\Wendox.htm";
    ShellExecuteA(d.frame.window, "Open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void cmdSettings_Click(OptionsWindow& d) {
    ShowSettingsDialog(d.frame.window, *d.engine);
    d.frame.Close();
}

void OnCommand(OptionsWindow& d, int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kIdHelp: cmdContents_Click(d); break;
    case kIdSettings: cmdSettings_Click(d); break;
    case kIdOptionsCancel:
    case IDCANCEL:  // Escape
        d.frame.Close();
        break;
    default: break;
    }
}

}  // namespace

void ShowOptionsDialog(HWND owner, EngineState& engine) {
    OptionsWindow d;
    d.engine = &engine;
    ShowModalDialog(d, kOptionsDialogClass, kOptionsDialogCaption, owner, kClientWidth, kClientHeight, [&](int dpi) {
        Form_Load(d, dpi);
        return d.help;
    });
}

}  // namespace wendox::ui
