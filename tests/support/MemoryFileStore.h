// Files kept in memory, cut into lines as the real store cuts them; writes
// can be made to fail, leaving the old content as the real store does.
#pragma once

#include <map>
#include <string>

#include "config/FileStore.h"
#include "config/LineSplitter.h"

namespace wendox::testing {

struct MemoryFileStore final : FileStore {
    std::map<std::string, std::string> files;
    bool writesFail = false;

    ReadOutcome ReadLines(const std::string& path, const LineTaker& take) override {
        if (!files.contains(path)) return ReadOutcome::CannotOpen;
        LineSplitter lines(take);
        return lines.Feed(files[path]) ? lines.Finish() : lines.Outcome();
    }
    bool WriteReplacing(const std::string& path, std::string_view content) override {
        return !writesFail && (files[path] = content, true);
    }
};

}  // namespace wendox::testing
