#include "config/StdioFileStore.h"

#include <chrono>
#include <cstdio>

#include "config/LineSplitter.h"
#include "config/ReplaceFile.h"

namespace wendox {

namespace {

bool Exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// A temporary name beside `path` that no file has yet; empty when none was
// found.
std::string FreeTemporaryName(const std::string& path) {
    static unsigned draw = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        draw = draw * 1664525u + 1013904223u;
        std::string name = TemporaryNameBeside(path, draw >> 8);
        if (name != path && !Exists(name)) return name;
    }
    return {};
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path, unsigned draw) {
    static constexpr char kSymbols[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t length = path.size() > nameStart ? path.size() - nameStart : 1;

    std::string name = path.substr(0, nameStart);
    if (length >= 4) name += '~';
    while (name.size() < nameStart + length) {
        name += kSymbols[draw % 36];
        draw = draw / 36 + 7;
    }
    return name;
}

ReadOutcome StdioFileStore::ReadLines(const std::string& path, const LineTaker& take) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return ReadOutcome::CannotOpen;
    LineSplitter lines(take);
    char buffer[4096];
    std::size_t got = 0;
    bool going = true;
    while (going && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) going = lines.Feed({buffer, got});
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (!going) return lines.Outcome();
    if (failed) return ReadOutcome::Failed;
    return lines.Finish();
}

bool StdioFileStore::WriteReplacing(const std::string& path, std::string_view content) {
    const std::string temporary = FreeTemporaryName(path);
    if (temporary.empty()) return false;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;

    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    written = std::fflush(file) == 0 && written;
    written = written && FlushToDisk(file);
    written = std::fclose(file) == 0 && written;
    if (written && ReplaceFileWith(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace wendox
