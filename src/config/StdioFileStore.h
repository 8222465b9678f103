// Files on disk through C stdio; the paths are narrow strings as the
// platform's C library takes them (the ANSI code page on Windows).
#pragma once

#include "config/FileStore.h"

namespace wendox {

class StdioFileStore final : public FileStore {
public:
    ReadOutcome ReadLines(const std::string& path, const LineTaker& take) override;
    bool WriteReplacing(const std::string& path, std::string_view content) override;
};

// A name for the temporary file beside `path` that is no longer than the
// target's own name, so that a path the system accepts stays acceptable:
// the target's folder, then a name of the same length drawn from `draw`
// (letters and digits, "~" first when there is room).
std::string TemporaryNameBeside(const std::string& path, unsigned draw);

}  // namespace wendox
