// Small tools for building windows from code: places and sizes given in
// twips and converted with the window's DPI, fonts by name and point size,
// and the colours of labels, lists and combo boxes.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace wendox::ui {

inline constexpr COLORREF kBrightGreen = RGB(0, 255, 0);
inline constexpr COLORREF kDarkGreen = RGB(0, 64, 0);
inline constexpr COLORREF kWindowGrey = RGB(128, 128, 128);
inline constexpr COLORREF kDialogGrey = RGB(64, 64, 64);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

struct TwipsRect {
    int left, top, width, height;
};

int WindowDpi(HWND window);
inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// Fonts made for one window, deleted with it.
class FontSet {
public:
    FontSet() = default;
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;
    ~FontSet();
    HFONT Make(const char* face, double points, bool bold, bool italic, int dpi);

private:
    struct Key {
        std::string face;
        double points;
        bool bold, italic;
        int dpi;
        bool operator==(const Key&) const = default;
    };
    std::vector<std::pair<Key, HFONT>> fonts_;
};

// The text and background colours of controls, answered from the parent's
// WM_CTLCOLOR* messages.
class ColourTable {
public:
    ColourTable() = default;
    ColourTable(const ColourTable&) = delete;
    ColourTable& operator=(const ColourTable&) = delete;
    ~ColourTable();
    void Set(HWND control, COLORREF text, COLORREF back);
    // Transparent text on the parent's background, for labels.
    void SetTransparent(HWND control, COLORREF text, COLORREF parentBack);
    // The brush for the control (and the colours set into the DC), or nullptr
    // when the control is not in the table.
    HBRUSH Answer(HDC dc, HWND control);

private:
    struct Colours {
        COLORREF text, back;
        bool transparent;
    };
    HBRUSH Brush(COLORREF colour);
    std::map<HWND, Colours> colours_;
    std::map<COLORREF, HBRUSH> brushes_;
};

// Registers a window class of this program with the arrow cursor and the
// program's own icon; a class registered already is used again.
bool RegisterWindowClass(const char* className, WNDPROC procedure, HBRUSH background);

// Creates a child control at a place given in twips.
HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                 const TwipsRect& place, int id, int dpi, HFONT font);

// The window size that gives a client area of the given twips.
SIZE WindowSizeForClient(DWORD style, DWORD exStyle, int widthTwips, int heightTwips, int dpi);

// Moves a top-level window to the centre of the screen's work area.
void CentreOnScreen(HWND window);

}  // namespace wendox::ui
