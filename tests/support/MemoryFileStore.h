// Files kept in memory, cut into lines as the real store cuts them; writes
// can be made to fail, leaving the old content as the real store does.
#pragma once

#include <map>
#include <string>

#include "config/FileStore.h"
#include "config/LineSplitter.h"

namespace wendox::testing {

class MemoryFileStore final : public FileStore {
public:
    std::map<std::string, std::string> files;
    bool writesFail = false;

    ReadOutcome ReadLines(const std::string& path, const LineTaker& take) override {
        const auto found = files.find(path);
        if (found == files.end()) return ReadOutcome::CannotOpen;
        LineSplitter lines(take);
        return lines.Feed(found->second) ? lines.Finish() : lines.Outcome();
    }
    bool WriteReplacing(const std::string& path, std::string_view content) override {
        if (writesFail) return false;
        files[path] = content;
        return true;
    }
};

}  // namespace wendox::testing
