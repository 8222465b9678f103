#include "standin/win32/StandinWindow.h"

#include "link/Link.h"
#include "platform/win32/ProgramIcon.h"
#include "standin/core/FlightModel.h"
#include "standin/win32/LinkMessageAnswer.h"
#include "standin/win32/StandinIds.h"
#include "standin/win32/StandinLayout.h"
#include "standin/win32/StandinPainting.h"

namespace wendox::standin {

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 250;

// What one window keeps; lives from WM_NCCREATE to WM_NCDESTROY.
struct WindowData {
    ServerCore& core;
    UINT linkMessage;
    PaintFonts fonts;
    char className[16];
};

WindowData* DataOf(HWND window) { return reinterpret_cast<WindowData*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void CreateButtons(HWND window, const WindowData& data) {
    struct Button {
        int id;
        const char* text;
    };
    constexpr Button buttons[] = {
        {kIdTakeOff, "Take off"}, {kIdLand, "Land"}, {kIdPause, "Pause"}, {kIdResume, "Resume"}};
    int x = layout::kMargin;
    for (const Button& button : buttons) {
        HWND control = CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                       x, layout::kButtonTop, layout::kButtonWidth, layout::kButtonHeight, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                       GetModuleHandleA(nullptr), nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(data.fonts.normal), FALSE);
        x += layout::kButtonWidth + layout::kButtonGap;
    }
}

void PressButton(ServerCore& core, int id) {
    switch (id) {
        case kIdTakeOff: TakeOff(core); break;
        case kIdLand: Land(core); break;
        case kIdPause: Pause(core); break;
        case kIdResume: Resume(core); break;
        default: break;
    }
}

// Paints into a bitmap first so that the refresh every 250 ms does not flicker.
void Paint(HWND window, const WindowData& data) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);

    PaintStandin(memory, client, data.core, data.fonts, data.className, GetTickCount64());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);

    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

LRESULT CALLBACK StandinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* core = static_cast<ServerCore*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (core == nullptr) return FALSE;  // only CreateStandinWindow makes these windows
        auto* data = new WindowData{*core, RegisterWindowMessageA(kLinkMessageName), CreatePaintFonts(), {}};
        GetClassNameA(window, data->className, sizeof data->className);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    WindowData* data = DataOf(window);
    if (data == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    if (message == data->linkMessage && message != 0) return AnswerLinkMessage(data->core, wParam);

    switch (message) {
        case WM_CREATE:
            CreateButtons(window, *data);
            SetTimer(window, kRefreshTimer, kRefreshMs, nullptr);
            return 0;
        case WM_TIMER:
            if (wParam != kRefreshTimer) break;
            AdvanceFlight(data->core, GetTickCount64());
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) break;
            PressButton(data->core, LOWORD(wParam));
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the painting covers the whole client area
        case WM_PAINT:
            Paint(window, *data);
            return 0;
        case WM_DESTROY:
            KillTimer(window, kRefreshTimer);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            DeletePaintFonts(data->fonts);
            delete data;
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A class registered by an earlier window of this process is used again.
bool RegisterStandinClass(const char* className) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = StandinWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = ProgramIcon(false);
    windowClass.hIconSm = ProgramIcon(true);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreateStandinWindow(ServerCore& core) {
    const char* className = core.GetMisbehaviour().fallbackClassOnly ? kFallbackServerClass : kServerClass;
    if (!RegisterStandinClass(className)) return nullptr;

    // A fixed size: the layout does not stretch.
    constexpr DWORD style = (WS_OVERLAPPEDWINDOW & ~(WS_THICKFRAME | WS_MAXIMIZEBOX)) | WS_CLIPCHILDREN;
    RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return CreateWindowExA(0, className, kStandinCaption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), &core);
}

}  // namespace wendox::standin
