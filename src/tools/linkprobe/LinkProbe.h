// linkprobe: opens the simulator link, queues the reads and writes named on
// its command line, sends them in one exchange and prints what was read.
//
//   linkprobe [OP ...]   OP = r:OFFSET:SIZE | w:OFFSET:SIZE:VALUE
//
// Exit status: 0 when every operation succeeded, 100 plus the link's result
// code when one failed, 2 for malformed arguments. A failure is named in one
// line on standard error, after the usage line when no operation was given.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "link/LinkOs.h"

namespace wendox {

struct ProbeOp {
    bool write;
    std::uint32_t offset;
    std::uint32_t size;
    std::uint64_t value;  // writes: the value as a little-endian integer of `size` bytes
};

inline constexpr int kProbeUsageError = 2;
inline constexpr int kProbeLinkErrorBase = 100;
inline constexpr char kProbeUsage[] = "usage: linkprobe [r:OFFSET:SIZE | w:OFFSET:SIZE:VALUE] ...";

// Numbers are decimal, or hexadecimal after "0x"; a write's size is 1, 2, 4
// or 8 and its value must fit in it (a negative decimal as two's complement).
std::optional<ProbeOp> ParseProbeOp(const std::string& text);

// "0xOOOO=V": V in unsigned decimal for sizes 1, 2, 4 and 8, else the bytes
// in upper-case hexadecimal.
std::string FormatProbeRead(std::uint32_t offset, const std::vector<std::uint8_t>& bytes);

int RunLinkProbe(LinkOs& os, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace wendox
