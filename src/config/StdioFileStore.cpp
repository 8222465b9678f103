#include "config/StdioFileStore.h"

#include <atomic>
#include <chrono>
#include <cstdio>

#include "config/ReplaceFile.h"

namespace wendox {

namespace {

bool Exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// A name beside `path` that no file has yet: the path, ".tmp", and a number
// made of the clock at first use and a counter, so that two programs or two
// writes rarely pick the same one, and an existing file is never reused.
std::string FreeTemporaryName(const std::string& path) {
    static const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFFFF);
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + ".tmp" + std::to_string(seed) + "-" + std::to_string(counter++);
        if (!Exists(name)) return name;
    }
    return {};
}

}  // namespace

std::optional<std::string> StdioFileStore::ReadAll(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::string content;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return content;
}

bool StdioFileStore::WriteReplacing(const std::string& path, std::string_view content) {
    const std::string temporary = FreeTemporaryName(path);
    if (temporary.empty()) return false;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;

    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && ReplaceFileWith(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace wendox
