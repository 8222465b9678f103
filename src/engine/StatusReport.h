// How the engine reports: the status line in the main window, the same text
// in the simulator's message line, and three sounds.
#pragma once

#include <string_view>

#include "engine/EngineState.h"

namespace wendox {

inline constexpr char kSoundOk[] = "\\sound_ok.wav";
inline constexpr char kSoundWarning[] = "\\sound_warning.wav";
inline constexpr char kSoundFailure[] = "\\sound_failure.wav";

inline constexpr char kMessagePrefix[] = "Wendox:  ";
inline constexpr std::uint16_t kMessageSeconds = 5;
// A status that has reached this length lists no further failure.
inline constexpr std::size_t kStatusListLimit = 70;

// Completes the tick's status (the failures in force, the Hardcore Mode
// suffix) and shows it when it changed. Forced: shows and sends the text as
// the last tick left it, changed or not.
void ShowStatus(EngineState& s, bool forced);

// Writes "Wendox:  " and the text into the simulator's message line, shown
// for five seconds; cut to the field's 127 characters.
void SendSimMessage(EngineState& s, std::string_view text);

// Plays a file of the program's folder (name with its leading backslash);
// a missing file is silence.
void PlaySound(EngineState& s, std::string_view fileName);

}  // namespace wendox
