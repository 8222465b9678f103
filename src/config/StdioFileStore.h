// Files on disk through C stdio; the paths are narrow strings as the
// platform's C library takes them (the ANSI code page on Windows).
#pragma once

#include "config/FileStore.h"

namespace wendox {

class StdioFileStore final : public FileStore {
public:
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteReplacing(const std::string& path, std::string_view content) override;
};

}  // namespace wendox
