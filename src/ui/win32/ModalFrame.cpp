#include "ui/win32/ModalFrame.h"

#include <commctrl.h>

namespace wendox::ui {
namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

HWND FocusedChild(HWND window) {
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(window, focus) ? focus : nullptr;
}

// Makes a drop-down list's closed field exactly `closedPixels` high and gives
// the dropped list room for `visibleEntries` entries.
void SizeDropDownList(HWND list, int closedPixels, int visibleEntries) {
    // The height asked of the selection field is corrected by what the list
    // then measures, as not every system counts the field's borders alike.
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
    const int dropped = closedPixels + visibleEntries * static_cast<int>(entry == CB_ERR ? 16 : entry) + 2;
    SetWindowPos(list, nullptr, 0, 0, rect.right - rect.left, dropped, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(list, CB_SETMINVISIBLE, visibleEntries, 0);
}

}  // namespace

void ModalFrame::Close() {
    if (owner != nullptr) EnableWindow(owner, TRUE);
    if (window != nullptr) DestroyWindow(window);
}

void ModalFrame::Suspend() {
    if (HWND focus = FocusedChild(window)) lastFocus = focus;
    EnableWindow(window, FALSE);
}

void ModalFrame::Resume() {
    if (window == nullptr) return;  // gone meanwhile, with its owner
    EnableWindow(window, TRUE);
    SetActiveWindow(window);
    if (lastFocus != nullptr && IsWindow(lastFocus)) SetFocus(lastFocus);
}

bool RegisterModalDialogClass(const char* className, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) return true;

    // The brush is kept for the life of the program, as the class is.
    return RegisterWindowClass(className, procedure, CreateSolidBrush(kDialogGrey));
}

HWND CreateModalDialog(const char* className, const char* caption, HWND owner, int clientWidthTwips,
                       int clientHeightTwips, int dpi, void* self) {
    const SIZE size = WindowSizeForClient(kModalDialogStyle, 0, clientWidthTwips, clientHeightTwips, dpi);
    HWND window = CreateWindowExA(0, className, caption, kModalDialogStyle, 0, 0, size.cx, size.cy, owner, nullptr,
                                  GetModuleHandleA(nullptr), self);
    if (window != nullptr) CentreOnScreen(window);
    return window;
}

bool HandleFrameMessage(ModalFrame& frame, ColourTable& colours, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = colours.Answer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        return false;
    case WM_ACTIVATE:
        // Keeps the focused control across another window taking over, a
        // nested dialog of this program or another program's window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = FocusedChild(window)) frame.lastFocus = focus;
            return false;
        }
        if (frame.lastFocus != nullptr && IsWindow(frame.lastFocus)) {
            SetFocus(frame.lastFocus);
            result = 0;
            return true;
        }
        return false;
    case WM_NEXTDLGCTL: {
        // Sent by IsDialogMessage for a label's access key: the focus goes to
        // the control named, or to the next (previous) tab stop.
        HWND target = lParam != 0 ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
        if (target != nullptr) SetFocus(target);
        result = 0;
        return true;
    }
    case WM_DESTROY:
        frame.open = false;
        return false;
    case WM_NCDESTROY:
        frame.window = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return false;
    default:
        return false;
    }
}

void RunModal(ModalFrame& frame, HWND firstControl) {
    frame.open = true;
    if (frame.owner != nullptr) EnableWindow(frame.owner, FALSE);
    ShowWindow(frame.window, SW_SHOW);
    UpdateWindow(frame.window);
    SetFocus(firstControl);

    std::optional<WPARAM> quit;
    MSG msg{};
    while (frame.open) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = msg.wParam;
            break;
        }
        if (got == -1) break;
        // The dialog's handle is read afresh: a message may have ended it.
        if (frame.window == nullptr || !IsDialogMessageA(frame.window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (frame.open) frame.Close();
    if (frame.owner != nullptr) EnableWindow(frame.owner, TRUE);
    if (quit) PostQuitMessage(static_cast<int>(*quit));
}

HWND MakeDialogButton(HWND dialog, ColourTable& colours, const char* text, DWORD style, const TwipsRect& place, int id,
                      int dpi, HFONT font) {
    HWND button = MakeControl(dialog, "BUTTON", text, style | WS_TABSTOP, 0, place, id, dpi, font);
    colours.Set(button, GetSysColor(COLOR_BTNTEXT), kDialogGrey);
    return button;
}

HWND MakeDropDownList(HWND parent, ColourTable& colours, const TwipsRect& place, int id, int dpi, HFONT font,
                      const std::vector<std::string>& entries, int selected, int visibleEntries) {
    HWND list = MakeControl(parent, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, place, id, dpi, font);
    SizeDropDownList(list, TwipsToPixels(place.height, dpi), visibleEntries);
    SendMessageA(list, CB_INITSTORAGE, entries.size(), entries.size() * 4);
    for (const std::string& entry : entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    // The selection field asks with the list's own handle, the dropped list
    // with the handle of its list box.
    colours.Set(list, kBrightGreen, kDarkGreen);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(list, &info)) {
        if (info.hwndList != nullptr) colours.Set(info.hwndList, kBrightGreen, kDarkGreen);
        if (info.hwndItem != nullptr) colours.Set(info.hwndItem, kBrightGreen, kDarkGreen);
    }
    return list;
}

}  // namespace wendox::ui
