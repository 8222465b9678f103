#include "support/FakeLinkOs.h"

#include <optional>

namespace wendox::testing {

// The server takes the mapping named by the atom, if the call is made as the
// link must make it. A window that is gone fails the call at once.
bool FakeLinkOs::SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                  std::uintptr_t& result) {
    ++sends;
    if (!WindowExists(window)) {
        lastError_ = kErrorInvalidWindow;
        return false;
    }
    std::optional<std::uintptr_t> answer;
    if (failedSends > 0) {
        --failedSends;
    } else if (message == kMessage && wParam == kAtom && atoms_ > 0 && mappings_ > 0 &&
               atomName_ == mappingName && lParam == 0 && flags == kSendFlagBlock && timeoutMs == kSendTimeoutMs) {
        lastBlockSent = block_;
        answer = server_.ProcessBlock(block_.data(), kBlockSize, nowMs);
    }
    if (!answer) {
        nowMs += timeoutMs;
        lastError_ = sendError;
        return false;
    }
    result = *answer;
    lastError_ = 0;
    return true;
}

}  // namespace wendox::testing
