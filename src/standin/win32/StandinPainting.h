// Draws the stand-in simulator's window: the flight state, the exchange
// count, the message line and the columns of variables.
#pragma once

#include <windows.h>

#include <string_view>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

struct PaintFonts {
    HFONT normal = nullptr;
    HFONT bold = nullptr;
    HFONT large = nullptr;  // the flight state
};

PaintFonts CreatePaintFonts();
void DeletePaintFonts(PaintFonts& fonts);

// Paints the whole client area (`client`) into `dc`; the buttons are child
// windows and paint themselves.
void PaintStandin(HDC dc, const RECT& client, const ServerCore& core, const PaintFonts& fonts,
                  std::string_view className, std::uint64_t nowMs);

}  // namespace wendox::standin
