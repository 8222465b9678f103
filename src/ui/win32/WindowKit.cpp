#include "ui/win32/WindowKit.h"

#include <cmath>

#include "platform/win32/ProgramIcon.h"

namespace wendox::ui {

int WindowDpi(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

FontSet::~FontSet() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontSet::Make(const char* face, double points, bool bold, bool italic, int dpi) {
    // One font for each look, shared by every control that has it.
    const Key key{face, points, bold, italic, dpi};
    for (const auto& [made, handle] : fonts_)
        if (made == key) return handle;
    LOGFONTA font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    HFONT made = CreateFontIndirectA(&font);
    fonts_.emplace_back(key, made);
    return made;
}

ColourTable::~ColourTable() {
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void ColourTable::Set(HWND control, COLORREF text, COLORREF back) { colours_[control] = {text, back, false}; }

void ColourTable::SetTransparent(HWND control, COLORREF text, COLORREF parentBack) {
    colours_[control] = {text, parentBack, true};
}

HBRUSH ColourTable::Brush(COLORREF colour) {
    auto [it, added] = brushes_.try_emplace(colour, nullptr);
    if (added) it->second = CreateSolidBrush(colour);
    return it->second;
}

HBRUSH ColourTable::Answer(HDC dc, HWND control) {
    const auto it = colours_.find(control);
    if (it == colours_.end()) return nullptr;
    SetTextColor(dc, it->second.text);
    if (it->second.transparent) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, it->second.back);
    }
    return Brush(it->second.back);
}

bool RegisterWindowClass(const char* className, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = ProgramIcon(false);
    windowClass.hIconSm = ProgramIcon(true);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                 const TwipsRect& place, int id, int dpi, HFONT font) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style,
                                   TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi),
                                   TwipsToPixels(place.width, dpi), TwipsToPixels(place.height, dpi), parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    if (control != nullptr && font != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

SIZE WindowSizeForClient(DWORD style, DWORD exStyle, int widthTwips, int heightTwips, int dpi) {
    RECT rect{0, 0, TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void CentreOnScreen(HWND window) {
    RECT area{}, rect{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace wendox::ui
