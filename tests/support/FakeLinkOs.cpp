#include "support/FakeLinkOs.h"

#include <cstdio>
#include <optional>

#include "support/EventLog.h"

namespace wendox::testing {

namespace {

std::string Describe(const standin::RecordedWrite& w) {
    char text[160];
    if (w.bytes.size() > 8)
        std::snprintf(text, sizeof text, "%04X=\"%s\"", w.offset, reinterpret_cast<const char*>(w.bytes.data()));
    else
        std::snprintf(text, sizeof text, "%04X/%zu=%llu", w.offset, w.bytes.size(),
                      static_cast<unsigned long long>(w.Value()));
    return text;
}

}  // namespace

// The server takes the mapping named by the atom, if the call is made as the
// link must make it. A window that is gone fails the call at once.
bool FakeLinkOs::SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                  std::uintptr_t& result) {
    ++sends;
    if (!WindowExists(window)) {
        lastError_ = 1400;  // the window handle is invalid
        return false;
    }
    std::optional<std::uintptr_t> answer;
    if (failedSends > 0) {
        --failedSends;
    } else if (sends <= hangAfterSends && message == kMessage && wParam == kAtom && atoms_ > 0 && mappings_ > 0 &&
               atomName_ == mappingName && lParam == 0 && flags == kSendFlagBlock && timeoutMs == kSendTimeoutMs) {
        const std::size_t before = server_.WriteCount();
        answer = server_.ProcessBlock(block_.data(), kBlockSize, nowMs);
        if (log != nullptr)
            for (std::size_t i = before; i < server_.WriteCount(); ++i) LogEvent(log, Describe(server_.Writes()[i]));
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
