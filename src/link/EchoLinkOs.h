// An operating system with a server in the same process that answers every
// exchange at once: it reports good versions and fills reads from a few
// fixed values (everything else reads 0), leaving every header as it was.
// The one do-nothing link for the programs and tests that need no simulator
// (benchmarks, failure-stats, fuzz targets), or only the client's own work.
#pragma once

#include <cstring>
#include <map>
#include <vector>

#include "link/ByteOrder.h"
#include "link/LinkOs.h"
#include "link/RequestBlock.h"
#include "link/SimVariables.h"

namespace wendox {

class EchoLinkOs final : public LinkOs {
public:
    std::map<std::uint32_t, std::uint32_t> values{{simvar::ServerVersion.offset, 0x34000000},
                                                  {simvar::SimVersion.offset, 0xFADE0006}};

    OsHandle FindTopLevelWindow(const char*) override { return 1; }
    bool WindowExists(OsHandle window) override { return window == 1; }
    std::uint32_t RegisterMessage(const char*) override { return 0xC000; }
    std::uint32_t CurrentProcessId() override { return 42; }
    std::uint16_t AddGlobalAtom(const char*) override { return 0xC001; }
    void DeleteGlobalAtom(std::uint16_t) override {}
    OsHandle CreateMapping(const char*, std::uint32_t) override { return 2; }
    std::uint8_t* MapView(OsHandle) override { return block_.data(); }
    void UnmapView(std::uint8_t*) override {}
    void CloseHandle(OsHandle) override {}
    std::uint32_t LastError() override { return 0; }
    bool SendMessageTimed(OsHandle, std::uint32_t, std::uintptr_t, std::intptr_t, std::uint32_t, std::uint32_t,
                          std::uintptr_t& result) override {
        for (std::uint32_t at = 0; GetU32(&block_[at]) != 0;) {
            const std::uint32_t kind = GetU32(&block_[at]), size = GetU32(&block_[at + 8]);
            if (kind == 1) {
                const auto found = values.find(GetU32(&block_[at + 4]));
                if (found != values.end() && size <= 4) PutLE(&block_[at + kReadHeaderSize], found->second, size);
                at += kReadHeaderSize + size;
            } else {
                at += kWriteHeaderSize + size;
            }
        }
        result = 1;
        return true;
    }
    void Sleep(std::uint32_t) override {}

private:
    std::vector<std::uint8_t> block_ = std::vector<std::uint8_t>(kBlockSize);
};

}  // namespace wendox
