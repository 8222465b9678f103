// Profile files: every component's reliability and the hours it is based
// on, one line "system#component#reliability#hours" per component, in
// catalogue order, each ended by CR LF. The file is the one named by the
// settings' last profile.
#pragma once

#include <string>
#include <string_view>

#include "config/FileStore.h"
#include "engine/EngineState.h"

namespace wendox {

inline constexpr char kProfileCaption[] = "Sub-systems";
inline constexpr char kCouldNotWrite[] = "Could not write ";
inline constexpr char kCouldNotRead[] = "Could not read ";

// The part of `path` after its last backslash, or all of it when it has none.
std::string FileTitle(std::string_view path);

// The caption above the components list once `path` was read or written:
// "Sub-systems (Trainer.wdp)".
std::string ProfileCaptionFor(std::string_view path);

// The whole file as the catalogue stands, numbers with `decimalSeparator`.
std::string ProfileText(const Catalogue& catalogue, char decimalSeparator);

// Writes the profile, replacing the old file only when every byte of the new
// one is written. On failure: a message, the old file and the caption stay,
// the last profile keeps its path.
void WriteProfile(EngineState& s, FileStore& files);

// Reads the profile into the components and derives the schedules again. On
// an error the values of earlier lines stay, the last profile is emptied and
// a message shows and the caption stays; the list and the schedules show
// what was taken either way.
void ReadProfile(EngineState& s, FileStore& files);

}  // namespace wendox
