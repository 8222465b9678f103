// The one file operation that differs between platforms: putting a freshly
// written file in the place of another, replacing it as one step where the
// platform allows.
#pragma once

#include <string>

namespace wendox {

// Renames `temporary` to `target`, replacing any file named `target`. Both
// lie in the same folder. False, with both files as they were, on failure.
bool ReplaceFileWith(const std::string& temporary, const std::string& target);

}  // namespace wendox
