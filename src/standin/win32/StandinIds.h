// Control ids and the caption of the stand-in simulator's window, shared
// with the tests that press its buttons (BM_CLICK) or look for it.
#pragma once

namespace wendox::standin {

inline constexpr int kIdTakeOff = 1001;
inline constexpr int kIdLand = 1002;
inline constexpr int kIdPause = 1003;
inline constexpr int kIdResume = 1004;

inline constexpr char kStandinCaption[] = "Wendox stand-in simulator";

}  // namespace wendox::standin
