// The file operations that differ between platforms: making a written file
// durable, and putting it in the place of another, replacing it as one step
// where the platform allows.
#pragma once

#include <cstdio>
#include <string>

namespace wendox {

// Pushes what was written to `file` (already flushed from the C library's
// buffer) through the system's cache to the disk. False on failure.
bool FlushToDisk(std::FILE* file);

// Renames `temporary` to `target`, replacing any file named `target`. Both
// lie in the same folder. False, with both files as they were, on failure.
bool ReplaceFileWith(const std::string& temporary, const std::string& target);

}  // namespace wendox
