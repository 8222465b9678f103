#include "ui/win32/ReliabilityDialog.h"

#include <commctrl.h>

#include <optional>
#include <vector>

#include "ui/WindowIds.h"
#include "ui/model/ReliabilityDialogModel.h"
#include "ui/win32/WindowKit.h"

namespace wendox::ui {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kClientWidth = 6000;  // twips
constexpr int kClientHeight = 1830;
constexpr int kListClosedHeight = 345;  // twips, as a closed drop-down list
constexpr int kListVisibleEntries = 12;  // entries shown when a list drops down

struct DialogWindow {
    HWND owner = nullptr;
    HWND window = nullptr;
    bool open = false;
    bool showTestAndClear = false;
    DialogValues* values = nullptr;
    ReliabilityDialogModel model;
    FontSet fonts;
    ColourTable colours;
    HWND relLeft = nullptr;   // cboRelLeft
    HWND relRight = nullptr;  // cboRelRight
    HWND hoursList = nullptr;  // cboHours
    HWND lastFocus = nullptr;  // the control that had the focus when the dialog lost activation

    // The owner comes back first so that it, not another program, becomes
    // active when the dialog goes.
    void Close() {
        if (owner != nullptr) EnableWindow(owner, TRUE);
        if (window != nullptr) DestroyWindow(window);
    }
};

int Selected(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)); }
void Select(HWND list, int index) { SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void Fill(HWND list, const std::vector<std::string>& entries, int selected) {
    SendMessageA(list, CB_INITSTORAGE, entries.size(), entries.size() * 4);
    for (const std::string& entry : entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    Select(list, selected);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Makes the closed list exactly `closedPixels` high (its selection field
// follows the font otherwise) and gives the dropped list room for a dozen
// entries. The height asked of the selection field is corrected by what the
// list then measures, as not every system counts the field's borders alike.
void SizeList(HWND list, int closedPixels) {
    const RECT rect = WindowRect(list);
    int closed = rect.bottom - rect.top;
    const LRESULT field = SendMessageA(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field != CB_ERR) {
        int asked = static_cast<int>(field) + closedPixels - closed;
        for (int attempt = 0; attempt < 3 && closed != closedPixels && asked > 0; ++attempt) {
            SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
            const RECT now = WindowRect(list);
            closed = now.bottom - now.top;
            asked += closedPixels - closed;
        }
    }

    const LRESULT entry = SendMessageA(list, CB_GETITEMHEIGHT, 0, 0);
    const int dropped = closedPixels + kListVisibleEntries * static_cast<int>(entry == CB_ERR ? 16 : entry) + 2;
    SetWindowPos(list, nullptr, 0, 0, rect.right - rect.left, dropped, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(list, CB_SETMINVISIBLE, kListVisibleEntries, 0);
}

HWND MakeList(DialogWindow& d, const TwipsRect& place, int id, int dpi, HFONT font,
              const std::vector<std::string>& entries, int selected) {
    HWND list = MakeControl(d.window, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, place, id, dpi, font);
    SizeList(list, TwipsToPixels(kListClosedHeight, dpi));
    Fill(list, entries, selected);
    // The selection field asks with the list's own handle, the dropped list
    // with the handle of its list box.
    d.colours.Set(list, kBrightGreen, kDarkGreen);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(list, &info)) {
        if (info.hwndList != nullptr) d.colours.Set(info.hwndList, kBrightGreen, kDarkGreen);
        if (info.hwndItem != nullptr) d.colours.Set(info.hwndItem, kBrightGreen, kDarkGreen);
    }
    return list;
}

void MakeLabel(DialogWindow& d, const char* text, const TwipsRect& place, int dpi, HFONT font) {
    HWND label = MakeControl(d.window, "STATIC", text, SS_LEFT, 0, place, -1, dpi, font);
    d.colours.SetTransparent(label, GetSysColor(COLOR_HIGHLIGHTTEXT), kDialogGrey);
}

HWND MakeButton(DialogWindow& d, const char* text, DWORD style, const TwipsRect& place, int id, int dpi, HFONT font) {
    HWND button = MakeControl(d.window, "BUTTON", text, style | WS_TABSTOP, 0, place, id, dpi, font);
    d.colours.Set(button, GetSysColor(COLOR_BTNTEXT), kDialogGrey);
    return button;
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

    MakeButton(d, "&Accept", BS_DEFPUSHBUTTON, {120, 840, 2535, 375}, kIdAccept, dpi, buttonFont);
    MakeButton(d, "&Cancel", BS_PUSHBUTTON, {120, 1320, 2535, 375}, kIdCancel, dpi, buttonFont);
    HWND test = MakeButton(d, "&Test Failure", BS_PUSHBUTTON, {3360, 840, 2535, 375}, kIdTest, dpi, buttonFont);
    HWND clear = MakeButton(d, "Clear &Failure", BS_PUSHBUTTON, {3360, 1320, 2535, 375}, kIdClear, dpi, buttonFont);
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
    d.Close();
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
            d.Close();
        }
        break;
    case kIdCancel:
    case IDCANCEL:  // Escape
        if (code == BN_CLICKED) d.Close();
        break;
    default:
        break;
    }
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* d = static_cast<DialogWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        d->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(d));
    }
    auto* d = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (d == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_COMMAND:
        OnCommand(*d, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:  // Enter presses Accept
        return MAKELRESULT(kIdAccept, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = d->colours.Answer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ACTIVATE:
        // Keeps the focused control across a switch to another window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window, focus)) d->lastFocus = focus;
        } else if (d->lastFocus != nullptr && IsWindow(d->lastFocus)) {
            SetFocus(d->lastFocus);
            return 0;
        }
        break;
    case WM_CLOSE:  // the close box, as Cancel
        d->Close();
        return 0;
    case WM_DESTROY:
        d->open = false;
        break;
    case WM_NCDESTROY:
        d->window = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterDialogClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kReliabilityDialogClass, &existing)) return true;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DialogProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = CreateSolidBrush(kDialogGrey);  // kept for the life of the program, as the class is
    wc.lpszClassName = kReliabilityDialogClass;
    return RegisterClassExA(&wc) != 0;
}

// Runs the dialog's messages, and every other window's of this thread, until
// the dialog is gone. A quit request closes the dialog as Cancel would and
// is passed on to the caller's loop.
std::optional<WPARAM> RunModal(DialogWindow& d) {
    HWND dialog = d.window;
    MSG msg{};
    while (d.open) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) return msg.wParam;
        if (got == -1) break;
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return std::nullopt;
}

}  // namespace

void ShowReliabilityDialog(HWND owner, const std::string& caption, bool showTestAndClear, char decimalSeparator,
                           DialogValues& values) {
    values.accepted = false;
    DialogWindow d;
    d.owner = owner;
    d.values = &values;
    d.showTestAndClear = showTestAndClear;
    d.model.Load(values, decimalSeparator);
    values.test = false;
    values.clear = false;

    if (!RegisterDialogClass()) return;
    const int dpi = WindowDpi(nullptr);
    const SIZE size = WindowSizeForClient(kDialogStyle, 0, kClientWidth, kClientHeight, dpi);
    if (CreateWindowExA(0, kReliabilityDialogClass, caption.c_str(), kDialogStyle, 0, 0, size.cx, size.cy, owner,
                        nullptr, GetModuleHandleA(nullptr), &d) == nullptr)
        return;
    d.open = true;
    BuildControls(d, dpi);
    CentreOnScreen(d.window);

    if (owner != nullptr) EnableWindow(owner, FALSE);
    ShowWindow(d.window, SW_SHOW);
    UpdateWindow(d.window);
    SetFocus(d.relLeft);

    const std::optional<WPARAM> quit = RunModal(d);
    if (d.open) d.Close();
    if (owner != nullptr) EnableWindow(owner, TRUE);
    if (quit) PostQuitMessage(static_cast<int>(*quit));
}

}  // namespace wendox::ui
