// The result code every link operation sets. The numbers are part of the
// link's contract (linkprobe's exit status is 100 plus the code).
#pragma once

#include <cstdint>

namespace wendox {

enum class LinkResult : std::int32_t {
    Ok = 0,
    AlreadyOpen = 1,
    ServerNotFound = 2,
    MessageNotRegistered = 3,
    AtomFailed = 4,
    MappingFailed = 5,
    ViewFailed = 6,
    ServerVersionRejected = 7,
    SimVersionMismatch = 8,
    NotOpen = 9,
    NothingQueued = 10,
    SendTimedOut = 11,
    SendFailed = 12,
    ReplyRejected = 13,
    FallbackVersionRejected = 14,
    BlockFull = 15,
};

inline std::int32_t Code(LinkResult result) { return static_cast<std::int32_t>(result); }

}  // namespace wendox
