// Profile files: every component's reliability and the hours it is based
// on, one line "system#component#reliability#hours" per component, in
// catalogue order, each ended by CR LF. The file is the one named by the
// settings' last profile.
#pragma once

#include <string>
#include <string_view>

#include "config/FileStore.h"
#include "engine/Catalogue.h"

namespace wendox {

inline constexpr char kProfileCaption[] = "Sub-systems";

// The part of `path` after its last backslash, or all of it when it has none.
std::string FileTitle(std::string_view path);

// The caption above the components list once `path` was read or written:
// "Sub-systems (Trainer.wdp)".
std::string ProfileCaptionFor(std::string_view path);

// The whole file as the catalogue stands, numbers with `decimalSeparator`.
std::string ProfileText(const Catalogue& catalogue, char decimalSeparator);

// Writes the profile at `path`, replacing the old file only when every byte
// of the new one is written; false when that failed (the old file stays).
bool WriteProfile(const std::string& path, FileStore& files, const Catalogue& catalogue, char decimalSeparator);

// Reads the profile at `path` into the components' reliabilities and hours;
// false at the first bad line (or no file), the values of earlier lines
// staying in the catalogue.
bool ReadProfile(const std::string& path, FileStore& files, Catalogue& catalogue, char decimalSeparator);

}  // namespace wendox
