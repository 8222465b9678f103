// Files kept in memory; writes can be made to fail, leaving the old content
// as the real store does.
#pragma once

#include <map>
#include <string>

#include "config/FileStore.h"

namespace wendox::testing {

class MemoryFileStore final : public FileStore {
public:
    std::map<std::string, std::string> files;
    bool writesFail = false;

    std::optional<std::string> ReadAll(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool WriteReplacing(const std::string& path, std::string_view content) override {
        if (writesFail) return false;
        files[path] = content;
        return true;
    }
};

}  // namespace wendox::testing
