// The files the profile code reads and writes, behind an interface so that
// tests can keep them in memory and make a write fail half-way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendox {

class FileStore {
public:
    virtual ~FileStore() = default;

    // The whole content of the file; nothing when it cannot be opened or read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;

    // Writes `content` to a temporary file in the folder of `path` and, only
    // when every write and the closing succeeded, puts it in the place of
    // `path`. On failure the old file stays exactly as it was, no temporary
    // file is left behind, and the result is false.
    virtual bool WriteReplacing(const std::string& path, std::string_view content) = 0;
};

}  // namespace wendox
