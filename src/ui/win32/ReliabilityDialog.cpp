#include "ui/win32/ReliabilityDialog.h"

#include <vector>

#include "ui/WindowIds.h"
#include "ui/model/ReliabilityDialogModel.h"
#include "ui/win32/ModalFrame.h"
#include "ui/win32/WindowKit.h"

namespace wendox::ui {
namespace {

constexpr int kClientWidth = 6000;  // twips
constexpr int kClientHeight = 1830;
constexpr int kListClosedHeight = 345;  // twips, as a closed drop-down list
constexpr int kListVisibleEntries = 12;  // entries shown when a list drops down

struct DialogWindow {
    static constexpr int kDefaultButton = kIdAccept;  // Enter
    ModalFrame frame;
    bool showTestAndClear = false;
    DialogValues* values = nullptr;
    ReliabilityDialogModel model;
    FontSet fonts;
    ColourTable colours;
    HWND relLeft = nullptr;   // cboRelLeft
    HWND relRight = nullptr;  // cboRelRight
    HWND hoursList = nullptr;  // cboHours
};

int Selected(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)); }
void Select(HWND list, int index) { SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

HWND MakeList(DialogWindow& d, const TwipsRect& place, int id, int dpi, HFONT font,
              const std::vector<std::string>& entries, int selected) {
    return MakeDropDownList(d.frame.window, d.colours, place, id, dpi, font, entries, selected, kListVisibleEntries);
}

void MakeLabel(DialogWindow& d, const char* text, const TwipsRect& place, int dpi, HFONT font) {
    HWND label = MakeControl(d.frame.window, "STATIC", text, SS_LEFT, 0, place, -1, dpi, font);
    d.colours.SetTransparent(label, GetSysColor(COLOR_HIGHLIGHTTEXT), kDialogGrey);
}

// The controls in their tab order: the three lists, Accept, Cancel, Test
// Failure, Clear Failure; the labels between them take no focus.
void BuildControls(DialogWindow& d, int dpi) {
    HFONT listFont = d.fonts.Make("Arial", 9, true, false, dpi);
    HFONT dotFont = d.fonts.Make("Arial Black", 8.25, true, false, dpi);
    HFONT percentFont = d.fonts.Make("Arial Black", 12, true, false, dpi);
    HFONT labelFont = d.fonts.Make("Arial", 9, true, false, dpi);
    HFONT buttonFont = d.fonts.Make("Arial", 8.25, false, false, dpi);
    const ReliabilityDialogModel& m = d.model;

    d.relLeft = MakeList(d, {120, 240, 855, kListClosedHeight}, kIdRelLeft, dpi, listFont, m.wholePercent, m.wholeIndex);
    MakeLabel(d, ".", {1080, 240, 135, 375}, dpi, dotFont);
    d.relRight = MakeList(d, {1320, 240, 855, kListClosedHeight}, kIdRelRight, dpi, listFont, m.thousandths,
                          m.thousandthsIndex);
    MakeLabel(d, "%", {2280, 240, 375, 375}, dpi, percentFont);
    MakeLabel(d, "based on", {2760, 360, 855, 255}, dpi, labelFont);
    d.hoursList = MakeList(d, {3720, 240, 855, kListClosedHeight}, kIdHours, dpi, listFont, m.hours, m.hoursIndex);
    MakeLabel(d, "hours of flight", {4680, 360, 1695, 255}, dpi, labelFont);

    MakeDialogButton(d.frame.window, d.colours,
                     "&Accept", BS_DEFPUSHBUTTON, {120, 840, 2535, 375}, kIdAccept, dpi, buttonFont);
    MakeDialogButton(d.frame.window, d.colours,
                     "&Cancel", BS_PUSHBUTTON, {120, 1320, 2535, 375}, kIdCancel, dpi, buttonFont);
    HWND test = MakeDialogButton(d.frame.window, d.colours,
                     "&Test Failure", BS_PUSHBUTTON, {3360, 840, 2535, 375}, kIdTest, dpi, buttonFont);
    HWND clear = MakeDialogButton(d.frame.window, d.colours,
                     "Clear &Failure", BS_PUSHBUTTON, {3360, 1320, 2535, 375}, kIdClear, dpi, buttonFont);
    if (!d.showTestAndClear) {
        // Hidden and out of reach of their access keys.
        for (HWND button : {test, clear}) {
            ShowWindow(button, SW_HIDE);
            EnableWindow(button, FALSE);
        }
    }
}

// The lists as they are shown are what the rules and Accept work from.
void ReadSelections(DialogWindow& d) {
    ReliabilityDialogModel& m = d.model;
    const int whole = Selected(d.relLeft), thousandths = Selected(d.relRight), hours = Selected(d.hoursList);
    if (whole >= 0 && whole < static_cast<int>(m.wholePercent.size())) m.wholeIndex = whole;
    if (thousandths >= 0 && thousandths < static_cast<int>(m.thousandths.size())) m.thousandthsIndex = thousandths;
    if (hours >= 0 && hours < static_cast<int>(m.hours.size())) m.hoursIndex = hours;
}

void cboRelLeft_Click(DialogWindow& d) {
    ReadSelections(d);
    d.model.ClickWholePercent(d.model.wholeIndex);
    Select(d.relRight, d.model.thousandthsIndex);
}

void cboRelRight_Click(DialogWindow& d) {
    ReadSelections(d);
    const int chosen = d.model.thousandthsIndex;
    d.model.ClickThousandths(chosen);
    if (d.model.thousandthsIndex != chosen) Select(d.relRight, d.model.thousandthsIndex);
}

void cmdAccept_Click(DialogWindow& d) {
    ReadSelections(d);
    const AcceptedValues accepted = d.model.Accept();
    d.values->reliability = accepted.reliability;
    d.values->hours = accepted.hours;
    d.values->accepted = true;
    d.frame.Close();
}

void OnCommand(DialogWindow& d, int id, int code) {
    switch (id) {
    case kIdRelLeft:
        if (code == CBN_SELCHANGE) cboRelLeft_Click(d);
        break;
    case kIdRelRight:
        if (code == CBN_SELCHANGE) cboRelRight_Click(d);
        break;
    case kIdAccept:
    case IDOK:
        if (code == BN_CLICKED) cmdAccept_Click(d);
        break;
    case kIdTest:
    case kIdClear:
        if (code == BN_CLICKED && d.showTestAndClear) {
            (id == kIdTest ? d.values->test : d.values->clear) = true;
            d.frame.Close();
        }
        break;
    case kIdCancel:
    case IDCANCEL:  // Escape
        if (code == BN_CLICKED) d.frame.Close();
        break;
    default:
        break;
    }
}

}  // namespace

void ShowReliabilityDialog(HWND owner, const std::string& caption, bool showTestAndClear, char decimalSeparator,
                           DialogValues& values) {
    values.accepted = false;
    DialogWindow d;
    d.values = &values;
    d.showTestAndClear = showTestAndClear;
    d.model.Load(values, decimalSeparator);
    values.test = false;
    values.clear = false;

    ShowModalDialog(d, kReliabilityDialogClass, caption.c_str(), owner, kClientWidth, kClientHeight, [&](int dpi) {
        BuildControls(d, dpi);
        return d.relLeft;
    });
}

}  // namespace wendox::ui
