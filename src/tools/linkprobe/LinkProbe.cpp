#include "tools/linkprobe/LinkProbe.h"

#include <charconv>
#include <cstdio>
#include <memory>

#include "link/ByteOrder.h"
#include "link/Link.h"

namespace wendox {

namespace {

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ParseNumber32(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value || *value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

// The value of a write, which must fit in `size` bytes; a negative decimal
// is stored as its two's complement.
std::optional<std::uint64_t> ParseWriteValue(std::string_view text, std::uint32_t size) {
    const unsigned bits = 8 * size;
    const std::uint64_t mask = bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    if (!text.empty() && text[0] == '-') {
        const auto magnitude = ParseNumber(text.substr(1));
        if (!magnitude || text.substr(1, 2) == "0x" || *magnitude > (mask >> 1) + 1) return std::nullopt;
        return (~*magnitude + 1) & mask;
    }
    const auto value = ParseNumber(text);
    if (!value || *value > mask) return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string_view::npos; start = colon + 1)
        fields.push_back(text.substr(start, colon - start));
    fields.push_back(text.substr(start));
    return fields;
}

bool IsValueSize(std::uint32_t size) { return size == 1 || size == 2 || size == 4 || size == 8; }

// What went wrong, in a line for the person at the console.
const char* ResultText(LinkResult result) {
    switch (result) {
        case LinkResult::Ok: return "ok";
        case LinkResult::AlreadyOpen: return "a link is open already";
        case LinkResult::ServerNotFound: return "no simulator link window found";
        case LinkResult::MessageNotRegistered: return "the link's window message could not be registered";
        case LinkResult::AtomFailed: return "the link's global atom could not be added";
        case LinkResult::MappingFailed: return "the link's shared memory could not be made";
        case LinkResult::ViewFailed: return "the link's shared memory could not be mapped";
        case LinkResult::ServerVersionRejected: return "the simulator link's version was rejected";
        case LinkResult::SimVersionMismatch: return "the simulator is not the version asked for";
        case LinkResult::NotOpen: return "no link is open";
        case LinkResult::NothingQueued: return "nothing to send";
        case LinkResult::SendTimedOut: return "the simulator did not answer in time";
        case LinkResult::SendFailed: return "the request could not be sent to the simulator";
        case LinkResult::ReplyRejected: return "the simulator rejected the request";
        case LinkResult::FallbackVersionRejected: return "the simulator's FS98MAIN window has a version that was rejected";
        case LinkResult::BlockFull: return "the operations do not fit in the request block";
    }
    return "unknown result";
}

int LinkFailure(LinkResult result, std::ostream& err) {
    err << "linkprobe: " << ResultText(result) << " (code " << Code(result) << ")\n";
    return kProbeLinkErrorBase + Code(result);
}

}  // namespace

std::optional<ProbeOp> ParseProbeOp(const std::string& text) {
    const auto fields = SplitFields(text);
    const bool write = fields[0] == "w";
    if (!(fields[0] == "r" && fields.size() == 3) && !(write && fields.size() == 4)) return std::nullopt;
    const auto offset = ParseNumber32(fields[1]);
    const auto size = ParseNumber32(fields[2]);
    if (!offset || !size) return std::nullopt;
    if (!write) return ProbeOp{false, *offset, *size, 0};
    if (!IsValueSize(*size)) return std::nullopt;
    const auto value = ParseWriteValue(fields[3], *size);
    if (!value) return std::nullopt;
    return ProbeOp{true, *offset, *size, *value};
}

std::string FormatProbeRead(std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "0x%04X=", static_cast<unsigned>(offset));
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (IsValueSize(size)) return prefix + std::to_string(GetLE(bytes.data(), size));
    std::string text = prefix;
    for (std::uint8_t byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(byte));
        text += hex;
    }
    return text;
}

int RunLinkProbe(LinkOs& os, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<ProbeOp> ops;
    for (const std::string& arg : args) {
        const auto op = ParseProbeOp(arg);
        if (!op) {
            err << "linkprobe: malformed operation \"" << arg << "\"\n" << kProbeUsage << '\n';
            return kProbeUsageError;
        }
        ops.push_back(*op);
    }
    // Without operations the link is still opened and tried, as a check that it can be.
    if (ops.empty()) err << kProbeUsage << '\n';

    // A read larger than the block cannot be queued; no room is made for it.
    std::vector<std::vector<std::uint8_t>> values(ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (!ops[i].write && ops[i].size <= kUsableBlockBytes) values[i].resize(ops[i].size);

    auto link = std::make_unique<LinkState>(os);
    LinkResult result = LinkResult::Ok;
    LinkClose(*link);
    LinkReset(*link);
    if (!LinkOpen(*link, 0, result)) return LinkFailure(result, err);

    for (std::size_t i = 0; i < ops.size(); ++i) {
        const ProbeOp& op = ops[i];
        std::uint8_t data[8];
        PutLE(data, op.value, op.write ? op.size : 0);
        const bool queued = op.write ? LinkWrite(*link, op.offset, op.size, data, result)
                                     : LinkRead(*link, op.offset, op.size,
                                                values[i].empty() ? nullptr : values[i].data(), result);
        if (!queued) {
            LinkClose(*link);
            return LinkFailure(result, err);
        }
    }
    const bool processed = LinkProcess(*link, result);
    LinkClose(*link);
    if (!processed) return LinkFailure(result, err);

    for (std::size_t i = 0; i < ops.size(); ++i)
        if (!ops[i].write) out << FormatProbeRead(ops[i].offset, values[i]) << '\n';
    return 0;
}

}  // namespace wendox
