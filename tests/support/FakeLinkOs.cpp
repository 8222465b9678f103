#include "support/FakeLinkOs.h"

#include <optional>

#include "support/EventLog.h"
#include "support/SlewLog.h"

namespace wendox::testing {

// The server takes the mapping named by the atom, if the call is made as the
// link must make it. A window that is gone fails the call at once.
bool FakeLinkOs::SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                  std::uintptr_t& result) {
    ++sends;
    std::optional<std::uintptr_t> answer;
    if (failedSends > 0) {
        --failedSends;
    } else if (WindowExists(window) && sends <= hangAfterSends && message == kMessage && wParam == kAtom &&
               atoms_ > 0 && mappings_ > 0 && atomName_ == mappingName && lParam == 0 && flags == kSendFlagBlock &&
               timeoutMs == kSendTimeoutMs) {
        const std::size_t before = server_.WriteCount();
        answer = server_.ProcessBlock(block_.data(), kBlockSize, nowMs);
        if (log != nullptr)
            for (std::size_t i = before; i < server_.WriteCount(); ++i) LogEvent(log, WriteText(server_.Writes()[i]));
    }
    if (!answer) {
        const bool gone = !WindowExists(window);
        nowMs += gone ? 0 : timeoutMs;
        lastError_ = gone ? 1400 : sendError;  // 1400: the window handle is invalid
        return false;
    }
    result = *answer;
    lastError_ = 0;
    return true;
}

}  // namespace wendox::testing
