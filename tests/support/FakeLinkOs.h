// The link's operating-system calls, played against the stand-in server's
// core in-process: one server window, one atom, one mapping at a time. Pauses
// advance a fake clock instead of sleeping; each step of opening can be made
// to fail; what the link takes it must give back.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "link/Link.h"
#include "standin/core/ServerCore.h"

namespace wendox::testing {

class FakeLinkOs final : public LinkOs {
public:
    static constexpr OsHandle kServerWindow = 0x5150, kMapping = 0x6060;
    static constexpr std::uint32_t kMessage = 0xC123;
    static constexpr std::uint16_t kAtom = 0xC001;
    enum class Step { None, Register, Atom, Mapping, View };

    explicit FakeLinkOs(standin::ServerCore& server) : server_(server) {}

    // What the machine does.
    bool serverRunning = true;
    OsHandle serverWindow = kServerWindow;  // a restarted server has a new one
    Step failingStep = Step::None;
    std::uint32_t failedSends = 0;  // the server does not answer this many times
    std::uint32_t hangAfterSends = UINT32_MAX;  // nor any send once `sends` is past this
    std::uint32_t sendError = 0;    // last error after a failed send

    // What the link did.
    std::uint32_t sends = 0;
    std::uint64_t nowMs = 0;  // advanced by pauses and by sends that time out
    std::vector<std::uint32_t> pauses;
    std::string mappingName;                  // of the last mapping created
    std::string* log = nullptr;  // each write the server stored: "07BC/4=0", a text as 3380="..."
    int Held() const { return atoms_ + mappings_ + views_; }

    OsHandle FindTopLevelWindow(const char* className) override {
        const char* served = server_.GetMisbehaviour().fallbackClassOnly ? kFallbackServerClass : kServerClass;
        return serverRunning && std::strcmp(className, served) == 0 ? serverWindow : 0;
    }
    bool WindowExists(OsHandle window) override { return serverRunning && window == serverWindow; }
    std::uint32_t RegisterMessage(const char* name) override {
        return failingStep != Step::Register && std::strcmp(name, kLinkMessageName) == 0 ? kMessage : 0;
    }
    std::uint32_t CurrentProcessId() override { return 0x1A2B; }
    std::uint16_t AddGlobalAtom(const char* name) override {
        if (failingStep == Step::Atom) return 0;
        atomName_ = name;
        ++atoms_;
        return kAtom;
    }
    void DeleteGlobalAtom(std::uint16_t atom) override { atoms_ -= atom == kAtom && atoms_ > 0; }
    // A mapping of a name that is still held exists already.
    OsHandle CreateMapping(const char* name, std::uint32_t size) override {
        if (failingStep == Step::Mapping || size != kBlockSize) return 0;
        lastError_ = mappings_ > 0 && mappingName == name ? kErrorAlreadyExists : 0;
        if (lastError_ == 0) block_.assign(size, 0);
        mappingName = name;
        ++mappings_;
        return kMapping;
    }
    std::uint8_t* MapView(OsHandle mapping) override {
        if (failingStep == Step::View || mapping != kMapping) return nullptr;
        ++views_;
        return block_.data();
    }
    void UnmapView(std::uint8_t* view) override { views_ -= view == block_.data() && views_ > 0; }
    void CloseHandle(OsHandle handle) override { mappings_ -= handle == kMapping && mappings_ > 0; }
    std::uint32_t LastError() override { return lastError_; }
    bool SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                          std::uint32_t flags, std::uint32_t timeoutMs, std::uintptr_t& result) override;
    void Sleep(std::uint32_t milliseconds) override {
        pauses.push_back(milliseconds);
        nowMs += milliseconds;
    }

private:
    standin::ServerCore& server_;
    std::uint32_t lastError_ = 0;
    std::string atomName_;
    std::vector<std::uint8_t> block_;
    int atoms_ = 0, mappings_ = 0, views_ = 0;
};

}  // namespace wendox::testing
