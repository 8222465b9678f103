// The components list's three lamps, drawn by the program: a filled disc
// eleven pixels across, centred on a 16 by 16 square of the list's green.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace wendox::ui {

// Images 0, 1 and 2: green, red and yellow (the lamps 1, 2 and 3).
HIMAGELIST MakeLampImages();

}  // namespace wendox::ui
