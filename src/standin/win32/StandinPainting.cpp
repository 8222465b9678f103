#include "standin/win32/StandinPainting.h"

#include <string>

#include "standin/core/FlightModel.h"
#include "standin/core/FlightPanel.h"
#include "standin/win32/StandinLayout.h"

namespace wendox::standin {

namespace {

constexpr COLORREF kText = RGB(20, 20, 20);
constexpr COLORREF kDim = RGB(110, 110, 110);
constexpr COLORREF kTitle = RGB(20, 60, 130);
constexpr COLORREF kAlert = RGB(190, 20, 20);
constexpr COLORREF kGood = RGB(20, 110, 40);
constexpr COLORREF kStripe = RGB(242, 245, 250);
constexpr COLORREF kRule = RGB(200, 205, 215);

HFONT MakeFont(int height, int weight) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma");
}

// Draws `text` with its top left at (x, y) and returns where the text ends.
int DrawAt(HDC dc, int x, int y, HFONT font, COLORREF color, std::string_view text) {
    SelectObject(dc, font);
    SetTextColor(dc, color);
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    return x + extent.cx;
}

void DrawRightAligned(HDC dc, int right, int y, HFONT font, COLORREF color, std::string_view text) {
    SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    DrawAt(dc, right - extent.cx, y, font, color, text);
}

void FillBand(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    const RECT band{left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &band, brush);
    DeleteObject(brush);
}

void PaintStatus(HDC dc, const RECT& client, const ServerCore& core, const PaintFonts& fonts,
                 std::string_view className, std::uint64_t nowMs) {
    using namespace layout;
    const bool airborne = IsAirborne(core);
    const bool paused = IsPaused(core);
    int x = DrawAt(dc, kMargin, kStatusTop + 4, fonts.normal, kDim, "Flight:  ");
    x = DrawAt(dc, x, kStatusTop, fonts.large, kText, airborne ? "Airborne" : "On the ground");
    x = DrawAt(dc, x + 40, kStatusTop + 4, fonts.normal, kDim, "Simulation:  ");
    DrawAt(dc, x, kStatusTop, fonts.large, paused ? kAlert : kGood, paused ? "Paused" : "Running");

    const std::string serving = "Serving as window class " + std::string(className);
    DrawRightAligned(dc, client.right - kMargin, kStatusTop + 4, fonts.normal, kDim, serving);
    const std::string counts = "Exchanges: " + std::to_string(core.ExchangeCount()) +
                               "     Writes recorded: " + std::to_string(core.WriteCount());
    DrawRightAligned(dc, client.right - kMargin, kButtonTop + 7, fonts.normal, kDim, counts);

    const std::string message = MessageLine(core, nowMs);
    x = DrawAt(dc, kMargin, kMessageTop, fonts.normal, kDim, "Message line:  ");
    if (message.empty())
        DrawAt(dc, x, kMessageTop, fonts.normal, kDim, "(nothing shown)");
    else
        DrawAt(dc, x, kMessageTop, fonts.bold, kText, message);

    FillBand(dc, kMargin, kRuleTop, client.right - kMargin, kRuleTop + 1, kRule);
}

void PaintColumn(HDC dc, int left, const PanelColumn& column, const PaintFonts& fonts) {
    using namespace layout;
    const int right = left + kColumnWidth;
    int y = kColumnsTop;
    for (const PanelGroup& group : column) {
        DrawAt(dc, left, y, fonts.bold, kTitle, group.title);
        y += kRowHeight;
        FillBand(dc, left, y - 2, right, y - 1, kRule);
        bool stripe = false;
        for (const PanelLine& line : group.lines) {
            if (stripe) FillBand(dc, left, y, right, y + kRowHeight, kStripe);
            stripe = !stripe;
            char offset[8];
            wsprintfA(offset, "%04X", static_cast<unsigned>(line.offset));
            DrawAt(dc, left + 4, y + 2, fonts.normal, kDim, offset);
            DrawAt(dc, left + 48, y + 2, fonts.normal, kText, line.name);
            DrawRightAligned(dc, right - 4, y + 2, line.alert ? fonts.bold : fonts.normal,
                             line.alert ? kAlert : kText, line.value);
            y += kRowHeight;
        }
        y += kGroupGap;
    }
}

}  // namespace

PaintFonts CreatePaintFonts() {
    return {MakeFont(13, FW_NORMAL), MakeFont(13, FW_BOLD), MakeFont(19, FW_BOLD)};
}

void DeletePaintFonts(PaintFonts& fonts) {
    for (HFONT* font : {&fonts.normal, &fonts.bold, &fonts.large}) {
        if (*font != nullptr) DeleteObject(*font);
        *font = nullptr;
    }
}

void PaintStandin(HDC dc, const RECT& client, const ServerCore& core, const PaintFonts& fonts,
                  std::string_view className, std::uint64_t nowMs) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, fonts.normal);

    PaintStatus(dc, client, core, fonts, className, nowMs);
    int left = layout::kMargin;
    for (const PanelColumn& column : BuildFlightPanel(core)) {
        PaintColumn(dc, left, column, fonts);
        left += layout::kColumnWidth + layout::kColumnGap;
    }

    SelectObject(dc, oldFont);
}

}  // namespace wendox::standin
