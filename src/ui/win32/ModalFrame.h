// What the reliability, options and settings dialogs share as modal windows
// built from code: a window class with the dialogs' grey, the owner disabled
// while the dialog runs its own message loop (the main window's timer keeps
// ticking), the focused control kept across nested modal windows, the owner
// re-enabled before the dialog goes, and their drop-down lists.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/win32/WindowKit.h"

namespace wendox::ui {

inline constexpr COLORREF kYellow = RGB(255, 255, 0);

// A fixed border, a caption and a close box; no minimise or maximise box.
inline constexpr DWORD kModalDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

struct ModalFrame {
    HWND owner = nullptr;
    HWND window = nullptr;
    bool open = false;
    HWND lastFocus = nullptr;  // the control that had the focus when the dialog lost it

    // The owner comes back first so that it, not another program, becomes
    // active when the dialog goes.
    void Close();

    // Remembers the focused control before a nested modal window (a message
    // box) takes over, with the dialog disabled so that it takes no input
    // meanwhile; Resume makes the dialog active again with that control focused.
    void Suspend();
    void Resume();
};

// Registers a dialog class with the dialogs' grey background; true when the
// class exists.
bool RegisterModalDialogClass(const char* className, WNDPROC procedure);

// Creates the dialog window, hidden, with a client area of the given twips,
// centred on the screen. `self` reaches the procedure's WM_NCCREATE as the
// creation parameter; the caller's procedure stores it there.
HWND CreateModalDialog(const char* className, const char* caption, HWND owner, int clientWidthTwips,
                       int clientHeightTwips, int dpi, void* self);

// The messages every dialog answers alike: control colours, the focus across
// activation and to the control a label's access key leads to, and the end
// of the window (the window's user data, which points at the dialog, is
// cleared last). True when `result` is the answer.
bool HandleFrameMessage(ModalFrame& frame, ColourTable& colours, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result);

// The window procedure of a dialog kind D: D holds `frame` and `colours`,
// names its default button (Enter) as D::kDefaultButton, and has an
// OnCommand(D&, id, code) beside it; the close box acts as Escape (IDCANCEL).
// CreateModalDialog's `self` is the D.
template <class D>
LRESULT CALLBACK ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<D*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->frame.window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* d = reinterpret_cast<D*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (d == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    if (HandleFrameMessage(d->frame, d->colours, window, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_COMMAND:
        OnCommand(*d, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(D::kDefaultButton, DC_HASDEFID);
    case WM_CLOSE:
        OnCommand(*d, IDCANCEL, BN_CLICKED);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Disables the owner, shows the dialog with the focus on `firstControl` and
// runs this thread's messages until the dialog is gone; Tab, Enter, Escape
// and the access keys go through IsDialogMessage. A quit request closes the
// dialog and is posted again for the caller's loop.
void RunModal(ModalFrame& frame, HWND firstControl);

// Shows dialog `d` of kind D modally, its class registered on first use:
// creates the window, lets `build(dpi)` make the controls and name the one
// that takes the focus first, and runs the dialog until it is gone.
template <class D, class Build>
void ShowModalDialog(D& d, const char* className, const char* caption, HWND owner, int clientWidthTwips,
                     int clientHeightTwips, Build&& build) {
    if (!RegisterModalDialogClass(className, ModalDialogProc<D>)) return;
    d.frame.owner = owner;
    const int dpi = WindowDpi(nullptr);
    if (CreateModalDialog(className, caption, owner, clientWidthTwips, clientHeightTwips, dpi, &d) == nullptr) return;
    RunModal(d.frame, build(dpi));
}

// Creates a push button of a dialog (a tab stop; `style` adds
// BS_DEFPUSHBUTTON for the default one) on the dialogs' grey.
HWND MakeDialogButton(HWND dialog, ColourTable& colours, const char* text, DWORD style, const TwipsRect& place, int id,
                      int dpi, HFONT font);

// Creates a drop-down list (choice only, no typing) at `place`, its closed
// field as high as the place says and room for `visibleEntries` when it
// drops down, fills it with `entries`, selects `selected`, and colours it,
// the dropped list included, bright green on dark green.
HWND MakeDropDownList(HWND parent, ColourTable& colours, const TwipsRect& place, int id, int dpi, HFONT font,
                      const std::vector<std::string>& entries, int selected, int visibleEntries);

}  // namespace wendox::ui
