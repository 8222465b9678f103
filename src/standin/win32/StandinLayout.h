// Where things sit in the stand-in simulator's window, in client pixels.
// The window has a fixed size; the buttons and the painted text share these.
#pragma once

namespace wendox::standin::layout {

inline constexpr int kMargin = 16;
inline constexpr int kStatusTop = 14;
inline constexpr int kButtonTop = 52;
inline constexpr int kButtonWidth = 110;
inline constexpr int kButtonHeight = 30;
inline constexpr int kButtonGap = 10;
inline constexpr int kMessageTop = 98;
inline constexpr int kRuleTop = 130;
inline constexpr int kColumnsTop = 142;
inline constexpr int kColumnWidth = 280;
inline constexpr int kColumnGap = 14;
inline constexpr int kRowHeight = 19;
inline constexpr int kGroupGap = 10;

inline constexpr int kClientWidth = 2 * kMargin + 3 * kColumnWidth + 2 * kColumnGap;
inline constexpr int kClientHeight = 610;

}  // namespace wendox::standin::layout
