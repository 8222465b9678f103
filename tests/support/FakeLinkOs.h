// The link's operating-system calls, played against the stand-in server's
// core in-process. Pauses advance a fake clock instead of sleeping; every
// step can be made to fail; what the link takes it must give back.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "link/LinkOs.h"
#include "standin/core/ServerCore.h"

namespace wendox::testing {

class FakeLinkOs final : public LinkOs {
public:
    static constexpr OsHandle kServerWindow = 0x5150;
    static constexpr std::uint32_t kMessage = 0xC123;

    explicit FakeLinkOs(standin::ServerCore& server) : server_(server) {}

    // What the machine does.
    bool serverRunning = true;
    std::uint32_t processId = 0x1A2B;
    bool registerFails = false;
    bool atomFails = false;
    bool mappingFails = false;
    bool viewFails = false;
    std::uint32_t failedSendsBeforeSuccess = 0;  // the server does not answer this many times
    std::uint32_t sendError = 0;                 // last error after a failed send

    // What the link did.
    std::uint32_t sends = 0;
    std::uint64_t nowMs = 0;  // advanced by Sleep
    std::vector<std::uint32_t> pauses;
    std::vector<std::string> mappingNames;
    std::vector<std::uint8_t> lastBlockSent;  // the block as the server received it
    int liveAtoms = 0;
    int liveViews = 0;
    int liveHandles = 0;

    // A mapping of this name exists already (another client's).
    void AddForeignMapping(const std::string& name);

    OsHandle FindTopLevelWindow(const char* className) override;
    std::uint32_t RegisterMessage(const char* name) override;
    std::uint32_t CurrentProcessId() override { return processId; }
    std::uint16_t AddGlobalAtom(const char* name) override;
    void DeleteGlobalAtom(std::uint16_t atom) override;
    OsHandle CreateMapping(const char* name, std::uint32_t size) override;
    std::uint8_t* MapView(OsHandle mapping) override;
    void UnmapView(std::uint8_t* view) override;
    void CloseHandle(OsHandle handle) override;
    std::uint32_t LastError() override { return lastError_; }
    bool SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                          std::uint32_t flags, std::uint32_t timeoutMs, std::uintptr_t& result) override;
    void Sleep(std::uint32_t milliseconds) override;

private:
    standin::ServerCore& server_;
    std::uint32_t lastError_ = 0;
    std::map<std::uint16_t, std::string> atoms_;
    std::map<std::string, std::vector<std::uint8_t>> mappings_;
    std::map<OsHandle, std::string> handles_;
    std::set<std::string> foreign_;
    OsHandle nextHandle_ = 0x100;
};

}  // namespace wendox::testing
