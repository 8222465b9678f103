// The files the profile and settings code read and write, behind an
// interface so that tests can keep them in memory and make a write fail
// half-way.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace wendox {

// How reading a file line by line ended.
enum class ReadOutcome {
    Done,        // every line was taken
    Stopped,     // the taker refused a line
    CannotOpen,  // no such file, or it cannot be opened
    Failed,      // a read error, or a line longer than kMaxLineLength
};

// The longest line a reader takes: far beyond any line the program writes,
// small enough that a huge file chosen by mistake costs no memory.
inline constexpr std::size_t kMaxLineLength = 4096;

using LineTaker = std::function<bool(std::string_view line)>;

class FileStore {
public:
    virtual ~FileStore() = default;

    // Hands each line of the file, without its ending, to `take` until the
    // end of the file or until `take` returns false.
    virtual ReadOutcome ReadLines(const std::string& path, const LineTaker& take) = 0;

    // Writes `content` to a temporary file in the folder of `path`, flushes
    // it to the disk and, only when every write succeeded, puts it in the
    // place of `path`. On failure the old file stays exactly as it was, no
    // temporary file is left behind, and the result is false.
    virtual bool WriteReplacing(const std::string& path, std::string_view content) = 0;
};

}  // namespace wendox
