#include "support/FakeLinkOs.h"

#include <cstring>

#include "link/Link.h"

namespace wendox::testing {

void FakeLinkOs::AddForeignMapping(const std::string& name) {
    mappings_[name].assign(kBlockSize, 0);
    foreign_.insert(name);
}

OsHandle FakeLinkOs::FindTopLevelWindow(const char* className) {
    if (!serverRunning) return 0;
    const char* serverClass =
        server_.GetMisbehaviour().fallbackClassOnly ? kFallbackServerClass : kServerClass;
    return std::strcmp(className, serverClass) == 0 ? kServerWindow : 0;
}

std::uint32_t FakeLinkOs::RegisterMessage(const char* name) {
    return !registerFails && std::strcmp(name, kLinkMessageName) == 0 ? kMessage : 0;
}

std::uint16_t FakeLinkOs::AddGlobalAtom(const char* name) {
    if (atomFails) return 0;
    const auto atom = static_cast<std::uint16_t>(0xC000 + atoms_.size() + 1);
    atoms_[atom] = name;
    ++liveAtoms;
    return atom;
}

void FakeLinkOs::DeleteGlobalAtom(std::uint16_t atom) {
    if (atoms_.erase(atom) == 1) --liveAtoms;
}

OsHandle FakeLinkOs::CreateMapping(const char* name, std::uint32_t size) {
    if (mappingFails) return 0;
    mappingNames.push_back(name);
    auto [mapping, created] = mappings_.try_emplace(name, size, std::uint8_t{0});
    lastError_ = created ? 0 : kErrorAlreadyExists;
    const OsHandle handle = nextHandle_++;
    handles_[handle] = name;
    ++liveHandles;
    return handle;
}

std::uint8_t* FakeLinkOs::MapView(OsHandle mapping) {
    const auto it = handles_.find(mapping);
    if (viewFails || it == handles_.end()) return nullptr;
    ++liveViews;
    return mappings_[it->second].data();
}

void FakeLinkOs::UnmapView(std::uint8_t*) { --liveViews; }

// A mapping goes away with the last handle to it, as the system's do.
void FakeLinkOs::CloseHandle(OsHandle handle) {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return;
    const std::string name = it->second;
    handles_.erase(it);
    --liveHandles;
    for (const auto& [other, otherName] : handles_)
        if (otherName == name) return;
    if (!foreign_.contains(name)) mappings_.erase(name);
}

bool FakeLinkOs::SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                  std::uintptr_t& result) {
    ++sends;
    const auto atom = atoms_.find(static_cast<std::uint16_t>(wParam));
    const bool wellFormed = window == kServerWindow && message == kMessage && lParam == 0 &&
                            flags == kSendFlagBlock && timeoutMs == kSendTimeoutMs && atom != atoms_.end();
    if (!wellFormed || failedSendsBeforeSuccess > 0) {
        if (failedSendsBeforeSuccess > 0) --failedSendsBeforeSuccess;
        nowMs += timeoutMs;
        lastError_ = sendError;
        return false;
    }
    std::vector<std::uint8_t>& block = mappings_.at(atom->second);
    lastBlockSent = block;
    const auto answer = server_.ProcessBlock(block.data(), kBlockSize, nowMs);
    if (!answer) {
        nowMs += timeoutMs;
        lastError_ = sendError;
        return false;
    }
    result = *answer;
    lastError_ = 0;
    return true;
}

void FakeLinkOs::Sleep(std::uint32_t milliseconds) {
    pauses.push_back(milliseconds);
    nowMs += milliseconds;
}

}  // namespace wendox::testing
